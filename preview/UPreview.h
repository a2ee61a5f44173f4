#pragma once

// The preview window: shows a report's page, zooms, prints and saves it as
// PDF. It works on the page set the report engine generates.

#include "preview/Paginabeeld.h"
#include "reports/Rapportmotor.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QEventLoop;
class QPrinter;
class QToolButton;

namespace rcveltor::rapport {

class TFrmPreview : public QWidget {
    Q_OBJECT
public:
    explicit TFrmPreview(QWidget* ouder = nullptr);
    ~TFrmPreview() override;

    // The report of the visible calculation screen; nullptr when none shows.
    std::function<TRapport*()> KiesRapport;
    // The PDF export: writes a page set to a file, throws on failure.
    std::function<void(const TPaginaSet&, const QString&)> PdfSchrijver;
    // Opens a finished file with the desktop's default application; false
    // when the desktop could not.
    std::function<bool(const QString&)> Openen;
    // The file name from the save dialog; empty when cancelled.
    std::function<QString()> VraagBestandsnaam;
    // The print dialog: true when confirmed.
    std::function<bool(QPrinter&, int aantalPaginas)> VraagAfdrukken;

    // The main window's print command: generates the visible screen's report
    // for preview and returns when the window has been closed. While a
    // preview is open it only brings that one to the front, restored when
    // it was minimised.
    void Start();

    // The folder the save dialog opens in: the user's documents, then the
    // folder last saved to during this run.
    QString OpslagMap() const;

    // Commands.
    void SBFirstClick();
    void SBPrevClick();
    void SBNextClick();
    void SBLastClick();
    void SBZoomInClick();
    void SBZoomOutClick();
    void SBZoomToFitClick();
    void SBZoom100Click();
    void SBZoomPageWidthClick();
    void SBPrintClick();
    void SBsaveClick();
    void SBExitClick();

    TPaginabeeld* QRPreview1() const { return beeld_; }
    QToolButton* Knop(const char* naam) const;
    // The printer settings a report keeps for the rest of the run.
    QPrinter& PrinterVan(TRapport* rapport);

protected:
    void keyPressEvent(QKeyEvent* e) override; // FormKeyDown
    void closeEvent(QCloseEvent* e) override;  // FormClose
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;

private:
    void QRPreview1PageAvailable();
    void Druk(QPrinter& printer, const TPaginaSet& set);

    TPaginabeeld* beeld_ = nullptr;
    bool eerstePagina_ = false;      // first-page pending
    QEventLoop* wachtlus_ = nullptr; // the print command's wait while the preview shows
    std::map<TRapport*, std::unique_ptr<QPrinter>> printers_;
    QString laatsteMap_; // folder of the last saved PDF; empty before the first
};

} // namespace rcveltor::rapport
