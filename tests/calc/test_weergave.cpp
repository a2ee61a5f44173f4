// Display texts and reading them back: the values every calculation reads.

#include "calc/Weergave.h"

#include <gtest/gtest.h>

using namespace rcveltor;

namespace {

struct VastGeval {
    long double waarde;
    int decimalen;
    const char* tekst;
};

class FormatVastTest : public testing::TestWithParam<VastGeval> {};

TEST_P(FormatVastTest, ShowsRoundedHalfAwayFromZeroOn18Digits) {
    const auto& g = GetParam();
    EXPECT_EQ(FormatVast(g.waarde, g.decimalen, ","), g.tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, FormatVastTest,
    testing::Values(VastGeval{0.0625, 3, "0,063"},                // halfway: away from zero
                    VastGeval{110.0L / 1000 / 0.039, 3, "2,821"}, // 2.8205128...
                    VastGeval{4.55, 1, "4,5"},                    // the double is below 4.55
                    VastGeval{4.55L, 1, "4,6"},                   // the extended nearly is 4.55
                    VastGeval{58, 3, "58,000"}, VastGeval{0.039, 4, "0,0390"},
                    VastGeval{2.7381, 2, "2,74"}, VastGeval{0.34745, 2, "0,35"},
                    VastGeval{9.9996, 3, "10,000"}, // carry into a new digit
                    VastGeval{999.5, 0, "1000"}, VastGeval{0.00049, 3, "0,000"},
                    VastGeval{-0.0004, 3, "0,000"}, // no minus on a zero
                    VastGeval{-0.0, 2, "0,00"}, VastGeval{-1.005L, 2, "-1,01"},
                    VastGeval{-2.5, 0, "-3"}, VastGeval{0.5, 0, "1"}, VastGeval{1e-20L, 3, "0,000"},
                    VastGeval{123456.789, 1, "123456,8"}, VastGeval{0.0001, 4, "0,0001"},
                    VastGeval{100000, 3, "100000,000"}));

struct AlgemeenGeval {
    long double waarde;
    const char* tekst;
};

class FormatAlgemeenTest : public testing::TestWithParam<AlgemeenGeval> {};

TEST_P(FormatAlgemeenTest, ShowsShortestFormUpTo15Digits) {
    EXPECT_EQ(FormatAlgemeen(GetParam().waarde, ","), GetParam().tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, FormatAlgemeenTest,
    testing::Values(AlgemeenGeval{110, "110"}, AlgemeenGeval{0.2, "0,2"},
                    AlgemeenGeval{0.75, "0,75"}, AlgemeenGeval{0, "0"},
                    AlgemeenGeval{0.1L + 0.2L, "0,3"}, AlgemeenGeval{0.76 - 0.01 + 0.01, "0,76"},
                    AlgemeenGeval{-3.5, "-3,5"}, AlgemeenGeval{1.0L / 3, "0,333333333333333"},
                    AlgemeenGeval{0.00001, "0,00001"}, AlgemeenGeval{0.000001, "1E-6"},
                    AlgemeenGeval{123456789012345.0L, "123456789012345"},
                    AlgemeenGeval{1e15L, "1E15"}, AlgemeenGeval{2.5e20L, "2,5E20"}));

struct LeesGeval {
    const char* tekst;
    bool getal;
    double waarde;
};

class LeesGetalTest : public testing::TestWithParam<LeesGeval> {};

TEST_P(LeesGetalTest, ReadsOnlyWhatIsANumber) {
    const auto& g = GetParam();
    const auto gelezen = LeesGetal(g.tekst, ",");
    ASSERT_EQ(gelezen.has_value(), g.getal) << g.tekst;
    if (g.getal) {
        EXPECT_EQ(*gelezen, g.waarde) << g.tekst;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabel, LeesGetalTest,
                         testing::Values(LeesGeval{"0,170", true, 0.17},
                                         LeesGeval{"2,821", true, 2.821}, LeesGeval{" 5 ", true, 5},
                                         LeesGeval{"+3", true, 3}, LeesGeval{"-0,5", true, -0.5},
                                         LeesGeval{"1,5E2", true, 150}, LeesGeval{",5", true, 0.5},
                                         LeesGeval{"5,", true, 5}, LeesGeval{"", false, 0},
                                         LeesGeval{",", false, 0}, LeesGeval{"-", false, 0},
                                         LeesGeval{"0.5", false, 0}, LeesGeval{"1.000,5", false, 0},
                                         LeesGeval{"nan", false, 0}, LeesGeval{"inf", false, 0},
                                         LeesGeval{"0x10", false, 0}, LeesGeval{"1E", false, 0},
                                         LeesGeval{"1e999", false, 0},
                                         LeesGeval{"12abc", false, 0}));

TEST(Weergave, ShownTextReadsBackAsTheShownValue) {
    for (long double v : {0.0625L, 2.8205128205L, 1234.5678L, 0.1L, 58.0004L}) {
        for (int n = 0; n <= 4; ++n) {
            const std::string tekst = FormatVast(v, n, ",");
            const auto gelezen = LeesGetal(tekst, ",");
            ASSERT_TRUE(gelezen.has_value()) << tekst;
            EXPECT_EQ(FormatVast(*gelezen, n, ","), tekst);
        }
    }
}

TEST(Weergave, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatVast(2.8205, 3, "."), "2.821");
    EXPECT_EQ(FormatAlgemeen(0.75, "."), "0.75");
    EXPECT_EQ(LeesGetal("0.75", ".").value(), 0.75);
    EXPECT_FALSE(LeesGetal("0,75", ".").has_value());
}

} // namespace
