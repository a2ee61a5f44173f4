#pragma once

// The header band both reports share: the brand's bands, logo, photo strip
// and contact details.

#include "Rapportmotor.h"

namespace rcveltor::rapport {

TBand MaakKopband();

// The brand's contact details printed in the header band.
struct TContact {
    const char* Straat;
    const char* PostcodePlaats;
    const char* Telefoon;
    const char* Fax;
    const char* Email;
};
const TContact& Contactgegevens();

} // namespace rcveltor::rapport
