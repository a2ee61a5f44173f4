#include "reports/Glaserdiagram.h"

#include "reports/Bouwstenen.h"
#include "reports/Tekstopmaak.h"

#include <algorithm>
#include <cmath>

namespace rcveltor::rapport {

namespace {

const QColor kKleurPsat(200, 0, 0);
const QColor kKleurP(0, 0, 170);
const QColor kBandGrijs(232, 232, 232);
const QColor kRasterGrijs(200, 200, 200);
constexpr double kLijnDikte = 1.5;
constexpr double kMerkteken = 6; // side of a condensation mark [layout units]

// Room around the plotting area [layout units].
constexpr double kTitelHoogte = 17;
constexpr double kLegendaHoogte = 14;
constexpr double kAsTekstHoogte = 13;
constexpr double kLinks = 34;  // the pressure ticks' texts
constexpr double kRechts = 10; // half of the last sd tick's text
constexpr TLettertype kTitelLetter{true, 10};
constexpr TLettertype kKleineLetter{false, 7};

double Eindig(double waarde) {
    return std::isfinite(waarde) ? waarde : 0.0;
}

// 0 to the first round number at or above `grootste`, in about five steps
// of 1, 2 or 5 times a power of ten; `leeg` when there is no range.
TGlaserAs RondeAs(double grootste, double leeg) {
    if (!std::isfinite(grootste) || grootste < 1e-6) {
        grootste = leeg;
    }
    grootste = std::min(grootste, 1e12);
    const double ruw = grootste / 5;
    const double macht = std::pow(10.0, std::floor(std::log10(ruw)));
    const double deel = ruw / macht;
    const double stap = (deel <= 1 ? 1 : deel <= 2 ? 2 : deel <= 5 ? 5 : 10) * macht;
    return {std::ceil(grootste / stap - 1e-9) * stap, stap};
}

// Decimal comma, as many decimals as the step needs.
QString AsGetal(double waarde, double stap) {
    const int decimalen = std::clamp(static_cast<int>(-std::floor(std::log10(stap) + 1e-9)), 0, 6);
    return QString::number(waarde, 'f', decimalen).replace(QLatin1Char('.'), QLatin1Char(','));
}

TTekstElement Tekst(const QRectF& vak, const QString& tekst, TLettertype letter,
                    TUitlijning uitlijning) {
    return VakTekst(vak.x(), vak.y(), vak.width(), vak.height(), tekst, uitlijning, letter.Punten,
                    letter.Vet);
}

// Built in place: a line converted into an element trips GCC's
// uninitialised-member warning on the text alternative. Moved in whole:
// clang does not yet build an aggregate from a list of its members there.
void Lijn(TPagina& pagina, std::vector<QPointF> punten, const QColor& kleur, double dikte,
          bool gestreept = false) {
    pagina.Elementen.emplace_back(std::in_place_type<TLijnElement>,
                                  TLijnElement{std::move(punten), kleur, dikte, gestreept});
}

void VoegLegenda(TPagina& pagina, const QRectF& vak) {
    const double y = vak.top() + kTitelHoogte + kLegendaHoogte / 2;
    double x = vak.left() + kLinks;
    const auto regel = [&](const QString& naam, const QColor& kleur, bool gestreept) {
        Lijn(pagina, {{x, y}, {x + 22, y}}, kleur, kLijnDikte, gestreept);
        pagina.Elementen.push_back(Tekst(QRectF(x + 26, y - 7, 40, kLegendaHoogte), naam,
                                         kKleineLetter, TUitlijning::Links));
        x += 70;
    };
    regel(QStringLiteral("psat"), kKleurPsat, false);
    regel(QStringLiteral("p"), kKleurP, true);
    pagina.Elementen.push_back(TRechthoekElement{
        QRectF(x + 8 - kMerkteken / 2, y - kMerkteken / 2, kMerkteken, kMerkteken), Qt::black, 1,
        QColor(Qt::black)});
    pagina.Elementen.push_back(Tekst(QRectF(x + 16, y - 7, 80, kLegendaHoogte),
                                     QStringLiteral("condensatie"), kKleineLetter,
                                     TUitlijning::Links));
}

// The layers as bands, shaded alternately, named where the name fits; a
// thin line at each inner interface, so that a narrow layer still shows.
void VoegLagen(TPagina& pagina, const TGlaserSchaal& schaal, const TVochtBerekening& berekening) {
    static const char* const kLagen[kVochtLagen] = {"Onderconstructie", "Damprem", "Isolatie",
                                                    "Dakbedekking"};
    const TVlakwaarden& sd = berekening.Uitkomst.SdCumulatief;
    const QRectF& plot = schaal.Plot;
    std::array<double, kVochtVlakken> x{};
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        x[k] = schaal.NaarPagina({sd[k], 0}).x();
    }
    for (std::size_t laag = 0; laag < kVochtLagen; laag += 2) {
        if (x[laag + 1] - x[laag] >= 0.5) {
            const QRectF band(x[laag], plot.top(), x[laag + 1] - x[laag], plot.height());
            pagina.Elementen.push_back(TRechthoekElement{band, kBandGrijs, 1, kBandGrijs});
        }
    }
    for (std::size_t k = 1; k < kVochtLagen; ++k) {
        Lijn(pagina, {{x[k], plot.top()}, {x[k], plot.bottom()}}, kRasterGrijs, 0.5);
    }
    for (std::size_t laag = 0; laag < kVochtLagen; ++laag) {
        const double breedte = x[laag + 1] - x[laag];
        const QString naam = QString::fromLatin1(kLagen[laag]);
        if (RapportLetterMaat().Breedte(naam, kKleineLetter) + 4 <= breedte) {
            pagina.Elementen.push_back(Tekst(QRectF(x[laag], plot.bottom() - 14, breedte, 12), naam,
                                             kKleineLetter, TUitlijning::Midden));
        }
    }
}

void VoegAssen(TPagina& pagina, const TGlaserSchaal& schaal, const QRectF& vak) {
    const QRectF& plot = schaal.Plot;
    // Ticks by count, so a step too small for its top cannot loop for ever.
    const int drukTikken = static_cast<int>(std::lround(schaal.Druk.Max / schaal.Druk.Stap));
    for (int i = 0; i <= drukTikken; ++i) {
        const double druk = i * schaal.Druk.Stap;
        const double y = schaal.NaarPagina({0, druk}).y();
        if (i > 0) {
            Lijn(pagina, {{plot.left(), y}, {plot.right(), y}}, kRasterGrijs, 0.5);
        }
        Lijn(pagina, {{plot.left() - 3, y}, {plot.left(), y}}, Qt::black, 1);
        pagina.Elementen.push_back(Tekst(QRectF(vak.left(), y - 6, kLinks - 5, 12),
                                         AsGetal(druk, schaal.Druk.Stap), kKleineLetter,
                                         TUitlijning::Rechts));
    }
    const int sdTikken = static_cast<int>(std::lround(schaal.Sd.Max / schaal.Sd.Stap));
    for (int i = 0; i <= sdTikken; ++i) {
        const double sd = i * schaal.Sd.Stap;
        const double x = schaal.NaarPagina({sd, 0}).x();
        Lijn(pagina, {{x, plot.bottom()}, {x, plot.bottom() + 3}}, Qt::black, 1);
        pagina.Elementen.push_back(Tekst(QRectF(x - 20, plot.bottom() + 3, 40, 12),
                                         AsGetal(sd, schaal.Sd.Stap), kKleineLetter,
                                         TUitlijning::Midden));
    }
    pagina.Elementen.push_back(
        TRechthoekElement{plot.adjusted(-0.5, -0.5, 0.5, 0.5), Qt::black, 1, {}});
    pagina.Elementen.push_back(Tekst(QRectF(vak.left(), plot.top() - kAsTekstHoogte - 7, 120, 12),
                                     QStringLiteral("dampdruk [Pa]"), kKleineLetter,
                                     TUitlijning::Links));
    pagina.Elementen.push_back(
        Tekst(QRectF(plot.right() - 100, plot.bottom() + kAsTekstHoogte + 2, 100, 12),
              QStringLiteral("sd [m]"), kKleineLetter, TUitlijning::Rechts));
}

} // namespace

TGlaserPunten GlaserPunten(const TVochtBerekening& berekening, std::size_t maand) {
    const TVochtUitkomst& uitkomst = berekening.Uitkomst;
    const TVochtMaand& m = uitkomst.Maanden.at(maand);
    TGlaserPunten punten;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        punten.Psat[k] = QPointF(uitkomst.SdCumulatief[k], m.Psat[k]);
        punten.P[k] = QPointF(uitkomst.SdCumulatief[k], m.P[k]);
        punten.Condensatie[k] = m.Gc[k] > 0;
    }
    return punten;
}

QPointF TGlaserSchaal::NaarPagina(QPointF sdPa) const {
    const double fx = std::clamp(Eindig(sdPa.x()) / Sd.Max, 0.0, 1.0);
    const double fy = std::clamp(Eindig(sdPa.y()) / Druk.Max, 0.0, 1.0);
    return {Plot.left() + fx * Plot.width(), Plot.bottom() - fy * Plot.height()};
}

TGlaserSchaal GlaserSchaal(const TGlaserPunten& punten, const QRectF& vak) {
    double sd = 0;
    double druk = 0;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        sd = std::max({sd, Eindig(punten.Psat[k].x()), Eindig(punten.P[k].x())});
        druk = std::max({druk, Eindig(punten.Psat[k].y()), Eindig(punten.P[k].y())});
    }
    const double boven = vak.top() + kTitelHoogte + kLegendaHoogte + kAsTekstHoogte + 8;
    const double onder = vak.bottom() - 2 * kAsTekstHoogte - 4;
    const double links = vak.left() + kLinks;
    const double rechts = vak.right() - kRechts;
    TGlaserSchaal schaal;
    schaal.Plot = QRectF(links, boven, std::max(0.0, rechts - links), std::max(0.0, onder - boven));
    schaal.Sd = RondeAs(sd, 1);
    schaal.Druk = RondeAs(druk, 100);
    return schaal;
}

void TekenGlaser(TPagina& pagina, const QRectF& vak, const TVochtBerekening& berekening,
                 std::size_t maand) {
    if (maand >= kMaanden) {
        return;
    }
    const TGlaserPunten punten = GlaserPunten(berekening, maand);
    const TGlaserSchaal schaal = GlaserSchaal(punten, vak);
    const std::string_view naam = Maandnaam(berekening.Uitkomst.Maanden[maand].Maand);
    QString titel = QStringLiteral("Glaserdiagram");
    if (!naam.empty()) {
        titel += QStringLiteral(" \u2013 ") +
                 QString::fromUtf8(naam.data(), static_cast<qsizetype>(naam.size()));
    }
    pagina.Elementen.push_back(Tekst(QRectF(vak.left(), vak.top(), vak.width(), kTitelHoogte),
                                     titel, kTitelLetter, TUitlijning::Midden));
    if (schaal.Plot.width() < 1 || schaal.Plot.height() < 1) {
        return;
    }
    VoegLegenda(pagina, vak);
    VoegLagen(pagina, schaal, berekening);
    VoegAssen(pagina, schaal, vak);

    std::vector<QPointF> psat;
    std::vector<QPointF> p;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        psat.push_back(schaal.NaarPagina(punten.Psat[k]));
        p.push_back(schaal.NaarPagina(punten.P[k]));
    }
    Lijn(pagina, psat, kKleurPsat, kLijnDikte);
    Lijn(pagina, p, kKleurP, kLijnDikte, true);
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        if (punten.Condensatie[k]) {
            const QPointF& m = psat[k];
            pagina.Elementen.push_back(TRechthoekElement{
                QRectF(m.x() - kMerkteken / 2, m.y() - kMerkteken / 2, kMerkteken, kMerkteken),
                Qt::black, 1, QColor(Qt::black)});
        }
    }
}

} // namespace rcveltor::rapport
