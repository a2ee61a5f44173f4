#include "calc/Iniregels.h"

#include "basis/RcFout.h"
#include "platform/Bestand.h"
#include "platform/Systeemfout.h"

namespace rcveltor {

namespace {

std::string_view Bijgesneden(std::string_view tekst) {
    const auto begin = tekst.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto einde = tekst.find_last_not_of(" \t\r");
    return tekst.substr(begin, einde - begin + 1);
}

} // namespace

std::string IniPlaats(const std::string& bestandsnaam, int regel) {
    return "\"" + bestandsnaam + "\", regel " + std::to_string(regel) + ": ";
}

std::string IniCitaat(std::string_view tekst) {
    constexpr std::size_t kMax = 60;
    if (tekst.size() <= kMax) {
        return std::string(tekst);
    }
    // Cut before a character's continuation bytes, so the message stays UTF-8.
    std::size_t lengte = kMax;
    while (lengte > 0 && (static_cast<unsigned char>(tekst[lengte]) & 0xC0) == 0x80) {
        --lengte;
    }
    return std::string(tekst.substr(0, lengte)) + "…";
}

std::vector<TIniRegel> LeesIniRegels(std::string_view tekst, const std::string& bestandsnaam) {
    if (tekst.starts_with("\xEF\xBB\xBF")) {
        tekst.remove_prefix(3);
    }
    std::vector<TIniRegel> regels;
    std::string sectie;
    int nummer = 0;
    // Every pass takes at least the line's end off the text.
    while (!tekst.empty()) {
        ++nummer;
        const auto eind = tekst.find('\n');
        const std::string_view regel =
            Bijgesneden(eind == std::string_view::npos ? tekst : tekst.substr(0, eind));
        tekst.remove_prefix(eind == std::string_view::npos ? tekst.size() : eind + 1);
        if (regel.empty() || regel.front() == ';' || regel.front() == '#') {
            continue;
        }
        if (regel.front() == '[') {
            if (regel.back() != ']') {
                throw RcFout(IniPlaats(bestandsnaam, nummer) + "sectie zonder \"]\": \"" +
                             IniCitaat(regel) + "\"");
            }
            sectie = std::string(Bijgesneden(regel.substr(1, regel.size() - 2)));
            continue;
        }
        const auto is = regel.find('=');
        if (is == std::string_view::npos || Bijgesneden(regel.substr(0, is)).empty()) {
            throw RcFout(IniPlaats(bestandsnaam, nummer) +
                         "verwacht \"sleutel = waarde\", gelezen \"" + IniCitaat(regel) + "\"");
        }
        regels.push_back({sectie, std::string(Bijgesneden(regel.substr(0, is))),
                          std::string(Bijgesneden(regel.substr(is + 1))), nummer});
    }
    return regels;
}

std::string LeesIniBestand(const std::string& bestandsnaam, std::size_t hoogstens) {
    std::vector<unsigned char> inhoud;
    try {
        inhoud = platform::LeesBestand(platform::PadUitUtf8(bestandsnaam), hoogstens);
    } catch (const platform::TBestandsfout& reden) {
        throw RcFout("Kan \"" + bestandsnaam + "\" niet lezen. " + reden.what());
    }
    if (inhoud.size() > hoogstens) {
        throw RcFout("\"" + bestandsnaam + "\" is groter dan " + std::to_string(hoogstens) +
                     " bytes.");
    }
    return {inhoud.begin(), inhoud.end()};
}

} // namespace rcveltor
