// rcveltor-cli with calculation files: --opslaan then --project gives every
// field back, a refused file ends the run with its reason, and "project"
// appears in --json only when a file is open.

#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>

namespace rcveltor::test {
namespace {

std::string Opdracht(const std::vector<std::string>& argumenten) {
    std::string opdracht = Calculator();
    for (const auto& a : argumenten) {
        opdracht += " " + Citeer(a);
    }
    return opdracht;
}

TEST(CliProject, SaveThenOpenGivesEveryFieldBack) {
    // Names of this run's own: another checkout's tests may run beside it.
    const std::string eigen = std::to_string(std::random_device{}());
    const std::string bestand = testing::TempDir() + "rondgang-" + eigen + ".rcv";
    const std::string kopie = testing::TempDir() + "rondgang2-" + eigen + ".rcv";
    int vergeleken = 0;
    for (auto regel : MaakOpdrachtregels(77, 300)) {
        const bool afschot = std::find(regel.begin(), regel.end(), "--afschot") != regel.end();
        regel.insert(regel.end(), {"--json", "--opslaan", bestand});
        std::remove(bestand.c_str());
        const TUitvoer bron = Voer(Opdracht(regel) + " 2>/dev/null");
        if (bron.Status == 2) {
            continue;
        }
        std::vector<std::string> open = {"--project", bestand, "--json", "--opslaan", kopie};
        if (afschot) {
            open.push_back("--afschot");
        }
        const TUitvoer doel = Voer(Opdracht(open) + " 2>/dev/null");
        auto a = nlohmann::json::parse(bron.Uit);
        auto b = nlohmann::json::parse(doel.Uit);
        ASSERT_EQ(b["velden"], a["velden"]) << AlsJsonRegel(regel);
        ASSERT_EQ(b["DikteNietStandaard"], a["DikteNietStandaard"]) << AlsJsonRegel(regel);
        EXPECT_FALSE(a.contains("project"));
        ASSERT_TRUE(b.contains("project"));

        // Saved again unchanged, the file differs in its time of saving at most.
        std::ifstream f1(bestand), f2(kopie);
        auto j1 = nlohmann::json::parse(f1), j2 = nlohmann::json::parse(f2);
        j1.erase("opgeslagen");
        j2.erase("opgeslagen");
        ASSERT_EQ(j2, j1) << AlsJsonRegel(regel);
        ++vergeleken;
    }
    std::remove(bestand.c_str());
    std::remove(kopie.c_str());
    EXPECT_GE(vergeleken, 200);
}

struct TBestandsgeval {
    std::string Naam;
    std::string Inhoud;
    std::string Melding; // the whole of stderr
};

const std::string kGetalTeGroot = "het bevat een getal dat te groot is; het bestand is beschadigd";

class CliWeigert : public testing::TestWithParam<TBestandsgeval> {};

TEST_P(CliWeigert, EndsTheRunWithTheReason) {
    const std::string bestand = testing::TempDir() + GetParam().Naam + ".rcv";
    std::ofstream(bestand) << GetParam().Inhoud;
    const std::string fout = testing::TempDir() + GetParam().Naam + ".err";
    const TUitvoer r = Voer(Opdracht({"--project", bestand, "--json"}) + " 2>" + Citeer(fout));
    std::ifstream f(fout);
    const std::string melding((std::istreambuf_iterator<char>(f)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Uit, "");
    EXPECT_EQ(melding, "rcveltor-cli: Het bestand \"" + GetParam().Naam +
                           ".rcv\" kan niet worden geopend: " + GetParam().Melding + ".\n");
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, CliWeigert,
    testing::Values(
        TBestandsgeval{"leeg", "",
                       "het is geen geldige JSON; het bestand is beschadigd of "
                       "afgebroken (bij byte 1)"},
        TBestandsgeval{"nieuwer", R"({"formaat": "rcveltor-berekening", "versie": 2})",
                       "het is opgeslagen door een nieuwere versie van RcVeltor (bestandsversie "
                       "2); deze versie leest bestandsversie 1. Werk RcVeltor bij om deze "
                       "berekening te openen"},
        TBestandsgeval{"lijst",
                       R"({"formaat": "rcveltor-berekening", "versie": 1,
                           "afschot": {"damprem": "Karton"}})",
                       R"("afschot"."damprem": "Karton" staat niet in de lijst)"},
        // A number beyond a double, also where nothing reads it.
        TBestandsgeval{"getal_te_groot",
                       R"({"formaat": "rcveltor-berekening", "versie": 1,
                           "plat": {"dikte": "120", "later": [1e400]}})",
                       kGetalTeGroot},
        TBestandsgeval{"geheel_te_groot",
                       R"({"formaat": "rcveltor-berekening", "versie": 1, "x": )" +
                           std::string(401, '9') + "}",
                       kGetalTeGroot},
        TBestandsgeval{"versie_te_groot", R"({"formaat": "rcveltor-berekening", "versie": -1e400})",
                       kGetalTeGroot}),
    [](const auto& info) { return info.param.Naam; });

TEST(CliProject, ProjectDataAppearsOnlyWithAnOpenFile) {
    const std::string bestand = testing::TempDir() + "project.rcv";
    std::ofstream(bestand) << R"({"formaat": "rcveltor-berekening", "versie": 1,
        "project": {"naam": "Loods \"Noord\"", "opmerking": "regel 1\nregel 2"}})";
    auto met = nlohmann::json::parse(Voer(Opdracht({"--project", bestand, "--json"})).Uit);
    EXPECT_EQ(met["project"]["naam"], "Loods \"Noord\"");
    EXPECT_EQ(met["project"]["opmerking"], "regel 1\nregel 2");
    EXPECT_EQ(met["project"]["datum"], "");
    // The same calculation without the file: today's object, key for key.
    const std::string zonder = Voer(Opdracht({"--json"})).Uit;
    met.erase("project");
    EXPECT_EQ(met.dump(), nlohmann::json::parse(zonder).dump());
    EXPECT_EQ(zonder.find("\"project\""), std::string::npos);
}

// --opslaan keeps the method, --project applies it and a --methode given
// with it wins, as every option changes an opened file; batch lines take it.
TEST(CliProject, TheMethodTravelsWithTheFile) {
    const std::string bestand = testing::TempDir() + "methode.rcv";
    std::remove(bestand.c_str());
    auto iso = nlohmann::json::parse(
        Voer(Opdracht({"--methode", "iso6946", "--json", "--opslaan", bestand})).Uit);
    std::ifstream f(bestand);
    EXPECT_EQ(nlohmann::json::parse(f)["methode"], "iso6946");

    const auto geopend =
        nlohmann::json::parse(Voer(Opdracht({"--project", bestand, "--json"})).Uit);
    EXPECT_EQ(geopend["methode"], "iso6946");
    EXPECT_EQ(geopend["velden"], iso["velden"]);

    auto terug = nlohmann::json::parse(
        Voer(Opdracht({"--project", bestand, "--methode", "nen1068", "--json"})).Uit);
    terug.erase("project");
    EXPECT_EQ(terug.dump(), nlohmann::json::parse(Voer(Opdracht({"--json"})).Uit).dump());

    const TUitvoer batch =
        Voer("echo '[\"--methode\", \"iso6946\"]' | (" + Opdracht({"--batch"}) + ") 2>/dev/null");
    auto regel = nlohmann::json::parse(batch.Uit);
    regel.erase("exit");
    regel.erase("fouten");
    iso.erase("fouten");
    EXPECT_EQ(regel, iso);
}

TEST(CliProject, NoFilesInABatchLine) {
    const TUitvoer r =
        Voer("echo '[\"--project\", \"x.rcv\"]' | (" + Opdracht({"--batch"}) + ") 2>/dev/null");
    EXPECT_EQ(r.Uit, "{\"exit\": 2, \"gebruiksfout\": \"--project is niet toegestaan in een "
                     "batchregel\"}\n");
}

} // namespace
} // namespace rcveltor::test
