#pragma once
// Reminders with every field random, texts of any bytes included: what a data file read from
// anywhere may hold.

#include "core/reminder.h"

#include <random>
#include <string>

namespace nudgery {

inline std::string RandomText(std::mt19937& random, std::size_t maxLength) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), '\0');
    for (char& c : text) {
        c = static_cast<char>(random());
    }
    return text;
}

// One in five has a `When` on `today`; the others any day from 1899 to 2064.
inline TReminder RandomReminder(std::mt19937& random, std::uint8_t kind, TDateTime today) {
    std::uniform_real_distribution<double> day(0, 60000);
    std::uniform_real_distribution<double> fraction(0, 1);
    TReminder reminder;
    reminder.Kind = kind;
    reminder.EventType = static_cast<std::uint8_t>(random() % 4);
    reminder.When = random() % 5 == 0 ? today + fraction(random) : day(random);
    reminder.FirstTime = fraction(random);
    reminder.HasUntil = random() % 2 == 0;
    reminder.UntilTime = fraction(random);
    reminder.Description = RandomText(random, random() % 10 == 0 ? 700 : 100);
    reminder.SoundFile = RandomText(random, 40);
    reminder.DaySpec = random() % 3 == 0 ? "0123456" : RandomText(random, 8);
    reminder.RepeatMinutes =
        static_cast<std::int32_t>(random() % 3 == 0 ? random() : random() % 300);
    reminder.Status = static_cast<std::uint8_t>(random() % 4);
    reminder.ReservedFlag = random() % 7 == 0;
    return reminder;
}

} // namespace nudgery
