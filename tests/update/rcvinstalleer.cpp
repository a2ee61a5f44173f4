// Runs an installation in a process of its own, for the tests that kill it
// part-way:
//   rcvinstalleer <journal> <moment> <trial 0|1> <rollback moment> (<source> <target>)...
//   rcvinstalleer update <control file> <working folder> <program folder>
//                 <download folder> <moment> <download>...
// Killed after step `moment` of the swap (in the staging, after the third
// file, when negative; 0: never). With a rollback moment above 0 an
// installation on trial is then put back and killed after that step of it
// (one beyond its last: never). The second form installs an update's
// downloads, one for each component of the control file, in its order.
// Ends with 0 when done, 3 when refused.
#include "update/Installatie.h"
#include "update/Updateinstallatie.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace {

// As abrupt as a kill from outside: nothing is cleaned up.
[[noreturn]] void Dood() {
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 9);
#else
    ::raise(SIGKILL);
#endif
    std::abort();
}

QString Arg(const char* tekst) {
    return QString::fromLocal8Bit(tekst);
}

int Update(int argc, char** argv) {
    using namespace rcveltor::update;
    QFile controle(Arg(argv[2]));
    if (argc < 7 || !controle.open(QIODevice::ReadOnly)) {
        return 2;
    }
    const TLeesResultaat gelezen = LeesControlebestand(controle.readAll());
    if (!gelezen.Bestand || gelezen.Bestand->Componenten.size() != argc - 7) {
        return 2;
    }
    TUpdateInstellingen instellingen;
    instellingen.Werkmap = Arg(argv[3]);
    instellingen.Programmamap = Arg(argv[4]);
    instellingen.ProgrammaBestand =
        QDir(instellingen.Programmamap).filePath(QStringLiteral("RcVeltor"));
    instellingen.Downloadmap = Arg(argv[5]);
    const int moment = std::atoi(argv[6]);
    QList<TGedownload> downloads;
    for (int i = 7; i < argc; ++i) {
        downloads.append({gelezen.Bestand->Componenten.at(i - 7), Arg(argv[i])});
    }
    TUpdateInstallatie installatie(instellingen, TUpdateLog(instellingen.LogPad()), downloads,
                                   gelezen.Bestand->Versie);
    installatie.NaStap = [moment](int n) {
        if (n == moment) {
            Dood();
        }
    };
    return installatie.Installeer() ? 0 : 3;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "update") == 0) {
        return Update(argc, argv);
    }
    if (argc < 5 || (argc - 5) % 2 != 0) {
        return 2;
    }
    using rcveltor::update::TInstallatie;
    const QString journaal = Arg(argv[1]);
    const int moment = std::atoi(argv[2]);
    const bool proef = std::atoi(argv[3]) != 0;
    const int terugMoment = std::atoi(argv[4]);
    {
        TInstallatie inst({}, journaal);
        inst.NaStap = [moment](int n) {
            if (n == moment) {
                Dood();
            }
        };
        QString fout;
        for (int i = 5, geplaatst = 1; i < argc; i += 2, ++geplaatst) {
            if (!inst.Plaats(Arg(argv[i]), Arg(argv[i + 1]), &fout)) {
                return 3;
            }
            if (geplaatst == 3 && moment < 0) {
                Dood();
            }
        }
        if (!inst.Bevestig(&fout, proef)) {
            return 3;
        }
    }
    if (terugMoment > 0) {
        TInstallatie::ZetTerug(journaal, {}, [terugMoment](int n) {
            if (n == terugMoment) {
                Dood();
            }
        });
    }
    return 0;
}
