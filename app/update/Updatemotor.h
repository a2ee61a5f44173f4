#pragma once

// The update engine: reads the signed control file from the update server,
// downloads the announced components into a folder of the user's own (each
// checked against the size and SHA-256 that the signed file gives), has the
// core in update/ decide on the file and install the downloads on a thread
// of their own, and restarts the program.

#include "update/Updatecontrole.h"
#include "update/Updateinstallatie.h"
#include "update/Updateinstellingen.h"
#include "update/Updatelog.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVersionNumber>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QFile;
class QThread;

namespace rcveltor::update {

class TOphaler;

// What a restart came to.
enum class THerstart {
    Gestart,    // the installed program runs; this one is asked to end
    Uitgesteld, // the user keeps this program running: the new one starts next time
    Mislukt,    // it could not be started; the old program is back
};

class TUpdateMotor : public QObject {
    Q_OBJECT
public:
    explicit TUpdateMotor(TUpdateInstellingen instellingen, QObject* ouder = nullptr);
    ~TUpdateMotor() override;

    TUpdateInstellingen& Instellingen() { return instellingen_; }
    const TUpdateLog& Log() const { return log_; }

    // Reads the control file; Gecontroleerd follows.
    void StartControle(int limietMs);
    // The same, waiting for the answer with user input held back.
    TControle Controleer(int limietMs);
    const TControle& LaatsteControle() const { return controle_; }

    // Downloads the chosen components of the last check; Gedownload follows.
    void StartDownload(const QList<int>& keuze);
    // Cancels a download, or an installation whose swap has not begun (it is
    // rolled back). False when the swap has begun: that is not stopped.
    bool Annuleer();
    // After a successful download: extracts and installs all or nothing.
    bool Installeer();
    // The same on a thread of its own; Geinstalleerd follows.
    void StartInstallatie();
    // Asks MagAfsluiten, then starts the installed program and asks this one
    // to end. When it cannot be started the old program is put back.
    THerstart Herstart();

    // Replaceable for tests.
    std::function<bool(const QString& programma, const QStringList& argumenten,
                       const QString& werkmap)>
        StartProgramma;
    std::function<void()> Afsluiten;
    // Asked before the installed program is started and this one ends: the
    // windows ask about unsaved work. False keeps this program running; the
    // installed version then starts the next time.
    std::function<bool()> MagAfsluiten = [] { return true; };
    // Called after every step (link or rename) of an installation's swap,
    // with its number.
    std::function<void(int)> NaStap;

signals:
    void Gecontroleerd();
    void BestandVoortgang(int nummer, qint64 ontvangen, qint64 grootte);
    void TotaleVoortgang(qint64 ontvangen, qint64 totaal);
    void Gedownload(bool gelukt);
    void InstallatieVoortgang(int klaar, int totaal);
    void WisselBegint(); // from here on the installation cannot be cancelled
    void Geinstalleerd(bool gelukt);

private:
    struct TDownload {
        TComponent Component;
        QUrl Url;
        QString Pad;
    };
    void ControleKlaar();
    void DownloadVolgende();
    void DownloadKlaar();
    void DownloadMislukt(const QString& reden);
    void SluitDownload(bool weg);
    std::unique_ptr<TUpdateInstallatie> NieuweInstallatie();
    QNetworkAccessManager& Netwerk();

    TUpdateInstellingen instellingen_;
    TUpdateLog log_;
    std::unique_ptr<QNetworkAccessManager> netwerk_;
    QPointer<TOphaler> controleOphaler_;
    TControle controle_;
    bool controleBezig_ = false;

    QList<TDownload> downloads_;
    QVersionNumber versie_;
    int huidige_ = -1;
    qint64 totaalKlaar_ = 0;
    qint64 totaalGrootte_ = 0;
    QPointer<TOphaler> downloadOphaler_;
    std::unique_ptr<QFile> bestand_;
    bool gedownload_ = false;
    // The installation on its own thread, while it runs.
    QThread* installatie_ = nullptr;
    std::unique_ptr<TUpdateInstallatie> lopend_;
};

// Answers whether the server announces a newer version; no when it cannot be
// reached within the start-up limit or its file is not trustworthy.
bool ZoekNieuweVersie(TUpdateMotor& motor);

} // namespace rcveltor::update
