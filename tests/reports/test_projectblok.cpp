// The project block on both reports, every field at its longest, through the
// calculator's --project and --pdf: every caption and value on the page,
// inside the margins, no text over another, long texts cut with an ellipsis.

#include "Pdfonderzoek.h"
#include "Projectgegevens.h"
#include "RekenModel.h"
#include "UQuicReport1.h"
#include "UQuicReport2.h"

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

class Projectblok : public testing::TestWithParam<bool> {};

TEST_P(Projectblok, EveryTextOnThePageAndNoneOverAnother) {
    QTemporaryDir map;
    const QString bestand = map.filePath(QStringLiteral("lang.rcv"));
    const QString pdf = map.filePath(QStringLiteral("lang.pdf"));
    {
        QFile f(bestand);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(LangsteProject());
    }
    QStringList argumenten{QStringLiteral("--project"), bestand, QStringLiteral("--pdf"), pdf};
    if (GetParam()) {
        argumenten << QStringLiteral("--afschot");
    }
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(RCV_DATA_DIR));
    p.start(QStringLiteral(RCV_CLI), argumenten);
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    const auto woorden = Woorden(pdf);
    for (const char* label :
         {"Project:", "Projectnummer:", "Adres:", "Postcode en plaats:", "Opmerking:", "Datum:",
          "Opdrachtgever:", "Opgesteld door:", "9-12-2026", "Wijkvernieuwing Waterkwartier\u2026",
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

// A report made once and printed again shows the project data as they are
// at each printing; emptied, the page is the page without a block again.
TEST_P(Projectblok, FollowsTheProjectDataFromOnePrintingToTheNext) {
    TRekenModel model(",");
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

INSTANTIATE_TEST_SUITE_P(Beide, Projectblok, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Afschot" : "Plat"; });

} // namespace
} // namespace rcveltor::test
