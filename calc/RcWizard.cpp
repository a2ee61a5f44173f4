#include "RcWizard.h"

#include "Producten.h"
#include "RcBerekening.h"

namespace rcveltor {

TNumVeld MaakWensRcVeld(const std::string& scheiding) {
    TNumVeld v;
    v.Naam = "WensRc";
    v.Decimalen = 2;
    v.Minimum = 1;
    v.Maximum = 10;
    v.Stap = 0.1;
    v.PaginaStap = 1;
    v.Invoer = true;
    v.Scheiding = scheiding;
    BeginTekst(v, 2.5);
    return v;
}

void ZoekDikte(TRcBerekening& rc, double wensRc) {
    const auto producten = IsolatieProducten();
    const int index = rc.CBisolatie.ItemIndex;
    if (index < 0 || index >= static_cast<int>(producten.size())) {
        return;
    }
    const auto diktes = producten[static_cast<std::size_t>(index)].StandaardDiktes;
    for (std::size_t i = 0; i < diktes.size(); ++i) {
        Zet(rc.DikteIsol, diktes[i]);
        if (wensRc <= rc.EditRc.Waarde()) {
            return;
        }
    }
}

} // namespace rcveltor
