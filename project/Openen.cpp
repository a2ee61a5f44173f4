#include "Openen.h"

#include "Bestandslezer.h"
#include "Invoervelden.h"
#include "RcFout.h"
#include "RcWizard.h"
#include "RekenModel.h"
#include "Weergave.h"

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
class TNaspeler : public TInvoerBezoeker {
public:
    TNaspeler(const TInvoer& invoer, std::string scherm, const std::string& naam,
              std::vector<std::string>& fouten)
        : invoer_(invoer), scherm_(std::move(scherm)), naam_(naam), fouten_(fouten) {}

    void Lijst(const char* sleutel, TLijstVeld& lijst,
               const std::function<void()>& gekozen) override {
        const std::string* tekst = Zoek(sleutel);
        if (tekst == nullptr || tekst->empty() || *tekst == lijst.Tekst()) {
            return;
        }
        const int index = lijst.IndexVan(*tekst);
        if (index < 0) {
            throw TOnbruikbaarBestand(Bestandsmelding(naam_, Waar(sleutel) + ": \"" + *tekst +
                                                                 "\" staat niet in de lijst"));
        }
        lijst.ItemIndex = index;
        Actie(gekozen);
    }

    void Getal(const char* sleutel, TNumVeld& veld, bool getypt) override {
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
            Actie([&] { Typ(veld, tekst); });
            Actie([&] { Verlaat(veld); });
        } else {
            Actie([&] { Zet(veld, waarde); });
        }
    }

private:
    const std::string* Zoek(const char* sleutel) const {
        for (const auto& [s, tekst] : invoer_) {
            if (s == sleutel) {
                return &tekst;
            }
        }
        return nullptr;
    }

    std::string Waar(const char* sleutel) const {
        return "\"" + scherm_ + "\".\"" + sleutel + "\"";
    }

    // One user action: an error ends it and is reported once.
    void Actie(const std::function<void()>& actie) {
        try {
            actie();
        } catch (const RcFout& fout) {
            fouten_.emplace_back(fout.what());
        }
    }

    const TInvoer& invoer_;
    std::string scherm_;
    const std::string& naam_;
    std::vector<std::string>& fouten_;
};

void Naspelen(const TBerekeningsbestand& b, TRekenModel& model, const std::string& naam,
              std::vector<std::string>& platFouten, std::vector<std::string>& afschotFouten) {
    TNaspeler plat(b.Plat, "plat", naam, platFouten);
    BezoekPlat(model.Rc, plat);
    TNaspeler afschot(b.Afschot, "afschot", naam, afschotFouten);
    BezoekAfschot(model.Afschot, afschot);
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
