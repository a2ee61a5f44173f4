#pragma once

// Random command lines of both screens, for comparing runs that must agree
// (batch against separate runs, Windows against Linux). The same seed gives
// the same lines on every machine this is built on.

#include <cstdint>
#include <string>
#include <vector>

namespace rcveltor::test {

// Mostly valid options in realistic ranges, with now and then a number that
// does not parse, a list text the list lacks, an option of the other screen
// or an unknown one; the "--naam=waarde" form too. Never --json, --pdf,
// --batch, --lambda-bestand or --help.
std::vector<std::vector<std::string>> MaakOpdrachtregels(std::uint32_t zaad, std::size_t aantal);

// One line as a JSON array of strings.
std::string AlsJsonRegel(const std::vector<std::string>& argumenten);

} // namespace rcveltor::test
