#include "update/Uitpakken.h"

#include "update/Controlebestand.h"
#include "update/VeiligOpenen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace rcveltor::update {

namespace {

constexpr int kMaxItems = 20000;
constexpr size_t kBlok = 64 * 1024;

struct TArchiefVrijgeven {
    void operator()(archive* a) const { archive_read_free(a); }
};
using TArchief = std::unique_ptr<archive, TArchiefVrijgeven>;

QString ArchiefFout(archive* a) {
    const char* tekst = archive_error_string(a);
    return tekst != nullptr ? QString::fromLocal8Bit(tekst) : QStringLiteral("archive error");
}

TArchief NieuwArchief() {
    TArchief a(archive_read_new());
    // Only the formats an update uses, and only filters built into the
    // library: "all" would also allow external filter programs and mtree
    // files, which read other files from the disk.
    archive_read_support_format_tar(a.get());
    archive_read_support_format_gnutar(a.get());
    archive_read_support_format_zip(a.get());
    archive_read_support_format_cab(a.get());
    archive_read_support_format_7zip(a.get());
    archive_read_support_filter_gzip(a.get());
    archive_read_support_filter_bzip2(a.get());
    archive_read_support_filter_xz(a.get());
    archive_read_support_filter_zstd(a.get());
    return a;
}

TArchief OpenArchief(const QString& pad, QString* fout) {
    TArchief a = NieuwArchief();
    if (archive_read_open_filename(a.get(), QFile::encodeName(pad).constData(), kBlok) !=
        ARCHIVE_OK) {
        *fout = ArchiefFout(a.get());
        return nullptr;
    }
    return a;
}

std::optional<QString> Utf8(const char* tekst) {
    if (tekst == nullptr) {
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString uit = utf8.decode(QByteArrayView(tekst));
    if (utf8.hasError()) {
        return std::nullopt;
    }
    return uit;
}

// The entry's path without "./" in front or "/" behind; empty for the
// archive's root; nullopt when unsafe.
std::optional<QString> EntryPad(archive_entry* e) {
    const char* utf8 = archive_entry_pathname_utf8(e);
    auto pad = Utf8(utf8 != nullptr ? utf8 : archive_entry_pathname(e));
    if (!pad) {
        return std::nullopt;
    }
    while (pad->startsWith(QLatin1String("./"))) {
        pad->remove(0, 2);
    }
    while (pad->endsWith(QLatin1Char('/'))) {
        pad->chop(1);
    }
    if (pad->isEmpty() || *pad == QLatin1String(".")) {
        return QString();
    }
    if (!IsVeiligRelatiefPad(*pad)) {
        return std::nullopt;
    }
    return pad;
}

class TUitpakker {
public:
    TUitpakker(archive* a, QString doelmap, qint64 maxTotaal)
        : a_(a), doel_(std::move(doelmap)), maxTotaal_(maxTotaal) {}

    TUitpakResultaat Voer() {
        archive_entry* e = nullptr;
        int items = 0;
        for (;;) {
            const int r = archive_read_next_header(a_, &e);
            if (r == ARCHIVE_EOF) {
                break;
            }
            if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
                return Fout(ArchiefFout(a_));
            }
            if (++items > kMaxItems) {
                return Fout(QStringLiteral("too many entries"));
            }
            const auto pad = EntryPad(e);
            if (!pad) {
                return Fout(QStringLiteral("unsafe path refused: %1")
                                .arg(QString::fromLocal8Bit(archive_entry_pathname(e))));
            }
            if (!Entry(e, *pad)) {
                return uit_;
            }
        }
        uit_.Gelukt = true;
        return uit_;
    }

private:
    TUitpakResultaat Fout(const QString& tekst) {
        uit_.Gelukt = false;
        uit_.Fout = tekst;
        return uit_;
    }
    bool Weiger(const QString& tekst) {
        Fout(tekst);
        return false;
    }

    QString Vol(const QString& pad) const { return doel_ + QLatin1Char('/') + pad; }

    // Creates the entry's folders, refusing to go through a link.
    bool MaakOuders(const QString& pad) {
        const QStringList delen = pad.split(QLatin1Char('/'));
        QString map = doel_;
        for (qsizetype i = 0; i + 1 < delen.size(); ++i) {
            map += QLatin1Char('/') + delen[i];
            const QFileInfo info(map);
            if (info.isSymLink()) {
                return Weiger(QStringLiteral("entry through a link refused: %1").arg(pad));
            }
            if (!info.exists() && !QDir().mkdir(map)) {
                return Weiger(QStringLiteral("cannot create folder %1").arg(map));
            }
            if (info.exists() && !info.isDir()) {
                return Weiger(QStringLiteral("not a folder: %1").arg(map));
            }
        }
        return true;
    }

    bool Entry(archive_entry* e, const QString& pad) {
        const mode_t soort = archive_entry_filetype(e);
        if (pad.isEmpty()) {
            return soort == AE_IFDIR || Weiger(QStringLiteral("entry without a name"));
        }
        if (!MaakOuders(pad)) {
            return false;
        }
        if (archive_entry_hardlink(e) != nullptr) {
            return HardeLink(e, pad);
        }
        switch (soort) {
        case AE_IFDIR:
            return Map(pad);
        case AE_IFREG:
            return Bestand(e, pad);
        case AE_IFLNK:
            return Link(e, pad);
        default:
            return Weiger(QStringLiteral("entry of an unsupported type refused: %1").arg(pad));
        }
    }

    bool Map(const QString& pad) {
        const QFileInfo info(Vol(pad));
        if (info.isSymLink() || (info.exists() && !info.isDir())) {
            return Weiger(QStringLiteral("folder over another entry refused: %1").arg(pad));
        }
        return info.exists() || QDir().mkdir(Vol(pad)) ||
               Weiger(QStringLiteral("cannot create folder %1").arg(pad));
    }

    bool Bestand(archive_entry* e, const QString& pad) {
        // O_EXCL: never write over an earlier entry or through a link.
        const int fd = OpenGewoonBestand(Vol(pad), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            return Weiger(QStringLiteral("cannot create %1: %2")
                              .arg(pad, QString::fromLocal8Bit(strerror(errno))));
        }
        qint64 geschreven = 0;
        const bool gelukt = Schrijf(e, fd, pad, &geschreven);
        const mode_t rechten = (archive_entry_perm(e) & 0755) | 0600;
        const bool gesloten = ZetRechten(fd, rechten) && ::close(fd) == 0;
        if (!gelukt) {
            return false;
        }
        if (!gesloten) {
            return Weiger(QStringLiteral("cannot finish %1").arg(pad));
        }
        bestanden_.insert(pad, geschreven);
        uit_.Paden.append(pad);
        return true;
    }

    bool Schrijf(archive_entry* e, int fd, const QString& pad, qint64* geschrevenUit) {
        const bool grootteBekend = archive_entry_size_is_set(e) != 0;
        const la_int64_t aangekondigd = archive_entry_size(e);
        std::unique_ptr<char[]> blok(new char[kBlok]);
        qint64& geschreven = *geschrevenUit;
        for (;;) {
            const la_ssize_t n = archive_read_data(a_, blok.get(), kBlok);
            if (n == 0) {
                return true;
            }
            if (n < 0) {
                return Weiger(ArchiefFout(a_));
            }
            geschreven += n;
            totaal_ += n;
            if (grootteBekend && geschreven > aangekondigd) {
                return Weiger(QStringLiteral("entry larger than announced refused: %1").arg(pad));
            }
            if (totaal_ > maxTotaal_) {
                return Weiger(QStringLiteral("contents larger than announced refused"));
            }
            for (la_ssize_t klaar = 0; klaar < n;) {
                const auto w = ::write(fd, blok.get() + klaar, static_cast<unsigned>(n - klaar));
                if (w < 0 && errno == EINTR) {
                    continue;
                }
                if (w <= 0) {
                    return Weiger(errno == ENOSPC ? QStringLiteral("Er is onvoldoende schijfruimte")
                                                  : QStringLiteral("cannot write %1").arg(pad));
                }
                klaar += w;
            }
        }
    }

    bool Link(archive_entry* e, const QString& pad) {
        const char* utf8 = archive_entry_symlink_utf8(e);
        const auto doel = Utf8(utf8 != nullptr ? utf8 : archive_entry_symlink(e));
        // Relative and without "..": whatever chain of such links, it stays inside.
        if (!doel || !IsVeiligRelatiefPad(*doel)) {
            return Weiger(QStringLiteral("link pointing outside refused: %1").arg(pad));
        }
        if (!MaakLink(*doel, Vol(pad))) {
            return Weiger(QStringLiteral("cannot create link %1").arg(pad));
        }
        uit_.Paden.append(pad);
        return true;
    }

    // A hard link becomes a copy of a file extracted before it.
    bool HardeLink(archive_entry* e, const QString& pad) {
        const char* utf8 = archive_entry_hardlink_utf8(e);
        auto doel = Utf8(utf8 != nullptr ? utf8 : archive_entry_hardlink(e));
        while (doel && doel->startsWith(QLatin1String("./"))) {
            doel->remove(0, 2);
        }
        if (!doel || !bestanden_.contains(*doel)) {
            return Weiger(QStringLiteral("hard link to an unknown entry refused: %1").arg(pad));
        }
        // The copy counts as written: links to one file must not get round the limit.
        const qint64 grootte = bestanden_.value(*doel);
        totaal_ += grootte;
        if (totaal_ > maxTotaal_) {
            return Weiger(QStringLiteral("contents larger than announced refused"));
        }
        if (QFileInfo(Vol(pad)).isSymLink() || !QFile::copy(Vol(*doel), Vol(pad))) {
            return Weiger(QStringLiteral("cannot copy %1").arg(pad));
        }
        bestanden_.insert(pad, grootte);
        uit_.Paden.append(pad);
        return true;
    }

    archive* a_;
    QString doel_;
    qint64 maxTotaal_;
    qint64 totaal_ = 0;
    QHash<QString, qint64> bestanden_; // files written, with their sizes
    TUitpakResultaat uit_;
};

} // namespace

TUitpakResultaat PakUit(int fd, const QString& doelmap, qint64 maxTotaal) {
    const TArchief a = NieuwArchief();
    if (archive_read_open_fd(a.get(), fd, kBlok) != ARCHIVE_OK) {
        return {false, ArchiefFout(a.get()), {}};
    }
    return TUitpakker(a.get(), QDir(doelmap).absolutePath(), maxTotaal).Voer();
}

TUitpakResultaat PakUit(const QString& archief, const QString& doelmap, qint64 maxTotaal) {
    const int fd = OpenGewoonBestand(archief, O_RDONLY);
    if (fd < 0) {
        return {false,
                QStringLiteral("cannot open %1: %2")
                    .arg(archief, QString::fromLocal8Bit(strerror(errno))),
                {}};
    }
    TUitpakResultaat uit = PakUit(fd, doelmap, maxTotaal);
    ::close(fd);
    return uit;
}

std::optional<qint64> InhoudGrootte(const QString& archief, QString* fout) {
    const TArchief a = OpenArchief(archief, fout);
    if (!a) {
        return std::nullopt;
    }
    // Hard links are extracted as copies, so they count as what they copy.
    qint64 totaal = 0;
    QHash<QString, qint64> groottes;
    archive_entry* e = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a.get(), &e);
        if (r == ARCHIVE_EOF) {
            return totaal;
        }
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
            *fout = ArchiefFout(a.get());
            return std::nullopt;
        }
        const auto pad = EntryPad(e);
        if (!pad) {
            *fout = QStringLiteral("unsafe path: %1")
                        .arg(QString::fromLocal8Bit(archive_entry_pathname(e)));
            return std::nullopt;
        }
        if (const char* link = archive_entry_hardlink(e)) {
            QString doel = QString::fromUtf8(link);
            while (doel.startsWith(QLatin1String("./"))) {
                doel.remove(0, 2);
            }
            totaal += groottes.value(doel);
        } else if (archive_entry_filetype(e) == AE_IFREG) {
            groottes.insert(*pad, archive_entry_size(e));
            totaal += archive_entry_size(e);
        }
    }
}

} // namespace rcveltor::update
