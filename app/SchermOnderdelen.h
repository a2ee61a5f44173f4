#pragma once

// Building blocks shared by both calculation screens' views.

#include "app/Velden.h"
#include "calc/Methode.h"

#include <functional>
#include <vector>

namespace rcveltor {
class TLagenScherm;
struct TGedeeld;
} // namespace rcveltor

namespace rcveltor::app {

// Runs one user action on the model, shows an error it raises and then
// refreshes every widget.
using TActie = std::function<void(const std::function<void()>&)>;

// A numeric widget bound to its model field.
struct TGebondenVeld {
    TNumVeld* Veld;
    QWidget* Widget; // a TSpinVeld or a TUitkomstVeld
};

// Creates the widgets of a panel and keeps them bound to the model's fields.
class TPaneelBouwer {
public:
    TPaneelBouwer(QWidget* paneel, TActie actie) : paneel_(paneel), actie_(std::move(actie)) {}

    // Each at x, y in the panel, `breedte` wide [px].
    TKopCel* Kop(const QString& tekst, int x, int y, int breedte, int hoogte = 21);
    TUitkomstVeld* Vast(const QString& tekst, int x, int y, int breedte, bool rechts);
    TUitkomstVeld* Uitkomst(TNumVeld& veld, int x, int y, int breedte);
    TSpinVeld* Spin(TNumVeld& veld, int x, int y, int breedte);
    TKeuzeLijst* Lijst(TLijstVeld& lijst, int x, int y, int breedte, std::function<void()> closeUp);

    // The vapour retarder and substructure rows at the given heights.
    void Lagen(TLagenScherm& scherm, int yDamprem, int yOnder);
    // The fastener rows from `y` down: combination, count and replacement lambda.
    void Bevestiging(TLagenScherm& scherm, int y);
    // The white 606 x 404 panel, the column captions and the roof-covering row.
    void Opzet(const QString& naam, TNumVeld& rmDakbed);
    void Kolomkoppen();
    // Rc and U: captions and values in 10-point bold.
    void Uitslag(TNumVeld& rc, TNumVeld& u, int yRc, int yU);

    // The list "Rekenmethode", showing the method both screens share; a
    // choice is handed to `gekozen`.
    TKeuzeLijst* Methodelijst(const TGedeeld& gedeeld, const QString& naam, int x, int y,
                              std::function<void(TMethode)> gekozen);
    // The results only NEN-EN-ISO 6946 has: the fastener correction and its
    // share of U at the right, the requirement line at the bottom left.
    void IsoUitslag(TLagenScherm& scherm, const QString& eisNaam, int yDeltaUf, int yPercentage,
                    int yEis);
    // A widget shown only while the method is NEN-EN-ISO 6946.
    template <class TWidget> TWidget* AlleenIso(TWidget* widget) {
        iso_.push_back(widget);
        return widget;
    }

    // Shows the model's current texts in every bound widget.
    void Toon() const;

private:
    QWidget* paneel_;
    TActie actie_;
    std::vector<TGebondenVeld> velden_;
    std::vector<std::pair<TLijstVeld*, TKeuzeLijst*>> lijsten_;
    const TGedeeld* gedeeld_ = nullptr;                                  // for the method list
    std::vector<TKeuzeLijst*> methodelijsten_;                           // "Rekenmethode"
    std::vector<std::pair<const std::string*, TUitkomstVeld*>> teksten_; // bound texts
    std::vector<QWidget*> iso_;                                          // NEN-EN-ISO 6946 only
};

} // namespace rcveltor::app
