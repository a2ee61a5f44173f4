#include "reports/UQuicReport2.h"

#include "beeld/Afbeeldingen.h"
#include "calc/AfschotBerekening.h"
#include "calc/Producten.h"
#include "calc/RcBerekening.h"
#include "project/Projectgegevens.h"
#include "reports/Kopband.h"
#include "reports/Rapportvorm.h"

#include <QPainter>

namespace rcveltor::rapport {

namespace {
const char* const kVoetnoot =
    "* volgens NPR 2068 mag voor dakbedekking de vaste waarde 0,06 worden gehanteerd";
const char* const kBevestigingTeksten[] = {"TitelAantal", "LabelAantal",
                                           "LabelTitelVervangendeLambda", "LabelVervangendeLambda"};
// The texts of NEN-EN-ISO 6946 alone.
const char* const kIsoTeksten[] = {"LabelMethode",  "LabelTitelDeltaUf", "LabelDeltaUf",
                                   "LabelTitelEis", "LabelEis",          "LabelTitelRcMin",
                                   "LabelRcMin"};

// The screen's board-type drawing, 162 x 44 pixels.
QImage Plaattypen() {
    QImage beeld(162, 44, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    beeld::TekenPlaattypen(p, QRectF(0, 0, 162, 44));
    return beeld;
}
} // namespace

TQuickReport2::TQuickReport2(const TAfschotBerekening& afschot, const TProjectgegevens* project,
                             const TVochtVelden* vocht)
    : afschot_(afschot) {
    ZetVocht(vocht, [this, vocht](const TVochtdata& data) {
        return BerekenVocht(afschot_, *vocht, data);
    });
    kop_ = MaakKopband();
    romp_.Hoogte = 912;
    TBand& romp = romp_;
    TLabels& labels = labels_;

    // Rectangles first, then the texts over them.
    Tabelkop(romp);
    RijCellen(romp, 140);
    RijCellen(romp, 164, {false, false});
    RijCellen(romp, 276);
    RijCellen(romp, 300);
    for (double y : {196.0, 220.0, 244.0}) {
        Voeg(romp, Cel(18, y, 151, 25, true));
        Voeg(romp, Cel(174, y, 74, 25, false));
        Voeg(romp, Cel(250, y, 167, 25, true));
        Voeg(romp, Cel(422, y, 74, 25, false));
    }
    for (double y : {364.0, 388.0}) {
        Voeg(romp, Cel(549, y, 54, 25, true));
        Voeg(romp, Cel(607, y, 69, 25, false));
    }
    Voeg(romp, Cel(2, 428, 675, 157, false));
    Voeg(romp, Cel(2, 626, 675, 119, false));

    labels.Noem("LabelNorm", Titel(romp, QStringLiteral("Rc-berekening dak met afschotisolatie")));
    TabelkopTeksten(romp);

    // Roof covering.
    Voeg(romp, AutoTekst(8, 144, QStringLiteral("Dakbedekking"), 10, true));
    Voeg(romp, AutoTekst(136, 144, QString::fromLatin1(TRcBerekening::kDakbedekking)));
    Voeg(romp, VakTekst(360, 144, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
    Voeg(romp, VakTekst(440, 144, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
    labels.Voeg("LabelRdakb", Weerstand(144));
    // Tapered insulation: no thickness and no resistance.
    Voeg(romp, AutoTekst(8, 168, QStringLiteral("Afschotisolatie"), 10, true));
    labels.Voeg("LabelIsolatie", AutoTekst(136, 168, {}));
    labels.Voeg("LabelLambdaIsolatie", Lambda(168));

    // Geometry block.
    const char* geometrie[] = {"Minimale dikte [mm]", "Afschotlengte [m]", "Maximale dikte [mm]"};
    const char* geometrieLabels[] = {"LabelMinDikteIsolatie", "LabelAfschotLengte",
                                     "LabelMaxDikteIsolatie"};
    const char* oppervlak[] = {"Oppervlakte type 1 [m\u00b2]", "Oppervlakte type 2 [m\u00b2]",
                               "Oppervlakte type 3 [m\u00b2]"};
    const char* oppervlakLabels[] = {"Labeloppvl1", "Labeloppvl2", "Labeloppvl3"};
    for (int i = 0; i < 3; ++i) {
        const double y = 200 + 24 * i;
        Voeg(romp, AutoTekst(24, y, QString::fromLatin1(geometrie[i]), 10, true));
        labels.Voeg(geometrieLabels[i], VakTekst(176, y, 65, 17, {}, TUitlijning::Rechts));
        Voeg(romp, AutoTekst(256, y, QString::fromUtf8(oppervlak[i]), 10, true));
        labels.Voeg(oppervlakLabels[i], VakTekst(424, y, 65, 17, {}, TUitlijning::Rechts));
    }
    Voeg(romp, TPlaatjeElement{QRectF(504, 200, 169, 49), Plaattypen(), false});
    for (auto [tekst, x] :
         {std::pair{"Type 1", 504.0}, std::pair{"Type 2", 560.0}, std::pair{"Type 3", 616.0}}) {
        TTekstElement onderschrift = AutoTekst(x, 240, QString::fromLatin1(tekst));
        onderschrift.Achtergrond = QColor(Qt::white);
        Voeg(romp, onderschrift);
    }

    // Vapour retarder and substructure.
    Voeg(romp, AutoTekst(8, 280, QStringLiteral("Damprem"), 10, true));
    labels.Voeg("LabelDamprem", AutoTekst(136, 280, {}));
    labels.Voeg("LabelDikteDamprem", Dikte(280));
    labels.Voeg("LabellambdaDamprem", Lambda(280));
    labels.Voeg("LabelRDamprem", Weerstand(280));
    Voeg(romp, AutoTekst(8, 304, QStringLiteral("Onderconstructie"), 10, true));
    labels.Voeg("LabelOndercons", AutoTekst(136, 304, {}));
    labels.Voeg("LabelDikteOndercons", Dikte(304));
    labels.Voeg("LabelLambdaOndercons", Lambda(304));
    labels.Voeg("LabelROndercons", Weerstand(304));

    Voeg(romp, AutoTekst(552, 368, QStringLiteral("Rse")));
    Voeg(romp, AutoTekst(552, 392, QStringLiteral("Rsi")));
    for (auto [naam, y] : {std::pair{"LabelRse", 368.0}, std::pair{"LabelRsi", 392.0}}) {
        TTekstElement waarde = AutoTekst(646, y, {});
        waarde.Achtergrond = QColor(Qt::white);
        labels.Voeg(naam, waarde);
    }
    TTekstElement voetnoot = AutoTekst(0, 336, QString::fromUtf8(kVoetnoot), 8);
    voetnoot.Achtergrond = QColor(Qt::white);
    Voeg(romp, voetnoot);

    TTekstElement bevestiger =
        VakTekst(6, 432, 667, 17, QStringLiteral("Bevestiger:"), TUitlijning::Midden, 10, true);
    bevestiger.Achtergrond = kZilver;
    Voeg(romp, bevestiger);
    Voeg(romp,
         AutoTekst(8, 472, QStringLiteral("Combinatie bevestiger/drukverdeelplaat:"), 10, true));
    TTekstElement combinatie = VakTekst(280, 472, 393, 41, {}, TUitlijning::Links);
    combinatie.Omloop = true;
    labels.Voeg("LabelCombinatie", combinatie);
    labels.Voeg("TitelAantal", AutoTekst(8, 520, QStringLiteral("Aantal per m\u00b2:"), 10, true));
    labels.Voeg("LabelAantal", AutoTekst(280, 520, {}));
    labels.Voeg("LabelTitelVervangendeLambda",
                AutoTekst(8, 552,
                          QStringLiteral("Vervangende lambda-waarde isolatie als gevolg van "
                                         "mechanische bevestiging:"),
                          10, true));
    labels.Voeg("LabelVervangendeLambda", AutoTekst(520, 552, {}));
    // NEN-EN-ISO 6946: its fastener correction in the place of the
    // replacement lambda it has no use for.
    labels.Voeg("LabelTitelDeltaUf", AutoTekst(8, 552, kTitelDeltaUf, 10, true));
    labels.Voeg("LabelDeltaUf", AutoTekst(280, 552, {}));

    TTekstElement resultaten =
        VakTekst(8, 640, 665, 17, QStringLiteral("Resultaten:"), TUitlijning::Midden, 10, true);
    resultaten.Achtergrond = kZilver;
    Voeg(romp, resultaten);
    Voeg(romp, AutoTekst(8, 688, QStringLiteral("Rc-waarde"), 14, true, 23));
    labels.Voeg("LabelRc", AutoTekst(128, 688, {}, 14, false, 23));
    Voeg(romp, AutoTekst(400, 688, QStringLiteral("U-waarde"), 14, true, 23));
    labels.Voeg("LabelU", AutoTekst(504, 688, {}, 14, false, 23));
    // NEN-EN-ISO 6946: the method under the heading, the requirement and the
    // thinnest point under Rc and U, inside the results box.
    labels.Voeg("LabelMethode", VakTekst(8, 660, 665, 17, QString::fromUtf8(kIsoBerekendVolgens),
                                         TUitlijning::Midden));
    labels.Voeg("LabelTitelEis", AutoTekst(8, 720, QString::fromUtf8(kEisRegel), 10, true));
    labels.Voeg("LabelEis", AutoTekst(264, 720, {}));
    labels.Voeg("LabelTitelRcMin", AutoTekst(400, 720, kTitelRcMin, 10, true));
    labels.Voeg("LabelRcMin", AutoTekst(504, 720, {}));

    // Below the results box, in the free lower part of the page.
    ZetProjectblok(project, 760);
}

void TQuickReport2::BeforePrint() {
    VernieuwProjectblok();
    const TAfschotBerekening& afschot = afschot_;
    const std::pair<const char*, QString> teksten[] = {
        {"LabelIsolatie", MetEenheid(afschot.cbIsolatie2.Tekst())},
        {"LabelDamprem", MetEenheid(afschot.CBdamprem.Tekst())},
        {"LabelOndercons", MetEenheid(afschot.CBonderconstructie.Tekst())},
        {"LabelMinDikteIsolatie", MetEenheid(afschot.MinDikte.Tekst)},
        {"LabelAfschotLengte", MetEenheid(afschot.AfschotLengte.Tekst)},
        {"LabelMaxDikteIsolatie", MetEenheid(afschot.MaxDikte.Tekst)},
        {"Labeloppvl1", MetEenheid(afschot.oppvl1.Tekst)},
        {"Labeloppvl2", MetEenheid(afschot.oppvl2.Tekst)},
        {"Labeloppvl3", MetEenheid(afschot.oppvl3.Tekst)},
        {"LabelDikteDamprem", MetEenheid(afschot.DikteDamprem.Tekst)},
        {"LabelDikteOndercons", MetEenheid(afschot.DikteOndercons.Tekst)},
        {"LabelLambdaIsolatie", MetEenheid(afschot.LambdaIsol2.Tekst)},
        {"LabellambdaDamprem", MetEenheid(afschot.LambdaDamprem.Tekst)},
        {"LabelLambdaOndercons", MetEenheid(afschot.LambdaOndercons.Tekst)},
        {"LabelRDamprem", MetEenheid(afschot.RmDamprem.Tekst)},
        {"LabelROndercons", MetEenheid(afschot.RmOndercons.Tekst)},
        {"LabelCombinatie", MetEenheid(afschot.CBcombinatie.Tekst())},
        {"LabelAantal", MetEenheid(afschot.EditAantal.Tekst)},
        {"LabelRc", MetEenheid(afschot.EditRc2.Tekst, kM2KW)},
        {"LabelU", MetEenheid(afschot.EditU2.Tekst, kWM2K)},
        {"LabelVervangendeLambda", MetEenheid(afschot.LambdaRW.Tekst, kWmK)},
    };
    for (const auto& [naam, tekst] : teksten) {
        labels_.Tekst(QString::fromLatin1(naam)).Tekst = tekst;
    }
    labels_.Tekst(QStringLiteral("LabelNorm")).Tekst = Normregel(afschot.Methode());
    labels_.Tekst(QStringLiteral("LabelDeltaUf")).Tekst =
        DeltaUfTekst(afschot.DeltaUf.Tekst, afschot.PercentageU.Tekst);
    labels_.Tekst(QStringLiteral("LabelEis")).Tekst = QString::fromStdString(afschot.Eis);
    labels_.Tekst(QStringLiteral("LabelRcMin")).Tekst = MetEenheid(afschot.EditRcMin2.Tekst, kM2KW);
}

void TQuickReport2::QRSubDetail2BeforePrint() {
    const bool bevestigd =
        labels_.Tekst(QStringLiteral("LabelCombinatie")).Tekst != kGeenBevestiging;
    const bool iso = afschot_.Methode() == TMethode::Iso6946;
    // Under NEN-EN-ISO 6946 the replacement lambda is "n.v.t.": left out.
    for (const char* naam : kBevestigingTeksten) {
        labels_.Aan(QString::fromLatin1(naam)) = bevestigd;
    }
    for (const char* naam : {"LabelTitelVervangendeLambda", "LabelVervangendeLambda"}) {
        labels_.Aan(QString::fromLatin1(naam)) = bevestigd && !iso;
    }
    for (const char* naam : kIsoTeksten) {
        labels_.Aan(QString::fromLatin1(naam)) = iso;
    }
    labels_.Tekst(QStringLiteral("LabelRdakb")).Tekst = Vast(kRmDakbed, 3);
    labels_.Tekst(QStringLiteral("LabelRse")).Tekst = Vast(0.04, 2);
    labels_.Tekst(QStringLiteral("LabelRsi")).Tekst = Vast(0.10, 2);
}

} // namespace rcveltor::rapport
