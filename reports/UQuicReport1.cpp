#include "reports/UQuicReport1.h"

#include "calc/Producten.h"
#include "calc/RcBerekening.h"
#include "project/Projectgegevens.h"
#include "reports/Kopband.h"
#include "reports/Rapportvorm.h"

namespace rcveltor::rapport {

namespace {
const char* const kVoetnoot =
    "* volgens NPR 2068:2002 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd";
const char* const kNietStandaard = "Let op! De gehanteerde laagdikte van de isolatie is niet een "
                                   "standaard dikte. De dikte is eventueel wel leverbaar.";

// The ten texts that print only with mechanical fastening.
const char* const kBevestigingTeksten[] = {"TitelAantal",
                                           "LabelAantal",
                                           "LabelTitelVervangendeLambda",
                                           "LabelVervangendeLambda",
                                           "LabelTitelPercentage",
                                           "LabelPercentage",
                                           "LabelTitelVervangendeR",
                                           "LabelvervangendeR",
                                           "LabelTitelAfnameR",
                                           "LabelAfnameR"};
// Of those, the ones NEN-EN-ISO 6946 shows "n.v.t." for: left out there.
const char* const kNvtTeksten[] = {"LabelTitelVervangendeLambda", "LabelVervangendeLambda",
                                   "LabelTitelPercentage",        "LabelPercentage",
                                   "LabelTitelVervangendeR",      "LabelvervangendeR",
                                   "LabelTitelAfnameR",           "LabelAfnameR"};
// The texts of NEN-EN-ISO 6946 alone.
const char* const kIsoTeksten[] = {"LabelMethode", "LabelTitelDeltaUf", "LabelDeltaUf",
                                   "LabelTitelEis", "LabelEis"};
} // namespace

TQuickReport1::TQuickReport1(const TRcBerekening& rc, const TProjectgegevens* project,
                             const TVochtVelden* vocht)
    : rc_(rc) {
    ZetVocht(vocht,
             [this, vocht](const TVochtdata& data) { return BerekenVocht(rc_, *vocht, data); });
    kop_ = MaakKopband();
    romp_.Hoogte = 912;
    TBand& romp = romp_;
    TLabels& labels = labels_;

    // Rectangles first, then the texts over them.
    Tabelkop(romp);
    for (double y : {140.0, 164.0, 188.0, 212.0}) {
        RijCellen(romp, y);
    }
    for (double y : {244.0, 276.0, 300.0}) {
        Voeg(romp, Cel(549, y, 54, 25, true));
        Voeg(romp, Cel(607, y, 69, 25, false));
    }
    // The fastener box grows by the ISO line only under that method, so the
    // NEN 1068 report keeps its layout.
    bevestigerVakNen_ = Voeg(romp, Cel(2, 364, 675, 117, false));
    bevestigerVakIso_ = Voeg(romp, Cel(2, 364, 675, 157, false));
    Voeg(romp, Cel(2, 534, 675, 227, false));

    labels.Noem("LabelNorm", Titel(romp, QStringLiteral("Rc-berekening")));
    TabelkopTeksten(romp);

    const char* lagen[] = {"Dakbedekking", "Isolatie", "Damprem", "Onderconstructie"};
    const char* materiaal[] = {nullptr, "LabelIsolatie", "LabelDamprem", "LabelOndercons"};
    const char* dikte[] = {nullptr, "LabelDikteIsolatie", "LabelDikteDamprem",
                           "LabelDikteOndercons"};
    const char* lambda[] = {nullptr, "LabelLambdaIsolatie", "LabellambdaDamprem",
                            "LabelLambdaOndercons"};
    const char* weerstand[] = {"LabelRdakb", "LabelRIsolatie", "LabelRDamprem", "LabelROndercons"};
    for (int i = 0; i < 4; ++i) {
        const double y = 144 + 24 * i;
        Voeg(romp, AutoTekst(8, y, QString::fromLatin1(lagen[i]), 10, true));
        if (i == 0) {
            Voeg(romp, AutoTekst(136, y, QString::fromLatin1(TRcBerekening::kDakbedekking)));
            Voeg(romp, VakTekst(360, y, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
            Voeg(romp, VakTekst(440, y, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
        } else {
            labels.Voeg(materiaal[i], AutoTekst(136, y, {}));
            labels.Voeg(dikte[i], Dikte(y));
            labels.Voeg(lambda[i], Lambda(y));
        }
        labels.Voeg(weerstand[i], Weerstand(y));
    }

    Voeg(romp, AutoTekst(552, 248, QStringLiteral("Som R:"), 10, true));
    labels.Voeg("LabelSomR", Weerstand(248));
    Voeg(romp, AutoTekst(552, 280, QStringLiteral("Rse")));
    Voeg(romp, AutoTekst(552, 304, QStringLiteral("Rsi")));
    for (auto [naam, y] : {std::pair{"LabelRse", 280.0}, std::pair{"LabelRsi", 304.0}}) {
        TTekstElement waarde = AutoTekst(646, y, {});
        waarde.Achtergrond = QColor(Qt::white);
        labels.Voeg(naam, waarde);
    }

    TTekstElement voetnoot = AutoTekst(0, 248, QString::fromUtf8(kVoetnoot), 8);
    voetnoot.Achtergrond = QColor(Qt::white);
    Voeg(romp, voetnoot);
    TTekstElement standaard = AutoTekst(0, 336, QString::fromUtf8(kNietStandaard), 8);
    standaard.Achtergrond = QColor(Qt::white);
    labels.Voeg("LabelStandaard", standaard);

    TTekstElement bevestiger =
        VakTekst(6, 368, 667, 17, QStringLiteral("Bevestiger:"), TUitlijning::Midden, 10, true);
    bevestiger.Achtergrond = kZilver;
    Voeg(romp, bevestiger);
    Voeg(romp,
         AutoTekst(8, 408, QStringLiteral("Combinatie bevestiger/drukverdeelplaat:"), 10, true));
    TTekstElement combinatie = VakTekst(280, 408, 393, 41, {}, TUitlijning::Links);
    combinatie.Omloop = true;
    labels.Voeg("LabelCombinatie", combinatie);
    labels.Voeg("TitelAantal", AutoTekst(8, 456, QStringLiteral("Aantal per m\u00b2:"), 10, true));
    labels.Voeg("LabelAantal", AutoTekst(280, 456, {}));
    // NEN-EN-ISO 6946: its fastener correction with the fasteners, where the
    // tapered report has it too.
    labels.Voeg("LabelTitelDeltaUf", AutoTekst(8, 488, kTitelDeltaUf, 10, true));
    labels.Voeg("LabelDeltaUf", AutoTekst(280, 488, {}));

    TTekstElement resultaten =
        VakTekst(8, 536, 665, 17, QStringLiteral("Resultaten:"), TUitlijning::Midden, 10, true);
    resultaten.Achtergrond = kZilver;
    Voeg(romp, resultaten);
    labels.Voeg("LabelTitelVervangendeLambda",
                AutoTekst(8, 568, QStringLiteral("Vervangende lambda-waarde isolatie:"), 10, true));
    labels.Voeg("LabelVervangendeLambda", AutoTekst(264, 568, {}));
    labels.Voeg("LabelTitelPercentage",
                AutoTekst(8, 592, QStringLiteral("Percentage correctie:"), 10, true));
    labels.Voeg("LabelPercentage", AutoTekst(264, 592, {}));
    labels.Voeg("LabelTitelVervangendeR",
                AutoTekst(8, 616, QStringLiteral("Vervangende R-waarde isolatie:"), 10, true));
    labels.Voeg("LabelvervangendeR", AutoTekst(264, 616, {}));
    labels.Voeg("LabelTitelAfnameR",
                AutoTekst(8, 640, QStringLiteral("Afname R-waarde:"), 10, true));
    labels.Voeg("LabelAfnameR", AutoTekst(264, 640, {}));
    // NEN-EN-ISO 6946: the method under the heading, its results in the
    // place of the replacement-lambda lines it has no use for.
    labels.Voeg("LabelMethode", VakTekst(8, 556, 665, 17, QString::fromUtf8(kIsoBerekendVolgens),
                                         TUitlijning::Midden));
    labels.Voeg("LabelTitelEis", AutoTekst(8, 616, QString::fromUtf8(kEisRegel), 10, true));
    labels.Voeg("LabelEis", AutoTekst(264, 616, {}));
    Voeg(romp, AutoTekst(8, 728, QStringLiteral("Rc-waarde"), 14, true, 23));
    labels.Voeg("LabelRc", AutoTekst(128, 728, {}, 14, false, 23));
    Voeg(romp, AutoTekst(400, 728, QStringLiteral("U-waarde"), 14, true, 23));
    labels.Voeg("LabelU", AutoTekst(504, 728, {}, 14, false, 23));

    // Below the results box, in the free lower part of the page.
    ZetProjectblok(project, 776);
}

void TQuickReport1::BeforePrint() {
    VernieuwProjectblok();
    const TRcBerekening& rc = rc_;
    const std::pair<const char*, QString> teksten[] = {
        {"LabelIsolatie", MetEenheid(rc.CBisolatie.Tekst())},
        {"LabelDamprem", MetEenheid(rc.CBdamprem.Tekst())},
        {"LabelOndercons", MetEenheid(rc.CBonderconstructie.Tekst())},
        {"LabelDikteIsolatie", MetEenheid(rc.DikteIsol.Tekst)},
        {"LabelDikteDamprem", MetEenheid(rc.DikteDamprem.Tekst)},
        {"LabelDikteOndercons", MetEenheid(rc.DikteOndercons.Tekst)},
        {"LabelLambdaIsolatie", MetEenheid(rc.LambdaIsol.Tekst)},
        {"LabellambdaDamprem", MetEenheid(rc.LambdaDamprem.Tekst)},
        {"LabelLambdaOndercons", MetEenheid(rc.LambdaOndercons.Tekst)},
        {"LabelRIsolatie", MetEenheid(rc.RmIsol.Tekst)},
        {"LabelRDamprem", MetEenheid(rc.RmDamprem.Tekst)},
        {"LabelROndercons", MetEenheid(rc.RmOndercons.Tekst)},
        {"LabelSomR", MetEenheid(rc.SubTotaalRc.Tekst)},
        {"LabelCombinatie", MetEenheid(rc.CBcombinatie.Tekst())},
        {"LabelAantal", MetEenheid(rc.EditAantal.Tekst)},
        {"LabelRc", MetEenheid(rc.EditRc.Tekst, kM2KW)},
        {"LabelU", MetEenheid(rc.EditU.Tekst, kWM2K)},
        {"LabelVervangendeLambda", MetEenheid(rc.LambdaRW.Tekst, kWmK)},
        {"LabelPercentage", MetEenheid(rc.EditPercentage.Tekst, kProcent)},
        {"LabelvervangendeR", MetEenheid(rc.EditRmIsolCor.Tekst, kM2KW)},
        {"LabelAfnameR", MetEenheid(rc.RmReductie.Tekst, kM2KW)},
    };
    for (const auto& [naam, tekst] : teksten) {
        labels_.Tekst(QString::fromLatin1(naam)).Tekst = tekst;
    }
    labels_.Tekst(QStringLiteral("LabelNorm")).Tekst = Normregel(rc.Methode());
    labels_.Tekst(QStringLiteral("LabelDeltaUf")).Tekst =
        DeltaUfTekst(rc.DeltaUf.Tekst, rc.PercentageU.Tekst);
    labels_.Tekst(QStringLiteral("LabelEis")).Tekst = QString::fromStdString(rc.Eis);
}

void TQuickReport1::QRSubDetail2BeforePrint() {
    const bool bevestigd =
        labels_.Tekst(QStringLiteral("LabelCombinatie")).Tekst != kGeenBevestiging;
    const bool iso = rc_.Methode() == TMethode::Iso6946;
    for (const char* naam : kBevestigingTeksten) {
        labels_.Aan(QString::fromLatin1(naam)) = bevestigd;
    }
    for (const char* naam : kNvtTeksten) {
        labels_.Aan(QString::fromLatin1(naam)) = bevestigd && !iso;
    }
    for (const char* naam : kIsoTeksten) {
        labels_.Aan(QString::fromLatin1(naam)) = iso;
    }
    romp_.Elementen[bevestigerVakNen_].Aan = !iso;
    romp_.Elementen[bevestigerVakIso_].Aan = iso;
    labels_.Aan(QStringLiteral("LabelStandaard")) = rc_.DikteNietStandaard;
    labels_.Tekst(QStringLiteral("LabelRdakb")).Tekst = Vast(kRmDakbed, 3);
    labels_.Tekst(QStringLiteral("LabelRse")).Tekst = Vast(0.04, 2);
    labels_.Tekst(QStringLiteral("LabelRsi")).Tekst = Vast(0.10, 2);
}

} // namespace rcveltor::rapport
