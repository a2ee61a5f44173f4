#include "preview/UPreview.h"

#include "melding/Foutmelding.h"
#include "melding/Opslagmap.h"
#include "preview/Previewiconen.h"
#include "reports/Tekenen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QShortcut>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <tuple>

namespace rcveltor::rapport {

namespace {

QToolButton* MaakKnop(QWidget* strook, const char* naam, TIcoon icoon, int x) {
    auto* knop = new QToolButton(strook);
    knop->setObjectName(QString::fromLatin1(naam));
    knop->setAutoRaise(true);
    knop->setIcon(PreviewIcoon(icoon));
    knop->setIconSize(QSize(16, 16));
    knop->setGeometry(x, 4, 23, 22);
    knop->setFocusPolicy(Qt::NoFocus);
    return knop;
}

} // namespace

TFrmPreview::TFrmPreview(QWidget* ouder) : QWidget(ouder, Qt::Window) {
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    resize(640, 480);

    auto* strook = new QWidget(this);
    strook->setObjectName(QStringLiteral("ToolStrip"));
    strook->setFixedHeight(30);
    connect(MaakKnop(strook, "SBzoomin", TIcoon::ZoomIn, 11), &QToolButton::clicked, this,
            &TFrmPreview::SBZoomInClick);
    connect(MaakKnop(strook, "SBzoomout", TIcoon::ZoomUit, 34), &QToolButton::clicked, this,
            &TFrmPreview::SBZoomOutClick);
    connect(MaakKnop(strook, "SBzoomToFit", TIcoon::HelePagina, 57), &QToolButton::clicked, this,
            &TFrmPreview::SBZoomToFitClick);
    connect(MaakKnop(strook, "SBzoom100", TIcoon::Honderd, 80), &QToolButton::clicked, this,
            &TFrmPreview::SBZoom100Click);
    connect(MaakKnop(strook, "SBZoomPageWidth", TIcoon::PaginaBreedte, 103), &QToolButton::clicked,
            this, &TFrmPreview::SBZoomPageWidthClick);
    connect(MaakKnop(strook, "SBprint", TIcoon::Afdrukken, 140), &QToolButton::clicked, this,
            &TFrmPreview::SBPrintClick);
    connect(MaakKnop(strook, "SBsave", TIcoon::Pdf, 163), &QToolButton::clicked, this,
            &TFrmPreview::SBsaveClick);
    connect(MaakKnop(strook, "SBexit", TIcoon::Sluiten, 194), &QToolButton::clicked, this,
            &TFrmPreview::SBExitClick);
    // The buttons take no focus: each command has a key, named in its tooltip.
    const std::pair<const char*, QString> tips[] = {
        {"SBzoomToFit", QStringLiteral("Hele pagina")},
        {"SBzoom100", QStringLiteral("100%")},
        {"SBZoomPageWidth", QStringLiteral("Paginabreedte")},
    };
    for (const auto& [naam, tip] : tips) {
        Knop(naam)->setToolTip(tip);
    }
    const std::tuple<const char*, QString, QKeySequence> toetsen[] = {
        {"SBzoomin", QStringLiteral("Inzoomen"), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"SBzoomout", QStringLiteral("Uitzoomen"), QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"SBprint", QStringLiteral("Afdrukken"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"SBsave", QStringLiteral("Opslaan als PDF"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"SBexit", QStringLiteral("Sluiten"), QKeySequence(Qt::Key_Escape)},
    };
    for (const auto& [naam, tip, toets] : toetsen) {
        QToolButton* knop = Knop(naam);
        knop->setToolTip(
            QStringLiteral("%1 (%2)").arg(tip, toets.toString(QKeySequence::NativeText)));
        connect(new QShortcut(toets, this), &QShortcut::activated, knop, &QToolButton::click);
    }
    // The page moves are reached through the keys; their buttons stay hidden.
    const std::pair<const char*, TIcoon> navigatie[] = {{"SBfirst", TIcoon::EerstePagina},
                                                        {"SBprev", TIcoon::VorigePagina},
                                                        {"SBnext", TIcoon::VolgendePagina},
                                                        {"SBLast", TIcoon::LaatstePagina}};
    for (int i = 0; i < 4; ++i) {
        MaakKnop(strook, navigatie[i].first, navigatie[i].second, 235 + 23 * i)->hide();
    }

    beeld_ = new TPaginabeeld(this);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->addWidget(strook);
    indeling->addWidget(beeld_, 1);
    setFocusPolicy(Qt::StrongFocus);
    // The page keys move between pages wherever the focus is; the view never
    // scrolls on them.
    beeld_->setFocusPolicy(Qt::NoFocus);
    beeld_->installEventFilter(this);
    beeld_->viewport()->installEventFilter(this);

    Openen = [](const QString& bestand) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(bestand));
    };
    VraagBestandsnaam = [this] {
        QFileDialog dialoog(this, QString(), OpslagMap(), QStringLiteral("PDF bestanden (*.pdf)"));
        dialoog.setAcceptMode(QFileDialog::AcceptSave);
        dialoog.setDefaultSuffix(QStringLiteral("PDF"));
        return dialoog.exec() == QDialog::Accepted && !dialoog.selectedFiles().isEmpty()
                   ? dialoog.selectedFiles().front()
                   : QString();
    };
    VraagAfdrukken = [this](QPrinter& printer, int aantal) {
        QPrintDialog dialoog(&printer, this);
        dialoog.setMinMax(1, std::max(1, aantal));
        dialoog.setFromTo(1, std::max(1, aantal));
        return dialoog.exec() == QDialog::Accepted;
    };
}

TFrmPreview::~TFrmPreview() = default;

QToolButton* TFrmPreview::Knop(const char* naam) const {
    return findChild<QToolButton*>(QString::fromLatin1(naam));
}

QPrinter& TFrmPreview::PrinterVan(TRapport* rapport) {
    auto& printer = printers_[rapport];
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setFullPage(true);
        printer->setCopyCount(1);
    }
    return *printer;
}

QString TFrmPreview::OpslagMap() const {
    return melding::OpslagMap(laatsteMap_);
}

void TFrmPreview::Start() {
    if (wachtlus_ != nullptr) {
        // One preview at a time: a second print command finds it open, and
        // brings it back when it was minimised.
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
        raise();
        activateWindow();
        return;
    }
    TRapport* rapport = KiesRapport ? KiesRapport() : nullptr;
    if (rapport == nullptr) {
        return;
    }
    rapport->OnPreview = [this](std::shared_ptr<const TPaginaSet> set) {
        beeld_->ZetPaginaSet(std::move(set));
        showMaximized();
        raise();
        activateWindow();
    };
    rapport->Genereer(true, [this](const TPaginaSet&, int) { QRPreview1PageAvailable(); });
    // Wait, answering the user, until the window lets go of the pages.
    if (isVisible() && beeld_->PaginaSet()) {
        QEventLoop lus;
        wachtlus_ = &lus;
        lus.exec();
        wachtlus_ = nullptr;
    }
}

void TFrmPreview::QRPreview1PageAvailable() {
    if (eerstePagina_) {
        SBZoomPageWidthClick();
        beeld_->ZetPagina(1);
        eerstePagina_ = false;
    }
}

void TFrmPreview::showEvent(QShowEvent* e) {
    eerstePagina_ = true;
    QWidget::showEvent(e);
    setFocus(Qt::OtherFocusReason);
}

bool TFrmPreview::eventFilter(QObject* object, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
        case Qt::Key_End:
        case Qt::Key_Home:
            keyPressEvent(static_cast<QKeyEvent*>(e));
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(object, e);
}

bool TFrmPreview::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        eerstePagina_ = true;
    }
    return QWidget::event(e);
}

void TFrmPreview::SBFirstClick() {
    QApplication::processEvents();
    beeld_->ZetPagina(1);
}

void TFrmPreview::SBPrevClick() {
    QApplication::processEvents();
    beeld_->ZetPagina(beeld_->PaginaNummer() - 1);
}

void TFrmPreview::SBNextClick() {
    QApplication::processEvents();
    beeld_->ZetPagina(beeld_->PaginaNummer() + 1);
}

void TFrmPreview::SBLastClick() {
    QApplication::processEvents();
    beeld_->ZetPagina(beeld_->AantalPaginas());
}

void TFrmPreview::SBZoomInClick() {
    QApplication::processEvents();
    beeld_->ZetZoomAnders(beeld_->Zoom() + 10);
}

void TFrmPreview::SBZoomOutClick() {
    QApplication::processEvents();
    beeld_->ZetZoomAnders(beeld_->Zoom() - 10);
}

void TFrmPreview::SBZoomToFitClick() {
    beeld_->ZoomPassend();
}
void TFrmPreview::SBZoom100Click() {
    beeld_->Zoom100();
}
void TFrmPreview::SBZoomPageWidthClick() {
    beeld_->ZoomBreedte();
}

void TFrmPreview::keyPressEvent(QKeyEvent* e) {
    QApplication::processEvents();
    // Next, previous, End, Home: the first match acts.
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        SBNextClick();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        SBPrevClick();
        break;
    case Qt::Key_End:
        SBLastClick();
        break;
    case Qt::Key_Home:
        SBFirstClick();
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TFrmPreview::Druk(QPrinter& printer, const TPaginaSet& set) {
    QPainter p;
    if (!p.begin(&printer)) {
        throw std::runtime_error("Printing failed: the printer could not be opened");
    }
    const int van = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int tot = printer.toPage() > 0 ? printer.toPage() : static_cast<int>(set.Paginas.size());
    QProgressDialog voortgang(QStringLiteral("Afdrukken..."), QString(), 0, tot - van + 1, this);
    voortgang.setMinimumDuration(500);
    const double schaal = printer.resolution() / 96.0;
    for (int i = van; i <= tot && i <= static_cast<int>(set.Paginas.size()); ++i) {
        if (i > van) {
            printer.newPage();
        }
        TekenPagina(p, set.Paginas[static_cast<std::size_t>(i - 1)], schaal);
        voortgang.setValue(i - van + 1);
    }
    p.end();
}

void TFrmPreview::SBPrintClick() {
    QApplication::processEvents();
    TRapport* rapport = KiesRapport ? KiesRapport() : nullptr;
    if (rapport == nullptr) {
        return;
    }
    QPrinter& printer = PrinterVan(rapport);
    if (!VraagAfdrukken(printer, beeld_->AantalPaginas())) {
        return;
    }
    try {
        // A fresh generation: the printout shows the calculation of now.
        const auto set = rapport->Genereer(false);
        Druk(printer, *set);
    } catch (const std::exception& fout) {
        melding::ToonFoutmelding(this, QString::fromStdString(fout.what()));
    }
}

void TFrmPreview::SBsaveClick() {
    QApplication::processEvents();
    const QString naam = VraagBestandsnaam ? VraagBestandsnaam() : QString();
    if (naam.isEmpty()) {
        close();
        return;
    }
    const qsizetype punt = naam.lastIndexOf(QLatin1Char('.'));
    const QString extensie = punt < 0 ? QString() : naam.mid(punt).toUpper();
    if (extensie != QStringLiteral(".PDF")) {
        // Nothing was written: say so, and let the user try again.
        melding::ToonFoutmelding(
            this, QStringLiteral("Het bestand is niet opgeslagen: de naam moet eindigen op .pdf."));
        return;
    }
    // Exactly the pages this preview shows, whichever screen is visible now.
    const std::shared_ptr<const TPaginaSet> set = beeld_->PaginaSet();
    if (!set || !PdfSchrijver) {
        close();
        return;
    }
    try {
        QProgressDialog voortgang(QStringLiteral("PDF opslaan..."), QString(), 0, 1, this);
        voortgang.setMinimumDuration(300);
        PdfSchrijver(*set, naam);
        voortgang.setValue(1);
    } catch (const std::exception& fout) {
        melding::ToonFoutmelding(this, QString::fromStdString(fout.what()));
        return;
    }
    laatsteMap_ = QFileInfo(naam).absolutePath();
    if (Openen && !Openen(naam)) {
        QMessageBox melding(QMessageBox::Information, QStringLiteral("RcVeltor"),
                            QStringLiteral("Het PDF-bestand is opgeslagen als:\n%1\n\nHet kan "
                                           "niet automatisch worden geopend.")
                                .arg(QDir::toNativeSeparators(naam)),
                            QMessageBox::Ok, this);
        melding.exec();
    }
    close();
}

void TFrmPreview::SBExitClick() {
    QApplication::processEvents();
    close();
}

void TFrmPreview::closeEvent(QCloseEvent* e) {
    // The view lets go of the pages; the waiting print command returns.
    beeld_->ZetPaginaSet(nullptr);
    if (wachtlus_ != nullptr) {
        wachtlus_->quit();
    }
    QWidget::closeEvent(e);
}

} // namespace rcveltor::rapport
