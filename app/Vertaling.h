#pragma once

// Qt's own texts (file and print dialogs, standard buttons) in Dutch, like
// the program's.

class QTranslator;

namespace rcveltor::app {

// Loads Qt's Dutch translation into `vertaler` and installs it; false when
// the translation is not installed (the dialogs then stay in English).
bool InstalleerQtNederlands(QTranslator& vertaler);

} // namespace rcveltor::app
