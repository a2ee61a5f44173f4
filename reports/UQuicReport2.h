#pragma once

// The tapered report: one A4 page with the tapered screen's texts.

#include "Rapportlabels.h"

namespace rcveltor {
class TAfschotBerekening;
}

namespace rcveltor::rapport {

class TQuickReport2 : public TLabelRapport {
public:
    explicit TQuickReport2(const TAfschotBerekening& afschot);

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TAfschotBerekening& afschot_;
};

} // namespace rcveltor::rapport
