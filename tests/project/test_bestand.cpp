// The calculation file: what it refuses (naming the file and the fault,
// leaving the screens as they were), what it tolerates, and its layout.

#include "project/Berekening.h"
#include "project/Bestandslezer.h"
#include "project/Openen.h"
#include "tests/calc/Opstart.h"
#include "tests/project/Velden.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace rcveltor::test {
namespace {

using nlohmann::ordered_json;

// A started model with the insulation thickness stepped away from its start,
// and another humidity class.
struct TBewerkt : TOpgestart {
    TBewerkt() {
        Zet(rc().DikteIsol, 140);
        model->Vocht.Binnenklimaat.ItemIndex = 4;
    }
};

// A valid file of a calculation other than TBewerkt's.
ordered_json Geldig() {
    TOpgestart ander;
    Zet(ander.rc().DikteIsol, 200);
    TProjectgegevens p;
    p.Naam = "Kantoor De Vaart";
    p.Datum = "2026-12-09";
    return ordered_json::parse(AlsBestandstekst(Vastleggen(*ander.model, p, "3,50", "4.0.1.3", 0)));
}

struct TWeigering {
    std::string Naam;
    std::function<std::string()> Tekst; // the file's text
    std::string Reden;                  // what the message must say after the file's name
};

std::string Gewijzigd(const std::function<void(ordered_json&)>& wijzig) {
    ordered_json o = Geldig();
    wijzig(o);
    return o.dump();
}

class Weigert : public testing::TestWithParam<TWeigering> {};

TEST_P(Weigert, NamesTheFaultAndLeavesTheScreens) {
    TBewerkt bewerkt;
    const auto voor = AlleVelden(*bewerkt.model);
    try {
        const auto b = LeesBerekening(GetParam().Tekst(), "proef.rcv");
        OpenBerekening(b, *bewerkt.model, "proef.rcv");
        FAIL() << "accepted";
    } catch (const TOnbruikbaarBestand& fout) {
        const std::string melding = fout.what();
        EXPECT_EQ(melding.rfind("Het bestand \"proef.rcv\" kan niet worden geopend: ", 0), 0U)
            << melding;
        EXPECT_NE(melding.find(GetParam().Reden), std::string::npos) << melding;
    }
    EXPECT_EQ(AlleVelden(*bewerkt.model), voor);
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, Weigert,
    testing::Values(
        TWeigering{"TeGroot", [] { return std::string(kMaxBestandsgrootte + 1, ' '); },
                   "groter dan 1 MiB"},
        TWeigering{"GeenJson", [] { return std::string("Rc 2,74"); }, "geen geldige JSON"},
        TWeigering{"Afgebroken",
                   [] {
                       const std::string s = Geldig().dump();
                       return s.substr(0, s.size() / 2);
                   },
                   "geen geldige JSON"},
        TWeigering{"GeenObject", [] { return std::string("[1, 2]"); }, "geen RcVeltor-berekening"},
        TWeigering{"AnderFormaat", [] { return Gewijzigd([](auto& o) { o["formaat"] = "iets"; }); },
                   "geen RcVeltor-berekening"},
        TWeigering{"NieuwereVersie", [] { return Gewijzigd([](auto& o) { o["versie"] = 2; }); },
                   "nieuwere versie van RcVeltor (bestandsversie 2); deze versie leest "
                   "bestandsversie 1"},
        TWeigering{"VersieAlsTekst", [] { return Gewijzigd([](auto& o) { o["versie"] = "1"; }); },
                   "\"versie\" is geen geheel getal"},
        TWeigering{"SchermGeenObject",
                   [] { return Gewijzigd([](auto& o) { o["plat"] = ordered_json::array(); }); },
                   "\"plat\" is geen object"},
        TWeigering{"GetalNietAlsTekst",
                   [] { return Gewijzigd([](auto& o) { o["plat"]["dikte"] = 120; }); },
                   "\"plat\".\"dikte\" is geen tekst"},
        TWeigering{"GeenDatum",
                   [] { return Gewijzigd([](auto& o) { o["project"]["datum"] = "2026-02-29"; }); },
                   "\"project\".\"datum\" is geen datum"},
        TWeigering{"OnbekendePlaat",
                   [] { return Gewijzigd([](auto& o) { o["plat"]["isolatie"] = "Karton"; }); },
                   "\"plat\".\"isolatie\": \"Karton\" staat niet in de lijst"},
        TWeigering{"BuitenBereik",
                   [] { return Gewijzigd([](auto& o) { o["plat"]["dikte"] = "900"; }); },
                   "\"plat\".\"dikte\": 900 ligt buiten het bereik"},
        TWeigering{"GeenGetal",
                   [] { return Gewijzigd([](auto& o) { o["plat"]["aantal"] = "veel"; }); },
                   "\"plat\".\"aantal\": \"veel\" is geen getal"},
        TWeigering{"WensRcBuitenBereik",
                   [] { return Gewijzigd([](auto& o) { o["plat"]["wensRc"] = "12"; }); },
                   "\"plat\".\"wensRc\": 12 ligt buiten het bereik 1 tot 10"},
        // The flat roof's inputs are valid and differ from the screen's: a
        // fault in the last screen still applies none of them.
        TWeigering{"LaatsteVeldFout",
                   [] { return Gewijzigd([](auto& o) { o["afschot"]["aantal"] = "16"; }); },
                   "\"afschot\".\"aantal\": 16 ligt buiten het bereik 3 tot 15"},
        TWeigering{"OnbekendeMethode",
                   [] { return Gewijzigd([](auto& o) { o["methode"] = "nen2024"; }); },
                   "\"methode\" is geen bekende rekenmethode: \"nen2024\""},
        TWeigering{"OnbekendeCombinatie",
                   [] { return Gewijzigd([](auto& o) { o["afschot"]["combinatie"] = "99 - x"; }); },
                   "\"afschot\".\"combinatie\": \"99 - x\" staat niet in de lijst"},
        TWeigering{"VochtGeenObject",
                   [] { return Gewijzigd([](auto& o) { o["vocht"] = ordered_json::array(); }); },
                   "\"vocht\" is geen object"},
        TWeigering{"KlimaatklasseNul",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["klimaatklasse"] = 0; }); },
                   "\"vocht\".\"klimaatklasse\": 0 ligt buiten het bereik 1 tot 5"},
        TWeigering{"KlimaatklasseZes",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["klimaatklasse"] = 6; }); },
                   "\"vocht\".\"klimaatklasse\": 6 ligt buiten het bereik 1 tot 5"},
        TWeigering{"KlimaatklasseAlsTekst",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["klimaatklasse"] = "3"; }); },
                   "\"vocht\".\"klimaatklasse\" is geen geheel getal"},
        TWeigering{"KlimaatklasseGebroken",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["klimaatklasse"] = 2.5; }); },
                   "\"vocht\".\"klimaatklasse\" is geen geheel getal"},
        TWeigering{"OnbekendeDakbedekking",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["dakbedekking"] = "Riet"; }); },
                   "\"vocht\".\"dakbedekking\": \"Riet\" staat niet in de lijst"},
        TWeigering{"SdGeenGetal",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["sdDakbedekking"] = "abc"; }); },
                   "\"vocht\".\"sdDakbedekking\": \"abc\" is geen getal"},
        TWeigering{"SdNegatief",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["sdDakbedekking"] = "-5"; }); },
                   "\"vocht\".\"sdDakbedekking\": -5 ligt buiten het bereik 0 tot 100000"},
        TWeigering{"OpRapportAlsTekst",
                   [] { return Gewijzigd([](auto& o) { o["vocht"]["opRapport"] = "ja"; }); },
                   "\"vocht\".\"opRapport\" is niet true of false"},
        // Kept keys are written back; one nested past any real use is refused.
        TWeigering{"TeDiepGenest",
                   [] {
                       return Gewijzigd([](auto& o) {
                           o["plat"]["later"] =
                               ordered_json::parse(std::string(101, '[') + std::string(101, ']'));
                       });
                   },
                   "\"plat\".\"later\" is dieper genest dan 100 niveaus"}),
    [](const auto& info) { return info.param.Naam; });

// A project field read from a file is cleaned as the dialog cleans it: a line
// break on one line is a space, controls that turn text around are dropped.
struct TVeldgeval {
    std::string Naam;
    const char* Sleutel;
    std::string Opgeslagen;
    std::string Gelezen;
};

class Projectveld : public testing::TestWithParam<TVeldgeval> {};

TEST_P(Projectveld, IsReadAsTheDialogWouldStoreIt) {
    const auto b = LeesBerekening(
        Gewijzigd([](auto& o) { o["project"][GetParam().Sleutel] = GetParam().Opgeslagen; }),
        "velden.rcv");
    const std::string gelezen =
        GetParam().Sleutel == std::string("opmerking") ? b.Project.Opmerking : b.Project.Adres;
    EXPECT_EQ(gelezen, GetParam().Gelezen);
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, Projectveld,
    testing::Values(
        TVeldgeval{"Regelovergang", "adres", "Kade 3\n8011 AB Zwolle", "Kade 3 8011 AB Zwolle"},
        TVeldgeval{"CrLf", "adres", "Kade 3\r\n8011 AB", "Kade 3 8011 AB"},
        TVeldgeval{"Tab", "adres", "Kade\t3", "Kade 3"},
        TVeldgeval{"Nel", "adres", "Kade 3\u00858011", "Kade 3 8011"},
        TVeldgeval{"Regelscheiding", "adres", "Kade 3\u20288011", "Kade 3 8011"},
        TVeldgeval{"Alineascheiding", "adres", "Kade 3\u20298011", "Kade 3 8011"},
        TVeldgeval{"Stuurteken", "adres", "Ka\u0001de\u007f 3\u009b", "Kade 3"},
        TVeldgeval{"Richtingtekens", "adres",
                   "\u202aa\u202bb\u202cc\u202dd\u202ee\u2066f\u2067g\u2068h\u2069", "abcdefgh"},
        TVeldgeval{"LettersBlijven", "adres", "\u015eahin & Y\u0131lmaz, \u0141\u00f3d\u017a",
                   "\u015eahin & Y\u0131lmaz, \u0141\u00f3d\u017a"},
        TVeldgeval{"OpmerkingRegels", "opmerking", "a\r\nb\rc\u2028d\u2029e\u0085f\tg",
                   "a\nb\nc\nd\ne\nf\tg"},
        TVeldgeval{"OpmerkingRichting", "opmerking", "\u202edak\u2069", "dak"}),
    [](const auto& info) { return info.param.Naam; });

TEST(Berekeningsbestand, ToleratesMissingAndUnknownKeys) {
    TOpgestart vers;
    const auto start = AlleVelden(*vers.model);
    const auto b = LeesBerekening(
        R"({"formaat": "rcveltor-berekening", "versie": 1, "later": {"x": [1]},
            "project": {"naam": "Loods", "kleur": 3}, "plat": {"nieuwVeld": "1"}})",
        "kaal.rcv");
    const TOpening opening = OpenBerekening(b, *vers.model, "kaal.rcv");
    EXPECT_EQ(AlleVelden(*vers.model), start);
    EXPECT_TRUE(opening.Afwijking.empty());
    TProjectgegevens verwacht;
    verwacht.Naam = "Loods";
    EXPECT_EQ(b.Project, verwacht);
}

// The moisture check's inputs: opened from "vocht" and saved again. A
// calculation whose inputs all have their start value writes no "vocht";
// keys this version does not know come back.
struct TVochtgeval {
    std::string Naam;
    ordered_json Gelezen;    // the "vocht" object of the file opened; null for none
    ordered_json Geschreven; // the one saved again; null for none
};

class Vochtinvoer : public testing::TestWithParam<TVochtgeval> {};

TEST_P(Vochtinvoer, ComesBackAsSaved) {
    const std::string pad = testing::TempDir() + "vocht_" + GetParam().Naam + ".rcv";
    ordered_json o = Geldig();
    if (!GetParam().Gelezen.is_null()) {
        o["vocht"] = GetParam().Gelezen;
    }
    std::ofstream(pad) << o.dump(2);
    TBerekening b(TWensRcBron::Wizard);
    b.Opstarten(RCV_LAMBDA_BIN);
    b.Open(pad);
    EXPECT_FALSE(b.Gewijzigd());
    b.SlaOp(pad);
    std::ifstream f(pad);
    const ordered_json opgeslagen = ordered_json::parse(f);
    EXPECT_EQ(opgeslagen.value("vocht", ordered_json()), GetParam().Geschreven);
    // Its place: after the screens, before the results.
    std::vector<std::string> sleutels;
    for (const auto& [sleutel, waarde] : opgeslagen.items()) {
        sleutels.push_back(sleutel);
    }
    EXPECT_EQ(sleutels.back(), "resultaten");
    EXPECT_EQ(sleutels[sleutels.size() - 2], GetParam().Geschreven.is_null() ? "afschot" : "vocht");

    b.Model.Vocht.OpRapport = !b.Model.Vocht.OpRapport;
    EXPECT_TRUE(b.Gewijzigd());
    std::remove(pad.c_str());
}

ordered_json Vocht(int klasse, const char* dakbedekking, const char* sd, bool opRapport) {
    return {{"klimaatklasse", klasse},
            {"dakbedekking", dakbedekking},
            {"sdDakbedekking", sd},
            {"opRapport", opRapport}};
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, Vochtinvoer,
    testing::Values(
        TVochtgeval{"Zonder", nullptr, nullptr},
        TVochtgeval{"Alle", Vocht(1, "Anders", "1234,5", true), Vocht(1, "Anders", "1234,5", true)},
        TVochtgeval{"OntbrekendeSleutels",
                    {{"dakbedekking", "Kunststof (EPDM)"}},
                    Vocht(3, "Kunststof (EPDM)", "400,0", false)},
        TVochtgeval{"AllesBeginwaarde", Vocht(3, "Bitumineus, 2 lagen", "400,0", false), nullptr},
        TVochtgeval{"OnbekendeSleutel",
                    {{"klimaatklasse", 5}, {"later", {{"x", {1}}}}},
                    [] {
                        ordered_json v = Vocht(5, "Bitumineus, 2 lagen", "400,0", false);
                        v["later"] = {{"x", {1}}};
                        return v;
                    }()},
        TVochtgeval{"AlleenOnbekend", {{"later", 1}}, {{"later", 1}}}),
    [](const auto& info) { return info.param.Naam; });

TEST(Berekeningsbestand, SaysWhenTheRecalculationDiffers) {
    TOpgestart vers;
    ordered_json o = Geldig();
    const std::string rc = o["resultaten"]["plat"]["rc"];
    o["resultaten"]["plat"]["rc"] = "9,99";
    o["resultaten"]["afschot"]["u"] = "0,01";
    const std::string u2 = Geldig()["resultaten"]["afschot"]["u"];
    const TOpening opening =
        OpenBerekening(LeesBerekening(o.dump(), "oud.rcv"), *vers.model, "oud.rcv");
    EXPECT_EQ(opening.Afwijking, "De berekening is opnieuw uitgevoerd; de uitkomst wijkt af van de "
                                 "opgeslagen berekening: Rc was 9,99, is nu " +
                                     rc + "; U (afschot) was 0,01, is nu " + u2 + ".");
    EXPECT_EQ(vers.rc().EditRc.Tekst, rc);
}

TEST(Berekeningsbestand, WritesItsKeysInTheirOrder) {
    const ordered_json o = Geldig();
    std::vector<std::string> sleutels;
    for (const auto& [sleutel, waarde] : o.items()) {
        sleutels.push_back(sleutel);
    }
    EXPECT_EQ(sleutels,
              (std::vector<std::string>{"formaat", "versie", "programma", "opgeslagen", "project",
                                        "methode", "plat", "afschot", "resultaten"}));
    sleutels.clear();
    for (const auto& [sleutel, waarde] : o["project"].items()) {
        sleutels.push_back(sleutel);
    }
    EXPECT_EQ(sleutels,
              (std::vector<std::string>{"naam", "nummer", "adres", "postcodePlaats",
                                        "opdrachtgever", "opgesteldDoor", "datum", "opmerking"}));
    EXPECT_EQ(o["opgeslagen"], "1970-01-01T00:00:00Z");
    EXPECT_EQ(o["plat"]["dikte"], "200");
    EXPECT_EQ(o["plat"]["wensRc"], "3,50");
}

// The method comes back before the inputs, over whatever the opening screens
// had chosen; a file without it (version 1 as first written) is NEN 1068.
TEST(Berekeningsbestand, CarriesTheMethod) {
    const struct {
        TMethode bron;
        bool sleutelWeg;
        TMethode doelVooraf;
    } gevallen[] = {{TMethode::Iso6946, false, TMethode::Nen1068},
                    {TMethode::Nen1068, false, TMethode::Iso6946},
                    {TMethode::Nen1068, true, TMethode::Iso6946}};
    for (const auto& g : gevallen) {
        TBewerkt bron;
        bron.model->KiesMethode(g.bron);
        Zet(bron.rc().EditAantal, 9);
        Typ(bron.afschot().oppvl2, "2,5");
        Verlaat(bron.afschot().oppvl2);
        ordered_json o =
            ordered_json::parse(AlsBestandstekst(Vastleggen(*bron.model, {}, "", "", 0)));
        EXPECT_EQ(o["methode"], g.bron == TMethode::Iso6946 ? "iso6946" : "nen1068");
        if (g.sleutelWeg) {
            o.erase("methode");
        }
        const auto gelezen = LeesBerekening(o.dump(2), "methode.rcv");
        TOpgestart doel;
        doel.model->KiesMethode(g.doelVooraf);
        const TOpening opening = OpenBerekening(gelezen, *doel.model, "methode.rcv");
        EXPECT_EQ(doel.model->Gedeeld.Methode, g.bron);
        EXPECT_EQ(AlleVelden(*doel.model), AlleVelden(*bron.model));
        EXPECT_EQ(opening.Afwijking, "");
        EXPECT_EQ(doel.afschot().Eis, bron.afschot().Eis);
    }
}

} // namespace
} // namespace rcveltor::test
