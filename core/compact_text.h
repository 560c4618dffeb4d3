#pragma once
// A byte string in eight bytes, for texts kept by the thousand: one of up to seven bytes is
// held in place, a longer one in a block that starts with a count of the texts sharing it
// and its length. Copies share the block, which no text changes in place. A reminder holds
// three of them, and a list can hold a hundred thousand reminders.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace nudgery {

class CompactText {
public:
    CompactText() noexcept = default;
    explicit CompactText(std::string_view text) { Assign(text); }
    CompactText(const CompactText& other) noexcept;
    CompactText(CompactText&& other) noexcept;
    CompactText& operator=(const CompactText& other);
    CompactText& operator=(CompactText&& other) noexcept;
    CompactText& operator=(std::string_view text);
    ~CompactText() { Release(); }

    const char* data() const;
    std::size_t size() const;
    bool empty() const { return size() == 0; }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }

    std::string_view view() const { return {data(), size()}; }
    operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }

    friend bool operator==(const CompactText& a, const CompactText& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const CompactText& a, std::string_view b) { return a.view() == b; }

    // The bytes of the block a text of `length` bytes takes; none for one held in place.
    static std::size_t BlockBytes(std::size_t length);

private:
    static constexpr std::size_t InlineCapacity = 7;

    bool IsInline() const { return (raw_[0] & 1) != 0; }
    unsigned char* Block() const;
    // The count of texts sharing a block, at its start.
    static constexpr std::size_t CountSize = 4;
    void Assign(std::string_view text);
    void Release() noexcept;

    // All zeros: empty. Lowest bit of the first byte set: the text in place, its length in
    // the bits above. Otherwise the address of the block, which the allocator aligns, so
    // that its lowest bit is clear.
    alignas(8) unsigned char raw_[8] = {};
};

std::ostream& operator<<(std::ostream& out, const CompactText& text);

// Texts that recur, such as the few sound files a list names over and over, made to share
// one block: a text equal to one made lately takes its block instead of a new one.
class RecentTexts {
public:
    CompactText Text(std::string_view text);

private:
    static constexpr std::size_t Kept = 8;
    CompactText recent_[Kept];
    std::size_t next_ = 0;
};

// Lengths as compact texts store them before their bytes: seven bits a byte, low bits first,
// the high bit of a byte saying that another follows. Short texts pay one byte.
std::size_t LengthPrefixSize(std::size_t length);
// Writes LengthPrefixSize(length) bytes at `out`.
void WriteLengthPrefix(std::size_t length, unsigned char* out);
// Reads the length at `in`; `size` is set to the bytes it took.
std::size_t ReadLengthPrefix(const unsigned char* in, std::size_t& size);

} // namespace nudgery
