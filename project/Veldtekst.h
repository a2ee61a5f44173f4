#pragma once

// What a project field may hold, the same for the dialog and the file reader:
// a pasted line break must not glue two words together, and the controls
// that turn text around must not reach the report.

#include <string>
#include <string_view>

namespace rcveltor {

// A project field's text (UTF-8) cleaned. On one line every line break
// (CR, LF, CR LF, U+0085, U+2028, U+2029) and tab becomes a space; with
// `regels` (the remark) a line break becomes "\n" and a tab stays. The
// bidirectional controls U+202A-U+202E and U+2066-U+2069 and every other
// control character are dropped.
std::string SchoonVeldtekst(std::string_view tekst, bool regels);

} // namespace rcveltor
