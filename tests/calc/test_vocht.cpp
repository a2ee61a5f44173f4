// The moisture check: the month method on hand-computed roofs, its formulas,
// and the reader of its data files.

#include "basis/RcFout.h"
#include "calc/Producten.h"
#include "calc/Vochtcontrole.h"
#include "calc/Vochtgegevens.h"
#include "calc/Vochtopbouw.h"
#include "tests/calc/Opstart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace rcveltor;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Inhoud(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TKlimaat DeBilt() {
    return KlimaatUitTekst(Inhoud(RCV_BRON_DATA "/klimaat.ini"), "klimaat.ini");
}

TKlimaat Constant(double theta, double phi) {
    TKlimaat k;
    k.ThetaE.fill(theta);
    k.PhiE.fill(phi);
    return k;
}

// 140 mm concrete (R 0,097222, a round test value; μ 80: sd 11,2),
// 100 mm EPS (λ 0,039: R 2,564103; μ 60: sd 6).
constexpr TVochtLaag kBeton{0.14, 0.14 * 1.25 / 1.8, 11.2};
constexpr TVochtLaag kGeen{0, 0, 0};
constexpr TVochtLaag kFolie{0.0001, 0.0001 / 200, 1500};
constexpr TVochtLaag kEps{0.10, 0.10 / 0.039, 6.0};
constexpr TVochtLaag kBitumen{0.01, 0.06, 400};
constexpr TVochtLaag kPvc{0.0015, 0.06, 20};

// What a roof gives: a result or an error.
struct TVerwacht {
    const char* Fout = nullptr; // part of the RcFout's message; nullptr: a result
    TVochtOordeel Oordeel{};
    int Beginmaand = 0;        // 0: none
    double MaxCondensaat = 0;  // [g/m²]
    double EindCondensaat = 0; // held after the twelfth month [g/m²]
    double GcJanuari = 0;      // condensed in January [g/m²]
    double MinSd = 0;          // least vapour retarder [m]
    bool MeerDan5000 = false;
};

TVerwacht Uitkomst(TVochtOordeel oordeel, int begin, double max, double eind, double januari,
                   double minSd, bool meer = false) {
    return {nullptr, oordeel, begin, max, eind, januari, minSd, meer};
}

TVerwacht Fout(const char* melding) {
    return {melding};
}

TVochtLaag Laag(double dikte, double r, double sd) {
    return {dikte, r, sd};
}

std::array<TVochtLaag, kVochtLagen> Dak(TVochtLaag onder, TVochtLaag damprem, TVochtLaag plaat,
                                        TVochtLaag dakbedekking) {
    return {onder, damprem, plaat, dakbedekking};
}

struct TGeval {
    const char* Naam;
    std::array<TVochtLaag, kVochtLagen> Lagen;
    int Klasse;
    TKlimaat Klimaat;
    TVerwacht Verwacht;
};

// Worked out by hand (and checked with a short script of the same steps):
//
// Bitumen on concrete, no vapour retarder, class 3, De Bilt. Rtot = 0,10 + 0,097222 + 2,564103
// + 0,06 + 0,04 = 2,861325. January: θe 3,6, pe = 0,87 · psat(3,6) = 0,87 · 790,25 = 687,51;
// Δp = 810 · 16,4 / 20 = 664,2, pi = 687,51 + 1,1 · 664,2 = 1418,13. Under the covering
// θ = 3,6 + 16,4 · 0,10 / 2,861325 = 4,1732, psat 822,81, at sd 17,2 of 417,2. The straight
// line there is 1418,13 − 730,62 · 17,2 / 417,2 = 1388,0 > 822,81: it condenses; above the
// concrete (θ 18,87, psat 2178) it does not. gc = 2e-10 · ((1418,13 − 822,81) / 17,2 −
// (822,81 − 687,51) / 400) · 31 · 86400 · 1000 = 2e-10 · (34,612 − 0,338) · 2,6784e9 = 18,36.
// September condenses not, October does (5,37): start 10. Month by month Ma: 5,37 18,37 36,29
// 54,65 69,93 81,02 83,52 (April, the largest) 77,95 66,93 51,28 37,91 34,41: it accumulates.
// The least retarder found by bisection: 120,2 m (120,1 m still accumulates).
//
// Aluminium foil (sd 1500) under bitumen, class 2: December, the worst month, pe = 0,89 ·
// 824,4 = 733,7, pi = 733,7 + 1,1 · 540 · 15,8 / 20 = 1202,9; under the covering θ 4,752, psat
// 856,9; the line at sd 1517,2 of 1917,2: 1202,9 − 469,2 · 1517,2 / 1917,2 = 831,6 < 856,9:
// no month condenses.
//
// PVC (sd 20) on concrete, no retarder, class 3: January as above but with S = 37,2: gc =
// 2e-10 · ((1418,13 − 822,81) / 17,2 − (822,81 − 687,51) / 20) · 2,6784e9 = 14,92; condensing
// from November to March (largest 55,86 after March), from April on it dries out (−6,27 −17,11
// −23,63 −29,76): empty in July.
//
// A constant cold year (θe 0, φe 90 %), bitumen on concrete, class 3: pe = 0,9 · 610,5 =
// 549,45, pi = 549,45 + 1,1 · 810 = 1440,45, under the covering θ = 20 · 0,10 / 2,861325 =
// 0,699, psat 642,26. gc = 2e-10 · ((1440,45 − 642,26) / 17,2 − (642,26 − 549,45) / 400) ·
// 86400 · 1000 = 0,79789 per day: January 24,73, the year 365 · 0,79789 = 291,23. Every month
// condenses: start October; it never dries, so the largest is the end. Least retarder 3422,9 m.
//
// A covering of sd 10^6 (class 5) keeps all that comes in: not even 5000 m is enough.
// A roof of nothing (every value 0) has no vapour resistance: nothing condenses.
TEST(Vochtcontrole, HandberekendeDaken) {
    // Built here: the climate file is read once the test runs.
    using enum TVochtOordeel;
    const TGeval gevallen[] = {
        {"bitumen op beton zonder damprem", Dak(kBeton, kGeen, kEps, kBitumen), 3, DeBilt(),
         Uitkomst(HooptOp, 10, 83.52, 34.41, 18.36, 120.2)},
        {"aluminiumfolie", Dak(kBeton, kFolie, kEps, kBitumen), 2, DeBilt(),
         Uitkomst(GeenCondensatie, 0, 0, 0, 0, 0)},
        {"pvc droogt uit", Dak(kBeton, kGeen, kEps, kPvc), 3, DeBilt(),
         Uitkomst(DroogtUit, 11, 55.86, 0, 14.92, 0)},
        {"koud jaar", Dak(kBeton, kGeen, kEps, kBitumen), 3, Constant(0, 90),
         Uitkomst(HooptOp, 10, 291.23, 291.23, 24.73, 3422.9)},
        {"dichte dakbedekking", Dak(kBeton, kGeen, kEps, Laag(0.01, 0.06, 1e6)), 5, DeBilt(),
         Uitkomst(HooptOp, 9, 172.97, 141.92, 33.71, 5000, true)},
        {"alles 0", Dak(kGeen, kGeen, kGeen, kGeen), 3, DeBilt(),
         Uitkomst(GeenCondensatie, 0, 0, 0, 0, 0)},
        {"sd 1e300", Dak(kBeton, kGeen, kEps, Laag(0.01, 0.06, 1e300)), 3, DeBilt(),
         Uitkomst(HooptOp, 10, 85.32, 39.33, 18.54, 5000, true)},
        {"dikte NaN", Dak(kBeton, kGeen, Laag(kNaN, 2.5, 6), kBitumen), 3, DeBilt(),
         Fout("moeten getallen")},
        {"sd oneindig", Dak(kBeton, Laag(0, 0, kInf), kEps, kBitumen), 3, DeBilt(),
         Fout("moeten getallen")},
        {"sd samen oneindig", Dak(kBeton, Laag(0, 0, 1e308), kEps, Laag(0, 0, 1e308)), 3, DeBilt(),
         Fout("samen is te groot")},
        {"klasse 6", Dak(kBeton, kGeen, kEps, kBitumen), 6, DeBilt(), Fout("klimaatklasse")},
        {"klimaat NaN", Dak(kBeton, kGeen, kEps, kBitumen), 3, Constant(kNaN, 80),
         Fout("het klimaat")},
    };
    for (const TGeval& g : gevallen) {
        SCOPED_TRACE(g.Naam);
        TVochtInvoer invoer;
        invoer.Lagen = g.Lagen;
        invoer.Klimaatklasse = g.Klasse;
        invoer.U = 0.3;
        invoer.Klimaat = g.Klimaat;
        const TVerwacht& v = g.Verwacht;
        if (v.Fout != nullptr) {
            try {
                Vochtcontrole(invoer);
                ADD_FAILURE() << "geen fout";
            } catch (const RcFout& f) {
                EXPECT_NE(std::string(f.what()).find(v.Fout), std::string::npos) << f.what();
            }
            continue;
        }
        const TVochtUitkomst u = Vochtcontrole(invoer);
        EXPECT_EQ(u.Oordeel, v.Oordeel);
        EXPECT_EQ(u.Voldoet, v.Oordeel != TVochtOordeel::HooptOp);
        EXPECT_EQ(u.Beginmaand.value_or(0), v.Beginmaand);
        EXPECT_EQ(u.Maanden[0].Maand, v.Beginmaand == 0 ? 1 : v.Beginmaand);
        EXPECT_NEAR(u.MaxCondensaat, v.MaxCondensaat, 0.01);
        EXPECT_NEAR(u.Maanden[11].MaTotaal, v.EindCondensaat, 0.01);
        for (const TVochtMaand& m : u.Maanden) {
            if (m.Maand == 1) {
                EXPECT_NEAR(m.GcTotaal, v.GcJanuari, 0.01);
            }
            for (std::size_t k = 0; k < kVochtVlakken; ++k) {
                EXPECT_GE(m.Ma[k], 0.0);
                // Where condensate forms or is held, the pressure is the saturation pressure.
                if (m.Gc[k] != 0) {
                    EXPECT_DOUBLE_EQ(m.P[k], m.Psat[k]);
                }
            }
        }
        EXPECT_DOUBLE_EQ(u.MinSdDamprem.Sd, v.MinSd);
        EXPECT_EQ(u.MinSdDamprem.MeerDan5000, v.MeerDan5000);
    }
}

TEST(Vochtcontrole, PsatFRsiEnOordelen) {
    // psat(−10) = 610,5 · e^(21,875 · −10 / 255,5) = 610,5 · e^−0,856164 = 259,33;
    // psat(10) = 610,5 · e^(172,69 / 247,3) = 610,5 · e^0,698302 = 1227,31;
    // psat(20) = 610,5 · e^(345,38 / 257,3) = 610,5 · e^1,342324 = 2336,95.
    const std::pair<double, double> psat[] = {
        {-10, 259.33}, {0, 610.5}, {10, 1227.31}, {20, 2336.95}, {-0.0, 610.5}};
    for (const auto& [theta, p] : psat) {
        EXPECT_NEAR(Psat(theta), p, 0.005) << theta;
    }
    // fRsi = 1 − 0,25 · U; at U 1,4 exactly the requirement 0,65.
    const std::tuple<double, double, bool> frsi[] = {
        {0.2, 0.95, true}, {1.4, 0.65, true}, {1.41, 0.6475, false}, {4, 0, false}};
    for (const auto& [u, f, voldoet] : frsi) {
        TVochtInvoer invoer;
        invoer.Lagen = {kBeton, kFolie, kEps, kBitumen};
        invoer.Klimaat = DeBilt();
        invoer.U = u;
        const TVochtUitkomst uit = Vochtcontrole(invoer);
        EXPECT_NEAR(uit.FRsi, f, 1e-12) << u;
        EXPECT_EQ(uit.FRsiVoldoet, voldoet) << u;
    }
    EXPECT_EQ(OordeelTekst(TVochtOordeel::GeenCondensatie), "Geen inwendige condensatie");
    EXPECT_EQ(OordeelTekst(TVochtOordeel::DroogtUit), "Condensatie droogt binnen het jaar uit");
    EXPECT_EQ(OordeelTekst(TVochtOordeel::HooptOp), "Condensatie hoopt zich op");
}

TEST(Vochtgegevens, MeegeleverdeBestandenGevenDeOntwerpwaarden) {
    const TVochtgegevens v = LeesVochtgegevens(RCV_DATA_DIR "/vocht.ini");
    for (const auto& plaat : IsolatieProducten()) {
        EXPECT_EQ(ZoekDampwaarde(v.Isolatie, plaat.Naam).SdBij(0.1), 6.0) << plaat.Naam;
    }
    for (const auto& plaat : AfschotProducten()) {
        EXPECT_EQ(ZoekDampwaarde(v.Isolatie, plaat.Naam).SdBij(0.1), 6.0) << plaat.Naam;
    }
    // μ 333 000 at 0,15 mm: 49,95 m, the sheet table's 50 m rounded.
    EXPECT_DOUBLE_EQ(ZoekDampwaarde(v.Dampremmen, "PE (getaped)").SdBij(0.00015), 49.95);
    EXPECT_EQ(ZoekDampwaarde(v.Dampremmen, "Gebitumineerd Glasvlies").SdBij(0.003), 150);
    EXPECT_EQ(ZoekDampwaarde(v.Dampremmen, "Gebitumineerde polyestermat").SdBij(0.003), 150);
    EXPECT_EQ(ZoekDampwaarde(v.Dampremmen, "Gebitumineerd aluminiumfolie").SdBij(0.0002), 1500);
    EXPECT_EQ(ZoekDampwaarde(v.Dampremmen, "(geen)").SdBij(1), 0);
    EXPECT_EQ(ZoekDampwaarde(v.Onderconstructies, "Betondak").SdBij(0.1), 8);
    EXPECT_EQ(ZoekDampwaarde(v.Onderconstructies, "Cellenbeton").SdBij(0.5), 3);
    EXPECT_EQ(ZoekDampwaarde(v.Onderconstructies, "Houtachtige plaatmaterialen").SdBij(0.1), 7);
    EXPECT_EQ(ZoekDampwaarde(v.Onderconstructies, "Geprofileerd staaldak").SdBij(0.001), 0);
    EXPECT_THROW(ZoekDampwaarde(v.Onderconstructies, "Gips"), RcFout);
    ASSERT_EQ(v.Dakbedekkingen.size(), 4u);
    EXPECT_EQ(v.Dakbedekkingen[0].Naam, "Bitumineus, 2 lagen");
    EXPECT_EQ(v.Dakbedekkingen[0].Sd, 400);
    EXPECT_EQ(v.Dakbedekkingen[1].Naam, "Kunststof (PVC)");
    EXPECT_EQ(v.Dakbedekkingen[1].Sd, 20);
    EXPECT_EQ(v.Dakbedekkingen[2].Naam, "Kunststof (EPDM)");
    EXPECT_EQ(v.Dakbedekkingen[2].Sd, 80);
    EXPECT_EQ(v.Dakbedekkingen[3].Naam, "Anders");
    EXPECT_FALSE(v.Dakbedekkingen[3].Sd.has_value());

    const TKlimaat k = LeesKlimaat(RCV_DATA_DIR "/klimaat.ini");
    EXPECT_EQ(k.ThetaE, (std::array<double, kMaanden>{3.6, 4.0, 6.5, 9.8, 13.4, 16.2, 18.3, 17.9,
                                                      14.7, 10.9, 7.0, 4.2}));
    EXPECT_EQ(k.PhiE,
              (std::array<double, kMaanden>{87, 84, 79, 73, 72, 73, 74, 76, 81, 85, 89, 89}));
}

struct TWeigering {
    const char* Naam;
    bool Klimaat;        // klimaat.ini, else vocht.ini
    const char* Van;     // replaced in the shipped text ("" appends Door)
    const char* Door;    //
    const char* Melding; // part of the message; nullptr: accepted
};

const TWeigering kWeigeringen[] = {
    {"geen =", false, "Ambral = mu 60", "Ambral mu 60", "regel 10: verwacht \"sleutel = waarde\""},
    {"sectie open", false, "[Isolatie]", "[Isolatie", "sectie zonder \"]\""},
    {"geen getal", false, "Ambral = mu 60", "Ambral = mu zestig", "verwacht \"mu <getal>\""},
    {"negatief", false, "Ambral = mu 60", "Ambral = mu -1", "verwacht \"mu <getal>\""},
    {"komma", false, "Ambral = mu 60", "Ambral = mu 6,5", "punt als decimaalteken"},
    {"nan", false, "Ambral = mu 60", "Ambral = mu nan", "verwacht \"mu <getal>\""},
    {"inf", false, "(geen) = sd 0", "(geen) = sd inf", "verwacht \"mu <getal>\""},
    {"te groot", false, "(geen) = sd 0", "(geen) = sd 1e999", "verwacht \"mu <getal>\""},
    {"dubbel", false, "Tovik = mu 60", "Tovik = mu 60\nTovik = mu 61", "staat twee keer"},
    {"plaat ontbreekt", false, "Sorvix = mu 60", "", "geen waarde voor \"Sorvix\" in [Isolatie]"},
    {"dakbedekking met mu", false, "Kunststof (PVC) = sd 20", "Kunststof (PVC) = mu 20",
     "een dakbedekking heeft"},
    {"geen dakbedekking", false, "[Dakbedekking]", "[Oud]", "noemt geen enkele dakbedekking"},
    {"onbekend overgeslagen", false, "", "\n[Verf]\nRood = blauw\n[Isolatie]\nKurk = mu 10\n",
     nullptr},
    {"11 maanden", true, " 4.2\n", "\n", "\"Temperatuur\" verwacht 12 getallen van -50 tot 50"},
    {"13 maanden", true, " 4.2\n", " 4.2 5\n", "verwacht 12 getallen"},
    {"vochtigheid 101", true, "87 84", "101 84", "\"Vochtigheid\" verwacht 12 getallen van 0 tot"},
    {"temperatuur nan", true, "3.6 4.0", "nan 4.0", "verwacht 12 getallen"},
    {"vochtigheid ontbreekt", true, "Vochtigheid =", "Vocht =", "mist \"Vochtigheid\""},
    {"dubbele temperatuur", true, "", "Temperatuur = 0 0 0 0 0 0 0 0 0 0 0 0\n", "staat twee keer"},
    {"onbekende sleutel", true, "", "Plaats = De Bilt\n", nullptr},
};

std::string Vervangen(std::string tekst, const TWeigering& w) {
    if (*w.Van == '\0') {
        return tekst + w.Door;
    }
    const auto plek = tekst.find(w.Van);
    EXPECT_NE(plek, std::string::npos) << w.Van;
    return plek == std::string::npos ? tekst : tekst.replace(plek, std::strlen(w.Van), w.Door);
}

TEST(Vochtgegevens, WeigertWatNietKlopt) {
    const std::string vocht = Inhoud(RCV_BRON_DATA "/vocht.ini");
    const std::string klimaat = Inhoud(RCV_BRON_DATA "/klimaat.ini");
    for (const TWeigering& w : kWeigeringen) {
        SCOPED_TRACE(w.Naam);
        try {
            if (w.Klimaat) {
                KlimaatUitTekst(Vervangen(klimaat, w), "klimaat.ini");
            } else {
                VochtgegevensUitTekst(Vervangen(vocht, w), "vocht.ini");
            }
            EXPECT_EQ(w.Melding, nullptr);
        } catch (const RcFout& f) {
            ASSERT_NE(w.Melding, nullptr) << f.what();
            EXPECT_NE(std::string(f.what()).find(w.Melding), std::string::npos) << f.what();
        }
    }

    // Files that are no data file: a folder, nothing, a pipe, one too large.
    const auto map =
        std::filesystem::temp_directory_path() /
        ("rcv_vocht_" + std::to_string(testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(map);
    std::filesystem::create_directories(map / "map.ini");
    std::ofstream(map / "groot.ini") << std::string(kMaxVochtbestand + 1, ';');
    std::vector<std::pair<std::string, const char*>> bestanden = {
        {"map.ini", "Het is een map"},
        {"weg.ini", "niet lezen"},
        {"groot.ini", "is groter dan 65536 bytes"}};
#ifndef _WIN32
    ASSERT_EQ(mkfifo((map / "pijp.ini").c_str(), 0600), 0);
    bestanden.emplace_back("pijp.ini", "Het is geen gewoon bestand");
#endif
    for (const auto& [naam, melding] : bestanden) {
        for (const bool klimaatBestand : {false, true}) {
            SCOPED_TRACE(naam);
            const std::string pad = (map / naam).string();
            try {
                klimaatBestand ? (void)LeesKlimaat(pad) : (void)LeesVochtgegevens(pad);
                ADD_FAILURE() << "gelezen";
            } catch (const RcFout& f) {
                EXPECT_NE(std::string(f.what()).find(melding), std::string::npos) << f.what();
            }
        }
    }
    std::filesystem::remove_all(map);
}

} // namespace

// Both screens as the check's four layers, through to the shown texts. The
// figures come from an independent calculation of the same method by hand
// (a short script, not this code), with the layers:
//   steel deck 0,75 mm: R 0,0000129, sd 0 · PE 0,2 mm: R 0,001176, sd 66,6
//   Ambral 110 mm: R 2,820513, sd 6,6 · 50 mm (tapered, thinnest point): R 1,282051, sd 3
//   concrete 140 mm (λ 1,8 · 1,25): R 0,062222, sd 11,2 · covering R 0,06
// The start roof under class 1 condenses a little from November and dries
// by April (largest 1,798 g/m²); under class 5 it holds 28,6 g/m² after a
// year (largest 38,277) and needs sd 492,8 m. Concrete without a retarder
// under bitumen: 81,132 g/m² at most, 33,7 left, 122,7 m needed; under PVC
// (sd 20) it dries out by July (largest 53,928); its U 0,34 gives fRsi
// 0,915, shown 0,92. The tapered start at 50 mm:
// U = 1 / 1,483249 = 0,67, fRsi 1 − 0,25 · 0,67 = 0,8325; largest 17,442.
TEST(Vochtcontrole, SchermenAlsVierLagen) {
    using test::Kies;
    using test::TOpgestart;
    const TVochtdata data = LeesVochtdata(RCV_BRON_DATA);
    const auto opBeton = [](TLagenScherm& s) {
        Kies(s.CBonderconstructie, "Betondak");
        s.CBonderconstructieCloseUp();
        Kies(s.CBdamprem, "(geen)");
        s.CBdampremCloseUp();
    };
    const struct {
        const char* Naam;
        bool Afschot;
        int Klasse;
        std::function<void(TLagenScherm&)> Opbouw;
        const char* Dakbedekking;
        const char* Sd; // of the four layers
        const char* FRsi;
        TVochtOordeel Oordeel;
        std::optional<int> Beginmaand;
        const char* Max;
        const char* MinSd;
    } gevallen[] = {
        {"start, klasse 1", false, 1, nullptr, "Bitumineus, 2 lagen", "0,00 66,60 6,60 400,00",
         "0,91", TVochtOordeel::DroogtUit, 11, "1,8", "0,0"},
        {"start, klasse 5", false, 5, nullptr, "Bitumineus, 2 lagen", "0,00 66,60 6,60 400,00",
         "0,91", TVochtOordeel::HooptOp, 10, "38,3", "492,8"},
        {"beton zonder damprem", false, 3, opBeton, "Bitumineus, 2 lagen", "11,20 0,00 6,60 400,00",
         "0,92", TVochtOordeel::HooptOp, 10, "81,1", "122,7"},
        {"beton onder pvc", false, 3, opBeton, "Kunststof (PVC)", "11,20 0,00 6,60 20,00", "0,92",
         TVochtOordeel::DroogtUit, 11, "53,9", "0,0"},
        {"getypte sd als pvc", false, 3, opBeton, "Anders", "11,20 0,00 6,60 20,00", "0,92",
         TVochtOordeel::DroogtUit, 11, "53,9", "0,0"},
        {"afschot, dunste plek", true, 3, nullptr, "Bitumineus, 2 lagen", "0,00 66,60 3,00 400,00",
         "0,83", TVochtOordeel::HooptOp, 10, "17,4", "97,1"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.Naam);
        TOpgestart s;
        TLagenScherm& scherm = g.Afschot ? static_cast<TLagenScherm&>(s.afschot()) : s.rc();
        if (g.Opbouw) {
            g.Opbouw(scherm);
        }
        TVochtVelden& velden = s.model->Vocht;
        velden.Binnenklimaat.ItemIndex = g.Klasse - 1;
        Kies(velden.Dakbedekking, g.Dakbedekking);
        Typ(velden.SdDakbedekking, "20");
        const TVochtBerekening b = BerekenVocht(*s.model, g.Afschot, data);
        const TVochtWeergave w = Weergave(b, data);
        std::string sd;
        for (const TVochtRijtekst& rij : w.Rijen) {
            sd += (sd.empty() ? "" : " ") + rij.Sd;
        }
        EXPECT_EQ(sd, g.Sd);
        EXPECT_EQ(w.FRsi, g.FRsi);
        EXPECT_EQ(w.FRsiEis, "voldoet");
        EXPECT_EQ(b.Uitkomst.Oordeel, g.Oordeel);
        EXPECT_EQ(w.Oordeel, OordeelTekst(g.Oordeel));
        EXPECT_EQ(w.Beginmaand, g.Beginmaand);
        EXPECT_EQ(w.Maanden[0].Maand, *g.Beginmaand);
        EXPECT_EQ(w.MaxCondensaat, g.Max);
        EXPECT_EQ(w.MinSdDamprem, g.MinSd);
    }
}
