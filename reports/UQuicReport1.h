#pragma once

// The flat-roof report: one A4 page with the flat-roof screen's texts.

#include "Rapportlabels.h"

namespace rcveltor {
class TRcBerekening;
}

namespace rcveltor::rapport {

class TQuickReport1 : public TRapport {
public:
    explicit TQuickReport1(const TRcBerekening& rc);

    // A label's text and switch of the last generation, by its name.
    QString Label(const QString& naam) const { return labels_.Tekst(naam).Tekst; }
    bool Aan(const QString& naam) const { return labels_.Aan(naam); }

protected:
    void BeforePrint() override;
    void QRSubDetail2BeforePrint() override;

private:
    const TRcBerekening& rc_;
    TLabels labels_;
};

} // namespace rcveltor::rapport
