// rcveltor-cli: the calculator without windows, for scripts and checks. It
// loads no window toolkit: a run with --pdf is handed to rcveltor-cli-pdf,
// the program beside it that also writes the report.

#include "cli/Draaien.h"
#include "cli/Opties.h"
#include "platform/Argumenten.h"

#ifdef RCV_PDF_PROGRAMMA
#include "platform/Proces.h"

#include <iostream>
#endif

using namespace rcveltor;

int main(int argc, char** argv) {
    cli::TPdfRoute pdf;
#ifdef RCV_PDF_PROGRAMMA
    pdf.Doorgeven = [argv] {
        const auto programma = platform::EigenMap() / RCV_PDF_PROGRAMMA;
        const std::string reden = platform::VervangDoor(programma, argv);
        std::cerr << "rcveltor-cli: --pdf: \"" << programma.string()
                  << "\" kan niet worden gestart: " << reden << "\n";
        return 1;
    };
#else
    pdf.Doorgeven = []() -> int {
        throw cli::Gebruiksfout("--pdf: deze uitgave schrijft geen PDF");
    };
#endif
    return cli::Draai(platform::Argumenten(argc, argv), pdf);
}
