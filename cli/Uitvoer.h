#pragma once

#include <string>
#include <vector>

namespace rcveltor {
class TRekenModel;
}

namespace rcveltor::cli {

// The screen as one JSON object: {"scherm", "velden", "DikteNietStandaard"
// (flat roof only), "fouten"}.
std::string AlsJson(TRekenModel& model, bool afschot, const std::vector<std::string>& fouten);

// A JSON string literal of `s`, quotes included.
std::string JsonTekst(const std::string& s);

// The screen as a readable table with its Dutch captions.
std::string AlsTabel(TRekenModel& model, bool afschot);

} // namespace rcveltor::cli
