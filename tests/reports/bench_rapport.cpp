// Timing of saving a report: a generation of the report and its PDF written
// to a file, fonts embedded whole. Budget: under 150 ms.

#include "calc/RekenModel.h"
#include "reports/PdfExport.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "tests/Qtbench.h"

#include <QTemporaryDir>

using namespace rcveltor;

namespace {

void GenereerEnSchrijf(benchmark::State& state, rapport::TRapport& rapport) {
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("rapport.pdf"));
    for (auto _ : state) {
        const auto set = rapport.Genereer(false);
        rapport::SchrijfPdf(*set, pdf);
    }
}

void BM_PlatRapportPdf(benchmark::State& state) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    rapport::TQuickReport1 rapport(model.Rc);
    GenereerEnSchrijf(state, rapport);
}
BENCHMARK(BM_PlatRapportPdf)->Unit(benchmark::kMillisecond);

void BM_AfschotRapportPdf(benchmark::State& state) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    rapport::TQuickReport2 rapport(model.Afschot);
    GenereerEnSchrijf(state, rapport);
}
BENCHMARK(BM_AfschotRapportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return test::QtBenchMain(argc, argv);
}
