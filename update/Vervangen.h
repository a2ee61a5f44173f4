#pragma once

// The two file-system steps of a swap that never leave a name empty: a second
// name for a file (its backup) and a rename over an existing file. Plain C++,
// with a POSIX and a Windows branch.

#include <filesystem>

namespace rcveltor::update {

// Gives bestand a second name, kopie, which must not exist: a hard link where
// the file system has them, otherwise a complete copy (a link is copied as a
// link, never followed). False when neither could be made.
bool MaakKopieNaam(const std::filesystem::path& bestand, const std::filesystem::path& kopie);

// Renames van to naar in one step, replacing what naar holds, so that naar
// names either the old or the new file at every instant. When both name the
// same file, van is removed. False when naar still names what it did.
bool VervangDoor(const std::filesystem::path& van, const std::filesystem::path& naar);

} // namespace rcveltor::update
