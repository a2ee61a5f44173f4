// The tapered screen: board choice, geometry input and its calculation.

#include "Opstart.h"

#include <gtest/gtest.h>

using namespace rcveltor;
using rcveltor::test::Kies;
using rcveltor::test::TOpgestart;

namespace {

// Types a value into a geometry field and leaves it, as a user would.
void Typen(TNumVeld& veld, const std::string& tekst) {
    Typ(veld, tekst);
    Verlaat(veld);
}

TEST(Afschot, StartUpValues) {
    TOpgestart s;
    const TAfschotBerekening& a = s.afschot();
    EXPECT_EQ(a.cbIsolatie2.Tekst(), "Ambral 10 mm/m");
    EXPECT_EQ(a.LambdaIsol2.Tekst, "0,039");
    EXPECT_EQ(a.MinDikte.Tekst, "50");
    EXPECT_EQ(a.AfschotLengte.Tekst, "1,00");
    EXPECT_EQ(a.MaxDikte.Tekst, "60,00");
    EXPECT_EQ(a.oppvl1.Tekst, "1,000");
    EXPECT_EQ(a.SubTotaalRc.Tekst, "0,061");
    EXPECT_EQ(a.LambdaRW.Tekst, "0,0390");
    EXPECT_EQ(a.MinDikte.Minimum, 30);
    EXPECT_EQ(a.MinDikte.Maximum, 295);
}

struct AfschotGeval {
    const char* lengte;
    const char* a1;
    const char* a2;
    const char* a3;
    const char* maxDikte;
    const char* rc;
    const char* u;
};

class WerkvoorbeeldTest : public testing::TestWithParam<AfschotGeval> {};

// s 10, dmin 50, lambda 0.039, no vapour retarder, Rdr and Roc 0.
TEST_P(WerkvoorbeeldTest, FollowsTheRoundedSteps) {
    const auto& g = GetParam();
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Kies(a.CBdamprem, "(geen)");
    a.CBdamprem2CloseUp();
    ASSERT_EQ(a.RmOndercons.Tekst, "0,000");
    Typen(a.AfschotLengte, g.lengte);
    Typen(a.oppvl1, g.a1);
    Typen(a.oppvl2, g.a2);
    Typen(a.oppvl3, g.a3);
    EXPECT_EQ(a.MaxDikte.Tekst, g.maxDikte);
    EXPECT_EQ(a.EditRc2.Tekst, g.rc);
    EXPECT_EQ(a.EditU2.Tekst, g.u);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, WerkvoorbeeldTest,
    testing::Values(AfschotGeval{"10", "10", "5", "0", "150,00", "2,13", "0,44"},
                    AfschotGeval{"10", "10", "5", "5", "150,00", "2,24", "0,42"},
                    AfschotGeval{"10", "10", "0", "0", "150,00", "2,24", "0,42"}));

TEST(Afschot, HalfMillimetreRoundsToEven) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Typen(a.AfschotLengte, "1,25");
    EXPECT_EQ(a.MaxDikte.Tekst, "62,00");
    Typen(a.AfschotLengte, "1,35");
    EXPECT_EQ(a.MaxDikte.Tekst, "64,00"); // 63.5 to even
}

TEST(Afschot, SteeperSlopeNeedsHalfTheLength) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Typen(a.AfschotLengte, "10");
    const std::string lang = a.MaxDikte.Tekst;
    Kies(a.cbIsolatie2, "Ambral 20 mm/m");
    a.cbIsolatie2CloseUp();
    Typen(a.MinDikte, "50");
    Typen(a.AfschotLengte, "5");
    EXPECT_EQ(a.MaxDikte.Tekst, lang);
}

TEST(Afschot, AreaChangesResultsButNotTheMaximumThickness) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Typen(a.AfschotLengte, "10");
    const std::string max = a.MaxDikte.Tekst;
    const std::string rc = a.EditRc2.Tekst;
    Typen(a.oppvl2, "50");
    EXPECT_EQ(a.MaxDikte.Tekst, max);
    EXPECT_NE(a.EditRc2.Tekst, rc);
}

TEST(Afschot, AllAreasZeroIsAnInvalidOperationAndKeepsTheResults) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Typ(a.oppvl1, "0");
    Typ(a.oppvl2, "0");
    Typen(a.AfschotLengte, "2");
    EXPECT_EQ(a.MaxDikte.Tekst, "70,00");
    try {
        Typ(a.oppvl3, "0");
        FAIL() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_STREQ(fout.what(), "Invalid floating point operation");
    }
    const std::string nu = a.EditRc2.Tekst;
    try {
        Typ(a.AfschotLengte, "3");
        FAIL() << "no error";
    } catch (const RcFout&) {
    }
    EXPECT_EQ(a.MaxDikte.Tekst, "80,00");
    EXPECT_EQ(a.EditRc2.Tekst, nu);
}

TEST(Afschot, NoRiseIsADivisionByZero) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    try {
        Typ(a.AfschotLengte, "");
        FAIL() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_STREQ(fout.what(), "Floating point division by zero");
    }
    EXPECT_EQ(a.MaxDikte.Tekst, "50,00");
}

struct PlaatGeval {
    const char* naam;
    const char* minDikte;
    double min, max, stap;
};

class AfschotPlaatTest : public testing::TestWithParam<PlaatGeval> {};

TEST_P(AfschotPlaatTest, ChoiceSetsRangeStartAndStep) {
    const auto& g = GetParam();
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Kies(a.cbIsolatie2, g.naam);
    a.cbIsolatie2CloseUp();
    EXPECT_EQ(a.MinDikte.Tekst, g.minDikte);
    EXPECT_EQ(a.MinDikte.Minimum, g.min);
    EXPECT_EQ(a.MinDikte.Maximum, g.max);
    EXPECT_EQ(a.MinDikte.Stap, g.stap);
    EXPECT_EQ(a.MinDikte.PaginaStap, g.stap);
}

INSTANTIATE_TEST_SUITE_P(Tabel, AfschotPlaatTest,
                         testing::Values(PlaatGeval{"Ambral 15 mm/m", "45", 45, 285, 15},
                                         PlaatGeval{"Tovik 20 mm/m", "50", 50, 270, 20},
                                         PlaatGeval{"Ostrel Afschotplaat 20mm/m", "100", 30, 270,
                                                    20},
                                         PlaatGeval{"Pelmar-S 10 mm/m", "30", 30, 290, 10}));

TEST(Afschot, SteppingStopsAtTheBounds) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Kies(a.cbIsolatie2, "Ostrel Afschotplaat 20mm/m");
    a.cbIsolatie2CloseUp();
    std::vector<std::string> omlaag;
    for (int i = 0; i < 5; ++i) {
        StapOp(a.MinDikte, -1);
        omlaag.push_back(a.MinDikte.Tekst);
    }
    EXPECT_EQ(omlaag, (std::vector<std::string>{"80", "60", "40", "30", "30"}));

    Kies(a.cbIsolatie2, "Tovik 20 mm/m");
    a.cbIsolatie2CloseUp();
    Zet(a.MinDikte, 250);
    StapOp(a.MinDikte, 1);
    EXPECT_EQ(a.MinDikte.Tekst, "270");
}

TEST(Afschot, BeforeAnyChoiceTheMinimumThicknessStepsInFives) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    StapOp(a.MinDikte, 1);
    EXPECT_EQ(a.MinDikte.Tekst, "55");
    Zet(a.MinDikte, 0);
    EXPECT_EQ(a.MinDikte.Tekst, "30");
    Zet(a.MinDikte, 1000);
    EXPECT_EQ(a.MinDikte.Tekst, "295");
}

TEST(Afschot, ChoiceKeepsTheSubstructureAndResetsMinimumThickness) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Kies(a.CBonderconstructie, "Cellenbeton");
    a.CBonderconstructie2CloseUp();
    Typen(a.MinDikte, "120");
    a.cbIsolatie2CloseUp();
    EXPECT_EQ(a.MinDikte.Tekst, "50");
    EXPECT_EQ(a.CBonderconstructie.Tekst(), "Cellenbeton");
}

TEST(Afschot, TypedValueBeyondRangeIsClampedWhenLeft) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Typ(a.AfschotLengte, "2000");
    EXPECT_EQ(a.MaxDikte.Tekst, "20050,00");
    Verlaat(a.AfschotLengte);
    EXPECT_EQ(a.AfschotLengte.Tekst, "1000,00");
    EXPECT_EQ(a.MaxDikte.Tekst, "10050,00");
}

} // namespace
