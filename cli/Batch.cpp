#include "cli/Batch.h"

#include "basis/RcFout.h"
#include "calc/RekenModel.h"
#include "cli/Ingekort.h"
#include "cli/Invoerregel.h"
#include "cli/JsonRegel.h"
#include "cli/Opties.h"
#include "cli/Toepassen.h"
#include "cli/Uitvoer.h"
#include "cli/Vocht.h"
#include "cli/Werkers.h"

#include <nlohmann/json.hpp>

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

// A block of lines answered together: at most this many lines and, past
// this many bytes, no further line.
constexpr std::size_t kBlok = 1024;
constexpr std::size_t kBlokBytes = 4 * kMaxRegel;

// A line cut by the reader is too long, however blank its start.
bool Leeg(const std::string& regel) {
    return regel.size() <= kMaxRegel && regel.find_first_not_of(" \t\r") == std::string::npos;
}

// A typed field shows the text as typed: the answer shows no more of it
// than of any other value. The model is not used after the answer.
void KortVeldenIn(TRekenModel& model) {
    for (auto velden : {model.Rc.NumVelden(), model.Afschot.NumVelden()}) {
        for (TNumVeld* veld : velden) {
            if (veld->Tekst.size() > kMaxGetoond) {
                veld->Tekst = Ingekort(veld->Tekst);
            }
        }
    }
}

} // namespace

std::string BatchAntwoord(std::string_view regel, TLambdaTabel& tabel,
                          const std::optional<std::string>& laadfout, TVochtbron* vocht) {
    std::vector<std::string> argumenten;
    try {
        argumenten = LeesJsonRegel(regel);
        const TOpties opties = LeesOpties(argumenten);
        WeigerRunOpties(opties);
        TRekenModel model;
        std::vector<std::string> fouten = model.Opstarten(tabel, laadfout);
        PasToe(opties, model, fouten);
        std::optional<TVochtWeergave> weergave;
        if (opties.Vocht) {
            std::optional<TVochtbron> eigen;
            weergave = ControleerVocht(model, opties.Afschot,
                                       vocht != nullptr ? *vocht : eigen.emplace(), fouten);
        }
        KortVeldenIn(model);
        nlohmann::ordered_json antwoord = JsonObject(model, opties.Afschot, fouten);
        if (opties.Vocht) {
            antwoord["vocht"] = VochtJson(weergave);
        }
        antwoord["exit"] = fouten.empty() ? 0 : 1;
        return SchrijfJson(antwoord);
    } catch (const Gebruiksfout& fout) {
        return SchrijfJson({{"exit", 2}, {"gebruiksfout", KortWaardenIn(fout.what(), argumenten)}});
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
    // Read at the first line that asks for the check.
    TVochtbron vocht;
    std::vector<std::string> regels;
    std::vector<std::string> antwoorden;
    std::string regel;
    while (LeesInvoerregel(in, regel, kMaxRegel)) {
        // One line is waited for; the rest of the block is what has already
        // arrived, so a caller that waits for each answer gets it.
        regels.clear();
        std::size_t bytes = 0;
        do {
            if (!Leeg(regel)) {
                bytes += regel.size();
                regels.push_back(std::move(regel));
            }
        } while (regels.size() < kBlok && bytes < kBlokBytes && in.rdbuf()->in_avail() > 0 &&
                 LeesInvoerregel(in, regel, kMaxRegel));
        antwoorden.resize(regels.size());
        const auto beantwoord = [&](std::size_t i, unsigned werker) {
            antwoorden[i] = BatchAntwoord(regels[i], tabellen[werker], laadfout, &vocht);
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
