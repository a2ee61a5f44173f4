#include "reports/Vochtpagina.h"

#include "basis/RcFout.h"
#include "reports/Bouwstenen.h"
#include "reports/Glaserdiagram.h"
#include "reports/Inkorten.h"
#include "reports/Tekstopmaak.h"

#include <optional>

namespace rcveltor::rapport {

namespace {

const char* const kBouwbesluit = "Het Bouwbesluit eist alleen fRsi \u2265 0,65; de maandmethode "
                                 "(NEN-EN-ISO 13788) is een advies.";

QString Q(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

struct TKolom {
    double X, Breedte;
    const char* Kop;
};

// The layer table, outside at the top as on the first page.
constexpr TKolom kLaagKolommen[] = {
    {2, 127, "Constructie"},    {132, 180, "Materiaal"},     {315, 60, "d [mm]"},
    {378, 70, "\u03bb [W/mK]"}, {451, 84, "R [m\u00b2K/W]"}, {538, 68, "\u03bc [-]"},
    {609, 68, "sd [m]"},
};
const char* const kLaagnamen[kVochtLagen] = {"Onderconstructie", "Damprem", "Isolatie",
                                             "Dakbedekking"};
constexpr double kLaagKop = 72;

constexpr TKolom kMaandKolommen[] = {
    {2, 64, "Maand"},
    {69, 46, "\u03b8e [\u00b0C]"},
    {118, 40, "\u03c6e [%]"},
    {161, 46, "pi [Pa]"},
    {210, 46, "pe [Pa]"},
    {259, 60, "gc [g/m\u00b2]"},
    {322, 60, "ma [g/m\u00b2]"},
};
constexpr double kMaandKop = 452;
constexpr double kMaandRij = 18;
constexpr double kMaandLetter = 8;

constexpr double kInvoerBoven = 206;
constexpr double kUitkomstBoven = 288;
constexpr double kWaardeX = 264;
const QRectF kDiagram(396, kMaandKop, 281, 13 * kMaandRij + 1);

void Kader(TBand& band, double boven, double hoogte, const QString& titel) {
    Voeg(band, Cel(2, boven, 675, hoogte, false));
    TTekstElement kop = VakTekst(8, boven + 2, 665, 17, titel, TUitlijning::Midden, 10, true);
    kop.Achtergrond = kZilver;
    Voeg(band, kop);
}

void Regel(TBand& band, double y, const QString& naam, const QString& waarde) {
    Voeg(band, AutoTekst(8, y, naam, 10, true));
    Voeg(band, VakTekst(kWaardeX, y, 673 - kWaardeX, 17, waarde, TUitlijning::Links));
}

void Lagen(TBand& band, const TVochtWeergave& weergave) {
    for (const TKolom& kolom : kLaagKolommen) {
        Voeg(band, Cel(kolom.X, kLaagKop, kolom.Breedte, 25, true));
    }
    for (std::size_t rij = 0; rij < kVochtLagen; ++rij) {
        for (std::size_t k = 0; k < std::size(kLaagKolommen); ++k) {
            Voeg(band, Cel(kLaagKolommen[k].X, kLaagKop + 28 + 24 * rij, kLaagKolommen[k].Breedte,
                           25, k == 0));
        }
    }
    for (const TKolom& kolom : kLaagKolommen) {
        Voeg(band, AutoTekst(kolom.X + 4, kLaagKop + 4, QString::fromUtf8(kolom.Kop), 10, true));
    }
    const TLettertype letter{false, 10};
    for (std::size_t rij = 0; rij < kVochtLagen; ++rij) {
        const std::size_t laag = kVochtLagen - 1 - rij;
        const TVochtRijtekst& r = weergave.Rijen[laag];
        const double y = kLaagKop + 32 + 24 * rij;
        Voeg(band, AutoTekst(8, y, QString::fromLatin1(kLaagnamen[laag]), 10, true));
        const TKolom& materiaal = kLaagKolommen[1];
        Voeg(band, VakTekst(materiaal.X + 4, y, materiaal.Breedte - 8, 17,
                            Ingekort(Q(r.Naam), materiaal.Breedte - 8, letter, RapportLetterMaat()),
                            TUitlijning::Links));
        const std::string* waarden[] = {&r.Dikte, &r.Lambda, &r.R, &r.Mu, &r.Sd};
        for (std::size_t k = 0; k < std::size(waarden); ++k) {
            const TKolom& kolom = kLaagKolommen[k + 2];
            Voeg(band, VakTekst(kolom.X + 3, y, kolom.Breedte - 8, 17, Q(*waarden[k]),
                                TUitlijning::Rechts));
        }
    }
}

void Invoer(TBand& band, const TVochtVelden& velden) {
    Kader(band, kInvoerBoven, 70, QStringLiteral("Uitgangspunten:"));
    Regel(band, kInvoerBoven + 26, QStringLiteral("Binnenklimaat:"),
          Q(velden.Binnenklimaat.Tekst()));
    QString dakbedekking = Q(velden.Dakbedekking.Tekst());
    if (velden.SdGetypt()) {
        dakbedekking +=
            QStringLiteral(" (sd ") + Q(velden.SdDakbedekking.Tekst) + QStringLiteral(" m)");
    }
    Regel(band, kInvoerBoven + 46, QStringLiteral("Dakbedekking:"), dakbedekking);
}

void Uitkomst(TBand& band, const TVochtWeergave& w) {
    Kader(band, kUitkomstBoven, 152, QStringLiteral("Resultaten:"));
    const double y = kUitkomstBoven + 26;
    Regel(band, y, QStringLiteral("Temperatuurfactor fRsi:"),
          Q(w.FRsi) + QStringLiteral(" (eis \u2265 0,65): ") + Q(w.FRsiEis));
    Regel(band, y + 20, QStringLiteral("Maandmethode:"), Q(w.Oordeel));
    Regel(band, y + 40, QStringLiteral("Grootste hoeveelheid condensaat:"),
          Q(w.MaxCondensaat) + QStringLiteral(" g/m\u00b2"));
    const auto dubbelepunt = w.MinSdZin.find(':');
    if (dubbelepunt == std::string::npos) {
        Voeg(band, AutoTekst(8, y + 60, Q(w.MinSdZin), 10, true));
    } else {
        Regel(band, y + 60, Q(std::string_view(w.MinSdZin).substr(0, dubbelepunt + 1)),
              Q(std::string_view(w.MinSdZin).substr(dubbelepunt + 1)).trimmed());
    }
    QString dampremmen;
    for (const std::string& naam : w.GeschikteDampremmen) {
        dampremmen += (dampremmen.isEmpty() ? QString() : QStringLiteral(", ")) + Q(naam);
    }
    Voeg(band, AutoTekst(8, y + 80, QStringLiteral("Geschikte dampremmen:"), 10, true));
    TTekstElement lijst =
        VakTekst(kWaardeX, y + 80, 673 - kWaardeX, 37,
                 dampremmen.isEmpty() ? QStringLiteral("geen") : dampremmen, TUitlijning::Links);
    lijst.Omloop = true;
    Voeg(band, lijst);
}

void Maanden(TBand& band, const TVochtWeergave& w, std::size_t ergste) {
    for (const TKolom& kolom : kMaandKolommen) {
        Voeg(band, Cel(kolom.X, kMaandKop, kolom.Breedte, kMaandRij + 1, true));
    }
    for (std::size_t rij = 0; rij < kMaanden; ++rij) {
        for (std::size_t k = 0; k < std::size(kMaandKolommen); ++k) {
            Voeg(band, Cel(kMaandKolommen[k].X, kMaandKop + kMaandRij * (rij + 1),
                           kMaandKolommen[k].Breedte, kMaandRij + 1, k == 0));
        }
    }
    for (const TKolom& kolom : kMaandKolommen) {
        Voeg(band, VakTekst(kolom.X + 2, kMaandKop + 3, kolom.Breedte - 4, 14,
                            QString::fromUtf8(kolom.Kop), TUitlijning::Midden, kMaandLetter, true));
    }
    for (std::size_t rij = 0; rij < kMaanden; ++rij) {
        const TVochtMaandtekst& m = w.Maanden[rij];
        const double y = kMaandKop + kMaandRij * (rij + 1) + 3;
        // The diagram's month in bold.
        const bool vet = rij == ergste;
        Voeg(band, VakTekst(kMaandKolommen[0].X + 4, y, kMaandKolommen[0].Breedte - 6, 14,
                            Q(Maandnaam(m.Maand)), TUitlijning::Links, kMaandLetter, vet));
        const std::string* waarden[] = {&m.ThetaE, &m.PhiE, &m.Pi, &m.Pe, &m.Gc, &m.Ma};
        for (std::size_t k = 0; k < std::size(waarden); ++k) {
            const TKolom& kolom = kMaandKolommen[k + 1];
            Voeg(band, VakTekst(kolom.X + 2, y, kolom.Breedte - 7, 14, Q(*waarden[k]),
                                TUitlijning::Rechts, kMaandLetter, vet));
        }
    }
}

void Diagram(TBand& band, const TVochtBerekening& berekening, std::size_t maand) {
    TPagina pagina;
    TekenGlaser(pagina, kDiagram, berekening, maand);
    for (TElement& element : pagina.Elementen) {
        Voeg(band, std::move(element));
    }
}

} // namespace

TBand MaakVochtband(const TVochtVelden& velden, const TVochtRekenaar& bereken,
                    const std::string& werkmap) {
    TBand band;
    band.Hoogte = 912;
    Voeg(band,
         VakTekst(0, 8, 681, 30, QStringLiteral("Vochtcontrole"), TUitlijning::Midden, 18, true));
    Voeg(band,
         VakTekst(0, 40, 681, 17, QStringLiteral("volgens NEN-EN-ISO 13788"), TUitlijning::Midden));

    std::optional<TVochtBerekening> berekening;
    std::optional<TVochtWeergave> weergave;
    QString fout;
    try {
        const TVochtdata data = LeesVochtdata(werkmap);
        berekening = bereken(data);
        weergave = Weergave(*berekening, data);
    } catch (const RcFout& reden) {
        fout = QString::fromUtf8(reden.what());
    }

    Invoer(band, velden);
    if (weergave) {
        Lagen(band, *weergave);
        Uitkomst(band, *weergave);
        const std::size_t ergste = ErgsteMaand(berekening->Uitkomst);
        Maanden(band, *weergave, ergste);
        Diagram(band, *berekening, ergste);
    } else {
        Kader(band, kUitkomstBoven, 152, QStringLiteral("Resultaten:"));
        Voeg(band,
             AutoTekst(8, kUitkomstBoven + 26,
                       QStringLiteral("De vochtcontrole kon niet worden uitgevoerd:"), 10, true));
        TTekstElement reden = VakTekst(8, kUitkomstBoven + 46, 665, 100, fout, TUitlijning::Links);
        reden.Omloop = true;
        Voeg(band, reden);
    }
    Voeg(band, AutoTekst(0, kMaandKop + 14 * kMaandRij + 8, QString::fromUtf8(kBouwbesluit), 9));
    return band;
}

} // namespace rcveltor::rapport
