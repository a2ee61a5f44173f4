#include "cli/Draaien.h"

#include "basis/RcFout.h"
#include "cli/Batch.h"
#include "cli/Opties.h"
#include "cli/Toepassen.h"
#include "cli/Uitvoer.h"
#include "cli/Vocht.h"
#include "platform/Bestand.h"
#include "platform/Databestand.h"
#include "platform/Systeemfout.h"
#include "project/Berekening.h"
#include "project/Bestandslezer.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>

namespace rcveltor::cli {

namespace {

// The table's file: "lambda.bin" in the working directory unless given. A
// path with a root stays as given (on Windows "/x" has no drive yet).
std::string LambdaPad(const TOpties& opties) {
    std::error_code ec;
    const std::filesystem::path werkmap = std::filesystem::current_path(ec);
    if (!opties.LambdaBestand) {
        return platform::ZoekDatabestand(platform::Utf8(werkmap), "lambda.bin");
    }
    const std::filesystem::path gegeven = platform::PadUitUtf8(*opties.LambdaBestand);
    return gegeven.has_root_directory() ? *opties.LambdaBestand : platform::Utf8(werkmap / gegeven);
}

} // namespace

int Draai(const std::vector<std::string>& argumenten, const TPdfRoute& pdf) {
    try {
        const TOpties opties = LeesOpties(argumenten);
        if (opties.Hulp) {
            std::cout << Gebruik();
            return 0;
        }
        if (opties.Batch) {
            // Nothing was read or written yet: the streams may buffer alone.
            std::ios::sync_with_stdio(false);
            return DraaiBatch(std::cin, std::cout, LambdaPad(opties));
        }
        if (opties.Pdf && pdf.Doorgeven) {
            return pdf.Doorgeven();
        }
        TBerekening berekening(TWensRcBron::Optie);
        TRekenModel& model = berekening.Model;
        std::vector<std::string> fouten = berekening.Opstarten(LambdaPad(opties));
        std::string afwijking;
        if (opties.Project) {
            try {
                const TOpening opening = berekening.Open(*opties.Project);
                fouten.insert(fouten.end(), opening.Fouten.begin(), opening.Fouten.end());
                afwijking = opening.Afwijking;
            } catch (const TOnbruikbaarBestand& fout) {
                std::cerr << "rcveltor-cli: " << fout.what() << "\n";
                return 1;
            }
        }
        PasToe(opties, model, fouten, &berekening.WensRc);
        // The data files are read only for the check.
        std::optional<TVochtWeergave> vocht;
        if (opties.Vocht) {
            TVochtbron bron;
            vocht = ControleerVocht(model, opties.Afschot, bron, fouten);
        }
        // The project data shows only with an opened file.
        const TProjectgegevens* gegevens = opties.Project ? &berekening.Project : nullptr;

        if (opties.Json) {
            nlohmann::ordered_json o = JsonObject(model, opties.Afschot, fouten, gegevens);
            if (opties.Vocht) {
                o["vocht"] = VochtJson(vocht);
            }
            std::cout << SchrijfJson(o) << "\n";
        } else {
            std::cout << AlsTabel(model, opties.Afschot) << VochtRegels(vocht);
        }
        if (!afwijking.empty()) {
            std::cerr << "rcveltor-cli: " << afwijking << "\n";
        }
        for (const auto& fout : fouten) {
            std::cerr << "rcveltor-cli: " << fout << "\n";
        }
        bool opgeslagen = true;
        if (opties.Opslaan) {
            try {
                berekening.SlaOp(*opties.Opslaan);
            } catch (const platform::TBestandsfout& fout) {
                std::cerr << "rcveltor-cli: Het bestand \""
                          << platform::Utf8(platform::PadUitUtf8(*opties.Opslaan).filename())
                          << "\" kan niet worden opgeslagen (" << fout.what() << ").\n";
                opgeslagen = false;
            }
        }
        bool pdfGeschreven = true;
        if (opties.Pdf && pdf.Schrijven) {
            // --vocht asks for the check: the report shows it too, as the
            // window's "Vochtcontrole op rapport" does (after the save, which
            // keeps the box as it was).
            model.Vocht.OpRapport = model.Vocht.OpRapport || opties.Vocht;
            std::cout.flush();
            try {
                pdf.Schrijven(model, opties.Afschot, *opties.Pdf, gegevens);
            } catch (const RcFout& fout) {
                std::cerr << "rcveltor-cli: " << fout.what() << "\n";
                pdfGeschreven = false;
            }
        }
        return fouten.empty() && pdfGeschreven && opgeslagen ? 0 : 1;
    } catch (const Gebruiksfout& fout) {
        std::cerr << "rcveltor-cli: " << fout.what() << "\n\n" << Gebruik();
        return 2;
    }
}

} // namespace rcveltor::cli
