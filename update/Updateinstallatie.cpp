#include "update/Updateinstallatie.h"

#include "update/Uitpakken.h"
#include "update/VeiligOpenen.h"
#include "update/Zelftest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace rcveltor::update {

namespace {

// Reads fd from its start to its end and back to its start.
std::optional<QByteArray> Sha256Van(int fd) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray blok(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const auto n = ::read(fd, blok.data(), static_cast<unsigned>(blok.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        hash.addData(QByteArrayView(blok.constData(), n));
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    return hash.result();
}

// Copies fd from where it stands into a new file of the engine's own.
bool KopieerNaar(int fd, const QString& pad, mode_t rechten, QString* fout) {
    const int uit = OpenGewoonBestand(pad, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (uit < 0) {
        *fout = QStringLiteral("cannot create %1: %2").arg(pad, Systeemfout());
        return false;
    }
    bool gelukt = KopieerInhoud(fd, uit) >= 0;
    if (!gelukt) {
        *fout = QStringLiteral("cannot copy to %1: %2").arg(pad, Systeemfout());
    }
    gelukt = ZetRechten(uit, rechten) && ::close(uit) == 0 && gelukt;
    return gelukt;
}

} // namespace

TUpdateInstallatie::TUpdateInstallatie(const TUpdateInstellingen& instellingen,
                                       const TUpdateLog& log, QList<TGedownload> downloads,
                                       QVersionNumber versie)
    : instellingen_(instellingen), log_(log), downloads_(std::move(downloads)),
      versie_(std::move(versie)) {}

bool TUpdateInstallatie::Annuleer() {
    int bezig = Bezig;
    return toestand_.compare_exchange_strong(bezig, Geannuleerd) || bezig != Wisselt;
}

void TUpdateInstallatie::Meld(qsizetype klaar, qsizetype totaal) const {
    if (Voortgang) {
        Voortgang(static_cast<int>(klaar), static_cast<int>(totaal));
    }
}

bool TUpdateInstallatie::Installeer() {
    if (InstalleerAlles()) {
        return true;
    }
    log_.Schrijf(QStringLiteral("Update not installed"));
    return false;
}

// Every failure logs its reason, then what the rollback did.
bool TUpdateInstallatie::InstalleerAlles() {
    const auto mislukt = [this](const QString& reden) {
        log_.Schrijf(reden);
        return false;
    };
    const QTemporaryDir uitpakmap(
        QDir(instellingen_.Downloadmap).filePath(QStringLiteral("WUPDATE-XXXXXX")));
    if (!uitpakmap.isValid()) {
        return mislukt(QStringLiteral("cannot create a folder to extract into"));
    }
    // Everything is extracted before anything is installed, each download
    // checked and used through one open file, so what was checked is what is used.
    QList<std::pair<QString, QString>> plaatsingen;
    for (qsizetype i = 0; i < downloads_.size(); ++i) {
        Meld(i, downloads_.size());
        if (toestand_ == Geannuleerd) {
            return mislukt(QStringLiteral("Installation cancelled"));
        }
        const TGedownload& d = downloads_.at(i);
        const int fd = OpenGewoonBestand(d.Pad, O_RDONLY);
        if (fd < 0) {
            return mislukt(QStringLiteral("cannot open %1: %2").arg(d.Pad, Systeemfout()));
        }
        const auto sluit = qScopeGuard([fd] { ::close(fd); });
        if (Sha256Van(fd) != d.Component.Sha256) {
            return mislukt(QStringLiteral("%1 changed after its download").arg(d.Pad));
        }
        const QString map = uitpakmap.filePath(QString::number(i));
        QDir().mkdir(map);
        const QDir doel(d.Component.Doel == TDoel::Programma ? instellingen_.Programmamap
                                                             : instellingen_.Werkmap);
        if (d.Component.Soort == TSoort::Bestand) {
            const QString kopie = QDir(map).filePath(QStringLiteral("bestand"));
            QString fout;
            if (!KopieerNaar(fd, kopie, d.Component.Uitvoerbaar ? 0755 : 0644, &fout)) {
                return mislukt(fout);
            }
            plaatsingen.append({kopie, doel.filePath(d.Component.Bestand)});
            continue;
        }
        const TUitpakResultaat uit = PakUit(fd, map, d.Component.Uitgepakt);
        if (!uit.Gelukt) {
            return mislukt(QStringLiteral("%1: %2").arg(d.Pad, uit.Fout));
        }
        log_.Schrijf(
            QStringLiteral("Extracted %1 entries from %2").arg(uit.Paden.size()).arg(d.Pad));
        for (const QString& pad : uit.Paden) {
            plaatsingen.append({QDir(map).filePath(pad), doel.filePath(pad)});
        }
    }
    TInstallatie installatie([this](const QString& regel) { log_.Schrijf(regel); },
                             instellingen_.JournaalPad());
    installatie.NaStap = NaStap;
    const auto teruggezet = [&](const QString& reden) {
        log_.Schrijf(reden);
        installatie.Herstel();
        return false;
    };
    for (qsizetype i = 0; i < plaatsingen.size(); ++i) {
        const auto& [bron, doel] = plaatsingen.at(i);
        Meld(i, plaatsingen.size());
        QString fout;
        if (toestand_ == Geannuleerd) {
            fout = QStringLiteral("Installation cancelled");
        }
        if (!fout.isEmpty() || !installatie.Plaats(bron, doel, &fout)) {
            return teruggezet(fout);
        }
    }
    // A new program must start from where it is staged before it replaces
    // this one: one that cannot would never reach its own rollback.
    const QString programma = QFileInfo(instellingen_.ProgrammaBestand).absoluteFilePath();
    for (const auto& plaatsing : std::as_const(plaatsingen)) {
        if (QFileInfo(plaatsing.second).absoluteFilePath() != programma) {
            continue;
        }
        QString fout;
        if (!DoorstaatZelftest(programma + TInstallatie::kNieuwAchtervoegsel,
                               instellingen_.ZelftestLimietMs, &fout)) {
            return teruggezet(QStringLiteral("The new program does not start: %1").arg(fout));
        }
        log_.Schrijf(QStringLiteral("The new program passed its self-check"));
    }
    if (int bezig = Bezig;
        !toestand_.compare_exchange_strong(bezig, Wisselt) && bezig == Geannuleerd) {
        return teruggezet(QStringLiteral("Installation cancelled"));
    }
    if (WisselBegint) {
        WisselBegint();
    }
    // Logs its own reason and rollback. The old files stay until the new
    // program confirms that it starts.
    if (!installatie.Bevestig(nullptr, true)) {
        return false;
    }
    if (!instellingen_.TussenbestandenBewaren) {
        for (const TGedownload& d : std::as_const(downloads_)) {
            QFile::remove(d.Pad);
        }
    }
    log_.Schrijf(QStringLiteral("Version %1 installed").arg(versie_.toString()));
    return true;
}

TInstallatie::THerstel HerstelOnderbrokenUpdate(const TUpdateInstellingen& instellingen,
                                                int limietSeconden) {
    const TUpdateLog log(instellingen.LogPad());
    const auto hersteld = TInstallatie::HerstelOnderbroken(
        instellingen.JournaalPad(), [&log](const QString& regel) { log.Schrijf(regel); },
        limietSeconden);
    // Extraction folders of a run that was killed.
    const QDir map(instellingen.Downloadmap);
    for (const QString& naam :
         map.entryList({QStringLiteral("WUPDATE-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir(map.filePath(naam)).removeRecursively();
    }
    return hersteld;
}

bool BevestigUpdateStart(const TUpdateInstellingen& instellingen) {
    if (!TInstallatie::BevestigStart(instellingen.JournaalPad())) {
        return false;
    }
    TUpdateLog(instellingen.LogPad())
        .Schrijf(QStringLiteral("The new version confirmed its start"));
    return true;
}

bool ZetUpdateTerug(const TUpdateInstellingen& instellingen, const TUpdateLog& log) {
    return TInstallatie::ZetTerug(instellingen.JournaalPad(),
                                  [&log](const QString& regel) { log.Schrijf(regel); });
}

} // namespace rcveltor::update
