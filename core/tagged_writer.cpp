#include "tagged_writer.h"

#include "extended80.h"
#include "tagged_value_tags.h"

#include <limits>
#include <stdexcept>

namespace nudgery {
namespace {

std::uint8_t TagByte(ValueTag tag) {
    return static_cast<std::uint8_t>(tag);
}

} // namespace

void TaggedWriter::PutLittleEndian(std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        Put(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void TaggedWriter::WriteListBegin() {
    Put(TagByte(ValueTag::StartOfList));
}

void TaggedWriter::WriteListEnd() {
    Put(TagByte(ValueTag::EndOfList));
}

void TaggedWriter::WriteInteger(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= std::numeric_limits<std::int8_t>::min() &&
        value <= std::numeric_limits<std::int8_t>::max()) {
        Put(TagByte(ValueTag::Int8));
        PutLittleEndian(bits, 1);
    } else if (value >= std::numeric_limits<std::int16_t>::min() &&
               value <= std::numeric_limits<std::int16_t>::max()) {
        Put(TagByte(ValueTag::Int16));
        PutLittleEndian(bits, 2);
    } else {
        Put(TagByte(ValueTag::Int32));
        PutLittleEndian(bits, 4);
    }
}

void TaggedWriter::WriteFloat(double value) {
    Put(TagByte(ValueTag::Extended));
    const Extended80Bytes extended = EncodeExtended80(value);
    bytes_.insert(bytes_.end(), extended.begin(), extended.end());
}

void TaggedWriter::WriteString(std::string_view text) {
    if (text.size() < 256) {
        Put(TagByte(ValueTag::ShortText));
        PutLittleEndian(static_cast<std::uint32_t>(text.size()), 1);
    } else {
        if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
            // A cut length would make the rest of the file unreadable.
            throw std::length_error("Text too long for the data file");
        }
        Put(TagByte(ValueTag::LongText));
        PutLittleEndian(static_cast<std::uint32_t>(text.size()), 4);
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void TaggedWriter::WriteBoolean(bool value) {
    Put(TagByte(value ? ValueTag::True : ValueTag::False));
}

} // namespace nudgery
