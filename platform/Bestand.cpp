#include "platform/Bestand.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

struct THandvat {
    HANDLE h;
    ~THandvat() {
        if (h != INVALID_HANDLE_VALUE) {
            CloseHandle(h);
        }
    }
};

} // namespace

std::wstring LangPad(const std::filesystem::path& pad) {
    std::error_code fout;
    std::filesystem::path vol = std::filesystem::absolute(pad, fout);
    if (fout) {
        vol = pad;
    }
    std::wstring s = vol.lexically_normal().make_preferred().wstring();
    if (s.rfind(L"\\\\?\\", 0) == 0) {
        return s;
    }
    if (s.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + s.substr(2);
    }
    return L"\\\\?\\" + s;
}

std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad, std::size_t hoogstens) {
    const THandvat bestand{CreateFileW(pad.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (bestand.h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // A folder does not open as a file: Windows calls that no access.
        const DWORD soort = GetFileAttributesW(pad.c_str());
        if (soort != INVALID_FILE_ATTRIBUTES && (soort & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            throw TBestandsfout(kIsEenMap);
        }
        throw TBestandsfout(Foutreden(code));
    }
    // Consoles, printers and pipes ("CON", "NUL", "\\.\pipe\x") are no file.
    if (GetFileType(bestand.h) != FILE_TYPE_DISK) {
        throw TBestandsfout(kGeenGewoonBestand);
    }
    std::vector<unsigned char> inhoud;
    std::vector<unsigned char> blok(1 << 16);
    for (;;) {
        DWORD gelezen = 0;
        if (!ReadFile(bestand.h, blok.data(), static_cast<DWORD>(blok.size()), &gelezen, nullptr)) {
            throw TBestandsfout(Foutreden(GetLastError()));
        }
        if (gelezen == 0 || inhoud.size() > hoogstens) {
            return inhoud;
        }
        inhoud.insert(inhoud.end(), blok.begin(), blok.begin() + gelezen);
    }
}

#else

namespace {

struct TDescriptor {
    int fd;
    ~TDescriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

std::vector<unsigned char> LeesBestand(const std::filesystem::path& pad, std::size_t hoogstens) {
    // Without O_NONBLOCK a FIFO's open waits for a writer that never comes.
    const TDescriptor bestand{::open(pad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (bestand.fd < 0) {
        throw TBestandsfout(Foutreden(static_cast<unsigned long>(errno)));
    }
    struct stat soort {};
    if (::fstat(bestand.fd, &soort) != 0) {
        throw TBestandsfout(Foutreden(static_cast<unsigned long>(errno)));
    }
    if (S_ISDIR(soort.st_mode)) {
        throw TBestandsfout(kIsEenMap);
    }
    if (!S_ISREG(soort.st_mode)) {
        throw TBestandsfout(kGeenGewoonBestand);
    }
    std::vector<unsigned char> inhoud;
    std::vector<unsigned char> blok(1 << 16);
    while (inhoud.size() <= hoogstens) {
        const ssize_t gelezen = ::read(bestand.fd, blok.data(), blok.size());
        if (gelezen < 0 && errno == EINTR) {
            continue;
        }
        if (gelezen < 0) {
            throw TBestandsfout(Foutreden(static_cast<unsigned long>(errno)));
        }
        if (gelezen == 0) {
            break;
        }
        inhoud.insert(inhoud.end(), blok.begin(), blok.begin() + gelezen);
    }
    return inhoud;
}

#endif

} // namespace rcveltor::platform
