// Installation as one transaction: replaced files come back and new ones go
// when any step fails, and when the process is killed at any step.

#include "Installatie.h"
#include "QtPrint.h"

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

// Killed during the staging (-1), after each rename of the swap (1 to 6), or
// not at all (0): the next start finds the complete old set or, unkilled,
// the complete new one, and nothing left over.
class InstallatieGedood : public Installatie, public ::testing::WithParamInterface<int> {};

TEST_P(InstallatieGedood, DeVolgendeStartVindtHetOudeOfHetNieuweGeheel) {
    const int moment = GetParam();
    ASSERT_TRUE(QFile::link(QStringLiteral("info.rtf"), B("huidig")));
    const QString journaal = tmp.filePath(QStringLiteral("installatie.journaal"));
    const QStringList oud = Stand();
    const pid_t kind = fork();
    if (kind == 0) {
        TInstallatie inst({}, journaal);
        inst.NaHernoemen = [moment](int n) {
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
                _exit(2);
            }
            if (++geplaatst == 3 && moment < 0) {
                ::raise(SIGKILL);
            }
        }
        _exit(inst.Bevestig(&fout) ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    if (moment == 0) {
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    } else {
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
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

} // namespace
