// Checks the shipped table: its source against the model it documents, and
// the built lambda.bin against its source.
#include "LambdaBron.h"
#include "LambdaTabel.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

using namespace rcveltor;

namespace {

struct Onderconstructie {
    int klasse;
    double factor;
    std::set<int> combinaties;
};

const Onderconstructie Onderconstructies[] = {
    {1, 1.00, {1, 2, 3, 4, 5, 6, 7}}, // Geprofileerd staaldak
    {2, 0.90, {1, 2, 3, 4, 5, 6, 7}}, // Houtachtige plaatmaterialen
    {3, 0.95, {2, 3, 5, 7, 8}},       // Betondak
    {4, 0.85, {2, 3, 5, 7}},          // Cellenbeton
};

double Toeslag(int combinatie, double factor, int aantalklasse) {
    const double diametersMm[] = {5.0, 6.3, 8.0, 5.5, 6.7, 5.0, 6.3, 4.5};
    const double d = diametersMm[combinatie - 1] / 1000.0;
    const double oppervlak = std::numbers::pi * d * d / 4.0;
    const double alpha = combinatie >= 6 ? 0.8 * 0.25 : 0.8;
    const double lambdaStaal = 50.0;
    return alpha * lambdaStaal * oppervlak * (3.0 * aantalklasse) * factor;
}

std::string VijfDecimalen(double w) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, w, std::chars_format::fixed, 5);
    return std::string(buffer, r.ptr);
}

// Every code that the fastener correction can compose, with its model value.
std::map<int, std::string> Model() {
    const double ontwerpLambda[] = {0.042, 0.037, 0.027, 0.020};
    std::map<int, std::string> model;
    for (int lk = 1; lk <= 4; ++lk) {
        for (const auto& oc : Onderconstructies) {
            for (const int comb : oc.combinaties) {
                for (int ak = 1; ak <= 5; ++ak) {
                    const int code = 1000 * lk + 100 * comb + 10 * oc.klasse + ak;
                    model[code] =
                        VijfDecimalen(ontwerpLambda[lk - 1] + Toeslag(comb, oc.factor, ak));
                }
            }
        }
    }
    for (int ak = 1; ak <= 5; ++ak) {
        model[9610 + ak] = VijfDecimalen(0.035 + Toeslag(6, 1.00, ak) / 1.05);
    }
    return model;
}

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

TEST(LambdaData, BronVolgtHetModel) {
    const auto model = Model();
    const auto bron = BronTeksten();
    EXPECT_EQ(model.size(), 4u * 23u * 5u + 5u);
    for (const auto& [code, waarde] : model) {
        const auto gevonden = bron.find(code);
        if (gevonden == bron.end()) {
            ADD_FAILURE() << "code " << code << " missing from the source";
            continue;
        }
        EXPECT_EQ(gevonden->second, waarde) << "code " << code;
    }
    for (const auto& [code, waarde] : bron) {
        EXPECT_TRUE(model.contains(code)) << "code " << code << " is not composable";
    }
}

TEST(LambdaData, GebouwdBestandBevatElkeCode) {
    std::ifstream in(RCV_LAMBDA_BRON);
    const auto regels = LeesLambdaBron(in);
    TLambdaTabel t;
    t.Laden(RCV_LAMBDA_BIN);
    EXPECT_EQ(t.Versie(), 251);
    EXPECT_EQ(t.AantalRijen(), regels.size());
    for (const auto& [code, waarde] : Model()) {
        EXPECT_TRUE(t.BevatCode(code)) << "code " << code;
    }
    for (const auto& regel : regels) {
        EXPECT_EQ(t.ZoekLambda(regel.Code), regel.Lambda) << "code " << regel.Code;
    }
}

} // namespace
