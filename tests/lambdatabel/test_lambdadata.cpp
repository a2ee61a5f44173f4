// Checks the built lambda.bin against its source. That the source is the
// model tool's output is checked by running the tool (lambda_bron_is_model).
#include "lambdatabel/LambdaBron.h"
#include "lambdatabel/LambdaTabel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

using namespace rcveltor;

namespace {

// The source's entries as written, code to value text.
std::map<int, std::string> BronTeksten() {
    std::ifstream in(RCV_LAMBDA_BRON);
    EXPECT_TRUE(in) << RCV_LAMBDA_BRON;
    std::map<int, std::string> teksten;
    std::string regel;
    while (std::getline(in, regel)) {
        regel = regel.substr(0, regel.find('#'));
        std::istringstream woorden(regel);
        int code = 0;
        std::string waarde;
        if (woorden >> code >> waarde) {
            EXPECT_TRUE(teksten.emplace(code, waarde).second) << "code " << code << " twice";
        }
    }
    return teksten;
}

TEST(LambdaData, GebouwdBestandBevatElkeCode) {
    std::ifstream in(RCV_LAMBDA_BRON);
    const auto regels = LeesLambdaBron(in);
    TLambdaTabel t;
    t.Laden(RCV_LAMBDA_BIN);
    EXPECT_EQ(t.Versie(), 251);
    EXPECT_EQ(t.AantalRijen(), regels.size());
    // 4 insulation classes x 23 fastener and substructure pairs x 5 count
    // classes, and the five steel-deck-only board codes.
    const auto bron = BronTeksten();
    EXPECT_EQ(bron.size(), 4u * 23u * 5u + 5u);
    for (const auto& [code, waarde] : bron) {
        EXPECT_TRUE(t.BevatCode(code)) << "code " << code;
    }
    for (const auto& regel : regels) {
        EXPECT_EQ(t.ZoekLambda(regel.Code), regel.Lambda) << "code " << regel.Code;
    }
}

} // namespace
