#include "update/VeiligOpenen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef _WIN32
#include "platform/Bestand.h"

#include <io.h>
#include <windows.h>
#endif

namespace rcveltor::update {

#ifdef _WIN32

namespace {

// The C library's errno for what Windows reported, so that the callers'
// errno reasons hold on both systems.
int AlsErrno(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    default:
        return EINVAL;
    }
}

int Mislukt(DWORD code) {
    errno = AlsErrno(code);
    return -1;
}

std::wstring Lang(const QString& pad) {
    return platform::LangPad(FsPad(pad));
}

HANDLE Open(const std::wstring& naam, DWORD toegang, DWORD aanmaak) {
    // The reparse point itself is opened, never what it points to.
    return CreateFileW(naam.c_str(), toegang,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, aanmaak,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

std::filesystem::path FsPad(const QString& pad) {
    return std::filesystem::path(pad.toStdWString());
}

QString QtPad(const std::filesystem::path& pad) {
    return QString::fromStdWString(pad.wstring());
}

int OpenGewoonBestand(const QString& pad, int vlaggen, mode_t) {
    const std::wstring naam = Lang(pad);
    const int soort = vlaggen & (O_RDONLY | O_WRONLY | O_RDWR);
    const DWORD toegang = soort == O_RDONLY   ? GENERIC_READ
                          : soort == O_WRONLY ? GENERIC_WRITE
                                              : GENERIC_READ | GENERIC_WRITE;
    HANDLE h = INVALID_HANDLE_VALUE;
    if ((vlaggen & O_CREAT) != 0 && (vlaggen & O_EXCL) != 0) {
        h = Open(naam, toegang, CREATE_NEW);
    } else {
        // An existing name is opened as it is, so that a link is seen and
        // refused; only a missing one is created.
        h = Open(naam, toegang, OPEN_EXISTING);
        if (h == INVALID_HANDLE_VALUE && (vlaggen & O_CREAT) != 0 &&
            GetLastError() == ERROR_FILE_NOT_FOUND) {
            h = Open(naam, toegang, CREATE_NEW);
        }
    }
    if (h == INVALID_HANDLE_VALUE) {
        return Mislukt(GetLastError());
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        CloseHandle(h);
        errno = EINVAL;
        return -1;
    }
    if ((vlaggen & O_TRUNC) != 0 && !SetEndOfFile(h)) {
        const DWORD code = GetLastError();
        CloseHandle(h);
        return Mislukt(code);
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), soort | (vlaggen & O_APPEND));
    if (fd < 0) {
        CloseHandle(h);
        errno = EMFILE;
    }
    return fd;
}

bool MaakPriveMap(const QString& pad, QString* fout) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    const std::wstring naam = Lang(pad);
    if (CreateDirectoryW(naam.c_str(), nullptr)) {
        return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        *fout = QStringLiteral("cannot create %1: %2")
                    .arg(pad, QString::fromLocal8Bit(strerror(AlsErrno(GetLastError()))));
        return false;
    }
    const DWORD soort = GetFileAttributesW(naam.c_str());
    if (soort == INVALID_FILE_ATTRIBUTES || (soort & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (soort & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        *fout = QStringLiteral("%1 is not a folder").arg(pad);
        return false;
    }
    return true;
}

bool SpoelNaarSchijf(int fd) {
    const auto h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (h == INVALID_HANDLE_VALUE || !FlushFileBuffers(h)) {
        errno = AlsErrno(GetLastError());
        return false;
    }
    return true;
}

bool ZetRechten(int, mode_t) {
    return true;
}

bool MaakLink(const QString& doel, const QString& pad) {
    const std::wstring naar = QDir::toNativeSeparators(doel).toStdWString();
    return CreateSymbolicLinkW(Lang(pad).c_str(), naar.c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
}

#else

std::filesystem::path FsPad(const QString& pad) {
    return std::filesystem::path(QFile::encodeName(pad).toStdString());
}

QString QtPad(const std::filesystem::path& pad) {
    return QFile::decodeName(QByteArray::fromStdString(pad.string()));
}

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

bool SpoelNaarSchijf(int fd) {
    return ::fsync(fd) == 0;
}

bool ZetRechten(int fd, mode_t rechten) {
    return ::fchmod(fd, rechten) == 0;
}

bool MaakLink(const QString& doel, const QString& pad) {
    return ::symlink(QFile::encodeName(doel).constData(), QFile::encodeName(pad).constData()) == 0;
}

#endif

qint64 KopieerInhoud(int van, int naar) {
    QByteArray blok(64 * 1024, Qt::Uninitialized);
    qint64 totaal = 0;
    for (;;) {
        const auto n = ::read(van, blok.data(), static_cast<unsigned>(blok.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            return totaal;
        }
        for (qint64 klaar = 0; klaar < n;) {
            const auto w =
                ::write(naar, blok.constData() + klaar, static_cast<unsigned>(n - klaar));
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
