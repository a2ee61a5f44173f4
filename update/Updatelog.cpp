#include "Updatelog.h"

#include <QDateTime>
#include <QFile>

namespace rcveltor::update {

void TUpdateLog::Schrijf(const QString& regel) const {
    if (pad_.isEmpty()) {
        return;
    }
    QFile log(pad_);
    if (!log.open(QIODevice::Append | QIODevice::Text)) {
        return;
    }
    QString tekst = regel;
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    log.write((QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")) +
               tekst + QLatin1Char('\n'))
                  .toUtf8());
}

} // namespace rcveltor::update
