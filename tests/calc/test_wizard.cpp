// The Rc wizard's search over the standard thicknesses.

#include "calc/RcWizard.h"
#include "tests/calc/Opstart.h"

#include <gtest/gtest.h>

using namespace rcveltor;
using rcveltor::test::Kies;
using rcveltor::test::TOpgestart;

namespace {

struct WizardGeval {
    const char* plaat;
    double wensRc;
    const char* dikte;
};

class WizardTest : public testing::TestWithParam<WizardGeval> {};

TEST_P(WizardTest, FindsTheThinnestStandardThickness) {
    const auto& g = GetParam();
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBisolatie, g.plaat);
    r.CBisolatieCloseUp();
    Zet(r.DikteIsol, 280); // the search always starts from the thinnest
    TNumVeld wens = MaakWensRcVeld();
    Zet(wens, g.wensRc);
    ZoekDikte(r, wens.Waarde());
    EXPECT_EQ(r.DikteIsol.Tekst, g.dikte);
    EXPECT_FALSE(r.DikteNietStandaard);
    // Only the unreachable wish leaves the shown Rc below it.
    EXPECT_EQ(wens.Waarde() <= r.EditRc.Waarde(), wens.Waarde() < 10.0);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, WizardTest,
    testing::Values(WizardGeval{"Ambral", 1.0, "50"}, WizardGeval{"Quendal", 1.0, "90"},
                    WizardGeval{"Pelmar", 1.0, "40"}, WizardGeval{"Ambral", 10.0, "300"},
                    WizardGeval{"Ferolin", 10.0, "200"}, WizardGeval{"Quendal", 10.0, "150"},
                    WizardGeval{"Sorvix", 10.0, "150"}, WizardGeval{"Ambral", 2.74, "110"},
                    WizardGeval{"Ambral", 2.75, "120"},
                    WizardGeval{"Ambral", 0.2, "50"},   // clamped to 1,00
                    WizardGeval{"Ambral", 99, "300"})); // clamped to 10,00

TEST(Wizard, PelmarAt30MillimetresStaysBelowOne) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBisolatie, "Pelmar");
    r.CBisolatieCloseUp();
    Zet(r.DikteIsol, 30);
    EXPECT_LT(r.EditRc.Waarde(), 1.0);
}

TEST(Wizard, QuendalTriesOnlyItsFourThicknesses) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBisolatie, "Quendal");
    r.CBisolatieCloseUp();
    for (const char* d : {"90", "110", "130", "150"}) {
        Zet(r.DikteIsol, std::stod(d));
        const double rc = r.EditRc.Waarde();
        Zet(r.DikteIsol, 30);
        ZoekDikte(r, rc);
        EXPECT_EQ(r.DikteIsol.Tekst, d);
    }
}

TEST(Wizard, DesiredRcFieldKeepsTwoDecimalsAndItsRange) {
    TNumVeld wens = MaakWensRcVeld();
    EXPECT_EQ(wens.Tekst, "2,50");
    StapOp(wens, 1);
    EXPECT_EQ(wens.Tekst, "2,60");
    StapOp(wens, 1, true);
    EXPECT_EQ(wens.Tekst, "3,60");
    Zet(wens, 2.345);
    EXPECT_EQ(wens.Tekst, "2,35");
}

// Rc 6,3 with Ambral: NEN 1068 first reaches it at 260 mm (255 gives 6,28);
// NEN-EN-ISO 6946 at 251 mm (0,06 + 0,251/0,039 + 0,0012 = 6,50; 240 gives 6,22).
TEST(Wizard, SearchesWithTheRcOfTheChosenMethod) {
    for (const auto& [methode, dikte] :
         {std::pair{TMethode::Nen1068, "260"}, std::pair{TMethode::Iso6946, "251"}}) {
        TOpgestart s;
        s.model->KiesMethode(methode);
        ZoekDikte(s.rc(), 6.3);
        EXPECT_EQ(s.rc().DikteIsol.Tekst, dikte);
    }
}

} // namespace
