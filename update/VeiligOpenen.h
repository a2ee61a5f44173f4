#pragma once

// Opening files and folders so that a link or another kind of file planted
// by someone else is never followed: a folder another user can write to must
// not let that user choose what the engine writes or reads. On Windows a
// link or junction (a reparse point) is refused as POSIX refuses a link, and
// the descriptors are the C library's, over handles opened here.

#include <QString>
#include <QtGlobal>
#include <filesystem>
#include <sys/types.h>

namespace rcveltor::update {

// The path as the file system functions take it (UTF-16 on Windows).
std::filesystem::path FsPad(const QString& pad);
QString QtPad(const std::filesystem::path& pad);

// open(2) with O_NOFOLLOW and O_CLOEXEC added; -1 (errno set) unless the
// result is a regular file. A FIFO does not make it wait.
int OpenGewoonBestand(const QString& pad, int vlaggen, mode_t rechten = 0600);

// A folder of this user's alone (mode 0700), created when missing (its
// parents as usual). An existing one must be a real folder, owned by this
// user and closed to others; it is never changed. On Windows the user's own
// folders are closed by their place; there it must be a real folder, no
// junction. False, with the reason.
bool MaakPriveMap(const QString& pad, QString* fout);

// Copies everything from `van`, where it stands, to `naar`; the bytes copied,
// or -1 with errno as the failing read or write left it.
qint64 KopieerInhoud(int van, int naar);

// fsync(2): the file's data on the disk. False with errno set.
bool SpoelNaarSchijf(int fd);
// fchmod(2); Windows has no such permissions and keeps the file as it is.
bool ZetRechten(int fd, mode_t rechten);
// A symbolic link at pad with this (relative) target; on Windows only where
// the system lets this user make one.
bool MaakLink(const QString& doel, const QString& pad);

// errno in words, for the log; a full disk in the user's words.
QString Systeemfout();

} // namespace rcveltor::update
