#pragma once

#include "calc/Scherm.h"

namespace rcveltor {

// The tapered screen ("Afschot"): a tapered insulation layer over three kinds
// of area, with the vapour retarder, substructure and fastener rows of the
// flat roof. Its fields carry the suffix 2 on the screen.
class TAfschotBerekening : public TLagenScherm {
public:
    explicit TAfschotBerekening(TGedeeld& gedeeld);

    TLijstVeld cbIsolatie2; // tapered board (type and slope)
    TNumVeld LambdaIsol2;   // declared lambda of the board [W/mK], 3 decimals
    TNumVeld MinDikte;      // thickness at the thin end [mm], general, typed or stepped
    TNumVeld AfschotLengte; // slope length [m], 2 decimals, typed or stepped
    TNumVeld MaxDikte;      // thickness at the thick end [mm], 2 decimals
    TNumVeld oppvl1;        // area of board type 1 (rectangle) [m2], 3 decimals
    TNumVeld oppvl2;        // area of board type 2 (triangle, thickest at apex) [m2], 3 decimals
    TNumVeld oppvl3;        // area of board type 3 (triangle, thinnest at apex) [m2], 3 decimals
    TNumVeld EditRc2;       // Rc of the tapered roof [m2K/W], 2 decimals; ISO: rounded down
    TNumVeld EditU2;        // U of the tapered roof [W/m2K], 2 decimals; ISO: Uc, 3 decimals
    TNumVeld EditRcMin2;    // "Rc dunste plek": ISO Rc at the minimum thickness [m2K/W], 2
                            // decimals rounded down; empty under NEN 1068

    // User actions; those on the shared rows are TLagenScherm's
    // (CBdampremCloseUp, CBonderconstructieCloseUp, CBcombinatieCloseUp).
    void cbIsolatie2CloseUp();

    // Calculations.
    void BerekenSomR() override;
    // MaxDikte, then Rc and U by the method of the moment. NEN-EN-ISO 6946
    // shows "-" for a roof without area, where NEN 1068 raises an error.
    void BerekenAfschot();
    void Herberekening() override;

    // Start values, run by the model's start-up (TRekenModel::Opstarten).
    void StartPlaat();
    void StartLambda();
    void StartGeometrie();

    std::vector<TNumVeld*> NumVelden() override;
    std::vector<TLijstVeld*> LijstVelden() override;

protected:
    std::string GekozenPlaatNaam() const override;
    double LambdaIsolWaarde() const override;

private:
    void MinDikteChange();
    void BerekenIso();
};

} // namespace rcveltor
