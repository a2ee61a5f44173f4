#include "app/Vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rcveltor::app {

bool InstalleerQtNederlands(QTranslator& vertaler) {
    if (!vertaler.load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&vertaler);
}

} // namespace rcveltor::app
