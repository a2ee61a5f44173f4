#include "Draaien.h"

#include "Batch.h"
#include "Bestand.h"
#include "Bestandslezer.h"
#include "Opties.h"
#include "Project.h"
#include "RcFout.h"
#include "RekenModel.h"
#include "Toepassen.h"
#include "Uitvoer.h"

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
        return platform::Utf8(werkmap / "lambda.bin");
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
        TRekenModel model;
        std::vector<std::string> fouten = model.Opstarten(LambdaPad(opties));
        std::optional<TBerekeningsbestand> project;
        std::string afwijking;
        if (opties.Project) {
            try {
                project = OpenProject(*opties.Project, model, fouten, afwijking);
            } catch (const TOnbruikbaarBestand& fout) {
                std::cerr << "rcveltor-cli: " << fout.what() << "\n";
                return 1;
            }
        }
        PasToe(opties, model, fouten);
        const TProjectgegevens* gegevens = project ? &project->Project : nullptr;

        std::cout << (opties.Json ? AlsJson(model, opties.Afschot, fouten, gegevens)
                                  : AlsTabel(model, opties.Afschot));
        if (!afwijking.empty()) {
            std::cerr << "rcveltor-cli: " << afwijking << "\n";
        }
        for (const auto& fout : fouten) {
            std::cerr << "rcveltor-cli: " << fout << "\n";
        }
        bool opgeslagen = true;
        if (opties.Opslaan) {
            const auto wens = opties.Waarden.find("wens-rc");
            const std::string wensRc = wens != opties.Waarden.end() ? WensRcTekst(wens->second)
                                       : project                    ? project->WensRc
                                                                    : std::string();
            try {
                SlaOp(*opties.Opslaan, model, gegevens ? *gegevens : TProjectgegevens{}, wensRc,
                      project ? project->Onbekend : TOnbekendeSleutels{});
            } catch (const RcFout& fout) {
                std::cerr << "rcveltor-cli: " << fout.what() << "\n";
                opgeslagen = false;
            }
        }
        bool pdfGeschreven = true;
        if (opties.Pdf && pdf.Schrijven) {
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
