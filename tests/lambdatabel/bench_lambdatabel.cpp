#include "lambdatabel/LambdaSchrijver.h"
#include "lambdatabel/LambdaTabel.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

using namespace rcveltor;

namespace {

constexpr int Rijen = 100000;

// Written once per run; codes shuffled so that loading has to sort.
const std::string& TabelBestand() {
    static const std::string pad = [] {
        std::vector<TLambdaRegel> regels;
        regels.reserve(Rijen);
        for (int i = 0; i < Rijen; ++i) {
            const int code = (i * 7919) % Rijen;
            regels.push_back({static_cast<double>(code), 0.02 + code * 1e-7});
        }
        const auto p = std::filesystem::temp_directory_path() /
                       ("rcv_bench_" + std::to_string(std::random_device{}()) + ".bin");
        SchrijfLambdaBestand(p.string(), regels);
        return p.string();
    }();
    return pad;
}

void BM_Laden100000(benchmark::State& state) {
    const std::string& pad = TabelBestand();
    for (auto _ : state) {
        TLambdaTabel t;
        t.Laden(pad);
        benchmark::DoNotOptimize(t.AantalRijen());
    }
}
BENCHMARK(BM_Laden100000)->Unit(benchmark::kMillisecond);

void BM_ZoekLambdaTreffer(benchmark::State& state) {
    TLambdaTabel t;
    t.Laden(TabelBestand());
    double code = 4242;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.ZoekLambda(code));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZoekLambdaTreffer);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(TabelBestand());
    return 0;
}
