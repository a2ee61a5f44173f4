// An update's installation from verified downloads: all or nothing, a new
// program that cannot start is never swapped in, and a kill part-way is
// undone at the next start.

#include "tests/update/Kindproces.h"
#include "tests/update/QtPrint.h"
#include "tests/update/Updatemappen.h"
#include "update/Updateinstallatie.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace rcveltor::update;
using namespace rcveltor::test;

namespace {

QByteArray Stub(const char* pad = RCV_STUB) {
    return LeesBestand(QString::fromLocal8Bit(pad));
}

TUpdateInstallatie Installatie(const TUpdateMappen& m, const TUpdateInstellingen& instellingen,
                               const QList<TStuk>& stukken) {
    return TUpdateInstallatie(instellingen, TUpdateLog(instellingen.LogPad()),
                              m.Gedownload(stukken), QVersionNumber({4, 0, 1, 4}));
}

TEST(Updateinstallatie, AllOrNothingAndTheReasonBeforeTheRollback) {
    struct TGeval {
        const char* naam;
        std::function<QList<TStuk>(TUpdateMappen&)> uitgave; // may prepare the folders
        int zelftestLimietMs;
        QByteArray programma;         // installed afterwards; empty: the old one stays
        std::vector<const char*> log; // in this order
    };
    const auto uitgave = [](const QByteArray& programma) {
        return [programma](TUpdateMappen& m) { return m.Uitgave(programma); };
    };
    const TGeval gevallen[] = {
        {"a program that starts",
         uitgave(Stub()),
         20000,
         Stub(),
         {"The new program passed its self-check", "Version 4.0.1.4 installed"}},
#ifndef _WIN32 // the words are those of Linux's loader
        {"a library missing",
         uitgave(Stub(RCV_STUB_ZONDER_BIEB)),
         20000,
         {},
         {"The new program does not start", "error while loading shared libraries",
          "Update not installed"}},
#endif
        {"never ends",
         uitgave(Stub(RCV_STUB_HANGT)),
         1000,
         {},
         {"did not end within 1000 ms", "Update not installed"}},
        {"not a program",
         uitgave("geen programma\n"),
         20000,
         {},
         {"The new program does not start", "Update not installed"}},
        {"an archive with a way out",
         [](TUpdateMappen& m) {
             QList<TStuk> u = m.Uitgave(Stub());
             u[0].Inhoud = m.Archief(
                 {{"RcVeltor", Stub(), TArchiefItem::Bestand, {}, 0755}, {"../ontsnapt", "x"}});
             return u;
         },
         20000,
         {},
         {"unsafe path refused: ../ontsnapt", "Update not installed"}},
        // The working folder's "hulp" is a file: the archive's hulp/ cannot go there.
        {"a target that cannot be made",
         [](TUpdateMappen& m) {
             SchrijfBestand(m.Werkmap + QStringLiteral("/hulp"), "in de weg");
             QList<TStuk> u = m.Uitgave(Stub());
             u.append({QStringLiteral("hulp.tar.gz"), m.Archief({{"hulp/x.txt", "x"}}),
                       TSoort::Archief, TDoel::Werkmap});
             return u;
         },
         20000,
         {},
         {"cannot create", "Rollback: removed", "Update not installed"}},
    };
    for (const TGeval& g : gevallen) {
        TUpdateMappen m;
        const QList<TStuk> stukken = g.uitgave(m);
        const QStringList voor = m.Stand();
        TUpdateInstellingen instellingen = m.Instellingen();
        instellingen.ZelftestLimietMs = g.zelftestLimietMs;
        EXPECT_EQ(Installatie(m, instellingen, stukken).Installeer(), !g.programma.isEmpty())
            << g.naam;
        const QString log = m.Log();
        qsizetype na = 0;
        for (const char* regel : g.log) {
            const qsizetype waar = log.indexOf(QLatin1String(regel), na);
            EXPECT_GE(waar, na) << g.naam << ": " << regel << " in " << log.toStdString();
            na = std::max(waar, na);
        }
        EXPECT_EQ(LeesBestand(m.Programmamap + QStringLiteral("/RcVeltor")),
                  g.programma.isEmpty() ? TUpdateMappen::kOudProgramma : g.programma)
            << g.naam;
        if (g.programma.isEmpty()) {
            EXPECT_EQ(m.Stand(), voor) << g.naam;
            EXPECT_EQ(log.count(QLatin1String("Update not installed")), 1) << g.naam;
        }
        EXPECT_FALSE(
            QFileInfo::exists(QFileInfo(m.Programmamap).dir().filePath(QStringLiteral("ontsnapt"))))
            << g.naam;
        // The self-check only starts and ends: the program noted no start.
        EXPECT_FALSE(QFileInfo::exists(m.Programmamap + QStringLiteral("/herstart.txt"))) << g.naam;
    }
}

// What is installed is what was checked: a download changed since, or an
// installation cancelled before it began, installs nothing.
TEST(Updateinstallatie, AChangedDownloadOrACancelInstallsNothing) {
    for (const bool geannuleerd : {false, true}) {
        TUpdateMappen m;
        const QStringList voor = m.Stand();
        const TUpdateInstellingen instellingen = m.Instellingen();
        TUpdateInstallatie installatie = Installatie(m, instellingen, m.Uitgave(Stub()));
        if (geannuleerd) {
            EXPECT_TRUE(installatie.Annuleer());
        } else {
            SchrijfBestand(m.Downloadmap + QStringLiteral("/2-lambda.bin.upd"), "andere tabel");
        }
        EXPECT_FALSE(installatie.Installeer());
        EXPECT_EQ(m.Stand(), voor);
        const QString log = m.Log();
        EXPECT_TRUE(log.contains(geannuleerd ? QLatin1String("Installation cancelled")
                                             : QLatin1String("changed after its download")))
            << log.toStdString();
        EXPECT_EQ(log.count(QLatin1String("Update not installed")), 1);
    }
}

// Killed after the second step of its swap: the next start puts the old
// program back and leaves no staged file or folder behind.
TEST(Updateinstallatie, AnInstallationKilledPartWayIsRolledBackAtTheNextStart) {
    TUpdateMappen m;
    const QStringList voor = m.Stand();
    const TUpdateInstellingen instellingen = m.Instellingen();
    const QList<TStuk> uitgave = m.Uitgave(Stub());
    // The child reads the components from a control file, beside their downloads.
    const QString controle = m.Werkmap + QStringLiteral("/../controle.inf");
    SchrijfBestand(controle,
                   SchrijfControlebestand(m.Controlebestand(QStringLiteral("4.0.1.4"), uitgave)));
    QStringList argumenten = {QStringLiteral("update"), controle,      m.Werkmap,
                              m.Programmamap,           m.Downloadmap, QStringLiteral("2")};
    for (const TGedownload& d : m.Gedownload(uitgave)) {
        argumenten << d.Pad;
    }
    ASSERT_EQ(Installeer(argumenten), TEinde::Gedood);
    EXPECT_NE(m.Stand(), voor);
    EXPECT_EQ(HerstelOnderbrokenUpdate(instellingen), TInstallatie::THerstel::Teruggezet);
    EXPECT_EQ(m.Stand(), voor);
    EXPECT_EQ(QDir(m.Downloadmap).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    EXPECT_FALSE(QFileInfo::exists(instellingen.JournaalPad()));
    EXPECT_TRUE(
        m.Log().contains(QLatin1String("Rolling back an installation that was interrupted")))
        << m.Log().toStdString();
    // Nothing to do at the start after that.
    EXPECT_EQ(HerstelOnderbrokenUpdate(instellingen), TInstallatie::THerstel::Niets);
}

} // namespace
