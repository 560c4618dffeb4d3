// The commands from outside on two lists kept without a window: adding with the defaults or
// what is given, bad input refused with nothing saved, a failed save taken back, the listing
// as text and as JSON (which --add reads back as the same reminders), and an import and an
// export through real files.
#include "alerts/ListCommands.h"
#include "alerts/Settings.h"
#include "core/clock.h"
#include "core/dayspec.h"
#include "core/reminder_lists.h"
#include "core/rule_text.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <stdexcept>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

// Friday 15 March 2024, 10:00.
const TDateTime Today = EncodeDate(2024, 3, 15);
const UtcOffsetAt Utc = [](std::int64_t) { return 0L; };

CommandRequest Adding(Kind kind, const QString& when, const QString& message,
                      const QString& sound = {}, const QString& action = {}) {
    CommandRequest request = CommandRequest::Of(kind);
    request.when = when;
    request.message = message;
    request.sound = sound;
    request.action = action;
    return request;
}

class ListCommandsTest : public ::testing::Test {
protected:
    ListCommandsTest() : clock(Today + EncodeTime(10, 0)) {
        formats.SaveUserDateFormats(user);
        formats.UseInternalDateFormats();
    }

    CommandReply Carry(const CommandRequest& request) {
        ListCommands commands(
            oneTime, repeating,
            {clock, formats, user, Utc, settings, folder.Path("Nudgery.dat"), [this] {
                 if (saveFails)
                     throw std::runtime_error("Cannot create file x");
                 ++saves;
             }});
        return commands.Carry(request);
    }
    std::vector<std::string> Messages(const std::vector<ReminderLists::Row>& rows) const {
        std::vector<std::string> messages;
        for (const auto& row : rows)
            messages.emplace_back(row.reminder->Description);
        return messages;
    }

    SettableClock clock;
    RegionalSettings user;
    DateFormats formats;
    Settings settings;
    TempFolder folder;
    ReminderLists lists;
    ReminderRows oneTime{lists.oneTime}, repeating{lists.repeating};
    bool saveFails = false;
    int saves = 0;
};

TEST_F(ListCommandsTest, AddingSavesAtOnceAndTellsWhenTheReminderIsDue) {
    const CommandReply later = Carry(Adding(Kind::AddOneTime, "16:00", "Tea"));
    const CommandReply sooner = Carry(Adding(Kind::AddOneTime, "in 20m", "Call"));
    const CommandReply daily = Carry(Adding(Kind::AddRepeating, "daily 18:00", "Walk"));
    for (const CommandReply& reply : {later, sooner, daily}) {
        EXPECT_EQ(reply.exitCode, CommandReply::Done) << reply.error.toStdString();
        EXPECT_TRUE(reply.error.isEmpty());
    }
    EXPECT_EQ(saves, 3);
    EXPECT_EQ(Messages(lists.oneTime), (std::vector<std::string>{"Call", "Tea"}));
    EXPECT_EQ(Messages(lists.repeating), std::vector<std::string>{"Walk"});
    EXPECT_EQ(lists.oneTime[0].reminder->When, Today + EncodeTime(10, 20));
    EXPECT_EQ(lists.repeating[0].reminder->Status, StatusPending) << "scheduled for today";
    // In the words the list shows.
    EXPECT_TRUE(later.output.contains("Tea")) << later.output.toStdString();
    EXPECT_TRUE(later.output.contains("Today at 4:00pm")) << later.output.toStdString();
    EXPECT_TRUE(daily.output.contains("daily 18:00")) << daily.output.toStdString();
    EXPECT_TRUE(daily.output.contains("Today at 6:00pm")) << daily.output.toStdString();
}

TEST_F(ListCommandsTest, NewRemindersTakeThePreferencesDefaultsUnlessGivenOthers) {
    const QString sound = folder.Write("bell.wav", "RIFF");
    const QString other = folder.Write("gong.wav", "RIFF");
    settings.DefaultEventType = EventShowOnly;
    settings.DefaultSoundFile = sound.toStdString();
    ASSERT_EQ(Carry(Adding(Kind::AddOneTime, "16:00", "defaults")).exitCode, 0);
    ASSERT_EQ(Carry(Adding(Kind::AddRepeating, "weekdays 9:00", "given", other, "play")).exitCode,
              0);
    const TReminder& defaults = *lists.oneTime[0].reminder;
    EXPECT_EQ(defaults.EventType, EventShowOnly);
    EXPECT_EQ(std::string(defaults.SoundFile), sound.toStdString());
    const TReminder& given = *lists.repeating[0].reminder;
    EXPECT_EQ(given.EventType, EventPlayOnly);
    EXPECT_EQ(std::string(given.SoundFile), other.toStdString());
}

TEST_F(ListCommandsTest, BadInputIsRefusedAndNothingIsSaved) {
    const struct {
        CommandRequest request;
        const char* named;
    } cases[] = {
        {Adding(Kind::AddOneTime, "25:70", "m"), "cannot read the time '25:70' in '25:70'"},
        {Adding(Kind::AddOneTime, "yesterday 9:00", "m"), "yesterday"},
        {Adding(Kind::AddRepeating, "every 5m 9:00", "m"), "5m"},
        {Adding(Kind::AddOneTime, "16:00", "m", folder.Path("missing.wav")), "missing.wav"},
        {Adding(Kind::AddOneTime, "16:00", "m", {}, "loud"), "'loud'"},
    };
    for (const auto& c : cases) {
        const CommandReply reply = Carry(c.request);
        EXPECT_EQ(reply.exitCode, CommandReply::BadInput) << c.named;
        EXPECT_TRUE(reply.error.contains(QString::fromUtf8(c.named))) << reply.error.toStdString();
        EXPECT_FALSE(reply.error.contains('\n')) << "one line";
        EXPECT_TRUE(reply.output.isEmpty());
    }
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(lists.oneTime.empty());
    EXPECT_TRUE(lists.repeating.empty());
}

TEST_F(ListCommandsTest, AnAddThatCannotBeSavedIsTakenBack) {
    ASSERT_EQ(Carry(Adding(Kind::AddOneTime, "12:00", "kept")).exitCode, 0);
    ASSERT_EQ(Carry(Adding(Kind::AddRepeating, "daily 8:00", "kept too")).exitCode, 0);
    saveFails = true;
    for (const CommandRequest& request : {Adding(Kind::AddOneTime, "11:00", "lost"),
                                          Adding(Kind::AddRepeating, "daily 7:00", "lost")}) {
        const CommandReply reply = Carry(request);
        EXPECT_EQ(reply.exitCode, CommandReply::Failed);
        EXPECT_EQ(reply.error, "Cannot create file x");
    }
    EXPECT_EQ(Messages(lists.oneTime), std::vector<std::string>{"kept"});
    EXPECT_EQ(Messages(lists.repeating), std::vector<std::string>{"kept too"});
}

TEST_F(ListCommandsTest, TheListingShowsEachReminderOnALineOfItsOwnInListOrder) {
    for (const auto& [when, message] :
         {std::pair{"16:00", "Tea"}, {"2024-03-20 9:15", "Dentist\nbring the card"}})
        ASSERT_EQ(Carry(Adding(Kind::AddOneTime, when, message)).exitCode, 0);
    ASSERT_EQ(Carry(Adding(Kind::AddRepeating, "sun 9:00", "Plants")).exitCode, 0);
    lists.oneTime[0].reminder->Status = StatusDone;

    CommandRequest list = CommandRequest::Of(Kind::List);
    const QStringList lines = Carry(list).output.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << Carry(list).output.toStdString();
    EXPECT_TRUE(lines[1].contains("Tea") && lines[1].contains("Today at 4:00pm") &&
                lines[1].contains("Done"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains("Dentist bring the card") &&
                lines[2].contains("Mar 20, 2024 9:15am") && lines[2].contains("Not Today"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[4].contains("Plants") && lines[4].contains("sun 9:00") &&
                lines[4].contains("Not today"))
        << lines[4].toStdString();
    EXPECT_EQ(saves, 3) << "listing saves nothing";
}

TEST_F(ListCommandsTest, TheJsonListingAddsBackAsTheSameReminders) {
    const QString sound = folder.Write("bell.wav", "RIFF");
    const CommandRequest adds[] = {
        Adding(Kind::AddOneTime, "in 2h", "Oven", sound, "show-and-play"),
        Adding(Kind::AddOneTime, "2024-12-24 18:30", "Presents \"wrapped\"", {}, "show"),
        Adding(Kind::AddRepeating, "every 45m 9:00-17:00 mon,wed,fri", "Stretch", {}, "play"),
        Adding(Kind::AddRepeating, "last fri 16:00", "Timesheet", sound, "nothing"),
        Adding(Kind::AddRepeating, "yearly 02-29 9:00", "Leap", {}, "show"),
        Adding(Kind::AddRepeating, "2nd tue 19:00", "Club", {}, "show"),
    };
    for (const CommandRequest& add : adds)
        ASSERT_EQ(Carry(add).exitCode, 0) << Carry(add).error.toStdString();
    CommandRequest list = CommandRequest::Of(Kind::List);
    list.json = true;
    const QJsonDocument json = QJsonDocument::fromJson(Carry(list).output.toUtf8());
    ASSERT_TRUE(json.isArray());
    ASSERT_EQ(json.array().size(), 6);

    ReminderLists again;
    ReminderRows againOneTime(again.oneTime), againRepeating(again.repeating);
    ListCommands commands(againOneTime, againRepeating,
                          {clock, formats, user, Utc, settings, folder.Path("Other.dat"), [] {}});
    for (const QJsonValue& value : json.array()) {
        const QJsonObject entry = value.toObject();
        const bool oneTime = entry["list"].toString() == "one-time";
        EXPECT_EQ(entry.keys(), (QStringList{"action", "index", "list", "message", "rule", "sound",
                                             "status", "when"}));
        const CommandReply reply = commands.Carry(Adding(
            oneTime ? Kind::AddOneTime : Kind::AddRepeating,
            oneTime ? entry["when"].toString() : entry["rule"].toString(),
            entry["message"].toString(), entry["sound"].toString(), entry["action"].toString()));
        EXPECT_EQ(reply.exitCode, 0) << reply.error.toStdString();
        EXPECT_FALSE(entry["status"].toString().isEmpty());
    }
    ASSERT_EQ(again.oneTime.size(), lists.oneTime.size());
    ASSERT_EQ(again.repeating.size(), lists.repeating.size());
    for (std::size_t i = 0; i < lists.oneTime.size(); ++i)
        EXPECT_EQ(*again.oneTime[i].reminder, *lists.oneTime[i].reminder) << i;
    for (std::size_t i = 0; i < lists.repeating.size(); ++i)
        EXPECT_EQ(*again.repeating[i].reminder, *lists.repeating[i].reminder) << i;
}

TEST_F(ListCommandsTest, AnImportIsPreviewedThenAddedAndAnExportWritten) {
    ASSERT_EQ(Carry(Adding(Kind::AddOneTime, "2024-04-01 9:00", "Fools")).exitCode, 0);
    ASSERT_EQ(Carry(Adding(Kind::AddRepeating, "weekdays 8:30", "Standup")).exitCode, 0);
    CommandRequest exported = CommandRequest::Of(Kind::Export);
    exported.file = folder.Path("out.ics");
    const CommandReply written = Carry(exported);
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_TRUE(written.output.contains("2 reminders written to")) << written.output.toStdString();

    lists.oneTime.clear();
    lists.repeating.clear();
    CommandRequest preview = CommandRequest::Of(Kind::PreviewImport);
    preview.file = exported.file;
    const CommandReply plan = Carry(preview);
    EXPECT_EQ(plan.exitCode, 0);
    EXPECT_EQ(plan.count, 2);
    EXPECT_TRUE(plan.output.contains("Fools") && plan.output.contains("Standup"))
        << plan.output.toStdString();
    EXPECT_TRUE(lists.oneTime.empty()) << "a preview adds nothing";

    CommandRequest import = preview;
    import.kind = Kind::Import;
    const CommandReply added = Carry(import);
    EXPECT_EQ(added.exitCode, 0);
    EXPECT_TRUE(added.output.contains("Added 2 reminders")) << added.output.toStdString();
    EXPECT_EQ(Messages(lists.oneTime), std::vector<std::string>{"Fools"});
    EXPECT_EQ(Messages(lists.repeating), std::vector<std::string>{"Standup"});
    // A second time, nothing.
    EXPECT_EQ(Carry(preview).count, 0);
    EXPECT_EQ(Carry(import).output, "Nothing was added.\n");

    preview.file = folder.Write("junk.ics", "not a calendar\n");
    EXPECT_EQ(Carry(preview).exitCode, CommandReply::BadInput);
    exported.file = folder.Path("no/such/folder/out.ics");
    EXPECT_EQ(Carry(exported).exitCode, CommandReply::Failed);
}

} // namespace
} // namespace nudgery
