#pragma once

// The tapered report: one A4 page with the tapered screen's texts.

#include "Rapportlabels.h"

namespace rcveltor {
class TAfschotBerekening;
}

namespace rcveltor::rapport {

class TQuickReport2 : public TRapport {
public:
    explicit TQuickReport2(const TAfschotBerekening& afschot);

    // A label's text and switch of the last generation, by its name.
    QString Label(const QString& naam) const { return labels_.Tekst(naam).Tekst; }
    bool Aan(const QString& naam) const { return labels_.Aan(naam); }

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TAfschotBerekening& afschot_;
    TLabels labels_;
};

} // namespace rcveltor::rapport
