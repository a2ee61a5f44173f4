#include "Weergave.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>

namespace rcveltor {

namespace {

// Decimal digits d0 d1 ... with the value 0.d0d1... x 10^(exponent + 1).
struct Cijfers {
    std::array<char, 24> cijfers{}; // at most 18 significant digits
    int aantal = 0;
    int exponent = 0;
    std::string_view Tekst() const { return {cijfers.data(), static_cast<std::size_t>(aantal)}; }
};

// The magnitude's decimal expansion to the given number of significant digits,
// rounded to nearest from the exact binary value (locale-free).
Cijfers Reken(long double grootte, int significant) {
    char buf[64];
    // The decimal expansion of a value depends only on the value: one that a
    // double holds exactly takes the much faster double conversion.
    const double alsDouble = static_cast<double>(grootte);
    const auto r = static_cast<long double>(alsDouble) == grootte
                       ? std::to_chars(buf, buf + sizeof buf - 1, alsDouble,
                                       std::chars_format::scientific, significant - 1)
                       : std::to_chars(buf, buf + sizeof buf - 1, grootte,
                                       std::chars_format::scientific, significant - 1);
    *r.ptr = '\0';
    Cijfers c;
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p != '.' && c.aantal < static_cast<int>(c.cijfers.size())) {
            c.cijfers[static_cast<std::size_t>(c.aantal++)] = *p;
        }
    }
    c.exponent = p < r.ptr ? std::atoi(p + 1) : 0;
    return c;
}

// Every start-up and every wizard step shows the same values again, and the
// C library's long double conversion is the slow part of a recalculation:
// the last expansions are kept, per thread, in a small fixed table.
struct Onthouden {
    long double Grootte = -1; // never a magnitude
    int Significant = 0;
    Cijfers Uitkomst;
};

// The reference holds until the next call on the same thread.
const Cijfers& Expansie(long double grootte, int significant) {
    thread_local std::array<Onthouden, 1024> geheugen;
    // A multiplicative hash of the double's bits: the top ten bits pick the
    // place.
    const double d = static_cast<double>(grootte);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    bits = (bits + static_cast<std::uint64_t>(significant)) * 0x9E3779B97F4A7C15ULL;
    Onthouden& o = geheugen[static_cast<std::size_t>(bits >> 54)];
    if (o.Grootte != grootte || o.Significant != significant) {
        o.Grootte = grootte;
        o.Significant = significant;
        o.Uitkomst = Reken(grootte, significant);
    }
    return o.Uitkomst;
}

std::string Wetenschappelijk(const Cijfers& c, bool negatief, const std::string& scheiding) {
    std::string_view mantisse = c.Tekst();
    while (mantisse.size() > 1 && mantisse.back() == '0') {
        mantisse.remove_suffix(1);
    }
    std::string s = negatief ? "-" : "";
    s += mantisse[0];
    if (mantisse.size() > 1) {
        s += scheiding;
        s += mantisse.substr(1);
    }
    return s + "E" + std::to_string(c.exponent);
}

std::string NietEindig(long double waarde) {
    if (std::isnan(waarde)) {
        return "NAN";
    }
    return waarde < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormatVast(long double waarde, int decimalen, const std::string& scheiding) {
    if (!std::isfinite(waarde)) {
        return NietEindig(waarde);
    }
    const bool negatief = std::signbit(waarde);
    const Cijfers& c = Expansie(std::fabs(waarde), 18);
    if (waarde != 0 && c.exponent >= 18) {
        return Wetenschappelijk(Expansie(std::fabs(waarde), 15), negatief, scheiding);
    }
    // The digits with the decimal point after the first `punt` of them,
    // padded so that they cover every shown place. Shown for every field at
    // every recalculation: the digits are built in a buffer kept per thread.
    thread_local std::string alle;
    int punt = 1;
    if (waarde == 0) {
        alle.assign(static_cast<std::size_t>(1 + decimalen), '0');
    } else {
        alle.assign(c.Tekst());
        punt = c.exponent + 1;
        if (punt <= 0) {
            alle.insert(0, static_cast<std::size_t>(1 - punt), '0');
            punt = 1;
        }
        // Round half away from zero at 'decimalen' places.
        const std::size_t behouden = static_cast<std::size_t>(punt + decimalen);
        if (alle.size() > behouden) {
            const bool omhoog = alle[behouden] >= '5';
            alle.resize(behouden);
            if (omhoog) {
                int i = static_cast<int>(behouden) - 1;
                while (i >= 0 && alle[static_cast<std::size_t>(i)] == '9') {
                    alle[static_cast<std::size_t>(i)] = '0';
                    --i;
                }
                if (i < 0) {
                    alle.insert(0, 1, '1');
                    ++punt;
                } else {
                    ++alle[static_cast<std::size_t>(i)];
                }
            }
        } else {
            alle.append(behouden - alle.size(), '0');
        }
    }
    // The integer part without leading zeros, "0" at least.
    std::size_t eerste = 0;
    while (eerste + 1 < static_cast<std::size_t>(punt) && alle[eerste] == '0') {
        ++eerste;
    }
    const bool nul = alle.find_first_not_of('0') == std::string::npos;
    std::string s;
    s.reserve(alle.size() - eerste + scheiding.size() + 1);
    if (negatief && !nul) {
        s += '-';
    }
    s.append(alle, eerste, static_cast<std::size_t>(punt) - eerste);
    if (decimalen > 0) {
        s += scheiding;
        s.append(alle, static_cast<std::size_t>(punt));
    }
    return s;
}

std::string FormatAlgemeen(long double waarde, const std::string& scheiding) {
    if (!std::isfinite(waarde)) {
        return NietEindig(waarde);
    }
    if (waarde == 0) {
        return "0";
    }
    const bool negatief = waarde < 0;
    const Cijfers& c = Expansie(std::fabs(waarde), 15);
    if (c.exponent < -5 || c.exponent >= 15) {
        return Wetenschappelijk(c, negatief, scheiding);
    }
    std::string alle(c.Tekst());
    int punt = c.exponent + 1;
    if (punt <= 0) {
        alle.insert(0, static_cast<std::size_t>(1 - punt), '0');
        punt = 1;
    }
    std::string heel = alle.substr(0, static_cast<std::size_t>(punt));
    std::string fractie = alle.substr(static_cast<std::size_t>(punt));
    while (!fractie.empty() && fractie.back() == '0') {
        fractie.pop_back();
    }
    std::string s = negatief ? "-" : "";
    s += heel;
    if (!fractie.empty()) {
        s += scheiding + fractie;
    }
    return s;
}

namespace {
std::optional<double> Lees(const std::string& tekst, const std::string& scheiding) {
    const auto begin = tekst.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return std::nullopt;
    }
    const auto eind = tekst.find_last_not_of(" \t");
    const std::string_view t = std::string_view(tekst).substr(begin, eind - begin + 1);

    // Only sign, digits, one decimal separator and an exponent: no "nan",
    // "inf", hexadecimal or thousands separators. Read often: the
    // normalised text is built in place, without allocating.
    thread_local std::string genormaliseerd;
    genormaliseerd.clear();
    std::size_t i = 0;
    const auto cijferreeks = [&] {
        const std::size_t van = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
        }
        genormaliseerd.append(t.substr(van, i - van));
        return i > van;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') {
            genormaliseerd += '-';
        }
        ++i;
    }
    bool cijfers = cijferreeks();
    if (!scheiding.empty() && t.substr(i, scheiding.size()) == scheiding) {
        genormaliseerd += '.';
        i += scheiding.size();
        cijfers = cijferreeks() || cijfers;
    }
    if (!cijfers) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        genormaliseerd += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            genormaliseerd += t[i++];
        }
        if (!cijferreeks()) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    double waarde = 0;
    const char* b = genormaliseerd.data();
    const char* e = b + genormaliseerd.size();
    const auto r = std::from_chars(b, e, waarde, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e) {
        return std::nullopt;
    }
    return waarde;
}

} // namespace

std::optional<double> LeesGetal(const std::string& tekst, const std::string& scheiding) {
    // Every calculation reads its fields' texts again; the last texts read
    // are kept, per thread.
    struct Gelezen {
        std::string Tekst;
        std::string Scheiding;
        std::optional<double> Waarde;
        bool Gevuld = false;
    };
    thread_local std::array<Gelezen, 256> geheugen;
    // FNV-1a: the texts are a few characters long.
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : tekst) {
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    Gelezen& g = geheugen[static_cast<std::size_t>(h % geheugen.size())];
    if (!g.Gevuld || g.Tekst != tekst || g.Scheiding != scheiding) {
        g.Waarde = Lees(tekst, scheiding);
        g.Tekst = tekst;
        g.Scheiding = scheiding;
        g.Gevuld = true;
    }
    return g.Waarde;
}

} // namespace rcveltor
