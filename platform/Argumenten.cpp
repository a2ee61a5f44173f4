#include "platform/Argumenten.h"

#ifdef _WIN32
#include <memory>
#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace rcveltor::platform {

#ifdef _WIN32

namespace {

std::string Utf8(const wchar_t* tekst) {
    const int lengte = WideCharToMultiByte(CP_UTF8, 0, tekst, -1, nullptr, 0, nullptr, nullptr);
    if (lengte <= 1) {
        return {};
    }
    std::string uit(static_cast<std::size_t>(lengte - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, tekst, -1, uit.data(), lengte, nullptr, nullptr);
    return uit;
}

} // namespace

std::vector<std::string> Argumenten(int argc, char** argv) {
    int aantal = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> breed(
        CommandLineToArgvW(GetCommandLineW(), &aantal), &LocalFree);
    if (!breed || aantal != argc) {
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> uit;
    for (int i = 1; i < aantal; ++i) {
        uit.push_back(Utf8(breed.get()[i]));
    }
    return uit;
}

#else

std::vector<std::string> Argumenten(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

#endif

} // namespace rcveltor::platform
