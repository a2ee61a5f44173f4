// RcVeltor: the window program.

#include "app/UInfo.h"
#include "app/UMainform.h"
#include "app/URcWizard.h"
#include "app/Vertaling.h"
#include "app/update/Updatemotor.h"
#include "melding/Eigenaar.h"
#include "preview/UPreview.h"
#include "reports/PdfExport.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "update/Zelftest.h"

#include "reports/Kopband.h"
#include "reports/Letterbestanden.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <memory>

using namespace rcveltor::app;
using namespace rcveltor::rapport;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // An update runs the new program once before installing it; that run ends here.
    if (argc == 2 && QString::fromLocal8Bit(argv[1]) == rcveltor::update::kZelftestOptie) {
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("RcVeltor"));
    QFont standaard(QStringLiteral("Arial"));
    standaard.setPointSize(8);
    QApplication::setFont(standaard);
    RegistreerRapportLetters();
    // Qt's own dialogs (file, print, questions) in Dutch, like the program.
    QTranslator qtNederlands;
    InstalleerQtNederlands(qtNederlands);
    Contactgegevens(); // the maker's details, read once at start

    // Before anything else: an update killed part-way is completed or undone,
    // and so is one whose new program did not confirm its start in time.
    const auto updateInstellingen = rcveltor::update::TUpdateInstellingen::VoorDitProgramma();
    const auto herstel = rcveltor::update::HerstelOnderbrokenUpdate(updateInstellingen);

    // "/-u" as the first argument, exactly: no update check at start-up. A
    // calculation file after it (or first) is opened once the start-up ran.
    QStringList argumenten = QApplication::arguments();
    argumenten.removeFirst();
    const bool geenUpdate = !argumenten.isEmpty() && argumenten.front() == QStringLiteral("/-u");
    if (geenUpdate) {
        argumenten.removeFirst();
    }
    const QString openBestand = argumenten.isEmpty() ? QString() : argumenten.front();

    // The calculation, which the windows show and edit. The main window, the
    // wizard and the info window are created hidden at start; the reports and
    // the preview, which nothing shows before the first print command, on that
    // command. Each lives until the program ends.
    rcveltor::TBerekening berekening(rcveltor::TWensRcBron::Wizard);
    TMainForm mainForm(berekening);
    TFrmRcWizard wizard(berekening.WensRc, &mainForm);
    std::unique_ptr<TQuickReport1> quickReport1;
    std::unique_ptr<TFrmPreview> preview;
    TFrmInfo info(&mainForm);
    std::unique_ptr<TQuickReport2> quickReport2;

    mainForm.ZetWizard(&wizard);
    mainForm.ZetGeenUpdate(geenUpdate);
    mainForm.ToonInfo = [&] { rcveltor::melding::VoerUitBovenop(info, &mainForm); };
    mainForm.ZetUpdateControle(info.UpdateControle());
    // An update's restart ends the program: unsaved work is asked about first.
    info.UpdateMotor().MagAfsluiten = [&mainForm] { return mainForm.Beheer().MagVerdergaan(); };
    // Print, preview and save act on the report of the screen that is visible.
    const auto kiesRapport = [&]() -> TRapport* {
        switch (mainForm.ZichtbaarScherm()) {
        case TZichtbaarScherm::Plat:
            if (!quickReport1) {
                quickReport1 = std::make_unique<TQuickReport1>(
                    berekening.Model.Rc, &berekening.Project, &berekening.Model.Vocht);
            }
            return quickReport1.get();
        case TZichtbaarScherm::Afschot:
            if (!quickReport2) {
                quickReport2 = std::make_unique<TQuickReport2>(
                    berekening.Model.Afschot, &berekening.Project, &berekening.Model.Vocht);
            }
            return quickReport2.get();
        case TZichtbaarScherm::Geen:
            break;
        }
        return nullptr;
    };
    mainForm.Afdrukken = [&](TZichtbaarScherm) {
        if (!preview) {
            // A window of the main window's own: it stays above it, and the
            // program's questions open above both.
            preview = std::make_unique<TFrmPreview>(&mainForm);
            preview->KiesRapport = kiesRapport;
            preview->PdfSchrijver = [](const TPaginaSet& set, const QString& bestand) {
                SchrijfPdf(set, bestand);
            };
        }
        preview->Start();
    };

    mainForm.show();
    // The main window shows: a new version confirms that it starts.
    QTimer::singleShot(0, &mainForm, [&] {
        rcveltor::update::BevestigUpdateStart(updateInstellingen);
        if (herstel == rcveltor::update::TInstallatie::THerstel::StarttNiet) {
            QMessageBox::warning(&mainForm, QStringLiteral("Update"),
                                 QStringLiteral("De nieuwe versie startte niet. De vorige versie "
                                                "is teruggezet."));
        }
        if (!openBestand.isEmpty()) {
            mainForm.OpenBijStart(openBestand);
        }
    });
    return QApplication::exec();
}
