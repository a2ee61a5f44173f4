// Runs an installation in a process of its own, for the tests that kill it
// part-way:
//   rcvinstalleer <journal> <moment> <trial 0|1> <rollback moment> (<source> <target>)...
// Killed after step `moment` of the swap (in the staging, after the third
// file, when negative; 0: never). With a rollback moment above 0 an
// installation on trial is then put back and killed after that step of it
// (one beyond its last: never). Ends with 0 when done, 3 when refused.
#include "update/Installatie.h"

#include <QString>
#include <cstdlib>

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

} // namespace

int main(int argc, char** argv) {
    if (argc < 5 || (argc - 5) % 2 != 0) {
        return 2;
    }
    using rcveltor::update::TInstallatie;
    const QString journaal = QString::fromLocal8Bit(argv[1]);
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
            if (!inst.Plaats(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[i + 1]),
                             &fout)) {
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
