#include "app/RcPaneel.h"

#include "beeld/Afbeeldingen.h"
#include "calc/RcBerekening.h"

#include <QShortcut>
#include <QToolButton>

namespace rcveltor::app {

using namespace beeld;

namespace {
const QString kDikteHint = QStringLiteral(
    "Let op!\nIndien het vak rood is, betekent dit\ndat een dikte is gekozen die niet\n"
    "standaard is maar eventueel wel\nleverbaar.");

} // namespace

TRcPaneel::TRcPaneel(TRcBerekening& rc, const TGedeeld& gedeeld, TActie actie, QWidget* ouder)
    : QWidget(ouder), rc_(rc), bouwer_(this, std::move(actie)) {
    TPaneelBouwer& bouwer = bouwer_;
    bouwer.Opzet(QStringLiteral("Panel1"), rc.RmDakbed);

    bouwer.Kop(QStringLiteral("Isolatie "), 8, 95, 129);
    bouwer.Lijst(rc.CBisolatie, 136, 95, 185, [&rc] { rc.CBisolatieCloseUp(); })
        ->setMaxVisibleItems(9);
    dikteIsol_ = bouwer.Spin(rc.DikteIsol, 320, 95, 73);
    dikteIsol_->setToolTip(kDikteHint);
    bouwer.Uitkomst(rc.LambdaIsol, 392, 95, 113);
    bouwer.Uitkomst(rc.RmIsol, 504, 95, 97);

    bouwer.Lagen(rc, 119, 143);

    bouwer.Kop(QStringLiteral("Som R"), 504, 175, 57);
    bouwer.Uitkomst(rc.SubTotaalRc, 560, 175, 41);

    // Created here for the Tab order: it sits above "Combinatie".
    bouwer.Methodelijst(gedeeld, QStringLiteral("Rekenmethode"), 8, 220, [this](TMethode methode) {
        emit MethodeGekozen(static_cast<int>(methode));
    });
    bouwer.Bevestiging(rc, 260);
    bouwer.Kop(QStringLiteral("Vervangende Rm isol."), 8, 329, 129);
    bouwer.Uitkomst(rc.EditRmIsolCor, 136, 329, 73);
    bouwer.Kop(QStringLiteral("Vermindering R isol"), 8, 352, 129);
    bouwer.Uitkomst(rc.RmReductie, 136, 352, 73);
    bouwer.Kop(QStringLiteral("% Reductie"), 216, 352, 65);
    bouwer.Uitkomst(rc.EditPercentage, 280, 352, 73);

    bouwer.Uitslag(rc.EditRc, rc.EditU, 329, 352);

    // The method's own results, in the space the rows above leave free.
    bouwer.IsoUitslag(rc, QStringLiteral("Eis"), 283, 306, 378);

    wizardKnop_ = new QToolButton(this);
    wizardKnop_->setObjectName(QStringLiteral("SpeedButton1"));
    wizardKnop_->setGeometry(576, 325, 23, 22);
    wizardKnop_->setIcon(IcoonUit(TekenWizardKnop, QSize(17, 16)));
    wizardKnop_->setIconSize(QSize(17, 16));
    // Out of the Tab order between the results; reached with its key while
    // this screen shows.
    const QKeySequence wizardToetsen(Qt::ALT | Qt::Key_W);
    wizardKnop_->setToolTip(
        QStringLiteral("Rc-wizard (%1)").arg(wizardToetsen.toString(QKeySequence::NativeText)));
    wizardKnop_->setFocusPolicy(Qt::NoFocus);
    connect(new QShortcut(wizardToetsen, this), &QShortcut::activated, this,
            &TRcPaneel::WizardGevraagd);
    connect(wizardKnop_, &QToolButton::clicked, this, &TRcPaneel::WizardGevraagd);
}

void TRcPaneel::updateDisplay() {
    bouwer_.Toon();
    dikteIsol_->ZetAchtergrond(rc_.DikteNietStandaard ? kRood : kInvoerKleur);
}

} // namespace rcveltor::app
