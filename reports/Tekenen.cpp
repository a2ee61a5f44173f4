#include "Tekenen.h"

#include <QFontMetricsF>
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

void TekenTekst(QPainter& p, const TTekstElement& t, double s) {
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const QFont font = RapportFont(t.Letter, s, dpi);
    p.setFont(font);
    const QFontMetricsF m(font, p.device());
    QRectF vak = NaarApparaat(t.Vak, s);
    if (t.Automatisch) {
        vak.setWidth(m.horizontalAdvance(t.Tekst));
    }
    if (t.Achtergrond) {
        p.fillRect(vak, *t.Achtergrond);
    }
    p.save();
    if (!t.Automatisch) {
        p.setClipRect(vak);
    }
    p.setPen(Qt::black);
    std::vector<QString> regels{t.Tekst};
    if (t.Omloop && !t.Automatisch) {
        regels = BreekRegels(t.Tekst, vak.width(),
                             [&](const QString& x) { return m.horizontalAdvance(x); });
    }
    double basis = vak.top() + m.ascent();
    for (std::size_t i = 0; i < regels.size(); ++i) {
        // Below the first, a wrapped line prints only if it fits the box whole.
        if (i > 0 && basis + m.descent() > vak.bottom()) {
            break;
        }
        const QString& regel = regels[i];
        double x = vak.left();
        if (!t.Automatisch && t.Uitlijning != TUitlijning::Links) {
            const double breedte = m.horizontalAdvance(regel);
            x = t.Uitlijning == TUitlijning::Rechts ? vak.right() - breedte
                                                    : vak.left() + (vak.width() - breedte) / 2;
        }
        p.drawText(QPointF(x, basis), regel);
        basis += m.height();
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
