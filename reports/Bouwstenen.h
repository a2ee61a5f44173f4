#pragma once

// Element builders for the report designs: positions in layout units from
// the band's corner, as the designs list them.

#include "reports/Rapportmotor.h"

namespace rcveltor::rapport {

inline const QColor kZilver(192, 192, 192);
inline const QColor kRandGrijs(128, 128, 128);

// A text of automatic width.
inline TTekstElement AutoTekst(double x, double y, const QString& tekst, double punten = 10,
                               bool vet = false, double hoogte = 17) {
    TTekstElement element;
    element.Vak = QRectF(x, y, 0, hoogte);
    element.Tekst = tekst;
    element.Letter = {vet, punten};
    element.Automatisch = true;
    return element;
}

// A text in a fixed box that clips it.
inline TTekstElement VakTekst(double x, double y, double breedte, double hoogte,
                              const QString& tekst, TUitlijning uitlijning, double punten = 10,
                              bool vet = false) {
    TTekstElement element;
    element.Vak = QRectF(x, y, breedte, hoogte);
    element.Tekst = tekst;
    element.Letter = {vet, punten};
    element.Uitlijning = uitlijning;
    return element;
}

// A table cell: thin grey outline, silver or white.
inline TRechthoekElement Cel(double x, double y, double breedte, double hoogte, bool zilver) {
    return TRechthoekElement{QRectF(x, y, breedte, hoogte), kRandGrijs, 2,
                             zilver ? kZilver : QColor(Qt::white)};
}

// Adds an element to a band and returns its index there.
inline std::size_t Voeg(TBand& band, TElement element) {
    band.Elementen.push_back({std::move(element), true});
    return band.Elementen.size() - 1;
}

} // namespace rcveltor::rapport
