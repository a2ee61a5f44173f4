#pragma once

// The report engine: a report is two bands (a header band and a body band)
// printed once each onto one A4 page; a further body band may follow on a
// second page under the same header band. A generation runs the report's steps in
// a fixed order and records the laid-out page into a page set.

#include "reports/Weergavelijst.h"

#include <functional>
#include <memory>
#include <optional>

namespace rcveltor::rapport {

// An element of a band, positioned from the band's top-left corner. A
// switched-off element is not printed; its place stays empty.
// Both bands span the width between the margins.
inline constexpr double kBandBreedte = 681;

struct TBandElement {
    TElement Element;
    bool Aan = true;
};

struct TBand {
    double Hoogte = 0;                   // [layout units]
    std::vector<TBandElement> Elementen; // in drawing order
    bool Kader = false;                  // a thin black frame around the band
};

// Called with each finished page: the page set and the page's number (1-based).
using TPaginaKlaar = std::function<void(const TPaginaSet&, int)>;

class TRapport {
public:
    virtual ~TRapport() = default;

    // The hand-over for preview: receives the new page set before any page
    // is laid out (the preview window attaches it and shows itself).
    std::function<void(std::shared_ptr<const TPaginaSet>)> OnPreview;

    // Generates the report. For preview the hand-over runs first.
    std::shared_ptr<const TPaginaSet> Genereer(bool voorPreview,
                                               const TPaginaKlaar& paginaKlaar = {});

protected:
    // The fill step: the screen's texts into the labels.
    virtual void BeforePrint() = 0;
    // The body-band step: switches and fixed values, just before the body band.
    virtual void QRSubDetail2BeforePrint() = 0;
    // The body band of the second page, made once the first is laid out;
    // none keeps the report to one page.
    virtual std::optional<TBand> Vervolgband() { return std::nullopt; }

    TPaginaFormaat formaat_;
    TBand kop_;  // QRSubDetail1
    TBand romp_; // QRSubDetail2

private:
    void LegBandNeer(const TBand& band, double boven, TPagina& pagina) const;
};

} // namespace rcveltor::rapport
