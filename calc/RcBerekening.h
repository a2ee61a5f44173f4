#pragma once

#include "calc/Scherm.h"

#include <array>

namespace rcveltor {

// The flat-roof screen ("Rc-berekening"): four layers, Som R, the fastener
// correction, Rc and U.
class TRcBerekening : public TLagenScherm {
public:
    explicit TRcBerekening(TGedeeld& gedeeld);

    TLijstVeld CBisolatie;           // insulation board
    TNumVeld DikteIsol;              // insulation thickness [mm], general, spin only
    TNumVeld LambdaIsol;             // declared lambda of the board [W/mK], 3 decimals
    TNumVeld RmIsol;                 // R of the insulation [m2K/W], 3 decimals
    TNumVeld EditRmIsolCor;          // R of the insulation with LambdaRW [m2K/W], 3 decimals
    TNumVeld RmReductie;             // loss of the insulation's R [m2K/W], 3 decimals
    TNumVeld EditPercentage;         // increase of the lambda by the fasteners [%], 2 decimals
    TNumVeld EditRc;                 // Rc [m2K/W], 2 decimals; ISO: rounded down
    TNumVeld EditU;                  // U [W/m2K], 2 decimals; ISO: Uc, 3 decimals
    double RcWaarde = 0;             // Rc to four decimals, from which U is computed [m2K/W]
    bool DikteNietStandaard = false; // the thickness is not on the board's standard list

    // User actions.
    void CBisolatieCloseUp();

    // Calculations.
    void BerekenSomR() override;
    // Rc and U by the method of the moment; the fields the method gives no
    // meaning show "n.v.t." (LambdaRW, EditRmIsolCor, RmReductie, EditPercentage).
    void BerekenRc();
    void Herberekening() override;

    // Start values of the insulation row, run by the model's start-up.
    void StartPlaat();
    void StartDikte();
    void StartLambda();
    void StartRmIsol();

    // The four rows of the build-up, top to bottom.
    std::array<TConstructieLaag, 4> Lagen() const;

    std::vector<TNumVeld*> NumVelden() override;
    std::vector<TLijstVeld*> LijstVelden() override;

    static constexpr const char* kDakbedekking = "Bitumineus / Kunststof /Grind *";

protected:
    std::string GekozenPlaatNaam() const override;
    double LambdaIsolWaarde() const override;

private:
    void DikteIsolChange();
    void ControleerStandaardDikte();
    void BerekenIso();
};

} // namespace rcveltor
