#include "update/Zelftest.h"

#include <QFileInfo>
#include <QProcess>

namespace rcveltor::update {

bool DoorstaatZelftest(const QString& programma, int limietMs, QString* fout) {
    QProcess proces;
    proces.setProgram(programma);
    proces.setArguments({kZelftestOptie});
    proces.setWorkingDirectory(QFileInfo(programma).absolutePath());
    proces.setStandardInputFile(QProcess::nullDevice());
    proces.setStandardOutputFile(QProcess::nullDevice());
    proces.start();
    if (!proces.waitForStarted(limietMs)) {
        *fout = QStringLiteral("%1 cannot be started: %2").arg(programma, proces.errorString());
        return false;
    }
    if (!proces.waitForFinished(limietMs)) {
        proces.kill();
        proces.waitForFinished();
        *fout = QStringLiteral("%1 did not end within %2 ms").arg(programma).arg(limietMs);
        return false;
    }
    if (proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0) {
        // The loader's own words, such as a library it cannot find.
        const QString melding =
            QString::fromLocal8Bit(proces.readAllStandardError().left(400)).simplified();
        *fout = QStringLiteral("%1 ended with status %2: %3")
                    .arg(programma)
                    .arg(proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1)
                    .arg(melding);
        return false;
    }
    return true;
}

} // namespace rcveltor::update
