#include "Bestand.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fstream>
#endif

namespace rcveltor::platform {

std::filesystem::path PadUitUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& pad) {
    const std::u8string u8 = pad.u8string();
    return std::string(u8.begin(), u8.end());
}

#ifdef _WIN32

namespace {

// The system's message for the last error, without its closing full stop.
TBestandsfout Systeemfout() {
    const DWORD code = GetLastError();
    wchar_t* tekst = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&tekst), 0, nullptr);
    std::string uit;
    if (n > 0) {
        const int lengte = WideCharToMultiByte(CP_UTF8, 0, tekst, static_cast<int>(n), nullptr, 0,
                                               nullptr, nullptr);
        uit.resize(static_cast<std::size_t>(lengte));
        WideCharToMultiByte(CP_UTF8, 0, tekst, static_cast<int>(n), uit.data(), lengte, nullptr,
                            nullptr);
        LocalFree(tekst);
    }
    while (!uit.empty() && (uit.back() == '.' || static_cast<unsigned char>(uit.back()) <= ' ')) {
        uit.pop_back();
    }
    return TBestandsfout(uit.empty() ? "System error " + std::to_string(code) : uit);
}

struct THandvat {
    HANDLE h;
    ~THandvat() {
        if (h != INVALID_HANDLE_VALUE) {
            CloseHandle(h);
        }
    }
};

} // namespace

std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad, std::size_t hoogstens) {
    const THandvat bestand{CreateFileW(pad.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (bestand.h == INVALID_HANDLE_VALUE) {
        throw Systeemfout();
    }
    std::vector<unsigned char> inhoud;
    std::vector<unsigned char> blok(1 << 16);
    for (;;) {
        DWORD gelezen = 0;
        if (!ReadFile(bestand.h, blok.data(), static_cast<DWORD>(blok.size()), &gelezen, nullptr)) {
            throw Systeemfout();
        }
        if (gelezen == 0 || inhoud.size() > hoogstens) {
            return inhoud;
        }
        inhoud.insert(inhoud.end(), blok.begin(), blok.begin() + gelezen);
    }
}

void SchrijfBestand(const std::filesystem::path& pad, std::span<const unsigned char> inhoud) {
    const THandvat bestand{CreateFileW(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (bestand.h == INVALID_HANDLE_VALUE) {
        throw Systeemfout();
    }
    DWORD geschreven = 0;
    if (!WriteFile(bestand.h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &geschreven,
                   nullptr) ||
        geschreven != inhoud.size()) {
        throw Systeemfout();
    }
}

#else

std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad, std::size_t hoogstens) {
    errno = 0;
    std::ifstream bestand(pad, std::ios::binary);
    if (!bestand) {
        throw TBestandsfout(std::strerror(errno != 0 ? errno : ENOENT));
    }
    std::vector<unsigned char> inhoud;
    std::vector<char> blok(1 << 16);
    while (bestand && inhoud.size() <= hoogstens) {
        bestand.read(blok.data(), static_cast<std::streamsize>(blok.size()));
        const auto gelezen = static_cast<std::size_t>(bestand.gcount());
        inhoud.insert(inhoud.end(), blok.begin(),
                      blok.begin() + static_cast<std::ptrdiff_t>(gelezen));
    }
    if (bestand.bad()) {
        // A directory opens but cannot be read.
        throw TBestandsfout(std::strerror(errno != 0 ? errno : EIO));
    }
    return inhoud;
}

void SchrijfBestand(const std::filesystem::path& pad, std::span<const unsigned char> inhoud) {
    errno = 0;
    std::ofstream bestand(pad, std::ios::binary | std::ios::trunc);
    if (bestand) {
        bestand.write(reinterpret_cast<const char*>(inhoud.data()),
                      static_cast<std::streamsize>(inhoud.size()));
        bestand.close();
    }
    if (!bestand) {
        throw TBestandsfout(std::strerror(errno != 0 ? errno : EIO));
    }
}

#endif

} // namespace rcveltor::platform
