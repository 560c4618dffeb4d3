// A damaged data file's load tells whether the backup loads whole and how many reminders it
// holds; restoring the backup puts it in the file's place with the damaged file kept aside.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "disk_faults.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <optional>

namespace nudgery {
namespace {

const SettableClock Today(EncodeDate(2026, 3, 1) + 0.5);

// Three one-time and two repeating reminders.
const SampleLists Five(5, 0);

FileBytes Cut(const FileBytes& bytes, std::size_t missing) {
    return FileBytes(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(missing));
}

DataFileLoad LoadFrom(const DataFileStore& store) {
    ReminderLists loaded;
    return store.Load(loaded, Today);
}

// The backup as each case leaves it before the damaged data file is loaded.
struct BackupCase {
    const char* name;
    // Writes the folder's backup, if any. Returns false to have the load run in a folder
    // where the damaged file cannot be kept.
    bool (*prepare)(const StoreFolder& folder);
    std::optional<std::size_t> backupReminders;
    bool canRestore;
};

void PrintTo(const BackupCase& backup, std::ostream* out) {
    *out << backup.name;
}

class DamagedLoadWithBackup : public testing::TestWithParam<BackupCase> {};

TEST_P(DamagedLoadWithBackup, TellsWhatTheBackupHolds) {
    const StoreFolder folder;
    const DataFileStore store = folder.Store();
    folder.Write("Nudgery.dat", Cut(Five.Bytes(), 7));
    DataFileLoad load;
    if (GetParam().prepare(folder)) {
        load = LoadFrom(store);
    } else {
        const UnwritableFolder readOnly(folder.Folder());
        load = LoadFrom(store);
    }
    EXPECT_TRUE(load.damaged);
    EXPECT_EQ(load.backupReminders, GetParam().backupReminders);
    EXPECT_EQ(load.CanRestoreBackup(), GetParam().canRestore);
}

INSTANTIATE_TEST_SUITE_P(
    Store, DamagedLoadWithBackup,
    testing::Values(BackupCase{"NoBackup", [](const StoreFolder&) { return true; }, std::nullopt,
                               false},
                    BackupCase{"WholeBackup",
                               [](const StoreFolder& folder) {
                                   folder.Write("Nudgery.dat.bak", SampleLists(4, 1).Bytes());
                                   return true;
                               },
                               4, true},
                    BackupCase{"WholeBackupOfEmptyLists",
                               [](const StoreFolder& folder) {
                                   folder.Write("Nudgery.dat.bak", EncodeDataFile({}, {}));
                                   return true;
                               },
                               0, true},
                    BackupCase{"DamagedBackup",
                               [](const StoreFolder& folder) {
                                   folder.Write("Nudgery.dat.bak",
                                                Cut(SampleLists(4, 1).Bytes(), 1));
                                   return true;
                               },
                               std::nullopt, false},
                    // Restoring would overwrite the only copy of the damaged file.
                    BackupCase{"DamagedFileNotKept",
                               [](const StoreFolder& folder) {
                                   folder.Write("Nudgery.dat.bak", SampleLists(4, 1).Bytes());
                                   return false;
                               },
                               4, false}),
    [](const testing::TestParamInfo<BackupCase>& info) { return info.param.name; });

class RestoreBackup : public testing::Test {
protected:
    // Two saves, so that the backup holds the first lists, then the data file damaged.
    void DamageAfterTwoSaves() {
        store_.Save(Five.OneTime(), {});
        store_.Save(Five.OneTime(), Five.Repeating());
        lastWhole_ = folder_.Bytes("Nudgery.dat.bak");
        folder_.Write("Nudgery.dat", damaged_);
    }

    StoreFolder folder_;
    const DataFileStore store_ = folder_.Store();
    const FileBytes damaged_ = Cut(Five.Bytes(), 40);
    FileBytes lastWhole_;
};

TEST_F(RestoreBackup, PutsTheBackupInPlaceAndKeepsTheDamagedFile) {
    DamageAfterTwoSaves();
    for (const bool loadedFirst : {true, false}) {
        SCOPED_TRACE(loadedFirst ? "after the load" : "without a load");
        if (loadedFirst) {
            ASSERT_TRUE(LoadFrom(store_).CanRestoreBackup());
        }
        store_.RestoreBackup();
        EXPECT_EQ(folder_.Bytes("Nudgery.dat"), lastWhole_);
        EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), lastWhole_);
        EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), damaged_);
        EXPECT_EQ(folder_.Entries(),
                  (QStringList{"Nudgery.dat", "Nudgery.dat.bak", "Nudgery.dat.damaged"}));
        const DataFileLoad load = LoadFrom(store_);
        EXPECT_FALSE(load.damaged);
        EXPECT_EQ(load.remindersRead, Five.OneTime().size());
        // Once more from the start, the damaged copy left from the first round.
        folder_.Write("Nudgery.dat", damaged_);
    }
}

TEST_F(RestoreBackup, ABackupThatNoLongerLoadsWholeIsNotRestored) {
    DamageAfterTwoSaves();
    ASSERT_TRUE(LoadFrom(store_).CanRestoreBackup());
    const FileBytes damagedBackup = Cut(lastWhole_, 2);
    folder_.Write("Nudgery.dat.bak", damagedBackup);
    EXPECT_THROW(store_.RestoreBackup(), DataFileError);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), damaged_);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), damagedBackup);
    ASSERT_TRUE(QFile::remove(folder_.Path("Nudgery.dat.bak")));
    EXPECT_THROW(store_.RestoreBackup(), DataFileError);
    EXPECT_EQ(folder_.Entries(), (QStringList{"Nudgery.dat", "Nudgery.dat.damaged"}));
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), damaged_);
}

TEST_F(RestoreBackup, AWholeFileSavedSinceTheLoadBecomesTheBackup) {
    DamageAfterTwoSaves();
    ASSERT_TRUE(LoadFrom(store_).CanRestoreBackup());
    const SampleLists since(2, 7);
    store_.Save(since.OneTime(), since.Repeating());
    store_.RestoreBackup();
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), lastWhole_);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), since.Bytes());
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), damaged_);
}

} // namespace
} // namespace nudgery
