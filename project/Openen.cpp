#include "project/Openen.h"

#include "calc/Actie.h"
#include "calc/RcWizard.h"
#include "calc/RekenModel.h"
#include "calc/Weergave.h"
#include "project/Bestandslezer.h"
#include "project/Veldentabel.h"

#include <charconv>

namespace rcveltor {

namespace {

std::string Getal(double waarde) {
    return FormatAlgemeen(waarde, kDecimaalKomma);
}

// A number of the file, checked against its field as it stands now.
double LeesInvoerGetal(const TNumVeld& veld, const std::string& tekst, const std::string& waar,
                       const std::string& naam) {
    const auto waarde = LeesVeldtekst(tekst);
    if (!waarde || tekst.find_first_of(" \t") != std::string::npos) {
        throw TOnbruikbaarBestand(
            Bestandsmelding(naam, waar + ": \"" + tekst + "\" is geen getal"));
    }
    if (veld.Minimum != veld.Maximum && (*waarde < veld.Minimum || *waarde > veld.Maximum)) {
        throw TOnbruikbaarBestand(
            Bestandsmelding(naam, waar + ": " + tekst + " ligt buiten het bereik " +
                                      Getal(veld.Minimum) + " tot " + Getal(veld.Maximum)));
    }
    return *waarde;
}

// Applies the file's texts as the user would enter them.
class TNaspeler {
public:
    TNaspeler(const TInvoer& invoer, std::string scherm, const std::string& naam,
              std::vector<std::string>& fouten)
        : invoer_(invoer), scherm_(std::move(scherm)), naam_(naam), fouten_(fouten) {}

    void Speel(const TVelden& velden) {
        for (const TSchermveld& veld : velden) {
            if (veld.Invoer == nullptr) {
                continue;
            }
            if (veld.Vlag != nullptr) {
                Vlag(veld.Invoer->Sleutel, *veld.Vlag);
            } else if (veld.Invoer->Wijze == TInvoerwijze::KiezenOpPlaats) {
                Plaats(veld.Invoer->Sleutel, *veld.Lijst, veld.Gekozen);
            } else if (veld.Lijst != nullptr) {
                Lijst(veld.Invoer->Sleutel, *veld.Lijst, veld.Gekozen);
            } else {
                Getal(veld.Invoer->Sleutel, *veld.Getal, veld.Invoer->Wijze == TInvoerwijze::Typen);
            }
        }
    }

private:
    void Lijst(std::string_view sleutel, TLijstVeld& lijst, const std::function<void()>& gekozen) {
        const std::string* tekst = Zoek(sleutel);
        if (tekst == nullptr || tekst->empty() || *tekst == lijst.Tekst()) {
            return;
        }
        const int index = lijst.IndexVan(*tekst);
        if (index < 0) {
            throw TOnbruikbaarBestand(Bestandsmelding(naam_, Waar(sleutel) + ": \"" + *tekst +
                                                                 "\" staat niet in de lijst"));
        }
        Kies(lijst, index, gekozen);
    }

    // The reader let through a whole number only.
    void Plaats(std::string_view sleutel, TLijstVeld& lijst, const std::function<void()>& gekozen) {
        const std::string* tekst = Zoek(sleutel);
        if (tekst == nullptr) {
            return;
        }
        const long long aantal = static_cast<long long>(lijst.Items.size());
        long long plaats = 0;
        const auto [eind, fout] =
            std::from_chars(tekst->data(), tekst->data() + tekst->size(), plaats);
        if (fout != std::errc() || eind != tekst->data() + tekst->size() || plaats < 1 ||
            plaats > aantal) {
            throw TOnbruikbaarBestand(Bestandsmelding(naam_, Waar(sleutel) + ": " + *tekst +
                                                                 " ligt buiten het bereik 1 tot " +
                                                                 std::to_string(aantal)));
        }
        if (plaats - 1 != lijst.ItemIndex) {
            Kies(lijst, static_cast<int>(plaats - 1), gekozen);
        }
    }

    void Kies(TLijstVeld& lijst, int index, const std::function<void()>& gekozen) {
        lijst.ItemIndex = index;
        if (gekozen) {
            VoerActieUit(gekozen, fouten_);
        }
    }

    void Vlag(std::string_view sleutel, bool& vlag) {
        if (const std::string* tekst = Zoek(sleutel)) {
            vlag = *tekst == "true";
        }
    }

    void Getal(std::string_view sleutel, TNumVeld& veld, bool getypt) {
        const std::string* gegeven = Zoek(sleutel);
        if (gegeven == nullptr || gegeven->empty()) {
            return;
        }
        const std::string& tekst = *gegeven;
        // A field left as it was is not touched, even where its start value
        // lies outside the range of the moment.
        if (tekst == veld.Tekst) {
            return;
        }
        const double waarde = LeesInvoerGetal(veld, tekst, Waar(sleutel), naam_);
        if (getypt) {
            VoerActieUit([&] { Typ(veld, tekst); }, fouten_);
            VoerActieUit([&] { Verlaat(veld); }, fouten_);
        } else {
            VoerActieUit([&] { Zet(veld, waarde); }, fouten_);
        }
    }

    const std::string* Zoek(std::string_view sleutel) const {
        for (const auto& [s, tekst] : invoer_) {
            if (s == sleutel) {
                return &tekst;
            }
        }
        return nullptr;
    }

    std::string Waar(std::string_view sleutel) const {
        return "\"" + scherm_ + "\".\"" + std::string(sleutel) + "\"";
    }

    const TInvoer& invoer_;
    std::string scherm_;
    const std::string& naam_;
    std::vector<std::string>& fouten_;
};

void Naspelen(const TBerekeningsbestand& b, TRekenModel& model, const std::string& naam,
              std::vector<std::string>& platFouten, std::vector<std::string>& afschotFouten) {
    TNaspeler(b.Plat, "plat", naam, platFouten).Speel(Velden(model.Rc));
    TNaspeler(b.Afschot, "afschot", naam, afschotFouten).Speel(Velden(model.Afschot));
    TNaspeler(b.Vocht, "vocht", naam, platFouten).Speel(Velden(model.Vocht));
}

void Vergelijk(const std::optional<TUitkomst>& opgeslagen, const std::string& rc,
               const std::string& u, const std::string& achter, std::string& verschillen) {
    if (!opgeslagen) {
        return;
    }
    const auto een = [&](const char* grootheid, const std::string& was, const std::string& nu) {
        if (!was.empty() && was != nu) {
            verschillen += (verschillen.empty() ? "" : "; ") + std::string(grootheid) + achter +
                           " was " + was + ", is nu " + nu;
        }
    };
    een("Rc", opgeslagen->Rc, rc);
    een("U", opgeslagen->U, u);
}

} // namespace

void ControleerWensRc(const TBerekeningsbestand& b, const std::string& naam) {
    if (!b.WensRc.empty()) {
        const TNumVeld wensRc = MaakWensRcVeld();
        LeesInvoerGetal(wensRc, b.WensRc, "\"plat\".\"wensRc\"", naam);
    }
}

// The whole file tried on a fresh model started on a copy of `model`'s table:
// throws where opening would, and changes nothing.
static void ControleerBerekening(const TBerekeningsbestand& b, const TRekenModel& model,
                                 const std::string& naam) {
    ControleerWensRc(b, naam);
    // The trial runs on its own copy of the table: a search moves the
    // table's current row, which later searches start from.
    TLambdaTabel tabel = *model.Gedeeld.Tabel;
    tabel.NaarEersteRij();
    TRekenModel proef;
    proef.Opstarten(tabel, std::nullopt);
    proef.KiesMethode(b.Methode);
    std::vector<std::string> genegeerd;
    Naspelen(b, proef, naam, genegeerd, genegeerd);
}

TOpening OpenBerekening(const TBerekeningsbestand& b, TRekenModel& model, const std::string& naam,
                        TSchermfouten schermfouten) {
    ControleerBerekening(b, model, naam);

    TOpening opening;
    const bool apart = schermfouten == TSchermfouten::Apart;
    opening.Fouten = model.NieuweBerekening();
    const auto methode = model.KiesMethode(b.Methode, apart ? &opening.FoutenAfschot : nullptr);
    opening.Fouten.insert(opening.Fouten.end(), methode.begin(), methode.end());
    Naspelen(b, model, naam, opening.Fouten, apart ? opening.FoutenAfschot : opening.Fouten);
    std::string verschillen;
    Vergelijk(b.UitkomstPlat, model.Rc.EditRc.Tekst, model.Rc.EditU.Tekst, "", verschillen);
    Vergelijk(b.UitkomstAfschot, model.Afschot.EditRc2.Tekst, model.Afschot.EditU2.Tekst,
              " (afschot)", verschillen);
    if (!verschillen.empty()) {
        opening.Afwijking = "De berekening is opnieuw uitgevoerd; de uitkomst wijkt af van de "
                            "opgeslagen berekening: " +
                            verschillen + ".";
    }
    return opening;
}

} // namespace rcveltor
