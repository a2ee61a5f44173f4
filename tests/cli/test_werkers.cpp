// The calculator's team of worker threads: a job that throws reaches the
// caller, and the team goes on working afterwards.

#include "cli/Werkers.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using rcveltor::cli::TWerkers;

struct TWerkersGeval {
    const char* Naam;
    unsigned Aantal;   // threads in the team, the caller included
    std::size_t Taken; // jobs of the failing round
    std::size_t Fout;  // the job that throws; it runs on thread Fout % Aantal
};

void PrintTo(const TWerkersGeval& g, std::ostream* os) {
    *os << g.Naam;
}

class WerkersTest : public testing::TestWithParam<TWerkersGeval> {};

TEST_P(WerkersTest, AThrowingJobIsRethrownAndTheTeamStaysUsable) {
    const TWerkersGeval& g = GetParam();
    TWerkers werkers(g.Aantal);
    ASSERT_EQ(werkers.Aantal(), g.Aantal);

    std::vector<std::atomic<int>> gedaan(g.Taken);
    try {
        werkers.Verdeel(g.Taken, [&](std::size_t taak, unsigned) {
            if (taak == g.Fout) {
                throw std::runtime_error("taak " + std::to_string(taak));
            }
            ++gedaan[taak];
        });
        ADD_FAILURE() << "the job's exception did not reach the caller";
    } catch (const std::runtime_error& fout) {
        EXPECT_EQ(std::string(fout.what()), "taak " + std::to_string(g.Fout));
    }
    // The jobs of the other threads all ran, once each.
    for (std::size_t taak = 0; taak < g.Taken; ++taak) {
        if (taak % g.Aantal != g.Fout % g.Aantal) {
            EXPECT_EQ(gedaan[taak].load(), 1) << "job " << taak;
        }
    }

    // The next rounds run every job exactly once, on the thread it belongs to,
    // and pass on no exception of the failed round.
    for (const std::size_t taken :
         {std::size_t{0}, std::size_t{1}, std::size_t{3 * g.Aantal + 1}}) {
        std::vector<std::atomic<int>> keer(taken);
        std::atomic<int> verkeerd{0};
        EXPECT_NO_THROW(werkers.Verdeel(taken,
                                        [&](std::size_t taak, unsigned werker) {
                                            ++keer[taak];
                                            verkeerd += werker != taak % g.Aantal;
                                        }))
            << taken << " jobs";
        for (std::size_t taak = 0; taak < taken; ++taak) {
            EXPECT_EQ(keer[taak].load(), 1) << "job " << taak << " of " << taken;
        }
        EXPECT_EQ(verkeerd.load(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabel, WerkersTest,
                         testing::Values(TWerkersGeval{"CallerAloneThrows", 1, 4, 2},
                                         TWerkersGeval{"CallersJobThrows", 4, 16, 4},
                                         TWerkersGeval{"HelpersJobThrows", 4, 16, 7},
                                         TWerkersGeval{"LastJobThrows", 3, 10, 9},
                                         TWerkersGeval{"FewerJobsThanThreads", 8, 3, 1}),
                         [](const testing::TestParamInfo<TWerkersGeval>& info) {
                             return std::string(info.param.Naam);
                         });

} // namespace
