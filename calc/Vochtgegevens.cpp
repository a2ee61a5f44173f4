#include "calc/Vochtgegevens.h"

#include "basis/RcFout.h"
#include "calc/Iniregels.h"
#include "calc/Producten.h"

#include <charconv>
#include <cmath>
#include <set>

namespace rcveltor {

namespace {

// A decimal number with a point, the whole text; nullopt otherwise.
std::optional<double> Getal(std::string_view tekst) {
    double waarde = 0;
    const auto [eind, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde,
                                              std::chars_format::fixed);
    if (fout != std::errc{} || eind != tekst.data() + tekst.size() || !std::isfinite(waarde)) {
        return std::nullopt;
    }
    return waarde;
}

std::string Fout(const std::string& bestandsnaam, const TIniRegel& r, const std::string& wat) {
    return IniPlaats(bestandsnaam, r.Regel) + wat;
}

// "mu 60" or "sd 1500" (and "invoer" where the user types the sd).
struct TWaardetekst {
    bool Invoer = false;
    TDampwaarde Waarde;
};

TWaardetekst LeesWaarde(const std::string& bestandsnaam, const TIniRegel& r, bool invoerMag) {
    const std::string_view w = r.Waarde;
    if (invoerMag && w == "invoer") {
        return {true, {}};
    }
    const bool mu = w.starts_with("mu ");
    const bool sd = w.starts_with("sd ");
    const std::optional<double> getal = (mu || sd) ? Getal(w.substr(3)) : std::nullopt;
    if (!getal || *getal < 0) {
        throw RcFout(Fout(bestandsnaam, r,
                          "verwacht \"mu <getal>\" of \"sd <getal>\" (0 of meer, punt als "
                          "decimaalteken), gelezen \"" +
                              IniCitaat(w) + "\""));
    }
    TWaardetekst uit;
    uit.Waarde.Vast = sd;
    (sd ? uit.Waarde.Sd : uit.Waarde.Mu) = *getal;
    return uit;
}

void Eis(const TDampwaarden& lijst, std::string_view naam, const std::string& sectie,
         const std::string& bestandsnaam) {
    if (lijst.find(naam) == lijst.end()) {
        throw RcFout("\"" + bestandsnaam + "\": geen waarde voor \"" + std::string(naam) +
                     "\" in [" + sectie + "].");
    }
}

std::array<double, kMaanden> TwaalfGetallen(const std::string& bestandsnaam, const TIniRegel& r,
                                            double laagste, double hoogste,
                                            const std::string& bereik) {
    std::array<double, kMaanden> uit{};
    std::size_t aantal = 0;
    std::string_view rest = r.Waarde;
    // Every pass takes at least one character off the text.
    while (!rest.empty()) {
        const auto begin = rest.find_first_not_of(" \t");
        if (begin == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(begin);
        const auto eind = std::min(rest.find_first_of(" \t"), rest.size());
        const std::optional<double> getal = Getal(rest.substr(0, eind));
        if (!getal || *getal < laagste || *getal > hoogste || aantal == kMaanden) {
            break;
        }
        uit[aantal++] = *getal;
        rest.remove_prefix(eind);
    }
    if (!rest.empty() || aantal != kMaanden) {
        throw RcFout(Fout(bestandsnaam, r,
                          "\"" + r.Sleutel + "\" verwacht 12 getallen van " + bereik +
                              ", gelezen \"" + IniCitaat(r.Waarde) + "\""));
    }
    return uit;
}

} // namespace

TVochtgegevens VochtgegevensUitTekst(std::string_view tekst, const std::string& bestandsnaam) {
    TVochtgegevens uit;
    std::set<std::pair<std::string, std::string>> gezien;
    for (const TIniRegel& r : LeesIniRegels(tekst, bestandsnaam)) {
        TDampwaarden* lijst = r.Sectie == "Isolatie"            ? &uit.Isolatie
                              : r.Sectie == "Dampremmen"        ? &uit.Dampremmen
                              : r.Sectie == "Onderconstructies" ? &uit.Onderconstructies
                                                                : nullptr;
        if (lijst == nullptr && r.Sectie != "Dakbedekking") {
            continue;
        }
        if (!gezien.emplace(r.Sectie, r.Sleutel).second) {
            throw RcFout(
                Fout(bestandsnaam, r,
                     "\"" + IniCitaat(r.Sleutel) + "\" staat twee keer in [" + r.Sectie + "]"));
        }
        const TWaardetekst w = LeesWaarde(bestandsnaam, r, lijst == nullptr);
        if (lijst != nullptr) {
            (*lijst)[r.Sleutel] = w.Waarde;
        } else if (w.Invoer) {
            uit.Dakbedekkingen.push_back({r.Sleutel, std::nullopt});
        } else if (w.Waarde.Vast) {
            uit.Dakbedekkingen.push_back({r.Sleutel, w.Waarde.Sd});
        } else {
            throw RcFout(Fout(bestandsnaam, r,
                              "een dakbedekking heeft \"sd <getal>\" of \"invoer\", gelezen \"" +
                                  IniCitaat(r.Waarde) + "\""));
        }
    }
    for (const auto& plaat : IsolatieProducten()) {
        Eis(uit.Isolatie, plaat.Naam, "Isolatie", bestandsnaam);
    }
    for (const auto& plaat : AfschotProducten()) {
        Eis(uit.Isolatie, plaat.Naam, "Isolatie", bestandsnaam);
    }
    for (const auto& damprem : Dampremmen()) {
        Eis(uit.Dampremmen, damprem.Naam, "Dampremmen", bestandsnaam);
    }
    for (const auto& ondercons : Onderconstructies()) {
        Eis(uit.Onderconstructies, ondercons.Naam, "Onderconstructies", bestandsnaam);
    }
    if (uit.Dakbedekkingen.empty()) {
        throw RcFout("\"" + bestandsnaam + "\": [Dakbedekking] noemt geen enkele dakbedekking.");
    }
    return uit;
}

TVochtgegevens LeesVochtgegevens(const std::string& bestandsnaam) {
    return VochtgegevensUitTekst(LeesIniBestand(bestandsnaam, kMaxVochtbestand), bestandsnaam);
}

TKlimaat KlimaatUitTekst(std::string_view tekst, const std::string& bestandsnaam) {
    TKlimaat uit;
    bool temperatuur = false;
    bool vochtigheid = false;
    for (const TIniRegel& r : LeesIniRegels(tekst, bestandsnaam)) {
        if (r.Sectie != "Klimaat") {
            continue;
        }
        bool* gelezen = r.Sleutel == "Temperatuur"   ? &temperatuur
                        : r.Sleutel == "Vochtigheid" ? &vochtigheid
                                                     : nullptr;
        if (gelezen == nullptr) {
            continue;
        }
        if (*gelezen) {
            throw RcFout(
                Fout(bestandsnaam, r, "\"" + r.Sleutel + "\" staat twee keer in [Klimaat]"));
        }
        *gelezen = true;
        if (gelezen == &temperatuur) {
            uit.ThetaE = TwaalfGetallen(bestandsnaam, r, -50, 50, "-50 tot 50 °C");
        } else {
            uit.PhiE = TwaalfGetallen(bestandsnaam, r, 0, 100, "0 tot 100 %");
        }
    }
    if (!temperatuur || !vochtigheid) {
        throw RcFout("\"" + bestandsnaam + "\": [Klimaat] mist \"" +
                     (temperatuur ? "Vochtigheid" : "Temperatuur") + "\".");
    }
    return uit;
}

TKlimaat LeesKlimaat(const std::string& bestandsnaam) {
    return KlimaatUitTekst(LeesIniBestand(bestandsnaam, kMaxVochtbestand), bestandsnaam);
}

const TDampwaarde& ZoekDampwaarde(const TDampwaarden& lijst, std::string_view naam) {
    const auto plek = lijst.find(naam);
    if (plek == lijst.end()) {
        throw RcFout("Geen dampdiffusieweerstand bekend voor \"" + std::string(naam) + "\".");
    }
    return plek->second;
}

} // namespace rcveltor
