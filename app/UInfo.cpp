#include "app/UInfo.h"

#include "melding/Foutmelding.h"
#include "platform/Bestand.h"
#include "platform/Databestand.h"

#include "app/Plaatje.h"
#include "app/update/Verbinding.h"
#include "cmake/Versie.h"
#include "rtf/RtfLezer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

namespace rcveltor::app {

using namespace beeld;

using melding::ToonFoutmelding;

namespace {

const QString kWelkom =
    QStringLiteral("Druk start om te beginnen met controleren voor applicatie updates ...");
// Far beyond any information text; more is not read into memory, and is
// reported as a text that cannot be shown.
constexpr qint64 kMaxInfo = kMaxRtf;

// A label that reports a click, for the links.
class TKlikLabel : public QLabel {
public:
    TKlikLabel(const QString& tekst, QWidget* ouder, std::function<void(QLabel*)> klik)
        : QLabel(tekst, ouder), klik_(std::move(klik)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            klik_(this);
        }
    }

private:
    std::function<void(QLabel*)> klik_;
};

QLabel* Regel(QLabel* label, const QString& naam, int y, bool link) {
    label->setObjectName(naam);
    label->setGeometry(0, y, 161, 16);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setUnderline(link);
    label->setFont(font);
    QPalette kleuren = label->palette();
    kleuren.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(kleuren);
    if (link) {
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

// As large as the column allows, so that no text is cut at its edges. Done
// at the first showing: each size tried loads a font, which the start-up
// need not wait for.
void PasGrootteAan(QLabel* label) {
    QFont font = label->font();
    for (int pixels = 13; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width() - 4) {
            break;
        }
    }
    label->setFont(font);
}

} // namespace

TFrmInfo::TFrmInfo(QWidget* hoofdvenster, update::TUpdateInstellingen instellingen)
    : QDialog(hoofdvenster), hoofdvenster_(hoofdvenster), werkmap_(QDir::currentPath()),
      motor_(std::make_unique<update::TUpdateMotor>(std::move(instellingen))) {
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(658, 476);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    InternetVerbonden = update::InternetVerbonden;
    OpenAdres = [](const QUrl& adres) { QDesktopServices::openUrl(adres); };

    // The artwork of the main window's header and menu column.
    const auto plaatje = [this](TTekenFunctie tekenen, const char* naam, const QRect& plek) {
        auto* nieuw = new TPlaatje(std::move(tekenen), this);
        nieuw->setObjectName(QString::fromLatin1(naam));
        nieuw->setGeometry(plek);
        return nieuw;
    };
    const int breedte = width();
    plaatje(TekenKop, "Kop", QRect(0, 0, breedte, 33));
    plaatje(TekenGrijsbalk, "graybar", QRect(0, 33, breedte, 48));
    plaatje(TekenLogo, "Logo", QRect(0, 32, 164, 48));
    plaatje(TekenFotoBoven, "fototop", QRect(breedte - 173, 7, 173, 26));
    plaatje(TekenFotoOnder, "fotobottom", QRect(breedte - 173, 33, 173, 48));
    plaatje(TekenMarge, "Marge", QRect(0, 81, 164, 395));

    richEdit1_ = new QTextEdit(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->setGeometry(164, 81, breedte - 164, height() - 81);
    richEdit1_->setReadOnly(true);
    richEdit1_->setFrameShape(QFrame::NoFrame);
    richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines break between words only: breaking a long word anywhere costs Qt's
    // layout time quadratic in the word's length (a 200 KB word: seconds).
    richEdit1_->setWordWrapMode(QTextOption::WordWrap);
    richEdit1_->viewport()->setCursor(Qt::ForbiddenCursor);
    QPalette wit = richEdit1_->palette();
    wit.setColor(QPalette::Base, Qt::white);
    richEdit1_->setPalette(wit);

    const auto klik = [this](QLabel* label) { Label2Click(label); };
    label2_ = Regel(new TKlikLabel(kMerkAdres, this, klik), QStringLiteral("Label2"), 88, true);
    regels_[0] = label2_;
    regels_[1] = Regel(new QLabel(QStringLiteral("Versie " RCV_VERSIE ", " RCV_VERSIEDATUM), this),
                       QStringLiteral("Label4"), 144, false);
    regels_[2] = Regel(new QLabel(QStringLiteral("\u00A9 Veltor Isolatiesystemen B.V."), this),
                       QStringLiteral("Label1"), 200, false);
    label3_ = Regel(new TKlikLabel(kMakerAdres, this, klik), QStringLiteral("Label3"), 456, true);
    regels_[3] = label3_;

    button1_ = new QPushButton(QStringLiteral("Update"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(40, 368, 75, 25);
    connect(button1_, &QPushButton::clicked, this, &TFrmInfo::Button1Click);

    image1_ = plaatje(TekenMakerLogo, "Image1", QRect(31, 408, 91, 44));
    image1_->setToolTip(kMakerAdres);
    image1_->setCursor(Qt::PointingHandCursor);
    connect(image1_, &TPlaatje::Geklikt, this, &TFrmInfo::Image3Click);
}

TFrmInfo::~TFrmInfo() = default;

void TFrmInfo::showEvent(QShowEvent* e) {
    if (!grootteGepast_) {
        grootteGepast_ = true;
        for (QLabel* regel : regels_) {
            PasGrootteAan(regel);
        }
    }
    FormShow();
    if (const QScreen* scherm = screen()) {
        move(scherm->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(e);
}

void TFrmInfo::FormShow() {
    LaadInfo();
}

void TFrmInfo::LaadInfo() {
    const QString pad = QString::fromStdString(
        platform::ZoekDatabestand(QDir(werkmap_).absolutePath().toStdString(), "info.rtf"));
    std::vector<unsigned char> bytes;
    try {
        bytes = platform::LeesBestand(platform::PadUitUtf8(pad.toStdString()),
                                      static_cast<std::size_t>(kMaxInfo));
    } catch (const platform::TBestandsfout& reden) {
        ToonFoutmelding(this,
                        QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(pad), QString::fromUtf8(reden.what())));
        return;
    }
    const bool gelezen = bytes.size() <= static_cast<std::size_t>(kMaxInfo);
    const QByteArray inhoud = gelezen ? QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<qsizetype>(bytes.size()))
                                      : QByteArray();
    // A new document each time: one that fails to read leaves the old text.
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(richEdit1_->font());
    document->setUndoRedoEnabled(false);
    bool getoond = gelezen && LeesRtf(inhoud, *document);
    if (gelezen && !getoond) {
        if (const auto tekst = LeesPlatteTekst(inhoud)) {
            document->setPlainText(*tekst);
            getoond = true;
        }
    }
    if (!getoond) {
        ToonFoutmelding(this, QStringLiteral("Failed to Load Stream"));
        return;
    }
    // The editor deletes only the document it made itself; ours go with it.
    QTextDocument* oud = richEdit1_->document();
    const bool vanOns = oud->parent() == richEdit1_;
    document->setParent(richEdit1_);
    richEdit1_->setDocument(document.release());
    if (vanOns) {
        delete oud;
    }
}

void TFrmInfo::Label2Click(QLabel* label) {
    // As the desktop would open a typed address; whether it could is not looked at.
    OpenAdres(QUrl::fromUserInput(label->text()));
}

void TFrmInfo::Image3Click() {
    close();
}

void TFrmInfo::Button1Click() {
    if (!InternetVerbonden()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Fout"),
                        QStringLiteral("Er is geen Internetverbinding!"), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    teksten_.Welcome = kWelkom;
    ToonUpdateWizard();
}

bool TFrmInfo::ZoekNieuweVersie() {
    return update::ZoekNieuweVersie(*motor_);
}

void TFrmInfo::ToonUpdateWizard() {
    update::ToonUpdateWizard(*motor_, teksten_, isVisible() ? this : hoofdvenster_);
}

TUpdateControle TFrmInfo::UpdateControle() {
    return TUpdateControle{
        [this] { return InternetVerbonden(); },
        [this] { return ZoekNieuweVersie(); },
        [this](const QString& welkom) {
            teksten_.Welcome = welkom;
            ToonUpdateWizard();
        },
    };
}

} // namespace rcveltor::app
