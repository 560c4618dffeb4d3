#pragma once
// Reads the data file's tagged values from a byte buffer. A value that cannot be read
// throws TaggedReadError; the record and list loops decide where that is caught.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nudgery {

class TaggedReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TaggedReader {
public:
    explicit TaggedReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Each of these consumes the tag byte, also when the tag turns out to be wrong.
    // Running out of bytes moves to the end of the data and fails.
    void ReadListBegin();
    void ReadListEnd();
    // Looks at the next tag without consuming it; fails at the end of the data.
    bool NextIsEndOfList() const;
    // From an 8-, 16- or 32-bit integer value, sign-extended.
    std::int32_t ReadInteger();
    // From an extended value rounded to double, or from an integer value.
    double ReadFloat();
    // From a short or long text; a length beyond the remaining bytes fails. The text is
    // the reader's bytes, valid as long as they are: a long load copies each text once,
    // into where it is kept.
    std::string_view ReadString();
    // True only for the true tag; any other byte is false and never fails.
    bool ReadBoolean();

    std::size_t Position() const { return position_; }
    bool AtEnd() const { return position_ == bytes_.size(); }

private:
    std::uint8_t TakeByte();
    std::uint32_t TakeLittleEndian(int byteCount);
    std::span<const std::uint8_t> Take(std::size_t count);
    std::int32_t IntegerAfterTag(std::uint8_t tag);
    [[noreturn]] void FailAtEnd();

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace nudgery
