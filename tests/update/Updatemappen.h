#pragma once

// What the update tests share without a server: a working folder, an install
// folder holding an old program, a key pair of the tests' own, signed control
// files and releases, and downloads laid out as the engine leaves them.

#include "tests/update/Archiefbouwer.h"
#include "update/Controlebestand.h"
#include "update/Handtekening.h"
#include "update/Updateinstallatie.h"
#include "update/Updateinstellingen.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace rcveltor::test {

struct TStuk {
    QString Naam;
    QByteArray Inhoud;
    update::TSoort Soort = update::TSoort::Archief;
    update::TDoel Doel = update::TDoel::Programma;
    QString Bestand = {};
};

inline QByteArray LeesBestand(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void SchrijfBestand(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(pad));
    }
    f.write(inhoud);
}

class TUpdateMappen {
public:
    static inline const QByteArray kOudProgramma = "#!/bin/sh\n# versie 4.0.1.3\n";

    TUpdateMappen() {
        QDir(map_.path()).mkpath(QStringLiteral("werk"));
        QDir(map_.path()).mkpath(QStringLiteral("programma"));
        Werkmap = map_.filePath(QStringLiteral("werk"));
        Programmamap = map_.filePath(QStringLiteral("programma"));
        Downloadmap = map_.filePath(QStringLiteral("cache/updates"));
        Instellingenbestand = map_.filePath(QStringLiteral("config/RcVeltor.ini"));
        Statusmap = map_.filePath(QStringLiteral("state/RcVeltor"));
        SchrijfBestand(Programmamap + QStringLiteral("/RcVeltor"), kOudProgramma);
        SchrijfBestand(Werkmap + QStringLiteral("/lambda.bin"), "oude tabel");
    }

    update::TUpdateInstellingen Instellingen() const {
        update::TUpdateInstellingen i;
        i.HuidigeVersie = QVersionNumber({4, 0, 1, 3});
        i.PubliekeSleutel = Publiek;
        i.Werkmap = Werkmap;
        i.Downloadmap = Downloadmap;
        i.Instellingenbestand = Instellingenbestand;
        i.Statusmap = Statusmap;
        i.Programmamap = Programmamap;
        i.ProgrammaBestand = Programmamap + QStringLiteral("/RcVeltor");
        i.HerstartArgumenten = {QStringLiteral("--na-update")};
        i.ZoekLimietMs = 2000;
        i.WizardLimietMs = 2000;
        i.StilteLimietMs = 2000;
        return i;
    }

    // A tar.gz in memory.
    QByteArray Archief(const std::vector<TArchiefItem>& items) const {
        const QString pad = map_.filePath(QStringLiteral("archief.tmp"));
        MaakArchief(pad, items);
        const QByteArray inhoud = LeesBestand(pad);
        QFile::remove(pad);
        return inhoud;
    }

    // The control file for versie, its components under /bestanden/.
    update::TControlebestand Controlebestand(const QString& versie,
                                             const QList<TStuk>& stukken) const {
        update::TControlebestand b;
        b.Programma = QStringLiteral("RcVeltor");
        b.Versie = QVersionNumber::fromString(versie);
        b.Datum = QDate(2009, 4, 15);
        b.Tijd = QTime(10, 30);
        b.GeldigTot = GeldigTot;
        b.Ondertekend = Ondertekend;
        b.Nieuw = QStringLiteral("Sneller rekenen.\nNieuwe platen.");
        b.Licentie = QStringLiteral("Gebruik op eigen risico.");
        for (const TStuk& s : stukken) {
            b.Componenten.append(Component(s));
        }
        return b;
    }
    static update::TComponent Component(const TStuk& s) {
        update::TComponent c;
        c.Naam = s.Naam;
        c.Url = QStringLiteral("/bestanden/") + s.Naam;
        c.Grootte = s.Inhoud.size();
        c.Sha256 = QCryptographicHash::hash(s.Inhoud, QCryptographicHash::Sha256);
        c.Soort = s.Soort;
        c.Doel = s.Doel;
        c.Uitgepakt = 1 << 24;
        c.Bestand = s.Bestand;
        return c;
    }

    // b as the server gives it: written and signed, with the tests' key
    // unless another is given.
    QByteArray Getekend(const update::TControlebestand& b, const QByteArray& sleutel = {}) const {
        const QByteArray inhoud = update::SchrijfControlebestand(b);
        return update::VoegHandtekeningToe(
            inhoud, update::OndertekenEd25519(inhoud, sleutel.isEmpty() ? Prive : sleutel));
    }

    // The stukken as the engine leaves them once downloaded and verified.
    QList<update::TGedownload> Gedownload(const QList<TStuk>& stukken) const {
        QDir().mkpath(Downloadmap);
        QList<update::TGedownload> downloads;
        for (const TStuk& s : stukken) {
            const QString pad =
                Downloadmap + QStringLiteral("/%1-%2.upd").arg(downloads.size() + 1).arg(s.Naam);
            SchrijfBestand(pad, s.Inhoud);
            downloads.append({Component(s), pad});
        }
        return downloads;
    }

    // A release: the program (and a help file) as an archive, and a
    // working-folder file on its own.
    QList<TStuk> Uitgave(const QByteArray& programma) const {
        return {
            {QStringLiteral("RcVeltor-4.0.1.4.tar.gz"),
             Archief({{"RcVeltor", programma, TArchiefItem::Bestand, {}, 0755},
                      {"hulp/lees-mij.txt", "nieuw"}}),
             update::TSoort::Archief, update::TDoel::Programma},
            {QStringLiteral("lambda.bin"), "nieuwe tabel", update::TSoort::Bestand,
             update::TDoel::Werkmap, QStringLiteral("lambda.bin")},
        };
    }

    // The install folder and the working folder's own files, with contents.
    QStringList Stand() const {
        QStringList stand;
        for (const QString& map : {Programmamap, Werkmap}) {
            for (const QFileInfo& f : QDir(map).entryInfoList(
                     QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
                if (f.fileName() == QLatin1String("WUPDATE.LOG")) {
                    continue;
                }
                stand << f.fileName() + QLatin1Char('=') +
                             QString::fromLatin1(LeesBestand(f.filePath()).toHex().left(64));
            }
        }
        stand.sort();
        return stand;
    }
    QString Log() const { return QString::fromUtf8(LeesBestand(Instellingen().LogPad())); }

    QByteArray Prive = update::NieuweEd25519Sleutel();
    QByteArray Publiek = update::PubliekeEd25519Sleutel(Prive);
    QString Werkmap;
    QString Programmamap;
    QString Downloadmap; // made by the engine
    QString Instellingenbestand;
    QString Statusmap;
    QDate GeldigTot = QDate::currentDate().addDays(30); // of what Controlebestand makes
    QDate Ondertekend = QDate::currentDate();

private:
    QTemporaryDir map_;
};

} // namespace rcveltor::test
