// The PDF export on its own: pages built element by element, written, and
// read back with poppler (rendered at 96 dpi, one pixel per layout unit).

#include "basis/RcFout.h"
#include "calc/RekenModel.h"
#include "reports/Letterbestanden.h"
#include "reports/PdfExport.h"
#include "reports/Tekenen.h"
#include "reports/Tekstopmaak.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "tests/reports/Pdfonderzoek.h"

#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rcveltor;
using namespace rcveltor::rapport;
using namespace rcveltor::test;

namespace {

QString U(const char* tekst) {
    return QString::fromUtf8(tekst);
}

TTekstElement Tekst(QRectF vak, const QString& tekst, bool automatisch = false,
                    TUitlijning lijn = TUitlijning::Links) {
    TTekstElement t;
    t.Vak = vak;
    t.Tekst = tekst;
    t.Automatisch = automatisch;
    t.Uitlijning = lijn;
    return t;
}

// A page set of one page, written to a file in its own folder.
class EenPagina : public testing::Test {
protected:
    QString Schrijf(std::vector<TElement> elementen) {
        TPaginaSet set;
        set.Paginas.push_back({std::move(elementen)});
        const QString pdf = map_.filePath(QStringLiteral("pagina.pdf"));
        SchrijfPdf(set, pdf);
        return pdf;
    }
    // Page pixels at 96 dpi, one per layout unit from the page's corner.
    QImage Beeld(std::vector<TElement> elementen) {
        return Weergave(Schrijf(std::move(elementen)), 96);
    }

    QTemporaryDir map_;
};

testing::AssertionResult Kleur(const QImage& beeld, int x, int y, QColor verwacht) {
    const QColor c = beeld.pixelColor(x, y);
    if (std::abs(c.red() - verwacht.red()) <= 8 && std::abs(c.green() - verwacht.green()) <= 8 &&
        std::abs(c.blue() - verwacht.blue()) <= 8) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel " << x << "," << y << " is " << c.name().toStdString() << ", expected "
           << verwacht.name().toStdString();
}

bool HeeftInkt(const QImage& beeld, QRect gebied) {
    for (int y = gebied.top(); y <= gebied.bottom(); ++y) {
        for (int x = gebied.left(); x <= gebied.right(); ++x) {
            if (qGray(beeld.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

// Texts in fixed boxes align inside them; the box's top is the text's top.
struct TLijnGeval {
    TUitlijning Lijn;
    double Punten;
    bool Vet;
    const char* Tekst = "Vervangende R-waarde 1,436 m\u00b2K/W";
};

// Beyond Windows-1252: drawn in the Type 0 fonts.
constexpr const char* kBuitenWindows1252 =
    "Bouwbedrijf \u015eahin & Y\u0131lmaz, \u0141\u00f3d\u017a";

std::string NaamVan(const testing::TestParamInfo<TLijnGeval>& i) {
    const char* const lijn[] = {"Left", "Centre", "Right"};
    return lijn[static_cast<int>(i.param.Lijn)] + std::to_string(static_cast<int>(i.param.Punten)) +
           (i.param.Vet ? "ptBold" : "pt") + (i.param.Tekst == kBuitenWindows1252 ? "Type0" : "");
}

class Uitlijning : public EenPagina, public testing::WithParamInterface<TLijnGeval> {};

TEST_P(Uitlijning, TextSitsInItsBox) {
    const auto [lijn, punten, vet, tekst] = GetParam();
    const QRectF vak(100, 200, 300, 30);
    TTekstElement t = Tekst(vak, U(tekst), false, lijn);
    t.Letter = {vet, punten};
    const auto woorden = Woorden(Schrijf({t}));
    const auto zin = ZoekZin(woorden, t.Tekst, 0, 0);
    ASSERT_TRUE(zin.has_value());
    const double breedte = Breedte(t.Tekst, punten, vet);
    const double links = lijn == TUitlijning::Links    ? 75
                         : lijn == TUitlijning::Rechts ? 300 - breedte
                                                       : 75 + (225 - breedte) / 2;
    EXPECT_NEAR(zin->XMin, links, 0.01);
    EXPECT_NEAR(zin->XMax - zin->XMin, breedte, 0.01);
    EXPECT_NEAR(zin->YMin, 150, 0.05);
    EXPECT_NEAR(zin->YMax, 150 + (kStijging + kDaling) * punten, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Uitlijning,
    testing::Values(
        TLijnGeval{TUitlijning::Links, 10, false}, TLijnGeval{TUitlijning::Midden, 10, true},
        TLijnGeval{TUitlijning::Rechts, 10, false}, TLijnGeval{TUitlijning::Rechts, 8, true},
        TLijnGeval{TUitlijning::Midden, 18, true}, TLijnGeval{TUitlijning::Links, 14, false},
        TLijnGeval{TUitlijning::Rechts, 10, false, kBuitenWindows1252},
        TLijnGeval{TUitlijning::Midden, 8, true, kBuitenWindows1252}),
    NaamVan);

TEST_F(EenPagina, FixedBoxClipsAutomaticBoxDoesNot) {
    const QString lang = U("WWWWWWWWWWWWWWWWWWWW");
    const QImage beeld =
        Beeld({Tekst(QRectF(100, 100, 60, 17), lang), Tekst(QRectF(100, 200, 60, 17), lang, true)});
    EXPECT_TRUE(HeeftInkt(beeld, QRect(100, 102, 58, 12)));
    EXPECT_FALSE(HeeftInkt(beeld, QRect(161, 95, 200, 25))) << "text beyond its box shows";
    EXPECT_TRUE(HeeftInkt(beeld, QRect(161, 202, 100, 12))) << "an automatic box was cut";
}

// Wrapping breaks at word boundaries with the PDF font's own widths; lines
// follow at ascent plus descent and only whole lines fit the box.
TEST_F(EenPagina, WrapKeepsWordsWholeAndWholeLinesOnly) {
    TTekstElement t = Tekst(QRectF(100, 100, 393, 41),
                            U("8. Kunststof slagplug diameter t/m 8,5 mm met drukverdeelplaat met "
                              "bevestiger met diameter t/m 4,5 mm en nog een derde regel die niet "
                              "meer past in het vak van de combinatie"));
    t.Omloop = true;
    const auto woorden = Woorden(Schrijf({t}));
    std::map<double, QStringList> regels;
    for (const TWoord& w : woorden) {
        regels[w.YMin] << w.Tekst;
        EXPECT_LE(w.XMax, 75 + 393 * 0.75 + 0.01) << w.Tekst.toStdString();
    }
    ASSERT_EQ(regels.size(), 2u);
    EXPECT_NEAR(regels.begin()->first, 75, 0.05);
    EXPECT_NEAR(std::next(regels.begin())->first, 75 + (kStijging + kDaling) * 10, 0.05);
    const QString eerste = regels.begin()->second.join(QLatin1Char(' '));
    const QString tweede = std::next(regels.begin())->second.join(QLatin1Char(' '));
    EXPECT_TRUE(t.Tekst.startsWith(eerste + QLatin1Char(' ') + tweede + QLatin1Char(' ')));
    // The first line holds as many words as fit.
    const QString volgend = t.Tekst.mid(eerste.size() + 1).section(QLatin1Char(' '), 0, 0);
    EXPECT_LE(Breedte(eerste, 10, false), 393 * 0.75);
    EXPECT_GT(Breedte(eerste + QLatin1Char(' ') + volgend, 10, false), 393 * 0.75);
}

TEST_F(EenPagina, BackgroundsCoverTheTextBoxOnly) {
    const QColor rood(255, 0, 0);
    TTekstElement zilver = Tekst(QRectF(110, 110, 0, 17), U("Bevestiger:"), true);
    zilver.Achtergrond = QColor(192, 192, 192);
    TTekstElement doorzichtig = Tekst(QRectF(110, 150, 0, 17), U("Bevestiger:"), true);
    TTekstElement wit = Tekst(QRectF(110, 190, 150, 17), U("n.v.t."));
    wit.Achtergrond = QColor(Qt::white);
    const QImage beeld = Beeld(
        {TRechthoekElement{QRectF(100, 100, 200, 120), rood, 1, rood}, zilver, doorzichtig, wit});
    const int eind = 110 + static_cast<int>(Breedte(zilver.Tekst, 10, false) / 0.75);
    // Below the descenders, still inside the 17 units of the box.
    EXPECT_TRUE(Kleur(beeld, 112, 125, QColor(192, 192, 192)));
    EXPECT_TRUE(Kleur(beeld, eind - 2, 125, QColor(192, 192, 192)));
    EXPECT_TRUE(Kleur(beeld, eind + 2, 125, rood)) << "an automatic box takes the text's width";
    EXPECT_TRUE(Kleur(beeld, 112, 129, rood));
    EXPECT_TRUE(Kleur(beeld, 112, 165, rood)) << "transparent text";
    EXPECT_TRUE(Kleur(beeld, 255, 205, Qt::white)) << "a fixed box fills its whole width";
    EXPECT_TRUE(Kleur(beeld, 262, 205, rood));
}

TEST_F(EenPagina, OutlineLiesInsideTheBox) {
    const QColor rand(128, 128, 128);
    const QColor vulling(0, 0, 255);
    const QImage beeld =
        Beeld({TRechthoekElement{QRectF(100, 100, 60, 40), rand, 4, vulling},
               TRechthoekElement{QRectF(200, 100, 60, 40), rand, 2, std::nullopt}});
    EXPECT_TRUE(Kleur(beeld, 98, 120, Qt::white));
    EXPECT_TRUE(Kleur(beeld, 101, 120, rand));
    EXPECT_TRUE(Kleur(beeld, 102, 120, rand));
    EXPECT_TRUE(Kleur(beeld, 105, 120, vulling));
    EXPECT_TRUE(Kleur(beeld, 158, 120, rand));
    EXPECT_TRUE(Kleur(beeld, 161, 120, Qt::white));
    EXPECT_TRUE(Kleur(beeld, 130, 101, rand));
    EXPECT_TRUE(Kleur(beeld, 130, 138, rand));
    EXPECT_TRUE(Kleur(beeld, 130, 141, Qt::white));
    EXPECT_TRUE(Kleur(beeld, 200, 120, rand));
    EXPECT_TRUE(Kleur(beeld, 202, 120, Qt::white)) << "no fill leaves the inside open";
}

// Natural size is one pixel per layout unit from the box's corner; stretched
// fills the box. Transparent pixels lie on white.
TEST_F(EenPagina, PicturesAtNaturalSizeOrStretched) {
    QImage vier(16, 16, QImage::Format_ARGB32);
    const QColor kwart[4] = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255),
                             QColor(0, 0, 0, 0)};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            vier.setPixelColor(x, y, kwart[(y / 8) * 2 + x / 8]);
        }
    }
    const QString pdf = Schrijf({TPlaatjeElement{QRectF(100, 100, 80, 40), vier, false},
                                 TPlaatjeElement{QRectF(300, 100, 80, 40), vier, true}});
    const QImage beeld = Weergave(pdf, 96);
    EXPECT_TRUE(Kleur(beeld, 103, 103, QColor(255, 0, 0)));
    EXPECT_TRUE(Kleur(beeld, 112, 103, QColor(0, 160, 0)));
    EXPECT_TRUE(Kleur(beeld, 103, 112, QColor(0, 0, 255)));
    EXPECT_TRUE(Kleur(beeld, 112, 112, Qt::white));
    EXPECT_TRUE(Kleur(beeld, 125, 103, Qt::white)) << "stretched instead of natural size";
    EXPECT_TRUE(Kleur(beeld, 103, 125, Qt::white)) << "stretched instead of natural size";

    EXPECT_TRUE(Kleur(beeld, 310, 105, QColor(255, 0, 0)));
    EXPECT_TRUE(Kleur(beeld, 370, 105, QColor(0, 160, 0)));
    EXPECT_TRUE(Kleur(beeld, 310, 135, QColor(0, 0, 255)));
    EXPECT_TRUE(Kleur(beeld, 370, 135, Qt::white));
    EXPECT_TRUE(Kleur(beeld, 335, 105, QColor(255, 0, 0)));
    EXPECT_TRUE(Kleur(beeld, 310, 117, QColor(255, 0, 0)));
    EXPECT_TRUE(Kleur(beeld, 383, 105, Qt::white));

    for (const QStringList& b : Beelden(pdf)) {
        ASSERT_GE(b.size(), 14);
        EXPECT_EQ(b[8], QStringLiteral("image"));
        EXPECT_EQ(b[5], QStringLiteral("rgb"));
    }
}

// Windows-1252 holds "²", "€" and the typographic quotes in one byte each;
// other letters of the font print as they are; a character the font does
// not hold becomes "?" in the layout, so on screen as in the PDF.
struct TTekenGeval {
    const char* Tekst;
    const char* Gelezen;
};

class Tekenset : public EenPagina, public testing::WithParamInterface<TTekenGeval> {};

TEST_P(Tekenset, TextReadsBackAsTheScreenShowsIt) {
    for (const bool vet : {false, true}) {
        TTekstElement t = Tekst(QRectF(100, 100, 0, 17), U(GetParam().Tekst), true);
        t.Letter.Vet = vet;
        const TTekstOpmaak scherm = MaakOpmaak(t);
        ASSERT_EQ(scherm.Regels.size(), 1U);
        EXPECT_EQ(scherm.Regels[0].Tekst, U(GetParam().Gelezen)) << "on screen";
        EXPECT_EQ(rcveltor::test::Tekst(Schrijf({t})).trimmed(), U(GetParam().Gelezen))
            << "in the PDF";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Tekenset,
    testing::Values(TTekenGeval{"1,44 m\u00b2K/W", "1,44 m\u00b2K/W"},
                    TTekenGeval{"\u20ac 12,50 \u2013 \u201cdikte\u201d \u00e9\u00eb",
                                "\u20ac 12,50 \u2013 \u201cdikte\u201d \u00e9\u00eb"},
                    TTekenGeval{"\u0160koda \u0178 \u2122", "\u0160koda \u0178 \u2122"},
                    TTekenGeval{"\u03bb = 0,039 \u2713", "\u03bb = 0,039 ?"},
                    TTekenGeval{kBuitenWindows1252, kBuitenWindows1252},
                    TTekenGeval{"Kade\U0001F600 \u015eahin\u4e2d", "Kade? \u015eahin?"},
                    TTekenGeval{"Rc \u2265 6,3; \u0394Uf", "Rc \u2265 6,3; \u0394Uf"}),
    [](const testing::TestParamInfo<TTekenGeval>& i) { return "Text" + std::to_string(i.index); });

TEST(PdfExport, ProgressPerPageAndOnePdfPagePerPage) {
    TPaginaSet set;
    for (int i = 1; i <= 3; ++i) {
        set.Paginas.push_back(
            {{Tekst(QRectF(100, 100, 0, 17), U("Pagina ") + QString::number(i), true)}});
    }
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("drie.pdf"));
    std::vector<std::pair<int, int>> stappen;
    SchrijfPdf(set, pdf,
               [&](int geschreven, int totaal) { stappen.emplace_back(geschreven, totaal); });
    EXPECT_EQ(stappen, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    const auto info = Voer(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains("Pages:           3\n"));
    const auto tweede = Voer(QStringLiteral("pdftotext"),
                             {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                              QStringLiteral("2"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(tweede.has_value());
    EXPECT_EQ(QString::fromUtf8(*tweede).trimmed(), U("Pagina 2"));
}

// A failed export leaves an existing file as it was and no stray files.
TEST(PdfExport, FailureKeepsTheExistingFile) {
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("rapport.pdf"));
    {
        QFile oud(pdf);
        ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
        oud.write("vorige versie");
    }
    TPaginaSet set;
    set.Paginas.push_back({{Tekst(QRectF(100, 100, 0, 17), U("Rc-waarde"), true)}});
    TPdfLetters zonder = ZoekRapportLetters();
    zonder.Vet = map.filePath(QStringLiteral("ontbreekt.ttf"));
    try {
        SchrijfPdf(set, pdf, {}, zonder);
        ADD_FAILURE() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_NE(std::string(fout.what()).find("ontbreekt.ttf"), std::string::npos) << fout.what();
    }
    QFile oud(pdf);
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    EXPECT_EQ(oud.readAll(), QByteArray("vorige versie"));
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{QStringLiteral("rapport.pdf")});

    SchrijfPdf(set, pdf);
    oud.close();
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    EXPECT_TRUE(oud.readAll().startsWith("%PDF-")) << "a good export replaces the file";
}

TEST(PdfExport, UnwritablePlaceIsAnErrorNamingTheFile) {
    TPaginaSet set;
    set.Paginas.push_back({});
    try {
        SchrijfPdf(set, QStringLiteral("/nonexistent/map/rapport.pdf"));
        ADD_FAILURE() << "no error";
    } catch (const RcFout& fout) {
        EXPECT_NE(std::string(fout.what()).find("\"/nonexistent/map/rapport.pdf\""),
                  std::string::npos)
            << fout.what();
    }
}

// Rectangles and pictures of both reports, drawn by the preview's painter
// and by the export, give the same page (texts differ by font rasterising).
// The flat or the tapered report of the start values.
std::shared_ptr<const TPaginaSet> StartRapport(bool afschot) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    if (afschot) {
        return TQuickReport2(model.Afschot).Genereer(false);
    }
    return TQuickReport1(model.Rc).Genereer(false);
}

class ZelfdeBladzijde : public testing::TestWithParam<bool> {};

// Draws the page's shapes and pictures (no texts) both ways.
void VergelijkVormen(const TPagina& bron) {
    TPaginaSet vormen;
    TPagina pagina;
    for (const TElement& e : bron.Elementen) {
        if (!std::holds_alternative<TTekstElement>(e)) {
            pagina.Elementen.push_back(e);
        }
    }
    vormen.Paginas.push_back(pagina);
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("vormen.pdf"));
    SchrijfPdf(vormen, pdf);
    const QImage uitPdf = Weergave(pdf, 96);
    ASSERT_FALSE(uitPdf.isNull());

    QImage geschilderd(uitPdf.size(), QImage::Format_RGB32);
    geschilderd.setDotsPerMeterX(3780);
    geschilderd.setDotsPerMeterY(3780);
    geschilderd.fill(Qt::white);
    {
        QPainter p(&geschilderd);
        TekenPagina(p, pagina, 1.0);
    }
    // The rasterisers differ at edges by a pixel (antialiasing, pixel
    // snapping of images and thin lines), so compare blocks of 8 x 8: a pixel's
    // shift changes a block by an eighth, a misplaced element by far more.
    const int blok = 8;
    int anders = 0;
    int grootste = 0;
    for (int by = 0; by + blok <= uitPdf.height(); by += blok) {
        for (int bx = 0; bx + blok <= uitPdf.width(); bx += blok) {
            int som[2][3] = {};
            for (int y = by; y < by + blok; ++y) {
                for (int x = bx; x < bx + blok; ++x) {
                    int k = 0;
                    for (const QImage* beeld :
                         {&uitPdf, static_cast<const QImage*>(&geschilderd)}) {
                        const QRgb c = beeld->pixel(x, y);
                        som[k][0] += qRed(c);
                        som[k][1] += qGreen(c);
                        som[k][2] += qBlue(c);
                        ++k;
                    }
                }
            }
            int verschil = 0;
            for (int c = 0; c < 3; ++c) {
                verschil = std::max(verschil, std::abs(som[0][c] - som[1][c]) / (blok * blok));
            }
            grootste = std::max(grootste, verschil);
            if (verschil > 64) {
                ++anders;
                ADD_FAILURE() << "block at " << bx << "," << by << " differs by " << verschil;
            }
        }
    }
    std::printf("largest block difference %d\n", grootste);
    EXPECT_EQ(anders, 0);
}

TEST_P(ZelfdeBladzijde, PainterAndPdfAgreeOnShapesAndPictures) {
    VergelijkVormen(StartRapport(GetParam())->Paginas.at(0));
}

// The moisture page adds lines, solid and dashed.
TEST(ZelfdeVochtbladzijde, PainterAndPdfAgreeOnLinesShapesAndPictures) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    model.Vocht.OpRapport = true;
    const QString vorige = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(RCV_DATA_DIR))); // its data files
    const auto set = TQuickReport1(model.Rc, nullptr, &model.Vocht).Genereer(false);
    QDir::setCurrent(vorige);
    ASSERT_EQ(set->Paginas.size(), 2u);
    VergelijkVormen(set->Paginas[1]);
}

// Records where a painter puts its text runs: the preview's drawing, seen
// from the device's side.
class TTekstOpnemer : public QPaintEngine {
public:
    struct TRun {
        QString Tekst;
        QPointF Basis; // [device pixels]
    };
    TTekstOpnemer() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& tekst) override {
        Runs.push_back({tekst.text(), p});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<TRun> Runs;
};

class TOpnameApparaat : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &opnemer_; }
    TTekstOpnemer& Opnemer() { return opnemer_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 1200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
        }
    }

private:
    mutable TTekstOpnemer opnemer_;
};

// Every text run of both reports stands at the same place on the screen and
// in the PDF, within 0.1 mm: one layout decides, both back ends draw.
TEST_P(ZelfdeBladzijde, PainterAndPdfPutEveryTextRunInOnePlace) {
    const std::shared_ptr<const TPaginaSet> set = StartRapport(GetParam());
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("rapport.pdf"));
    SchrijfPdf(*set, pdf);
    const std::vector<TWoord> woorden = Woorden(pdf);

    TOpnameApparaat apparaat;
    {
        QPainter p(&apparaat);
        TekenPagina(p, set->Paginas.at(0), 1.0);
    }
    const auto& runs = apparaat.Opnemer().Runs;
    ASSERT_GT(runs.size(), 30u);
    constexpr double kTolerantie = 0.1 * 72 / 25.4; // [pt]
    for (const auto& run : runs) {
        if (run.Tekst.trimmed().isEmpty()) {
            continue;
        }
        const double x = run.Basis.x() * kPtPerEenheid;
        const double y = run.Basis.y() * kPtPerEenheid;
        const double punten = [&] {
            for (const TElement& e : set->Paginas.at(0).Elementen) {
                if (const auto* t = std::get_if<TTekstElement>(&e);
                    t && t->Tekst.contains(run.Tekst)) {
                    return t->Letter.Punten;
                }
            }
            return 10.0;
        }();
        const auto zin = ZoekZin(woorden, run.Tekst, x, y - kStijging * punten);
        ASSERT_TRUE(zin.has_value()) << run.Tekst.toStdString();
        EXPECT_NEAR(zin->XMin, x, kTolerantie) << run.Tekst.toStdString();
        EXPECT_NEAR(zin->YMin + kStijging * punten, y, kTolerantie) << run.Tekst.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabel, ZelfdeBladzijde, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& i) {
                             return std::string(i.param ? "Tapered" : "Flat");
                         });

} // namespace
