#include "app/UMainform.h"

#include "app/AfschotPaneel.h"
#include "app/Plaatje.h"
#include "app/RcPaneel.h"
#include "app/UProjectgegevens.h"
#include "app/URcWizard.h"
#include "app/UVochtcontrole.h"
#include "app/Velden.h"
#include "basis/RcFout.h"
#include "calc/Actie.h"
#include "calc/RcWizard.h"
#include "melding/Eigenaar.h"
#include "melding/Foutmelding.h"
#include "platform/Databestand.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStyle>

namespace rcveltor::app {

using namespace beeld;

using melding::ToonFoutmelding;

namespace {

constexpr int kMargeBreedte = 164;
constexpr int kBandenHoogte = 81;
// The setting that keeps the method between runs.
const QString kMethodeSleutel = QStringLiteral("rekenmethode");
const QString kTitel = QStringLiteral("RcVeltor");
const QString kUpdateWelkom =
    QStringLiteral("Er is een nieuwe update. Klik op start voor details.");

TPlaatje* MenuItem(const QString& tekst, const QString& naam, int y, QWidget* ouder) {
    auto* item =
        new TPlaatje([tekst](QPainter& p, const QRectF& r) { TekenMenuItem(p, r, tekst); }, ouder);
    item->setObjectName(naam);
    item->setAccessibleName(tekst);
    item->setGeometry(0, y, kMargeBreedte, 19);
    item->setCursor(Qt::PointingHandCursor);
    return item;
}

// "Naar berekening (Alt+B)".
QString MetToetsen(const QString& tekst, const QKeySequence& toetsen) {
    return QStringLiteral("%1 (%2)").arg(tekst, toetsen.toString(QKeySequence::NativeText));
}

QScrollArea* SchermGebied(QWidget* paneel, QWidget* ouder, const QString& naam) {
    auto* gebied = new QScrollArea(ouder);
    gebied->setObjectName(naam);
    gebied->setFrameShape(QFrame::NoFrame);
    gebied->setWidgetResizable(false);
    auto* doek = new QWidget;
    doek->setAutoFillBackground(true);
    QPalette p = doek->palette();
    p.setColor(QPalette::Window, Qt::white);
    doek->setPalette(p);
    paneel->setParent(doek);
    gebied->setWidget(doek);
    gebied->hide();
    return gebied;
}

} // namespace

TMainForm::TMainForm(TBerekening& berekening, QWidget* ouder)
    : QWidget(ouder), berekening_(berekening), beheer_(berekening, this) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kTitel);
    resize(792, 526);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    Piep = [] { QApplication::beep(); };
    werkmap_ = QDir::currentPath();
    instellingenbestand_ = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("RcVeltor"), QStringLiteral("RcVeltor"))
                               .fileName();

    kop_ = new TPlaatje(TekenKop, this);
    graybar_ = new TPlaatje(TekenGrijsbalk, this);
    logo_ = new TPlaatje(TekenLogo, this);
    fototop_ = new TPlaatje(TekenFotoBoven, this);
    fotobottom_ = new TPlaatje(TekenFotoOnder, this);
    marge_ = new TPlaatje(TekenMarge, this);
    // The form's names of its pictures; the info window's own carry the same.
    kop_->setObjectName(QStringLiteral("Kop"));
    graybar_->setObjectName(QStringLiteral("graybar"));
    logo_->setObjectName(QStringLiteral("Logo"));
    fototop_->setObjectName(QStringLiteral("Fototop"));
    fotobottom_->setObjectName(QStringLiteral("fotobottom"));
    marge_->setObjectName(QStringLiteral("Marge"));

    auto* kopTekst = new QLabel(QStringLiteral("Rc-berekening"), this);
    kopTekst->setObjectName(QStringLiteral("Label1"));
    // Arial for the heading: looking up a font family the system lacks costs
    // a fontconfig search at every start.
    QFont kopFont(QStringLiteral("Arial"));
    kopFont.setPixelSize(29);
    kopFont.setBold(true);
    kopTekst->setFont(kopFont);
    QPalette kopKleuren = kopTekst->palette();
    kopKleuren.setColor(QPalette::WindowText, Qt::black);
    kopTekst->setPalette(kopKleuren);
    label1_ = kopTekst;

    auto* menuKop = new TPlaatje(TekenMenuKop, this);
    menuKop->setGeometry(0, 80, kMargeBreedte, 29);
    connect(
        MenuItem(QStringLiteral("Naar berekening"), QStringLiteral("ImageBerekening"), 108, this),
        &TPlaatje::Geklikt, this, &TMainForm::ImageBerekeningClick);
    connect(MenuItem(QStringLiteral("Naar afschotberekening"), QStringLiteral("ImageAfschot"), 127,
                     this),
            &TPlaatje::Geklikt, this, &TMainForm::ImageAfschotClick);
    connect(MenuItem(QStringLiteral("Naar startscherm"), QStringLiteral("ImageTerug"), 147, this),
            &TPlaatje::Geklikt, this, &TMainForm::ImageTerugClick);
    connect(MenuItem(QStringLiteral("Afdrukken"), QStringLiteral("ImagePrint"), 167, this),
            &TPlaatje::Geklikt, this, &TMainForm::ImagePrintClick);
    // The calculation as a file, in the free space below the screens' items.
    struct TMenuOpdracht {
        const char* tekst;
        const char* naam;
        void (TMainForm::*opdracht)();
    };
    const TMenuOpdracht bestandsmenu[] = {
        {"Projectgegevens", "ImageProject", &TMainForm::ImageProjectClick},
        {"Nieuwe berekening", "ImageNieuw", &TMainForm::ImageNieuwClick},
        {"Openen", "ImageOpenen", &TMainForm::ImageOpenenClick},
        {"Opslaan", "ImageOpslaan", &TMainForm::ImageOpslaanClick},
        {"Opslaan als...", "ImageOpslaanAls", &TMainForm::ImageOpslaanAlsClick},
        {"Vochtcontrole", "ImageVocht", &TMainForm::ImageVochtClick},
    };
    int y = 187;
    for (const TMenuOpdracht& item : bestandsmenu) {
        connect(MenuItem(QString::fromLatin1(item.tekst), QString::fromLatin1(item.naam), y, this),
                &TPlaatje::Geklikt, this, item.opdracht);
        // The file commands stand apart from the project data above them and
        // the moisture check below them.
        y += item.opdracht == &TMainForm::ImageProjectClick ||
                     item.opdracht == &TMainForm::ImageOpslaanAlsClick
                 ? 30
                 : 20;
    }
    beheer_.Ververs = [this] {
        // A new or opened calculation: what the screens were waiting to say
        // is past.
        uitgesteld_.clear();
        updateDisplay();
        // An opened calculation is shown, not hidden behind the start screen.
        if (zichtbaar_ == TZichtbaarScherm::Geen) {
            ToonScherm(TZichtbaarScherm::Plat);
        }
    };
    beheer_.MeldFouten = [this](const std::vector<std::string>& plat,
                                const std::vector<std::string>& afschot) {
        MeldFouten(TZichtbaarScherm::Plat, plat);
        MeldFouten(TZichtbaarScherm::Afschot, afschot);
    };

    imageInfo_ = MenuItem(QStringLiteral("INFO"), QStringLiteral("ImageInfo"), 0, this);
    connect(imageInfo_, &TPlaatje::Geklikt, this, &TMainForm::ImageInfoClick);
    // The menu items' keys, shown in their tooltips: the pictures take no focus.
    const std::pair<const char*, QKeySequence> menuToetsen[] = {
        {"ImageBerekening", QKeySequence(Qt::ALT | Qt::Key_B)},
        {"ImageAfschot", QKeySequence(Qt::ALT | Qt::Key_A)},
        {"ImageTerug", QKeySequence(Qt::ALT | Qt::Key_S)},
        {"ImagePrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"ImageProject", QKeySequence(Qt::ALT | Qt::Key_P)},
        {"ImageNieuw", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"ImageOpenen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"ImageOpslaan", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"ImageOpslaanAls", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"ImageVocht", QKeySequence(Qt::ALT | Qt::Key_V)},
        {"ImageInfo", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [naam, toetsen] : menuToetsen) {
        auto* item = findChild<TPlaatje*>(QString::fromLatin1(naam));
        item->setToolTip(MetToetsen(item->accessibleName(), toetsen));
        connect(new QShortcut(toetsen, this), &QShortcut::activated, item, &TPlaatje::Geklikt);
        menuItems_.emplace_back(toetsen, item);
    }

    image5_ = new TPlaatje(
        [](QPainter& p, const QRectF& r) {
            p.fillRect(r, Qt::white);
            const QSizeF foto(294, 217);
            TekenStartFoto(p, QRectF(r.center() - QPointF(foto.width(), foto.height()) / 2, foto));
        },
        this);
    image5_->setObjectName(QStringLiteral("Image5"));
    image1_ = new TPlaatje(TekenMakerLogo, this);
    image1_->setObjectName(QStringLiteral("Image1"));

    const TActie actie = [this](const std::function<void()>& a) { Actie(a); };
    TRekenModel& model = berekening_.Model;
    panel1_ = new TRcPaneel(model.Rc, model.Gedeeld, actie, nullptr);
    panel2_ = new TAfschotPaneel(model.Afschot, model.Gedeeld, actie, nullptr);
    connect(panel1_, &TRcPaneel::MethodeGekozen, this, &TMainForm::KiesMethode);
    connect(panel2_, &TAfschotPaneel::MethodeGekozen, this, &TMainForm::KiesMethode);
    scrollBox1_ = SchermGebied(panel1_, this, QStringLiteral("ScrollBox1"));
    scrollBox2_ = SchermGebied(panel2_, this, QStringLiteral("ScrollBox2"));
    connect(panel1_, &TRcPaneel::WizardGevraagd, this, &TMainForm::SpeedButton1Click);
    ToonTitel();
}

TMainForm::~TMainForm() = default;

void TMainForm::Actie(const std::function<void()>& actie) {
    if (const auto fout = VoerActieUit(actie)) {
        updateDisplay();
        ToonFoutmelding(this, QString::fromStdString(*fout));
    }
    updateDisplay();
}

void TMainForm::updateDisplay() {
    panel1_->updateDisplay();
    panel2_->updateDisplay();
    ToonTitel();
    VerversVocht();
}

void TMainForm::VerversVocht() {
    if (vocht_ == nullptr || !vocht_->isVisible()) {
        return;
    }
    if (zichtbaar_ == TZichtbaarScherm::Geen) {
        vocht_->hide();
        return;
    }
    vocht_->Ververs(zichtbaar_ == TZichtbaarScherm::Plat ? TVochtScherm::Plat
                                                         : TVochtScherm::Afschot);
}

void TMainForm::ToonTitel() {
    const QString bestand = QString::fromStdString(berekening_.Bestand());
    if (bestand.isEmpty()) {
        setWindowModified(false);
        setWindowTitle(kTitel);
        return;
    }
    // Qt puts the "*" of unsaved changes at the placeholder.
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(QFileInfo(bestand).fileName(), kTitel));
    setWindowModified(berekening_.Gewijzigd());
}

void TMainForm::MeldFouten(TZichtbaarScherm scherm, const std::vector<std::string>& fouten) {
    if (scherm != zichtbaar_) {
        // Said when that screen shows: an error of a screen the user cannot
        // see would be about nothing in front of him.
        uitgesteld_[scherm] = fouten;
        return;
    }
    for (const auto& fout : fouten) {
        ToonFoutmelding(this, QString::fromStdString(fout));
    }
}

void TMainForm::showEvent(QShowEvent* e) {
    // The start-up runs before the window is drawn for the first time.
    if (!opgestart_) {
        FormShow();
    }
    QWidget::showEvent(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    VerlaatVeld();
    if (!beheer_.MagVerdergaan()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
    // Closing the main window ends the program, also while a preview, the
    // info window or a wait loop of either is open.
    if (e->isAccepted()) {
        QApplication::quit();
    }
}

void TMainForm::VerlaatVeld() {
    // The field may be in the moisture window, whose keys run the menu too.
    QWidget* veld = QApplication::focusWidget();
    if (veld != nullptr && !isAncestorOf(veld) &&
        (vocht_ == nullptr || !vocht_->isAncestorOf(veld))) {
        veld = nullptr;
    }
    if (veld != nullptr && qobject_cast<TSpinVeld*>(veld) == nullptr) {
        veld = veld->parentWidget();
    }
    if (auto* spin = qobject_cast<TSpinVeld*>(veld)) {
        spin->Verlaat();
    }
}

void TMainForm::FormShow() {
    if (opgestart_) {
        return;
    }
    opgestart_ = true;
    Toon(TZichtbaarScherm::Geen);
    // The method last chosen, before anything is calculated.
    berekening_.KiesMethode(BewaardeMethode());
    const auto fouten =
        berekening_.Opstarten(platform::ZoekDatabestand(werkmap_.toStdString(), "lambda.bin"));
    updateDisplay();
    for (const auto& fout : fouten) {
        ToonFoutmelding(nullptr, QString::fromStdString(fout));
    }
    if (!berekening_.Model.OpstartVoltooid) {
        return;
    }
    // The connection is asked in every case; the check itself only without "/-u".
    const bool verbonden = update_.InternetVerbonden();
    if (verbonden && !geenUpdate_ && update_.ZoekNieuweVersie()) {
        update_.ToonUpdateWizard(kUpdateWelkom);
    }
}

void TMainForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int w = width();
    const int h = height();
    kop_->setGeometry(0, 0, w, 33);
    graybar_->setGeometry(0, 33, w, 48);
    logo_->setGeometry(0, 33, kMargeBreedte, 48);
    fototop_->setGeometry(w - 173, 7, 173, 26);
    fotobottom_->setGeometry(w - 173, 33, 173, 48);
    label1_->setGeometry(192, 30, 202, 39);
    marge_->setGeometry(0, kBandenHoogte, kMargeBreedte, qMax(0, h - kBandenHoogte));
    imageInfo_->setGeometry(0, h - 21, kMargeBreedte, 19);
    const QRect gebied(kMargeBreedte, kBandenHoogte, qMax(0, w - kMargeBreedte),
                       qMax(0, h - kBandenHoogte));
    image5_->setGeometry(gebied);
    image1_->setGeometry(w - 95, h - 49, 91, 44);
    scrollBox1_->setGeometry(gebied);
    scrollBox2_->setGeometry(gebied);
    // Stacking: the bands under the heading; the screens over the start picture.
    kop_->lower();
    label1_->raise();
    image1_->raise();
    scrollBox1_->raise();
    scrollBox2_->raise();
    FormResize();
}

void TMainForm::FormResize() {
    PlaatsPaneel(scrollBox1_, panel1_, false);
    PlaatsPaneel(scrollBox2_, panel2_, false);
}

void TMainForm::PlaatsPaneel(QScrollArea* gebied, QWidget* paneel, bool menuOpdracht) {
    const int balk = gebied->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, gebied);
    const TPlaatsing p = app::PlaatsPaneel(gebied->width(), gebied->height(), paneel->width(),
                                           paneel->height(), balk, menuOpdracht);
    QWidget* doek = gebied->widget();
    const int b = gebied->width() - (p.VScroll ? balk : 0);
    const int h = gebied->height() - (p.HScroll ? balk : 0);
    doek->resize(p.HScroll ? 8 + paneel->width() : b, p.VScroll ? 8 + paneel->height() : h);
    gebied->setHorizontalScrollBarPolicy(p.HScroll ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
    gebied->setVerticalScrollBarPolicy(p.VScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    paneel->move(p.Links, p.Boven);
}

void TMainForm::Toon(TZichtbaarScherm scherm) {
    zichtbaar_ = scherm;
    scrollBox1_->setVisible(scherm == TZichtbaarScherm::Plat);
    scrollBox2_->setVisible(scherm == TZichtbaarScherm::Afschot);
    VerversVocht();
}

void TMainForm::ToonScherm(TZichtbaarScherm scherm) {
    Toon(scherm);
    if (scherm == TZichtbaarScherm::Plat) {
        PlaatsPaneel(scrollBox1_, panel1_, true);
    } else {
        PlaatsPaneel(scrollBox2_, panel2_, true);
    }
    const auto wachtend = uitgesteld_.extract(scherm);
    if (!wachtend.empty()) {
        MeldFouten(scherm, wachtend.mapped());
    }
}

void TMainForm::ImageBerekeningClick() {
    VerlaatVeld();
    if (zichtbaar_ == TZichtbaarScherm::Plat) {
        Piep();
        return;
    }
    ToonScherm(TZichtbaarScherm::Plat);
}

void TMainForm::ImageAfschotClick() {
    VerlaatVeld();
    if (zichtbaar_ == TZichtbaarScherm::Afschot) {
        Piep();
        return;
    }
    ToonScherm(TZichtbaarScherm::Afschot);
}

void TMainForm::ImageTerugClick() {
    VerlaatVeld();
    if (zichtbaar_ == TZichtbaarScherm::Geen) {
        Piep();
        return;
    }
    Toon(TZichtbaarScherm::Geen);
}

void TMainForm::ImagePrintClick() {
    VerlaatVeld();
    if (zichtbaar_ == TZichtbaarScherm::Geen) {
        return;
    }
    if (Afdrukken) {
        Afdrukken(zichtbaar_);
    }
}

void TMainForm::ImageInfoClick() {
    VerlaatVeld();
    if (ToonInfo) {
        ToonInfo();
    }
}

void TMainForm::SpeedButton1Click() {
    VerlaatVeld();
    if (wizard_ == nullptr || melding::VoerUitBovenop(*wizard_, this) != QDialog::Accepted) {
        return;
    }
    const double wensRc = berekening_.WensRc.Waarde();
    Actie([this, wensRc] { ZoekDikte(berekening_.Model.Rc, wensRc); });
}

void TMainForm::ImageProjectClick() {
    VerlaatVeld();
    if (projectgegevens_ == nullptr) {
        projectgegevens_ = new TFrmProjectgegevens(this);
    }
    projectgegevens_->Toon(berekening_.Project);
    if (melding::VoerUitBovenop(*projectgegevens_, this) == QDialog::Accepted) {
        berekening_.Project = projectgegevens_->Gegevens();
    }
    ToonTitel();
}

void TMainForm::ImageNieuwClick() {
    VerlaatVeld();
    beheer_.NieuweBerekening();
    ToonTitel();
}

void TMainForm::ImageOpenenClick() {
    VerlaatVeld();
    beheer_.Openen();
    ToonTitel();
}

void TMainForm::ImageOpslaanClick() {
    VerlaatVeld();
    beheer_.Opslaan();
    ToonTitel();
}

void TMainForm::ImageOpslaanAlsClick() {
    VerlaatVeld();
    beheer_.OpslaanAls();
    ToonTitel();
}

void TMainForm::ImageVochtClick() {
    VerlaatVeld();
    if (zichtbaar_ == TZichtbaarScherm::Geen) {
        Piep();
        return;
    }
    if (vocht_ == nullptr) {
        std::optional<TVochtdata> data;
        const auto fout =
            VoerActieUit([this, &data] { data = LeesVochtdata(werkmap_.toStdString()); });
        if (fout) {
            ToonFoutmelding(this, QString::fromStdString(*fout));
            return;
        }
        vocht_ = new TFrmVochtcontrole(
            berekening_.Model, std::move(*data),
            [this](const std::function<void()>& a) { Actie(a); }, this);
        // The menu's keys work in the window too: it shows the same calculation.
        for (const auto& [toetsen, item] : menuItems_) {
            connect(new QShortcut(toetsen, vocht_), &QShortcut::activated, item,
                    &TPlaatje::Geklikt);
        }
    }
    vocht_->show();
    VerversVocht();
    vocht_->raise();
    vocht_->activateWindow();
}

void TMainForm::ZetInstellingenbestand(const QString& bestand) {
    instellingenbestand_ = bestand;
}

TMethode TMainForm::BewaardeMethode() const {
    const QSettings instellingen(instellingenbestand_, QSettings::IniFormat);
    const QByteArray sleutel = instellingen.value(kMethodeSleutel).toString().toUtf8();
    return MethodeUitSleutel(
               std::string_view(sleutel.data(), static_cast<std::size_t>(sleutel.size())))
        .value_or(TMethode::Nen1068);
}

void TMainForm::KiesMethode(int methode) {
    const auto m = static_cast<TMethode>(methode);
    std::vector<std::string> afschot;
    const auto plat = berekening_.KiesMethode(m, &afschot);
    updateDisplay();
    MeldFouten(TZichtbaarScherm::Plat, plat);
    MeldFouten(TZichtbaarScherm::Afschot, afschot);
    QSettings instellingen(instellingenbestand_, QSettings::IniFormat);
    const std::string_view sleutel = MethodeSleutel(m);
    instellingen.setValue(
        kMethodeSleutel, QString::fromUtf8(sleutel.data(), static_cast<qsizetype>(sleutel.size())));
}

void TMainForm::OpenBijStart(const QString& pad) {
    if (!berekening_.Model.OpstartVoltooid) {
        return;
    }
    beheer_.OpenBestand(pad);
    ToonTitel();
}

} // namespace rcveltor::app
