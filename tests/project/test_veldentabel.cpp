// The table of fields: every input field of both screens is in it once, set
// the way the field lets the user set it, in the order the inputs are
// applied; every name --json gives is unique.

#include "project/Veldentabel.h"
#include "tests/calc/Opstart.h"

#include <gtest/gtest.h>
#include <set>

namespace rcveltor::test {
namespace {

struct TSchermGeval {
    const char* Naam;
    TSchermsoort Soort;
};

class VeldentabelTest : public testing::TestWithParam<TSchermGeval> {};

TEST_P(VeldentabelTest, HoldsEveryInputFieldOnceSetAsTheFieldAllows) {
    TOpgestart s;
    const bool plat = GetParam().Soort == TSchermsoort::Plat;
    TLagenScherm& scherm = plat ? static_cast<TLagenScherm&>(s.rc()) : s.afschot();
    const auto velden = plat ? Velden(s.rc()) : Velden(s.afschot());
    const auto rijen = Invoerrijen(GetParam().Soort);

    std::set<const void*> invoer;
    std::set<std::string_view> namen;
    std::size_t volgende = 0;
    for (const TSchermveld& veld : velden) {
        EXPECT_TRUE(namen.insert(veld.Naam).second) << "twice: " << veld.Naam;
        if (veld.Invoer == nullptr) {
            EXPECT_FALSE(veld.Getal != nullptr && veld.Getal->Invoer)
                << "an input as result: " << veld.Naam;
            continue;
        }
        ASSERT_LT(volgende, rijen.size()) << veld.Naam;
        EXPECT_EQ(veld.Invoer, rijen[volgende++]) << veld.Naam;
        if (veld.Lijst != nullptr) {
            EXPECT_TRUE(veld.Invoer->IsLijst()) << veld.Naam;
            EXPECT_TRUE(veld.Gekozen) << veld.Naam;
            EXPECT_TRUE(invoer.insert(veld.Lijst).second) << veld.Naam;
        } else {
            ASSERT_NE(veld.Getal, nullptr) << veld.Naam;
            EXPECT_TRUE(veld.Getal->Invoer) << veld.Naam;
            EXPECT_EQ(veld.Invoer->Wijze == TInvoerwijze::Typen, veld.Getal->Typen) << veld.Naam;
            EXPECT_FALSE(veld.Invoer->IsLijst()) << veld.Naam;
            EXPECT_TRUE(invoer.insert(veld.Getal).second) << veld.Naam;
        }
    }
    EXPECT_EQ(volgende, rijen.size());
    for (const TNumVeld* v : scherm.NumVelden()) {
        EXPECT_EQ(invoer.count(v), v->Invoer ? 1U : 0U) << "not in the table: " << v->Naam;
    }
    for (const TLijstVeld* l : scherm.LijstVelden()) {
        EXPECT_EQ(invoer.count(l), 1U) << "not in the table: " << l->Naam;
    }
}

INSTANTIATE_TEST_SUITE_P(Schermen, VeldentabelTest,
                         testing::Values(TSchermGeval{"plat", TSchermsoort::Plat},
                                         TSchermGeval{"afschot", TSchermsoort::Afschot}),
                         [](const auto& info) { return std::string(info.param.Naam); });

} // namespace
} // namespace rcveltor::test
