// The 80-bit extended value: exact layouts, exact round trips of every kind of double,
// rounding on reading, and agreement with the x87 long double where the machine has one.

#include "core/extended80.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace nudgery {
namespace {

using Limits = std::numeric_limits<double>;

// Builds the ten bytes from the significand and the sign-and-exponent word.
Extended80Bytes Make(std::uint64_t significand, std::uint16_t signAndExponent) {
    Extended80Bytes bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    }
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

double Decode(const Extended80Bytes& bytes) {
    return DecodeExtended80(std::span<const std::uint8_t, 10>(bytes));
}

constexpr std::uint64_t Top = std::uint64_t{1} << 63;

TEST(Extended80, KnownLayouts) {
    struct Case {
        double value;
        Extended80Bytes bytes;
    };
    const Case cases[] = {
        {2.0, Make(Top, 0x4000)},
        {1.0, Make(Top, 0x3FFF)},
        {-1.0, Make(Top, 0xBFFF)},
        {0.5, Make(Top, 0x3FFE)},
        {0.0, Make(0, 0x0000)},
        {-0.0, Make(0, 0x8000)},
        {3.0, Make(Top | (Top >> 1), 0x4000)},
        {Limits::infinity(), Make(Top, 0x7FFF)},
        {-Limits::infinity(), Make(Top, 0xFFFF)},
        {Limits::denorm_min(), Make(Top, 16383 - 1074)},
        {Limits::min(), Make(Top, 16383 - 1022)},
        {Limits::max(), Make(~std::uint64_t{0} << 11, 16383 + 1023)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeExtended80(c.value), c.bytes) << c.value;
        EXPECT_EQ(Bits(Decode(c.bytes)), Bits(c.value)) << c.value;
    }
}

TEST(Extended80, EveryKindOfDoubleRoundTripsBitExactly) {
    std::mt19937_64 random(20261208);
    const auto roundTrip = [](std::uint64_t bits) {
        const double value = std::bit_cast<double>(bits);
        EXPECT_EQ(Bits(Decode(EncodeExtended80(value))), bits) << std::hex << bits;
    };
    const std::uint64_t exponentMasks[] = {0, 0x7FF0000000000000}; // subnormal, inf/NaN
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        roundTrip(bits);
        for (const std::uint64_t exponent : exponentMasks) {
            roundTrip((bits & 0x800FFFFFFFFFFFFF) | exponent);
        }
    }
}

TEST(Extended80, ReadingRoundsToNearestTiesToEven) {
    // 1 + 2^-53 is half way between 1 and the next double: ties to even gives 1.
    EXPECT_EQ(Decode(Make(Top | (std::uint64_t{1} << 10), 0x3FFF)), 1.0);
    // 1 + 3 * 2^-53 is half way between two doubles whose even neighbour is above.
    EXPECT_EQ(Decode(Make(Top | (std::uint64_t{3} << 10), 0x3FFF)), 1.0 + 2 * DBL_EPSILON);
    // Just above half way rounds up.
    EXPECT_EQ(Decode(Make(Top | (std::uint64_t{1} << 10) | 1, 0x3FFF)), 1.0 + DBL_EPSILON);
    // Just below half way rounds down.
    EXPECT_EQ(Decode(Make(Top | ((std::uint64_t{1} << 10) - 1), 0x3FFF)), 1.0);
    // All ones rounds up into the next binade.
    EXPECT_EQ(Decode(Make(~std::uint64_t{0}, 0x3FFF)), 2.0);
}

TEST(Extended80, ValuesBeyondDoubleRangeBecomeInfinityOrZero) {
    EXPECT_EQ(Decode(Make(Top, 16383 + 1024)), Limits::infinity());
    EXPECT_EQ(Decode(Make(Top, 0x8000 | (16383 + 5000))), -Limits::infinity());
    // The largest double's significand plus a half ulp rounds (to even) into overflow.
    EXPECT_EQ(Decode(Make(~std::uint64_t{0} << 10, 16383 + 1023)), Limits::infinity());
    EXPECT_EQ(Decode(Make(~std::uint64_t{0} << 11 | (std::uint64_t{1} << 9), 16383 + 1023)),
              Limits::max());
    // Half the smallest subnormal ties to zero (even); a little more rounds up to it.
    EXPECT_EQ(Bits(Decode(Make(Top, 16383 - 1075))), Bits(0.0));
    EXPECT_EQ(Decode(Make(Top | 1, 16383 - 1075)), Limits::denorm_min());
    EXPECT_EQ(Bits(Decode(Make(Top, 0x8000 | 1))), Bits(-0.0));
    // Extended denormals lie far below double's range.
    EXPECT_EQ(Decode(Make(0x1234, 0)), 0.0);
}

TEST(Extended80, NanStaysNanAndKeepsItsPayload) {
    const double read = Decode(Make(Top | 0x4000000000000000 | (0xABCull << 11), 0x7FFF));
    ASSERT_TRUE(std::isnan(read));
    EXPECT_EQ(Bits(read) & 0xFFF, 0xABCu);
    // A payload only in the low 11 bits would vanish; it must not turn into infinity.
    EXPECT_TRUE(std::isnan(Decode(Make(Top | 0x7FF, 0x7FFF))));
}

TEST(Extended80, UnnormalsAreReadByTheirValue) {
    // Integer bit clear: 0.25 written with exponent of 1.0 and significand 0x2000...
    EXPECT_EQ(Decode(Make(Top >> 2, 0x3FFF)), 0.25);
}

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64

long double AsLongDouble(const Extended80Bytes& bytes) {
    long double value = 0;
    std::memcpy(&value, bytes.data(), bytes.size());
    return value;
}

bool SameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || Bits(a) == Bits(b);
}

TEST(Extended80, AgreesWithX87OnRandomPatterns) {
    std::mt19937_64 random(8002);
    std::uniform_int_distribution<int> nearDoubleRange(16383 - 1140, 16383 + 1040);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t significand = random() | Top;
        int exponent = i % 4 == 0 ? static_cast<int>(random() % 0x7FFF) : nearDoubleRange(random);
        if (i % 7 == 0) {
            exponent = 0; // pseudo-denormal, read by the hardware with exponent 1
        }
        if (i % 11 == 0) {
            significand &= ~((std::uint64_t{1} << (random() % 64)) - 1); // exact halves
        }
        const auto sign = static_cast<std::uint16_t>(random() & 0x8000);
        const Extended80Bytes bytes =
            Make(significand, sign | static_cast<std::uint16_t>(exponent));
        const double hardware = static_cast<double>(AsLongDouble(bytes));
        ASSERT_TRUE(SameDouble(Decode(bytes), hardware))
            << std::hex << significand << " exp " << exponent;
    }
}

TEST(Extended80, WritesWhatX87Holds) {
    std::mt19937_64 random(4711);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isnan(value)) {
            continue; // the hardware quiets signalling NaNs; payload round trips are above
        }
        const long double extended = value;
        Extended80Bytes hardware{};
        std::memcpy(hardware.data(), &extended, hardware.size());
        ASSERT_EQ(EncodeExtended80(value), hardware) << value;
    }
}

#endif

} // namespace
} // namespace nudgery
