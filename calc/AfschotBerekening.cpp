#include "calc/AfschotBerekening.h"

#include "basis/RcFout.h"
#include "calc/Iso6946.h"
#include "calc/Producten.h"
#include "calc/Rekenen.h"

namespace rcveltor {

TAfschotBerekening::TAfschotBerekening(TGedeeld& gedeeld)
    : TLagenScherm(gedeeld, "2"), cbIsolatie2{"cbIsolatie2", {}, -1},
      LambdaIsol2(MaakVeld("LambdaIsol2", 3)),
      MinDikte(MaakInvoer("MinDikte", -1, 30, 295, 5, 10, true)),
      AfschotLengte(MaakInvoer("AfschotLengte", 2, 1, 1000, 0.5, 1, true)),
      MaxDikte(MaakVeld("MaxDikte", 2)), oppvl1(MaakInvoer("oppvl1", 3, 0, 100000, 0.5, 1, true)),
      oppvl2(MaakInvoer("oppvl2", 3, 0, 100000, 0.5, 1, true)),
      oppvl3(MaakInvoer("oppvl3", 3, 0, 100000, 0.5, 1, true)), EditRc2(MaakVeld("EditRc2", 2)),
      EditU2(MaakVeld("EditU2", 2)), EditRcMin2(MaakVeld("EditRcMin2", 2)) {
    for (const auto& product : AfschotProducten()) {
        cbIsolatie2.Items.emplace_back(product.Naam);
    }
    for (TNumVeld* veld : {&MinDikte, &AfschotLengte, &oppvl1, &oppvl2, &oppvl3}) {
        veld->BijWijziging = [this] { MinDikteChange(); };
    }
}

std::string TAfschotBerekening::GekozenPlaatNaam() const {
    return cbIsolatie2.Tekst();
}

double TAfschotBerekening::LambdaIsolWaarde() const {
    return LambdaIsol2.Waarde();
}

void TAfschotBerekening::BerekenSomR() {
    Schrijf(SubTotaalRc, static_cast<long double>(RmDakbed.Waarde()) + RmDamprem.Waarde() +
                             RmOndercons.Waarde());
}

void TAfschotBerekening::Herberekening() {
    BerekenLambdaRW();
    BerekenAfschot();
}

void TAfschotBerekening::MinDikteChange() {
    if (!gedeeld.Initialiseren) {
        BerekenAfschot();
    }
}

void TAfschotBerekening::cbIsolatie2CloseUp() {
    const int onderIndex = CBonderconstructie.ItemIndex;
    const auto producten = AfschotProducten();
    if (cbIsolatie2.ItemIndex >= 0 && cbIsolatie2.ItemIndex < static_cast<int>(producten.size())) {
        const TAfschotProduct& plaat = producten[static_cast<std::size_t>(cbIsolatie2.ItemIndex)];
        Schrijf(LambdaIsol2, plaat.Lambda);
        MinDikte.Minimum = plaat.MinDikteMin;
        MinDikte.Maximum = plaat.MinDikteMax;
        Zet(MinDikte, plaat.BeginDikte);
        MinDikte.Stap = plaat.Stap;
        MinDikte.PaginaStap = plaat.Stap;
        VulOnderconstructies(CBonderconstructie, 1);
        CBonderconstructie.ItemIndex =
            onderIndex < static_cast<int>(CBonderconstructie.Items.size()) ? onderIndex : -1;
    }
    BerekenSomR();
    BerekenLambdaRW();
    BerekenAfschot();
}

void TAfschotBerekening::BerekenAfschot() {
    const auto producten = AfschotProducten();
    const int index = cbIsolatie2.ItemIndex;
    const long double afschot = index >= 0 && index < static_cast<int>(producten.size())
                                    ? producten[static_cast<std::size_t>(index)].Afschot
                                    : 0;
    const long double dmin = MinDikte.Waarde();
    const long double lengte = AfschotLengte.Waarde();
    const long double lambda = LambdaRW.Waarde();

    Schrijf(MaxDikte, Afronden(dmin + lengte * afschot, 0));
    if (IsIso()) {
        BerekenIso();
        return;
    }
    WisIso(EditU2);
    SchrijfTekst(EditRcMin2, "");
    const long double dmax = MaxDikte.Waarde();
    const long double stijging = (dmax - dmin) / 1000.0L;
    const double r1 = Afronden(Deel(stijging, 1.05L * lambda), 2);
    const double rmin = Afronden(Deel(dmin / 1000.0L, lambda), 2);
    const long double rsom = static_cast<long double>(RmDakbed.Waarde()) + rmin +
                             RmDamprem.Waarde() + RmOndercons.Waarde();
    const double rc0 = Afronden(Deel(rsom + kRsi + kRse, 1.05L) - kRsi - kRse, 4);
    const double r0 = Afronden(rc0 + kRsi + kRse, 2);

    // The mean U over the three board types: a type 2 triangle has the
    // rectangle's U plus uVerschil, a type 3 triangle minus it.
    const long double a1 = oppvl1.Waarde();
    const long double a2 = oppvl2.Waarde();
    const long double a3 = oppvl3.Waarde();
    const double driehoekGewicht = Afronden(Deel(a2 - a3, a1 + a2 + a3), 2);

    // Without a rise the rectangle's U has no value: stop as a division by zero.
    if (r1 == 0) {
        throw RcFout("Floating point division by zero");
    }
    const double u1 = Afronden(Deel(Ln(1.0L + Deel(r1, r0)), r1), 2);
    const double uVerschil = Afronden((1.0L + Deel(2.0L * r0, r1)) * u1 - Deel(2.0L, r1), 2);
    const double rc =
        Afronden(Deel(1.0L, static_cast<long double>(driehoekGewicht) * uVerschil + u1) - kRsi -
                     kRse - 0.06L,
                 2);
    Schrijf(EditRc2, rc);
    const double u =
        Afronden(Deel(1.0L, static_cast<long double>(EditRc2.Waarde()) + kRse + kRsi), 2);
    Schrijf(EditU2, u);
}

void TAfschotBerekening::BerekenIso() {
    const double rsi = static_cast<double>(kRsi);
    const double rse = static_cast<double>(kRse);
    const double lambda = LambdaIsol2.Waarde();
    const double dmin = MinDikte.Waarde() / 1000.0;
    const double dmax = MaxDikte.Waarde() / 1000.0;
    const double r0 =
        rsi + RmDakbed.Waarde() + dmin / lambda + IsoDampremR() + IsoOnderconsR() + rse;
    const double r1 = (dmax - dmin) / lambda;
    const double aantal = EditAantal.Waarde();

    TIsoUitkomst uitkomst;
    // The thinnest point: the layer at dmin alone, fasteners through dmin.
    const double uMin = 1.0 / r0 + iso6946::DeltaUf(CombinatieNr, aantal, dmin, dmin / lambda, r0);
    uitkomst.RcMin = static_cast<double>(Controleer(1.0 / uMin)) - rsi - rse;

    const double a1 = oppvl1.Waarde();
    const double a2 = oppvl2.Waarde();
    const double a3 = oppvl3.Waarde();
    const double oppervlak = a1 + a2 + a3;
    // Without area (the user is still typing) there is no mean to show.
    if (oppervlak > 0) {
        uitkomst.U = (a1 * iso6946::URechthoek(r0, r1) + a2 * iso6946::UDriehoekDikTop(r0, r1) +
                      a3 * iso6946::UDriehoekDunTop(r0, r1)) /
                     oppervlak;
        uitkomst.RT = 1.0 / uitkomst.U;
        uitkomst.D0 = dmin + (dmax - dmin) * (a1 / 2 + a2 / 3 + 2 * a3 / 3) / oppervlak;
        uitkomst.DeltaUf =
            iso6946::DeltaUf(CombinatieNr, aantal, uitkomst.D0, uitkomst.D0 / lambda, uitkomst.RT);
        uitkomst.Uc = uitkomst.U + uitkomst.DeltaUf;
        uitkomst.Rc = static_cast<double>(Controleer(1.0 / uitkomst.Uc)) - rsi - rse;
        uitkomst.Geldig = true;
    }
    Schrijf(EditRcMin2, iso6946::RcOmlaag(uitkomst.RcMin));
    ToonIso(uitkomst, EditRc2, EditU2);
}

void TAfschotBerekening::StartPlaat() {
    cbIsolatie2.ItemIndex = 0;
}

void TAfschotBerekening::StartLambda() {
    Schrijf(LambdaIsol2, 0.039);
}

void TAfschotBerekening::StartGeometrie() {
    Zet(MinDikte, 50);
    Zet(AfschotLengte, 1);
    Schrijf(MaxDikte, 60);
    Zet(oppvl1, 1);
    Zet(oppvl2, 1);
    Zet(oppvl3, 1);
}

std::vector<TNumVeld*> TAfschotBerekening::NumVelden() {
    return {&LambdaIsol2, &MinDikte,       &AfschotLengte,   &MaxDikte,     &oppvl1,
            &oppvl2,      &oppvl3,         &RmDakbed,        &DikteDamprem, &LambdaDamprem,
            &RmDamprem,   &DikteOndercons, &LambdaOndercons, &RmOndercons,  &SubTotaalRc,
            &EditAantal,  &LambdaRW,       &EditRc2,         &EditU2,       &EditRcMin2,
            &DeltaUf,     &PercentageU};
}

std::vector<TLijstVeld*> TAfschotBerekening::LijstVelden() {
    return {&cbIsolatie2, &CBdamprem, &CBonderconstructie, &CBcombinatie};
}

} // namespace rcveltor
