#pragma once

#include "calc/NumVeld.h"
#include "calc/Scherm.h"

#include <span>
#include <string_view>

// The moisture check's inputs: one set for the calculation, whichever screen
// it checks.

namespace rcveltor {

// "Binnenklimaat": the humidity classes of the inside, class 1 first.
std::span<const std::string_view> Klimaatklassen();
// "Dakbedekking": the roof coverings; their sd comes from "vocht.ini".
std::span<const std::string_view> Dakbedekkingen();

inline constexpr int kStartKlimaatklasse = 3;
inline constexpr std::string_view kAndereDakbedekking = "Anders";
inline constexpr double kStartSdDakbedekking = 400.0;
inline constexpr double kMaxSdDakbedekking = 100000.0;

struct TVochtVelden {
    TVochtVelden();

    TLijstVeld Binnenklimaat; // "Binnenklimaat": the humidity class is ItemIndex + 1
    TLijstVeld Dakbedekking;  // "Dakbedekking"
    TNumVeld SdDakbedekking;  // the covering's sd when "Anders" is chosen [m], 1 decimal, typed
    bool OpRapport = false;   // "Vochtcontrole op rapport": both reports get a second page

    // 1 to 5.
    int Klimaatklasse() const { return Binnenklimaat.ItemIndex + 1; }
    // The user types the covering's sd.
    bool SdGetypt() const { return Dakbedekking.Tekst() == kAndereDakbedekking; }
    // Whether every input has its start value: a file then needs no "vocht".
    bool IsStart() const;
};

} // namespace rcveltor
