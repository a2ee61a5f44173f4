#pragma once

// Opening files and folders so that a link or another kind of file planted
// by someone else is never followed: a folder another user can write to must
// not let that user choose what the engine writes or reads.

#include <QString>
#include <QtGlobal>
#include <sys/types.h>

namespace rcveltor::update {

// open(2) with O_NOFOLLOW and O_CLOEXEC added; -1 (errno set) unless the
// result is a regular file. A FIFO does not make it wait.
int OpenGewoonBestand(const QString& pad, int vlaggen, mode_t rechten = 0600);

// A folder of this user's alone (mode 0700), created when missing (its
// parents as usual). An existing one must be a real folder, owned by this
// user and closed to others; it is never changed. False, with the reason.
bool MaakPriveMap(const QString& pad, QString* fout);

// Copies everything from `van`, where it stands, to `naar`; the bytes copied,
// or -1 with errno as the failing read or write left it.
qint64 KopieerInhoud(int van, int naar);

// errno in words, for the log; a full disk in the user's words.
QString Systeemfout();

} // namespace rcveltor::update
