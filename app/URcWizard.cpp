#include "app/URcWizard.h"

#include "app/Plaatje.h"
#include "app/Velden.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace rcveltor::app {

using namespace beeld;

TFrmRcWizard::TFrmRcWizard(TNumVeld& wensRc, QWidget* ouder) : QDialog(ouder), wensRc_(wensRc) {
    setObjectName(QStringLiteral("FrmRcWizard"));
    setWindowTitle(QStringLiteral("Rc-Wizard"));
    setFixedSize(634, 185);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    const int w = width();
    (new TPlaatje(TekenKop, this))->setGeometry(0, 0, w, 33);
    (new TPlaatje(TekenGrijsbalk, this))->setGeometry(0, 33, w, 48);
    (new TPlaatje(TekenLogo, this))->setGeometry(0, 33, 164, 48);
    (new TPlaatje(TekenMarge, this))->setGeometry(0, 81, 164, height() - 81);
    (new TPlaatje(TekenFotoBoven, this))->setGeometry(w - 173, 7, 173, 26);
    (new TPlaatje(TekenFotoOnder, this))->setGeometry(w - 173, 33, 173, 48);

    auto* uitleg =
        new QLabel(QStringLiteral("Deze Wizard berekent voor u de isolatiedikte die nodig "
                                  "is om de door u opgegeven Rc-waarde te behalen."),
                   this);
    uitleg->setObjectName(QStringLiteral("Uitleg"));
    uitleg->setWordWrap(true);
    uitleg->setGeometry(160, 24, 321, 32);
    // White on a dark tab of the header, which shows through: the grey band,
    // the logo and the photo strip under the text are too light for it.
    (new TPlaatje(TekenTekstgrond, this))->setGeometry(uitleg->geometry().adjusted(-4, 0, 4, 4));
    uitleg->raise();
    uitleg->setAutoFillBackground(false);
    QPalette uitlegKleuren = uitleg->palette();
    uitlegKleuren.setColor(QPalette::WindowText, Qt::white);
    uitleg->setPalette(uitlegKleuren);

    veld_ = new TSpinVeld(false, this);
    veld_->setObjectName(QStringLiteral("WensRc"));
    veld_->setGeometry(392, 115, 73, 22);
    veld_->Toon(wensRc_);
    connect(veld_, &TSpinVeld::Gestapt, this, [this](int richting, bool pagina) {
        StapOp(wensRc_, richting, pagina);
        veld_->Toon(wensRc_);
    });

    auto* opschrift = new QLabel(QStringLiteral("Gewenste Rc-waarde"), this);
    opschrift->adjustSize();
    opschrift->move(392 - 8 - opschrift->width(), 115 + (22 - opschrift->height()) / 2);

    knop_ = new QPushButton(QStringLiteral("Bepaal dikte"), this);
    knop_->setObjectName(QStringLiteral("Button1"));
    knop_->setGeometry(472, 112, 75, 25);
    knop_->setDefault(true);
    connect(knop_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmRcWizard::showEvent(QShowEvent* e) {
    // Opening a file or a new calculation may have changed it meanwhile.
    veld_->Toon(wensRc_);
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    if (QScreen* scherm = screen()) {
        QRect kader = frameGeometry();
        kader.moveCenter(scherm->availableGeometry().center());
        move(kader.topLeft());
    }
}

} // namespace rcveltor::app
