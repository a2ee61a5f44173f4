#include "calc/Iso6946.h"

#include "calc/Bevestigers.h"

#include <cmath>

namespace rcveltor::iso6946 {

namespace {

// Below this r1 / r0 the closed forms of the triangles lose digits to
// cancellation; their series converge fast there.
constexpr double kReeksGrens = 0.5;

// sum over k >= 1 of (-1)^(k+1) x^(k-1) coefficient(k): 64 terms reach 0.5^63.
template <typename Coefficient> double Reeks(double x, Coefficient coefficient) {
    double som = 0;
    double macht = 1;
    for (int k = 1; k <= 64; ++k) {
        som += (k % 2 == 1 ? 1.0 : -1.0) * macht * coefficient(k);
        macht *= x;
    }
    return som;
}

} // namespace

double DeltaUf(int combinatie, double aantal, double d0, double r1, double rt) {
    if (combinatie < 1 || combinatie > 8 || !(d0 > 0)) {
        return 0;
    }
    const double verhouding = r1 / rt;
    return bevestiging::Alpha(combinatie) * bevestiging::kLambdaF *
           bevestiging::Doorsnede(combinatie) * aantal / d0 * (verhouding * verhouding);
}

double URechthoek(double r0, double r1) {
    const double x = r1 / r0;
    if (x == 0) {
        return 1 / r0;
    }
    return std::log1p(x) / r1;
}

double UDriehoekDikTop(double r0, double r1) {
    const double x = r1 / r0;
    if (std::fabs(x) < kReeksGrens) {
        // (2 / r1) ((1 + 1/x) ln(1 + x) - 1) = (1 / r0) sum 2 (-x)^(k-1) / (k (k + 1))
        return Reeks(x, [](int k) { return 2.0 / (k * (k + 1.0)); }) / r0;
    }
    return 2 / r1 * ((1 + r0 / r1) * std::log1p(x) - 1);
}

double UDriehoekDunTop(double r0, double r1) {
    const double x = r1 / r0;
    if (std::fabs(x) < kReeksGrens) {
        // (2 / r1) (1 - ln(1 + x) / x) = (1 / r0) sum 2 (-x)^(k-1) / (k + 1)
        return Reeks(x, [](int k) { return 2.0 / (k + 1.0); }) / r0;
    }
    return 2 / r1 * (1 - r0 / r1 * std::log1p(x));
}

double RcOmlaag(double rc) {
    // From 2^46 on every double lies within 1/128 of a number of two
    // decimals that rounds to it: rc is its own answer. Below, k stays
    // under 2^53 and counts exactly.
    if (!std::isfinite(rc) || std::fabs(rc) >= 0x1p46) {
        return rc;
    }
    double k = std::floor(rc * 100);
    // rc x 100 and k / 100 are rounded once each: the answer lies at most
    // two steps above k or one below, whatever rc's magnitude.
    for (int stap = 0; stap < 2 && (k + 1) / 100 <= rc; ++stap) {
        k += 1;
    }
    if (k / 100 > rc) {
        k -= 1;
    }
    return k / 100;
}

} // namespace rcveltor::iso6946
