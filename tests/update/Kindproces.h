#pragma once

// Runs rcvinstalleer, the installation in a process of its own that kills
// itself part-way, and tells how it ended.

#include <QProcess>
#include <QStringList>

namespace rcveltor::test {

enum class TEinde { Klaar, Gedood, Anders };

inline TEinde Installeer(const QStringList& argumenten) {
    QProcess kind;
    kind.start(QStringLiteral(RCV_INSTALLEER), argumenten);
    if (!kind.waitForFinished(60000)) {
        return TEinde::Anders;
    }
    // Windows's kill from within leaves status 9, POSIX's a signal.
    if (kind.exitStatus() == QProcess::CrashExit || kind.exitCode() == 9) {
        return TEinde::Gedood;
    }
    return kind.exitCode() == 0 ? TEinde::Klaar : TEinde::Anders;
}

} // namespace rcveltor::test
