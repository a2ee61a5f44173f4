// Installation as one transaction: replaced files come back and new ones go
// when any step fails, and when the process is killed at any step.

#include "tests/update/QtPrint.h"
#include "update/Installatie.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rcveltor::update;

namespace {

class Installatie : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString bron = tmp.filePath(QStringLiteral("bron"));
    QString doel = tmp.filePath(QStringLiteral("doel"));

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(bron) && QDir().mkpath(doel));
        Schrijf(bron + QStringLiteral("/RcVeltor"), "nieuw programma");
        Schrijf(bron + QStringLiteral("/info.rtf"), "nieuwe info");
        Schrijf(doel + QStringLiteral("/RcVeltor"), "oud programma");
        Schrijf(doel + QStringLiteral("/info.rtf"), "oude info");
        QFile::setPermissions(bron + QStringLiteral("/RcVeltor"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static void Schrijf(const QString& pad, const QByteArray& inhoud) {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }
    static QByteArray Lees(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Every entry under doel with its content, to compare before and after.
    QStringList Stand() const {
        QStringList stand;
        QDirIterator it(doel, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString pad = it.next();
            stand << QDir(doel).relativeFilePath(pad) + QLatin1Char('=') +
                         QString::fromUtf8(QFileInfo(pad).isDir() ? "<map>" : Lees(pad));
        }
        stand.sort();
        return stand;
    }
    QString B(const char* naam) const { return bron + QLatin1Char('/') + QLatin1String(naam); }
    QString D(const char* naam) const { return doel + QLatin1Char('/') + QLatin1String(naam); }
};

TEST_F(Installatie, ReplacesCreatesAndLeavesNoKeptFiles) {
    {
        TInstallatie inst;
        QString fout;
        ASSERT_TRUE(inst.Plaats(B("RcVeltor"), D("RcVeltor"), &fout)) << fout.toStdString();
        ASSERT_TRUE(inst.Plaats(B("info.rtf"), D("data/nieuw/info.rtf"), &fout));
        ASSERT_TRUE(inst.Bevestig(&fout)) << fout.toStdString();
    }
    QStringList verwacht = {QStringLiteral("RcVeltor=nieuw programma"),
                            QStringLiteral("data=<map>"), QStringLiteral("data/nieuw=<map>"),
                            QStringLiteral("data/nieuw/info.rtf=nieuwe info"),
                            QStringLiteral("info.rtf=oude info")};
    verwacht.sort();
    EXPECT_EQ(Stand(), verwacht);
    EXPECT_TRUE(QFileInfo(D("RcVeltor")).isExecutable());
}

TEST_F(Installatie, AFailureHalfwayPutsEverythingBack) {
    // "blok" is a file, so nothing can be placed beneath it.
    Schrijf(D("blok"), "blok");
    const QStringList metBlok = Stand();
    {
        TInstallatie inst;
        QString fout;
        ASSERT_TRUE(inst.Plaats(B("RcVeltor"), D("RcVeltor"), &fout));
        ASSERT_TRUE(inst.Plaats(B("info.rtf"), D("nieuw/diep/info.rtf"), &fout));
        // Staged beside it, not yet in place.
        EXPECT_EQ(Lees(D("RcVeltor")), "oud programma");
        EXPECT_EQ(Lees(D("RcVeltor.rcvnieuw")), "nieuw programma");
        EXPECT_FALSE(inst.Plaats(B("info.rtf"), D("blok/info.rtf"), &fout));
        EXPECT_TRUE(fout.contains(QLatin1String("blok"))) << fout.toStdString();
        inst.Herstel();
    }
    EXPECT_EQ(Stand(), metBlok);
}

TEST_F(Installatie, AnUnconfirmedInstallationRollsBackWhenItEnds) {
    const QStringList voor = Stand();
    {
        TInstallatie inst;
        QString fout;
        ASSERT_TRUE(inst.Plaats(B("RcVeltor"), D("RcVeltor"), &fout));
        ASSERT_TRUE(inst.Plaats(B("info.rtf"), D("extra.rtf"), &fout));
    }
    EXPECT_EQ(Stand(), voor);
}

TEST_F(Installatie, TheSameTargetTwiceIsRefusedAndTheOriginalSurvives) {
    {
        TInstallatie inst;
        QString fout;
        ASSERT_TRUE(inst.Plaats(B("RcVeltor"), D("info.rtf"), &fout));
        EXPECT_FALSE(inst.Plaats(B("info.rtf"), D("info.rtf"), &fout));
        inst.Herstel();
    }
    EXPECT_EQ(Lees(D("info.rtf")), "oude info");
}

TEST_F(Installatie, LinksArePlacedAsLinksAndStaleKeptFilesDoNotBlock) {
    ASSERT_TRUE(QFile::link(QStringLiteral("info.rtf"), B("huidig")));
    Schrijf(D("RcVeltor.rcvoud"), "over van een afgebroken update");
    TInstallatie inst;
    QString fout;
    ASSERT_TRUE(inst.Plaats(B("huidig"), D("huidig"), &fout)) << fout.toStdString();
    ASSERT_TRUE(inst.Plaats(B("RcVeltor"), D("RcVeltor"), &fout)) << fout.toStdString();
    ASSERT_TRUE(inst.Bevestig(&fout)) << fout.toStdString();
    EXPECT_EQ(QFileInfo(D("huidig")).symLinkTarget(), D("info.rtf"));
    EXPECT_FALSE(QFileInfo::exists(D("RcVeltor.rcvoud")));
}

// Killed during the staging (-1), after each step of the swap (1 to 6), or
// not at all (0): at the kill the program file is complete, and the next
// start finds the complete old set or, unkilled, the complete new one, and
// nothing left over.
class Gedood : public Installatie {
protected:
    QString journaal = tmp.filePath(QStringLiteral("installatie.journaal"));

    // Stages the set, then swaps it (on trial when proef); killed after step
    // moment of the swap, or in the staging when moment is negative.
    bool Installeer(int moment, bool proef) {
        TInstallatie inst({}, journaal);
        inst.NaStap = [moment](int n) {
            if (n == moment) {
                ::raise(SIGKILL);
            }
        };
        QString fout;
        int geplaatst = 0;
        for (const auto& [b, d] : {std::pair{"RcVeltor", "RcVeltor"},
                                   {"info.rtf", "info.rtf"},
                                   {"info.rtf", "data/nieuw/info.rtf"},
                                   {"huidig", "huidig"}}) {
            if (!inst.Plaats(B(b), D(d), &fout)) {
                return false;
            }
            if (++geplaatst == 3 && moment < 0) {
                ::raise(SIGKILL);
            }
        }
        return inst.Bevestig(&fout, proef);
    }
    // The process's end: 0 for a normal exit, the signal when killed.
    static int Einde(pid_t kind) {
        int status = 0;
        if (waitpid(kind, &status, 0) != kind) {
            return -1;
        }
        return WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status) == 0 ? 0 : -1;
    }
    // The program that starts next must be whole, old or new.
    void ProgrammaIsHeel() const {
        const QByteArray programma = Lees(D("RcVeltor"));
        EXPECT_TRUE(programma == "oud programma" || programma == "nieuw programma")
            << programma.constData();
    }
};

class InstallatieGedood : public Gedood, public ::testing::WithParamInterface<int> {};

TEST_P(InstallatieGedood, DeVolgendeStartVindtHetOudeOfHetNieuweGeheel) {
    const int moment = GetParam();
    ASSERT_TRUE(QFile::link(QStringLiteral("info.rtf"), B("huidig")));
    const QStringList oud = Stand();
    const pid_t kind = fork();
    if (kind == 0) {
        _exit(Installeer(moment, false) ? 0 : 3);
    }
    ASSERT_EQ(Einde(kind), moment == 0 ? 0 : SIGKILL);
    ProgrammaIsHeel();
    EXPECT_EQ(TInstallatie::HerstelOnderbroken(journaal),
              moment == 0 ? TInstallatie::THerstel::Niets : TInstallatie::THerstel::Teruggezet);
    EXPECT_FALSE(QFileInfo::exists(journaal));
    if (moment == 0) {
        QStringList nieuw = {QStringLiteral("RcVeltor=nieuw programma"),
                             QStringLiteral("data=<map>"),
                             QStringLiteral("data/nieuw=<map>"),
                             QStringLiteral("data/nieuw/info.rtf=nieuwe info"),
                             QStringLiteral("huidig=nieuwe info"),
                             QStringLiteral("info.rtf=nieuwe info")};
        nieuw.sort();
        EXPECT_EQ(Stand(), nieuw);
    } else {
        EXPECT_EQ(Stand(), oud);
    }
}

INSTANTIATE_TEST_SUITE_P(Installatie, InstallatieGedood, ::testing::Range(-1, 7));

// A new program on trial put back (it did not start), killed after each step
// of that rollback in turn until one runs to its end: the program file is
// complete at every kill, and the next start finishes the rollback.
TEST_F(Gedood, EenGedodeTerugzettingWordtBijDeVolgendeStartAfgemaakt) {
    ASSERT_TRUE(QFile::link(QStringLiteral("info.rtf"), B("huidig")));
    const QStringList oud = Stand();
    for (int moment = 1;; ++moment) {
        ASSERT_LT(moment, 50) << "the rollback does not end";
        const pid_t kind = fork();
        if (kind == 0) {
            if (!Installeer(0, true)) {
                _exit(3);
            }
            TInstallatie::ZetTerug(journaal, {}, [moment](int n) {
                if (n == moment) {
                    ::raise(SIGKILL);
                }
            });
            _exit(0);
        }
        const int einde = Einde(kind);
        ASSERT_TRUE(einde == SIGKILL || einde == 0) << einde;
        SCOPED_TRACE(moment);
        ProgrammaIsHeel();
        EXPECT_EQ(TInstallatie::HerstelOnderbroken(journaal),
                  einde == 0 ? TInstallatie::THerstel::Niets : TInstallatie::THerstel::Teruggezet);
        EXPECT_FALSE(QFileInfo::exists(journaal));
        ASSERT_EQ(Stand(), oud);
        if (einde == 0) {
            break;
        }
    }
}

} // namespace
