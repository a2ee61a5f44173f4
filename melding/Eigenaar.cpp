#include "melding/Eigenaar.h"

#include <QDialog>
#include <QWidget>

namespace rcveltor::melding {

QWidget* Eigenaar(QWidget* venster) {
    if (venster == nullptr) {
        return nullptr;
    }
    QWidget* boven = venster->window();
    for (QObject* kind : boven->children()) {
        auto* eigen = qobject_cast<QWidget*>(kind);
        // Dialogs are modal and gone once answered; a minimised window would
        // take its dialogs along off the screen.
        if (eigen != nullptr && eigen->windowType() == Qt::Window && eigen->isVisible() &&
            !eigen->isMinimized()) {
            return Eigenaar(eigen);
        }
    }
    return boven;
}

int VoerUitBovenop(QDialog& dialoog, QWidget* venster) {
    QWidget* eigen = dialoog.parentWidget();
    QWidget* boven = Eigenaar(venster);
    if (boven == eigen || boven == &dialoog) {
        return dialoog.exec();
    }
    dialoog.setParent(boven, dialoog.windowFlags());
    const int uitkomst = dialoog.exec();
    dialoog.setParent(eigen, dialoog.windowFlags());
    return uitkomst;
}

} // namespace rcveltor::melding
