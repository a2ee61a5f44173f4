#pragma once

#include "calc/Vochtgegevens.h"

#include <array>
#include <optional>
#include <string_view>

// The moisture check of a flat roof: the surface temperature factor and the
// monthly condensation inside the roof after NEN-EN-ISO 13788.

namespace rcveltor {

// The layers, inside to outside, and their interfaces (inner surface first).
inline constexpr std::size_t kVochtLagen = 4;
inline constexpr std::size_t kVochtVlakken = kVochtLagen + 1;
inline constexpr std::size_t kLaagOnderconstructie = 0;
inline constexpr std::size_t kLaagDamprem = 1;
inline constexpr std::size_t kLaagIsolatie = 2;
inline constexpr std::size_t kLaagDakbedekking = 3;

// Surface resistances for heat flowing upward [m²K/W].
inline constexpr double kVochtRsi = 0.10;
inline constexpr double kVochtRse = 0.04;
// Indoor temperature [°C].
inline constexpr double kThetaI = 20.0;
// Vapour permeability of still air [kg/(m·s·Pa)].
inline constexpr double kDelta0 = 2e-10;
// Requirement on the surface temperature factor (dwellings).
inline constexpr double kFRsiEis = 0.65;
// The search range of the least vapour retarder [m].
inline constexpr double kMaxSdDamprem = 5000.0;

struct TVochtLaag {
    double Dikte = 0; // thickness [m]
    double R = 0;     // thermal resistance [m²K/W]
    double Sd = 0;    // equivalent air layer thickness μ · d [m]
};

struct TVochtInvoer {
    std::array<TVochtLaag, kVochtLagen> Lagen{}; // substructure, vapour retarder, board, covering
    int Klimaatklasse = 3;                       // humidity class of the inside, 1 to 5
    double U = 0;                                // U as the chosen method shows it [W/(m²K)]
    TKlimaat Klimaat;                            // the outdoor climate month by month
};

using TVlakwaarden = std::array<double, kVochtVlakken>;

struct TVochtMaand {
    int Maand = 0;        // 1 = January .. 12
    double ThetaE = 0;    // outdoor temperature [°C]
    double PhiE = 0;      // outdoor relative humidity [%]
    double Pi = 0;        // indoor vapour pressure [Pa]
    double Pe = 0;        // outdoor vapour pressure [Pa]
    TVlakwaarden Theta{}; // temperature per interface [°C]
    TVlakwaarden Psat{};  // saturation pressure per interface [Pa]
    TVlakwaarden P{};     // vapour pressure per interface [Pa]
    TVlakwaarden Gc{};    // condensed (+) or evaporating (−) this month per interface [g/m²]
    TVlakwaarden Ma{};    // held at the month's end per interface [g/m²]
    double GcTotaal = 0;  // Gc summed over the interfaces [g/m²]
    double MaTotaal = 0;  // Ma summed over the interfaces [g/m²]
};

enum class TVochtOordeel { GeenCondensatie, DroogtUit, HooptOp };

// The verdict's text as shown.
std::string_view OordeelTekst(TVochtOordeel oordeel);

struct TMinSdDamprem {
    double Sd = 0;            // least sd of the vapour retarder, a multiple of 0,1 [m]
    bool MeerDan5000 = false; // not even 5000 m is enough (Sd is then 5000)
};

struct TVochtUitkomst {
    double FRsi = 0;                             // surface temperature factor 1 − 0,25 · U [-]
    bool FRsiVoldoet = false;                    // FRsi reaches kFRsiEis
    TVlakwaarden SdCumulatief{};                 // sd from the inner surface to each interface [m]
    std::array<TVochtMaand, kMaanden> Maanden{}; // in calculation order, the start month first
    std::optional<int> Beginmaand;               // 1..12; none when no month condenses
    TVochtOordeel Oordeel = TVochtOordeel::GeenCondensatie; // verdict of the month method
    bool Voldoet = true;                                    // the verdict is not "hoopt zich op"
    double MaxCondensaat = 0;                               // largest accumulated amount [g/m²]
    TMinSdDamprem MinSdDamprem;                             // least vapour retarder for Voldoet
};

// Saturation vapour pressure over water (θ ≥ 0) or ice [Pa] at θ [°C].
double Psat(double theta);

// 1 − 0,25 · U.
double FRsi(double u);

// The month the diagram shows, as an index into Maanden: the one that
// condenses most, else the coldest (the first of equals).
std::size_t ErgsteMaand(const TVochtUitkomst& uitkomst);

// The whole check. Non-finite or negative layer values, a class outside 1..5,
// a climate outside the file's ranges or a U that is no number: RcFout.
TVochtUitkomst Vochtcontrole(const TVochtInvoer& invoer);

} // namespace rcveltor
