#pragma once

// A new program is started once from where it is staged, before it replaces
// the running one: one that cannot start at all (a library missing, a
// damaged file) would never reach its own rollback.

#include <QString>

namespace rcveltor::update {

// The option that makes the window program start and end at once, status 0.
inline const QString kZelftestOptie = QStringLiteral("--zelftest");

// Runs programma with kZelftestOptie in its own folder. True when it ended by
// itself with status 0 within limietMs; otherwise it is stopped and fout
// gives the reason (English, for the log).
bool DoorstaatZelftest(const QString& programma, int limietMs, QString* fout);

} // namespace rcveltor::update
