#include "lambdatabel/LambdaBron.h"

#include "basis/RcFout.h"

#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <string_view>

namespace rcveltor {

namespace {

bool IsWitruimte(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::vector<std::string_view> Woorden(std::string_view regel) {
    std::vector<std::string_view> woorden;
    std::size_t i = 0;
    while (i < regel.size()) {
        while (i < regel.size() && IsWitruimte(regel[i])) {
            ++i;
        }
        const std::size_t begin = i;
        while (i < regel.size() && !IsWitruimte(regel[i])) {
            ++i;
        }
        if (i > begin) {
            woorden.push_back(regel.substr(begin, i - begin));
        }
    }
    return woorden;
}

bool LeesGetal(std::string_view tekst, double& waarde) {
    const char* eind = tekst.data() + tekst.size();
    const auto [rest, fout] = std::from_chars(tekst.data(), eind, waarde);
    return fout == std::errc{} && rest == eind && std::isfinite(waarde);
}

} // namespace

std::vector<TLambdaRegel> LeesLambdaBron(std::istream& bron) {
    std::vector<TLambdaRegel> regels;
    std::map<double, int> regelVanCode;
    std::string regel;
    int nummer = 0;
    while (std::getline(bron, regel)) {
        ++nummer;
        std::string_view inhoud(regel);
        inhoud = inhoud.substr(0, inhoud.find('#'));
        const auto woorden = Woorden(inhoud);
        if (woorden.empty()) {
            continue;
        }
        const std::string waar = "Regel " + std::to_string(nummer) + ": ";
        TLambdaRegel nieuw;
        if (woorden.size() != 2 || !LeesGetal(woorden[0], nieuw.Code) ||
            !LeesGetal(woorden[1], nieuw.Lambda)) {
            throw RcFout(waar + "verwacht \"code lambda\", gelezen \"" + std::string(inhoud) +
                         "\"");
        }
        const auto [plek, nieuwCode] = regelVanCode.emplace(nieuw.Code, nummer);
        if (!nieuwCode) {
            throw RcFout(waar + "code " + std::string(woorden[0]) + " staat al op regel " +
                         std::to_string(plek->second));
        }
        regels.push_back(nieuw);
    }
    return regels;
}

} // namespace rcveltor
