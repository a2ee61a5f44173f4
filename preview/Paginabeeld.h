#pragma once

// The preview's page view: one page of a page set at a zoom of 2 to 2000 %.

#include "reports/Weergavelijst.h"

#include <QAbstractScrollArea>
#include <memory>

namespace rcveltor::rapport {

enum class TZoomModus { Passend, Breedte, Anders };

class TPaginabeeld : public QAbstractScrollArea {
public:
    explicit TPaginabeeld(QWidget* ouder = nullptr);

    void ZetPaginaSet(std::shared_ptr<const TPaginaSet> set); // goes to page 1
    const std::shared_ptr<const TPaginaSet>& PaginaSet() const { return set_; }
    int AantalPaginas() const;

    int PaginaNummer() const { return pagina_; }
    bool ZetPagina(int nummer); // refused outside 1..page count or without pages

    int Zoom() const { return zoom_; }
    bool ZetZoom(int zoom);       // refused outside 2..2000; the mode stays
    bool ZetZoomAnders(int zoom); // the same, and the mode becomes other
    TZoomModus Modus() const { return modus_; }
    void ZoomPassend(); // the whole page: 95 % of the view
    void ZoomBreedte(); // the page width: 90 % of the view's width
    void Zoom100();

    // The page's size on screen at zoom 100 [pixels].
    QSizeF PaginaGrootte100() const;
    // Where the page stands in the viewport now.
    QRect PaginaRechthoek() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double PixelsPerEenheid() const;
    void WerkScrollbalkenBij();

    std::shared_ptr<const TPaginaSet> set_;
    int pagina_ = 1;
    int zoom_ = 100;
    TZoomModus modus_ = TZoomModus::Anders;
};

} // namespace rcveltor::rapport
