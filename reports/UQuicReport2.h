#pragma once

// The tapered report: one A4 page with the tapered screen's texts.

#include "reports/Rapportlabels.h"

namespace rcveltor {
struct TProjectgegevens;
class TAfschotBerekening;
} // namespace rcveltor

namespace rcveltor::rapport {

class TQuickReport2 : public TLabelRapport {
public:
    // project: the project block's data; none, or every field empty, prints none.
    explicit TQuickReport2(const TAfschotBerekening& afschot,
                           const TProjectgegevens* project = nullptr);

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TAfschotBerekening& afschot_;
};

} // namespace rcveltor::rapport
