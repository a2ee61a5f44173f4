#pragma once

// The calculation's file commands as the window program asks them: the file
// dialogs, "Wijzigingen opslaan?" before changes would be lost, and the
// messages. The calculation itself (its state, opening, saving, a new one)
// is TBerekening's.

#include "project/Berekening.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace rcveltor::app {

class TBerekeningsbeheer {
public:
    // venster: the owner of every dialog and message box.
    TBerekeningsbeheer(TBerekening& berekening, QWidget* venster);

    // After a file was opened or a new calculation begun: the screens are
    // refreshed by this.
    std::function<void()> Ververs;
    // The file dialogs; tests answer them instead. An empty name: cancelled.
    std::function<QString(const QString& voorstel)> VraagOpslagnaam;
    std::function<QString()> VraagOpenNaam;
    // The calculation errors of an opened file, per screen; by default all
    // are shown at once.
    std::function<void(const std::vector<std::string>& plat,
                       const std::vector<std::string>& afschot)>
        MeldFouten;

    // Menu commands. Opslaan and OpslaanAls say whether the file was written.
    bool Opslaan();
    bool OpslaanAls();
    void Openen();
    void NieuweBerekening();

    // Opens this file after the unsaved-changes question; the screens stay
    // as they were when it cannot be opened.
    void OpenBestand(const QString& pad);

    // "Wijzigingen opslaan?" when there are changes: true to go on (saved or
    // not wanted), false to stay (cancelled, or the save failed).
    bool MagVerdergaan();

private:
    QString Bestand() const { return QString::fromStdString(berekening_.Bestand()); }
    bool SchrijfNaar(const QString& pad);
    void Open(const QString& pad);

    TBerekening& berekening_;
    QWidget* venster_;
    QString laatsteMap_; // folder of the last file; empty before
};

} // namespace rcveltor::app
