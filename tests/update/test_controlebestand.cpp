// The control file: versions, reading, writing and the signature.

#include "tests/update/QtPrint.h"
#include "update/Controlebestand.h"
#include "update/Handtekening.h"

#include <gtest/gtest.h>

using namespace rcveltor::update;

namespace {

const QByteArray kHash(32, '\x5A');

QByteArray Geldig() {
    return "; control file\n"
           "[Update]\n"
           "Programma=RcVeltor\n"
           "Versie=4.0.1.4\n"
           "Datum=15-04-2009\n"
           "Tijd=10:30\n"
           "GeldigTot=15-05-2009\n"
           "Ondertekend=15-04-2009\n"
           "[Nieuw]\n"
           "Regel=Nieuw:\n"
           "Regel=  - snellere start\n"
           "Regel=\n"
           "Regel=Einde\n"
           "[Licentie]\n"
           "Regel=U mag het programma gebruiken.\n"
           "[Component1]\n"
           "Naam=Programma\n"
           "URL=RcVeltor-4.0.1.4.tar.gz\n"
           "Grootte=1234\n"
           "SHA256=" +
           kHash.toHex() +
           "\n"
           "Soort=archief\n"
           "Doel=programma\n"
           "Uitgepakt=5000\n"
           "[Component2]\n"
           "Naam=Lambdatabel\n"
           "URL=https://cdn.example.com/lambda.bin\n"
           "Grootte=99\n"
           "SHA256=" +
           kHash.toHex() +
           "\n"
           "Soort=bestand\n"
           "Doel=werkmap\n"
           "Bestand=lambda.bin\n"
           "[Later]\n"
           "Onbekend=wordt genegeerd\n";
}

TEST(Versie, ComparesPartByPartAsNumbers) {
    struct TGeval {
        const char* a;
        const char* b;
        int teken;
    };
    const TGeval gevallen[] = {
        {"4.0.1.4", "4.0.1.3", 1},  {"4.0.1.3", "4.0.1.3", 0}, {"4.0.1", "4.0.1.0", 0},
        {"4.0.1.10", "4.0.1.9", 1}, {"5", "4.9.9.9", 1},       {"4.0.1.2", "4.0.1.3", -1},
        {"4.1", "4.0.1.3", 1},      {"3.99", "4", -1},
    };
    for (const auto& g : gevallen) {
        const auto a = LeesVersie(QString::fromLatin1(g.a));
        const auto b = LeesVersie(QString::fromLatin1(g.b));
        ASSERT_TRUE(a && b) << g.a << " " << g.b;
        const int uit = VergelijkVersies(*a, *b);
        EXPECT_EQ((uit > 0) - (uit < 0), g.teken) << g.a << " vs " << g.b;
    }
}

TEST(Versie, RefusesWhatIsNotOneToFourNumbers) {
    for (const char* fout : {"", "4..1", "4.0.1.3.1", "4.0.x", "-1", "65536", " 4", "4.", "+4"}) {
        EXPECT_FALSE(LeesVersie(QString::fromLatin1(fout))) << fout;
    }
    EXPECT_EQ(*LeesVersie(u"65535.0"), QVersionNumber(65535, 0));
}

TEST(Controlebestand, ReadsEverySection) {
    const TLeesResultaat r = LeesControlebestand(Geldig());
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    const TControlebestand& b = *r.Bestand;
    EXPECT_EQ(b.Programma, u"RcVeltor");
    EXPECT_EQ(b.Versie, QVersionNumber({4, 0, 1, 4}));
    EXPECT_EQ(b.Datum, QDate(2009, 4, 15));
    EXPECT_EQ(b.Tijd, QTime(10, 30));
    EXPECT_EQ(b.GeldigTot, QDate(2009, 5, 15));
    EXPECT_EQ(b.Ondertekend, QDate(2009, 4, 15));
    EXPECT_EQ(b.Nieuw, u"Nieuw:\n  - snellere start\n\nEinde");
    EXPECT_EQ(b.Licentie, u"U mag het programma gebruiken.");
    ASSERT_EQ(b.Componenten.size(), 2);
    const TComponent& a = b.Componenten[0];
    EXPECT_EQ(a.Url, u"RcVeltor-4.0.1.4.tar.gz");
    EXPECT_EQ(a.Grootte, 1234);
    EXPECT_EQ(a.Sha256, kHash);
    EXPECT_EQ(a.Soort, TSoort::Archief);
    EXPECT_EQ(a.Doel, TDoel::Programma);
    EXPECT_EQ(a.Uitgepakt, 5000);
    const TComponent& c = b.Componenten[1];
    EXPECT_EQ(c.Soort, TSoort::Bestand);
    EXPECT_EQ(c.Doel, TDoel::Werkmap);
    EXPECT_EQ(c.Bestand, u"lambda.bin");
    EXPECT_FALSE(c.Uitvoerbaar);
}

TEST(Controlebestand, WindowsLineEndsAndAByteOrderMarkRead) {
    QByteArray crlf = Geldig();
    crlf.replace("\n", "\r\n");
    const TLeesResultaat r = LeesControlebestand(QByteArray("\xEF\xBB\xBF" + crlf));
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    EXPECT_EQ(*r.Bestand, *LeesControlebestand(Geldig()).Bestand);
}

TEST(Controlebestand, RefusesBrokenFiles) {
    struct TGeval {
        const char* van;
        const char* naar;
        const char* fout;
    };
    const TGeval gevallen[] = {
        {"[Update]\n", "[Bijwerken]\n", "[Update] missing"},
        {"Versie=4.0.1.4\n", "", "Versie"},
        {"Versie=4.0.1.4\n", "Versie=4.0.1.4b\n", "Versie"},
        {"Datum=15-04-2009", "Datum=31-02-2009", "Datum"},
        {"Datum=15-04-2009", "Datum=15-4-2009", "Datum"},
        {"Tijd=10:30", "Tijd=25:00", "Tijd"},
        {"Tijd=10:30", "Tijd=9:30", "Tijd"},
        {"GeldigTot=15-05-2009\n", "", "GeldigTot"},
        {"GeldigTot=15-05-2009", "GeldigTot=2009-05-15", "GeldigTot"},
        {"Ondertekend=15-04-2009\n", "", "Ondertekend missing"},
        {"Ondertekend=15-04-2009", "Ondertekend=15-4-2009", "Ondertekend"},
        {"Grootte=1234", "Grootte=-1", "Grootte"},
        {"Grootte=1234", "Grootte=12a", "Grootte"},
        {"Grootte=1234", "Grootte=99999999999", "Grootte"},
        {"Soort=archief", "Soort=zip", "Soort"},
        {"Doel=programma", "Doel=/usr/bin", "Doel"},
        {"Uitgepakt=5000\n", "", "Uitgepakt"},
        {"Bestand=lambda.bin", "Bestand=../lambda.bin", "Bestand"},
        {"Bestand=lambda.bin", "Bestand=/etc/passwd", "Bestand"},
        {"Bestand=lambda.bin", "Bestand=", "Bestand"},
        {"URL=RcVeltor-4.0.1.4.tar.gz", "URL=ftp://example.com/x", "URL"},
        {"URL=RcVeltor-4.0.1.4.tar.gz", "URL=", "URL"},
        {"Naam=Programma\n", "", "Naam"},
        {"Regel=Einde",
         "Regel=Ein\x01"
         "de",
         "control character"},
        {"Regel=Einde",
         "Regel=Ein\xC3"
         "de",
         "UTF-8"},
        {"Onbekend=wordt genegeerd\n", "Onbekend=x\xC3", "UTF-8"},
        {"; control file\n", "Los=1\n", "outside a section"},
        {"Tijd=10:30\n", "Tijd=10:30\nTijd=11:00\n", "repeated"},
        {"[Later]", "[Component1]", "repeated"},
        {"[Later]\n", "[Later\n", "]"},
        {"Onbekend=wordt genegeerd", "wordt genegeerd", "key=value"},
    };
    for (const auto& g : gevallen) {
        QByteArray tekst = Geldig();
        ASSERT_TRUE(tekst.contains(g.van)) << g.van;
        tekst.replace(g.van, g.naar);
        const TLeesResultaat r = LeesControlebestand(tekst);
        EXPECT_FALSE(r.Bestand) << g.naar;
        EXPECT_TRUE(r.Fout.contains(QLatin1String(g.fout)))
            << g.naar << " gave: " << r.Fout.toStdString();
    }
}

// Signed on 15-04-2009: valid through 400 days after that at most, never
// ending before it was signed.
TEST(Controlebestand, ValidityEndsWithin400DaysOfSigning) {
    struct TGeval {
        const char* geldigTot;
        bool gelezen;
    };
    const TGeval gevallen[] = {
        {"15-04-2009", true},  {"20-05-2010", true},  {"21-05-2010", false},
        {"31-12-9999", false}, {"14-04-2009", false},
    };
    for (const auto& g : gevallen) {
        QByteArray tekst = Geldig();
        tekst.replace("GeldigTot=15-05-2009", QByteArray(QByteArray("GeldigTot=") + g.geldigTot));
        const TLeesResultaat r = LeesControlebestand(tekst);
        EXPECT_EQ(r.Bestand.has_value(), g.gelezen) << g.geldigTot;
        EXPECT_EQ(r.Fout.contains(QLatin1String("within 400 days")), !g.gelezen)
            << g.geldigTot << " gave: " << r.Fout.toStdString();
    }
}

TEST(Controlebestand, LimitsComponentsAndSize) {
    QByteArray tekst = Geldig();
    for (int i = 3; i <= kMaxComponenten + 1; ++i) {
        tekst += "[Component" + QByteArray::number(i) +
                 "]\nNaam=x\nURL=x\nGrootte=1\nSHA256=" + kHash.toHex() +
                 "\nSoort=bestand\nDoel=werkmap\nBestand=x\n";
    }
    EXPECT_EQ(LeesControlebestand(tekst).Fout, u"too many components");
    EXPECT_EQ(LeesControlebestand(QByteArray(Geldig() + QByteArray(kMaxControlebestand, ';'))).Fout,
              u"control file too large");

    // As many sections as fit, each checked against the ones before it: took
    // half a minute when that check was a search (bench_controlebestand
    // watches the time). Extra sections are ignored, and a name repeated at
    // the very end is still found, on the line it is on.
    QByteArray veel = Geldig();
    for (int i = 0; veel.size() + 16 < kMaxControlebestand; ++i) {
        veel += "[S" + QByteArray::number(i) + "]\n";
    }
    const TLeesResultaat r = LeesControlebestand(veel);
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    EXPECT_EQ(*r.Bestand, *LeesControlebestand(Geldig()).Bestand);
    EXPECT_EQ(LeesControlebestand(QByteArray(veel + "[S0]\n")).Fout,
              QStringLiteral("line %1: section repeated").arg(veel.count('\n') + 1));
}

TEST(Controlebestand, WrittenFileReadsBackTheSame) {
    TControlebestand b = *LeesControlebestand(Geldig()).Bestand;
    b.Componenten[1].Uitvoerbaar = true;
    b.Nieuw = QStringLiteral("  ingesprongen\n\n\u20AC en \u00E9\n");
    const TLeesResultaat terug = LeesControlebestand(SchrijfControlebestand(b));
    ASSERT_TRUE(terug.Bestand) << terug.Fout.toStdString();
    EXPECT_EQ(*terug.Bestand, b);
}

class Handtekening : public ::testing::Test {
protected:
    QByteArray prive = NieuweEd25519Sleutel();
    QByteArray publiek = PubliekeEd25519Sleutel(prive);
    QByteArray inhoud = Geldig();
    QByteArray Ondertekend(const QByteArray& tekst) const {
        return VoegHandtekeningToe(tekst, OndertekenEd25519(tekst, prive));
    }
};

TEST_F(Handtekening, SignedFileReads) {
    ASSERT_EQ(publiek.size(), 32);
    const TLeesResultaat r = LeesOndertekendControlebestand(Ondertekend(inhoud), publiek);
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    EXPECT_EQ(r.Bestand->Versie, QVersionNumber({4, 0, 1, 4}));
}

TEST_F(Handtekening, RefusesEveryChangeAndEveryOtherKey) {
    const QByteArray goed = Ondertekend(inhoud);
    QByteArray andereVersie = goed;
    andereVersie.replace("Versie=4.0.1.4", "Versie=4.0.1.5");
    QByteArray andereHash = goed;
    andereHash[andereHash.indexOf("SHA256=") + 7] = 'b';
    QByteArray handtekening = OndertekenEd25519(inhoud, prive);
    handtekening[10] = static_cast<char>(handtekening[10] ^ 1);
    const QByteArray kapotteHandtekening = VoegHandtekeningToe(inhoud, handtekening);
    const QByteArray anderePrive = NieuweEd25519Sleutel();
    const QByteArray andereSleutel =
        VoegHandtekeningToe(inhoud, OndertekenEd25519(inhoud, anderePrive));
    QByteArray ingekort = goed;
    ingekort.chop(5);

    struct TGeval {
        const char* naam;
        QByteArray bestand;
        const char* fout;
    };
    const TGeval gevallen[] = {
        {"unsigned", inhoud, "no signature"},
        {"version changed", andereVersie, "does not match"},
        {"hash changed", andereHash, "does not match"},
        {"signature changed", kapotteHandtekening, "does not match"},
        {"other key", andereSleutel, "does not match"},
        {"content after the signature", goed + "[Component9]\nNaam=x\n", "after the signature"},
        {"signature cut short", ingekort, "64 bytes"},
        {"key line missing", inhoud + "[Handtekening]\n", "malformed"},
    };
    for (const auto& g : gevallen) {
        const TLeesResultaat r = LeesOndertekendControlebestand(g.bestand, publiek);
        EXPECT_FALSE(r.Bestand) << g.naam;
        EXPECT_TRUE(r.Fout.contains(QLatin1String(g.fout)))
            << g.naam << " gave: " << r.Fout.toStdString();
    }
    EXPECT_FALSE(LeesOndertekendControlebestand(goed, QByteArray(32, '\0')).Bestand);
    EXPECT_FALSE(LeesOndertekendControlebestand(goed, publiek.left(31)).Bestand);
}

TEST_F(Handtekening, HeaderInsideALineIsTextAndLineEndsMayBeWindows) {
    // A header inside a text line does not start the signature.
    const QByteArray metKop = inhoud + "[Extra]\nRegel=x [Handtekening]\n";
    const TLeesResultaat r = LeesOndertekendControlebestand(Ondertekend(metKop), publiek);
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    QByteArray crlf = Ondertekend(inhoud);
    crlf.replace("[Handtekening]\n", "[Handtekening]\r\n");
    EXPECT_TRUE(LeesOndertekendControlebestand(QByteArray(crlf + "\r\n"), publiek).Bestand);
}

TEST(Pad, OnlyPlainRelativePathsAreSafe) {
    for (const char* goed : {"a", "map/bestand.txt", "RcVeltor", "a b/c-d_e.f", "console", "com10",
                             "nul-waarden.txt", ".verborgen", "a.b.c"}) {
        EXPECT_TRUE(IsVeiligRelatiefPad(QString::fromLatin1(goed))) << goed;
    }
    for (const char* fout :
         {"",     "/etc/passwd", "../x", "a/../../x", "a/..",        "./a", "a//b",     "a/",
          "C:/x", "a\\b",        "a\nb", "CON",       "map/aux.txt", "nul", "Com1.log", "lpt9",
          "a/b.", "a /b",        "a:b",  "a?",        "a*b",         "a<b", "a|b",      "a\"b"}) {
        EXPECT_FALSE(IsVeiligRelatiefPad(QString::fromLatin1(fout))) << fout;
    }
}

} // namespace
