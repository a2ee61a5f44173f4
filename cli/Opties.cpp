#include "Opties.h"

#include "Weergave.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace rcveltor::cli {

namespace {

enum class Scherm { Beide, Plat, Afschot };
enum class Soort { Tekst, Getal, Geheel };

struct TOptieDef {
    std::string_view Naam;
    Scherm Voor;
    Soort Argument;
};

constexpr std::array<TOptieDef, 17> kOpties{{
    {"isolatie", Scherm::Beide, Soort::Tekst},
    {"dikte", Scherm::Plat, Soort::Getal},
    {"damprem", Scherm::Beide, Soort::Tekst},
    {"dikte-damprem", Scherm::Beide, Soort::Getal},
    {"lambda-damprem", Scherm::Beide, Soort::Getal},
    {"onderconstructie", Scherm::Beide, Soort::Tekst},
    {"dikte-onderconstructie", Scherm::Beide, Soort::Getal},
    {"lambda-onderconstructie", Scherm::Beide, Soort::Getal},
    {"combinatie", Scherm::Beide, Soort::Geheel},
    {"aantal", Scherm::Beide, Soort::Getal},
    {"wens-rc", Scherm::Plat, Soort::Getal},
    {"min-dikte", Scherm::Afschot, Soort::Getal},
    {"afschot-lengte", Scherm::Afschot, Soort::Getal},
    {"oppervlak1", Scherm::Afschot, Soort::Getal},
    {"oppervlak2", Scherm::Afschot, Soort::Getal},
    {"oppervlak3", Scherm::Afschot, Soort::Getal},
    {"lambda-bestand", Scherm::Beide, Soort::Tekst},
}};

const TOptieDef* ZoekOptie(std::string_view naam) {
    for (const auto& o : kOpties) {
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
        const bool bestand = naam == "pdf" || naam == "project" || naam == "opslaan";
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
    if (opties.Batch && (opties.Afschot || opties.Json || opties.Pdf || opties.Project ||
                         opties.Opslaan || !opties.Waarden.empty())) {
        throw Gebruiksfout("--batch leest de opties van de standaardinvoer; alleen "
                           "--lambda-bestand mag erbij");
    }
    return opties;
}

const char* Gebruik() {
    return "Usage: rcveltor-cli [--project FILE] [--afschot] [--methode M] [OPTIONS...] [--json]\n"
           "                   [--pdf FILE] [--opslaan FILE] [--lambda-bestand FILE]\n"
           "       rcveltor-cli --batch [--lambda-bestand FILE]\n"
           "\n"
           "Flat-roof screen (default), applied in this order:\n"
           "  --isolatie TEXT                 insulation board\n"
           "  --dikte MM                      insulation thickness (clamped)\n"
           "  --damprem TEXT                  vapour retarder\n"
           "  --dikte-damprem MM              vapour retarder thickness (typed)\n"
           "  --lambda-damprem W              vapour retarder lambda (typed)\n"
           "  --onderconstructie TEXT         substructure\n"
           "  --dikte-onderconstructie MM     substructure thickness (clamped)\n"
           "  --lambda-onderconstructie W     substructure lambda (typed)\n"
           "  --combinatie N                  fastener combination number\n"
           "  --aantal N                      fasteners per m2 (clamped)\n"
           "  --wens-rc X                     Rc wizard: thinnest standard thickness reaching X\n"
           "Tapered screen (--afschot): --isolatie, --min-dikte MM, --afschot-lengte M,\n"
           "  --oppervlak1 M2, --oppervlak2 M2, --oppervlak3 M2 (typed), then --damprem ...\n"
           "  --aantal as above.\n"
           "--methode nen1068|iso6946 sets the calculation method of both screens before the\n"
           "  other options: NEN 1068 (default) or NEN-EN-ISO 6946; with iso6946 --json adds\n"
           "  \"methode\" and the fields DeltaUf, PercentageU, Eis (and EditRcMin2).\n"
           "--project FILE opens a calculation file (.rcv) before the options, which then\n"
           "  change it; --json then shows its project data under \"project\".\n"
           "--opslaan FILE saves the calculation, both screens and the project data, as a\n"
           "  calculation file, after the options.\n"
           "--pdf FILE writes the screen's report to FILE as PDF, after the options.\n"
           "--batch reads one command line per line of standard input, as a JSON array of\n"
           "  option strings (no --json, --pdf, --batch, --lambda-bestand, --help,\n"
           "  --project or --opslaan), and\n"
           "  writes per line the object --json prints, with \"exit\" and, for a usage\n"
           "  error, \"gebruiksfout\" instead of the fields. The table is read once.\n"
           "Numbers accept \",\" or \".\" as decimal separator.\n"
           "Exit status: 0 no error, 1 calculation errors or a PDF that could not be written\n"
           "(listed on stderr), 2 usage error.\n";
}

} // namespace rcveltor::cli
