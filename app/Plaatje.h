#pragma once

// A picture of the artwork on a window.

#include "beeld/Afbeeldingen.h"

#include <QWidget>

namespace rcveltor::app {

using beeld::TTekenFunctie;

// A picture on the screen; a click on it is reported.
class TPlaatje : public QWidget {
    Q_OBJECT
public:
    TPlaatje(TTekenFunctie tekenen, QWidget* ouder);

signals:
    void Geklikt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    TTekenFunctie tekenen_;
};

} // namespace rcveltor::app
