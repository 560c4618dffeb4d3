// The desktop notification beside the notification window: sent for the reminders that
// show the window, with the due time in the user's format; taken away once the window is
// answered; its actions answer the window, but only while it is the one shown.
#include "alerts/DesktopNoticeObserver.h"
#include "alerts/Notifier.h"
#include "alerts/Settings.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "support/fake_desktop_notifications.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery {
namespace {

using Notice = DesktopNotifications::Notice;

// A window that is always on the screen and records what it is told from outside.
class RecordingNotifier final : public Notifier {
public:
    void PlaySound(const std::string&) override {}
    NotificationAnswer Show(const TReminder&, const NotificationOptions&) override {
        return {Ok, AnswerWay::Given};
    }
    bool Showing() const override { return true; }
    void CloseUnanswered() override {}
    void AnswerShown(int answer) override { answers.push_back(answer); }
    void BringShownForward() override { ++broughtForward; }

    std::vector<int> answers;
    int broughtForward = 0;
};

class DesktopNoticeObserverTest : public ::testing::Test {
protected:
    DesktopNoticeObserverTest() { formats.SaveUserDateFormats(RegionalSettings{}); }

    // A one-time reminder due today at 9:05 that shows `eventType`'s way.
    static std::unique_ptr<TReminder> Due(const std::string& text,
                                          std::uint8_t eventType = EventShowAndPlay) {
        return TReminder::CreateNormal(KindOneTime, EncodeDate(2024, 3, 15) + EncodeTime(9, 5),
                                       text, "", eventType);
    }
    // The reminder falls due and its notification is shown: the desktop notification sent
    // for it, if any.
    std::optional<Notice> FallDue(const TReminder& reminder) {
        const size_t before = notices.shown.size();
        observer.FellDue(reminder, ListKind::OneTime, reminder.When);
        if (notices.shown.size() == before)
            return std::nullopt;
        return notices.shown.back().notice;
    }

    testing::FakeDesktopNotifications notices;
    RecordingNotifier window;
    Settings settings;
    DateFormats formats;
    DesktopNoticeObserver observer{notices, window, settings, formats};
};

TEST_F(DesktopNoticeObserverTest, OnlyRemindersThatShowTheWindowAreSentAndOnlyWhenTurnedOn) {
    const struct {
        std::uint8_t eventType;
        bool turnedOn;
        bool sent;
    } cases[] = {
        {EventShowAndPlay, true, true},   {EventShowOnly, true, true},
        {EventPlayOnly, true, false},     {EventDoNothing, true, false},
        {EventShowAndPlay, false, false}, {EventShowOnly, false, false},
    };
    for (const auto& c : cases) {
        settings.DesktopNotifications = c.turnedOn;
        const auto reminder = Due("Feed the cat", c.eventType);
        const std::optional<Notice> sent = FallDue(*reminder);
        EXPECT_EQ(sent.has_value(), c.sent) << int(c.eventType) << " " << c.turnedOn;
        observer.Answered(*reminder, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    }
}

TEST_F(DesktopNoticeObserverTest, TheMessageGoesAsWrittenWithTheDueTimeInTheUsersFormat) {
    const struct {
        const char* shortTimeFormat;
        const char* timeSeparator;
        const char* expected;
    } formatsOfUsers[] = {
        {"h:nn ampm", ":", "9:05 AM"},
        {"hh.nn", ".", "09.05"},
        {"HH:nn:ss", ":", "09:05:00"},
    };
    for (const auto& user : formatsOfUsers) {
        RegionalSettings regional;
        regional.shortTimeFormat = user.shortTimeFormat;
        regional.timeSeparator = user.timeSeparator;
        formats.SaveUserDateFormats(regional);
        const auto reminder = Due("Pay <b>Tom</b> & Jerry\nat the bank");
        ASSERT_TRUE(FallDue(*reminder));
        EXPECT_EQ(notices.shown.back().message, "Pay <b>Tom</b> & Jerry\nat the bank");
        EXPECT_EQ(notices.shown.back().dueTime, user.expected) << user.shortTimeFormat;
        // The program's own formats are back in force for the rest of it.
        EXPECT_FALSE(formats.UserFormatsInForce());
        observer.Answered(*reminder, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    }
}

TEST_F(DesktopNoticeObserverTest, AnyAnswerOfTheWindowTakesTheDesktopNotificationAway) {
    // Ok, Delete, a snooze, a time-out's answer, and closed unanswered as the program ends.
    for (const int answer : {Notifier::Ok, Notifier::Delete, -30, -5, 3}) {
        const auto reminder = Due("Call Anna");
        const std::optional<Notice> sent = FallDue(*reminder);
        ASSERT_TRUE(sent);
        observer.Answered(*reminder, ListKind::OneTime, {answer, AnswerWay::Given});
        EXPECT_EQ(notices.closed, std::vector<Notice>{*sent}) << answer;
        // Told again, as a second reminder that shows no window would be: nothing more.
        observer.Answered(*reminder, ListKind::OneTime, {answer, AnswerWay::Given});
        EXPECT_EQ(notices.closed.size(), 1u) << answer;
        notices.closed.clear();
    }
}

TEST_F(DesktopNoticeObserverTest, TheDesktopsActionsAnswerTheWindowShown) {
    const struct {
        NoticeAnswer chosen;
        std::vector<int> answers;
        int broughtForward;
    } cases[] = {
        {NoticeAnswer::Ok, {Notifier::Ok}, 0},
        {NoticeAnswer::Snooze5Minutes, {-5}, 0},
        {NoticeAnswer::ShowWindow, {}, 1},
    };
    for (const auto& c : cases) {
        window = {};
        const auto reminder = Due("Water the plants");
        const std::optional<Notice> sent = FallDue(*reminder);
        ASSERT_TRUE(sent);
        notices.UserAnswers(*sent, c.chosen);
        EXPECT_EQ(window.answers, c.answers);
        EXPECT_EQ(window.broughtForward, c.broughtForward);
        observer.Answered(*reminder, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    }
}

TEST_F(DesktopNoticeObserverTest, AnAnswerForAnyNotificationButTheOneShownCountsForNothing) {
    const auto first = Due("First");
    const std::optional<Notice> firstSent = FallDue(*first);
    ASSERT_TRUE(firstSent);
    observer.Answered(*first, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    const auto second = Due("Second");
    const std::optional<Notice> secondSent = FallDue(*second);
    ASSERT_TRUE(secondSent);

    // The first one's action, chosen while its window was being answered, comes late.
    notices.UserAnswers(*firstSent, NoticeAnswer::Snooze5Minutes);
    notices.UserAnswers(*secondSent + 100, NoticeAnswer::Ok);
    EXPECT_TRUE(window.answers.empty());

    // Closed on the desktop without an action: nothing answered, and nothing left to close.
    notices.UserCloses(*secondSent);
    notices.UserAnswers(*secondSent, NoticeAnswer::Ok);
    EXPECT_TRUE(window.answers.empty());
    notices.closed.clear();
    observer.Answered(*second, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    EXPECT_TRUE(notices.closed.empty());
}

} // namespace
} // namespace nudgery
