#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The data of the moisture check: the materials' vapour resistance
// ("vocht.ini") and the outdoor climate month by month ("klimaat.ini").

namespace rcveltor {

// How a material's vapour resistance follows from its thickness.
struct TDampwaarde {
    double Mu = 0;     // diffusion resistance factor μ [-], when Vast is false
    double Sd = 0;     // the layer's sd whatever its thickness [m], when Vast is true
    bool Vast = false; // the sd is fixed, not μ · d

    double SdBij(double dikteMeter) const { return Vast ? Sd : Mu * dikteMeter; }
};

// One entry of the roof covering list.
struct TDakbedekking {
    std::string Naam;         // list text
    std::optional<double> Sd; // sd [m]; none: the user types it ("Anders")
};

using TDampwaarden = std::map<std::string, TDampwaarde, std::less<>>;

struct TVochtgegevens {
    TDampwaarden Isolatie;                     // per board name, of both insulation lists
    TDampwaarden Dampremmen;                   // per vapour retarder name
    TDampwaarden Onderconstructies;            // per substructure name
    std::vector<TDakbedekking> Dakbedekkingen; // in the file's order; the first is the default
};

inline constexpr int kMaanden = 12;

struct TKlimaat {
    std::array<double, kMaanden> ThetaE{}; // monthly mean outdoor temperature, January first [°C]
    std::array<double, kMaanden>
        PhiE{}; // monthly mean outdoor relative humidity, January first [%]
};

// The files at most this large are read.
inline constexpr std::size_t kMaxVochtbestand = 64 * 1024;

// Reads "vocht.ini": sections [Isolatie], [Dampremmen], [Onderconstructies]
// with "naam = mu 60" or "naam = sd 1500", and [Dakbedekking] with
// "naam = sd 400" or "naam = invoer". Every board, vapour retarder and
// substructure of the product lists must have its line, the covering list at
// least one; unknown sections and keys are skipped. RcFout in Dutch otherwise.
TVochtgegevens LeesVochtgegevens(const std::string& bestandsnaam);
TVochtgegevens VochtgegevensUitTekst(std::string_view tekst, const std::string& bestandsnaam);

// Reads "klimaat.ini": section [Klimaat] with "Temperatuur" (12 values,
// -50 to 50 °C) and "Vochtigheid" (12 values, 0 to 100 %), January first.
TKlimaat LeesKlimaat(const std::string& bestandsnaam);
TKlimaat KlimaatUitTekst(std::string_view tekst, const std::string& bestandsnaam);

// The entry of that name; RcFout when the data has none.
const TDampwaarde& ZoekDampwaarde(const TDampwaarden& lijst, std::string_view naam);

} // namespace rcveltor
