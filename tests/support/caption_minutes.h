#pragma once
// Reads the signed number of minutes that a caption names in words ("+2 Hours" is 120,
// "-1 Week" -10080, "5 minutes" 5): an oracle for the minutes a control stands for that
// does not repeat the control's own table.

#include <cctype>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

namespace nudgery::testing {

inline std::optional<int> SignedMinutesIn(const std::string& caption) {
    std::istringstream words(caption);
    int number = 0;
    std::string unit;
    if (!(words >> number >> unit))
        return std::nullopt;
    for (char& c : unit)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (unit.ends_with('s'))
        unit.pop_back();
    const std::pair<const char*, int> units[] = {
        {"minute", 1}, {"hour", 60}, {"day", 24 * 60}, {"week", 7 * 24 * 60}};
    for (const auto& [name, minutes] : units)
        if (unit == name)
            return number * minutes;
    return std::nullopt;
}

} // namespace nudgery::testing
