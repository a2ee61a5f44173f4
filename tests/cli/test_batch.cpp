// --batch: every line answered as a separate run with --json would answer it.

#include "cli/Batch.h"
#include "cli/JsonRegel.h"
#include "lambdatabel/LambdaTabel.h"
#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace rcveltor::test {
namespace {

std::vector<std::string> Regels(const std::string& tekst) {
    std::vector<std::string> regels;
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) {
        regels.push_back(regel);
    }
    return regels;
}

// What the batch must answer for a separate run's stdout, stderr and status.
std::string Verwacht(const TUitvoer& run, const std::string& foutuitvoer) {
    if (run.Status == 2) {
        const std::string voor = "rcveltor-cli: ";
        const auto eind = foutuitvoer.find("\n\nUsage:");
        EXPECT_EQ(foutuitvoer.rfind(voor, 0), 0U) << foutuitvoer;
        const std::string melding = foutuitvoer.substr(voor.size(), eind - voor.size());
        return R"({"exit": 2, "gebruiksfout": )" + nlohmann::json(melding).dump() + "}";
    }
    EXPECT_GE(run.Uit.size(), 2U);
    return run.Uit.substr(0, run.Uit.size() - 2) + ", \"exit\": " + std::to_string(run.Status) +
           "}";
}

struct TVergelijking {
    std::string Naam;
    std::uint32_t Zaad;
    std::size_t Aantal;
    std::string Extra; // options for both the batch and the separate runs
};

class BatchTegenLosseRuns : public testing::TestWithParam<TVergelijking> {};

TEST_P(BatchTegenLosseRuns, GivesTheSameAnswers) {
    const auto& g = GetParam();
    const auto opdrachten = MaakOpdrachtregels(g.Zaad, g.Aantal);
    const std::string invoer = Tijdelijk("batch_" + g.Naam + ".txt");
    const std::string foutbestand = Tijdelijk("batch_" + g.Naam + ".err");
    {
        std::ofstream uit(invoer);
        for (const auto& o : opdrachten) {
            uit << AlsJsonRegel(o) << "\n\n"; // empty lines are skipped
        }
    }
    const TUitvoer batch = Voer(Calculator() + " --batch " + g.Extra + " <" + Citeer(invoer));
    ASSERT_EQ(batch.Status, 0);
    const auto antwoorden = Regels(batch.Uit);
    ASSERT_EQ(antwoorden.size(), opdrachten.size());

    int fouten = 0;
    for (std::size_t i = 0; i < opdrachten.size() && fouten < 5; ++i) {
        std::string opdracht = Calculator() + " --json " + g.Extra;
        for (const auto& a : opdrachten[i]) {
            opdracht += " " + Citeer(a);
        }
        const TUitvoer los = Voer(opdracht + " 2>" + Citeer(foutbestand));
        std::ifstream f(foutbestand);
        const std::string foutuitvoer((std::istreambuf_iterator<char>(f)),
                                      std::istreambuf_iterator<char>());
        const std::string verwacht = Verwacht(los, foutuitvoer);
        if (antwoorden[i] != verwacht) {
            ++fouten;
            ADD_FAILURE() << "line " << i << ": " << AlsJsonRegel(opdrachten[i])
                          << "\nbatch:    " << antwoorden[i] << "\nseparate: " << verwacht;
        }
    }
    std::remove(invoer.c_str());
    std::remove(foutbestand.c_str());
}

INSTANTIATE_TEST_SUITE_P(Tabel, BatchTegenLosseRuns,
                         testing::Values(TVergelijking{"tabel", 12, 300, ""},
                                         TVergelijking{"zonder_tabel", 13, 40,
                                                       "--lambda-bestand /nonexistent/lambda.bin"}),
                         [](const auto& info) { return info.param.Naam; });

// What no command line can express: the line itself is wrong.
struct TRegelGeval {
    std::string Invoer;
    std::string Antwoord = {};  // "" for no output line
    std::string GelijkAan = {}; // or: answered as this line is
};

class BatchRegel : public testing::TestWithParam<TRegelGeval> {};

TEST_P(BatchRegel, IsAnsweredOnItsOwn) {
    TLambdaTabel tabel;
    tabel.Laden(RCV_DATA_DIR "/lambda.bin");
    // The line between two good ones: the batch goes on after it.
    std::istringstream in("[]\n" + GetParam().Invoer + "\n[]\n");
    std::ostringstream uit;
    ASSERT_EQ(cli::DraaiBatch(in, uit, RCV_DATA_DIR "/lambda.bin"), 0);
    const auto antwoorden = Regels(uit.str());
    const std::string goed = cli::BatchAntwoord("[]", tabel, std::nullopt);
    const bool antwoord = !GetParam().Antwoord.empty() || !GetParam().GelijkAan.empty();
    ASSERT_EQ(antwoorden.size(), antwoord ? 3U : 2U) << uit.str();
    EXPECT_EQ(antwoorden.front(), goed);
    EXPECT_EQ(antwoorden.back(), goed);
    if (!GetParam().GelijkAan.empty()) {
        EXPECT_EQ(antwoorden[1], cli::BatchAntwoord(GetParam().GelijkAan, tabel, std::nullopt));
    } else if (!GetParam().Antwoord.empty()) {
        EXPECT_EQ(antwoorden[1], GetParam().Antwoord);
    }
}

const std::string kGeenJson =
    R"({"exit": 2, "gebruiksfout": "de batchregel is geen geldige JSON"})";
const std::string kGeenLijst =
    R"({"exit": 2, "gebruiksfout": "de batchregel is geen JSON-lijst van teksten"})";

std::string NietToegestaan(const std::string& optie) {
    return R"({"exit": 2, "gebruiksfout": ")" + optie +
           R"( is niet toegestaan in een batchregel"})";
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, BatchRegel,
    testing::Values(
        TRegelGeval{"", ""}, TRegelGeval{" \t\r", ""}, TRegelGeval{"[1]", kGeenLijst},
        TRegelGeval{R"({"a": "b"})", kGeenLijst}, TRegelGeval{R"("--dikte")", kGeenLijst},
        TRegelGeval{R"(["--dikte", null])", kGeenLijst}, TRegelGeval{R"(["--dikte",)", kGeenJson},
        TRegelGeval{"[\"\xff\"]", kGeenJson}, TRegelGeval{R"(["\ud800"])", kGeenJson},
        TRegelGeval{"[] []", kGeenJson},
        TRegelGeval{R"(["a\u0000"])", R"({"exit": 2, "gebruiksfout": "de batchregel bevat een )"
                                      R"(NUL-teken, dat geen argument kan bevatten"})"},
        TRegelGeval{R"(["--json"])", NietToegestaan("--json")},
        TRegelGeval{R"(["--pdf", "x.pdf"])", NietToegestaan("--pdf")},
        TRegelGeval{R"(["--batch"])", NietToegestaan("--batch")},
        TRegelGeval{R"(["--lambda-bestand", "lambda.bin"])", NietToegestaan("--lambda-bestand")},
        TRegelGeval{R"(["-h"])", NietToegestaan("--help")},
        // A Windows line ending and JSON's own escapes.
        TRegelGeval{" [\"--isolatie\", \"Pelm\\u0061r\"]\r", "", R"(["--isolatie","Pelmar"])"}));

// The limits of a line, met by the calculator itself: a line over them is a
// usage error of its own, read past in time, and no answer shows more than
// 200 characters of a value.
struct TGrensGeval {
    std::string Naam;
    std::string Invoer;
    std::string Antwoord = {};  // the whole answer, or
    std::string GelijkAan = {}; // answered as this line is, or
    std::string Bevat = {};     // a piece of the answer: a cut value ends in "…"
};

void PrintTo(const TGrensGeval& g, std::ostream* uit) {
    *uit << g.Naam;
}

class BatchGrens : public testing::TestWithParam<TGrensGeval> {};

TEST_P(BatchGrens, IsKeptByTheCalculator) {
    const auto& g = GetParam();
    const std::string invoer = Tijdelijk("grens_" + g.Naam + ".txt");
    std::ofstream(invoer) << "[]\n" << g.Invoer << "\n[]\n";
    const TUitvoer r = Voer(Calculator(10) + " --batch <" + Citeer(invoer));
    std::remove(invoer.c_str());
    ASSERT_EQ(r.Status, 0);
    const auto antwoorden = Regels(r.Uit);
    ASSERT_EQ(antwoorden.size(), 3U);
    TLambdaTabel tabel;
    tabel.Laden(RCV_DATA_DIR "/lambda.bin");
    EXPECT_EQ(antwoorden[2], cli::BatchAntwoord("[]", tabel, std::nullopt));
    if (!g.Antwoord.empty()) {
        EXPECT_EQ(antwoorden[1], g.Antwoord);
    } else if (!g.GelijkAan.empty()) {
        EXPECT_EQ(antwoorden[1], cli::BatchAntwoord(g.GelijkAan, tabel, std::nullopt));
    } else {
        EXPECT_NE(antwoorden[1].find(g.Bevat), std::string::npos) << antwoorden[1];
    }
}

std::string Gebruiksfout(const std::string& melding) {
    return R"({"exit": 2, "gebruiksfout": ")" + melding + R"("})";
}

std::string Herhaald(const std::string& stuk, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s += stuk;
    }
    return s;
}

const std::string kTeLang = Gebruiksfout("de batchregel is langer dan 1 MiB");
const std::string kTeDiep =
    Gebruiksfout("de batchregel is dieper genest dan een lijst van teksten");
const std::string kTeVeel = Gebruiksfout("de batchregel heeft meer dan 200 opties");
const std::string kDikte = R"(["--dikte", "120"])";

INSTANTIATE_TEST_SUITE_P(
    Tabel, BatchGrens,
    testing::Values(
        TGrensGeval{"precies_1MiB", kDikte + std::string(cli::kMaxRegel - kDikte.size(), ' '), "",
                    kDikte},
        TGrensGeval{"1MiB_en_1", kDikte + std::string(cli::kMaxRegel + 1 - kDikte.size(), ' '),
                    kTeLang},
        TGrensGeval{"leeg_te_lang", std::string(cli::kMaxRegel + 1, ' '), kTeLang},
        TGrensGeval{"16MiB_haken", std::string(16 * cli::kMaxRegel, '['), kTeLang},
        TGrensGeval{"diep", R"([["--dikte"]])", kTeDiep},
        TGrensGeval{"object_in_lijst", R"(["--dikte", {"120": 1}])", kTeDiep},
        TGrensGeval{"200_opties", "[" + Herhaald(R"("--afschot",)", 199) + R"("--afschot"])", "",
                    R"(["--afschot"])"},
        TGrensGeval{"201_opties", "[" + Herhaald(R"("--afschot",)", 200) + R"("--afschot"])",
                    kTeVeel},
        TGrensGeval{"veel_lege_teksten", "[" + Herhaald(R"("",)", 300000) + R"(""])", kTeVeel},
        TGrensGeval{"getal_te_groot", R"(["--dikte", 1e400])",
                    Gebruiksfout("de batchregel is geen geldige JSON")},
        // Characters, not bytes: a cut never splits one.
        TGrensGeval{"melding_ingekort", R"(["--isolatie", ")" + Herhaald("\u00e9", 300) + R"("])",
                    "", "", Herhaald("\u00e9", 200) + "\u2026"},
        TGrensGeval{"optie_ingekort", R"(["--)" + Herhaald("x", 300) + R"(=1"])", "", "",
                    "--" + Herhaald("x", 198) + "\u2026"},
        TGrensGeval{"veld_ingekort", R"(["--dikte-damprem", "0.)" + Herhaald("0", 300) + R"(1"])",
                    "", "", R"("DikteDamprem": "0,)" + Herhaald("0", 198) + "\u2026\""}),
    [](const auto& info) { return info.param.Naam; });

} // namespace
} // namespace rcveltor::test
