#include "tagged_reader.h"

#include "extended80.h"
#include "tagged_value_tags.h"

namespace nudgery {
namespace {

std::uint8_t TagByte(ValueTag tag) {
    return static_cast<std::uint8_t>(tag);
}

[[noreturn]] void FailOnTag(const char* expected, std::uint8_t tag) {
    throw TaggedReadError(std::string("Expected ") + expected + ", found tag " +
                          std::to_string(tag));
}

} // namespace

void TaggedReader::FailAtEnd() {
    position_ = bytes_.size();
    throw TaggedReadError("Unexpected end of data");
}

std::span<const std::uint8_t> TaggedReader::Take(std::size_t count) {
    if (count > bytes_.size() - position_) {
        FailAtEnd();
    }
    const auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

std::uint8_t TaggedReader::TakeByte() {
    return Take(1)[0];
}

std::uint32_t TaggedReader::TakeLittleEndian(int byteCount) {
    const auto bytes = Take(static_cast<std::size_t>(byteCount));
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = (value << 8) | bytes[static_cast<std::size_t>(i)];
    }
    return value;
}

void TaggedReader::ReadListBegin() {
    const std::uint8_t tag = TakeByte();
    if (tag != TagByte(ValueTag::StartOfList)) {
        FailOnTag("start of list", tag);
    }
}

void TaggedReader::ReadListEnd() {
    const std::uint8_t tag = TakeByte();
    if (tag != TagByte(ValueTag::EndOfList)) {
        FailOnTag("end of list", tag);
    }
}

bool TaggedReader::NextIsEndOfList() const {
    if (position_ == bytes_.size()) {
        throw TaggedReadError("Unexpected end of data");
    }
    return bytes_[position_] == TagByte(ValueTag::EndOfList);
}

std::int32_t TaggedReader::IntegerAfterTag(std::uint8_t tag) {
    switch (static_cast<ValueTag>(tag)) {
    case ValueTag::Int8:
        return static_cast<std::int8_t>(TakeLittleEndian(1));
    case ValueTag::Int16:
        return static_cast<std::int16_t>(TakeLittleEndian(2));
    case ValueTag::Int32:
        return static_cast<std::int32_t>(TakeLittleEndian(4));
    default:
        FailOnTag("an integer", tag);
    }
}

std::int32_t TaggedReader::ReadInteger() {
    return IntegerAfterTag(TakeByte());
}

double TaggedReader::ReadFloat() {
    const std::uint8_t tag = TakeByte();
    if (tag == TagByte(ValueTag::Extended)) {
        return DecodeExtended80(Take(10).first<10>());
    }
    return IntegerAfterTag(tag);
}

std::string_view TaggedReader::ReadString() {
    const std::uint8_t tag = TakeByte();
    std::uint32_t length = 0;
    if (tag == TagByte(ValueTag::ShortText)) {
        length = TakeLittleEndian(1);
    } else if (tag == TagByte(ValueTag::LongText)) {
        length = TakeLittleEndian(4);
    } else {
        FailOnTag("a text", tag);
    }
    // Take checks the length against what remains before anything is allocated.
    const auto text = Take(length);
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

bool TaggedReader::ReadBoolean() {
    return TakeByte() == TagByte(ValueTag::True);
}

} // namespace nudgery
