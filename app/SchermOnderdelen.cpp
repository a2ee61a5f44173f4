#include "app/SchermOnderdelen.h"

#include "calc/NumVeld.h"
#include "calc/RcBerekening.h"
#include "calc/Scherm.h"

namespace rcveltor::app {

TKopCel* TPaneelBouwer::Kop(const QString& tekst, int x, int y, int breedte, int hoogte) {
    auto* kop = new TKopCel(tekst, paneel_);
    kop->setGeometry(x, y, breedte, hoogte);
    kop->setWordWrap(hoogte > 21);
    return kop;
}

TUitkomstVeld* TPaneelBouwer::Vast(const QString& tekst, int x, int y, int breedte, bool rechts) {
    auto* vast = new TUitkomstVeld(paneel_);
    vast->setText(tekst);
    vast->setCursorPosition(0);
    vast->setAlignment((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    vast->setGeometry(x, y, breedte, 21);
    return vast;
}

TUitkomstVeld* TPaneelBouwer::Uitkomst(TNumVeld& veld, int x, int y, int breedte) {
    auto* uitkomst = new TUitkomstVeld(paneel_);
    uitkomst->setObjectName(QString::fromStdString(veld.Naam));
    uitkomst->setGeometry(x, y, breedte, 21);
    velden_.push_back({&veld, uitkomst});
    return uitkomst;
}

TSpinVeld* TPaneelBouwer::Spin(TNumVeld& veld, int x, int y, int breedte) {
    auto* spin = new TSpinVeld(veld.Typen, paneel_);
    spin->setObjectName(QString::fromStdString(veld.Naam));
    spin->setGeometry(x, y, breedte, 22);
    TNumVeld* model = &veld;
    QObject::connect(spin, &TSpinVeld::Gestapt, spin, [this, model](int richting, bool pagina) {
        actie_([=] { StapOp(*model, richting, pagina); });
    });
    QObject::connect(spin, &TSpinVeld::Getypt, spin, [this, model](const QString& tekst) {
        const std::string getypt = tekst.toStdString();
        actie_([=] { Typ(*model, getypt); });
    });
    QObject::connect(spin, &TSpinVeld::Verlaten, spin,
                     [this, model] { actie_([=] { Verlaat(*model); }); });
    velden_.push_back({&veld, spin});
    return spin;
}

TKeuzeLijst* TPaneelBouwer::Lijst(TLijstVeld& lijst, int x, int y, int breedte,
                                  std::function<void()> closeUp) {
    auto* keuzeLijst = new TKeuzeLijst(paneel_);
    keuzeLijst->setObjectName(QString::fromStdString(lijst.Naam));
    keuzeLijst->setGeometry(x, y, breedte, 21);
    TLijstVeld* model = &lijst;
    QObject::connect(keuzeLijst, &TKeuzeLijst::Gekozen, keuzeLijst,
                     [this, model, closeUp](int index) {
                         actie_([=] {
                             model->ItemIndex = index;
                             closeUp();
                         });
                     });
    lijsten_.emplace_back(&lijst, keuzeLijst);
    return keuzeLijst;
}

namespace {
void Vet(QWidget* widget) {
    QFont font = widget->font();
    font.setPointSize(10);
    font.setBold(true);
    widget->setFont(font);
}
} // namespace

void TPaneelBouwer::Opzet(const QString& naam, TNumVeld& rmDakbed) {
    paneel_->setObjectName(naam);
    paneel_->setFixedSize(606, 404);
    paneel_->setAutoFillBackground(true);
    QPalette wit = paneel_->palette();
    wit.setColor(QPalette::Window, Qt::white);
    paneel_->setPalette(wit);
    Kolomkoppen();
    Kop(QStringLiteral("Dakbedekking"), 8, 71, 129);
    Vast(QString::fromLatin1(TRcBerekening::kDakbedekking), 136, 71, 185, false);
    Vast(QStringLiteral("n.v.t."), 320, 71, 73, true);
    Vast(QStringLiteral("n.v.t."), 392, 71, 113, true);
    Uitkomst(rmDakbed, 504, 71, 97);
}

void TPaneelBouwer::Uitslag(TNumVeld& rc, TNumVeld& u, int yRc, int yU) {
    Vet(Kop(QStringLiteral("Rc"), 400, yRc, 73));
    Vet(Uitkomst(rc, 472, yRc, 97));
    Vet(Kop(QStringLiteral("U"), 400, yU, 73));
    Vet(Uitkomst(u, 472, yU, 97));
}

void TPaneelBouwer::Kolomkoppen() {
    Kop(QStringLiteral("Constructieopbouw"), 8, 31, 129, 33);
    Kop(QStringLiteral("Materiaal"), 136, 31, 185, 33);
    Kop(QStringLiteral("Dikte [mm]"), 320, 31, 73, 33);
    Kop(QStringLiteral("Lambda decl. [W/mK]"), 392, 31, 113, 33);
    Kop(QStringLiteral("R-waarde [m\u00b2K/W]"), 504, 31, 97, 33);
}

void TPaneelBouwer::Lagen(TLagenScherm& scherm, int yDamprem, int yOnder) {
    Kop(QStringLiteral("Dampremmende laag"), 8, yDamprem, 129);
    Lijst(scherm.CBdamprem, 136, yDamprem, 185, [&scherm] { scherm.CBdampremCloseUp(); });
    Spin(scherm.DikteDamprem, 320, yDamprem, 73);
    Spin(scherm.LambdaDamprem, 392, yDamprem, 113);
    Uitkomst(scherm.RmDamprem, 504, yDamprem, 97);

    Kop(QStringLiteral("Onderconstructie"), 8, yOnder, 129);
    Lijst(scherm.CBonderconstructie, 136, yOnder, 185,
          [&scherm] { scherm.CBonderconstructieCloseUp(); });
    Spin(scherm.DikteOndercons, 320, yOnder, 73);
    Spin(scherm.LambdaOndercons, 392, yOnder, 113);
    Uitkomst(scherm.RmOndercons, 504, yOnder, 97);
}

void TPaneelBouwer::Bevestiging(TLagenScherm& scherm, int y) {
    constexpr int kRij = 23; // [px]
    Kop(QStringLiteral("Combinatie"), 8, y, 129);
    Lijst(scherm.CBcombinatie, 136, y, 465, [&scherm] { scherm.CBcombinatieCloseUp(); });
    Kop(QStringLiteral("Aantal/m\u00b2"), 8, y + kRij, 129);
    Spin(scherm.EditAantal, 136, y + kRij, 73);
    Kop(QStringLiteral("Vervangende lambda isol."), 8, y + 2 * kRij, 129);
    Uitkomst(scherm.LambdaRW, 136, y + 2 * kRij, 73);
}

TKeuzeLijst* TPaneelBouwer::Methodelijst(const TGedeeld& gedeeld, const QString& naam, int x, int y,
                                         std::function<void(TMethode)> gekozen) {
    gedeeld_ = &gedeeld;
    Kop(QStringLiteral("Rekenmethode"), x, y, 129);
    auto* lijst = new TKeuzeLijst(paneel_);
    lijst->setObjectName(naam);
    lijst->setGeometry(x + 128, y, 185, 21);
    QObject::connect(lijst, &TKeuzeLijst::Gekozen, lijst, [gekozen](int index) {
        if (index >= 0 && index < static_cast<int>(kMethodeTeksten.size())) {
            gekozen(static_cast<TMethode>(index));
        }
    });
    methodelijsten_.push_back(lijst);
    return lijst;
}

void TPaneelBouwer::IsoUitslag(TLagenScherm& scherm, const QString& eisNaam, int yDeltaUf,
                               int yPercentage, int yEis) {
    AlleenIso(Kop(QStringLiteral("\u0394Uf [W/m\u00b2K]"), 400, yDeltaUf, 73));
    AlleenIso(Uitkomst(scherm.DeltaUf, 472, yDeltaUf, 97));
    AlleenIso(Kop(QStringLiteral("\u0394Uf / U [%]"), 400, yPercentage, 73));
    AlleenIso(Uitkomst(scherm.PercentageU, 472, yPercentage, 97));
    AlleenIso(Kop(QString::fromUtf8(kEisRegel.data(), static_cast<qsizetype>(kEisRegel.size())), 8,
                  yEis, 281));
    auto* eis = AlleenIso(Vast(QString(), 288, yEis, 105, false));
    eis->setObjectName(eisNaam);
    teksten_.emplace_back(&scherm.Eis, eis);
}

void TPaneelBouwer::Toon() const {
    for (const auto& [veld, widget] : velden_) {
        if (auto* spin = qobject_cast<TSpinVeld*>(widget)) {
            spin->Toon(*veld);
        } else {
            static_cast<TUitkomstVeld*>(widget)->Toon(*veld);
        }
    }
    for (const auto& [lijst, widget] : lijsten_) {
        widget->Toon(*lijst);
    }
    if (gedeeld_ == nullptr) {
        return;
    }
    TLijstVeld methode;
    methode.Items.assign(kMethodeTeksten.begin(), kMethodeTeksten.end());
    methode.ItemIndex = static_cast<int>(gedeeld_->Methode);
    for (TKeuzeLijst* lijst : methodelijsten_) {
        lijst->Toon(methode);
    }
    for (const auto& [tekst, widget] : teksten_) {
        widget->setText(QString::fromStdString(*tekst));
    }
    const bool iso = gedeeld_->Methode == TMethode::Iso6946;
    for (QWidget* widget : iso_) {
        widget->setVisible(iso);
    }
}

} // namespace rcveltor::app
