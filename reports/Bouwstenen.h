#pragma once

// Element builders for the report designs: positions in layout units from
// the band's corner, as the designs list them.

#include "Rapportmotor.h"

namespace rcveltor::rapport {

inline const QColor kZilver(192, 192, 192);
inline const QColor kRandGrijs(128, 128, 128);

// A text of automatic width.
inline TTekstElement AutoTekst(double x, double y, const QString& tekst, double punten = 10,
                               bool vet = false, double hoogte = 17) {
    TTekstElement t;
    t.Vak = QRectF(x, y, 0, hoogte);
    t.Tekst = tekst;
    t.Letter = {vet, punten};
    t.Automatisch = true;
    return t;
}

// A text in a fixed box that clips it.
inline TTekstElement VakTekst(double x, double y, double b, double h, const QString& tekst,
                              TUitlijning uitlijning, double punten = 10, bool vet = false) {
    TTekstElement t;
    t.Vak = QRectF(x, y, b, h);
    t.Tekst = tekst;
    t.Letter = {vet, punten};
    t.Uitlijning = uitlijning;
    return t;
}

// A table cell: thin grey outline, silver or white.
inline TRechthoekElement Cel(double x, double y, double b, double h, bool zilver) {
    return TRechthoekElement{QRectF(x, y, b, h), kRandGrijs, 2,
                             zilver ? kZilver : QColor(Qt::white)};
}

// Adds an element to a band and returns its index there.
inline std::size_t Voeg(TBand& band, TElement e) {
    band.Elementen.push_back({std::move(e), true});
    return band.Elementen.size() - 1;
}

} // namespace rcveltor::rapport
