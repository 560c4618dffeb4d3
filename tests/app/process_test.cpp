// The built program as real processes: one copy at a time, the end by a signal, and the
// window's placement kept apart for a screen scaled by two.
#include "core/data_file.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/profile_file.h"
#include "program_process.h"
#include "support/process_signal.h"

#include <csignal>
#include <vector>

namespace nudgery {
namespace {

TEST_F(ProgramProcess, TheSecondCopyEndsWithCodeZeroAndTheFirstRunsOn) {
    QProcess& first = Start();
    ASSERT_TRUE(WaitUntilHoldingTheClaim());
    QProcess& second = Start();
    ASSERT_TRUE(second.waitForFinished(kWaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // Neither copy has written its files yet: the second made none.
    EXPECT_FALSE(QFile::exists(DataFile()));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramProcess, ATerminationSignalSavesTheListsJudgedAtStart) {
    // Stored as Pending: a reminder of long ago, and one years ahead.
    auto past = TReminder::CreateNormal(KindOneTime, EncodeDate(2001, 1, 1) + 0.5, "past", "",
                                        EventShowOnly);
    auto future = TReminder::CreateNormal(KindOneTime, EncodeDate(2050, 1, 1) + 0.5, "future", "",
                                          EventShowOnly);
    const std::vector<const TReminder*> none;
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{past.get(), future.get()}, none);

    QProcess& program = Start();
    ASSERT_TRUE(WaitUntilHoldingTheClaim());
    testing::SendSignal(program, SIGTERM);
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    // Placement and lists were saved, the statuses as the program judged them at start.
    EXPECT_TRUE(QFile::exists(program_.File("NUDGERY.INI")));
    past->Status = StatusExpired;
    future->Status = StatusNotToday;
    const std::vector<std::uint8_t> expected =
        EncodeDataFile(std::vector<const TReminder*>{past.get(), future.get()}, none);
    QFile saved(DataFile());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
}

TEST_F(ProgramProcess, OnAScreenScaledByTwoThePlacementHasASectionOfItsOwn) {
    // Where the window was on the same screen at normal scale.
    {
        ProfileFile settings(SettingsFile());
        settings.WriteInteger("TMainForm_Placement", "Left", 10);
        settings.WriteInteger("TMainForm_Placement", "Top", 20);
        settings.WriteInteger("TMainForm_Placement", "Right", 700);
        settings.WriteInteger("TMainForm_Placement", "Bottom", 500);
    }
    QProcessEnvironment scaled;
    scaled.insert("QT_SCALE_FACTOR", "2");
    QProcess& program = Start({}, scaled);
    ASSERT_TRUE(WaitUntilHoldingTheClaim());
    testing::SendSignal(program, SIGTERM);
    ASSERT_TRUE(program.waitForFinished(kWaitMs));

    // 96 logical pixels to the inch, each two pixels wide: 192 pixels to the inch.
    const ProfileFile settings(SettingsFile());
    EXPECT_NE(settings.ReadInteger("TMainForm_Placement192", "Bottom", 0), 0);
    EXPECT_EQ(settings.ReadInteger("TMainForm_Placement", "Left", 0), 10);
    EXPECT_EQ(settings.ReadInteger("TMainForm_Placement", "Right", 0), 700);
}

} // namespace
} // namespace nudgery
