// rcveltor-cli: the calculator without windows, for scripts and checks.

#include "Opties.h"
#include "PdfExport.h"
#include "RcFout.h"
#include "RekenModel.h"
#include "Toepassen.h"
#include "UQuicReport1.h"
#include "UQuicReport2.h"
#include "Uitvoer.h"

#include <QFile>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <optional>

using namespace rcveltor;

namespace {

// The table's file: "lambda.bin" in the working directory unless given.
std::string LambdaPad(const cli::TOpties& opties) {
    std::error_code ec;
    const std::filesystem::path werkmap = std::filesystem::current_path(ec);
    if (!opties.LambdaBestand) {
        return (werkmap / "lambda.bin").string();
    }
    const std::filesystem::path gegeven(*opties.LambdaBestand);
    return gegeven.is_absolute() ? gegeven.string() : (werkmap / gegeven).string();
}

// The report of the chosen screen, as the preview would save it. The report
// draws its header pictures and measures its fonts through Qt, which needs a
// GUI application; without a display the offscreen platform serves.
void SchrijfRapport(const TRekenModel& model, bool afschot, const std::string& bestand) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char naam[] = "rcveltor-cli";
    char* argv[] = {naam, nullptr};
    const QGuiApplication app(argc, argv);

    std::shared_ptr<const rapport::TPaginaSet> set;
    if (afschot) {
        rapport::TQuickReport2 rapport(model.Afschot);
        set = rapport.Genereer(false);
    } else {
        rapport::TQuickReport1 rapport(model.Rc);
        set = rapport.Genereer(false);
    }
    rapport::SchrijfPdf(*set, QFile::decodeName(bestand.c_str()));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const cli::TOpties opties =
            cli::LeesOpties(std::vector<std::string>(argv + 1, argv + argc));
        if (opties.Hulp) {
            std::cout << cli::Gebruik();
            return 0;
        }
        TRekenModel model(",");
        std::vector<std::string> fouten = model.Opstarten(LambdaPad(opties));
        cli::PasToe(opties, model, fouten);

        std::cout << (opties.Json ? cli::AlsJson(model, opties.Afschot, fouten)
                                  : cli::AlsTabel(model, opties.Afschot));
        for (const auto& fout : fouten) {
            std::cerr << "rcveltor-cli: " << fout << "\n";
        }
        bool pdfGeschreven = true;
        if (opties.Pdf) {
            std::cout.flush();
            try {
                SchrijfRapport(model, opties.Afschot, *opties.Pdf);
            } catch (const RcFout& fout) {
                std::cerr << "rcveltor-cli: " << fout.what() << "\n";
                pdfGeschreven = false;
            }
        }
        return fouten.empty() && pdfGeschreven ? 0 : 1;
    } catch (const cli::Gebruiksfout& fout) {
        std::cerr << "rcveltor-cli: " << fout.what() << "\n\n" << cli::Gebruik();
        return 2;
    }
}
