#include "app/Glaservlak.h"

#include "reports/Glaserdiagram.h"
#include "reports/Tekenen.h"

#include <QPainter>

namespace rcveltor::app {

TGlaservlak::TGlaservlak(QWidget* ouder) : QWidget(ouder) {
    setAutoFillBackground(true);
    QPalette wit = palette();
    wit.setColor(QPalette::Window, Qt::white);
    setPalette(wit);
}

void TGlaservlak::Toon(const TVochtBerekening& berekening, std::size_t maand) {
    berekening_ = berekening;
    maand_ = maand;
    update();
}

void TGlaservlak::Wis() {
    berekening_.reset();
    update();
}

void TGlaservlak::paintEvent(QPaintEvent*) {
    if (!berekening_) {
        return;
    }
    // One layout unit is one pixel of a 96-dpi screen, as the preview at 100 %.
    rapport::TPagina pagina;
    rapport::TekenGlaser(pagina, QRectF(rect()), *berekening_, maand_);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    rapport::TekenPagina(p, pagina, logicalDpiY() / 96.0);
}

} // namespace rcveltor::app
