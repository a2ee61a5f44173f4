#pragma once

// Cutting a text to the width of its box, with an ellipsis, as every report
// box that may receive a long value does.

#include "reports/Weergavelijst.h"

#include <QString>

namespace rcveltor::rapport {

class TLetterMaat;

// The longest start of `tekst` that fits `breedte` with `achter` after it;
// a surrogate pair stays whole.
qsizetype Past(const QString& tekst, const QString& achter, double breedte,
               const TLettertype& letter, const TLetterMaat& maat);

// The text, or its start with an ellipsis when it is too wide (or always,
// when `afgebroken` says text was left out after it).
QString Ingekort(const QString& tekst, double breedte, const TLettertype& letter,
                 const TLetterMaat& maat, bool afgebroken = false);

} // namespace rcveltor::rapport
