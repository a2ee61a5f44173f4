// A calculation as a file, driven through the main window's menu and keys:
// the project data dialog, save, open, a new calculation, the question
// before changes are lost, what a save keeps, and files that cannot be opened.

#include "Guitest.h"
#include "Programma.h"
#include "RcPaneel.h"
#include "UProjectgegevens.h"
#include "Vertaling.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <sys/stat.h>

using namespace rcveltor::app;
using rcveltor::test::TModaalwachter;

namespace {

constexpr const char* kVraag = "Wijzigingen opslaan?";

// A started window on the flat-roof screen with the insulation two steps
// thicker than at the start: 120 mm.
struct TGewijzigd : TProgramma {
    TGewijzigd() {
        Start();
        Klik("ImageBerekening");
        hoofd->Panel1()->DikteIsol()->stepBy(1);
        hoofd->Panel1()->DikteIsol()->stepBy(1);
    }
    // A key with Ctrl, on the window made active again: a closed dialog
    // leaves no active window on the test platform.
    void Toets(Qt::Key toets, Qt::KeyboardModifiers extra = {}) {
        QApplication::setActiveWindow(hoofd.get());
        QTest::keyClick(hoofd.get(), toets, Qt::ControlModifier | extra);
    }
};

QString Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestProjecten : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstalleerQtNederlands(vertaler_)); }

    void aProjectIsNamedSavedStartedAnewAndOpenedAgain() {
        TModaalwachter& wachter = Wachter();
        QTemporaryDir thuis;
        QVERIFY(QDir(thuis.path()).mkpath(QStringLiteral("Documents")));
        const QByteArray echtThuis = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(thuis.path()));
        TGewijzigd p;

        QString datum;
        wachter.Verwacht([&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Projectgegevens"));
            QTest::keyClicks(d->findChild<QLineEdit*>(QStringLiteral("Project")),
                             QStringLiteral("Kantoor De Vaart"));
            // Pasted control characters, which a file may not hold.
            d->findChild<QLineEdit*>(QStringLiteral("Opdrachtgever"))
                ->setText(QStringLiteral("Bouwbedrijf\tVan\u0001 Dijk"));
            d->findChild<QPlainTextEdit*>(QStringLiteral("Opmerking"))
                ->setPlainText(QStringLiteral("Noordzijde\r\n\tdakrand\n\n"));
            datum = d->findChild<QLineEdit*>(QStringLiteral("Datum"))->text();
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        p.Klik("ImageProject");
        // Named for the first time: dated today.
        QCOMPARE(datum, QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
        QCOMPARE(p.hoofd->Beheer().Project.Naam, std::string("Kantoor De Vaart"));

        const QString documenten = thuis.filePath(QStringLiteral("Documents"));
        wachter.Verwacht([&](QDialog* d) {
            auto* dialoog = qobject_cast<QFileDialog*>(d);
            QVERIFY(dialoog != nullptr);
            QCOMPARE(dialoog->windowTitle(), QStringLiteral("Opslaan als"));
            QCOMPARE(dialoog->nameFilters(),
                     QStringList{QStringLiteral("RcVeltor-berekening (*.rcv)")});
            QCOMPARE(dialoog->directory().absolutePath(), documenten);
            QCOMPARE(dialoog->selectedFiles().value(0),
                     documenten + QStringLiteral("/Kantoor De Vaart.rcv"));
            static_cast<QDialog*>(dialoog)->accept();
        });
        p.Toets(Qt::Key_S);
        const QString bestand = documenten + QStringLiteral("/Kantoor De Vaart.rcv");
        QVERIFY(Inhoud(bestand).contains(QStringLiteral("\"dikte\": \"120\"")));
        QCOMPARE(p.hoofd->Beheer().Bestand(), bestand);

        // Saved: a new calculation asks nothing and clears the project.
        p.Klik("ImageNieuw");
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("110"));
        QVERIFY(p.hoofd->Beheer().Project.Leeg());

        p.hoofd->OpenBijStart(bestand);
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("120"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,98"));
        QCOMPARE(p.hoofd->Beheer().Project.Naam, std::string("Kantoor De Vaart"));
        QCOMPARE(p.hoofd->Beheer().Project.Opdrachtgever, std::string("Bouwbedrijf Van Dijk"));
        QCOMPARE(p.hoofd->Beheer().Project.Opmerking, std::string("Noordzijde\n\tdakrand"));
        QVERIFY(!p.hoofd->Beheer().Gewijzigd());
        qputenv("HOME", echtThuis);
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void theUnsavedChangesQuestionAndItsThreeAnswers_data() {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("sluiten");    // close the window, else a new calculation
        QTest::addColumn<QString>("dikte");   // the thickness afterwards
        QTest::addColumn<bool>("opgeslagen"); // the changes were saved
        QTest::newRow("Ja") << int(QMessageBox::Yes) << false << "110" << true;
        QTest::newRow("Nee") << int(QMessageBox::No) << false << "110" << false;
        QTest::newRow("Annuleren") << int(QMessageBox::Cancel) << false << "120" << false;
        QTest::newRow("Annuleren bij sluiten")
            << int(QMessageBox::Cancel) << true << "120" << false;
    }

    void theUnsavedChangesQuestionAndItsThreeAnswers() {
        QFETCH(int, antwoord);
        QFETCH(bool, sluiten);
        QFETCH(QString, dikte);
        QFETCH(bool, opgeslagen);
        TModaalwachter& wachter = Wachter();
        TGewijzigd p;
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("dak.rcv"));
        p.hoofd->Beheer().VraagOpslagnaam = [&](const QString&) { return bestand; };
        QStringList knoppen;
        wachter.BijMelding = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (auto* knop : box->buttons()) {
                knoppen << knop->text();
            }
        };
        wachter.Antwoorden << QMessageBox::StandardButton(antwoord);

        if (sluiten) {
            QVERIFY(!p.hoofd->close());
            QVERIFY(p.hoofd->isVisible());
        } else {
            p.Klik("ImageNieuw");
        }
        QCOMPARE(wachter.Meldingen(), QStringList{QString::fromLatin1(kVraag)});
        knoppen.sort();
        QCOMPARE(knoppen, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nee"),
                                       QStringLiteral("Annuleren")}));
        QCOMPARE(p.Tekst("DikteIsol"), dikte);
        QCOMPARE(QFile::exists(bestand), opgeslagen);
        if (opgeslagen) {
            QVERIFY(Inhoud(bestand).contains(QStringLiteral("\"dikte\": \"120\"")));
        }
    }

    // A later release's keys, a link to the file and the file's permissions
    // all survive a save.
    void aSaveKeepsWhatItDoesNotKnowTheLinkAndThePermissions() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        QTemporaryDir map;
        const QString echt = map.filePath(QStringLiteral("echt.rcv"));
        const QString link = map.filePath(QStringLiteral("dak.rcv"));
        {
            QFile f(echt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"formaat": "rcveltor-berekening", "versie": 1, "later": [1, {"a": null}],
                "project": {"naam": "Loods", "kleur": "rood"},
                "plat": {"dikte": "100", "helling": "2,5"}, "afschot": {"richting": 3}})");
        }
        QVERIFY(QFile::setPermissions(echt, QFile::ReadOwner | QFile::WriteOwner));
        const auto rechten = QFile::permissions(echt);
        QVERIFY(QFile::link(QStringLiteral("echt.rcv"), link));
        p.hoofd->OpenBijStart(link);
        p.Klik("ImageBerekening");
        p.hoofd->Panel1()->DikteIsol()->stepBy(2);
        QVERIFY(p.hoofd->Beheer().Opslaan());

        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFile::permissions(echt), rechten);
        const auto j = QJsonDocument::fromJson(Inhoud(echt).toUtf8()).object();
        QCOMPARE(j.value(QStringLiteral("later")).toArray().size(), 2);
        const auto deel = [&j](const char* naam) {
            return j.value(QLatin1String(naam)).toObject();
        };
        QCOMPARE(deel("project").value(QStringLiteral("kleur")).toString(), QStringLiteral("rood"));
        QCOMPARE(deel("plat").value(QStringLiteral("helling")).toString(), QStringLiteral("2,5"));
        QVERIFY(p.Tekst("DikteIsol") != QStringLiteral("100"));
        QCOMPARE(deel("plat").value(QStringLiteral("dikte")).toString(), p.Tekst("DikteIsol"));
        QCOMPARE(deel("afschot").value(QStringLiteral("richting")).toInt(), 3);
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void aFileThatCannotBeOpenedLeavesEverythingAsItWas_data() {
        QTest::addColumn<QByteArray>("inhoud"); // "fifo" and "map": such a special file
        QTest::addColumn<QString>("reden");
        QTest::newRow("afgebroken")
            << QByteArray("{\"formaat\": \"rcveltor-berekening\", \"ver") << "geen geldige JSON";
        QTest::newRow("nieuwere versie")
            << QByteArray("{\"formaat\": \"rcveltor-berekening\", \"versie\": 2}")
            << "nieuwere versie";
        QTest::newRow("onbekende plaat")
            << QByteArray("{\"formaat\": \"rcveltor-berekening\", \"versie\": 1, "
                          "\"plat\": {\"dikte\": \"140\", \"isolatie\": \"Kurk\"}}")
            << "\"Kurk\" staat niet in de lijst";
        // Refused at once instead of waiting for a writer.
        QTest::newRow("fifo") << QByteArray("fifo") << "(Het is geen gewoon bestand)";
        QTest::newRow("map") << QByteArray("map") << "(Het is een map)";
    }

    void aFileThatCannotBeOpenedLeavesEverythingAsItWas() {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, reden);
        TModaalwachter& wachter = Wachter();
        TGewijzigd p;
        p.hoofd->Beheer().Project.Naam = "Sporthal Oost";
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("kapot.rcv"));
        if (inhoud == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(bestand).constData(), 0644), 0);
        } else if (inhoud == "map") {
            QVERIFY(QDir().mkdir(bestand));
        } else {
            QFile f(bestand);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhoud);
        }
        p.hoofd->Beheer().VraagOpenNaam = [&] { return bestand; };
        wachter.Antwoorden << QMessageBox::No;
        p.Toets(Qt::Key_O);
        QCOMPARE(wachter.Meldingen().size(), 2);
        QCOMPARE(wachter.Meldingen().at(0), QString::fromLatin1(kVraag));
        const QString melding = wachter.Meldingen().at(1);
        QVERIFY2(melding.startsWith(QStringLiteral("Het bestand \"kapot.rcv\" kan niet worden "
                                                   "geopend")),
                 qPrintable(melding));
        QVERIFY2(melding.contains(reden), qPrintable(melding));
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("120"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,98"));
        QCOMPARE(p.hoofd->Beheer().Project.Naam, std::string("Sporthal Oost"));
        QVERIFY(p.hoofd->Beheer().Bestand().isEmpty());
    }

private:
    QTranslator vertaler_;
};

RCV_GUI_TEST_MAIN(TestProjecten)
#include "test_projecten.moc"
