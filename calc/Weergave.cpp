#include "calc/Weergave.h"

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
Cijfers Expandeer(long double grootte, int significant) {
    char tekst[64];
    // The decimal expansion of a value depends only on the value: one that a
    // double holds exactly takes the much faster double conversion.
    const double alsDouble = static_cast<double>(grootte);
    const auto geschreven = static_cast<long double>(alsDouble) == grootte
                                ? std::to_chars(tekst, tekst + sizeof tekst - 1, alsDouble,
                                                std::chars_format::scientific, significant - 1)
                                : std::to_chars(tekst, tekst + sizeof tekst - 1, grootte,
                                                std::chars_format::scientific, significant - 1);
    *geschreven.ptr = '\0';
    Cijfers uitkomst;
    const char* teken = tekst;
    for (; teken < geschreven.ptr && *teken != 'e'; ++teken) {
        if (*teken != '.' && uitkomst.aantal < static_cast<int>(uitkomst.cijfers.size())) {
            uitkomst.cijfers[static_cast<std::size_t>(uitkomst.aantal++)] = *teken;
        }
    }
    uitkomst.exponent = teken < geschreven.ptr ? std::atoi(teken + 1) : 0;
    return uitkomst;
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
    const double alsDouble = static_cast<double>(grootte);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &alsDouble, sizeof bits);
    bits = (bits + static_cast<std::uint64_t>(significant)) * 0x9E3779B97F4A7C15ULL;
    Onthouden& plek = geheugen[static_cast<std::size_t>(bits >> 54)];
    if (plek.Grootte != grootte || plek.Significant != significant) {
        plek.Grootte = grootte;
        plek.Significant = significant;
        plek.Uitkomst = Expandeer(grootte, significant);
    }
    return plek.Uitkomst;
}

std::string Wetenschappelijk(const Cijfers& cijfers, bool negatief, const std::string& scheiding) {
    std::string_view mantisse = cijfers.Tekst();
    while (mantisse.size() > 1 && mantisse.back() == '0') {
        mantisse.remove_suffix(1);
    }
    std::string tekst = negatief ? "-" : "";
    tekst += mantisse[0];
    if (mantisse.size() > 1) {
        tekst += scheiding;
        tekst += mantisse.substr(1);
    }
    return tekst + "E" + std::to_string(cijfers.exponent);
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
    const Cijfers& cijfers = Expansie(std::fabs(waarde), 18);
    if (waarde != 0 && cijfers.exponent >= 18) {
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
        alle.assign(cijfers.Tekst());
        punt = cijfers.exponent + 1;
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
    std::string tekst;
    tekst.reserve(alle.size() - eerste + scheiding.size() + 1);
    if (negatief && !nul) {
        tekst += '-';
    }
    tekst.append(alle, eerste, static_cast<std::size_t>(punt) - eerste);
    if (decimalen > 0) {
        tekst += scheiding;
        tekst.append(alle, static_cast<std::size_t>(punt));
    }
    return tekst;
}

std::string FormatAlgemeen(long double waarde, const std::string& scheiding) {
    if (!std::isfinite(waarde)) {
        return NietEindig(waarde);
    }
    if (waarde == 0) {
        return "0";
    }
    const bool negatief = waarde < 0;
    const Cijfers& cijfers = Expansie(std::fabs(waarde), 15);
    if (cijfers.exponent < -5 || cijfers.exponent >= 15) {
        return Wetenschappelijk(cijfers, negatief, scheiding);
    }
    std::string alle(cijfers.Tekst());
    int punt = cijfers.exponent + 1;
    if (punt <= 0) {
        alle.insert(0, static_cast<std::size_t>(1 - punt), '0');
        punt = 1;
    }
    std::string heel = alle.substr(0, static_cast<std::size_t>(punt));
    std::string fractie = alle.substr(static_cast<std::size_t>(punt));
    while (!fractie.empty() && fractie.back() == '0') {
        fractie.pop_back();
    }
    std::string tekst = negatief ? "-" : "";
    tekst += heel;
    if (!fractie.empty()) {
        tekst += scheiding + fractie;
    }
    return tekst;
}

namespace {
std::optional<double> LeesZonderGeheugen(const std::string& tekst, const std::string& scheiding) {
    const auto begin = tekst.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return std::nullopt;
    }
    const auto eind = tekst.find_last_not_of(" \t");
    const std::string_view kern = std::string_view(tekst).substr(begin, eind - begin + 1);

    // Only sign, digits, one decimal separator and an exponent: no "nan",
    // "inf", hexadecimal or thousands separators. Read often: the
    // normalised text is built in place, without allocating.
    thread_local std::string genormaliseerd;
    genormaliseerd.clear();
    std::size_t i = 0;
    const auto cijferreeks = [&] {
        const std::size_t van = i;
        while (i < kern.size() && kern[i] >= '0' && kern[i] <= '9') {
            ++i;
        }
        genormaliseerd.append(kern.substr(van, i - van));
        return i > van;
    };
    if (i < kern.size() && (kern[i] == '+' || kern[i] == '-')) {
        if (kern[i] == '-') {
            genormaliseerd += '-';
        }
        ++i;
    }
    bool cijfers = cijferreeks();
    if (!scheiding.empty() && kern.substr(i, scheiding.size()) == scheiding) {
        genormaliseerd += '.';
        i += scheiding.size();
        cijfers = cijferreeks() || cijfers;
    }
    if (!cijfers) {
        return std::nullopt;
    }
    if (i < kern.size() && (kern[i] == 'e' || kern[i] == 'E')) {
        genormaliseerd += 'e';
        ++i;
        if (i < kern.size() && (kern[i] == '+' || kern[i] == '-')) {
            genormaliseerd += kern[i++];
        }
        if (!cijferreeks()) {
            return std::nullopt;
        }
    }
    if (i != kern.size()) {
        return std::nullopt;
    }
    double waarde = 0;
    const char* van = genormaliseerd.data();
    const char* tot = van + genormaliseerd.size();
    const auto gelezen = std::from_chars(van, tot, waarde, std::chars_format::general);
    if (gelezen.ec != std::errc() || gelezen.ptr != tot) {
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
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char teken : tekst) {
        hash = (hash ^ static_cast<unsigned char>(teken)) * 0x100000001b3ULL;
    }
    Gelezen& plek = geheugen[static_cast<std::size_t>(hash % geheugen.size())];
    if (!plek.Gevuld || plek.Tekst != tekst || plek.Scheiding != scheiding) {
        plek.Waarde = LeesZonderGeheugen(tekst, scheiding);
        plek.Tekst = tekst;
        plek.Scheiding = scheiding;
        plek.Gevuld = true;
    }
    return plek.Waarde;
}

} // namespace rcveltor
