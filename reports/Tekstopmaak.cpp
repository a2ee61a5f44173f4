#include "reports/Tekstopmaak.h"

#include "basis/RcFout.h"
#include "reports/Letterbestanden.h"
#include "reports/PdfExport.h"

#include <QFont>

namespace rcveltor::rapport {

namespace {

// At its own units per em a font's advances are its design widths, unhinted.
QRawFont Laad(const QString& bestand) {
    QRawFont font(bestand, 2048, QFont::PreferNoHinting);
    if (font.isValid() && font.unitsPerEm() != 2048) {
        font.setPixelSize(font.unitsPerEm());
    }
    return font;
}

QRawFont Vervanger(bool vet) {
    QFont gevraagd(QStringLiteral("Liberation Sans"));
    gevraagd.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    gevraagd.setBold(vet);
    gevraagd.setHintingPreference(QFont::PreferNoHinting);
    QRawFont font = QRawFont::fromFont(gevraagd);
    font.setPixelSize(font.unitsPerEm());
    return font;
}

// The lines of a wrapped text: words kept whole, broken where the next word
// would pass the width.
template <class Meter>
std::vector<QString> BreekRegels(const QString& tekst, double maxBreedte, Meter breedte) {
    std::vector<QString> regels;
    QString regel;
    const auto woorden = tekst.split(QLatin1Char(' '));
    for (const QString& woord : woorden) {
        const QString proef = regel.isEmpty() ? woord : regel + QLatin1Char(' ') + woord;
        if (!regel.isEmpty() && breedte(proef) > maxBreedte) {
            regels.push_back(regel);
            regel = woord;
        } else {
            regel = proef;
        }
    }
    if (!regel.isEmpty() || regels.empty()) {
        regels.push_back(regel);
    }
    return regels;
}

} // namespace

TLetterMaat::TLetterMaat(const TPdfLetters& letters)
    : regulier_(Laad(letters.Regulier)), vet_(Laad(letters.Vet)) {
    if (!regulier_.isValid() || !vet_.isValid()) {
        throw RcFout("Het lettertype Liberation Sans kan niet worden gelezen");
    }
}

TLetterMaat::TLetterMaat() : regulier_(Vervanger(false)), vet_(Vervanger(true)) {}

const QRawFont& TLetterMaat::Font(const TLettertype& letter) const {
    return letter.Vet ? vet_ : regulier_;
}

// Design units to layout units: a point is 96/72 of a unit.
double TLetterMaat::Schaal(const QRawFont& font, const TLettertype& letter) {
    return letter.Punten * 96.0 / 72.0 / font.unitsPerEm();
}

QString TLetterMaat::Drukbaar(const QString& tekst, const TLettertype& letter) const {
    const QRawFont& font = Font(letter);
    QString uit;
    uit.reserve(tekst.size());
    for (const char32_t teken : tekst.toUcs4()) {
        if (font.supportsCharacter(teken)) {
            uit += QString::fromUcs4(&teken, 1);
        } else {
            uit += QLatin1Char('?');
        }
    }
    return uit;
}

double TLetterMaat::Breedte(const QString& tekst, const TLettertype& letter) const {
    const QRawFont& font = Font(letter);
    const QList<quint32> glyfen = font.glyphIndexesForString(Drukbaar(tekst, letter));
    double som = 0;
    for (const QPointF& stap : font.advancesForGlyphIndexes(glyfen, QRawFont::UseDesignMetrics)) {
        som += stap.x();
    }
    return som * Schaal(font, letter);
}

double TLetterMaat::Stijging(const TLettertype& letter) const {
    return Font(letter).ascent() * Schaal(Font(letter), letter);
}

double TLetterMaat::Daling(const TLettertype& letter) const {
    return Font(letter).descent() * Schaal(Font(letter), letter);
}

const TLetterMaat& RapportLetterMaat() {
    static const TLetterMaat maat = [] {
        try {
            return TLetterMaat(ZoekRapportLetters());
        } catch (const RcFout&) {
            // The screen still shows the report; the PDF export says why not.
            return TLetterMaat();
        }
    }();
    return maat;
}

TTekstOpmaak MaakOpmaak(const TTekstElement& element, const TLetterMaat& maat) {
    TTekstOpmaak opmaak;
    opmaak.Vak = element.Vak;
    opmaak.Knippen = !element.Automatisch;
    const auto breedte = [&](const QString& deel) { return maat.Breedte(deel, element.Letter); };
    const QString tekst = maat.Drukbaar(element.Tekst, element.Letter);
    if (element.Automatisch) {
        opmaak.Vak.setWidth(breedte(tekst));
    }
    const QRectF& vak = opmaak.Vak;
    std::vector<QString> regels{tekst};
    if (element.Omloop && !element.Automatisch) {
        regels = BreekRegels(tekst, vak.width(), breedte);
    }
    // Top-aligned: the baseline lies the ascent below the box's top, lines
    // follow each other at ascent plus descent.
    const double stijging = maat.Stijging(element.Letter);
    const double daling = maat.Daling(element.Letter);
    double basis = vak.top() + stijging;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        // Below the first, a wrapped line prints only if it fits the box whole.
        if (i > 0 && basis + daling > vak.bottom()) {
            break;
        }
        const QString& regel = regels[i];
        if (!regel.isEmpty()) {
            double x = vak.left();
            if (!element.Automatisch && element.Uitlijning != TUitlijning::Links) {
                const double regelBreedte = breedte(regel);
                x = element.Uitlijning == TUitlijning::Rechts
                        ? vak.right() - regelBreedte
                        : vak.left() + (vak.width() - regelBreedte) / 2;
            }
            opmaak.Regels.push_back({regel, QPointF(x, basis)});
        }
        basis += stijging + daling;
    }
    return opmaak;
}

} // namespace rcveltor::rapport
