#include "sample_reminders.h"

#include "core/dayspec.h"

#include <ctime>
#include <string>

namespace nudgery {
namespace {

const char* const Phrases[] = {
    "Call the dentist about moving Thursday's appointment to next week",
    "Take the blue folder with the insurance papers to the office downstairs",
    "Water the plants on the balcony and check the tomatoes for aphids again",
    "Send the monthly report to the team with the figures from the spreadsheet",
    "Pick up the dry cleaning before the shop closes at half past six today",
};

const char* const Sounds[] = {
    "/home/user/Music/reminders/gentle-chime-morning.wav",
    "/home/user/Music/reminders/old-telephone-ring.wav",
    "/usr/share/sounds/nudgery/classic-alarm-clock.mid",
};

std::string Description(int i) {
    return std::string("#").append(std::to_string(i)).append(" ").append(Phrases[i % 5]);
}

std::string DaySpec(int i) {
    switch (i % 6) {
    case 0:
        return "12345";
    case 1:
        return "0123456";
    case 2:
        return "06";
    case 3:
        return EncodeDayOfMonth(1 + i % 28, 0);
    case 4:
        return EncodeNthWeekday(i % 6, i % 7, 0);
    default:
        return EncodeDayOfYear(1 + i % 365);
    }
}

// Longer than a measuring run: no one-time reminder falls due during it.
constexpr TDateTime QuietSpan = 6.0 / 24;

// A reminder whose time has passed is Done or Expired, as the running program leaves it: a
// file it has kept holds no reminder that fell due unseen. One that fell due between the
// file's making and a start would open the missed-reminders window at that start and every
// later one, so none falls due in the hours after the file is made.
std::unique_ptr<TReminder> OneTime(int i, TDateTime now) {
    TDateTime when = DatePartOf(now) + (i % 63 - 31) + EncodeTime(i % 24, (i * 7) % 60);
    if (when >= now && when < now + QuietSpan)
        when += QuietSpan;
    auto reminder = TReminder::CreateNormal(KindOneTime, when, Description(i), Sounds[i % 3],
                                            static_cast<std::uint8_t>(i % 3));
    if (when < now)
        reminder->Status = static_cast<std::uint8_t>(i % 2 ? StatusDone : StatusExpired);
    return reminder;
}

std::unique_ptr<TReminder> Repeating(int i) {
    static const std::int32_t Intervals[] = {0, 0, 0, 0, 0, 15, 30, 60, 90, 120};
    const std::int32_t interval = Intervals[i % 10];
    const bool hasUntil = interval != 0 && i % 3 != 0;
    return TReminder::CreateRepeating(
        KindRepeating, EncodeTime(6 + i % 14, (i * 5) % 60), hasUntil, EncodeTime(18 + i % 5, 30),
        DaySpec(i), interval, Description(i), Sounds[i % 3], static_cast<std::uint8_t>(i % 2));
}

std::unique_ptr<TReminder> EveryMinute(int i) {
    return TReminder::CreateRepeating(KindRepeating, EncodeTime(0, i % 60), false, 0, "0123456", 1,
                                      Description(i), Sounds[i % 3], EventShowOnly);
}

} // namespace

TDateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

SampleReminders MakeSampleReminders(int count, TDateTime now, bool everyMinute) {
    SampleReminders made;
    for (int i = 0; i < count; ++i) {
        const bool once = !everyMinute && i % 2 == 0;
        made.owned.push_back(once ? OneTime(i, now) : everyMinute ? EveryMinute(i) : Repeating(i));
        (once ? made.oneTime : made.repeating).push_back(made.owned.back().get());
    }
    return made;
}

} // namespace nudgery
