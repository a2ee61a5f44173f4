// The preview window driven as a user would: opening, zoom, keys, printing
// and saving with the report of the visible screen.

#include "calc/RekenModel.h"
#include "preview/UPreview.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "tests/gui/Guitest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <optional>

using namespace rcveltor;
using namespace rcveltor::rapport;
using rcveltor::test::TModaalwachter;

namespace {

struct TOpstelling {
    TOpstelling()
        : rapport1(model.Rc, nullptr, &model.Vocht),
          rapport2(model.Afschot, nullptr, &model.Vocht) {
        model.Opstarten(RCV_LAMBDA_BIN);
        preview.KiesRapport = [this]() -> TRapport* { return zichtbaar; };
        preview.PdfSchrijver = [this](const TPaginaSet& set, const QString& naam) {
            geschreven << naam;
            geschrevenSet = set;
        };
        preview.Openen = [this](const QString& naam) {
            geopend << naam;
            return kanOpenen;
        };
    }

    // Opens the preview as the print command does and runs `doen` while it
    // is open; the preview is closed afterwards if `doen` left it open.
    void Open(const std::function<void()>& doen) {
        QTimer::singleShot(0, &preview, [this, doen] {
            doen();
            if (preview.isVisible()) {
                preview.close();
            }
        });
        preview.Start();
    }

    TRekenModel model;
    TQuickReport1 rapport1;
    TQuickReport2 rapport2;
    TRapport* zichtbaar = &rapport1;
    TFrmPreview preview;
    QStringList geschreven;
    QStringList geopend;
    bool kanOpenen = true;                   // the desktop opens the saved file
    std::optional<TPaginaSet> geschrevenSet; // a copy of the pages written
};

// The first text of a page that starts with `begin`.
QString EersteTekst(const TPaginaSet& set, const QString& begin) {
    for (const TElement& e : set.Paginas.front().Elementen) {
        if (const auto* t = std::get_if<TTekstElement>(&e); t && t->Tekst.startsWith(begin)) {
            return t->Tekst;
        }
    }
    return {};
}

} // namespace

class TestPreview : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("CUPS_SERVER", "127.0.0.1:9"); }

    // At 96 dpi the A4 page is 793.7 x 1122.5 pixels at zoom 100; maximised on
    // the offscreen screen the view is 780 x 750 pixels. Page width, 90 % of
    // the view's width: 88. Whole page, 95 % of the tighter side: 63.
    void opensAtPageWidthOnPageOneAndClosingReturns() {
        TOpstelling o;
        bool zichtbaar = false;
        o.Open([&] {
            zichtbaar = o.preview.isVisible();
            QTRY_COMPARE(o.preview.QRPreview1()->viewport()->width(), 780);
            QTRY_COMPARE(o.preview.QRPreview1()->Zoom(), 88);
            QCOMPARE(o.preview.QRPreview1()->Modus(), TZoomModus::Breedte);
            QCOMPARE(o.preview.QRPreview1()->PaginaNummer(), 1);
            QCOMPARE(o.preview.QRPreview1()->AantalPaginas(), 1);
        });
        QVERIFY(zichtbaar);
        QCOMPARE(o.preview.windowTitle(), QStringLiteral("Preview"));
        QVERIFY(!o.preview.isVisible());
        QVERIFY(!o.preview.QRPreview1()->PaginaSet()); // let go on close
    }

    void zoomLimits() {
        TOpstelling o;
        o.Open([&] {
            TPaginabeeld* beeld = o.preview.QRPreview1();
            QVERIFY(beeld->ZetZoomAnders(12));
            o.preview.SBZoomOutClick();
            QCOMPARE(beeld->Zoom(), 2);
            QVERIFY(beeld->ZetZoomAnders(11));
            o.preview.SBZoomOutClick();
            QCOMPARE(beeld->Zoom(), 11);
            QVERIFY(beeld->ZetZoomAnders(1991));
            o.preview.SBZoomInClick();
            QCOMPARE(beeld->Zoom(), 1991);
            QVERIFY(beeld->ZetZoomAnders(1990));
            QTest::mouseClick(o.preview.Knop("SBzoomin"), Qt::LeftButton);
            QCOMPARE(beeld->Zoom(), 2000);
            QTest::mouseClick(o.preview.Knop("SBzoom100"), Qt::LeftButton);
            QCOMPARE(beeld->Zoom(), 100);
            QCOMPARE(beeld->Modus(), TZoomModus::Anders);
            QTest::mouseClick(o.preview.Knop("SBzoomToFit"), Qt::LeftButton);
            const QSize v = beeld->viewport()->size();
            QCOMPARE(v, QSize(780, 750));
            QCOMPARE(beeld->Zoom(), 63);
            QCOMPARE(beeld->Modus(), TZoomModus::Passend);
            // A smaller page than the view stands centred.
            const QRect vak = beeld->PaginaRechthoek();
            QVERIFY(std::abs(vak.center().x() - v.width() / 2) <= 1);
        });
    }

    void pageKeysStayOnTheOnePageAndNeverScroll() {
        TOpstelling o;
        o.Open([&] {
            TPaginabeeld* beeld = o.preview.QRPreview1();
            QVERIFY(beeld->ZetZoomAnders(400)); // larger than the view: scroll bars
            QTRY_VERIFY(QApplication::focusWidget() != nullptr);
            QWidget* gefocust = QApplication::focusWidget();
            const int x = beeld->horizontalScrollBar()->value();
            const int y = beeld->verticalScrollBar()->value();
            for (Qt::Key toets : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End,
                                  Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Home}) {
                QTest::keyClick(gefocust, toets);
                QCOMPARE(beeld->PaginaNummer(), 1);
                QCOMPARE(beeld->horizontalScrollBar()->value(), x);
                QCOMPARE(beeld->verticalScrollBar()->value(), y);
            }
            QVERIFY(!beeld->ZetPagina(2));
            QVERIFY(!beeld->ZetPagina(0));
        });
    }

    void aSecondPrintCommandBringsTheOpenPreviewToTheFront_data() {
        QTest::addColumn<bool>("geminimaliseerd");
        QTest::newRow("open") << false;
        QTest::newRow("minimised") << true;
    }

    void aSecondPrintCommandBringsTheOpenPreviewToTheFront() {
        QFETCH(bool, geminimaliseerd);
        TOpstelling o;
        bool terugZonderWachten = false;
        bool hersteld = false;
        bool actief = false;
        o.Open([&] {
            if (geminimaliseerd) {
                o.preview.showMinimized();
                QTRY_VERIFY(o.preview.isMinimized());
            }
            QTimer::singleShot(2000, &o.preview, [&] { o.preview.close(); });
            o.preview.Start();
            terugZonderWachten = o.preview.isVisible();
            hersteld = !o.preview.isMinimized() && o.preview.isMaximized();
            actief = QTest::qWaitFor([&] { return QApplication::activeWindow() == &o.preview; });
        });
        QVERIFY(terugZonderWachten);
        QVERIFY(hersteld);
        QVERIFY(actief);
    }

    void printRegeneratesTheVisibleScreensReport_data() {
        QTest::addColumn<bool>("vocht");
        QTest::addColumn<int>("aantal");
        QTest::newRow("one page") << false << 1;
        // Without its data files the moisture page says why: still two pages.
        QTest::newRow("with the moisture page") << true << 2;
    }

    void printRegeneratesTheVisibleScreensReport() {
        QFETCH(bool, vocht);
        QFETCH(int, aantal);
        QTemporaryDir map;
        const QString afdruk = map.filePath(QStringLiteral("afdruk.pdf")); // a fresh file
        TOpstelling o;
        o.model.Vocht.OpRapport = vocht;
        o.zichtbaar = &o.rapport2;
        int gevraagd = 0;
        int paginas = 0;
        o.preview.VraagAfdrukken = [&](QPrinter& printer, int aantal) {
            ++gevraagd;
            paginas = aantal;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(afdruk);
            return true;
        };
        int laatste = 0;
        o.Open([&] {
            o.preview.SBLastClick();
            laatste = o.preview.QRPreview1()->PaginaNummer();
            // A change after the preview shows in the printout only.
            Zet(o.model.Afschot.oppvl1, 20);
            o.preview.SBPrintClick();
            QVERIFY(o.preview.isVisible()); // stays open
        });
        QCOMPARE(laatste, aantal);
        QCOMPARE(gevraagd, 1);
        QCOMPARE(paginas, aantal);
        QCOMPARE(o.rapport2.Label(QStringLiteral("Labeloppvl1")), QStringLiteral("20,000"));
        QFile pdf(afdruk);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        static const QRegularExpression blad(QStringLiteral(R"(/Type\s*/Page[^s])"));
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(blad), aantal);
    }

    void everyCommandHasAKeyNamedInItsTooltip_data() {
        QTest::addColumn<QString>("knop");
        QTest::addColumn<QKeySequence>("toetsen");
        QTest::addColumn<QString>("gevolg");
        QTest::newRow("print") << "SBprint" << QKeySequence(Qt::CTRL | Qt::Key_P) << "afdrukken";
        QTest::newRow("save") << "SBsave" << QKeySequence(Qt::CTRL | Qt::Key_S) << "opslaan";
        QTest::newRow("close") << "SBexit" << QKeySequence(Qt::Key_Escape) << "gesloten";
        QTest::newRow("zoom in") << "SBzoomin" << QKeySequence(Qt::CTRL | Qt::Key_Plus) << "98";
        QTest::newRow("zoom out") << "SBzoomout" << QKeySequence(Qt::CTRL | Qt::Key_Minus) << "78";
    }

    void everyCommandHasAKeyNamedInItsTooltip() {
        QFETCH(QString, knop);
        QFETCH(QKeySequence, toetsen);
        QFETCH(QString, gevolg);
        TOpstelling o;
        QStringList gevolgen;
        o.preview.VraagAfdrukken = [&](QPrinter&, int) {
            gevolgen << QStringLiteral("afdrukken");
            return false;
        };
        o.preview.VraagBestandsnaam = [&] {
            gevolgen << QStringLiteral("opslaan");
            return QStringLiteral("/tmp/rapport.txt"); // not written: the preview stays open
        };
        QString tip;
        o.Open([&] {
            QTRY_COMPARE(o.preview.QRPreview1()->Zoom(), 88);
            tip = o.preview.Knop(knop.toLatin1().constData())->toolTip();
            QApplication::setActiveWindow(&o.preview);
            QTest::keyClick(&o.preview, toetsen[0].key(), toetsen[0].keyboardModifiers());
            if (!o.preview.isVisible()) {
                gevolgen << QStringLiteral("gesloten");
            } else if (gevolgen.isEmpty()) {
                gevolgen << QString::number(o.preview.QRPreview1()->Zoom());
            }
        });
        QVERIFY2(
            tip.endsWith(QStringLiteral(" (%1)").arg(toetsen.toString(QKeySequence::NativeText))),
            qPrintable(tip));
        QCOMPARE(gevolgen, QStringList{gevolg});
        if (gevolg == QStringLiteral("opslaan")) {
            QCOMPARE(Wachter().Meldingen().size(), 1);
        }
    }

    void cancelledPrintPrintsNothing() {
        TOpstelling o;
        o.preview.VraagAfdrukken = [](QPrinter&, int) { return false; };
        o.Open([&] {
            const QString voor = o.rapport1.Label(QStringLiteral("LabelDikteIsolatie"));
            Zet(o.model.Rc.DikteIsol, 150);
            o.preview.SBPrintClick();
            QCOMPARE(o.rapport1.Label(QStringLiteral("LabelDikteIsolatie")), voor);
            QVERIFY(o.preview.isVisible());
        });
    }

    void saveWritesThePreviewsPagesOfTheVisibleReport_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("geschreven");
        QTest::addColumn<bool>("blijftOpen");
        QTest::newRow("upper case") << QStringLiteral("/tmp/rapport.PDF") << true << false;
        QTest::newRow("lower case") << QStringLiteral("/tmp/rapport.pdf") << true << false;
        QTest::newRow("other extension") << QStringLiteral("/tmp/rapport.txt") << false << true;
        QTest::newRow("no extension") << QStringLiteral("/tmp/rapport") << false << true;
        QTest::newRow("cancelled") << QString() << false << false;
    }

    void saveWritesThePreviewsPagesOfTheVisibleReport() {
        QFETCH(QString, naam);
        QFETCH(bool, geschreven);
        QFETCH(bool, blijftOpen);
        TModaalwachter& wachter = Wachter();
        TOpstelling o;
        o.zichtbaar = &o.rapport2;
        o.preview.VraagBestandsnaam = [&] { return naam; };
        bool open = false;
        o.Open([&] {
            // The user switched to the other screen meanwhile: the save still
            // writes the pages this preview shows.
            o.zichtbaar = &o.rapport1;
            o.preview.SBsaveClick();
            open = o.preview.isVisible();
        });
        QCOMPARE(open, blijftOpen);
        QCOMPARE(!o.geschreven.isEmpty(), geschreven);
        if (geschreven) {
            QCOMPARE(o.geschreven.front(), naam);
            QCOMPARE(o.geopend, o.geschreven);
            QVERIFY(o.geschrevenSet.has_value());
            QCOMPARE(EersteTekst(*o.geschrevenSet, QStringLiteral("Rc-berekening")),
                     QStringLiteral("Rc-berekening dak met afschotisolatie"));
        }
        if (blijftOpen) {
            QCOMPARE(wachter.Meldingen(),
                     QStringList{QStringLiteral(
                         "Het bestand is niet opgeslagen: de naam moet eindigen op .pdf.")});
        } else {
            QVERIFY(wachter.Meldingen().isEmpty());
        }
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void saveDialogStartsInTheDocumentsThenInTheLastFolder() {
        TModaalwachter& wachter = Wachter();
        QTemporaryDir thuis;
        QTemporaryDir map;
        const QByteArray echtThuis = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(thuis.path()));
        TOpstelling o;
        // Without a documents folder the home folder, never a file "Documents".
        QCOMPARE(o.preview.OpslagMap(), thuis.path());
        QVERIFY(QDir(thuis.path()).mkpath(QStringLiteral("Documents")));
        QCOMPARE(o.preview.OpslagMap(), thuis.filePath(QStringLiteral("Documents")));
        const QString naam = map.filePath(QStringLiteral("rapport.pdf"));
        o.preview.VraagBestandsnaam = [&] { return naam; };
        o.Open([&] { o.preview.SBsaveClick(); });
        QCOMPARE(o.preview.OpslagMap(), map.path());
        qputenv("HOME", echtThuis);
        QVERIFY(wachter.Meldingen().isEmpty());
    }

    void aSavedFileTheDesktopCannotOpenIsNamed() {
        TModaalwachter& wachter = Wachter();
        TOpstelling o;
        o.kanOpenen = false;
        o.preview.VraagBestandsnaam = [] { return QStringLiteral("/tmp/rcv_rapport.pdf"); };
        o.Open([&] { o.preview.SBsaveClick(); });
        QCOMPARE(o.geschreven, QStringList{QStringLiteral("/tmp/rcv_rapport.pdf")});
        QCOMPARE(wachter.Meldingen().size(), 1);
        QVERIFY(wachter.Meldingen().front().contains(QStringLiteral("/tmp/rcv_rapport.pdf")));
        QVERIFY(!o.preview.isVisible());
    }

    void anExportErrorIsShownAndThePreviewStaysOpen() {
        TModaalwachter& wachter = Wachter();
        TOpstelling o;
        o.preview.VraagBestandsnaam = [] { return QStringLiteral("/tmp/x.pdf"); };
        o.preview.PdfSchrijver = [](const TPaginaSet&, const QString&) {
            throw std::runtime_error("Cannot create file /tmp/x.pdf");
        };
        bool open = false;
        o.Open([&] {
            o.preview.SBsaveClick();
            open = o.preview.isVisible();
        });
        QVERIFY(open);
        QCOMPARE(wachter.Meldingen(),
                 QStringList{QStringLiteral("Cannot create file /tmp/x.pdf.")});
        QVERIFY(o.geopend.isEmpty());
    }

    void nothingVisibleDoesNothing() {
        TOpstelling o;
        o.zichtbaar = nullptr;
        o.preview.Start();
        QVERIFY(!o.preview.isVisible());
    }
};

RCV_GUI_TEST_MAIN(TestPreview)
#include "test_preview.moc"
