#include "platform/Proces.h"

#include "platform/Systeemfout.h"

#ifdef _WIN32
#include <cstdlib>
#include <iostream>
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

// Windows cannot replace a running program: the other one runs with this
// run's own command line and standard handles, and its exit status ends
// this one.
std::string VervangDoor(const std::filesystem::path& programma, char**) {
    std::wstring opdrachtregel = GetCommandLineW();
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION proces{};
    std::cout.flush();
    std::cerr.flush();
    if (!CreateProcessW(programma.c_str(), opdrachtregel.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &start, &proces)) {
        return Foutreden(GetLastError());
    }
    CloseHandle(proces.hThread);
    WaitForSingleObject(proces.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(proces.hProcess, &status);
    CloseHandle(proces.hProcess);
    std::exit(static_cast<int>(status));
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
