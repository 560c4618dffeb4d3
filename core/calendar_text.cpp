#include "calendar_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace nudgery {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view NaNPrefix = "NaN:";

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsKeptControl(unsigned char c) {
    return c == '\t' || c == '\n';
}

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when it starts with a
// byte that begins none (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

bool KeepsExactly(unsigned char c) {
    return c > 0x20 && c < 0x7F && c != '%' && c != ',' && c != ';' && c != '\\';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

bool IsPlainCalendarText(std::string_view bytes) {
    if (!bytes.empty() && (IsBlank(static_cast<unsigned char>(bytes.front())) ||
                           IsBlank(static_cast<unsigned char>(bytes.back()))))
        return false;
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes.front());
        if (IsControl(c) && !IsKeptControl(c))
            return false;
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string CalendarShownText(std::string_view bytes) {
    std::string shown;
    shown.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes.front());
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0) {
            shown += ReplacementCharacter;
            bytes.remove_prefix(1);
            continue;
        }
        if (!IsControl(c) || IsKeptControl(c))
            shown.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    const auto first = shown.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string::npos)
        return {};
    const auto last = shown.find_last_not_of(" \t\n\r\v\f");
    return shown.substr(first, last - first + 1);
}

std::string ExactTextForm(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string form;
    form.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeepsExactly(c)) {
            form += ch;
        } else {
            form += '%';
            form += Hex[c >> 4];
            form += Hex[c & 0xF];
        }
    }
    return form;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

std::optional<std::string> FromExactTextForm(std::string_view form) {
    for (const char c : form)
        if (c != '%' && !KeepsExactly(static_cast<unsigned char>(c)))
            return std::nullopt;
    return PercentDecoded(form);
}

std::string HexDigest(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ULL;
    }
    std::array<char, 16> hex{};
    const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), hash, 16).ptr;
    return std::string(static_cast<std::size_t>(hex.data() + hex.size() - end), '0')
        .append(hex.data(), end);
}

std::string ExactNumberText(double value) {
    std::array<char, 32> buffer{};
    if (std::isnan(value)) {
        // Every bit of a NaN, which a data file read from damage may hold.
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::bit_cast<std::uint64_t>(value), 16)
                             .ptr;
        return std::string(NaNPrefix).append(buffer.data(), end);
    }
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
}

std::optional<double> FromExactNumberText(std::string_view text) {
    if (text.starts_with(NaNPrefix)) {
        text.remove_prefix(NaNPrefix.size());
        std::uint64_t bits = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        const auto value = std::bit_cast<double>(bits);
        if (error != std::errc{} || end != text.data() + text.size() || text.empty() ||
            !std::isnan(value))
            return std::nullopt;
        return value;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty() ||
        std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace nudgery
