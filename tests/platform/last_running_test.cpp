// The last-running moment: kept to the millisecond across a write and a read, nothing read from
// a file that holds no moment, no stale moment left when a write fails, and the keeper writing
// at its start, on its own timer and at its stop.
#include "core/clock.h"
#include "disk_faults.h"
#include "platform/last_running.h"
#include "store_folder.h"

#include <QFile>
#include <QTest>
#include <chrono>

namespace nudgery {
namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s, int ms) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
}

TEST(LastRunningFile, MomentsComeBackToTheMillisecond) {
    StoreFolder folder;
    const LastRunningFile file(folder.Path("Nudgery.lastrun"));
    for (const TDateTime moment : {At(2026, 3, 6, 17, 0, 0, 0), At(2026, 3, 6, 23, 59, 59, 999),
                                   At(2028, 2, 29, 0, 0, 0, 1), At(2026, 12, 31, 12, 34, 56, 789),
                                   At(1, 1, 1, 0, 0, 0, 0), At(9999, 12, 31, 23, 59, 59, 0)}) {
        ASSERT_TRUE(file.Write(moment));
        const auto read = file.Read();
        ASSERT_TRUE(read.has_value());
        EXPECT_NEAR(*read, moment, 0.0005 / 86400);
        EXPECT_EQ(DecodeTime(*read).millisecond, DecodeTime(moment).millisecond);
    }
    // Nothing is left beside it.
    EXPECT_EQ(folder.Entries(), QStringList{"Nudgery.lastrun"});
}

TEST(LastRunningFile, AFileWithoutAMomentGivesNothing) {
    const struct {
        const char* name;
        std::string bytes;
        bool read;
    } cases[] = {
        {"hand-written, seconds only", "2026-03-06T17:00:00\n", true},
        {"without a line end", "2026-03-06T17:00:00.250", true},
        {"empty", "", false},
        {"garbage", "\x01\x02\xff", false},
        {"a day that does not exist", "2026-02-30T10:00:00.000\n", false},
        {"an hour that does not exist", "2026-03-06T25:00:00.000\n", false},
        {"the date alone", "2026-03-06\n", false},
        {"two moments", "2026-03-06T17:00:00.000T2026-03-07T17:00:00.000\n", false},
        {"a day count", "46087.7\n", false},
        {"very long", std::string(100000, '2'), false},
    };
    for (const auto& c : cases) {
        StoreFolder folder;
        folder.Write("Nudgery.lastrun", FileBytes(c.bytes.begin(), c.bytes.end()));
        EXPECT_EQ(LastRunningFile(folder.Path("Nudgery.lastrun")).Read().has_value(), c.read)
            << c.name;
    }
    StoreFolder folder;
    EXPECT_FALSE(LastRunningFile(folder.Path("Nudgery.lastrun")).Read()) << "no file";
    ASSERT_TRUE(QDir(folder.Folder()).mkdir("Nudgery.lastrun"));
    EXPECT_FALSE(LastRunningFile(folder.Path("Nudgery.lastrun")).Read()) << "a folder";
}

TEST(LastRunningFile, LivesBesideTheDataFile) {
    EXPECT_EQ(LastRunningFile::BesideDataFile("/home/u/.local/share/Nudgery/Nudgery.dat"),
              "/home/u/.local/share/Nudgery/Nudgery.lastrun");
}

TEST(LastRunningFile, AWriteThatFailsLeavesNoStaleMoment) {
    StoreFolder folder;
    const LastRunningFile file(folder.Path("Nudgery.lastrun"));
    ASSERT_TRUE(file.Write(At(2026, 3, 6, 17, 0, 0, 0)));
    {
        const DiskFullAt full(0);
        EXPECT_FALSE(file.Write(At(2026, 3, 6, 17, 5, 0, 0)));
    }
    EXPECT_FALSE(file.Read().has_value());
    EXPECT_TRUE(folder.Entries().isEmpty()) << folder.Entries().join(' ').toStdString();
}

TEST(LastRunningFile, AWriteIntoAnUnwritableFolderFailsAndKeepsTheFile) {
    StoreFolder folder;
    const LastRunningFile file(folder.Path("Nudgery.lastrun"));
    ASSERT_TRUE(file.Write(At(2026, 3, 6, 17, 0, 0, 0)));
    const UnwritableFolder unwritable(folder.Folder());
    EXPECT_FALSE(file.Write(At(2026, 3, 6, 17, 5, 0, 0)));
    EXPECT_EQ(file.Read(), At(2026, 3, 6, 17, 0, 0, 0));
}

TEST(LastRunningKeeper, WritesAtStartOnItsTimerAndAtStop) {
    StoreFolder folder;
    const LastRunningFile file(folder.Path("Nudgery.lastrun"));
    SettableClock clock(At(2026, 3, 6, 9, 0, 0, 0));
    {
        LastRunningKeeper keeper(file, clock, std::chrono::milliseconds(20));
        EXPECT_FALSE(file.Read().has_value()) << "written before Start";
        keeper.Start();
        EXPECT_EQ(file.Read(), clock.Now());

        clock.SetNow(At(2026, 3, 6, 9, 5, 0, 0));
        ASSERT_TRUE(QTest::qWaitFor([&] { return file.Read() == clock.Now(); }, 5000));

        clock.SetNow(At(2026, 3, 6, 9, 7, 30, 0));
        keeper.Stop();
        EXPECT_EQ(file.Read(), clock.Now());
    }
    // Stopped, it writes no more, also not when it goes.
    ASSERT_TRUE(file.Write(At(2026, 3, 6, 9, 8, 0, 0)));
    EXPECT_EQ(file.Read(), At(2026, 3, 6, 9, 8, 0, 0));
}

TEST(LastRunningKeeper, WritesWhenItGoesWithoutAStop) {
    StoreFolder folder;
    const LastRunningFile file(folder.Path("Nudgery.lastrun"));
    SettableClock clock(At(2026, 3, 6, 9, 0, 0, 0));
    {
        LastRunningKeeper keeper(file, clock);
        keeper.Start();
        clock.SetNow(At(2026, 3, 6, 11, 0, 0, 0));
    }
    EXPECT_EQ(file.Read(), At(2026, 3, 6, 11, 0, 0, 0));
}

} // namespace
} // namespace nudgery
