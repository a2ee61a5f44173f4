#pragma once

// The program's error box, shared by every window: caption "RcVeltor", the
// error icon, OK, and the message with a full stop added unless it already
// ends in punctuation (a character code at most that of "."). It opens over
// the program's window on top of `ouder` (see Eigenaar).

#include <QString>

class QWidget;

namespace rcveltor::melding {

QString MetPunt(const QString& melding);
void ToonFoutmelding(QWidget* ouder, const QString& melding);

} // namespace rcveltor::melding
