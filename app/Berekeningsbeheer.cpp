#include "app/Berekeningsbeheer.h"

#include "melding/Eigenaar.h"
#include "melding/Foutmelding.h"
#include "melding/Opslagmap.h"
#include "platform/Systeemfout.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace rcveltor::app {

namespace {

const QString kFilter = QStringLiteral("RcVeltor-berekening (*.rcv)");
const QString kTitel = QStringLiteral("RcVeltor");

// A file name from the project's name, without the characters a file name
// cannot hold.
QString Voorstel(const TProjectgegevens& project) {
    QString naam = QString::fromStdString(project.Naam);
    for (const QChar c : QStringLiteral("\\/:*?\"<>|")) {
        naam.replace(c, QLatin1Char(' '));
    }
    naam = naam.simplified();
    return naam.isEmpty() ? QString() : naam + QStringLiteral(".rcv");
}

// The name with ".rcv" appended unless it ends in it already (in any case,
// as Windows compares names).
QString MetAchtervoegsel(const QString& pad) {
    const QString achtervoegsel = QStringLiteral(".rcv");
    return pad.endsWith(achtervoegsel, Qt::CaseInsensitive) ? pad : pad + achtervoegsel;
}

} // namespace

TBerekeningsbeheer::TBerekeningsbeheer(TBerekening& berekening, QWidget* venster)
    : berekening_(berekening), venster_(venster) {
    VraagOpslagnaam = [this](const QString& voorstel) {
        QFileDialog dialoog(melding::Eigenaar(venster_), QStringLiteral("Opslaan als"),
                            melding::OpslagMap(laatsteMap_), kFilter);
        dialoog.setAcceptMode(QFileDialog::AcceptSave);
        dialoog.setDefaultSuffix(QStringLiteral("rcv"));
        if (!voorstel.isEmpty()) {
            dialoog.selectFile(voorstel);
        }
        return dialoog.exec() == QDialog::Accepted && !dialoog.selectedFiles().isEmpty()
                   ? dialoog.selectedFiles().front()
                   : QString();
    };
    MeldFouten = [this](const std::vector<std::string>& plat,
                        const std::vector<std::string>& afschot) {
        for (const auto* fouten : {&plat, &afschot}) {
            for (const auto& fout : *fouten) {
                melding::ToonFoutmelding(venster_, QString::fromStdString(fout));
            }
        }
    };
    VraagOpenNaam = [this] {
        QFileDialog dialoog(melding::Eigenaar(venster_), QStringLiteral("Openen"),
                            melding::OpslagMap(laatsteMap_), kFilter);
        dialoog.setAcceptMode(QFileDialog::AcceptOpen);
        dialoog.setFileMode(QFileDialog::ExistingFile);
        return dialoog.exec() == QDialog::Accepted && !dialoog.selectedFiles().isEmpty()
                   ? dialoog.selectedFiles().front()
                   : QString();
    };
}

bool TBerekeningsbeheer::Opslaan() {
    return Bestand().isEmpty() ? OpslaanAls() : SchrijfNaar(Bestand());
}

bool TBerekeningsbeheer::OpslaanAls() {
    const QString voorstel =
        Bestand().isEmpty() ? Voorstel(berekening_.Project) : QFileInfo(Bestand()).fileName();
    const QString gekozen = VraagOpslagnaam(voorstel);
    if (gekozen.isEmpty()) {
        return false;
    }
    // A calculation file always ends in ".rcv": the open dialog shows no other.
    const QString pad = MetAchtervoegsel(gekozen);
    if (pad != gekozen && QFileInfo::exists(pad)) {
        // The save dialog asked about the name as typed, not about this one.
        QMessageBox vraag(QMessageBox::Question, kTitel,
                          QStringLiteral("Het bestand \"%1\" bestaat al. Wilt u het vervangen?")
                              .arg(QDir::toNativeSeparators(pad)),
                          QMessageBox::Yes | QMessageBox::No, melding::Eigenaar(venster_));
        vraag.setDefaultButton(QMessageBox::No);
        if (vraag.exec() != QMessageBox::Yes) {
            return false;
        }
    }
    return SchrijfNaar(pad);
}

bool TBerekeningsbeheer::SchrijfNaar(const QString& pad) {
    try {
        berekening_.SlaOp(pad.toStdString());
    } catch (const platform::TBestandsfout& fout) {
        melding::ToonFoutmelding(
            venster_, QStringLiteral("Het bestand \"%1\" kan niet worden opgeslagen (%2).")
                          .arg(QDir::toNativeSeparators(pad), QString::fromUtf8(fout.what())));
        return false;
    }
    laatsteMap_ = QFileInfo(pad).absolutePath();
    return true;
}

bool TBerekeningsbeheer::MagVerdergaan() {
    if (!berekening_.Gewijzigd()) {
        return true;
    }
    QMessageBox vraag(QMessageBox::Question, kTitel, QStringLiteral("Wijzigingen opslaan?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                      melding::Eigenaar(venster_));
    vraag.setDefaultButton(QMessageBox::Yes);
    switch (vraag.exec()) {
    case QMessageBox::Yes:
        return Opslaan();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TBerekeningsbeheer::NieuweBerekening() {
    if (!MagVerdergaan()) {
        return;
    }
    const auto fouten = berekening_.Nieuw();
    if (Ververs) {
        Ververs();
    }
    for (const auto& fout : fouten) {
        melding::ToonFoutmelding(venster_, QString::fromStdString(fout));
    }
}

void TBerekeningsbeheer::Openen() {
    if (!MagVerdergaan()) {
        return;
    }
    const QString pad = VraagOpenNaam();
    if (!pad.isEmpty()) {
        Open(pad);
    }
}

void TBerekeningsbeheer::OpenBestand(const QString& pad) {
    if (MagVerdergaan()) {
        Open(pad);
    }
}

void TBerekeningsbeheer::Open(const QString& pad) {
    TOpening opening;
    try {
        opening = berekening_.Open(pad.toStdString(), TSchermfouten::Apart);
    } catch (const std::exception& fout) {
        melding::ToonFoutmelding(venster_, QString::fromStdString(fout.what()));
        return;
    }
    laatsteMap_ = QFileInfo(pad).absolutePath();
    if (Ververs) {
        Ververs();
    }
    MeldFouten(opening.Fouten, opening.FoutenAfschot);
    if (!opening.Afwijking.empty()) {
        QMessageBox::information(melding::Eigenaar(venster_), kTitel,
                                 QString::fromStdString(opening.Afwijking));
    }
}

} // namespace rcveltor::app
