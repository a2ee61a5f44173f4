// The Glaser diagram's geometry: its points are the month's numbers.

#include "reports/Glaserdiagram.h"

#include <gtest/gtest.h>

using namespace rcveltor;
using namespace rcveltor::rapport;

namespace {

struct TGlaserGeval {
    const char* Naam;
    TVlakwaarden Sd, Psat, P, Gc;
};

// One month (June, at index 5) of a hand-made result.
TVochtBerekening Berekening(const TGlaserGeval& geval) {
    TVochtBerekening b;
    b.Uitkomst.SdCumulatief = geval.Sd;
    TVochtMaand& m = b.Uitkomst.Maanden[5];
    m.Maand = 6;
    m.Psat = geval.Psat;
    m.P = geval.P;
    m.Gc = geval.Gc;
    return b;
}

class Glaser : public testing::TestWithParam<TGlaserGeval> {};

// The points are the month's numbers; on the page they lie inside the box,
// and reading them back off the axes gives those numbers again.
TEST_P(Glaser, PointsAreTheMonthsNumbers) {
    const TGlaserGeval& g = GetParam();
    const TVochtBerekening b = Berekening(g);
    const TGlaserPunten punten = GlaserPunten(b, 5);
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        EXPECT_EQ(punten.Psat[k], QPointF(g.Sd[k], g.Psat[k])) << k;
        EXPECT_EQ(punten.P[k], QPointF(g.Sd[k], g.P[k])) << k;
        EXPECT_EQ(punten.Condensatie[k], g.Gc[k] > 0) << k;
    }

    const QRectF vak(100, 200, 285, 235);
    const TGlaserSchaal schaal = GlaserSchaal(punten, vak);
    ASSERT_TRUE(vak.contains(schaal.Plot));
    TPagina pagina;
    TekenGlaser(pagina, vak, b, 5);
    std::vector<const TLijnElement*> lijnen;
    int merktekens = 0;
    bool titel = false;
    for (const TElement& e : pagina.Elementen) {
        if (const auto* l = std::get_if<TLijnElement>(&e); l && l->Punten.size() == kVochtVlakken) {
            lijnen.push_back(l);
        }
        if (const auto* t = std::get_if<TTekstElement>(&e)) {
            titel = titel || t->Tekst == QString::fromUtf8("Glaserdiagram \u2013 juni");
        }
        if (const auto* r = std::get_if<TRechthoekElement>(&e);
            r && r->Vulling == QColor(Qt::black)) {
            for (std::size_t k = 0; k < kVochtVlakken; ++k) {
                merktekens += r->Vak.center() == schaal.NaarPagina(punten.Psat[k]) ? 1 : 0;
            }
        }
    }
    EXPECT_TRUE(titel);
    ASSERT_EQ(lijnen.size(), 2u) << "psat and p";
    EXPECT_FALSE(lijnen[0]->Gestreept);
    EXPECT_TRUE(lijnen[1]->Gestreept);
    int condenserend = 0;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        condenserend += punten.Condensatie[k] ? 1 : 0;
        for (const auto& [lijn, punt] :
             {std::pair{lijnen[0], punten.Psat[k]}, std::pair{lijnen[1], punten.P[k]}}) {
            const QPointF& op = lijn->Punten[k];
            EXPECT_TRUE(schaal.Plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(op)) << k;
            const double sd = (op.x() - schaal.Plot.left()) / schaal.Plot.width() * schaal.Sd.Max;
            const double pa =
                (schaal.Plot.bottom() - op.y()) / schaal.Plot.height() * schaal.Druk.Max;
            EXPECT_NEAR(sd, punt.x(), 1e-9 * schaal.Sd.Max) << k;
            EXPECT_NEAR(pa, punt.y(), 1e-9 * schaal.Druk.Max) << k;
        }
    }
    EXPECT_EQ(merktekens, condenserend);
}

INSTANTIATE_TEST_SUITE_P(Tabel, Glaser,
                         testing::Values(TGlaserGeval{"NoCondensation",
                                                      {0, 2, 102, 104, 504},
                                                      {2250, 2200, 2100, 700, 680},
                                                      {1400, 1395, 760, 750, 600},
                                                      {}},
                                         TGlaserGeval{"CondensationAtOneInterface",
                                                      {0, 2, 2.5, 4.5, 404.5},
                                                      {2250, 2230, 2220, 620, 600},
                                                      {1400, 1300, 1280, 620, 580},
                                                      {0, 0, 0, 12.5, 0}},
                                         TGlaserGeval{"AllSdZero",
                                                      {},
                                                      {2250, 2100, 1900, 800, 650},
                                                      {1400, 1400, 1400, 1400, 600},
                                                      {}},
                                         TGlaserGeval{"OneHugeSd",
                                                      {0, 0.01, 100000, 100000.02, 100400},
                                                      {2300, 2290, 2200, 650, 640},
                                                      {1200, 1200, 650, 640, 640},
                                                      {0, 0, 0, 3, 0}},
                                         TGlaserGeval{"EqualPressures",
                                                      {0, 1, 2, 3, 4},
                                                      {1000, 1000, 1000, 1000, 1000},
                                                      {1000, 1000, 1000, 1000, 1000},
                                                      {}},
                                         TGlaserGeval{"AllZero", {}, {}, {}, {}}),
                         [](const testing::TestParamInfo<TGlaserGeval>& info) {
                             return std::string(info.param.Naam);
                         });

TEST(GlaserTekening, MonthPastTheYearAddsNothing) {
    TPagina pagina;
    TekenGlaser(pagina, QRectF(0, 0, 300, 200), TVochtBerekening{}, kMaanden);
    EXPECT_TRUE(pagina.Elementen.empty());
}

} // namespace
