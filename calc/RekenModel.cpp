#include "calc/RekenModel.h"

#include "basis/RcFout.h"
#include "calc/Actie.h"

#include <memory>
#include <utility>

namespace rcveltor {

namespace {
TGedeeld MaakGedeeld(TLambdaTabel* tabel) {
    TGedeeld g;
    g.Tabel = tabel;
    return g;
}
} // namespace

TRekenModel::TRekenModel() : Gedeeld(MaakGedeeld(&Tabel)), Rc(Gedeeld), Afschot(Gedeeld) {}

std::vector<std::string> TRekenModel::Opstarten(const std::string& lambdaBestand) {
    return StartOp([&] { Tabel.Laden(lambdaBestand); });
}

std::vector<std::string> TRekenModel::Opstarten(TLambdaTabel& geladen,
                                                const std::optional<std::string>& laadfout) {
    Gedeeld.Tabel = &geladen;
    return StartOp([&] {
        geladen.NaarEersteRij();
        if (laadfout) {
            throw RcFout(*laadfout);
        }
    });
}

std::vector<std::string> TRekenModel::NieuweBerekening() {
    std::destroy_at(&Rc);
    std::construct_at(&Rc, Gedeeld);
    std::destroy_at(&Afschot);
    std::construct_at(&Afschot, Gedeeld);
    Vocht = TVochtVelden();
    OpstartVoltooid = false;
    return StartOp([this] { Gedeeld.Tabel->NaarEersteRij(); });
}

std::vector<std::string> TRekenModel::KiesMethode(TMethode methode,
                                                  std::vector<std::string>* afschotFouten) {
    std::vector<std::string> fouten;
    if (methode == Gedeeld.Methode) {
        return fouten;
    }
    Gedeeld.Methode = methode;
    if (!OpstartVoltooid) {
        return fouten;
    }
    const std::pair<TLagenScherm*, std::vector<std::string>*> schermen[] = {
        {&Rc, &fouten}, {&Afschot, afschotFouten != nullptr ? afschotFouten : &fouten}};
    for (const auto& [scherm, naar] : schermen) {
        // Debian's clang cannot capture a structured binding in a lambda.
        TLagenScherm* const herberekenen = scherm;
        VoerActieUit([herberekenen] { herberekenen->Herberekening(); }, *naar);
    }
    return fouten;
}

std::vector<std::string> TRekenModel::StartOp(const std::function<void()>& laadTabel) {
    std::vector<std::string> fouten;
    const bool gestart = VoerActieUit(
        [this] {
            Gedeeld.Initialiseren = true;
            Rc.StartDakbedekking();
            Afschot.StartDakbedekking();
            Rc.StartPlaat();
            Afschot.StartPlaat();
            Rc.StartDikte();
            Rc.StartLambda();
            Afschot.StartLambda();
            Afschot.StartGeometrie();
            Rc.StartRmIsol();
            Rc.StartDamprem();
            Afschot.StartDamprem();
            Rc.StartOnderconstructie();
            Afschot.StartOnderconstructie();
            Rc.StartCombinaties();
            Afschot.StartCombinaties();
        },
        fouten);
    if (!gestart) {
        return fouten;
    }
    VoerActieUit(laadTabel, fouten);
    VoerActieUit(
        [this] {
            Rc.LeesCombinatieNr();
            Afschot.LeesCombinatieNr();
            Gedeeld.Initialiseren = false;
            Rc.BerekenLambdaRW();
            Rc.BerekenRc();
            Afschot.BerekenLambdaRW();
            Afschot.BerekenAfschot();
            OpstartVoltooid = true;
        },
        fouten);
    return fouten;
}

} // namespace rcveltor
