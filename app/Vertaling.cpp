#include "app/Vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rcveltor::app {

bool InstalleerQtNederlands(QTranslator& vertaler) {
    // Linux has the translations where Qt is installed; the Windows program,
    // linked with Qt, ships the file beside itself.
    if (!vertaler.load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !vertaler.load(QStringLiteral("qtbase_nl"), QCoreApplication::applicationDirPath())) {
        return false;
    }
    return QCoreApplication::installTranslator(&vertaler);
}

} // namespace rcveltor::app
