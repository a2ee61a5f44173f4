// RcVeltor: the window program.

#include "UMainform.h"
#include "URcWizard.h"

#include <QApplication>
#include <QFont>

using namespace rcveltor::app;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RcVeltor"));
    QApplication::setApplicationDisplayName(QStringLiteral("RcVeltor"));
    QFont standaard(QStringLiteral("Arial"));
    standaard.setPointSize(8);
    QApplication::setFont(standaard);

    // "/-u" as the first argument, exactly: no update check at start-up.
    const QStringList argumenten = QApplication::arguments();
    const bool geenUpdate = argumenten.size() > 1 && argumenten.at(1) == QStringLiteral("/-u");

    // The windows, created hidden in this order, live until the program ends.
    TMainForm mainForm;
    TFrmRcWizard wizard(&mainForm);
    mainForm.ZetWizard(&wizard);
    mainForm.ZetGeenUpdate(geenUpdate);

    mainForm.show();
    return QApplication::exec();
}
