#pragma once

#include "platform/Systeemfout.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rcveltor::platform {

// Paths from UTF-8 text and back. Windows keeps paths in UTF-16, and a plain
// narrow string would go through the ANSI code page there.
std::filesystem::path PadUitUtf8(std::string_view utf8);
std::string Utf8(const std::filesystem::path& pad);

#ifdef _WIN32
// The absolute path in the form that is not held to 260 characters
// ("\\?\C:\..." or "\\?\UNC\server\...").
std::wstring LangPad(const std::filesystem::path& pad);
#endif

// The whole file, opened for shared reading; at most `hoogstens` + 1 bytes,
// so a caller sees a file over its limit without reading all of it. Only a
// regular file is read: a pipe, folder or device is refused (TBestandsfout)
// without waiting for a writer.
std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad,
                                       std::size_t hoogstens = SIZE_MAX - 1);

} // namespace rcveltor::platform
