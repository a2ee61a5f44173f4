#pragma once

// The calculation as a document: its project data, the file it belongs to,
// and whether it changed since it was last saved, opened or begun. Saving,
// opening and a new calculation; each asks first when changes would be lost.

#include "Berekeningsbestand.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace rcveltor {
class TRekenModel;
}

namespace rcveltor::app {

class TFrmRcWizard;

class TBerekeningsbeheer {
public:
    // venster: the owner of every dialog and message box.
    TBerekeningsbeheer(TRekenModel& model, QWidget* venster);

    void ZetWizard(TFrmRcWizard* wizard) { wizard_ = wizard; }

    TProjectgegevens Project; // the project data of the calculation
    QString Bestand() const { return bestand_; }
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

    // The present state counts as saved: after the start-up.
    void Vastgelegd();
    bool Gewijzigd();

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
    TBerekeningsbestand Stand();
    std::string WensRc() const;
    bool SchrijfNaar(const QString& pad);
    void Open(const QString& pad);

    TRekenModel& model_;
    QWidget* venster_;
    TFrmRcWizard* wizard_ = nullptr;
    QString bestand_;                               // the file saved to or opened; empty for none
    QString laatsteMap_;                            // folder of the last file; empty before
    std::optional<TBerekeningsbestand> vastgelegd_; // the state last saved, opened or begun
    TOnbekendeSleutels onbekend_; // the opened file's keys this release does not know
};

} // namespace rcveltor::app
