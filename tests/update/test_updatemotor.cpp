// The update engine against a server of the test's own on 127.0.0.1: the
// check, its time limits, downloads checked against the signed file, and the
// installation and restart of a stub program in a temporary install folder.

#include "app/update/Ophalen.h"
#include "app/update/Updatemotor.h"
#include "tests/update/Updateopstelling.h"

#include <QNetworkAccessManager>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace rcveltor::update;
using namespace rcveltor::test;

Q_DECLARE_METATYPE(std::function<void(TUpdateOpstelling&)>)
Q_DECLARE_METATYPE(TTestserver::TAntwoord)
Q_DECLARE_METATYPE(THerstart)

namespace {

using TVoorbereiding = std::function<void(TUpdateOpstelling&)>;

QByteArray Stub() {
    return LeesBestand(QStringLiteral(RCV_STUB));
}

QList<TStuk> Uitgave(TUpdateOpstelling& o) {
    return o.Uitgave(Stub());
}

// In a folder of its own beside the test's folders.
QString Slachtoffer(const TUpdateOpstelling& o) {
    const QString map = QFileInfo(o.Werkmap).absolutePath() + QStringLiteral("/ander");
    QDir().mkpath(map);
    return map + QStringLiteral("/slachtoffer");
}

bool Download(TUpdateMotor& motor, const QList<int>& keuze) {
    QSignalSpy klaar(&motor, &TUpdateMotor::Gedownload);
    motor.StartDownload(keuze);
    if (klaar.isEmpty() && !klaar.wait(10000)) {
        return false;
    }
    return klaar.first().first().toBool();
}

} // namespace

class TestUpdatemotor : public QObject {
    Q_OBJECT

private slots:
    void onlyHttpsOrThisMachineIsAllowed_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("toegestaan");
        QTest::newRow("https") << "https://update.example.com/veltor/Rc/Rc.INF" << true;
        QTest::newRow("http loopback v4") << "http://127.0.0.1:8080/Rc.INF" << true;
        QTest::newRow("http loopback 127/8") << "http://127.1.2.3/Rc.INF" << true;
        QTest::newRow("http loopback v6") << "http://[::1]:8080/Rc.INF" << true;
        QTest::newRow("http localhost") << "http://localhost/Rc.INF" << true;
        QTest::newRow("http elsewhere") << "http://update.example.com/Rc.INF" << false;
        QTest::newRow("http private address") << "http://192.168.1.1/Rc.INF" << false;
        QTest::newRow("http name like loopback") << "http://127.0.0.1.example.com/" << false;
        QTest::newRow("ftp") << "ftp://update.example.com/Rc.INF" << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("relative") << "/veltor/Rc/Rc.INF" << false;
    }
    void onlyHttpsOrThisMachineIsAllowed() {
        QFETCH(QString, url);
        QFETCH(bool, toegestaan);
        QCOMPARE(IsToegestaneUrl(QUrl(url)), toegestaan);
    }

    // The engine applies the trust decision to what the server returns; the
    // decision's own cases are in test_updatecontrole.cpp.
    void zoekNieuweVersieAnswersYesOnlyForATrustworthyNewerVersion_data() {
        QTest::addColumn<TVoorbereiding>("voorbereiding");
        QTest::addColumn<bool>("nieuwer");
        QTest::addColumn<QString>("log");
        QTest::newRow("newer") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Publiceer(QStringLiteral("4.0.1.4"), {});
        }) << true << "version 4.0.1.4 is available";
        QTest::newRow("signed with another key") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Publiceer(QStringLiteral("4.0.1.4"), {}, NieuweEd25519Sleutel());
        }) << false << "signature does not match";
        QTest::newRow("no control file on the server")
            << TVoorbereiding([](TUpdateOpstelling&) {}) << false << "HTTP status 404";
        QTest::newRow("far too large") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Server.Zet(QStringLiteral("/veltor/Rc/Rc.INF"),
                         {200, QByteArray(3 << 20, ';'), false, true});
        }) << false << "more than 1048576 bytes";
    }
    void zoekNieuweVersieAnswersYesOnlyForATrustworthyNewerVersion() {
        QFETCH(TVoorbereiding, voorbereiding);
        QFETCH(bool, nieuwer);
        QFETCH(QString, log);
        TUpdateOpstelling o;
        voorbereiding(o);
        const QStringList voor = o.Stand();
        TUpdateMotor motor(o.Instellingen());
        QCOMPARE(ZoekNieuweVersie(motor), nieuwer);
        QCOMPARE(o.Server.Verzoeken, QStringList{QStringLiteral("/veltor/Rc/Rc.INF")});
        QCOMPARE(o.Server.Agenten, QStringList{QStringLiteral("VeltorUpdate/1.0")});
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
        // A trustworthy file's version is remembered, never a lower one.
        if (nieuwer) {
            QCOMPARE(QSettings(o.Instellingenbestand, QSettings::IniFormat)
                         .value(QStringLiteral("Update/HoogsteVersie"))
                         .toString(),
                     motor.LaatsteControle().Bestand->Versie.toString());
        }
        // The check downloads and installs nothing.
        QCOMPARE(o.Stand(), voor);
    }

    void aRedirectIsRefusedWhereNoRequestMayGo_data() {
        QTest::addColumn<QString>("van");
        QTest::addColumn<QString>("naar");
        QTest::addColumn<QString>("weigering");
        QTest::newRow("https to https") << "https://a.example.com/x"
                                        << "https://b.example.com/y"
                                        << "";
        QTest::newRow("loopback http to https") << "http://127.0.0.1/x"
                                                << "https://b.example.com/y"
                                                << "";
        QTest::newRow("https down to loopback http") << "https://a.example.com/x"
                                                     << "http://127.0.0.1/y"
                                                     << "leaves HTTPS";
        QTest::newRow("to http elsewhere") << "http://127.0.0.1/x"
                                           << "http://b.example.com/y"
                                           << "neither HTTPS";
        QTest::newRow("to a file") << "https://a.example.com/x"
                                   << "file:///etc/passwd"
                                   << "neither HTTPS";
    }
    void aRedirectIsRefusedWhereNoRequestMayGo() {
        QFETCH(QString, van);
        QFETCH(QString, naar);
        QFETCH(QString, weigering);
        const QString uit = RedirectWeigering(QUrl(van), QUrl(naar));
        QCOMPARE(uit.isEmpty(), weigering.isEmpty());
        QVERIFY2(uit.contains(weigering), qPrintable(uit));
    }

    // A chain of redirects from the control file's address, to the file or to
    // eind; Qt's own following failed on most chains of two and more.
    void redirectsAreFollowedUpToFiveWhereARequestMayGo_data() {
        QTest::addColumn<int>("stappen");
        QTest::addColumn<bool>("houdVerbinding");
        QTest::addColumn<QByteArray>("eind");
        QTest::addColumn<int>("verzoeken");
        QTest::addColumn<QString>("log");
        const QString gelukt = QStringLiteral("version 4.0.1.4 is available");
        QTest::newRow("two, connections closed") << 2 << false << QByteArray() << 3 << gelukt;
        QTest::newRow("two, connections kept") << 2 << true << QByteArray() << 3 << gelukt;
        QTest::newRow("five, connections closed") << 5 << false << QByteArray() << 6 << gelukt;
        QTest::newRow("five, connections kept") << 5 << true << QByteArray() << 6 << gelukt;
        QTest::newRow("six") << 6 << true << QByteArray() << 6
                             << QStringLiteral("more than 5 redirects");
        QTest::newRow("back to the start") << 2 << false << QByteArray("/veltor/Rc/Rc.INF") << 2
                                           << QStringLiteral("redirect loop");
        QTest::newRow("to ftp") << 1 << false << QByteArray("ftp://127.0.0.1/Rc.INF") << 1
                                << QStringLiteral("redirect refused");
    }
    void redirectsAreFollowedUpToFiveWhereARequestMayGo() {
        QFETCH(int, stappen);
        QFETCH(bool, houdVerbinding);
        QFETCH(QByteArray, eind);
        QFETCH(int, verzoeken);
        QFETCH(QString, log);
        TUpdateOpstelling o;
        o.Server.HoudVerbinding = houdVerbinding;
        const QByteArray inhoud =
            SchrijfControlebestand(o.Publiceer(QStringLiteral("4.0.1.4"), {}));
        o.Server.Zet(
            QStringLiteral("/elders/Rc.INF"),
            {200, VoegHandtekeningToe(inhoud, OndertekenEd25519(inhoud, o.Prive)), false, false});
        QString van = QStringLiteral("/veltor/Rc/Rc.INF");
        for (int i = 1; i <= stappen; ++i) {
            const QByteArray naar = i < stappen      ? "/stap" + QByteArray::number(i)
                                    : eind.isEmpty() ? QByteArray("/elders/Rc.INF")
                                                     : eind;
            o.Server.Verwijs(van, naar);
            van = QString::fromLatin1(naar);
        }
        TUpdateMotor motor(o.Instellingen());
        QCOMPARE(ZoekNieuweVersie(motor), log == QLatin1String("version 4.0.1.4 is available"));
        QCOMPARE(o.Server.Verzoeken.size(), verzoeken);
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
    }

    void aDownloadIsStoppedWhenItTakesTooLongInAll() {
        TUpdateOpstelling o;
        QList<TStuk> uitgave = Uitgave(o);
        uitgave[1].Inhoud = QByteArray(2000, 't');
        o.Publiceer(QStringLiteral("4.0.1.4"), uitgave);
        // Never silent for long, but 200 pieces 20 ms apart take four seconds.
        o.Server.Zet(QStringLiteral("/bestanden/lambda.bin"),
                     {200, uitgave[1].Inhoud, false, false, 20});
        TUpdateMotor motor(o.Instellingen());
        motor.Instellingen().DownloadBasisMs = 500;
        motor.Instellingen().DownloadBytesPerSeconde = 1 << 30;
        QVERIFY(ZoekNieuweVersie(motor));
        // Without the limit the trickle would end well in four seconds; the
        // log says that the limit ended it.
        QVERIFY(!Download(motor, {0, 1}));
        QVERIFY2(o.Log().contains(QLatin1String("not done within 500 ms")), qPrintable(o.Log()));
    }

    void aFullDiskIsLoggedAsSuch() {
        TUpdateOpstelling o;
        o.Server.Zet(QStringLiteral("/groot"), {200, QByteArray(100000, 'g'), false, false});
        QFile vol(QStringLiteral("/dev/full"));
        QVERIFY(vol.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QNetworkAccessManager netwerk;
        TOphaler ophaler(netwerk, QStringLiteral("test"));
        QSignalSpy klaar(&ophaler, &TOphaler::Klaar);
        QUrl url = o.Server.Adres();
        url.setPath(QStringLiteral("/groot"));
        ophaler.Start(url, {2000, 0, 200000}, &vol);
        QVERIFY(klaar.wait(5000));
        QCOMPARE(ophaler.Status(), TOphaalStatus::Schrijffout);
        QCOMPARE(ophaler.Fout(), QStringLiteral("Er is onvoldoende schijfruimte"));
    }

    void aServerThatIsDownAnswersNoAtOnce() {
        TUpdateOpstelling o;
        o.Server.Stop();
        TUpdateMotor motor(o.Instellingen());
        QVERIFY(!ZoekNieuweVersie(motor));
        // Ended by the refusal, in one attempt, not by the limit of 2000 ms.
        QCOMPARE(motor.LaatsteControle().Uitkomst, TControleUitkomst::Onbereikbaar);
        QCOMPARE(motor.LaatsteControle().Reden,
                 QStringLiteral("cannot read the control file: Connection refused"));
        QCOMPARE(o.Log().count(QLatin1String("Checking ")), 1);
        QVERIFY2(o.Log().contains(QLatin1String("cannot read the control file")),
                 qPrintable(o.Log()));
    }

    void aSilentServerAnswersNoWhenTheLimitIsReached() {
        TUpdateOpstelling o;
        o.Server.Zet(QStringLiteral("/veltor/Rc/Rc.INF"), {200, {}, true, false});
        TUpdateMotor motor(o.Instellingen());
        motor.Instellingen().ZoekLimietMs = 300;
        QVERIFY(!ZoekNieuweVersie(motor));
        // The check's own limit ended it, not the silence limit of 2000 ms.
        QCOMPARE(motor.LaatsteControle().Uitkomst, TControleUitkomst::Onbereikbaar);
        const QString reden = motor.LaatsteControle().Reden;
        QVERIFY2(reden.endsWith(QLatin1String("no data for 300 ms")) ||
                     reden.endsWith(QLatin1String("not done within 300 ms")),
                 qPrintable(reden));
        QCOMPARE(o.Server.Verzoeken.size(), 1);
        QVERIFY2(o.Log().contains(reden), qPrintable(o.Log()));
    }

    void aNewerVersionIsDownloadedInstalledAndRestarted() {
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), Uitgave(o));
        TUpdateMotor motor(o.Instellingen());
        int afgesloten = 0;
        motor.Afsluiten = [&afgesloten] { ++afgesloten; };
        QVERIFY(ZoekNieuweVersie(motor));
        QSignalSpy totaal(&motor, &TUpdateMotor::TotaleVoortgang);
        QVERIFY(Download(motor, {0, 1}));
        QCOMPARE(totaal.last().at(0), totaal.last().at(1));
        QVERIFY(motor.Installeer());
        // The old program is kept until the new one confirms that it starts.
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/RcVeltor.rcvoud")),
                 TUpdateOpstelling::kOudProgramma);
        QCOMPARE(HerstelOnderbrokenUpdate(o.Instellingen()), TInstallatie::THerstel::Proef);
        QVERIFY(BevestigUpdateStart(o.Instellingen()));

        const QString programma = o.Programmamap + QStringLiteral("/RcVeltor");
        QCOMPARE(LeesBestand(programma), Stub());
#ifndef _WIN32
        QVERIFY(QFileInfo(programma).isExecutable());
#endif
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/hulp/lees-mij.txt")),
                 QByteArray("nieuw"));
        QCOMPARE(LeesBestand(o.Werkmap + QStringLiteral("/lambda.bin")),
                 QByteArray("nieuwe tabel"));
        // The downloads are kept in a folder of the user's alone, nothing else is left behind.
        const auto inhoudVan = [](const QString& map) {
            QStringList namen =
                QDir(map).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
            namen.sort();
            return namen;
        };
#ifdef _WIN32
        // Windows keeps the log in the user's own folder.
        QCOMPARE(inhoudVan(o.Werkmap), QStringList({QStringLiteral("lambda.bin")}));
#else
        QCOMPARE(inhoudVan(o.Werkmap),
                 QStringList({QStringLiteral("WUPDATE.LOG"), QStringLiteral("lambda.bin")}));
#endif
        QCOMPARE(inhoudVan(o.Downloadmap),
                 QStringList({QStringLiteral("1-RcVeltor-4.0.1.4.tar.gz.upd"),
                              QStringLiteral("2-lambda.bin.upd")}));
#ifndef _WIN32
        QCOMPARE(QFileInfo(o.Downloadmap).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ExeOwner | QFile::ReadUser |
                                                             QFile::WriteUser | QFile::ExeUser);
#endif
        QStringList inhoud =
            QDir(o.Programmamap).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        inhoud.sort();
        QCOMPARE(inhoud, QStringList({QStringLiteral("RcVeltor"), QStringLiteral("hulp")}));

        QCOMPARE(motor.Herstart(), THerstart::Gestart);
        QCOMPARE(afgesloten, 1);
        QTRY_COMPARE(LeesBestand(o.Werkmap + QStringLiteral("/herstart.txt")),
                     QByteArray("gestart --na-update\n"));
        QVERIFY(o.Log().contains(QLatin1String("Version 4.0.1.4 installed")));
    }

    void addressesEndingInTheSameNameEachGetTheirOwnDownload() {
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"),
                    {{QStringLiteral("a/lambda.bin"), "tabel a", TSoort::Bestand, TDoel::Werkmap,
                      QStringLiteral("lambda.bin")},
                     {QStringLiteral("b/lambda.bin"), "tabel b", TSoort::Bestand, TDoel::Werkmap,
                      QStringLiteral("lambda2.bin")}});
        TUpdateMotor motor(o.Instellingen());
        QVERIFY(ZoekNieuweVersie(motor));
        QVERIFY(Download(motor, {0, 1}));
        QVERIFY2(motor.Installeer(), qPrintable(o.Log()));
        QCOMPARE(LeesBestand(o.Werkmap + QStringLiteral("/lambda.bin")), QByteArray("tabel a"));
        QCOMPARE(LeesBestand(o.Werkmap + QStringLiteral("/lambda2.bin")), QByteArray("tabel b"));
    }

    // Someone else's file, and links to it planted where the engine writes.
    void plantedLinksAndOpenFoldersAreNeverUsed_data() {
        QTest::addColumn<TVoorbereiding>("voorbereiding");
        QTest::addColumn<bool>("gelukt");
        QTest::addColumn<QString>("log");
        QTest::newRow("a link at the log's name") << TVoorbereiding([](TUpdateOpstelling& o) {
            QFile::link(Slachtoffer(o), o.Werkmap + QStringLiteral("/WUPDATE.LOG"));
        }) << true << QString();
        QTest::newRow("a link at a download's name") << TVoorbereiding([](TUpdateOpstelling& o) {
            QVERIFY(QDir().mkpath(o.Downloadmap));
            QFile::setPermissions(o.Downloadmap,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::link(Slachtoffer(o), o.Downloadmap + QStringLiteral("/2-lambda.bin.upd"));
        }) << true << QStringLiteral("Version 4.0.1.4 installed");
        QTest::newRow("the download folder a link") << TVoorbereiding([](TUpdateOpstelling& o) {
            QVERIFY(QDir().mkpath(QFileInfo(o.Downloadmap).absolutePath()));
            QFile::link(QFileInfo(Slachtoffer(o)).absolutePath(), o.Downloadmap);
        }) << false << QStringLiteral("is not a folder");
#ifndef _WIN32
        // Windows has no mode bits.
        QTest::newRow("the download folder open to others")
            << TVoorbereiding([](TUpdateOpstelling& o) {
                   QVERIFY(QDir().mkpath(o.Downloadmap));
                   QFile::setPermissions(o.Downloadmap, QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::WriteOther |
                                                            QFile::ExeOther | QFile::ReadOther);
               })
            << false << QStringLiteral("open to other users");
#endif
    }
    void plantedLinksAndOpenFoldersAreNeverUsed() {
        QFETCH(TVoorbereiding, voorbereiding);
        QFETCH(bool, gelukt);
        QFETCH(QString, log);
        TUpdateOpstelling o;
        SchrijfBestand(Slachtoffer(o), "van iemand anders");
        o.Publiceer(QStringLiteral("4.0.1.4"), Uitgave(o));
        voorbereiding(o);
        TUpdateMotor motor(o.Instellingen());
        QVERIFY(ZoekNieuweVersie(motor));
        QCOMPARE(Download(motor, {0, 1}) && motor.Installeer(), gelukt);
        QCOMPARE(LeesBestand(Slachtoffer(o)), QByteArray("van iemand anders"));
        QCOMPARE(QDir(QFileInfo(Slachtoffer(o)).absolutePath())
                     .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("slachtoffer")});
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
    }

    // After the restart the new program must confirm that it started; a start
    // after one that did not, past the limit, or a restart that fails, puts
    // the old program back and says so.
    void aNewProgramThatDoesNotConfirmItsStartIsRolledBack_data() {
        QTest::addColumn<bool>("startbaar");
        QTest::addColumn<bool>("bevestigt");
        QTest::addColumn<int>("limiet");
        QTest::addColumn<bool>("nieuw");
        QTest::addColumn<QString>("log");
        QTest::newRow("confirmed")
            << true << true << 0 << true << "The new version confirmed its start";
        QTest::newRow("not confirmed in time")
            << true << false << 0 << false << "did not confirm that it started";
        QTest::newRow("not confirmed yet, within the limit")
            << true << false << 60 << true << "it has 60 s to confirm";
        QTest::newRow("the restart fails") << false << false << 0 << false << "Rollback: restored";
    }
    void aNewProgramThatDoesNotConfirmItsStartIsRolledBack() {
        QFETCH(bool, startbaar);
        QFETCH(bool, bevestigt);
        QFETCH(int, limiet);
        QFETCH(bool, nieuw);
        QFETCH(QString, log);
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), Uitgave(o));
        const QStringList voor = o.Stand();
        TUpdateMotor motor(o.Instellingen());
        motor.Afsluiten = [] {};
        motor.StartProgramma = [startbaar](const QString&, const QStringList&, const QString&) {
            return startbaar;
        };
        QVERIFY(ZoekNieuweVersie(motor));
        QVERIFY(Download(motor, {0, 1}));
        QVERIFY(motor.Installeer());
        QCOMPARE(motor.Herstart(), startbaar ? THerstart::Gestart : THerstart::Mislukt);
        if (startbaar) {
            // The new program's first start, then perhaps its confirmation, then the next start.
            QCOMPARE(HerstelOnderbrokenUpdate(o.Instellingen(), limiet),
                     TInstallatie::THerstel::Proef);
            if (bevestigt) {
                QVERIFY(BevestigUpdateStart(o.Instellingen()));
            }
            QCOMPARE(HerstelOnderbrokenUpdate(o.Instellingen(), limiet),
                     bevestigt    ? TInstallatie::THerstel::Niets
                     : limiet > 0 ? TInstallatie::THerstel::Proef
                                  : TInstallatie::THerstel::StarttNiet);
        }
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/RcVeltor")),
                 nieuw ? Stub() : TUpdateOpstelling::kOudProgramma);
        if (!nieuw) {
            QCOMPARE(o.Stand(), voor);
        }
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
    }

    // Off the caller's thread: cancelled before its swap, it installs nothing.
    void anInstallationCancelledBeforeItsSwapInstallsNothing() {
        TUpdateOpstelling o;
        QList<TStuk> uitgave = Uitgave(o);
        // Large enough to keep the extraction busy for a while.
        uitgave[0].Inhoud = o.Archief({{"RcVeltor", Stub(), TArchiefItem::Bestand, {}, 0755},
                                       {"groot.bin", QByteArray(12 << 20, 'g')}});
        o.Publiceer(QStringLiteral("4.0.1.4"), uitgave);
        const QStringList voor = o.Stand();
        TUpdateMotor motor(o.Instellingen());
        QVERIFY(ZoekNieuweVersie(motor));
        QVERIFY(Download(motor, {0, 1}));
        QSignalSpy klaar(&motor, &TUpdateMotor::Geinstalleerd);
        motor.StartInstallatie();
        QVERIFY(motor.Annuleer());
        QVERIFY(klaar.wait(10000));
        QCOMPARE(klaar.first().first().toBool(), false);
        QCOMPARE(o.Stand(), voor);
        QVERIFY2(o.Log().contains(QLatin1String("Installation cancelled")), qPrintable(o.Log()));
    }

    void aDownloadThatDiffersFromTheSignedFileInstallsNothing_data() {
        QTest::addColumn<TTestserver::TAntwoord>("antwoord");
        QTest::addColumn<QString>("log");
        const QByteArray ander(QByteArray("nieuwe tabel").size(), 'x');
        QTest::newRow("other bytes of the same size")
            << TTestserver::TAntwoord{200, ander, false, false} << "refused";
        QTest::newRow("more bytes, announced")
            << TTestserver::TAntwoord{200, "nieuwe tabel en meer", false, false} << "more than 12";
        QTest::newRow("more bytes, unannounced")
            << TTestserver::TAntwoord{200, "nieuwe tabel en meer", false, true}
            << "more than 12 bytes";
        QTest::newRow("fewer bytes")
            << TTestserver::TAntwoord{200, "nieuwe", false, true} << "refused";
        QTest::newRow("not found")
            << TTestserver::TAntwoord{404, {}, false, false} << "HTTP status 404";
    }
    void aDownloadThatDiffersFromTheSignedFileInstallsNothing() {
        QFETCH(TTestserver::TAntwoord, antwoord);
        QFETCH(QString, log);
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), Uitgave(o));
        o.Server.Zet(QStringLiteral("/bestanden/lambda.bin"), antwoord);
        const QStringList voor = o.Stand();
        TUpdateMotor motor(o.Instellingen());
        QVERIFY(ZoekNieuweVersie(motor));
        QVERIFY(!Download(motor, {0, 1}));
        QVERIFY(!motor.Installeer());
        // The archive that did arrive intact stays; the bad file never lands.
        QStringList na = o.Stand();
        na.removeIf([](const QString& s) { return s.contains(QLatin1String("RcVeltor-")); });
        QCOMPARE(na, voor);
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
    }

    // The restart asks first whether this program may end: held back, it
    // starts nothing and ends nothing.
    void theRestartAsksWhetherThisProgramMayEnd_data() {
        QTest::addColumn<bool>("mag");
        QTest::addColumn<bool>("startbaar");
        QTest::addColumn<THerstart>("uitkomst");
        QTest::addColumn<int>("gestart");
        QTest::newRow("may end") << true << true << THerstart::Gestart << 1;
        QTest::newRow("held back") << false << true << THerstart::Uitgesteld << 0;
        QTest::newRow("cannot start") << true << false << THerstart::Mislukt << 1;
    }
    void theRestartAsksWhetherThisProgramMayEnd() {
        QFETCH(bool, mag);
        QFETCH(bool, startbaar);
        QFETCH(THerstart, uitkomst);
        QFETCH(int, gestart);
        TUpdateMappen m;
        TUpdateMotor motor(m.Instellingen());
        int gevraagd = 0;
        int gestartTeller = 0;
        int afgesloten = 0;
        motor.MagAfsluiten = [&] {
            ++gevraagd;
            return mag;
        };
        motor.StartProgramma = [&](const QString&, const QStringList&, const QString&) {
            ++gestartTeller;
            return startbaar;
        };
        motor.Afsluiten = [&] { ++afgesloten; };
        QCOMPARE(motor.Herstart(), uitkomst);
        QCOMPARE(gevraagd, 1);
        QCOMPARE(gestartTeller, gestart);
        QCOMPARE(afgesloten, uitkomst == THerstart::Gestart ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestUpdatemotor)
#include "test_updatemotor.moc"
