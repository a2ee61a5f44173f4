#include "basis/RcFout.h"
#include "lambdatabel/Extended80.h"
#include "lambdatabel/LambdaBron.h"
#include "lambdatabel/LambdaSchrijver.h"
#include "lambdatabel/LambdaTabel.h"
#include "lambdatabel/Tekstcodering.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>

using namespace rcveltor;

namespace {

using Bytes = std::vector<unsigned char>;
using Lim = std::numeric_limits<double>;

Bytes Ext(std::uint64_t significand, unsigned tekenExponent) {
    Bytes b;
    for (int i = 0; i < 8; ++i) {
        b.push_back(static_cast<unsigned char>(significand >> (8 * i)));
    }
    b.push_back(static_cast<unsigned char>(tekenExponent & 0xFF));
    b.push_back(static_cast<unsigned char>(tekenExponent >> 8));
    return b;
}

bool ZelfdeDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

constexpr std::uint64_t Een = std::uint64_t{1} << 63;

// ---------------------------------------------------------------------------
// 80-bit extended: decoding, and the rounding to double when a row stores it.

struct DecodeerGeval {
    const char* naam;
    Bytes bytes;
    double verwacht;
};

void PrintTo(const DecodeerGeval& g, std::ostream* os) {
    *os << g.naam;
}

class DecodeerExtendedTest : public testing::TestWithParam<DecodeerGeval> {};

TEST_P(DecodeerExtendedTest, RondtAfNaarDouble) {
    const auto& g = GetParam();
    const double d = static_cast<double>(
        DecodeerExtended(std::span<const unsigned char, 10>(g.bytes.data(), 10)));
    EXPECT_TRUE(ZelfdeDouble(d, g.verwacht)) << d << " != " << g.verwacht;
}

INSTANTIATE_TEST_SUITE_P(
    Extended, DecodeerExtendedTest,
    testing::Values(
        DecodeerGeval{"een", Ext(Een, 0x3FFF), 1.0},
        DecodeerGeval{"minTwee", Ext(Een, 0xC000), -2.0}, DecodeerGeval{"nul", Ext(0, 0), 0.0},
        DecodeerGeval{"minNul", Ext(0, 0x8000), -0.0},
        DecodeerGeval{"code1231", Ext(0x99E0000000000000, 0x4009), 1231.0},
        DecodeerGeval{"onderHalfUlpOmlaag", Ext(Een | 1, 0x3FFF), 1.0},
        DecodeerGeval{"halfUlpNaarEven", Ext(Een | (1u << 10), 0x3FFF), 1.0},
        DecodeerGeval{"halfUlpNaarEvenOmhoog", Ext(Een | (3u << 10), 0x3FFF),
                      1.0 + 2 * Lim::epsilon()},
        DecodeerGeval{"bovenHalfUlpOmhoog", Ext(Een | (1u << 10) | 1, 0x3FFF),
                      1.0 + Lim::epsilon()},
        DecodeerGeval{"kleinsteDoubleDenormaal", Ext(Een, 0x3FFF - 1074), Lim::denorm_min()},
        DecodeerGeval{"onderDoubleBereikNaarNul", Ext(Een, 0x3FFF - 1076), 0.0},
        DecodeerGeval{"extendedDenormaal", Ext(1, 0), 0.0},
        DecodeerGeval{"pseudoDenormaal", Ext(Een, 0), 0.0},
        DecodeerGeval{"grootsteDouble", Ext(0xFFFFFFFFFFFFF800, 0x3FFF + 1023), Lim::max()},
        DecodeerGeval{"bovenDoubleBereik", Ext(Een, 0x7FFE), Lim::infinity()},
        DecodeerGeval{"oneindig", Ext(Een, 0x7FFF), Lim::infinity()},
        DecodeerGeval{"minOneindig", Ext(Een, 0xFFFF), -Lim::infinity()},
        DecodeerGeval{"nan", Ext(Een | (Een >> 1), 0x7FFF), Lim::quiet_NaN()},
        DecodeerGeval{"signalerendeNan", Ext(Een | 1, 0x7FFF), Lim::quiet_NaN()},
        DecodeerGeval{"ongenormaliseerd", Ext(Een >> 1, 0x3FFF), 0.5}),
    [](const auto& info) { return std::string(info.param.naam); });

struct CodeerGeval {
    const char* naam;
    double waarde;
    Bytes bytes;
};

void PrintTo(const CodeerGeval& g, std::ostream* os) {
    *os << g.naam;
}

class CodeerExtendedTest : public testing::TestWithParam<CodeerGeval> {};

TEST_P(CodeerExtendedTest, SchrijftExact) {
    const auto& g = GetParam();
    const auto b = CodeerExtended(g.waarde);
    EXPECT_EQ(Bytes(b.begin(), b.end()), g.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Extended, CodeerExtendedTest,
    testing::Values(CodeerGeval{"een", 1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
                    CodeerGeval{"minTwee", -2.0, Ext(Een, 0xC000)},
                    CodeerGeval{"nul", 0.0, Ext(0, 0)}, CodeerGeval{"minNul", -0.0, Ext(0, 0x8000)},
                    CodeerGeval{"code1231", 1231.0, Ext(0x99E0000000000000, 0x4009)},
                    CodeerGeval{"kleinsteDenormaal", Lim::denorm_min(), Ext(Een, 0x3FFF - 1074)},
                    CodeerGeval{"grootsteDenormaal", Lim::min() - Lim::denorm_min(),
                                Ext(0xFFFFFFFFFFFFF000, 0x3FFF - 1023)},
                    CodeerGeval{"grootste", Lim::max(), Ext(0xFFFFFFFFFFFFF800, 0x3FFF + 1023)},
                    CodeerGeval{"oneindig", Lim::infinity(), Ext(Een, 0x7FFF)},
                    CodeerGeval{"minOneindig", -Lim::infinity(), Ext(Een, 0xFFFF)}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(Extended, HeenEnWeerIsExact) {
    std::vector<double> waarden = {0.042, 0.04436, 9615, -1e-310, 1e300, Lim::min(), 5e-324};
    std::uint64_t x = 0x9E3779B97F4A7C15;
    for (int i = 0; i < 2000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        waarden.push_back(std::bit_cast<double>(x));
    }
    for (const double w : waarden) {
        const auto b = CodeerExtended(w);
        const double terug = static_cast<double>(DecodeerExtended(b));
        EXPECT_TRUE(ZelfdeDouble(terug, w) || (std::isnan(w) && std::isnan(terug))) << w;
    }
}

// ---------------------------------------------------------------------------
// The writer's items.

struct ItemGeval {
    const char* naam;
    void (*schrijf)(TTpfSchrijver&);
    Bytes bytes;
};

void PrintTo(const ItemGeval& g, std::ostream* os) {
    *os << g.naam;
}

class SchrijverItem : public testing::TestWithParam<ItemGeval> {};

TEST_P(SchrijverItem, KiestDeKortsteTag) {
    TTpfSchrijver s;
    GetParam().schrijf(s);
    EXPECT_EQ(s.Bytes(), GetParam().bytes);
}

Bytes Herhaal(Bytes kop, std::size_t n, unsigned char c) {
    kop.insert(kop.end(), n, c);
    return kop;
}

INSTANTIATE_TEST_SUITE_P(
    Schrijver, SchrijverItem,
    testing::Values(
        ItemGeval{"int0", [](TTpfSchrijver& s) { s.Integer(0); }, {2, 0}},
        ItemGeval{"int127", [](TTpfSchrijver& s) { s.Integer(127); }, {2, 0x7F}},
        ItemGeval{"intMin128", [](TTpfSchrijver& s) { s.Integer(-128); }, {2, 0x80}},
        ItemGeval{"int128", [](TTpfSchrijver& s) { s.Integer(128); }, {3, 0x80, 0}},
        ItemGeval{"versie251", [](TTpfSchrijver& s) { s.Integer(251); }, {3, 0xFB, 0}},
        ItemGeval{"intMin129", [](TTpfSchrijver& s) { s.Integer(-129); }, {3, 0x7F, 0xFF}},
        ItemGeval{"int32767", [](TTpfSchrijver& s) { s.Integer(32767); }, {3, 0xFF, 0x7F}},
        ItemGeval{"int32768", [](TTpfSchrijver& s) { s.Integer(32768); }, {4, 0, 0x80, 0, 0}},
        ItemGeval{"intMin32769",
                  [](TTpfSchrijver& s) { s.Integer(-32769); },
                  {4, 0xFF, 0x7F, 0xFF, 0xFF}},
        ItemGeval{"floatEen",
                  [](TTpfSchrijver& s) { s.Drijvend(1.0); },
                  {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        ItemGeval{"waar", [](TTpfSchrijver& s) { s.Boolean(true); }, {9}},
        ItemGeval{"onwaar", [](TTpfSchrijver& s) { s.Boolean(false); }, {8}},
        ItemGeval{"lijst",
                  [](TTpfSchrijver& s) {
                      s.BeginLijst();
                      s.EindeLijst();
                  },
                  {1, 0}},
        ItemGeval{"legeTekst", [](TTpfSchrijver& s) { s.Tekst(""); }, {6, 0}},
        ItemGeval{"tekst", [](TTpfSchrijver& s) { s.Tekst("Code"); }, {6, 4, 'C', 'o', 'd', 'e'}},
        ItemGeval{"tekst255", [](TTpfSchrijver& s) { s.Tekst(std::string(255, 'a')); },
                  Herhaal({6, 0xFF}, 255, 'a')},
        ItemGeval{"tekst256", [](TTpfSchrijver& s) { s.Tekst(std::string(256, 'a')); },
                  Herhaal({12, 0, 1, 0, 0}, 256, 'a')},
        ItemGeval{
            "nietAscii", [](TTpfSchrijver& s) { s.Tekst("\xE9"); }, {20, 2, 0, 0, 0, 0xC3, 0xA9}},
        ItemGeval{
            "euro", [](TTpfSchrijver& s) { s.Tekst("\x80"); }, {20, 3, 0, 0, 0, 0xE2, 0x82, 0xAC}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(Schrijver, DatabestandLeestTerugInDeVoorgeschrevenVorm) {
    const std::vector<TLambdaRegel> regels = {{1231, 0.05}, {1111, 0.04436}, {9611, 0.03556}};
    const auto bytes = SchrijfLambdaTabel(regels);
    const Bytes kop = {'T', 'P', 'F', '0', 3,   0xFB, 0,   1,   6,   4, 'C', 'o',
                       'd', 'e', 6,   5,   'F', 'l',  'o', 'a', 't', 2, 0};
    ASSERT_GE(bytes.size(), kop.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kop.size())), kop);

    TLambdaTabel t;
    t.LadenUitBuffer(bytes);
    EXPECT_EQ(t.Versie(), 251);
    ASSERT_EQ(t.Velden().size(), 2u);
    for (const auto& v : t.Velden()) {
        EXPECT_EQ(v.Type, "Float");
        EXPECT_EQ(v.Grootte, 0);
        EXPECT_EQ(v.Soort, TVeldSoort::Data);
        EXPECT_FALSE(v.Verplicht);
        EXPECT_FALSE(v.AlleenLezen);
        EXPECT_EQ(v.Editmasker, "");
        EXPECT_EQ(v.Standaardexpressie, "");
    }
    EXPECT_EQ(t.Velden()[0].Naam, "Code");
    EXPECT_EQ(t.Velden()[1].Naam, "Lambda");
    ASSERT_EQ(t.Indexen().size(), 1u);
    EXPECT_EQ(t.Indexen()[0].Naam, "InxCode");
    EXPECT_EQ(t.Indexen()[0].Velden, "Code");
    EXPECT_FALSE(t.Indexen()[0].Aflopend || t.Indexen()[0].Hoofdletterongevoelig ||
                 t.Indexen()[0].NietBijgehouden || t.Indexen()[0].Uniek);
    ASSERT_EQ(t.AantalRijen(), 3u);
    for (std::size_t i = 0; i < regels.size(); ++i) {
        EXPECT_EQ(t.Rij(i).Actueel.Status, 0);
        EXPECT_TRUE(t.Rij(i).OudereVersies.empty());
        EXPECT_EQ(t.ZoekLambda(regels[i].Code), regels[i].Lambda);
    }
}

// ---------------------------------------------------------------------------
// Text conversion and name comparison.

struct TekstGeval {
    const char* naam;
    std::string invoer;
    std::string verwacht;
};

void PrintTo(const TekstGeval& g, std::ostream* os) {
    *os << g.naam;
}

class Utf8NaarAnsiTest : public testing::TestWithParam<TekstGeval> {};

TEST_P(Utf8NaarAnsiTest, Converteert) {
    EXPECT_EQ(Utf8NaarAnsi(GetParam().invoer), GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(Tekst, Utf8NaarAnsiTest,
                         testing::Values(TekstGeval{"ascii", "Float", "Float"},
                                         TekstGeval{"eAcuut", "\xC3\xA9", "\xE9"},
                                         TekstGeval{"euro", "\xE2\x82\xAC", "\x80"},
                                         TekstGeval{"nietInCp1252", "\xE4\xB8\xAD", "?"},
                                         TekstGeval{"onbezetteByteAlsC1", "\xC2\x81", "\x81"},
                                         TekstGeval{"c1ZonderByte", "\xC2\x80", "?"},
                                         TekstGeval{"buitenBasisvlak", "\xF0\x9F\x98\x80", "?"},
                                         TekstGeval{"losVervolgbyte", "a\x80z", "a?z"},
                                         TekstGeval{"afgebroken", "a\xC3", "a?"},
                                         TekstGeval{"afgebrokenVoorAscii", "\xE2\x82z", "?z"},
                                         TekstGeval{"overlang", "\xC0\xAF", "?"},
                                         TekstGeval{"surrogaat", "\xED\xA0\x80", "?"},
                                         TekstGeval{"ongeldigeKopbyte", "\xFF", "?"}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST(Tekst, Utf16NaarAnsi) {
    const std::vector<std::pair<std::u16string, std::string>> gevallen = {
        {u"Lambda", "Lambda"},
        {u"\u00E9\u20AC", "\xE9\x80"},
        {u"\U0001F600", "?"},
        {std::u16string(1, char16_t(0xD800)) + u"x", "?x"},
        {std::u16string(1, char16_t(0xDC00)), "?"}};
    for (const auto& [in, uit] : gevallen) {
        const std::vector<std::uint16_t> eenheden(in.begin(), in.end());
        EXPECT_EQ(Utf16NaarAnsi(eenheden), uit);
    }
}

TEST(Tekst, NamenZonderHoofdletters) {
    const std::vector<std::tuple<std::string, std::string, bool>> gevallen = {
        {"Code", "CODE", true}, {"Lambda", "lAMBDA", true}, {"\xC9", "\xE9", true},
        {"\x8A", "\x9A", true}, {"\x9F", "\xFF", true},     {"\xD7", "\xF7", false},
        {"Code", "Cod", false}, {"Code", "Kode", false},    {"", "", true}};
    for (const auto& [a, b, gelijk] : gevallen) {
        EXPECT_EQ(GelijkZonderHoofdletters(a, b), gelijk) << a << " / " << b;
    }
}

// ---------------------------------------------------------------------------
// The readable source of the table.

struct BronGeval {
    const char* naam;
    std::string tekst;
    std::vector<TLambdaRegel> regels;
    std::string fout;
};

void PrintTo(const BronGeval& g, std::ostream* os) {
    *os << g.naam;
}

class LeesLambdaBronTest : public testing::TestWithParam<BronGeval> {};

TEST_P(LeesLambdaBronTest, LeestOfWeigert) {
    const auto& g = GetParam();
    std::istringstream in(g.tekst);
    std::string fout;
    std::vector<TLambdaRegel> regels;
    try {
        regels = LeesLambdaBron(in);
    } catch (const RcFout& e) {
        fout = e.what();
    }
    EXPECT_EQ(fout, g.fout);
    ASSERT_EQ(regels.size(), g.regels.size());
    for (std::size_t i = 0; i < regels.size(); ++i) {
        EXPECT_EQ(regels[i].Code, g.regels[i].Code);
        EXPECT_EQ(regels[i].Lambda, g.regels[i].Lambda);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bron, LeesLambdaBronTest,
    testing::Values(
        BronGeval{"regelsMetCommentaar",
                  "# kop\n1111 0.04436\r\n\n  9611\t0.03556  # noot\n",
                  {{1111, 0.04436}, {9611, 0.03556}},
                  ""},
        BronGeval{"leeg", "", {}, ""},
        BronGeval{"eenWoord", "1111\n", {}, "Regel 1: verwacht \"code lambda\", gelezen \"1111\""},
        BronGeval{"drieWoorden",
                  "1111 0.1 0.2",
                  {},
                  "Regel 1: verwacht \"code lambda\", gelezen \"1111 0.1 0.2\""},
        BronGeval{"geenGetal",
                  "\n1111 0.04x",
                  {},
                  "Regel 2: verwacht \"code lambda\", gelezen \"1111 0.04x\""},
        BronGeval{"nan", "1111 nan", {}, "Regel 1: verwacht \"code lambda\", gelezen \"1111 nan\""},
        BronGeval{"dubbeleCode",
                  "1111 0.1\n1111.0 0.2\n",
                  {},
                  "Regel 2: code 1111.0 staat al op regel 1"}),
    [](const auto& info) { return std::string(info.param.naam); });

} // namespace
