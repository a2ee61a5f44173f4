#include "platform/VeiligOpslaan.h"

#include "platform/Bestand.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rcveltor::platform {

namespace {

namespace fs = std::filesystem;

// Short whatever the target's name is, so that a name near the system's
// limit can still be saved.
fs::path TijdelijkeNaam() {
    static std::atomic<unsigned> teller{0};
    static const unsigned basis = [] {
        std::random_device bron;
        return bron() ^
               static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    const unsigned getal = basis + 0x9E3779B9u * ++teller;
    char naam[32];
    std::snprintf(naam, sizeof naam, ".rcveltor-%08x.tmp", getal);
    return naam;
}

// The file that `pad` stands for after every link.
fs::path NaDeLinks(fs::path pad) {
    for (int stap = 0; stap < 40; ++stap) {
        std::error_code fout;
        if (!fs::is_symlink(fs::symlink_status(pad, fout)) || fout) {
            return pad;
        }
        const fs::path naar = fs::read_symlink(pad, fout);
        if (fout) {
            return pad;
        }
        pad = naar.is_absolute() ? naar : pad.parent_path() / naar;
    }
    return pad; // a loop: opening it names the error
}

constexpr int kPogingen = 100;

} // namespace

#ifdef _WIN32

namespace {

[[noreturn]] void Gooi(DWORD code) {
    throw TBestandsfout(Foutreden(code));
}

} // namespace

void SlaVeiligOp(const fs::path& pad, std::span<const unsigned char> inhoud) {
    const fs::path doel = NaDeLinks(pad);
    const std::wstring doelnaam = LangPad(doel);
    const DWORD soort = GetFileAttributesW(doelnaam.c_str());
    const bool bestaat = soort != INVALID_FILE_ATTRIBUTES;
    if (!bestaat && GetLastError() != ERROR_FILE_NOT_FOUND) {
        Gooi(GetLastError());
    }
    if (bestaat && (soort & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw TBestandsfout(kIsEenMap);
    }
    if (bestaat && (soort & FILE_ATTRIBUTE_READONLY) != 0) {
        Gooi(ERROR_ACCESS_DENIED);
    }
    std::wstring tijdelijk;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int poging = 0; h == INVALID_HANDLE_VALUE; ++poging) {
        tijdelijk = LangPad(doel.parent_path() / TijdelijkeNaam());
        h = CreateFileW(tijdelijk.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE &&
            (GetLastError() != ERROR_FILE_EXISTS || poging == kPogingen)) {
            Gooi(GetLastError());
        }
    }
    DWORD fout = ERROR_SUCCESS;
    for (std::size_t klaar = 0; klaar < inhoud.size() && fout == ERROR_SUCCESS;) {
        const DWORD deel =
            static_cast<DWORD>(std::min<std::size_t>(inhoud.size() - klaar, 1 << 24));
        DWORD geschreven = 0;
        if (!WriteFile(h, inhoud.data() + klaar, deel, &geschreven, nullptr)) {
            fout = GetLastError();
        }
        klaar += geschreven;
    }
    if (fout == ERROR_SUCCESS && !FlushFileBuffers(h)) {
        fout = GetLastError();
    }
    CloseHandle(h);
    // Replacing keeps the old file's access rights and attributes.
    if (fout == ERROR_SUCCESS &&
        !(bestaat ? ReplaceFileW(doelnaam.c_str(), tijdelijk.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                  : MoveFileExW(tijdelijk.c_str(), doelnaam.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))) {
        fout = GetLastError();
    }
    if (fout != ERROR_SUCCESS) {
        DeleteFileW(tijdelijk.c_str());
        Gooi(fout);
    }
}

#else

namespace {

[[noreturn]] void Gooi(int code) {
    throw TBestandsfout(Foutreden(static_cast<unsigned long>(code)));
}

// The folder's entry on disk too, so that the rename survives a power cut.
void SpoelMap(const fs::path& map) {
    const int fd = ::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The file is in place already; a folder that cannot be flushed
        // leaves nothing to undo.
        if (::fsync(fd) != 0) {
            errno = 0;
        }
        ::close(fd);
    }
}

} // namespace

void SlaVeiligOp(const fs::path& pad, std::span<const unsigned char> inhoud) {
    const fs::path doel = NaDeLinks(pad);
    struct stat oud {};
    const bool bestaat = ::stat(doel.c_str(), &oud) == 0;
    if (!bestaat && errno != ENOENT) {
        Gooi(errno);
    }
    if (bestaat && S_ISDIR(oud.st_mode)) {
        throw TBestandsfout(kIsEenMap);
    }
    if (bestaat && !S_ISREG(oud.st_mode)) {
        throw TBestandsfout(kGeenGewoonBestand);
    }
    // A file the user may not write is not replaced behind its back.
    if (bestaat && ::access(doel.c_str(), W_OK) != 0) {
        Gooi(errno);
    }
    fs::path tijdelijk;
    int fd = -1;
    for (int poging = 0; fd < 0; ++poging) {
        tijdelijk = doel.parent_path() / TijdelijkeNaam();
        fd = ::open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || poging == kPogingen)) {
            Gooi(errno);
        }
    }
    int fout = 0;
    for (std::size_t klaar = 0; klaar < inhoud.size() && fout == 0;) {
        const ssize_t n = ::write(fd, inhoud.data() + klaar, inhoud.size() - klaar);
        if (n < 0 && errno != EINTR) {
            fout = errno;
        } else if (n > 0) {
            klaar += static_cast<std::size_t>(n);
        }
    }
    if (fout == 0 && bestaat && ::fchmod(fd, oud.st_mode & 07777) != 0) {
        fout = errno;
    }
    // A full disk often shows only here, when the data must reach it.
    if (fout == 0 && ::fsync(fd) != 0) {
        fout = errno;
    }
    if (::close(fd) != 0 && fout == 0) {
        fout = errno;
    }
    if (fout == 0 && ::rename(tijdelijk.c_str(), doel.c_str()) != 0) {
        fout = errno;
    }
    if (fout != 0) {
        ::unlink(tijdelijk.c_str());
        Gooi(fout);
    }
    SpoelMap(doel.parent_path());
}

#endif

} // namespace rcveltor::platform
