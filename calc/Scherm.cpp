#include "Scherm.h"

#include "Iso6946.h"
#include "LambdaTabel.h"
#include "Producten.h"
#include "RcFout.h"
#include "Rekenen.h"

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

TNumVeld MaakVeld(std::string naam, int decimalen, const TGedeeld& gedeeld) {
    TNumVeld v;
    v.Naam = std::move(naam);
    v.Decimalen = decimalen;
    v.Scheiding = gedeeld.Scheiding;
    return v;
}

TNumVeld MaakInvoer(std::string naam, int decimalen, const TGedeeld& gedeeld, double min,
                    double max, double stap, double paginaStap, bool typen) {
    TNumVeld v = MaakVeld(std::move(naam), decimalen, gedeeld);
    v.Minimum = min;
    v.Maximum = max;
    v.Stap = stap;
    v.PaginaStap = paginaStap;
    v.Typen = typen;
    v.Invoer = true;
    return v;
}

TLagenScherm::TLagenScherm(TGedeeld& g, const std::string& a)
    : RmDakbed(MaakVeld("RmDakbed" + a, 3, g)), CBdamprem{a.empty() ? "CBdamprem" : "cbDamprem" + a,
                                                          {},
                                                          -1},
      DikteDamprem(MaakInvoer("DikteDamprem" + a, -1, g, 0, 500, 0.1, 1, true)),
      LambdaDamprem(MaakInvoer("LambdaDamprem" + a, 3, g, 0.1, 250, 0.001, 1, true)),
      RmDamprem(MaakVeld("RmDamprem" + a, 3, g)),
      CBonderconstructie{a.empty() ? "CBonderconstructie" : "cbOnderconstructie" + a, {}, -1},
      DikteOndercons(MaakInvoer("DikteOndercons" + a, -1, g, 0.7, 1.5, 0.01, 1, false)),
      LambdaOndercons(MaakInvoer("LambdaOndercons" + a, 3, g, 0, 100, 0.01, 1, true)),
      RmOndercons(MaakVeld("RmOndercons" + a, 3, g)),
      SubTotaalRc(MaakVeld("SubTotaalRc" + a, 3, g)),
      CBcombinatie{a.empty() ? "CBcombinatie" : "cbCombinatie" + a, {}, -1},
      EditAantal(MaakInvoer("EditAantal" + a, 1, g, 3, 15, 0.1, 1, false)),
      LambdaRW(MaakVeld("LambdaRW" + a, 4, g)), DeltaUf(MaakVeld("DeltaUf" + a, 4, g)),
      PercentageU(MaakVeld("PercentageU" + a, 1, g)), gedeeld(g) {
    for (const auto& m : Dampremmen()) {
        CBdamprem.Items.emplace_back(m.Naam);
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
    const TMateriaalKeuze* m = ZoekOnderconstructie(CBonderconstructie.Tekst());
    return m ? m->LambdaFactor : 1.0;
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
    const TMateriaalKeuze* m = ZoekDamprem(CBdamprem.Tekst());
    if (m == nullptr) {
        return;
    }
    if (m->Naam != kGeenDamprem) {
        DikteDamprem.Minimum = m->DikteMin;
        DikteDamprem.Maximum = m->DikteMax;
        DikteDamprem.Stap = m->Stap;
        Zet(DikteDamprem, m->BeginDikte);
        Zet(LambdaDamprem, m->Lambda);
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
    const TMateriaalKeuze* m = ZoekOnderconstructie(CBonderconstructie.Tekst());
    if (m == nullptr) {
        return;
    }
    DikteOndercons.Minimum = m->DikteMin;
    DikteOndercons.Maximum = m->DikteMax;
    DikteOndercons.Stap = m->Stap;
    Zet(DikteOndercons, m->BeginDikte);
    Zet(LambdaOndercons, m->Lambda);
    Schrijf(RmOndercons, LaagR(DikteOndercons.Waarde(), LambdaOndercons.Waarde(), m->LambdaFactor));
    VulCombinaties(AangebodenCombinaties(*m, GekozenPlaatNaam()));
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
    for (int n : nummers) {
        CBcombinatie.Items.emplace_back(CombinatieTekst(n));
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

    // Count classes: class k stands for 3 x k fasteners per m2.
    const double n = EditAantal.Waarde();
    bool exact = false;
    int k = 0;
    int kLaag = 0;
    for (int klasse = 1; klasse <= 5; ++klasse) {
        if (n == 3.0 * klasse) {
            exact = true;
            k = klasse;
        }
    }
    if (!exact) {
        kLaag = n < 6 ? 1 : n < 9 ? 2 : n < 12 ? 3 : 4;
    }
    const int kHoog = kLaag + 1;

    const auto V = [this](int code) { return Afronden(ZoekLambda(code), 4); };
    // The count rule for a base code (the code without its units digit).
    const auto W = [&](int basis) {
        if (exact) {
            return V(basis + k);
        }
        const double a = V(basis + kLaag);
        const double b = V(basis + kHoog);
        return Afronden(Interpoleer(n, 3 * kLaag, 3 * kHoog, std::min(a, b), std::max(a, b)), 4);
    };

    if (CombinatieNr == 6 && IsStaaldakPlaat(GekozenPlaatNaam())) {
        Schrijf(LambdaRW, W(9610));
        return;
    }

    const double L = Afronden(static_cast<long double>(LambdaIsolWaarde()) * 1.05L, 3);
    const double g042 = Afronden(0.042L, 3);
    const double g037 = Afronden(0.037L, 3);
    const double g027 = Afronden(0.027L, 3);
    const double g020 = Afronden(0.020L, 3);

    const TMateriaalKeuze* onder = ZoekOnderconstructie(CBonderconstructie.Tekst());
    const int klasseOnder = onder ? onder->Onderconstructieklasse : 0;
    const auto B = [&](int lambdaKlasse) {
        return 1000 * lambdaKlasse + 100 * CombinatieNr + 10 * klasseOnder;
    };

    double lambda = 0;
    int enkel = L == g042 ? 1 : L == g037 ? 2 : L == g027 ? 3 : L == g020 ? 4 : 0;
    if (enkel != 0) {
        lambda = W(B(enkel));
    } else {
        // Neighbouring classes: x0 with the lower design lambda, x1 with the higher.
        int klasse0 = 0;
        int klasse1 = 0;
        long double x0 = 0;
        long double x1 = 0;
        if (L > g037) {
            klasse0 = 2;
            x0 = 0.037L;
            x1 = 0.042L;
        } else if (L > g027) {
            klasse0 = 3;
            x0 = 0.027L;
            x1 = 0.037L;
        } else {
            klasse0 = 4;
            x0 = 0.020L;
            x1 = 0.027L;
        }
        klasse1 = klasse0 - 1;
        // The class of x1 is looked up before that of x0.
        const double b = W(B(klasse1));
        const double a = W(B(klasse0));
        const double y0 = std::min(a, b);
        const double y1 = std::max(a, b);
        lambda = (g020 <= L && L <= g042) ? Afronden(Interpoleer(L, x0, x1, y0, y1), 4)
                                          : Afronden(Extrapoleer(L, x0, x1, y0, y1), 4);
    }
    Schrijf(LambdaRW, Afronden(Deel(lambda, 1.05L), 4));
}

void TLagenScherm::NaLaagwijziging() {
    if (IsIso()) {
        BewakteHerberekening();
    }
}

namespace {
// d [mm] / (lambda x factor); a layer without lambda ("(geen)") adds nothing.
double IsoLaagR(const TNumVeld& dikte, const TNumVeld& lambda, double factor) {
    const double l = lambda.Waarde();
    return l > 0 ? dikte.Waarde() / 1000.0 / (l * factor) : 0.0;
}
} // namespace

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
        for (TNumVeld* v : {&rc, &u, &DeltaUf, &PercentageU}) {
            SchrijfTekst(*v, geen);
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
