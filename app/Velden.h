#pragma once

// The field widgets of the calculation screens. They show what the model's
// fields hold and report the user's actions; they never change the model
// themselves.

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace rcveltor {
struct TNumVeld;
struct TLijstVeld;
} // namespace rcveltor

namespace rcveltor::app {

inline constexpr QRgb kKopGroen = 0x008000;      // caption cells
inline constexpr QRgb kInvoerKleur = 0xF0FBFF;   // fields the user sets
inline constexpr QRgb kUitkomstKleur = 0xC0DCC0; // computed fields
inline constexpr QRgb kRood = 0xFF0000;          // a non-standard thickness

// A caption cell: white text on dark green, never focused.
class TKopCel : public QLabel {
public:
    TKopCel(const QString& tekst, QWidget* ouder);
};

// A computed value: read-only, right-aligned, light green.
class TUitkomstVeld : public QLineEdit {
public:
    explicit TUitkomstVeld(QWidget* ouder);
    void Toon(const TNumVeld& veld);
};

// A numeric input with spin buttons, page steps and, when the field allows
// it, typing. Steps and edits are reported, never applied here.
class TSpinVeld : public QAbstractSpinBox {
    Q_OBJECT
public:
    TSpinVeld(bool typen, QWidget* ouder);
    void Toon(const TNumVeld& veld);
    void ZetAchtergrond(QRgb kleur);
    void stepBy(int stappen) override;
    QLineEdit* Regel() const { return lineEdit(); } // the text line, for tests
    // The user leaves the field by a command (a menu item, closing): a typed
    // text is applied as when the focus moves on.
    void Verlaat();

signals:
    void Gestapt(int richting, bool pagina); // spin button, arrow key, Page Up/Down
    void Getypt(const QString& tekst);       // one edit of the typed text
    void Verlaten();                         // the field lost focus or Return was pressed

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    bool typen_;
    bool getypt_ = false;
};

// A drop-down list of fixed entries. Its closing after dropping down is
// reported with the entry then selected (also the same one, also when closed
// without a choice); a keyboard choice on the closed list is reported too.
class TKeuzeLijst : public QComboBox {
    Q_OBJECT
public:
    explicit TKeuzeLijst(QWidget* ouder);
    void Toon(const TLijstVeld& lijst);
    void showPopup() override;
    void hidePopup() override;

signals:
    void Gekozen(int index);

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    void MeldSluiten();
    bool open_ = false;
    bool sluitenGemeld_ = false;
};

} // namespace rcveltor::app
