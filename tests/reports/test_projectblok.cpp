// The project block on both reports, every field at its longest, through the
// calculator's --project and --pdf: every caption and value on the page,
// inside the margins, no text over another, long texts cut with an ellipsis;
// under NEN-EN-ISO 6946 the method's results beside it.

#include "calc/Methode.h"
#include "calc/RekenModel.h"
#include "project/Projectgegevens.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "tests/reports/Pdfonderzoek.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rcveltor::test {
namespace {

QString Herhaal(const QString& stuk, int keer) {
    QString s;
    for (int i = 0; i < keer; ++i) {
        s += stuk;
    }
    return s;
}

QString Json(const QString& s) {
    QString uit = s;
    uit.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    return QLatin1Char('"') + uit + QLatin1Char('"');
}

// Every field far longer than a line; the remark starts with a word longer
// than a line and has more lines than there is room for.
QByteArray LangsteProject() {
    const QString lang = Herhaal(QStringLiteral("Wijkvernieuwing Waterkwartier "), 12);
    const QString opmerking = Herhaal(QStringLiteral("W"), 60) + QStringLiteral("\n") +
                              Herhaal(QStringLiteral("Dakrand aan de noordzijde ophogen. "), 20) +
                              QStringLiteral("\nRegel\nRegel\nRegel\nRegel\nRegel");
    const QString tekst = QStringLiteral("{\"formaat\": \"rcveltor-berekening\", \"versie\": 1, "
                                         "\"project\": {\"naam\": ") +
                          Json(lang) + QStringLiteral(", \"nummer\": ") + Json(lang) +
                          QStringLiteral(", \"adres\": ") + Json(lang) +
                          QStringLiteral(", \"postcodePlaats\": ") + Json(lang) +
                          QStringLiteral(", \"opdrachtgever\": ") + Json(lang) +
                          QStringLiteral(", \"opgesteldDoor\": ") + Json(lang) +
                          QStringLiteral(", \"datum\": \"2026-12-09\", \"opmerking\": ") +
                          Json(opmerking) + QStringLiteral("}}");
    return tekst.toUtf8();
}

// The calculator's PDF of a project (the longest unless given), with these
// options; empty when it failed.
QString ProjectPdf(const QTemporaryDir& map, QStringList opties,
                   const QByteArray& inhoud = LangsteProject()) {
    const QString bestand = map.filePath(QStringLiteral("lang.rcv"));
    const QString pdf = map.filePath(QStringLiteral("lang.pdf"));
    QFile f(bestand);
    if (!f.open(QIODevice::WriteOnly)) {
        return {};
    }
    f.write(inhoud);
    f.close();
    opties << QStringLiteral("--project") << bestand << QStringLiteral("--pdf") << pdf;
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(RCV_DATA_DIR));
    p.start(QStringLiteral(RCV_CLI), opties);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << p.readAllStandardError().toStdString();
        return {};
    }
    return pdf;
}

// Every word inside the margins and none over another.
void ControleerPagina(const std::vector<TWoord>& woorden) {
    const double rechts = 595.276 - kMargePt;
    const double onder = 841.89 - kMargePt;
    for (const TWoord& w : woorden) {
        EXPECT_GE(w.XMin, kMargePt - kTolerantiePt) << w.Tekst.toStdString();
        EXPECT_GE(w.YMin, kMargePt - kTolerantiePt) << w.Tekst.toStdString();
        EXPECT_LE(w.XMax, rechts + kTolerantiePt) << w.Tekst.toStdString();
        EXPECT_LE(w.YMax, onder + kTolerantiePt) << w.Tekst.toStdString();
    }
    // Boxes may touch: a word's box reaches the descent below its baseline.
    const double marge = 0.3;
    for (std::size_t i = 0; i < woorden.size(); ++i) {
        for (std::size_t j = i + 1; j < woorden.size(); ++j) {
            const TWoord& a = woorden[i];
            const TWoord& b = woorden[j];
            const bool over = a.XMin < b.XMax - marge && b.XMin < a.XMax - marge &&
                              a.YMin < b.YMax - marge && b.YMin < a.YMax - marge;
            EXPECT_FALSE(over) << a.Tekst.toStdString() << " over " << b.Tekst.toStdString();
        }
    }
}

class Projectblok : public testing::TestWithParam<bool> {};

// Letters beyond Windows-1252 print as the preview shows them; a character
// the report font does not hold is "?" there as here.
TEST_P(Projectblok, EveryLetterOfTheFontPrints) {
    QTemporaryDir map;
    QStringList argumenten;
    if (GetParam()) {
        argumenten << QStringLiteral("--afschot");
    }
    const QString pdf = ProjectPdf(
        map, argumenten,
        QByteArray(
            "{\"formaat\": \"rcveltor-berekening\", \"versie\": 1, \"project\": "
            "{\"opdrachtgever\": \"Bouwbedrijf \u015eahin & Y\u0131lmaz, \u0141\u00f3d\u017a\", "
            "\"adres\": \"Kade 3 \u4e2d\"}}"));
    ASSERT_FALSE(pdf.isEmpty());
    const QString tekst = Tekst(pdf);
    EXPECT_TRUE(tekst.contains(QString::fromUtf8("Bouwbedrijf \u015eahin & Y\u0131lmaz, "
                                                 "\u0141\u00f3d\u017a")))
        << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("Kade 3 ?"))) << tekst.toStdString();
}

TEST_P(Projectblok, EveryTextOnThePageAndNoneOverAnother) {
    QTemporaryDir map;
    QStringList argumenten;
    if (GetParam()) {
        argumenten << QStringLiteral("--afschot");
    }
    const QString pdf = ProjectPdf(map, argumenten);
    ASSERT_FALSE(pdf.isEmpty());

    const auto woorden = Woorden(pdf);
    for (const char* label :
         {"Project:", "Projectnummer:", "Adres:", "Postcode en plaats:", "Opmerking:", "Datum:",
          "Opdrachtgever:", "Opgesteld door:", "09-12-2026", "Wijkvernieuwing Waterkwartier\u2026",
          "Dakrand aan de"}) {
        EXPECT_TRUE(ZoekZin(woorden, QString::fromUtf8(label), 0, 0)) << label;
    }
    int puntjes = 0;
    for (const TWoord& w : woorden) {
        puntjes += w.Tekst.endsWith(QStringLiteral("\u2026"));
    }
    // Six single-line values and the remark's last line; the remark's long
    // word is broken over two lines without one.
    EXPECT_EQ(puntjes, 7);
    ControleerPagina(woorden);
}

// NEN-EN-ISO 6946 with fasteners and the longest project block: the method's
// texts in the free space of the results, the "n.v.t." fields left out (only
// the roof covering's two remain), nothing over the project block.
TEST_P(Projectblok, IsoResultsBesideTheBlock) {
    QTemporaryDir map;
    QStringList argumenten{QStringLiteral("--methode"),    QStringLiteral("iso6946"),
                           QStringLiteral("--combinatie"), QStringLiteral("2"),
                           QStringLiteral("--aantal"),     QStringLiteral("6")};
    if (GetParam()) {
        argumenten << QStringLiteral("--afschot");
    }
    const QString pdf = ProjectPdf(map, argumenten);
    ASSERT_FALSE(pdf.isEmpty());

    const auto woorden = Woorden(pdf);
    std::vector<const char*> teksten = {
        "volgens NEN-EN-ISO 6946",
        "Berekend volgens NEN-EN-ISO 6946:2017, zonder correctiefactor voor bouwkwaliteit",
        "Correctie bevestigers (\u0394Uf):",
        "Eis nieuwbouw (Bbl): Rc \u2265 6,3 m\u00b2K/W",
        "voldoet niet",
        "Project:",
        "Opmerking:"};
    if (GetParam()) {
        teksten.push_back("Rc dunste plek:");
    }
    for (const char* tekst : teksten) {
        EXPECT_TRUE(ZoekZin(woorden, QString::fromUtf8(tekst), 0, 0)) << tekst;
    }
    // The fastener correction with the fasteners, in the same place on both.
    const auto deltaUf =
        ZoekZin(woorden, QString::fromUtf8("Correctie bevestigers (\u0394Uf):"), 0, 0);
    const auto aantal = ZoekZin(woorden, QString::fromUtf8("Aantal per m\u00b2:"), 0, 0);
    const auto resultaten = ZoekZin(woorden, QStringLiteral("Resultaten:"), 0, 0);
    ASSERT_TRUE(deltaUf && aantal && resultaten);
    EXPECT_NEAR(deltaUf->YMin - aantal->YMin, 24, 0.1);
    EXPECT_LT(deltaUf->YMax, resultaten->YMin);
    const QString alles = Tekst(pdf);
    EXPECT_EQ(alles.count(QStringLiteral("n.v.t.")), 2);
    EXPECT_FALSE(alles.contains(QStringLiteral("Vervangende")));
    EXPECT_FALSE(alles.contains(QStringLiteral("volgens NEN 1068")));
    ControleerPagina(woorden);
}

// A report made once and printed again shows the project data as they are
// at each printing; emptied, the page is the page without a block again.
TEST_P(Projectblok, FollowsTheProjectDataFromOnePrintingToTheNext) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    TProjectgegevens project;
    std::unique_ptr<rapport::TRapport> rapport;
    if (GetParam()) {
        rapport = std::make_unique<rapport::TQuickReport2>(model.Afschot, &project);
    } else {
        rapport = std::make_unique<rapport::TQuickReport1>(model.Rc, &project);
    }
    const auto teksten = [&] {
        QStringList t;
        const auto set = rapport->Genereer(false);
        for (const rapport::TElement& e : set->Paginas.at(0).Elementen) {
            if (const auto* tekst = std::get_if<rapport::TTekstElement>(&e)) {
                t << tekst->Tekst;
            }
        }
        return t;
    };
    const QStringList zonder = teksten();
    EXPECT_FALSE(zonder.contains(QStringLiteral("Project:")));
    project.Naam = "Kantoor De Vaart";
    const QStringList met = teksten();
    EXPECT_TRUE(met.contains(QStringLiteral("Project:")));
    EXPECT_TRUE(met.contains(QStringLiteral("Kantoor De Vaart")));
    project.Naam = "Sporthal Oost";
    EXPECT_TRUE(teksten().contains(QStringLiteral("Sporthal Oost")));
    EXPECT_FALSE(teksten().contains(QStringLiteral("Kantoor De Vaart")));
    project = {};
    EXPECT_EQ(teksten(), zonder);
}

// The flat report's fastener box takes the ISO line only under that method:
// the NEN 1068 page keeps its layout, also after switching back.
TEST(Bevestigervak, GrowsOnlyUnderIso) {
    TRekenModel model;
    model.Opstarten(RCV_LAMBDA_BIN);
    rapport::TQuickReport1 rapport(model.Rc);
    const auto hoogte = [&](TMethode methode) {
        model.KiesMethode(methode);
        const auto set = rapport.Genereer(false);
        for (const rapport::TElement& e : set->Paginas.at(0).Elementen) {
            const auto* vak = std::get_if<rapport::TRechthoekElement>(&e);
            if (vak != nullptr && vak->Vak.width() == 675) {
                return vak->Vak.height(); // the first wide box holds the fasteners
            }
        }
        return 0.0;
    };
    for (auto [methode, verwacht] :
         {std::pair{TMethode::Nen1068, 117.0}, std::pair{TMethode::Iso6946, 157.0},
          std::pair{TMethode::Nen1068, 117.0}}) {
        EXPECT_EQ(hoogte(methode), verwacht);
    }
}

INSTANTIATE_TEST_SUITE_P(Beide, Projectblok, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Afschot" : "Plat"; });

} // namespace
} // namespace rcveltor::test
