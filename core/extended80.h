#pragma once
// The data file's floating-point value: an 80-bit extended-precision number, little-endian
// (64-bit significand with an explicit integer bit, then sign and a 15-bit exponent with
// bias 16383). Converted in portable code, independent of the compiler's long double.

#include <array>
#include <cstdint>
#include <span>

namespace nudgery {

using Extended80Bytes = std::array<std::uint8_t, 10>;

// Holds every double exactly: zeros, subnormals, infinities and NaN payloads included.
Extended80Bytes EncodeExtended80(double value) noexcept;

// Rounds to the nearest double, ties to even; values beyond double's range become
// infinity. Denormals and unnormals (integer bit clear) are read by their value.
double DecodeExtended80(std::span<const std::uint8_t, 10> bytes) noexcept;

} // namespace nudgery
