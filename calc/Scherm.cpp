#include "calc/Scherm.h"

#include "basis/RcFout.h"
#include "calc/Iso6946.h"
#include "calc/Producten.h"
#include "calc/Rekenen.h"
#include "lambdatabel/LambdaTabel.h"

#include <algorithm>

namespace rcveltor {

std::string TLijstVeld::Tekst() const {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size())) {
        return {};
    }
    return Items[static_cast<std::size_t>(ItemIndex)];
}

int TLijstVeld::IndexVan(const std::string& tekst) const {
    const auto it = std::find(Items.begin(), Items.end(), tekst);
    return it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

void VulOnderconstructies(TLijstVeld& lijst, int soort) {
    if (soort == 1) {
        lijst.Items = {"Betondak", "Geprofileerd staaldak", "Cellenbeton",
                       "Houtachtige plaatmaterialen"};
        lijst.ItemIndex = -1;
    } else if (soort == 2) {
        lijst.Items = {std::string(kStaaldak)};
        lijst.ItemIndex = -1;
    }
}

TNumVeld MaakVeld(std::string naam, int decimalen) {
    TNumVeld veld;
    veld.Naam = std::move(naam);
    veld.Decimalen = decimalen;
    return veld;
}

TNumVeld MaakInvoer(std::string naam, int decimalen, double min, double max, double stap,
                    double paginaStap, bool typen) {
    TNumVeld veld = MaakVeld(std::move(naam), decimalen);
    veld.Minimum = min;
    veld.Maximum = max;
    veld.Stap = stap;
    veld.PaginaStap = paginaStap;
    veld.Typen = typen;
    veld.Invoer = true;
    return veld;
}

TLagenScherm::TLagenScherm(TGedeeld& gedeeld, const std::string& achtervoegsel)
    : RmDakbed(MaakVeld("RmDakbed" + achtervoegsel, 3)),
      CBdamprem{achtervoegsel.empty() ? "CBdamprem" : "cbDamprem" + achtervoegsel, {}, -1},
      DikteDamprem(MaakInvoer("DikteDamprem" + achtervoegsel, -1, 0, 500, 0.1, 1, true)),
      LambdaDamprem(MaakInvoer("LambdaDamprem" + achtervoegsel, 3, 0.1, 250, 0.001, 1, true)),
      RmDamprem(MaakVeld("RmDamprem" + achtervoegsel, 3)),
      CBonderconstructie{achtervoegsel.empty() ? "CBonderconstructie"
                                               : "cbOnderconstructie" + achtervoegsel,
                         {},
                         -1},
      DikteOndercons(MaakInvoer("DikteOndercons" + achtervoegsel, -1, 0.7, 1.5, 0.01, 1, false)),
      LambdaOndercons(MaakInvoer("LambdaOndercons" + achtervoegsel, 3, 0, 100, 0.01, 1, true)),
      RmOndercons(MaakVeld("RmOndercons" + achtervoegsel, 3)),
      SubTotaalRc(MaakVeld("SubTotaalRc" + achtervoegsel, 3)),
      CBcombinatie{achtervoegsel.empty() ? "CBcombinatie" : "cbCombinatie" + achtervoegsel, {}, -1},
      EditAantal(MaakInvoer("EditAantal" + achtervoegsel, 1, 3, 15, 0.1, 1, false)),
      LambdaRW(MaakVeld("LambdaRW" + achtervoegsel, 4)),
      DeltaUf(MaakVeld("DeltaUf" + achtervoegsel, 4)),
      PercentageU(MaakVeld("PercentageU" + achtervoegsel, 1)), gedeeld(gedeeld) {
    for (const auto& damprem : Dampremmen()) {
        CBdamprem.Items.emplace_back(damprem.Naam);
    }
    VulOnderconstructies(CBonderconstructie, 1);
    BeginTekst(EditAantal, 3);

    DikteDamprem.BijWijziging = [this] { DampremGewijzigd(); };
    LambdaDamprem.BijWijziging = [this] { DampremGewijzigd(); };
    DikteOndercons.BijWijziging = [this] { OnderconsGewijzigd(); };
    LambdaOndercons.BijWijziging = [this] { OnderconsGewijzigd(); };
    SubTotaalRc.BijWijziging = [this] { BewakteHerberekening(); };
    EditAantal.BijWijziging = [this] { BewakteHerberekening(); };
}

long double TLagenScherm::LaagR(double dikte, double lambda, double factor) {
    return Deel(dikte / 1000.0L, static_cast<long double>(lambda) * factor);
}

double TLagenScherm::LambdaFactor() const {
    const TMateriaalKeuze* onder = ZoekOnderconstructie(CBonderconstructie.Tekst());
    return onder ? onder->LambdaFactor : 1.0;
}

void TLagenScherm::BewakteHerberekening() {
    if (!gedeeld.Initialiseren) {
        Herberekening();
    }
}

void TLagenScherm::DampremGewijzigd() {
    const double lambda = LambdaDamprem.Waarde();
    if (!(lambda > 0)) {
        return;
    }
    Schrijf(RmDamprem, LaagR(DikteDamprem.Waarde(), lambda, 1.0));
    BerekenSomR();
    NaLaagwijziging();
}

void TLagenScherm::OnderconsGewijzigd() {
    const double lambda = LambdaOndercons.Waarde();
    if (!(lambda > 0)) {
        return;
    }
    Schrijf(RmOndercons, LaagR(DikteOndercons.Waarde(), lambda, LambdaFactor()));
    BerekenSomR();
    NaLaagwijziging();
}

void TLagenScherm::CBdampremCloseUp() {
    const TMateriaalKeuze* damprem = ZoekDamprem(CBdamprem.Tekst());
    if (damprem == nullptr) {
        return;
    }
    if (damprem->Naam != kGeenDamprem) {
        DikteDamprem.Minimum = damprem->DikteMin;
        DikteDamprem.Maximum = damprem->DikteMax;
        DikteDamprem.Stap = damprem->Stap;
        Zet(DikteDamprem, damprem->BeginDikte);
        Zet(LambdaDamprem, damprem->Lambda);
        LambdaDamprem.Minimum = 0.1;
        LambdaDamprem.Maximum = 250;
        Schrijf(RmDamprem, LaagR(DikteDamprem.Waarde(), LambdaDamprem.Waarde(), 1.0));
    } else {
        // No range at all: the fields no longer clamp; the step stays.
        DikteDamprem.Minimum = 0;
        DikteDamprem.Maximum = 0;
        Zet(DikteDamprem, 0);
        LambdaDamprem.Minimum = 0;
        LambdaDamprem.Maximum = 0;
        Zet(LambdaDamprem, 0);
        Schrijf(RmDamprem, 0);
    }
    BerekenSomR();
    NaLaagwijziging();
}

void TLagenScherm::CBonderconstructieCloseUp() {
    const TMateriaalKeuze* onder = ZoekOnderconstructie(CBonderconstructie.Tekst());
    if (onder == nullptr) {
        return;
    }
    DikteOndercons.Minimum = onder->DikteMin;
    DikteOndercons.Maximum = onder->DikteMax;
    DikteOndercons.Stap = onder->Stap;
    Zet(DikteOndercons, onder->BeginDikte);
    Zet(LambdaOndercons, onder->Lambda);
    Schrijf(RmOndercons,
            LaagR(DikteOndercons.Waarde(), LambdaOndercons.Waarde(), onder->LambdaFactor));
    VulCombinaties(AangebodenCombinaties(*onder, GekozenPlaatNaam()));
    BerekenSomR();
    CombinatieNr = 0;
    Herberekening();
}

void TLagenScherm::CBcombinatieCloseUp() {
    CombinatieNr = CombinatieNummer(CBcombinatie.Tekst());
    Herberekening();
}

void TLagenScherm::VulCombinaties(const std::vector<int>& nummers) {
    CBcombinatie.Items.clear();
    for (int nummer : nummers) {
        CBcombinatie.Items.emplace_back(CombinatieTekst(nummer));
    }
    CBcombinatie.ItemIndex = CBcombinatie.Items.empty() ? -1 : 0;
}

double TLagenScherm::ZoekLambda(double code) {
    if (gedeeld.Tabel == nullptr) {
        throw RcFout("Could not convert variant of type (Null) into type (Double)");
    }
    return gedeeld.Tabel->ZoekLambda(code);
}

void TLagenScherm::BerekenLambdaRW() {
    if (IsIso()) {
        SchrijfTekst(LambdaRW, std::string(kNvt));
        return;
    }
    if (CombinatieNr == 0) {
        Schrijf(LambdaRW, LambdaIsolWaarde());
        return;
    }

    // Count classes: class k stands for 3 x k fasteners per m2. A count
    // between two classes interpolates between the lower and the higher.
    const double aantal = EditAantal.Waarde();
    int exacteKlasse = 0; // the class the count is exactly, 0 for none
    for (int klasse = 1; klasse <= 5; ++klasse) {
        if (aantal == 3.0 * klasse) {
            exacteKlasse = klasse;
        }
    }
    const int klasseLaag = exacteKlasse != 0 ? 0
                           : aantal < 6      ? 1
                           : aantal < 9      ? 2
                           : aantal < 12     ? 3
                                             : 4;
    const int klasseHoog = klasseLaag + 1;

    // The table's lambda of a code, to four decimals.
    const auto tabelLambda = [this](int code) { return Afronden(ZoekLambda(code), 4); };
    // The count rule for a base code (the code without its units digit).
    const auto lambdaBijAantal = [&](int basisCode) {
        if (exacteKlasse != 0) {
            return tabelLambda(basisCode + exacteKlasse);
        }
        const double bijLaag = tabelLambda(basisCode + klasseLaag);
        const double bijHoog = tabelLambda(basisCode + klasseHoog);
        return Afronden(Interpoleer(aantal, 3 * klasseLaag, 3 * klasseHoog,
                                    std::min(bijLaag, bijHoog), std::max(bijLaag, bijHoog)),
                        4);
    };

    if (CombinatieNr == 6 && IsStaaldakPlaat(GekozenPlaatNaam())) {
        Schrijf(LambdaRW, lambdaBijAantal(9610));
        return;
    }

    // The design lambda: the declared one with 5 %, to three decimals, and
    // the four design lambdas the table has classes for.
    const double ontwerpLambda = Afronden(static_cast<long double>(LambdaIsolWaarde()) * 1.05L, 3);
    const double lambda042 = Afronden(0.042L, 3);
    const double lambda037 = Afronden(0.037L, 3);
    const double lambda027 = Afronden(0.027L, 3);
    const double lambda020 = Afronden(0.020L, 3);

    const TMateriaalKeuze* onder = ZoekOnderconstructie(CBonderconstructie.Tekst());
    const int klasseOnder = onder ? onder->Onderconstructieklasse : 0;
    // Thousands: the lambda class; hundreds: the combination; tens: the substructure.
    const auto basisCode = [&](int lambdaKlasse) {
        return 1000 * lambdaKlasse + 100 * CombinatieNr + 10 * klasseOnder;
    };

    double lambda = 0;
    const int eigenKlasse = ontwerpLambda == lambda042   ? 1
                            : ontwerpLambda == lambda037 ? 2
                            : ontwerpLambda == lambda027 ? 3
                            : ontwerpLambda == lambda020 ? 4
                                                         : 0;
    if (eigenKlasse != 0) {
        lambda = lambdaBijAantal(basisCode(eigenKlasse));
    } else {
        // Neighbouring classes: x0 with the lower design lambda, x1 with the higher.
        int klasse0 = 0;
        long double x0 = 0;
        long double x1 = 0;
        if (ontwerpLambda > lambda037) {
            klasse0 = 2;
            x0 = 0.037L;
            x1 = 0.042L;
        } else if (ontwerpLambda > lambda027) {
            klasse0 = 3;
            x0 = 0.027L;
            x1 = 0.037L;
        } else {
            klasse0 = 4;
            x0 = 0.020L;
            x1 = 0.027L;
        }
        const int klasse1 = klasse0 - 1;
        // The class of x1 is looked up before that of x0.
        const double bijX1 = lambdaBijAantal(basisCode(klasse1));
        const double bijX0 = lambdaBijAantal(basisCode(klasse0));
        const double y0 = std::min(bijX0, bijX1);
        const double y1 = std::max(bijX0, bijX1);
        lambda = (lambda020 <= ontwerpLambda && ontwerpLambda <= lambda042)
                     ? Afronden(Interpoleer(ontwerpLambda, x0, x1, y0, y1), 4)
                     : Afronden(Extrapoleer(ontwerpLambda, x0, x1, y0, y1), 4);
    }
    Schrijf(LambdaRW, Afronden(Deel(lambda, 1.05L), 4));
}

void TLagenScherm::NaLaagwijziging() {
    if (IsIso()) {
        BewakteHerberekening();
    }
}

double IsoLaagR(const TNumVeld& dikte, const TNumVeld& lambda, double factor) {
    const double lambdaWaarde = lambda.Waarde();
    return lambdaWaarde > 0 ? dikte.Waarde() / 1000.0 / (lambdaWaarde * factor) : 0.0;
}

double TLagenScherm::IsoDampremR() const {
    return IsoLaagR(DikteDamprem, LambdaDamprem, 1.0);
}

double TLagenScherm::IsoOnderconsR() const {
    return IsoLaagR(DikteOndercons, LambdaOndercons, LambdaFactor());
}

void TLagenScherm::ToonIso(const TIsoUitkomst& uitkomst, TNumVeld& rc, TNumVeld& u) {
    Iso = uitkomst;
    u.Decimalen = 3;
    if (!uitkomst.Geldig) {
        const std::string geen(kGeenWaarde);
        for (TNumVeld* veld : {&rc, &u, &DeltaUf, &PercentageU}) {
            SchrijfTekst(*veld, geen);
        }
        Eis = geen;
        return;
    }
    Schrijf(rc, iso6946::RcOmlaag(uitkomst.Rc));
    Schrijf(u, uitkomst.Uc);
    Schrijf(DeltaUf, uitkomst.DeltaUf);
    Schrijf(PercentageU, 100.0 * uitkomst.DeltaUf / uitkomst.U);
    Eis = uitkomst.Rc >= kEisRc ? kVoldoet : kVoldoetNiet;
}

void TLagenScherm::WisIso(TNumVeld& u) {
    Iso = {};
    u.Decimalen = 2;
    SchrijfTekst(DeltaUf, "");
    SchrijfTekst(PercentageU, "");
    Eis.clear();
}

void TLagenScherm::StartDakbedekking() {
    Schrijf(RmDakbed, kRmDakbed);
}

void TLagenScherm::StartDamprem() {
    CBdamprem.ItemIndex = CBdamprem.IndexVan(std::string(kStartDamprem));
    Zet(DikteDamprem, 0.2);
    Zet(LambdaDamprem, 0.17);
}

void TLagenScherm::StartOnderconstructie() {
    CBonderconstructie.ItemIndex = CBonderconstructie.IndexVan(std::string(kStaaldak));
    DikteOndercons.Minimum = 0.7;
    DikteOndercons.Maximum = 1.5;
    DikteOndercons.Stap = 0.01;
    Zet(DikteOndercons, 0.75);
    Zet(LambdaOndercons, 58);
}

void TLagenScherm::StartCombinaties() {
    VulCombinaties({0, 1, 2, 3, 4, 5, 6, 7});
}

void TLagenScherm::LeesCombinatieNr() {
    CombinatieNr = CombinatieNummer(CBcombinatie.Tekst());
}

} // namespace rcveltor
