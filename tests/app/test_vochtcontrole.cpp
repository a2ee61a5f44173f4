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
#include <random>

#ifdef RCV_CLI
#include "cli/Opties.h"
#include "cli/Toepassen.h"
#include "cli/Vocht.h"
#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <fstream>
#include <nlohmann/json.hpp>
#endif

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
        // The menu's keys work here too, and what is typed is taken first:
        // too large an sd is clamped as on leaving the field.
        sd->setFocus();
        sd->Regel()->selectAll();
        QTest::keyClicks(sd, QStringLiteral("200000"));
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("dak.rcv"));
        p.hoofd->Beheer().VraagOpslagnaam = [&](const QString&) { return bestand; };
        QApplication::setActiveWindow(p.Venster());
        QTest::keyClick(p.Venster(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(p.berekening.Model.Vocht.SdDakbedekking.Tekst, std::string("100000,0"));
        QFile opgeslagen(bestand);
        QVERIFY(opgeslagen.open(QIODevice::ReadOnly));
        QVERIFY(opgeslagen.readAll().contains("\"sdDakbedekking\": \"100000,0\""));
        sd->Regel()->selectAll();
        QTest::keyClicks(sd, QStringLiteral("20"));
        QTest::keyClick(sd, Qt::Key_Return);
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

    // One engine: random build-ups of both screens with random inputs of the
    // check give the window the object the calculator's batch prints.
    void theWindowShowsWhatTheCalculatorPrints() {
#ifndef RCV_CLI
        QSKIP("the calculator runs beside this test on Linux only");
#else
        std::mt19937 kans(20);
        std::vector<std::vector<std::string>> regels;
        for (auto regel : test::MaakOpdrachtregels(20, 40)) {
            const std::string_view bedekking =
                Dakbedekkingen()[std::uniform_int_distribution<std::size_t>(0, 3)(kans)];
            regel.insert(regel.end(), {"--vocht", "--klimaatklasse",
                                       std::to_string(std::uniform_int_distribution(1, 5)(kans)),
                                       "--dakbedekking", std::string(bedekking)});
            if (bedekking == kAndereDakbedekking) {
                regel.insert(regel.end(), {"--sd-dakbedekking", std::to_string(kans() % 2000)});
            }
            regels.push_back(regel);
        }
        const std::string invoer = test::Tijdelijk("vochtregels.txt");
        {
            std::ofstream f(invoer);
            for (const auto& regel : regels) {
                f << test::AlsJsonRegel(regel) << "\n";
            }
        }
        const test::TUitvoer batch =
            test::Voer(test::Calculator() + " --batch < " + test::Citeer(invoer));
        std::remove(invoer.c_str());
        std::istringstream antwoorden(batch.Uit);
        int vergeleken = 0;
        for (const auto& regel : regels) {
            std::string antwoord;
            QVERIFY(std::getline(antwoorden, antwoord));
            const auto verwacht = nlohmann::ordered_json::parse(antwoord);
            if (verwacht["exit"] == 2 || verwacht["vocht"].is_null()) {
                continue; // a usage error or a roof the check cannot take
            }
            TVochtProgramma p;
            p.Start();
            const cli::TOpties opties = cli::LeesOpties(regel);
            std::vector<std::string> fouten;
            cli::PasToe(opties, p.berekening.Model, fouten);
            p.hoofd->updateDisplay();
            p.Klik(opties.Afschot ? "ImageAfschot" : "ImageBerekening");
            p.Klik("ImageVocht");
            QVERIFY(p.Venster()->Getoond().has_value());
            QCOMPARE(cli::VochtJson(p.Venster()->Getoond()).dump(), verwacht["vocht"].dump());
            QCOMPARE(p.Veld("fRsi").toStdString(), verwacht["vocht"]["fRsi"].get<std::string>());
            ++vergeleken;
        }
        QVERIFY2(vergeleken >= 25, qPrintable(QString::number(vergeleken)));
#endif
    }
};

RCV_GUI_TEST_MAIN(TestVochtcontrole)
#include "test_vochtcontrole.moc"
