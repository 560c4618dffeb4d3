// The data file on disk: loading absent, unreadable and damaged files, and saves that
// replace the old file only when complete, also when creating or writing fails.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "disk_faults.h"
#include "platform/data_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

using Bytes = std::vector<std::uint8_t>;

const SettableClock Clock(EncodeDate(2026, 12, 8) + 0.5);

Bytes ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    return Bytes(bytes.begin(), bytes.end());
}

void WriteAll(const QString& path, const Bytes& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

class DataFileStoreTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        reminder_.When = EncodeDate(2026, 12, 9) + 0.5;
        reminder_.Description = "Dentist at half past twelve";
        reminder_.SoundFile = "/usr/share/sounds/ring.wav";
    }

    QString PathIn(const QString& name) const { return folder_.filePath(name); }

    void SaveOne(const DataFileStore& store, std::size_t copies) const {
        const std::vector<const TReminder*> oneTime(copies, &reminder_);
        store.Save(oneTime, {});
    }

    // Only the data file itself: no temporary file left behind.
    QStringList FolderEntries() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir folder_;
    TReminder reminder_;
};

TEST_F(DataFileStoreTest, NoFileLoadsNothing) {
    ReminderLists lists;
    DataFileStore(PathIn("Nudgery.dat")).Load(lists, Clock);
    EXPECT_TRUE(lists.oneTime.empty());
    EXPECT_TRUE(lists.repeating.empty());
}

TEST_F(DataFileStoreTest, FileThatCannotBeReadLoadsNothing) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Nudgery.dat"));
    ReminderLists lists;
    DataFileStore(PathIn("Nudgery.dat")).Load(lists, Clock);
    EXPECT_TRUE(lists.oneTime.empty());
}

TEST_F(DataFileStoreTest, SaveThenLoadGivesTheSameBytesAndReminders) {
    const DataFileStore store(PathIn("Nudgery.dat"));
    SaveOne(store, 3);
    const Bytes saved = ReadAll(store.Path());
    const std::vector<const TReminder*> three(3, &reminder_);
    EXPECT_EQ(saved, EncodeDataFile(three, {}));

    ReminderLists lists;
    store.Load(lists, Clock);
    ASSERT_EQ(lists.oneTime.size(), 3u);
    EXPECT_EQ(lists.oneTime[2].reminder->Description, reminder_.Description);
    EXPECT_EQ(lists.oneTime[2].reminder->Status, StatusNotToday);
    EXPECT_EQ(FolderEntries(), QStringList{"Nudgery.dat"});
}

TEST_F(DataFileStoreTest, SaveReplacesLongerOldFileWhole) {
    const DataFileStore store(PathIn("Nudgery.dat"));
    SaveOne(store, 50);
    SaveOne(store, 1);
    const std::vector<const TReminder*> one(1, &reminder_);
    EXPECT_EQ(ReadAll(store.Path()), EncodeDataFile(one, {}));
}

TEST_F(DataFileStoreTest, DamagedFileLoadsWhatPrecedesTheDamage) {
    const DataFileStore store(PathIn("Nudgery.dat"));
    SaveOne(store, 2);
    Bytes bytes = ReadAll(store.Path());
    bytes.resize(bytes.size() - 30);
    WriteAll(store.Path(), bytes);

    ReminderLists lists;
    store.Load(lists, Clock);
    // The second reminder, cut short, is left out.
    ASSERT_EQ(lists.oneTime.size(), 1u);
    EXPECT_EQ(lists.oneTime[0].reminder->Description, reminder_.Description);
    EXPECT_EQ(lists.oneTime[0].reminder->When, reminder_.When);
}

TEST_F(DataFileStoreTest, FolderThatCannotHoldFilesReportsCannotCreate) {
    WriteAll(PathIn("plain"), {1, 2, 3});
    const QString path = PathIn("plain") + "/Nudgery.dat";
    try {
        SaveOne(DataFileStore(path), 1);
        FAIL() << "the save must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + path.toStdString());
    }
    EXPECT_EQ(ReadAll(PathIn("plain")), (Bytes{1, 2, 3}));
}

TEST_F(DataFileStoreTest, FailingCreateLeavesOldFileIntact) {
    const DataFileStore store(PathIn("Nudgery.dat"));
    SaveOne(store, 2);
    const Bytes before = ReadAll(store.Path());
    {
        const UnwritableFolder unwritable(folder_.path());
        EXPECT_THROW(SaveOne(store, 5), DataFileError);
    }
    EXPECT_EQ(ReadAll(store.Path()), before);
    EXPECT_EQ(FolderEntries(), QStringList{"Nudgery.dat"});
}

TEST_F(DataFileStoreTest, FailingWriteLeavesOldFileIntact) {
    const DataFileStore store(PathIn("Nudgery.dat"));
    SaveOne(store, 2);
    const Bytes before = ReadAll(store.Path());
    try {
        const DiskFullAt full(1000);
        SaveOne(store, 100); // about 10 kB, far beyond the limit
        FAIL() << "the save must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Stream write error");
    }
    EXPECT_EQ(ReadAll(store.Path()), before);
    EXPECT_EQ(FolderEntries(), QStringList{"Nudgery.dat"});
}

} // namespace
} // namespace nudgery
