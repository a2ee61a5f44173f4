// Extraction: what a sound archive gives, and every way out of the target
// folder refused.

#include "tests/update/Archiefbouwer.h"
#include "tests/update/QtPrint.h"
#include "update/Uitpakken.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace rcveltor::update;
using rcveltor::test::MaakArchief;
using rcveltor::test::TArchiefFormaat;
using rcveltor::test::TArchiefItem;

namespace {

using T = TArchiefItem;

class Uitpakken : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString archief = tmp.filePath(QStringLiteral("a.tar.gz"));
    // The target lies one level down, so an escape upwards lands in tmp.
    QString doel = tmp.filePath(QStringLiteral("doel"));
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(doel)); }

    QStringList AllesIn(const QString& map) const {
        QStringList namen;
        QDirIterator it(map, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            namen << QDir(map).relativeFilePath(it.next());
        }
        namen.sort();
        return namen;
    }
};

QByteArray Lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST_F(Uitpakken, SoundArchiveGivesFilesFoldersLinksAndModes) {
    for (const auto formaat : {TArchiefFormaat::TarGz, TArchiefFormaat::Zip}) {
        SCOPED_TRACE(formaat == TArchiefFormaat::TarGz ? "tar.gz" : "zip");
        QTemporaryDir map;
        const QString a = map.filePath(QStringLiteral("a"));
        std::vector<T> items = {
            {"./", {}, T::Map},          {"./RcVeltor", "#!/bin/sh\n", T::Bestand, {}, 0755},
            {"data/", {}, T::Map},       {"data/info.rtf", "{\\rtf1 x}", T::Bestand, {}, 0644},
            {"diep/en/dieper.txt", "d"}, {"data/huidig", {}, T::Link, "info.rtf"},
        };
        if (formaat == TArchiefFormaat::TarGz) {
            items.push_back({"kopie.rtf", {}, T::HardeLink, "data/info.rtf"});
        }
        MaakArchief(a, items, formaat);
        const QString uit = map.filePath(QStringLiteral("uit"));
        QDir().mkdir(uit);
        const TUitpakResultaat r = PakUit(a, uit, 1000);
        ASSERT_TRUE(r.Gelukt) << r.Fout.toStdString();
        EXPECT_EQ(Lees(uit + QStringLiteral("/RcVeltor")), "#!/bin/sh\n");
        EXPECT_TRUE(QFileInfo(uit + QStringLiteral("/RcVeltor")).isExecutable());
        EXPECT_EQ(Lees(uit + QStringLiteral("/data/huidig")), "{\\rtf1 x}");
        EXPECT_TRUE(QFileInfo(uit + QStringLiteral("/data/huidig")).isSymLink());
        QStringList paden = r.Paden;
        paden.sort();
        QStringList verwacht = {QStringLiteral("RcVeltor"), QStringLiteral("data/huidig"),
                                QStringLiteral("data/info.rtf"),
                                QStringLiteral("diep/en/dieper.txt")};
        if (formaat == TArchiefFormaat::TarGz) {
            verwacht << QStringLiteral("kopie.rtf");
            EXPECT_FALSE(QFileInfo(uit + QStringLiteral("/kopie.rtf")).isSymLink());
            EXPECT_EQ(Lees(uit + QStringLiteral("/kopie.rtf")), "{\\rtf1 x}");
        }
        verwacht.sort();
        EXPECT_EQ(paden, verwacht);
    }
}

TEST_F(Uitpakken, SetuidAndWorldWritableBitsAreDropped) {
    MaakArchief(archief, {{"x", "x", T::Bestand, {}, 06777}});
    ASSERT_TRUE(PakUit(archief, doel, 10).Gelukt);
    struct stat s {};
    ASSERT_EQ(::stat(QFile::encodeName(doel + QStringLiteral("/x")).constData(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0755u);
}

TEST_F(Uitpakken, RefusesEveryWayOut) {
    struct TGeval {
        const char* naam;
        std::vector<T> items;
        const char* fout;
    };
    const TGeval gevallen[] = {
        {"parent", {{"../ontsnapt", "x"}}, "unsafe path"},
        {"parent deeper", {{"a/../../ontsnapt", "x"}}, "unsafe path"},
        {"absolute", {{"/tmp/rcv-ontsnapt", "x"}}, "unsafe path"},
        {"link to an absolute path", {{"l", {}, T::Link, "/etc"}}, "pointing outside"},
        {"link upwards", {{"l", {}, T::Link, "../ontsnapt"}}, "pointing outside"},
        {"link to the folder itself, then through it",
         {{"l", {}, T::Link, "sub"}, {"sub/", {}, T::Map}, {"l/x", "x"}},
         "through a link"},
        {"file over a link",
         {{"sub/", {}, T::Map}, {"l", {}, T::Link, "sub"}, {"l", "x"}},
         "cannot create"},
        {"the same name twice", {{"a", "1"}, {"a", "2"}}, "cannot create"},
        {"hard link to something not extracted",
         {{"h", {}, T::HardeLink, "/etc/passwd"}},
         "hard link"},
        {"more than announced in all",
         {{"a", QByteArray(6, 'a')}, {"b", QByteArray(6, 'b')}},
         "larger than announced"},
        {"more than announced through hard links",
         {{"a", QByteArray(6, 'a')}, {"h", {}, T::HardeLink, "a"}},
         "larger than announced"},
        {"a device name of Windows", {{"map/aux.txt", "x"}}, "unsafe path"},
        {"a name ending in a dot", {{"punt.", "x"}}, "unsafe path"},
        {"a colon in a name", {{"a:b", "x"}}, "unsafe path"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        QTemporaryDir map;
        const QString a = map.filePath(QStringLiteral("a.tar.gz"));
        const QString uit = map.filePath(QStringLiteral("uit"));
        QDir().mkdir(uit);
        MaakArchief(a, g.items);
        const TUitpakResultaat r = PakUit(a, uit, 10);
        EXPECT_FALSE(r.Gelukt);
        EXPECT_TRUE(r.Fout.contains(QLatin1String(g.fout))) << r.Fout.toStdString();
        // Nothing beside the archive and the target folder.
        const QStringList naast =
            QDir(map.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        EXPECT_EQ(naast, QStringList({QStringLiteral("a.tar.gz"), QStringLiteral("uit")}));
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/rcv-ontsnapt")));
}

TEST_F(Uitpakken, ZipWithParentPathRefused) {
    const QString zip = tmp.filePath(QStringLiteral("a.zip"));
    MaakArchief(zip, {{"goed.txt", "g"}, {"../ontsnapt.txt", "x"}}, TArchiefFormaat::Zip);
    const TUitpakResultaat r = PakUit(zip, doel, 100);
    EXPECT_FALSE(r.Gelukt);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("ontsnapt.txt"))));
}

TEST_F(Uitpakken, WhatIsNotAnArchiveFailsCleanly) {
    for (const QByteArray& inhoud :
         {QByteArray("gewone tekst, geen archief"), QByteArray(), QByteArray(512, '\0')}) {
        QFile f(archief);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
        f.close();
        const TUitpakResultaat r = PakUit(archief, doel, 100);
        EXPECT_FALSE(r.Gelukt && !r.Paden.isEmpty());
        EXPECT_TRUE(AllesIn(doel).isEmpty());
    }
    EXPECT_FALSE(PakUit(tmp.filePath(QStringLiteral("bestaat-niet")), doel, 100).Gelukt);
}

TEST_F(Uitpakken, ContentSizeForTheSigningTool) {
    MaakArchief(archief, {{"a", QByteArray(300, 'a')},
                          {"m/", {}, T::Map},
                          {"m/b", "bb"},
                          {"l", {}, T::Link, "a"},
                          {"h", {}, T::HardeLink, "a"}});
    QString fout;
    EXPECT_EQ(InhoudGrootte(archief, &fout), 602);
}

} // namespace
