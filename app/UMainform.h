#pragma once

// The main window: bands, menu, the start screen and both calculation
// screens, and the program's start-up.

#include "app/Berekeningsbeheer.h"
#include "app/Paneelplaatsing.h"
#include "app/UpdateControle.h"
#include "project/Berekening.h"

#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QScrollArea;

namespace rcveltor::app {

class TPlaatje;
class TRcPaneel;
class TAfschotPaneel;
class TFrmRcWizard;
class TFrmProjectgegevens;
class TFrmVochtcontrole;

enum class TZichtbaarScherm { Geen, Plat, Afschot };

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // berekening: the calculation the window shows; it outlives the window.
    explicit TMainForm(TBerekening& berekening, QWidget* ouder = nullptr);
    ~TMainForm() override;

    // Set before showing.
    void ZetWizard(TFrmRcWizard* wizard) { wizard_ = wizard; }
    void ZetUpdateControle(TUpdateControle controle) { update_ = std::move(controle); }
    void ZetGeenUpdate(bool geenUpdate) { geenUpdate_ = geenUpdate; }
    void ZetWerkmap(const QString& werkmap) { werkmap_ = werkmap; }
    // The settings file that keeps the method between runs; by default the
    // user's own.
    void ZetInstellingenbestand(const QString& bestand);
    // The system beep; tests count it instead.
    std::function<void()> Piep;
    // The report preview of the visible screen and the info window; filled in
    // by the windows that provide them.
    std::function<void(TZichtbaarScherm)> Afdrukken;
    std::function<void()> ToonInfo;

    // The start-up sequence; runs once, when the window is first shown.
    void FormShow();

    // Menu commands.
    void ImageBerekeningClick();
    void ImageAfschotClick();
    void ImageTerugClick();
    void ImagePrintClick();
    void ImageInfoClick();
    void ImageProjectClick();
    void ImageNieuwClick();
    void ImageOpenenClick();
    void ImageOpslaanClick();
    void ImageOpslaanAlsClick();
    // "Vochtcontrole": the moisture check of the visible screen, in a window
    // that follows the screens until it is closed.
    void ImageVochtClick();

    // The list "Rekenmethode" on either screen: both screens change, and the
    // choice is kept for the next run.
    void KiesMethode(int methode);

    // A calculation file named when the program was started, opened once the
    // start-up has run.
    void OpenBijStart(const QString& pad);

    // The Rc wizard from the flat-roof screen's button.
    void SpeedButton1Click();

    // Refreshes both screens from their records.
    void updateDisplay();

    TBerekeningsbeheer& Beheer() { return beheer_; }
    TZichtbaarScherm ZichtbaarScherm() const { return zichtbaar_; }
    TRcPaneel* Panel1() const { return panel1_; }
    TAfschotPaneel* Panel2() const { return panel2_; }
    TFrmVochtcontrole* Vochtcontrole() const { return vocht_; }
    QScrollArea* ScrollBox1() const { return scrollBox1_; }
    QScrollArea* ScrollBox2() const { return scrollBox2_; }

    // Runs one user action: an error it raises is shown in the error box,
    // then every widget is refreshed.
    void Actie(const std::function<void()>& actie);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // A command leaves the field the user is typing in: its text is applied first.
    void VerlaatVeld();
    TMethode BewaardeMethode() const;
    void FormResize();
    void PlaatsPaneel(QScrollArea* gebied, QWidget* paneel, bool menuOpdracht);
    void Toon(TZichtbaarScherm scherm);
    // A calculation screen shown by a command: placed, and what it had to say
    // while hidden said now.
    void ToonScherm(TZichtbaarScherm scherm);
    // Calculation errors of one screen: shown now when it is visible, else
    // kept (replacing older ones) until it shows.
    void MeldFouten(TZichtbaarScherm scherm, const std::vector<std::string>& fouten);
    // "RcVeltor", or "dak.rcv - RcVeltor" with Qt's "*" for unsaved changes.
    void ToonTitel();
    // The moisture check's window follows the visible screen.
    void VerversVocht();

    TBerekening& berekening_;
    TBerekeningsbeheer beheer_;
    TUpdateControle update_;
    TFrmRcWizard* wizard_ = nullptr;
    bool geenUpdate_ = false;
    bool opgestart_ = false;
    QString werkmap_;
    QString instellingenbestand_;
    TZichtbaarScherm zichtbaar_ = TZichtbaarScherm::Geen;
    std::map<TZichtbaarScherm, std::vector<std::string>> uitgesteld_; // errors of hidden screens

    TPlaatje* kop_ = nullptr;
    TPlaatje* graybar_ = nullptr;
    TPlaatje* logo_ = nullptr;
    TPlaatje* fototop_ = nullptr;
    TPlaatje* fotobottom_ = nullptr;
    TPlaatje* marge_ = nullptr;
    TPlaatje* imageInfo_ = nullptr;
    TPlaatje* image5_ = nullptr;
    TPlaatje* image1_ = nullptr;
    TFrmProjectgegevens* projectgegevens_ = nullptr;
    TFrmVochtcontrole* vocht_ = nullptr;
    std::vector<std::pair<QKeySequence, TPlaatje*>> menuItems_; // the menu's keys and items
    QWidget* label1_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QScrollArea* scrollBox2_ = nullptr;
    TRcPaneel* panel1_ = nullptr;
    TAfschotPaneel* panel2_ = nullptr;
};

} // namespace rcveltor::app
