#pragma once

// The Rc wizard: asks for the desired Rc. The dialog lives as long as the
// program, so the desired Rc is kept from one opening to the next.

#include "NumVeld.h"

#include <string>

#include <QDialog>

class QPushButton;

namespace rcveltor::app {

class TSpinVeld;

class TFrmRcWizard : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRcWizard(QWidget* ouder = nullptr);

    const TNumVeld& WensRc() const { return wensRc_; }
    // The wanted Rc from its shown text ("," as separator), as a step to it
    // would show it; an empty text gives the start value.
    void ZetWensRc(const std::string& tekst);
    TSpinVeld* WensRcVeld() const { return veld_; }
    QPushButton* Button1() const { return knop_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    TNumVeld wensRc_;
    TSpinVeld* veld_ = nullptr;
    QPushButton* knop_ = nullptr;
};

} // namespace rcveltor::app
