#pragma once

// The update wizard: start, version found or not, what's new, the licence,
// the components, the download with its progress bars, completion and restart.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace rcveltor::update {

class TUpdateMotor;

// The wizard's Dutch texts. Welcome is set by whoever starts a run.
struct TUpdateTeksten {
    QString Welcome =
        QStringLiteral("Druk start om te beginnen met controleren voor applicatie updates ...");
    QString StartButton = QStringLiteral("Start");
    QString NextButton = QStringLiteral("Volgende");
    QString ExitButton = QStringLiteral("Verlaten");
    QString RestartButton = QStringLiteral("Herstarten");
    QString CancelButton = QStringLiteral("Annuleren");
    QString FailedDownload = QStringLiteral("Failed to download updates");
    QString GetUpdateButton = QStringLiteral("Update");
    QString NewVersionFound = QStringLiteral("Nieuwe versie gevonden");
    QString CurrentVersion = QStringLiteral("Huidige versie");
    QString NewVersion = QStringLiteral("Nieuwe versie");
    QString NoNewVersionAvail = QStringLiteral("Geen nieuwe versie beschikbaar.");
    QString NewVersionAvail = QStringLiteral("Nieuwe versie beschikbaar.");
    QString CannotConnect =
        QStringLiteral("Er kan geen verbinding met de update server tot stand gebracht worden of");
    QString NoUpdateOnServer = QStringLiteral("geen update gevonden op server ...");
    QString NoFilesFound = QStringLiteral("Geen bestanden gevonden voor update");
    QString Installing = QStringLiteral("Installeren ...");
    QString HerstartMislukt =
        QStringLiteral("De nieuwe versie kon niet worden gestart. De vorige versie is teruggezet.");
    QString ViaPakketbeheer = QStringLiteral(
        "Er is een nieuwe versie %1 beschikbaar. Installeer deze via uw pakketbeheer.");
    QString WhatsNew = QStringLiteral("Nieuw in update");
    QString WhatsNewPopup = QStringLiteral("Bekijken in kladblok");
    QString License = QStringLiteral("Licentie overeenkomst");
    QString AcceptLicense = QStringLiteral("Ik aanvaard");
    QString NotAcceptLicense = QStringLiteral("Ik aanvaard niet");
    QString LicensePopup = QStringLiteral("Bekijken in kladblok");
    QString ComponentsAvail = QStringLiteral("Beschikbare applicatie componenten");
    QString DownloadingFiles = QStringLiteral("Downloaden bestanden");
    QString CurrentProgress = QStringLiteral("Voorgang bestand");
    QString TotalProgress = QStringLiteral("Totale voortgang");
    QString UpdateComplete = QStringLiteral("Update volledig ...");
    QString RestartInfo = QStringLiteral("Druk Herstarten om de nieuwe versie te starten.");
};

enum class TWizardPagina { Welkom, Versie, Nieuw, Licentie, Componenten, Download, Klaar };
// What the one button does; its text follows.
enum class TWizardKnop { Start, Update, Volgende, Annuleren, Verlaten, Herstarten };

class TFrmUpdateWizard : public QDialog {
    Q_OBJECT
public:
    TFrmUpdateWizard(TUpdateMotor& motor, const TUpdateTeksten& teksten, QWidget* ouder = nullptr);

    TWizardPagina Pagina() const { return pagina_; }
    // The one button of every page; its text and action follow the page.
    QPushButton* Knop() const { return knop_; }

    // "Bekijken in kladblok": opens a text file in the desktop's editor.
    std::function<void(const QString& pad)> OpenTekstbestand;

    void reject() override;

private:
    void KnopClick();
    void ToonVersie();
    void NaVersie();
    void Ga(TWizardPagina pagina);
    void ZetKnop(TWizardKnop knop);
    void StartDownload();
    void Gedownload(bool gelukt);
    void Geinstalleerd(bool gelukt);
    void Mislukt();
    void BekijkTekst(const QString& naam, const QString& tekst);
    QPlainTextEdit* Tekstvak(const QString& naam, const QString& popup);

    TUpdateMotor& motor_;
    TUpdateTeksten teksten_;
    TWizardPagina pagina_ = TWizardPagina::Welkom;
    TWizardKnop knopDoet_ = TWizardKnop::Start;
    bool bezig_ = false;
    bool installeren_ = false;

    QStackedWidget* paginas_ = nullptr;
    QPushButton* knop_ = nullptr;
    QLabel* bericht_ = nullptr;
    QPlainTextEdit* nieuw_ = nullptr;
    QPlainTextEdit* licentie_ = nullptr;
    QRadioButton* aanvaard_ = nullptr;
    QListWidget* componenten_ = nullptr;
    QProgressBar* bestandVoortgang_ = nullptr;
    QProgressBar* totaleVoortgang_ = nullptr;
    QLabel* status_ = nullptr;
};

inline const QString kUpdateWizardTitel = QStringLiteral("Update Do Dadovideze");

// Shows the wizard modally and returns when it is closed.
void ToonUpdateWizard(TUpdateMotor& motor, const TUpdateTeksten& teksten, QWidget* ouder);

} // namespace rcveltor::update
