// The info window and the update check at start-up, driven as a user would,
// with the update server of the tests' own on 127.0.0.1.

#include "app/Plaatje.h"
#include "app/UInfo.h"
#include "app/UMainform.h"
#include "cmake/Versie.h"
#include "rtf/RtfLezer.h"
#include "tests/gui/Guitest.h"
#include "tests/update/Updateopstelling.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <sys/stat.h>

using namespace rcveltor::app;
using namespace rcveltor::test;
using rcveltor::update::TUpdateInstellingen;

namespace {

// The main window and the info window as the program wires them, in a
// working folder of the test's own; the desktop and the connection stubbed.
struct TProgramma {
    explicit TProgramma(TUpdateOpstelling& o) {
        hoofd = std::make_unique<TMainForm>(berekening);
        info = std::make_unique<TFrmInfo>(hoofd.get(), o.Instellingen());
        info->ZetWerkmap(o.Werkmap);
        hoofd->ZetWerkmap(QStringLiteral(RCV_DATA_DIR));
        hoofd->ZetGeenUpdate(false);
        hoofd->ZetUpdateControle(info->UpdateControle());
        info->InternetVerbonden = [this] {
            ++vragen;
            return verbonden;
        };
        info->OpenAdres = [this](const QUrl& adres) { geopend << adres; };
        werkmap = o.Werkmap;
    }
    void SchrijfInfo(const QByteArray& inhoud) const {
        SchrijfBestand(werkmap + QStringLiteral("/info.rtf"), inhoud);
    }
    // Shown without modality, so that the test can go on while it is open.
    void ToonInfo() const {
        info->setModal(false);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info.get()));
    }
    QString Tekst() const { return info->RichEdit1()->document()->toPlainText(); }
    template <class T> T* Vind(const char* naam) const {
        T* w = info->findChild<T*>(QString::fromLatin1(naam));
        if (w == nullptr) {
            qFatal("widget %s not found", naam);
        }
        return w;
    }

    rcveltor::TBerekening berekening{rcveltor::TWensRcBron::Wizard};
    std::unique_ptr<TMainForm> hoofd;
    std::unique_ptr<TFrmInfo> info;
    QString werkmap;
    QList<QUrl> geopend;
    int vragen = 0;
    bool verbonden = true;
};

// The info window's pictures: the artwork at the place the window gives it.
struct TPlaatjeGeval {
    const char* Naam;
    void (*Tekenen)(QPainter&, const QRectF&);
    QRect Plek;
};
const TPlaatjeGeval kPlaatjes[] = {
    {"Kop", rcveltor::beeld::TekenKop, QRect(0, 0, 658, 33)},
    {"graybar", rcveltor::beeld::TekenGrijsbalk, QRect(0, 33, 658, 48)},
    {"Logo", rcveltor::beeld::TekenLogo, QRect(0, 32, 164, 48)},
    {"fototop", rcveltor::beeld::TekenFotoBoven, QRect(485, 7, 173, 26)},
    {"fotobottom", rcveltor::beeld::TekenFotoOnder, QRect(485, 33, 173, 48)},
    {"Marge", rcveltor::beeld::TekenMarge, QRect(0, 81, 164, 395)},
    {"Image1", rcveltor::beeld::TekenMakerLogo, QRect(31, 408, 91, 44)},
};

} // namespace

class TestInfo : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void showsTheInformationTextFormatted() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo(LeesBestand(QStringLiteral(RCV_INFO_RTF)));
        p.ToonInfo();
        QCOMPARE(p.info->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(p.info->size(), QSize(658, 476));
        QVERIFY(p.Tekst().startsWith(QLatin1String("RcVeltor\nRekenprogramma")));
        QVERIFY(p.Tekst().contains(QStringLiteral("\u00a9 Veltor")));
        QTextCursor kop(p.info->RichEdit1()->document());
        kop.setPosition(1);
        QCOMPARE(kop.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(kop.charFormat().foreground().color(), QColor(0, 100, 0));
        QVERIFY(p.info->RichEdit1()->isReadOnly());
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // Each line of the left column, by the time it is seen, in the largest
    // size from 13 down to 8 pixels at which its text fits the column.
    void theColumnsLinesFitAtTheirFirstShowing_data() {
        QTest::addColumn<QString>("naam");
        for (const char* naam : {"Label2", "Label4", "Label1", "Label3"}) {
            QTest::newRow(naam) << QString::fromLatin1(naam);
        }
    }
    void theColumnsLinesFitAtTheirFirstShowing() {
        QFETCH(QString, naam);
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo(LeesBestand(QStringLiteral(RCV_INFO_RTF)));
        p.ToonInfo();
        const auto* regel = p.info->findChild<QLabel*>(naam);
        QVERIFY(regel != nullptr);
        QFont f = regel->font();
        const int pixels = f.pixelSize();
        QVERIFY2(pixels >= 8 && pixels <= 13, qPrintable(QString::number(pixels)));
        const auto past = [&](int grootte) {
            f.setPixelSize(grootte);
            return QFontMetrics(f).horizontalAdvance(regel->text()) <= regel->width() - 4;
        };
        QVERIFY(pixels == 8 || past(pixels));
        QVERIFY(pixels == 13 || !past(pixels + 1));
    }

    // Texts that once froze the window for minutes are shown in full, laid out
    // whole; what cannot be shown is said, and the window opens all the same.
    // bench_info watches the time; CTest's TIMEOUT stops a hang.
    void aFileIsShownOrReportedAndTheWindowOpens_data() {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QStringList>("meldingen");
        // Long enough to take half a minute when a word could break anywhere.
        const QByteArray woord(512 * 1024, 'x');
        QTest::newRow("one long word") << woord << QStringList();
        QTest::newRow("the same in RTF") << QByteArray("{\\rtf1 " + woord + "}") << QStringList();
        QTest::newRow("paragraphs with the most spacing")
            << QByteArray("{\\rtf1 " + QByteArray("\\sb31680\\sa31680 x\\par ").repeated(4000) +
                          "}")
            << QStringList();
        const QStringList fout{QStringLiteral("Failed to Load Stream.")};
        QTest::newRow("not text") << QByteArray("MZ\x90\0\3\0\0\0", 8) << fout;
        QTest::newRow("larger than an information text can be")
            << QByteArray(kMaxRtf + 1, 'x') << fout;
    }
    void aFileIsShownOrReportedAndTheWindowOpens() {
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, meldingen);
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo(inhoud);
        p.ToonInfo();
        QCOMPARE(wachter.Meldingen(), meldingen);
        QVERIFY(p.info->isVisible());
        QCOMPARE(p.Tekst().isEmpty(), !meldingen.isEmpty());
        QVERIFY(p.info->RichEdit1()->document()->size().height() > 0);
    }

    void aPlainTextFileIsShownAsPlainText() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo("Gewone tekst, {geen} \\opmaak\ncaf\xe9");
        p.ToonInfo();
        QCOMPARE(p.Tekst(), QStringLiteral("Gewone tekst, {geen} \\opmaak\ncaf\u00e9"));
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void theFileIsReadAgainAtEveryShowing() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        TProgramma p(o);
        const QList<std::pair<QByteArray, QString>> versies = {
            {"een", QStringLiteral("een")},
            {"{\\rtf1 twee}", QStringLiteral("twee")},
            {"{\\rtf1 drie", QStringLiteral("{\\rtf1 drie")},
        };
        for (const auto& [inhoud, tekst] : versies) {
            p.SchrijfInfo(inhoud);
            p.ToonInfo();
            QCOMPARE(p.Tekst(), tekst);
            p.info->close();
        }
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void aFileThatCannotBeReadIsReportedAndTheWindowOpensAllTheSame_data() {
        QTest::addColumn<QString>("soort");
        QTest::addColumn<QString>("reden");
        QTest::newRow("ontbreekt") << ""
                                   << "Niet gevonden";
        // Refused at once instead of waiting for a writer.
        QTest::newRow("fifo") << "fifo"
                              << "Het is geen gewoon bestand";
        QTest::newRow("map") << "map"
                             << "Het is een map";
    }

    void aFileThatCannotBeReadIsReportedAndTheWindowOpensAllTheSame() {
        QFETCH(QString, soort);
        QFETCH(QString, reden);
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        TProgramma p(o);
        const QString pad = o.Werkmap + QStringLiteral("/info.rtf");
        const auto maakOnleesbaar = [&] {
            QFile::remove(pad);
            if (soort == QLatin1String("fifo")) {
                QCOMPARE(::mkfifo(QFile::encodeName(pad).constData(), 0644), 0);
            } else if (soort == QLatin1String("map")) {
                QVERIFY(QDir().mkdir(pad));
            }
        };
        maakOnleesbaar();
        p.ToonInfo();
        QCOMPARE(wachter.Meldingen(),
                 QStringList{QStringLiteral("Cannot open file \"%1\". %2.").arg(pad, reden)});
        QVERIFY(p.info->isVisible());
        QCOMPARE(p.Tekst(), QString());
        p.info->close();

        // A later failure keeps the text of the last showing.
        QFile::remove(pad);
        QDir(pad).removeRecursively();
        p.SchrijfInfo("eerder");
        p.ToonInfo();
        p.info->close();
        maakOnleesbaar();
        p.ToonInfo();
        QCOMPARE(wachter.Meldingen().size(), 2);
        QCOMPARE(p.Tekst(), QStringLiteral("eerder"));
    }

    void theMakersLogoClosesTheWindowAndHintsAtTheMakersAddress() {
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo("x");
        p.ToonInfo();
        auto* logo = p.Vind<QWidget>("Image1");
        QCOMPARE(logo->toolTip(), p.Vind<QLabel>("Label3")->text());
        QTest::mouseClick(logo, Qt::LeftButton);
        QVERIFY(!p.info->isVisible());
    }

    void eachLinkOpensItsOwnText_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("brand") << QStringLiteral("Label2");
        QTest::newRow("maker") << QStringLiteral("Label3");
    }
    void eachLinkOpensItsOwnText() {
        QFETCH(QString, label);
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo("x");
        p.ToonInfo();
        auto* link = p.Vind<QLabel>(label.toLatin1().constData());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(p.geopend.size(), 1);
        QCOMPARE(p.geopend[0].host() + p.geopend[0].path(), link->text());
        QVERIFY(p.geopend[0].host().endsWith(QLatin1String("example.com")));
    }

    // The version line is the build's: the version the project declares and
    // the month of its release, from the generated header.
    void theVersionLineNamesTheBuildsVersion() {
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo("x");
        p.ToonInfo();
        QCOMPARE(p.Vind<QLabel>("Label4")->text(),
                 QStringLiteral("Versie ") + QStringLiteral(RCV_VERSIE) + QStringLiteral(", ") +
                     QStringLiteral(RCV_VERSIEDATUM));
    }

    // Each picture is the artwork drawn to its place, the same as the main
    // window's header and menu column show.
    void eachPictureIsTheArtwork_data() {
        QTest::addColumn<int>("rij");
        for (int rij = 0; rij < static_cast<int>(std::size(kPlaatjes)); ++rij) {
            QTest::newRow(kPlaatjes[rij].Naam) << rij;
        }
    }
    void eachPictureIsTheArtwork() {
        QFETCH(int, rij);
        const TPlaatjeGeval& geval = kPlaatjes[rij];
        TUpdateOpstelling o;
        TProgramma p(o);
        p.SchrijfInfo("x");
        p.ToonInfo();
        auto* plaatje = p.info->findChild<TPlaatje*>(QString::fromLatin1(geval.Naam));
        QVERIFY(plaatje != nullptr);
        QCOMPARE(plaatje->geometry(), geval.Plek);
        QImage verwacht(geval.Plek.size(), QImage::Format_ARGB32_Premultiplied);
        verwacht.fill(Qt::white);
        {
            QPainter schilder(&verwacht);
            geval.Tekenen(schilder, QRectF(QPointF(0, 0), QSizeF(geval.Plek.size())));
        }
        QCOMPARE(plaatje->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 verwacht);
    }

    void updateWithoutAConnectionOnlySaysSo() {
        TModaalwachter& wachter = Wachter();
        QString titel;
        QMessageBox::Icon icoon = QMessageBox::Critical;
        wachter.BijMelding = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            titel = box->windowTitle();
            icoon = box->icon();
        };
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), {});
        TProgramma p(o);
        p.SchrijfInfo("x");
        p.verbonden = false;
        p.ToonInfo();
        QTest::mouseClick(p.Vind<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(wachter.Meldingen(),
                 QStringList{QStringLiteral("Er is geen Internetverbinding!")});
        QCOMPARE(titel, QStringLiteral("Fout"));
        QCOMPARE(icoon, QMessageBox::NoIcon);
        QVERIFY(wachter.Onverwacht.isEmpty());
        QVERIFY(o.Server.Verzoeken.isEmpty());
    }

    void eachRunOfTheWizardShowsTheWelcomeOfWhoeverStartedIt() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.4"), {});
        TProgramma p(o);
        p.SchrijfInfo("x");
        QStringList welkom;
        const auto verwachtWizard = [&] {
            wachter.Verwacht([&welkom](QDialog* d) {
                welkom << d->findChild<QLabel*>(QStringLiteral("Welkom"))->text();
                QCOMPARE(d->windowTitle(), QStringLiteral("Update Do Dadovideze"));
                d->reject();
            });
        };
        // At start-up: the check finds a newer version and opens the wizard
        // before the main window appears.
        verwachtWizard();
        p.hoofd->show();
        QCOMPARE(welkom, QStringList{QStringLiteral(
                             "Er is een nieuwe update. Klik op start voor details.")});
        QVERIFY(QTest::qWaitForWindowExposed(p.hoofd.get()));

        verwachtWizard();
        p.ToonInfo();
        QTest::mouseClick(p.Vind<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_COMPARE(welkom.size(), 2);
        QCOMPARE(welkom[1],
                 QStringLiteral(
                     "Druk start om te beginnen met controleren voor applicatie updates ..."));
        QVERIFY(wachter.Onverwacht.isEmpty());
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void theStartUpChecksOnlyWithAConnectionAndWithoutTheSwitch_data() {
        QTest::addColumn<bool>("verbonden");
        QTest::addColumn<bool>("geenUpdate");
        QTest::addColumn<int>("verzoeken");
        QTest::newRow("connected") << true << false << 1;
        QTest::newRow("no connection") << false << false << 0;
        QTest::newRow("/-u") << true << true << 0;
    }
    void theStartUpChecksOnlyWithAConnectionAndWithoutTheSwitch() {
        QFETCH(bool, verbonden);
        QFETCH(bool, geenUpdate);
        QFETCH(int, verzoeken);
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Publiceer(QStringLiteral("4.0.1.3"), {});
        TProgramma p(o);
        p.verbonden = verbonden;
        p.hoofd->ZetGeenUpdate(geenUpdate);
        p.hoofd->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.hoofd.get()));
        // The connection is asked in every case.
        QCOMPARE(p.vragen, 1);
        QCOMPARE(o.Server.Verzoeken.size(), verzoeken);
        QVERIFY(wachter.Onverwacht.isEmpty());
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    // Held back by the start-up's own limit, not the wizard's or a download's.
    void aSilentServerHoldsTheMainWindowBackOnlyForTheStartUpLimit() {
        TModaalwachter& wachter = Wachter();
        TUpdateOpstelling o;
        o.Server.Zet(QStringLiteral("/veltor/Rc/Rc.INF"), {200, {}, true, false});
        TUpdateInstellingen instellingen = o.Instellingen();
        instellingen.ZoekLimietMs = TUpdateInstellingen().ZoekLimietMs;
        TProgramma p(o);
        p.info = std::make_unique<TFrmInfo>(p.hoofd.get(), instellingen);
        p.info->InternetVerbonden = [] { return true; };
        p.hoofd->ZetUpdateControle(p.info->UpdateControle());
        p.hoofd->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.hoofd.get()));
        QCOMPARE(o.Server.Verzoeken.size(), 1);
        const QString limiet = QString::number(instellingen.ZoekLimietMs) + QStringLiteral(" ms");
        QVERIFY2(o.Log().contains(QStringLiteral("no data for ") + limiet) ||
                     o.Log().contains(QStringLiteral("not done within ") + limiet),
                 qPrintable(o.Log()));
        QVERIFY(wachter.Onverwacht.isEmpty());
    }
};

RCV_GUI_TEST_MAIN(TestInfo)
#include "test_info.moc"
