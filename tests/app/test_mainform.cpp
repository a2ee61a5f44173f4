// The windows driven as a user would: menu, spin steps, typing, lists, the
// wizard and the error box. Runs offscreen, without the update check.

#include "app/RcPaneel.h"
#include "app/UMainform.h"
#include "app/URcWizard.h"
#include "app/Velden.h"
#include "app/Vertaling.h"
#include "calc/RcWizard.h"
#include "preview/UPreview.h"
#include "reports/UQuicReport1.h"
#include "tests/app/Programma.h"
#include "tests/gui/Guitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>
#include <memory>

using namespace rcveltor::app;
using rcveltor::test::TModaalwachter;

namespace {

// Types into a spin field as one would: select all, type, leave with Tab.
void Typ(TSpinVeld* veld, const QString& tekst) {
    veld->setFocus();
    veld->Regel()->selectAll();
    QTest::keyClicks(veld->Regel(), tekst);
}

// A key as a user presses it in the main window.
void Druk(QWidget* venster, const QKeySequence& toetsen) {
    QApplication::setActiveWindow(venster);
    const QKeyCombination k = toetsen[0];
    QTest::keyClick(venster, k.key(), k.keyboardModifiers());
}

// Contrast ratio of two colours by their relative luminance (WCAG 2).
double Contrast(QRgb a, QRgb b) {
    const auto luminantie = [](QRgb c) {
        const auto lineair = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineair(qRed(c)) + 0.7152 * lineair(qGreen(c)) + 0.0722 * lineair(qBlue(c));
    };
    const double la = luminantie(a);
    const double lb = luminantie(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lightest pixel of an image.
QRgb Lichtste(const QImage& beeld) {
    QRgb licht = qRgb(0, 0, 0);
    for (int y = 0; y < beeld.height(); ++y) {
        for (int x = 0; x < beeld.width(); ++x) {
            if (qGray(beeld.pixel(x, y)) > qGray(licht)) {
                licht = beeld.pixel(x, y);
            }
        }
    }
    return licht;
}

} // namespace

class TestMainForm : public rcveltor::test::TGuiTest {
    Q_OBJECT

private slots:
    void startShowsTheStartScreenWithTheStartValues() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        QCOMPARE(p.hoofd->ZichtbaarScherm(), TZichtbaarScherm::Geen);
        QVERIFY(!p.hoofd->ScrollBox1()->isVisible());
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,74"));
        QCOMPARE(p.Tekst("EditU"), QStringLiteral("0,35"));
        QCOMPARE(p.Tekst("SubTotaalRc"), QStringLiteral("2,882"));
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("110"));
        QCOMPARE(p.Tekst("LambdaRW"), QStringLiteral("0,0390"));
        QCOMPARE(p.Tekst("EditRc2"), QStringLiteral("1,34"));
        QCOMPARE(p.hoofd->windowTitle(), QStringLiteral("RcVeltor"));
        QVERIFY(wachter.Meldingen().isEmpty());
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void menuCommandsBeepAndPrintDoesNothingOnTheStartScreen() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImagePrint");
        QCOMPARE(p.piepjes, 0);
        p.Klik("ImageTerug");
        QCOMPARE(p.piepjes, 1);
        p.Klik("ImageBerekening");
        QCOMPARE(p.hoofd->ZichtbaarScherm(), TZichtbaarScherm::Plat);
        QVERIFY(p.hoofd->ScrollBox1()->isVisible());
        QCOMPARE(p.piepjes, 1);
        const QPoint plek = p.hoofd->Panel1()->pos();
        p.Klik("ImageBerekening");
        QCOMPARE(p.piepjes, 2);
        QCOMPARE(p.hoofd->Panel1()->pos(), plek);
        p.Klik("ImageAfschot");
        QVERIFY(p.hoofd->ScrollBox2()->isVisible());
        QVERIFY(!p.hoofd->ScrollBox1()->isVisible());
        p.Klik("ImageAfschot");
        QCOMPARE(p.piepjes, 3);
        p.Klik("ImageTerug");
        QCOMPARE(p.hoofd->ZichtbaarScherm(), TZichtbaarScherm::Geen);
        QCOMPARE(p.piepjes, 3);
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void panelsArePlacedForTheDesignSize() {
        TProgramma p;
        p.Start();
        QCOMPARE(p.hoofd->ScrollBox1()->size(), QSize(628, 445));
        QCOMPARE(p.hoofd->Panel1()->pos(), QPoint(1, 10));
        QCOMPARE(reinterpret_cast<QWidget*>(p.hoofd->Panel2())->pos(), QPoint(1, 10));
        p.Klik("ImageBerekening");
        QCOMPARE(p.hoofd->Panel1()->pos(), QPoint(9, 18));
        p.Klik("ImageAfschot");
        QCOMPARE(reinterpret_cast<QWidget*>(p.hoofd->Panel2())->pos(), QPoint(9, 18));
        // A resize places both panels again, the hidden one too.
        p.hoofd->resize(800, 526);
        QTRY_COMPARE(p.hoofd->Panel1()->pos(), QPoint(5, 10));
        QCOMPARE(reinterpret_cast<QWidget*>(p.hoofd->Panel2())->pos(), QPoint(5, 10));
    }

    void panelPlacementWithAndWithoutScrollBars_data() {
        QTest::addColumn<QSize>("venster");
        QTest::addColumn<QPoint>("plek");
        QTest::addColumn<bool>("horizontaal");
        QTest::addColumn<bool>("verticaal");
        // Centred by t(area, panel) on the whole area; 8 from an edge with a bar.
        QTest::newRow("none") << QSize(792, 526) << QPoint(1, 10) << false << false;
        QTest::newRow("vertical only") << QSize(800, 450) << QPoint(5, 8) << false << true;
        QTest::newRow("vertical only, wide") << QSize(900, 400) << QPoint(55, 8) << false << true;
        QTest::newRow("horizontal only") << QSize(700, 600) << QPoint(8, 47) << true << false;
        QTest::newRow("both") << QSize(600, 400) << QPoint(8, 8) << true << true;
    }

    void panelPlacementWithAndWithoutScrollBars() {
        QFETCH(QSize, venster);
        QFETCH(QPoint, plek);
        QFETCH(bool, horizontaal);
        QFETCH(bool, verticaal);
        TProgramma p;
        p.Start();
        p.hoofd->resize(venster);
        QTRY_COMPARE(p.hoofd->size(), venster);
        QTRY_COMPARE(p.hoofd->Panel1()->pos(), plek);
        QCOMPARE(p.hoofd->ScrollBox1()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn,
                 horizontaal);
        QCOMPARE(p.hoofd->ScrollBox1()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn,
                 verticaal);
    }

    void theWheelChangesOnlyAFocusedField_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("focus");
        QTest::addColumn<bool>("verandert");
        QTest::newRow("closed list") << QStringLiteral("CBonderconstructie") << false << false;
        QTest::newRow("spin field") << QStringLiteral("DikteIsol") << false << false;
        QTest::newRow("focused list") << QStringLiteral("CBonderconstructie") << true << true;
        QTest::newRow("focused spin field") << QStringLiteral("DikteIsol") << true << true;
    }

    void theWheelChangesOnlyAFocusedField() {
        QFETCH(QString, naam);
        QFETCH(bool, focus);
        QFETCH(bool, verandert);
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        p.hoofd->resize(600, 300); // the screen scrolls
        QTRY_COMPARE(p.hoofd->ScrollBox1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QScrollBar* balk = p.hoofd->ScrollBox1()->verticalScrollBar();
        auto* veld = p.hoofd->findChild<QWidget*>(naam);
        QVERIFY(veld != nullptr);
        p.Vind<QWidget>("SpeedButton1")->setFocus();
        if (focus) {
            veld->setFocus();
        }
        const QString rc = p.Tekst("EditRc");
        const QString onder = p.Vind<QComboBox>("CBonderconstructie")->currentText();
        const QString dikte = p.Tekst("DikteIsol");
        const int scroll = balk->value();
        const QPoint midden = veld->rect().center();
        QWheelEvent wiel(midden, veld->mapToGlobal(midden), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(veld, &wiel);
        const bool anders = p.Vind<QComboBox>("CBonderconstructie")->currentText() != onder ||
                            p.Tekst("DikteIsol") != dikte;
        QCOMPARE(anders, verandert);
        if (!verandert) {
            QCOMPARE(p.Tekst("EditRc"), rc);
            QVERIFY(balk->value() > scroll); // the screen scrolled instead
        }
    }

    void theTaperedBoardListShowsNineLines() {
        TProgramma p;
        p.Start();
        p.Klik("ImageAfschot");
        auto* lijst = p.Vind<TKeuzeLijst>("cbIsolatie2");
        QVERIFY(lijst->count() > 9);
        lijst->showPopup();
        QAbstractItemView* view = lijst->view();
        QTRY_VERIFY(view->isVisible());
        const int regel = view->visualRect(view->model()->index(0, 0)).height();
        QVERIFY(regel > 0);
        QCOMPARE(view->viewport()->height() / regel, 9);
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        lijst->hidePopup();
    }

    void spinStepsTurnANonStandardThicknessRed() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* dikte = p.Vind<TSpinVeld>("DikteIsol");
        QVERIFY(dikte->Regel()->isReadOnly());
        dikte->setFocus();
        QTest::keyClick(dikte, Qt::Key_Up);
        QCOMPARE(dikte->text(), QStringLiteral("115"));
        QCOMPARE(dikte->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(p.Tekst("RmIsol"), QStringLiteral("2,949"));
        QTest::keyClick(dikte, Qt::Key_Up);
        QCOMPARE(dikte->text(), QStringLiteral("120"));
        QCOMPARE(dikte->palette().color(QPalette::Base), QColor(240, 251, 255));
        QTest::keyClick(dikte, Qt::Key_PageUp);
        QCOMPARE(dikte->text(), QStringLiteral("130"));
        QTest::keyClick(dikte, Qt::Key_PageDown);
        QTest::keyClick(dikte, Qt::Key_PageDown);
        QCOMPARE(dikte->text(), QStringLiteral("110"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,74"));
        QVERIFY(dikte->toolTip().startsWith(QStringLiteral("Let op!\nIndien het vak rood is")));
    }

    void typingFollowsEveryKeystrokeAndClampsWhenLeft() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* dikte = p.Vind<TSpinVeld>("DikteDamprem");
        Typ(dikte, QStringLiteral("17"));
        QCOMPARE(p.Tekst("RmDamprem"), QStringLiteral("0,100")); // 17 mm / 0.17, unclamped
        QTest::keyClick(dikte->Regel(), Qt::Key_Tab);
        QCOMPARE(dikte->text(), QStringLiteral("17")); // 0 to 500 until a retarder is chosen
        auto* lambda = p.Vind<TSpinVeld>("LambdaDamprem");
        Typ(lambda, QStringLiteral("300"));
        QCOMPARE(p.Tekst("RmDamprem"), QStringLiteral("0,000"));
        QTest::keyClick(lambda->Regel(), Qt::Key_Tab);
        QCOMPARE(lambda->text(), QStringLiteral("250,000"));
    }

    void keyboardChoiceOnAClosedListRunsTheChoice() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* onder = p.Vind<TKeuzeLijst>("CBonderconstructie");
        onder->setFocus();
        QTest::keyClick(onder, Qt::Key_Down);
        QCOMPARE(onder->currentText(), QStringLiteral("Cellenbeton"));
        QCOMPARE(p.Tekst("DikteOndercons"), QStringLiteral("100"));
        QCOMPARE(p.Tekst("LambdaOndercons"), QStringLiteral("0,160"));
        QCOMPARE(p.Vind<QComboBox>("CBcombinatie")->count(), 5);
    }

    void mouseChoiceAndClosingWithoutAChoiceRunTheChoice() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* isolatie = p.Vind<TKeuzeLijst>("CBisolatie");
        isolatie->showPopup();
        QAbstractItemView* lijst = isolatie->view();
        QTRY_VERIFY(lijst->isVisible());
        const QRect regel = lijst->visualRect(lijst->model()->index(7, 0)); // "Quendal"
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, regel.center());
        QTRY_COMPARE(p.Tekst("DikteIsol"), QStringLiteral("90"));
        QCOMPARE(isolatie->currentText(), QStringLiteral("Quendal"));
        QCOMPARE(p.Vind<QComboBox>("CBonderconstructie")->count(), 1);
        QCOMPARE(p.Vind<QComboBox>("CBcombinatie")->count(), 2);

        // Dropping the list down and closing it again resets the thickness.
        auto* dikte = p.Vind<TSpinVeld>("DikteIsol");
        dikte->setFocus();
        QTest::keyClick(dikte, Qt::Key_Up);
        QCOMPARE(dikte->text(), QStringLiteral("95"));
        isolatie->showPopup();
        QTRY_VERIFY(lijst->isVisible());
        QTest::keyClick(lijst, Qt::Key_Escape);
        QTRY_COMPARE(dikte->text(), QStringLiteral("90"));
    }

    void wizardConfirmedCancelledAndKeepsItsValue() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* knop = p.Vind<QToolButton>("SpeedButton1");
        QVERIFY(knop->toolTip().startsWith(QStringLiteral("Rc-wizard (")));

        // 2,50 stepped up to 3,50 with Page Up, then "Bepaal dikte".
        QString titel;
        QString getoond;
        QPoint midden;
        QPoint schermMidden;
        wachter.Verwacht([&](QDialog* d) {
            titel = d->windowTitle();
            midden = d->frameGeometry().center();
            schermMidden = d->screen()->availableGeometry().center();
            getoond = p.wizard->WensRcVeld()->text();
            p.wizard->WensRcVeld()->setFocus();
            QTest::keyClick(p.wizard->WensRcVeld(), Qt::Key_PageUp);
            p.wizard->Button1()->click();
        });
        QTest::mouseClick(knop, Qt::LeftButton);
        QCOMPARE(titel, QStringLiteral("Rc-Wizard"));
        QVERIFY((midden - schermMidden).manhattanLength() <= 2); // on the screen, not the window
        QCOMPARE(getoond, QStringLiteral("2,50"));
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("150"));
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("3,71"));

        // Changed and cancelled: nothing changes; the value is kept.
        wachter.Verwacht([&](QDialog* d) {
            getoond = p.wizard->WensRcVeld()->text();
            QTest::keyClick(p.wizard->WensRcVeld(), Qt::Key_PageUp);
            d->reject();
        });
        QTest::mouseClick(knop, Qt::LeftButton);
        QCOMPARE(getoond, QStringLiteral("3,50"));
        QCOMPARE(p.Tekst("DikteIsol"), QStringLiteral("150"));
        QCOMPARE(p.wizard->WensRc().Tekst, std::string("4,50"));
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void theWizardsTextLetsTheHeaderShowThrough() {
        rcveltor::TNumVeld wensRc = rcveltor::MaakWensRcVeld();
        TFrmRcWizard wizard(wensRc);
        auto* uitleg = wizard.findChild<QLabel*>(QStringLiteral("Uitleg"));
        QVERIFY(uitleg != nullptr);
        const QRect vak = uitleg->geometry();
        const QImage met = wizard.grab(vak).toImage();
        uitleg->hide();
        const QImage zonder = wizard.grab(vak).toImage();
        // Outside its letters the text area shows the header as it is.
        int gelijk = 0;
        for (int y = 0; y < met.height(); ++y) {
            for (int x = 0; x < met.width(); ++x) {
                gelijk += met.pixel(x, y) == zonder.pixel(x, y);
            }
        }
        QVERIFY2(gelijk > met.width() * met.height() * 7 / 10, "the text area covers the header");
    }

    void theWizardsTextStandsOutFromTheArtworkBehindIt() {
        rcveltor::TNumVeld wensRc = rcveltor::MaakWensRcVeld();
        TFrmRcWizard wizard(wensRc);
        auto* uitleg = wizard.findChild<QLabel*>(QStringLiteral("Uitleg"));
        const QRect vak = uitleg->geometry();
        const QRgb tekst = Lichtste(wizard.grab(vak).toImage());
        uitleg->hide();
        // The lightest spot behind the text box is the worst.
        const QRgb achter = Lichtste(wizard.grab(vak).toImage());
        QCOMPARE(QColor(tekst), QColor(Qt::white));
        QVERIFY2(Contrast(tekst, achter) >= 4.5, qPrintable(QStringLiteral("contrast %1 against %2")
                                                                .arg(Contrast(tekst, achter))
                                                                .arg(QColor(achter).name())));
    }

    void everyMenuPictureAndTheWizardHaveAKey_data() {
        QTest::addColumn<QString>("naam"); // the picture or button
        QTest::addColumn<QKeySequence>("toetsen");
        QTest::addColumn<QString>("vanaf");  // the menu item clicked first
        QTest::addColumn<QString>("gevolg"); // the screen, dialog or command that follows
        const auto rij = [](const char* naam, QKeyCombination k, const char* vanaf,
                            const char* gevolg) {
            QTest::newRow(naam) << QString::fromLatin1(naam) << QKeySequence(k)
                                << QString::fromLatin1(vanaf) << QString::fromLatin1(gevolg);
        };
        rij("ImageBerekening", Qt::ALT | Qt::Key_B, "ImageAfschot", "Plat");
        rij("ImageAfschot", Qt::ALT | Qt::Key_A, "ImageBerekening", "Afschot");
        rij("ImageTerug", Qt::ALT | Qt::Key_S, "ImageBerekening", "Geen");
        rij("ImagePrint", Qt::CTRL | Qt::Key_P, "ImageAfschot", "Afdrukken Afschot");
        rij("ImageProject", Qt::ALT | Qt::Key_P, "ImageAfschot", "Projectgegevens");
        rij("ImageInfo", QKeyCombination(Qt::Key_F1), "ImageBerekening", "INFO");
        rij("SpeedButton1", Qt::ALT | Qt::Key_W, "ImageBerekening", "Rc-Wizard");
    }

    void everyMenuPictureAndTheWizardHaveAKey() {
        QFETCH(QString, naam);
        QFETCH(QKeySequence, toetsen);
        QFETCH(QString, vanaf);
        QFETCH(QString, gevolg);
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        QStringList gevolgen;
        p.hoofd->Afdrukken = [&](TZichtbaarScherm scherm) {
            gevolgen << (scherm == TZichtbaarScherm::Afschot ? QStringLiteral("Afdrukken Afschot")
                                                             : QStringLiteral("Afdrukken"));
        };
        p.hoofd->ToonInfo = [&] { gevolgen << QStringLiteral("INFO"); };
        wachter.Verwacht([&](QDialog* d) {
            gevolgen << d->windowTitle();
            d->reject();
        });
        p.Start();
        p.Klik(vanaf.toLatin1().constData());
        const QString toets = toetsen.toString(QKeySequence::NativeText);
        QVERIFY2(p.Vind<QWidget>(naam.toLatin1().constData())
                     ->toolTip()
                     .endsWith(QStringLiteral(" (%1)").arg(toets)),
                 qPrintable(p.Vind<QWidget>(naam.toLatin1().constData())->toolTip()));
        Druk(p.hoofd.get(), toetsen);
        if (gevolgen.isEmpty()) {
            const char* schermen[] = {"Geen", "Plat", "Afschot"};
            gevolgen << QString::fromLatin1(schermen[int(p.hoofd->ZichtbaarScherm())]);
        }
        QCOMPARE(gevolgen, QStringList{gevolg});
        QCOMPARE(p.piepjes, 0);
    }

    void theMethodListComesInTheTabOrderWhereItSits_data() {
        QTest::addColumn<QString>("scherm");
        QTest::addColumn<QStringList>("volgorde"); // inputs in Tab order from the first
        QTest::newRow("plat") << QStringLiteral("ImageBerekening")
                              << QStringList{QStringLiteral("LambdaOndercons"),
                                             QStringLiteral("Rekenmethode"),
                                             QStringLiteral("CBcombinatie")};
        QTest::newRow("afschot") << QStringLiteral("ImageAfschot")
                                 << QStringList{QStringLiteral("LambdaOndercons2"),
                                                QStringLiteral("Rekenmethode2"),
                                                QStringLiteral("cbCombinatie2")};
    }

    void theMethodListComesInTheTabOrderWhereItSits() {
        QFETCH(QString, scherm);
        QFETCH(QStringList, volgorde);
        TProgramma p;
        p.Start();
        p.Klik(scherm.toLatin1().constData());
        QApplication::setActiveWindow(p.hoofd.get());
        p.Vind<QWidget>(volgorde.front().toLatin1().constData())->setFocus();
        QStringList bezocht{volgorde.front()};
        // Tab on, past the results, to each next field the user sets.
        for (int tab = 0; tab < 20 && bezocht.size() < volgorde.size(); ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* veld = QApplication::focusWidget();
            while (veld != nullptr && qobject_cast<TSpinVeld*>(veld) == nullptr &&
                   qobject_cast<TKeuzeLijst*>(veld) == nullptr) {
                veld = veld->parentWidget();
            }
            if (veld != nullptr && veld->objectName() != bezocht.back()) {
                bezocht << veld->objectName();
            }
        }
        QCOMPARE(bezocht, volgorde);
    }

    void theProgramsDialogsOpenOverThePreviewAndTakeTheKeys_data() {
        QTest::addColumn<QString>("opdracht");
        QTest::addColumn<QString>("dialoog");
        QTest::newRow("closing with changes")
            << QStringLiteral("sluiten") << QStringLiteral("Wijzigingen opslaan?");
        QTest::newRow("Openen") << QStringLiteral("Ctrl+O") << QStringLiteral("Openen");
        QTest::newRow("Projectgegevens")
            << QStringLiteral("Alt+P") << QStringLiteral("Projectgegevens");
        QTest::newRow("Rc-wizard") << QStringLiteral("Alt+W") << QStringLiteral("Rc-Wizard");
    }

    void theProgramsDialogsOpenOverThePreviewAndTakeTheKeys() {
        QFETCH(QString, opdracht);
        QFETCH(QString, dialoog);
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        // As the program makes it: a window of the main window's own.
        rcveltor::rapport::TFrmPreview preview(p.hoofd.get());
        rcveltor::rapport::TQuickReport1 rapport(p.berekening.Model.Rc);
        preview.KiesRapport = [&]() -> rcveltor::rapport::TRapport* { return &rapport; };
        p.hoofd->Afdrukken = [&](TZichtbaarScherm) { preview.Start(); };
        p.Start();
        p.Klik("ImageBerekening");
        if (opdracht == QStringLiteral("sluiten")) {
            p.hoofd->Panel1()->DikteIsol()->stepBy(1);
        }

        QString titel;
        QWindow* boven = nullptr;
        bool toetsen = false;
        const auto bekijk = [&](QWidget* d) {
            titel = qobject_cast<QMessageBox*>(d) ? qobject_cast<QMessageBox*>(d)->text()
                                                  : d->windowTitle();
            boven = d->windowHandle() ? d->windowHandle()->transientParent() : nullptr;
            toetsen = QTest::qWaitFor([d] {
                return QApplication::focusWidget() != nullptr &&
                       QApplication::focusWidget()->window() == d;
            });
        };
        wachter.BijMelding = [&] { bekijk(QApplication::activeModalWidget()); };
        wachter.Antwoorden << QMessageBox::Cancel;
        wachter.Verwacht([&](QDialog* d) {
            bekijk(d);
            d->reject();
        });
        bool stayOnTop = true;
        QTimer::singleShot(0, p.hoofd.get(), [&] {
            QTRY_VERIFY(preview.isVisible());
            stayOnTop = preview.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            if (opdracht == QStringLiteral("sluiten")) {
                QVERIFY(!p.hoofd->close());
            } else {
                Druk(p.hoofd.get(), QKeySequence::fromString(opdracht));
            }
            preview.close();
        });
        p.Klik("ImagePrint");
        QCOMPARE(titel, dialoog);
        QVERIFY(!stayOnTop);
        QVERIFY(boven != nullptr);
        QCOMPARE(boven, preview.windowHandle());
        QVERIFY(toetsen);
        // A dialog that lives on is given back to the main window.
        QCOMPARE(p.wizard->parentWidget(), p.hoofd.get());
        if (opdracht == QStringLiteral("sluiten")) {
            QCOMPARE(wachter.Meldingen(), QStringList{dialoog});
        }
    }

    void qtsOwnDialogsSpeakDutch() {
        QTranslator vertaler;
        QVERIFY(InstalleerQtNederlands(vertaler));
        QFileDialog opslaan;
        opslaan.setAcceptMode(QFileDialog::AcceptSave);
        const auto* annuleren =
            opslaan.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        const QString opslaanTitel = QCoreApplication::translate("QFileDialog", "Save As");
        QCoreApplication::removeTranslator(&vertaler);
        QCOMPARE(annuleren->text(), QStringLiteral("Annuleren"));
        QCOMPARE(opslaanTitel, QStringLiteral("Opslaan als"));
    }

    void allAreasZeroShowsTheErrorBox() {
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImageAfschot");
        for (const char* naam : {"oppvl1", "oppvl2", "oppvl3"}) {
            auto* veld = p.Vind<TSpinVeld>(naam);
            Typ(veld, QStringLiteral("0"));
            QTest::keyClick(veld->Regel(), Qt::Key_Tab);
        }
        QTRY_COMPARE(wachter.Meldingen().size(), 1);
        QCOMPARE(wachter.Meldingen().front(), QStringLiteral("Invalid floating point operation."));
        QCOMPARE(p.Tekst("EditRc2"), QStringLiteral("1,23")); // the last result stays shown
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void anErrorBoxWhileTypingIsNotLeavingTheField_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("verder");
        QTest::addColumn<QString>("uitkomst");
        QTest::newRow("area 1, the others 0")
            << QStringLiteral("oppvl1") << QStringLiteral("Invalid floating point operation.")
            << QStringLiteral("20") << QStringLiteral("020");
        QTest::newRow("slope length")
            << QStringLiteral("AfschotLengte") << QStringLiteral("Floating point division by zero.")
            << QStringLiteral("5") << QStringLiteral("05");
    }

    void anErrorBoxWhileTypingIsNotLeavingTheField() {
        QFETCH(QString, naam);
        QFETCH(QString, melding);
        QFETCH(QString, verder);
        QFETCH(QString, uitkomst);
        TModaalwachter& wachter = Wachter();
        TProgramma p;
        p.Start();
        p.Klik("ImageAfschot");
        if (naam == QStringLiteral("oppvl1")) {
            for (const char* ander : {"oppvl2", "oppvl3"}) {
                auto* veld = p.Vind<TSpinVeld>(ander);
                Typ(veld, QStringLiteral("0"));
                QTest::keyClick(veld->Regel(), Qt::Key_Tab);
            }
        }
        QCOMPARE(wachter.Meldingen().size(), 0);
        auto* veld = p.hoofd->findChild<TSpinVeld*>(naam);
        QVERIFY(veld != nullptr);
        Typ(veld, QStringLiteral("0")); // the failing calculation
        QCOMPARE(wachter.Meldingen(), QStringList{melding});
        // After OK the user is still in the field, typing on after the 0
        // once the desktop has given the window back its focus.
        QCOMPARE(p.hoofd->focusWidget(), veld);
        p.hoofd->activateWindow();
        QTRY_VERIFY(veld->hasFocus());
        QCOMPARE(veld->text(), QStringLiteral("0"));
        QCOMPARE(veld->Regel()->cursorPosition(), 1);
        QTest::keyClicks(veld->Regel(), verder);
        QTest::keyClick(veld->Regel(), Qt::Key_Tab);
        QVERIFY(!veld->hasFocus());
        QCOMPARE(veld->text(), uitkomst); // as typed: a number in range stays as it is
        QCOMPARE(wachter.Meldingen().size(), 1);
        QVERIFY(wachter.Onverwacht.isEmpty());
    }

    void aMenuCommandLeavesTheFieldBeingTyped() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* lambda = p.Vind<TSpinVeld>("LambdaDamprem");
        Typ(lambda, QStringLiteral("300"));
        p.Klik("ImageAfschot");
        QCOMPARE(lambda->text(), QStringLiteral("250,000"));
    }

    void leavingASteelDeckOnlyBoardKeepsTheSteelDeck() {
        TProgramma p;
        p.Start();
        p.Klik("ImageBerekening");
        auto* isolatie = p.Vind<TKeuzeLijst>("CBisolatie");
        isolatie->setFocus();
        while (isolatie->currentText() != QStringLiteral("Quendal")) {
            QTest::keyClick(isolatie, Qt::Key_Down);
        }
        auto* onder = p.Vind<QComboBox>("CBonderconstructie");
        QCOMPARE(onder->count(), 1);
        QTest::keyClick(isolatie, Qt::Key_Up); // arrowing on through the closed list
        QVERIFY(isolatie->currentText() != QStringLiteral("Quendal"));
        QCOMPARE(onder->count(), 4);
        QCOMPARE(onder->currentText(), QStringLiteral("Geprofileerd staaldak"));
        QCOMPARE(p.Tekst("DikteOndercons"), QStringLiteral("0,75"));
        QCOMPARE(p.Vind<QComboBox>("CBcombinatie")->count(), 8);
    }

    void aFailedLoadIsShownBeforeTheWindowAndStartUpGoesOn() {
        QTemporaryDir leeg;
        TModaalwachter& wachter = Wachter();
        TProgramma p(leeg.path());
        bool hoofdZichtbaar = true;
        wachter.BijMelding = [&] {
            // The window system's window: the widget counts as visible from
            // the start of its show event on.
            if (wachter.Meldingen().size() == 1) {
                hoofdZichtbaar = p.hoofd->windowHandle() && p.hoofd->windowHandle()->isVisible();
            }
        };
        p.Start();
        QCOMPARE(wachter.Meldingen().size(), 1);
        QVERIFY(wachter.Meldingen().front().startsWith(QStringLiteral("Cannot open file \"")));
        QVERIFY(wachter.Meldingen().front().endsWith(QStringLiteral(". Niet gevonden.")));
        QVERIFY(!hoofdZichtbaar);
        QCOMPARE(p.Tekst("EditRc"), QStringLiteral("2,74"));
        // Without the table a fastener combination fails with the conversion error.
        p.Klik("ImageBerekening");
        auto* combinatie = p.Vind<TKeuzeLijst>("CBcombinatie");
        combinatie->setFocus();
        QTest::keyClick(combinatie, Qt::Key_Down);
        QTRY_COMPARE(wachter.Meldingen().size(), 2);
        QCOMPARE(wachter.Meldingen().back(),
                 QStringLiteral("Could not convert variant of type (Null) into type (Double)"));
    }

    // Last: once the application has quit, no later event loop would run.
    void closingTheMainWindowEndsTheProgramWhileAPreviewWaits() {
        TProgramma p;
        rcveltor::rapport::TQuickReport1 rapport(p.berekening.Model.Rc);
        rcveltor::rapport::TFrmPreview preview;
        preview.KiesRapport = [&]() -> rcveltor::rapport::TRapport* { return &rapport; };
        p.hoofd->Afdrukken = [&](TZichtbaarScherm) { preview.Start(); };
        p.Start();
        p.Klik("ImageBerekening");
        QTimer::singleShot(0, p.hoofd.get(), [&] { p.Klik("ImagePrint"); });
        QTimer::singleShot(300, p.hoofd.get(), [&] {
            QVERIFY(preview.isVisible());
            p.hoofd->close();
        });
        // Should the program not end, this ends the test as a failure.
        QTimer::singleShot(10000, p.hoofd.get(), [&] {
            preview.close();
            QApplication::exit(2);
        });
        QCOMPARE(QApplication::exec(), 0);
    }
};

RCV_GUI_TEST_MAIN(TestMainForm)
#include "test_mainform.moc"
