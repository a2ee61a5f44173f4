#include "lambdatabel/Extended80.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace rcveltor {

static_assert(std::numeric_limits<double>::is_iec559, "the table format needs IEEE doubles");

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;

} // namespace

long double DecodeerExtended(std::span<const unsigned char, 10> bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) {
        significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
    }
    const unsigned teken_exponent = bytes[8] | (unsigned{bytes[9]} << 8);
    const bool negatief = (teken_exponent & 0x8000u) != 0;
    const int exponent = static_cast<int>(teken_exponent & 0x7FFFu);

    long double waarde;
    if (exponent == MaxExponent) {
        // Fraction bits zero: infinity; anything else is some kind of NaN.
        if ((significand & ~IntegerBit) == 0) {
            waarde = std::numeric_limits<long double>::infinity();
        } else {
            waarde = std::numeric_limits<long double>::quiet_NaN();
        }
    } else {
        // A zero exponent field denotes denormals, which scale like exponent 1.
        const int schaal = (exponent == 0 ? 1 : exponent) - ExponentBias - 63;
        // With an 80-bit long double both steps are exact, and the later
        // conversion to double rounds once. Where long double is only a double,
        // a significand wider than 53 bits is rounded here and again for a
        // result in double's denormal range; values that fit a double (as
        // every value the writer makes) still come out exact.
        waarde = std::ldexp(static_cast<long double>(significand), schaal);
    }
    return negatief ? -waarde : waarde;
}

TExtendedBytes CodeerExtended(double waarde) {
    const auto bits = std::bit_cast<std::uint64_t>(waarde);
    const bool negatief = (bits >> 63) != 0;
    const int exponent_double = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fractie = bits & ((std::uint64_t{1} << 52) - 1);

    int exponent = 0;
    std::uint64_t significand = 0;
    if (exponent_double == 0x7FF) {
        exponent = MaxExponent;
        // Keep a NaN's payload; the integer bit is set for infinity and NaN alike.
        significand = IntegerBit | (fractie << 11);
    } else if (exponent_double == 0) {
        if (fractie != 0) {
            // A double denormal becomes a normal number: shift its leading one up
            // to the integer bit.
            const int verschuiving = std::countl_zero(fractie);
            significand = fractie << verschuiving;
            exponent = 1 - 1023 - (verschuiving - 11) + ExponentBias;
        }
    } else {
        significand = IntegerBit | (fractie << 11);
        exponent = exponent_double - 1023 + ExponentBias;
    }

    TExtendedBytes uit{};
    for (std::size_t i = 0; i < 8; ++i) {
        uit[i] = static_cast<unsigned char>(significand >> (8 * i));
    }
    const unsigned teken_exponent = static_cast<unsigned>(exponent) | (negatief ? 0x8000u : 0u);
    uit[8] = static_cast<unsigned char>(teken_exponent & 0xFF);
    uit[9] = static_cast<unsigned char>(teken_exponent >> 8);
    return uit;
}

} // namespace rcveltor
