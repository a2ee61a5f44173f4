#pragma once

#include <string>
#include <vector>

namespace rcveltor::platform {

// The command-line arguments after the program name, in UTF-8. Windows hands
// main() its arguments in the ANSI code page; they are read again as UTF-16.
std::vector<std::string> Argumenten(int argc, char** argv);

} // namespace rcveltor::platform
