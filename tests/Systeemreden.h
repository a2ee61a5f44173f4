#pragma once

// The reason a file could not be opened, as the system words it: the C
// library's text on POSIX, the system message on Windows (trimmed as the
// program trims it).

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstring>
#endif

namespace rcveltor::test {

#ifdef _WIN32
inline std::string Systeemreden(int /*posix*/, unsigned long windows) {
    char buf[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, windows, 0,
                   buf, sizeof buf, nullptr);
    std::string s = buf;
    while (!s.empty() && (s.back() == '.' || static_cast<unsigned char>(s.back()) <= ' ')) {
        s.pop_back();
    }
    return s;
}
#else
inline std::string Systeemreden(int posix, unsigned long /*windows*/) {
    return std::strerror(posix);
}
#endif

} // namespace rcveltor::test
