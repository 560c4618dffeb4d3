#include "calendar_parse.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace nudgery::ical {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// How much of a line an error message quotes.
constexpr std::size_t QuotedLength = 60;

// Hands the text to libical one physical line (or the part of one that fits) at a time,
// counting the lines begun. A lone carriage return ends a line too.
class LineSource {
public:
    explicit LineSource(std::string_view text) : rest_(text) {}

    static char* Next(char* out, std::size_t size, void* source) {
        return static_cast<LineSource*>(source)->Next(out, size);
    }
    int LinesBegun() const { return linesBegun_; }

private:
    char* Next(char* out, std::size_t size) {
        if (rest_.empty() || size < 2)
            return nullptr;
        std::size_t end = rest_.find_first_of("\r\n");
        bool loneReturn = false;
        if (end == std::string_view::npos) {
            end = rest_.size();
        } else if (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') {
            end += 2;
        } else {
            loneReturn = rest_[end] == '\r';
            end += 1;
        }
        const std::size_t length = std::min(end, size - 1);
        std::memcpy(out, rest_.data(), length);
        if (loneReturn && length == end)
            out[length - 1] = '\n';
        out[length] = '\0';
        if (atLineStart_)
            ++linesBegun_;
        atLineStart_ = length == end;
        rest_.remove_prefix(length);
        return out;
    }

    std::string_view rest_;
    int linesBegun_ = 0;
    bool atLineStart_ = true;
};

std::string Quoted(std::string_view line) {
    std::string quoted(line.substr(0, QuotedLength));
    if (line.size() > QuotedLength)
        quoted += "...";
    return "\"" + quoted + "\"";
}

std::string LineText(int line) {
    return "line " + std::to_string(line);
}

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Whether a content line libical could not take is one the standard allows: a property
// whose value is empty, or whose name libical does not know.
bool AllowedByStandard(std::string_view line) {
    const std::size_t nameEnd = line.find_first_of(";:");
    if (nameEnd == 0 || nameEnd == std::string_view::npos)
        return false;
    const std::string name(line.substr(0, nameEnd));
    if (!std::all_of(name.begin(), name.end(), IsNameCharacter) ||
        strcasecmp(name.c_str(), "BEGIN") == 0 || strcasecmp(name.c_str(), "END") == 0)
        return false;
    // The value begins after the first colon outside a quoted parameter value.
    bool quoted = false;
    std::size_t colon = std::string_view::npos;
    for (std::size_t i = nameEnd; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string_view::npos)
        return false;
    const std::string_view value = line.substr(colon + 1);
    if (value.find_first_not_of(" \t") == std::string_view::npos)
        return true;
    return icalproperty_string_to_kind(name.c_str()) == ICAL_NO_PROPERTY;
}

std::string StoppedAt(int line, std::string_view content) {
    return "Reading stopped at " + LineText(line) +
           ", which is not as a calendar file has it: " + Quoted(content) + ".";
}

// Whether a content line is END:VCALENDAR, in any case and with blanks around the name.
bool EndsCalendar(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string name(line.substr(0, colon));
    std::string_view value = line.substr(colon + 1);
    value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
    value = value.substr(0, value.find_last_not_of(" \t") + 1);
    return strcasecmp(name.c_str(), "END") == 0 &&
           strcasecmp(std::string(value).c_str(), "VCALENDAR") == 0;
}

std::string NotACalendar(int line, std::string_view content) {
    return "This is not a calendar file: " + LineText(line) + " reads " + Quoted(content) +
           " where BEGIN:VCALENDAR should begin it.";
}

} // namespace

ParsedCalendars ParseCalendars(std::string_view text) {
    ParsedCalendars parsed;
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + zero, '\n');
        parsed.error = "This is not a calendar file: " + LineText(static_cast<int>(line)) +
                       " holds a zero byte.";
        return parsed;
    }
    icalerror_set_errors_are_fatal(0);
    LineSource source(text);
    const ParserPtr parser(icalparser_new());
    icalparser_set_gen_data(parser.get(), &source);

    int pendingLine = 0;  // where the content line libical holds unread begins
    int calendarLine = 0; // where the calendar being read began; 0 between calendars
    int lastLine = 0;
    while (true) {
        const BufferPtr line(icalparser_get_line(parser.get(), &LineSource::Next));
        const int lineNumber = pendingLine;
        pendingLine = source.LinesBegun();
        if (!line)
            break;
        const std::string_view content(line.get());
        if (content.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        lastLine = lineNumber;
        ComponentPtr component(icalparser_add_line(parser.get(), line.get()));
        const icalparser_state state = icalparser_get_state(parser.get());
        if (state == ICALPARSER_ERROR) {
            if (calendarLine == 0) {
                parsed.error = NotACalendar(lineNumber, content);
                return parsed;
            }
            if (AllowedByStandard(content))
                continue;
            parsed.error = StoppedAt(lineNumber, content);
            return parsed;
        }
        if (calendarLine == 0)
            calendarLine = lineNumber;
        if (!component)
            continue;
        if (icalcomponent_isa(component.get()) != ICAL_VCALENDAR_COMPONENT) {
            parsed.error = "This is not a calendar file: what begins at " + LineText(calendarLine) +
                           " is no VCALENDAR.";
            return parsed;
        }
        // libical ends a component at any END line; the calendar's own must name it.
        if (!EndsCalendar(content)) {
            parsed.error = StoppedAt(lineNumber, content);
            return parsed;
        }
        parsed.calendars.push_back(std::move(component));
        calendarLine = 0;
    }
    if (calendarLine != 0) {
        parsed.error = "The file ends at " + LineText(lastLine) +
                       " before the calendar that begins at " + LineText(calendarLine) +
                       " is closed: it is cut short or damaged.";
    } else if (parsed.calendars.empty()) {
        parsed.error = "This is not a calendar file: it holds no calendar.";
    }
    return parsed;
}

} // namespace nudgery::ical
