#pragma once

#include "calc/Vochtopbouw.h"

#include <nlohmann/json_fwd.hpp>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace rcveltor {
class TRekenModel;
}

// --vocht: the moisture check of the chosen screen beside its output.

namespace rcveltor::cli {

// The check's data files, read from the working folder at the first run
// that asks for them and then shared, by the batch's threads too.
class TVochtbron {
public:
    TVochtbron(); // the working folder, where the calculator finds lambda.bin
    explicit TVochtbron(std::string werkmap);

    // The data; RcFout with the read's message, every time it is asked.
    const TVochtdata& Data();

private:
    std::string werkmap_;
    std::once_flag gelezen_;
    std::optional<TVochtdata> data_;
    std::string fout_;
};

// The check of the chosen screen as every view shows it; nothing when it
// could not be made, its error then appended to `fouten`.
std::optional<TVochtWeergave> ControleerVocht(TRekenModel& model, bool afschot, TVochtbron& bron,
                                              std::vector<std::string>& fouten);

// The "vocht" object of --json; null without a check.
nlohmann::ordered_json VochtJson(const std::optional<TVochtWeergave>& weergave);

// The lines a run without --json prints after the screen; none without a
// check.
std::string VochtRegels(const std::optional<TVochtWeergave>& weergave);

} // namespace rcveltor::cli
