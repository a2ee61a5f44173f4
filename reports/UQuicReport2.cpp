#include "UQuicReport2.h"

#include "Afbeeldingen.h"
#include "AfschotBerekening.h"
#include "Kopband.h"
#include "Producten.h"
#include "Projectgegevens.h"
#include "Rapportvorm.h"
#include "RcBerekening.h"

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

TQuickReport2::TQuickReport2(const TAfschotBerekening& afschot, const TProjectgegevens* project)
    : afschot_(afschot) {
    kop_ = MaakKopband();
    romp_.Hoogte = 912;
    TBand& b = romp_;
    TLabels& l = labels_;

    // Rectangles first, then the texts over them.
    Tabelkop(b);
    RijCellen(b, 140);
    RijCellen(b, 164, {false, false});
    RijCellen(b, 276);
    RijCellen(b, 300);
    for (double y : {196.0, 220.0, 244.0}) {
        Voeg(b, Cel(18, y, 151, 25, true));
        Voeg(b, Cel(174, y, 74, 25, false));
        Voeg(b, Cel(250, y, 167, 25, true));
        Voeg(b, Cel(422, y, 74, 25, false));
    }
    for (double y : {364.0, 388.0}) {
        Voeg(b, Cel(549, y, 54, 25, true));
        Voeg(b, Cel(607, y, 69, 25, false));
    }
    Voeg(b, Cel(2, 428, 675, 157, false));
    Voeg(b, Cel(2, 626, 675, 119, false));

    l.Noem("LabelNorm", Titel(b, QStringLiteral("Rc-berekening dak met afschotisolatie")));
    TabelkopTeksten(b);

    // Roof covering.
    Voeg(b, AutoTekst(8, 144, QStringLiteral("Dakbedekking"), 10, true));
    Voeg(b, AutoTekst(136, 144, QString::fromLatin1(TRcBerekening::kDakbedekking)));
    Voeg(b, VakTekst(360, 144, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
    Voeg(b, VakTekst(440, 144, 65, 17, QStringLiteral("n.v.t."), TUitlijning::Links));
    l.Voeg("LabelRdakb", Weerstand(144));
    // Tapered insulation: no thickness and no resistance.
    Voeg(b, AutoTekst(8, 168, QStringLiteral("Afschotisolatie"), 10, true));
    l.Voeg("LabelIsolatie", AutoTekst(136, 168, {}));
    l.Voeg("LabelLambdaIsolatie", Lambda(168));

    // Geometry block.
    const char* geometrie[] = {"Minimale dikte [mm]", "Afschotlengte [m]", "Maximale dikte [mm]"};
    const char* geometrieLabels[] = {"LabelMinDikteIsolatie", "LabelAfschotLengte",
                                     "LabelMaxDikteIsolatie"};
    const char* oppervlak[] = {"Oppervlakte type 1 [m\u00b2]", "Oppervlakte type 2 [m\u00b2]",
                               "Oppervlakte type 3 [m\u00b2]"};
    const char* oppervlakLabels[] = {"Labeloppvl1", "Labeloppvl2", "Labeloppvl3"};
    for (int i = 0; i < 3; ++i) {
        const double y = 200 + 24 * i;
        Voeg(b, AutoTekst(24, y, QString::fromLatin1(geometrie[i]), 10, true));
        l.Voeg(geometrieLabels[i], VakTekst(176, y, 65, 17, {}, TUitlijning::Rechts));
        Voeg(b, AutoTekst(256, y, QString::fromUtf8(oppervlak[i]), 10, true));
        l.Voeg(oppervlakLabels[i], VakTekst(424, y, 65, 17, {}, TUitlijning::Rechts));
    }
    Voeg(b, TPlaatjeElement{QRectF(504, 200, 169, 49), Plaattypen(), false});
    for (auto [tekst, x] :
         {std::pair{"Type 1", 504.0}, std::pair{"Type 2", 560.0}, std::pair{"Type 3", 616.0}}) {
        TTekstElement t = AutoTekst(x, 240, QString::fromLatin1(tekst));
        t.Achtergrond = QColor(Qt::white);
        Voeg(b, t);
    }

    // Vapour retarder and substructure.
    Voeg(b, AutoTekst(8, 280, QStringLiteral("Damprem"), 10, true));
    l.Voeg("LabelDamprem", AutoTekst(136, 280, {}));
    l.Voeg("LabelDikteDamprem", Dikte(280));
    l.Voeg("LabellambdaDamprem", Lambda(280));
    l.Voeg("LabelRDamprem", Weerstand(280));
    Voeg(b, AutoTekst(8, 304, QStringLiteral("Onderconstructie"), 10, true));
    l.Voeg("LabelOndercons", AutoTekst(136, 304, {}));
    l.Voeg("LabelDikteOndercons", Dikte(304));
    l.Voeg("LabelLambdaOndercons", Lambda(304));
    l.Voeg("LabelROndercons", Weerstand(304));

    Voeg(b, AutoTekst(552, 368, QStringLiteral("Rse")));
    Voeg(b, AutoTekst(552, 392, QStringLiteral("Rsi")));
    for (auto [naam, y] : {std::pair{"LabelRse", 368.0}, std::pair{"LabelRsi", 392.0}}) {
        TTekstElement t = AutoTekst(646, y, {});
        t.Achtergrond = QColor(Qt::white);
        l.Voeg(naam, t);
    }
    TTekstElement voetnoot = AutoTekst(0, 336, QString::fromUtf8(kVoetnoot), 8);
    voetnoot.Achtergrond = QColor(Qt::white);
    Voeg(b, voetnoot);

    TTekstElement bevestiger =
        VakTekst(6, 432, 667, 17, QStringLiteral("Bevestiger:"), TUitlijning::Midden, 10, true);
    bevestiger.Achtergrond = kZilver;
    Voeg(b, bevestiger);
    Voeg(b, AutoTekst(8, 472, QStringLiteral("Combinatie bevestiger/drukverdeelplaat:"), 10, true));
    TTekstElement combinatie = VakTekst(280, 472, 393, 41, {}, TUitlijning::Links);
    combinatie.Omloop = true;
    l.Voeg("LabelCombinatie", combinatie);
    l.Voeg("TitelAantal", AutoTekst(8, 520, QStringLiteral("Aantal per m\u00b2:"), 10, true));
    l.Voeg("LabelAantal", AutoTekst(280, 520, {}));
    l.Voeg("LabelTitelVervangendeLambda",
           AutoTekst(8, 552,
                     QStringLiteral("Vervangende lambda-waarde isolatie als gevolg van "
                                    "mechanische bevestiging:"),
                     10, true));
    l.Voeg("LabelVervangendeLambda", AutoTekst(520, 552, {}));
    // NEN-EN-ISO 6946: its fastener correction in the place of the
    // replacement lambda it has no use for.
    l.Voeg("LabelTitelDeltaUf", AutoTekst(8, 552, kTitelDeltaUf, 10, true));
    l.Voeg("LabelDeltaUf", AutoTekst(280, 552, {}));

    TTekstElement resultaten =
        VakTekst(8, 640, 665, 17, QStringLiteral("Resultaten:"), TUitlijning::Midden, 10, true);
    resultaten.Achtergrond = kZilver;
    Voeg(b, resultaten);
    Voeg(b, AutoTekst(8, 688, QStringLiteral("Rc-waarde"), 14, true, 23));
    l.Voeg("LabelRc", AutoTekst(128, 688, {}, 14, false, 23));
    Voeg(b, AutoTekst(400, 688, QStringLiteral("U-waarde"), 14, true, 23));
    l.Voeg("LabelU", AutoTekst(504, 688, {}, 14, false, 23));
    // NEN-EN-ISO 6946: the method under the heading, the requirement and the
    // thinnest point under Rc and U, inside the results box.
    l.Voeg("LabelMethode",
           VakTekst(8, 660, 665, 17, QString::fromUtf8(kIsoBerekendVolgens), TUitlijning::Midden));
    l.Voeg("LabelTitelEis", AutoTekst(8, 720, QString::fromUtf8(kEisRegel), 10, true));
    l.Voeg("LabelEis", AutoTekst(264, 720, {}));
    l.Voeg("LabelTitelRcMin", AutoTekst(400, 720, kTitelRcMin, 10, true));
    l.Voeg("LabelRcMin", AutoTekst(504, 720, {}));

    // Below the results box, in the free lower part of the page.
    ZetProjectblok(project, 760);
}

void TQuickReport2::BeforePrint() {
    VernieuwProjectblok();
    const TAfschotBerekening& a = afschot_;
    const std::pair<const char*, QString> teksten[] = {
        {"LabelIsolatie", MetEenheid(a.cbIsolatie2.Tekst())},
        {"LabelDamprem", MetEenheid(a.CBdamprem.Tekst())},
        {"LabelOndercons", MetEenheid(a.CBonderconstructie.Tekst())},
        {"LabelMinDikteIsolatie", MetEenheid(a.MinDikte.Tekst)},
        {"LabelAfschotLengte", MetEenheid(a.AfschotLengte.Tekst)},
        {"LabelMaxDikteIsolatie", MetEenheid(a.MaxDikte.Tekst)},
        {"Labeloppvl1", MetEenheid(a.oppvl1.Tekst)},
        {"Labeloppvl2", MetEenheid(a.oppvl2.Tekst)},
        {"Labeloppvl3", MetEenheid(a.oppvl3.Tekst)},
        {"LabelDikteDamprem", MetEenheid(a.DikteDamprem.Tekst)},
        {"LabelDikteOndercons", MetEenheid(a.DikteOndercons.Tekst)},
        {"LabelLambdaIsolatie", MetEenheid(a.LambdaIsol2.Tekst)},
        {"LabellambdaDamprem", MetEenheid(a.LambdaDamprem.Tekst)},
        {"LabelLambdaOndercons", MetEenheid(a.LambdaOndercons.Tekst)},
        {"LabelRDamprem", MetEenheid(a.RmDamprem.Tekst)},
        {"LabelROndercons", MetEenheid(a.RmOndercons.Tekst)},
        {"LabelCombinatie", MetEenheid(a.CBcombinatie.Tekst())},
        {"LabelAantal", MetEenheid(a.EditAantal.Tekst)},
        {"LabelRc", MetEenheid(a.EditRc2.Tekst, kM2KW)},
        {"LabelU", MetEenheid(a.EditU2.Tekst, kWM2K)},
        {"LabelVervangendeLambda", MetEenheid(a.LambdaRW.Tekst, kWmK)},
    };
    for (const auto& [naam, tekst] : teksten) {
        labels_.Tekst(QString::fromLatin1(naam)).Tekst = tekst;
    }
    labels_.Tekst(QStringLiteral("LabelNorm")).Tekst = Normregel(a.Methode());
    labels_.Tekst(QStringLiteral("LabelDeltaUf")).Tekst =
        DeltaUfTekst(a.DeltaUf.Tekst, a.PercentageU.Tekst);
    labels_.Tekst(QStringLiteral("LabelEis")).Tekst = QString::fromStdString(a.Eis);
    labels_.Tekst(QStringLiteral("LabelRcMin")).Tekst = MetEenheid(a.EditRcMin2.Tekst, kM2KW);
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
