#include "calc/Rekenen.h"

#include "basis/RcFout.h"

#include <cmath>
#include <limits>

// Every figure the screens show is rounded from intermediate results in the
// x87 80-bit format; with a 64-bit long double (MSVC, -mlong-double-64) the
// program would build and show other figures without a word.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the engine needs long double in the x87 80-bit format (64-bit mantissa): build "
              "with g++ or clang for x86 (MinGW-w64 on Windows), not with MSVC or "
              "-mlong-double-64");

namespace rcveltor {

namespace {
const char* const kDeelDoorNul = "Floating point division by zero";
const char* const kOngeldig = "Invalid floating point operation";
const char* const kOverloop = "Floating point overflow";
} // namespace

long double Controleer(long double x) {
    if (std::isnan(x)) {
        throw RcFout(kOngeldig);
    }
    if (std::isinf(x)) {
        throw RcFout(kOverloop);
    }
    return x;
}

long double Deel(long double teller, long double noemer) {
    if (std::isnan(teller) || std::isnan(noemer)) {
        throw RcFout(kOngeldig);
    }
    if (noemer == 0.0L) {
        throw RcFout(teller == 0.0L ? kOngeldig : kDeelDoorNul);
    }
    return Controleer(teller / noemer);
}

long double Ln(long double x) {
    if (std::isnan(x) || x < 0.0L) {
        throw RcFout(kOngeldig);
    }
    if (x == 0.0L) {
        throw RcFout(kDeelDoorNul);
    }
    return Controleer(std::log(x));
}

double Afronden(long double x, int n) {
    long double schaal = 1.0L;
    for (int i = 0; i < n; ++i) {
        schaal *= 10.0L;
    }
    // nearbyint follows the current rounding mode, round-to-nearest-even.
    const long double geheel = std::nearbyint(Controleer(x * schaal));
    const long double resultaat = Controleer(geheel / schaal);
    return static_cast<double>(resultaat);
}

double Interpoleer(long double x, long double x0, long double x1, long double y0, long double y1) {
    return static_cast<double>(Controleer(y0 + (x - x0) * Deel(y1 - y0, x1 - x0)));
}

double Extrapoleer(long double x, long double x0, long double x1, long double y0, long double y1) {
    return static_cast<double>(Controleer(y0 + (y1 - y0) * Deel(x - x0, x1 - x0)));
}

} // namespace rcveltor
