#include "update/Updatelog.h"

#include "update/VeiligOpenen.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace rcveltor::update {

void TUpdateLog::Schrijf(const QString& regel) const {
    if (pad_.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(pad_).absolutePath());
    // Never through a link: the working folder may be open to others.
    const int fd = OpenGewoonBestand(pad_, O_WRONLY | O_APPEND | O_CREAT, 0644);
    QFile log;
    if (fd < 0 || !log.open(fd, QIODevice::Append | QIODevice::Text, QFile::AutoCloseHandle)) {
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    QString tekst = regel;
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    log.write((QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")) +
               tekst + QLatin1Char('\n'))
                  .toUtf8());
}

} // namespace rcveltor::update
