#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The fixed product and material tables of both screens.

namespace rcveltor {

// One insulation board of the flat-roof list.
struct TIsolatieProduct {
    std::string_view Naam;                   // list text, also printed in the report
    double Lambda;                           // declared lambda [W/mK]
    double DikteMin;                         // thickness range, lower bound [mm]
    double DikteMax;                         // thickness range, upper bound [mm]
    double Stap;                             // spin step [mm]
    double GroteStap;                        // page step [mm]
    double StandaardDikte;                   // thickness set when the board is chosen [mm]
    std::span<const double> StandaardDiktes; // standard thicknesses, ascending [mm]
    bool AlleenStaaldak;                     // only "Geprofileerd staaldak" as substructure
};

// One entry of the vapour retarder or the substructure list.
struct TMateriaalKeuze {
    std::string_view Naam;      // list text, shown as the row's material
    double DikteMin;            // thickness range, lower bound [mm]
    double DikteMax;            // thickness range, upper bound [mm]
    double Stap;                // thickness step [mm]
    double BeginDikte;          // thickness set by the choice [mm]
    double Lambda;              // lambda set by the choice [W/mK]
    double LambdaFactor;        // factor on the lambda in the row's R (1 for vapour retarders)
    int Onderconstructieklasse; // tens digit of the lambda table code (0: none)
    std::span<const int> Combinaties; // fastener combinations offered, ascending
};

// One entry of the tapered product list.
struct TAfschotProduct {
    std::string_view Naam; // list text, printed in the report
    int Afschot;           // slope [mm/m]
    double Lambda;         // declared lambda [W/mK]
    double MinDikteMin;    // range of the minimum thickness, lower bound [mm]
    double MinDikteMax;    // range of the minimum thickness, upper bound [mm]
    double BeginDikte;     // minimum thickness set by the choice [mm]
    double Stap;           // small and large step of the minimum thickness [mm]
};

std::span<const TIsolatieProduct> IsolatieProducten();
std::span<const TMateriaalKeuze> Dampremmen();
std::span<const TMateriaalKeuze> Onderconstructies();
std::span<const TAfschotProduct> AfschotProducten();

// Texts of the fastener combinations 0 to 8.
std::string_view CombinatieTekst(int nummer);

// The number a combination text begins with: its leading digits (0 without).
int CombinatieNummer(std::string_view tekst);

// Looks an entry up by its list text; nullptr when no entry has that text.
const TMateriaalKeuze* ZoekDamprem(std::string_view naam);
const TMateriaalKeuze* ZoekOnderconstructie(std::string_view naam);

// The combinations a substructure offers, with the steel deck's short list
// (0 and 6) for the boards that go on steel deck alone.
std::vector<int> AangebodenCombinaties(const TMateriaalKeuze& onderconstructie,
                                       std::string_view plaatNaam);

// Whether the board of this list text goes on steel deck alone
// (TIsolatieProduct::AlleenStaaldak).
bool IsStaaldakPlaat(std::string_view plaatNaam);

inline constexpr std::string_view kGeenDamprem = "(geen)";
inline constexpr std::string_view kStaaldak = "Geprofileerd staaldak";
inline constexpr std::string_view kStartDamprem = "PE (getaped)";

// Fixed resistances [m2K/W] and the correction on the total resistance.
inline constexpr long double kRsi = 0.10L;
inline constexpr long double kRse = 0.04L;
inline constexpr long double kCorrectie = 0.05L;
inline constexpr double kRmDakbed = 0.06;

} // namespace rcveltor
