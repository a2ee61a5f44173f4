#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The lines of the program's small settings files ("[sectie]", "sleutel =
// waarde", ";" or "#" comments), without the meaning of any key.

namespace rcveltor {

// One "sleutel = waarde" line, its key and value trimmed.
struct TIniRegel {
    std::string Sectie;  // the section it stands in ("" before the first)
    std::string Sleutel; // text before the first "="
    std::string Waarde;  // text after it
    int Regel;           // line number, from 1
};

// The key lines of a text; a line that is neither empty, a comment, a section
// nor a key line is refused (RcFout naming the file and the line).
std::vector<TIniRegel> LeesIniRegels(std::string_view tekst, const std::string& bestandsnaam);

// The whole file as text through platform::LeesBestand (a pipe, folder or
// device is refused), at most `hoogstens` bytes; RcFout in Dutch otherwise.
std::string LeesIniBestand(const std::string& bestandsnaam, std::size_t hoogstens);

// "<file>, regel N: " for the messages of a file's readers.
std::string IniPlaats(const std::string& bestandsnaam, int regel);

// At most 60 characters of a read text, for a message.
std::string IniCitaat(std::string_view tekst);

} // namespace rcveltor
