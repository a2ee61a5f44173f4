#include "update/Vervangen.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rcveltor::update {

namespace {

namespace fs = std::filesystem;

bool HardeLink(const fs::path& bestand, const fs::path& kopie) {
#ifdef _WIN32
    return CreateHardLinkW(kopie.c_str(), bestand.c_str(), nullptr) != 0;
#else
    // Flags 0: a symbolic link gets a second name itself, it is not followed.
    return ::linkat(AT_FDCWD, bestand.c_str(), AT_FDCWD, kopie.c_str(), 0) == 0;
#endif
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
#ifndef _WIN32
    // On the disk before the original may be replaced.
    const int fd = ::open(kopie.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    const bool opSchijf = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return opSchijf;
#else
    return true;
#endif
}

} // namespace

bool MaakKopieNaam(const fs::path& bestand, const fs::path& kopie) {
    if (HardeLink(bestand, kopie)) {
        return true;
    }
    std::error_code fout;
    fs::remove(kopie, fout);
    if (Kopieer(bestand, kopie)) {
        return true;
    }
    fs::remove(kopie, fout);
    return false;
}

bool VervangDoor(const fs::path& van, const fs::path& naar) {
#ifdef _WIN32
    if (MoveFileExW(van.c_str(), naar.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        return false;
    }
#else
    if (::rename(van.c_str(), naar.c_str()) != 0) {
        return false;
    }
#endif
    // rename(2) leaves both names when they are links to one file.
    std::error_code fout;
    if (fs::exists(fs::symlink_status(van, fout))) {
        fs::remove(van, fout);
    }
    return true;
}

} // namespace rcveltor::update
