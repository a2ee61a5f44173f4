#pragma once

#include "project/Berekeningsbestand.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace rcveltor {

// A calculation file that cannot be opened; the message, in Dutch, names the
// file and what is wrong with it.
class TOnbruikbaarBestand : public std::runtime_error {
public:
    explicit TOnbruikbaarBestand(const std::string& melding) : std::runtime_error(melding) {}
};

// The message for file `naam` with this reason.
std::string Bestandsmelding(const std::string& naam, const std::string& reden);

// Parses and checks the whole text: format, version, every type and every
// project date. Unknown keys are not applied; those of a file of this version
// are kept in Onbekend for the next save. A missing key is an empty field
// (project) or the start value (inputs). naam: the file as messages name it.
TBerekeningsbestand LeesBerekening(std::string_view tekst, const std::string& naam);

// Reads the file at this UTF-8 path (refused over kMaxBestandsgrootte) and
// parses it.
TBerekeningsbestand LeesBerekeningsbestand(const std::string& pad);

} // namespace rcveltor
