#include "cli/Toepassen.h"

#include "calc/Actie.h"
#include "calc/Producten.h"
#include "calc/RcWizard.h"
#include "calc/RekenModel.h"
#include "project/Veldentabel.h"

namespace rcveltor::cli {

namespace {

std::string Entries(const TLijstVeld& lijst) {
    std::string s;
    for (const auto& item : lijst.Items) {
        s += "\n  \"" + item + "\"";
    }
    return s;
}

void Kies(TLijstVeld& lijst, const std::string& optie, const std::string& tekst) {
    const int index = lijst.IndexVan(tekst);
    if (index < 0) {
        throw Gebruiksfout("--" + optie + ": \"" + tekst + "\" staat niet in de lijst " +
                           lijst.Naam + "; die bevat:" + Entries(lijst));
    }
    lijst.ItemIndex = index;
}

void KiesCombinatie(TLijstVeld& lijst, const std::string& optie, const std::string& tekst) {
    const int nummer = std::stoi(tekst);
    for (std::size_t i = 0; i < lijst.Items.size(); ++i) {
        if (CombinatieNummer(lijst.Items[i]) == nummer) {
            lijst.ItemIndex = static_cast<int>(i);
            return;
        }
    }
    throw Gebruiksfout("--" + optie + ": combinatie " + tekst + " wordt niet aangeboden; " +
                       lijst.Naam + " bevat:" + Entries(lijst));
}

void KiesOpPlaats(TLijstVeld& lijst, const std::string& optie, const std::string& tekst) {
    const int plaats = std::stoi(tekst);
    if (plaats < 1 || plaats > static_cast<int>(lijst.Items.size())) {
        throw Gebruiksfout("--" + optie + ": " + tekst + " ligt niet tussen 1 en " +
                           std::to_string(lijst.Items.size()) + "; " + lijst.Naam +
                           " bevat:" + Entries(lijst));
    }
    lijst.ItemIndex = plaats - 1;
}

void Gekozen(const TSchermveld& veld, std::vector<std::string>& fouten) {
    if (veld.Gekozen) {
        VoerActieUit(veld.Gekozen, fouten);
    }
}

// Sets every input given as an option, in the table's order, as the user
// would on the screen.
void PasInvoerToe(const TOpties& opties, const TVelden& velden, std::vector<std::string>& fouten) {
    for (const TSchermveld& veld : velden) {
        if (veld.Invoer == nullptr) {
            continue;
        }
        const auto gegeven = opties.Waarden.find(veld.Invoer->Optie);
        if (gegeven == opties.Waarden.end()) {
            continue;
        }
        const std::string& optie = gegeven->first;
        const std::string& w = gegeven->second;
        switch (veld.Invoer->Wijze) {
        case TInvoerwijze::Kiezen:
            Kies(*veld.Lijst, optie, w);
            Gekozen(veld, fouten);
            break;
        case TInvoerwijze::KiezenOpNummer:
            KiesCombinatie(*veld.Lijst, optie, w);
            Gekozen(veld, fouten);
            break;
        case TInvoerwijze::KiezenOpPlaats:
            KiesOpPlaats(*veld.Lijst, optie, w);
            Gekozen(veld, fouten);
            break;
        case TInvoerwijze::Aanvinken:
            // Has no option.
            break;
        case TInvoerwijze::Typen: {
            // One edit, then the field is left.
            LeesArgumentGetal(optie, w);
            const std::string getypt = AlsGetypt(w);
            VoerActieUit([&] { Typ(*veld.Getal, getypt); }, fouten);
            VoerActieUit([&] { Verlaat(*veld.Getal); }, fouten);
            break;
        }
        case TInvoerwijze::Stappen: {
            // As the program or the spin buttons set it: clamped.
            const double waarde = LeesArgumentGetal(optie, w);
            VoerActieUit([&] { Zet(*veld.Getal, waarde); }, fouten);
            break;
        }
        }
    }
}

// The flat roof's inputs, then the wizard's wanted Rc.
void PasPlatToe(const TOpties& opties, TRcBerekening& rc, std::vector<std::string>& fouten,
                TNumVeld* wensRc) {
    PasInvoerToe(opties, Velden(rc), fouten);
    if (const auto wens = opties.Waarden.find("wens-rc"); wens != opties.Waarden.end()) {
        TNumVeld eigen = MaakWensRcVeld();
        TNumVeld& veld = wensRc != nullptr ? *wensRc : eigen;
        const double waarde = LeesArgumentGetal("wens-rc", wens->second);
        VoerActieUit(
            [&] {
                Zet(veld, waarde);
                ZoekDikte(rc, veld.Waarde());
            },
            fouten);
    }
}

} // namespace

void PasToe(const TOpties& opties, TRekenModel& model, std::vector<std::string>& fouten,
            TNumVeld* wensRc) {
    if (opties.Methode) {
        const auto methodefouten = model.KiesMethode(*opties.Methode);
        fouten.insert(fouten.end(), methodefouten.begin(), methodefouten.end());
    }
    if (opties.Afschot) {
        PasInvoerToe(opties, Velden(model.Afschot), fouten);
    } else {
        PasPlatToe(opties, model.Rc, fouten, wensRc);
    }
    PasInvoerToe(opties, Velden(model.Vocht), fouten);
}

} // namespace rcveltor::cli
