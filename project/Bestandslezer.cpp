#include "Bestandslezer.h"

#include "Bestand.h"
#include "Veldtekst.h"

#include <nlohmann/json.hpp>

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

    TInvoer Invoer(const json& scherm, const std::string& schermnaam,
                   std::initializer_list<const char*> sleutels) const {
        TInvoer invoer;
        for (const char* sleutel : sleutels) {
            const std::string waar = "\"" + schermnaam + "\".\"" + sleutel + "\"";
            if (auto tekst = Tekst(scherm, sleutel, waar)) {
                invoer.emplace_back(sleutel, std::move(*tekst));
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

constexpr std::initializer_list<const char*> kLagen = {"damprem",
                                                       "dikteDamprem",
                                                       "lambdaDamprem",
                                                       "onderconstructie",
                                                       "dikteOnderconstructie",
                                                       "lambdaOnderconstructie",
                                                       "combinatie",
                                                       "aantal"};

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
        b.Plat = lezer.Invoer(*plat, "plat", {"isolatie", "dikte"});
        const TInvoer lagen = lezer.Invoer(*plat, "plat", kLagen);
        b.Plat.insert(b.Plat.end(), lagen.begin(), lagen.end());
        b.WensRc = lezer.Tekst(*plat, "wensRc", "\"plat\".\"wensRc\"").value_or("");
    }
    if (const json* afschot = lezer.Object(o, "afschot", "\"afschot\"")) {
        b.Afschot = lezer.Invoer(
            *afschot, "afschot",
            {"isolatie", "minDikte", "afschotLengte", "oppervlak1", "oppervlak2", "oppervlak3"});
        const TInvoer lagen = lezer.Invoer(*afschot, "afschot", kLagen);
        b.Afschot.insert(b.Afschot.end(), lagen.begin(), lagen.end());
    }
    if (const json* r = lezer.Object(o, "resultaten", "\"resultaten\"")) {
        b.UitkomstPlat = lezer.Uitkomst(*r, "plat");
        b.UitkomstAfschot = lezer.Uitkomst(*r, "afschot");
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
