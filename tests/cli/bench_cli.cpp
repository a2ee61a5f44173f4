// The calculator's budgets: a plain run as a process (start-up included,
// under 10 ms) and batch lines per second (at least 20 000).

#include "Batch.h"
#include "LambdaTabel.h"
#include "Opdrachtregels.h"
#include "Starten.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sstream>

namespace {

using namespace rcveltor;

void BM_LosseRunJson(benchmark::State& state) {
    const std::string opdracht =
        test::Calculator() + " --json --isolatie Pelmar --dikte 120 >/dev/null";
    for (auto _ : state) {
        if (std::system(opdracht.c_str()) != 0) {
            state.SkipWithError("the calculator failed");
            break;
        }
    }
}
// Wall time: the work is in the child process.
BENCHMARK(BM_LosseRunJson)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchRegels(benchmark::State& state) {
    std::vector<std::string> regels;
    for (const auto& o : test::MaakOpdrachtregels(7, 1000)) {
        regels.push_back(test::AlsJsonRegel(o));
    }
    TLambdaTabel tabel;
    tabel.Laden(RCV_DATA_DIR "/lambda.bin");
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::BatchAntwoord(regels[i], tabel, std::nullopt));
        i = (i + 1) % regels.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BatchRegels)->Unit(benchmark::kMicrosecond);

// The whole batch: reading, the lines shared out over the cores, writing.
void BM_Batch(benchmark::State& state) {
    std::string invoer;
    for (const auto& o : test::MaakOpdrachtregels(7, 4000)) {
        invoer += test::AlsJsonRegel(o) + "\n";
    }
    for (auto _ : state) {
        std::istringstream in(invoer);
        std::ostringstream uit;
        cli::DraaiBatch(in, uit, RCV_DATA_DIR "/lambda.bin");
        benchmark::DoNotOptimize(uit.str().data());
    }
    state.SetItemsProcessed(state.iterations() * 4000);
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
