#include "update/Updatecontrole.h"

#include <QSettings>

namespace rcveltor::update {

namespace {

const QString kHoogsteVersie = QStringLiteral("Update/HoogsteVersie");

void OnthoudVersie(const TUpdateInstellingen& instellingen, const QVersionNumber& versie) {
    if (VergelijkVersies(versie, HoogsteVersie(instellingen)) > 0) {
        QSettings(instellingen.Instellingenbestand, QSettings::IniFormat)
            .setValue(kHoogsteVersie, versie.toString());
    }
}

TControle Ongeldig(const QString& reden) {
    return {TControleUitkomst::Ongeldig,
            std::nullopt,
            {},
            QStringLiteral("control file refused: ") + reden};
}

} // namespace

QVersionNumber HoogsteVersie(const TUpdateInstellingen& instellingen) {
    const QSettings ini(instellingen.Instellingenbestand, QSettings::IniFormat);
    return LeesVersie(ini.value(kHoogsteVersie).toString()).value_or(QVersionNumber());
}

TControle BeoordeelControlebestand(QByteArrayView bestand, const TUpdateInstellingen& instellingen,
                                   const QDate& vandaag) {
    TLeesResultaat gelezen = LeesOndertekendControlebestand(bestand, instellingen.PubliekeSleutel);
    if (!gelezen.Bestand) {
        return Ongeldig(gelezen.Fout);
    }
    const TControlebestand& b = *gelezen.Bestand;
    if (b.Programma != instellingen.Programma) {
        return Ongeldig(QStringLiteral("it is for %1").arg(b.Programma));
    }
    if (b.GeldigTot < vandaag) {
        return Ongeldig(QStringLiteral("it expired on %1").arg(b.GeldigTot.toString(Qt::ISODate)));
    }
    // A signing day ahead would stretch how long the file is valid; a day's
    // grace for clocks and time zones.
    if (b.Ondertekend > vandaag.addDays(1)) {
        return Ongeldig(
            QStringLiteral("signed on %1, a day to come").arg(b.Ondertekend.toString(Qt::ISODate)));
    }
    // An old signed file served again must not hide a newer release.
    if (const QVersionNumber hoogste = HoogsteVersie(instellingen);
        VergelijkVersies(b.Versie, hoogste) < 0) {
        return Ongeldig(QStringLiteral("version %1 is lower than %2 announced before")
                            .arg(b.Versie.toString(), hoogste.toString()));
    }
    OnthoudVersie(instellingen, b.Versie);
    const QString versie = b.Versie.toString();
    const bool nieuwer = VergelijkVersies(b.Versie, instellingen.HuidigeVersie) > 0;
    return {nieuwer ? TControleUitkomst::Nieuwer : TControleUitkomst::NietNieuwer,
            std::move(gelezen.Bestand),
            {},
            nieuwer ? QStringLiteral("version %1 is available").arg(versie)
                    : QStringLiteral("version %1 is not newer").arg(versie)};
}

} // namespace rcveltor::update
