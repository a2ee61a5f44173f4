// Rounding to decimals and the checked arithmetic of the calculations.

#include "basis/RcFout.h"
#include "calc/Rekenen.h"

#include <gtest/gtest.h>

using namespace rcveltor;

namespace {

struct AfrondGeval {
    long double x;
    int n;
    double verwacht;
};

class AfrondenTest : public testing::TestWithParam<AfrondGeval> {};

TEST_P(AfrondenTest, RoundsHalfToEvenAtScale) {
    EXPECT_EQ(Afronden(GetParam().x, GetParam().n), GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, AfrondenTest,
    testing::Values(AfrondGeval{0.0625, 3, 0.062}, // 62.5 goes to 62
                    AfrondGeval{0.125, 2, 0.12},   // 12.5 goes to 12
                    AfrondGeval{(2.882L + 0.10L + 0.04L) / (1.0L + 0.05L) - 0.10L - 0.04L, 4,
                                2.7381},
                    AfrondGeval{110.0L / 1000 / 0.039, 3, 2.821}, AfrondGeval{62.5, 0, 62},
                    AfrondGeval{63.5, 0, 64}, AfrondGeval{-2.5, 0, -2},
                    AfrondGeval{0.04095L, 3, 0.041}, AfrondGeval{0.042L, 3, 0.042},
                    AfrondGeval{1.41, 2, 1.41}, AfrondGeval{0, 4, 0}));

TEST(Afronden, TakesTheExtendedArgumentUnroundedToDouble) {
    // 0.0625 + 2^-70 is not a tie in extended precision but would be one
    // once rounded to double.
    const long double netBoven = 0.0625L + 0x1p-60L;
    EXPECT_EQ(Afronden(netBoven, 3), 0.063);
    EXPECT_EQ(Afronden(static_cast<double>(netBoven), 3), 0.062);
}

struct FoutGeval {
    long double teller;
    long double noemer;
    const char* melding;
};

class DeelTest : public testing::TestWithParam<FoutGeval> {};

TEST_P(DeelTest, RaisesTheFloatingPointError) {
    try {
        Deel(GetParam().teller, GetParam().noemer);
        FAIL() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_STREQ(fout.what(), GetParam().melding);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabel, DeelTest,
                         testing::Values(FoutGeval{1, 0, "Floating point division by zero"},
                                         FoutGeval{-1, 0, "Floating point division by zero"},
                                         FoutGeval{0, 0, "Invalid floating point operation"},
                                         FoutGeval{1e4000L, 1e-4000L, "Floating point overflow"}));

TEST(Rekenen, LogarithmErrors) {
    EXPECT_THROW(Ln(0), RcFout);
    EXPECT_THROW(Ln(-1), RcFout);
    EXPECT_EQ(Ln(1), 0);
}

TEST(Rekenen, InterpolationOrdersAgreeOnTheLine) {
    EXPECT_DOUBLE_EQ(Interpoleer(4.5, 3, 6, 0.04, 0.05), 0.045);
    EXPECT_DOUBLE_EQ(Extrapoleer(0.045, 0.037, 0.042, 0.04, 0.05), 0.056);
    EXPECT_EQ(Interpoleer(3, 3, 6, 0.04, 0.05), 0.04);
}

} // namespace
