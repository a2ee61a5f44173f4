#pragma once

// The tapered screen's white panel (606 x 404) and its widgets.

#include "app/SchermOnderdelen.h"

#include <QWidget>

namespace rcveltor {
class TAfschotBerekening;
struct TGedeeld;
} // namespace rcveltor

namespace rcveltor::app {

class TAfschotPaneel : public QWidget {
    Q_OBJECT
public:
    // gedeeld: the method both screens share, shown in the list "Rekenmethode".
    TAfschotPaneel(TAfschotBerekening& afschot, const TGedeeld& gedeeld, TActie actie,
                   QWidget* ouder);

    // Refreshes every widget from the screen's display texts.
    void updateDisplay();

signals:
    // A method was chosen in the list "Rekenmethode" (a TMethode).
    void MethodeGekozen(int methode);

private:
    TPaneelBouwer bouwer_;
};

} // namespace rcveltor::app
