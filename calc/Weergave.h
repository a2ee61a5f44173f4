#pragma once

#include <optional>
#include <string>

// How numbers become the text a field shows and back. A field holds what it
// shows, so these functions decide the values every calculation reads.

namespace rcveltor {

// The decimal separator of every field the screens show; the command line
// reads its numbers with ".".
inline const std::string kDecimaalKomma = ",";

// Fixed decimals: rounded on the value's 18-significant-digit decimal
// expansion, halves away from zero. A negative value that rounds to zero
// shows without a minus sign. No thousands separator.
std::string FormatVast(long double waarde, int decimalen, const std::string& scheiding);

// General form: the shortest text with up to 15 significant digits (110,
// 0,2, 0,75); scientific below 0,00001 and from 10^15 on.
std::string FormatAlgemeen(long double waarde, const std::string& scheiding);

// The double nearest to the text, or nothing when the text is not a number.
// Leading and trailing blanks are ignored; the decimal separator is the given
// one; an exponent (E) is accepted.
std::optional<double> LeesGetal(const std::string& tekst, const std::string& scheiding);

} // namespace rcveltor
