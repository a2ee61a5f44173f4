#pragma once

#include <string>

namespace rcveltor {

// The project a calculation belongs to: one set for both screens. Every
// field may be empty.
struct TProjectgegevens {
    std::string Naam;           // "Project": the project's name
    std::string Nummer;         // "Projectnummer"
    std::string Adres;          // "Adres": street and number
    std::string PostcodePlaats; // "Postcode en plaats"
    std::string Opdrachtgever;  // "Opdrachtgever": the client
    std::string OpgesteldDoor;  // "Opgesteld door": the adviser
    std::string Datum;          // "Datum": YYYY-MM-DD, or empty
    std::string Opmerking;      // "Opmerking": several lines, "\n" between them

    // Every field empty: the reports then show no project block.
    bool Leeg() const;
    bool operator==(const TProjectgegevens&) const = default;
};

// "YYYY-MM-DD" naming a day of the Gregorian calendar.
bool IsDatum(const std::string& tekst);

} // namespace rcveltor
