#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rcveltor {

// The table keeps its names as 8-bit text in the Windows-1252 code page; the
// file may also carry them as UTF-16 or UTF-8. A character that Windows-1252
// lacks, and every malformed sequence, becomes '?'.
std::string Utf8NaarAnsi(std::string_view utf8);
std::string Utf16NaarAnsi(std::span<const std::uint16_t> utf16);
std::string AnsiNaarUtf8(std::string_view ansi);

bool IsAscii(std::string_view tekst);

// Case-insensitive equality over Windows-1252 letters, as field names compare.
bool GelijkZonderHoofdletters(std::string_view a, std::string_view b);

} // namespace rcveltor
