#include "project/Bestandslezer.h"

#include "platform/Bestand.h"
#include "project/Veldentabel.h"
#include "project/Veldtekst.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <vector>

namespace rcveltor {

namespace {

using nlohmann::json;

class TLezer {
public:
    explicit TLezer(const std::string& naam) : naam_(naam) {}

    [[noreturn]] void Fout(const std::string& reden) const {
        throw TOnbruikbaarBestand(Bestandsmelding(naam_, reden));
    }

    // The object under `sleutel`, or nullptr when it is missing.
    const json* Object(const json& ouder, const char* sleutel, const std::string& waar) const {
        const auto it = ouder.find(sleutel);
        if (it == ouder.end()) {
            return nullptr;
        }
        if (!it->is_object()) {
            Fout(waar + " is geen object");
        }
        return &*it;
    }

    // The text under `sleutel`, or nothing when it is missing.
    std::optional<std::string> Tekst(const json& ouder, const char* sleutel,
                                     const std::string& waar) const {
        const auto it = ouder.find(sleutel);
        if (it == ouder.end()) {
            return std::nullopt;
        }
        if (!it->is_string()) {
            Fout(waar + " is geen tekst");
        }
        return it->get<std::string>();
    }

    // A project field: one line, or several for the remark; cleaned as the
    // dialog cleans what is typed or pasted.
    std::string Projectveld(const json& project, const char* sleutel, bool regels) const {
        const std::string waar = std::string("\"project\".\"") + sleutel + "\"";
        return SchoonVeldtekst(Tekst(project, sleutel, waar).value_or(""), regels);
    }

    // An input's value as TInvoer keeps it: a list's place must be a whole
    // number, a check box true or false, every other input a text.
    std::optional<std::string> Invoerwaarde(const json& ouder, const TInvoerRij& rij,
                                            const std::string& waar) const {
        const std::string sleutel(rij.Sleutel);
        const auto it = ouder.find(sleutel);
        if (it == ouder.end()) {
            return std::nullopt;
        }
        if (rij.Wijze == TInvoerwijze::KiezenOpPlaats) {
            if (!it->is_number_integer()) {
                Fout(waar + " is geen geheel getal");
            }
            return it->dump();
        }
        if (rij.Wijze == TInvoerwijze::Aanvinken) {
            if (!it->is_boolean()) {
                Fout(waar + " is niet true of false");
            }
            return it->dump();
        }
        return Tekst(ouder, sleutel.c_str(), waar);
    }

    // The inputs in the order they are applied.
    TInvoer Invoer(const json& scherm, const std::string& schermnaam,
                   const std::vector<const TInvoerRij*>& rijen) const {
        TInvoer invoer;
        for (const TInvoerRij* rij : rijen) {
            const std::string waar = "\"" + schermnaam + "\".\"" + std::string(rij->Sleutel) + "\"";
            if (auto tekst = Invoerwaarde(scherm, *rij, waar)) {
                invoer.emplace_back(rij->Sleutel, std::move(*tekst));
            }
        }
        return invoer;
    }

    std::optional<TUitkomst> Uitkomst(const json& resultaten, const char* scherm) const {
        const std::string waar = std::string("\"resultaten\".\"") + scherm + "\"";
        const json* o = Object(resultaten, scherm, waar);
        if (o == nullptr) {
            return std::nullopt;
        }
        TUitkomst u;
        u.Rc = Tekst(*o, "rc", waar + ".\"rc\"").value_or("");
        u.U = Tekst(*o, "u", waar + ".\"u\"").value_or("");
        return u;
    }

private:
    const std::string& naam_;
};

const std::vector<std::string> kBestandssleutels = {
    "formaat", "versie", "programma", "opgeslagen", "project",
    "methode", "plat",   "afschot",   "vocht",      "resultaten"};
const std::vector<std::string> kProjectsleutels = {
    "naam",          "nummer",        "adres", "postcodePlaats",
    "opdrachtgever", "opgesteldDoor", "datum", "opmerking"};

// The keys of these inputs, from the table of fields.
std::vector<std::string> Invoersleutels(const std::vector<const TInvoerRij*>& rijen) {
    std::vector<std::string> sleutels;
    for (const TInvoerRij* rij : rijen) {
        sleutels.emplace_back(rij->Sleutel);
    }
    return sleutels;
}

// Deeper values are refused rather than kept: writing them back nests as
// deep as they do.
constexpr std::size_t kMaxDiepte = 100;

// How deep a value nests, counted without recursion; stops past kMaxDiepte.
std::size_t Diepte(const json& waarde) {
    std::vector<std::pair<const json*, std::size_t>> open{{&waarde, 1}};
    std::size_t diepst = 0;
    while (!open.empty() && diepst <= kMaxDiepte) {
        const auto [w, diepte] = open.back();
        open.pop_back();
        diepst = std::max(diepst, diepte);
        if (w->is_structured()) {
            for (const auto& kind : *w) {
                open.emplace_back(&kind, diepte + 1);
            }
        }
    }
    return diepst;
}

// The members of `object` that are none of the known keys, as JSON text.
TOnbekendeSleutels::TLeden OnbekendeLeden(const TLezer& lezer, const json& object,
                                          const std::string& waar,
                                          const std::vector<std::string>& bekend) {
    TOnbekendeSleutels::TLeden leden;
    for (const auto& [sleutel, waarde] : object.items()) {
        if (std::find(bekend.begin(), bekend.end(), sleutel) != bekend.end()) {
            continue;
        }
        if (Diepte(waarde) > kMaxDiepte) {
            lezer.Fout(waar + "\"" + sleutel + "\" is dieper genest dan " +
                       std::to_string(kMaxDiepte) + " niveaus");
        }
        leden.emplace_back(sleutel, waarde.dump());
    }
    return leden;
}

} // namespace

std::string Bestandsmelding(const std::string& naam, const std::string& reden) {
    return "Het bestand \"" + naam + "\" kan niet worden geopend: " + reden + ".";
}

TBerekeningsbestand LeesBerekening(std::string_view tekst, const std::string& naam) {
    const TLezer lezer(naam);
    if (tekst.size() > kMaxBestandsgrootte) {
        lezer.Fout("het is groter dan 1 MiB en dus geen RcVeltor-berekening");
    }
    json o;
    try {
        o = json::parse(tekst);
    } catch (const json::parse_error& fout) {
        lezer.Fout("het is geen geldige JSON; het bestand is beschadigd of afgebroken (bij byte " +
                   std::to_string(fout.byte) + ")");
    } catch (const json::out_of_range&) {
        // A number beyond a double's range, wherever it stands.
        lezer.Fout("het bevat een getal dat te groot is; het bestand is beschadigd");
    }
    if (!o.is_object()) {
        lezer.Fout("het is geen RcVeltor-berekening (geen JSON-object)");
    }
    const auto formaat = o.find("formaat");
    if (formaat == o.end() || *formaat != kBestandsformaat) {
        lezer.Fout("het is geen RcVeltor-berekening (\"formaat\" is niet \"rcveltor-berekening\")");
    }
    const auto versie = o.find("versie");
    if (versie == o.end() || !versie->is_number_integer() || *versie < 1) {
        lezer.Fout("\"versie\" is geen geheel getal vanaf 1");
    }
    if (*versie > kBestandsversie) {
        lezer.Fout("het is opgeslagen door een nieuwere versie van RcVeltor (bestandsversie " +
                   versie->dump() + "); deze versie leest bestandsversie " +
                   std::to_string(kBestandsversie) +
                   ". Werk RcVeltor bij om deze berekening te openen");
    }

    TBerekeningsbestand b;
    // Only this version's own file: an older one's unknown keys meant
    // something else.
    const bool bewaar = *versie == kBestandsversie;
    if (bewaar) {
        b.Onbekend.Bestand = OnbekendeLeden(lezer, o, "", kBestandssleutels);
    }
    b.Programma = lezer.Tekst(o, "programma", "\"programma\"").value_or("");
    b.Opgeslagen = lezer.Tekst(o, "opgeslagen", "\"opgeslagen\"").value_or("");
    if (const json* p = lezer.Object(o, "project", "\"project\"")) {
        TProjectgegevens& g = b.Project;
        g.Naam = lezer.Projectveld(*p, "naam", false);
        g.Nummer = lezer.Projectveld(*p, "nummer", false);
        g.Adres = lezer.Projectveld(*p, "adres", false);
        g.PostcodePlaats = lezer.Projectveld(*p, "postcodePlaats", false);
        g.Opdrachtgever = lezer.Projectveld(*p, "opdrachtgever", false);
        g.OpgesteldDoor = lezer.Projectveld(*p, "opgesteldDoor", false);
        g.Datum = lezer.Projectveld(*p, "datum", false);
        g.Opmerking = lezer.Projectveld(*p, "opmerking", true);
        if (bewaar) {
            b.Onbekend.Project = OnbekendeLeden(lezer, *p, "\"project\".", kProjectsleutels);
        }
        if (!g.Datum.empty() && !IsDatum(g.Datum)) {
            lezer.Fout("\"project\".\"datum\" is geen datum in de vorm JJJJ-MM-DD: \"" + g.Datum +
                       "\"");
        }
    }
    if (const auto methode = lezer.Tekst(o, "methode", "\"methode\"")) {
        const auto gekozen = MethodeUitSleutel(*methode);
        if (!gekozen) {
            lezer.Fout("\"methode\" is geen bekende rekenmethode: \"" + *methode +
                       "\" (bekend zijn \"nen1068\" en \"iso6946\")");
        }
        b.Methode = *gekozen;
    }
    if (const json* plat = lezer.Object(o, "plat", "\"plat\"")) {
        const auto rijen = Invoerrijen(TSchermsoort::Plat);
        std::vector<std::string> sleutels = Invoersleutels(rijen);
        b.Plat = lezer.Invoer(*plat, "plat", rijen);
        b.WensRc = lezer.Tekst(*plat, "wensRc", "\"plat\".\"wensRc\"").value_or("");
        if (bewaar) {
            sleutels.emplace_back("wensRc");
            b.Onbekend.Plat = OnbekendeLeden(lezer, *plat, "\"plat\".", sleutels);
        }
    }
    if (const json* afschot = lezer.Object(o, "afschot", "\"afschot\"")) {
        const auto rijen = Invoerrijen(TSchermsoort::Afschot);
        b.Afschot = lezer.Invoer(*afschot, "afschot", rijen);
        if (bewaar) {
            b.Onbekend.Afschot =
                OnbekendeLeden(lezer, *afschot, "\"afschot\".", Invoersleutels(rijen));
        }
    }
    if (const json* vocht = lezer.Object(o, "vocht", "\"vocht\"")) {
        const auto rijen = Vochtrijen();
        b.Vocht = lezer.Invoer(*vocht, "vocht", rijen);
        if (bewaar) {
            b.Onbekend.Vocht = OnbekendeLeden(lezer, *vocht, "\"vocht\".", Invoersleutels(rijen));
        }
    }
    if (const json* r = lezer.Object(o, "resultaten", "\"resultaten\"")) {
        b.UitkomstPlat = lezer.Uitkomst(*r, "plat");
        b.UitkomstAfschot = lezer.Uitkomst(*r, "afschot");
    }
    // Kept keys are written back as this program writes numbers: a file
    // they would make too large to open again is refused now, not then.
    if (b.Onbekend != TOnbekendeSleutels{} && AlsBestandstekst(b).size() > kMaxBestandsgrootte) {
        lezer.Fout("de sleutels die deze versie niet kent, maken het bij opslaan groter dan 1 MiB");
    }
    return b;
}

TBerekeningsbestand LeesBerekeningsbestand(const std::string& pad) {
    const auto bestand = platform::PadUitUtf8(pad);
    const std::string naam = platform::Utf8(bestand.filename());
    std::vector<unsigned char> inhoud;
    try {
        inhoud = platform::LeesBestand(bestand, kMaxBestandsgrootte);
    } catch (const platform::TBestandsfout& fout) {
        throw TOnbruikbaarBestand(Bestandsmelding(
            naam, std::string("het kan niet worden gelezen (") + fout.what() + ")"));
    }
    return LeesBerekening(
        std::string_view(reinterpret_cast<const char*>(inhoud.data()), inhoud.size()), naam);
}

} // namespace rcveltor
