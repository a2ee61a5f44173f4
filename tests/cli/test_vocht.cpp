// rcveltor-cli --vocht: the "vocht" object is the engine's check of the
// chosen screen, after today's members, the same in a batch line and after
// --opslaan and --project; a data file that cannot be read is a
// calculation error.

#include "calc/RekenModel.h"
#include "calc/Vochtopbouw.h"
#include "cli/Opties.h"
#include "cli/Toepassen.h"
#include "cli/Vocht.h"
#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>

namespace rcveltor::test {
namespace {

using nlohmann::ordered_json;
using TArgumenten = std::vector<std::string>;

std::string Opdracht(const TArgumenten& argumenten) {
    std::string opdracht = Calculator();
    for (const auto& a : argumenten) {
        opdracht += " " + Citeer(a);
    }
    return opdracht;
}

TArgumenten Met(TArgumenten argumenten, const TArgumenten& erbij) {
    argumenten.insert(argumenten.end(), erbij.begin(), erbij.end());
    return argumenten;
}

struct TVochtgeval {
    std::string Naam;
    TArgumenten Scherm;       // the screen's options
    int Klasse;               // --klimaatklasse; 0 for none
    std::string Dakbedekking; // --dakbedekking; "" for none
    std::string Sd;           // --sd-dakbedekking with "."; "" for none

    TArgumenten Opties() const {
        TArgumenten opties = Scherm;
        if (Klasse != 0) {
            opties = Met(opties, {"--klimaatklasse", std::to_string(Klasse)});
        }
        if (!Dakbedekking.empty()) {
            opties = Met(opties, {"--dakbedekking", Dakbedekking});
        }
        if (!Sd.empty()) {
            opties = Met(opties, {"--sd-dakbedekking", Sd});
        }
        return opties;
    }
};

// The check computed here: the screen's options as the calculator applies
// them, the check's inputs set on the fields themselves.
ordered_json Verwacht(const TVochtgeval& g) {
    TRekenModel model;
    std::vector<std::string> fouten = model.Opstarten(RCV_DATA_DIR "/lambda.bin");
    const cli::TOpties opties = cli::LeesOpties(g.Scherm);
    cli::PasToe(opties, model, fouten);
    EXPECT_TRUE(fouten.empty()) << fouten.front();
    TVochtVelden& v = model.Vocht;
    if (g.Klasse != 0) {
        v.Binnenklimaat.ItemIndex = g.Klasse - 1;
    }
    if (!g.Dakbedekking.empty()) {
        v.Dakbedekking.ItemIndex = v.Dakbedekking.IndexVan(g.Dakbedekking);
    }
    if (!g.Sd.empty()) {
        Typ(v.SdDakbedekking, cli::AlsGetypt(g.Sd));
        Verlaat(v.SdDakbedekking);
    }
    const TVochtdata data = LeesVochtdata(RCV_DATA_DIR);
    const TVochtWeergave w = Weergave(BerekenVocht(model, opties.Afschot, data), data);
    return cli::VochtJson(w);
}

class CliVocht : public testing::TestWithParam<TVochtgeval> {};

TEST_P(CliVocht, IsTheEnginesCheckOfTheScreen) {
    const TVochtgeval& g = GetParam();
    const ordered_json verwacht = Verwacht(g);
    const std::string bestand = Tijdelijk("vocht_" + g.Naam + ".rcv");
    std::remove(bestand.c_str());

    const TUitvoer los =
        Voer(Opdracht(Met(g.Opties(), {"--vocht", "--json", "--opslaan", bestand})));
    ASSERT_EQ(los.Status, 0) << los.Uit;
    ordered_json o = ordered_json::parse(los.Uit);
    EXPECT_EQ(o["vocht"], verwacht);
    EXPECT_EQ(std::prev(o.end()).key(), "vocht");
    std::vector<std::string> sleutels;
    for (const auto& [sleutel, waarde] : o["vocht"].items()) {
        sleutels.push_back(sleutel);
    }
    EXPECT_EQ(sleutels,
              (std::vector<std::string>{"fRsi", "fRsiEis", "oordeel", "voldoet", "maxCondensaat",
                                        "beginmaand", "minSdDamprem", "maanden"}));
    EXPECT_EQ(o["vocht"]["maanden"].size(), 12u);
    // Today's members are as without the check.
    o.erase("vocht");
    EXPECT_EQ(o.dump(),
              ordered_json::parse(Voer(Opdracht(Met(g.Opties(), {"--json"}))).Uit).dump());

    const TUitvoer regel =
        Voer("printf '%s\\n' " + Citeer(AlsJsonRegel(Met(g.Opties(), {"--vocht"}))) + " | (" +
             Opdracht({"--batch"}) + ")");
    const ordered_json antwoord = ordered_json::parse(regel.Uit);
    EXPECT_EQ(antwoord["vocht"], verwacht);
    EXPECT_EQ(antwoord["exit"], 0);

    const bool afschot = !g.Scherm.empty() && g.Scherm.front() == "--afschot";
    TArgumenten open = {"--project", bestand, "--vocht", "--json"};
    if (afschot) {
        open.emplace_back("--afschot");
    }
    EXPECT_EQ(ordered_json::parse(Voer(Opdracht(open)).Uit)["vocht"], verwacht);
    std::remove(bestand.c_str());
}

INSTANTIATE_TEST_SUITE_P(Opbouw, CliVocht,
                         testing::Values(TVochtgeval{"PlatBegin", {}, 0, "", ""},
                                         TVochtgeval{"PlatKlasse5Pvc",
                                                     {"--isolatie", "Pelmar", "--dikte", "120"},
                                                     5,
                                                     "Kunststof (PVC)",
                                                     ""},
                                         TVochtgeval{"AfschotAnders",
                                                     {"--afschot", "--afschot-lengte", "10",
                                                      "--oppervlak1", "10", "--oppervlak2", "5",
                                                      "--oppervlak3", "0"},
                                                     1,
                                                     "Anders",
                                                     "12.5"}),
                         [](const auto& info) { return info.param.Naam; });

// Without a data file the check is a calculation error, named on stderr and
// under "fouten"; a batch line says so too.
struct TDatageval {
    std::string Naam;
    std::string Aanwezig; // the one data file in the working folder
    std::string Ontbreekt;
};

class CliVochtZonderData : public testing::TestWithParam<TDatageval> {};

TEST_P(CliVochtZonderData, IsACalculationError) {
    const std::filesystem::path map = Tijdelijk("vochtdata_" + GetParam().Naam);
    std::filesystem::create_directories(map);
    std::filesystem::copy_file(std::filesystem::path(RCV_DATA_DIR) / GetParam().Aanwezig,
                               map / GetParam().Aanwezig,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string calculator = "cd " + Citeer(map.string()) + " && " + Citeer(RCV_CLI) +
                                   " --lambda-bestand " + Citeer(RCV_DATA_DIR "/lambda.bin");
    const std::string melding =
        "Kan \"" + (map / GetParam().Ontbreekt).string() + "\" niet lezen. Niet gevonden";
    const std::string fout = (map / "fout.txt").string();

    const TUitvoer r = Voer(calculator + " --vocht --json 2>" + Citeer(fout));
    EXPECT_EQ(r.Status, 1);
    const ordered_json o = ordered_json::parse(r.Uit);
    EXPECT_EQ(o["fouten"], ordered_json::array({melding}));
    EXPECT_TRUE(o["vocht"].is_null());
    std::ifstream f(fout);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}),
              "rcveltor-cli: " + melding + "\n");

    const ordered_json regel =
        ordered_json::parse(Voer("echo '[\"--vocht\"]' | (" + calculator + " --batch)").Uit);
    EXPECT_EQ(regel["fouten"], ordered_json::array({melding}));
    EXPECT_EQ(regel["exit"], 1);
    std::filesystem::remove_all(map);
}

INSTANTIATE_TEST_SUITE_P(Databestanden, CliVochtZonderData,
                         testing::Values(TDatageval{"GeenVochtIni", "klimaat.ini", "vocht.ini"},
                                         TDatageval{"GeenKlimaatIni", "vocht.ini", "klimaat.ini"}),
                         [](const auto& info) { return info.param.Naam; });

} // namespace
} // namespace rcveltor::test
