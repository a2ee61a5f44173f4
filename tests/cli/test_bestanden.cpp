// rcveltor-cli and its files: every save replaces the file in one safe step
// and keeps the keys it does not know; no reader waits on a special file;
// every message gives its cause in Dutch. Each run has a time limit, so a
// reader that blocks fails its row instead of the test run.

#include "tests/cli/Starten.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace rcveltor::test {
namespace {

namespace fs = std::filesystem;

// A fresh folder of this row alone.
struct TMap {
    fs::path Pad;
    explicit TMap(const std::string& naam) : Pad(Tijdelijk(naam)) {
        fs::remove_all(Pad);
        fs::create_directories(Pad);
    }
    ~TMap() {
        std::error_code weg;
        fs::permissions(Pad, fs::perms::owner_all, weg);
        fs::remove_all(Pad, weg);
    }
};

// The shell command `opdracht` with $C the calculator and $M the folder, in
// the data folder, stdout and stderr together.
TUitvoer Draai(const fs::path& map, const std::string& opdracht) {
    return Voer("cd " + Citeer(RCV_DATA_DIR) + " && C=" + Citeer(RCV_CLI) +
                " M=" + Citeer(map.string()) + " timeout 20 sh -c " + Citeer(opdracht) + " 2>&1");
}

nlohmann::json LeesJson(const fs::path& pad) {
    std::ifstream f(pad);
    return nlohmann::json::parse(f, nullptr, false);
}

bool IsBerekening(const fs::path& pad) {
    const auto j = LeesJson(pad);
    return j.is_object() && j.value("formaat", "") == "rcveltor-berekening";
}

void Schrijf(const fs::path& pad, const std::string& inhoud) {
    std::ofstream(pad) << inhoud;
}

const std::string kLang(250, 'a');
// As non-root, where root may read and write anything.
const std::string kAlsNiemand = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

struct TOpslaggeval {
    std::string Naam;
    std::function<void(const fs::path&)> Voorbereiden;
    std::string Opdracht;
    std::function<void(const fs::path&)> Controle;
};

void PrintTo(const TOpslaggeval& g, std::ostream* os) {
    *os << g.Naam;
}

class CliOpslaan : public testing::TestWithParam<TOpslaggeval> {};

TEST_P(CliOpslaan, VervangtHetBestandInEenVeiligeStap) {
    const TMap map("opslaan_" + GetParam().Naam);
    GetParam().Voorbereiden(map.Pad);
    const TUitvoer r = Draai(map.Pad, GetParam().Opdracht + " >/dev/null");
    EXPECT_EQ(r.Status, 0) << r.Uit;
    // Qt's own start-up notes may appear; a message of the program may not.
    EXPECT_EQ(r.Uit.find("rcveltor-cli"), std::string::npos) << r.Uit;
    EXPECT_EQ(r.Uit.find("mislukt"), std::string::npos) << r.Uit;
    GetParam().Controle(map.Pad);
    for (const auto& e : fs::directory_iterator(map.Pad)) {
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos)
            << "left behind: " << e.path();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bestanden, CliOpslaan,
    testing::Values(
        TOpslaggeval{"geplanteLink",
                     [](const fs::path& m) {
                         Schrijf(m / "slachtoffer", "van iemand anders");
                         fs::create_symlink(m / "slachtoffer", m / "dak.rcv.rcveltor-tmp");
                     },
                     R"("$C" --opslaan "$M/dak.rcv")",
                     [](const fs::path& m) {
                         EXPECT_TRUE(IsBerekening(m / "dak.rcv"));
                         std::ifstream f(m / "slachtoffer");
                         EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}),
                                   "van iemand anders");
                         fs::remove(m / "dak.rcv.rcveltor-tmp");
                     }},
        TOpslaggeval{"rechtenBlijven",
                     [](const fs::path& m) {
                         Schrijf(m / "dak.rcv", "oud");
                         fs::permissions(m / "dak.rcv",
                                         fs::perms::owner_read | fs::perms::owner_write);
                     },
                     R"("$C" --opslaan "$M/dak.rcv")",
                     [](const fs::path& m) {
                         EXPECT_TRUE(IsBerekening(m / "dak.rcv"));
                         EXPECT_EQ(fs::status(m / "dak.rcv").permissions(),
                                   fs::perms::owner_read | fs::perms::owner_write);
                     }},
        TOpslaggeval{"doorDeLink",
                     [](const fs::path& m) {
                         fs::create_directory(m / "echt");
                         Schrijf(m / "echt" / "dak.rcv", "oud");
                         fs::create_symlink("echt/dak.rcv", m / "dak.rcv");
                     },
                     R"("$C" --opslaan "$M/dak.rcv")",
                     [](const fs::path& m) {
                         EXPECT_TRUE(fs::is_symlink(m / "dak.rcv"));
                         EXPECT_TRUE(IsBerekening(m / "echt" / "dak.rcv"));
                     }},
        TOpslaggeval{"langeNaam", [](const fs::path&) {},
                     R"("$C" --opslaan "$M/)" + kLang + R"(.rcv")",
                     [](const fs::path& m) { EXPECT_TRUE(IsBerekening(m / (kLang + ".rcv"))); }},
        // The report writer saves the same way: through a link, to a long
        // name, keeping the permissions of the file it replaces.
        TOpslaggeval{"pdf",
                     [](const fs::path& m) {
                         fs::create_directory(m / "echt");
                         Schrijf(m / "echt" / (kLang + ".pdf"), "oud");
                         fs::permissions(m / "echt" / (kLang + ".pdf"),
                                         fs::perms::owner_read | fs::perms::owner_write);
                         fs::create_symlink("echt/" + kLang + ".pdf", m / "r.pdf");
                     },
                     R"("$C" --pdf "$M/r.pdf")",
                     [](const fs::path& m) {
                         const fs::path echt = m / "echt" / (kLang + ".pdf");
                         EXPECT_TRUE(fs::is_symlink(m / "r.pdf"));
                         std::ifstream f(echt);
                         std::string kop(4, '\0');
                         f.read(kop.data(), 4);
                         EXPECT_EQ(kop, "%PDF");
                         EXPECT_EQ(fs::status(echt).permissions(),
                                   fs::perms::owner_read | fs::perms::owner_write);
                     }},
        // Saves at once: each reports success only with its whole file in place.
        TOpslaggeval{"gelijktijdig", [](const fs::path&) {},
                     R"(for i in 1 2 3 4 5 6 7 8; do
                          ("$C" --dikte 1${i}0 --opslaan "$M/dak.rcv" >/dev/null || echo mislukt) &
                        done; wait)",
                     [](const fs::path& m) { EXPECT_TRUE(IsBerekening(m / "dak.rcv")); }},
        // A later release's keys survive a save by this one, at every level.
        TOpslaggeval{"onbekendeSleutels",
                     [](const fs::path& m) {
                         Schrijf(m / "dak.rcv", R"({"formaat": "rcveltor-berekening",
                             "versie": 1, "later": {"x": [1, 2.5, null]},
                             "project": {"naam": "Loods", "kleur": "rood"},
                             "plat": {"dikte": "100", "helling": "2,5"},
                             "afschot": {"richting": 3}})");
                     },
                     R"("$C" --project "$M/dak.rcv" --dikte 120 --opslaan "$M/dak.rcv")",
                     [](const fs::path& m) {
                         const auto j = LeesJson(m / "dak.rcv");
                         EXPECT_EQ(j["later"], nlohmann::json::parse(R"({"x": [1, 2.5, null]})"));
                         EXPECT_EQ(j["project"]["kleur"], "rood");
                         EXPECT_EQ(j["project"]["naam"], "Loods");
                         EXPECT_EQ(j["plat"]["helling"], "2,5");
                         EXPECT_EQ(j["plat"]["dikte"], "120");
                         EXPECT_EQ(j["afschot"]["richting"], 3);
                     }}),
    [](const auto& info) { return info.param.Naam; });

struct TMeldingsgeval {
    std::string Naam;
    std::function<void(const fs::path&)> Voorbereiden;
    std::string Opdracht;
    int Status;
    std::string Melding; // a part of the output
};

void PrintTo(const TMeldingsgeval& g, std::ostream* os) {
    *os << g.Naam;
}

class CliMeldingen : public testing::TestWithParam<TMeldingsgeval> {};

TEST_P(CliMeldingen, NoemenDeOorzaakInHetNederlands) {
    const TMap map("melding_" + GetParam().Naam);
    GetParam().Voorbereiden(map.Pad);
    const TUitvoer r = Draai(map.Pad, GetParam().Opdracht);
    EXPECT_EQ(r.Status, GetParam().Status) << r.Uit;
    EXPECT_NE(r.Uit.find(GetParam().Melding), std::string::npos) << r.Uit;
}

const auto kGeenVoorbereiding = [](const fs::path&) {};
const auto kFifo = [](const fs::path& m) { ASSERT_EQ(::mkfifo((m / "dak.rcv").c_str(), 0644), 0); };
const std::string kNietGeopend = R"(rcveltor-cli: Het bestand "dak.rcv" kan niet worden geopend: )"
                                 "het kan niet worden gelezen (";
const std::string kNietOpgeslagen = R"(rcveltor-cli: Het bestand "dak.rcv" kan niet worden )"
                                    "opgeslagen (";

INSTANTIATE_TEST_SUITE_P(
    Bestanden, CliMeldingen,
    testing::Values(
        // Special files are refused at once, as a file that cannot be read.
        TMeldingsgeval{"projectFifo", kFifo, R"("$C" --project "$M/dak.rcv")", 1,
                       kNietGeopend + "Het is geen gewoon bestand).\n"},
        TMeldingsgeval{"projectMap", [](const fs::path& m) { fs::create_directory(m / "dak.rcv"); },
                       R"("$C" --project "$M/dak.rcv")", 1, kNietGeopend + "Het is een map).\n"},
        TMeldingsgeval{"projectApparaat", kGeenVoorbereiding, R"("$C" --project /dev/zero)", 1,
                       "(Het is geen gewoon bestand).\n"},
        TMeldingsgeval{
            "lambdaFifo",
            [](const fs::path& m) { ASSERT_EQ(::mkfifo((m / "lambda.bin").c_str(), 0644), 0); },
            R"(cd "$M" && "$C" --json)", 1, R"(lambda.bin\". Het is geen gewoon bestand")"},
        TMeldingsgeval{"projectOntbreekt", kGeenVoorbereiding, R"("$C" --project "$M/dak.rcv")", 1,
                       kNietGeopend + "Niet gevonden).\n"},
        TMeldingsgeval{"projectZonderToestemming",
                       [](const fs::path& m) {
                           Schrijf(m / "dak.rcv", "{}");
                           fs::permissions(m / "dak.rcv", fs::perms::none);
                       },
                       kAlsNiemand + R"("$C" --project "$M/dak.rcv")", 1,
                       kNietGeopend + "Geen toestemming).\n"},
        TMeldingsgeval{"opslaanInOntbrekendeMap", kGeenVoorbereiding,
                       R"("$C" --opslaan "$M/weg/dak.rcv")", 1,
                       kNietOpgeslagen + "Niet gevonden).\n"},
        TMeldingsgeval{"opslaanZonderToestemming", kGeenVoorbereiding,
                       kAlsNiemand + R"("$C" --opslaan "$M/dak.rcv")", 1,
                       kNietOpgeslagen + "Geen toestemming).\n"},
        TMeldingsgeval{"opslaanOverEenMap",
                       [](const fs::path& m) { fs::create_directory(m / "dak.rcv"); },
                       R"("$C" --opslaan "$M/dak.rcv")", 1, kNietOpgeslagen + "Het is een map).\n"},
        TMeldingsgeval{"opslaanNaamTeLang", kGeenVoorbereiding,
                       R"("$C" --opslaan "$M/)" + std::string(300, 'a') + R"(.rcv")", 1,
                       "kan niet worden opgeslagen (De naam is te lang).\n"},
        TMeldingsgeval{"opslaanSchijfVol", kGeenVoorbereiding,
                       R"(unshare -m sh -c 'mount -t tmpfs -o size=4k none "$M" &&
                          head -c 4096 /dev/zero >"$M/vol"; "$C" --opslaan "$M/dak.rcv"')",
                       1, kNietOpgeslagen + "De schijf is vol).\n"},
        // The calculator's own usage errors.
        TMeldingsgeval{"combinatieNietAangeboden", kGeenVoorbereiding, R"("$C" --combinatie 8)", 2,
                       "rcveltor-cli: --combinatie: combinatie 8 wordt niet aangeboden; "},
        TMeldingsgeval{"geenGetal", kGeenVoorbereiding, R"("$C" --dikte abc)", 2,
                       "rcveltor-cli: --dikte: \"abc\" is geen getal\n"},
        TMeldingsgeval{"verkeerdScherm", kGeenVoorbereiding, R"("$C" --afschot --dikte 100)", 2,
                       "rcveltor-cli: optie --dikte hoort niet bij het afschotscherm\n"},
        TMeldingsgeval{"onbekendeOptie", kGeenVoorbereiding, R"("$C" --kleur)", 2,
                       "rcveltor-cli: onbekende optie \"--kleur\"\n"}),
    [](const auto& info) { return info.param.Naam; });

} // namespace
} // namespace rcveltor::test
