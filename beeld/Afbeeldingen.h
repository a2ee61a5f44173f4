#pragma once

// The program's pictures, drawn as vector graphics so that they stay sharp
// at any display scaling. Each draws into the given rectangle.

#include <QIcon>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace rcveltor::beeld {

using TTekenFunctie = std::function<void(QPainter&, const QRectF&)>;

void TekenKop(QPainter& p, const QRectF& r);       // dark green band
void TekenGrijsbalk(QPainter& p, const QRectF& r); // light grey band
// A dark green tab hanging from the green band, under white text that runs
// over both bands; its rounded corners lie in the outer 4 pixels.
void TekenTekstgrond(QPainter& p, const QRectF& r);
void TekenLogo(QPainter& p, const QRectF& r);      // the brand's logo, 164 x 48
void TekenFotoBoven(QPainter& p, const QRectF& r); // photo strip, upper part, 173 x 26
void TekenFotoOnder(QPainter& p, const QRectF& r); // photo strip, lower part, 173 x 48
void TekenMarge(QPainter& p, const QRectF& r);     // the menu's column
void TekenMenuKop(QPainter& p, const QRectF& r);   // "MENU", 164 x 29
void TekenMenuItem(QPainter& p, const QRectF& r, const QString& tekst); // 164 x 19
void TekenStartFoto(QPainter& p, const QRectF& r);  // start-screen picture, 294 x 217
void TekenMakerLogo(QPainter& p, const QRectF& r);  // the maker's logo, 91 x 44
void TekenPlaattypen(QPainter& p, const QRectF& r); // the three tapered board types, 169 x 49
void TekenWizardKnop(QPainter& p, const QRectF& r); // the wizard button's picture

// An icon drawn at 100, 150 and 200 % so that it stays sharp when scaled.
QIcon IcoonUit(const TTekenFunctie& tekenen, QSize grootte);

} // namespace rcveltor::beeld
