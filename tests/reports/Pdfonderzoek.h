#pragma once

// Looks into PDF files with poppler's command-line tools, as a reader of the
// file would: extracted words with their boxes, fonts, images, rendering.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rcveltor::test {

// Page geometry in points from the page's top-left corner, as pdftotext
// reports them: a layout unit (1/96 inch) in points, the margin, and how
// far a text may stand from its place.
inline constexpr double kPtPerEenheid = 0.75;
inline constexpr double kMargePt = 15 * 72 / 25.4;
inline constexpr double kTolerantiePt = 0.5 * 72 / 25.4;

// Liberation Sans: ascent 1854 and descent 434 of 2048 units per em. poppler
// puts a word's yMin the ascent above its baseline, and the export puts the
// baseline the same ascent below the text box's top, so yMin is the box's
// top; yMax lies the descent below the baseline.
inline constexpr double kStijging = 1854.0 / 2048;
inline constexpr double kDaling = 434.0 / 2048;

// Runs a tool; stdout, or nothing when it cannot start or fails.
std::optional<QByteArray> Voer(const QString& programma, const QStringList& argumenten);

struct TWoord {
    QString Tekst;
    double XMin, YMin, XMax, YMax; // [pt] from the page's top-left corner
};

// Words of page 1 from `pdftotext -bbox`.
std::vector<TWoord> Woorden(const QString& pdf);

// The whole text from `pdftotext`, UTF-8 decoded.
QString Tekst(const QString& pdf);

// A run of words on one line that spells `tekst` (words split at spaces);
// the run nearest to (x, y) when several match. Box of the run.
std::optional<TWoord> ZoekZin(const std::vector<TWoord>& woorden, const QString& tekst, double x,
                              double y);

// Page 1 rendered by pdftoppm at the given resolution.
QImage Weergave(const QString& pdf, int dpi);

// Lines of `pdffonts` and `pdfimages -list` below their headings, split into
// columns.
std::vector<QStringList> Lettertypen(const QString& pdf);
std::vector<QStringList> Beelden(const QString& pdf);

// The width [pt] of a text in Liberation Sans at the given size, from the
// font file's own advances.
double Breedte(const QString& tekst, double punten, bool vet);

} // namespace rcveltor::test
