// Both reports saved by `rcveltor-cli --pdf` for several screen states and
// read back with poppler's tools: every text at its place in its font, the
// conditional texts, the fonts embedded whole, lossless images.

#include "Kopband.h"
#include "Letterbestanden.h"
#include "PdfExport.h"
#include "Pdfonderzoek.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <podofo/podofo.h>

using namespace rcveltor::test;
using rcveltor::rapport::TPdfLetters;
using rcveltor::rapport::ZoekRapportLetters;

namespace {

enum class TLijn { Links, Midden, Rechts };

// A text as the report's design places it: position in layout units from
// the band's corner; for centred and right-aligned texts the box's x and width.
struct TVerwacht {
    QString Tekst;
    double X, Y;
    double Punten = 10;
    bool Vet = false;
    TLijn Lijn = TLijn::Links;
    double Breedte = 0;
    bool Kopband = false;
};

TVerwacht L(double x, double y, const QString& tekst, double punten = 10, bool vet = false) {
    return {tekst, x, y, punten, vet};
}
TVerwacht V(double x, double y, const QString& tekst, double punten = 10) {
    return {tekst, x, y, punten, true};
}
TVerwacht R(double x, double y, const QString& tekst) {
    return {tekst, x, y, 10, false, TLijn::Rechts, 65};
}
TVerwacht M(double x, double y, double breedte, const QString& tekst, double punten, bool vet) {
    return {tekst, x, y, punten, vet, TLijn::Midden, breedte};
}

QString U(const char* tekst) {
    return QString::fromUtf8(tekst);
}

const QString kM2KW = U(" m\u00b2K/W");
const QString kWM2K = U(" W/m\u00b2K");
const QString kGeen = U("0. Geen mechanische bevestiging");

// The header band: the same on both reports.
std::vector<TVerwacht> Kopband() {
    // The shipped file beside lambda.bin, which the calculator reads.
    const auto c = rcveltor::rapport::LeesContactgegevens(U(RCV_DATA_DIR "/fabrikant.ini"));
    std::vector<TVerwacht> v{V(176, 38, c.Straat, 8), V(176, 58, c.PostcodePlaats, 8),
                             V(328, 38, U("Tel. ") + c.Telefoon, 8),
                             V(328, 58, U("Fax ") + c.Fax, 8), V(448, 58, c.Email, 8)};
    for (auto& t : v) {
        t.Kopband = true;
    }
    return v;
}

std::vector<TVerwacht> Tabelkop() {
    return {V(8, 112, U("Constructie")), V(136, 112, U("Materiaal")), V(360, 112, U("dikte [mm]")),
            V(440, 112, U("lambda [W/mK]")), V(552, 112, U("R-waarde [m\u00b2K/W]"))};
}

using TVelden = std::map<QString, QString>;

struct TRapportInhoud {
    std::vector<TVerwacht> Aanwezig;
    std::vector<QString> Afwezig; // texts that must not print
    QString Combinatie;           // the wrapped combination box's text
    double CombinatieY;
};

// Flat-roof report for the screen texts `v`.
TRapportInhoud PlatRapport(TVelden v, bool nietStandaard) {
    TRapportInhoud r;
    auto& a = r.Aanwezig;
    a = Kopband();
    for (const auto& t : Tabelkop()) {
        a.push_back(t);
    }
    const std::vector<TVerwacht> vast{
        M(0, 8, 681, U("Rc-berekening"), 18, true),
        M(0, 40, 681, U("volgens NEN 1068"), 10, false),
        V(8, 144, U("Dakbedekking")),
        V(8, 168, U("Isolatie")),
        V(8, 192, U("Damprem")),
        V(8, 216, U("Onderconstructie")),
        L(136, 144, U("Bitumineus / Kunststof /Grind *")),
        L(360, 144, U("n.v.t.")),
        L(440, 144, U("n.v.t.")),
        R(608, 144, U("0,060")),
        L(136, 168, v[U("CBisolatie")]),
        R(360, 168, v[U("DikteIsol")]),
        R(472, 168, v[U("LambdaIsol")]),
        R(608, 168, v[U("RmIsol")]),
        L(136, 192, v[U("CBdamprem")]),
        R(360, 192, v[U("DikteDamprem")]),
        R(472, 192, v[U("LambdaDamprem")]),
        R(608, 192, v[U("RmDamprem")]),
        L(136, 216, v[U("CBonderconstructie")]),
        R(360, 216, v[U("DikteOndercons")]),
        R(472, 216, v[U("LambdaOndercons")]),
        R(608, 216, v[U("RmOndercons")]),
        V(552, 248, U("Som R:")),
        R(608, 248, v[U("SubTotaalRc")]),
        L(552, 280, U("Rse")),
        L(646, 280, U("0,04")),
        L(552, 304, U("Rsi")),
        L(646, 304, U("0,10")),
        L(0, 248,
          U("* volgens NPR 2068:2002 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd"),
          8),
        M(6, 368, 667, U("Bevestiger:"), 10, true),
        V(8, 408, U("Combinatie bevestiger/drukverdeelplaat:")),
        M(8, 536, 665, U("Resultaten:"), 10, true),
        V(8, 728, U("Rc-waarde"), 14),
        L(128, 728, v[U("EditRc")] + kM2KW, 14),
        V(400, 728, U("U-waarde"), 14),
        L(504, 728, v[U("EditU")] + kWM2K, 14),
    };
    a.insert(a.end(), vast.begin(), vast.end());

    const TVerwacht standaard =
        L(0, 336,
          U("Let op! De gehanteerde laagdikte van de isolatie is niet een standaard dikte. De "
            "dikte is eventueel wel leverbaar."),
          8);
    (nietStandaard ? a.push_back(standaard) : r.Afwezig.push_back(standaard.Tekst));

    const std::vector<TVerwacht> bevestiging{
        V(8, 456, U("Aantal per m\u00b2:")),
        L(280, 456, v[U("EditAantal")]),
        V(8, 568, U("Vervangende lambda-waarde isolatie:")),
        L(264, 568, v[U("LambdaRW")] + U(" W/mK")),
        V(8, 592, U("Percentage correctie:")),
        L(264, 592, v[U("EditPercentage")] + U(" %")),
        V(8, 616, U("Vervangende R-waarde isolatie:")),
        L(264, 616, v[U("EditRmIsolCor")] + kM2KW),
        V(8, 640, U("Afname R-waarde:")),
        L(264, 640, v[U("RmReductie")] + kM2KW),
    };
    r.Combinatie = v[U("CBcombinatie")];
    r.CombinatieY = 408;
    for (const auto& t : bevestiging) {
        if (r.Combinatie != kGeen) {
            a.push_back(t);
        } else if (t.Vet) {
            r.Afwezig.push_back(t.Tekst);
        }
    }
    return r;
}

// Tapered report for the screen texts `v`.
TRapportInhoud AfschotRapport(TVelden v) {
    TRapportInhoud r;
    auto& a = r.Aanwezig;
    a = Kopband();
    for (const auto& t : Tabelkop()) {
        a.push_back(t);
    }
    const std::vector<TVerwacht> vast{
        M(0, 8, 681, U("Rc-berekening dak met afschotisolatie"), 18, true),
        M(0, 40, 681, U("volgens NEN 1068"), 10, false),
        V(8, 144, U("Dakbedekking")),
        L(136, 144, U("Bitumineus / Kunststof /Grind *")),
        L(360, 144, U("n.v.t.")),
        L(440, 144, U("n.v.t.")),
        R(608, 144, U("0,060")),
        V(8, 168, U("Afschotisolatie")),
        L(136, 168, v[U("cbIsolatie2")]),
        R(472, 168, v[U("LambdaIsol2")]),
        V(24, 200, U("Minimale dikte [mm]")),
        V(24, 224, U("Afschotlengte [m]")),
        V(24, 248, U("Maximale dikte [mm]")),
        R(176, 200, v[U("MinDikte")]),
        R(176, 224, v[U("AfschotLengte")]),
        R(176, 248, v[U("MaxDikte")]),
        V(256, 200, U("Oppervlakte type 1 [m\u00b2]")),
        V(256, 224, U("Oppervlakte type 2 [m\u00b2]")),
        V(256, 248, U("Oppervlakte type 3 [m\u00b2]")),
        R(424, 200, v[U("oppvl1")]),
        R(424, 224, v[U("oppvl2")]),
        R(424, 248, v[U("oppvl3")]),
        L(504, 240, U("Type 1")),
        L(560, 240, U("Type 2")),
        L(616, 240, U("Type 3")),
        V(8, 280, U("Damprem")),
        L(136, 280, v[U("cbDamprem2")]),
        R(360, 280, v[U("DikteDamprem2")]),
        R(472, 280, v[U("LambdaDamprem2")]),
        R(608, 280, v[U("RmDamprem2")]),
        V(8, 304, U("Onderconstructie")),
        L(136, 304, v[U("cbOnderconstructie2")]),
        R(360, 304, v[U("DikteOndercons2")]),
        R(472, 304, v[U("LambdaOndercons2")]),
        R(608, 304, v[U("RmOndercons2")]),
        L(552, 368, U("Rse")),
        L(646, 368, U("0,04")),
        L(552, 392, U("Rsi")),
        L(646, 392, U("0,10")),
        L(0, 336,
          U("* volgens NPR 2068 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd"), 8),
        M(6, 432, 667, U("Bevestiger:"), 10, true),
        V(8, 472, U("Combinatie bevestiger/drukverdeelplaat:")),
        M(8, 640, 665, U("Resultaten:"), 10, true),
        V(8, 688, U("Rc-waarde"), 14),
        L(128, 688, v[U("EditRc2")] + kM2KW, 14),
        V(400, 688, U("U-waarde"), 14),
        L(504, 688, v[U("EditU2")] + kWM2K, 14),
    };
    a.insert(a.end(), vast.begin(), vast.end());
    const std::vector<TVerwacht> bevestiging{
        V(8, 520, U("Aantal per m\u00b2:")),
        L(280, 520, v[U("EditAantal2")]),
        V(8, 552, U("Vervangende lambda-waarde isolatie als gevolg van mechanische bevestiging:")),
        L(520, 552, v[U("LambdaRW2")] + U(" W/mK")),
    };
    r.Combinatie = v[U("cbCombinatie2")];
    r.CombinatieY = 472;
    for (const auto& t : bevestiging) {
        if (r.Combinatie != kGeen) {
            a.push_back(t);
        } else if (t.Vet) {
            r.Afwezig.push_back(t.Tekst);
        }
    }
    // Never on the tapered report, whatever the screen holds.
    for (const char* t : {"Som R:", "Percentage correctie:", "Vervangende R-waarde isolatie:",
                          "Afname R-waarde:", "Let op!", "2068:2002"}) {
        r.Afwezig.push_back(U(t));
    }
    return r;
}

// The screen's texts as rcveltor-cli --json reports them; the PDF written.
struct TCliUitvoer {
    int Status = -1;
    TVelden Velden;
    bool NietStandaard = false;
    QString Fouten;
};

TCliUitvoer Cli(QStringList argumenten, const std::map<QString, QString>& extra = {},
                const QString& werkmap = QStringLiteral(RCV_DATA_DIR)) {
    QProcess p;
    p.setWorkingDirectory(werkmap);
    // As from a script on a machine without a display.
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    for (const char* naam : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        omgeving.remove(QString::fromLatin1(naam));
    }
    for (const auto& [naam, waarde] : extra) {
        omgeving.insert(naam, waarde);
    }
    p.setProcessEnvironment(omgeving);
    argumenten.prepend(QStringLiteral("--json"));
    p.start(QStringLiteral(RCV_CLI), argumenten);
    TCliUitvoer u;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        return u;
    }
    u.Status = p.exitCode();
    u.Fouten = QString::fromUtf8(p.readAllStandardError());
    const QJsonObject json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const QJsonObject velden = json.value(QStringLiteral("velden")).toObject();
    for (auto it = velden.begin(); it != velden.end(); ++it) {
        u.Velden[it.key()] = it.value().toString();
    }
    u.NietStandaard = json.value(QStringLiteral("DikteNietStandaard")).toBool();
    return u;
}

double Boven(const TVerwacht& t) {
    return kMargePt + ((t.Kopband ? 0 : kKopbandHoogte) + t.Y) * kPtPerEenheid;
}

void ControleerPlaats(const std::vector<TWoord>& woorden, const TVerwacht& t) {
    SCOPED_TRACE(t.Tekst.toStdString());
    const double boven = Boven(t);
    double links = PtX(t.X);
    const double rechts = PtX(t.X + t.Breedte);
    if (t.Lijn == TLijn::Rechts) {
        links = rechts - Breedte(t.Tekst, t.Punten, t.Vet);
    }
    const auto zin = ZoekZin(woorden, t.Tekst, links, boven);
    ASSERT_TRUE(zin.has_value()) << "not in the PDF";
    EXPECT_NEAR(zin->YMin, boven, kTolerantiePt);
    switch (t.Lijn) {
    case TLijn::Links:
        EXPECT_NEAR(zin->XMin, PtX(t.X), kTolerantiePt);
        break;
    case TLijn::Rechts:
        EXPECT_NEAR(zin->XMax, rechts, kTolerantiePt);
        break;
    case TLijn::Midden:
        EXPECT_NEAR((zin->XMin + zin->XMax) / 2, (PtX(t.X) + rechts) / 2, kTolerantiePt);
        break;
    }
    // The size shows in the box's height, the weight in its width where
    // regular and bold differ.
    EXPECT_NEAR(zin->YMax - zin->YMin, (kStijging + kDaling) * t.Punten, 0.05 * t.Punten);
    const double regulier = Breedte(t.Tekst, t.Punten, false);
    const double vet = Breedte(t.Tekst, t.Punten, true);
    if (std::abs(vet - regulier) > 0.5) {
        EXPECT_NEAR(zin->XMax - zin->XMin, t.Vet ? vet : regulier, 0.25)
            << (t.Vet ? "bold" : "regular");
    }
}

// The combination box (x 280, 393 × 41) wraps at word boundaries onto at
// most two lines; here the whole text fits in two.
void ControleerCombinatie(const std::vector<TWoord>& woorden, const QString& tekst, double y) {
    SCOPED_TRACE(tekst.toStdString());
    const double boven = kMargePt + (kKopbandHoogte + y) * kPtPerEenheid;
    const double links = PtX(280);
    const double rechts = PtX(280 + 393);
    std::map<double, QStringList> regels; // by yMin
    for (const TWoord& w : woorden) {
        if (w.XMin > links - kTolerantiePt && w.XMax < rechts + kTolerantiePt &&
            w.YMin > boven - kTolerantiePt && w.YMax < boven + 41 * kPtPerEenheid) {
            regels[w.YMin] << w.Tekst;
        }
    }
    const QString enkel = tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    const bool past = Breedte(tekst, 10, false) <= 393 * kPtPerEenheid;
    ASSERT_EQ(regels.size(), past ? 1u : 2u);
    QStringList samen;
    for (const auto& [regelY, delen] : regels) {
        samen << delen.join(QLatin1Char(' '));
    }
    EXPECT_EQ(samen.join(QLatin1Char(' ')), enkel) << "a word is missing or cut";
    EXPECT_NEAR(regels.begin()->first, boven, kTolerantiePt);
    if (!past) {
        EXPECT_NEAR(std::next(regels.begin())->first - boven, (kStijging + kDaling) * 10,
                    kTolerantiePt);
        auto eerste = ZoekZin(woorden, regels.begin()->second.join(QLatin1Char(' ')), links, boven);
        ASSERT_TRUE(eerste.has_value());
        EXPECT_NEAR(eerste->XMin, links, kTolerantiePt);
    }
}

struct TGeval {
    const char* Naam;
    bool Afschot;
    QStringList Argumenten;
};

void PrintTo(const TGeval& g, std::ostream* os) {
    *os << g.Naam;
}

class RapportPdf : public testing::TestWithParam<TGeval> {
protected:
    void SetUp() override {
        ASSERT_TRUE(map_.isValid());
        pdf_ = map_.filePath(QStringLiteral("rapport.pdf"));
        QStringList argumenten = GetParam().Argumenten;
        if (GetParam().Afschot) {
            argumenten.prepend(QStringLiteral("--afschot"));
        }
        cli_ = Cli(argumenten << QStringLiteral("--pdf") << pdf_);
        ASSERT_EQ(cli_.Status, 0) << cli_.Fouten.toStdString();
        ASSERT_TRUE(QFile::exists(pdf_));
        inhoud_ = GetParam().Afschot ? AfschotRapport(cli_.Velden)
                                     : PlatRapport(cli_.Velden, cli_.NietStandaard);
    }

    QTemporaryDir map_;
    QString pdf_;
    TCliUitvoer cli_;
    TRapportInhoud inhoud_;
};

TEST_P(RapportPdf, EveryTextAtItsPlaceInItsFont) {
    const auto woorden = Woorden(pdf_);
    ASSERT_FALSE(woorden.empty()) << "no extractable text";
    for (const TVerwacht& t : inhoud_.Aanwezig) {
        ControleerPlaats(woorden, t);
    }
    ControleerCombinatie(woorden, inhoud_.Combinatie, inhoud_.CombinatieY);
}

TEST_P(RapportPdf, SwitchedOffTextsAreAbsent) {
    const auto woorden = Woorden(pdf_);
    ASSERT_FALSE(woorden.empty());
    for (const QString& t : inhoud_.Afwezig) {
        EXPECT_FALSE(ZoekZin(woorden, t, 0, 0).has_value()) << t.toStdString();
    }
}

TEST_P(RapportPdf, OneA4PageWithWholeFontsAndLosslessImages) {
    const auto info = Voer(QStringLiteral("pdfinfo"), {pdf_});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains("Pages:           1\n"));
    EXPECT_TRUE(info->contains("Page size:       595.276 x 841.89 pts (A4)"));

    // name type encoding emb sub uni object ID
    const auto fonts = Lettertypen(pdf_);
    ASSERT_EQ(fonts.size(), 2u);
    QStringList namen;
    for (const QStringList& f : fonts) {
        ASSERT_GE(f.size(), 6);
        namen << f[0];
        EXPECT_EQ(f[1], QStringLiteral("TrueType"));
        EXPECT_EQ(f[2], QStringLiteral("WinAnsi"));
        EXPECT_EQ(f[3], QStringLiteral("yes")) << "embedded";
        EXPECT_EQ(f[4], QStringLiteral("no")) << "subset";
    }
    namen.sort();
    EXPECT_EQ(namen, (QStringList{QStringLiteral("LiberationSans"),
                                  QStringLiteral("LiberationSans-Bold")}));

    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi
    const auto beelden = Beelden(pdf_);
    ASSERT_GE(beelden.size(), 5u);
    for (const QStringList& b : beelden) {
        ASSERT_GE(b.size(), 13);
        EXPECT_EQ(b[5], QStringLiteral("rgb"));
        EXPECT_EQ(b[8], QStringLiteral("image")) << "not a lossless bitmap: " << b[8].toStdString();
        // Pictures at natural size stand at 96 dpi; the stretched bars do not.
        if (b[3].toInt() > 5) {
            EXPECT_EQ(b[12], QStringLiteral("96"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, RapportPdf,
    testing::Values(TGeval{"FlatStart", false, {}},
                    TGeval{"FlatWithFasteners",
                           false,
                           {U("--onderconstructie"), U("Betondak"), U("--combinatie"), U("2"),
                            U("--aantal"), U("4.5")}},
                    TGeval{"FlatNonStandardThickness", false, {U("--dikte"), U("57")}},
                    TGeval{"FlatLongestCombination",
                           false,
                           {U("--damprem"), U("Gebitumineerd aluminiumfolie"),
                            U("--onderconstructie"), U("Betondak"), U("--combinatie"), U("8"),
                            U("--aantal"), U("6"), U("--dikte"), U("62.5")}},
                    // ">" must survive extraction; the double space of combination 5 too.
                    TGeval{"FlatWoodCombination5",
                           false,
                           {U("--isolatie"), U("Ostrel Vlak"), U("--onderconstructie"),
                            U("Houtachtige plaatmaterialen"), U("--combinatie"), U("5")}},
                    TGeval{"TaperedStart", true, {}},
                    TGeval{"TaperedLongNameWithFasteners",
                           true,
                           {U("--isolatie"), U("Ostrel Afschotplaat 15mm/m"), U("--min-dikte"),
                            U("52.5"), U("--afschot-lengte"), U("7.25"), U("--oppervlak1"),
                            U("12.5"), U("--oppervlak2"), U("3"), U("--oppervlak3"), U("0.75"),
                            U("--combinatie"), U("2"), U("--aantal"), U("5")}},
                    TGeval{"TaperedLongestCombination",
                           true,
                           {U("--onderconstructie"), U("Betondak"), U("--combinatie"), U("8")}}),
    [](const testing::TestParamInfo<TGeval>& info) { return std::string(info.param.Naam); });

// The units with the superscript two: one WinAnsi byte (0xB2) in the page's
// content, "²" again when the text is extracted.
TEST(RapportPdfTekst, SuperscriptTwoIsOneWinAnsiCharacter) {
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("plat.pdf"));
    ASSERT_EQ(Cli({QStringLiteral("--pdf"), pdf}).Status, 0);
    const QString tekst = Tekst(pdf);
    EXPECT_TRUE(tekst.contains(U("2,74 m\u00b2K/W")));
    EXPECT_TRUE(tekst.contains(U("0,35 W/m\u00b2K")));
    EXPECT_TRUE(tekst.contains(U("R-waarde [m\u00b2K/W]")));

    PoDoFo::PdfMemDocument doc(QFile::encodeName(pdf).constData());
    PoDoFo::PdfPage* pagina = doc.GetPage(0);
    ASSERT_NE(pagina, nullptr);
    char* buffer = nullptr;
    PoDoFo::pdf_long lengte = 0;
    pagina->GetContents()->GetStream()->GetFilteredCopy(&buffer, &lengte);
    const QByteArray inhoud(buffer, static_cast<qsizetype>(lengte));
    PoDoFo::podofo_free(buffer);
    // Strings are written in hex: "m²K/W" is 6D B2 4B 2F 57.
    EXPECT_TRUE(inhoud.toUpper().contains("6DB24B2F57")) << "m\u00b2K/W is not 5 bytes";
}

// The embedded font programs are the font files themselves, byte for byte.
TEST(RapportPdfTekst, FontProgramsAreTheWholeFiles) {
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("afschot.pdf"));
    ASSERT_EQ(Cli({QStringLiteral("--afschot"), QStringLiteral("--pdf"), pdf}).Status, 0);

    std::map<QByteArray, QByteArray> bestanden;
    const TPdfLetters letters = ZoekRapportLetters();
    for (const auto& [naam, pad] :
         {std::pair{"Regular", letters.Regulier}, {"Bold", letters.Vet}}) {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bestanden[f.readAll()] = naam;
    }
    PoDoFo::PdfMemDocument doc(QFile::encodeName(pdf).constData());
    int gevonden = 0;
    for (PoDoFo::PdfObject* o : doc.GetObjects()) {
        if (!o->IsDictionary() || !o->GetDictionary().HasKey("FontFile2")) {
            continue;
        }
        PoDoFo::PdfObject* programma =
            doc.GetObjects().GetObject(o->GetDictionary().GetKey("FontFile2")->GetReference());
        ASSERT_NE(programma, nullptr);
        char* buffer = nullptr;
        PoDoFo::pdf_long lengte = 0;
        programma->GetStream()->GetFilteredCopy(&buffer, &lengte);
        const QByteArray font(buffer, static_cast<qsizetype>(lengte));
        PoDoFo::podofo_free(buffer);
        EXPECT_EQ(programma->GetDictionary().GetKeyAsLong("Length1"), lengte);
        EXPECT_TRUE(bestanden.count(font) == 1)
            << "font program of " << lengte << " bytes is not a whole font file";
        bestanden.erase(font);
        ++gevonden;
    }
    EXPECT_EQ(gevonden, 2);
}

// The shipped maker's details stay inside their boxes: nothing runs into the
// photo strip, which starts at x 507.
TEST(RapportPdfKop, ShippedMakersDetailsFitTheHeader) {
    constexpr double kPtPerEenheid = 72.0 / 96.0;
    for (const TVerwacht& t : Kopband()) {
        const double rechts = t.X + Breedte(t.Tekst, 8, true) / kPtPerEenheid;
        EXPECT_LE(rechts, t.X < 448 ? 448 : 507) << t.Tekst.toStdString();
    }
}

// Longer details are cut to their column with an ellipsis: nothing reaches
// the next column or the photo strip.
TEST(RapportPdfKop, LongMakersDetailsAreCutToTheirColumns) {
    QTemporaryDir map;
    {
        QFile ini(map.filePath(QStringLiteral("fabrikant.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Fabrikant]\nStraat=Bedrijventerrein De Lange Akker 1234 bis\n"
                  "PostcodePlaats=1234 AB Sint-Michielsgestel-Noord\n"
                  "Telefoon=+31 (0)12 345 67 89 toestel 1234\nFax=+31 (0)12 345 67 80 afdeling 9\n"
                  "Email=verkoop@voorbeeldbedrijf.test\n");
    }
    const QString pdf = map.filePath(QStringLiteral("kop.pdf"));
    ASSERT_EQ(Cli({QStringLiteral("--lambda-bestand"), QStringLiteral(RCV_LAMBDA_BIN),
                   QStringLiteral("--pdf"), pdf},
                  {}, map.path())
                  .Status,
              0);
    // Columns from x to the right edge of their box [layout units].
    const std::pair<double, double> kolommen[] = {{176, 320}, {328, 440}, {448, 507}};
    int puntjes = 0;
    for (const TWoord& w : Woorden(pdf)) {
        if (w.YMin > kMargePt + kKopbandHoogte * kPtPerEenheid) {
            continue;
        }
        for (const auto& [links, rechts] : kolommen) {
            if (w.XMin >= PtX(links) - kTolerantiePt && w.XMin < PtX(rechts)) {
                EXPECT_LE(w.XMax, PtX(rechts) + kTolerantiePt) << w.Tekst.toStdString();
            }
        }
        puntjes += w.Tekst.endsWith(QStringLiteral("\u2026"));
    }
    EXPECT_EQ(puntjes, 5);
}

// The info window's shipped text names the maker as the shipped details of
// the report do, and a missing "fabrikant.ini" gives those same details.
TEST(RapportPdfKop, ShippedExamplesNameTheSameMaker) {
    using rcveltor::rapport::TContact;
    const TContact bestand =
        rcveltor::rapport::LeesContactgegevens(U(RCV_BRON_DATA "/fabrikant.ini"));
    const TContact zonder = rcveltor::rapport::LeesContactgegevens(U("/nonexistent/fabrikant.ini"));
    QFile rtf(U(RCV_BRON_DATA "/info.rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    const QString info = QString::fromLatin1(rtf.readAll());
    for (QString TContact::*veld :
         {&TContact::Naam, &TContact::Straat, &TContact::PostcodePlaats, &TContact::Telefoon,
          &TContact::Fax, &TContact::Email, &TContact::Web}) {
        EXPECT_EQ(bestand.*veld, zonder.*veld);
        EXPECT_TRUE(info.contains(bestand.*veld)) << (bestand.*veld).toStdString();
    }
}

// Writing happens after the options, without a window; a file that cannot
// be written, or a report font that is not installed, is an error of the run,
// not of the command line, and leaves no file.
TEST(RapportPdfCli, FailedWriteExitsOneAndSaysWhy) {
    QTemporaryDir map;
    const QString leegConf = map.filePath(QStringLiteral("leeg.conf"));
    {
        QFile conf(leegConf);
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("<?xml version=\"1.0\"?><fontconfig></fontconfig>\n");
    }
    const QString goedPad = map.filePath(QStringLiteral("rapport.pdf"));
    const struct {
        QString Pad;
        std::map<QString, QString> Omgeving;
        QString Melding;
    } gevallen[] = {
        {U("/nonexistent/map/rapport.pdf"), {}, U("/nonexistent/map/rapport.pdf")},
        {goedPad,
         {{U("FONTCONFIG_FILE"), leegConf}},
         U("Het lettertype Liberation Sans (normaal en vet) is niet gevonden")},
    };
    for (const auto& g : gevallen) {
        TCliUitvoer u = Cli({QStringLiteral("--pdf"), g.Pad}, g.Omgeving);
        EXPECT_EQ(u.Status, 1) << g.Pad.toStdString();
        EXPECT_TRUE(u.Fouten.contains(g.Melding)) << u.Fouten.toStdString();
        EXPECT_EQ(u.Velden[U("EditRc")], U("2,74")) << "the calculation is still reported";
        EXPECT_FALSE(QFile::exists(g.Pad));
    }
}

} // namespace
