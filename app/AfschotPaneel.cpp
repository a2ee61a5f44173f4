#include "AfschotPaneel.h"

#include "AfschotBerekening.h"
#include "Plaatje.h"
#include "RcBerekening.h"

#include <QLabel>

namespace rcveltor::app {

using namespace beeld;

TAfschotPaneel::TAfschotPaneel(TAfschotBerekening& a, const TGedeeld& gedeeld, TActie actie,
                               QWidget* ouder)
    : QWidget(ouder), bouwer_(this, std::move(actie)) {
    TPaneelBouwer& b = bouwer_;
    b.Opzet(QStringLiteral("Panel2"), a.RmDakbed);

    b.Kop(QStringLiteral("Afschot Isolatie "), 8, 95, 129);
    b.Lijst(a.cbIsolatie2, 136, 95, 185, [&a] { a.cbIsolatie2CloseUp(); })->setMaxVisibleItems(9);
    b.Uitkomst(a.LambdaIsol2, 392, 95, 113);

    b.Kop(QStringLiteral("Minimale dikte [mm]"), 16, 119, 105);
    b.Spin(a.MinDikte, 120, 119, 73);
    b.Kop(QStringLiteral("Afschot lengte [m]"), 16, 143, 105);
    b.Spin(a.AfschotLengte, 120, 143, 73);
    b.Kop(QStringLiteral("Maximale dikte [mm]"), 16, 167, 105);
    b.Uitkomst(a.MaxDikte, 120, 167, 73);
    b.Kop(QStringLiteral("Oppervlak type 1 [m\u00b2]"), 200, 119, 113);
    b.Spin(a.oppvl1, 312, 119, 73);
    b.Kop(QStringLiteral("Oppervlak type 2 [m\u00b2]"), 200, 143, 113);
    b.Spin(a.oppvl2, 312, 143, 73);
    b.Kop(QStringLiteral("Oppervlak type 3 [m\u00b2]"), 200, 167, 113);
    b.Spin(a.oppvl3, 312, 167, 73);

    auto* typen = new TPlaatje(TekenPlaattypen, this);
    typen->setObjectName(QStringLiteral("Plaattypen"));
    typen->setGeometry(424, 128, 169, 49);
    const int labelX[] = {440, 488, 544};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(QString::number(i + 1), this);
        l->setGeometry(labelX[i], 168, 12, 16);
    }

    b.Lagen(a, 191, 215);

    b.Kop(QStringLiteral("Som R"), 504, 247, 57)->hide();
    b.Uitkomst(a.SubTotaalRc, 560, 247, 41)->hide();

    // Created here for the Tab order: it sits above "Combinatie".
    b.Methodelijst(gedeeld, QStringLiteral("Rekenmethode2"), 8, 247,
                   [this](TMethode m) { emit MethodeGekozen(static_cast<int>(m)); });
    b.Kop(QStringLiteral("Combinatie"), 8, 284, 129);
    b.Lijst(a.CBcombinatie, 136, 284, 465, [&a] { a.CBcombinatie2CloseUp(); });
    b.Kop(QStringLiteral("Aantal/m\u00b2"), 8, 307, 129);
    b.Spin(a.EditAantal, 136, 307, 73);
    b.Kop(QStringLiteral("Vervangende lambda isol."), 8, 330, 129);
    b.Uitkomst(a.LambdaRW, 136, 330, 73);

    b.Uitslag(a.EditRc2, a.EditU2, 353, 376);

    // The method's own results, in the space the rows above leave free.
    b.IsoUitslag(a, QStringLiteral("Eis2"), 307, 330, 376);
    b.AlleenIso(b.Kop(QStringLiteral("Rc dunste plek"), 8, 353, 129));
    b.AlleenIso(b.Uitkomst(a.EditRcMin2, 136, 353, 73));
}

void TAfschotPaneel::updateDisplay() {
    bouwer_.Toon();
}

} // namespace rcveltor::app
