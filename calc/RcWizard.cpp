#include "calc/RcWizard.h"

#include "calc/Producten.h"
#include "calc/RcBerekening.h"

namespace rcveltor {

TNumVeld MaakWensRcVeld() {
    TNumVeld veld;
    veld.Naam = "WensRc";
    veld.Decimalen = 2;
    veld.Minimum = 1;
    veld.Maximum = 10;
    veld.Stap = 0.1;
    veld.PaginaStap = 1;
    veld.Invoer = true;
    BeginTekst(veld, 2.5);
    return veld;
}

TNumVeld WensRcUitTekst(const std::string& tekst) {
    TNumVeld veld = MaakWensRcVeld();
    if (const auto waarde = LeesVeldtekst(tekst)) {
        Zet(veld, *waarde);
    }
    return veld;
}

void ZoekDikte(TRcBerekening& rc, double wensRc) {
    const auto producten = IsolatieProducten();
    const int index = rc.CBisolatie.ItemIndex;
    if (index < 0 || index >= static_cast<int>(producten.size())) {
        return;
    }
    for (const double dikte : producten[static_cast<std::size_t>(index)].StandaardDiktes) {
        Zet(rc.DikteIsol, dikte);
        if (wensRc <= rc.EditRc.Waarde()) {
            return;
        }
    }
}

} // namespace rcveltor
