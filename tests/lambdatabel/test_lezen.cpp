#include "basis/RcFout.h"
#include "lambdatabel/LambdaSchrijver.h"
#include "lambdatabel/LambdaTabel.h"
#include "lambdatabel/Tekstcodering.h"
#include "tests/lambdatabel/Bytebouwer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace rcveltor;
using namespace testbytes;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const std::string Conversie = "Could not convert variant of type (Null) into type (Double)";

Rec R(std::optional<double> code, std::optional<double> lambda, int status = 0) {
    return Rec{{code, lambda}, status, {}};
}

template <typename F> std::string Melding(F&& f) {
    try {
        f();
    } catch (const RcFout& e) {
        return e.what();
    }
    return "";
}

bool ZelfdeWaarde(const TWaarde& a, const TWaarde& b) {
    if (!a || !b) {
        return a.has_value() == b.has_value();
    }
    return (std::isnan(*a) && std::isnan(*b)) || *a == *b;
}

TWaarde Veldwaarde(const TLambdaTabel& t, std::size_t rij, const char* naam) {
    for (std::size_t v = 0; v < t.Velden().size(); ++v) {
        if (GelijkZonderHoofdletters(t.Velden()[v].Naam, naam)) {
            return t.Rij(rij).Actueel.Waarden.at(v);
        }
    }
    return std::nullopt;
}

struct Paar {
    TWaarde code;
    TWaarde lambda;
};

std::string Toon(const TWaarde& w) {
    return w ? std::to_string(*w) : "null";
}

// The rows in InxCode order as (Code, Lambda) pairs, compared with NaN equal to NaN.
void ControleerIndex(const TLambdaTabel& t, const std::vector<Paar>& verwacht) {
    ASSERT_EQ(t.AantalRijen(), verwacht.size());
    ASSERT_EQ(t.InxCode().size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        const std::size_t rij = t.InxCode()[i];
        const TWaarde code = Veldwaarde(t, rij, "Code");
        const TWaarde lambda = Veldwaarde(t, rij, "Lambda");
        EXPECT_TRUE(ZelfdeWaarde(code, verwacht[i].code))
            << "position " << i << ": code " << Toon(code) << ", expected "
            << Toon(verwacht[i].code);
        EXPECT_TRUE(ZelfdeWaarde(lambda, verwacht[i].lambda))
            << "position " << i << ": lambda " << Toon(lambda) << ", expected "
            << Toon(verwacht[i].lambda);
    }
}

// ---------------------------------------------------------------------------
// Loading: what the table holds afterwards, for good and for broken files.

struct LaadGeval {
    std::string naam;
    Bytes bestand;
    std::string fout; // empty: the load succeeds
    std::vector<Paar> inx;
    TWaarde eersteLambda; // what a miss returns right after loading; null: it fails
    // The message of that failure. A failure inside the field list leaves the
    // fields read so far, so the lookup may miss a field rather than a row.
    std::string missFout = Conversie;
};

void PrintTo(const LaadGeval& g, std::ostream* os) {
    *os << g.naam;
}

Bytes IntegerCodes() {
    B b = Kop(251);
    b.Begin().I8(0).F().I8(-5).F().Ext(0.5).Eind();
    b.Begin().I8(0).F().I16(1231).F().Ext(0.25).Eind();
    b.Begin().I8(0).F().I32(70000).F().Ext(0.125).Eind();
    b.Begin().I8(0).F().I64(9611).F().I8(2).Eind();
    return b.Eind().uit;
}

Bytes LegeIndexlijst() {
    B b;
    b.Sig().I16(251).Begin();
    Veld(b, 251, "Code");
    Veld(b, 251, "Lambda");
    b.Eind().Begin().Eind().Begin();
    Record(b, 251, R(7, 0.7));
    return b.Eind().uit;
}

Bytes AndereTekstTags() {
    B b;
    b.Sig().I16(251).Begin();
    b.L("Code").U8("Float").I8(0).W(u"Code").S("").I8(10).F().F().S("Data").S("");
    b.W(u"Lambda").W(u"Float").I8(0).U8("Lambda").L("").I8(10).F().F().W(u"Data").U8("");
    b.Eind().Begin().Eind().Begin();
    Record(b, 251, R(1111, 0.04));
    return b.Eind().uit;
}

Bytes Afgekapt(Bytes b, std::size_t eraf) {
    b.resize(b.size() - eraf);
    return b;
}

Bytes Met(Bytes b, std::initializer_list<int> meer) {
    for (const int m : meer) {
        b.push_back(static_cast<unsigned char>(m));
    }
    return b;
}

const std::vector<Rec> Drie = {R(1231, 0.5), R(1111, 0.25), R(2231, 0.75)};
const std::vector<Paar> DrieGeordend = {{1111, 0.25}, {1231, 0.5}, {2231, 0.75}};

std::vector<LaadGeval> LaadGevallen() {
    const std::size_t recordBytes251 = 1 + 3 + 2 * 12 + 1; // begin, status, 2 x (flag + value), end
    return {
        {"versie251", Tabel(251, Drie), "", DrieGeordend, 0.5},
        {"versie250", Tabel(250, Drie), "", DrieGeordend, 0.5},
        {"versie249", Tabel(249, Drie), "", DrieGeordend, 0.5},
        {"versie248", Tabel(248, Drie), "", DrieGeordend, 0.5},
        {"versie229", Tabel(229, Drie), "", DrieGeordend, 0.5},
        {"versie199", Tabel(199, Drie), "", DrieGeordend, 0.5},
        {"versie100ZonderVersie", Tabel(100, Drie), "", DrieGeordend, 0.5},
        {"legeVeldlijstHoudtCodeEnLambda", Tabel(251, Drie, {}), "", DrieGeordend, 0.5},
        {"veldenOmgekeerd",
         Tabel(251, {R(0.5, 1231), R(0.25, 1111)}, {"Lambda", "Code"}),
         "",
         {{1111, 0.25}, {1231, 0.5}},
         0.5},
        {"veldnamenZonderHoofdletters", Tabel(251, Drie, {"CODE", "lambda"}), "", DrieGeordend,
         0.5},
        {"extraVeldTussenin",
         Tabel(251, {Rec{{1231, 9, 0.5}, 0, {}}, Rec{{1111, 8, 0.25}, 0, {}}},
               {"Code", "Dikte", "Lambda"}),
         "",
         {{1111, 0.25}, {1231, 0.5}},
         0.5},
        {"status3IsGeenRij",
         Tabel(251, {R(1111, 0.1, 3), R(1231, 0.5, 1), R(2231, 0.75, 2)}),
         "",
         {{1231, 0.5}, {2231, 0.75}},
         0.5},
        {"status259IsAchtBitsVerwijderd",
         Tabel(251, {R(1111, 0.1, 259), R(1231, 0.5)}),
         "",
         {{1231, 0.5}},
         0.5},
        {"oudereVersiesGeenRijen",
         Tabel(251, {Rec{{1231, 0.5}, 0, {R(1111, 0.9, 1), R(2222, 0.8, 3)}}}),
         "",
         {{1231, 0.5}},
         0.5},
        {"nullCodesVoorop",
         Tabel(251, {R(1231, 0.5), R(std::nullopt, 0.1), R(1111, 0.25), R(std::nullopt, 0.2)}),
         "",
         {{std::nullopt, 0.1}, {std::nullopt, 0.2}, {1111, 0.25}, {1231, 0.5}},
         0.5},
        {"nanCodesNaNullen",
         Tabel(251, {R(NaN, 0.3), R(1111, 0.25), R(std::nullopt, 0.1), R(NaN, 0.4)}),
         "",
         {{std::nullopt, 0.1}, {NaN, 0.3}, {NaN, 0.4}, {1111, 0.25}},
         0.3},
        {"gelijkeCodesInBestandsvolgorde",
         Tabel(251, {R(2, 0.1), R(1, 0.2), R(2, 0.3), R(1, 0.4), R(-0.0, 0.5), R(0.0, 0.6)}),
         "",
         {{-0.0, 0.5}, {0.0, 0.6}, {1, 0.2}, {1, 0.4}, {2, 0.1}, {2, 0.3}},
         0.1},
        {"integerTags",
         IntegerCodes(),
         "",
         {{-5, 0.5}, {1231, 0.25}, {9611, 2}, {70000, 0.125}},
         0.5},
        {"tekstTags12_18_20", AndereTekstTags(), "", {{1111, 0.04}}, 0.04},
        {"legeIndexlijst", LegeIndexlijst(), "", {{7, 0.7}}, 0.7},
        {"nullLambda",
         Tabel(251, {R(1111, std::nullopt)}),
         "",
         {{1111, std::nullopt}},
         std::nullopt},
        {"geenRecords", Tabel(251, {}), "", {}, std::nullopt},
        {"bytesNaRecordlijstGenegeerd", Met(Tabel(251, Drie), {7, 7, 0xFF}), "", DrieGeordend, 0.5},

        // Failures: the message, and the records read completely before it.
        {"leegBestand", {}, "Stream read error", {}, std::nullopt},
        {"halveSignatuur", B().Ruw({'T', 'P', 'F'}).uit, "Stream read error", {}, std::nullopt},
        {"alleenSignatuur", B().Sig().uit, "Stream read error", {}, std::nullopt},
        {"verkeerdeSignatuur",
         B().Ruw({'T', 'P', 'F', '1'}).I16(251).uit,
         "Invalid stream format",
         {},
         std::nullopt},
        {"versieMetFloatTag", B().Sig().Ext(251).uit, "Invalid property value", {}, std::nullopt},
        {"geenBeginVeldlijst",
         B().Sig().I16(251).S("Code").uit,
         "Invalid property value",
         {},
         std::nullopt},
        {"onbekendVeldtype",
         Veld(B().Sig().I16(251).Begin(), 251, "Code", "Integer").uit,
         "Unknown field type (Integer)",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"veldtypeHoofdlettergevoelig",
         Veld(B().Sig().I16(251).Begin(), 251, "Code", "float").uit,
         "Unknown field type (float)",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"veldgrootteNietNul",
         Veld(B().Sig().I16(251).Begin(), 251, "Code", "Float", 8).uit,
         "Invalid field size",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"veldnaamMetIntegerTag",
         B().Sig().I16(251).Begin().I8(4).uit,
         "Invalid property value",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"veldgrootteMetTekstTag",
         B().Sig().I16(251).Begin().S("Code").S("Float").S("0").uit,
         "Invalid property value",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"tekstlengteVoorbijEinde",
         B().Sig().I16(251).Begin().Ruw({12, 0xFF, 0xFF, 0xFF, 0xFF}).uit,
         "Stream read error",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"wideTekstVoorbijEinde",
         B().Sig().I16(251).Begin().Ruw({18, 0, 0, 0, 0x80, 'C', 0}).uit,
         "Stream read error",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Code' not found"},
        {"afgebrokenInVelddefinities",
         Afgekapt(Kop(251).uit, 40),
         "Stream read error",
         {},
         std::nullopt,
         "LambdaTabel: Field 'Lambda' not found"},
        {"afgebrokenInIndexlijst",
         B().Sig().I16(251).Begin().Eind().Begin().S("InxCode").uit,
         "Stream read error",
         {},
         std::nullopt},
        {"afgebrokenInRecord",
         Afgekapt(Tabel(251, Drie), 1 + recordBytes251 / 2),
         "Stream read error",
         {{1111, 0.25}, {1231, 0.5}},
         0.5},
        {"afgebrokenVoorEindeRecordlijst", Afgekapt(Tabel(251, Drie), 1), "Stream read error",
         DrieGeordend, 0.5},
        {"afgebrokenVersie100",
         Afgekapt(Tabel(100, Drie), 1 + 12),
         "Stream read error",
         {{1111, 0.25}, {1231, 0.5}},
         0.5},
        {"afgebrokenInOudereVersie",
         Afgekapt(Tabel(251, {R(1231, 0.5), Rec{{1111, 0.25}, 0, {R(1, 1, 1)}}}), 1 + 1 + 12),
         "Stream read error",
         {{1231, 0.5}},
         0.5},
        {"waardeMetTekstTag",
         B(Kop(251))
             .Plus(B().Begin().I8(0).F().Ext(5).F().Ext(0.5).Eind().uit)
             .Begin()
             .I8(0)
             .F()
             .S("1231")
             .uit,
         "Invalid property value",
         {{5, 0.5}},
         0.5},
        {"recordZonderBeginLijst",
         B(Kop(251)).Ruw({2, 0}).uit,
         "Invalid property value",
         {},
         std::nullopt},
        {"oudereVersieZonderStatus",
         B(Kop(251)).Begin().I8(0).F().Ext(5).F().Ext(0.5).Ruw({6}).uit,
         "Invalid property value",
         {},
         std::nullopt},
    };
}

class Laden : public testing::TestWithParam<LaadGeval> {};

TEST_P(Laden, HoudtDeVerwachteRijen) {
    const auto& g = GetParam();
    TLambdaTabel t;
    EXPECT_EQ(Melding([&] { t.LadenUitBuffer(g.bestand); }), g.fout);
    ControleerIndex(t, g.inx);
    if (g.inx.empty()) {
        EXPECT_FALSE(t.HuidigeRij().has_value());
    } else {
        EXPECT_EQ(t.HuidigeRij(), std::optional<std::size_t>(0));
    }
    // NaN never matches, so this reads the current row without moving it.
    if (g.eersteLambda) {
        EXPECT_EQ(t.ZoekLambda(NaN), *g.eersteLambda);
    } else {
        EXPECT_EQ(Melding([&] { t.ZoekLambda(NaN); }), g.missFout);
    }
}

INSTANTIATE_TEST_SUITE_P(LambdaTabel, Laden, testing::ValuesIn(LaadGevallen()),
                         [](const auto& info) { return info.param.naam; });

// ---------------------------------------------------------------------------
// Lookups: a sequence of keys against one file, each with its result.

struct Stap {
    double sleutel;
    TWaarde lambda;        // expected result when no message is expected
    std::string fout = {}; // expected message
};

struct ZoekGeval {
    std::string naam;
    Bytes bestand;
    std::vector<Stap> stappen;
};

// File order: 1231 first although 1111 is the smallest code.
const Bytes Gemengd = Tabel(251, {
                                     R(1231, 0.031),
                                     R(1111, 0.011),
                                     R(2231, 0.231),
                                     R(1111, 0.999),
                                     R(1311, 0.311, 3),
                                     Rec{{1411, 0.411}, 0, {R(1511, 0.511, 1)}},
                                     R(std::nullopt, 0.777),
                                     R(NaN, 0.888),
                                 });

Bytes VeleDubbele() {
    std::vector<Rec> r;
    for (int i = 0; i < 1000; ++i) {
        r.push_back(R(i % 7, i));
    }
    return Tabel(251, r);
}

std::vector<ZoekGeval> ZoekGevallen() {
    const std::string geenCode = "LambdaTabel: Field 'Code' not found";
    const std::string geenLambda = "LambdaTabel: Field 'Lambda' not found";
    return {
        {"trefferWordtHuidigeRij", Gemengd, {{2231, 0.231}, {5000, 0.231}}},
        {"misserVoorTrefferGeeftEersteBestandsrij", Gemengd, {{5000, 0.031}, {1111, 0.011}}},
        {"misserTussenOnderBovenEnFractie",
         Gemengd,
         {{2231, 0.231},
          {1200, 0.231},
          {1000, 0.231},
          {9999, 0.231},
          {1231.5, 0.231},
          {1111.0000000000002, 0.231},
          {NaN, 0.231}}},
        {"misserNaTrefferVanAnderScherm", Gemengd, {{2231, 0.231}, {1231, 0.031}, {7777, 0.031}}},
        {"dubbeleCodeEersteUitBestand", Gemengd, {{1111, 0.011}}},
        {"status3NooitGevonden", Gemengd, {{1311, 0.031}}},
        {"oudereVersieNooitGevonden", Gemengd, {{1511, 0.031}, {1411, 0.411}}},
        {"integerTagsGelijkAanFloat", IntegerCodes(), {{9611, 2}, {70000, 0.125}, {-5, 0.5}}},
        {"minNulGelijkAanNul",
         Tabel(251, {R(3, 0.3), R(-0.0, 0.1), R(0.0, 0.2)}),
         {{0.0, 0.1}, {3, 0.3}, {-0.0, 0.1}}},
        {"binairZoekenVindtEersteVanVele", VeleDubbele(), {{3, 3}, {6, 6}, {0, 0}, {7, 0}}},
        {"geenRijen", Tabel(251, {}), {{1111, std::nullopt, Conversie}}},
        {"gevondenNullLambda",
         Tabel(251, {R(1111, 0.5), R(2222, std::nullopt)}),
         {{1111, 0.5}, {2222, std::nullopt, Conversie}, {9999, std::nullopt, Conversie}}},
        {"veldCodeOntbreekt",
         Tabel(251, {R(1, 2)}, {"Sleutel", "Lambda"}),
         {{1, std::nullopt, geenCode}}},
        {"veldLambdaOntbreekt",
         Tabel(251, {R(1, 2)}, {"Code", "Waarde"}),
         {{1, std::nullopt, geenLambda}}},
        {"beideVeldenOntbrekenCodeEerst",
         Tabel(251, {R(1, 2)}, {"A", "B"}),
         {{1, std::nullopt, geenCode}}},
        {"veldOntbreektZonderRijen",
         Tabel(251, {}, {"Code", "Waarde"}),
         {{1, std::nullopt, geenLambda}}},
    };
}

void PrintTo(const ZoekGeval& g, std::ostream* os) {
    *os << g.naam;
}

class ZoekLambda : public testing::TestWithParam<ZoekGeval> {};

TEST_P(ZoekLambda, GeeftDeLambdaVanDeHuidigeRij) {
    const auto& g = GetParam();
    TLambdaTabel t;
    t.LadenUitBuffer(g.bestand);
    for (const auto& stap : g.stappen) {
        SCOPED_TRACE("key " + std::to_string(stap.sleutel));
        if (stap.fout.empty()) {
            EXPECT_EQ(t.ZoekLambda(stap.sleutel), stap.lambda.value());
        } else {
            EXPECT_EQ(Melding([&] { t.ZoekLambda(stap.sleutel); }), stap.fout);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LambdaTabel, ZoekLambda, testing::ValuesIn(ZoekGevallen()),
                         [](const auto& info) { return info.param.naam; });

// ---------------------------------------------------------------------------
// Definitions: what the file's lists leave in the table.

struct DefinitieGeval {
    std::string naam;
    Bytes bestand;
    std::vector<std::string> veldnamen;
    TVeldSoort soortLaatste;
    std::string standaardLaatste;
    std::vector<std::string> indexnamen;
};

Bytes MetSoortEnStandaard(int versie, const char* soort) {
    B b;
    b.Sig().I16(versie).Begin();
    b.S("Code").S("Float").I8(0).S("Code").S("").I8(10).F().F();
    if (versie >= 250) {
        b.S(soort);
    }
    if (versie >= 251) {
        b.S("Code * 2");
    }
    b.Eind();
    if (versie >= 200) {
        b.Begin().S("Eerste").S("Code").S("Weergave").T().F().T().F().Eind();
    }
    return b.Begin().Eind().uit;
}

std::vector<DefinitieGeval> DefinitieGevallen() {
    return {
        {"standaardZonderLijst",
         Tabel(251, {}, {}),
         {"Code", "Lambda"},
         TVeldSoort::Data,
         "",
         {"InxCode"}},
        {"soortEnStandaardexpressie",
         MetSoortEnStandaard(251, "Lookup"),
         {"Code"},
         TVeldSoort::Lookup,
         "Code * 2",
         {"Weergave"}},
        {"onbekendeSoortIsData",
         MetSoortEnStandaard(251, "Iets"),
         {"Code"},
         TVeldSoort::Data,
         "Code * 2",
         {"Weergave"}},
        {"versie250ZonderStandaard",
         MetSoortEnStandaard(250, "Aggregate"),
         {"Code"},
         TVeldSoort::Aggregate,
         "",
         {"Weergave"}},
        {"versie249ZonderSoort",
         MetSoortEnStandaard(249, "Lookup"),
         {"Code"},
         TVeldSoort::Data,
         "",
         {"Weergave"}},
        {"versie199ZonderIndexlijst",
         MetSoortEnStandaard(199, "Lookup"),
         {"Code"},
         TVeldSoort::Data,
         "",
         {"InxCode"}},
        {"tekstTags", AndereTekstTags(), {"Code", "Lambda"}, TVeldSoort::Data, "", {"InxCode"}},
        // The fields read before the failure stay; the rest of the list is lost.
        {"mislukteVeldlijst",
         Veld(Veld(B().Sig().I16(251).Begin(), 251, "Code"), 251, "Lambda", "Blob").uit,
         {"Code"},
         TVeldSoort::Data,
         "",
         {"InxCode"}},
    };
}

void PrintTo(const DefinitieGeval& g, std::ostream* os) {
    *os << g.naam;
}

class Definities : public testing::TestWithParam<DefinitieGeval> {};

TEST_P(Definities, WordenBewaard) {
    const auto& g = GetParam();
    TLambdaTabel t;
    Melding([&] { t.LadenUitBuffer(g.bestand); });
    std::vector<std::string> namen;
    for (const auto& v : t.Velden()) {
        namen.push_back(v.Naam);
        EXPECT_EQ(v.Type, "Float");
    }
    EXPECT_EQ(namen, g.veldnamen);
    EXPECT_EQ(t.Velden().back().Soort, g.soortLaatste);
    EXPECT_EQ(t.Velden().back().Standaardexpressie, g.standaardLaatste);
    std::vector<std::string> indexen;
    for (const auto& i : t.Indexen()) {
        indexen.push_back(i.Naam);
    }
    EXPECT_EQ(indexen, g.indexnamen);
}

INSTANTIATE_TEST_SUITE_P(LambdaTabel, Definities, testing::ValuesIn(DefinitieGevallen()),
                         [](const auto& info) { return info.param.naam; });

TEST(LambdaTabelOpslag, BewaartVerwijderdeEnOudereVersies) {
    TLambdaTabel t;
    t.LadenUitBuffer(Tabel(251, {R(1, 0.1, 3), Rec{{2, 0.2}, 1, {R(3, 0.3, 2), R(4, 0.4, 0)}}}));
    ASSERT_EQ(t.AantalVerwijderd(), 1u);
    EXPECT_EQ(t.Verwijderd()[0].Actueel.Waarden[0], 1.0);
    ASSERT_EQ(t.AantalRijen(), 1u);
    const auto& rij = t.Rij(0);
    EXPECT_EQ(rij.Actueel.Status, 1);
    ASSERT_EQ(rij.OudereVersies.size(), 2u);
    EXPECT_EQ(rij.OudereVersies[0].Status, 2);
    EXPECT_EQ(rij.OudereVersies[1].Waarden[1], 0.4);
    EXPECT_FALSE(t.BevatCode(3));
    EXPECT_EQ(t.Versie(), 251);
}

// ---------------------------------------------------------------------------
// Laden from a file: the path in the message and the system's text.

struct BestandGeval {
    std::string naam;
    std::string pad;      // relative to a fresh temporary folder
    std::string verwacht; // message, with %s standing for the folder
};

void PrintTo(const BestandGeval& g, std::ostream* os) {
    *os << g.naam;
}

class LadenUitBestand : public testing::TestWithParam<BestandGeval> {};

TEST_P(LadenUitBestand, MeldtHetVolledigePad) {
    namespace fs = std::filesystem;
    const auto& g = GetParam();
    const fs::path map = fs::temp_directory_path() / ("rcv_lezen_" + g.naam);
    fs::remove_all(map);
    fs::create_directories(map / "sub");
    const std::vector<TLambdaRegel> regels = {{1111, 0.044}};
    SchrijfLambdaBestand((map / "goed.bin").string(), regels);
    // Sparse: costs no disk, and the reader must not read it to find out.
    fs::copy_file(map / "goed.bin", map / "groot.bin");
    fs::resize_file(map / "groot.bin", TLambdaTabel::MaxBestandsgrootte + 1);

    const fs::path oud = fs::current_path();
    fs::current_path(map);
    TLambdaTabel t;
    const std::string melding = Melding([&] { t.Laden(g.pad); });
    fs::current_path(oud);

    std::string verwacht = g.verwacht;
    if (const auto p = verwacht.find("%s"); p != std::string::npos) {
        verwacht.replace(p, 2, fs::canonical(map).string());
#ifdef _WIN32
        // The message names the file in the system's own form.
        std::replace(verwacht.begin(), verwacht.end(), '/', '\\');
#endif
    }
    fs::remove_all(map);
    EXPECT_EQ(melding, verwacht);
    EXPECT_EQ(t.AantalRijen(), verwacht.empty() ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    LambdaTabel, LadenUitBestand,
    testing::Values(BestandGeval{"goed", "goed.bin", ""},
                    BestandGeval{"ontbreekt", "lambda.bin",
                                 "Cannot open file \"%s/lambda.bin\". Niet gevonden"},
                    BestandGeval{"ontbreektMetPuntPunt", "sub/../weg.bin",
                                 "Cannot open file \"%s/weg.bin\". Niet gevonden"},
                    BestandGeval{"isMap", "sub", "Cannot open file \"%s/sub\". Het is een map"},
                    BestandGeval{"groterDanDeGrens", "groot.bin", "Stream read error"}),
    [](const auto& info) { return info.param.naam; });

#ifndef _WIN32 // measured through a child process of its own
// A table of short real rows costs a small multiple of its file, also at its
// peak: it once took thirteen times. Each step in a child of its own, so the
// peak measured is the load's alone.
TEST(LambdaTabelGeheugen, BlijftEenKleinVeelvoudVanHetBestand) {
#if defined(__SANITIZE_ADDRESS__) || defined(RCV_MET_ASAN)
    GTEST_SKIP() << "the sanitizer's allocator changes what is measured";
#endif
    namespace fs = std::filesystem;
    const fs::path pad = fs::temp_directory_path() / "rcv_lezen_geheugen.bin";
    const auto inKind = [](auto&& stap) {
        const pid_t kind = fork();
        if (kind == 0) {
            _exit(stap());
        }
        int status = 0;
        waitpid(kind, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(inKind([&pad] {
                  std::vector<TLambdaRegel> regels(600000);
                  for (std::size_t i = 0; i < regels.size(); ++i) {
                      regels[i] = {static_cast<double>(i), 0.001 * static_cast<double>(i)};
                  }
                  SchrijfLambdaBestand(pad.string(), regels);
                  return 0;
              }),
              0);
    const auto grootte = static_cast<long>(fs::file_size(pad));
    const int veelvoud = inKind([&pad, grootte] {
        rusage voor{};
        getrusage(RUSAGE_SELF, &voor);
        TLambdaTabel t;
        t.Laden(pad.string());
        rusage na{};
        getrusage(RUSAGE_SELF, &na);
        if (t.AantalRijen() != 600000) {
            return 255;
        }
        // ru_maxrss is in kilobytes; rounded up.
        return static_cast<int>(((na.ru_maxrss - voor.ru_maxrss) * 1024 + grootte - 1) / grootte);
    });
    fs::remove(pad);
    EXPECT_LE(veelvoud, 7) << grootte << " bytes";
}
#endif

} // namespace
