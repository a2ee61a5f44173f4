#pragma once

// Building blocks shared by both calculation screens' views.

#include "Velden.h"

#include <functional>
#include <vector>

namespace rcveltor {
class TLagenScherm;
}

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

    TKopCel* Kop(const QString& tekst, int x, int y, int b, int h = 21);
    TUitkomstVeld* Vast(const QString& tekst, int x, int y, int b, bool rechts);
    TUitkomstVeld* Uitkomst(TNumVeld& veld, int x, int y, int b);
    TSpinVeld* Spin(TNumVeld& veld, int x, int y, int b);
    TKeuzeLijst* Lijst(TLijstVeld& lijst, int x, int y, int b, std::function<void()> closeUp);

    // The vapour retarder and substructure rows at the given heights.
    void Lagen(TLagenScherm& s, int yDamprem, int yOnder);
    // The white 606 x 404 panel, the column captions and the roof-covering row.
    void Opzet(const QString& naam, TNumVeld& rmDakbed);
    void Kolomkoppen();
    // Rc and U: captions and values in 10-point bold.
    void Uitslag(TNumVeld& rc, TNumVeld& u, int yRc, int yU);

    // Shows the model's current texts in every bound widget.
    void Toon() const;

private:
    QWidget* paneel_;
    TActie actie_;
    std::vector<TGebondenVeld> velden_;
    std::vector<std::pair<TLijstVeld*, TKeuzeLijst*>> lijsten_;
};

} // namespace rcveltor::app
