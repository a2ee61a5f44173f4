#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rcveltor::platform {

// Paths from UTF-8 text and back. Windows keeps paths in UTF-16, and a plain
// narrow string would go through the ANSI code page there.
std::filesystem::path PadUitUtf8(std::string_view utf8);
std::string Utf8(const std::filesystem::path& pad);

// A file that cannot be opened, read or written; the message is the system's
// own reason (the C library's on POSIX, the system message on Windows).
class TBestandsfout : public std::runtime_error {
public:
    explicit TBestandsfout(const std::string& reden) : std::runtime_error(reden) {}
};

// The whole file, opened for shared reading; at most `hoogstens` + 1 bytes,
// so a caller sees a file over its limit without reading all of it.
std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad,
                                       std::size_t hoogstens = SIZE_MAX - 1);

// Creates or empties the file and writes `inhoud`.
void SchrijfBestand(const std::filesystem::path& pad, std::span<const unsigned char> inhoud);

} // namespace rcveltor::platform
