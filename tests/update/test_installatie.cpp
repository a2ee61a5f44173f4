// Installation as one transaction: replaced files come back and new ones go
// when any step fails.

#include "Installatie.h"
#include "QtPrint.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        inst.Bevestig();
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
        EXPECT_EQ(Lees(D("RcVeltor")), "nieuw programma");
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
    inst.Bevestig();
    EXPECT_EQ(QFileInfo(D("huidig")).symLinkTarget(), D("info.rtf"));
    EXPECT_FALSE(QFileInfo::exists(D("RcVeltor.rcvoud")));
}

} // namespace
