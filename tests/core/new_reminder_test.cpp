// A new reminder from a command's texts: the time or rule as the readers read it, the
// message as given, and the action and sound file given or else the defaults; a sound file
// that is not there and an action without a name are refused, and a bad time or rule is
// refused with the reader's own message.
#include "core/clock.h"
#include "core/dayspec.h"
#include "core/new_reminder.h"
#include "core/rule_text.h"
#include "core/when_text.h"
#include "regional_samples.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace nudgery {
namespace {

// Wednesday 10 March 2027, 14:20.
const SettableClock Clock(EncodeDate(2027, 3, 10) + EncodeTime(14, 20));
const UtcOffsetAt NoSummerTime = [](std::int64_t) { return 0L; };

class NewReminderTest : public ::testing::Test {
protected:
    NewReminderContext Context(ReminderDefaults defaults = {}) {
        return {Clock, user, NoSummerTime, std::move(defaults),
                [this](const std::string& path) { return files.contains(path); }};
    }

    RegionalSettings user = test::TwelveHourSettings();
    std::set<std::string> files{"/home/me/bell.wav", "/usr/share/sounds/ding.wav"};
};

TEST_F(NewReminderTest, AOneTimeReminderIsDueWhenItsTimeReadsAndKeepsItsMessage) {
    for (const char* when : {"15:00", "tomorrow 9:00", "fri 17:00", "in 20m", "2027-12-24 18:00"}) {
        SCOPED_TRACE(when);
        const ReadResult<TReminder> made =
            NewReminder(ListKind::OneTime, {when, "Call \"Mum\"\nabout Sunday", "", ""}, Context());
        ASSERT_TRUE(made.Ok()) << made.Error();
        const TReminder& reminder = made.Value();
        EXPECT_EQ(reminder.Kind, KindOneTime);
        EXPECT_EQ(reminder.When, ReadWhen(when, Clock, user, NoSummerTime).Value());
        EXPECT_EQ(std::string(reminder.Description), "Call \"Mum\"\nabout Sunday");
        EXPECT_EQ(reminder.RepeatMinutes, 0);
        EXPECT_TRUE(std::string(reminder.DaySpec).empty());
    }
}

TEST_F(NewReminderTest, ARepeatingReminderTakesEveryFieldOfItsRule) {
    for (const char* rule :
         {"weekdays 8:30", "every 30m 9:00-17:00 mon,wed,fri", "2nd tue 19:00", "last fri 4:00pm",
          "day 15 9:00", "yearly 03-14 9:00", "every 2h 8:00 daily"}) {
        SCOPED_TRACE(rule);
        const ReadResult<TReminder> made =
            NewReminder(ListKind::Repeating, {rule, "Stretch", "", ""}, Context());
        ASSERT_TRUE(made.Ok()) << made.Error();
        EXPECT_EQ(made.Value().Kind, KindRepeating);
        // The reminder's rule is the one read.
        EXPECT_EQ(RepeatRuleOf(made.Value()), ReadRule(rule, user).Value());
        EXPECT_EQ(made.Value().When, 0) << "scheduled only as it is added";
    }
}

TEST_F(NewReminderTest, TheActionAndSoundGivenOrElseTheDefaults) {
    const ReminderDefaults defaults{EventShowOnly, "/usr/share/sounds/ding.wav"};
    const struct {
        const char* sound;
        const char* action;
        ReminderDefaults defaults;
        std::string expectedSound;
        std::uint8_t expectedType;
    } cases[] = {
        {"", "", defaults, "/usr/share/sounds/ding.wav", EventShowOnly},
        {"/home/me/bell.wav", "", defaults, "/home/me/bell.wav", EventShowOnly},
        {"", "play", defaults, "/usr/share/sounds/ding.wav", EventPlayOnly},
        {"/home/me/bell.wav", "nothing", defaults, "/home/me/bell.wav", EventDoNothing},
        {"", "SHOW-AND-PLAY", {}, "", EventShowAndPlay},
        // A default sound file that has gone is left out, as the editors leave it out.
        {"", "", {EventPlayOnly, "/gone.wav"}, "", EventPlayOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sound) + " / " + c.action);
        for (const ListKind list : {ListKind::OneTime, ListKind::Repeating}) {
            const ReadResult<TReminder> made = NewReminder(
                list, {list == ListKind::OneTime ? "15:00" : "daily 7:00", "m", c.sound, c.action},
                Context(c.defaults));
            ASSERT_TRUE(made.Ok()) << made.Error();
            EXPECT_EQ(std::string(made.Value().SoundFile), c.expectedSound);
            EXPECT_EQ(made.Value().EventType, c.expectedType);
        }
    }
}

TEST_F(NewReminderTest, WhatCannotBeReadIsRefusedNamingThePart) {
    const struct {
        ListKind list;
        NewReminderTexts texts;
        const char* named;
    } cases[] = {
        {ListKind::OneTime, {"25:70", "m", "", ""}, "'25:70'"},
        {ListKind::OneTime, {"", "m", "", ""}, "empty"},
        {ListKind::OneTime, {"2027-02-30 9:00", "m", "", ""}, "does not exist"},
        {ListKind::Repeating, {"every 5m 9:00 daily", "m", "", ""}, "5m"},
        {ListKind::Repeating, {"fortnightly 9:00", "m", "", ""}, "fortnightly"},
        {ListKind::OneTime, {"15:00", "m", "/home/me/gone.wav", ""}, "'/home/me/gone.wav'"},
        {ListKind::Repeating, {"daily 9:00", "m", "", "beep"}, "'beep'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts.when + " " + c.texts.sound + " " + c.texts.action);
        const ReadResult<TReminder> made = NewReminder(c.list, c.texts, Context());
        ASSERT_FALSE(made.Ok());
        EXPECT_NE(made.Error().find(c.named), std::string::npos) << made.Error();
    }
    // The readers' own messages, word for word.
    EXPECT_EQ(NewReminder(ListKind::OneTime, {"25:70", "m", "", ""}, Context()).Error(),
              ReadWhen("25:70", Clock, user, NoSummerTime).Error());
    EXPECT_EQ(NewReminder(ListKind::Repeating, {"daily", "m", "", ""}, Context()).Error(),
              ReadRule("daily", user).Error());
}

} // namespace
} // namespace nudgery
