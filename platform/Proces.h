#pragma once

#include <filesystem>
#include <string>

namespace rcveltor::platform {

// The folder of the running program's own file; empty when unknown.
std::filesystem::path EigenMap();

// Replaces the running program by `programma` with the same arguments
// (argv[0] included), so its output and exit status become this run's (on
// Windows: runs it and ends with its exit status). Returns only on failure,
// with the reason.
std::string VervangDoor(const std::filesystem::path& programma, char** argv);

} // namespace rcveltor::platform
