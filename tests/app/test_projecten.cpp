// A calculation as a file, driven through the main window's menu and keys:
// the project data dialog, save, open, a new calculation, the question
// before changes are lost, what a save keeps, and files that cannot be opened.

#include "app/RcPaneel.h"
#include "app/UProjectgegevens.h"
#include "app/Vertaling.h"
#include "tests/app/Programma.h"
#include "tests/gui/Guitest.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWindow>

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
        QCOMPARE(p.berekening.Project.Naam, std::string("Kantoor De Vaart"));

#ifdef _WIN32
        // Windows names the documents folder itself, whatever HOME says.
        const QString documenten =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QFile::remove(documenten + QStringLiteral("/Kantoor De Vaart.rcv"));
#else
        const QString documenten = thuis.filePath(QStringLiteral("Documents"));
#endif
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
        QCOMPARE(QString::fromStdString(p.berekening.Bestand()), bestand);

        // Saved: a new calculation asks nothing and clears the project.
        p.Klik("ImageNieuw");
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("110"));
        QVERIFY(p.berekening.Project.Leeg());

        p.hoofd->OpenBijStart(bestand);
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("120"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,98"));
        QCOMPARE(p.berekening.Project.Naam, std::string("Kantoor De Vaart"));
        QCOMPARE(p.berekening.Project.Opdrachtgever, std::string("Bouwbedrijf Van Dijk"));
        QCOMPARE(p.berekening.Project.Opmerking, std::string("Noordzijde\n\tdakrand"));
        QVERIFY(!p.berekening.Gewijzigd());
        qputenv("HOME", echtThuis);
#ifdef _WIN32
        QFile::remove(bestand);
#endif
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // Pasted into one-line fields, a line break becomes a space as a tab
    // does; the controls that turn text around are dropped everywhere.
    void pastedLineBreaksBecomeSpaces_data() {
        QTest::addColumn<QString>("geplakt");
        QTest::addColumn<QString>("adres");
        QTest::addColumn<QString>("opmerking");
        QTest::newRow("LF") << "Kade 3\n8011 AB Zwolle"
                            << "Kade 3 8011 AB Zwolle"
                            << "Kade 3\n8011 AB Zwolle";
        QTest::newRow("CR LF") << "Kade 3\r\n8011"
                               << "Kade 3 8011"
                               << "Kade 3\n8011";
        QTest::newRow("U+2028") << "Kade 3\u20288011"
                                << "Kade 3 8011"
                                << "Kade 3\n8011";
        QTest::newRow("U+2029") << "Kade 3\u20298011"
                                << "Kade 3 8011"
                                << "Kade 3\n8011";
        QTest::newRow("U+0085") << "Kade 3\u00858011"
                                << "Kade 3 8011"
                                << "Kade 3\n8011";
        QTest::newRow("richting") << "\u202eKade\u202c \u20663\u2069 \u202a\u202b\u202d\u2067\u2068"
                                  << "Kade 3"
                                  << "Kade 3";
    }

    void pastedLineBreaksBecomeSpaces() {
        QFETCH(QString, geplakt);
        QFETCH(QString, adres);
        QFETCH(QString, opmerking);
        TModaalwachter& wachter = Wachter();
        TGewijzigd p;
        wachter.Verwacht([&](QDialog* d) {
            QApplication::clipboard()->setText(geplakt);
            QWidget* velden[] = {d->findChild<QLineEdit*>(QStringLiteral("Adres")),
                                 d->findChild<QPlainTextEdit*>(QStringLiteral("Opmerking"))};
            for (QWidget* veld : velden) {
                veld->setFocus();
                QTest::keyClick(veld, Qt::Key_V, Qt::ControlModifier);
            }
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        p.Klik("ImageProject");
        QCOMPARE(QString::fromStdString(p.berekening.Project.Adres), adres);
        QCOMPARE(QString::fromStdString(p.berekening.Project.Opmerking), opmerking);
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

    void saveAsAlwaysGivesTheCalculationSuffix_data() {
        QTest::addColumn<QString>("gekozen");
        QTest::addColumn<QString>("bestand");
        QTest::addColumn<bool>("bestaat");   // the file with the suffix exists already
        QTest::addColumn<bool>("vervangen"); // the answer to "bestaat al"
        QTest::newRow("other suffix") << "dak.txt"
                                      << "dak.txt.rcv" << false << false;
        QTest::newRow("none") << "dak"
                              << "dak.rcv" << false << false;
        QTest::newRow("its own") << "dak.rcv"
                                 << "dak.rcv" << false << false;
        QTest::newRow("its own, upper case") << "DAK.RCV"
                                             << "DAK.RCV" << false << false;
        QTest::newRow("inside the name") << "dak.rcv.oud"
                                         << "dak.rcv.oud.rcv" << false << false;
        QTest::newRow("appended name exists, kept") << "dak.txt"
                                                    << "dak.txt.rcv" << true << false;
        QTest::newRow("appended name exists, replaced") << "dak.txt"
                                                        << "dak.txt.rcv" << true << true;
    }

    void saveAsAlwaysGivesTheCalculationSuffix() {
        QFETCH(QString, gekozen);
        QFETCH(QString, bestand);
        QFETCH(bool, bestaat);
        QFETCH(bool, vervangen);
        TModaalwachter& wachter = Wachter();
        TGewijzigd p;
        QTemporaryDir map;
        const QString doel = map.filePath(bestand);
        if (bestaat) {
            QFile f(doel);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ander bestand");
        }
        p.hoofd->Beheer().VraagOpslagnaam = [&](const QString&) { return map.filePath(gekozen); };
        wachter.Antwoorden << (vervangen ? QMessageBox::Yes : QMessageBox::No);
        p.Toets(Qt::Key_S, Qt::ShiftModifier);
        const bool geschreven = !bestaat || vervangen;
        QCOMPARE(Inhoud(doel).contains(QStringLiteral("\"dikte\": \"120\"")), geschreven);
        QCOMPARE(QString::fromStdString(p.berekening.Bestand()), geschreven ? doel : QString());
        QCOMPARE(QDir(map.path()).entryList(QDir::Files), QStringList{bestand});
        QCOMPARE(wachter.Meldingen(),
                 bestaat ? QStringList{QStringLiteral("Het bestand \"%1\" bestaat al. Wilt u "
                                                      "het vervangen?")
                                           .arg(QDir::toNativeSeparators(doel))}
                         : QStringList{});
    }

    void theCaptionNamesTheFileAndItsChanges() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        const auto titel = [&] { return p.hoofd->windowHandle()->title(); };
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("dak.rcv"));
        p.hoofd->Beheer().VraagOpslagnaam = [&](const QString&) { return bestand; };
        QCOMPARE(titel(), QStringLiteral("RcVeltor"));
        p.Klik("ImageBerekening");
        p.hoofd->Panel1()->DikteIsol()->stepBy(1);
        QCOMPARE(titel(), QStringLiteral("RcVeltor")); // no file: no name to mark
        p.Klik("ImageOpslaanAls");
        QCOMPARE(titel(), QStringLiteral("dak.rcv - RcVeltor"));
        QVERIFY(!p.hoofd->isWindowModified());
        p.hoofd->Panel1()->DikteIsol()->stepBy(1);
        QCOMPARE(titel(), QStringLiteral("dak.rcv* - RcVeltor"));
        QVERIFY(p.hoofd->isWindowModified());
        p.hoofd->Panel1()->DikteIsol()->stepBy(-1); // back as saved
        QCOMPARE(titel(), QStringLiteral("dak.rcv - RcVeltor"));
        p.Klik("ImageNieuw");
        QCOMPARE(titel(), QStringLiteral("RcVeltor"));
        p.hoofd->OpenBijStart(bestand);
        QCOMPARE(titel(), QStringLiteral("dak.rcv - RcVeltor"));
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // A later release's keys, a link to the file and the file's permissions
    // all survive a save.
    void aSaveKeepsWhatItDoesNotKnowTheLinkAndThePermissions() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        QTemporaryDir map;
        const QString echt = map.filePath(QStringLiteral("echt.rcv"));
#ifdef _WIN32
        // Windows' links are shortcut files, which are opened as themselves.
        const QString link = echt;
#else
        const QString link = map.filePath(QStringLiteral("dak.rcv"));
#endif
        {
            QFile f(echt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"formaat": "rcveltor-berekening", "versie": 1, "later": [1, {"a": null}],
                "project": {"naam": "Loods", "kleur": "rood"},
                "plat": {"dikte": "100", "helling": "2,5"}, "afschot": {"richting": 3}})");
        }
#ifndef _WIN32
        QVERIFY(QFile::setPermissions(echt, QFile::ReadOwner | QFile::WriteOwner));
        const auto rechten = QFile::permissions(echt);
        QVERIFY(QFile::link(QStringLiteral("echt.rcv"), link));
#endif
        p.hoofd->OpenBijStart(link);
        p.Klik("ImageBerekening");
        p.hoofd->Panel1()->DikteIsol()->stepBy(2);
        QVERIFY(p.hoofd->Beheer().Opslaan());

#ifndef _WIN32
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFile::permissions(echt), rechten);
#endif
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
#ifndef _WIN32
        // Refused at once instead of waiting for a writer (Windows has no fifos).
        QTest::newRow("fifo") << QByteArray("fifo") << "(Het is geen gewoon bestand)";
#endif
        QTest::newRow("map") << QByteArray("map") << "(Het is een map)";
    }

    void aFileThatCannotBeOpenedLeavesEverythingAsItWas() {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, reden);
        TModaalwachter& wachter = Wachter();
        TGewijzigd p;
        p.berekening.Project.Naam = "Sporthal Oost";
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("kapot.rcv"));
        if (inhoud == "fifo") {
#ifndef _WIN32
            QCOMPARE(::mkfifo(QFile::encodeName(bestand).constData(), 0644), 0);
#endif
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
        QCOMPARE(p.berekening.Project.Naam, std::string("Sporthal Oost"));
        QVERIFY(p.berekening.Bestand().empty());
    }

private:
    QTranslator vertaler_;
};

RCV_GUI_TEST_MAIN(TestProjecten)
#include "test_projecten.moc"
