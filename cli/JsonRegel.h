#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcveltor::cli {

// The limits of one batch line: its length in bytes (without the newline)
// and the number of strings in its array.
constexpr std::size_t kMaxRegel = std::size_t{1} << 20;
constexpr std::size_t kMaxOpties = 200;

// One batch line: a JSON array of strings, the arguments of one command line.
// Throws Gebruiksfout when the line is longer than kMaxRegel, not valid JSON
// (UTF-8 included), not an array of strings, nested deeper, holds more than
// kMaxOpties strings or a string that no command line can carry (NUL).
// Keeps no more than the arguments it returns, whatever the line holds.
std::vector<std::string> LeesJsonRegel(std::string_view regel);

} // namespace rcveltor::cli
