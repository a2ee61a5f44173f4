#include "platform/Proces.h"

#include "platform/Systeemfout.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace rcveltor::platform {

#ifdef _WIN32

std::filesystem::path EigenMap() {
    std::wstring pad(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, pad.data(), static_cast<DWORD>(pad.size()));
        if (n == 0) {
            return {};
        }
        if (n < pad.size()) {
            pad.resize(n);
            return std::filesystem::path(pad).parent_path();
        }
        pad.resize(pad.size() * 2);
    }
}

std::string VervangDoor(const std::filesystem::path&, char**) {
    return "deze uitgave start geen ander programma";
}

#else

std::filesystem::path EigenMap() {
    std::error_code fout;
    const auto pad = std::filesystem::read_symlink("/proc/self/exe", fout);
    return fout ? std::filesystem::path() : pad.parent_path();
}

std::string VervangDoor(const std::filesystem::path& programma, char** argv) {
    execv(programma.c_str(), argv);
    return Foutreden(static_cast<unsigned long>(errno));
}

#endif

} // namespace rcveltor::platform
