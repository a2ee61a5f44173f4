#pragma once

// Runs a shell command line and collects what it writes on stdout.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace rcveltor::test {

struct TUitvoer {
    int Status = -1;
    std::string Uit;
};

inline std::string Citeer(const std::string& s) {
    std::string c = "'";
    for (char ch : s) {
        c += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return c + "'";
}

inline TUitvoer Voer(const std::string& opdracht) {
    TUitvoer r;
    FILE* p = popen(opdracht.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.Uit.append(buf.data(), n);
    }
    const int status = pclose(p);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// A file name in the temporary folder of this process alone: builds and
// test runs side by side must not share them.
inline std::string Tijdelijk(const std::string& naam) {
    return "/tmp/rcv_" + std::to_string(::getpid()) + "_" + naam;
}

// The calculator in the build's data folder (where lambda.bin is).
inline std::string Calculator() {
    return "cd " + Citeer(RCV_DATA_DIR) + " && " + Citeer(RCV_CLI);
}

// The same, killed after `seconden` (status 137): a run that hangs fails
// the test instead of stopping it.
inline std::string Calculator(int seconden) {
    return "cd " + Citeer(RCV_DATA_DIR) + " && timeout -s KILL " + std::to_string(seconden) + " " +
           Citeer(RCV_CLI);
}

} // namespace rcveltor::test
