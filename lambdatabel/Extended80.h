#pragma once

#include <array>
#include <span>

namespace rcveltor {

// The 10-byte extended floating-point layout of the table file: a 64-bit
// significand with an explicit integer bit (bytes 0-7), then 15 exponent bits
// (bias 16383) and the sign in the top bit of byte 9; little-endian.
using TExtendedBytes = std::array<unsigned char, 10>;

// Decodes from the bytes, not by reinterpreting memory, so the file reads the
// same on every platform. Zeros, denormals, infinities and NaNs are handled.
long double DecodeerExtended(std::span<const unsigned char, 10> bytes);

// Encodes a double exactly: every double is a normal number in this format.
TExtendedBytes CodeerExtended(double waarde);

} // namespace rcveltor
