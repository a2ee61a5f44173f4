#pragma once

// The window a question or dialog opens over. A dialog stacks above the
// window that owns it, so it is owned by the program's window on top: a
// child window that covers the main window (the preview) rather than the
// main window under it.

class QDialog;
class QWidget;

namespace rcveltor::melding {

// The window on top of `venster`'s window: a visible, not minimised child
// window of it (and so on down), else that window itself.
QWidget* Eigenaar(QWidget* venster);

// Runs a dialog that lives with its own parent modally over
// Eigenaar(venster), and gives it back to that parent afterwards.
int VoerUitBovenop(QDialog& dialoog, QWidget* venster);

} // namespace rcveltor::melding
