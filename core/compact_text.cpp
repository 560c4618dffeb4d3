#include "compact_text.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>
#include <utility>

namespace nudgery {

// The in-place flag shares the first byte with the low byte of a block's address.
static_assert(std::endian::native == std::endian::little,
              "CompactText keeps its in-place flag in the low byte of a block address");

namespace {

std::atomic_ref<std::uint32_t> SharerCount(unsigned char* block) {
    return std::atomic_ref<std::uint32_t>(*reinterpret_cast<std::uint32_t*>(block));
}

} // namespace

CompactText::CompactText(const CompactText& other) noexcept {
    std::memcpy(raw_, other.raw_, sizeof raw_);
    if (unsigned char* block = IsInline() ? nullptr : Block())
        SharerCount(block).fetch_add(1, std::memory_order_relaxed);
}

CompactText::CompactText(CompactText&& other) noexcept {
    std::memcpy(raw_, other.raw_, sizeof raw_);
    std::memset(other.raw_, 0, sizeof other.raw_);
}

CompactText& CompactText::operator=(const CompactText& other) {
    CompactText copy(other);
    return *this = std::move(copy);
}

CompactText& CompactText::operator=(CompactText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(raw_, other.raw_, sizeof raw_);
        std::memset(other.raw_, 0, sizeof other.raw_);
    }
    return *this;
}

CompactText& CompactText::operator=(std::string_view text) {
    // The text may lie in this one's own block: it is copied before the block goes.
    CompactText copy(text);
    return *this = std::move(copy);
}

unsigned char* CompactText::Block() const {
    unsigned char* block = nullptr;
    std::memcpy(&block, raw_, sizeof block);
    return block;
}

const char* CompactText::data() const {
    if (IsInline())
        return reinterpret_cast<const char*>(raw_ + 1);
    const unsigned char* block = Block();
    if (!block)
        return reinterpret_cast<const char*>(raw_); // empty: any address will do
    std::size_t header = 0;
    ReadLengthPrefix(block + CountSize, header);
    return reinterpret_cast<const char*>(block + CountSize + header);
}

std::size_t CompactText::size() const {
    if (IsInline())
        return raw_[0] >> 1;
    const unsigned char* block = Block();
    std::size_t header = 0;
    return block ? ReadLengthPrefix(block + CountSize, header) : 0;
}

void CompactText::Assign(std::string_view text) {
    std::memset(raw_, 0, sizeof raw_);
    if (text.empty())
        return;
    if (text.size() <= InlineCapacity) {
        raw_[0] = static_cast<unsigned char>(text.size() << 1 | 1);
        std::memcpy(raw_ + 1, text.data(), text.size());
        return;
    }
    const std::size_t header = CountSize + LengthPrefixSize(text.size());
    auto* block = static_cast<unsigned char*>(::operator new(header + text.size()));
    const std::uint32_t one = 1;
    std::memcpy(block, &one, sizeof one);
    WriteLengthPrefix(text.size(), block + CountSize);
    std::memcpy(block + header, text.data(), text.size());
    std::memcpy(raw_, &block, sizeof block);
}

void CompactText::Release() noexcept {
    unsigned char* block = IsInline() ? nullptr : Block();
    if (block && SharerCount(block).fetch_sub(1, std::memory_order_acq_rel) == 1)
        ::operator delete(block);
    std::memset(raw_, 0, sizeof raw_);
}

std::size_t CompactText::BlockBytes(std::size_t length) {
    return length <= InlineCapacity ? 0 : CountSize + LengthPrefixSize(length) + length;
}

CompactText RecentTexts::Text(std::string_view text) {
    for (const CompactText& seen : recent_)
        if (seen == text)
            return seen;
    recent_[next_] = CompactText(text);
    const CompactText& made = recent_[next_];
    next_ = (next_ + 1) % Kept;
    return made;
}

std::ostream& operator<<(std::ostream& out, const CompactText& text) {
    return out << text.view();
}

std::size_t LengthPrefixSize(std::size_t length) {
    std::size_t size = 1;
    while (length >= 0x80) {
        length >>= 7;
        ++size;
    }
    return size;
}

void WriteLengthPrefix(std::size_t length, unsigned char* out) {
    while (length >= 0x80) {
        *out++ = static_cast<unsigned char>((length & 0x7f) | 0x80);
        length >>= 7;
    }
    *out = static_cast<unsigned char>(length);
}

std::size_t ReadLengthPrefix(const unsigned char* in, std::size_t& size) {
    std::size_t length = 0;
    size = 0;
    unsigned shift = 0;
    unsigned char byte = 0;
    do {
        byte = in[size++];
        length |= static_cast<std::size_t>(byte & 0x7f) << shift;
        shift += 7;
    } while (byte & 0x80);
    return length;
}

} // namespace nudgery
