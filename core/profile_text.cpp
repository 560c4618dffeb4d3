#include "profile_text.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace nudgery {

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsQuoted(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

// One line of the file: [begin, end) is its text without the line break, next is where the
// following line starts.
struct LineSpan {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<LineSpan> SplitLines(std::string_view text) {
    std::vector<LineSpan> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const auto newline = text.find('\n', begin);
        const std::size_t next = newline == text.npos ? text.size() : newline + 1;
        std::size_t end = newline == text.npos ? text.size() : newline;
        if (end > begin && text[end - 1] == '\r')
            --end;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

struct Entry {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

Entry Classify(std::string_view line) {
    const auto text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '#')
        return {};
    if (text.front() == '[') {
        const auto close = text.find(']');
        const auto inner =
            close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        return {Entry::Kind::Section, Trim(inner), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {Entry::Kind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

// Where a key is, or where it would go: the line of the key itself, else the last entry
// line of its section (the section line when it has no keys), else nothing.
struct Location {
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> lastLineOfSection;
    std::string_view keyName;
    std::string_view value;
};

Location Find(std::string_view text, const std::vector<LineSpan>& lines, std::string_view section,
              std::string_view key) {
    Location found;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto entry = Classify(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (entry.kind == Entry::Kind::Section) {
            // Only the first section of a name counts, as with the desktop's functions.
            if (inSection)
                break;
            inSection = EqualsNoCase(entry.name, section);
            if (inSection)
                found.lastLineOfSection = i;
        } else if (inSection && entry.kind == Entry::Kind::Key) {
            found.lastLineOfSection = i;
            if (EqualsNoCase(entry.name, key)) {
                found.keyLine = i;
                found.keyName = entry.name;
                found.value = entry.value;
                break;
            }
        }
    }
    return found;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// A value that the reading rules would change (trimmed blanks, stripped quotes) is put in
// quotes, which reading removes again.
std::string EncodeValue(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (Blanks.find(value.front()) != std::string_view::npos ||
                           Blanks.find(value.back()) != std::string_view::npos || IsQuoted(value));
    if (needsQuotes)
        return std::string("\"").append(value).append("\"");
    return std::string(value);
}

std::string LineBreakOf(std::string_view text) {
    const auto newline = text.find('\n');
    return (newline != text.npos && newline > 0 && text[newline - 1] == '\r') ? "\r\n" : "\n";
}

// What ends the text's last line before something is appended: nothing when it ends in a
// line break already, the missing half when it ends in a carriage return (which reading
// took for the first half of one).
std::string_view LineEndMissingAtEnd(std::string_view text, std::string_view lineBreak) {
    if (text.empty() || text.back() == '\n')
        return {};
    return text.back() == '\r' ? "\n" : lineBreak;
}

std::optional<std::uint32_t> ParseDigits(std::string_view digits, int base) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Names that would not read back as themselves: reading trims names, takes a line
// beginning with '[' as a section and one beginning with ';' or '#' as a comment, and ends
// a section name at ']' and a key at '='.
bool CanBeWritten(std::string_view section, std::string_view key, std::string_view value) {
    const auto isTrimmed = [](std::string_view name) { return Trim(name) == name; };
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
           isTrimmed(section) && isTrimmed(key) && section.find(']') == section.npos &&
           key.find('=') == key.npos &&
           (key.empty() || std::string_view(";#[").find(key.front()) == std::string_view::npos);
}

} // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto bits = ParseDigits(text.substr(2), 16);
        return bits ? std::optional(static_cast<std::int32_t>(*bits)) : std::nullopt;
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '$') {
        const auto bits = ParseDigits(text.substr(1), 16);
        if (!bits)
            return std::nullopt;
        // Hexadecimal is a bit pattern: negating it wraps like the 32-bit register would.
        return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
    }
    const auto magnitude = ParseDigits(text, 10);
    if (!magnitude)
        return std::nullopt;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(*magnitude) : *magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const auto found = Find(text, SplitLines(text), section, key);
    if (!found.keyLine)
        return std::nullopt;
    auto value = found.value;
    if (IsQuoted(value))
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxProfileValueLength));
}

std::optional<std::string> SetProfileValue(std::string_view original, std::string_view section,
                                           std::string_view key, std::string_view value) {
    // A line break would also split the entry and corrupt the lines after it.
    if (!CanBeWritten(section, key, value))
        return std::nullopt;

    std::string text(original);
    const auto lines = SplitLines(text);
    const auto found = Find(text, lines, section, key);
    const auto lineBreak = LineBreakOf(text);
    const auto encoded = EncodeValue(value);

    if (found.keyLine) {
        const auto& line = lines[*found.keyLine];
        text.replace(line.begin, line.end - line.begin, std::string(found.keyName) + "=" + encoded);
    } else if (found.lastLineOfSection) {
        const auto& line = lines[*found.lastLineOfSection];
        const std::string_view completion =
            line.next == text.size() ? LineEndMissingAtEnd(text, lineBreak) : "";
        text.insert(line.next,
                    std::string(completion) + std::string(key) + "=" + encoded + lineBreak);
    } else {
        text += LineEndMissingAtEnd(text, lineBreak);
        text.append("[").append(section).append("]").append(lineBreak);
        text.append(key).append("=").append(encoded).append(lineBreak);
    }
    return text;
}

} // namespace nudgery
