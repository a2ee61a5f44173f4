#include "Batch.h"

#include "JsonRegel.h"
#include "Opties.h"
#include "RcFout.h"
#include "RekenModel.h"
#include "Toepassen.h"
#include "Uitvoer.h"
#include "Werkers.h"

#include <algorithm>
#include <thread>
#include <vector>

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
                        : opties.Project       ? "--project"
                        : opties.Opslaan       ? "--opslaan"
                                               : nullptr;
    if (optie != nullptr) {
        throw Gebruiksfout(std::string(optie) + " is niet toegestaan in een batchregel");
    }
}

constexpr std::size_t kBlok = 1024;

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
    TLambdaTabel geladen;
    std::optional<std::string> laadfout;
    try {
        geladen.Laden(lambdaPad);
    } catch (const RcFout& fout) {
        laadfout = fout.what();
    }
    // Lines are independent: what is at hand is shared out over the cores,
    // each with its own copy of the table (a lookup moves its current row).
    TWerkers werkers(std::clamp(std::thread::hardware_concurrency(), 1U, 8U));
    std::vector<TLambdaTabel> tabellen(werkers.Aantal(), geladen);
    std::vector<std::string> regels;
    std::vector<std::string> antwoorden;
    for (std::string regel; std::getline(in, regel);) {
        // One line is waited for; the rest of the block is what has already
        // arrived, so a caller that waits for each answer gets it.
        regels.clear();
        do {
            if (!Leeg(regel)) {
                regels.push_back(std::move(regel));
            }
        } while (regels.size() < kBlok && in.rdbuf()->in_avail() > 0 && std::getline(in, regel));
        antwoorden.resize(regels.size());
        const auto beantwoord = [&](std::size_t i, unsigned werker) {
            antwoorden[i] = BatchAntwoord(regels[i], tabellen[werker], laadfout);
        };
        if (regels.size() < 2 * werkers.Aantal()) {
            for (std::size_t i = 0; i < regels.size(); ++i) {
                beantwoord(i, 0);
            }
        } else {
            werkers.Verdeel(regels.size(), beantwoord);
        }
        for (std::size_t i = 0; i < regels.size(); ++i) {
            uit << antwoorden[i] << '\n';
        }
        uit.flush();
    }
    return 0;
}

} // namespace rcveltor::cli
