#include "cli/Vocht.h"

#include "basis/RcFout.h"
#include "calc/Actie.h"
#include "calc/RekenModel.h"
#include "platform/Bestand.h"

#include <nlohmann/json.hpp>

#include <filesystem>

namespace rcveltor::cli {

namespace {

std::string Werkmap() {
    std::error_code ec;
    return platform::Utf8(std::filesystem::current_path(ec));
}

std::string Regel(const std::string& caption, const std::string& waarde) {
    std::string regel = caption;
    regel.resize(28, ' ');
    return regel + waarde + "\n";
}

} // namespace

TVochtbron::TVochtbron() : TVochtbron(Werkmap()) {}

TVochtbron::TVochtbron(std::string werkmap) : werkmap_(std::move(werkmap)) {}

const TVochtdata& TVochtbron::Data() {
    std::call_once(gelezen_, [this] {
        try {
            data_ = LeesVochtdata(werkmap_);
        } catch (const RcFout& fout) {
            fout_ = fout.what();
        }
    });
    if (!data_) {
        throw RcFout(fout_);
    }
    return *data_;
}

std::optional<TVochtWeergave> ControleerVocht(TRekenModel& model, bool afschot, TVochtbron& bron,
                                              std::vector<std::string>& fouten) {
    std::optional<TVochtWeergave> weergave;
    VoerActieUit(
        [&] {
            const TVochtdata& data = bron.Data();
            weergave = Weergave(BerekenVocht(model, afschot, data), data);
        },
        fouten);
    return weergave;
}

nlohmann::ordered_json VochtJson(const std::optional<TVochtWeergave>& weergave) {
    if (!weergave) {
        return nullptr;
    }
    const TVochtWeergave& w = *weergave;
    nlohmann::ordered_json maanden = nlohmann::ordered_json::array();
    for (const TVochtMaandtekst& m : w.Maanden) {
        maanden.push_back({{"maand", m.Maand}, {"gc", m.Gc}, {"ma", m.Ma}});
    }
    return {{"fRsi", w.FRsi},
            {"fRsiEis", w.FRsiEis},
            {"oordeel", w.Oordeel},
            {"voldoet", w.Voldoet},
            {"maxCondensaat", w.MaxCondensaat},
            {"beginmaand", w.Beginmaand ? nlohmann::ordered_json(*w.Beginmaand) : nullptr},
            {"minSdDamprem", w.MinSdDamprem},
            {"maanden", std::move(maanden)}};
}

std::string VochtRegels(const std::optional<TVochtWeergave>& weergave) {
    if (!weergave) {
        return {};
    }
    const TVochtWeergave& w = *weergave;
    return "\nVochtcontrole\n" + Regel("fRsi", w.FRsi + " (" + w.FRsiEis + ")") +
           Regel("Oordeel", w.Oordeel) + Regel("Max. condensaat", w.MaxCondensaat + " g/m2") +
           w.MinSdZin + "\n";
}

} // namespace rcveltor::cli
