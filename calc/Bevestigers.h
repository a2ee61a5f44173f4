#pragma once

#include <array>
#include <cstddef>
#include <numbers>

// The fastener model of EN ISO 6946 annex F: the one place of its parameters,
// used by the NEN-EN-ISO 6946 calculation and by tools/lambdamodel, which
// derives the shipped table of replacement lambdas from them.

namespace rcveltor::bevestiging {

// Fastener diameter of the combinations 1 to 8 [mm].
inline constexpr std::array<double, 8> kDiameterMm = {5.0, 6.3, 8.0, 5.5, 6.7, 5.0, 6.3, 4.5};
// Lambda of the fastener's steel [W/mK].
inline constexpr double kLambdaF = 50.0;
// alpha = 0,8 x beta for a fastener through the layer.
inline constexpr double kAlphaFactor = 0.8;

// beta: 1 for a fastener through the layer (1-5); 0,25 for 6-8, whose steel
// stays low in the layer inside a plastic sleeve or plug.
constexpr double Beta(int combinatie) {
    return combinatie >= 6 ? 0.25 : 1.0;
}

constexpr double Alpha(int combinatie) {
    return kAlphaFactor * Beta(combinatie);
}

// Cross-section of the fastener of combination 1 to 8: pi x df^2 / 4 [m2].
constexpr double Doorsnede(int combinatie) {
    const double diameter = kDiameterMm[static_cast<std::size_t>(combinatie - 1)] / 1000.0;
    return std::numbers::pi * diameter * diameter / 4.0;
}

} // namespace rcveltor::bevestiging
