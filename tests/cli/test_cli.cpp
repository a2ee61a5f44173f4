// rcveltor-cli end to end: options, their order, output and exit status.

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Resultaat {
    int status = -1;
    std::string uit;
};

std::string Citeer(const std::string& s) {
    std::string c = "'";
    for (char ch : s) {
        c += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return c + "'";
}

// Runs the calculator in the build's data folder (where lambda.bin is).
Resultaat Start(const std::vector<std::string>& argumenten, bool foutuitvoer = false) {
    std::string opdracht = "cd " + Citeer(RCV_DATA_DIR) + " && " + Citeer(RCV_CLI);
    for (const auto& a : argumenten) {
        opdracht += " " + Citeer(a);
    }
    opdracht += foutuitvoer ? " 2>&1 >/dev/null" : " 2>/dev/null";
    Resultaat r;
    FILE* p = popen(opdracht.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.uit.append(buf.data(), n);
    }
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

struct CliGeval {
    std::vector<std::string> argumenten;
    int status;
    std::vector<std::string> bevat; // pieces the output must hold
    const char* naam = nullptr;     // the row's name; else its number
};

class CliTest : public testing::TestWithParam<CliGeval> {};

TEST_P(CliTest, FollowsTheContract) {
    const auto& g = GetParam();
    const Resultaat r = Start(g.argumenten);
    EXPECT_EQ(r.status, g.status) << r.uit;
    for (const auto& stuk : g.bevat) {
        EXPECT_NE(r.uit.find(stuk), std::string::npos) << "missing: " << stuk << "\n" << r.uit;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, CliTest,
    testing::Values(
        CliGeval{
            {"--json"},
            0,
            {R"({"scherm": "plat", "velden": {"CBisolatie": "Ambral", "DikteIsol": "110", )",
             R"("RmIsol": "2,821")", R"("SubTotaalRc": "2,882")", R"("LambdaRW": "0,0390")",
             R"("EditRc": "2,74", "EditU": "0,35"}, "DikteNietStandaard": false, "fouten": []})"}},
        CliGeval{{}, 0, {"Rc-berekening", "Som R", "2,882", "Rc ", "2,74"}},
        CliGeval{{"--afschot", "--json", "--damprem", "(geen)", "--afschot-lengte", "10",
                  "--oppervlak1", "10", "--oppervlak2", "5", "--oppervlak3", "0"},
                 0,
                 {R"("scherm": "afschot")", R"("MaxDikte": "150,00")", R"("EditRc2": "2,13")",
                  R"("EditU2": "0,44")"}},
        // Options apply in their fixed order, not the order given.
        CliGeval{{"--json", "--combinatie", "2", "--onderconstructie", "Betondak"},
                 0,
                 {R"("CBonderconstructie": "Betondak")", R"("CBcombinatie": "2. Stalen)"}},
        CliGeval{{"--json", "--dikte", "55"}, 0, {R"("DikteNietStandaard": true)"}},
        CliGeval{{"--json", "--dikte", "57.3"}, 0, {R"("DikteIsol": "57,3")"}},
        CliGeval{{"--json", "--dikte", "1000"}, 0, {R"("DikteIsol": "300")"}},
        CliGeval{{"--json", "--aantal", "4.55"}, 0, {R"("EditAantal": "4,5")"}},
        CliGeval{{"--json", "--lambda-damprem", "0.170"}, 0, {R"("LambdaDamprem": "0,170")"}},
        CliGeval{{"--json", "--lambda-damprem", "0.1700"}, 0, {R"("LambdaDamprem": "0,1700")"}},
        // Until a vapour retarder is chosen the thickness ranges from 0 to 500.
        CliGeval{{"--json", "--dikte-damprem", "9"}, 0, {R"("DikteDamprem": "9")"}},
        CliGeval{{"--json", "--damprem", "PE (getaped)", "--dikte-damprem", "9"},
                 0,
                 {R"("DikteDamprem": "0,5")"}},
        CliGeval{{"--json", "--dikte", "200", "--dikte", "150"}, 0, {R"("DikteIsol": "150")"}},
        CliGeval{
            {"--json", "--wens-rc", "3.5"}, 0, {R"("DikteIsol": "150")", R"("EditRc": "3,71")"}},
        CliGeval{{"--json", "--isolatie", "Quendal", "--combinatie", "6", "--aantal", "7,5"},
                 0,
                 {R"("CBonderconstructie": "Geprofileerd staaldak")", R"("EditAantal": "7,5")"}},
        CliGeval{
            {"--afschot", "--json", "--oppervlak1", "0", "--oppervlak2", "0", "--oppervlak3", "0"},
            1,
            {R"("fouten": ["Invalid floating point operation"])"}},
        CliGeval{{"--json", "--lambda-bestand", "/nonexistent/lambda.bin"},
                 1,
                 {R"("fouten": ["Cannot open file \"/nonexistent/lambda.bin\". Niet gevonden"])",
                  R"("EditRc": "2,74")"},
                 "MissingTable"},
        CliGeval{
            {"--json", "--lambda-bestand", "/nonexistent/lambda.bin", "--combinatie", "1"},
            1,
            {R"x(Niet gevonden", "Could not convert variant of type (Null) into type (Double)"])x"},
            "MissingTableWithFasteners"},
        // NEN-EN-ISO 6946: the issue's Tovik 20 mm/m (NEN 1068 9,17), by hand 8,7393.
        CliGeval{{"--afschot", "--json", "--methode", "iso6946", "--isolatie", "Tovik 20 mm/m",
                  "--min-dikte", "250", "--afschot-lengte", "10", "--oppervlak1", "10",
                  "--oppervlak2", "5", "--oppervlak3", "0"},
                 0,
                 {R"({"scherm": "afschot", "methode": "iso6946", "velden": )",
                  R"("LambdaRW2": "n.v.t.", "EditRc2": "8,73", "EditU2": "0,113", )"
                  R"("EditRcMin2": "6,64", "DeltaUf": "0,0000", "PercentageU": "0,0", )"
                  R"("Eis": "voldoet"})"}},
        // Usage errors.
        CliGeval{{"--onbekend"}, 2, {}}, CliGeval{{"--isolatie", "Ambral 10 mm/m"}, 2, {}},
        CliGeval{{"--combinatie", "8"}, 2, {}}, // steel deck does not offer 8
        CliGeval{{"--dikte", "abc"}, 2, {}}, CliGeval{{"--combinatie", "1.5"}, 2, {}},
        CliGeval{{"--afschot", "--dikte", "100"}, 2, {}},
        CliGeval{{"--afschot", "--wens-rc", "3"}, 2, {}}, CliGeval{{"--min-dikte", "100"}, 2, {}},
        CliGeval{{"--pdf", ""}, 2, {}}, CliGeval{{"--dikte"}, 2, {}},
        CliGeval{{"--methode", "iso"}, 2, {}},
        // The moisture check in a plain run: a few lines after the table.
        CliGeval{{"--vocht"},
                 0,
                 // One line each: Windows ends them with CR LF.
                 {"U                           0,35 W/m2K", "Vochtcontrole",
                  "fRsi                        0,91 (voldoet)",
                  "Oordeel                     Condensatie hoopt zich op",
                  "Benodigde sd dampremmende laag: 133,1 m"},
                 "VochtRegels"},
        CliGeval{{"--klimaatklasse", "0"}, 2, {}, "Klimaatklasse0"},
        CliGeval{{"--klimaatklasse", "6"}, 2, {}, "Klimaatklasse6"},
        CliGeval{{"--klimaatklasse", "3.5"}, 2, {}, "KlimaatklasseGebroken"},
        CliGeval{{"--dakbedekking", "Riet"}, 2, {}, "OnbekendeDakbedekking"},
        CliGeval{{"--afschot", "--sd-dakbedekking", "abc"}, 2, {}, "SdGeenGetal"},
        CliGeval{{"--batch", "--vocht"}, 2, {}, "VochtNaastBatch"}),
    [](const testing::TestParamInfo<CliGeval>& info) {
        return info.param.naam != nullptr ? std::string(info.param.naam)
                                          : std::to_string(info.index);
    });

// The screens' options as --help lists them, made from the table of fields:
// in the order they are applied, each number marked as typed or clamped.
TEST(Cli, HelpListsTheInputsInTheirOrder) {
    const Resultaat r = Start({"--help"});
    EXPECT_EQ(r.status, 0);
    std::string uit = r.uit;
    std::erase(uit, '\r'); // the Windows calculator ends its lines with "\r\n"
    EXPECT_NE(
        uit.find(
            "\nFlat-roof screen (default), applied in this order:\n"
            "  --isolatie TEXT                 insulation board\n"
            "  --dikte MM                      insulation thickness (clamped)\n"
            "  --damprem TEXT                  vapour retarder\n"
            "  --dikte-damprem MM              vapour retarder thickness (typed)\n"
            "  --lambda-damprem W              vapour retarder lambda (typed)\n"
            "  --onderconstructie TEXT         substructure\n"
            "  --dikte-onderconstructie MM     substructure thickness (clamped)\n"
            "  --lambda-onderconstructie W     substructure lambda (typed)\n"
            "  --combinatie N                  fastener combination number\n"
            "  --aantal N                      fasteners per m2 (clamped)\n"
            "  --wens-rc X                     Rc wizard: thinnest standard thickness reaching X\n"
            "Tapered screen (--afschot): --isolatie, --min-dikte MM, --afschot-lengte M,\n"
            "  --oppervlak1 M2, --oppervlak2 M2, --oppervlak3 M2 (typed), then --damprem ...\n"
            "  --aantal as above.\n--methode "),
        std::string::npos)
        << r.uit;
    EXPECT_NE(uit.find("Moisture check of either screen, applied after the screen's options:\n"
                       "  --klimaatklasse 1..5            indoor humidity class\n"
                       "  --dakbedekking TEXT             roof covering\n"
                       "  --sd-dakbedekking M             the covering's sd with \"Anders\" "
                       "(typed)\n--vocht "),
              std::string::npos)
        << r.uit;
}

TEST(Cli, UsageErrorNamesTheEntriesTheListHolds) {
    const Resultaat r = Start({"--isolatie", "Quendal", "--onderconstructie", "Betondak"}, true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.uit.find("\"Geprofileerd staaldak\""), std::string::npos) << r.uit;
    EXPECT_EQ(r.uit.find("\"Cellenbeton\""), std::string::npos) << r.uit;
}

TEST(Cli, ErrorsAreAlsoPrintedOnStandardError) {
    // The typed 0 gives no rise; leaving the field then clamps it to 1.
    const Resultaat r = Start({"--afschot", "--afschot-lengte", "0"}, true);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.uit.find("Floating point division by zero"), std::string::npos) << r.uit;
}

} // namespace
