#include "calc/Vochtcontrole.h"

#include "basis/RcFout.h"

#include <algorithm>
#include <cmath>

namespace rcveltor {

namespace {

constexpr std::array<int, kMaanden> kDagen{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Δp of the humidity classes at θe ≤ 0 °C [Pa]; 1,1 is the safety factor on it.
constexpr double kDeltaPPerKlasse = 270.0;
constexpr double kVeiligheid = 1.1;
// Starting month when every month condenses: October.
constexpr int kOktober = 9;
// Interfaces closer than this in sd [m] are one point of the vapour line: a
// layer without vapour resistance holds no pressure difference.
constexpr double kSamenvallen = 1e-6;

// Interfaces at the same sd, with the coldest of them, where condensate forms.
struct TKnoop {
    double S = 0;            // sd from the inner surface [m]
    double Psat = 0;         // the lowest saturation pressure of its interfaces [Pa]
    std::size_t Vlak = 0;    // the interface of that lowest pressure
    std::size_t Eerste = 0;  // its first interface
    std::size_t Laatste = 0; // its last interface
};

bool NietNegatief(double waarde) {
    return std::isfinite(waarde) && waarde >= 0;
}

void Controleer(const TVochtInvoer& invoer) {
    double somR = 0;
    double somSd = 0;
    for (const TVochtLaag& laag : invoer.Lagen) {
        if (!NietNegatief(laag.Dikte) || !NietNegatief(laag.R) || !NietNegatief(laag.Sd)) {
            throw RcFout("Vochtcontrole: dikte, R en sd van elke laag moeten getallen van 0 of "
                         "meer zijn.");
        }
        somR += laag.R;
        somSd += laag.Sd;
    }
    if (!std::isfinite(somR) || !std::isfinite(somSd)) {
        throw RcFout("Vochtcontrole: de R of sd van de lagen samen is te groot.");
    }
    if (invoer.Klimaatklasse < 1 || invoer.Klimaatklasse > 5) {
        throw RcFout("Vochtcontrole: de klimaatklasse moet 1 tot en met 5 zijn.");
    }
    if (!NietNegatief(invoer.U)) {
        throw RcFout("Vochtcontrole: de U-waarde moet een getal van 0 of meer zijn.");
    }
    for (std::size_t m = 0; m < kMaanden; ++m) {
        const double theta = invoer.Klimaat.ThetaE[m];
        const double phi = invoer.Klimaat.PhiE[m];
        // Written so that NaN fails too.
        if (!(theta >= -50 && theta <= 50 && phi >= 0 && phi <= 100)) {
            throw RcFout("Vochtcontrole: het klimaat moet tussen -50 en 50 °C en tussen 0 en "
                         "100 % liggen.");
        }
    }
}

std::vector<TKnoop> Knopen(const TVlakwaarden& s, const TVlakwaarden& psat) {
    std::vector<TKnoop> knopen;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        if (!knopen.empty() && s[k] - knopen.back().S <= kSamenvallen) {
            TKnoop& knoop = knopen.back();
            knoop.Laatste = k;
            if (psat[k] < knoop.Psat) {
                knoop.Psat = psat[k];
                knoop.Vlak = k;
            }
        } else {
            knopen.push_back({s[k], psat[k], k, k, k});
        }
    }
    return knopen;
}

// One month, given what each interface held at its start; Ma is left to the caller.
TVochtMaand RekenMaand(const TVochtInvoer& invoer, std::size_t m, const TVlakwaarden& maVoor) {
    TVochtMaand uit;
    uit.Maand = static_cast<int>(m) + 1;
    uit.ThetaE = invoer.Klimaat.ThetaE[m];
    uit.PhiE = invoer.Klimaat.PhiE[m];
    uit.Pe = uit.PhiE / 100.0 * Psat(uit.ThetaE);
    const double aandeel = std::clamp((kThetaI - uit.ThetaE) / kThetaI, 0.0, 1.0);
    const double deltaP = kDeltaPPerKlasse * invoer.Klimaatklasse * aandeel;
    uit.Pi = uit.Pe + kVeiligheid * deltaP;

    double rTotaal = kVochtRsi + kVochtRse;
    for (const TVochtLaag& laag : invoer.Lagen) {
        rTotaal += laag.R;
    }
    TVlakwaarden s{};
    double r = kVochtRsi;
    for (std::size_t k = 0; k < kVochtVlakken; ++k) {
        if (k > 0) {
            r += invoer.Lagen[k - 1].R;
            s[k] = s[k - 1] + invoer.Lagen[k - 1].Sd;
        }
        uit.Theta[k] = kThetaI - (kThetaI - uit.ThetaE) * r / rTotaal;
        uit.Psat[k] = Psat(uit.Theta[k]);
    }

    const std::vector<TKnoop> knopen = Knopen(s, uit.Psat);
    const std::size_t n = knopen.size();
    if (n == 1) {
        // No vapour resistance at all: nothing holds vapour back inside.
        uit.P.fill(uit.Pe);
        uit.P[0] = uit.Pi;
        return uit;
    }
    std::array<bool, kVochtVlakken> vast{};
    TVlakwaarden pVast{};
    vast[0] = true;
    pVast[0] = uit.Pi;
    vast[n - 1] = true;
    pVast[n - 1] = uit.Pe;
    for (std::size_t j = 1; j + 1 < n; ++j) {
        if (maVoor[knopen[j].Vlak] > 0) {
            vast[j] = true;
            pVast[j] = knopen[j].Psat;
        }
    }
    const auto vorige = [&](std::size_t j) {
        while (!vast[j]) {
            --j;
        }
        return j;
    };
    const auto volgende = [&](std::size_t j) {
        while (!vast[j]) {
            ++j;
        }
        return j;
    };
    // The straight line between the fixed points, at node j.
    const auto lijn = [&](std::size_t j) {
        if (vast[j]) {
            return pVast[j];
        }
        const std::size_t a = vorige(j);
        const std::size_t b = volgende(j);
        return pVast[a] +
               (pVast[b] - pVast[a]) * (knopen[j].S - knopen[a].S) / (knopen[b].S - knopen[a].S);
    };
    // The lower envelope: fix the node that exceeds most, as often as there are nodes.
    for (std::size_t ronde = 0; ronde < n; ++ronde) {
        std::size_t hoogste = 0;
        double overschot = 0;
        for (std::size_t j = 1; j + 1 < n; ++j) {
            const double boven = lijn(j) - knopen[j].Psat;
            if (!vast[j] && boven > overschot) {
                overschot = boven;
                hoogste = j;
            }
        }
        if (hoogste == 0) {
            break;
        }
        vast[hoogste] = true;
        pVast[hoogste] = knopen[hoogste].Psat;
    }

    const double seconden = kDagen[m] * 86400.0;
    for (std::size_t j = 0; j < n; ++j) {
        const double p = lijn(j);
        for (std::size_t k = knopen[j].Eerste; k <= knopen[j].Laatste; ++k) {
            uit.P[k] = p;
        }
        if (j == 0 || j + 1 == n || !vast[j]) {
            continue;
        }
        const std::size_t a = vorige(j - 1);
        const std::size_t b = volgende(j + 1);
        const double in = (pVast[a] - pVast[j]) / (knopen[j].S - knopen[a].S);
        const double uitgaand = (pVast[j] - pVast[b]) / (knopen[b].S - knopen[j].S);
        uit.Gc[knopen[j].Vlak] = kDelta0 * (in - uitgaand) * seconden * 1000.0;
        uit.GcTotaal += uit.Gc[knopen[j].Vlak];
    }
    return uit;
}

bool Condenseert(const TVochtInvoer& invoer, std::size_t m) {
    const TVochtMaand maand = RekenMaand(invoer, m, {});
    return std::ranges::any_of(maand.Gc, [](double gc) { return gc > 0; });
}

struct TJaar {
    std::array<TVochtMaand, kMaanden> Maanden{};
    std::optional<int> Beginmaand;
    TVochtOordeel Oordeel = TVochtOordeel::GeenCondensatie;
    double MaxCondensaat = 0;
};

TJaar RekenJaar(const TVochtInvoer& invoer) {
    std::array<bool, kMaanden> condenseert{};
    for (std::size_t m = 0; m < kMaanden; ++m) {
        condenseert[m] = Condenseert(invoer, m);
    }
    TJaar jaar;
    std::size_t begin = 0;
    if (std::ranges::all_of(condenseert, [](bool c) { return c; })) {
        begin = kOktober;
        jaar.Beginmaand = kOktober + 1;
    } else {
        for (std::size_t m = 0; m < kMaanden; ++m) {
            if (condenseert[m] && !condenseert[(m + kMaanden - 1) % kMaanden]) {
                begin = m;
                jaar.Beginmaand = static_cast<int>(m) + 1;
                break;
            }
        }
    }
    TVlakwaarden ma{};
    for (std::size_t i = 0; i < kMaanden; ++i) {
        TVochtMaand maand = RekenMaand(invoer, (begin + i) % kMaanden, ma);
        for (std::size_t k = 0; k < kVochtVlakken; ++k) {
            const double nieuw = ma[k] + maand.Gc[k];
            ma[k] = nieuw > 0 ? nieuw : 0.0;
            maand.MaTotaal += ma[k];
        }
        maand.Ma = ma;
        jaar.MaxCondensaat = std::max(jaar.MaxCondensaat, maand.MaTotaal);
        jaar.Maanden[i] = maand;
    }
    if (jaar.Beginmaand) {
        jaar.Oordeel =
            jaar.Maanden.back().MaTotaal > 0 ? TVochtOordeel::HooptOp : TVochtOordeel::DroogtUit;
    }
    return jaar;
}

bool VoldoetMetDamprem(TVochtInvoer invoer, int tienden) {
    invoer.Lagen[kLaagDamprem].Sd = tienden / 10.0;
    return RekenJaar(invoer).Oordeel != TVochtOordeel::HooptOp;
}

// Bisection over the multiples of 0,1 m; more sd never lets more vapour in.
TMinSdDamprem MinSdDamprem(const TVochtInvoer& invoer) {
    constexpr int kHoogste = static_cast<int>(kMaxSdDamprem * 10);
    if (VoldoetMetDamprem(invoer, 0)) {
        return {0.0, false};
    }
    if (!VoldoetMetDamprem(invoer, kHoogste)) {
        return {kMaxSdDamprem, true};
    }
    int onvoldoende = 0;
    int voldoende = kHoogste;
    while (voldoende - onvoldoende > 1) {
        const int midden = onvoldoende + (voldoende - onvoldoende) / 2;
        (VoldoetMetDamprem(invoer, midden) ? voldoende : onvoldoende) = midden;
    }
    return {voldoende / 10.0, false};
}

} // namespace

std::string_view OordeelTekst(TVochtOordeel oordeel) {
    switch (oordeel) {
    case TVochtOordeel::GeenCondensatie:
        return "Geen inwendige condensatie";
    case TVochtOordeel::DroogtUit:
        return "Condensatie droogt binnen het jaar uit";
    case TVochtOordeel::HooptOp:
        return "Condensatie hoopt zich op";
    }
    return {};
}

double Psat(double theta) {
    return theta >= 0 ? 610.5 * std::exp(17.269 * theta / (237.3 + theta))
                      : 610.5 * std::exp(21.875 * theta / (265.5 + theta));
}

double FRsi(double u) {
    return 1.0 - 0.25 * u;
}

std::size_t ErgsteMaand(const TVochtUitkomst& uitkomst) {
    const auto& m = uitkomst.Maanden;
    const auto meest = std::ranges::max_element(
        m, [](const TVochtMaand& a, const TVochtMaand& b) { return a.GcTotaal < b.GcTotaal; });
    if (meest->GcTotaal > 0) {
        return static_cast<std::size_t>(meest - m.begin());
    }
    const auto koudste = std::ranges::min_element(
        m, [](const TVochtMaand& a, const TVochtMaand& b) { return a.ThetaE < b.ThetaE; });
    return static_cast<std::size_t>(koudste - m.begin());
}

TVochtUitkomst Vochtcontrole(const TVochtInvoer& invoer) {
    Controleer(invoer);
    TVochtUitkomst uit;
    uit.FRsi = FRsi(invoer.U);
    // The requirement holds at the boundary despite the binary rounding of 0,25 · U.
    uit.FRsiVoldoet = uit.FRsi >= kFRsiEis - 1e-9;
    for (std::size_t k = 1; k < kVochtVlakken; ++k) {
        uit.SdCumulatief[k] = uit.SdCumulatief[k - 1] + invoer.Lagen[k - 1].Sd;
    }
    TJaar jaar = RekenJaar(invoer);
    uit.Maanden = jaar.Maanden;
    uit.Beginmaand = jaar.Beginmaand;
    uit.Oordeel = jaar.Oordeel;
    uit.Voldoet = jaar.Oordeel != TVochtOordeel::HooptOp;
    uit.MaxCondensaat = jaar.MaxCondensaat;
    uit.MinSdDamprem = MinSdDamprem(invoer);
    return uit;
}

} // namespace rcveltor
