// Reads arbitrary bytes as a settings file and writes one key into it. The input is the
// section, the key and the value, each ended by a backslash and one more character (a
// doubled backslash stands for itself), then the file's text. A key that is written reads
// back unchanged, every other key reads as before, and every other line is kept.

#include "core/profile_text.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace nudgery;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        lines.push_back(text.substr(0, newline));
        text.remove_prefix(newline == text.npos ? text.size() : newline + 1);
    }
    return lines;
}

// The section and key names the text holds, by a plain reading of its lines; enough to
// ask for each of them, since a name that reads as nothing is simply not found.
std::vector<std::pair<std::string, std::string>> NamedKeys(std::string_view text) {
    constexpr std::size_t MostAsked = 64;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    for (const std::string_view line : Lines(text)) {
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.starts_with('[')) {
            section = Trimmed(trimmed.substr(1, trimmed.find(']') - 1));
        } else if (const auto equals = trimmed.find('='); equals != trimmed.npos) {
            keys.emplace_back(section, Trimmed(trimmed.substr(0, equals)));
            if (keys.size() == MostAsked)
                break;
        }
    }
    return keys;
}

// The new text is the old one with at most one line changed and a few lines added at one
// place: a key changed in place, a key added to its section, or a section added at the end.
void RequireOtherLinesKept(std::string_view before, std::string_view after) {
    const auto oldLines = Lines(before);
    const auto newLines = Lines(after);
    std::size_t prefix = 0;
    while (prefix < oldLines.size() && prefix < newLines.size() &&
           oldLines[prefix] == newLines[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix &&
           oldLines[oldLines.size() - 1 - suffix] == newLines[newLines.size() - 1 - suffix])
        ++suffix;
    Require(oldLines.size() - prefix - suffix <= 1);
    Require(newLines.size() - prefix - suffix <= 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(MaxProfileValueLength + 100);
    const std::string text = input.ConsumeRemainingBytesAsString();

    ParseProfileInteger(value);
    const auto written = SetProfileValue(text, section, key, value);
    if (!written)
        return 0;

    Require(FindProfileValue(*written, section, key) == value.substr(0, MaxProfileValueLength));
    for (const auto& [otherSection, otherKey] : NamedKeys(text)) {
        if (Lower(otherSection) == Lower(section) && Lower(otherKey) == Lower(key))
            continue;
        Require(FindProfileValue(*written, otherSection, otherKey) ==
                FindProfileValue(text, otherSection, otherKey));
    }
    RequireOtherLinesKept(text, *written);
    return 0;
}
