#pragma once

#include "NumVeld.h"

#include <string>
#include <vector>

namespace rcveltor {

class TLambdaTabel;
struct TMateriaalKeuze;

// A drop-down list of fixed entries without free text.
struct TLijstVeld {
    std::string Naam;               // the list's name on the screen
    std::vector<std::string> Items; // the entries, in shown order
    int ItemIndex = -1;             // selected entry; -1 for none

    // The selected entry's text; empty without a selection.
    std::string Tekst() const;
    // Index of the entry with exactly this text; -1 when the list lacks it.
    int IndexVan(const std::string& tekst) const;
};

// Refills a substructure list: kind 1 the four materials, kind 2 the steel
// deck alone, any other kind leaves the list as it is. No entry is selected
// afterwards and no choice runs.
void VulOnderconstructies(TLijstVeld& lijst, int soort);

// What both screens share with the main window.
struct TGedeeld {
    bool Initialiseren = false;    // start-up guard: the guarded handlers do nothing while set
    TLambdaTabel* Tabel = nullptr; // replacement-lambda table, owned by the main window
    std::string Scheiding = ",";   // decimal separator of every field: the system's
};

// A computed field (no range) and an input field.
TNumVeld MaakVeld(std::string naam, int decimalen, const TGedeeld& gedeeld);
TNumVeld MaakInvoer(std::string naam, int decimalen, const TGedeeld& gedeeld, double min,
                    double max, double stap, double paginaStap, bool typen);

// One row of a build-up, as a view onto the screen's fields.
struct TConstructieLaag {
    std::string Materiaal;                // the chosen entry or a fixed text
    const TNumVeld* Dikte = nullptr;      // thickness [mm]; nullptr shows "n.v.t."
    const TNumVeld* LambdaDecl = nullptr; // declared lambda [W/mK]; nullptr shows "n.v.t."
    const TNumVeld* RWaarde = nullptr;    // R of the row [m2K/W]
};

// The rows both calculation screens have in common: roof covering, vapour
// retarder, substructure, Som R and the fastener correction. The tapered
// screen's twins carry the suffix 2 in their names (DikteDamprem2, ...).
class TLagenScherm {
public:
    TLagenScherm(const TLagenScherm&) = delete;
    TLagenScherm& operator=(const TLagenScherm&) = delete;
    virtual ~TLagenScherm() = default;

    TNumVeld RmDakbed;             // R of the roof covering [m2K/W], 3 decimals
    TLijstVeld CBdamprem;          // vapour retarder
    TNumVeld DikteDamprem;         // vapour retarder thickness [mm], general
    TNumVeld LambdaDamprem;        // vapour retarder lambda [W/mK], 3 decimals
    TNumVeld RmDamprem;            // R of the vapour retarder [m2K/W], 3 decimals
    TLijstVeld CBonderconstructie; // substructure
    TNumVeld DikteOndercons;       // substructure thickness [mm], general
    TNumVeld LambdaOndercons;      // substructure lambda [W/mK], 3 decimals
    TNumVeld RmOndercons;          // R of the substructure [m2K/W], 3 decimals
    TNumVeld SubTotaalRc;          // Som R [m2K/W], 3 decimals
    TLijstVeld CBcombinatie;       // fastener combination
    TNumVeld EditAantal;           // fasteners per m2, 1 decimal
    TNumVeld LambdaRW;             // replacement lambda of the insulation [W/mK], 4 decimals
    int CombinatieNr = 0;          // number of the chosen combination, 0 for none

    // User actions on the shared rows.
    void CBdampremCloseUp();
    void CBonderconstructieCloseUp();
    void CBcombinatieCloseUp();

    // The fastener correction: composes table codes, looks them up and
    // writes LambdaRW.
    void BerekenLambdaRW();

    // Start values of the rows, run by the main window's start-up.
    void StartDakbedekking();
    void StartDamprem();
    void StartOnderconstructie();
    void StartCombinaties();
    void LeesCombinatieNr();

    // The screen's own Som R and recalculation.
    virtual void BerekenSomR() = 0;
    virtual void Herberekening() = 0;

    // Every numeric field of the screen, for views that show them all.
    virtual std::vector<TNumVeld*> NumVelden() = 0;
    virtual std::vector<TLijstVeld*> LijstVelden() = 0;

protected:
    TLagenScherm(TGedeeld& gedeeld, const std::string& achtervoegsel);

    // Text of the chosen board and its declared lambda (shown value).
    virtual std::string GekozenPlaatNaam() const = 0;
    virtual double LambdaIsolWaarde() const = 0;

    // Layer R = (d / 1000) / (lambda x factor), in extended precision.
    static long double LaagR(double dikte, double lambda, double factor);

    void VulCombinaties(const std::vector<int>& nummers);
    double LambdaFactor() const;

    TGedeeld& gedeeld;

private:
    void DampremGewijzigd();
    void OnderconsGewijzigd();
    void BewakteHerberekening();
    double ZoekLambda(double code);
};

} // namespace rcveltor
