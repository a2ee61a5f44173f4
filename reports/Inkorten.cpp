#include "reports/Inkorten.h"

#include "reports/Tekstopmaak.h"

namespace rcveltor::rapport {

namespace {
const QString kPuntjes = QStringLiteral("\u2026");
}

qsizetype Past(const QString& tekst, const QString& achter, double breedte,
               const TLettertype& letter, const TLetterMaat& maat) {
    qsizetype laag = 0;
    qsizetype hoog = tekst.size();
    while (laag < hoog) {
        const qsizetype midden = (laag + hoog + 1) / 2;
        const QString proef = tekst.left(midden) + achter;
        if (maat.Breedte(proef, letter) <= breedte) {
            laag = midden;
        } else {
            hoog = midden - 1;
        }
    }
    if (laag > 0 && laag < tekst.size() && tekst.at(laag - 1).isHighSurrogate()) {
        --laag;
    }
    return laag;
}

QString Ingekort(const QString& tekst, double breedte, const TLettertype& letter,
                 const TLetterMaat& maat, bool afgebroken) {
    if (!afgebroken && maat.Breedte(tekst, letter) <= breedte) {
        return tekst;
    }
    const QString begin = tekst.left(Past(tekst, kPuntjes, breedte, letter, maat)).trimmed();
    return begin + kPuntjes;
}

} // namespace rcveltor::rapport
