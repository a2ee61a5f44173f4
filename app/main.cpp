// RcVeltor: the window program.

#include "PdfExport.h"
#include "UInfo.h"
#include "UMainform.h"
#include "UPreview.h"
#include "UQuicReport1.h"
#include "UQuicReport2.h"
#include "URcWizard.h"
#include "Updatemotor.h"
#include "Vertaling.h"

#include "Kopband.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

using namespace rcveltor::app;
using namespace rcveltor::rapport;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RcVeltor"));
    QFont standaard(QStringLiteral("Arial"));
    standaard.setPointSize(8);
    QApplication::setFont(standaard);
    // Qt's own dialogs (file, print, questions) in Dutch, like the program.
    QTranslator qtNederlands;
    InstalleerQtNederlands(qtNederlands);
    Contactgegevens(); // the maker's details, read once at start

    // Before anything else: an update killed part-way is completed or undone,
    // and so is one whose new program did not confirm its start in time.
    const auto updateInstellingen = rcveltor::update::TUpdateInstellingen::VoorDitProgramma();
    const auto herstel = rcveltor::update::HerstelOnderbrokenUpdate(updateInstellingen);

    // "/-u" as the first argument, exactly: no update check at start-up.
    const QStringList argumenten = QApplication::arguments();
    const bool geenUpdate = argumenten.size() > 1 && argumenten.at(1) == QStringLiteral("/-u");

    // The windows, created hidden in this order, live until the program ends.
    TMainForm mainForm;
    TFrmRcWizard wizard(&mainForm);
    TQuickReport1 quickReport1(mainForm.Model().Rc);
    TFrmPreview preview;
    TFrmInfo info(&mainForm);
    TQuickReport2 quickReport2(mainForm.Model().Afschot);

    mainForm.ZetWizard(&wizard);
    mainForm.ZetGeenUpdate(geenUpdate);
    mainForm.ToonInfo = [&info] { info.exec(); };
    mainForm.ZetUpdateControle(info.UpdateControle());
    // Print, preview and save act on the report of the screen that is visible.
    preview.KiesRapport = [&]() -> TRapport* {
        switch (mainForm.ZichtbaarScherm()) {
        case TZichtbaarScherm::Plat:
            return &quickReport1;
        case TZichtbaarScherm::Afschot:
            return &quickReport2;
        case TZichtbaarScherm::Geen:
            break;
        }
        return nullptr;
    };
    preview.PdfSchrijver = [](const TPaginaSet& set, const QString& bestand) {
        SchrijfPdf(set, bestand);
    };
    mainForm.Afdrukken = [&](TZichtbaarScherm) { preview.Start(); };

    mainForm.show();
    // The main window shows: a new version confirms that it starts.
    QTimer::singleShot(0, &mainForm, [&] {
        rcveltor::update::BevestigUpdateStart(updateInstellingen);
        if (herstel == rcveltor::update::TInstallatie::THerstel::StarttNiet) {
            QMessageBox::warning(&mainForm, QStringLiteral("Update"),
                                 QStringLiteral("De nieuwe versie startte niet. De vorige versie "
                                                "is teruggezet."));
        }
    });
    return QApplication::exec();
}
