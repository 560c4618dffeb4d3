// The commands on the data file itself, when no copy of the program runs: the change lands
// in the file (with the previous file as the backup), the reminders already there keep the
// status the file holds so that the next start still tells of those missed, the settings'
// defaults are read from the settings file, and a data file that cannot be read whole is
// neither changed nor exported.
#include "alerts/DataFileCommands.h"
#include "core/clock.h"
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

// Friday 15 March 2024, 10:00.
const TDateTime Today = EncodeDate(2024, 3, 15);
const SettableClock Clock(Today + EncodeTime(10, 0));
const UtcOffsetAt Utc = [](std::int64_t) { return 0L; };

class DataFileCommandsTest : public ::testing::Test {
protected:
    CommandReply Carry(const CommandRequest& request) {
        return CarryOnDataFile(request, {Clock, user, Utc, folder.Folder()});
    }
    DataFileStore Store() const { return DataFileStore(folder.Path("Nudgery.dat")); }
    // The lists as the file holds them, statuses unjudged.
    ReminderLists OnFile() const {
        ReminderLists lists;
        lists.keepStoredStatus = true;
        EXPECT_FALSE(Store().Load(lists, Clock).damaged);
        return lists;
    }
    static CommandRequest Add(const QString& when, const QString& message) {
        CommandRequest request = CommandRequest::Of(Kind::AddOneTime);
        request.when = when;
        request.message = message;
        return request;
    }

    RegionalSettings user;
    TempFolder folder;
};

TEST_F(DataFileCommandsTest, AnAddLandsInTheFileAndLeavesTheOthersAsTheFileHadThem) {
    // Pending on file, due two days ago: the next start finds it missed.
    auto missed = TReminder::CreateNormal(KindOneTime, Today - 2 + 0.5, "missed", "", 0);
    auto later = TReminder::CreateNormal(KindOneTime, Today + 3, "later", "", 0);
    Store().Save(std::vector<const TReminder*>{missed.get(), later.get()}, {});
    const QByteArray before = [&] {
        QFile file(Store().Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    const CommandReply reply = Carry(Add("16:00", "Tea"));
    ASSERT_EQ(reply.exitCode, 0) << reply.error.toStdString();
    const ReminderLists lists = OnFile();
    ASSERT_EQ(lists.oneTime.size(), 3u);
    EXPECT_EQ(std::string(lists.oneTime[0].reminder->Description), "missed");
    EXPECT_EQ(lists.oneTime[0].reminder->Status, StatusPending);
    EXPECT_EQ(std::string(lists.oneTime[1].reminder->Description), "Tea");
    EXPECT_EQ(lists.oneTime[1].reminder->When, Today + EncodeTime(16, 0));
    EXPECT_EQ(lists.oneTime[2].reminder->Status, StatusPending) << "not judged Not Today";
    // The file it replaced is the backup.
    QFile backup(Store().BackupPath());
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), before);
}

TEST_F(DataFileCommandsTest, TheDefaultsComeFromTheSettingsFile) {
    const QString sound = folder.Write("bell.wav", "RIFF");
    folder.Write("NUDGERY.INI",
                 "[Sounds]\nWaveFile=" + sound.toStdString() + "\n[Events]\nType=2\n");
    ASSERT_EQ(Carry(Add("16:00", "Tea")).exitCode, 0);
    const ReminderLists lists = OnFile();
    const TReminder& added = *lists.oneTime.at(0).reminder;
    EXPECT_EQ(added.EventType, EventPlayOnly);
    EXPECT_EQ(std::string(added.SoundFile), sound.toStdString());
}

TEST_F(DataFileCommandsTest, ADataFileThatCannotBeReadWholeIsLeftAlone) {
    auto kept = TReminder::CreateNormal(KindOneTime, Today + 3, "kept", "", 0);
    Store().Save(std::vector<const TReminder*>{kept.get()}, {});
    QFile file(Store().Path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    file.resize(whole.size() - 10);
    file.close();

    CommandRequest exported = CommandRequest::Of(Kind::Export);
    exported.file = folder.Path("out.ics");
    CommandRequest list = CommandRequest::Of(Kind::List);
    for (const CommandRequest& request : {Add("16:00", "Tea"), exported, list}) {
        const CommandReply reply = Carry(request);
        EXPECT_EQ(reply.exitCode, CommandReply::Failed);
        EXPECT_TRUE(reply.error.contains(Store().Path())) << reply.error.toStdString();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), whole.left(whole.size() - 10));
    EXPECT_FALSE(QFile::exists(folder.Path("out.ics")));
}

TEST_F(DataFileCommandsTest, WithNoDataFileTheFirstAddMakesOne) {
    CommandRequest list = CommandRequest::Of(Kind::List);
    EXPECT_EQ(Carry(list).exitCode, 0);
    EXPECT_FALSE(QFile::exists(Store().Path())) << "a listing writes nothing";
    CommandRequest rule = CommandRequest::Of(Kind::AddRepeating);
    rule.when = "weekdays 8:30";
    rule.message = "Standup";
    ASSERT_EQ(Carry(rule).exitCode, 0);
    EXPECT_EQ(OnFile().repeating.size(), 1u);
}

} // namespace
} // namespace nudgery
