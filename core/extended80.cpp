#include "extended80.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace nudgery {
namespace {

constexpr int ExtendedBias = 16383;
constexpr int DoubleBias = 1023;
constexpr std::uint16_t ExtendedMaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t DoubleFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t DoubleQuietBit = std::uint64_t{1} << 51;
// Weight of the lowest bit of a double subnormal, and of a double's top bit at most.
constexpr int DoubleMinLsbExponent = -1074;
constexpr int DoubleMaxExponent = 1023;

Extended80Bytes Pack(bool negative, std::uint16_t exponent, std::uint64_t significand) {
    Extended80Bytes bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    }
    const auto signAndExponent = static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponent);
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

double WithSign(bool negative, double magnitude) {
    return negative ? -magnitude : magnitude;
}

double NanFromSignificand(bool negative, std::uint64_t significand) {
    std::uint64_t fraction = (significand >> 11) & DoubleFractionMask;
    if (fraction == 0) {
        // The payload lies wholly below double's fraction: keep it a NaN, not infinity.
        fraction = DoubleQuietBit;
    }
    const std::uint64_t bits =
        (negative ? IntegerBit : 0) | (std::uint64_t{0x7FF} << 52) | fraction;
    return std::bit_cast<double>(bits);
}

// value * 2^exponent; a multiplication where 2^exponent is a normal double, which is exact
// for the values given here and cheaper than ldexp, which a load calls three times a record.
double TimesPowerOfTwo(double value, int exponent) {
    if (exponent < 1 - DoubleBias || exponent > DoubleMaxExponent)
        return std::ldexp(value, exponent);
    return value * std::bit_cast<double>(static_cast<std::uint64_t>(exponent + DoubleBias) << 52);
}

// significand * 2^exponent rounded to the nearest double, ties to even; significand != 0.
double RoundToDouble(std::uint64_t significand, int exponent) {
    const int topBit = 63 - std::countl_zero(significand);
    const int topExponent = topBit + exponent;
    if (topExponent > DoubleMaxExponent) {
        return HUGE_VAL;
    }
    const int lsbExponent = std::max(topExponent - 52, DoubleMinLsbExponent);
    const int dropped = lsbExponent - exponent;
    if (dropped <= 0) {
        return TimesPowerOfTwo(static_cast<double>(significand), exponent);
    }
    if (dropped > 64) {
        return 0.0; // below half the smallest subnormal
    }
    std::uint64_t kept = 0;
    std::uint64_t remainder = significand;
    std::uint64_t half = IntegerBit;
    if (dropped < 64) {
        kept = significand >> dropped;
        remainder = significand & ((std::uint64_t{1} << dropped) - 1);
        half = std::uint64_t{1} << (dropped - 1);
    }
    if (remainder > half || (remainder == half && (kept & 1) != 0)) {
        ++kept; // may carry into the next binade; the scaling still gives the exact result
    }
    return TimesPowerOfTwo(static_cast<double>(kept), lsbExponent);
}

} // namespace

Extended80Bytes EncodeExtended80(double value) noexcept {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & DoubleFractionMask;

    if (exponent == 0x7FF) {
        return Pack(negative, ExtendedMaxExponent, IntegerBit | (fraction << 11));
    }
    if (exponent == 0) {
        if (fraction == 0) {
            return Pack(negative, 0, 0);
        }
        // A subnormal double is a normal extended number: shift its top bit to bit 63.
        const int shift = std::countl_zero(fraction);
        const int unbiased = DoubleMinLsbExponent + 63 - shift;
        return Pack(negative, static_cast<std::uint16_t>(unbiased + ExtendedBias),
                    fraction << shift);
    }
    const int unbiased = exponent - DoubleBias;
    return Pack(negative, static_cast<std::uint16_t>(unbiased + ExtendedBias),
                IntegerBit | (fraction << 11));
}

double DecodeExtended80(std::span<const std::uint8_t, 10> bytes) noexcept {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) {
        significand = (significand << 8) | bytes[i];
    }
    const auto signAndExponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & ExtendedMaxExponent;

    if (exponent == ExtendedMaxExponent) {
        if ((significand & ~IntegerBit) == 0) {
            return WithSign(negative, HUGE_VAL);
        }
        return NanFromSignificand(negative, significand);
    }
    if (significand == 0) {
        return WithSign(negative, 0.0);
    }
    // Denormals share the smallest normal exponent.
    const int unbiased = (exponent == 0 ? 1 : exponent) - ExtendedBias;
    return WithSign(negative, RoundToDouble(significand, unbiased - 63));
}

} // namespace nudgery
