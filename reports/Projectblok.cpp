#include "reports/Projectblok.h"

#include "project/Projectgegevens.h"
#include "reports/Bouwstenen.h"
#include "reports/Inkorten.h"
#include "reports/Tekstopmaak.h"

#include <algorithm>

namespace rcveltor::rapport {

namespace {

constexpr double kRegel = 18;        // row pitch [layout units]
constexpr double kRegelHoogte = 17;  // a text's box height [layout units]
constexpr double kRechts = 673;      // right edge of the block [layout units]
constexpr double kTweedeKolom = 352; // left edge of the right-hand labels [layout units]
constexpr double kTussenruimte = 8;  // between a label and its value [layout units]
const TLettertype kLabel{true, 10};
const TLettertype kWaarde{false, 10};

// The remark's lines: its own lines wrapped at words (a word too long for a
// line broken inside), at most `aantal`, the last with an ellipsis when
// text is left over.
std::vector<QString> Regels(const QString& opmerking, double breedte, std::size_t aantal,
                            const TLetterMaat& maat) {
    std::vector<QString> regels;
    QString tekst = opmerking;
    tekst.replace(QLatin1Char('\t'), QLatin1Char(' '));
    for (const QString& alinea : tekst.split(QLatin1Char('\n'))) {
        QString rest = alinea.trimmed();
        do {
            qsizetype lengte = Past(rest, QString(), breedte, kWaarde, maat);
            if (lengte < rest.size()) {
                const qsizetype spatie = rest.lastIndexOf(QLatin1Char(' '), lengte);
                if (spatie > 0) {
                    lengte = spatie;
                }
            }
            lengte = std::max<qsizetype>(lengte, 1);
            regels.push_back(rest.left(lengte).trimmed());
            rest = rest.mid(lengte).trimmed();
        } while (!rest.isEmpty());
    }
    if (regels.size() > aantal) {
        regels.resize(aantal);
        if (!regels.empty()) {
            regels.back() = Ingekort(regels.back(), breedte, kWaarde, maat, true);
        }
    }
    return regels;
}

// "2026-12-09" as the dialog shows it: "09-12-2026" (dd-mm-jjjj).
QString Datum(const std::string& iso) {
    const QString tekst = QString::fromStdString(iso);
    if (!IsDatum(iso)) {
        return tekst;
    }
    return tekst.mid(8, 2) + QLatin1Char('-') + tekst.mid(5, 2) + QLatin1Char('-') + tekst.left(4);
}

struct TVeld {
    QString Label; // the caption, with its colon
    QString Waarde;
};

} // namespace

void VoegProjectblok(TBand& band, double boven, const TProjectgegevens& project) {
    VoegProjectblok(band, boven, project, RapportLetterMaat());
}

void VoegProjectblok(TBand& band, double boven, const TProjectgegevens& project,
                     const TLetterMaat& maat) {
    if (project.Leeg()) {
        return;
    }
    const auto tekst = [](const std::string& utf8) { return QString::fromStdString(utf8); };
    const TVeld links[] = {{QStringLiteral("Project:"), tekst(project.Naam)},
                           {QStringLiteral("Projectnummer:"), tekst(project.Nummer)},
                           {QStringLiteral("Adres:"), tekst(project.Adres)},
                           {QStringLiteral("Postcode en plaats:"), tekst(project.PostcodePlaats)},
                           {QStringLiteral("Opmerking:"), {}}};
    const TVeld rechts[] = {{QStringLiteral("Datum:"), Datum(project.Datum)},
                            {QStringLiteral("Opdrachtgever:"), tekst(project.Opdrachtgever)},
                            {QStringLiteral("Opgesteld door:"), tekst(project.OpgesteldDoor)}};

    const auto labelbreedte = [&](const auto& velden) {
        double breedste = 0;
        for (const TVeld& veld : velden) {
            breedste = std::max(breedste, maat.Breedte(veld.Label, kLabel));
        }
        return breedste;
    };
    const double xLinks = 8;
    const double xWaardeLinks = xLinks + labelbreedte(links) + kTussenruimte;
    const double xWaardeRechts = kTweedeKolom + labelbreedte(rechts) + kTussenruimte;

    const auto voeg = [&](double x, double xWaarde, double rand, double y, const TVeld& veld) {
        Voeg(band, AutoTekst(x, y, veld.Label, 10, true));
        const double breedte = rand - xWaarde;
        Voeg(band, VakTekst(xWaarde, y, breedte, kRegelHoogte,
                            Ingekort(veld.Waarde, breedte, kWaarde, maat), TUitlijning::Links));
    };
    for (std::size_t i = 0; i < 4; ++i) {
        voeg(xLinks, xWaardeLinks, kTweedeKolom - kTussenruimte, boven + kRegel * i, links[i]);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        voeg(kTweedeKolom, xWaardeRechts, kRechts, boven + kRegel * i, rechts[i]);
    }

    const double yOpmerking = boven + kRegel * 4;
    Voeg(band, AutoTekst(xLinks, yOpmerking, links[4].Label, 10, true));
    const double ruimte = band.Hoogte - yOpmerking - kRegelHoogte;
    const auto aantal = ruimte < 0 ? 0 : static_cast<std::size_t>(ruimte / kRegel) + 1;
    const double breedte = kRechts - xWaardeLinks;
    const auto regels = Regels(tekst(project.Opmerking), breedte, aantal, maat);
    for (std::size_t i = 0; i < regels.size(); ++i) {
        Voeg(band, VakTekst(xWaardeLinks, yOpmerking + kRegel * i, breedte, kRegelHoogte, regels[i],
                            TUitlijning::Links));
    }
}

} // namespace rcveltor::rapport
