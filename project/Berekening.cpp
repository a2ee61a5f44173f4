#include "project/Berekening.h"

#include "calc/RcWizard.h"
#include "calc/Weergave.h"
#include "cmake/Versie.h"
#include "platform/Bestand.h"
#include "platform/VeiligOpslaan.h"
#include "project/Bestandslezer.h"

#include <ctime>

namespace rcveltor {

TBerekening::TBerekening(TWensRcBron bron) : WensRc(MaakWensRcVeld()), bron_(bron) {
    ZetWensRc(std::string());
}

std::vector<std::string> TBerekening::KiesMethode(TMethode methode,
                                                  std::vector<std::string>* afschotFouten) {
    return Model.KiesMethode(methode, afschotFouten);
}

void TBerekening::ZetWensRc(const std::string& tekst) {
    if (bron_ == TWensRcBron::Optie) {
        WensRc = MaakWensRcVeld();
        WensRc.Tekst = tekst;
    } else {
        WensRc = WensRcUitTekst(tekst);
    }
}

TBerekeningsbestand TBerekening::Stand() {
    return Vastleggen(Model, Project, WensRc.Tekst, std::string(), 0);
}

std::vector<std::string> TBerekening::Opstarten(const std::string& lambdaBestand) {
    auto fouten = Model.Opstarten(lambdaBestand);
    vastgelegd_ = Stand();
    return fouten;
}

bool TBerekening::Gewijzigd() {
    return !vastgelegd_ || Stand() != *vastgelegd_;
}

TOpening TBerekening::Open(const std::string& pad, TSchermfouten schermfouten) {
    const std::string naam = platform::Utf8(platform::PadUitUtf8(pad).filename());
    // Read and checked whole before the model is touched.
    const TBerekeningsbestand berekening = LeesBerekeningsbestand(pad);
    TOpening opening = OpenBerekening(berekening, Model, naam, schermfouten);
    Project = berekening.Project;
    onbekend_ = berekening.Onbekend;
    ZetWensRc(berekening.WensRc);
    bestand_ = pad;
    vastgelegd_ = Stand();
    return opening;
}

void TBerekening::SlaOp(const std::string& pad) {
    TBerekeningsbestand berekening =
        Vastleggen(Model, Project, WensRc.Tekst, RCV_VERSIE, std::time(nullptr));
    berekening.Onbekend = onbekend_;
    const std::string tekst = AlsBestandstekst(berekening);
    platform::SlaVeiligOp(platform::PadUitUtf8(pad),
                          {reinterpret_cast<const unsigned char*>(tekst.data()), tekst.size()});
    bestand_ = pad;
    vastgelegd_ = Stand();
}

std::vector<std::string> TBerekening::Nieuw() {
    auto fouten = Model.NieuweBerekening();
    Project = {};
    onbekend_ = {};
    ZetWensRc(std::string());
    bestand_.clear();
    vastgelegd_ = Stand();
    return fouten;
}

} // namespace rcveltor
