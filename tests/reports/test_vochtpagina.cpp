// The reports' second page: the moisture check, written as PDF and read back.

#include "basis/RcFout.h"
#include "calc/RekenModel.h"
#include "calc/Vochtopbouw.h"
#include "reports/PdfExport.h"
#include "reports/Tekenen.h"
#include "reports/UQuicReport1.h"
#include "reports/UQuicReport2.h"
#include "tests/reports/Pdfonderzoek.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rcveltor;
using namespace rcveltor::rapport;
using namespace rcveltor::test;

namespace {

QString Q(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

struct TRapportGeval {
    const char* Naam;
    bool Afschot;
    bool Data; // the data files are where the report looks
};

class Vochtpagina : public testing::TestWithParam<TRapportGeval> {
protected:
    void SetUp() override {
        vorige_ = QDir::currentPath();
        model_.Opstarten(RCV_LAMBDA_BIN);
        ASSERT_TRUE(
            QDir::setCurrent(GetParam().Data ? QStringLiteral(RCV_DATA_DIR) : leeg_.path()));
    }
    void TearDown() override { QDir::setCurrent(vorige_); }

    std::shared_ptr<const TPaginaSet> Rapport(bool opRapport) {
        model_.Vocht.OpRapport = opRapport;
        if (GetParam().Afschot) {
            return TQuickReport2(model_.Afschot, nullptr, &model_.Vocht).Genereer(false);
        }
        return TQuickReport1(model_.Rc, nullptr, &model_.Vocht).Genereer(false);
    }

    TRekenModel model_;
    QTemporaryDir leeg_;
    QString vorige_;
};

QImage Geschilderd(const TPagina& pagina) {
    QImage beeld(794, 1123, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    TekenPagina(p, pagina, 1.0);
    return beeld;
}

TEST_P(Vochtpagina, SecondPageHoldsTheCheckAndTheFirstStaysAsItIs) {
    const auto zonder = Rapport(false);
    const auto met = Rapport(true);
    ASSERT_EQ(zonder->Paginas.size(), 1u);
    ASSERT_EQ(met->Paginas.size(), 2u);
    EXPECT_EQ(Geschilderd(met->Paginas[0]), Geschilderd(zonder->Paginas[0]));

    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("vocht.pdf"));
    SchrijfPdf(*met, pdf);
    ASSERT_EQ(Tekst(pdf).count(QLatin1Char('\f')), 2) << "two pages";
    // Row by row, so that a month's figures stand together.
    const auto tweede = Voer(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2"),
                              QStringLiteral("-l"), QStringLiteral("2"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(tweede);
    const QString tekst = QString::fromUtf8(*tweede);
    QStringList verwacht = {QStringLiteral("Vochtcontrole"), QStringLiteral("Binnenklimaat:"),
                            QString::fromUtf8(model_.Vocht.Binnenklimaat.Tekst()),
                            QString::fromUtf8("Het Bouwbesluit eist alleen fRsi \u2265 0,65; de "
                                              "maandmethode (NEN-EN-ISO 13788) is een advies.")};
    if (GetParam().Data) {
        const TVochtdata data = LeesVochtdata(RCV_DATA_DIR);
        const TVochtBerekening b = BerekenVocht(model_, GetParam().Afschot, data);
        const TVochtWeergave w = Weergave(b, data);
        const std::size_t ergste = ErgsteMaand(b.Uitkomst);
        verwacht << Q(w.FRsi) + QString::fromUtf8(" (eis \u2265 0,65): ") + Q(w.FRsiEis)
                 << Q(w.Oordeel) << Q(w.MaxCondensaat) + QString::fromUtf8(" g/m\u00b2")
                 << Q(w.MinSdDamprem) << QString::fromUtf8("\u03bb [W/mK]")
                 << QString::fromUtf8("\u03bc [-]") << QString::fromUtf8("\u03b8e [\u00b0C]")
                 << QString::fromUtf8("\u03c6e [%]")
                 << QString::fromUtf8("Glaserdiagram \u2013 ") +
                        QString::fromUtf8(Maandnaam(b.Uitkomst.Maanden[ergste].Maand).data());
        for (const TVochtRijtekst& r : w.Rijen) {
            verwacht << Q(r.Sd) << Q(r.R);
        }
        for (const TVochtMaandtekst& m : w.Maanden) {
            verwacht << QString::fromUtf8(Maandnaam(m.Maand).data()) + QLatin1Char(' ') +
                            Q(m.ThetaE) + QLatin1Char(' ') + Q(m.PhiE) + QLatin1Char(' ') +
                            Q(m.Pi) + QLatin1Char(' ') + Q(m.Pe) + QLatin1Char(' ') + Q(m.Gc) +
                            QLatin1Char(' ') + Q(m.Ma);
        }
    } else {
        std::string reden;
        try {
            LeesVochtdata(leeg_.path().toStdString());
        } catch (const RcFout& fout) {
            reden = fout.what();
        }
        ASSERT_FALSE(reden.empty());
        verwacht << QStringLiteral("De vochtcontrole kon niet worden uitgevoerd:")
                 << Q(reden).split(QLatin1Char(' ')).first();
    }
    const QString eenRegel = tekst.simplified();
    for (const QString& stuk : verwacht) {
        EXPECT_TRUE(eenRegel.contains(stuk.simplified())) << stuk.toStdString();
    }
    // Counted from the end: a Type 0 font's type takes two columns.
    for (const QStringList& letter : Lettertypen(pdf)) {
        ASSERT_GE(letter.size(), 7);
        EXPECT_EQ(letter[letter.size() - 5], QStringLiteral("yes"))
            << letter.join(QLatin1Char(' ')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabel, Vochtpagina,
                         testing::Values(TRapportGeval{"Flat", false, true},
                                         TRapportGeval{"Tapered", true, true},
                                         TRapportGeval{"FlatWithoutData", false, false}),
                         [](const testing::TestParamInfo<TRapportGeval>& info) {
                             return std::string(info.param.Naam);
                         });

} // namespace
