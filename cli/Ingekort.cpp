#include "cli/Ingekort.h"

#include <algorithm>

namespace rcveltor::cli {

std::string Ingekort(std::string_view tekst) {
    std::size_t tekens = 0;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        // A byte that does not continue a UTF-8 sequence starts a character.
        if ((static_cast<unsigned char>(tekst[i]) & 0xC0) != 0x80 && tekens++ == kMaxGetoond) {
            return std::string(tekst.substr(0, i)) + "\u2026";
        }
    }
    return std::string(tekst);
}

std::string KortWaardenIn(std::string melding, const std::vector<std::string>& argumenten) {
    std::vector<std::string_view> lang;
    for (const std::string& a : argumenten) {
        if (a.size() <= kMaxGetoond) {
            continue;
        }
        lang.emplace_back(a);
        if (const auto is = a.find('='); a.rfind("--", 0) == 0 && is != std::string::npos) {
            lang.push_back(std::string_view(a).substr(is + 1));
        }
    }
    // The longest first: a cut text is too short to hold a longer one whole.
    std::sort(lang.begin(), lang.end(),
              [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    for (const std::string_view waarde : lang) {
        if (waarde.size() <= kMaxGetoond) {
            continue;
        }
        const std::string kort = Ingekort(waarde);
        for (auto p = melding.find(waarde); p != std::string::npos;
             p = melding.find(waarde, p + kort.size())) {
            melding.replace(p, waarde.size(), kort);
        }
    }
    return melding;
}

} // namespace rcveltor::cli
