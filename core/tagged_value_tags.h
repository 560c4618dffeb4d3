#pragma once
// The one-byte tags that start each value of the data file.

#include <cstdint>

namespace nudgery {

enum class ValueTag : std::uint8_t {
    EndOfList = 0x00,
    StartOfList = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    ShortText = 0x06,
    False = 0x08,
    True = 0x09,
    LongText = 0x0C,
};

} // namespace nudgery
