#pragma once

// Finds the TrueType files of the report font: through fontconfig, so the PDF
// export works wherever Liberation Sans is installed; on Windows beside the
// program, which ships them.

#include <QString>

namespace rcveltor::rapport {

struct TPdfLetters;

// The regular and bold files of Liberation Sans. Throws RcFout with a Dutch
// message when either is not installed.
TPdfLetters ZoekRapportLetters();

// On Windows: the shipped files join the fonts the screen draws with, so the
// windows and the preview show the report font as on Linux. After the
// application object exists.
void RegistreerRapportLetters();

} // namespace rcveltor::rapport
