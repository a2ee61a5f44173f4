#include "reports/Tekenen.h"

#include "reports/Tekstopmaak.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

namespace rcveltor::rapport {

QFont RapportFont(const TLettertype& letter, double pixelsPerEenheid, int apparaatDpiY) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setBold(letter.Vet);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A point is 96/72 layout units; on this device that many pixels, which
    // the device's own resolution turns back into points.
    const double pixels = letter.Punten * 96.0 / 72.0 * pixelsPerEenheid;
    font.setPointSizeF(pixels * 72.0 / apparaatDpiY);
    return font;
}

namespace {

// Layout units to device pixels, `schaal` of them per unit.
QRectF NaarApparaat(const QRectF& vak, double schaal) {
    return QRectF(vak.x() * schaal, vak.y() * schaal, vak.width() * schaal, vak.height() * schaal);
}

// Draws the lines where the layout put them, in the device's font.
void TekenTekst(QPainter& p, const TTekstElement& tekst, double schaal) {
    const TTekstOpmaak opmaak = MaakOpmaak(tekst);
    const QRectF vak = NaarApparaat(opmaak.Vak, schaal);
    if (tekst.Achtergrond) {
        p.fillRect(vak, *tekst.Achtergrond);
    }
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    if (opmaak.Knippen) {
        p.setClipRect(vak);
    }
    p.setFont(RapportFont(tekst.Letter, schaal, dpi));
    p.setPen(Qt::black);
    for (const TTekstRegel& regel : opmaak.Regels) {
        p.drawText(regel.Basis * schaal, regel.Tekst);
    }
    p.restore();
}

void TekenRechthoek(QPainter& p, const TRechthoekElement& rechthoek, double schaal) {
    const QRectF vak = NaarApparaat(rechthoek.Vak, schaal);
    if (rechthoek.Vulling) {
        p.fillRect(vak, *rechthoek.Vulling);
    }
    // The outline lies inside the box, as a frame of the given width.
    const double dikte = rechthoek.LijnDikte * schaal;
    QPen pen(rechthoek.Lijn, dikte);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(vak.adjusted(dikte / 2, dikte / 2, -dikte / 2, -dikte / 2));
}

void TekenPlaatje(QPainter& p, const TPlaatjeElement& plaatje, double schaal) {
    const QRectF vak = NaarApparaat(plaatje.Vak, schaal);
    if (plaatje.Uitrekken) {
        p.drawImage(vak, plaatje.Beeld);
    } else {
        p.drawImage(QRectF(vak.topLeft(),
                           QSizeF(plaatje.Beeld.width() * schaal, plaatje.Beeld.height() * schaal)),
                    plaatje.Beeld);
    }
}

// Dash and gap in pen widths, so they keep their length in layout units.
void TekenLijn(QPainter& p, const TLijnElement& lijn, double schaal) {
    if (lijn.Punten.size() < 2 || !(lijn.Dikte > 0)) {
        return;
    }
    QPen pen(lijn.Kleur, lijn.Dikte * schaal, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (lijn.Gestreept) {
        pen.setDashPattern({kStreep / lijn.Dikte, kStreepGat / lijn.Dikte});
    }
    QPolygonF punten;
    punten.reserve(static_cast<qsizetype>(lijn.Punten.size()));
    for (const QPointF& punt : lijn.Punten) {
        punten.append(punt * schaal);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(punten);
}

} // namespace

void TekenPagina(QPainter& p, const TPagina& pagina, double pixelsPerEenheid) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const TElement& element : pagina.Elementen) {
        if (const auto* tekst = std::get_if<TTekstElement>(&element)) {
            TekenTekst(p, *tekst, pixelsPerEenheid);
        } else if (const auto* rechthoek = std::get_if<TRechthoekElement>(&element)) {
            TekenRechthoek(p, *rechthoek, pixelsPerEenheid);
        } else if (const auto* plaatje = std::get_if<TPlaatjeElement>(&element)) {
            TekenPlaatje(p, *plaatje, pixelsPerEenheid);
        } else if (const auto* lijn = std::get_if<TLijnElement>(&element)) {
            TekenLijn(p, *lijn, pixelsPerEenheid);
        }
    }
    p.restore();
}

} // namespace rcveltor::rapport
