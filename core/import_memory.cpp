#include "import_memory.h"

#include "calendar_text.h"

namespace nudgery {
namespace {

// The first line tells what the file is to someone who opens it; having blanks, it is no key.
constexpr std::string_view Heading = "Calendar entries imported into Nudgery! by UID and time";

} // namespace

ImportMemory ImportMemory::FromText(std::string_view text) {
    ImportMemory memory;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (auto key = FromExactTextForm(line))
            memory.Add(std::move(*key));
    }
    return memory;
}

std::string ImportMemory::Text() const {
    std::string text(Heading);
    text += '\n';
    for (const std::string& key : keys_) {
        text += ExactTextForm(key);
        text += '\n';
    }
    return text;
}

} // namespace nudgery
