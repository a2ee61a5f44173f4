// The trust decision on the control file as the server returned it: only a
// trustworthy file counts, and its version is remembered.

#include "tests/update/QtPrint.h"
#include "tests/update/Updatemappen.h"
#include "update/Updatecontrole.h"

#include <QSettings>
#include <functional>
#include <gtest/gtest.h>

using namespace rcveltor::update;
using namespace rcveltor::test;

namespace {

const QDate kVandaag(2009, 4, 15);
const QString kOnthouden = QStringLiteral("Update/HoogsteVersie");

QString Onthouden(const TUpdateMappen& m) {
    return QSettings(m.Instellingenbestand, QSettings::IniFormat).value(kOnthouden).toString();
}

TEST(Updatecontrole, OnlyATrustworthyFileCountsAndItsVersionIsRemembered) {
    using TBestand = std::function<QByteArray(TUpdateMappen&)>;
    const auto versie = [](const char* v) {
        return [v](TUpdateMappen& m) {
            return m.Getekend(m.Controlebestand(QString::fromLatin1(v), {}));
        };
    };
    const auto gedateerd = [](int ondertekend, int geldigTot) {
        return [ondertekend, geldigTot](TUpdateMappen& m) {
            m.Ondertekend = kVandaag.addDays(ondertekend);
            m.GeldigTot = kVandaag.addDays(geldigTot);
            return m.Getekend(m.Controlebestand(QStringLiteral("4.0.1.4"), {}));
        };
    };
    struct TGeval {
        const char* naam;
        TBestand bestand;
        TControleUitkomst uitkomst;
        const char* reden;
        const char* onthouden; // afterwards
    };
    const auto N = TControleUitkomst::Nieuwer;
    const auto NN = TControleUitkomst::NietNieuwer;
    const auto O = TControleUitkomst::Ongeldig;
    const TGeval gevallen[] = {
        {"newer", versie("4.0.1.4"), N, "version 4.0.1.4 is available", "4.0.1.4"},
        {"newer by its second part", versie("4.1"), N, "version 4.1 is available", "4.1"},
        {"the same", versie("4.0.1.3"), NN, "version 4.0.1.3 is not newer", "4.0.1.3"},
        {"older", versie("4.0.0.9"), NN, "version 4.0.0.9 is not newer", "4.0.0.9"},
        {"signed with another key",
         [](TUpdateMappen& m) {
             return m.Getekend(m.Controlebestand(QStringLiteral("4.0.1.4"), {}),
                               NieuweEd25519Sleutel());
         },
         O, "signature does not match", ""},
        {"unsigned",
         [](TUpdateMappen& m) {
             return SchrijfControlebestand(m.Controlebestand(QStringLiteral("4.0.1.4"), {}));
         },
         O, "no signature", ""},
        {"a web page instead", [](TUpdateMappen&) { return QByteArray("<html>Onderhoud</html>"); },
         O, "no signature", ""},
        {"for another program",
         [](TUpdateMappen& m) {
             TControlebestand b = m.Controlebestand(QStringLiteral("4.0.1.4"), {});
             b.Programma = QStringLiteral("AnderProgramma");
             return m.Getekend(b);
         },
         O, "control file refused: it is for AnderProgramma", ""},
        {"expired", gedateerd(-31, -1), O, "it expired on 2009-04-14", ""},
        {"valid through today", gedateerd(-30, 0), N, "version 4.0.1.4 is available", "4.0.1.4"},
        {"valid for 400 days", gedateerd(0, 400), N, "version 4.0.1.4 is available", "4.0.1.4"},
        {"valid for ever",
         [](TUpdateMappen& m) {
             m.GeldigTot = QDate(9999, 12, 31);
             return m.Getekend(m.Controlebestand(QStringLiteral("4.0.1.4"), {}));
         },
         O, "GeldigTot is not within 400 days after Ondertekend", ""},
        {"signed tomorrow: a day's grace", gedateerd(1, 30), N, "version 4.0.1.4 is available",
         "4.0.1.4"},
        {"signed on a day to come", gedateerd(2, 30), O, "signed on 2009-04-17, a day to come", ""},
        {"without a signing day",
         [](TUpdateMappen& m) {
             const QByteArray inhoud =
                 SchrijfControlebestand(m.Controlebestand(QStringLiteral("4.0.1.4"), {}))
                     .replace("Ondertekend=", "Opmerking=");
             return VoegHandtekeningToe(inhoud, OndertekenEd25519(inhoud, m.Prive));
         },
         O, "Ondertekend missing", ""},
        {"lower than a version announced before",
         [](TUpdateMappen& m) {
             QSettings(m.Instellingenbestand, QSettings::IniFormat)
                 .setValue(kOnthouden, QStringLiteral("4.0.1.5"));
             return m.Getekend(m.Controlebestand(QStringLiteral("4.0.1.4"), {}));
         },
         O, "control file refused: version 4.0.1.4 is lower than 4.0.1.5 announced before",
         "4.0.1.5"},
        {"no lower than a version announced before",
         [](TUpdateMappen& m) {
             QSettings(m.Instellingenbestand, QSettings::IniFormat)
                 .setValue(kOnthouden, QStringLiteral("4.0.1.4"));
             return m.Getekend(m.Controlebestand(QStringLiteral("4.0.1.4"), {}));
         },
         N, "version 4.0.1.4 is available", "4.0.1.4"},
    };
    for (const TGeval& g : gevallen) {
        TUpdateMappen m;
        m.Ondertekend = kVandaag;
        m.GeldigTot = kVandaag.addDays(30);
        const QByteArray bestand = g.bestand(m);
        const TControle c = BeoordeelControlebestand(bestand, m.Instellingen(), kVandaag);
        EXPECT_EQ(c.Uitkomst, g.uitkomst) << g.naam;
        EXPECT_TRUE(c.Reden.contains(QLatin1String(g.reden)))
            << g.naam << " gave: " << c.Reden.toStdString();
        EXPECT_EQ(c.Bestand.has_value(), g.uitkomst != O) << g.naam;
        EXPECT_EQ(Onthouden(m), QLatin1String(g.onthouden)) << g.naam;
    }
}

} // namespace
