#pragma once

// The two file-system steps of a swap: setting the old file aside and a
// rename over an existing file. Plain C++, with a POSIX and a Windows branch.

#include <filesystem>

namespace rcveltor::update {

// Sets bestand aside under the name opzij, which must not exist. On POSIX it
// gets opzij as a second name (a hard link where the file system has them,
// otherwise a complete copy; a link is copied as a link, never followed), so
// that its own name never empties. Windows cannot replace a running program,
// only rename it: there it is renamed, and its name is empty until the new
// file is put in place. False when it could not.
bool ZetOpzij(const std::filesystem::path& bestand, const std::filesystem::path& opzij);

// Renames van to naar in one step, replacing what naar holds, so that naar
// names either the old or the new file at every instant. When both name the
// same file, van is removed. False when naar still names what it did.
// On Windows a naar that is a running program cannot be replaced: with weg
// given it is first renamed to a free name beside it (naar + ".rcvweg" and a
// number), set in *weg, which the caller removes once it no longer runs.
bool VervangDoor(const std::filesystem::path& van, const std::filesystem::path& naar,
                 std::filesystem::path* weg = nullptr);

} // namespace rcveltor::update
