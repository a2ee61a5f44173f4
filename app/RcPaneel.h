#pragma once

// The flat-roof screen's white panel (606 x 404) and its widgets.

#include "app/SchermOnderdelen.h"

#include <QWidget>

class QToolButton;

namespace rcveltor {
class TRcBerekening;
struct TGedeeld;
} // namespace rcveltor

namespace rcveltor::app {

class TRcPaneel : public QWidget {
    Q_OBJECT
public:
    // gedeeld: the method both screens share, shown in the list "Rekenmethode".
    TRcPaneel(TRcBerekening& rc, const TGedeeld& gedeeld, TActie actie, QWidget* ouder);

    // Refreshes every widget from the screen's display texts.
    void updateDisplay();

    TSpinVeld* DikteIsol() const { return dikteIsol_; }
    QToolButton* WizardKnop() const { return wizardKnop_; }

signals:
    // A method was chosen in the list "Rekenmethode" (a TMethode).
    void MethodeGekozen(int methode);
    void WizardGevraagd();

private:
    TRcBerekening& rc_;
    TPaneelBouwer bouwer_;
    TSpinVeld* dikteIsol_ = nullptr;
    QToolButton* wizardKnop_ = nullptr;
};

} // namespace rcveltor::app
