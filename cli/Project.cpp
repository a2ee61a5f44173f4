#include "Project.h"

#include "Bestand.h"
#include "Bestandslezer.h"
#include "Openen.h"
#include "Opties.h"
#include "RcFout.h"
#include "RcWizard.h"
#include "RekenModel.h"
#include "VeiligOpslaan.h"
#include "Versie.h"

#include <ctime>
#include <filesystem>

namespace rcveltor::cli {

TBerekeningsbestand OpenProject(const std::string& pad, TRekenModel& model,
                                std::vector<std::string>& fouten, std::string& afwijking) {
    TBerekeningsbestand bestand = LeesBerekeningsbestand(pad);
    const std::string naam = platform::Utf8(platform::PadUitUtf8(pad).filename());
    TOpening opening = OpenBerekening(bestand, model, naam);
    fouten.insert(fouten.end(), opening.Fouten.begin(), opening.Fouten.end());
    afwijking = opening.Afwijking;
    return bestand;
}

std::string WensRcTekst(const std::string& optie) {
    TNumVeld veld = MaakWensRcVeld();
    Zet(veld, LeesArgumentGetal("wens-rc", optie));
    return veld.Tekst;
}

void SlaOp(const std::string& pad, TRekenModel& model, const TProjectgegevens& project,
           const std::string& wensRc, const TOnbekendeSleutels& onbekend) {
    TBerekeningsbestand berekening =
        Vastleggen(model, project, wensRc, RCV_VERSIE, std::time(nullptr));
    berekening.Onbekend = onbekend;
    const std::string tekst = AlsBestandstekst(berekening);
    const std::filesystem::path doel = platform::PadUitUtf8(pad);
    try {
        platform::SlaVeiligOp(doel,
                              {reinterpret_cast<const unsigned char*>(tekst.data()), tekst.size()});
    } catch (const platform::TBestandsfout& fout) {
        throw RcFout("Het bestand \"" + platform::Utf8(doel.filename()) +
                     "\" kan niet worden opgeslagen (" + fout.what() + ").");
    }
}

} // namespace rcveltor::cli
