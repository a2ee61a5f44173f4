#pragma once

#include "calc/Vochtcontrole.h"
#include "calc/Vochtvelden.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The moisture check of a screen: its build-up as the check's four layers,
// the check, and the texts every view of it shows (the window, the report's
// second page, the calculator's "vocht" object).

namespace rcveltor {

class TRcBerekening;
class TAfschotBerekening;
class TRekenModel;

// The data of the check, read together.
struct TVochtdata {
    TVochtgegevens Gegevens; // "vocht.ini"
    TKlimaat Klimaat;        // "klimaat.ini"
};

// Reads "vocht.ini" and "klimaat.ini" where the program finds its data files
// (platform::ZoekDatabestand from `werkmap`). RcFout in Dutch.
TVochtdata LeesVochtdata(const std::string& werkmap);

// One layer of the check as the screen gives it.
struct TVochtRij {
    std::string Naam;            // the material as its list shows it
    std::optional<double> Dikte; // thickness [mm]; none for the covering
    std::optional<double>
        Lambda;   // lambda as shown [W/mK]; none without (R takes a substructure's factor)
    double R = 0; // thermal resistance [m2K/W]
    std::optional<double> Mu; // diffusion resistance factor [-]; none where sd is fixed
    double Sd = 0;            // equivalent air layer thickness [m]
};

// The check of one screen: its layers, what went into the engine, what came out.
struct TVochtBerekening {
    std::array<TVochtRij, kVochtLagen> Rijen{}; // substructure, vapour retarder, board, covering
    TVochtInvoer Invoer;
    TVochtUitkomst Uitkomst;
};

// The flat roof as it is; the tapered roof at its thinnest point (MinDikte),
// where it is worst. RcFout when a layer has no data or no number.
TVochtBerekening BerekenVocht(const TRcBerekening& scherm, const TVochtVelden& velden,
                              const TVochtdata& data);
TVochtBerekening BerekenVocht(const TAfschotBerekening& scherm, const TVochtVelden& velden,
                              const TVochtdata& data);
// The model's flat or tapered screen with the model's own inputs of the check.
TVochtBerekening BerekenVocht(const TRekenModel& model, bool afschot, const TVochtdata& data);

// The shown texts of one layer.
struct TVochtRijtekst {
    std::string Naam;
    std::string Dikte;  // [mm], as the screen shows it; "n.v.t." without
    std::string Lambda; // 3 decimals; "n.v.t." without
    std::string R;      // 3 decimals
    std::string Mu;     // general form; "n.v.t." where sd is fixed
    std::string Sd;     // 2 decimals
};

// The shown texts of one month, in the order the check runs them.
struct TVochtMaandtekst {
    int Maand = 0;      // 1 = January .. 12
    std::string ThetaE; // [°C], 1 decimal
    std::string PhiE;   // [%], whole
    std::string Pi;     // [Pa], whole
    std::string Pe;     // [Pa], whole
    std::string Gc;     // condensed (+) or evaporated (−) [g/m²], 1 decimal
    std::string Ma;     // held at the month's end [g/m²], 1 decimal
};

// What every view of the check shows, decimal comma.
struct TVochtWeergave {
    std::array<TVochtRijtekst, kVochtLagen> Rijen;
    std::string FRsi;          // 2 decimals
    std::string FRsiEis;       // "voldoet" or "voldoet niet"
    std::string Oordeel;       // the verdict of the month method
    bool Voldoet = true;       // the verdict is not "Condensatie hoopt zich op"
    std::string MaxCondensaat; // [g/m²], 1 decimal
    std::optional<int> Beginmaand;
    std::string MinSdDamprem;                     // [m], 1 decimal, or "> 5000"
    std::string MinSdZin;                         // "Benodigde sd dampremmende laag: 12,3 m"
    std::vector<std::string> GeschikteDampremmen; // of the list, at their start thickness
    std::array<TVochtMaandtekst, kMaanden> Maanden;
};

TVochtWeergave Weergave(const TVochtBerekening& berekening, const TVochtdata& data);

// "januari" .. "december".
std::string_view Maandnaam(int maand);

} // namespace rcveltor
