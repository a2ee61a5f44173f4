#include "preview/Paginabeeld.h"

#include "reports/Tekenen.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace rcveltor::rapport {

TPaginabeeld::TPaginabeeld(QWidget* ouder) : QAbstractScrollArea(ouder) {
    setObjectName(QStringLiteral("QRPreview1"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
}

void TPaginabeeld::ZetPaginaSet(std::shared_ptr<const TPaginaSet> set) {
    set_ = std::move(set);
    pagina_ = 1;
    WerkScrollbalkenBij();
    viewport()->update();
}

int TPaginabeeld::AantalPaginas() const {
    return set_ ? static_cast<int>(set_->Paginas.size()) : 0;
}

bool TPaginabeeld::ZetPagina(int nummer) {
    if (!set_ || nummer < 1 || nummer > AantalPaginas()) {
        return false;
    }
    pagina_ = nummer;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
    return true;
}

double TPaginabeeld::PixelsPerEenheid() const {
    return zoom_ / 100.0 * logicalDpiX() / 96.0;
}

QSizeF TPaginabeeld::PaginaGrootte100() const {
    const TPaginaFormaat formaat = set_ ? set_->Formaat : TPaginaFormaat{};
    const double pixelsPerEenheid = logicalDpiX() / 96.0;
    return QSizeF(EenhedenUitMm(formaat.BreedteMm) * pixelsPerEenheid,
                  EenhedenUitMm(formaat.HoogteMm) * pixelsPerEenheid);
}

bool TPaginabeeld::ZetZoom(int zoom) {
    if (zoom < 2 || zoom > 2000) {
        return false;
    }
    zoom_ = zoom;
    WerkScrollbalkenBij();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
    return true;
}

bool TPaginabeeld::ZetZoomAnders(int zoom) {
    if (!ZetZoom(zoom)) {
        return false;
    }
    modus_ = TZoomModus::Anders;
    return true;
}

void TPaginabeeld::ZoomPassend() {
    const QSizeF grootte = PaginaGrootte100();
    const int zoom =
        static_cast<int>(std::min(std::lround(95.0 * viewport()->width() / grootte.width()),
                                  std::lround(95.0 * viewport()->height() / grootte.height())));
    if (ZetZoom(zoom)) {
        modus_ = TZoomModus::Passend;
    }
}

void TPaginabeeld::ZoomBreedte() {
    const QSizeF grootte = PaginaGrootte100();
    if (ZetZoom(static_cast<int>(std::lround(90.0 * viewport()->width() / grootte.width())))) {
        modus_ = TZoomModus::Breedte;
    }
}

void TPaginabeeld::Zoom100() {
    ZetZoomAnders(100);
}

QRect TPaginabeeld::PaginaRechthoek() const {
    const QSizeF exact = PaginaGrootte100() * (zoom_ / 100.0);
    const QSize grootte(qRound(exact.width()), qRound(exact.height()));
    const QSize zicht = viewport()->size();
    // Centred while smaller than the view; otherwise from the scroll position.
    const int x = grootte.width() < zicht.width() ? (zicht.width() - grootte.width()) / 2
                                                  : -horizontalScrollBar()->value();
    const int y = grootte.height() < zicht.height() ? (zicht.height() - grootte.height()) / 2
                                                    : -verticalScrollBar()->value();
    return QRect(QPoint(x, y), grootte);
}

void TPaginabeeld::WerkScrollbalkenBij() {
    const QSizeF grootte = PaginaGrootte100() * (zoom_ / 100.0);
    const QSize zicht = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, qRound(grootte.width()) - zicht.width()));
    verticalScrollBar()->setRange(0, std::max(0, qRound(grootte.height()) - zicht.height()));
    horizontalScrollBar()->setPageStep(zicht.width());
    verticalScrollBar()->setPageStep(zicht.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void TPaginabeeld::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    if (modus_ == TZoomModus::Passend) {
        ZoomPassend();
    } else if (modus_ == TZoomModus::Breedte) {
        ZoomBreedte();
    } else {
        WerkScrollbalkenBij();
    }
}

void TPaginabeeld::scrollContentsBy(int, int) {
    viewport()->update();
}

void TPaginabeeld::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    if (!set_ || pagina_ > AantalPaginas()) {
        return;
    }
    const QRect vak = PaginaRechthoek();
    p.fillRect(vak, Qt::white);
    p.translate(vak.topLeft());
    p.setClipRect(QRect(QPoint(0, 0), vak.size()));
    TekenPagina(p, set_->Paginas[static_cast<std::size_t>(pagina_ - 1)], PixelsPerEenheid());
}

} // namespace rcveltor::rapport
