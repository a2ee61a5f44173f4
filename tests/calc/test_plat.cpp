// The flat-roof screen: start values, the layers, board choice and thickness.

#include "calc/Iso6946.h"
#include "calc/Producten.h"
#include "calc/Rekenen.h"
#include "calc/Weergave.h"
#include "tests/calc/Opstart.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

using namespace rcveltor;
using rcveltor::test::Kies;
using rcveltor::test::TOpgestart;

namespace {

TEST(Plat, StartUpShowsTheWorkedExample) {
    TOpgestart s;
    EXPECT_TRUE(s.fouten.empty());
    const TRcBerekening& r = s.rc();
    const std::vector<std::pair<const TNumVeld*, const char*>> verwacht{
        {&r.DikteIsol, "110"},       {&r.LambdaIsol, "0,039"},    {&r.RmIsol, "2,821"},
        {&r.RmDakbed, "0,060"},      {&r.DikteDamprem, "0,2"},    {&r.LambdaDamprem, "0,170"},
        {&r.RmDamprem, "0,001"},     {&r.DikteOndercons, "0,75"}, {&r.LambdaOndercons, "58,000"},
        {&r.RmOndercons, "0,000"},   {&r.SubTotaalRc, "2,882"},   {&r.EditAantal, "3,0"},
        {&r.LambdaRW, "0,0390"},     {&r.EditRmIsolCor, "2,821"}, {&r.RmReductie, "0,000"},
        {&r.EditPercentage, "0,00"}, {&r.EditRc, "2,74"},         {&r.EditU, "0,35"},
    };
    for (const auto& [veld, tekst] : verwacht) {
        EXPECT_EQ(veld->Tekst, tekst) << veld->Naam;
    }
    EXPECT_EQ(r.RcWaarde, 2.7381);
    EXPECT_EQ(r.CBisolatie.Tekst(), "Ambral");
    EXPECT_EQ(r.CBdamprem.Tekst(), "PE (getaped)");
    EXPECT_EQ(r.CBonderconstructie.Tekst(), "Geprofileerd staaldak");
    EXPECT_EQ(r.CBonderconstructie.Items.size(), 4u);
    EXPECT_EQ(r.CBcombinatie.Tekst(), "0. Geen mechanische bevestiging");
    EXPECT_EQ(r.CBcombinatie.Items.size(), 8u);
    EXPECT_EQ(r.CombinatieNr, 0);
    EXPECT_FALSE(r.DikteNietStandaard);
    EXPECT_FALSE(s.model->Gedeeld.Initialiseren);
}

// U comes from the four-decimal Rc, not from the shown one: at 51 and 61 mm
// of the start board the two give different U. By hand, 51 mm: Som R
// 0,060 + 1,308 + 0,001 = 1,369; Rc = 1,509 / 1,05 - 0,14 = 1,2971;
// U = 1 / 1,4371 = 0,696 (from 1,30 it would be 1 / 1,44 = 0,694).
TEST(Plat, UIsComputedFromTheFourDecimalRc) {
    const struct {
        double Dikte;
        const char* Rc;
        const char* U;
    } gevallen[] = {{51, "1,30", "0,70"}, {61, "1,54", "0,59"}, {110, "2,74", "0,35"}};
    for (const auto& g : gevallen) {
        TOpgestart s;
        Zet(s.rc().DikteIsol, g.Dikte);
        EXPECT_EQ(s.rc().EditRc.Tekst, g.Rc) << g.Dikte;
        EXPECT_EQ(s.rc().EditU.Tekst, g.U) << g.Dikte;
    }
    // 110 mm: 1 / (2.7381 + 0.14) = 0.34745..., with 2.74 it would be 0.34722...
    TOpgestart s;
    EXPECT_NEAR(1.0 / (s.rc().RcWaarde + 0.14), 0.347451, 1e-6);
}

struct DikteGeval {
    const char* plaat;
    double dikte;
    bool nietStandaard;
    const char* rmIsol;
};

class DikteTest : public testing::TestWithParam<DikteGeval> {};

TEST_P(DikteTest, StandardCheckAndInsulationR) {
    const auto& g = GetParam();
    TOpgestart s;
    Kies(s.rc().CBisolatie, g.plaat);
    s.rc().CBisolatieCloseUp();
    Zet(s.rc().DikteIsol, g.dikte);
    EXPECT_EQ(s.rc().DikteNietStandaard, g.nietStandaard) << g.plaat << " " << g.dikte;
    EXPECT_EQ(s.rc().RmIsol.Tekst, g.rmIsol);
    // Som R is the sum of the four shown layer values.
    EXPECT_EQ(s.rc().SubTotaalRc.Waarde(),
              Afronden(static_cast<long double>(s.rc().RmDakbed.Waarde()) + s.rc().RmIsol.Waarde() +
                           s.rc().RmDamprem.Waarde() + s.rc().RmOndercons.Waarde(),
                       3));
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, DikteTest,
    testing::Values(
        DikteGeval{"Ambral", 55, true, "1,410"}, DikteGeval{"Ambral", 50, false, "1,282"},
        DikteGeval{"Ambral", 75, false, "1,923"}, DikteGeval{"Ambral", 95, false, "2,436"},
        DikteGeval{"Ambral", 105, false, "2,692"}, DikteGeval{"Ambral", 20, false, "1,282"},
        DikteGeval{"Pelmar", 30, false, "0,909"}, DikteGeval{"Pelmar", 45, false, "1,364"},
        DikteGeval{"Quendal", 90, false, "2,571"}, DikteGeval{"Quendal", 95, true, "2,714"},
        DikteGeval{"Quendal", 100, true, "2,857"}, DikteGeval{"Quendal", 150, false, "4,286"},
        DikteGeval{"Ferolin", 100, false, "2,778"}, DikteGeval{"Ferolin", 250, false, "5,556"},
        DikteGeval{"Ambral", 251, false, "6,436"}, DikteGeval{"Ambral", 250, true, "6,410"}));

TEST(Plat, FerolinStepsInTensUpTo200AllStandard) {
    TOpgestart s;
    Kies(s.rc().CBisolatie, "Ferolin");
    s.rc().CBisolatieCloseUp();
    EXPECT_EQ(s.rc().DikteIsol.Tekst, "100");
    std::vector<std::string> gezien;
    for (int i = 0; i < 12; ++i) {
        StapOp(s.rc().DikteIsol, 1);
        gezien.push_back(s.rc().DikteIsol.Tekst);
        EXPECT_FALSE(s.rc().DikteNietStandaard);
    }
    EXPECT_EQ(gezien.front(), "110");
    EXPECT_EQ(gezien.back(), "200");
    Zet(s.rc().DikteIsol, 50);
    for (int i = 0; i < 15; ++i) {
        StapOp(s.rc().DikteIsol, 1);
        EXPECT_FALSE(s.rc().DikteNietStandaard) << s.rc().DikteIsol.Tekst;
    }
}

TEST(Plat, ChoosingTheSameBoardResetsTheThickness) {
    TOpgestart s;
    Zet(s.rc().DikteIsol, 150);
    s.rc().CBisolatieCloseUp();
    EXPECT_EQ(s.rc().DikteIsol.Tekst, "110");
    EXPECT_EQ(s.rc().EditRc.Tekst, "2,74");
}

TEST(Plat, BoardWithTheSameDefaultKeepsTheThickness) {
    TOpgestart s;
    Kies(s.rc().CBisolatie, "Pelmar");
    s.rc().CBisolatieCloseUp();
    Zet(s.rc().DikteIsol, 95);
    Kies(s.rc().CBisolatie, "Ostrel Vlak");
    s.rc().CBisolatieCloseUp();
    EXPECT_EQ(s.rc().DikteIsol.Tekst, "95");
    EXPECT_FALSE(s.rc().DikteNietStandaard);
    EXPECT_EQ(s.rc().LambdaIsol.Tekst, "0,036");
    EXPECT_EQ(s.rc().RmIsol.Tekst, "2,639");
}

TEST(Plat, UnchangedThicknessIsJudgedAgainstTheNewBoardsList) {
    TOpgestart s;
    Kies(s.rc().CBisolatie, "Quendal");
    s.rc().CBisolatieCloseUp();
    Zet(s.rc().DikteIsol, 100);
    ASSERT_TRUE(s.rc().DikteNietStandaard);
    Kies(s.rc().CBisolatie, "Tovik"); // default 100 mm, on list A
    s.rc().CBisolatieCloseUp();
    EXPECT_EQ(s.rc().DikteIsol.Tekst, "100");
    EXPECT_FALSE(s.rc().DikteNietStandaard);
}

TEST(Plat, SteelDeckOnlyBoardsRestrictTheSubstructure) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBonderconstructie, "Betondak");
    r.CBonderconstructieCloseUp();
    Kies(r.CBisolatie, "Quendal");
    r.CBisolatieCloseUp();
    EXPECT_EQ(r.CBonderconstructie.Items, std::vector<std::string>{"Geprofileerd staaldak"});
    EXPECT_EQ(r.CBonderconstructie.ItemIndex, 0);
    EXPECT_EQ(r.DikteOndercons.Tekst, "0,75");
    EXPECT_EQ(r.LambdaOndercons.Tekst, "58,000");
    EXPECT_EQ(r.RmOndercons.Tekst, "0,000");
    ASSERT_EQ(r.CBcombinatie.Items.size(), 2u);
    EXPECT_EQ(CombinatieNummer(r.CBcombinatie.Items[1]), 6);
    EXPECT_EQ(r.DikteIsol.Tekst, "90");
    EXPECT_EQ(r.RmIsol.Tekst, "2,571");
}

TEST(Plat, LeavingASteelDeckOnlyBoardKeepsTheSteelDeck) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBisolatie, "Sorvix");
    r.CBisolatieCloseUp();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(6)));
    r.CBcombinatieCloseUp();
    Kies(r.CBisolatie, "Ambral");
    r.CBisolatieCloseUp();
    // Never a concrete deck the user did not choose: the steel deck stays
    // selected in the full list, with its row and its eight combinations.
    EXPECT_EQ(r.CBonderconstructie.Items.size(), 4u);
    EXPECT_EQ(r.CBonderconstructie.Tekst(), "Geprofileerd staaldak");
    EXPECT_EQ(r.DikteOndercons.Tekst, "0,75");
    EXPECT_EQ(r.LambdaOndercons.Tekst, "58,000");
    EXPECT_EQ(r.RmOndercons.Tekst, "0,000");
    EXPECT_EQ(r.CBcombinatie.Items.size(), 8u);
    EXPECT_EQ(r.CombinatieNr, 0);
}

// NEN-EN-ISO 6946 by hand, in 40 digits apart from the program:
// RT = 0,10 + 0,06 + d/lambda + Rdr + Roc + 0,04, with Rdr and Roc from the
// rows' d and lambda (Betondak 140 mm, 1,8 x 1,25; PE 0,2 mm, 0,17; steel
// deck 0,75 mm, 58); dUf = 0,8 beta 50 (pi df^2/4) n / d0 (Risol/RT)^2;
// Rc = 1/(1/RT + dUf) - 0,14. Rc shows rounded down and is judged unrounded
// against 6,3: 243,3 mm gives 6,2997, which must not show 6,30.
struct IsoPlatGeval {
    const char* plaat;
    double dikte;
    const char* damprem;
    const char* onderconstructie;
    int combinatie;
    double aantal;
    double rc; // unrounded
    const char* rcTekst;
    const char* u; // Uc
    const char* deltaUf;
    const char* percentageU;
    const char* eis;
};

class IsoPlatTest : public testing::TestWithParam<IsoPlatGeval> {};

TEST_P(IsoPlatTest, FollowsTheFormulasInDouble) {
    const auto& g = GetParam();
    TOpgestart s;
    TRcBerekening& r = s.rc();
    EXPECT_TRUE(s.model->KiesMethode(TMethode::Iso6946).empty());
    Kies(r.CBisolatie, g.plaat);
    r.CBisolatieCloseUp();
    Zet(r.DikteIsol, g.dikte);
    Kies(r.CBdamprem, g.damprem);
    r.CBdampremCloseUp();
    Kies(r.CBonderconstructie, g.onderconstructie);
    r.CBonderconstructieCloseUp();
    Kies(r.CBcombinatie, std::string(CombinatieTekst(g.combinatie)));
    r.CBcombinatieCloseUp();
    Zet(r.EditAantal, g.aantal);

    EXPECT_NEAR(r.Iso.Rc, g.rc, 1e-12);
    EXPECT_EQ(r.EditRc.Tekst, g.rcTekst);
    EXPECT_EQ(r.EditU.Tekst, g.u);
    EXPECT_EQ(r.DeltaUf.Tekst, g.deltaUf);
    EXPECT_EQ(r.PercentageU.Tekst, g.percentageU);
    EXPECT_EQ(r.Eis, g.eis);
    for (const TNumVeld* v : {&r.LambdaRW, &r.EditRmIsolCor, &r.RmReductie, &r.EditPercentage}) {
        EXPECT_EQ(v->Tekst, "n.v.t.") << v->Naam;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, IsoPlatTest,
    testing::Values(
        IsoPlatGeval{"Ambral", 110, "PE (getaped)", "Geprofileerd staaldak", 0, 3,
                     2.8817022221355386, "2,88", "0,331", "0,0000", "0,0", "voldoet niet"},
        IsoPlatGeval{"Tovik", 200, "PE (getaped)", "Geprofileerd staaldak", 3, 6,
                     4.0447459162856231, "4,04", "0,239", "0,0560", "30,6", "voldoet niet"},
        IsoPlatGeval{"Pelmar", 150, "(geen)", "Betondak", 8, 9, 4.4782828345827791, "4,47", "0,217",
                     "0,0085", "4,1", "voldoet niet"},
        IsoPlatGeval{"Ambral", 243.2, "PE (getaped)", "Geprofileerd staaldak", 0, 3,
                     6.297086837520154, "6,29", "0,155", "0,0000", "0,0", "voldoet niet"},
        IsoPlatGeval{"Ambral", 243.3, "PE (getaped)", "Geprofileerd staaldak", 0, 3,
                     6.2996509400842565, "6,29", "0,155", "0,0000", "0,0", "voldoet niet"},
        IsoPlatGeval{"Ambral", 243.5, "PE (getaped)", "Geprofileerd staaldak", 0, 3,
                     6.3047791452124616, "6,30", "0,155", "0,0000", "0,0", "voldoet"}));

// Rounded down on the double grid: 6.3 itself (a shade below 6,3 in binary)
// shows 6,30, as its judgement "voldoet" says; the double below it does not.
// Far beyond any roof, where a step of 0,01 is below the grid, the value is
// its own answer and comes at once.
TEST(Plat, IsoRcShowsRoundedDown) {
    const struct {
        double rc;
        const char* tekst;
    } gevallen[] = {{6.3, "6,30"},
                    {std::nextafter(6.3, 0.0), "6,29"},
                    {6.2999999, "6,29"},
                    {6.30999999, "6,30"},
                    {0.07, "0,07"},
                    {-0.015, "-0,02"},
                    {-1e-300, "-0,01"},
                    {std::nextafter(0x1p46, 0.0), "70368744177663,99"},
                    {1e14 + 0.5, "100000000000000,50"},
                    {1e17, "100000000000000000,00"},
                    {-1e17, "-100000000000000000,00"},
                    {DBL_MAX, "1,79769313486232E308"}};
    for (const auto& g : gevallen) {
        EXPECT_EQ(FormatVast(iso6946::RcOmlaag(g.rc), 2, ","), g.tekst) << g.rc;
    }
}

TEST(Plat, OtherBoardsKeepTheSelectedSubstructureAndItsValues) {
    TOpgestart s;
    TRcBerekening& r = s.rc();
    Kies(r.CBonderconstructie, "Cellenbeton");
    r.CBonderconstructieCloseUp();
    Zet(r.DikteOndercons, 200);
    Kies(r.CBisolatie, "Tovik");
    r.CBisolatieCloseUp();
    EXPECT_EQ(r.CBonderconstructie.Tekst(), "Cellenbeton");
    EXPECT_EQ(r.DikteOndercons.Tekst, "200");
}

} // namespace
