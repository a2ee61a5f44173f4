#pragma once

// The Glaser diagram of one month of the moisture check, laid out as
// elements of a page, so that the report and the window draw the same.

#include "calc/Vochtopbouw.h"
#include "reports/Weergavelijst.h"

#include <array>

namespace rcveltor::rapport {

// The diagram's points before scaling, one per interface from the inner
// surface out: x = sd from the inner surface [m], y = vapour pressure [Pa].
struct TGlaserPunten {
    std::array<QPointF, kVochtVlakken> Psat{};
    std::array<QPointF, kVochtVlakken> P{};
    std::array<bool, kVochtVlakken> Condensatie{}; // the interface condenses this month
};

// maand: an index into the result's months, below kMaanden.
TGlaserPunten GlaserPunten(const TVochtBerekening& berekening, std::size_t maand);

// An axis from 0 to a round top with a tick every step.
struct TGlaserAs {
    double Max = 1;
    double Stap = 1;
};

// Where (sd, Pa) lands on the page.
struct TGlaserSchaal {
    QRectF Plot;    // the plotting area [layout units]
    TGlaserAs Sd;   // [m]
    TGlaserAs Druk; // [Pa]

    // Clamped into the plotting area; a value that is no number lies on the axis.
    QPointF NaarPagina(QPointF sdPa) const;
};

// The axes that hold every point, over the plotting area that `vak` leaves
// beside the title, legend and axis texts.
TGlaserSchaal GlaserSchaal(const TGlaserPunten& punten, const QRectF& vak);

// Adds the diagram of month `maand` (an index into the result's months) in
// `vak` [layout units]: the layers as bands as wide as their sd, psat and p
// through the interfaces, the condensing interfaces marked. An index past
// the months adds nothing.
void TekenGlaser(TPagina& pagina, const QRectF& vak, const TVochtBerekening& berekening,
                 std::size_t maand);

} // namespace rcveltor::rapport
