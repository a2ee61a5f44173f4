#include "JsonRegel.h"

#include "Opties.h"

#include <nlohmann/json.hpp>

namespace rcveltor::cli {

std::vector<std::string> LeesJsonRegel(std::string_view regel) {
    // Without exceptions: a bad line is common input here, not an accident.
    const auto json = nlohmann::json::parse(regel, nullptr, false);
    if (json.is_discarded()) {
        throw Gebruiksfout("de batchregel is geen geldige JSON");
    }
    if (!json.is_array()) {
        throw Gebruiksfout("de batchregel is geen JSON-lijst van teksten");
    }
    std::vector<std::string> argumenten;
    argumenten.reserve(json.size());
    for (const auto& element : json) {
        if (!element.is_string()) {
            throw Gebruiksfout("de batchregel is geen JSON-lijst van teksten");
        }
        const auto& tekst = element.get_ref<const std::string&>();
        if (tekst.find('\0') != std::string::npos) {
            throw Gebruiksfout("de batchregel bevat een NUL-teken, dat geen argument kan bevatten");
        }
        argumenten.push_back(tekst);
    }
    return argumenten;
}

} // namespace rcveltor::cli
