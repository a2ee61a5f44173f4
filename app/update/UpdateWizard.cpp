#include "app/update/UpdateWizard.h"

#include "app/update/Updatemotor.h"
#include "update/VeiligOpenen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <fcntl.h>
#include <unistd.h>

namespace rcveltor::update {

namespace {

constexpr int kPromille = 1000;

QLabel* Kop(const QString& tekst, QWidget* ouder) {
    auto* kop = new QLabel(tekst, ouder);
    QFont f = kop->font();
    f.setPixelSize(15);
    kop->setFont(f);
    return kop;
}

QLabel* Tekst(const QString& tekst, QWidget* ouder) {
    auto* label = new QLabel(tekst, ouder);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

int Promille(qint64 deel, qint64 geheel) {
    return geheel <= 0 ? kPromille : static_cast<int>(deel * kPromille / geheel);
}

} // namespace

TFrmUpdateWizard::TFrmUpdateWizard(TUpdateMotor& motor, const TUpdateTeksten& teksten,
                                   QWidget* ouder)
    : QDialog(ouder), motor_(motor), teksten_(teksten) {
    setObjectName(QStringLiteral("FrmUpdateWizard"));
    setWindowTitle(kUpdateWizardTitel);
    setModal(true);
    setFixedSize(480, 340);
    QFont letter(QStringLiteral("Verdana"));
    // Verdana where it is installed, else a sans serif of the same breadth.
    letter.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                        QStringLiteral("Liberation Sans")});
    letter.setPixelSize(12);
    letter.setBold(true);
    setFont(letter);
    OpenTekstbestand = [](const QString& pad) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(pad));
    };

    auto* lagen = new QVBoxLayout(this);
    paginas_ = new QStackedWidget(this);
    lagen->addWidget(paginas_);
    knop_ = new QPushButton(teksten_.StartButton, this);
    knop_->setObjectName(QStringLiteral("Knop"));
    knop_->setDefault(true);
    lagen->addWidget(knop_, 0, Qt::AlignRight);
    connect(knop_, &QPushButton::clicked, this, &TFrmUpdateWizard::KnopClick);

    const auto pagina = [this](const QString& kop) {
        auto* p = new QWidget(paginas_);
        auto* l = new QVBoxLayout(p);
        if (!kop.isEmpty()) {
            l->addWidget(Kop(kop, p));
        }
        paginas_->addWidget(p);
        return l;
    };

    auto* welkom = Tekst(teksten_.Welcome, this);
    welkom->setObjectName(QStringLiteral("Welkom"));
    pagina({})->addWidget(welkom, 1);

    bericht_ = Tekst({}, this);
    bericht_->setObjectName(QStringLiteral("Bericht"));
    pagina({})->addWidget(bericht_, 1);

    nieuw_ = Tekstvak(QStringLiteral("NieuwTekst"), teksten_.WhatsNewPopup);
    pagina(teksten_.WhatsNew)->addWidget(nieuw_, 1);

    auto* licentie = pagina(teksten_.License);
    licentie_ = Tekstvak(QStringLiteral("LicentieTekst"), teksten_.LicensePopup);
    licentie->addWidget(licentie_, 1);
    aanvaard_ = new QRadioButton(teksten_.AcceptLicense, this);
    aanvaard_->setObjectName(QStringLiteral("Aanvaard"));
    auto* nietAanvaard = new QRadioButton(teksten_.NotAcceptLicense, this);
    nietAanvaard->setObjectName(QStringLiteral("NietAanvaard"));
    nietAanvaard->setChecked(true);
    licentie->addWidget(aanvaard_);
    licentie->addWidget(nietAanvaard);
    connect(aanvaard_, &QRadioButton::toggled, this, [this](bool aan) {
        if (pagina_ == TWizardPagina::Licentie) {
            knop_->setEnabled(aan);
        }
    });

    componenten_ = new QListWidget(this);
    componenten_->setObjectName(QStringLiteral("Componenten"));
    pagina(teksten_.ComponentsAvail)->addWidget(componenten_, 1);
    connect(componenten_, &QListWidget::itemChanged, this, [this] {
        bool gekozen = false;
        for (int i = 0; i < componenten_->count(); ++i) {
            gekozen = gekozen || componenten_->item(i)->checkState() == Qt::Checked;
        }
        knop_->setEnabled(gekozen);
    });

    auto* download = pagina(teksten_.DownloadingFiles);
    bestandVoortgang_ = new QProgressBar(this);
    bestandVoortgang_->setObjectName(QStringLiteral("BestandVoortgang"));
    totaleVoortgang_ = new QProgressBar(this);
    totaleVoortgang_->setObjectName(QStringLiteral("TotaleVoortgang"));
    for (QProgressBar* balk : {bestandVoortgang_, totaleVoortgang_}) {
        balk->setRange(0, kPromille);
        balk->setValue(0);
    }
    status_ = Tekst({}, this);
    status_->setObjectName(QStringLiteral("Status"));
    download->addWidget(new QLabel(teksten_.CurrentProgress, this));
    download->addWidget(bestandVoortgang_);
    download->addWidget(new QLabel(teksten_.TotalProgress, this));
    download->addWidget(totaleVoortgang_);
    download->addWidget(status_, 1);

    pagina(teksten_.UpdateComplete)->addWidget(Tekst(teksten_.RestartInfo, this), 1);

    connect(&motor_, &TUpdateMotor::Gecontroleerd, this, &TFrmUpdateWizard::ToonVersie);
    connect(&motor_, &TUpdateMotor::InstallatieVoortgang, this,
            [this](int klaar, int totaal) { totaleVoortgang_->setValue(Promille(klaar, totaal)); });
    connect(&motor_, &TUpdateMotor::WisselBegint, this, [this] {
        knop_->setEnabled(false);
        totaleVoortgang_->setValue(kPromille);
    });
    connect(&motor_, &TUpdateMotor::Geinstalleerd, this, &TFrmUpdateWizard::Geinstalleerd);
    connect(&motor_, &TUpdateMotor::BestandVoortgang, this,
            [this](int, qint64 ontvangen, qint64 grootte) {
                bestandVoortgang_->setValue(Promille(ontvangen, grootte));
            });
    connect(&motor_, &TUpdateMotor::TotaleVoortgang, this, [this](qint64 ontvangen, qint64 totaal) {
        totaleVoortgang_->setValue(Promille(ontvangen, totaal));
    });
    connect(&motor_, &TUpdateMotor::Gedownload, this, &TFrmUpdateWizard::Gedownload);
}

QPlainTextEdit* TFrmUpdateWizard::Tekstvak(const QString& naam, const QString& popup) {
    auto* vak = new QPlainTextEdit(this);
    vak->setObjectName(naam);
    vak->setReadOnly(true);
    vak->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vak, &QWidget::customContextMenuRequested, this, [this, vak, naam, popup](QPoint p) {
        QMenu menu(this);
        connect(menu.addAction(popup), &QAction::triggered, this,
                [this, vak, naam] { BekijkTekst(naam, vak->toPlainText()); });
        menu.exec(vak->mapToGlobal(p));
    });
    return vak;
}

void TFrmUpdateWizard::BekijkTekst(const QString& naam, const QString& tekst) {
    const QString pad =
        QDir(motor_.Instellingen().Werkmap).filePath(QStringLiteral("WUPDATE-%1.txt").arg(naam));
    // Never through a link: the working folder may be open to others.
    const int fd = OpenGewoonBestand(pad, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QFile bestand;
    if (fd >= 0 &&
        bestand.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFile::AutoCloseHandle)) {
        bestand.write(tekst.toUtf8());
        bestand.close();
        OpenTekstbestand(pad);
    } else if (fd >= 0) {
        ::close(fd);
    }
}

void TFrmUpdateWizard::Ga(TWizardPagina pagina) {
    pagina_ = pagina;
    paginas_->setCurrentIndex(static_cast<int>(pagina));
    knop_->setEnabled(true);
    switch (pagina) {
    case TWizardPagina::Welkom:
        ZetKnop(TWizardKnop::Start);
        break;
    case TWizardPagina::Versie:
        break;
    case TWizardPagina::Nieuw:
    case TWizardPagina::Componenten:
        ZetKnop(TWizardKnop::Volgende);
        break;
    case TWizardPagina::Licentie:
        ZetKnop(TWizardKnop::Volgende);
        knop_->setEnabled(aanvaard_->isChecked());
        break;
    case TWizardPagina::Download:
        ZetKnop(TWizardKnop::Annuleren);
        break;
    case TWizardPagina::Klaar:
        ZetKnop(TWizardKnop::Herstarten);
        break;
    }
}

void TFrmUpdateWizard::ZetKnop(TWizardKnop knop) {
    knopDoet_ = knop;
    switch (knop) {
    case TWizardKnop::Start:
        knop_->setText(teksten_.StartButton);
        break;
    case TWizardKnop::Update:
        knop_->setText(teksten_.GetUpdateButton);
        break;
    case TWizardKnop::Volgende:
        knop_->setText(teksten_.NextButton);
        break;
    case TWizardKnop::Annuleren:
        knop_->setText(teksten_.CancelButton);
        break;
    case TWizardKnop::Verlaten:
        knop_->setText(teksten_.ExitButton);
        break;
    case TWizardKnop::Herstarten:
        knop_->setText(teksten_.RestartButton);
        break;
    }
}

void TFrmUpdateWizard::KnopClick() {
    switch (pagina_) {
    case TWizardPagina::Welkom:
        knop_->setEnabled(false);
        bezig_ = true;
        motor_.StartControle(motor_.Instellingen().WizardLimietMs);
        return;
    case TWizardPagina::Versie:
        if (knopDoet_ == TWizardKnop::Update) {
            NaVersie();
        } else {
            QDialog::reject();
        }
        return;
    case TWizardPagina::Nieuw:
        Ga(motor_.LaatsteControle().Bestand->Licentie.isEmpty() ? TWizardPagina::Componenten
                                                                : TWizardPagina::Licentie);
        return;
    case TWizardPagina::Licentie:
        Ga(TWizardPagina::Componenten);
        return;
    case TWizardPagina::Componenten:
        StartDownload();
        return;
    case TWizardPagina::Download:
        reject();
        return;
    case TWizardPagina::Klaar:
        switch (motor_.Herstart()) {
        case THerstart::Uitgesteld:
            // Unsaved work was kept: the wizard stays.
            return;
        case THerstart::Mislukt:
            QMessageBox::warning(this, kUpdateWizardTitel, teksten_.HerstartMislukt);
            break;
        case THerstart::Gestart:
            break;
        }
        accept();
        return;
    }
}

void TFrmUpdateWizard::ToonVersie() {
    if (pagina_ != TWizardPagina::Welkom || !bezig_) {
        return;
    }
    bezig_ = false;
    const TControle& c = motor_.LaatsteControle();
    const QString huidig = teksten_.CurrentVersion + QStringLiteral(" : ") +
                           motor_.Instellingen().HuidigeVersie.toString();
    Ga(TWizardPagina::Versie);
    switch (c.Uitkomst) {
    case TControleUitkomst::Nieuwer: {
        const TControlebestand& b = *c.Bestand;
        if (!motor_.Instellingen().KanZelfInstalleren()) {
            // Only the package manager may replace this program.
            bericht_->setText(teksten_.ViaPakketbeheer.arg(b.Versie.toString()));
            ZetKnop(TWizardKnop::Verlaten);
            break;
        }
        bericht_->setText(teksten_.NewVersionFound + QStringLiteral(" :\n") + huidig +
                          QLatin1Char('\n') + teksten_.NewVersion + QStringLiteral(" : ") +
                          b.Versie.toString() + QStringLiteral(" (") +
                          b.Datum.toString(QStringLiteral("dd-MM-yyyy")) + QLatin1Char(' ') +
                          b.Tijd.toString(QStringLiteral("hh:mm")) + QLatin1Char(')'));
        ZetKnop(TWizardKnop::Update);
        break;
    }
    case TControleUitkomst::NietNieuwer:
        bericht_->setText(teksten_.NoNewVersionAvail + QLatin1Char('\n') + huidig);
        ZetKnop(TWizardKnop::Verlaten);
        break;
    case TControleUitkomst::Onbereikbaar:
    case TControleUitkomst::Ongeldig:
        bericht_->setText(teksten_.CannotConnect + QLatin1Char('\n') + teksten_.NoUpdateOnServer);
        ZetKnop(TWizardKnop::Verlaten);
        break;
    }
}

void TFrmUpdateWizard::NaVersie() {
    const TControlebestand& b = *motor_.LaatsteControle().Bestand;
    if (b.Componenten.isEmpty()) {
        QMessageBox::information(this, kUpdateWizardTitel, teksten_.NoFilesFound);
        ZetKnop(TWizardKnop::Verlaten);
        return;
    }
    nieuw_->setPlainText(b.Nieuw);
    licentie_->setPlainText(b.Licentie);
    componenten_->clear();
    for (const TComponent& c : b.Componenten) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2 kB)").arg(c.Naam).arg((c.Grootte + 1023) / 1024), componenten_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    if (!b.Nieuw.isEmpty()) {
        Ga(TWizardPagina::Nieuw);
    } else if (!b.Licentie.isEmpty()) {
        Ga(TWizardPagina::Licentie);
    } else {
        Ga(TWizardPagina::Componenten);
    }
}

void TFrmUpdateWizard::StartDownload() {
    QList<int> keuze;
    for (int i = 0; i < componenten_->count(); ++i) {
        if (componenten_->item(i)->checkState() == Qt::Checked) {
            keuze.append(i);
        }
    }
    if (keuze.isEmpty()) {
        QMessageBox::information(this, kUpdateWizardTitel, teksten_.NoFilesFound);
        return;
    }
    Ga(TWizardPagina::Download);
    bezig_ = true;
    motor_.StartDownload(keuze);
}

void TFrmUpdateWizard::Gedownload(bool gelukt) {
    if (pagina_ != TWizardPagina::Download || !bezig_) {
        return;
    }
    bezig_ = false;
    if (!gelukt) {
        Mislukt();
        return;
    }
    // Off this thread, so that the window keeps answering.
    installeren_ = true;
    status_->setText(teksten_.Installing);
    motor_.StartInstallatie();
}

void TFrmUpdateWizard::Geinstalleerd(bool gelukt) {
    if (!installeren_) {
        return;
    }
    installeren_ = false;
    knop_->setEnabled(true);
    if (!gelukt) {
        Mislukt();
        return;
    }
    Ga(TWizardPagina::Klaar);
}

void TFrmUpdateWizard::Mislukt() {
    status_->setText(teksten_.FailedDownload);
    ZetKnop(TWizardKnop::Verlaten);
    if (isVisible()) {
        QMessageBox::warning(this, kUpdateWizardTitel, teksten_.FailedDownload);
    }
}

void TFrmUpdateWizard::reject() {
    // Closing during a download or an installation cancels it, unless the
    // files are being swapped: that is never left half done.
    if (installeren_ && !motor_.Annuleer()) {
        return;
    }
    if (bezig_ && pagina_ == TWizardPagina::Download) {
        bezig_ = false;
        motor_.Annuleer();
    }
    installeren_ = false;
    QDialog::reject();
}

void ToonUpdateWizard(TUpdateMotor& motor, const TUpdateTeksten& teksten, QWidget* ouder) {
    TFrmUpdateWizard wizard(motor, teksten, ouder);
    wizard.exec();
}

} // namespace rcveltor::update
