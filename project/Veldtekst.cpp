#include "project/Veldtekst.h"

namespace rcveltor {

namespace {

// The code point starting at `i` and its length in bytes; a byte that
// starts no valid sequence counts as itself, one byte long.
char32_t Teken(std::string_view s, std::size_t i, std::size_t& lengte) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF8 ? 4 : 1;
    if (n == 1 || i + n > s.size()) {
        lengte = 1;
        return b;
    }
    char32_t c = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto v = static_cast<unsigned char>(s[i + k]);
        if ((v >> 6) != 0x2) {
            lengte = 1;
            return b;
        }
        c = (c << 6) | (v & 0x3F);
    }
    lengte = n;
    return c;
}

bool IsRegelovergang(char32_t c) {
    return c == U'\n' || c == U'\r' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool IsRichtingteken(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsStuurteken(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

} // namespace

std::string SchoonVeldtekst(std::string_view tekst, bool regels) {
    std::string uit;
    uit.reserve(tekst.size());
    for (std::size_t i = 0; i < tekst.size();) {
        std::size_t lengte = 1;
        const char32_t c = Teken(tekst, i, lengte);
        if (IsRegelovergang(c)) {
            uit += regels ? '\n' : ' ';
            // CR LF is one line break.
            if (c == U'\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') {
                ++lengte;
            }
        } else if (c == U'\t') {
            uit += regels ? '\t' : ' ';
        } else if (!IsStuurteken(c) && !IsRichtingteken(c)) {
            uit.append(tekst.substr(i, lengte));
        }
        i += lengte;
    }
    return uit;
}

} // namespace rcveltor
