// Nothing planted in a folder is followed: a link (on Windows any reparse
// point) or another kind of file is refused where a file or a folder of the
// engine's own is expected, and what it points to stays untouched.

#include "tests/update/QtPrint.h"
#include "update/VeiligOpenen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace rcveltor::update;

namespace {

#ifdef _WIN32
struct TKoppelpunt {
    DWORD Soort;
    WORD Lengte;
    WORD Vrij;
    WORD DoelBegin, DoelLengte, NaamBegin, NaamLengte;
    WCHAR Tekst[1024];
};

// A junction: any user may make one on NTFS, unlike a symbolic link.
bool Junctie(const QString& doel, const QString& pad) {
    if (!QDir().mkdir(pad)) {
        return false;
    }
    const HANDLE h = CreateFileW(
        QDir::toNativeSeparators(pad).toStdWString().c_str(), GENERIC_WRITE, 0, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::wstring naar =
        L"\\??\\" + QDir::toNativeSeparators(QDir(doel).absolutePath()).toStdWString();
    TKoppelpunt k{};
    k.Soort = IO_REPARSE_TAG_MOUNT_POINT;
    k.DoelLengte = static_cast<WORD>(naar.size() * sizeof(WCHAR));
    k.NaamBegin = static_cast<WORD>(k.DoelLengte + sizeof(WCHAR));
    naar.copy(k.Tekst, naar.size());
    k.Lengte = static_cast<WORD>(8 + k.NaamBegin + sizeof(WCHAR));
    DWORD terug = 0;
    const bool gelukt = DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, &k, k.Lengte + 8u, nullptr, 0,
                                        &terug, nullptr) != 0;
    CloseHandle(h);
    return gelukt;
}
#endif

// A symbolic link as the system makes it; on Windows a junction for a
// folder. False when this system makes none.
bool Link(const QString& doel, const QString& pad, bool naarMap) {
#ifdef _WIN32
    const bool gemaakt = naarMap ? Junctie(doel, pad) : MaakLink(doel, pad);
    // Some systems say yes and make nothing.
    const DWORD soort = GetFileAttributesW(QDir::toNativeSeparators(pad).toStdWString().c_str());
    return gemaakt && soort != INVALID_FILE_ATTRIBUTES &&
           (soort & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
    return naarMap ? QFile::link(doel, pad) : MaakLink(doel, pad);
#endif
}

#ifdef _WIN32
const QString kApparaat = QStringLiteral("NUL");
#else
const QString kApparaat = QStringLiteral("/dev/zero");
#endif

TEST(VeiligOpenen, LinksFoldersAndDevicesAreRefusedAndWhatTheyPointToStaysUntouched) {
    QTemporaryDir tmp;
    const QString doel = tmp.filePath(QStringLiteral("doel.txt"));
    const QString map = tmp.filePath(QStringLiteral("map"));
    {
        QFile f(doel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("van een ander");
    }
    ASSERT_TRUE(QDir().mkdir(map));
    const QString linkBestand = tmp.filePath(QStringLiteral("link.txt"));
    const QString linkMap = tmp.filePath(QStringLiteral("linkmap"));
    const bool links = Link(doel, linkBestand, false) && Link(map, linkMap, true);
    struct TGeval {
        const char* naam;
        QString pad;
        int vlaggen;
        bool geopend;
        bool link = false;
    };
    const TGeval gevallen[] = {
        {"a file, read", doel, O_RDONLY, true},
        {"a new file", tmp.filePath(QStringLiteral("nieuw.txt")), O_WRONLY | O_CREAT | O_EXCL,
         true},
        {"a folder", map, O_RDONLY, false},
        {"a device", kApparaat, O_RDONLY, false},
        {"a device, written", kApparaat, O_WRONLY | O_APPEND | O_CREAT, false},
        {"a link to a file, read", linkBestand, O_RDONLY, false, true},
        {"a link to a file, appended to", linkBestand, O_WRONLY | O_APPEND | O_CREAT, false, true},
        {"a link to a file, truncated", linkBestand, O_WRONLY | O_CREAT | O_TRUNC, false, true},
        {"a link to a file, created anew", linkBestand, O_WRONLY | O_CREAT | O_EXCL, false, true},
        {"a link to a folder", linkMap, O_RDONLY, false, true},
    };
    for (const TGeval& g : gevallen) {
        if (g.link && !links) {
            continue;
        }
        const int fd = OpenGewoonBestand(g.pad, g.vlaggen);
        EXPECT_EQ(fd >= 0, g.geopend) << g.naam;
        if (fd >= 0) {
            ::close(fd);
        }
    }
    QFile f(doel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "van een ander");
    QString fout;
    EXPECT_TRUE(MaakPriveMap(tmp.filePath(QStringLiteral("eigen")), &fout)) << fout.toStdString();
    EXPECT_FALSE(MaakPriveMap(doel, &fout));
    if (!links) {
        GTEST_SKIP() << "this system makes no links or junctions: the rows with one did not run";
    }
    EXPECT_FALSE(MaakPriveMap(linkMap, &fout));
}

} // namespace
