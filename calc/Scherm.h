#pragma once

#include "calc/Methode.h"
#include "calc/NumVeld.h"

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

// What both screens of one model (TRekenModel) share.
struct TGedeeld {
    bool Initialiseren = false; // start-up guard: the guarded handlers do nothing while set
    // Replacement-lambda table: the model's own, or one a batch loaded once
    // for all its models (TRekenModel::Opstarten).
    TLambdaTabel* Tabel = nullptr;
    // The method of both screens; switched with TRekenModel::KiesMethode.
    TMethode Methode = TMethode::Nen1068;
};

// The unrounded outcome of a screen's NEN-EN-ISO 6946 calculation, behind
// the shown texts.
struct TIsoUitkomst {
    bool Geldig = false; // computed: the method is NEN-EN-ISO 6946 and the roof has an area
    double RT = 0;       // total resistance without fasteners [m2K/W]; tapered: 1 / U
    double U = 0;        // U without fasteners [W/m2K]
    double D0 = 0;       // insulation thickness the fasteners go through [m]; tapered: the mean
    double DeltaUf = 0;  // fastener correction [W/m2K]
    double Uc = 0;       // U + DeltaUf [W/m2K]
    double Rc = 0;       // 1 / Uc - Rsi - Rse [m2K/W]
    double RcMin = 0;    // tapered: Rc at the minimum thickness [m2K/W], set also without area
};

// A computed field (no range) and an input field.
TNumVeld MaakVeld(std::string naam, int decimalen);
TNumVeld MaakInvoer(std::string naam, int decimalen, double min, double max, double stap,
                    double paginaStap, bool typen);

// A layer's R from its fields, unrounded: d [mm] / (lambda x factor) [m2K/W];
// a layer without lambda ("(geen)") adds nothing.
double IsoLaagR(const TNumVeld& dikte, const TNumVeld& lambda, double factor);

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

    // Results of NEN-EN-ISO 6946; empty under NEN 1068, "-" on a tapered
    // roof without area. Rc and U themselves show in the screen's EditRc/EditU.
    TNumVeld DeltaUf;     // fastener correction [W/m2K], 4 decimals ("DeltaUf", "DeltaUf2")
    TNumVeld PercentageU; // DeltaUf as a percentage of U [%], 1 decimal ("PercentageU", ...2)
    std::string Eis;      // requirement Rc >= kEisRc: kVoldoet or kVoldoetNiet ("Eis")
    TIsoUitkomst Iso;     // the unrounded values behind them

    // The method both screens calculate by (TRekenModel::KiesMethode sets it).
    TMethode Methode() const { return gedeeld.Methode; }

    // User actions on the shared rows.
    void CBdampremCloseUp();
    void CBonderconstructieCloseUp();
    void CBcombinatieCloseUp();

    // The fastener correction: composes table codes, looks them up and
    // writes LambdaRW.
    void BerekenLambdaRW();

    // Start values of the rows, run by the model's start-up (TRekenModel::Opstarten).
    void StartDakbedekking();
    void StartDamprem();
    void StartOnderconstructie();
    void StartCombinaties();
    void LeesCombinatieNr();

    // The screen's own Som R and recalculation.
    virtual void BerekenSomR() = 0;
    virtual void Herberekening() = 0;

    // R of the vapour retarder and of the substructure from the fields'
    // values, unrounded [m2K/W]; 0 without lambda ("(geen)"). The moisture
    // check takes the same.
    double IsoDampremR() const;
    double IsoOnderconsR() const;

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

    bool IsIso() const { return gedeeld.Methode == TMethode::Iso6946; }
    // Shows the outcome of NEN-EN-ISO 6946 in Rc (rounded down), U (Uc, 3
    // decimals) and the fields of this method; without area "-" in each.
    void ToonIso(const TIsoUitkomst& uitkomst, TNumVeld& rc, TNumVeld& u);
    // Under NEN 1068: the fields of the other method empty, U at 2 decimals.
    void WisIso(TNumVeld& u);
    // Under NEN-EN-ISO 6946 a layer change recalculates even where Som R
    // shows the same rounded text.
    void NaLaagwijziging();

    TGedeeld& gedeeld;

private:
    void DampremGewijzigd();
    void OnderconsGewijzigd();
    void BewakteHerberekening();
    double ZoekLambda(double code);
};

} // namespace rcveltor
