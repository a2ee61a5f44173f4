// Timing of reading the control file at its largest, as many sections as
// fit, each checked against the ones before it. Budget: under 10 s, far
// above a sanitizer build; the check as a search took half a minute.

#include "update/Controlebestand.h"

#include <benchmark/benchmark.h>

using namespace rcveltor::update;

namespace {

void BM_GrootsteControlebestand(benchmark::State& state) {
    QByteArray tekst = "[Update]\n"
                       "Programma=RcVeltor\n"
                       "Versie=4.0.1.4\n"
                       "Datum=15-04-2009\n"
                       "Tijd=10:30\n"
                       "GeldigTot=15-05-2009\n"
                       "Ondertekend=15-04-2009\n";
    for (int i = 0; tekst.size() + 16 < kMaxControlebestand; ++i) {
        tekst += "[S" + QByteArray::number(i) + "]\n";
    }
    for (auto _ : state) {
        const TLeesResultaat r = LeesControlebestand(tekst);
        if (!r.Bestand) {
            state.SkipWithError(r.Fout.toStdString().c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * tekst.size());
}
BENCHMARK(BM_GrootsteControlebestand)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
