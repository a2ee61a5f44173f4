#include "reports/Rapportmotor.h"

namespace rcveltor::rapport {

void TRapport::LegBandNeer(const TBand& band, double boven, TPagina& pagina) const {
    const double links = EenhedenUitMm(formaat_.MargeMm);
    for (const TBandElement& bandElement : band.Elementen) {
        if (!bandElement.Aan) {
            continue;
        }
        TElement element = bandElement.Element;
        Verschuif(element, links, boven);
        pagina.Elementen.push_back(std::move(element));
    }
    if (band.Kader) {
        const double breedte = kBandBreedte;
        pagina.Elementen.push_back(
            TRechthoekElement{QRectF(links, boven, breedte, band.Hoogte), Qt::black, 1, {}});
    }
}

std::shared_ptr<const TPaginaSet> TRapport::Genereer(bool voorPreview,
                                                     const TPaginaKlaar& paginaKlaar) {
    auto set = std::make_shared<TPaginaSet>();
    set->Formaat = formaat_;
    if (voorPreview && OnPreview) {
        OnPreview(set);
    }
    BeforePrint();
    TPagina pagina;
    const double boven = EenhedenUitMm(formaat_.MargeMm);
    LegBandNeer(kop_, boven, pagina);
    QRSubDetail2BeforePrint();
    LegBandNeer(romp_, boven + kop_.Hoogte, pagina);
    set->Paginas.push_back(std::move(pagina));
    if (paginaKlaar) {
        paginaKlaar(*set, static_cast<int>(set->Paginas.size()));
    }
    if (const std::optional<TBand> vervolg = Vervolgband()) {
        TPagina tweede;
        LegBandNeer(kop_, boven, tweede);
        LegBandNeer(*vervolg, boven + kop_.Hoogte, tweede);
        set->Paginas.push_back(std::move(tweede));
        if (paginaKlaar) {
            paginaKlaar(*set, static_cast<int>(set->Paginas.size()));
        }
    }
    return set;
}

} // namespace rcveltor::rapport
