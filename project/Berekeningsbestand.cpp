#include "project/Berekeningsbestand.h"

#include "calc/RekenModel.h"
#include "project/Veldentabel.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace rcveltor {

namespace {

// Every input field's shown text under its key; a list chosen by its place
// gives that place.
TInvoer Invoer(const TVelden& velden) {
    TInvoer invoer;
    for (const TSchermveld& veld : velden) {
        if (veld.Invoer == nullptr) {
            continue;
        }
        invoer.emplace_back(veld.Invoer->Sleutel, veld.Invoer->Wijze == TInvoerwijze::KiezenOpPlaats
                                                      ? std::to_string(veld.Lijst->ItemIndex + 1)
                                                      : veld.Getoond());
    }
    return invoer;
}

// A list's place and a check box are a JSON number and boolean in the file;
// every other input is its text.
nlohmann::ordered_json AlsObject(const TInvoer& invoer,
                                 const std::vector<const TInvoerRij*>& rijen = {}) {
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    for (const auto& [sleutel, tekst] : invoer) {
        const auto rij = std::ranges::find(rijen, sleutel, &TInvoerRij::Sleutel);
        const bool json = rij != rijen.end() && ((*rij)->Wijze == TInvoerwijze::KiezenOpPlaats ||
                                                 (*rij)->Wijze == TInvoerwijze::Aanvinken);
        auto waarde = json ? nlohmann::ordered_json::parse(tekst, nullptr, false)
                           : nlohmann::ordered_json(tekst);
        o[sleutel] = waarde.is_discarded() ? nlohmann::ordered_json(tekst) : std::move(waarde);
    }
    return o;
}

nlohmann::ordered_json AlsObject(const TUitkomst& u) {
    return {{"rc", u.Rc}, {"u", u.U}};
}

// Unknown keys go after the known ones; a key the writer wrote itself wins.
void VoegToe(nlohmann::ordered_json& object, const TOnbekendeSleutels::TLeden& leden) {
    for (const auto& [sleutel, tekst] : leden) {
        auto waarde = nlohmann::ordered_json::parse(tekst, nullptr, false);
        if (!waarde.is_discarded() && !object.contains(sleutel)) {
            object[sleutel] = std::move(waarde);
        }
    }
}

} // namespace

std::string IsoTijd(std::time_t tijd) {
    std::tm t{};
#ifdef _WIN32
    gmtime_s(&t, &tijd);
#else
    gmtime_r(&tijd, &t);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &t);
    return buf;
}

TBerekeningsbestand Vastleggen(TRekenModel& model, const TProjectgegevens& project,
                               const std::string& wensRc, const std::string& programma,
                               std::time_t tijd) {
    TBerekeningsbestand b;
    b.Programma = programma;
    b.Opgeslagen = IsoTijd(tijd);
    b.Project = project;
    b.Methode = model.Gedeeld.Methode;
    b.Plat = Invoer(Velden(model.Rc));
    b.WensRc = wensRc;
    b.Afschot = Invoer(Velden(model.Afschot));
    // A calculation without the check keeps the file it always had.
    if (!model.Vocht.IsStart()) {
        b.Vocht = Invoer(Velden(model.Vocht));
    }
    b.UitkomstPlat = TUitkomst{model.Rc.EditRc.Tekst, model.Rc.EditU.Tekst};
    b.UitkomstAfschot = TUitkomst{model.Afschot.EditRc2.Tekst, model.Afschot.EditU2.Tekst};
    return b;
}

std::string AlsBestandstekst(const TBerekeningsbestand& b) {
    const TProjectgegevens& p = b.Project;
    nlohmann::ordered_json plat = AlsObject(b.Plat);
    if (!b.WensRc.empty()) {
        plat["wensRc"] = b.WensRc;
    }
    nlohmann::ordered_json resultaten = nlohmann::ordered_json::object();
    if (b.UitkomstPlat) {
        resultaten["plat"] = AlsObject(*b.UitkomstPlat);
    }
    if (b.UitkomstAfschot) {
        resultaten["afschot"] = AlsObject(*b.UitkomstAfschot);
    }
    nlohmann::ordered_json project = {{"naam", p.Naam},
                                      {"nummer", p.Nummer},
                                      {"adres", p.Adres},
                                      {"postcodePlaats", p.PostcodePlaats},
                                      {"opdrachtgever", p.Opdrachtgever},
                                      {"opgesteldDoor", p.OpgesteldDoor},
                                      {"datum", p.Datum},
                                      {"opmerking", p.Opmerking}};
    nlohmann::ordered_json afschot = AlsObject(b.Afschot);
    VoegToe(project, b.Onbekend.Project);
    VoegToe(plat, b.Onbekend.Plat);
    VoegToe(afschot, b.Onbekend.Afschot);
    nlohmann::ordered_json o = {
        {"formaat", kBestandsformaat},
        {"versie", kBestandsversie},
        {"programma", b.Programma},
        {"opgeslagen", b.Opgeslagen},
        {"project", project},
        {"methode", std::string(MethodeSleutel(b.Methode))},
        {"plat", plat},
        {"afschot", afschot},
    };
    if (!b.Vocht.empty() || !b.Onbekend.Vocht.empty()) {
        nlohmann::ordered_json vocht = AlsObject(b.Vocht, Vochtrijen());
        VoegToe(vocht, b.Onbekend.Vocht);
        o["vocht"] = std::move(vocht);
    }
    o["resultaten"] = std::move(resultaten);
    VoegToe(o, b.Onbekend.Bestand);
    // Texts that are not UTF-8 never reach a file; a replacement character
    // shows where one was.
    const auto vervang = nlohmann::ordered_json::error_handler_t::replace;
    const std::string tekst = o.dump(2, ' ', false, vervang) + "\n";
    // Indenting a later release's large keys could make a file too large to
    // open again; then it is written on one line.
    return tekst.size() <= kMaxBestandsgrootte ? tekst : o.dump(-1, ' ', false, vervang) + "\n";
}

} // namespace rcveltor
