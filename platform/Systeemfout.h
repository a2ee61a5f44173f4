#pragma once

#include <stdexcept>
#include <string>

namespace rcveltor::platform {

// A file that cannot be opened, read or written. The message is the reason in
// Dutch, as the program's messages put it after the file's name.
class TBestandsfout : public std::runtime_error {
public:
    explicit TBestandsfout(const std::string& reden) : std::runtime_error(reden) {}
};

// The reason for a system error code (errno on POSIX, GetLastError on
// Windows): the common causes in words, others as "foutcode N". The system's
// own texts follow the machine's language, not the program's.
std::string Foutreden(unsigned long code);

// The reasons that are not a system error.
inline constexpr const char* kIsEenMap = "Het is een map";
inline constexpr const char* kGeenGewoonBestand = "Het is geen gewoon bestand";

} // namespace rcveltor::platform
