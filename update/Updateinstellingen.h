#pragma once

// Where the update engine finds and puts everything, and its limits: the
// server, the maker's key, the folders, the program to restart.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVersionNumber>

namespace rcveltor::update {

struct TUpdateInstellingen {
    QUrl Server;                                        // the update server's base address
    QString Pad = QStringLiteral("/veltor/Rc/Rc.INF");  // the control file on it
    QString Agent = QStringLiteral("VeltorUpdate/1.0"); // the engine's own name
    QString Programma = QStringLiteral("RcVeltor");     // the control file must name it
    QVersionNumber HuidigeVersie;
    QByteArray PubliekeSleutel;  // Ed25519, 32 bytes
    QString Werkmap;             // the log and Doel=werkmap (Windows: the program's folder)
    QString Downloadmap;         // downloads (kept afterwards) and extraction; made 0700
    QString Instellingenbestand; // remembers the highest version a valid file announced
    QString Statusmap;           // the log when the program cannot update itself (Windows: always)
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

} // namespace rcveltor::update
