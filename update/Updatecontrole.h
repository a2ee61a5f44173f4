#pragma once

// The trust decision on a control file that the server returned: signed
// with the maker's key, for this program, within its validity, not lower
// than a version announced before; then newer than this program or not.

#include "update/Controlebestand.h"
#include "update/Updateinstellingen.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QUrl>
#include <QVersionNumber>
#include <optional>

namespace rcveltor::update {

enum class TControleUitkomst { Nieuwer, NietNieuwer, Onbereikbaar, Ongeldig };

struct TControle {
    TControleUitkomst Uitkomst = TControleUitkomst::Onbereikbaar;
    std::optional<TControlebestand> Bestand; // only when it is trustworthy
    QUrl Url;
    QString Reden; // English, as logged
};

// Decides on bestand, as it arrived, on the day vandaag. A trustworthy file's
// version is remembered in the settings' Instellingenbestand; a file
// announcing a lower version than one remembered there is refused.
TControle BeoordeelControlebestand(QByteArrayView bestand, const TUpdateInstellingen& instellingen,
                                   const QDate& vandaag = QDate::currentDate());

// The highest version a trustworthy file announced; empty when none did.
QVersionNumber HoogsteVersie(const TUpdateInstellingen& instellingen);

} // namespace rcveltor::update
