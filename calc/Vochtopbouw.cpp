#include "calc/Vochtopbouw.h"

#include "basis/RcFout.h"
#include "calc/AfschotBerekening.h"
#include "calc/Producten.h"
#include "calc/RcBerekening.h"
#include "calc/RekenModel.h"
#include "calc/Weergave.h"
#include "platform/Databestand.h"

#include <algorithm>
#include <cmath>

namespace rcveltor {

namespace {

constexpr const char* kNvt = "n.v.t.";

// A layer of a list with thickness and lambda, with the R the screen's
// NEN-EN-ISO 6946 calculation gives it.
TVochtRij Laag(const TLijstVeld& lijst, const TNumVeld& dikte, const TNumVeld& lambda, double r,
               const TDampwaarden& dampwaarden) {
    if (!dikte.IsGetal() || !lambda.IsGetal()) {
        throw RcFout("Vochtcontrole: " + lijst.Tekst() + " heeft geen dikte of lambda.");
    }
    TVochtRij rij;
    rij.Naam = lijst.Tekst();
    const TDampwaarde& damp = ZoekDampwaarde(dampwaarden, rij.Naam);
    rij.Dikte = dikte.Waarde();
    if (lambda.Waarde() > 0) {
        rij.Lambda = lambda.Waarde();
    }
    rij.R = r;
    if (!damp.Vast) {
        rij.Mu = damp.Mu;
    }
    rij.Sd = damp.SdBij(*rij.Dikte / 1000.0);
    return rij;
}

TVochtRij Dakbedekking(const TVochtVelden& velden, const TVochtgegevens& gegevens) {
    TVochtRij rij;
    rij.Naam = velden.Dakbedekking.Tekst();
    rij.R = kRmDakbed;
    if (velden.SdGetypt()) {
        if (!velden.SdDakbedekking.IsGetal()) {
            throw RcFout("Vochtcontrole: de sd van de dakbedekking is geen getal.");
        }
        rij.Sd = velden.SdDakbedekking.Waarde();
        return rij;
    }
    const auto gevonden =
        std::ranges::find(gegevens.Dakbedekkingen, rij.Naam, &TDakbedekking::Naam);
    if (gevonden == gegevens.Dakbedekkingen.end() || !gevonden->Sd) {
        throw RcFout("Geen dampdiffusieweerstand bekend voor \"" + rij.Naam + "\".");
    }
    rij.Sd = *gevonden->Sd;
    return rij;
}

TVochtBerekening Bereken(const TLagenScherm& scherm, TVochtRij isolatie, const TVochtVelden& velden,
                         const TVochtdata& data, const std::optional<double>& u) {
    TVochtBerekening b;
    b.Rijen[kLaagOnderconstructie] =
        Laag(scherm.CBonderconstructie, scherm.DikteOndercons, scherm.LambdaOndercons,
             scherm.IsoOnderconsR(), data.Gegevens.Onderconstructies);
    b.Rijen[kLaagDamprem] = Laag(scherm.CBdamprem, scherm.DikteDamprem, scherm.LambdaDamprem,
                                 scherm.IsoDampremR(), data.Gegevens.Dampremmen);
    b.Rijen[kLaagIsolatie] = std::move(isolatie);
    b.Rijen[kLaagDakbedekking] = Dakbedekking(velden, data.Gegevens);
    double rt = kVochtRsi + kVochtRse;
    for (std::size_t i = 0; i < kVochtLagen; ++i) {
        const TVochtRij& rij = b.Rijen[i];
        b.Invoer.Lagen[i] = {rij.Dikte.value_or(0) / 1000.0, rij.R, rij.Sd};
        rt += rij.R;
    }
    b.Invoer.Klimaatklasse = velden.Klimaatklasse();
    b.Invoer.Klimaat = data.Klimaat;
    if (u) {
        b.Invoer.U = *u;
    } else {
        // At the thinnest point no field shows U: the layers' own, rounded as
        // the method shows U.
        const int decimalen = scherm.Methode() == TMethode::Iso6946 ? 3 : 2;
        b.Invoer.U = *LeesGetal(FormatVast(1.0L / rt, decimalen, "."), ".");
    }
    b.Uitkomst = Vochtcontrole(b.Invoer);
    return b;
}

std::string Vast(double waarde, int decimalen) {
    return FormatVast(waarde, decimalen, kDecimaalKomma);
}

std::string OfNvt(const std::optional<double>& waarde, int decimalen) {
    if (!waarde) {
        return kNvt;
    }
    return decimalen < 0 ? FormatAlgemeen(*waarde, kDecimaalKomma) : Vast(*waarde, decimalen);
}

} // namespace

TVochtdata LeesVochtdata(const std::string& werkmap) {
    return {LeesVochtgegevens(platform::ZoekDatabestand(werkmap, "vocht.ini")),
            LeesKlimaat(platform::ZoekDatabestand(werkmap, "klimaat.ini"))};
}

TVochtBerekening BerekenVocht(const TRcBerekening& scherm, const TVochtVelden& velden,
                              const TVochtdata& data) {
    TVochtRij isolatie =
        Laag(scherm.CBisolatie, scherm.DikteIsol, scherm.LambdaIsol,
             IsoLaagR(scherm.DikteIsol, scherm.LambdaIsol, 1.0), data.Gegevens.Isolatie);
    if (!scherm.EditU.IsGetal()) {
        throw RcFout("Vochtcontrole: de U-waarde is niet berekend.");
    }
    return Bereken(scherm, std::move(isolatie), velden, data, scherm.EditU.Waarde());
}

TVochtBerekening BerekenVocht(const TAfschotBerekening& scherm, const TVochtVelden& velden,
                              const TVochtdata& data) {
    TVochtRij isolatie =
        Laag(scherm.cbIsolatie2, scherm.MinDikte, scherm.LambdaIsol2,
             IsoLaagR(scherm.MinDikte, scherm.LambdaIsol2, 1.0), data.Gegevens.Isolatie);
    return Bereken(scherm, std::move(isolatie), velden, data, std::nullopt);
}

TVochtBerekening BerekenVocht(const TRekenModel& model, bool afschot, const TVochtdata& data) {
    return afschot ? BerekenVocht(model.Afschot, model.Vocht, data)
                   : BerekenVocht(model.Rc, model.Vocht, data);
}

TVochtWeergave Weergave(const TVochtBerekening& berekening, const TVochtdata& data) {
    TVochtWeergave w;
    for (std::size_t i = 0; i < kVochtLagen; ++i) {
        const TVochtRij& rij = berekening.Rijen[i];
        w.Rijen[i] = {rij.Naam,       OfNvt(rij.Dikte, -1), OfNvt(rij.Lambda, 3),
                      Vast(rij.R, 3), OfNvt(rij.Mu, -1),    Vast(rij.Sd, 2)};
    }
    const TVochtUitkomst& u = berekening.Uitkomst;
    w.FRsi = Vast(u.FRsi, 2);
    w.FRsiEis = u.FRsiVoldoet ? kVoldoet : kVoldoetNiet;
    w.Oordeel = OordeelTekst(u.Oordeel);
    w.Voldoet = u.Voldoet;
    w.MaxCondensaat = Vast(u.MaxCondensaat, 1);
    w.Beginmaand = u.Beginmaand;
    w.MinSdDamprem = u.MinSdDamprem.MeerDan5000 ? "> 5000" : Vast(u.MinSdDamprem.Sd, 1);
    w.MinSdZin = "Benodigde sd dampremmende laag: " +
                 (u.MinSdDamprem.MeerDan5000 ? std::string("meer dan 5000") : w.MinSdDamprem) +
                 " m";
    for (const TMateriaalKeuze& damprem : Dampremmen()) {
        if (damprem.Naam == kGeenDamprem || u.MinSdDamprem.MeerDan5000) {
            continue;
        }
        const TDampwaarde& damp = ZoekDampwaarde(data.Gegevens.Dampremmen, damprem.Naam);
        if (damp.SdBij(damprem.BeginDikte / 1000.0) >= u.MinSdDamprem.Sd) {
            w.GeschikteDampremmen.emplace_back(damprem.Naam);
        }
    }
    for (std::size_t i = 0; i < kMaanden; ++i) {
        const TVochtMaand& m = u.Maanden[i];
        w.Maanden[i] = {m.Maand,       Vast(m.ThetaE, 1),   Vast(m.PhiE, 0),    Vast(m.Pi, 0),
                        Vast(m.Pe, 0), Vast(m.GcTotaal, 1), Vast(m.MaTotaal, 1)};
    }
    return w;
}

std::string_view Maandnaam(int maand) {
    static constexpr std::array<std::string_view, kMaanden> kNamen{
        "januari", "februari", "maart",     "april",   "mei",      "juni",
        "juli",    "augustus", "september", "oktober", "november", "december"};
    return maand >= 1 && maand <= kMaanden ? kNamen[static_cast<std::size_t>(maand - 1)]
                                           : std::string_view{};
}

} // namespace rcveltor
