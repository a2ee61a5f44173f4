#pragma once

// Parts of the body band that both reports share.

#include "Rapportlabels.h"

#include <string>

namespace rcveltor::rapport {

inline const QString kGeenBevestiging = QStringLiteral("0. Geen mechanische bevestiging");

// The units the reports append to screen texts: one space, then the unit
// (with the superscript two).
inline const char* const kM2KW = " m\u00b2K/W";
inline const char* const kWM2K = " W/m\u00b2K";
inline const char* const kWmK = " W/mK";
inline const char* const kProcent = " %";

inline QString MetEenheid(const std::string& tekst, const char* eenheid = "") {
    return QString::fromStdString(tekst) + QString::fromUtf8(eenheid);
}

// Title, the "volgens NEN 1068" line and the table's header row.
void Titel(TBand& band, const QString& titel);
void Tabelkop(TBand& band);        // the header row's cells
void TabelkopTeksten(TBand& band); // the header row's texts

// A table row at cell y: layer caption and material, with the cells that
// the row has.
struct TRijCellen {
    bool Dikte = true;
    bool Weerstand = true;
};
void RijCellen(TBand& band, double y, TRijCellen cellen = {});

// The value boxes of a row (text y = cell y + 4).
TTekstElement Dikte(double y, const QString& tekst = {});
TTekstElement Lambda(double y, const QString& tekst = {});
TTekstElement Weerstand(double y, const QString& tekst = {});

// The fixed resistances, in the screens' decimal separator.
QString Vast(double waarde, int decimalen, const std::string& scheiding);

} // namespace rcveltor::rapport
