// Timing of the user actions that recalculate a screen.

#include "calc/Producten.h"
#include "calc/RcWizard.h"
#include "calc/RekenModel.h"
#include "calc/Vochtopbouw.h"

#include <benchmark/benchmark.h>

using namespace rcveltor;

namespace {

// A flat roof whose recalculation does the most work: a count between two
// classes and a design lambda between two classes, so four lookups.
void ZwaarsteOpbouw(TRekenModel& model) {
    model.Opstarten(RCV_LAMBDA_BIN);
    TRcBerekening& r = model.Rc;
    r.CBonderconstructie.ItemIndex = r.CBonderconstructie.IndexVan("Betondak");
    r.CBonderconstructieCloseUp();
    r.CBcombinatie.ItemIndex = r.CBcombinatie.IndexVan(std::string(CombinatieTekst(2)));
    r.CBcombinatieCloseUp();
    Zet(r.EditAantal, 4.5);
}

void BM_DikteStapMetHerberekening(benchmark::State& state) {
    TRekenModel model;
    ZwaarsteOpbouw(model);
    int richting = 1;
    for (auto _ : state) {
        StapOp(model.Rc.DikteIsol, richting);
        richting = -richting;
        benchmark::DoNotOptimize(model.Rc.EditU.Tekst.data());
    }
}
BENCHMARK(BM_DikteStapMetHerberekening);

void BM_WizardLangsteLijst(benchmark::State& state) {
    TRekenModel model;
    ZwaarsteOpbouw(model);
    TRcBerekening& r = model.Rc;
    r.CBisolatie.ItemIndex = r.CBisolatie.IndexVan("Pelmar"); // 38 standard thicknesses
    r.CBisolatieCloseUp();
    r.CBcombinatie.ItemIndex = r.CBcombinatie.IndexVan(std::string(CombinatieTekst(2)));
    r.CBcombinatieCloseUp();
    Zet(r.EditAantal, 4.5);
    for (auto _ : state) {
        ZoekDikte(r, 10.0); // out of reach: every thickness is tried
        benchmark::DoNotOptimize(r.EditRc.Tekst.data());
    }
}
BENCHMARK(BM_WizardLangsteLijst)->Unit(benchmark::kMicrosecond);

void BM_Opstarten(benchmark::State& state) {
    for (auto _ : state) {
        TRekenModel model;
        benchmark::DoNotOptimize(model.Opstarten(RCV_LAMBDA_BIN));
    }
}
BENCHMARK(BM_Opstarten)->Unit(benchmark::kMicrosecond);

// One moisture check as every change of a screen runs it while its window is
// open: the build-up, twelve months, the bisection for the least vapour
// retarder and the shown texts. The start roof accumulates, so the search
// runs its full length.
void BM_Vochtcontrole(benchmark::State& state) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    const TVochtdata data = LeesVochtdata(RCV_DATA_DIR);
    for (auto _ : state) {
        const TVochtBerekening b = BerekenVocht(model.Rc, model.Vocht, data);
        benchmark::DoNotOptimize(Weergave(b, data).MinSdDamprem.data());
    }
}
BENCHMARK(BM_Vochtcontrole)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
