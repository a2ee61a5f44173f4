#include "project/Veldentabel.h"

#include "calc/AfschotBerekening.h"
#include "calc/RcBerekening.h"
#include "calc/Vochtvelden.h"

#include <algorithm>
#include <array>

namespace rcveltor {

namespace {

// A row of screen S's table: an input when Invoer has a key, else a result.
template <class S> struct TRij {
    TInvoerRij Invoer{};
    TNumVeld S::*Getal = nullptr;
    TLijstVeld S::*Lijst = nullptr;
    bool S::*Vlag = nullptr;
    std::string S::*Tekst = nullptr;
    void (S::*Gekozen)() = nullptr;
    std::string_view Naam{}; // the name --json gives it where not the field's own
    bool AlleenIso = false;
};

template <class S>
constexpr TRij<S> Invoer(TInvoerRij invoer, TLijstVeld S::*lijst, void (S::*gekozen)()) {
    TRij<S> rij;
    rij.Invoer = invoer;
    rij.Lijst = lijst;
    rij.Gekozen = gekozen;
    return rij;
}

// A list without a closing action.
template <class S> constexpr TRij<S> Invoer(TInvoerRij invoer, TLijstVeld S::*lijst) {
    TRij<S> rij;
    rij.Invoer = invoer;
    rij.Lijst = lijst;
    return rij;
}

template <class S>
constexpr TRij<S> Invoer(TInvoerRij invoer, bool S::*vlag, std::string_view naam) {
    TRij<S> rij;
    rij.Invoer = invoer;
    rij.Vlag = vlag;
    rij.Naam = naam;
    return rij;
}

template <class S> constexpr TRij<S> Invoer(TInvoerRij invoer, TNumVeld S::*getal) {
    TRij<S> rij;
    rij.Invoer = invoer;
    rij.Getal = getal;
    return rij;
}

template <class S> constexpr TRij<S> Uitkomst(TNumVeld S::*getal) {
    TRij<S> rij;
    rij.Getal = getal;
    return rij;
}

template <class S> constexpr TRij<S> Iso(TNumVeld S::*getal, std::string_view naam = {}) {
    TRij<S> rij = Uitkomst(getal);
    rij.Naam = naam;
    rij.AlleenIso = true;
    return rij;
}

template <class S> constexpr TRij<S> Iso(std::string S::*tekst, std::string_view naam) {
    TRij<S> rij;
    rij.Tekst = tekst;
    rij.Naam = naam;
    rij.AlleenIso = true;
    return rij;
}

template <class S, std::size_t... N> constexpr auto Samen(const std::array<TRij<S>, N>&... delen) {
    std::array<TRij<S>, (N + ...)> alle{};
    auto naar = alle.begin();
    ((naar = std::copy(delen.begin(), delen.end(), naar)), ...);
    return alle;
}

constexpr auto kKiezen = TInvoerwijze::Kiezen;
constexpr auto kTypen = TInvoerwijze::Typen;
constexpr auto kStappen = TInvoerwijze::Stappen;

constexpr TInvoerRij kIsolatie{"isolatie", "isolatie", "TEXT", "insulation board", kKiezen};

// The rows both screens share, from the vapour retarder to the replacement
// lambda.
template <class S> constexpr auto Lagen() {
    using L = TLagenScherm;
    return std::array{
        Invoer<S>({"damprem", "damprem", "TEXT", "vapour retarder", kKiezen}, &L::CBdamprem,
                  &L::CBdampremCloseUp),
        Invoer<S>({"dikteDamprem", "dikte-damprem", "MM", "vapour retarder thickness", kTypen},
                  &L::DikteDamprem),
        Invoer<S>({"lambdaDamprem", "lambda-damprem", "W", "vapour retarder lambda", kTypen},
                  &L::LambdaDamprem),
        Uitkomst<S>(&L::RmDamprem),
        Invoer<S>({"onderconstructie", "onderconstructie", "TEXT", "substructure", kKiezen},
                  &L::CBonderconstructie, &L::CBonderconstructieCloseUp),
        Invoer<S>({"dikteOnderconstructie", "dikte-onderconstructie", "MM",
                   "substructure thickness", kStappen},
                  &L::DikteOndercons),
        Invoer<S>({"lambdaOnderconstructie", "lambda-onderconstructie", "W", "substructure lambda",
                   kTypen},
                  &L::LambdaOndercons),
        Uitkomst<S>(&L::RmOndercons),
        Uitkomst<S>(&L::SubTotaalRc),
        Invoer<S>({"combinatie", "combinatie", "N", "fastener combination number",
                   TInvoerwijze::KiezenOpNummer},
                  &L::CBcombinatie, &L::CBcombinatieCloseUp),
        Invoer<S>({"aantal", "aantal", "N", "fasteners per m2", kStappen}, &L::EditAantal),
        Uitkomst<S>(&L::LambdaRW),
    };
}

// NEN-EN-ISO 6946's own results, last, under the same names on both screens.
template <class S> constexpr auto Iso6946() {
    using L = TLagenScherm;
    return std::array{
        Iso<S>(&L::DeltaUf, "DeltaUf"),
        Iso<S>(&L::PercentageU, "PercentageU"),
        Iso<S>(&L::Eis, "Eis"),
    };
}

using R = TRcBerekening;
constexpr auto kPlat = Samen(
    std::array{
        Invoer(kIsolatie, &R::CBisolatie, &R::CBisolatieCloseUp),
        Invoer({"dikte", "dikte", "MM", "insulation thickness", kStappen}, &R::DikteIsol),
        Uitkomst(&R::LambdaIsol),
        Uitkomst(&R::RmIsol),
        Uitkomst<R>(&R::RmDakbed),
    },
    Lagen<R>(),
    std::array{
        Uitkomst(&R::EditRmIsolCor),
        Uitkomst(&R::RmReductie),
        Uitkomst(&R::EditPercentage),
        Uitkomst(&R::EditRc),
        Uitkomst(&R::EditU),
    },
    Iso6946<R>());

using A = TAfschotBerekening;
constexpr auto kAfschot = Samen(
    std::array{
        Invoer(kIsolatie, &A::cbIsolatie2, &A::cbIsolatie2CloseUp),
        Uitkomst(&A::LambdaIsol2),
        Invoer({"minDikte", "min-dikte", "MM", "minimum thickness", kTypen}, &A::MinDikte),
        Invoer({"afschotLengte", "afschot-lengte", "M", "slope length", kTypen}, &A::AfschotLengte),
        Uitkomst(&A::MaxDikte),
        Invoer({"oppervlak1", "oppervlak1", "M2", "area of board type 1", kTypen}, &A::oppvl1),
        Invoer({"oppervlak2", "oppervlak2", "M2", "area of board type 2", kTypen}, &A::oppvl2),
        Invoer({"oppervlak3", "oppervlak3", "M2", "area of board type 3", kTypen}, &A::oppvl3),
    },
    Lagen<A>(),
    std::array{
        Uitkomst(&A::EditRc2),
        Uitkomst(&A::EditU2),
        Iso(&A::EditRcMin2),
    },
    Iso6946<A>());

// The moisture check's inputs: nothing of the screens depends on them, nor
// they on the screens, so they come after the screens' inputs.
using V = TVochtVelden;
constexpr std::array kVocht{
    Invoer<V>({"klimaatklasse", "klimaatklasse", "1..5", "indoor humidity class",
               TInvoerwijze::KiezenOpPlaats},
              &V::Binnenklimaat),
    Invoer<V>({"dakbedekking", "dakbedekking", "TEXT", "roof covering", kKiezen}, &V::Dakbedekking),
    Invoer<V>(
        {"sdDakbedekking", "sd-dakbedekking", "M", "the covering's sd with \"Anders\"", kTypen},
        &V::SdDakbedekking),
    Invoer<V>({"opRapport", "", "", "", TInvoerwijze::Aanvinken}, &V::OpRapport, "OpRapport"),
};

template <class S> TSchermveld Bind(S& scherm, const TRij<S>& rij) {
    TSchermveld v;
    v.Invoer = rij.Invoer.Sleutel.empty() ? nullptr : &rij.Invoer;
    v.AlleenIso = rij.AlleenIso;
    if (rij.Getal != nullptr) {
        v.Getal = &(scherm.*rij.Getal);
        v.Naam = v.Getal->Naam;
    } else if (rij.Lijst != nullptr) {
        v.Lijst = &(scherm.*rij.Lijst);
        v.Naam = v.Lijst->Naam;
        if (rij.Gekozen != nullptr) {
            // Two pointers: held inside the std::function, without allocating.
            v.Gekozen = [&scherm, &rij] { (scherm.*rij.Gekozen)(); };
        }
    } else if (rij.Vlag != nullptr) {
        v.Vlag = &(scherm.*rij.Vlag);
    } else {
        v.Tekst = &(scherm.*rij.Tekst);
    }
    if (!rij.Naam.empty()) {
        v.Naam = rij.Naam;
    }
    return v;
}

template <class S, std::size_t N>
std::vector<const TInvoerRij*> Rijen(const std::array<TRij<S>, N>& rijen) {
    std::vector<const TInvoerRij*> invoer;
    for (const TRij<S>& rij : rijen) {
        if (!rij.Invoer.Sleutel.empty()) {
            invoer.push_back(&rij.Invoer);
        }
    }
    return invoer;
}

} // namespace

std::string TSchermveld::Getoond() const {
    if (Vlag != nullptr) {
        return *Vlag ? "true" : "false";
    }
    return Getal != nullptr ? Getal->Tekst : Lijst != nullptr ? Lijst->Tekst() : *Tekst;
}

TVelden Velden(TRcBerekening& rc) {
    const auto bind = [](void* scherm, std::size_t i) {
        return Bind(*static_cast<R*>(scherm), kPlat[i]);
    };
    return {bind, &rc, kPlat.size()};
}

TVelden Velden(TAfschotBerekening& afschot) {
    const auto bind = [](void* scherm, std::size_t i) {
        return Bind(*static_cast<A*>(scherm), kAfschot[i]);
    };
    return {bind, &afschot, kAfschot.size()};
}

TVelden Velden(TVochtVelden& vocht) {
    const auto bind = [](void* velden, std::size_t i) {
        return Bind(*static_cast<V*>(velden), kVocht[i]);
    };
    return {bind, &vocht, kVocht.size()};
}

std::vector<const TInvoerRij*> Invoerrijen(TSchermsoort scherm) {
    return scherm == TSchermsoort::Plat ? Rijen(kPlat) : Rijen(kAfschot);
}

std::vector<const TInvoerRij*> Vochtrijen() {
    return Rijen(kVocht);
}

} // namespace rcveltor
