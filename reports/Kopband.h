#pragma once

// The header band both reports share: the brand's bands, logo, photo strip
// and contact details.

#include "reports/Rapportmotor.h"

#include <QString>

namespace rcveltor::rapport {

TBand MaakKopband();

// The maker's details: the header band prints the address, telephone, fax
// and e-mail, each cut to its column with an ellipsis; the logo names the
// maker and the info window links the web address, so name and web address
// are kept beside them unprinted.
struct TContact {
    QString Naam;           // the maker's name
    QString Straat;         // street and number
    QString PostcodePlaats; // postcode and town
    QString Telefoon;       // telephone number
    QString Fax;            // fax number
    QString Email;          // e-mail address
    QString Web;            // web address
};

// Reads the maker's details from an INI file ([Fabrikant] with the keys
// Naam, Straat, PostcodePlaats, Telefoon, Fax, Email, Web); a missing file
// gives the shipped example.
TContact LeesContactgegevens(const QString& bestand);

// The details of "fabrikant.ini" in the working directory, read once, on the
// first call (the program calls it at start).
const TContact& Contactgegevens();

} // namespace rcveltor::rapport
