#pragma once

// The tapered screen's white panel (606 x 404) and its widgets.

#include "SchermOnderdelen.h"

#include <QWidget>

namespace rcveltor {
class TAfschotBerekening;
}

namespace rcveltor::app {

class TAfschotPaneel : public QWidget {
public:
    TAfschotPaneel(TAfschotBerekening& afschot, TActie actie, QWidget* ouder);

    // Refreshes every widget from the screen's display texts.
    void updateDisplay();

private:
    TPaneelBouwer bouwer_;
};

} // namespace rcveltor::app
