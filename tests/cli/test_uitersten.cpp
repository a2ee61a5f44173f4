// Extreme numbers in every numeric option, under both methods and on the
// flat roof with the wizard after them: each run and each batch of them ends
// in time with an answer, never hangs or crashes.

#include "tests/cli/Starten.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace rcveltor::test {
namespace {

constexpr int kSeconden = 10;

const std::vector<std::string> kWaarden = {
    "1e17",   "-1e17",   "99999999999999999",      "1e308",    "-1e308",
    "1e-300", "-1e-300", "1.7976931348623157e308", "4.9e-324", "0"};

struct TOptie {
    bool Afschot;
    std::string Naam;
};

void PrintTo(const TOptie& o, std::ostream* uit) {
    *uit << (o.Afschot ? "--afschot --" : "--") << o.Naam;
}

class Uiterste : public testing::TestWithParam<TOptie> {};

TEST_P(Uiterste, EndsInTimeUnderBothMethods) {
    const auto& o = GetParam();
    std::string batch;
    std::vector<std::string> verwacht;
    for (const std::string methode : {"nen1068", "iso6946"}) {
        for (const auto& waarde : kWaarden) {
            std::vector<std::string> argumenten = {"--methode", methode, "--" + o.Naam, waarde};
            if (o.Afschot) {
                argumenten.insert(argumenten.begin(), "--afschot");
            } else if (o.Naam != "wens-rc") {
                // Then the wizard, out of reach: it tries every thickness.
                argumenten.insert(argumenten.end(), {"--wens-rc", "10"});
            }
            std::string opdracht = Calculator(kSeconden) + " --json";
            for (const auto& a : argumenten) {
                opdracht += " " + Citeer(a);
            }
            const TUitvoer r = Voer(opdracht + " 2>/dev/null");
            const std::string geval = methode + " --" + o.Naam + " " + waarde;
            ASSERT_TRUE(r.Status == 0 || r.Status == 1) << geval << ": status " << r.Status;
            const auto json = nlohmann::json::parse(r.Uit, nullptr, false);
            ASSERT_TRUE(json.is_object() && json.contains("velden")) << geval << "\n" << r.Uit;
            EXPECT_EQ(json["fouten"].empty(), r.Status == 0) << geval << "\n" << r.Uit;

            batch += nlohmann::json(argumenten).dump() + "\n";
            verwacht.push_back(r.Uit.substr(0, r.Uit.size() - 2) +
                               ", \"exit\": " + std::to_string(r.Status) + "}");
        }
    }
    // All in one batch: each line answered as its own run, none stopping it.
    const std::string invoer = Tijdelijk("uitersten_" + o.Naam + ".txt");
    std::ofstream(invoer) << batch;
    const TUitvoer r = Voer(Calculator(kSeconden) + " --batch <" + Citeer(invoer));
    std::remove(invoer.c_str());
    ASSERT_EQ(r.Status, 0);
    std::istringstream antwoorden(r.Uit);
    std::string antwoord;
    for (const auto& v : verwacht) {
        ASSERT_TRUE(std::getline(antwoorden, antwoord));
        EXPECT_EQ(antwoord, v);
    }
    EXPECT_FALSE(std::getline(antwoorden, antwoord));
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Uiterste,
    testing::Values(TOptie{false, "dikte"}, TOptie{false, "dikte-damprem"},
                    TOptie{false, "lambda-damprem"}, TOptie{false, "dikte-onderconstructie"},
                    TOptie{false, "lambda-onderconstructie"}, TOptie{false, "aantal"},
                    TOptie{false, "wens-rc"}, TOptie{true, "min-dikte"},
                    TOptie{true, "afschot-lengte"}, TOptie{true, "oppervlak1"},
                    TOptie{true, "oppervlak2"}, TOptie{true, "oppervlak3"},
                    TOptie{true, "dikte-damprem"}, TOptie{true, "lambda-damprem"},
                    TOptie{true, "dikte-onderconstructie"}, TOptie{true, "lambda-onderconstructie"},
                    TOptie{true, "aantal"}),
    [](const auto& info) {
        std::string naam = (info.param.Afschot ? "afschot_" : "plat_") + info.param.Naam;
        std::replace(naam.begin(), naam.end(), '-', '_');
        return naam;
    });

} // namespace
} // namespace rcveltor::test
