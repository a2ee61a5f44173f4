#pragma once

// Where the lines of a text element go, decided once for every back end from
// the metrics of the font files the PDF embeds: the painter and the PDF
// writer only draw what this layout decided.

#include "reports/Weergavelijst.h"

#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <vector>

namespace rcveltor::rapport {

struct TPdfLetters;

struct TTekstRegel {
    QString Tekst; // one line as drawn
    QPointF Basis; // start of its baseline [layout units]
};

struct TTekstOpmaak {
    QRectF Vak;                      // the box; its width the text's when automatic [layout units]
    bool Knippen = false;            // drawn clipped to the box
    std::vector<TTekstRegel> Regels; // the lines that are drawn, in order
};

// The report font's metrics in layout units, from its font files (or, where
// they are not installed, from the font Qt substitutes, for the screen only).
class TLetterMaat {
public:
    explicit TLetterMaat(const TPdfLetters& letters);
    TLetterMaat(); // Qt's substitute for Liberation Sans

    // The text as it is drawn: a character the font does not hold becomes
    // "?", the same on screen, on paper and in the PDF.
    QString Drukbaar(const QString& tekst, const TLettertype& letter) const;
    double Breedte(const QString& tekst, const TLettertype& letter) const;
    double Stijging(const TLettertype& letter) const; // ascent
    double Daling(const TLettertype& letter) const;   // descent, positive

private:
    const QRawFont& Font(const TLettertype& letter) const;
    static double Schaal(const QRawFont& font, const TLettertype& letter);

    QRawFont regulier_;
    QRawFont vet_;
};

// The metrics of the report font, found once.
const TLetterMaat& RapportLetterMaat();

// A text element's box and lines: automatic width, wrapping at words, the
// alignment in a fixed box, and below the first only whole lines that fit.
TTekstOpmaak MaakOpmaak(const TTekstElement& element,
                        const TLetterMaat& maat = RapportLetterMaat());

} // namespace rcveltor::rapport
