// The calculator's budgets: a plain run as a process (start-up included,
// under 10 ms), batch lines per second (at least 20 000), and the peak
// memory of a batch fed hostile input (counter "piek_MiB": under 64 MiB
// whatever the input's size; one line of 100 MiB once took 7.7 GB).

#include "cli/Batch.h"
#include "lambdatabel/LambdaTabel.h"
#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Hostile input of about `mib` MiB, written to `schrijf` in pieces: the
// benchmark itself keeps none of it.
using TSchrijver = std::function<void(const std::string&)>;
using TVijandig = void (*)(std::size_t mib, const TSchrijver& schrijf);

void Haken(std::size_t mib, const TSchrijver& schrijf) {
    for (std::size_t i = 0; i < mib; ++i) {
        schrijf(std::string(1 << 20, '['));
    }
    schrijf("\n");
}

void LegeTeksten(std::size_t mib, const TSchrijver& schrijf) {
    std::string stuk;
    for (int i = 0; i < (1 << 20) / 3; ++i) {
        stuk += "\"\",";
    }
    schrijf("[");
    for (std::size_t i = 0; i < mib; ++i) {
        schrijf(stuk);
    }
    schrijf("\"\"]\n");
}

// Lines just within the limit, each echoing its long value.
void VolleRegels(std::size_t mib, const TSchrijver& schrijf) {
    const std::string regel = "[\"--isolatie\", \"" + std::string((1 << 20) - 20, 'x') + "\"]\n";
    for (std::size_t i = 0; i < mib; ++i) {
        schrijf(regel);
    }
}

// The calculator's batch on this input as a process of its own; its peak
// resident memory from the kernel.
void BM_VijandigeBatch(benchmark::State& state, TVijandig invoer) {
    const auto mib = static_cast<std::size_t>(state.range(0));
    // A calculator that ends early is reported, not a signal that ends this.
    std::signal(SIGPIPE, SIG_IGN);
    long piek = 0;
    for (auto _ : state) {
        int buis[2];
        if (pipe(buis) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const pid_t kind = fork();
        if (kind == 0) {
            dup2(buis[0], STDIN_FILENO);
            const int niets = open("/dev/null", O_WRONLY);
            dup2(niets, STDOUT_FILENO);
            close(buis[0]);
            close(buis[1]);
            if (chdir(RCV_DATA_DIR) != 0) {
                _exit(127);
            }
            execl(RCV_CLI, RCV_CLI, "--batch", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(buis[0]);
        bool geschreven = true;
        invoer(mib, [&](const std::string& stuk) {
            std::size_t klaar = 0;
            while (geschreven && klaar < stuk.size()) {
                const ssize_t n = write(buis[1], stuk.data() + klaar, stuk.size() - klaar);
                geschreven = n > 0;
                klaar += geschreven ? static_cast<std::size_t>(n) : 0;
            }
        });
        close(buis[1]);
        int status = 0;
        rusage gebruik{};
        wait4(kind, &status, 0, &gebruik);
        if (!geschreven || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the batch did not read all of its input");
            break;
        }
        piek = std::max(piek, gebruik.ru_maxrss);
    }
    // ru_maxrss is in KiB.
    state.counters["piek_MiB"] = static_cast<double>(piek) / 1024;
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(mib << 20));
}
BENCHMARK_CAPTURE(BM_VijandigeBatch, haken, &Haken)
    ->Arg(1)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_VijandigeBatch, lege_teksten, &LegeTeksten)
    ->Arg(1)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_VijandigeBatch, volle_regels, &VolleRegels)
    ->Arg(4)
    ->Arg(32)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
