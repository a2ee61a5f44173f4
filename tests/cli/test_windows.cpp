// The Windows build's calculator under Wine answers as the Linux one does:
// the same output bytes (line endings aside), messages and exit status for
// random command lines of both screens, one run each and in one batch, and
// the same reports.

#include "tests/cli/Opdrachtregels.h"
#include "tests/cli/Starten.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace rcveltor::test {
namespace {

struct TRun {
    TUitvoer Uitvoer;
    std::string Fouten; // stderr
};

std::string Lees(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Windows writes "\r\n" where Linux writes "\n"; nothing else may differ.
std::string ZonderCr(std::string s) {
    std::erase(s, '\r');
    return s;
}

TRun Draai(const std::string& programma, const std::string& argumenten,
           const std::string& invoer = "/dev/null") {
    const std::string fouten = Tijdelijk("windows_fouten.txt");
    TRun r;
    r.Uitvoer = Voer("cd " + Citeer(RCV_DATA_DIR) + " && " + Citeer(programma) + argumenten + " <" +
                     Citeer(invoer) + " 2>" + Citeer(fouten));
    r.Fouten = Lees(fouten);
    std::remove(fouten.c_str());
    return r;
}

std::string Argumenten(const std::vector<std::string>& regel) {
    std::string s;
    for (const auto& a : regel) {
        s += " " + Citeer(a);
    }
    return s;
}

void VerwachtGelijk(const TRun& linux, const TRun& windows, const std::string& wat) {
    EXPECT_EQ(windows.Uitvoer.Status, linux.Uitvoer.Status) << wat;
    EXPECT_EQ(ZonderCr(windows.Uitvoer.Uit), linux.Uitvoer.Uit) << wat;
    EXPECT_EQ(ZonderCr(windows.Fouten), linux.Fouten) << wat;
}

TEST(Windows, AnswersEveryCommandLineAsLinux) {
    const auto regels = MaakOpdrachtregels(2026, 300);
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const auto& regel = regels[i];
        // Every third line with the moisture check as well.
        const std::string argumenten =
            std::string(i % 3 == 0 ? " --json --vocht" : " --json") + Argumenten(regel);
        VerwachtGelijk(Draai(RCV_CLI_LINUX, argumenten), Draai(RCV_CLI, argumenten),
                       AlsJsonRegel(regel));
        if (HasFailure()) {
            break;
        }
    }
}

TEST(Windows, AnswersABatchAsLinux) {
    const std::string invoer = Tijdelijk("windows_batch.txt");
    {
        std::ofstream uit(invoer, std::ios::binary);
        for (const auto& regel : MaakOpdrachtregels(2027, 1000)) {
            uit << AlsJsonRegel(regel) << "\r\n"; // as a Windows editor saves it
        }
    }
    const TRun linux = Draai(RCV_CLI_LINUX, " --batch", invoer);
    ASSERT_EQ(std::count(linux.Uitvoer.Uit.begin(), linux.Uitvoer.Uit.end(), '\n'), 1000);
    VerwachtGelijk(linux, Draai(RCV_CLI, " --batch", invoer), "batch");
    std::remove(invoer.c_str());
}

TEST(Windows, BuildsTheSameTable) {
    const std::string windows = Lees(RCV_WINDOWS_MAP "/data/lambda.bin");
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(windows, Lees(RCV_DATA_DIR "/lambda.bin"));
}

// The report of either screen that the Windows calculator writes has the
// same words at the same places, in the same embedded fonts, as Linux's;
// with its moisture page too.
TEST(Windows, WritesTheSameReportsAsLinux) {
    for (const std::string scherm : {"", " --afschot", " --vocht", " --afschot --vocht"}) {
        std::string tekst[2];
        const char* programmas[2] = {RCV_CLI_LINUX, RCV_CLI};
        for (int i = 0; i < 2; ++i) {
            const std::string pdf = Tijdelijk("windows_rapport.pdf");
            std::remove(pdf.c_str());
            const TRun r = Draai(programmas[i], scherm + " --pdf " + Citeer(pdf));
            ASSERT_EQ(r.Uitvoer.Status, 0) << programmas[i] << scherm << ": " << r.Fouten;
            tekst[i] = Voer("pdftotext -bbox " + Citeer(pdf) + " - | grep '<word'").Uit +
                       Voer("pdffonts " + Citeer(pdf)).Uit;
            std::remove(pdf.c_str());
        }
        EXPECT_NE(tekst[0].find("Rc-berekening"), std::string::npos) << scherm;
        EXPECT_EQ(tekst[1], tekst[0]) << scherm;
    }
}

struct TEigenGeval {
    std::string Argumenten;
    int Status;
    std::string Fouten; // a piece of stderr
};

class WindowsEigen : public testing::TestWithParam<TEigenGeval> {};

// Where the Windows build differs from the Linux one on purpose.
TEST_P(WindowsEigen, SaysSoItself) {
    const TRun r = Draai(RCV_CLI, GetParam().Argumenten);
    EXPECT_EQ(r.Uitvoer.Status, GetParam().Status);
    EXPECT_NE(r.Fouten.find(GetParam().Fouten), std::string::npos) << r.Fouten;
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, WindowsEigen,
    testing::Values( // A missing table is named with its drive, in Windows' form.
        TEigenGeval{" --json --lambda-bestand ontbreekt\\\\lambda.bin", 1,
                    "\\data\\ontbreekt\\lambda.bin\". Niet gevonden"},
        // Arguments reach the program as UTF-8, whatever the code page.
        TEigenGeval{" --isolatie 'Pelmar ë'", 2, "\"Pelmar ë\" staat niet in de lijst"}));

} // namespace
} // namespace rcveltor::test
