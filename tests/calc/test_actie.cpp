// One user action: an error of any type ends it and is reported once; what
// the action did before the error stays.

#include "basis/RcFout.h"
#include "calc/Actie.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace rcveltor {
namespace {

struct TActieGeval {
    const char* Naam;
    std::function<void(int&)> Actie; // counts what it did, then may fail
    std::optional<std::string> Fout;
};

TEST(Actie, ReportsTheErrorThatEndedItAndKeepsWhatItDid) {
    const TActieGeval gevallen[] = {
        {"no error", [](int& gedaan) { ++gedaan; }, std::nullopt},
        {"RcFout",
         [](int& gedaan) {
             ++gedaan;
             throw RcFout("Invalid floating point operation");
         },
         "Invalid floating point operation"},
        {"other std::exception",
         [](int& gedaan) {
             ++gedaan;
             throw std::out_of_range("stoi");
         },
         "stoi"},
    };
    for (const auto& g : gevallen) {
        int gedaan = 0;
        EXPECT_EQ(VoerActieUit([&] { g.Actie(gedaan); }), g.Fout) << g.Naam;
        std::vector<std::string> fouten{"earlier"};
        EXPECT_EQ(VoerActieUit([&] { g.Actie(gedaan); }, fouten), !g.Fout) << g.Naam;
        EXPECT_EQ(gedaan, 2) << g.Naam;
        std::vector<std::string> verwacht{"earlier"};
        if (g.Fout) {
            verwacht.push_back(*g.Fout);
        }
        EXPECT_EQ(fouten, verwacht) << g.Naam;
    }
}

} // namespace
} // namespace rcveltor
