#include "beeld/Afbeeldingen.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace rcveltor::beeld {

namespace {

const QColor kDonkergroen(0x00, 0x66, 0x33);
const QColor kMenuGrijsblauw(0xC4, 0xCF, 0xDA);
const QColor kMenuTekst(0x1E, 0x2A, 0x36);

QFont Lettertype(qreal pixels, bool vet) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setBold(vet);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A flat roof in section: covering, insulation, vapour retarder and deck.
void TekenDakdoorsnede(QPainter& p, const QRectF& r) {
    const qreal hoogte = r.height();
    const std::array<std::pair<qreal, QColor>, 4> lagen{{
        {0.12, QColor(0x3A, 0x3A, 0x3A)}, // covering
        {0.46, QColor(0xF2, 0xD0, 0x6B)}, // insulation
        {0.06, QColor(0x6C, 0x8E, 0xBF)}, // vapour retarder
        {0.36, QColor(0xA8, 0xA8, 0xA8)}, // deck
    }};
    qreal y = r.top();
    for (const auto& [deel, kleur] : lagen) {
        p.fillRect(QRectF(r.left(), y, r.width(), hoogte * deel), kleur);
        y += hoogte * deel;
    }
    // The insulation boards' joints.
    p.setPen(QPen(QColor(0xC9, 0xA5, 0x3E), 1));
    const qreal isoBoven = r.top() + hoogte * 0.12;
    for (qreal x = r.left() + r.width() / 6; x < r.right(); x += r.width() / 3) {
        p.drawLine(QPointF(x, isoBoven), QPointF(x, isoBoven + hoogte * 0.46));
    }
}

// A sky from the colour at the top to the one at the bottom.
void VulLucht(QPainter& p, const QRectF& r, const QColor& boven, const QColor& onder) {
    QLinearGradient lucht(r.topLeft(), r.bottomLeft());
    lucht.setColorAt(0, boven);
    lucht.setColorAt(1, onder);
    p.fillRect(r, lucht);
}

} // namespace

void TekenKop(QPainter& p, const QRectF& r) {
    p.fillRect(r, kDonkergroen);
    p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), QColor(0x00, 0x4D, 0x26));
}

void TekenGrijsbalk(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(0xEA, 0xEA, 0xEA));
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), QColor(0xD0, 0xD0, 0xD0));
}

void TekenTekstgrond(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kDonkergroen);
    // Square at the top, where it meets the band it hangs from.
    p.drawRoundedRect(r, 4, 4);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2));
    p.restore();
}

void TekenLogo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::white);
    // Emblem: a green square with a white roof line over a golden board.
    const qreal zijde = r.height() - 12; // of the emblem
    const QRectF embleem(r.left() + 8, r.top() + 6, zijde, zijde);
    p.setPen(Qt::NoPen);
    p.setBrush(kDonkergroen);
    p.drawRoundedRect(embleem, 4, 4);
    p.setBrush(QColor(0xF2, 0xC1, 0x3A));
    p.drawRect(QRectF(embleem.left() + zijde * 0.18, embleem.top() + zijde * 0.58, zijde * 0.64,
                      zijde * 0.2));
    QPainterPath dak;
    dak.moveTo(embleem.left() + zijde * 0.14, embleem.top() + zijde * 0.50);
    dak.lineTo(embleem.center().x(), embleem.top() + zijde * 0.2);
    dak.lineTo(embleem.right() - zijde * 0.14, embleem.top() + zijde * 0.50);
    p.setPen(QPen(Qt::white, zijde * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dak);
    // Word mark.
    const QRectF tekst(embleem.right() + 7, r.top() + 5, r.right() - embleem.right() - 9, 24);
    p.setPen(kDonkergroen);
    p.setFont(Lettertype(21, true));
    p.drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VELTOR"));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setFont(Lettertype(9.5, false));
    p.drawText(QRectF(tekst.left(), tekst.bottom(), tekst.width(), 14),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("dakisolatie"));
    p.restore();
}

void TekenFotoBoven(QPainter& p, const QRectF& r) {
    VulLucht(p, r, QColor(0x4F, 0x8F, 0xD8), QColor(0x9C, 0xC6, 0xEE));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.55, r.top() + r.height() * 0.35, 34, 9));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.66, r.top() + r.height() * 0.22, 26, 10));
    p.restore();
}

void TekenFotoOnder(QPainter& p, const QRectF& r) {
    VulLucht(p, r, QColor(0x9C, 0xC6, 0xEE), QColor(0xCF, 0xE3, 0xF5));
    TekenDakdoorsnede(p,
                      QRectF(r.left(), r.top() + r.height() * 0.45, r.width(), r.height() * 0.55));
}

void TekenMarge(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(0xD4, 0xDC, 0xE2));
}

void TekenMenuKop(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(0x80, 0x8A, 0x94));
    p.setPen(Qt::white);
    p.setFont(Lettertype(13, true));
    p.drawText(r.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MENU"));
}

void TekenMenuItem(QPainter& p, const QRectF& r, const QString& tekst) {
    p.fillRect(r, kMenuGrijsblauw);
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), QColor(0xE8, 0xEE, 0xF3));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kDonkergroen);
    const qreal midden = r.center().y();
    QPainterPath pijl;
    pijl.moveTo(r.left() + 8, midden - 4);
    pijl.lineTo(r.left() + 13, midden);
    pijl.lineTo(r.left() + 8, midden + 4);
    pijl.closeSubpath();
    p.drawPath(pijl);
    p.restore();
    p.setPen(kMenuTekst);
    p.setFont(Lettertype(11, true));
    p.drawText(r.adjusted(19, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, tekst);
}

void TekenStartFoto(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    VulLucht(p, r, QColor(0x4F, 0x8F, 0xD8), QColor(0xDD, 0xEB, 0xF8));
    // Sun.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x7A));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.82, r.top() + r.height() * 0.2), 16, 16);
    // A building with a flat roof, the roof opened up to show its layers.
    const QRectF gebouw(r.left() + r.width() * 0.08, r.top() + r.height() * 0.46, r.width() * 0.84,
                        r.height() * 0.54);
    p.fillRect(gebouw, QColor(0xB8, 0x6B, 0x4B));
    p.setPen(QPen(QColor(0x9A, 0x55, 0x3A), 1));
    for (qreal y = gebouw.top() + 6; y < gebouw.bottom(); y += 6) {
        p.drawLine(QPointF(gebouw.left(), y), QPointF(gebouw.right(), y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xE8, 0xF2));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(gebouw.left() + 14 + i * gebouw.width() / 4, gebouw.top() + 26, 30, 24));
    }
    const QRectF dak(gebouw.left() - 6, gebouw.top() - 30, gebouw.width() + 12, 30);
    TekenDakdoorsnede(p, dak);
    // Fall of the roof: a fine line on the covering.
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 160), 1.2, Qt::DashLine));
    p.drawLine(QPointF(dak.left() + 10, dak.top() + 2), QPointF(dak.right() - 10, dak.top() + 2));
    p.restore();
}

void TekenMakerLogo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDonkergroen, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    p.setPen(kDonkergroen);
    p.setFont(Lettertype(14, true));
    p.drawText(QRectF(r.left(), r.top() + 4, r.width(), 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("VELTOR"));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setFont(Lettertype(9, false));
    p.drawText(QRectF(r.left(), r.top() + 23, r.width(), 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("bouwsystemen"));
    p.restore();
}

void TekenPlaattypen(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::white);
    const QColor dun(0xFB, 0xEC, 0xB8);
    const QColor dik(0xD9, 0xA4, 0x2B);
    const qreal breedte = 36;
    const qreal hoogte = r.height() - 10;
    const qreal y = r.top() + 4;
    // Type 1: a rectangle rising evenly from left to right.
    {
        const QRectF rechthoek(r.left() + 4, y, breedte, hoogte);
        QLinearGradient verloop(rechthoek.topLeft(), rechthoek.topRight());
        verloop.setColorAt(0, dun);
        verloop.setColorAt(1, dik);
        p.setBrush(verloop);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rechthoek);
    }
    // Type 2: a triangle thickest at its apex; type 3: thinnest at its apex.
    for (int type = 2; type <= 3; ++type) {
        const qreal x = r.left() + 4 + (type - 1) * (breedte + 16);
        QPainterPath driehoek;
        driehoek.moveTo(x, y + hoogte);
        driehoek.lineTo(x + breedte, y + hoogte);
        driehoek.lineTo(x + breedte / 2, y);
        driehoek.closeSubpath();
        QLinearGradient verloop(QPointF(x, y + hoogte), QPointF(x, y));
        verloop.setColorAt(0, type == 2 ? dun : dik);
        verloop.setColorAt(1, type == 2 ? dik : dun);
        p.setBrush(verloop);
        p.setPen(QPen(Qt::black, 1));
        p.drawPath(driehoek);
    }
    p.restore();
}

void TekenWizardKnop(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF vak = r.adjusted(3, 3, -3, -3);
    // A magic wand over a small Rc.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(vak.left() + 1, vak.bottom() - 1), QPointF(vak.right() - 5, vak.top() + 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xB8, 0x1C));
    QPainterPath ster;
    const QPointF centrum(vak.right() - 3.5, vak.top() + 3.5);
    for (int i = 0; i < 8; ++i) {
        const qreal straal = i % 2 == 0 ? 4.0 : 1.6;
        const qreal hoek = i * 3.14159265 / 4;
        const QPointF punt(centrum.x() + straal * std::cos(hoek),
                           centrum.y() + straal * std::sin(hoek));
        i == 0 ? ster.moveTo(punt) : ster.lineTo(punt);
    }
    ster.closeSubpath();
    p.drawPath(ster);
    p.restore();
}

QIcon IcoonUit(const TTekenFunctie& tekenen, QSize grootte) {
    QIcon icoon;
    for (qreal schaal : {1.0, 1.5, 2.0}) {
        QPixmap pixmap(grootte * schaal);
        pixmap.setDevicePixelRatio(schaal);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        tekenen(p, QRectF(QPointF(0, 0), QSizeF(grootte)));
        p.end();
        icoon.addPixmap(pixmap);
    }
    return icoon;
}

} // namespace rcveltor::beeld
