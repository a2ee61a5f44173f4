#pragma once

// A laid-out report page as a list of elements in page units. The preview,
// the printer and the PDF export all draw from the same list, so the screen,
// the paper and the PDF show the same page.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace rcveltor::rapport {

// Layout unit: 1/96 inch. Page positions count from the page's top-left corner.
inline constexpr double kMmPerEenheid = 25.4 / 96.0;
inline double EenhedenUitMm(double mm) {
    return mm / kMmPerEenheid;
}

struct TPaginaFormaat {
    double BreedteMm = 210; // A4 portrait
    double HoogteMm = 297;
    double MargeMm = 15; // on all four sides
};

enum class TUitlijning { Links, Midden, Rechts };

struct TLettertype {
    bool Vet = false;   // Arial (served by Liberation Sans) regular or bold
    double Punten = 10; // size [pt]
};

// A text. A fixed box clips the text and aligns it inside; an automatic box
// starts at its x and takes the width of the text, unclipped.
struct TTekstElement {
    QRectF Vak;         // box [layout units]; width ignored when Automatisch
    QString Tekst;      // already filled in
    TLettertype Letter; // font
    TUitlijning Uitlijning = TUitlijning::Links; // inside a fixed box
    bool Automatisch = false;                    // width follows the text
    bool Omloop = false;                         // wrap at word boundaries inside the fixed box
    std::optional<QColor> Achtergrond;           // fill behind the text; none is transparent
};

// A rectangle with an outline and a fill.
struct TRechthoekElement {
    QRectF Vak;                    // [layout units]
    QColor Lijn;                   // outline colour
    double LijnDikte = 1;          // outline width [layout units]
    std::optional<QColor> Vulling; // fill; none leaves the inside open
};

// A picture at its natural size (one pixel per layout unit, top-left of the
// box) or stretched to the box.
struct TPlaatjeElement {
    QRectF Vak;   // [layout units]
    QImage Beeld; // the bitmap, written losslessly
    bool Uitrekken = false;
};

// A polyline through its points: straight pieces, flat ends, round corners.
// Dashed, it runs in dashes of kStreep with gaps of kStreepGat.
struct TLijnElement {
    std::vector<QPointF> Punten; // [layout units]
    QColor Kleur;
    double Dikte = 1; // [layout units]
    bool Gestreept = false;
};
inline constexpr double kStreep = 6;    // [layout units]
inline constexpr double kStreepGat = 4; // [layout units]

using TElement = std::variant<TTekstElement, TRechthoekElement, TPlaatjeElement, TLijnElement>;

// Moves an element by (dx, dy) layout units.
inline void Verschuif(TElement& element, double dx, double dy) {
    std::visit(
        [&](auto& soort) {
            if constexpr (std::is_same_v<std::decay_t<decltype(soort)>, TLijnElement>) {
                for (QPointF& punt : soort.Punten) {
                    punt += QPointF(dx, dy);
                }
            } else {
                soort.Vak.translate(dx, dy);
            }
        },
        element);
}

struct TPagina {
    std::vector<TElement> Elementen; // in drawing order
};

struct TPaginaSet {
    TPaginaFormaat Formaat;
    std::vector<TPagina> Paginas;
};

} // namespace rcveltor::rapport
