#pragma once

// The info window: the information text "info.rtf", the version, the links to
// the brand's and the maker's sites, and the update engine with its Dutch
// texts, which the start-up's update check uses too.

#include "app/UpdateControle.h"
#include "app/update/UpdateWizard.h"
#include "app/update/Updatemotor.h"

#include <QDialog>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTextEdit;

namespace rcveltor::app {

class TPlaatje;

class TFrmInfo : public QDialog {
    Q_OBJECT
public:
    // hoofdvenster: the main window, over which the update wizard opens while
    // this window is hidden.
    explicit TFrmInfo(QWidget* hoofdvenster, update::TUpdateInstellingen instellingen =
                                                 update::TUpdateInstellingen::VoorDitProgramma());
    ~TFrmInfo() override;

    void ZetWerkmap(const QString& werkmap) { werkmap_ = werkmap; }

    // Runs each time the window is shown: reads the information text again.
    void FormShow();
    // Both links: opens the label's own text.
    void Label2Click(QLabel* label);
    // The maker's logo: closes the window.
    void Image3Click();
    // "Update".
    void Button1Click();

    // The update engine's operations.
    bool ZoekNieuweVersie();
    void ToonUpdateWizard();
    update::TUpdateMotor& UpdateMotor() { return *motor_; }
    update::TUpdateTeksten& UpdateTeksten() { return teksten_; }
    // What the start-up sequence asks: the connection, the check, the wizard
    // with the start-up's welcome text.
    TUpdateControle UpdateControle();

    // The system's connection question and the desktop's opener; tests
    // replace them.
    std::function<bool()> InternetVerbonden;
    std::function<void(const QUrl&)> OpenAdres;

    QTextEdit* RichEdit1() const { return richEdit1_; }

    static inline const QString kMerkAdres = QStringLiteral("www.example.com/veltor");
    static inline const QString kMakerAdres = QStringLiteral("www.example.com/bouwsystemen");

protected:
    void showEvent(QShowEvent* e) override;

private:
    void LaadInfo();

    QWidget* hoofdvenster_;
    QString werkmap_;
    std::unique_ptr<update::TUpdateMotor> motor_;
    update::TUpdateTeksten teksten_;

    TPlaatje* image1_ = nullptr; // the maker's logo
    QTextEdit* richEdit1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    // The four lines of the left column; their size is fitted at the first showing.
    std::array<QLabel*, 4> regels_{};
    bool grootteGepast_ = false;
    QPushButton* button1_ = nullptr;
};

} // namespace rcveltor::app
