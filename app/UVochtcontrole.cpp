#include "app/UVochtcontrole.h"

#include "app/Glaservlak.h"
#include "calc/Actie.h"
#include "calc/RekenModel.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>

namespace rcveltor::app {

namespace {

constexpr int kRij = 22;        // [px]
constexpr int kLagenY = 84;     // the layer table's captions
constexpr int kUitslagY = 202;  // the results
constexpr int kMaandenY = 340;  // the month table's captions
constexpr int kMaandKolom = 57; // [px]
constexpr int kMaandRij = 21;   // [px]
const QSize kVenster(770, 622);

// The rows top-down as the screens show a roof; the check counts inside out.
constexpr std::array<std::size_t, kVochtLagen> kVanBoven{kLaagDakbedekking, kLaagIsolatie,
                                                         kLaagDamprem, kLaagOnderconstructie};

QString Q(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

QString Q(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

QFont Vet(QFont font) {
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

} // namespace

TFrmVochtcontrole::TFrmVochtcontrole(TRekenModel& model, TVochtdata data, TActie actie,
                                     QWidget* ouder)
    : QWidget(ouder, Qt::Window), model_(model), data_(std::move(data)), actie_(actie),
      invoer_(new QWidget(this)), bouwer_(invoer_, actie) {
    setObjectName(QStringLiteral("FrmVochtcontrole"));
    setWindowTitle(QStringLiteral("Vochtcontrole"));
    setFixedSize(kVenster);
    invoer_->setGeometry(QRect(QPoint(0, 0), kVenster));
    invoer_->setAutoFillBackground(true);
    QPalette wit = invoer_->palette();
    wit.setColor(QPalette::Window, Qt::white);
    invoer_->setPalette(wit);

    kop_ = new QLabel(invoer_);
    kop_->setGeometry(8, 4, 500, 22);
    kop_->setFont(Vet(kop_->font()));

    TVochtVelden& velden = model_.Vocht;
    TPaneelBouwer& b = bouwer_;
    b.Kop(QStringLiteral("Binnenklimaat"), 8, 30, 129);
    b.Lijst(velden.Binnenklimaat, 136, 30, 320, [] {});
    b.Kop(QStringLiteral("Dakbedekking"), 8, 30 + kRij + 1, 129);
    b.Lijst(velden.Dakbedekking, 136, 30 + kRij + 1, 185, [] {});
    b.Kop(QStringLiteral("sd dakbedekking [m]"), 328, 30 + kRij + 1, 121);
    sd_ = b.Spin(velden.SdDakbedekking, 448, 30 + kRij + 1, 73);

    opRapport_ = new QCheckBox(QStringLiteral("Vochtcontrole op rapport"), invoer_);
    opRapport_->setObjectName(QStringLiteral("VochtOpRapport"));
    opRapport_->setGeometry(536, 30, 220, 21);
    connect(opRapport_, &QCheckBox::clicked, this,
            [this](bool aan) { actie_([this, aan] { model_.Vocht.OpRapport = aan; }); });

    const char* lagenKop[] = {"Materiaal",      "d [mm]",     "\u03bb [W/mK]",
                              "R [m\u00b2K/W]", "\u03bc [-]", "sd [m]"};
    const int kolomX[] = {136, 320, 392, 464, 536, 608};
    const int kolomB[] = {185, 73, 73, 73, 73, 73};
    b.Kop(QStringLiteral("Laag"), 8, kLagenY, 129);
    for (std::size_t k = 0; k < 6; ++k) {
        b.Kop(QString::fromUtf8(lagenKop[k]), kolomX[k], kLagenY, kolomB[k]);
    }
    const char* laagNamen[] = {"Dakbedekking", "Isolatie", "Dampremmende laag", "Onderconstructie"};
    for (std::size_t r = 0; r < kVochtLagen; ++r) {
        const int y = kLagenY + (static_cast<int>(r) + 1) * kRij;
        b.Kop(QString::fromLatin1(laagNamen[r]), 8, y, 129);
        for (std::size_t k = 0; k < 6; ++k) {
            lagen_[r][k] = b.Vast(QString(), kolomX[k], y, kolomB[k], k > 0);
        }
    }

    b.Kop(QStringLiteral("fRsi (eis \u2265 0,65)"), 8, kUitslagY, 129);
    uitslag_[0] = b.Vast(QString(), 136, kUitslagY, 73, true);
    uitslag_[0]->setObjectName(QStringLiteral("fRsi"));
    uitslag_[1] = b.Vast(QString(), 208, kUitslagY, 113, false);
    b.Kop(QStringLiteral("Maandmethode"), 8, kUitslagY + kRij, 129);
    uitslag_[2] = b.Vast(QString(), 136, kUitslagY + kRij, 329, false);
    uitslag_[2]->setObjectName(QStringLiteral("Oordeel"));
    b.Kop(QStringLiteral("Max. condensaat [g/m\u00b2]"), 8, kUitslagY + 2 * kRij, 129);
    uitslag_[3] = b.Vast(QString(), 136, kUitslagY + 2 * kRij, 73, true);
    b.Kop(QStringLiteral("Dampremmende laag"), 8, kUitslagY + 3 * kRij, 129);
    uitslag_[4] = b.Vast(QString(), 136, kUitslagY + 3 * kRij, 617, false);
    for (TUitkomstVeld* veld : uitslag_) {
        veld->setFont(Vet(veld->font()));
    }
    b.Kop(QStringLiteral("Voldoende"), 8, kUitslagY + 4 * kRij, 129);
    geschikt_ = b.Vast(QString(), 136, kUitslagY + 4 * kRij, 617, false);

    auto* advies =
        new QLabel(QStringLiteral("Het Bouwbesluit eist alleen fRsi \u2265 0,65; de maandmethode "
                                  "(NEN-EN-ISO 13788) is een advies."),
                   invoer_);
    advies->setGeometry(8, kUitslagY + 5 * kRij + 2, 745, 20);

    fout_ = new QLabel(invoer_);
    fout_->setObjectName(QStringLiteral("Vochtfout"));
    fout_->setGeometry(136, kUitslagY, 617, 5 * kRij);
    fout_->setWordWrap(true);
    fout_->setAutoFillBackground(true);
    QPalette rood = fout_->palette();
    rood.setColor(QPalette::WindowText, Qt::red);
    rood.setColor(QPalette::Window, Qt::white);
    fout_->setPalette(rood);
    fout_->hide();

    const char* maandKop[] = {"Maand",   "\u03b8e [\u00b0C]", "\u03c6e [%]",   "pi [Pa]",
                              "pe [Pa]", "gc [g/m\u00b2]",    "Ma [g/m\u00b2]"};
    for (std::size_t k = 0; k < 7; ++k) {
        const int x = k == 0 ? 8 : 88 + static_cast<int>(k - 1) * kMaandKolom;
        b.Kop(QString::fromUtf8(maandKop[k]), x, kMaandenY, k == 0 ? 81 : kMaandKolom);
        for (std::size_t m = 0; m < kMaanden; ++m) {
            const int y = kMaandenY + kRij + static_cast<int>(m) * kMaandRij;
            maanden_[m][k] = b.Vast(QString(), x, y, k == 0 ? 81 : kMaandKolom, k > 0);
        }
    }

    // Tab goes through the inputs; the figures are there to read (and copy).
    for (TUitkomstVeld* veld : invoer_->findChildren<TUitkomstVeld*>()) {
        veld->setFocusPolicy(Qt::ClickFocus);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    diagram_ = new TGlaservlak(invoer_);
    diagram_->setObjectName(QStringLiteral("Glaserdiagram"));
    diagram_->setGeometry(440, kMaandenY, 322, kVenster.height() - kMaandenY - 4);
}

TFrmVochtcontrole::~TFrmVochtcontrole() = default;

void TFrmVochtcontrole::Ververs(TVochtScherm scherm) {
    scherm_ = scherm;
    kop_->setText(scherm == TVochtScherm::Plat
                      ? QStringLiteral("Vochtcontrole \u2013 plat dak")
                      : QStringLiteral("Vochtcontrole \u2013 afschotdak, dunste plek"));
    bouwer_.Toon();
    sd_->setEnabled(model_.Vocht.SdGetypt());
    opRapport_->setChecked(model_.Vocht.OpRapport);
    Bereken();
    ToonUitkomst();
}

void TFrmVochtcontrole::Bereken() {
    berekening_.reset();
    weergave_.reset();
    const auto fout = VoerActieUit([this] {
        berekening_ = BerekenVocht(model_, scherm_ == TVochtScherm::Afschot, data_);
        weergave_ = Weergave(*berekening_, data_);
    });
    if (fout) {
        berekening_.reset();
        weergave_.reset();
        fout_->setText(Q(*fout));
    }
}

void TFrmVochtcontrole::ToonUitkomst() {
    fout_->setVisible(!weergave_);
    for (auto& rij : lagen_) {
        for (TUitkomstVeld* veld : rij) {
            veld->clear();
        }
    }
    for (TUitkomstVeld* veld : uitslag_) {
        veld->clear();
    }
    geschikt_->clear();
    for (auto& rij : maanden_) {
        for (TUitkomstVeld* veld : rij) {
            veld->clear();
        }
    }
    if (!weergave_) {
        diagram_->Wis();
        return;
    }
    const TVochtWeergave& w = *weergave_;
    for (std::size_t r = 0; r < kVochtLagen; ++r) {
        const TVochtRijtekst& laag = w.Rijen[kVanBoven[r]];
        const std::string* teksten[] = {&laag.Naam, &laag.Dikte, &laag.Lambda,
                                        &laag.R,    &laag.Mu,    &laag.Sd};
        for (std::size_t k = 0; k < 6; ++k) {
            lagen_[r][k]->setText(Q(*teksten[k]));
            lagen_[r][k]->setCursorPosition(0);
        }
    }
    uitslag_[0]->setText(Q(w.FRsi));
    uitslag_[1]->setText(Q(w.FRsiEis));
    uitslag_[2]->setText(Q(w.Oordeel));
    uitslag_[3]->setText(Q(w.MaxCondensaat));
    uitslag_[4]->setText(Q(w.MinSdZin));
    QStringList namen;
    for (const std::string& naam : w.GeschikteDampremmen) {
        namen << Q(naam);
    }
    geschikt_->setText(namen.isEmpty() ? QStringLiteral("geen van de lijst")
                                       : namen.join(QStringLiteral(", ")));
    geschikt_->setCursorPosition(0);
    for (std::size_t m = 0; m < kMaanden; ++m) {
        const TVochtMaandtekst& maand = w.Maanden[m];
        const QString teksten[] = {Q(Maandnaam(maand.Maand)),
                                   Q(maand.ThetaE),
                                   Q(maand.PhiE),
                                   Q(maand.Pi),
                                   Q(maand.Pe),
                                   Q(maand.Gc),
                                   Q(maand.Ma)};
        for (std::size_t k = 0; k < 7; ++k) {
            maanden_[m][k]->setText(teksten[k]);
            maanden_[m][k]->setCursorPosition(0);
        }
    }
    diagram_->Toon(*berekening_, ErgsteMaand(berekening_->Uitkomst));
}

} // namespace rcveltor::app
