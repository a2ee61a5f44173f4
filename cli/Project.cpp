#include "Project.h"

#include "Bestand.h"
#include "Bestandslezer.h"
#include "Openen.h"
#include "Opties.h"
#include "RcFout.h"
#include "RcWizard.h"
#include "RekenModel.h"

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
    TNumVeld veld = MaakWensRcVeld(",");
    Zet(veld, LeesArgumentGetal("wens-rc", optie));
    return veld.Tekst;
}

void SlaOp(const std::string& pad, TRekenModel& model, const TProjectgegevens& project,
           const std::string& wensRc) {
    const std::string tekst =
        AlsBestandstekst(Vastleggen(model, project, wensRc, RCV_VERSIE, std::time(nullptr)));
    const std::filesystem::path doel = platform::PadUitUtf8(pad);
    std::filesystem::path tijdelijk = doel;
    tijdelijk += ".rcveltor-tmp";
    try {
        platform::SchrijfBestand(
            tijdelijk, {reinterpret_cast<const unsigned char*>(tekst.data()), tekst.size()});
        std::filesystem::rename(tijdelijk, doel);
    } catch (const std::exception& fout) {
        std::error_code weg;
        std::filesystem::remove(tijdelijk, weg);
        throw RcFout("Het bestand \"" + platform::Utf8(doel.filename()) +
                     "\" kan niet worden opgeslagen (" + fout.what() + ").");
    }
}

} // namespace rcveltor::cli
