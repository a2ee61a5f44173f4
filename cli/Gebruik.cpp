#include "cli/Opties.h"

#include "project/Veldentabel.h"

#include <algorithm>
#include <string_view>
#include <vector>

// --help: the screens' options come from the table of fields.

namespace rcveltor::cli {

namespace {

// How --help marks a number input.
std::string_view Aantekening(TInvoerwijze wijze) {
    return wijze == TInvoerwijze::Typen     ? "(typed)"
           : wijze == TInvoerwijze::Stappen ? "(clamped)"
                                            : "";
}

// "  --dikte MM" and its description in the second column.
std::string Optieregel(std::string_view optie, std::string_view argument, std::string_view uitleg) {
    std::string regel = "  --" + std::string(optie) + " " + std::string(argument);
    regel.resize(std::max<std::size_t>(regel.size() + 1, 34), ' ');
    return regel + std::string(uitleg) + "\n";
}

// Words filled into lines of at most 80 characters; later lines indented.
std::string Omgebroken(const std::vector<std::string>& woorden) {
    std::string uit;
    std::string regel;
    for (const std::string& woord : woorden) {
        if (!regel.empty() && regel.size() + 1 + woord.size() > 80) {
            uit += regel + "\n";
            regel = "  " + woord;
        } else {
            regel += (regel.empty() ? "" : " ") + woord;
        }
    }
    return uit + regel + "\n";
}

// The tapered screen's options after the flat roof's: its own inputs (those
// described above by name alone, a run of numbers set alike marked once),
// then the inputs both screens end with as a range.
std::string AfschotAlinea() {
    const auto plat = Invoerrijen(TSchermsoort::Plat);
    const auto afschot = Invoerrijen(TSchermsoort::Afschot);
    std::size_t gedeeld = 0;
    while (gedeeld < plat.size() && gedeeld < afschot.size() &&
           plat[plat.size() - 1 - gedeeld]->Optie == afschot[afschot.size() - 1 - gedeeld]->Optie) {
        ++gedeeld;
    }
    const auto beschreven = [&](std::size_t i) {
        return std::any_of(plat.begin(), plat.end(),
                           [&](const TInvoerRij* p) { return p->Optie == afschot[i]->Optie; });
    };
    const std::size_t eigen = afschot.size() - gedeeld;
    std::vector<std::string> woorden = {"Tapered", "screen", "(--afschot):"};
    for (std::size_t i = 0; i < eigen; ++i) {
        const TInvoerRij& rij = *afschot[i];
        std::string woord = "--" + std::string(rij.Optie);
        if (!beschreven(i)) {
            woord += " " + std::string(rij.Argument);
            const bool laatsteVanReeks =
                i + 1 == eigen || afschot[i + 1]->Wijze != rij.Wijze || beschreven(i + 1);
            if (!rij.IsLijst() && laatsteVanReeks) {
                woord += " " + std::string(Aantekening(rij.Wijze));
            }
        }
        woorden.push_back(woord + (i + 1 < eigen || gedeeld > 0 ? "," : "."));
    }
    if (gedeeld > 0) {
        woorden.emplace_back("then");
        woorden.push_back("--" + std::string(afschot[eigen]->Optie));
        if (gedeeld > 1) {
            woorden.emplace_back("...");
            woorden.push_back("--" + std::string(afschot.back()->Optie));
        }
        woorden.insert(woorden.end(), {"as", "above."});
    }
    return Omgebroken(woorden);
}

// One line per input that has an option.
std::string Optieregels(const std::vector<const TInvoerRij*>& rijen) {
    std::string s;
    for (const TInvoerRij* rij : rijen) {
        if (rij->Optie.empty()) {
            continue;
        }
        const std::string_view aantekening = Aantekening(rij->Wijze);
        s += Optieregel(rij->Optie, rij->Argument,
                        std::string(rij->Uitleg) +
                            (aantekening.empty() ? "" : " " + std::string(aantekening)));
    }
    return s;
}

std::string MaakGebruik() {
    std::string s =
        "Usage: rcveltor-cli [--project FILE] [--afschot] [--methode M] [OPTIONS...] [--json]\n"
        "                   [--vocht] [--pdf FILE] [--opslaan FILE] [--lambda-bestand FILE]\n"
        "       rcveltor-cli --batch [--lambda-bestand FILE]\n"
        "\n"
        "Flat-roof screen (default), applied in this order:\n";
    s += Optieregels(Invoerrijen(TSchermsoort::Plat));
    s += Optieregel("wens-rc", "X", "Rc wizard: thinnest standard thickness reaching X");
    s += AfschotAlinea();
    s += "--methode nen1068|iso6946 sets the calculation method of both screens before the\n"
         "  other options: NEN 1068 (default) or NEN-EN-ISO 6946; with iso6946 --json adds\n"
         "  \"methode\" and the fields DeltaUf, PercentageU, Eis (and EditRcMin2).\n"
         "--project FILE opens a calculation file (.rcv) before the options, which then\n"
         "  change it; --json then shows its project data under \"project\".\n"
         "--opslaan FILE saves the calculation, both screens, the project data and the\n"
         "  moisture check's inputs, as a calculation file, after the options.\n"
         "--pdf FILE writes the screen's report to FILE as PDF, after the options.\n";
    s += "Moisture check of either screen, applied after the screen's options:\n";
    s += Optieregels(Vochtrijen());
    s += "--vocht adds the moisture check of the screen, with vocht.ini and klimaat.ini\n"
         "  from the working directory: with --json the object \"vocht\", else a few lines;\n"
         "  with --pdf the report gets it as a second page.\n"
         "--batch reads one command line per line of standard input, as a JSON array of\n"
         "  option strings (no --json, --pdf, --batch, --lambda-bestand, --help,\n"
         "  --project or --opslaan), and\n"
         "  writes per line the object --json prints, with \"exit\" and, for a usage\n"
         "  error, \"gebruiksfout\" instead of the fields. The table is read once.\n"
         "Numbers accept \",\" or \".\" as decimal separator.\n"
         "Exit status: 0 no error, 1 calculation errors or a PDF that could not be written\n"
         "(listed on stderr), 2 usage error.\n";
    return s;
}

} // namespace

const char* Gebruik() {
    // Made from the table of fields once.
    static const std::string gebruik = MaakGebruik();
    return gebruik.c_str();
}

} // namespace rcveltor::cli
