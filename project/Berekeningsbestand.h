#pragma once

#include "calc/Methode.h"
#include "project/Projectgegevens.h"

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rcveltor {

class TRekenModel;

// A screen's inputs under their keys in the file, in the order they are
// applied; numbers as shown, with "," as decimal separator. A list chosen by
// its place holds that place ("3"), a check box "true" or "false".
using TInvoer = std::vector<std::pair<std::string, std::string>>;

// The shown outcome of a screen.
struct TUitkomst {
    std::string Rc; // Rc as shown [m2K/W], "," as decimal separator
    std::string U;  // U as shown [W/m2K], "," as decimal separator
    bool operator==(const TUitkomst&) const = default;
};

// The keys of a file of this version that this release does not know (a
// later release may add some), each with its value as JSON text: kept so that
// a save gives them back.
struct TOnbekendeSleutels {
    using TLeden = std::vector<std::pair<std::string, std::string>>;
    TLeden Bestand; // at the top level
    TLeden Project;
    TLeden Plat;
    TLeden Afschot;
    TLeden Vocht;
    bool operator==(const TOnbekendeSleutels&) const = default;
};

// One calculation as kept in a .rcv file.
struct TBerekeningsbestand {
    std::string Programma;                // version of the program that saved it
    std::string Opgeslagen;               // time of saving, ISO 8601 in UTC
    TProjectgegevens Project;             // the project data
    TMethode Methode = TMethode::Nen1068; // method of both screens; applied before the inputs
    TInvoer Plat;                         // the flat-roof screen's inputs
    std::string WensRc;                   // the wizard's wanted Rc as shown; empty: its start value
    TInvoer Afschot;                      // the tapered screen's inputs
    TInvoer Vocht; // the moisture check's inputs; empty while all have their start value
    std::optional<TUitkomst> UitkomstPlat;    // flat roof's Rc and U at saving
    std::optional<TUitkomst> UitkomstAfschot; // tapered roof's Rc and U at saving
    TOnbekendeSleutels Onbekend;              // written back after the known keys
    bool operator==(const TBerekeningsbestand&) const = default;
};

// The file's identification and the highest version this program reads.
inline constexpr const char* kBestandsformaat = "rcveltor-berekening";
inline constexpr int kBestandsversie = 1;
// Larger files are refused before they are parsed.
inline constexpr std::size_t kMaxBestandsgrootte = std::size_t{1} << 20;

// The calculation as the screens show it now. wensRc: the wizard's field as
// shown; programma: this program's version; tijd: the moment of saving.
TBerekeningsbestand Vastleggen(TRekenModel& model, const TProjectgegevens& project,
                               const std::string& wensRc, const std::string& programma,
                               std::time_t tijd);

// The file's text: one UTF-8 JSON object, keys in a fixed order.
std::string AlsBestandstekst(const TBerekeningsbestand& berekening);

// "2026-12-09T13:05:00Z".
std::string IsoTijd(std::time_t tijd);

} // namespace rcveltor
