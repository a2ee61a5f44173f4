#include "app/UProjectgegevens.h"

#include "melding/Foutmelding.h"
#include "project/Veldtekst.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace rcveltor::app {

namespace {

constexpr int kMaxRegel = 200; // longest one-line field [characters]

// Cleaned as a calculation file's reader cleans it.
QString Schoon(const QString& tekst, bool regels) {
    return QString::fromStdString(SchoonVeldtekst(tekst.toStdString(), regels));
}

// A one-line field's text as the calculation file keeps it: cleaned,
// trimmed, UTF-8.
std::string SchoneRegel(const QString& tekst) {
    return Schoon(tekst, false).trimmed().toStdString();
}

} // namespace

QString AlsDatumTekst(const std::string& iso) {
    const QDate datum = QDate::fromString(QString::fromStdString(iso), Qt::ISODate);
    return datum.isValid() ? datum.toString(QStringLiteral("dd-MM-yyyy")) : QString();
}

std::optional<std::string> LeesDatumTekst(const QString& tekst) {
    const QString kern = tekst.trimmed();
    if (kern.isEmpty()) {
        return std::string();
    }
    for (const QString& vorm : {QStringLiteral("d-M-yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate datum = QDate::fromString(kern, vorm);
        if (datum.isValid()) {
            return datum.toString(Qt::ISODate).toStdString();
        }
    }
    return std::nullopt;
}

TFrmProjectgegevens::TFrmProjectgegevens(QWidget* ouder) : QDialog(ouder) {
    setObjectName(QStringLiteral("FrmProjectgegevens"));
    setWindowTitle(QStringLiteral("Projectgegevens"));
    setModal(true);

    auto* formulier = new QFormLayout;
    naam_ = Regel("Project", kMaxRegel);
    nummer_ = Regel("Projectnummer", kMaxRegel);
    adres_ = Regel("Adres", kMaxRegel);
    postcodePlaats_ = Regel("PostcodePlaats", kMaxRegel);
    opdrachtgever_ = Regel("Opdrachtgever", kMaxRegel);
    opgesteldDoor_ = Regel("OpgesteldDoor", kMaxRegel);
    datum_ = Regel("Datum", 10);
    datum_->setPlaceholderText(QStringLiteral("dd-mm-jjjj"));
    opmerking_ = new QPlainTextEdit(this);
    opmerking_->setObjectName(QStringLiteral("Opmerking"));
    opmerking_->setTabChangesFocus(true);
    formulier->addRow(QStringLiteral("Project"), naam_);
    formulier->addRow(QStringLiteral("Projectnummer"), nummer_);
    formulier->addRow(QStringLiteral("Adres"), adres_);
    formulier->addRow(QStringLiteral("Postcode en plaats"), postcodePlaats_);
    formulier->addRow(QStringLiteral("Opdrachtgever"), opdrachtgever_);
    formulier->addRow(QStringLiteral("Opgesteld door"), opgesteldDoor_);
    formulier->addRow(QStringLiteral("Datum"), datum_);
    formulier->addRow(QStringLiteral("Opmerking"), opmerking_);

    // A project named for the first time is dated today.
    connect(naam_, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        if (!tekst.trimmed().isEmpty() && datum_->text().trimmed().isEmpty()) {
            datum_->setText(Vandaag().toString(QStringLiteral("dd-MM-yyyy")));
        }
    });

    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(knoppen, &QDialogButtonBox::accepted, this, &TFrmProjectgegevens::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* indeling = new QVBoxLayout(this);
    indeling->addLayout(formulier);
    indeling->addWidget(knoppen);
    resize(460, 360);
}

QLineEdit* TFrmProjectgegevens::Regel(const char* naam, int maxLengte) {
    auto* regel = new QLineEdit(this);
    regel->setObjectName(QString::fromLatin1(naam));
    regel->setMaxLength(maxLengte);
    return regel;
}

void TFrmProjectgegevens::Toon(const TProjectgegevens& gegevens) {
    naam_->setText(QString::fromStdString(gegevens.Naam));
    nummer_->setText(QString::fromStdString(gegevens.Nummer));
    adres_->setText(QString::fromStdString(gegevens.Adres));
    postcodePlaats_->setText(QString::fromStdString(gegevens.PostcodePlaats));
    opdrachtgever_->setText(QString::fromStdString(gegevens.Opdrachtgever));
    opgesteldDoor_->setText(QString::fromStdString(gegevens.OpgesteldDoor));
    datum_->setText(AlsDatumTekst(gegevens.Datum));
    opmerking_->setPlainText(QString::fromStdString(gegevens.Opmerking));
    naam_->setFocus();
}

TProjectgegevens TFrmProjectgegevens::Gegevens() const {
    TProjectgegevens gegevens;
    gegevens.Naam = SchoneRegel(naam_->text());
    gegevens.Nummer = SchoneRegel(nummer_->text());
    gegevens.Adres = SchoneRegel(adres_->text());
    gegevens.PostcodePlaats = SchoneRegel(postcodePlaats_->text());
    gegevens.Opdrachtgever = SchoneRegel(opdrachtgever_->text());
    gegevens.OpgesteldDoor = SchoneRegel(opgesteldDoor_->text());
    gegevens.Datum = LeesDatumTekst(datum_->text()).value_or(std::string());
    // Trailing blank lines print as nothing.
    QString opmerking = Schoon(opmerking_->toPlainText(), true);
    while (!opmerking.isEmpty() && opmerking.back().isSpace()) {
        opmerking.chop(1);
    }
    gegevens.Opmerking = opmerking.toStdString();
    return gegevens;
}

void TFrmProjectgegevens::accept() {
    if (!LeesDatumTekst(datum_->text())) {
        melding::ToonFoutmelding(this, QStringLiteral("\"%1\" is geen datum; geef de datum als "
                                                      "dag-maand-jaar, bijvoorbeeld %2.")
                                           .arg(datum_->text().trimmed(),
                                                Vandaag().toString(QStringLiteral("dd-MM-yyyy"))));
        datum_->setFocus();
        datum_->selectAll();
        return;
    }
    if (opmerking_->toPlainText().size() > kMaxOpmerking) {
        melding::ToonFoutmelding(
            this,
            QStringLiteral("De opmerking is te lang: ten hoogste %1 tekens.").arg(kMaxOpmerking));
        opmerking_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace rcveltor::app
