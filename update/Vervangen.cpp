#include "update/Vervangen.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include "platform/Bestand.h"

#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rcveltor::update {

namespace {

namespace fs = std::filesystem;

bool Bestaat(const fs::path& pad) {
    std::error_code fout;
    return fs::exists(fs::symlink_status(pad, fout));
}

} // namespace

#ifdef _WIN32

namespace {

bool Hernoem(const fs::path& van, const fs::path& naar, DWORD vlaggen) {
    return MoveFileExW(platform::LangPad(van).c_str(), platform::LangPad(naar).c_str(),
                       vlaggen | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace

bool ZetOpzij(const fs::path& bestand, const fs::path& opzij) {
    return Hernoem(bestand, opzij, 0);
}

bool VervangDoor(const fs::path& van, const fs::path& naar, fs::path* weg) {
    if (weg != nullptr) {
        weg->clear();
    }
    if (!Hernoem(van, naar, MOVEFILE_REPLACE_EXISTING)) {
        // A running program is refused as "no access", but may be renamed.
        if (GetLastError() != ERROR_ACCESS_DENIED || weg == nullptr) {
            return false;
        }
        fs::path vrij;
        for (int nummer = 1; vrij.empty() || Bestaat(vrij); ++nummer) {
            if (nummer > 100) {
                return false;
            }
            vrij = naar;
            vrij += L".rcvweg" + std::to_wstring(nummer);
        }
        if (!Hernoem(naar, vrij, 0)) {
            return false;
        }
        if (!Hernoem(van, naar, 0)) {
            Hernoem(vrij, naar, 0);
            return false;
        }
        *weg = vrij;
    }
    // Both names of one file: the second goes.
    std::error_code fout;
    if (Bestaat(van)) {
        fs::remove(van, fout);
    }
    return true;
}

#else

namespace {

bool HardeLink(const fs::path& bestand, const fs::path& kopie) {
    // Flags 0: a symbolic link gets a second name itself, it is not followed.
    return ::linkat(AT_FDCWD, bestand.c_str(), AT_FDCWD, kopie.c_str(), 0) == 0;
}

bool Kopieer(const fs::path& bestand, const fs::path& kopie) {
    std::error_code fout;
    if (fs::is_symlink(fs::symlink_status(bestand, fout))) {
        fs::copy_symlink(bestand, kopie, fout);
        return !fout;
    }
    fs::copy_file(bestand, kopie, fs::copy_options::none, fout);
    if (fout) {
        return false;
    }
    // On the disk before the original may be replaced.
    const int fd = ::open(kopie.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    const bool opSchijf = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return opSchijf;
}

} // namespace

bool ZetOpzij(const fs::path& bestand, const fs::path& opzij) {
    if (HardeLink(bestand, opzij)) {
        return true;
    }
    std::error_code fout;
    fs::remove(opzij, fout);
    if (Kopieer(bestand, opzij)) {
        return true;
    }
    fs::remove(opzij, fout);
    return false;
}

bool VervangDoor(const fs::path& van, const fs::path& naar, fs::path* weg) {
    if (weg != nullptr) {
        weg->clear();
    }
    if (::rename(van.c_str(), naar.c_str()) != 0) {
        return false;
    }
    // rename(2) leaves both names when they are links to one file.
    std::error_code fout;
    if (Bestaat(van)) {
        fs::remove(van, fout);
    }
    return true;
}

#endif

} // namespace rcveltor::update
