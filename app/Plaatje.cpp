#include "app/Plaatje.h"

#include <QMouseEvent>
#include <QPainter>

namespace rcveltor::app {

TPlaatje::TPlaatje(TTekenFunctie tekenen, QWidget* ouder)
    : QWidget(ouder), tekenen_(std::move(tekenen)) {}

void TPlaatje::paintEvent(QPaintEvent*) {
    QPainter p(this);
    tekenen_(p, QRectF(rect()));
}

void TPlaatje::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        emit Geklikt();
    }
}

} // namespace rcveltor::app
