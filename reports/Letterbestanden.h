#pragma once

// Finds the TrueType files of the report font through fontconfig, so the PDF
// export works wherever Liberation Sans is installed.

#include <QString>

namespace rcveltor::rapport {

struct TPdfLetters;

// The regular and bold files of Liberation Sans. Throws RcFout with a Dutch
// message when either is not installed.
TPdfLetters ZoekRapportLetters();

} // namespace rcveltor::rapport
