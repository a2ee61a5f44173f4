#include "calc/RcBerekening.h"

#include "calc/Iso6946.h"
#include "calc/Producten.h"
#include "calc/Rekenen.h"

#include <algorithm>
#include <cmath>

namespace rcveltor {

TRcBerekening::TRcBerekening(TGedeeld& gedeeld)
    : TLagenScherm(gedeeld, ""), CBisolatie{"CBisolatie", {}, -1},
      DikteIsol(MaakInvoer("DikteIsol", -1, 50, 300, 5, 10, false)),
      LambdaIsol(MaakVeld("LambdaIsol", 3)), RmIsol(MaakVeld("RmIsol", 3)),
      EditRmIsolCor(MaakVeld("EditRmIsolCor", 3)), RmReductie(MaakVeld("RmReductie", 3)),
      EditPercentage(MaakVeld("EditPercentage", 2)), EditRc(MaakVeld("EditRc", 2)),
      EditU(MaakVeld("EditU", 2)) {
    for (const auto& plaat : IsolatieProducten()) {
        CBisolatie.Items.emplace_back(plaat.Naam);
    }
    DikteIsol.BijWijziging = [this] { DikteIsolChange(); };
}

std::string TRcBerekening::GekozenPlaatNaam() const {
    return CBisolatie.Tekst();
}

double TRcBerekening::LambdaIsolWaarde() const {
    return LambdaIsol.Waarde();
}

void TRcBerekening::BerekenSomR() {
    Schrijf(SubTotaalRc, static_cast<long double>(RmDakbed.Waarde()) + RmIsol.Waarde() +
                             RmDamprem.Waarde() + RmOndercons.Waarde());
}

void TRcBerekening::Herberekening() {
    BerekenLambdaRW();
    BerekenRc();
}

void TRcBerekening::BerekenRc() {
    if (IsIso()) {
        BerekenIso();
        return;
    }
    WisIso(EditU);
    // The insulation's R with the replacement lambda, and what that takes off.
    const double rIsolCor = Afronden(Deel(DikteIsol.Waarde() / 1000.0L, LambdaRW.Waarde()), 3);
    Schrijf(EditRmIsolCor, rIsolCor);
    const long double delta = static_cast<long double>(rIsolCor) - RmIsol.Waarde();
    const double somR = static_cast<double>(static_cast<long double>(RmDakbed.Waarde()) + rIsolCor +
                                            RmDamprem.Waarde() + RmOndercons.Waarde());
    RcWaarde = Afronden(Deel(somR + kRsi + kRse, 1.0L + kCorrectie) - kRsi - kRse, 4);
    const double u = static_cast<double>(Deel(1.0L, RcWaarde + kRsi + kRse));
    Schrijf(RmReductie, std::fabs(delta));
    Schrijf(EditRc, RcWaarde);
    Schrijf(EditU, u);
    const long double lambdaIsol = LambdaIsol.Waarde();
    Schrijf(EditPercentage, Deel(LambdaRW.Waarde() - lambdaIsol, lambdaIsol / 100.0L));
}

void TRcBerekening::BerekenIso() {
    TIsoUitkomst uitkomst;
    uitkomst.D0 = DikteIsol.Waarde() / 1000.0;
    const double rIsol = uitkomst.D0 / LambdaIsol.Waarde();
    const double rsi = static_cast<double>(kRsi);
    const double rse = static_cast<double>(kRse);
    uitkomst.RT = rsi + RmDakbed.Waarde() + rIsol + IsoDampremR() + IsoOnderconsR() + rse;
    uitkomst.U = 1.0 / uitkomst.RT;
    uitkomst.DeltaUf =
        iso6946::DeltaUf(CombinatieNr, EditAantal.Waarde(), uitkomst.D0, rIsol, uitkomst.RT);
    uitkomst.Uc = uitkomst.U + uitkomst.DeltaUf;
    uitkomst.Rc = static_cast<double>(Controleer(1.0 / uitkomst.Uc)) - rsi - rse;
    uitkomst.RcMin = uitkomst.Rc;
    uitkomst.Geldig = true;
    const std::string nvt(kNvt);
    for (TNumVeld* veld : {&EditRmIsolCor, &RmReductie, &EditPercentage}) {
        SchrijfTekst(*veld, nvt);
    }
    ToonIso(uitkomst, EditRc, EditU);
}

void TRcBerekening::ControleerStandaardDikte() {
    const auto producten = IsolatieProducten();
    if (CBisolatie.ItemIndex < 0 || CBisolatie.ItemIndex >= static_cast<int>(producten.size())) {
        return;
    }
    const auto& lijst = producten[static_cast<std::size_t>(CBisolatie.ItemIndex)].StandaardDiktes;
    const double dikte = DikteIsol.Waarde();
    DikteNietStandaard = std::find(lijst.begin(), lijst.end(), dikte) == lijst.end();
}

void TRcBerekening::DikteIsolChange() {
    ControleerStandaardDikte();
    const double lambda = LambdaIsol.Waarde();
    if (lambda > 0) {
        Schrijf(RmIsol, Deel(DikteIsol.Waarde() / 1000.0L, lambda));
        BerekenSomR();
        NaLaagwijziging();
    }
}

void TRcBerekening::CBisolatieCloseUp() {
    const int onderIndex = CBonderconstructie.ItemIndex;
    const auto producten = IsolatieProducten();
    if (CBisolatie.ItemIndex >= 0 && CBisolatie.ItemIndex < static_cast<int>(producten.size())) {
        const TIsolatieProduct& plaat = producten[static_cast<std::size_t>(CBisolatie.ItemIndex)];
        Schrijf(LambdaIsol, plaat.Lambda);
        DikteIsol.Minimum = plaat.DikteMin;
        DikteIsol.Maximum = plaat.DikteMax;
        const std::string dikteVoor = DikteIsol.Tekst;
        Zet(DikteIsol, plaat.StandaardDikte);
        if (DikteIsol.Tekst == dikteVoor) {
            // The thickness stayed, so no change handler ran: judge it
            // against the new board's list all the same.
            ControleerStandaardDikte();
        }
        DikteIsol.Stap = plaat.Stap;
        DikteIsol.PaginaStap = plaat.GroteStap;

        const bool wasAlleenStaaldak =
            CBonderconstructie.Items.size() == 1 && CBonderconstructie.Items[0] == kStaaldak;
        if (!plaat.AlleenStaaldak) {
            VulOnderconstructies(CBonderconstructie, 1);
            if (wasAlleenStaaldak) {
                // The deck was a steel deck and stays one: select it by its
                // text in the full list and apply it, so that the row and the
                // combination list are those of a steel deck under this board.
                CBonderconstructie.ItemIndex = CBonderconstructie.IndexVan(std::string(kStaaldak));
                CBonderconstructieCloseUp();
            } else {
                CBonderconstructie.ItemIndex =
                    onderIndex < static_cast<int>(CBonderconstructie.Items.size()) ? onderIndex
                                                                                   : -1;
            }
        } else {
            VulOnderconstructies(CBonderconstructie, 2);
            CBonderconstructie.ItemIndex = 0;
            CBonderconstructieCloseUp();
        }
    }
    Schrijf(RmIsol, Deel(DikteIsol.Waarde() / 1000.0L, LambdaIsol.Waarde()));
    BerekenSomR();
    BerekenLambdaRW();
    BerekenRc();
}

void TRcBerekening::StartPlaat() {
    CBisolatie.ItemIndex = 0;
}

void TRcBerekening::StartDikte() {
    Zet(DikteIsol, 110);
}

void TRcBerekening::StartLambda() {
    Schrijf(LambdaIsol, 0.039);
}

void TRcBerekening::StartRmIsol() {
    Schrijf(RmIsol, Deel(DikteIsol.Waarde() / 1000.0L, LambdaIsol.Waarde()));
}

std::array<TConstructieLaag, 4> TRcBerekening::Lagen() const {
    return {{
        {kDakbedekking, nullptr, nullptr, &RmDakbed},
        {CBisolatie.Tekst(), &DikteIsol, &LambdaIsol, &RmIsol},
        {CBdamprem.Tekst(), &DikteDamprem, &LambdaDamprem, &RmDamprem},
        {CBonderconstructie.Tekst(), &DikteOndercons, &LambdaOndercons, &RmOndercons},
    }};
}

std::vector<TNumVeld*> TRcBerekening::NumVelden() {
    return {&DikteIsol,      &LambdaIsol, &RmIsol,         &RmDakbed,        &DikteDamprem,
            &LambdaDamprem,  &RmDamprem,  &DikteOndercons, &LambdaOndercons, &RmOndercons,
            &SubTotaalRc,    &EditAantal, &LambdaRW,       &EditRmIsolCor,   &RmReductie,
            &EditPercentage, &EditRc,     &EditU,          &DeltaUf,         &PercentageU};
}

std::vector<TLijstVeld*> TRcBerekening::LijstVelden() {
    return {&CBisolatie, &CBdamprem, &CBonderconstructie, &CBcombinatie};
}

} // namespace rcveltor
