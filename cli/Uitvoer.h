#pragma once

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace rcveltor {
class TRekenModel;
struct TProjectgegevens;
} // namespace rcveltor

namespace rcveltor::cli {

// The screen as one JSON object: {"scherm", "velden" (the table of fields),
// "DikteNietStandaard" (flat roof only), "fouten"}, and "project" when a
// calculation file is open.
nlohmann::ordered_json JsonObject(TRekenModel& model, bool afschot,
                                  const std::vector<std::string>& fouten,
                                  const TProjectgegevens* project = nullptr);
// That object on one line with its newline: what --json prints.
std::string AlsJson(TRekenModel& model, bool afschot, const std::vector<std::string>& fouten,
                    const TProjectgegevens* project = nullptr);

// A JSON value on one line as this calculator writes it: ", " between
// members, ": " after a key, texts as JsonTekst writes them.
std::string SchrijfJson(const nlohmann::ordered_json& waarde);

// A JSON string literal of `s`, quotes included.
std::string JsonTekst(const std::string& s);
// The same, appended to `uit`.
void VoegJsonTekst(std::string& uit, std::string_view s);

// The screen as a readable table with its Dutch captions.
std::string AlsTabel(TRekenModel& model, bool afschot);

} // namespace rcveltor::cli
