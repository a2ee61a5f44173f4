#include "cli/Opties.h"

#include "calc/Weergave.h"
#include "project/Veldentabel.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace rcveltor::cli {

namespace {

enum class Scherm { Beide, Plat, Afschot };
enum class Soort { Tekst, Getal, Geheel };

struct TOptieDef {
    std::string Naam;
    Scherm Voor;
    Soort Argument;
};

Soort SoortVan(TInvoerwijze wijze) {
    return wijze == TInvoerwijze::Kiezen ? Soort::Tekst
           : wijze == TInvoerwijze::KiezenOpNummer || wijze == TInvoerwijze::KiezenOpPlaats
               ? Soort::Geheel
               : Soort::Getal;
}

// The options of the screens: every input of the table of fields, on the
// screens that have it, the wizard's wanted Rc, and the moisture check's
// inputs on both.
std::vector<TOptieDef> MaakSchermopties() {
    std::vector<TOptieDef> opties;
    for (const auto& [scherm, voor] :
         {std::pair{TSchermsoort::Plat, Scherm::Plat}, {TSchermsoort::Afschot, Scherm::Afschot}}) {
        for (const TInvoerRij* rij : Invoerrijen(scherm)) {
            const auto it = std::find_if(opties.begin(), opties.end(),
                                         [&](const TOptieDef& o) { return o.Naam == rij->Optie; });
            if (it == opties.end()) {
                opties.push_back({std::string(rij->Optie), voor, SoortVan(rij->Wijze)});
            } else if (it->Voor != voor) {
                it->Voor = Scherm::Beide;
            }
        }
    }
    opties.push_back({"wens-rc", Scherm::Plat, Soort::Getal});
    for (const TInvoerRij* rij : Vochtrijen()) {
        if (!rij->Optie.empty()) {
            opties.push_back({std::string(rij->Optie), Scherm::Beide, SoortVan(rij->Wijze)});
        }
    }
    return opties;
}

const TOptieDef* ZoekOptie(std::string_view naam) {
    static const std::vector<TOptieDef> opties = MaakSchermopties();
    for (const auto& o : opties) {
        if (o.Naam == naam) {
            return &o;
        }
    }
    return nullptr;
}

} // namespace

double LeesArgumentGetal(const std::string& optie, const std::string& tekst) {
    std::string punt = tekst;
    std::replace(punt.begin(), punt.end(), ',', '.');
    const auto waarde = LeesGetal(punt, ".");
    if (!waarde || tekst.find_first_of(" \t") != std::string::npos) {
        throw Gebruiksfout("--" + optie + ": \"" + tekst + "\" is geen getal");
    }
    return *waarde;
}

std::string AlsGetypt(const std::string& tekst) {
    std::string s = tekst;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

TOpties LeesOpties(const std::vector<std::string>& argumenten) {
    TOpties opties;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        std::string arg = argumenten[i];
        if (arg == "--afschot") {
            opties.Afschot = true;
            continue;
        }
        if (arg == "--json") {
            opties.Json = true;
            continue;
        }
        if (arg == "--batch") {
            opties.Batch = true;
            continue;
        }
        if (arg == "--vocht") {
            opties.Vocht = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            opties.Hulp = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            throw Gebruiksfout("onverwacht argument \"" + arg + "\"");
        }
        std::string naam = arg.substr(2);
        std::optional<std::string> waarde;
        if (const auto is = naam.find('='); is != std::string::npos) {
            waarde = naam.substr(is + 1);
            naam.resize(is);
        }
        const bool bestand =
            naam == "pdf" || naam == "project" || naam == "opslaan" || naam == "lambda-bestand";
        if (!bestand && naam != "methode" && ZoekOptie(naam) == nullptr) {
            throw Gebruiksfout("onbekende optie \"" + arg + "\"");
        }
        if (!waarde) {
            if (i + 1 >= argumenten.size()) {
                throw Gebruiksfout("optie --" + naam + " heeft een waarde nodig");
            }
            waarde = argumenten[++i];
        }
        if (naam == "pdf") {
            opties.Pdf = *waarde;
        } else if (naam == "project") {
            opties.Project = *waarde;
        } else if (naam == "opslaan") {
            opties.Opslaan = *waarde;
        } else if (naam == "methode") {
            opties.Methode = MethodeUitSleutel(*waarde);
            if (!opties.Methode) {
                throw Gebruiksfout("--methode: \"" + *waarde + "\" is niet nen1068 of iso6946");
            }
        } else if (naam == "lambda-bestand") {
            opties.LambdaBestand = *waarde;
        } else {
            opties.Waarden[naam] = *waarde;
        }
    }

    for (const auto& [naam, waarde] : opties.Waarden) {
        const TOptieDef* def = ZoekOptie(naam);
        if ((def->Voor == Scherm::Plat && opties.Afschot) ||
            (def->Voor == Scherm::Afschot && !opties.Afschot)) {
            throw Gebruiksfout("optie --" + naam + " hoort niet bij het " +
                               (opties.Afschot ? "afschotscherm" : "platdakscherm"));
        }
        if (def->Argument == Soort::Getal) {
            LeesArgumentGetal(naam, waarde);
        } else if (def->Argument == Soort::Geheel) {
            if (waarde.empty() || waarde.size() > 9 ||
                !std::all_of(waarde.begin(), waarde.end(),
                             [](char c) { return c >= '0' && c <= '9'; })) {
                throw Gebruiksfout("--" + naam + ": \"" + waarde + "\" is geen geheel getal");
            }
        }
    }
    for (const auto& [optie, waarde] :
         {std::pair{"--pdf", &opties.Pdf}, std::pair{"--project", &opties.Project},
          std::pair{"--opslaan", &opties.Opslaan}}) {
        if (*waarde && (*waarde)->empty()) {
            throw Gebruiksfout(std::string(optie) + ": de bestandsnaam is leeg");
        }
    }
    if (opties.Batch && (opties.Afschot || opties.Json || opties.Vocht || opties.Pdf ||
                         opties.Project || opties.Opslaan || !opties.Waarden.empty())) {
        throw Gebruiksfout("--batch leest de opties van de standaardinvoer; alleen "
                           "--lambda-bestand mag erbij");
    }
    return opties;
}

} // namespace rcveltor::cli
