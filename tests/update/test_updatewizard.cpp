// The update wizard driven as a user would, against the local server: every
// page of a full update up to the restart of the installed stub program, the
// second page's messages, failures, cancelling.

#include "app/update/UpdateWizard.h"
#include "app/update/Updatemotor.h"
#include "tests/gui/Guitest.h"
#include "tests/update/Updateopstelling.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <atomic>

using namespace rcveltor::update;
using namespace rcveltor::test;

Q_DECLARE_METATYPE(std::function<void(TUpdateOpstelling&)>)

namespace {

using TVoorbereiding = std::function<void(TUpdateOpstelling&)>;

QByteArray Stub() {
    return LeesBestand(QStringLiteral(RCV_STUB));
}

// The engine and its wizard, shown without modality so that the test drives
// it and the watchdog leaves it alone.
struct TWizard {
    explicit TWizard(TUpdateOpstelling& o, TUpdateTeksten eigen = {})
        : motor(o.Instellingen()), teksten(std::move(eigen)) {
        motor.Afsluiten = [this] { ++afgesloten; };
        wizard = std::make_unique<TFrmUpdateWizard>(motor, teksten);
        wizard->setModal(false);
        wizard->show();
    }
    template <class T> T* Vind(const char* naam) const {
        T* w = wizard->findChild<T*>(QString::fromLatin1(naam));
        if (w == nullptr) {
            qFatal("widget %s not found", naam);
        }
        return w;
    }
    QString Knop() const { return wizard->Knop()->text(); }
    void Klik() const { QTest::mouseClick(wizard->Knop(), Qt::LeftButton); }
    // As a user who keeps every component and accepts the licence, up to the
    // start of the download; false when no newer version is offered.
    [[nodiscard]] bool NaarDownload() const {
        Klik();
        if (!QTest::qWaitFor([this] { return Knop() == QLatin1String("Update"); })) {
            return false;
        }
        Klik();
        Klik();
        Vind<QRadioButton>("Aanvaard")->click();
        Klik();
        Klik();
        return true;
    }

    TUpdateMotor motor;
    TUpdateTeksten teksten;
    std::unique_ptr<TFrmUpdateWizard> wizard;
    int afgesloten = 0;
};

QStringList ZonderDownloads(QStringList stand) {
    stand.removeIf([](const QString& s) { return s.contains(QLatin1String(".upd=")); });
    return stand;
}

} // namespace

class TestUpdateWizard : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void aNewerVersionRunsFromStartToRestart() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        TWizard w(o);
        QCOMPARE(w.wizard->windowTitle(), QStringLiteral("Update Do Dadovideze"));
        QCOMPARE(w.wizard->font().pixelSize(), 12);
        QVERIFY(w.wizard->font().bold());
        QCOMPARE(w.Vind<QLabel>("Welkom")->text(),
                 QStringLiteral(
                     "Druk start om te beginnen met controleren voor applicatie updates ..."));
        QCOMPARE(w.Knop(), QStringLiteral("Start"));

        w.Klik();
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Versie);
        QCOMPARE(w.Vind<QLabel>("Bericht")->text(),
                 QStringLiteral("Nieuwe versie gevonden :\nHuidige versie : 4.0.1.3\n"
                                "Nieuwe versie : 4.0.1.4 (15-04-2009 10:30)"));
        QCOMPARE(w.Knop(), QStringLiteral("Update"));

        w.Klik();
        QCOMPARE(w.wizard->Pagina(), TWizardPagina::Nieuw);
        QCOMPARE(w.Vind<QPlainTextEdit>("NieuwTekst")->toPlainText(),
                 QStringLiteral("Sneller rekenen.\nNieuwe platen."));
        QCOMPARE(w.Knop(), QStringLiteral("Volgende"));

        w.Klik();
        QCOMPARE(w.wizard->Pagina(), TWizardPagina::Licentie);
        QCOMPARE(w.Vind<QPlainTextEdit>("LicentieTekst")->toPlainText(),
                 QStringLiteral("Gebruik op eigen risico."));
        // Only an accepted licence goes on.
        QTRY_VERIFY(!w.wizard->Knop()->isEnabled());
        w.Vind<QRadioButton>("Aanvaard")->click();
        QVERIFY(w.wizard->Knop()->isEnabled());
        w.Vind<QRadioButton>("NietAanvaard")->click();
        QTRY_VERIFY(!w.wizard->Knop()->isEnabled());
        w.Vind<QRadioButton>("Aanvaard")->click();

        w.Klik();
        QCOMPARE(w.wizard->Pagina(), TWizardPagina::Componenten);
        auto* lijst = w.Vind<QListWidget>("Componenten");
        QCOMPARE(lijst->count(), 2);
        QVERIFY(lijst->item(1)->text().startsWith(QLatin1String("lambda.bin")));
        lijst->item(0)->setCheckState(Qt::Unchecked);
        lijst->item(1)->setCheckState(Qt::Unchecked);
        QTRY_VERIFY(!w.wizard->Knop()->isEnabled());
        lijst->item(0)->setCheckState(Qt::Checked);
        lijst->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(w.Knop(), QStringLiteral("Volgende"));

        w.Klik();
        QCOMPARE(w.Knop(), QStringLiteral("Annuleren"));
        QTRY_VERIFY2(w.wizard->Pagina() == TWizardPagina::Klaar, qPrintable(o.Log()));
        QCOMPARE(w.Vind<QProgressBar>("BestandVoortgang")->value(), 1000);
        QCOMPARE(w.Vind<QProgressBar>("TotaleVoortgang")->value(), 1000);
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/RcVeltor")), Stub());
        QCOMPARE(w.Knop(), QStringLiteral("Herstarten"));

        w.Klik();
        QTRY_COMPARE(LeesBestand(o.Werkmap + QStringLiteral("/herstart.txt")),
                     QByteArray("gestart --na-update\n"));
        QCOMPARE(w.afgesloten, 1);
        QCOMPARE(w.wizard->result(), int(QDialog::Accepted));
        QVERIFY(wachter.Meldingen().isEmpty());
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void theSecondPageSaysWhyThereIsNoUpdate_data() {
        QTest::addColumn<TVoorbereiding>("voorbereiding");
        QTest::addColumn<QString>("bericht");
        const QString geen =
            QStringLiteral("Geen nieuwe versie beschikbaar.\nHuidige versie : 4.0.1.3");
        const QString onbereikbaar =
            QStringLiteral("Er kan geen verbinding met de update server tot stand gebracht worden "
                           "of\ngeen update gevonden op server ...");
        QTest::newRow("not newer") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Publiceer(QStringLiteral("4.0.1.3"), {});
        }) << geen;
        QTest::newRow("server down")
            << TVoorbereiding([](TUpdateOpstelling& o) { o.Server.Stop(); }) << onbereikbaar;
        QTest::newRow("no control file")
            << TVoorbereiding([](TUpdateOpstelling&) {}) << onbereikbaar;
        QTest::newRow("wrongly signed") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Publiceer(QStringLiteral("4.0.1.4"), {}, NieuweEd25519Sleutel());
        }) << onbereikbaar;
        QTest::newRow("silent") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Server.Zet(QStringLiteral("/veltor/Rc/Rc.INF"), {200, {}, true, false});
        }) << onbereikbaar;
        // As the Debian package installs it: told, but never downloaded.
        QTest::newRow("newer, for a program its package manager installed")
            << TVoorbereiding([](TUpdateOpstelling& o) {
                   o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
                   o.Programmamap = QStringLiteral("/usr/bin");
               })
            << QStringLiteral("Er is een nieuwe versie 4.0.1.4 beschikbaar. Installeer deze via uw "
                              "pakketbeheer.");
    }
    void theSecondPageSaysWhyThereIsNoUpdate() {
        QFETCH(TVoorbereiding, voorbereiding);
        QFETCH(QString, bericht);
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        voorbereiding(o);
        TWizard w(o);
        w.motor.Instellingen().WizardLimietMs = 300;
        w.Klik();
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Versie);
        QCOMPARE(w.Vind<QLabel>("Bericht")->text(), bericht);
        QCOMPARE(w.Knop(), QStringLiteral("Verlaten"));
        w.Klik();
        QVERIFY(!w.wizard->isVisible());
        QCOMPARE(w.wizard->result(), int(QDialog::Rejected));
        QVERIFY(wachter.Meldingen().isEmpty());
        QVERIFY(!o.Server.Verzoeken.join(QLatin1Char(' ')).contains(QLatin1String("/bestanden/")));
        // Its log goes to the user's state folder, not to the package's.
        const QString log = QStringLiteral("/WUPDATE.LOG");
#ifdef _WIN32
        const bool inStatusmap = true; // Windows keeps it in the user's folder always
#else
        const bool inStatusmap = o.Programmamap.startsWith(QLatin1String("/usr/"));
#endif
        QCOMPARE(QFileInfo::exists(o.Statusmap + log), inStatusmap);
        QCOMPARE(QFileInfo::exists(o.Werkmap + log), !inStatusmap);
    }

    void aBadDownloadShowsTheFailureAndInstallsNothing_data() {
        QTest::addColumn<TVoorbereiding>("voorbereiding");
        QTest::addColumn<QString>("log");
        QTest::newRow("tampered") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Server.Zet(QStringLiteral("/bestanden/lambda.bin"),
                         {200, "andere tabel", false, false});
        }) << "refused";
        QTest::newRow("missing") << TVoorbereiding([](TUpdateOpstelling& o) {
            o.Server.Zet(QStringLiteral("/bestanden/lambda.bin"), {404, {}, false, false});
        }) << "HTTP status 404";
        QTest::newRow("archive with ../") << TVoorbereiding([](TUpdateOpstelling& o) {
            QList<TStuk> uitgave = o.Uitgave(Stub());
            uitgave[0].Inhoud = o.Archief({{"RcVeltor", "x"}, {"../../ontsnapt", "x"}});
            o.Publiceer(QStringLiteral("4.0.1.4"), uitgave);
        }) << "unsafe path refused";
    }
    void aBadDownloadShowsTheFailureAndInstallsNothing() {
        QFETCH(TVoorbereiding, voorbereiding);
        QFETCH(QString, log);
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        voorbereiding(o);
        const QStringList voor = o.Stand();
        TWizard w(o);
        QVERIFY2(w.NaarDownload(), qPrintable(w.Knop()));
        QTRY_COMPARE(wachter.Meldingen(),
                     QStringList{QStringLiteral("Failed to download updates")});
        QCOMPARE(w.wizard->Pagina(), TWizardPagina::Download);
        QCOMPARE(w.Vind<QLabel>("Status")->text(), QStringLiteral("Failed to download updates"));
        QCOMPARE(w.Knop(), QStringLiteral("Verlaten"));
        QCOMPARE(ZonderDownloads(o.Stand()), voor);
        QVERIFY2(o.Log().contains(log), qPrintable(o.Log()));
        w.Klik();
        QVERIFY(!w.wizard->isVisible());
        QCOMPARE(w.afgesloten, 0);
    }

    void cancellingTheDownloadInstallsNothing() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        o.Server.Zet(QStringLiteral("/bestanden/lambda.bin"), {200, {}, true, false});
        const QStringList voor = o.Stand();
        TWizard w(o);
        QVERIFY2(w.NaarDownload(), qPrintable(w.Knop()));
        QTRY_VERIFY(o.Server.Verzoeken.contains(QStringLiteral("/bestanden/lambda.bin")));
        QCOMPARE(w.Knop(), QStringLiteral("Annuleren"));
        w.Klik();
        QVERIFY(!w.wizard->isVisible());
        QCOMPARE(ZonderDownloads(o.Stand()), voor);
        // Not even a partial download stays.
        QVERIFY(!QDir(o.Downloadmap)
                     .entryList()
                     .join(QLatin1Char(' '))
                     .contains(QLatin1String("lambda.bin.upd")));
        QVERIFY(o.Log().contains(QLatin1String("cancelled")));
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // The installation runs beside the window: while the files are swapped
    // (held here at the first step) the window answers, shows the progress
    // and refuses to be cancelled.
    void theWindowAnswersDuringTheInstallationAndRefusesCancelWhileSwapping() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        TWizard w(o);
        std::atomic<bool> inWissel = false;
        std::atomic<bool> los = false;
        w.motor.NaStap = [&](int n) {
            if (n != 1) {
                return;
            }
            inWissel = true;
            for (int i = 0; i < 300 && !los; ++i) {
                QThread::msleep(10);
            }
        };
        QVERIFY2(w.NaarDownload(), qPrintable(w.Knop()));
        QTRY_VERIFY(inWissel);
        QTRY_VERIFY(!w.wizard->Knop()->isEnabled());
        QCOMPARE(w.Vind<QProgressBar>("TotaleVoortgang")->value(), 1000);
        w.wizard->reject();
        QVERIFY(w.wizard->isVisible());
        los = true;
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Klaar);
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/RcVeltor")), Stub());
        QVERIFY(o.Log().contains(QLatin1String("Cancel refused")));
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void aRestartThatFailsPutsTheOldProgramBackAndSaysSo() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        TWizard w(o);
        w.motor.StartProgramma = [](const QString&, const QStringList&, const QString&) {
            return false;
        };
        QVERIFY2(w.NaarDownload(), qPrintable(w.Knop()));
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Klaar);
        w.Klik();
        QCOMPARE(wachter.Meldingen(), QStringList{w.teksten.HerstartMislukt});
        QCOMPARE(LeesBestand(o.Programmamap + QStringLiteral("/RcVeltor")),
                 TUpdateOpstelling::kOudProgramma);
        QCOMPARE(w.afgesloten, 0);
    }

    void aRestartTheUserHoldsBackLeavesTheProgramRunning() {
        // Unsaved work was not to be left: no restart, the wizard stays, and
        // a second press restarts.
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), o.Uitgave(Stub()));
        TWizard w(o);
        int gestart = 0;
        w.motor.StartProgramma = [&](const QString&, const QStringList&, const QString&) {
            ++gestart;
            return true;
        };
        bool mag = false;
        w.motor.MagAfsluiten = [&] { return mag; };
        QVERIFY2(w.NaarDownload(), qPrintable(w.Knop()));
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Klaar);
        w.Klik();
        QCOMPARE(gestart, 0);
        QCOMPARE(w.afgesloten, 0);
        QVERIFY(w.wizard->isVisible());
        mag = true;
        w.Klik();
        QCOMPARE(gestart, 1);
        QCOMPARE(w.afgesloten, 1);
    }

    // What the button does follows its role, never its text: with "Update"
    // worded as "Verlaten", leaving still leaves.
    void theButtonFollowsItsRoleNotItsText() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.3"), {});
        TUpdateTeksten teksten;
        teksten.GetUpdateButton = teksten.ExitButton;
        TWizard w(o, teksten);
        w.Klik();
        QTRY_COMPARE(w.wizard->Pagina(), TWizardPagina::Versie);
        w.Klik();
        QVERIFY(!w.wizard->isVisible());
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void anUpdateWithoutFilesSaysSo() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), {});
        TWizard w(o);
        w.Klik();
        QTRY_COMPARE(w.Knop(), QStringLiteral("Update"));
        w.Klik();
        QTRY_COMPARE(wachter.Meldingen(),
                     QStringList{QStringLiteral("Geen bestanden gevonden voor update")});
        QCOMPARE(w.Knop(), QStringLiteral("Verlaten"));
    }
};

RCV_GUI_TEST_MAIN(TestUpdateWizard)
#include "test_updatewizard.moc"
