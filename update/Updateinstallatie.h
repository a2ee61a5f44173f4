#pragma once

// Installs the downloads of an update as one transaction: each download is
// checked again against its signed SHA-256 and extracted before anything is
// installed, a new program is started once from where it is staged, then
// TInstallatie swaps everything in. Every file operation of an update's
// installation is here, in TInstallatie or in Vervangen.

#include "update/Controlebestand.h"
#include "update/Installatie.h"
#include "update/Updateinstellingen.h"
#include "update/Updatelog.h"

#include <QList>
#include <QString>
#include <QVersionNumber>
#include <atomic>
#include <functional>

namespace rcveltor::update {

// A download that arrived as its component announced.
struct TGedownload {
    TComponent Component;
    QString Pad;
};

class TUpdateInstallatie {
public:
    TUpdateInstallatie(const TUpdateInstellingen& instellingen, const TUpdateLog& log,
                       QList<TGedownload> downloads, QVersionNumber versie);

    // All or nothing; false once the reason and the rollback are logged.
    bool Installeer();
    // From another thread: an installation whose swap has not begun stops
    // and is rolled back. False when the swap has begun: that is not stopped.
    bool Annuleer();

    std::function<void(int klaar, int totaal)> Voortgang;
    std::function<void()> WisselBegint; // from here on it cannot be cancelled
    // Called after every step (link or rename) of the swap, with its number.
    std::function<void(int)> NaStap;

private:
    bool InstalleerAlles();
    void Meld(qsizetype klaar, qsizetype totaal) const;

    const TUpdateInstellingen instellingen_;
    const TUpdateLog log_;
    QList<TGedownload> downloads_;
    QVersionNumber versie_;
    // Changed by one thread at a time: Annuleer stops only what has not
    // reached the swap.
    enum TToestand { Bezig, Geannuleerd, Wisselt };
    std::atomic<int> toestand_ = Bezig;
};

// At every start, before anything else: completes or rolls back an
// installation that was killed part-way or whose new program did not confirm
// that it started, and removes what it left.
TInstallatie::THerstel HerstelOnderbrokenUpdate(const TUpdateInstellingen& instellingen,
                                                int limietSeconden = 120);
// Once the main window shows: the new program runs, the old files may go.
bool BevestigUpdateStart(const TUpdateInstellingen& instellingen);
// The installed program could not be started: the old one comes back.
bool ZetUpdateTerug(const TUpdateInstellingen& instellingen, const TUpdateLog& log);

} // namespace rcveltor::update
