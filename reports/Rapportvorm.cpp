#include "reports/Rapportvorm.h"

#include "calc/Scherm.h"

namespace rcveltor::rapport {

namespace {
struct TKolom {
    double CelX, CelBreedte, TekstX;
    const char* Kop;
};
constexpr TKolom kKolommen[] = {
    {2, 127, 8, "Constructie"},
    {132, 223, 136, "Materiaal"},
    {358, 74, 360, "dikte [mm]"},
    {435, 111, 440, "lambda [W/mK]"},
    {549, 127, 552, "R-waarde [m\u00b2K/W]"},
};
} // namespace

std::size_t Titel(TBand& band, const QString& titel) {
    Voeg(band, VakTekst(0, 8, 681, 30, titel, TUitlijning::Midden, 18, true));
    TTekstElement norm =
        VakTekst(0, 40, 681, 17, Normregel(TMethode::Nen1068), TUitlijning::Midden);
    norm.Achtergrond = QColor(Qt::white);
    return Voeg(band, norm);
}

QString Normregel(TMethode methode) {
    return QStringLiteral("volgens ") + QString::fromUtf8(MethodeTekst(methode));
}

QString DeltaUfTekst(const std::string& deltaUf, const std::string& percentageU) {
    QString tekst = MetEenheid(deltaUf, kWM2K);
    if (percentageU != kGeenWaarde) {
        tekst += QStringLiteral(" (") + QString::fromStdString(percentageU) +
                 QStringLiteral(" % van U)");
    }
    return tekst;
}

void Tabelkop(TBand& band) {
    for (const TKolom& kolom : kKolommen) {
        Voeg(band, Cel(kolom.CelX, 108, kolom.CelBreedte, 25, true));
    }
}

void RijCellen(TBand& band, double y, TRijCellen cellen) {
    for (int i = 0; i < 5; ++i) {
        if ((i == 2 && !cellen.Dikte) || (i == 4 && !cellen.Weerstand)) {
            continue;
        }
        Voeg(band, Cel(kKolommen[i].CelX, y, kKolommen[i].CelBreedte, 25, i == 0));
    }
}

TTekstElement Dikte(double y, const QString& tekst) {
    return VakTekst(360, y, 65, 17, tekst, TUitlijning::Rechts);
}
TTekstElement Lambda(double y, const QString& tekst) {
    return VakTekst(472, y, 65, 17, tekst, TUitlijning::Rechts);
}
TTekstElement Weerstand(double y, const QString& tekst) {
    return VakTekst(608, y, 65, 17, tekst, TUitlijning::Rechts);
}

QString Vast(double waarde, int decimalen) {
    return QString::fromStdString(MaakVeld({}, decimalen).Formatteer(waarde));
}

void TabelkopTeksten(TBand& band) {
    for (const TKolom& kolom : kKolommen) {
        Voeg(band, AutoTekst(kolom.TekstX, 112, QString::fromUtf8(kolom.Kop), 10, true));
    }
}

} // namespace rcveltor::rapport
