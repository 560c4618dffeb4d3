// The check cycle without a window, over lists in vectors, a store that counts its saves and
// keeps what each wrote, and a notifier that answers as the test says: one save per answer,
// whatever the answers and their order, a snooze beside another due reminder, the date
// changing while a notification waits, and an end asked from outside.
#include "alerts/CheckCycle.h"
#include "alerts/CycleObserver.h"
#include "alerts/DesktopNoticeObserver.h"
#include "alerts/ListsStore.h"
#include "alerts/Notifier.h"
#include "alerts/Settings.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/reminder_list.h"
#include "support/fake_desktop_notifications.h"
#include "vector_lists.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace nudgery {
namespace {

using test::CountingStore;
using test::VectorList;

constexpr double kOneSecond = 1.0 / 86400;

TDateTime On15th(int hour, int minute, int second = 0) {
    return EncodeDate(2024, 3, 15) + EncodeTime(hour, minute, second);
}

TDateTime On16th(int hour, int minute, int second = 0) {
    return EncodeDate(2024, 3, 16) + EncodeTime(hour, minute, second);
}

// The answer a notification gives, or a notification closed unanswered (no value).
using Answer = std::optional<int>;
constexpr Answer kUnanswered;

// Answers each notification with the next answer in line, after running the test's look at
// the moment it is shown.
class ScriptedNotifier final : public Notifier {
public:
    struct Shown {
        std::string message;
        NotificationOptions options;
    };

    void PlaySound(const std::string&) override {}
    NotificationAnswer Show(const TReminder& reminder,
                            const NotificationOptions& options) override {
        shown.push_back({reminder.Description, options});
        showing_ = true;
        closedUnanswered_ = false;
        if (!whileShown.empty()) {
            whileShown.front()();
            whileShown.pop_front();
        }
        Answer answer = answers.empty() ? Answer(Ok) : answers.front();
        if (!answers.empty())
            answers.pop_front();
        showing_ = false;
        if (closedUnanswered_ || !answer)
            return {3, AnswerWay::Unanswered};
        // An answer given from outside while it was shown is the one it ends with.
        return {std::exchange(answeredFromOutside_, std::nullopt).value_or(*answer),
                AnswerWay::Given};
    }
    bool Showing() const override { return showing_; }
    // The window goes at once; the answer reaches the cycle when Show returns.
    void CloseUnanswered() override {
        closedUnanswered_ = true;
        showing_ = false;
    }
    void AnswerShown(int answer) override {
        if (showing_)
            answeredFromOutside_ = answer;
    }
    void BringShownForward() override { broughtForward += showing_; }

    std::deque<Answer> answers;
    std::deque<std::function<void()>> whileShown;
    std::vector<Shown> shown;
    int broughtForward = 0;

private:
    bool showing_ = false;
    bool closedUnanswered_ = false;
    std::optional<int> answeredFromOutside_;
};

class CheckCycleTest : public ::testing::Test {
protected:
    // Loaded on the 15th, as the window loads at its start.
    CheckCycleTest() : clock(On15th(10, 0)) {
        settings.TimeoutSeconds = 600;
        settings.TimeoutAction = -30;
        cycle.Load();
    }
    // One check, on the fifth tick.
    CheckCycle::TickResult Check() {
        for (int tick = 1; tick < CheckCycle::TicksPerCheck; ++tick)
            cycle.Tick(clock.Now());
        return cycle.Tick(clock.Now());
    }
    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (const auto& s : notifier.shown)
            texts.push_back(s.message);
        return texts;
    }

    SettableClock clock;
    Settings settings;
    VectorList oneTime, repeating;
    CountingStore store{oneTime, repeating, clock};
    ScriptedNotifier notifier;
    CheckCycle cycle{oneTime, repeating, clock, settings, notifier, store};
};

// What the answer does to the reminder that was shown, seen in what was saved: no value
// when it is left out of the file.
struct Outcome {
    const char* name;
    Answer answer;
    bool oneTimeOnly;
    // Whether the answer changes the reminder, and so is saved.
    bool saved;
    std::optional<std::uint8_t> status;
    TDateTime when;
};

// At 10:00 on the 15th; a snooze counts from then.
const Outcome kOutcomes[] = {
    {"Ok", Notifier::Ok, false, true, StatusDone, On15th(9, 59)},
    {"Delete", Notifier::Delete, true, true, std::nullopt, 0},
    {"5 minutes", -5, false, true, StatusPending, On15th(10, 5)},
    {"1 week", -10080, false, true, StatusNotToday, On15th(10, 0) + 7},
    {"unanswered", kUnanswered, false, false, StatusPending, On15th(9, 59)},
    {"an answer that is none", 7, false, false, StatusPending, On15th(9, 59)},
};

void ExpectWritten(const std::vector<TReminder>& list, const std::string& text,
                   const Outcome& outcome) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const TReminder& r) {
        return std::string(r.Description) == text;
    });
    if (!outcome.status) {
        EXPECT_EQ(found, list.end()) << text;
        return;
    }
    ASSERT_NE(found, list.end()) << text;
    EXPECT_EQ(found->Status, *outcome.status) << text;
    EXPECT_NEAR(found->When, outcome.when, kOneSecond) << text;
}

TEST_F(CheckCycleTest, EachAnswerIsSavedOnceBeforeTheNextNotificationShows) {
    for (const Outcome& first : kOutcomes)
        for (const Outcome& second : kOutcomes) {
            SCOPED_TRACE(std::string(first.name) + ", then " + second.name);
            oneTime.Clear();
            store.saves.clear();
            notifier.shown.clear();
            // Both in one list, due at the same minute.
            oneTime.Add("first", On15th(9, 59));
            oneTime.Add("second", On15th(9, 59));
            notifier.answers = {first.answer, second.answer};
            std::size_t savesAtSecond = 0;
            notifier.whileShown = {[] {},
                                   [&] {
                                       savesAtSecond = store.saves.size();
                                       if (!store.saves.empty())
                                           ExpectWritten(store.saves.back().oneTime, "first",
                                                         first);
                                   }};
            // A snooze moves the first past the second, which then waits for the next pass.
            for (int pass = 0; pass < 2 && notifier.shown.size() < 2; ++pass)
                cycle.CheckBothLists(clock.Now());

            ASSERT_EQ(ShownTexts(), (std::vector<std::string>{"first", "second"}));
            EXPECT_EQ(savesAtSecond, first.saved ? 1u : 0u);
            ASSERT_EQ(store.saves.size(), std::size_t(first.saved) + second.saved);
            if (!store.saves.empty()) {
                ExpectWritten(store.saves.back().oneTime, "first", first);
                ExpectWritten(store.saves.back().oneTime, "second", second);
            }
            // Each notification carried the settings' time-out and offered Delete.
            for (const auto& s : notifier.shown) {
                EXPECT_TRUE(s.options.allowDelete);
                EXPECT_EQ(s.options.timeoutSeconds, 600);
                EXPECT_EQ(s.options.timeoutAction, -30);
            }
        }
}

TEST_F(CheckCycleTest, ARepeatingListSavesEachAnswerAndOffersNoDelete) {
    for (const Outcome& first : kOutcomes) {
        if (first.oneTimeOnly)
            continue;
        SCOPED_TRACE(first.name);
        repeating.Clear();
        store.saves.clear();
        notifier.shown.clear();
        for (const char* text : {"first", "second"}) {
            auto reminder =
                TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true, EncodeTime(20, 0),
                                           "0123456", 59, text, "", 0);
            reminder->When = On15th(9, 59);
            repeating.Put(std::move(reminder));
        }
        notifier.answers = {first.answer, Notifier::Ok};
        std::size_t savesAtSecond = 0;
        notifier.whileShown = {[] {}, [&] { savesAtSecond = store.saves.size(); }};
        cycle.CheckBothLists(clock.Now());
        ASSERT_EQ(notifier.shown.size(), 2u);
        EXPECT_FALSE(notifier.shown[0].options.allowDelete);
        EXPECT_EQ(savesAtSecond, first.saved ? 1u : 0u);
        EXPECT_EQ(store.saves.size(), first.saved ? 2u : 1u);
    }
}

TEST_F(CheckCycleTest, ASnoozeMovesItsReminderAndLeavesTheOtherItsTurn) {
    oneTime.Add("snoozed", On15th(9, 58));
    oneTime.Add("other", On15th(9, 59));
    oneTime.Add("later", On15th(10, 20));
    notifier.answers = {-10, Notifier::Ok};
    Check();
    // The snooze took its reminder past the other, which the pass then stepped over.
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"snoozed"});
    EXPECT_EQ(oneTime.Texts(), (std::vector<std::string>{"other", "snoozed", "later"}));
    ASSERT_EQ(store.saves.size(), 1u);
    clock.SetNow(On15th(10, 0, 5));
    Check();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"snoozed", "other"}));
    EXPECT_EQ(store.saves.size(), 2u);
    EXPECT_EQ(oneTime.Named("other").Status, StatusDone);
    EXPECT_NEAR(oneTime.Named("snoozed").When, On15th(10, 10), kOneSecond);
}

TEST_F(CheckCycleTest, ReminderAddedWhileANotificationWaitsLeavesTheAnswerToTheOneShown) {
    // Each answer that changes the reminder shown, with two reminders added before it while
    // its notification waits: one due later today, one earlier, before it in the list.
    for (const Outcome& outcome : kOutcomes) {
        if (!outcome.saved)
            continue;
        SCOPED_TRACE(outcome.name);
        oneTime.Clear();
        store.saves.clear();
        notifier.shown.clear();
        oneTime.Add("shown", On15th(9, 59));
        oneTime.Add("next", On15th(9, 59, 30));
        notifier.answers = {outcome.answer, Notifier::Ok};
        std::vector<TReminder> asAdded;
        notifier.whileShown = {[&] {
            for (const TDateTime when : {On15th(22, 0), On15th(9, 0)}) {
                auto added = TReminder::Create();
                added->Description = "added";
                added->When = when;
                const int index = oneTime.Add(std::move(added), ListKind::OneTime, clock);
                asAdded.push_back(*oneTime.At(index));
            }
        }};
        cycle.CheckBothLists(clock.Now());

        ASSERT_FALSE(store.saves.empty());
        ExpectWritten(store.saves.back().oneTime, "shown", outcome);
        EXPECT_EQ(ShownTexts().front(), "shown");
        // The reminders added meanwhile are as they were added: the one now before the
        // reminder shown did not take its answer.
        ASSERT_EQ(asAdded.size(), 2u);
        const std::vector<TReminder> kept = oneTime.Kept();
        for (const TReminder& added : asAdded)
            EXPECT_NE(std::find(kept.begin(), kept.end(), added), kept.end()) << added.When;
    }
}

class NewDayMidPass : public CheckCycleTest,
                      public ::testing::WithParamInterface<bool /* the save fails */> {};

TEST_P(NewDayMidPass, TheDayBeforeStopsFiringAndTheNextTickStartsTheNewDay) {
    const bool saveFails = GetParam();
    clock.SetNow(On15th(23, 59));
    oneTime.Add("answered after midnight", On15th(23, 59));
    oneTime.Add("left for yesterday", On15th(23, 59));
    oneTime.Add("tomorrow", On16th(0, 0));
    oneTime.At(2)->Status = StatusNotToday;
    // The first notification waits until past midnight.
    notifier.whileShown = {[this] { clock.SetNow(On16th(0, 0, 30)); }};
    Check();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"answered after midnight"});
    ASSERT_EQ(store.saves.size(), 1u);

    store.fails = saveFails;
    const CheckCycle::TickResult tick = cycle.Tick(clock.Now());
    EXPECT_TRUE(tick.newDay);
    EXPECT_EQ(cycle.LoadedDate(), EncodeDate(2024, 3, 16));
    EXPECT_EQ(store.reloads, saveFails ? 1 : 2);
    EXPECT_EQ(store.saves.size(), saveFails ? 1u : 2u);
    // Judged for the new day, from the file or in memory.
    EXPECT_EQ(oneTime.Named("answered after midnight").Status, StatusDone);
    EXPECT_EQ(oneTime.Named("left for yesterday").Status, StatusExpired);
    EXPECT_EQ(oneTime.Named("tomorrow").Status, StatusPending);
    // Told as missed here only when judged in memory: a load tells of its own.
    ASSERT_EQ(tick.missed.size(), saveFails ? 1u : 0u);
    if (saveFails) {
        EXPECT_EQ(std::string(tick.missed[0].Description), "left for yesterday");
    }
}

INSTANTIATE_TEST_SUITE_P(, NewDayMidPass, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SaveFails" : "Saved"; });

TEST_F(CheckCycleTest, AnEndAskedWhileANotificationIsOpenEndsThePassUnanswered) {
    oneTime.Add("first", On15th(10, 0));
    oneTime.Add("second", On15th(10, 0));
    EXPECT_TRUE(cycle.EndAsked());
    std::vector<bool> mayEnd;
    notifier.whileShown = {[&] {
        mayEnd.push_back(cycle.EndAsked());
        mayEnd.push_back(cycle.EndAsked());
    }};
    const CheckCycle::TickResult tick = Check();
    EXPECT_EQ(mayEnd, (std::vector<bool>{false, false}));
    EXPECT_TRUE(tick.end);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"first"});
    EXPECT_TRUE(store.saves.empty());
    EXPECT_EQ(oneTime.Named("first").Status, StatusPending);
    // Told once.
    EXPECT_FALSE(cycle.Tick(clock.Now()).end);
}

// Each firing is told twice: when it falls due, and with its answer while the reminder is
// still as it fell due; a reminder that only plays is answered 0, in list order.
TEST_F(CheckCycleTest, ObserversHearEachFiringAndItsAnswerBeforeTheAnswerActs) {
    struct Heard {
        std::string what, message;
        ListKind list;
        int answer;
        TDateTime when;
        bool operator==(const Heard&) const = default;
    };
    struct Recorder final : CycleObserver {
        void FellDue(const TReminder& r, ListKind list, TDateTime) override {
            heard.push_back({"due", r.Description, list, 0, r.When});
        }
        void Answered(const TReminder& r, ListKind list,
                      const NotificationAnswer& answer) override {
            heard.push_back({"answered", r.Description, list, answer.code, r.When});
        }
        std::vector<Heard> heard;
    } recorder;
    cycle.AddObserver(recorder);
    oneTime.Add("snoozed", On15th(9, 58));
    repeating.Add("played", On15th(9, 59));
    repeating.At(0)->EventType = EventPlayOnly;
    notifier.answers = {-5};
    cycle.CheckBothLists(clock.Now());
    const std::vector<Heard> expected{
        {"due", "snoozed", ListKind::OneTime, 0, On15th(9, 58)},
        {"answered", "snoozed", ListKind::OneTime, -5, On15th(9, 58)},
        {"due", "played", ListKind::Repeating, 0, On15th(9, 59)},
        {"answered", "played", ListKind::Repeating, 0, On15th(9, 59)},
    };
    EXPECT_TRUE(recorder.heard == expected);
}

// The desktop notification through the cycle: an action chosen there is the answer the
// cycle applies and saves, and the notification is taken away after it.
TEST_F(CheckCycleTest, ADesktopNotificationsActionIsTheAnswerAppliedAndSaved) {
    testing::FakeDesktopNotifications notices;
    DateFormats formats;
    DesktopNoticeObserver observer(notices, notifier, settings, formats);
    cycle.AddObserver(observer);
    const struct {
        NoticeAnswer chosen;
        std::uint8_t status;
        TDateTime when;
    } cases[] = {
        {NoticeAnswer::Ok, StatusDone, On15th(9, 59)},
        {NoticeAnswer::Snooze5Minutes, StatusPending, On15th(10, 5)},
    };
    for (const auto& c : cases) {
        oneTime.Clear();
        store.saves.clear();
        oneTime.Add("pay the rent", On15th(9, 59));
        // The window's own answer would be Delete; the desktop's comes first.
        notifier.answers = {Notifier::Delete};
        notifier.whileShown = {[&] {
            ASSERT_EQ(notices.Open().size(), 1u);
            notices.UserAnswers(notices.Open().front(), c.chosen);
        }};
        cycle.CheckBothLists(clock.Now());
        ASSERT_EQ(store.saves.size(), 1u);
        ASSERT_EQ(store.saves.back().oneTime.size(), 1u);
        EXPECT_EQ(store.saves.back().oneTime.front().Status, c.status);
        EXPECT_NEAR(store.saves.back().oneTime.front().When, c.when, kOneSecond);
        EXPECT_TRUE(notices.Open().empty()) << "left on the desktop after the answer";
    }
}

// A wall clock that ran ahead of the steady one between two ticks tells of a sleep, told with
// the time of the tick before; a tick that comes late, or a clock set back, tells of none.
TEST_F(CheckCycleTest, ASleepIsToldByTheWallClockRunningAheadOfTheSteadyOne) {
    constexpr double Hour = 3'600'000;
    struct Case {
        const char* name;
        double wallMilliseconds;
        std::uint32_t steadyMilliseconds;
        bool asleep;
    };
    const Case cases[] = {
        {"a second", 1000, 1000, false},
        {"a tick held up for two minutes", 2 * 60'000, 2 * 60'000, false},
        {"asleep for two hours", 2 * Hour, 1000, true},
        {"asleep for a minute and a half", 90'000, 1000, true},
        {"asleep for less than a minute", 50'000, 0, false},
        {"the clock set back an hour", -Hour, 1000, false},
        {"the clock set forward an hour", Hour, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cycle.Tick(clock.Now());
        const TDateTime before = clock.Now();
        clock.SetNow(before + c.wallMilliseconds / 86'400'000);
        clock.SetTickCount(clock.TickCount() + c.steadyMilliseconds);
        const CheckCycle::TickResult tick = cycle.Tick(clock.Now());
        EXPECT_EQ(tick.asleepSince, c.asleep ? std::optional(before) : std::nullopt);
    }
}

// The tick after a sleep tells the occurrences of repeating reminders that fell due meanwhile
// before its check fires the one each still has pending, late and once. After a sleep over
// midnight they are told from the lists of the new day.
TEST_F(CheckCycleTest, TheTickAfterASleepTellsWhatWasMissedAndFiresThePendingOneOnce) {
    clock.SetNow(On15th(10, 5));
    repeating.Put(TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true,
                                             EncodeTime(20, 0), "0123456", 15, "every quarter", "",
                                             EventShowAndPlay));
    repeating.At(0)->ScheduleTodayAfresh(clock);
    ASSERT_NEAR(repeating.At(0)->When, On15th(10, 15), kOneSecond);
    for (int tick = 1; tick < CheckCycle::TicksPerCheck; ++tick)
        EXPECT_FALSE(cycle.Tick(clock.Now()).asleepSince);

    clock.SetNow(On15th(12, 0, 30));
    const CheckCycle::TickResult woke = cycle.Tick(clock.Now());
    EXPECT_EQ(woke.asleepSince, On15th(10, 5));
    ASSERT_EQ(woke.missedRepeating.size(), 1u);
    EXPECT_NEAR(woke.missedRepeating[0].first, On15th(10, 30), kOneSecond);
    EXPECT_NEAR(woke.missedRepeating[0].last, On15th(12, 0), kOneSecond);
    EXPECT_EQ(woke.missedRepeating[0].more, 6);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"every quarter"});
    Check();
    EXPECT_EQ(notifier.shown.size(), 1u);

    clock.SetNow(On16th(9, 40));
    const CheckCycle::TickResult nextDay = cycle.Tick(clock.Now());
    EXPECT_TRUE(nextDay.newDay);
    EXPECT_EQ(nextDay.asleepSince, On15th(12, 0, 30));
    ASSERT_EQ(nextDay.missedRepeating.size(), 2u);
    EXPECT_NEAR(nextDay.missedRepeating[0].first, On15th(12, 15), kOneSecond);
    EXPECT_EQ(nextDay.missedRepeating[0].more, 31);
    EXPECT_NEAR(nextDay.missedRepeating[1].first, On16th(9, 0), kOneSecond);
    EXPECT_EQ(nextDay.missedRepeating[1].more, 2);
}

// What the history knows fired after the tick before a sleep (a notification waiting while
// the computer went to sleep) is not told as missed.
TEST_F(CheckCycleTest, AnOccurrenceTheHistoryKnowsFiredIsNotToldAsMissed) {
    repeating.Put(TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true,
                                             EncodeTime(20, 0), "0123456", 15, "every quarter", "",
                                             EventShowAndPlay));
    repeating.At(0)->ScheduleTodayAfresh(clock);
    // Its 11:00 fired: the history holds that time as the schedule made it.
    TReminder fired = *repeating.At(0);
    clock.SetNow(On15th(10, 59));
    fired.ScheduleTodayAfresh(clock);
    clock.SetNow(On15th(10, 0));
    std::vector<TDateTime> askedSince;
    cycle.SetLastFellDue([&](const TReminder&, TDateTime since) {
        askedSince.push_back(since);
        return std::optional(fired.When);
    });
    cycle.Tick(clock.Now());
    clock.SetNow(On15th(12, 0, 30));
    const CheckCycle::TickResult woke = cycle.Tick(clock.Now());
    EXPECT_EQ(askedSince, std::vector<TDateTime>{On15th(10, 0)});
    ASSERT_EQ(woke.missedRepeating.size(), 1u);
    EXPECT_NEAR(woke.missedRepeating[0].first, On15th(11, 15), kOneSecond);
    EXPECT_EQ(woke.missedRepeating[0].more, 3);
}

// A repeating reminder's notification carries the repeat of its sound when the user asked for
// it; a notification without sound, or one not asked to, never.
TEST_F(CheckCycleTest, OnlyANotificationWithItsSoundRepeatsIt) {
    struct Case {
        const char* name;
        bool on;
        std::uint8_t eventType;
        int expected;
    };
    const Case cases[] = {
        {"asked for, with sound", true, EventShowAndPlay, 45},
        {"asked for, without sound", true, EventShowOnly, 0},
        {"not asked for", false, EventShowAndPlay, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.RepeatSoundOn = c.on;
        settings.RepeatSoundSeconds = 45;
        notifier.shown.clear();
        oneTime.Clear();
        oneTime.Add("due", On15th(9, 59));
        oneTime.At(0)->EventType = c.eventType;
        cycle.CheckBothLists(clock.Now());
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(notifier.shown[0].options.repeatSoundSeconds, c.expected);
    }
}

} // namespace
} // namespace nudgery
