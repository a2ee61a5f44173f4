// Both reports saved by `rcveltor-cli --pdf` for several screen states and
// read back with poppler's tools: every text at its place in its font, the
// conditional texts, the fonts embedded whole, lossless images.

#include "reports/Kopband.h"
#include "reports/Letterbestanden.h"
#include "reports/PdfExport.h"
#include "tests/reports/Pdfonderzoek.h"

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

// The reports as their layout is meant to look, in millimetres from the
// page's top-left corner (A4, 210 x 297 mm, margins of 15 mm), as read off
// a rendered report with pdftotext -bbox. A text's top is the top of its
// line; its place is its left edge, its right edge (numbers in their
// columns) or its centre (headings).
namespace maat {
// The header band: the maker's details in three columns beside the logo,
// up to the photo strip; the band ends 36.2 mm from the top.
constexpr double kKopAdres = 61.6;
constexpr double kKopTelefoon = 101.8;
constexpr double kKopEmail = 133.5;
constexpr double kFotostrook = 149.1;
constexpr double kKopRegel1 = 25.1;
constexpr double kKopRegel2 = 30.3;
constexpr double kKopbandOnder = 36.2;
// Where a column of the header ends: a gap before the next one.
constexpr double kKopAdresEinde = 99.7;
constexpr double kKopTelefoonEinde = 131.4;

// Both reports: the title and the method centred under each other, then
// the layer table with its header row.
constexpr double kMidden = 105.1; // the centre of the body, between the margins
constexpr double kTitel = 38.3;
constexpr double kNorm = 46.8;
constexpr double kTabelkop = 65.8;
constexpr double kRijAfstand = 6.35;   // a quarter inch from row to row
constexpr double kDakbedekking = 74.3; // the first row
// Columns of the table: left edges of the texts, right edges of the numbers.
constexpr double kLaag = 17.1;
constexpr double kMateriaal = 51.0;
constexpr double kDikte = 110.3;
constexpr double kDikteRechts = 127.4;
constexpr double kLambda = 131.4;
constexpr double kLambdaRechts = 157.1;
constexpr double kR = 161.1;
constexpr double kRRechts = 193.1;
constexpr double kRseWaarde = 185.9; // Rse and Rsi: the fixed values
constexpr double kMarge = 15.0;      // footnotes start at the margin
// The fastener and results boxes: captions at kLaag, values in a column
// of their own; the silver headings centred in their boxes.
constexpr double kBevestigerMidden = 104.8;
constexpr double kBevestigerWaarde = 89.1; // also the combination's box
constexpr double kCombinatieRechts = 193.1;
constexpr double kCombinatieHoogte = 10.8;
constexpr double kResultaatWaarde = 84.9; // the flat report's results
constexpr double kRcWaarde = 48.9;
constexpr double kU = 120.8;
constexpr double kUWaarde = 148.4;
// The tapered report's geometry block, under its insulation row.
constexpr double kGeometrie = 21.4;
constexpr double kGeometrieRechts = 78.8;
constexpr double kOppervlak = 82.7;
constexpr double kOppervlakRechts = 144.4;
constexpr double kType1 = 148.4, kType2 = 163.2, kType3 = 178.0;
constexpr double kAfschotLambdaWaarde = 152.6;

// The row of the table `n` rows below the roof covering.
constexpr double Rij(int n) {
    return kDakbedekking + n * kRijAfstand;
}
} // namespace maat

enum class TLijn { Links, Midden, Rechts };

// A text where the layout puts it: X is its left edge, centre or right edge
// as Lijn says, Y its top [mm from the page's top-left corner].
struct TVerwacht {
    QString Tekst;
    double X, Y;
    double Punten = 10;
    bool Vet = false;
    TLijn Lijn = TLijn::Links;
};

TVerwacht L(double links, double boven, const QString& tekst, double punten = 10,
            bool vet = false) {
    return {tekst, links, boven, punten, vet};
}
TVerwacht V(double links, double boven, const QString& tekst, double punten = 10) {
    return {tekst, links, boven, punten, true};
}
TVerwacht R(double rechts, double boven, const QString& tekst) {
    return {tekst, rechts, boven, 10, false, TLijn::Rechts};
}
TVerwacht M(double midden, double boven, const QString& tekst, double punten, bool vet) {
    return {tekst, midden, boven, punten, vet, TLijn::Midden};
}

// Millimetres to the points pdftotext reports.
double Pt(double mm) {
    return mm * 72 / 25.4;
}

QString U(const char* tekst) {
    return QString::fromUtf8(tekst);
}

const QString kM2KW = U(" m\u00b2K/W");
const QString kWM2K = U(" W/m\u00b2K");
const QString kGeen = U("0. Geen mechanische bevestiging");

// The header band: the same on both reports.
std::vector<TVerwacht> Kopband() {
    using namespace maat;
    // The shipped file beside lambda.bin, which the calculator reads.
    const auto contact = rcveltor::rapport::LeesContactgegevens(U(RCV_DATA_DIR "/fabrikant.ini"));
    return {V(kKopAdres, kKopRegel1, contact.Straat, 8),
            V(kKopAdres, kKopRegel2, contact.PostcodePlaats, 8),
            V(kKopTelefoon, kKopRegel1, U("Tel. ") + contact.Telefoon, 8),
            V(kKopTelefoon, kKopRegel2, U("Fax ") + contact.Fax, 8),
            V(kKopEmail, kKopRegel2, contact.Email, 8)};
}

std::vector<TVerwacht> Tabelkop() {
    using namespace maat;
    return {V(kLaag, kTabelkop, U("Constructie")), V(kMateriaal, kTabelkop, U("Materiaal")),
            V(kDikte, kTabelkop, U("dikte [mm]")), V(kLambda, kTabelkop, U("lambda [W/mK]")),
            V(kR, kTabelkop, U("R-waarde [m\u00b2K/W]"))};
}

using TVelden = std::map<QString, QString>;

struct TRapportInhoud {
    std::vector<TVerwacht> Aanwezig;
    std::vector<QString> Afwezig; // texts that must not print
    QString Combinatie;           // the wrapped combination box's text
    double CombinatieBoven;       // its top [mm]
};

// Flat-roof report for the screen texts `scherm`.
TRapportInhoud PlatRapport(TVelden scherm, bool nietStandaard) {
    using namespace maat;
    TRapportInhoud inhoud;
    auto& aanwezig = inhoud.Aanwezig;
    aanwezig = Kopband();
    for (const auto& t : Tabelkop()) {
        aanwezig.push_back(t);
    }
    // The lower part: Som R and the surface resistances under the R column,
    // the fastener box, the results box, Rc and U in large type.
    const double somR = 101.8;
    const double rse = 110.3;
    const double rsi = 116.6;
    const double standaard = 125.1;
    const double bevestiger = 133.5;
    const double combinatie = 144.1;
    const double aantal = 156.8;
    const double resultaten = 178.0;
    const double vervangendeLambda = 186.5;
    const double percentage = 192.8;
    const double vervangendeR = 199.2;
    const double afnameR = 205.5;
    const double rc = 228.8;
    const std::vector<TVerwacht> vast{
        M(kMidden, kTitel, U("Rc-berekening"), 18, true),
        M(kMidden, kNorm, U("volgens NEN 1068"), 10, false),
        V(kLaag, Rij(0), U("Dakbedekking")),
        V(kLaag, Rij(1), U("Isolatie")),
        V(kLaag, Rij(2), U("Damprem")),
        V(kLaag, Rij(3), U("Onderconstructie")),
        L(kMateriaal, Rij(0), U("Bitumineus / Kunststof /Grind *")),
        L(kDikte, Rij(0), U("n.v.t.")),
        L(kLambda, Rij(0), U("n.v.t.")),
        R(kRRechts, Rij(0), U("0,060")),
        L(kMateriaal, Rij(1), scherm[U("CBisolatie")]),
        R(kDikteRechts, Rij(1), scherm[U("DikteIsol")]),
        R(kLambdaRechts, Rij(1), scherm[U("LambdaIsol")]),
        R(kRRechts, Rij(1), scherm[U("RmIsol")]),
        L(kMateriaal, Rij(2), scherm[U("CBdamprem")]),
        R(kDikteRechts, Rij(2), scherm[U("DikteDamprem")]),
        R(kLambdaRechts, Rij(2), scherm[U("LambdaDamprem")]),
        R(kRRechts, Rij(2), scherm[U("RmDamprem")]),
        L(kMateriaal, Rij(3), scherm[U("CBonderconstructie")]),
        R(kDikteRechts, Rij(3), scherm[U("DikteOndercons")]),
        R(kLambdaRechts, Rij(3), scherm[U("LambdaOndercons")]),
        R(kRRechts, Rij(3), scherm[U("RmOndercons")]),
        V(kR, somR, U("Som R:")),
        R(kRRechts, somR, scherm[U("SubTotaalRc")]),
        L(kR, rse, U("Rse")),
        L(kRseWaarde, rse, U("0,04")),
        L(kR, rsi, U("Rsi")),
        L(kRseWaarde, rsi, U("0,10")),
        L(kMarge, somR,
          U("* volgens NPR 2068:2002 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd"),
          8),
        M(kBevestigerMidden, bevestiger, U("Bevestiger:"), 10, true),
        V(kLaag, combinatie, U("Combinatie bevestiger/drukverdeelplaat:")),
        M(kMidden, resultaten, U("Resultaten:"), 10, true),
        V(kLaag, rc, U("Rc-waarde"), 14),
        L(kRcWaarde, rc, scherm[U("EditRc")] + kM2KW, 14),
        V(kU, rc, U("U-waarde"), 14),
        L(kUWaarde, rc, scherm[U("EditU")] + kWM2K, 14),
    };
    aanwezig.insert(aanwezig.end(), vast.begin(), vast.end());

    const TVerwacht nietStandaardRegel =
        L(kMarge, standaard,
          U("Let op! De gehanteerde laagdikte van de isolatie is niet een standaard dikte. De "
            "dikte is eventueel wel leverbaar."),
          8);
    (nietStandaard ? aanwezig.push_back(nietStandaardRegel)
                   : inhoud.Afwezig.push_back(nietStandaardRegel.Tekst));

    const std::vector<TVerwacht> bevestiging{
        V(kLaag, aantal, U("Aantal per m\u00b2:")),
        L(kBevestigerWaarde, aantal, scherm[U("EditAantal")]),
        V(kLaag, vervangendeLambda, U("Vervangende lambda-waarde isolatie:")),
        L(kResultaatWaarde, vervangendeLambda, scherm[U("LambdaRW")] + U(" W/mK")),
        V(kLaag, percentage, U("Percentage correctie:")),
        L(kResultaatWaarde, percentage, scherm[U("EditPercentage")] + U(" %")),
        V(kLaag, vervangendeR, U("Vervangende R-waarde isolatie:")),
        L(kResultaatWaarde, vervangendeR, scherm[U("EditRmIsolCor")] + kM2KW),
        V(kLaag, afnameR, U("Afname R-waarde:")),
        L(kResultaatWaarde, afnameR, scherm[U("RmReductie")] + kM2KW),
    };
    inhoud.Combinatie = scherm[U("CBcombinatie")];
    inhoud.CombinatieBoven = combinatie;
    for (const auto& t : bevestiging) {
        if (inhoud.Combinatie != kGeen) {
            aanwezig.push_back(t);
        } else if (t.Vet) {
            inhoud.Afwezig.push_back(t.Tekst);
        }
    }
    return inhoud;
}

// Tapered report for the screen texts `scherm`.
TRapportInhoud AfschotRapport(TVelden scherm) {
    using namespace maat;
    TRapportInhoud inhoud;
    auto& aanwezig = inhoud.Aanwezig;
    aanwezig = Kopband();
    for (const auto& t : Tabelkop()) {
        aanwezig.push_back(t);
    }
    // The geometry block: three rows a quarter inch apart under the
    // insulation's row; the lower part follows as on the flat report.
    const double minDikte = 89.1;
    const double lengte = minDikte + kRijAfstand;
    const double maxDikte = minDikte + 2 * kRijAfstand;
    const double typen = 99.7;
    const double damprem = 110.3;
    const double onderconstructie = 116.6;
    const double voetnoot = 125.1;
    const double rse = 133.5;
    const double rsi = 139.9;
    const double bevestiger = 150.5;
    const double combinatie = 161.1;
    const double aantal = 173.8;
    const double vervangendeLambda = 182.2;
    const double resultaten = 205.5;
    const double rc = 218.2;
    const std::vector<TVerwacht> vast{
        M(kMidden, kTitel, U("Rc-berekening dak met afschotisolatie"), 18, true),
        M(kMidden, kNorm, U("volgens NEN 1068"), 10, false),
        V(kLaag, Rij(0), U("Dakbedekking")),
        L(kMateriaal, Rij(0), U("Bitumineus / Kunststof /Grind *")),
        L(kDikte, Rij(0), U("n.v.t.")),
        L(kLambda, Rij(0), U("n.v.t.")),
        R(kRRechts, Rij(0), U("0,060")),
        V(kLaag, Rij(1), U("Afschotisolatie")),
        L(kMateriaal, Rij(1), scherm[U("cbIsolatie2")]),
        R(kLambdaRechts, Rij(1), scherm[U("LambdaIsol2")]),
        V(kGeometrie, minDikte, U("Minimale dikte [mm]")),
        V(kGeometrie, lengte, U("Afschotlengte [m]")),
        V(kGeometrie, maxDikte, U("Maximale dikte [mm]")),
        R(kGeometrieRechts, minDikte, scherm[U("MinDikte")]),
        R(kGeometrieRechts, lengte, scherm[U("AfschotLengte")]),
        R(kGeometrieRechts, maxDikte, scherm[U("MaxDikte")]),
        V(kOppervlak, minDikte, U("Oppervlakte type 1 [m\u00b2]")),
        V(kOppervlak, lengte, U("Oppervlakte type 2 [m\u00b2]")),
        V(kOppervlak, maxDikte, U("Oppervlakte type 3 [m\u00b2]")),
        R(kOppervlakRechts, minDikte, scherm[U("oppvl1")]),
        R(kOppervlakRechts, lengte, scherm[U("oppvl2")]),
        R(kOppervlakRechts, maxDikte, scherm[U("oppvl3")]),
        L(kType1, typen, U("Type 1")),
        L(kType2, typen, U("Type 2")),
        L(kType3, typen, U("Type 3")),
        V(kLaag, damprem, U("Damprem")),
        L(kMateriaal, damprem, scherm[U("cbDamprem2")]),
        R(kDikteRechts, damprem, scherm[U("DikteDamprem2")]),
        R(kLambdaRechts, damprem, scherm[U("LambdaDamprem2")]),
        R(kRRechts, damprem, scherm[U("RmDamprem2")]),
        V(kLaag, onderconstructie, U("Onderconstructie")),
        L(kMateriaal, onderconstructie, scherm[U("cbOnderconstructie2")]),
        R(kDikteRechts, onderconstructie, scherm[U("DikteOndercons2")]),
        R(kLambdaRechts, onderconstructie, scherm[U("LambdaOndercons2")]),
        R(kRRechts, onderconstructie, scherm[U("RmOndercons2")]),
        L(kR, rse, U("Rse")),
        L(kRseWaarde, rse, U("0,04")),
        L(kR, rsi, U("Rsi")),
        L(kRseWaarde, rsi, U("0,10")),
        L(kMarge, voetnoot,
          U("* volgens NPR 2068 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd"), 8),
        M(kBevestigerMidden, bevestiger, U("Bevestiger:"), 10, true),
        V(kLaag, combinatie, U("Combinatie bevestiger/drukverdeelplaat:")),
        M(kMidden, resultaten, U("Resultaten:"), 10, true),
        V(kLaag, rc, U("Rc-waarde"), 14),
        L(kRcWaarde, rc, scherm[U("EditRc2")] + kM2KW, 14),
        V(kU, rc, U("U-waarde"), 14),
        L(kUWaarde, rc, scherm[U("EditU2")] + kWM2K, 14),
    };
    aanwezig.insert(aanwezig.end(), vast.begin(), vast.end());
    const std::vector<TVerwacht> bevestiging{
        V(kLaag, aantal, U("Aantal per m\u00b2:")),
        L(kBevestigerWaarde, aantal, scherm[U("EditAantal2")]),
        V(kLaag, vervangendeLambda,
          U("Vervangende lambda-waarde isolatie als gevolg van mechanische bevestiging:")),
        L(kAfschotLambdaWaarde, vervangendeLambda, scherm[U("LambdaRW2")] + U(" W/mK")),
    };
    inhoud.Combinatie = scherm[U("cbCombinatie2")];
    inhoud.CombinatieBoven = combinatie;
    for (const auto& t : bevestiging) {
        if (inhoud.Combinatie != kGeen) {
            aanwezig.push_back(t);
        } else if (t.Vet) {
            inhoud.Afwezig.push_back(t.Tekst);
        }
    }
    // Never on the tapered report, whatever the screen holds.
    for (const char* t : {"Som R:", "Percentage correctie:", "Vervangende R-waarde isolatie:",
                          "Afname R-waarde:", "Let op!", "2068:2002"}) {
        inhoud.Afwezig.push_back(U(t));
    }
    return inhoud;
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

void ControleerPlaats(const std::vector<TWoord>& woorden, const TVerwacht& t) {
    SCOPED_TRACE(t.Tekst.toStdString());
    const double boven = Pt(t.Y);
    const double breedte = Breedte(t.Tekst, t.Punten, t.Vet);
    // Where the text starts, to find it by.
    const double links = t.Lijn == TLijn::Links    ? Pt(t.X)
                         : t.Lijn == TLijn::Rechts ? Pt(t.X) - breedte
                                                   : Pt(t.X) - breedte / 2;
    const auto zin = ZoekZin(woorden, t.Tekst, links, boven);
    ASSERT_TRUE(zin.has_value()) << "not in the PDF";
    EXPECT_NEAR(zin->YMin, boven, kTolerantiePt);
    switch (t.Lijn) {
    case TLijn::Links:
        EXPECT_NEAR(zin->XMin, Pt(t.X), kTolerantiePt);
        break;
    case TLijn::Rechts:
        EXPECT_NEAR(zin->XMax, Pt(t.X), kTolerantiePt);
        break;
    case TLijn::Midden:
        EXPECT_NEAR((zin->XMin + zin->XMax) / 2, Pt(t.X), kTolerantiePt);
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

// The combination box, beside its caption up to the R column's right edge,
// wraps at word boundaries onto at most two lines; here the whole text fits
// in two.
void ControleerCombinatie(const std::vector<TWoord>& woorden, const QString& tekst,
                          double bovenMm) {
    SCOPED_TRACE(tekst.toStdString());
    const double boven = Pt(bovenMm);
    const double links = Pt(maat::kBevestigerWaarde);
    const double rechts = Pt(maat::kCombinatieRechts);
    std::map<double, QStringList> regels; // by yMin
    for (const TWoord& w : woorden) {
        if (w.XMin > links - kTolerantiePt && w.XMax < rechts + kTolerantiePt &&
            w.YMin > boven - kTolerantiePt && w.YMax < boven + Pt(maat::kCombinatieHoogte)) {
            regels[w.YMin] << w.Tekst;
        }
    }
    const QString enkel = tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    const bool past = Breedte(tekst, 10, false) <= rechts - links;
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
    ControleerCombinatie(woorden, inhoud_.Combinatie, inhoud_.CombinatieBoven);
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
// e-mail column or, from there, into the photo strip.
TEST(RapportPdfKop, ShippedMakersDetailsFitTheHeader) {
    using namespace maat;
    for (const TVerwacht& t : Kopband()) {
        const double rechts = t.X + Breedte(t.Tekst, 8, true) * 25.4 / 72;
        EXPECT_LE(rechts, t.X < kKopEmail ? kKopEmail : kFotostrook) << t.Tekst.toStdString();
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
    // Columns from their left edge to the end of their box [mm].
    using namespace maat;
    const std::pair<double, double> kolommen[] = {
        {kKopAdres, kKopAdresEinde}, {kKopTelefoon, kKopTelefoonEinde}, {kKopEmail, kFotostrook}};
    int puntjes = 0;
    for (const TWoord& w : Woorden(pdf)) {
        if (w.YMin > Pt(kKopbandOnder)) {
            continue;
        }
        for (const auto& [links, rechts] : kolommen) {
            if (w.XMin >= Pt(links) - kTolerantiePt && w.XMin < Pt(rechts)) {
                EXPECT_LE(w.XMax, Pt(rechts) + kTolerantiePt) << w.Tekst.toStdString();
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
