#include "Tekenen.h"

#include "Tekstopmaak.h"

#include <QPaintDevice>
#include <QPainter>

namespace rcveltor::rapport {

QFont RapportFont(const TLettertype& letter, double pixelsPerEenheid, int apparaatDpiY) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setBold(letter.Vet);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    // A point is 96/72 layout units; on this device that many pixels, which
    // the device's own resolution turns back into points.
    const double pixels = letter.Punten * 96.0 / 72.0 * pixelsPerEenheid;
    f.setPointSizeF(pixels * 72.0 / apparaatDpiY);
    return f;
}

namespace {

QRectF NaarApparaat(const QRectF& r, double s) {
    return QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
}

// Draws the lines where the layout put them, in the device's font.
void TekenTekst(QPainter& p, const TTekstElement& t, double s) {
    const TTekstOpmaak opmaak = MaakOpmaak(t);
    const QRectF vak = NaarApparaat(opmaak.Vak, s);
    if (t.Achtergrond) {
        p.fillRect(vak, *t.Achtergrond);
    }
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    if (opmaak.Knippen) {
        p.setClipRect(vak);
    }
    p.setFont(RapportFont(t.Letter, s, dpi));
    p.setPen(Qt::black);
    for (const TTekstRegel& regel : opmaak.Regels) {
        p.drawText(regel.Basis * s, regel.Tekst);
    }
    p.restore();
}

void TekenRechthoek(QPainter& p, const TRechthoekElement& r, double s) {
    const QRectF vak = NaarApparaat(r.Vak, s);
    if (r.Vulling) {
        p.fillRect(vak, *r.Vulling);
    }
    // The outline lies inside the box, as a frame of the given width.
    const double d = r.LijnDikte * s;
    QPen pen(r.Lijn, d);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(vak.adjusted(d / 2, d / 2, -d / 2, -d / 2));
}

void TekenPlaatje(QPainter& p, const TPlaatjeElement& b, double s) {
    const QRectF vak = NaarApparaat(b.Vak, s);
    if (b.Uitrekken) {
        p.drawImage(vak, b.Beeld);
    } else {
        p.drawImage(QRectF(vak.topLeft(), QSizeF(b.Beeld.width() * s, b.Beeld.height() * s)),
                    b.Beeld);
    }
}

} // namespace

void TekenPagina(QPainter& p, const TPagina& pagina, double s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const TElement& e : pagina.Elementen) {
        if (const auto* t = std::get_if<TTekstElement>(&e)) {
            TekenTekst(p, *t, s);
        } else if (const auto* r = std::get_if<TRechthoekElement>(&e)) {
            TekenRechthoek(p, *r, s);
        } else if (const auto* b = std::get_if<TPlaatjeElement>(&e)) {
            TekenPlaatje(p, *b, s);
        }
    }
    p.restore();
}

} // namespace rcveltor::rapport
