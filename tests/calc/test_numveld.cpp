// Field behaviour: clamping, typing, leaving, steps and change detection.

#include "calc/NumVeld.h"

#include <gtest/gtest.h>
#include <string>

using namespace rcveltor;

namespace {

// A field with its range and steps, counting its handler's runs.
struct TGeteldVeld {
    TNumVeld veld;
    int wijzigingen = 0;

    TGeteldVeld(int decimalen, double min, double max, double stap = 1, double pagina = 10) {
        veld.Decimalen = decimalen;
        veld.Minimum = min;
        veld.Maximum = max;
        veld.Stap = stap;
        veld.PaginaStap = pagina;
        veld.BijWijziging = [this] { ++wijzigingen; };
    }
};

struct TSchrijfGeval {
    const char* Naam;
    int Decimalen;
    double Min, Max;
    // What the program (Zet) and the user (Typ, Verlaat) do to the field.
    void (*Handelingen)(TNumVeld& veld);
    const char* Tekst; // shown afterwards
    double Waarde;     // read afterwards
    int Wijzigingen;   // the handler's runs
};

void PrintTo(const TSchrijfGeval& g, std::ostream* os) {
    *os << g.Naam;
}

class SchrijfTest : public testing::TestWithParam<TSchrijfGeval> {};

TEST_P(SchrijfTest, ShowsReadsAndReports) {
    const TSchrijfGeval& g = GetParam();
    TGeteldVeld f(g.Decimalen, g.Min, g.Max);
    g.Handelingen(f.veld);
    EXPECT_EQ(f.veld.Tekst, g.Tekst);
    EXPECT_EQ(f.veld.Waarde(), g.Waarde);
    EXPECT_EQ(f.wijzigingen, g.Wijzigingen);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, SchrijfTest,
    testing::Values(TSchrijfGeval{"SetClampsToTheMaximum", -1, 50, 300,
                                  [](TNumVeld& veld) { Zet(veld, 400); }, "300", 300, 1},
                    TSchrijfGeval{"SetClampsToTheMinimum", -1, 50, 300,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 400);
                                      Zet(veld, 10);
                                  },
                                  "50", 50, 2},
                    TSchrijfGeval{"NoClampingWhenMinimumEqualsMaximum", -1, 0, 0,
                                  [](TNumVeld& veld) { Zet(veld, 123.5); }, "123,5", 123.5, 1},
                    TSchrijfGeval{"NoClampingBelowZeroEither", -1, 0, 0,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 123.5);
                                      Zet(veld, -4);
                                  },
                                  "-4", -4, 2},
                    // 58,0004 shows 58,000 again: no change, no handler.
                    TSchrijfGeval{"OnlyAChangedTextRunsTheHandler", 3, 0, 100,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 58);
                                      Zet(veld, 58.0004);
                                  },
                                  "58,000", 58, 1},
                    TSchrijfGeval{"TypingIsUnclamped", -1, 0.1, 0.5,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 0.2);
                                      Typ(veld, "7");
                                  },
                                  "7", 7, 2},
                    TSchrijfGeval{"LeavingClampsWhatWasTyped", -1, 0.1, 0.5,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 0.2);
                                      Typ(veld, "7");
                                      Verlaat(veld);
                                  },
                                  "0,5", 0.5, 3},
                    TSchrijfGeval{"TypedTextWithinTheRangeStaysAsTyped", 3, 0.1, 250,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 0.17);
                                      Typ(veld, "0,1700");
                                      Verlaat(veld);
                                  },
                                  "0,1700", 0.17, 2},
                    TSchrijfGeval{"TextThatIsNotANumberReadsAsZero", 3, 0, 100000,
                                  [](TNumVeld& veld) { Typ(veld, "1,2,3"); }, "1,2,3", 0, 1},
                    TSchrijfGeval{"LeavingReplacesTextThatIsNotANumber", 3, 0, 100000,
                                  [](TNumVeld& veld) {
                                      Typ(veld, "1,2,3");
                                      Verlaat(veld);
                                  },
                                  "0,000", 0, 2},
                    // An empty field typed empty changes nothing; leaving it clamps 0 up.
                    TSchrijfGeval{"LeavingAnEmptyFieldShowsTheMinimum", 2, 1, 1000,
                                  [](TNumVeld& veld) {
                                      Typ(veld, "");
                                      Verlaat(veld);
                                  },
                                  "1,00", 1, 1},
                    TSchrijfGeval{"ChangingTheRangeDoesNotClamp", -1, 50, 300,
                                  [](TNumVeld& veld) {
                                      Zet(veld, 300);
                                      veld.Maximum = 200;
                                  },
                                  "300", 300, 1}),
    [](const testing::TestParamInfo<TSchrijfGeval>& info) { return std::string(info.param.Naam); });

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
    TGeteldVeld f(g.decimalen, g.min, g.max, g.stap, g.pagina);
    Zet(f.veld, g.begin);
    StapOp(f.veld, g.richting, g.paginaStap);
    EXPECT_EQ(f.veld.Tekst, g.verwacht);
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
