#include "Updatemotor.h"

#include "Installatie.h"
#include "Ophalen.h"
#include "Uitpakken.h"
#include "VeiligOpenen.h"
#include "Versie.h"
#include "Zelftest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rcveltor::update {

namespace {

// Configured at release (RCV_UPDATE_SERVER).
const QString kStandaardServer = QStringLiteral(RCV_UPDATE_SERVER);

// Downloads get their own suffix so that none can overwrite a real file
// before it has been checked.
const QString kDownloadAchtervoegsel = QStringLiteral(".upd");

// Numbered: two addresses may end in the same file name.
QString DownloadNaam(const QUrl& url, int nummer) {
    const QString naam = url.fileName();
    const QString voor = QString::number(nummer + 1);
    if (IsVeiligRelatiefPad(naam) && !naam.startsWith(QLatin1Char('.'))) {
        return voor + QLatin1Char('-') + naam + kDownloadAchtervoegsel;
    }
    return voor + QStringLiteral("-component") + kDownloadAchtervoegsel;
}

QString Systeemfout() {
    return errno == ENOSPC ? QStringLiteral("Er is onvoldoende schijfruimte")
                           : QString::fromLocal8Bit(strerror(errno));
}

// Reads fd from its start to its end and back to its start.
std::optional<QByteArray> Sha256Van(int fd) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray blok(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(fd, blok.data(), static_cast<size_t>(blok.size()));
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
    gelukt = ::fchmod(uit, rechten) == 0 && ::close(uit) == 0 && gelukt;
    return gelukt;
}

} // namespace

QUrl TUpdateInstellingen::ControleUrl() const {
    QUrl url = Server;
    QString pad = url.path();
    while (pad.endsWith(QLatin1Char('/'))) {
        pad.chop(1);
    }
    url.setPath(pad + Pad);
    return url;
}

QString TUpdateInstellingen::LogPad() const {
    // The working folder of a packaged program is no place to write.
    return QDir(KanZelfInstalleren() ? Werkmap : Statusmap).filePath(LogBestand);
}

bool TUpdateInstellingen::KanZelfInstalleren() const {
    const QString programma = QDir(Programmamap).absolutePath() + QLatin1Char('/');
    if (programma.startsWith(QLatin1String("/usr/")) &&
        !programma.startsWith(QLatin1String("/usr/local/"))) {
        return false;
    }
    return ::access(QFile::encodeName(Programmamap).constData(), W_OK) == 0 &&
           ::access(QFile::encodeName(Werkmap).constData(), W_OK) == 0;
}

QString TUpdateInstellingen::JournaalPad() const {
    return QDir(Downloadmap).filePath(QStringLiteral("installatie.journaal"));
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

TUpdateInstellingen TUpdateInstellingen::VoorDitProgramma() {
    TUpdateInstellingen i;
    const QString server = qEnvironmentVariable("RCVELTOR_UPDATE_URL");
    i.Server = QUrl(server.isEmpty() ? kStandaardServer : server, QUrl::StrictMode);
    i.HuidigeVersie = QVersionNumber::fromString(QStringLiteral(RCV_VERSIE));
    i.PubliekeSleutel = QByteArray::fromHex(RCV_UPDATE_SLEUTEL);
    i.Werkmap = QDir::currentPath();
    i.Downloadmap = QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                        .filePath(QStringLiteral("updates"));
    i.Instellingenbestand =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("update.ini"));
    // XDG's state folder; Qt 6.4 does not know it yet.
    const QString status = qEnvironmentVariable("XDG_STATE_HOME");
    i.Statusmap =
        QDir(status.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/state") : status)
            .filePath(QStringLiteral("RcVeltor"));
    i.Programmamap = QCoreApplication::applicationDirPath();
    i.ProgrammaBestand = QCoreApplication::applicationFilePath();
    i.HerstartArgumenten = QCoreApplication::arguments().mid(1);
    return i;
}

TUpdateMotor::TUpdateMotor(TUpdateInstellingen instellingen, QObject* ouder)
    : QObject(ouder), instellingen_(std::move(instellingen)) {
    StartProgramma = [](const QString& programma, const QStringList& argumenten,
                        const QString& werkmap) {
        return QProcess::startDetached(programma, argumenten, werkmap);
    };
    // Queued: at start-up the event loop has not begun yet.
    Afsluiten = [] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    };
}

TUpdateMotor::~TUpdateMotor() {
    delete controleOphaler_;
    delete downloadOphaler_;
    SluitDownload(true);
    if (installatie_ != nullptr) {
        // Rolled back if it can still be; a swap that has begun is finished.
        int bezig = Bezig;
        toestand_.compare_exchange_strong(bezig, Geannuleerd);
        installatie_->wait();
        delete installatie_;
    }
}

void TUpdateMotor::StartInstallatie() {
    if (installatie_ != nullptr) {
        return;
    }
    toestand_ = Bezig;
    installatie_ = QThread::create([this] {
        const bool gelukt = Installeer();
        QMetaObject::invokeMethod(
            this,
            [this, gelukt] {
                installatie_->wait();
                delete installatie_;
                installatie_ = nullptr;
                emit Geinstalleerd(gelukt);
            },
            Qt::QueuedConnection);
    });
    installatie_->start();
}

void TUpdateMotor::SluitDownload(bool weg) {
    if (!bestand_) {
        return;
    }
    const QString pad = bestand_->objectName();
    bestand_->close();
    bestand_.reset();
    if (weg) {
        QFile::remove(pad);
    }
}

void TUpdateMotor::StartControle(int limietMs) {
    log_.ZetPad(instellingen_.LogPad());
    delete controleOphaler_;
    controle_ = TControle{};
    controle_.Url = instellingen_.ControleUrl();
    controleBezig_ = true;
    log_.Schrijf(QStringLiteral("Checking %1 for a version newer than %2")
                     .arg(controle_.Url.toDisplayString(), instellingen_.HuidigeVersie.toString()));
    controleOphaler_ = new TOphaler(Netwerk(), instellingen_.Agent, this);
    connect(controleOphaler_, &TOphaler::Klaar, this, &TUpdateMotor::ControleKlaar);
    controleOphaler_->Start(controle_.Url, {limietMs, limietMs, kMaxControlebestand});
}

void TUpdateMotor::ControleKlaar() {
    TOphaler* ophaler = controleOphaler_;
    controleOphaler_ = nullptr;
    ophaler->deleteLater();
    controleBezig_ = false;
    if (ophaler->Status() != TOphaalStatus::Gelukt) {
        controle_.Uitkomst = TControleUitkomst::Onbereikbaar;
        controle_.Reden = QStringLiteral("cannot read the control file: %1").arg(ophaler->Fout());
    } else {
        TLeesResultaat gelezen =
            LeesOndertekendControlebestand(ophaler->Gegevens(), instellingen_.PubliekeSleutel);
        if (!gelezen.Bestand) {
            controle_.Uitkomst = TControleUitkomst::Ongeldig;
            controle_.Reden = QStringLiteral("control file refused: %1").arg(gelezen.Fout);
        } else if (gelezen.Bestand->Programma != instellingen_.Programma) {
            controle_.Uitkomst = TControleUitkomst::Ongeldig;
            controle_.Reden = QStringLiteral("control file refused: it is for %1")
                                  .arg(gelezen.Bestand->Programma);
        } else if (gelezen.Bestand->GeldigTot < QDate::currentDate()) {
            controle_.Uitkomst = TControleUitkomst::Ongeldig;
            controle_.Reden = QStringLiteral("control file refused: it expired on %1")
                                  .arg(gelezen.Bestand->GeldigTot.toString(Qt::ISODate));
        } else if (gelezen.Bestand->Ondertekend > QDate::currentDate().addDays(1)) {
            // A signing day ahead would stretch how long the file is valid;
            // a day's grace for clocks and time zones.
            controle_.Uitkomst = TControleUitkomst::Ongeldig;
            controle_.Reden = QStringLiteral("control file refused: signed on %1, a day to come")
                                  .arg(gelezen.Bestand->Ondertekend.toString(Qt::ISODate));
        } else if (const QVersionNumber hoogste = HoogsteVersie();
                   VergelijkVersies(gelezen.Bestand->Versie, hoogste) < 0) {
            // An old signed file served again must not hide a newer release.
            controle_.Uitkomst = TControleUitkomst::Ongeldig;
            controle_.Reden =
                QStringLiteral("control file refused: version %1 is lower than %2 announced before")
                    .arg(gelezen.Bestand->Versie.toString(), hoogste.toString());
        } else {
            controle_.Bestand = std::move(gelezen.Bestand);
            OnthoudVersie(controle_.Bestand->Versie);
            const QString versie = controle_.Bestand->Versie.toString();
            if (VergelijkVersies(controle_.Bestand->Versie, instellingen_.HuidigeVersie) > 0) {
                controle_.Uitkomst = TControleUitkomst::Nieuwer;
                controle_.Reden = QStringLiteral("version %1 is available").arg(versie);
            } else {
                controle_.Uitkomst = TControleUitkomst::NietNieuwer;
                controle_.Reden = QStringLiteral("version %1 is not newer").arg(versie);
            }
        }
    }
    log_.Schrijf(controle_.Reden);
    emit Gecontroleerd();
}

namespace {
const QString kHoogsteVersie = QStringLiteral("Update/HoogsteVersie");
}

QVersionNumber TUpdateMotor::HoogsteVersie() const {
    const QSettings instellingen(instellingen_.Instellingenbestand, QSettings::IniFormat);
    return LeesVersie(instellingen.value(kHoogsteVersie).toString()).value_or(QVersionNumber());
}

void TUpdateMotor::OnthoudVersie(const QVersionNumber& versie) {
    if (VergelijkVersies(versie, HoogsteVersie()) > 0) {
        QSettings instellingen(instellingen_.Instellingenbestand, QSettings::IniFormat);
        instellingen.setValue(kHoogsteVersie, versie.toString());
    }
}

TControle TUpdateMotor::Controleer(int limietMs) {
    StartControle(limietMs);
    QEventLoop lus;
    connect(this, &TUpdateMotor::Gecontroleerd, &lus, &QEventLoop::quit);
    if (controleBezig_) {
        lus.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return controle_;
}

QNetworkAccessManager& TUpdateMotor::Netwerk() {
    // Made when first needed: the program creates the engine at every start.
    if (!netwerk_) {
        netwerk_ = std::make_unique<QNetworkAccessManager>();
    }
    return *netwerk_;
}

QString TUpdateMotor::Doelmap(TDoel doel) const {
    return doel == TDoel::Programma ? instellingen_.Programmamap : instellingen_.Werkmap;
}

void TUpdateMotor::StartDownload(const QList<int>& keuze) {
    downloads_.clear();
    gedownload_ = false;
    totaalKlaar_ = 0;
    totaalGrootte_ = 0;
    if (!instellingen_.KanZelfInstalleren()) {
        DownloadMislukt(QStringLiteral("not downloaded: this program is updated by its package "
                                       "manager or its folders cannot be written"));
        return;
    }
    if (!controle_.Bestand) {
        DownloadMislukt(QStringLiteral("no control file read"));
        return;
    }
    versie_ = controle_.Bestand->Versie;
    for (const int i : keuze) {
        if (i < 0 || i >= controle_.Bestand->Componenten.size()) {
            continue;
        }
        const TComponent& c = controle_.Bestand->Componenten.at(i);
        const QUrl url = controle_.Url.resolved(QUrl(c.Url));
        downloads_.append(
            {c, url,
             QDir(instellingen_.Downloadmap).filePath(DownloadNaam(url, downloads_.size()))});
        totaalGrootte_ += c.Grootte;
    }
    if (downloads_.isEmpty()) {
        DownloadMislukt(QStringLiteral("no components chosen"));
        return;
    }
    // All or none: a refused address is found before anything is fetched.
    for (const TDownload& d : std::as_const(downloads_)) {
        if (!IsToegestaneUrl(d.Url)) {
            DownloadMislukt(QStringLiteral("refused: %1 is neither HTTPS nor this machine")
                                .arg(d.Url.toDisplayString()));
            return;
        }
    }
    // Others must not be able to plant a link or change a file here.
    QString fout;
    if (!MaakPriveMap(instellingen_.Downloadmap, &fout)) {
        DownloadMislukt(QStringLiteral("cannot use the download folder: %1").arg(fout));
        return;
    }
    huidige_ = -1;
    DownloadVolgende();
}

void TUpdateMotor::DownloadVolgende() {
    if (++huidige_ == downloads_.size()) {
        gedownload_ = true;
        log_.Schrijf(QStringLiteral("All %1 downloads verified").arg(downloads_.size()));
        emit Gedownload(true);
        return;
    }
    const TDownload& d = downloads_.at(huidige_);
    log_.Schrijf(QStringLiteral("Downloading %1 to %2").arg(d.Url.toDisplayString(), d.Pad));
    // A file left by an earlier run goes; the new one is created, never reused.
    QFile::remove(d.Pad);
    const int fd = OpenGewoonBestand(d.Pad, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        DownloadMislukt(QStringLiteral("cannot write %1: %2").arg(d.Pad, Systeemfout()));
        return;
    }
    bestand_ = std::make_unique<QFile>();
    bestand_->setObjectName(d.Pad); // to remove it after a failure
    bestand_->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFile::AutoCloseHandle);
    downloadOphaler_ = new TOphaler(Netwerk(), instellingen_.Agent, this);
    connect(downloadOphaler_, &TOphaler::Voortgang, this, [this](qint64 ontvangen) {
        const qint64 grootte = downloads_.at(huidige_).Component.Grootte;
        emit BestandVoortgang(huidige_, ontvangen, grootte);
        emit TotaleVoortgang(totaalKlaar_ + ontvangen, totaalGrootte_);
    });
    connect(downloadOphaler_, &TOphaler::Klaar, this, &TUpdateMotor::DownloadKlaar);
    // More bytes than the signed size are refused as they arrive.
    const qint64 totaalMs =
        instellingen_.DownloadBasisMs +
        d.Component.Grootte * 1000 / std::max<qint64>(instellingen_.DownloadBytesPerSeconde, 1);
    downloadOphaler_->Start(d.Url,
                            {instellingen_.StilteLimietMs,
                             static_cast<int>(std::min<qint64>(totaalMs, INT_MAX)),
                             d.Component.Grootte},
                            bestand_.get());
}

void TUpdateMotor::DownloadKlaar() {
    TOphaler* ophaler = downloadOphaler_;
    downloadOphaler_ = nullptr;
    ophaler->deleteLater();
    const TDownload& d = downloads_.at(huidige_);
    if (ophaler->Status() != TOphaalStatus::Gelukt) {
        DownloadMislukt(QStringLiteral("download of %1 failed: %2")
                            .arg(d.Url.toDisplayString(), ophaler->Fout()));
        return;
    }
    if (ophaler->Ontvangen() != d.Component.Grootte || ophaler->Sha256() != d.Component.Sha256) {
        DownloadMislukt(QStringLiteral("download of %1 refused: %2 bytes with SHA-256 %3, "
                                       "announced %4 bytes with SHA-256 %5")
                            .arg(d.Url.toDisplayString())
                            .arg(ophaler->Ontvangen())
                            .arg(QString::fromLatin1(ophaler->Sha256().toHex()))
                            .arg(d.Component.Grootte)
                            .arg(QString::fromLatin1(d.Component.Sha256.toHex())));
        return;
    }
    SluitDownload(false);
    totaalKlaar_ += d.Component.Grootte;
    emit BestandVoortgang(huidige_, d.Component.Grootte, d.Component.Grootte);
    emit TotaleVoortgang(totaalKlaar_, totaalGrootte_);
    DownloadVolgende();
}

void TUpdateMotor::DownloadMislukt(const QString& reden) {
    SluitDownload(true);
    log_.Schrijf(reden);
    emit Gedownload(false);
}

bool TUpdateMotor::Annuleer() {
    if (downloadOphaler_) {
        downloadOphaler_->Annuleer();
    }
    int bezig = Bezig;
    if (installatie_ != nullptr && !toestand_.compare_exchange_strong(bezig, Geannuleerd) &&
        bezig == Wisselt) {
        log_.Schrijf(QStringLiteral("Cancel refused: the files are being swapped"));
        return false;
    }
    return true;
}

bool TUpdateMotor::Installeer() {
    if (!gedownload_) {
        log_.Schrijf(QStringLiteral("Nothing downloaded to install"));
        return false;
    }
    gedownload_ = false;
    const auto mislukt = [this](const QString& reden) {
        log_.Schrijf(reden);
        log_.Schrijf(QStringLiteral("Update not installed"));
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
    for (int i = 0; i < downloads_.size(); ++i) {
        emit InstallatieVoortgang(i, downloads_.size());
        if (toestand_ == Geannuleerd) {
            return mislukt(QStringLiteral("Installation cancelled"));
        }
        const TDownload& d = downloads_.at(i);
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
        const QDir doel(Doelmap(d.Component.Doel));
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
    for (qsizetype i = 0; i < plaatsingen.size(); ++i) {
        const auto& [bron, doel] = plaatsingen.at(i);
        emit InstallatieVoortgang(static_cast<int>(i), static_cast<int>(plaatsingen.size()));
        QString fout;
        if (toestand_ == Geannuleerd) {
            fout = QStringLiteral("Installation cancelled");
        }
        if (!fout.isEmpty() || !installatie.Plaats(bron, doel, &fout)) {
            // The reason first, then what the rollback did.
            log_.Schrijf(fout);
            installatie.Herstel();
            log_.Schrijf(QStringLiteral("Update not installed"));
            return false;
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
            log_.Schrijf(QStringLiteral("The new program does not start: %1").arg(fout));
            installatie.Herstel();
            log_.Schrijf(QStringLiteral("Update not installed"));
            return false;
        }
        log_.Schrijf(QStringLiteral("The new program passed its self-check"));
    }
    if (int bezig = Bezig;
        !toestand_.compare_exchange_strong(bezig, Wisselt) && bezig == Geannuleerd) {
        log_.Schrijf(QStringLiteral("Installation cancelled"));
        installatie.Herstel();
        log_.Schrijf(QStringLiteral("Update not installed"));
        return false;
    }
    emit WisselBegint();
    // Logs its own reason and rollback. The old files stay until the new
    // program confirms that it starts.
    if (!installatie.Bevestig(nullptr, true)) {
        log_.Schrijf(QStringLiteral("Update not installed"));
        return false;
    }
    if (!instellingen_.TussenbestandenBewaren) {
        for (const TDownload& d : std::as_const(downloads_)) {
            QFile::remove(d.Pad);
        }
    }
    log_.Schrijf(QStringLiteral("Version %1 installed").arg(versie_.toString()));
    return true;
}

bool TUpdateMotor::Herstart() {
    log_.Schrijf(QStringLiteral("Restarting %1").arg(instellingen_.ProgrammaBestand));
    if (!StartProgramma(instellingen_.ProgrammaBestand, instellingen_.HerstartArgumenten,
                        instellingen_.Werkmap)) {
        log_.Schrijf(QStringLiteral("Cannot start %1").arg(instellingen_.ProgrammaBestand));
        TInstallatie::ZetTerug(instellingen_.JournaalPad(),
                               [this](const QString& regel) { log_.Schrijf(regel); });
        return false;
    }
    Afsluiten();
    return true;
}

bool ZoekNieuweVersie(TUpdateMotor& motor) {
    return motor.Controleer(motor.Instellingen().ZoekLimietMs).Uitkomst ==
           TControleUitkomst::Nieuwer;
}

} // namespace rcveltor::update
