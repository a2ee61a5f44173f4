#pragma once

// The dialog "Projectgegevens": the project a calculation belongs to, one set
// for both screens.

#include "project/Projectgegevens.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace rcveltor::app {

class TFrmProjectgegevens : public QDialog {
    Q_OBJECT
public:
    explicit TFrmProjectgegevens(QWidget* ouder = nullptr);

    // Fills the fields; after acceptance Gegevens() holds what the user set.
    void Toon(const TProjectgegevens& gegevens);
    TProjectgegevens Gegevens() const;

    // Today's date, for the date a project gets when it is first named.
    std::function<QDate()> Vandaag = [] { return QDate::currentDate(); };

    // The longest remark kept [characters]: far below the size a calculation
    // file may have.
    static constexpr int kMaxOpmerking = 10000;

    void accept() override;

private:
    QLineEdit* Regel(const char* naam, int maxLengte);

    QLineEdit* naam_ = nullptr;
    QLineEdit* nummer_ = nullptr;
    QLineEdit* adres_ = nullptr;
    QLineEdit* postcodePlaats_ = nullptr;
    QLineEdit* opdrachtgever_ = nullptr;
    QLineEdit* opgesteldDoor_ = nullptr;
    QLineEdit* datum_ = nullptr;
    QPlainTextEdit* opmerking_ = nullptr;
};

// A date as the dialog shows it ("09-12-2026") from "YYYY-MM-DD", and back;
// the text read back may also be "9-12-2026" or "2026-12-09". An empty text
// is no date; a text that names no day gives nothing.
QString AlsDatumTekst(const std::string& iso);
std::optional<std::string> LeesDatumTekst(const QString& tekst);

} // namespace rcveltor::app
