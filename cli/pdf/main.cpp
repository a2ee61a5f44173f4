// rcveltor-cli-pdf: the calculator with the report writer, started by
// rcveltor-cli with the same arguments when --pdf is given. Kept apart so
// that a plain calculation loads no window toolkit and no PDF library.

#include "calc/RekenModel.h"
#include "cli/Draaien.h"
#include "platform/Argumenten.h"
#include "reports/Letterbestanden.h"
#include "reports/PdfExport.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"

#include <QFile>
#include <QGuiApplication>

using namespace rcveltor;

namespace {

// The report of the chosen screen, as the preview would save it (with the
// moisture page when the calculation asks for it). The report
// draws its header pictures and measures its fonts through Qt, which needs a
// GUI application; without a display the offscreen platform serves.
void SchrijfRapport(const TRekenModel& model, bool afschot, const std::string& bestand,
                    const TProjectgegevens* project) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char naam[] = "rcveltor-cli";
    char* argv[] = {naam, nullptr};
    const QGuiApplication app(argc, argv);
    rapport::RegistreerRapportLetters();

    std::shared_ptr<const rapport::TPaginaSet> set;
    if (afschot) {
        rapport::TQuickReport2 rapport(model.Afschot, project, &model.Vocht);
        set = rapport.Genereer(false);
    } else {
        rapport::TQuickReport1 rapport(model.Rc, project, &model.Vocht);
        set = rapport.Genereer(false);
    }
    rapport::SchrijfPdf(*set, QFile::decodeName(bestand.c_str()));
}

} // namespace

int main(int argc, char** argv) {
    cli::TPdfRoute pdf;
    pdf.Schrijven = SchrijfRapport;
    return cli::Draai(platform::Argumenten(argc, argv), pdf);
}
