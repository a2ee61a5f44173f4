#include "Toepassen.h"

#include "Producten.h"
#include "RcFout.h"
#include "RcWizard.h"
#include "RekenModel.h"

#include <functional>

namespace rcveltor::cli {

namespace {

// One user action: an error ends it and is reported once.
void Actie(std::vector<std::string>& fouten, const std::function<void()>& actie) {
    try {
        actie();
    } catch (const RcFout& fout) {
        fouten.emplace_back(fout.what());
    }
}

std::string Entries(const TLijstVeld& lijst) {
    std::string s;
    for (const auto& item : lijst.Items) {
        s += "\n  \"" + item + "\"";
    }
    return s;
}

void Kies(TLijstVeld& lijst, const std::string& optie, const std::string& tekst) {
    const int index = lijst.IndexVan(tekst);
    if (index < 0) {
        throw Gebruiksfout("--" + optie + ": \"" + tekst + "\" staat niet in de lijst " +
                           lijst.Naam + "; die bevat:" + Entries(lijst));
    }
    lijst.ItemIndex = index;
}

void KiesCombinatie(TLijstVeld& lijst, const std::string& tekst) {
    const int nummer = std::stoi(tekst);
    for (std::size_t i = 0; i < lijst.Items.size(); ++i) {
        if (CombinatieNummer(lijst.Items[i]) == nummer) {
            lijst.ItemIndex = static_cast<int>(i);
            return;
        }
    }
    throw Gebruiksfout("--combinatie: combinatie " + tekst + " wordt niet aangeboden; " +
                       lijst.Naam + " bevat:" + Entries(lijst));
}

class TToepasser {
public:
    TToepasser(const TOpties& o, std::vector<std::string>& f) : opties(o), fouten(f) {}

    const std::string* Optie(const std::string& naam) const {
        const auto it = opties.Waarden.find(naam);
        return it == opties.Waarden.end() ? nullptr : &it->second;
    }

    // A value set by the program or the spin buttons: clamped.
    void ZetGetal(const std::string& naam, TNumVeld& veld) {
        if (const auto* w = Optie(naam)) {
            const double waarde = LeesArgumentGetal(naam, *w);
            Actie(fouten, [&] { Zet(veld, waarde); });
        }
    }

    // A value typed as one edit, then the field is left.
    void TypGetal(const std::string& naam, TNumVeld& veld) {
        if (const auto* w = Optie(naam)) {
            LeesArgumentGetal(naam, *w);
            const std::string getypt = AlsGetypt(*w);
            Actie(fouten, [&] { Typ(veld, getypt); });
            Actie(fouten, [&] { Verlaat(veld); });
        }
    }

    void KiesLijst(const std::string& naam, TLijstVeld& lijst,
                   const std::function<void()>& closeUp) {
        if (const auto* w = Optie(naam)) {
            Kies(lijst, naam, *w);
            Actie(fouten, closeUp);
        }
    }

    // The rows both screens share, from the vapour retarder to the count.
    void Lagen(TLagenScherm& s) {
        KiesLijst("damprem", s.CBdamprem, [&] { s.CBdampremCloseUp(); });
        TypGetal("dikte-damprem", s.DikteDamprem);
        TypGetal("lambda-damprem", s.LambdaDamprem);
        KiesLijst("onderconstructie", s.CBonderconstructie, [&] { s.CBonderconstructieCloseUp(); });
        ZetGetal("dikte-onderconstructie", s.DikteOndercons);
        TypGetal("lambda-onderconstructie", s.LambdaOndercons);
        if (const auto* w = Optie("combinatie")) {
            KiesCombinatie(s.CBcombinatie, *w);
            Actie(fouten, [&] { s.CBcombinatieCloseUp(); });
        }
        ZetGetal("aantal", s.EditAantal);
    }

    void Plat(TRcBerekening& rc) {
        KiesLijst("isolatie", rc.CBisolatie, [&] { rc.CBisolatieCloseUp(); });
        ZetGetal("dikte", rc.DikteIsol);
        Lagen(rc);
        if (const auto* w = Optie("wens-rc")) {
            TNumVeld wensRc = MaakWensRcVeld();
            const double waarde = LeesArgumentGetal("wens-rc", *w);
            Actie(fouten, [&] {
                Zet(wensRc, waarde);
                ZoekDikte(rc, wensRc.Waarde());
            });
        }
    }

    void Afschot(TAfschotBerekening& a) {
        KiesLijst("isolatie", a.cbIsolatie2, [&] { a.cbIsolatie2CloseUp(); });
        TypGetal("min-dikte", a.MinDikte);
        TypGetal("afschot-lengte", a.AfschotLengte);
        TypGetal("oppervlak1", a.oppvl1);
        TypGetal("oppervlak2", a.oppvl2);
        TypGetal("oppervlak3", a.oppvl3);
        Lagen(a);
    }

private:
    const TOpties& opties;
    std::vector<std::string>& fouten;
};

} // namespace

void PasToe(const TOpties& opties, TRekenModel& model, std::vector<std::string>& fouten) {
    TToepasser t(opties, fouten);
    if (opties.Methode) {
        const auto methodefouten = model.KiesMethode(*opties.Methode);
        fouten.insert(fouten.end(), methodefouten.begin(), methodefouten.end());
    }
    if (opties.Afschot) {
        t.Afschot(model.Afschot);
    } else {
        t.Plat(model.Rc);
    }
}

} // namespace rcveltor::cli
