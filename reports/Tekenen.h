#pragma once

// Draws a page of the display list with QPainter, on the screen or a printer.

#include "reports/Weergavelijst.h"

class QPainter;
class QFont;

namespace rcveltor::rapport {

// pixelsPerEenheid: device pixels per layout unit. The painter is not scaled:
// fonts are set per device in points, so they match the device's resolution.
void TekenPagina(QPainter& p, const TPagina& pagina, double pixelsPerEenheid);

// The report font for a device: Arial (Liberation Sans) at the size that
// makes `punten` points at the given scale.
QFont RapportFont(const TLettertype& letter, double pixelsPerEenheid, int apparaatDpiY);

} // namespace rcveltor::rapport
