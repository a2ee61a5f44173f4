// The calculation both programs hold: what counts as an unsaved change, and
// what opening, saving and a new calculation leave, with the wanted Rc as
// each program keeps it. A failed step leaves everything as it was.

#include "platform/Systeemfout.h"
#include "project/Berekening.h"
#include "project/Bestandslezer.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace rcveltor::test {
namespace {

namespace fs = std::filesystem;

struct TStap {
    const char* Wat;
    std::function<void(TBerekening&, const fs::path& map)> Doe;
    const char* Fout;       // what it throws: "", "opslaan" (TBestandsfout), "openen"
    bool Gewijzigd;         // Gewijzigd() after it
    const char* Bestand;    // the file's name after it; "" for none
    const char* Project;    // the project's name after it
    const char* WensWizard; // WensRc's text after it, kept as the wizard's field
    const char* WensOptie;  // kept as the calculator's option
};

std::string Pad(const fs::path& map, const char* naam) {
    return (map / naam).string();
}

const TStap kStappen[] = {
    {"start-up", [](TBerekening& b, auto&) { b.Opstarten(RCV_LAMBDA_BIN); }, "", false, "", "",
     "2,50", ""},
    {"input stepped", [](TBerekening& b, auto&) { Zet(b.Model.Rc.DikteIsol, 140); }, "", true, "",
     "", "2,50", ""},
    {"stepped back", [](TBerekening& b, auto&) { Zet(b.Model.Rc.DikteIsol, 110); }, "", false, "",
     "", "2,50", ""},
    {"project named", [](TBerekening& b, auto&) { b.Project.Naam = "Loods"; }, "", true, "",
     "Loods", "2,50", ""},
    {"saved", [](TBerekening& b, auto& m) { b.SlaOp(Pad(m, "a.rcv")); }, "", false, "a.rcv",
     "Loods", "2,50", ""},
    {"method chosen", [](TBerekening& b, auto&) { b.KiesMethode(TMethode::Iso6946); }, "", true,
     "a.rcv", "Loods", "2,50", ""},
    {"save into no folder", [](TBerekening& b, auto& m) { b.SlaOp(Pad(m, "geen/a.rcv")); },
     "opslaan", true, "a.rcv", "Loods", "2,50", ""},
    {"new", [](TBerekening& b, auto&) { b.Nieuw(); }, "", false, "", "", "2,50", ""},
    {"wanted Rc stepped", [](TBerekening& b, auto&) { StapOp(b.WensRc, 1); }, "", true, "", "",
     "2,60", "1,00"},
    {"opened", [](TBerekening& b, auto& m) { b.Open(Pad(m, "a.rcv")); }, "", false, "a.rcv",
     "Loods", "2,50", ""},
    {"opened, wanted Rc written by hand",
     [](TBerekening& b, auto& m) { b.Open(Pad(m, "hand.rcv")); }, "", false, "hand.rcv", "", "4,50",
     "4,5"},
    {"input stepped", [](TBerekening& b, auto&) { Zet(b.Model.Rc.DikteIsol, 140); }, "", true,
     "hand.rcv", "", "4,50", "4,5"},
    {"open a missing file", [](TBerekening& b, auto& m) { b.Open(Pad(m, "weg.rcv")); }, "openen",
     true, "hand.rcv", "", "4,50", "4,5"},
    {"saved again", [](TBerekening& b, auto&) { b.SlaOp(b.Bestand()); }, "", false, "hand.rcv", "",
     "4,50", "4,5"},
};

class Berekening : public testing::TestWithParam<TWensRcBron> {};

TEST_P(Berekening, StepsThroughItsStates) {
    const bool wizard = GetParam() == TWensRcBron::Wizard;
    const fs::path map =
        fs::temp_directory_path() / (wizard ? "rcv_berekening_wizard" : "rcv_berekening_optie");
    fs::remove_all(map);
    fs::create_directory(map);
    std::ofstream(map / "hand.rcv")
        << R"({"formaat": "rcveltor-berekening", "versie": 1, "plat": {"wensRc": "4,5"}})";

    TBerekening b(GetParam());
    for (const TStap& s : kStappen) {
        SCOPED_TRACE(s.Wat);
        std::string fout;
        try {
            s.Doe(b, map);
        } catch (const platform::TBestandsfout&) {
            fout = "opslaan";
        } catch (const TOnbruikbaarBestand&) {
            fout = "openen";
        }
        EXPECT_EQ(fout, s.Fout);
        EXPECT_EQ(b.Gewijzigd(), s.Gewijzigd);
        EXPECT_EQ(b.Bestand(), *s.Bestand ? Pad(map, s.Bestand) : "");
        EXPECT_EQ(b.Project.Naam, s.Project);
        EXPECT_EQ(b.WensRc.Tekst, wizard ? s.WensWizard : s.WensOptie);
    }
    fs::remove_all(map);
}

INSTANTIATE_TEST_SUITE_P(WensRc, Berekening,
                         testing::Values(TWensRcBron::Wizard, TWensRcBron::Optie),
                         [](const auto& info) {
                             return info.param == TWensRcBron::Wizard ? "Wizard" : "Optie";
                         });

} // namespace
} // namespace rcveltor::test
