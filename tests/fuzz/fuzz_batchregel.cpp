// Feeds arbitrary bytes to the batch line reader and answers them as the
// batch would. Only Gebruiksfout may leave the reader; what it accepts must
// write back as JSON to the same arguments; every answer must be one line
// holding one JSON object with "exit".
#include "basis/RcFout.h"
#include "cli/Batch.h"
#include "cli/JsonRegel.h"
#include "cli/Opties.h"
#include "cli/Uitvoer.h"
#include "lambdatabel/LambdaTabel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

struct TTabel {
    rcveltor::TLambdaTabel Tabel;
    std::optional<std::string> Laadfout;
    TTabel() {
        try {
            Tabel.Laden(RCV_LAMBDA_BIN);
        } catch (const rcveltor::RcFout& fout) {
            Laadfout = fout.what();
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TTabel tabel;
    const std::string_view regel(reinterpret_cast<const char*>(data), size);

    bool gelezen = false;
    try {
        const std::vector<std::string> argumenten = rcveltor::cli::LeesJsonRegel(regel);
        gelezen = true;
        std::string terug = "[";
        for (const auto& a : argumenten) {
            Eis(a.find('\0') == std::string::npos);
            terug += (terug.size() > 1 ? "," : "") + rcveltor::cli::JsonTekst(a);
        }
        Eis(rcveltor::cli::LeesJsonRegel(terug + "]") == argumenten);
    } catch (const rcveltor::cli::Gebruiksfout&) {
        Eis(!gelezen);
    }

    const std::string antwoord = rcveltor::cli::BatchAntwoord(regel, tabel.Tabel, tabel.Laadfout);
    Eis(antwoord.find('\n') == std::string::npos);
    const auto json = nlohmann::json::parse(antwoord, nullptr, false);
    Eis(json.is_object() && json.contains("exit"));
    Eis(json.contains("gebruiksfout") != json.contains("velden"));
    return 0;
}
