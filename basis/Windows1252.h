#pragma once

// Windows-1252, the 8-bit code page of the table's names, the information
// text and the reports' simple fonts: one table for all of them.

#include <array>
#include <cstddef>
#include <optional>

namespace rcveltor {

// What the five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for: the C1 control with the same number, as Windows
// converts them, or no character (a font's WinAnsi encoding has no glyph there).
enum class TOnbezet { AlsC1, Geen };

namespace windows1252 {

// Unicode of the bytes 0x80-0x9F; 0 for the unassigned ones.
inline constexpr std::array<char16_t, 32> kHoog = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace windows1252

// The character of a byte; nullopt only for an unassigned byte under TOnbezet::Geen.
constexpr std::optional<char16_t> Windows1252NaarUnicode(unsigned char byte, TOnbezet onbezet) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    const char16_t teken = windows1252::kHoog[byte - 0x80u];
    if (teken != 0) {
        return teken;
    }
    if (onbezet == TOnbezet::AlsC1) {
        return byte;
    }
    return std::nullopt;
}

// The byte of a character; nullopt when the code page has none for it.
constexpr std::optional<unsigned char> UnicodeNaarWindows1252(char32_t teken, TOnbezet onbezet) {
    if (teken < 0x80 || (teken >= 0xA0 && teken <= 0xFF)) {
        return static_cast<unsigned char>(teken);
    }
    for (std::size_t i = 0; i < windows1252::kHoog.size(); ++i) {
        const auto byte = static_cast<unsigned char>(0x80 + i);
        if (Windows1252NaarUnicode(byte, onbezet) == teken) {
            return byte;
        }
    }
    return std::nullopt;
}

} // namespace rcveltor
