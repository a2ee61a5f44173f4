#include "cli/Uitvoer.h"

#include "calc/RekenModel.h"
#include "project/Projectgegevens.h"
#include "project/Veldentabel.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>

namespace rcveltor::cli {

void VoegJsonTekst(std::string& uit, std::string_view s) {
    uit += '"';
    std::size_t van = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        // Runs without escapes are copied whole: most texts have none.
        uit.append(s, van, i - van);
        van = i + 1;
        switch (c) {
        case '"':
            uit += "\\\"";
            break;
        case '\\':
            uit += "\\\\";
            break;
        case '\n':
            uit += "\\n";
            break;
        case '\t':
            uit += "\\t";
            break;
        default: {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            uit += buf;
        }
        }
    }
    uit.append(s, van);
    uit += '"';
}

std::string JsonTekst(const std::string& s) {
    std::string uit;
    VoegJsonTekst(uit, s);
    return uit;
}

namespace {

// Pads to a width counted in characters, not bytes (UTF-8 safe).
std::string Kolom(const std::string& s, std::size_t breedte) {
    std::size_t tekens = 0;
    for (unsigned char c : s) {
        tekens += (c & 0xC0) != 0x80;
    }
    return s + std::string(breedte > tekens ? breedte - tekens : 1, ' ');
}

std::string Rij(const std::string& caption, const std::string& materiaal, const std::string& dikte,
                const std::string& lambda, const std::string& r) {
    return Kolom(caption, 20) + Kolom(materiaal, 33) + Kolom(dikte, 12) + Kolom(lambda, 22) + r +
           "\n";
}

std::string Regel(const std::string& caption, const std::string& waarde) {
    return Kolom(caption, 28) + waarde + "\n";
}

std::string Kop() {
    return Rij("Constructieopbouw", "Materiaal", "Dikte [mm]", "Lambda decl. [W/mK]",
               "R-waarde [m2K/W]");
}

std::string GedeeldeRijen(const TLagenScherm& s) {
    return Rij("Dampremmende laag", s.CBdamprem.Tekst(), s.DikteDamprem.Tekst,
               s.LambdaDamprem.Tekst, s.RmDamprem.Tekst) +
           Rij("Onderconstructie", s.CBonderconstructie.Tekst(), s.DikteOndercons.Tekst,
               s.LambdaOndercons.Tekst, s.RmOndercons.Tekst);
}

// A value with its unit; a result without a value ("-") takes none.
std::string Met(const std::string& waarde, const char* eenheid) {
    return waarde == kGeenWaarde ? waarde : waarde + eenheid;
}

// Under NEN-EN-ISO 6946: the method's own results below Rc and U.
std::string IsoRegels(const TRekenModel& model, const TLagenScherm& s) {
    if (model.Gedeeld.Methode != TMethode::Iso6946) {
        return {};
    }
    const std::string deltaUf =
        s.DeltaUf.Tekst == kGeenWaarde
            ? s.DeltaUf.Tekst
            : s.DeltaUf.Tekst + " W/m2K (" + s.PercentageU.Tekst + " % van U)";
    return Regel("Delta Uf", deltaUf) + std::string(kEisRegel) + ": " + s.Eis + "\n" +
           std::string(kIsoBerekendVolgens) + "\n";
}

void VoegJsonToe(std::string& uit, const nlohmann::ordered_json& waarde) {
    if (waarde.is_object()) {
        const char* tussen = "";
        uit += '{';
        for (const auto& [sleutel, lid] :
             waarde.get_ref<const nlohmann::ordered_json::object_t&>()) {
            uit += tussen;
            VoegJsonTekst(uit, sleutel);
            uit += ": ";
            VoegJsonToe(uit, lid);
            tussen = ", ";
        }
        uit += '}';
    } else if (waarde.is_array()) {
        const char* tussen = "";
        uit += '[';
        for (const auto& element : waarde.get_ref<const nlohmann::ordered_json::array_t&>()) {
            uit += tussen;
            VoegJsonToe(uit, element);
            tussen = ", ";
        }
        uit += ']';
    } else if (waarde.is_string()) {
        VoegJsonTekst(uit, waarde.get_ref<const std::string&>());
    } else if (waarde.is_boolean()) {
        uit += waarde.get<bool>() ? "true" : "false";
    } else if (waarde.is_number_integer()) {
        uit += std::to_string(waarde.get<std::int64_t>());
    } else {
        uit += waarde.dump();
    }
}

} // namespace

std::string SchrijfJson(const nlohmann::ordered_json& waarde) {
    std::string uit;
    uit.reserve(1024); // a screen's answer, without growing
    VoegJsonToe(uit, waarde);
    return uit;
}

nlohmann::ordered_json JsonObject(TRekenModel& model, bool afschot,
                                  const std::vector<std::string>& fouten,
                                  const TProjectgegevens* project) {
    // NEN 1068 keeps the output it always had; the other method adds its
    // name and its results.
    const bool iso = model.Gedeeld.Methode == TMethode::Iso6946;
    // The members are added in place where their room is reserved: an
    // ordered object copies every member, keys included, when it grows.
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    o.get_ref<nlohmann::ordered_json::object_t&>().reserve(8);
    o["scherm"] = afschot ? "afschot" : "plat";
    if (iso) {
        o["methode"] = std::string(MethodeSleutel(model.Gedeeld.Methode));
    }
    const TVelden schermvelden = afschot ? Velden(model.Afschot) : Velden(model.Rc);
    nlohmann::ordered_json velden = nlohmann::ordered_json::object();
    auto& leden = velden.get_ref<nlohmann::ordered_json::object_t&>();
    leden.reserve(schermvelden.size());
    for (const TSchermveld& veld : schermvelden) {
        if (iso || !veld.AlleenIso) {
            // The table's names are unique: no search for an earlier one.
            leden.emplace_back(veld.Naam, veld.Getoond());
        }
    }
    o["velden"] = std::move(velden);
    if (!afschot) {
        o["DikteNietStandaard"] = model.Rc.DikteNietStandaard;
    }
    o["fouten"] = fouten;
    if (project != nullptr) {
        o["project"] = {{"naam", project->Naam},
                        {"nummer", project->Nummer},
                        {"adres", project->Adres},
                        {"postcodePlaats", project->PostcodePlaats},
                        {"opdrachtgever", project->Opdrachtgever},
                        {"opgesteldDoor", project->OpgesteldDoor},
                        {"datum", project->Datum},
                        {"opmerking", project->Opmerking}};
    }
    return o;
}

std::string AlsJson(TRekenModel& model, bool afschot, const std::vector<std::string>& fouten,
                    const TProjectgegevens* project) {
    return SchrijfJson(JsonObject(model, afschot, fouten, project)) + "\n";
}

std::string AlsTabel(TRekenModel& model, bool afschot) {
    std::string s;
    if (!afschot) {
        const TRcBerekening& r = model.Rc;
        s += "Rc-berekening\n\n" + Kop();
        s +=
            Rij("Dakbedekking", TRcBerekening::kDakbedekking, "n.v.t.", "n.v.t.", r.RmDakbed.Tekst);
        s += Rij("Isolatie", r.CBisolatie.Tekst(), r.DikteIsol.Tekst, r.LambdaIsol.Tekst,
                 r.RmIsol.Tekst);
        s += GedeeldeRijen(r);
        s += Rij("", "", "", "Som R", r.SubTotaalRc.Tekst);
        if (r.DikteNietStandaard) {
            s += "\nLet op! De gehanteerde laagdikte van de isolatie is niet een standaard dikte. "
                 "De dikte is eventueel wel leverbaar.\n";
        }
        s += '\n';
        s += Regel("Combinatie", r.CBcombinatie.Tekst());
        s += Regel("Aantal/m2", r.EditAantal.Tekst);
        s += Regel("Vervangende lambda isol.", r.LambdaRW.Tekst);
        s += Regel("Vervangende Rm isol.", r.EditRmIsolCor.Tekst);
        s += Regel("Vermindering R isol", r.RmReductie.Tekst);
        s += Regel("% Reductie", r.EditPercentage.Tekst);
        s += '\n';
        s += Regel("Rc", Met(r.EditRc.Tekst, " m2K/W"));
        s += Regel("U", Met(r.EditU.Tekst, " W/m2K"));
        return s + IsoRegels(model, r);
    }
    const TAfschotBerekening& a = model.Afschot;
    s += "Afschot\n\n" + Kop();
    s += Rij("Dakbedekking", TRcBerekening::kDakbedekking, "n.v.t.", "n.v.t.", a.RmDakbed.Tekst);
    s += Rij("Afschot Isolatie", a.cbIsolatie2.Tekst(), "", a.LambdaIsol2.Tekst, "");
    s += Regel("  Minimale dikte [mm]", a.MinDikte.Tekst);
    s += Regel("  Afschot lengte [m]", a.AfschotLengte.Tekst);
    s += Regel("  Maximale dikte [mm]", a.MaxDikte.Tekst);
    s += Regel("  Oppervlak type 1 [m2]", a.oppvl1.Tekst);
    s += Regel("  Oppervlak type 2 [m2]", a.oppvl2.Tekst);
    s += Regel("  Oppervlak type 3 [m2]", a.oppvl3.Tekst);
    s += GedeeldeRijen(a);
    s += '\n';
    s += Regel("Combinatie", a.CBcombinatie.Tekst());
    s += Regel("Aantal/m2", a.EditAantal.Tekst);
    s += Regel("Vervangende lambda isol.", a.LambdaRW.Tekst);
    s += '\n';
    s += Regel("Rc", Met(a.EditRc2.Tekst, " m2K/W"));
    s += Regel("U", Met(a.EditU2.Tekst, " W/m2K"));
    if (model.Gedeeld.Methode == TMethode::Iso6946) {
        s += Regel("Rc dunste plek", Met(a.EditRcMin2.Tekst, " m2K/W"));
    }
    return s + IsoRegels(model, a);
}

} // namespace rcveltor::cli
