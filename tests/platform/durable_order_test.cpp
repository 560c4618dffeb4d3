// Every rename that puts a file of the store under its final name moves a file that was
// flushed to the disk before it, and the folder is flushed after the last rename: a power
// cut at any moment leaves whole files under the names the program reads. The flushes and
// renames are the real ones, recorded on their way to the C library.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "interposed_calls.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <functional>

namespace nudgery {
namespace {

using interposed::FileCall;

const SampleLists Small(3, 0);
const SampleLists Other(4, 1);

void WriteDamaged(const StoreFolder& folder) {
    FileBytes bytes = Small.Bytes();
    bytes.pop_back();
    folder.Write("Nudgery.dat", bytes);
}

struct Step {
    const char* name;
    // Prepares the folder, unrecorded.
    std::function<void(const StoreFolder&, const DataFileStore&)> before;
    // The recorded step.
    std::function<void(const DataFileStore&)> step;
    std::size_t renames;
};

void PrintTo(const Step& step, std::ostream* out) {
    *out << step.name;
}

class DurableOrder : public testing::TestWithParam<Step> {};

TEST_P(DurableOrder, EachFileIsFlushedBeforeItIsRenamedAndTheFolderAfter) {
    const StoreFolder folder;
    const DataFileStore store = folder.Store();
    GetParam().before(folder, store);
    const interposed::FileCallLog log;
    GetParam().step(store);
    const std::vector<FileCall>& calls = log.Calls();

    std::size_t renames = 0;
    std::size_t lastRename = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind != FileCall::Kind::Rename)
            continue;
        ++renames;
        lastRename = i;
        // The latest call that touched the renamed file is its flush.
        bool flushed = false;
        for (std::size_t j = i; j-- > 0;) {
            if (calls[j].kind == FileCall::Kind::Flush && calls[j].path == calls[i].path) {
                flushed = true;
                break;
            }
            if (calls[j].kind == FileCall::Kind::Rename && calls[j].to == calls[i].path)
                break;
        }
        EXPECT_TRUE(flushed) << calls[i].path << " renamed to " << calls[i].to
                             << " without a flush";
    }
    EXPECT_EQ(renames, GetParam().renames);
    const std::string folderPath = QDir(folder.Folder()).canonicalPath().toStdString();
    bool folderFlushed = false;
    for (std::size_t i = lastRename; i < calls.size(); ++i)
        folderFlushed |= calls[i].kind == FileCall::Kind::Flush && calls[i].path == folderPath;
    EXPECT_TRUE(folderFlushed) << "the renames are not made lasting";
}

void Save(const DataFileStore& store, const SampleLists& lists) {
    store.Save(lists.OneTime(), lists.Repeating());
}

const auto Nothing = [](const StoreFolder&, const DataFileStore&) {};

INSTANTIATE_TEST_SUITE_P(
    Store, DurableOrder,
    testing::Values(
        Step{"FirstSave", Nothing, [](const DataFileStore& store) { Save(store, Small); }, 1},
        // The backup, then the new file.
        Step{"SaveKeepingTheBackup",
             [](const StoreFolder&, const DataFileStore& store) { Save(store, Small); },
             [](const DataFileStore& store) { Save(store, Other); }, 2},
        // The damaged copy, then the new file.
        Step{"SaveOverADamagedFile",
             [](const StoreFolder& folder, const DataFileStore&) { WriteDamaged(folder); },
             [](const DataFileStore& store) { Save(store, Other); }, 2},
        Step{"LoadKeepingADamagedCopy",
             [](const StoreFolder& folder, const DataFileStore&) { WriteDamaged(folder); },
             [](const DataFileStore& store) {
                 ReminderLists loaded;
                 store.Load(loaded, SettableClock(EncodeDate(2026, 3, 1)));
             },
             1},
        Step{"RestoringTheBackup",
             [](const StoreFolder& folder, const DataFileStore& store) {
                 Save(store, Small);
                 Save(store, Other);
                 WriteDamaged(folder);
             },
             [](const DataFileStore& store) { store.RestoreBackup(); }, 2}),
    [](const testing::TestParamInfo<Step>& info) { return info.param.name; });

} // namespace
} // namespace nudgery
