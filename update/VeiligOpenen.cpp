#include "update/VeiligOpenen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rcveltor::update {

int OpenGewoonBestand(const QString& pad, int vlaggen, mode_t rechten) {
    const int fd = ::open(QFile::encodeName(pad).constData(),
                          vlaggen | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, rechten);
    if (fd < 0) {
        return -1;
    }
    struct stat s {};
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    // Non-blocking was only for the open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool MaakPriveMap(const QString& pad, QString* fout) {
    const QByteArray naam = QFile::encodeName(pad);
    QDir().mkpath(QFileInfo(pad).absolutePath());
    if (::mkdir(naam.constData(), 0700) == 0) {
        return true;
    }
    if (errno != EEXIST) {
        *fout = QStringLiteral("cannot create %1: %2")
                    .arg(pad, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    struct stat s {};
    if (::lstat(naam.constData(), &s) != 0 || !S_ISDIR(s.st_mode)) {
        *fout = QStringLiteral("%1 is not a folder").arg(pad);
        return false;
    }
    if (s.st_uid != ::getuid() || (s.st_mode & 077) != 0) {
        *fout = QStringLiteral("%1 is open to other users").arg(pad);
        return false;
    }
    return true;
}

qint64 KopieerInhoud(int van, int naar) {
    QByteArray blok(64 * 1024, Qt::Uninitialized);
    qint64 totaal = 0;
    for (;;) {
        const ssize_t n = ::read(van, blok.data(), static_cast<size_t>(blok.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            return totaal;
        }
        for (ssize_t klaar = 0; klaar < n;) {
            const ssize_t w =
                ::write(naar, blok.constData() + klaar, static_cast<size_t>(n - klaar));
            if (w < 0 && errno == EINTR) {
                continue;
            }
            if (w <= 0) {
                return -1;
            }
            klaar += w;
        }
        totaal += n;
    }
}

QString Systeemfout() {
    return errno == ENOSPC ? QStringLiteral("Er is onvoldoende schijfruimte")
                           : QString::fromLocal8Bit(strerror(errno));
}

} // namespace rcveltor::update
