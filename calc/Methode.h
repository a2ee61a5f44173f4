#pragma once

#include <array>
#include <optional>
#include <string_view>

// The calculation method both screens share, and the texts that belong to it.

namespace rcveltor {

enum class TMethode {
    Nen1068, // the correction factor 1,05, the replacement lambda, rounded steps (default)
    Iso6946, // NEN-EN-ISO 6946:2017 without correction factor, in double, rounded only when shown
};

// The entries of the list "Rekenmethode", in shown order: index == static_cast<int>(TMethode).
inline constexpr std::array<std::string_view, 2> kMethodeTeksten{"NEN 1068", "NEN-EN-ISO 6946"};

// The list text of a method.
std::string_view MethodeTekst(TMethode methode);

// The key of a method in the calculation file and on the command line:
// "nen1068", "iso6946".
std::string_view MethodeSleutel(TMethode methode);
// The method of this key; nothing for any other text.
std::optional<TMethode> MethodeUitSleutel(std::string_view sleutel);

// The requirement for a new-build roof (Bbl) [m2K/W], judged on the unrounded Rc.
inline constexpr double kEisRc = 6.3;
// UTF-8 texts of the requirement line and the method line (reports, views).
inline constexpr std::string_view kEisRegel =
    "Eis nieuwbouw (Bbl): Rc \xe2\x89\xa5 6,3 m\xc2\xb2K/W";
inline constexpr std::string_view kVoldoet = "voldoet";
inline constexpr std::string_view kVoldoetNiet = "voldoet niet";
inline constexpr std::string_view kIsoBerekendVolgens =
    "Berekend volgens NEN-EN-ISO 6946:2017, zonder correctiefactor voor bouwkwaliteit";
// What a field without meaning in the chosen method shows, and a result that
// has no value yet (a tapered roof without area).
inline constexpr std::string_view kNvt = "n.v.t.";
inline constexpr std::string_view kGeenWaarde = "-";

} // namespace rcveltor
