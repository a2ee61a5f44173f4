#pragma once

// The flat-roof report: one A4 page with the flat-roof screen's texts, and
// a second with its moisture check when the check's fields ask for one.

#include "reports/Rapportlabels.h"

namespace rcveltor {
struct TProjectgegevens;
struct TVochtVelden;
class TRcBerekening;
} // namespace rcveltor

namespace rcveltor::rapport {

class TQuickReport1 : public TLabelRapport {
public:
    // project: the project block's data; none, or every field empty, prints none.
    // vocht: the moisture check's fields; with OpRapport on, a second page.
    explicit TQuickReport1(const TRcBerekening& rc, const TProjectgegevens* project = nullptr,
                           const TVochtVelden* vocht = nullptr);

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TRcBerekening& rc_;
    std::size_t bevestigerVakNen_ = 0; // the fastener box's outline under NEN 1068
    std::size_t bevestigerVakIso_ = 0; // and under NEN-EN-ISO 6946, one line taller
};

} // namespace rcveltor::rapport
