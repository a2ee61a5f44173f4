// A plain calculation loads neither Qt nor the PDF library; a run with --pdf
// does, through the report program.

#include "tests/cli/Starten.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rcveltor::test {
namespace {

struct TLaadGeval {
    std::string Argumenten;
    bool MetQt;
};

class Laden : public testing::TestWithParam<TLaadGeval> {};

TEST_P(Laden, MapsTheToolkitOnlyForAPdf) {
    // The dynamic loader reports every library it initialises, dlopen'ed
    // ones included.
    const TUitvoer r =
        Voer("cd " + Citeer(RCV_DATA_DIR) + " && LD_DEBUG=libs " + Citeer(RCV_CLI) + " " +
             GetParam().Argumenten + " 2>&1 >/dev/null | grep 'calling init:'");
    std::istringstream regels(r.Uit);
    bool libc = false;
    bool qt = false;
    bool podofo = false;
    for (std::string regel; std::getline(regels, regel);) {
        libc |= regel.find("/libc.so") != std::string::npos;
        qt |= regel.find("libQt6") != std::string::npos;
        podofo |= regel.find("libpodofo") != std::string::npos;
    }
    ASSERT_TRUE(libc) << "the loader's report was not seen:\n" << r.Uit;
    EXPECT_EQ(qt, GetParam().MetQt) << r.Uit;
    EXPECT_EQ(podofo, GetParam().MetQt) << r.Uit;
}

INSTANTIATE_TEST_SUITE_P(Tabel, Laden,
                         testing::Values(TLaadGeval{"--json", false}, TLaadGeval{"", false},
                                         TLaadGeval{"--afschot --oppervlak1 0", false},
                                         TLaadGeval{"--batch </dev/null", false},
                                         TLaadGeval{"--pdf /dev/null", true}));

} // namespace
} // namespace rcveltor::test
