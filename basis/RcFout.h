#pragma once

#include <stdexcept>
#include <string>

namespace rcveltor {

// An error that ends the running user action. It travels to the top of the
// action (like an exception of the window toolkit) and its message is shown
// once, in the program's error box or in the calculator's list of errors.
class RcFout : public std::runtime_error {
public:
    explicit RcFout(const std::string& melding) : std::runtime_error(melding) {}
};

} // namespace rcveltor
