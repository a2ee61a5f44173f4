// The list "Rekenmethode": both screens switch at once, NEN-EN-ISO 6946
// shows its own results, the choice is kept for the next start, switching
// back restores every text, and the wizard searches with the chosen method.
// Expected values from the formulas, start build-up (Ambral 110 mm, PE 0,2
// mm at 0,170, steel deck 0,75 mm at 58, no fasteners, Rsi 0,10, Rse 0,04):
// RT = 0,10 + 0,06 + 0,11/0,039 + 0,0002/0,170 + 0,00075/58 + 0,04 = 3,02173,
// Rc = RT - 0,14 = 2,88173, U = 1/RT = 0,33094.

#include "tests/app/Programma.h"
#include "tests/gui/Guitest.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

using namespace rcveltor::app;
using rcveltor::test::TModaalwachter;

namespace {

// Every text field of the window, with whether it shows.
QStringList AlleTeksten(QWidget& venster) {
    QStringList t;
    for (const QLineEdit* e : venster.findChildren<QLineEdit*>()) {
        t << e->parentWidget()->objectName() + u'/' + e->objectName() + u'=' + e->text() +
                 (e->isVisibleTo(&venster) ? QString() : QStringLiteral(" (verborgen)"));
    }
    return t;
}

// A keyboard choice on the closed list, as a user makes it.
void KiesMetToets(TKeuzeLijst* lijst, Qt::Key toets) {
    lijst->setFocus();
    QTest::keyClick(lijst, toets);
}

// The tapered screen under NEN-EN-ISO 6946 with its three areas typed as 0.
void AfschotZonderOppervlakOnderIso(TProgramma& p) {
    p.Klik("ImageAfschot");
    KiesMetToets(p.Vind<TKeuzeLijst>("Rekenmethode2"), Qt::Key_Down);
    for (const char* naam : {"oppvl1", "oppvl2", "oppvl3"}) {
        auto* veld = p.Vind<TSpinVeld>(naam);
        veld->setFocus();
        veld->Regel()->selectAll();
        QTest::keyClicks(veld->Regel(), QStringLiteral("0"));
        QTest::keyClick(veld->Regel(), Qt::Key_Tab);
    }
}

} // namespace

class TestMethode : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void bothScreensSwitchTheChoiceIsKeptAndSwitchingBackRestoresAll() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        const QStringList nen = AlleTeksten(*p.hoofd);
        auto* lijst = p.Vind<TKeuzeLijst>("Rekenmethode");
        QCOMPARE(lijst->currentText(), QStringLiteral("NEN 1068"));
        QVERIFY(!p.Vind<QWidget>("DeltaUf")->isVisible());

        KiesMetToets(lijst, Qt::Key_Down);
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,88"));
        QCOMPARE(p.Tekst("EditU"), QStringLiteral("0,331"));
        QCOMPARE(p.Tekst("DeltaUf"), QStringLiteral("0,0000"));
        QCOMPARE(p.Tekst("LambdaRW"), QStringLiteral("n.v.t."));
        QCOMPARE(p.Tekst("Eis"), QStringLiteral("voldoet niet"));
        QVERIFY(p.Vind<QWidget>("DeltaUf")->isVisible());

        // Tapered, start values: 50 to 60 mm over 1 m, one board of each
        // type: R0 = 1,48324, R1 = 0,25641, U = 0,62188.
        p.Klik("ImageAfschot");
        auto* lijst2 = p.Vind<TKeuzeLijst>("Rekenmethode2");
        QCOMPARE(lijst2->currentText(), QStringLiteral("NEN-EN-ISO 6946"));
        QCOMPARE(p.Tekst("EditRc2"), QStringLiteral("1,46"));
        QCOMPARE(p.Tekst("EditU2"), QStringLiteral("0,622"));
        QCOMPARE(p.Tekst("EditRcMin2"), QStringLiteral("1,34"));

        {
            TProgramma volgende;
            volgende.hoofd->ZetInstellingenbestand(
                p.instellingen.filePath(QStringLiteral("rcveltor.ini")));
            volgende.Start();
            QCOMPARE(volgende.Tekst("EditRc"), QStringLiteral("2,88"));
        }

        KiesMetToets(lijst2, Qt::Key_Up);
        p.Klik("ImageBerekening");
        QCOMPARE(AlleTeksten(*p.hoofd), nen);
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void aRoofWithoutAreaShowsDashesAndNoBox() {
        // By NEN 1068 the same typing raises "Invalid floating point
        // operation."; here the user is still typing.
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        AfschotZonderOppervlakOnderIso(p);
        QCOMPARE(p.Tekst("EditRc2"), QStringLiteral("-"));
        QCOMPARE(p.Tekst("EditU2"), QStringLiteral("-"));
        QCOMPARE(p.Tekst("Eis2"), QStringLiteral("-"));
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // Both screens under both methods spell the units as the reports do:
    // "m\u00b2", never "m2".
    void theScreensSpellUnitsAsTheReports() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        KiesMetToets(p.Vind<TKeuzeLijst>("Rekenmethode"), Qt::Key_Down);
        QStringList koppen;
        for (const QLabel* kop : p.hoofd->findChildren<QLabel*>()) {
            koppen << kop->text();
        }
        const QRegularExpression m2(QStringLiteral("m2(?![0-9])"));
        for (const QString& kop : koppen) {
            QVERIFY2(!kop.contains(m2), qPrintable(kop));
        }
        for (const char* kop : {"R-waarde [m\u00b2K/W]", "\u0394Uf [W/m\u00b2K]", "Aantal/m\u00b2",
                                "Oppervlak type 1 [m\u00b2]"}) {
            QVERIFY2(koppen.contains(QString::fromUtf8(kop)), kop);
        }
    }

    void anErrorOfTheHiddenScreenWaitsUntilItShows_data() {
        QTest::addColumn<bool>("bestand"); // opened from a file, else a method switch
        QTest::newRow("method switch") << false;
        QTest::newRow("opened file") << true;
    }

    void anErrorOfTheHiddenScreenWaitsUntilItShows() {
        // A tapered roof without area: by NEN 1068 its recalculation raises
        // "Invalid floating point operation."; by ISO 6946 it shows "-".
        QFETCH(bool, bestand);
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        QTemporaryDir map;
        if (bestand) {
            const QString pad = map.filePath(QStringLiteral("dak.rcv"));
            QFile f(pad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("{\"formaat\": \"rcveltor-berekening\", \"versie\": 1, \"afschot\": "
                    "{\"oppervlak1\": \"0\", \"oppervlak2\": \"0\", \"oppervlak3\": \"0\"}}");
            f.close();
            p.hoofd->OpenBijStart(pad);
        } else {
            AfschotZonderOppervlakOnderIso(p);
            p.Klik("ImageBerekening");
            KiesMetToets(p.Vind<TKeuzeLijst>("Rekenmethode"), Qt::Key_Up);
        }
        QCOMPARE(p.hoofd->ZichtbaarScherm(), TZichtbaarScherm::Plat);
        QVERIFY(wachter.Meldingen().isEmpty());
        p.Klik("ImageAfschot");
        const QStringList fout{QStringLiteral("Invalid floating point operation.")};
        QCOMPARE(wachter.Meldingen(), fout);
        // Said once.
        p.Klik("ImageBerekening");
        p.Klik("ImageAfschot");
        QCOMPARE(wachter.Meldingen(), fout);
    }

    void theWizardSearchesWithTheChosenMethod() {
        // Rc 3,50 wanted: 130 mm gives 3,39, the standard 135 mm 3,52 (by
        // NEN 1068 it takes 150 mm).
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        KiesMetToets(p.Vind<TKeuzeLijst>("Rekenmethode"), Qt::Key_Down);
        Zet(p.berekening.WensRc, 3.5);
        wachter.Verwacht([&](QDialog*) { p.wizard->Button1()->click(); });
        QTest::mouseClick(p.Vind<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("135"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("3,52"));
        QVERIFY(wachter.Meldingen().isEmpty());
    }
};

RCV_GUI_TEST_MAIN(TestMethode)
#include "test_methode.moc"
