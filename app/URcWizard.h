#pragma once

// The Rc wizard: asks for the desired Rc. It edits the calculation's wanted
// Rc, which is kept from one opening to the next and shown anew at each.

#include "calc/NumVeld.h"

#include <QDialog>

class QPushButton;

namespace rcveltor::app {

class TSpinVeld;

class TFrmRcWizard : public QDialog {
    Q_OBJECT
public:
    // wensRc: the calculation's wanted Rc (TBerekening::WensRc); it outlives
    // the dialog.
    explicit TFrmRcWizard(TNumVeld& wensRc, QWidget* ouder = nullptr);

    const TNumVeld& WensRc() const { return wensRc_; }
    TSpinVeld* WensRcVeld() const { return veld_; }
    QPushButton* Button1() const { return knop_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    TNumVeld& wensRc_;
    TSpinVeld* veld_ = nullptr;
    QPushButton* knop_ = nullptr;
};

} // namespace rcveltor::app
