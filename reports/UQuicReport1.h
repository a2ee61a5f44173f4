#pragma once

// The flat-roof report: one A4 page with the flat-roof screen's texts.

#include "Rapportlabels.h"

namespace rcveltor {
class TRcBerekening;
}

namespace rcveltor::rapport {

class TQuickReport1 : public TLabelRapport {
public:
    explicit TQuickReport1(const TRcBerekening& rc);

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TRcBerekening& rc_;
};

} // namespace rcveltor::rapport
