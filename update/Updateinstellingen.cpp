#include "update/Updateinstellingen.h"
#include "cmake/Versie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef _WIN32
#include <QTemporaryFile>
#else
#include <unistd.h>
#endif

namespace rcveltor::update {

namespace {
// Configured at release (RCV_UPDATE_SERVER).
const QString kStandaardServer = QStringLiteral(RCV_UPDATE_SERVER);

#ifdef _WIN32
// Windows's access() sees only the read-only mark, not who may write: a
// file of our own is tried instead.
bool MagSchrijvenIn(const QString& map) {
    QTemporaryFile proef(QDir(map).filePath(QStringLiteral(".rcveltor-XXXXXX")));
    return proef.open();
}

// The user's own folder for the program's state: %LOCALAPPDATA%\RcVeltor.
QString EigenMap() {
    const QString lokaal = qEnvironmentVariable("LOCALAPPDATA");
    return QDir(lokaal.isEmpty() ? QDir::homePath() + QStringLiteral("/AppData/Local") : lokaal)
        .filePath(QStringLiteral("RcVeltor"));
}
#else
bool MagSchrijvenIn(const QString& map) {
    return ::access(QFile::encodeName(map).constData(), W_OK) == 0;
}
#endif
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
#ifdef _WIN32
    // Windows keeps a program's state in the user's own folders.
    return QDir(Statusmap).filePath(LogBestand);
#else
    // The working folder of a packaged program is no place to write.
    return QDir(KanZelfInstalleren() ? Werkmap : Statusmap).filePath(LogBestand);
#endif
}

bool TUpdateInstellingen::KanZelfInstalleren() const {
    const QString programma = QDir(Programmamap).absolutePath() + QLatin1Char('/');
    if (programma.startsWith(QLatin1String("/usr/")) &&
        !programma.startsWith(QLatin1String("/usr/local/"))) {
        return false;
    }
    return MagSchrijvenIn(Programmamap) && MagSchrijvenIn(Werkmap);
}

QString TUpdateInstellingen::JournaalPad() const {
    return QDir(Downloadmap).filePath(QStringLiteral("installatie.journaal"));
}

TUpdateInstellingen TUpdateInstellingen::VoorDitProgramma() {
    TUpdateInstellingen i;
    const QString server = qEnvironmentVariable("RCVELTOR_UPDATE_URL");
    i.Server = QUrl(server.isEmpty() ? kStandaardServer : server, QUrl::StrictMode);
    i.HuidigeVersie = QVersionNumber::fromString(QStringLiteral(RCV_VERSIE));
    i.PubliekeSleutel = QByteArray::fromHex(RCV_UPDATE_SLEUTEL);
    i.Werkmap = QDir::currentPath();
#ifdef _WIN32
    i.Downloadmap = QDir(EigenMap()).filePath(QStringLiteral("updates"));
    i.Instellingenbestand = QDir(EigenMap()).filePath(QStringLiteral("update.ini"));
    i.Statusmap = EigenMap();
#else
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
#endif
    i.Programmamap = QCoreApplication::applicationDirPath();
#ifdef _WIN32
    // The installed data files sit beside the program, and a double-clicked
    // calculation file starts it in that file's folder, which is the user's.
    i.Werkmap = i.Programmamap;
#endif
    i.ProgrammaBestand = QCoreApplication::applicationFilePath();
    i.HerstartArgumenten = QCoreApplication::arguments().mid(1);
    return i;
}

} // namespace rcveltor::update
