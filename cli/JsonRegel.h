#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rcveltor::cli {

// One batch line: a JSON array of strings, the arguments of one command line.
// Throws Gebruiksfout when the line is not valid JSON (UTF-8 included), not an
// array of strings, or holds a string that no command line can carry (NUL).
std::vector<std::string> LeesJsonRegel(std::string_view regel);

} // namespace rcveltor::cli
