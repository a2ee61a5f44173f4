#include "preview/Previewiconen.h"

#include "beeld/Afbeeldingen.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rcveltor::rapport {

namespace {

const QColor kInkt(0x2B, 0x3A, 0x4A);
const QColor kGroen(0x00, 0x66, 0x33);

void Pijl(QPainter& p, bool links, double x) {
    QPainterPath pad;
    if (links) {
        pad.moveTo(x + 5, 3);
        pad.lineTo(x, 8);
        pad.lineTo(x + 5, 13);
    } else {
        pad.moveTo(x, 3);
        pad.lineTo(x + 5, 8);
        pad.lineTo(x, 13);
    }
    pad.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kGroen);
    p.drawPath(pad);
}

// A sheet with lines of text.
void Blad(QPainter& p, QRectF vak) {
    p.setPen(QPen(kInkt, 1));
    p.setBrush(Qt::white);
    p.drawRect(vak);
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xAE), 1));
    for (double y = vak.top() + 3; y < vak.bottom() - 1; y += 2.5) {
        p.drawLine(QPointF(vak.left() + 2, y), QPointF(vak.right() - 2, y));
    }
}

void Loep(QPainter& p, bool plus) {
    p.setPen(QPen(kInkt, 1.6));
    p.setBrush(QColor(0xE6, 0xF2, 0xFB));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(kInkt, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.setPen(QPen(kGroen, 1.6));
    p.drawLine(QPointF(3.8, 6), QPointF(8.2, 6));
    if (plus) {
        p.drawLine(QPointF(6, 3.8), QPointF(6, 8.2));
    }
}

void Teken(QPainter& p, TIcoon icoon) {
    switch (icoon) {
    case TIcoon::EerstePagina:
        p.fillRect(QRectF(3, 3, 2, 10), kGroen);
        Pijl(p, true, 6);
        break;
    case TIcoon::VorigePagina:
        Pijl(p, true, 5);
        break;
    case TIcoon::VolgendePagina:
        Pijl(p, false, 6);
        break;
    case TIcoon::LaatstePagina:
        Pijl(p, false, 5);
        p.fillRect(QRectF(11, 3, 2, 10), kGroen);
        break;
    case TIcoon::ZoomIn:
        Loep(p, true);
        break;
    case TIcoon::ZoomUit:
        Loep(p, false);
        break;
    case TIcoon::HelePagina:
        p.setPen(QPen(kGroen, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        Blad(p, QRectF(4.5, 2.5, 7, 11));
        break;
    case TIcoon::Honderd:
        Blad(p, QRectF(3.5, 1.5, 9, 13));
        break;
    case TIcoon::PaginaBreedte: {
        Blad(p, QRectF(4.5, 2.5, 7, 11));
        p.setPen(QPen(kGroen, 1.2));
        p.drawLine(QPointF(0.5, 8), QPointF(3.5, 8));
        p.drawLine(QPointF(12.5, 8), QPointF(15.5, 8));
        p.drawLine(QPointF(0.5, 8), QPointF(2, 6.5));
        p.drawLine(QPointF(0.5, 8), QPointF(2, 9.5));
        p.drawLine(QPointF(15.5, 8), QPointF(14, 6.5));
        p.drawLine(QPointF(15.5, 8), QPointF(14, 9.5));
        break;
    }
    case TIcoon::Afdrukken:
        p.setPen(QPen(kInkt, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0xB8, 0xC2, 0xCC));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.fillRect(QRectF(12, 8, 1.5, 1.5), kGroen);
        break;
    case TIcoon::Diskette:
        p.setPen(QPen(kInkt, 1));
        p.setBrush(QColor(0x3E, 0x5E, 0x8C));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case TIcoon::Sluiten:
        p.setPen(QPen(kInkt, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        p.setPen(QPen(kGroen, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(14.5, 8), QPointF(11.5, 5));
        p.drawLine(QPointF(14.5, 8), QPointF(11.5, 11));
        break;
    case TIcoon::Pdf: {
        Blad(p, QRectF(2.5, 0.5, 11, 15));
        p.fillRect(QRectF(1, 8, 14, 6), QColor(0xC8, 0x1E, 0x1E));
        QFont letter(QStringLiteral("Liberation Sans"));
        letter.setPixelSize(6);
        letter.setBold(true);
        p.setFont(letter);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 8, 14, 6), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    }
}

} // namespace

QIcon PreviewIcoon(TIcoon icoon) {
    return beeld::IcoonUit([icoon](QPainter& p, const QRectF&) { Teken(p, icoon); }, QSize(16, 16));
}

} // namespace rcveltor::rapport
