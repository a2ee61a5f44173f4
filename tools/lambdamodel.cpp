// Prints the model table of replacement lambdas (data/lambda.txt) on standard
// output. The values follow the fastener correction of EN ISO 6946 annex F
// with R1/RT taken as 1; data/README.md explains the model.
#include "calc/Bevestigers.h"
#include "calc/Producten.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string>

namespace {

constexpr std::array<double, 4> OntwerpLambda = {0.042, 0.037, 0.027, 0.020};
constexpr std::array<double, 4> OnderconstructieFactor = {1.00, 0.90, 0.95, 0.85};

// The substructure whose class (the code's tens digit) this is; which
// combinations it offers is the engine's to say.
const rcveltor::TMateriaalKeuze& Onderconstructie(int klasse) {
    const auto lijst = rcveltor::Onderconstructies();
    return *std::find_if(lijst.begin(), lijst.end(),
                         [&](const auto& m) { return m.Onderconstructieklasse == klasse; });
}

bool Biedt(const rcveltor::TMateriaalKeuze& onderconstructie, int combinatie) {
    return std::ranges::find(onderconstructie.Combinaties, combinatie) !=
           onderconstructie.Combinaties.end();
}

// alpha * lambda_f * A_f * n * factor, evaluated left to right.
double Toeslag(int combinatie, int onderconstructie, int aantalklasse) {
    namespace b = rcveltor::bevestiging;
    const double n = 3.0 * aantalklasse;
    return b::Alpha(combinatie) * b::kLambdaF * b::Doorsnede(combinatie) * n *
           OnderconstructieFactor[static_cast<std::size_t>(onderconstructie - 1)];
}

std::string Vijf(double waarde) {
    std::array<char, 64> buffer{};
    const auto [eind, fout] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), waarde,
                                            std::chars_format::fixed, 5);
    return fout == std::errc{} ? std::string(buffer.data(), eind) : std::string("?");
}

} // namespace

int main() {
    std::puts("# Vervangende lambda's [W/mK] per code; modelwaarden, zie README.md.");
    std::puts("# code = 1000 x lambdaklasse + 100 x combinatie + 10 x onderconstructie + "
              "aantalklasse");
    for (int lk = 1; lk <= 4; ++lk) {
        for (int comb = 1; comb <= 8; ++comb) {
            for (int oc = 1; oc <= 4; ++oc) {
                const auto& onderconstructie = Onderconstructie(oc);
                if (!Biedt(onderconstructie, comb)) {
                    continue;
                }
                std::printf("# lambdaklasse %d, combinatie %d, %.*s\n", lk, comb,
                            static_cast<int>(onderconstructie.Naam.size()),
                            onderconstructie.Naam.data());
                for (int ak = 1; ak <= 5; ++ak) {
                    const double lambda =
                        OntwerpLambda[static_cast<std::size_t>(lk - 1)] + Toeslag(comb, oc, ak);
                    std::printf("%d %s\n", 1000 * lk + 100 * comb + 10 * oc + ak,
                                Vijf(lambda).c_str());
                }
            }
        }
    }
    // The boards that go on steel deck alone have rows of their own, for the
    // one fastener combination their short list offers.
    std::string namen;
    double lambda = 0;
    int combinatie = 0;
    for (const auto& p : rcveltor::IsolatieProducten()) {
        if (!p.AlleenStaaldak) {
            continue;
        }
        namen += (namen.empty() ? "" : " en ") + std::string(p.Naam);
        lambda = p.Lambda;
        for (const int c : rcveltor::AangebodenCombinaties(Onderconstructie(1), p.Naam)) {
            combinatie = std::max(combinatie, c);
        }
    }
    std::printf("# %s met combinatie %d, zonder factor 1,05 in de berekening\n", namen.c_str(),
                combinatie);
    for (int ak = 1; ak <= 5; ++ak) {
        std::printf("%d %s\n", 9000 + 100 * combinatie + 10 + ak,
                    Vijf(lambda + Toeslag(combinatie, 1, ak) / 1.05).c_str());
    }
    return 0;
}
