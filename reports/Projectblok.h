#pragma once

// The project block of both reports: the project data in the free lower part
// of the body band.

#include "reports/Rapportmotor.h"

namespace rcveltor {
struct TProjectgegevens;
}

namespace rcveltor::rapport {

class TLetterMaat;

// Adds the block from `boven` [layout units] down to the band's bottom:
// bold labels, the values right of them, each cut with an ellipsis where it
// would not fit, and the remark wrapped over the lines left. Adds nothing
// when every field is empty.
void VoegProjectblok(TBand& band, double boven, const TProjectgegevens& project);
void VoegProjectblok(TBand& band, double boven, const TProjectgegevens& project,
                     const TLetterMaat& maat);

} // namespace rcveltor::rapport
