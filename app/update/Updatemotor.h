#pragma once

// The update engine: reads the signed control file from the update server,
// downloads the announced components into a folder of the user's own (each
// checked against the size and SHA-256 that the signed file gives), extracts
// and installs them as one transaction, and restarts the program.

#include "Controlebestand.h"
#include "Installatie.h"
#include "Updatelog.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QVersionNumber>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QFile;
class QThread;

namespace rcveltor::update {

class TOphaler;

struct TUpdateInstellingen {
    QUrl Server;                                        // the update server's base address
    QString Pad = QStringLiteral("/veltor/Rc/Rc.INF");  // the control file on it
    QString Agent = QStringLiteral("VeltorUpdate/1.0"); // the engine's own name
    QString Programma = QStringLiteral("RcVeltor");     // the control file must name it
    QVersionNumber HuidigeVersie;
    QByteArray PubliekeSleutel;  // Ed25519, 32 bytes
    QString Werkmap;             // the log and Doel=werkmap
    QString Downloadmap;         // downloads (kept afterwards) and extraction; made 0700
    QString Instellingenbestand; // remembers the highest version a valid file announced
    QString Statusmap;           // the log when the program cannot update itself
    QString Programmamap;        // where Doel=programma installs
    QString ProgrammaBestand;    // started after an update
    QStringList HerstartArgumenten;
    QString LogBestand = QStringLiteral("WUPDATE.LOG");
    bool TussenbestandenBewaren = true;
    int ZoekLimietMs = 3000;      // the whole check at start-up
    int WizardLimietMs = 15000;   // the whole check from the wizard
    int StilteLimietMs = 30000;   // a download's longest silence
    int ZelftestLimietMs = 20000; // the new program's start and end before the swap
    // A download's whole time: this much, plus its signed size at this rate.
    int DownloadBasisMs = 60000;
    qint64 DownloadBytesPerSeconde = 50000;

    QUrl ControleUrl() const;
    QString LogPad() const;
    QString JournaalPad() const; // the installation's, in Downloadmap
    // False for a program that a package manager installed (under /usr, not
    // /usr/local) or whose folders this user cannot write: such a program is
    // told of a newer version but never updates itself.
    bool KanZelfInstalleren() const;

    // For the running program: the server from RCVELTOR_UPDATE_URL or the
    // built-in one, the maker's key, the working directory, a folder in the
    // user's cache, the program's own file and arguments.
    static TUpdateInstellingen VoorDitProgramma();
};

enum class TControleUitkomst { Nieuwer, NietNieuwer, Onbereikbaar, Ongeldig };

struct TControle {
    TControleUitkomst Uitkomst = TControleUitkomst::Onbereikbaar;
    std::optional<TControlebestand> Bestand;
    QUrl Url;
    QString Reden; // English, as logged
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
    // Starts the installed program and asks this one to end. When it cannot
    // be started the old program is put back and the answer is false.
    bool Herstart();

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
    QString Doelmap(TDoel doel) const;
    QVersionNumber HoogsteVersie() const;
    void OnthoudVersie(const QVersionNumber& versie);
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
    QThread* installatie_ = nullptr;
    // The installation's state, changed by one thread at a time: Annuleer
    // cancels only what has not reached the swap.
    enum TInstallatieToestand { Bezig, Geannuleerd, Wisselt };
    std::atomic<int> toestand_ = Bezig;
};

// At every start, before anything else: completes or rolls back an
// installation that was killed part-way or whose new program did not confirm
// that it started, and removes what it left.
TInstallatie::THerstel HerstelOnderbrokenUpdate(const TUpdateInstellingen& instellingen,
                                                int limietSeconden = 120);
// Once the main window shows: the new program runs, the old files may go.
bool BevestigUpdateStart(const TUpdateInstellingen& instellingen);

// Answers whether the server announces a newer version; no when it cannot be
// reached within the start-up limit or its file is not trustworthy.
bool ZoekNieuweVersie(TUpdateMotor& motor);

} // namespace rcveltor::update
