// Vapour retarder and substructure rows, on both screens.

#include "calc/Producten.h"
#include "tests/calc/Opstart.h"

#include <gtest/gtest.h>

using namespace rcveltor;
using rcveltor::test::Kies;
using rcveltor::test::TOpgestart;

namespace {

struct DampremGeval {
    const char* naam;
    const char* dikte;
    const char* lambda;
    const char* r;
    const char* somR;
};

class DampremTest : public testing::TestWithParam<DampremGeval> {};

TEST_P(DampremTest, ChoiceSetsTheRow) {
    const auto& g = GetParam();
    TOpgestart s;
    Kies(s.rc().CBdamprem, g.naam);
    s.rc().CBdampremCloseUp();
    EXPECT_EQ(s.rc().DikteDamprem.Tekst, g.dikte);
    EXPECT_EQ(s.rc().LambdaDamprem.Tekst, g.lambda);
    EXPECT_EQ(s.rc().RmDamprem.Tekst, g.r);
    EXPECT_EQ(s.rc().SubTotaalRc.Tekst, g.somR);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, DampremTest,
    testing::Values(DampremGeval{"PE (getaped)", "0,2", "0,170", "0,001", "2,882"},
                    DampremGeval{"Gebitumineerd Glasvlies", "3", "0,200", "0,015", "2,896"},
                    DampremGeval{"Gebitumineerde polyestermat", "3", "0,200", "0,015", "2,896"},
                    DampremGeval{"Gebitumineerd aluminiumfolie", "0,1", "200,000", "0,000",
                                 "2,881"},
                    DampremGeval{"(geen)", "0", "0,000", "0,000", "2,881"}));

TEST(Lagen, NoVapourRetarderLeavesTheFieldsOpenAndIgnoresThicknessWhileLambdaIsZero) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBdamprem, "(geen)");
    r.CBdampremCloseUp();
    Typ(r.DikteDamprem, "800");
    Verlaat(r.DikteDamprem);
    EXPECT_EQ(r.DikteDamprem.Tekst, "800"); // no range: not clamped
    EXPECT_EQ(r.RmDamprem.Tekst, "0,000");
    Typ(r.LambdaDamprem, "400");
    Verlaat(r.LambdaDamprem);
    EXPECT_EQ(r.LambdaDamprem.Tekst, "400");
    EXPECT_EQ(r.RmDamprem.Tekst, "0,002");
    EXPECT_EQ(r.CBdamprem.Tekst(), "(geen)");
}

TEST(Lagen, AluminiumFoilThicknessStopsAtItsMaximum) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBdamprem, "Gebitumineerd aluminiumfolie");
    r.CBdampremCloseUp();
    StapOp(r.DikteDamprem, 1);
    StapOp(r.DikteDamprem, 1);
    EXPECT_EQ(r.DikteDamprem.Tekst, "0,2");
}

TEST(Lagen, TypedThicknessIsUsedUnclampedUntilLeft) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBdamprem, "PE (getaped)");
    r.CBdampremCloseUp();
    Typ(r.DikteDamprem, "17");
    EXPECT_EQ(r.RmDamprem.Tekst, "0,100"); // 17 mm / 0.17
    Verlaat(r.DikteDamprem);
    EXPECT_EQ(r.DikteDamprem.Tekst, "0,5");
    EXPECT_EQ(r.RmDamprem.Tekst, "0,003");
}

TEST(Lagen, ConcreteDeckSetsRowAndCombinations) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBonderconstructie, "Betondak");
    r.CBonderconstructieCloseUp();
    EXPECT_EQ(r.DikteOndercons.Tekst, "140");
    EXPECT_EQ(r.LambdaOndercons.Tekst, "1,800");
    EXPECT_EQ(r.RmOndercons.Tekst, "0,062");
    EXPECT_EQ(r.SubTotaalRc.Tekst, "2,944");
    std::vector<int> nummers;
    for (const auto& t : r.CBcombinatie.Items) {
        nummers.push_back(CombinatieNummer(t));
    }
    const auto aanbod = ZoekOnderconstructie("Betondak")->Combinaties;
    EXPECT_EQ(nummers, std::vector<int>(aanbod.begin(), aanbod.end()));
    EXPECT_EQ(r.CBcombinatie.ItemIndex, 0);
}

TEST(Lagen, SubstructureLambdaChangeUsesTheMaterialFactor) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBonderconstructie, "Cellenbeton");
    r.CBonderconstructieCloseUp();
    EXPECT_EQ(r.DikteOndercons.Tekst, "100");
    Typ(r.LambdaOndercons, "0,200");
    Verlaat(r.LambdaOndercons);
    EXPECT_EQ(r.RmOndercons.Tekst, "0,357");
}

TEST(Lagen, SubstructureChoiceResetsTheCombination) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(3)));
    r.CBcombinatieCloseUp();
    ASSERT_EQ(r.CombinatieNr, 3);
    r.CBonderconstructieCloseUp(); // the same substructure again
    EXPECT_EQ(r.CombinatieNr, 0);
    EXPECT_EQ(r.CBcombinatie.Tekst(), std::string(CombinatieTekst(0)));
    EXPECT_EQ(r.LambdaRW.Tekst, "0,0390");
    EXPECT_EQ(r.EditRc.Tekst, "2,74");
}

TEST(Lagen, WritingTheSameShownValueRunsNothing) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    const std::string rm = r.RmOndercons.Tekst;
    Zet(r.LambdaOndercons, 58.0004);
    EXPECT_EQ(r.LambdaOndercons.Tekst, "58,000");
    EXPECT_EQ(r.RmOndercons.Tekst, rm);
}

TEST(Lagen, TaperedChoicesLeaveTheFlatRoofAlone) {
    TOpgestart s;
    TAfschotBerekening& a = s.afschot();
    Kies(a.CBonderconstructie, "Betondak");
    a.CBonderconstructieCloseUp();
    Kies(a.CBdamprem, "Gebitumineerd Glasvlies");
    a.CBdampremCloseUp();
    EXPECT_EQ(a.SubTotaalRc.Tekst, "0,137"); // 0.060 + 0.015 + 0.062
    EXPECT_EQ(s.rc().SubTotaalRc.Tekst, "2,882");
    EXPECT_EQ(s.rc().CBonderconstructie.Tekst(), "Geprofileerd staaldak");
    EXPECT_EQ(a.CBcombinatie.Items.size(), 6u);
}

// NEN 1068 stays the default digit for digit: a model that went to
// NEN-EN-ISO 6946, was edited there and came back shows every field as one
// that never left NEN 1068.
TEST(Methode, NenComesBackDigitForDigit) {
    const auto invoer = [](TRekenModel& m) {
        Kies(m.Rc.CBcombinatie, std::string(CombinatieTekst(2)));
        m.Rc.CBcombinatieCloseUp();
        Kies(m.Afschot.CBonderconstructie, "Betondak");
        m.Afschot.CBonderconstructieCloseUp();
        Typ(m.Afschot.AfschotLengte, "7,5");
        Verlaat(m.Afschot.AfschotLengte);
    };
    const auto meer = [](TRekenModel& m) {
        Zet(m.Rc.DikteIsol, 150);
        Zet(m.Rc.EditAantal, 7.5);
        Typ(m.Rc.DikteDamprem, "0,3");
        Verlaat(m.Rc.DikteDamprem);
        Typ(m.Afschot.oppvl3, "4");
        Verlaat(m.Afschot.oppvl3);
    };
    const auto velden = [](TRekenModel& m) {
        std::vector<std::string> v;
        for (TLagenScherm* scherm :
             {static_cast<TLagenScherm*>(&m.Rc), static_cast<TLagenScherm*>(&m.Afschot)}) {
            for (const TNumVeld* n : scherm->NumVelden()) {
                v.push_back(n->Naam + "=" + n->Tekst);
            }
            v.push_back("Eis=" + scherm->Eis);
        }
        return v;
    };
    TOpgestart nen;
    invoer(*nen.model);
    meer(*nen.model);

    TOpgestart heen;
    invoer(*heen.model);
    EXPECT_TRUE(heen.model->KiesMethode(TMethode::Iso6946).empty());
    meer(*heen.model);
    EXPECT_NE(velden(*heen.model), velden(*nen.model));
    EXPECT_TRUE(heen.model->KiesMethode(TMethode::Nen1068).empty());
    EXPECT_EQ(velden(*heen.model), velden(*nen.model));
}

} // namespace
