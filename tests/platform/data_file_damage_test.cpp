// A data file that does not load to its end is kept aside as Nudgery.dat.damaged before
// anything can overwrite it, and the load says so with the number of reminders read; a
// file that loads whole, or no file, changes nothing on disk.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "disk_faults.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <QFileInfo>

namespace nudgery {
namespace {

const SettableClock Today(EncodeDate(2026, 3, 1) + 0.5);

// Three one-time and two repeating reminders.
const SampleLists Five(5, 0);

std::size_t OneTimeRecordSize() {
    const SampleLists one(1, 0);
    return one.Bytes().size() - EncodeDataFile({}, {}).size();
}

DataFileLoad LoadFrom(const DataFileStore& store) {
    ReminderLists loaded;
    const DataFileLoad load = store.Load(loaded, Today);
    EXPECT_EQ(load.remindersRead, loaded.oneTime.size() + loaded.repeating.size());
    return load;
}

struct FileCase {
    const char* name;
    FileBytes (*bytes)();
    bool damaged;
    std::size_t remindersRead;
};

void PrintTo(const FileCase& file, std::ostream* out) {
    *out << file.name;
}

class DataFileLoadCase : public testing::TestWithParam<FileCase> {
protected:
    StoreFolder folder_;
    const DataFileStore store_ = folder_.Store();
};

TEST_P(DataFileLoadCase, DamagedFilesAreCopiedAsideAndWholeOnesLeftAlone) {
    const FileBytes original = GetParam().bytes();
    folder_.Write("Nudgery.dat", original);

    const DataFileLoad load = LoadFrom(store_);
    EXPECT_EQ(load.damaged, GetParam().damaged);
    EXPECT_EQ(load.remindersRead, GetParam().remindersRead);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), original) << "the load itself changes no file";
    if (GetParam().damaged) {
        EXPECT_EQ(load.keptAs, store_.DamagedPath());
        EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), original);
        EXPECT_EQ(folder_.Entries(), (QStringList{"Nudgery.dat", "Nudgery.dat.damaged"}));
    } else {
        EXPECT_TRUE(load.keptAs.isEmpty());
        EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat"});
    }
}

FileBytes CutBy(std::size_t missing) {
    FileBytes bytes = Five.Bytes();
    bytes.resize(bytes.size() - missing);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Store, DataFileLoadCase,
    testing::Values(FileCase{"Whole", [] { return Five.Bytes(); }, false, 5},
                    FileCase{"TrailingBytesAreNoDamage",
                             [] {
                                 FileBytes bytes = Five.Bytes();
                                 bytes.insert(bytes.end(), {0x42, 0x00});
                                 return bytes;
                             },
                             false, 5},
                    FileCase{"EmptyListsFile", [] { return EncodeDataFile({}, {}); }, false, 0},
                    FileCase{"EndOfRepeatingListMissing", [] { return CutBy(1); }, true, 5},
                    // Header (16 bytes), list start, two records, five bytes of the third.
                    FileCase{"CutInTheThirdOneTimeRecord",
                             [] {
                                 FileBytes bytes = Five.Bytes();
                                 bytes.resize(17 + 2 * OneTimeRecordSize() + 5);
                                 return bytes;
                             },
                             true, 2},
                    FileCase{"DamagedHeader",
                             [] {
                                 FileBytes bytes = Five.Bytes();
                                 bytes[0] = 0x07;
                                 return bytes;
                             },
                             true, 0},
                    FileCase{"ZeroBytes", [] { return FileBytes{}; }, true, 0}),
    [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

class DataFileDamage : public testing::Test {
protected:
    // Two saves, so that a backup exists, then the data file damaged by hand. Returns the
    // backup: the last file that loaded whole.
    FileBytes DamageAfterTwoSaves(const FileBytes& damaged) {
        store_.Save(Five.OneTime(), {});
        store_.Save(Five.OneTime(), Five.Repeating());
        folder_.Write("Nudgery.dat", damaged);
        return folder_.Bytes("Nudgery.dat.bak");
    }

    StoreFolder folder_;
    const DataFileStore store_ = folder_.Store();
};

TEST_F(DataFileDamage, NoFileIsNoDamage) {
    const DataFileLoad load = LoadFrom(store_);
    EXPECT_FALSE(load.damaged);
    EXPECT_EQ(load.remindersRead, 0u);
    EXPECT_TRUE(folder_.Entries().isEmpty());
}

TEST_F(DataFileDamage, EarlierDamagedCopiesAreNeverOverwrittenNorMadeTwice) {
    const FileBytes first = CutBy(1), second = CutBy(2), third = CutBy(3);
    folder_.Write("Nudgery.dat", first);
    EXPECT_EQ(LoadFrom(store_).keptAs, store_.DamagedPath());
    // The same damaged file loaded again, at the next start or the next day's reload.
    EXPECT_EQ(LoadFrom(store_).keptAs, store_.DamagedPath());

    folder_.Write("Nudgery.dat", second);
    EXPECT_EQ(LoadFrom(store_).keptAs, store_.DamagedPath() + ".2");
    folder_.Write("Nudgery.dat", third);
    EXPECT_EQ(LoadFrom(store_).keptAs, store_.DamagedPath() + ".3");
    folder_.Write("Nudgery.dat", second);
    EXPECT_EQ(LoadFrom(store_).keptAs, store_.DamagedPath() + ".2");

    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), first);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged.2"), second);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged.3"), third);
    EXPECT_EQ(folder_.Entries().size(), 4);
}

TEST_F(DataFileDamage, TheBackupStaysTheLastWholeFileAfterADamagedLoad) {
    const FileBytes damaged = CutBy(40);
    const FileBytes lastWhole = DamageAfterTwoSaves(damaged);
    ReminderLists loaded;
    ASSERT_TRUE(store_.Load(loaded, Today).damaged);

    store_.Save(ReminderLists::View(loaded.oneTime), ReminderLists::View(loaded.repeating));
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), lastWhole);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), damaged);
    EXPECT_EQ(folder_.Entries(),
              (QStringList{"Nudgery.dat", "Nudgery.dat.bak", "Nudgery.dat.damaged"}));
    EXPECT_FALSE(LoadFrom(store_).damaged);
}

TEST_F(DataFileDamage, ASaveOverADamagedFileNotLoadedBeforeKeepsItFirst) {
    const FileBytes damaged = CutBy(3);
    const FileBytes lastWhole = DamageAfterTwoSaves(damaged);

    const SampleLists other(2, 7);
    store_.Save(other.OneTime(), other.Repeating());
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), other.Bytes());
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), damaged);
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.bak"), lastWhole);
}

TEST_F(DataFileDamage, ASaveThatCannotKeepTheDamagedFileFailsAndChangesNothing) {
    const FileBytes damaged = CutBy(1);
    folder_.Write("Nudgery.dat", damaged);
    const SampleLists tiny(1, 3);
    {
        // Room for the new file, not for the copy of the damaged one.
        const DiskFullAt full(tiny.Bytes().size());
        EXPECT_THROW(store_.Save(tiny.OneTime(), tiny.Repeating()), DataFileError);
    }
    EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat"});
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), damaged);
}

TEST_F(DataFileDamage, AFileThatCannotBeReadIsMovedAsideWhole) {
    folder_.Write("Nudgery.dat", Five.Bytes());
    DataFileLoad load;
    {
        const UnreadableFile unreadable(store_.Path());
        load = LoadFrom(store_);
    }
    EXPECT_TRUE(load.damaged);
    EXPECT_EQ(load.remindersRead, 0u);
    EXPECT_EQ(load.keptAs, store_.DamagedPath());
    EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat.damaged"});
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), Five.Bytes());

    // Out of the way, it no longer stops the saves.
    const SampleLists other(2, 7);
    store_.Save(other.OneTime(), other.Repeating());
    EXPECT_EQ(folder_.Entries(), (QStringList{"Nudgery.dat", "Nudgery.dat.damaged"}));
}

TEST_F(DataFileDamage, ASaveOverAFileThatCannotBeReadMovesItAsideFirst) {
    folder_.Write("Nudgery.dat", Five.Bytes());
    const SampleLists other(2, 7);
    {
        const UnreadableFile unreadable(store_.Path());
        store_.Save(other.OneTime(), other.Repeating());
    }
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), other.Bytes());
    EXPECT_EQ(folder_.Bytes("Nudgery.dat.damaged"), Five.Bytes());
    EXPECT_EQ(folder_.Entries(), (QStringList{"Nudgery.dat", "Nudgery.dat.damaged"}));
}

TEST_F(DataFileDamage, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
    ASSERT_TRUE(QDir(folder_.Folder()).mkpath("Nudgery.dat/inside"));
    const DataFileLoad load = LoadFrom(store_);
    EXPECT_TRUE(load.damaged);
    EXPECT_TRUE(load.keptAs.isEmpty()) << "nothing there to keep";
    try {
        store_.Save(Five.OneTime(), Five.Repeating());
        FAIL() << "a file cannot take the folder's place";
    } catch (const DataFileError& error) {
        EXPECT_EQ(QString(error.what()), "Cannot create file " + store_.Path());
    }
    EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat"});
    EXPECT_TRUE(QFileInfo::exists(folder_.Path("Nudgery.dat/inside")));
}

TEST_F(DataFileDamage, ACopyThatCannotBeMadeIsReportedAsNotKept) {
    const FileBytes damaged = CutBy(1);
    folder_.Write("Nudgery.dat", damaged);
    DataFileLoad diskFull, unwritable;
    {
        const DiskFullAt full(damaged.size() / 2);
        diskFull = LoadFrom(store_);
    }
    {
        const UnwritableFolder readOnly(folder_.Folder());
        unwritable = LoadFrom(store_);
    }
    for (const DataFileLoad& load : {diskFull, unwritable}) {
        EXPECT_TRUE(load.damaged);
        EXPECT_EQ(load.remindersRead, 5u);
        EXPECT_TRUE(load.keptAs.isEmpty());
    }
    EXPECT_EQ(folder_.Entries(), QStringList{"Nudgery.dat"}) << "no part of a copy is left";
    EXPECT_EQ(folder_.Bytes("Nudgery.dat"), damaged);
}

} // namespace
} // namespace nudgery
