#include "lambdatabel/Tekstcodering.h"

#include "basis/Windows1252.h"

namespace rcveltor {

namespace {

// The names keep every byte: an unassigned one reads as the C1 control with
// its number and writes back as that byte, as Windows converts them.
char32_t AnsiNaarUnicode(unsigned char c) {
    return *Windows1252NaarUnicode(c, TOnbezet::AlsC1);
}

char UnicodeNaarAnsi(char32_t u) {
    return static_cast<char>(UnicodeNaarWindows1252(u, TOnbezet::AlsC1).value_or('?'));
}

} // namespace

std::string Utf8NaarAnsi(std::string_view utf8) {
    std::string uit;
    uit.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t lengte = 0;
        char32_t u = 0;
        char32_t minimum = 0;
        if (c < 0x80) {
            uit.push_back(static_cast<char>(c));
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            lengte = 2;
            u = c & 0x1Fu;
            minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            lengte = 3;
            u = c & 0x0Fu;
            minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            lengte = 4;
            u = c & 0x07u;
            minimum = 0x10000;
        } else {
            uit.push_back('?');
            ++i;
            continue;
        }
        std::size_t n = 1;
        while (n < lengte && i + n < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) {
            u = (u << 6) | (static_cast<unsigned char>(utf8[i + n]) & 0x3Fu);
            ++n;
        }
        // A broken sequence costs one '?' and resumes at the first byte that
        // did not belong to it.
        const bool geldig =
            n == lengte && u >= minimum && u <= 0x10FFFF && (u < 0xD800 || u > 0xDFFF);
        uit.push_back(geldig ? UnicodeNaarAnsi(u) : '?');
        i += n;
    }
    return uit;
}

std::string Utf16NaarAnsi(std::span<const std::uint16_t> utf16) {
    std::string uit;
    uit.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            // No character outside the basic plane exists in Windows-1252.
            uit.push_back('?');
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            uit.push_back('?');
        } else {
            uit.push_back(UnicodeNaarAnsi(u));
        }
    }
    return uit;
}

std::string AnsiNaarUtf8(std::string_view ansi) {
    std::string uit;
    uit.reserve(ansi.size());
    for (const char teken : ansi) {
        const char32_t u = AnsiNaarUnicode(static_cast<unsigned char>(teken));
        if (u < 0x80) {
            uit.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            uit.push_back(static_cast<char>(0xC0 | (u >> 6)));
            uit.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            uit.push_back(static_cast<char>(0xE0 | (u >> 12)));
            uit.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            uit.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return uit;
}

bool IsAscii(std::string_view tekst) {
    for (const char teken : tekst) {
        if (static_cast<unsigned char>(teken) >= 0x80) {
            return false;
        }
    }
    return true;
}

namespace {

unsigned char Klein(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Klein(static_cast<unsigned char>(a[i])) != Klein(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace rcveltor
