// Each save keeps the file it replaces as Nudgery.dat.bak; a save that fails, for a full
// disk or a folder without room for new files, leaves the data file and the backup as
// they were and no temporary file behind.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "disk_faults.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>

namespace nudgery {
namespace {

const QStringList DataAndBackup = {"Nudgery.dat", "Nudgery.dat.bak"};

class DataFileBackup : public testing::Test {
protected:
    void Save(const SampleLists& lists) const { store_.Save(lists.OneTime(), lists.Repeating()); }

    StoreFolder folder_;
    const DataFileStore store_ = folder_.Store();
    const SampleLists small_{3, 0};
    const SampleLists medium_{40, 1};
    const SampleLists large_{400, 2};
};

TEST_F(DataFileBackup, EachSaveKeepsTheFileItReplacesOneStepBack) {
    Save(small_);
    EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat"}) << "nothing to keep yet";

    const SampleLists* saves[] = {&medium_, &large_, &small_};
    const SampleLists* previous = &small_;
    for (const SampleLists* lists : saves) {
        Save(*lists);
        EXPECT_EQ(folder_.Bytes("Nudgery.dat"), lists->Bytes());
        EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), previous->Bytes());
        EXPECT_EQ(folder_.Entries(), DataAndBackup);
        previous = lists;
    }
}

TEST_F(DataFileBackup, SavingTheSameListsAgainKeepsTheBackupOneRealChangeBack) {
    Save(small_);
    Save(medium_);
    Save(medium_); // as at the program's end, after every change was saved
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), medium_.Bytes());
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), small_.Bytes());
}

TEST_F(DataFileBackup, TheBackupRestoredByRenamingLoadsThePreviousLists) {
    Save(medium_);
    Save(small_);
    ASSERT_TRUE(QFile::remove(folder_.Path("Nudgery.dat")));
    ASSERT_TRUE(QFile::rename(folder_.Path("Nudgery.dat.bak"), folder_.Path("Nudgery.dat")));

    ReminderLists loaded;
    const DataFileLoad load = store_.Load(loaded, SettableClock(EncodeDate(2026, 3, 1)));
    EXPECT_FALSE(load.damaged);
    EXPECT_EQ(load.remindersRead, 40u);
    // Loading gives each reminder its status for today; the lists themselves are those saved.
    ASSERT_EQ(loaded.oneTime.size(), medium_.OneTime().size());
    for (std::size_t i = 0; i < loaded.oneTime.size(); ++i)
        EXPECT_EQ(loaded.oneTime[i].reminder->Description, medium_.OneTime()[i]->Description);
    ASSERT_EQ(loaded.repeating.size(), medium_.Repeating().size());
    EXPECT_EQ(loaded.repeating.back().firstCell, medium_.Repeating().back()->Description);
}

TEST_F(DataFileBackup, NewFileAndBackupKeepTheOldFilesPermissions) {
    Save(small_);
    ASSERT_EQ(::chmod(folder_.Path("Nudgery.dat").toLocal8Bit(), 0600), 0);
    Save(medium_);
    EXPECT_EQ(ExistingFileMode(folder_.Path("Nudgery.dat")), 0600u);
    EXPECT_EQ(ExistingFileMode(folder_.Path("Nudgery.dat.bak")), 0600u);
}

TEST_F(DataFileBackup, ASymbolicLinkKeepsPointingAtTheUpdatedFile) {
    ASSERT_TRUE(QDir(folder_.Folder()).mkdir("elsewhere"));
    const QString target = folder_.Path("elsewhere/Nudgery.dat");
    folder_.Write("elsewhere/Nudgery.dat", small_.Bytes());
    ASSERT_TRUE(QFile::link(target, store_.Path()));

    Save(medium_);
    EXPECT_EQ(QFileInfo(store_.Path()).symLinkTarget(), target);
    EXPECT_EQ(folder_.Bytes("elsewhere/Nudgery.dat"), medium_.Bytes());
    EXPECT_EQ(folder_.Bytes("elsewhere/Nudgery.dat.bak"), small_.Bytes());
    EXPECT_EQ(store_.BackupPath(), target + ".bak");
}

TEST_F(DataFileBackup, TemporariesLeftByAKilledSaveAreReplacedAndCleared) {
    for (const SampleLists* next : {&medium_, &small_}) {
        SCOPED_TRACE(next == &small_ ? "a save of the lists on disk" : "a save that changes them");
        Save(small_);
        folder_.Write("Nudgery.dat.new", {1, 2, 3});
        folder_.Write("Nudgery.dat.bak.new", {4, 5});
        // Left read-only, they must not stop the save even for a user who is not root.
        ASSERT_EQ(::chmod(folder_.Path("Nudgery.dat.bak.new").toLocal8Bit(), 0400), 0);

        ReminderLists loaded;
        EXPECT_FALSE(store_.Load(loaded, SettableClock(EncodeDate(2026, 3, 1))).damaged);
        Save(*next);
        EXPECT_EQ(folder_.Entries(), DataAndBackup);
        EXPECT_EQ(folder_.Bytes("Nudgery.dat"), next->Bytes());
    }
}

// What a failing condition is made from: the data file's folder, and the size of the
// file that the failing save writes.
struct SaveScene {
    QString folder;
    std::size_t newFileSize;
};

// Each failing save: what the user is told, and that nothing on disk changed.
struct FailingSave {
    const char* name;
    const char* message; // "%1" stands for the data file's path
    // Runs the save in the failing condition.
    void (*fail)(const SaveScene& scene, const std::function<void()>& save);
};

void PrintTo(const FailingSave& failing, std::ostream* out) {
    *out << failing.name;
}

class DataFileSaveFailure : public DataFileBackup,
                            public testing::WithParamInterface<FailingSave> {};

TEST_P(DataFileSaveFailure, IsReportedAndKeepsDataFileAndBackup) {
    Save(medium_);
    Save(large_);
    const FileBytes data = folder_.Bytes("Nudgery.dat");
    const FileBytes backup = folder_.Bytes("Nudgery.dat.bak");

    std::string message;
    GetParam().fail({folder_.Folder(), small_.Bytes().size()}, [&] {
        try {
            Save(small_);
        } catch (const DataFileError& error) {
            message = error.what();
        }
    });
    EXPECT_EQ(QString::fromStdString(message),
              QString(GetParam().message).replace("%1", store_.Path()));
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), data);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), backup);
    EXPECT_EQ(folder_.Entries(), DataAndBackup);
}

INSTANTIATE_TEST_SUITE_P(
    Store, DataFileSaveFailure,
    testing::Values(FailingSave{"UnwritableFolder", "Cannot create file %1",
                                [](const SaveScene& scene, const std::function<void()>& save) {
                                    const UnwritableFolder unwritable(scene.folder);
                                    save();
                                }},
                    // Too small for the new file: it fails while the new file is written.
                    FailingSave{"DiskFullWritingTheNewFile", "Stream write error",
                                [](const SaveScene& scene, const std::function<void()>& save) {
                                    const DiskFullAt full(scene.newFileSize / 2);
                                    save();
                                }},
                    // Room for the small new file but not for the copy of the large old one.
                    FailingSave{"DiskFullKeepingTheOldFile", "Stream write error",
                                [](const SaveScene& scene, const std::function<void()>& save) {
                                    const DiskFullAt full(scene.newFileSize);
                                    save();
                                }}),
    [](const testing::TestParamInfo<FailingSave>& info) { return info.param.name; });

} // namespace
} // namespace nudgery
