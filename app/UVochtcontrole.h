#pragma once

// The window "Vochtcontrole": the moisture check of the visible screen, its
// inputs, layers, results, month table and Glaser diagram. It follows every
// change of the screens while it is open.

#include "app/SchermOnderdelen.h"
#include "calc/Vochtopbouw.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;

namespace rcveltor {
class TRekenModel;
}

namespace rcveltor::app {

class TGlaservlak;

// Which screen the window checks.
enum class TVochtScherm { Plat, Afschot };

class TFrmVochtcontrole : public QWidget {
    Q_OBJECT
public:
    // actie: the main window's way of running a user action (its error box
    // and refresh); data: the check's data files, read by the caller.
    TFrmVochtcontrole(TRekenModel& model, TVochtdata data, TActie actie, QWidget* ouder);
    ~TFrmVochtcontrole() override;

    // Checks that screen and shows the outcome; run after every change.
    void Ververs(TVochtScherm scherm);

    // The outcome shown, none when the check raised an error (shown instead).
    const std::optional<TVochtBerekening>& Berekening() const { return berekening_; }
    const std::optional<TVochtWeergave>& Getoond() const { return weergave_; }

private:
    void Bereken();
    void ToonUitkomst();

    TRekenModel& model_;
    TVochtdata data_;
    TActie actie_;
    TVochtScherm scherm_ = TVochtScherm::Plat;
    std::optional<TVochtBerekening> berekening_;
    std::optional<TVochtWeergave> weergave_;

    QWidget* invoer_ = nullptr; // the panel of the inputs, in the screens' style
    TPaneelBouwer bouwer_;
    TSpinVeld* sd_ = nullptr;
    QCheckBox* opRapport_ = nullptr;
    QLabel* kop_ = nullptr;
    QLabel* fout_ = nullptr;
    std::array<std::array<TUitkomstVeld*, 6>, kVochtLagen> lagen_{};
    std::array<TUitkomstVeld*, 5> uitslag_{};
    TUitkomstVeld* geschikt_ = nullptr; // the retarders of the list that are enough
    std::array<std::array<TUitkomstVeld*, 7>, kMaanden> maanden_{};
    TGlaservlak* diagram_ = nullptr;
};

} // namespace rcveltor::app
