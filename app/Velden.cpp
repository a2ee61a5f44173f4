#include "app/Velden.h"

#include "calc/NumVeld.h"
#include "calc/Scherm.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QTimer>
#include <QWheelEvent>

namespace rcveltor::app {

namespace {
// Colours through the palette: style sheets would slow the start-up down.
// The wheel over a field without the keyboard focus scrolls the screen; it
// never changes a build-up the user is only scrolling past.
bool WielVoorScherm(QWidget* veld, QWheelEvent* e) {
    if (veld->hasFocus()) {
        return false;
    }
    for (QWidget* ouder = veld->parentWidget(); ouder != nullptr; ouder = ouder->parentWidget()) {
        if (auto* gebied = qobject_cast<QAbstractScrollArea*>(ouder)) {
            QCoreApplication::sendEvent(gebied->viewport(), e);
            return true;
        }
    }
    e->ignore();
    return true;
}

// Lists drop down as a scrolling list of their own number of lines, not as a
// menu of every entry over the field.
class TLijstStijl : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* optie, const QWidget* widget,
                  QStyleHintReturn* terug) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, optie, widget, terug);
    }
};

void ZetKleur(QWidget* widget, QRgb achtergrond) {
    QPalette kleuren = widget->palette();
    kleuren.setColor(QPalette::Base, QColor(achtergrond));
    kleuren.setColor(QPalette::Button, QColor(achtergrond));
    widget->setPalette(kleuren);
}
} // namespace

TKopCel::TKopCel(const QString& tekst, QWidget* ouder) : QLabel(tekst, ouder) {
    setAutoFillBackground(true);
    QPalette kleuren = palette();
    kleuren.setColor(QPalette::Window, QColor(kKopGroen));
    kleuren.setColor(QPalette::WindowText, Qt::white);
    setPalette(kleuren);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(2);
}

TUitkomstVeld::TUitkomstVeld(QWidget* ouder) : QLineEdit(ouder) {
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ZetKleur(this, kUitkomstKleur);
}

void TUitkomstVeld::Toon(const TNumVeld& veld) {
    const QString tekst = QString::fromStdString(veld.Tekst);
    if (text() != tekst) {
        setText(tekst);
        setCursorPosition(0);
    }
}

TSpinVeld::TSpinVeld(bool typen, QWidget* ouder) : QAbstractSpinBox(ouder), typen_(typen) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(false);
    setKeyboardTracking(true);
    setFocusPolicy(Qt::StrongFocus); // the wheel alone never takes the focus
    // Without typing the buttons and keys still step; only the text is fixed.
    lineEdit()->setReadOnly(!typen);
    ZetAchtergrond(kInvoerKleur);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& tekst) {
        getypt_ = true;
        emit Getypt(tekst);
    });
}

void TSpinVeld::ZetAchtergrond(QRgb kleur) {
    if (palette().color(QPalette::Base) != QColor(kleur)) {
        ZetKleur(this, kleur);
    }
}

void TSpinVeld::Toon(const TNumVeld& veld) {
    const QString tekst = QString::fromStdString(veld.Tekst);
    if (lineEdit()->text() != tekst) {
        const int cursor = lineEdit()->cursorPosition();
        lineEdit()->setText(tekst);
        // A field the user is in keeps its cursor, also while a message box
        // has the focus; any other field shows the start of its text.
        const bool inVeld = hasFocus() || window()->focusWidget() == this;
        lineEdit()->setCursorPosition(inVeld ? std::min(cursor, int(tekst.size())) : 0);
    }
}

QAbstractSpinBox::StepEnabled TSpinVeld::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TSpinVeld::stepBy(int stappen) {
    // QAbstractSpinBox asks for ten steps on Page Up / Page Down.
    const bool pagina = stappen >= 10 || stappen <= -10;
    emit Gestapt(stappen > 0 ? 1 : -1, pagina);
}

void TSpinVeld::focusOutEvent(QFocusEvent* e) {
    QAbstractSpinBox::focusOutEvent(e);
    // A message box, a dialog, a popup or another application taking the
    // focus is not leaving: the user goes on typing after it.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) {
        Verlaat();
    }
}

void TSpinVeld::Verlaat() {
    if (typen_ && getypt_) {
        getypt_ = false;
        emit Verlaten();
    }
}

void TSpinVeld::wheelEvent(QWheelEvent* e) {
    if (!WielVoorScherm(this, e)) {
        QAbstractSpinBox::wheelEvent(e);
    }
}

void TSpinVeld::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
        emit Gestapt(e->key() == Qt::Key_PageUp ? 1 : -1, true);
        e->accept();
        return;
    }
    if (typen_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        Verlaat();
        e->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(e);
}

TKeuzeLijst::TKeuzeLijst(QWidget* ouder) : QComboBox(ouder) {
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
    static TLijstStijl* const stijl = [] {
        auto* eenmalig = new TLijstStijl;
        eenmalig->setParent(qApp);
        return eenmalig;
    }();
    setStyle(stijl);
    ZetKleur(this, kInvoerKleur);
    // A keyboard choice on the closed list is a choice too.
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (!sluitenGemeld_) {
            emit Gekozen(index);
        }
    });
}

void TKeuzeLijst::Toon(const TLijstVeld& lijst) {
    QStringList items;
    for (const auto& item : lijst.Items) {
        items << QString::fromStdString(item);
    }
    bool gelijk = items.size() == count();
    for (int i = 0; gelijk && i < count(); ++i) {
        gelijk = itemText(i) == items[i];
    }
    const QSignalBlocker blokkeer(this);
    if (!gelijk) {
        clear();
        addItems(items);
    }
    setCurrentIndex(lijst.ItemIndex);
}

void TKeuzeLijst::wheelEvent(QWheelEvent* e) {
    if (!WielVoorScherm(this, e)) {
        QComboBox::wheelEvent(e);
    }
}

void TKeuzeLijst::showPopup() {
    open_ = true;
    QComboBox::showPopup();
}

void TKeuzeLijst::hidePopup() {
    QComboBox::hidePopup();
    if (!open_) {
        return;
    }
    open_ = false;
    // A click on an entry selects it only after the popup has been hidden:
    // report the closing once that selection has happened.
    sluitenGemeld_ = true;
    QMetaObject::invokeMethod(this, &TKeuzeLijst::MeldSluiten, Qt::QueuedConnection);
}

void TKeuzeLijst::MeldSluiten() {
    sluitenGemeld_ = false;
    emit Gekozen(currentIndex());
}

} // namespace rcveltor::app
