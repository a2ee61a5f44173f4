#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace rcveltor::cli {

// Reads the next line of `in` into `regel`, without its '\n', keeping at most
// its first `max` + 1 bytes: the rest of a longer line is read past, so that
// regel.size() > max tells it and no line costs more memory than that.
// Returns false at the end of the input.
bool LeesInvoerregel(std::istream& in, std::string& regel, std::size_t max);

} // namespace rcveltor::cli
