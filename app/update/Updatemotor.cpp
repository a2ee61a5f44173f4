#include "app/update/Updatemotor.h"

#include "app/update/Ophalen.h"
#include "update/VeiligOpenen.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <climits>
#include <fcntl.h>

namespace rcveltor::update {

namespace {

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

} // namespace

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
        if (lopend_) {
            lopend_->Annuleer();
        }
        installatie_->wait();
        delete installatie_;
    }
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
        const QUrl url = controle_.Url;
        controle_ = BeoordeelControlebestand(ophaler->Gegevens(), instellingen_);
        controle_.Url = url;
    }
    log_.Schrijf(controle_.Reden);
    emit Gecontroleerd();
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
    if (lopend_ && !lopend_->Annuleer()) {
        log_.Schrijf(QStringLiteral("Cancel refused: the files are being swapped"));
        return false;
    }
    return true;
}

std::unique_ptr<TUpdateInstallatie> TUpdateMotor::NieuweInstallatie() {
    if (!gedownload_) {
        log_.Schrijf(QStringLiteral("Nothing downloaded to install"));
        return nullptr;
    }
    gedownload_ = false;
    QList<TGedownload> bestanden;
    for (const TDownload& d : std::as_const(downloads_)) {
        bestanden.append({d.Component, d.Pad});
    }
    auto installatie =
        std::make_unique<TUpdateInstallatie>(instellingen_, log_, std::move(bestanden), versie_);
    installatie->Voortgang = [this](int klaar, int totaal) {
        emit InstallatieVoortgang(klaar, totaal);
    };
    installatie->WisselBegint = [this] { emit WisselBegint(); };
    installatie->NaStap = NaStap;
    return installatie;
}

bool TUpdateMotor::Installeer() {
    const auto installatie = NieuweInstallatie();
    return installatie && installatie->Installeer();
}

void TUpdateMotor::StartInstallatie() {
    if (installatie_ != nullptr) {
        return;
    }
    lopend_ = NieuweInstallatie();
    installatie_ = QThread::create([this] {
        const bool gelukt = lopend_ && lopend_->Installeer();
        QMetaObject::invokeMethod(
            this,
            [this, gelukt] {
                installatie_->wait();
                delete installatie_;
                installatie_ = nullptr;
                lopend_.reset();
                emit Geinstalleerd(gelukt);
            },
            Qt::QueuedConnection);
    });
    installatie_->start();
}

THerstart TUpdateMotor::Herstart() {
    // Unsaved work is asked about first.
    if (!MagAfsluiten()) {
        return THerstart::Uitgesteld;
    }
    log_.Schrijf(QStringLiteral("Restarting %1").arg(instellingen_.ProgrammaBestand));
    if (!StartProgramma(instellingen_.ProgrammaBestand, instellingen_.HerstartArgumenten,
                        instellingen_.Werkmap)) {
        log_.Schrijf(QStringLiteral("Cannot start %1").arg(instellingen_.ProgrammaBestand));
        ZetUpdateTerug(instellingen_, log_);
        return THerstart::Mislukt;
    }
    Afsluiten();
    return THerstart::Gestart;
}

bool ZoekNieuweVersie(TUpdateMotor& motor) {
    return motor.Controleer(motor.Instellingen().ZoekLimietMs).Uitkomst ==
           TControleUitkomst::Nieuwer;
}

} // namespace rcveltor::update
