#include "app/AfschotPaneel.h"

#include "app/Plaatje.h"
#include "calc/AfschotBerekening.h"
#include "calc/RcBerekening.h"

#include <QLabel>

namespace rcveltor::app {

using namespace beeld;

TAfschotPaneel::TAfschotPaneel(TAfschotBerekening& afschot, const TGedeeld& gedeeld, TActie actie,
                               QWidget* ouder)
    : QWidget(ouder), bouwer_(this, std::move(actie)) {
    TPaneelBouwer& bouwer = bouwer_;
    bouwer.Opzet(QStringLiteral("Panel2"), afschot.RmDakbed);

    bouwer.Kop(QStringLiteral("Afschot Isolatie "), 8, 95, 129);
    bouwer.Lijst(afschot.cbIsolatie2, 136, 95, 185, [&afschot] { afschot.cbIsolatie2CloseUp(); })
        ->setMaxVisibleItems(9);
    bouwer.Uitkomst(afschot.LambdaIsol2, 392, 95, 113);

    bouwer.Kop(QStringLiteral("Minimale dikte [mm]"), 16, 119, 105);
    bouwer.Spin(afschot.MinDikte, 120, 119, 73);
    bouwer.Kop(QStringLiteral("Afschot lengte [m]"), 16, 143, 105);
    bouwer.Spin(afschot.AfschotLengte, 120, 143, 73);
    bouwer.Kop(QStringLiteral("Maximale dikte [mm]"), 16, 167, 105);
    bouwer.Uitkomst(afschot.MaxDikte, 120, 167, 73);
    bouwer.Kop(QStringLiteral("Oppervlak type 1 [m\u00b2]"), 200, 119, 113);
    bouwer.Spin(afschot.oppvl1, 312, 119, 73);
    bouwer.Kop(QStringLiteral("Oppervlak type 2 [m\u00b2]"), 200, 143, 113);
    bouwer.Spin(afschot.oppvl2, 312, 143, 73);
    bouwer.Kop(QStringLiteral("Oppervlak type 3 [m\u00b2]"), 200, 167, 113);
    bouwer.Spin(afschot.oppvl3, 312, 167, 73);

    auto* typen = new TPlaatje(TekenPlaattypen, this);
    typen->setObjectName(QStringLiteral("Plaattypen"));
    typen->setGeometry(424, 128, 169, 49);
    const int labelX[] = {440, 488, 544};
    for (int i = 0; i < 3; ++i) {
        auto* nummer = new QLabel(QString::number(i + 1), this);
        nummer->setGeometry(labelX[i], 168, 12, 16);
    }

    bouwer.Lagen(afschot, 191, 215);

    bouwer.Kop(QStringLiteral("Som R"), 504, 247, 57)->hide();
    bouwer.Uitkomst(afschot.SubTotaalRc, 560, 247, 41)->hide();

    // Created here for the Tab order: it sits above "Combinatie".
    bouwer.Methodelijst(gedeeld, QStringLiteral("Rekenmethode2"), 8, 247, [this](TMethode methode) {
        emit MethodeGekozen(static_cast<int>(methode));
    });
    bouwer.Bevestiging(afschot, 284);

    bouwer.Uitslag(afschot.EditRc2, afschot.EditU2, 353, 376);

    // The method's own results, in the space the rows above leave free.
    bouwer.IsoUitslag(afschot, QStringLiteral("Eis2"), 307, 330, 376);
    bouwer.AlleenIso(bouwer.Kop(QStringLiteral("Rc dunste plek"), 8, 353, 129));
    bouwer.AlleenIso(bouwer.Uitkomst(afschot.EditRcMin2, 136, 353, 73));
}

void TAfschotPaneel::updateDisplay() {
    bouwer_.Toon();
}

} // namespace rcveltor::app
