// The fastener correction: codes, lookups, interpolation, and a missing table.

#include "calc/Producten.h"
#include "calc/Rekenen.h"
#include "lambdatabel/LambdaSchrijver.h"
#include "tests/calc/Opstart.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace rcveltor;
using rcveltor::test::Kies;
using rcveltor::test::TOpgestart;

namespace {

// A table with a value for every code that depends on each digit, so a wrong
// digit shows: class base + 0.001 x count class + 0.0001 x substructure.
double PatroonLambda(int code) {
    const int klasse = code / 1000;
    const int onder = code / 10 % 10;
    const int aantal = code % 10;
    const double basis[] = {0, 0.046, 0.041, 0.031, 0.024, 0, 0, 0, 0, 0.036};
    return basis[klasse] + 0.001 * aantal + 0.0001 * onder;
}

std::string SchrijfTabel(const std::string& naam, bool aflopend) {
    std::vector<TLambdaRegel> regels;
    for (int klasse : {1, 2, 3, 4}) {
        for (int combinatie = 1; combinatie <= 8; ++combinatie) {
            for (int onder = 1; onder <= 4; ++onder) {
                for (int aantal = 1; aantal <= 5; ++aantal) {
                    const int code = 1000 * klasse + 100 * combinatie + 10 * onder + aantal;
                    const double l = PatroonLambda(code);
                    regels.push_back({static_cast<double>(code), aflopend ? 0.2 - l : l});
                }
            }
        }
    }
    for (int aantal = 1; aantal <= 5; ++aantal) {
        regels.push_back({9610.0 + aantal, PatroonLambda(9610 + aantal)});
    }
    const auto pad = std::filesystem::temp_directory_path() /
                     ("rcv_lambdarw_" + naam + "_" + std::to_string(::getpid()) + ".bin");
    SchrijfLambdaBestand(pad.string(), regels);
    return pad.string();
}

struct RwGeval {
    const char* plaat;
    const char* onderconstructie;
    int combinatie;
    double aantal;
    double verwacht; // LambdaRW
    int laatsteCode; // the code of the last lookup that hit
};

class LambdaRWTest : public testing::TestWithParam<RwGeval> {
protected:
    static void SetUpTestSuite() { pad_ = SchrijfTabel("patroon", false); }
    static void TearDownTestSuite() { std::filesystem::remove(pad_); }
    static std::string pad_;
};
std::string LambdaRWTest::pad_;

// Independent expectation, written out from the rules with plain doubles; the
// rows are chosen away from rounding ties.
TEST_P(LambdaRWTest, ComposesCodesAndInterpolates) {
    const auto& g = GetParam();
    TOpgestart s(pad_);
    ASSERT_TRUE(s.fouten.empty());
    TRcBerekening& r = s.rc();
    Kies(r.CBisolatie, g.plaat);
    r.CBisolatieCloseUp();
    if (r.CBonderconstructie.Tekst() != g.onderconstructie) {
        Kies(r.CBonderconstructie, g.onderconstructie);
        r.CBonderconstructieCloseUp();
    }
    Kies(r.CBcombinatie, std::string(CombinatieTekst(g.combinatie)));
    r.CBcombinatieCloseUp();
    Zet(r.EditAantal, g.aantal);
    EXPECT_EQ(r.LambdaRW.Waarde(), g.verwacht);
    const auto huidig = s.model->Tabel.HuidigeRij();
    ASSERT_TRUE(huidig.has_value());
    EXPECT_EQ(s.model->Tabel.Rij(*huidig).Actueel.Waarden[0].value(), g.laatsteCode);
    // The corrected R and the percentage follow LambdaRW.
    EXPECT_EQ(r.EditRmIsolCor.Waarde(),
              Afronden(r.DikteIsol.Waarde() / 1000.0L / r.LambdaRW.Waarde(), 3));
}

// Ambral 0.039: L = 0.041, classes 1 (x1 0.042) and 2 (x0 0.037), looked up
// class 1 first. Steel deck class 1, combination 1, count 3 (class 1):
//   W1 = V(1111) = 0.0471, W2 = V(2111) = 0.0421,
//   lambda = 0.0421 + 0.004 x (0.005 / 0.005) = 0.0461, / 1.05 = 0.043905 -> 0.0439.
// Count 4 (classes 1-2, lower first): W1 = 0.0471 + 1/3 x 0.001 = 0.0474333 -> 0.0474,
//   W2 = 0.0424333 -> 0.0424, lambda = 0.0424 + 0.8 x 0.005 = 0.0464 -> /1.05 = 0.04419 -> 0.0442.
// Pelmar 0.033: L = 0.035, classes 2 and 3; Betondak class 3, combination 2, count 6:
//   W2 = V(2232) = 0.0433, W3 = V(3232) = 0.0333,
//   lambda = 0.0333 + 0.008 x (0.01 / 0.01) = 0.0413 -> / 1.05 = 0.039333 -> 0.0393.
// Quendal with combination 6 on steel deck: codes 9612 and 9613 for count 7:
//   0.0381 + 1/3 x 0.001 = 0.038433 -> 0.0384, no division.
// Quendal combination 6, count 15: V(9615) = 0.0411.
// Ferolin 0.036: L = 0.0378 -> 0.038, classes 1 and 2; Cellenbeton class 4, combination 7, count 9:
//   W1 = V(1743) = 0.0494, W2 = V(2743) = 0.0444, lambda = 0.0444 + 0.001 x 1 = 0.0454
//   -> / 1.05 = 0.043238 -> 0.0432.
INSTANTIATE_TEST_SUITE_P(
    Tabel, LambdaRWTest,
    testing::Values(RwGeval{"Ambral", "Geprofileerd staaldak", 1, 3, 0.0439, 2111},
                    RwGeval{"Ambral", "Geprofileerd staaldak", 1, 4, 0.0442, 2112},
                    RwGeval{"Pelmar", "Betondak", 2, 6, 0.0393, 3232},
                    RwGeval{"Quendal", "Geprofileerd staaldak", 6, 7, 0.0384, 9613},
                    RwGeval{"Quendal", "Geprofileerd staaldak", 6, 15, 0.0411, 9615},
                    RwGeval{"Ferolin", "Cellenbeton", 7, 9, 0.0432, 2743}));

TEST(LambdaRW, LargerValueAlwaysGoesWithTheLargerCountBetweenTwoCounts) {
    // Values fall with the count here: the pair rule swaps them, so between
    // two table counts the result rises with the count and stays within them.
    const std::string pad = SchrijfTabel("aflopend", true);
    TOpgestart s(pad);
    TRcBerekening& r = s.rc();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(1)));
    r.CBcombinatieCloseUp();
    Zet(r.EditAantal, 3);
    const double bij3 = r.LambdaRW.Waarde();
    Zet(r.EditAantal, 6);
    const double bij6 = r.LambdaRW.Waarde();
    ASSERT_GT(bij3, bij6);
    std::vector<double> waarden;
    for (double n : {3.5, 4.0, 4.5, 5.0, 5.5}) {
        Zet(r.EditAantal, n);
        waarden.push_back(r.LambdaRW.Waarde());
        EXPECT_GE(waarden.back(), bij6 - 0.0001);
        EXPECT_LE(waarden.back(), bij3 + 0.0001);
    }
    EXPECT_TRUE(std::is_sorted(waarden.begin(), waarden.end()));
    EXPECT_LT(waarden.front(), waarden.back());
    std::filesystem::remove(pad);
}

TEST(LambdaRW, CountOfExactlyOneClassLooksUpOneCodePerClass) {
    TOpgestart s; // shipped table
    TRcBerekening& r = s.rc();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(3)));
    r.CBcombinatieCloseUp();
    const double bij6 = (Zet(r.EditAantal, 6), r.LambdaRW.Waarde());
    const double bij9 = (Zet(r.EditAantal, 9), r.LambdaRW.Waarde());
    Zet(r.EditAantal, 7.5);
    EXPECT_GT(r.LambdaRW.Waarde(), bij6);
    EXPECT_LT(r.LambdaRW.Waarde(), bij9);
    EXPECT_GT(r.LambdaRW.Waarde(), r.LambdaIsol.Waarde());
    EXPECT_GT(r.RmReductie.Waarde(), 0);
    EXPECT_GT(r.EditPercentage.Waarde(), 0);
    EXPECT_NE(r.SubTotaalRc.Waarde(), r.EditRmIsolCor.Waarde()); // Som R stays uncorrected
    EXPECT_EQ(r.SubTotaalRc.Tekst, "2,882");
}

TEST(LambdaRW, ChoosingTheSameCombinationAgainGivesTheSameResult) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(2)));
    r.CBcombinatieCloseUp();
    const std::string rc = r.EditRc.Tekst;
    const std::string lambda = r.LambdaRW.Tekst;
    r.CBcombinatieCloseUp();
    EXPECT_EQ(r.EditRc.Tekst, rc);
    EXPECT_EQ(r.LambdaRW.Tekst, lambda);
}

TEST(LambdaRW, MissingTableIsReportedAndScreensStillWorkWithoutFasteners) {
    TOpgestart s("/nonexistent/dir/lambda.bin");
    ASSERT_EQ(s.fouten.size(), 1u);
#ifdef _WIN32
    // On the current drive, in Windows' own form.
    const std::string pad =
        std::filesystem::absolute("/nonexistent/dir/lambda.bin").lexically_normal().string();
    EXPECT_EQ(s.fouten[0], "Cannot open file \"" + pad + "\". Niet gevonden");
#else
    EXPECT_EQ(s.fouten[0], "Cannot open file \"/nonexistent/dir/lambda.bin\". Niet gevonden");
#endif
    TRcBerekening& r = s.rc();
    EXPECT_FALSE(s.model->Gedeeld.Initialiseren);
    EXPECT_EQ(r.EditRc.Tekst, "2,74");
    EXPECT_EQ(s.afschot().EditRc2.Tekst, "1,34");

    Zet(r.DikteIsol, 150);
    EXPECT_EQ(r.EditRc.Tekst, "3,71"); // recalculated: the guard is off

    Kies(r.CBcombinatie, std::string(CombinatieTekst(1)));
    try {
        r.CBcombinatieCloseUp();
        FAIL() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_STREQ(fout.what(), "Could not convert variant of type (Null) into type (Double)");
    }
    EXPECT_EQ(r.LambdaRW.Tekst, "0,0390");
    EXPECT_EQ(r.EditRc.Tekst, "3,71");
}

} // namespace
