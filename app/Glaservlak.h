#pragma once

// The Glaser diagram of one month on screen, drawn by the report's own
// drawing so the window and the printed page show the same picture.

#include "calc/Vochtopbouw.h"

#include <QWidget>
#include <optional>

namespace rcveltor::app {

class TGlaservlak : public QWidget {
public:
    explicit TGlaservlak(QWidget* ouder);

    void Toon(const TVochtBerekening& berekening, std::size_t maand);
    void Wis();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<TVochtBerekening> berekening_;
    std::size_t maand_ = 0;
};

} // namespace rcveltor::app
