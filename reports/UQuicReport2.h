#pragma once

// The tapered report: one A4 page with the tapered screen's texts, and a
// second with its moisture check when the check's fields ask for one.

#include "reports/Rapportlabels.h"

namespace rcveltor {
struct TProjectgegevens;
struct TVochtVelden;
class TAfschotBerekening;
} // namespace rcveltor

namespace rcveltor::rapport {

class TQuickReport2 : public TLabelRapport {
public:
    // project: the project block's data; none, or every field empty, prints none.
    // vocht: the moisture check's fields; with OpRapport on, a second page.
    explicit TQuickReport2(const TAfschotBerekening& afschot,
                           const TProjectgegevens* project = nullptr,
                           const TVochtVelden* vocht = nullptr);

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TAfschotBerekening& afschot_;
};

} // namespace rcveltor::rapport
