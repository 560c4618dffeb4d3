#pragma once
// Writes the data file's tagged values into a byte buffer.

#include <cstdint>
#include <string_view>
#include <vector>

namespace nudgery {

class TaggedWriter {
public:
    void WriteListBegin();
    void WriteListEnd();
    // In the smallest of the 8-, 16- and 32-bit forms that holds the value.
    void WriteInteger(std::int32_t value);
    // As an 80-bit extended number, which holds every double exactly.
    void WriteFloat(double value);
    // Short form below 256 bytes, long form from there on; bytes unconverted.
    void WriteString(std::string_view text);
    void WriteBoolean(bool value);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() && { return std::move(bytes_); }

private:
    void Put(std::uint8_t byte) { bytes_.push_back(byte); }
    void PutLittleEndian(std::uint32_t value, int byteCount);

    std::vector<std::uint8_t> bytes_;
};

} // namespace nudgery
