#pragma once

#include <QString>
#include <functional>

namespace rcveltor::app {

// What the start-up asks of the system and the update engine. The info
// window's update engine fills these in; until then there is never an update.
struct TUpdateControle {
    std::function<bool()> InternetVerbonden = [] { return false; };
    std::function<bool()> ZoekNieuweVersie = [] { return false; };
    std::function<void(const QString& welkom)> ToonUpdateWizard = [](const QString&) {};
};

} // namespace rcveltor::app
