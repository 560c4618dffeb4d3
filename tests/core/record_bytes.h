#pragma once
// Hand-written byte sequences of data-file values, independent of the writer under test.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace nudgery::testing_bytes {

using Bytes = std::vector<std::uint8_t>;

inline const Bytes Header{0x01, 0x03, 0x9A, 0x02, 0x05, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x40, 0x00};
inline const Bytes ListBegin{0x01};
inline const Bytes ListEnd{0x00};

inline const Bytes FloatZero{0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline const Bytes Float0375{0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFD, 0x3F};
inline const Bytes Float45406_25{0x05, 0, 0, 0, 0, 0, 0x40, 0x5E, 0xB1, 0x0E, 0x40};
inline const Bytes Float60000{0x05, 0, 0, 0, 0, 0, 0, 0x60, 0xEA, 0x0E, 0x40};
inline const Bytes Float739000_25{0x05, 0, 0, 0, 0, 0, 0x84, 0x6B, 0xB4, 0x12, 0x40};

inline Bytes Int8(std::int8_t value) {
    return {0x02, static_cast<std::uint8_t>(value)};
}

inline Bytes ShortText(const std::string& text) {
    Bytes bytes(2 + text.size());
    bytes[0] = 0x06;
    bytes[1] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 2);
    return bytes;
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// A one-time record: Kind 0, the given EventType and When, empty times, no until,
// the given texts, no day spec, RepeatMinutes 0, the given Status, ReservedFlag false.
inline Bytes OneTimeRecord(std::int8_t eventType, const Bytes& when, const std::string& description,
                           std::int8_t status) {
    return Join({Int8(0),
                 Int8(eventType),
                 when,
                 FloatZero,
                 FloatZero,
                 {0x08},
                 ShortText(description),
                 ShortText(""),
                 ShortText(""),
                 Int8(0),
                 Int8(status),
                 {0x08}});
}

} // namespace nudgery::testing_bytes
