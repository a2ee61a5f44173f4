#pragma once

// Watches for modal dialogs while a test runs. Message boxes are recorded and
// closed with OK; any other modal dialog that the test did not announce is
// recorded as unexpected and closed, so a test never hangs on one.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace rcveltor::test {

class TModaalwachter : public QObject {
public:
    TModaalwachter() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Kijk(); });
        timer_.start();
    }

    // The next modal dialog that is not a message box is handed to this
    // function instead of being closed as unexpected.
    void Verwacht(std::function<void(QDialog*)> behandel) { verwacht_ = std::move(behandel); }

    // Texts of the message boxes, in order; reading them counts as expecting them.
    const QStringList& Meldingen() {
        gelezen_ = true;
        return meldingen_;
    }
    // Answers for the next question boxes, in order; a box without OK takes
    // the first and is otherwise rejected (its escape answer).
    QList<QMessageBox::StandardButton> Antwoorden;
    QStringList Onverwacht;           // class names of unexpected dialogs
    std::function<void()> BijMelding; // runs while a message box is open

private:
    void Kijk() {
        // Every dialog closes synchronously when handled, so a visible modal
        // widget is always a new opening.
        QWidget* modaal = QApplication::activeModalWidget();
        if (modaal == nullptr || !modaal->isVisible()) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modaal)) {
            meldingen_ << box->text();
            if (BijMelding) {
                BijMelding();
            }
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
            } else if (!Antwoorden.isEmpty() && box->button(Antwoorden.front()) != nullptr) {
                box->button(Antwoorden.takeFirst())->click();
            } else {
                box->reject();
            }
            return;
        }
        if (auto* dialoog = qobject_cast<QDialog*>(modaal)) {
            if (verwacht_) {
                auto behandel = std::move(verwacht_);
                verwacht_ = nullptr;
                behandel(dialoog);
                return;
            }
            Onverwacht << QString::fromLatin1(dialoog->metaObject()->className());
            dialoog->reject();
        }
    }

    friend class TGuiTest;
    QTimer timer_;
    std::function<void(QDialog*)> verwacht_;
    QStringList meldingen_;
    bool gelezen_ = false;
};

} // namespace rcveltor::test
