#include "tests/gui/Guitest.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace rcveltor::test {

TGuiOmgeving::TGuiOmgeving() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_FONT_DPI", "96");
    // Settings and data in the test folders of the standard paths, never
    // the user's own.
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_SCALE_FACTOR", "1");
}

void TGuiTest::init() {
    wachter_ = std::make_unique<TModaalwachter>();
}

void TGuiTest::cleanup() {
    const auto wachter = std::move(wachter_);
    QVERIFY2(wachter->Onverwacht.isEmpty(),
             qPrintable(QStringLiteral("unexpected dialog: ") + wachter->Onverwacht.join(u' ')));
    QVERIFY2(wachter->meldingen_.isEmpty() || wachter->gelezen_,
             qPrintable(QStringLiteral("message box the test never checked: ") +
                        wachter->meldingen_.join(u' ')));
}

int VoerGuiTestUit(QObject& test, int argc, char** argv) {
    // Files a test writes land in a folder of its own.
    QTemporaryDir werkmap;
    QDir::setCurrent(werkmap.path());
    return QTest::qExec(&test, argc, argv);
}

} // namespace rcveltor::test
