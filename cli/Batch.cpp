#include "Batch.h"

#include "JsonRegel.h"
#include "Opties.h"
#include "RcFout.h"
#include "RekenModel.h"
#include "Toepassen.h"
#include "Uitvoer.h"

#include <istream>
#include <ostream>

namespace rcveltor::cli {

namespace {

// Options that concern the whole run, not one calculation.
void WeigerRunOpties(const TOpties& opties) {
    const char* optie = opties.Json            ? "--json"
                        : opties.Pdf           ? "--pdf"
                        : opties.Batch         ? "--batch"
                        : opties.LambdaBestand ? "--lambda-bestand"
                        : opties.Hulp          ? "--help"
                                               : nullptr;
    if (optie != nullptr) {
        throw Gebruiksfout(std::string(optie) + " is not allowed in a batch line");
    }
}

bool Leeg(const std::string& regel) {
    return regel.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

std::string BatchAntwoord(std::string_view regel, TLambdaTabel& tabel,
                          const std::optional<std::string>& laadfout) {
    try {
        const TOpties opties = LeesOpties(LeesJsonRegel(regel));
        WeigerRunOpties(opties);
        TRekenModel model(",");
        std::vector<std::string> fouten = model.Opstarten(tabel, laadfout);
        PasToe(opties, model, fouten);
        std::string antwoord = AlsJson(model, opties.Afschot, fouten);
        antwoord.resize(antwoord.size() - 2); // "}\n"
        antwoord += fouten.empty() ? ", \"exit\": 0}" : ", \"exit\": 1}";
        return antwoord;
    } catch (const Gebruiksfout& fout) {
        return "{\"exit\": 2, \"gebruiksfout\": " + JsonTekst(fout.what()) + "}";
    }
}

int DraaiBatch(std::istream& in, std::ostream& uit, const std::string& lambdaPad) {
    TLambdaTabel tabel;
    std::optional<std::string> laadfout;
    try {
        tabel.Laden(lambdaPad);
    } catch (const RcFout& fout) {
        laadfout = fout.what();
    }
    std::string regel;
    while (std::getline(in, regel)) {
        if (Leeg(regel)) {
            continue;
        }
        uit << BatchAntwoord(regel, tabel, laadfout) << '\n';
        // A caller that waits for each answer gets it; a full pipe is
        // written in blocks.
        if (in.rdbuf()->in_avail() <= 0) {
            uit.flush();
        }
    }
    uit.flush();
    return 0;
}

} // namespace rcveltor::cli
