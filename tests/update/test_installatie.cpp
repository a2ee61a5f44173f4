// Installation as one transaction: replaced files come back and new ones go
// when any step fails, and when the process is killed at any step.

#include "tests/update/Kindproces.h"
#include "tests/update/QtPrint.h"
#include "update/Installatie.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rcveltor::update;
using rcveltor::test::TEinde;

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
#ifndef _WIN32 // Windows knows a program by its name's extension, not by a mark
    EXPECT_TRUE(QFileInfo(D("RcVeltor")).isExecutable());
#endif
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

#ifndef _WIN32 // a symbolic link needs a privilege on Windows; an update has none there
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
#endif

// Killed during the staging (-1), after each step of the swap (1 to 6), or
// not at all (0): at the kill the program file is complete, and the next
// start finds the complete old set or, unkilled, the complete new one, and
// nothing left over. The installation runs in a process of its own
// (rcvinstalleer), which kills itself.
class Gedood : public Installatie {
protected:
    QString journaal = tmp.filePath(QStringLiteral("installatie.journaal"));

    void SetUp() override {
        Installatie::SetUp();
#ifndef _WIN32 // a symbolic link needs a privilege on Windows
        ASSERT_TRUE(QFile::link(QStringLiteral("info.rtf"), B("huidig")));
#endif
    }
    // Stages the set, then swaps it (on trial when proef); killed after step
    // moment of the swap, or in the staging when moment is negative; with
    // terug above 0, put back after and killed after that step of it.
    TEinde Installeer(int moment, bool proef, int terug = 0) const {
        QStringList argumenten = {journaal, QString::number(moment), QString::number(proef ? 1 : 0),
                                  QString::number(terug)};
        for (const auto& [b, d] : {std::pair{"RcVeltor", "RcVeltor"},
                                   {"info.rtf", "info.rtf"},
                                   {"info.rtf", "data/nieuw/info.rtf"},
                                   {"huidig", "huidig"}}) {
            if (QFileInfo::exists(B(b))) {
                argumenten << B(b) << D(d);
            }
        }
        return rcveltor::test::Installeer(argumenten);
    }
    // The program that starts next must be whole, old or new. On Windows,
    // which renames a program aside because it may be running, a kill
    // between that rename and the next leaves it whole under its old name
    // alone, where the next start takes it back from.
    void ProgrammaIsHeel() const {
        QByteArray programma = Lees(D("RcVeltor"));
#ifdef _WIN32
        if (programma == "<missing>") {
            programma = Lees(D("RcVeltor.rcvoud"));
        }
#endif
        EXPECT_TRUE(programma == "oud programma" || programma == "nieuw programma")
            << programma.constData();
    }
    QStringList NieuweStand() const {
        QStringList nieuw = {QStringLiteral("RcVeltor=nieuw programma"),
                             QStringLiteral("data=<map>"), QStringLiteral("data/nieuw=<map>"),
                             QStringLiteral("data/nieuw/info.rtf=nieuwe info"),
                             QStringLiteral("info.rtf=nieuwe info")};
        if (QFileInfo::exists(B("huidig"))) {
            nieuw << QStringLiteral("huidig=nieuwe info");
        }
        nieuw.sort();
        return nieuw;
    }
};

class InstallatieGedood : public Gedood, public ::testing::WithParamInterface<int> {};

TEST_P(InstallatieGedood, DeVolgendeStartVindtHetOudeOfHetNieuweGeheel) {
    const int moment = GetParam();
    const QStringList oud = Stand();
    ASSERT_EQ(Installeer(moment, false), moment == 0 ? TEinde::Klaar : TEinde::Gedood);
    ProgrammaIsHeel();
    EXPECT_EQ(TInstallatie::HerstelOnderbroken(journaal),
              moment == 0 ? TInstallatie::THerstel::Niets : TInstallatie::THerstel::Teruggezet);
    EXPECT_FALSE(QFileInfo::exists(journaal));
    EXPECT_EQ(Stand(), moment == 0 ? NieuweStand() : oud);
}

// Two steps for each file that is replaced, one for each new one; on
// Windows the set has no link.
#ifdef _WIN32
constexpr int kStappen = 5;
#else
constexpr int kStappen = 6;
#endif
INSTANTIATE_TEST_SUITE_P(Installatie, InstallatieGedood, ::testing::Range(-1, kStappen + 1));

// A new program on trial put back (it did not start), killed after each step
// of that rollback in turn until one runs to its end: the program file is
// complete at every kill, and the next start finishes the rollback.
TEST_F(Gedood, EenGedodeTerugzettingWordtBijDeVolgendeStartAfgemaakt) {
    const QStringList oud = Stand();
    for (int moment = 1;; ++moment) {
        ASSERT_LT(moment, 50) << "the rollback does not end";
        const TEinde einde = Installeer(0, true, moment);
        ASSERT_NE(einde, TEinde::Anders);
        SCOPED_TRACE(moment);
        ProgrammaIsHeel();
        EXPECT_EQ(TInstallatie::HerstelOnderbroken(journaal),
                  einde == TEinde::Klaar ? TInstallatie::THerstel::Niets
                                         : TInstallatie::THerstel::Teruggezet);
        EXPECT_FALSE(QFileInfo::exists(journaal));
        ASSERT_EQ(Stand(), oud);
        if (einde == TEinde::Klaar) {
            break;
        }
    }
}

// A program that runs is replaced, or put back, in its place, and the file
// it runs from goes at the next start. Windows refuses to remove or replace
// a running program but lets it be renamed.
TEST_F(Gedood, EenLopendProgrammaWordtVervangenOfTeruggezetEnVerdwijntBijDeVolgendeStart) {
    const QByteArray stub = Lees(QStringLiteral(RCV_STUB_HANGT));
    const QString lopend = D("lopend.exe");
    for (const bool nieuwLoopt : {false, true}) {
        SCOPED_TRACE(nieuwLoopt ? "the new program runs while it is put back"
                                : "the old program runs while it is replaced");
        Schrijf(lopend, nieuwLoopt ? QByteArray("oud programma") : stub);
        Schrijf(B("lopend"), nieuwLoopt ? stub : QByteArray("nieuw programma"));
        QFile::setPermissions(nieuwLoopt ? B("lopend") : lopend,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess programma;
        const auto start = [&] {
            programma.start(lopend, {QStringLiteral("--zelftest")}); // never ends
            return programma.waitForStarted(20000);
        };
        QString fout;
        {
            TInstallatie inst({}, journaal);
            ASSERT_TRUE(nieuwLoopt || start());
            ASSERT_TRUE(inst.Plaats(B("lopend"), lopend, &fout)) << fout.toStdString();
            ASSERT_TRUE(inst.Bevestig(&fout, nieuwLoopt)) << fout.toStdString();
        }
        if (nieuwLoopt) {
            ASSERT_TRUE(start());
            EXPECT_TRUE(TInstallatie::ZetTerug(journaal));
        }
        EXPECT_EQ(programma.state(), QProcess::Running);
        EXPECT_EQ(Lees(lopend), nieuwLoopt ? "oud programma" : "nieuw programma");
        programma.kill();
        programma.waitForFinished();
        EXPECT_EQ(TInstallatie::HerstelOnderbroken(journaal), TInstallatie::THerstel::Niets);
        EXPECT_EQ(QDir(doel).entryList({QStringLiteral("lopend.exe*")}),
                  QStringList{QStringLiteral("lopend.exe")});
        EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("installatie.*")}), QStringList());
    }
}

} // namespace
