#pragma once

// The calculation, the main window and the wizard as the program creates
// them, for the widget tests.

#include "app/UMainform.h"
#include "app/URcWizard.h"
#include "app/Velden.h"
#include "project/Berekening.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace rcveltor::app {

struct TProgramma {
    explicit TProgramma(const QString& werkmap = QStringLiteral(RCV_DATA_DIR)) {
        hoofd = std::make_unique<TMainForm>(berekening);
        wizard = std::make_unique<TFrmRcWizard>(berekening.WensRc, hoofd.get());
        hoofd->ZetWizard(wizard.get());
        hoofd->ZetGeenUpdate(true);
        hoofd->ZetWerkmap(werkmap);
        // A settings file of its own: every window starts with the default method.
        hoofd->ZetInstellingenbestand(instellingen.filePath(QStringLiteral("rcveltor.ini")));
        hoofd->Piep = [this] { ++piepjes; };
    }
    void Start() {
        hoofd->show();
        QVERIFY(QTest::qWaitForWindowExposed(hoofd.get()));
    }
    template <class T> T* Vind(const char* naam) const {
        T* w = hoofd->findChild<T*>(QString::fromLatin1(naam));
        if (w == nullptr) {
            qFatal("widget %s not found", naam);
        }
        return w;
    }
    QString Tekst(const char* naam) const {
        if (auto* spin = hoofd->findChild<TSpinVeld*>(QString::fromLatin1(naam))) {
            return spin->text();
        }
        return Vind<QLineEdit>(naam)->text();
    }
    void Klik(const char* menu) { QTest::mouseClick(Vind<QWidget>(menu), Qt::LeftButton); }

    QTemporaryDir instellingen;
    TBerekening berekening{TWensRcBron::Wizard};
    std::unique_ptr<TMainForm> hoofd;
    std::unique_ptr<TFrmRcWizard> wizard;
    int piepjes = 0;
};

} // namespace rcveltor::app
