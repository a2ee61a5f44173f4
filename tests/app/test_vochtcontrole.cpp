// The window "Vochtcontrole", driven as a user would: it checks the visible
// screen, follows each change of the screens and of its own inputs, and says
// in Dutch what keeps it from opening.

#include "app/AfschotPaneel.h"
#include "app/RcPaneel.h"
#include "app/UVochtcontrole.h"
#include "tests/app/Programma.h"
#include "tests/gui/Guitest.h"

#include <QCheckBox>
#include <QFile>

using namespace rcveltor;
using namespace rcveltor::app;
using rcveltor::test::TModaalwachter;

namespace {

struct TVochtProgramma : TProgramma {
    using TProgramma::TProgramma;
    TFrmVochtcontrole* Venster() const { return hoofd->Vochtcontrole(); }
    QString Veld(const char* naam) const {
        return Venster()->findChild<QLineEdit*>(QString::fromLatin1(naam))->text();
    }
    // A choice in one of the window's lists, by keyboard on the closed list.
    void Kies(const char* lijst, Qt::Key toets) {
        auto* w = Venster()->findChild<TKeuzeLijst*>(QString::fromLatin1(lijst));
        QVERIFY(w != nullptr);
        w->setFocus();
        QTest::keyClick(w, toets);
    }
};

} // namespace

class TestVochtcontrole : public rcveltor::test::TGuiTest {
    Q_OBJECT
private slots:
    void theWindowFollowsTheScreensAndItsOwnInputs() {
        TVochtProgramma p;
        p.Start();
        p.Klik("ImageVocht");
        QCOMPARE(p.piepjes, 1); // the start screen has no roof to check
        QVERIFY(p.Venster() == nullptr);

        p.Klik("ImageBerekening");
        QTest::keyClick(p.hoofd.get(), Qt::Key_V, Qt::AltModifier);
        QVERIFY(p.Venster() != nullptr && p.Venster()->isVisible());
        QCOMPARE(p.Veld("fRsi"), QStringLiteral("0,91"));
        QCOMPARE(p.Veld("Oordeel"), QStringLiteral("Condensatie hoopt zich op"));

        // Class 1: the start roof dries out within the year.
        p.Kies("Binnenklimaat", Qt::Key_Home);
        QCOMPARE(p.berekening.Model.Vocht.Klimaatklasse(), 1);
        QCOMPARE(p.Veld("Oordeel"), QStringLiteral("Condensatie droogt binnen het jaar uit"));

        // The sd can be typed only for "Anders"; typed, it counts.
        auto* sd = p.Venster()->findChild<TSpinVeld*>(QStringLiteral("SdDakbedekking"));
        QVERIFY(!sd->isEnabled());
        p.Kies("Dakbedekking", Qt::Key_End);
        QVERIFY(sd->isEnabled());
        sd->setFocus();
        sd->Regel()->selectAll();
        QTest::keyClicks(sd, QStringLiteral("20"));
        QTest::keyClick(sd, Qt::Key_Return);
        QCOMPARE(p.berekening.Model.Vocht.SdDakbedekking.Tekst, std::string("20"));
        QVERIFY(p.Venster()->Getoond().has_value());
        QCOMPARE(p.Venster()->Getoond()->Rijen[kLaagDakbedekking].Sd, std::string("20,00"));

        // A change of the screen is a change of the check.
        p.Venster()->findChild<QCheckBox*>(QStringLiteral("VochtOpRapport"))->click();
        QVERIFY(p.berekening.Model.Vocht.OpRapport);
        p.hoofd->Panel1()->DikteIsol()->stepBy(1);
        p.hoofd->Panel1()->DikteIsol()->stepBy(1);
        QCOMPARE(p.Venster()->Getoond()->Rijen[kLaagIsolatie].Dikte, std::string("120"));

        // The tapered screen is checked at its thinnest point; the start
        // screen closes the window.
        p.Klik("ImageAfschot");
        QCOMPARE(p.Veld("fRsi"), QStringLiteral("0,83"));
        QCOMPARE(p.Venster()->Getoond()->Rijen[kLaagIsolatie].Dikte, std::string("50"));
        p.Klik("ImageTerug");
        QVERIFY(!p.Venster()->isVisible());
        QVERIFY(Wachter().Meldingen().isEmpty());
    }

    void whatKeepsTheCheckFromRunningIsSaidInDutch() {
        QTemporaryDir map;
        for (const char* bestand : {"lambda.bin", "vocht.ini"}) {
            QVERIFY(QFile::copy(QStringLiteral(RCV_DATA_DIR "/") + QString::fromLatin1(bestand),
                                map.filePath(QString::fromLatin1(bestand))));
        }
        TVochtProgramma p(map.path());
        p.Start();
        p.Klik("ImageBerekening");
        p.Klik("ImageVocht");
        QCOMPARE(Wachter().Meldingen().size(), 1);
        QVERIFY2(Wachter().Meldingen().at(0).contains(QStringLiteral("klimaat.ini")),
                 qPrintable(Wachter().Meldingen().at(0)));
        QVERIFY(p.Venster() == nullptr);

        // A layer without data shows its message in the window, not a box at
        // every change.
        QFile::copy(QStringLiteral(RCV_DATA_DIR "/klimaat.ini"),
                    map.filePath(QStringLiteral("klimaat.ini")));
        p.berekening.Model.Rc.CBdamprem.Items.push_back("Kurk");
        p.berekening.Model.Rc.CBdamprem.ItemIndex =
            static_cast<int>(p.berekening.Model.Rc.CBdamprem.Items.size()) - 1;
        p.Klik("ImageVocht");
        auto* fout = p.Venster()->findChild<QLabel*>(QStringLiteral("Vochtfout"));
        QVERIFY(fout->isVisible());
        QVERIFY2(fout->text().contains(QStringLiteral("\"Kurk\"")), qPrintable(fout->text()));
        QCOMPARE(p.Veld("fRsi"), QString());
        QCOMPARE(Wachter().Meldingen().size(), 1);
    }
};

RCV_GUI_TEST_MAIN(TestVochtcontrole)
#include "test_vochtcontrole.moc"
