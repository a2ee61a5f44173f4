#include "Uitvoer.h"

#include "Projectgegevens.h"
#include "RekenModel.h"

#include <cstdio>
#include <utility>

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

using TVeldLijst = std::vector<std::pair<std::string, std::string>>;

TVeldLijst PlatVelden(const TRcBerekening& r) {
    return {
        {"CBisolatie", r.CBisolatie.Tekst()},
        {"DikteIsol", r.DikteIsol.Tekst},
        {"LambdaIsol", r.LambdaIsol.Tekst},
        {"RmIsol", r.RmIsol.Tekst},
        {"RmDakbed", r.RmDakbed.Tekst},
        {"CBdamprem", r.CBdamprem.Tekst()},
        {"DikteDamprem", r.DikteDamprem.Tekst},
        {"LambdaDamprem", r.LambdaDamprem.Tekst},
        {"RmDamprem", r.RmDamprem.Tekst},
        {"CBonderconstructie", r.CBonderconstructie.Tekst()},
        {"DikteOndercons", r.DikteOndercons.Tekst},
        {"LambdaOndercons", r.LambdaOndercons.Tekst},
        {"RmOndercons", r.RmOndercons.Tekst},
        {"SubTotaalRc", r.SubTotaalRc.Tekst},
        {"CBcombinatie", r.CBcombinatie.Tekst()},
        {"EditAantal", r.EditAantal.Tekst},
        {"LambdaRW", r.LambdaRW.Tekst},
        {"EditRmIsolCor", r.EditRmIsolCor.Tekst},
        {"RmReductie", r.RmReductie.Tekst},
        {"EditPercentage", r.EditPercentage.Tekst},
        {"EditRc", r.EditRc.Tekst},
        {"EditU", r.EditU.Tekst},
    };
}

TVeldLijst AfschotVelden(const TAfschotBerekening& a) {
    return {
        {"cbIsolatie2", a.cbIsolatie2.Tekst()},
        {"LambdaIsol2", a.LambdaIsol2.Tekst},
        {"MinDikte", a.MinDikte.Tekst},
        {"AfschotLengte", a.AfschotLengte.Tekst},
        {"MaxDikte", a.MaxDikte.Tekst},
        {"oppvl1", a.oppvl1.Tekst},
        {"oppvl2", a.oppvl2.Tekst},
        {"oppvl3", a.oppvl3.Tekst},
        {"cbDamprem2", a.CBdamprem.Tekst()},
        {"DikteDamprem2", a.DikteDamprem.Tekst},
        {"LambdaDamprem2", a.LambdaDamprem.Tekst},
        {"RmDamprem2", a.RmDamprem.Tekst},
        {"cbOnderconstructie2", a.CBonderconstructie.Tekst()},
        {"DikteOndercons2", a.DikteOndercons.Tekst},
        {"LambdaOndercons2", a.LambdaOndercons.Tekst},
        {"RmOndercons2", a.RmOndercons.Tekst},
        {"SubTotaalRc2", a.SubTotaalRc.Tekst},
        {"cbCombinatie2", a.CBcombinatie.Tekst()},
        {"EditAantal2", a.EditAantal.Tekst},
        {"LambdaRW2", a.LambdaRW.Tekst},
        {"EditRc2", a.EditRc2.Tekst},
        {"EditU2", a.EditU2.Tekst},
    };
}

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

} // namespace

std::string AlsJson(TRekenModel& model, bool afschot, const std::vector<std::string>& fouten,
                    const TProjectgegevens* project) {
    TVeldLijst velden = afschot ? AfschotVelden(model.Afschot) : PlatVelden(model.Rc);
    const bool iso = model.Gedeeld.Methode == TMethode::Iso6946;
    if (iso) {
        // NEN 1068 keeps today's output; the other method adds its results.
        const TLagenScherm& scherm = afschot ? static_cast<const TLagenScherm&>(model.Afschot)
                                             : static_cast<const TLagenScherm&>(model.Rc);
        if (afschot) {
            velden.emplace_back("EditRcMin2", model.Afschot.EditRcMin2.Tekst);
        }
        velden.emplace_back("DeltaUf", scherm.DeltaUf.Tekst);
        velden.emplace_back("PercentageU", scherm.PercentageU.Tekst);
        velden.emplace_back("Eis", scherm.Eis);
    }
    std::string s = "{\"scherm\": ";
    s += afschot ? "\"afschot\"" : "\"plat\"";
    if (iso) {
        s += ", \"methode\": ";
        VoegJsonTekst(s, MethodeSleutel(model.Gedeeld.Methode));
    }
    s += ", \"velden\": {";
    for (std::size_t i = 0; i < velden.size(); ++i) {
        if (i > 0) {
            s += ", ";
        }
        VoegJsonTekst(s, velden[i].first);
        s += ": ";
        VoegJsonTekst(s, velden[i].second);
    }
    s += "}";
    if (!afschot) {
        s += ", \"DikteNietStandaard\": ";
        s += model.Rc.DikteNietStandaard ? "true" : "false";
    }
    s += ", \"fouten\": [";
    for (std::size_t i = 0; i < fouten.size(); ++i) {
        if (i > 0) {
            s += ", ";
        }
        s += JsonTekst(fouten[i]);
    }
    s += "]";
    if (project != nullptr) {
        const TVeldLijst p = {{"naam", project->Naam},
                              {"nummer", project->Nummer},
                              {"adres", project->Adres},
                              {"postcodePlaats", project->PostcodePlaats},
                              {"opdrachtgever", project->Opdrachtgever},
                              {"opgesteldDoor", project->OpgesteldDoor},
                              {"datum", project->Datum},
                              {"opmerking", project->Opmerking}};
        s += ", \"project\": {";
        for (std::size_t i = 0; i < p.size(); ++i) {
            s += (i > 0 ? ", " : "") + JsonTekst(p[i].first) + ": " + JsonTekst(p[i].second);
        }
        s += "}";
    }
    return s + "}\n";
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
