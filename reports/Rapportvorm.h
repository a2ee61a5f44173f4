#pragma once

// Parts of the body band that both reports share.

#include "calc/Methode.h"
#include "reports/Rapportlabels.h"

#include <string>

namespace rcveltor::rapport {

inline const QString kGeenBevestiging = QStringLiteral("0. Geen mechanische bevestiging");

// The units the reports append to screen texts: one space, then the unit
// (with the superscript two).
inline const char* const kM2KW = " m\u00b2K/W";
inline const char* const kWM2K = " W/m\u00b2K";
inline const char* const kWmK = " W/mK";
inline const char* const kProcent = " %";

// A result without a value ("-") takes no unit.
inline QString MetEenheid(const std::string& tekst, const char* eenheid = "") {
    if (tekst == kGeenWaarde) {
        return QString::fromStdString(tekst);
    }
    return QString::fromStdString(tekst) + QString::fromUtf8(eenheid);
}

// The texts of NEN-EN-ISO 6946 in both reports.
inline const QString kTitelDeltaUf = QStringLiteral("Correctie bevestigers (\u0394Uf):");
inline const QString kTitelRcMin = QStringLiteral("Rc dunste plek:");
// "0,0560 W/m²K (30,6 % van U)"
QString DeltaUfTekst(const std::string& deltaUf, const std::string& percentageU);

// Title, the "volgens NEN 1068" line and the table's header row. Titel
// returns the index of that line in the band, whose text names the method.
std::size_t Titel(TBand& band, const QString& titel);
// The title's line for a method: "volgens NEN 1068", "volgens NEN-EN-ISO 6946".
QString Normregel(TMethode methode);
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

// A fixed resistance as a computed field of that many decimals shows it.
QString Vast(double waarde, int decimalen);

} // namespace rcveltor::rapport
