#include "SchermOnderdelen.h"

#include "NumVeld.h"
#include "RcBerekening.h"
#include "Scherm.h"

namespace rcveltor::app {

TKopCel* TPaneelBouwer::Kop(const QString& tekst, int x, int y, int b, int h) {
    auto* kop = new TKopCel(tekst, paneel_);
    kop->setGeometry(x, y, b, h);
    kop->setWordWrap(h > 21);
    return kop;
}

TUitkomstVeld* TPaneelBouwer::Vast(const QString& tekst, int x, int y, int b, bool rechts) {
    auto* v = new TUitkomstVeld(paneel_);
    v->setText(tekst);
    v->setCursorPosition(0);
    v->setAlignment((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    v->setGeometry(x, y, b, 21);
    return v;
}

TUitkomstVeld* TPaneelBouwer::Uitkomst(TNumVeld& veld, int x, int y, int b) {
    auto* v = new TUitkomstVeld(paneel_);
    v->setObjectName(QString::fromStdString(veld.Naam));
    v->setGeometry(x, y, b, 21);
    velden_.push_back({&veld, v});
    return v;
}

TSpinVeld* TPaneelBouwer::Spin(TNumVeld& veld, int x, int y, int b) {
    auto* s = new TSpinVeld(veld.Typen, paneel_);
    s->setObjectName(QString::fromStdString(veld.Naam));
    s->setGeometry(x, y, b, 22);
    TNumVeld* v = &veld;
    QObject::connect(s, &TSpinVeld::Gestapt, s, [this, v](int richting, bool pagina) {
        actie_([=] { StapOp(*v, richting, pagina); });
    });
    QObject::connect(s, &TSpinVeld::Getypt, s, [this, v](const QString& tekst) {
        const std::string t = tekst.toStdString();
        actie_([=] { Typ(*v, t); });
    });
    QObject::connect(s, &TSpinVeld::Verlaten, s, [this, v] { actie_([=] { Verlaat(*v); }); });
    velden_.push_back({&veld, s});
    return s;
}

TKeuzeLijst* TPaneelBouwer::Lijst(TLijstVeld& lijst, int x, int y, int b,
                                  std::function<void()> closeUp) {
    auto* k = new TKeuzeLijst(paneel_);
    k->setObjectName(QString::fromStdString(lijst.Naam));
    k->setGeometry(x, y, b, 21);
    TLijstVeld* l = &lijst;
    QObject::connect(k, &TKeuzeLijst::Gekozen, k, [this, l, closeUp](int index) {
        actie_([=] {
            l->ItemIndex = index;
            closeUp();
        });
    });
    lijsten_.emplace_back(&lijst, k);
    return k;
}

namespace {
void Vet(QWidget* w) {
    QFont f = w->font();
    f.setPointSize(10);
    f.setBold(true);
    w->setFont(f);
}
} // namespace

void TPaneelBouwer::Opzet(const QString& naam, TNumVeld& rmDakbed) {
    paneel_->setObjectName(naam);
    paneel_->setFixedSize(606, 404);
    paneel_->setAutoFillBackground(true);
    QPalette p = paneel_->palette();
    p.setColor(QPalette::Window, Qt::white);
    paneel_->setPalette(p);
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

void TPaneelBouwer::Lagen(TLagenScherm& s, int yDamprem, int yOnder) {
    Kop(QStringLiteral("Dampremmende laag"), 8, yDamprem, 129);
    Lijst(s.CBdamprem, 136, yDamprem, 185, [&s] { s.CBdampremCloseUp(); });
    Spin(s.DikteDamprem, 320, yDamprem, 73);
    Spin(s.LambdaDamprem, 392, yDamprem, 113);
    Uitkomst(s.RmDamprem, 504, yDamprem, 97);

    Kop(QStringLiteral("Onderconstructie"), 8, yOnder, 129);
    Lijst(s.CBonderconstructie, 136, yOnder, 185, [&s] { s.CBonderconstructieCloseUp(); });
    Spin(s.DikteOndercons, 320, yOnder, 73);
    Spin(s.LambdaOndercons, 392, yOnder, 113);
    Uitkomst(s.RmOndercons, 504, yOnder, 97);
}

TKeuzeLijst* TPaneelBouwer::Methodelijst(const TGedeeld& gedeeld, const QString& naam, int x, int y,
                                         std::function<void(TMethode)> gekozen) {
    gedeeld_ = &gedeeld;
    Kop(QStringLiteral("Rekenmethode"), x, y, 129);
    auto* k = new TKeuzeLijst(paneel_);
    k->setObjectName(naam);
    k->setGeometry(x + 128, y, 185, 21);
    QObject::connect(k, &TKeuzeLijst::Gekozen, k, [gekozen](int index) {
        if (index >= 0 && index < static_cast<int>(kMethodeTeksten.size())) {
            gekozen(static_cast<TMethode>(index));
        }
    });
    methodelijsten_.push_back(k);
    return k;
}

void TPaneelBouwer::IsoUitslag(TLagenScherm& s, const QString& eisNaam, int yDeltaUf,
                               int yPercentage, int yEis) {
    AlleenIso(Kop(QStringLiteral("\u0394Uf [W/m\u00b2K]"), 400, yDeltaUf, 73));
    AlleenIso(Uitkomst(s.DeltaUf, 472, yDeltaUf, 97));
    AlleenIso(Kop(QStringLiteral("\u0394Uf / U [%]"), 400, yPercentage, 73));
    AlleenIso(Uitkomst(s.PercentageU, 472, yPercentage, 97));
    AlleenIso(Kop(QString::fromUtf8(kEisRegel.data(), static_cast<qsizetype>(kEisRegel.size())), 8,
                  yEis, 281));
    auto* eis = AlleenIso(Vast(QString(), 288, yEis, 105, false));
    eis->setObjectName(eisNaam);
    teksten_.emplace_back(&s.Eis, eis);
}

void TPaneelBouwer::Toon() const {
    for (const auto& [veld, widget] : velden_) {
        if (auto* s = qobject_cast<TSpinVeld*>(widget)) {
            s->Toon(*veld);
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
    for (QWidget* w : iso_) {
        w->setVisible(iso);
    }
}

} // namespace rcveltor::app
