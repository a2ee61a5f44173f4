// Prints the flat-roof report through the preview's print command to the
// CUPS queue named on the command line (the print dialog answered in code).

#include "calc/RekenModel.h"
#include "preview/UPreview.h"
#include "reports/UQuicReport1.h"

#include <QApplication>
#include <QPrinter>
#include <QTimer>
#include <cstdio>

using namespace rcveltor;
using namespace rcveltor::rapport;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: afdruk_via_cups QUEUE LAMBDA_BIN\n");
        return 2;
    }
    const QString wachtrij = QString::fromLocal8Bit(argv[1]);
    TRekenModel model;
    model.Opstarten(argv[2]);
    TQuickReport1 rapport(model.Rc);
    TFrmPreview preview;
    preview.KiesRapport = [&]() -> TRapport* { return &rapport; };
    bool gevraagd = false;
    preview.VraagAfdrukken = [&](QPrinter& printer, int) {
        gevraagd = true;
        printer.setPrinterName(wachtrij);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return printer.outputFormat() == QPrinter::NativeFormat &&
               printer.printerName() == wachtrij;
    };
    QTimer::singleShot(0, &preview, [&] {
        preview.SBPrintClick();
        preview.close();
    });
    preview.Start();
    if (!gevraagd) {
        std::fprintf(stderr, "the print dialog was not asked\n");
        return 1;
    }
    return 0;
}
