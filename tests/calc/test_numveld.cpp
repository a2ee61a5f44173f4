// Field behaviour: clamping, typing, leaving, steps and change detection.

#include "NumVeld.h"

#include <gtest/gtest.h>

using namespace rcveltor;

namespace {

struct Veld {
    TNumVeld v;
    int wijzigingen = 0;

    Veld(int decimalen, double min, double max, double stap, double pagina) {
        v.Decimalen = decimalen;
        v.Minimum = min;
        v.Maximum = max;
        v.Stap = stap;
        v.PaginaStap = pagina;
        v.BijWijziging = [this] { ++wijzigingen; };
    }
};

TEST(NumVeld, SetClampsIntoTheRange) {
    Veld f(-1, 50, 300, 5, 10);
    Zet(f.v, 400);
    EXPECT_EQ(f.v.Tekst, "300");
    Zet(f.v, 10);
    EXPECT_EQ(f.v.Tekst, "50");
    EXPECT_EQ(f.wijzigingen, 2);
}

TEST(NumVeld, NoClampingWhenMinimumEqualsMaximum) {
    Veld f(-1, 0, 0, 0.1, 1);
    Zet(f.v, 123.5);
    EXPECT_EQ(f.v.Tekst, "123,5");
    Zet(f.v, -4);
    EXPECT_EQ(f.v.Tekst, "-4");
}

TEST(NumVeld, OnlyAChangedTextRunsTheHandler) {
    Veld f(3, 0, 100, 0.01, 1);
    Zet(f.v, 58);
    Zet(f.v, 58.0004); // shows 58,000 again
    EXPECT_EQ(f.v.Tekst, "58,000");
    EXPECT_EQ(f.wijzigingen, 1);
}

TEST(NumVeld, TypingIsUnclampedUntilTheFieldIsLeft) {
    Veld f(-1, 0.1, 0.5, 0.1, 1);
    Zet(f.v, 0.2);
    Typ(f.v, "7");
    EXPECT_EQ(f.v.Waarde(), 7);
    EXPECT_EQ(f.wijzigingen, 2);
    Verlaat(f.v);
    EXPECT_EQ(f.v.Tekst, "0,5");
    EXPECT_EQ(f.wijzigingen, 3);
}

TEST(NumVeld, TypedTextWithinRangeStaysAsTyped) {
    Veld f(3, 0.1, 250, 0.001, 1);
    Zet(f.v, 0.17);
    Typ(f.v, "0,1700");
    Verlaat(f.v);
    EXPECT_EQ(f.v.Tekst, "0,1700");
    EXPECT_EQ(f.v.Waarde(), 0.17);
}

TEST(NumVeld, TextThatIsNotANumberCountsAsZeroThenIsReplacedOnLeaving) {
    Veld f(3, 0, 100000, 0.5, 1);
    Typ(f.v, "1,2,3");
    EXPECT_EQ(f.v.Waarde(), 0);
    Verlaat(f.v);
    EXPECT_EQ(f.v.Tekst, "0,000");

    Veld g(2, 1, 1000, 0.5, 1);
    Typ(g.v, "");
    Verlaat(g.v);
    EXPECT_EQ(g.v.Tekst, "1,00");
}

TEST(NumVeld, ChangingTheRangeDoesNotClamp) {
    Veld f(-1, 50, 300, 5, 10);
    Zet(f.v, 300);
    f.v.Maximum = 200;
    EXPECT_EQ(f.v.Tekst, "300");
}

struct StapGeval {
    double min, max, stap, pagina, begin;
    int richting;
    bool paginaStap;
    int decimalen;
    const char* verwacht;
};

class StapTest : public testing::TestWithParam<StapGeval> {};

TEST_P(StapTest, StepsAndClamps) {
    const auto& g = GetParam();
    Veld f(g.decimalen, g.min, g.max, g.stap, g.pagina);
    Zet(f.v, g.begin);
    StapOp(f.v, g.richting, g.paginaStap);
    EXPECT_EQ(f.v.Tekst, g.verwacht);
}

INSTANTIATE_TEST_SUITE_P(Tabel, StapTest,
                         testing::Values(StapGeval{50, 300, 5, 10, 110, 1, false, -1, "115"},
                                         StapGeval{50, 300, 5, 10, 110, -1, true, -1, "100"},
                                         StapGeval{50, 300, 5, 10, 300, 1, false, -1, "300"},
                                         StapGeval{0.7, 1.5, 0.01, 1, 0.75, 1, false, -1, "0,76"},
                                         StapGeval{0.7, 1.5, 0.01, 1, 0.75, 1, true, -1, "1,5"},
                                         StapGeval{0, 500, 0.1, 1, 0.2, 1, false, -1, "0,3"},
                                         StapGeval{3, 15, 0.1, 1, 3, 1, false, 1, "3,1"},
                                         StapGeval{3, 15, 0.1, 1, 3, -1, false, 1, "3,0"},
                                         StapGeval{0.1, 250, 0.001, 1, 0.17, 1, false, 3, "0,171"},
                                         StapGeval{1, 1000, 0.5, 1, 1, 1, false, 2, "1,50"}));

} // namespace
