#include "melding/Opslagmap.h"

#include <QDir>
#include <QStandardPaths>

namespace rcveltor::melding {

QString OpslagMap(const QString& laatste) {
    for (const QString& map :
         {laatste, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!map.isEmpty() && QDir(map).exists()) {
            return map;
        }
    }
    return QDir::homePath();
}

} // namespace rcveltor::melding
