// The data file, its backup and its damaged copies are private to their owner when the
// program makes them from nothing (0600, whatever the umask lets through), and take the
// mode of the file they replace or copy when there is one.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <map>
#include <sys/stat.h>

namespace nudgery {
namespace {

const SampleLists Small(3, 0);
const SampleLists Other(4, 1);

// The umask of the process set for the scope of a test: with none, a file gets exactly the
// mode the program asks for.
class Umask {
public:
    explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
    ~Umask() { ::umask(saved_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t saved_;
};

void Save(const DataFileStore& store, const SampleLists& lists) {
    store.Save(lists.OneTime(), lists.Repeating());
}

void Load(const DataFileStore& store) {
    ReminderLists loaded;
    store.Load(loaded, SettableClock(EncodeDate(2026, 3, 1)));
}

// A data file cut short, with the given mode.
void WriteDamaged(const StoreFolder& folder, mode_t mode) {
    FileBytes bytes = Small.Bytes();
    bytes.pop_back();
    folder.Write("Nudgery.dat", bytes);
    ASSERT_EQ(::chmod(folder.Path("Nudgery.dat").toLocal8Bit(), mode), 0);
}

struct ModeCase {
    const char* name;
    void (*make)(const StoreFolder& folder, const DataFileStore& store);
    // The mode of each file the case leaves.
    std::map<QString, mode_t> modes;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

class FileModes : public testing::TestWithParam<ModeCase> {};

TEST_P(FileModes, AreTheOwnersAloneUnlessAnOldFileSaysOtherwise) {
    const Umask none(0);
    const StoreFolder folder;
    GetParam().make(folder, folder.Store());
    QStringList names;
    for (const auto& [name, mode] : GetParam().modes) {
        names.append(name);
        EXPECT_EQ(ExistingFileMode(folder.Path(name)), mode) << name.toStdString();
    }
    EXPECT_EQ(folder.Entries(), names);
}

INSTANTIATE_TEST_SUITE_P(
    Store, FileModes,
    testing::Values(
        ModeCase{"FirstSave",
                 [](const StoreFolder&, const DataFileStore& store) { Save(store, Small); },
                 {{"Nudgery.dat", 0600}}},
        ModeCase{"SecondSaveMakesTheBackup",
                 [](const StoreFolder&, const DataFileStore& store) {
                     Save(store, Small);
                     Save(store, Other);
                 },
                 {{"Nudgery.dat", 0600}, {"Nudgery.dat.bak", 0600}}},
        ModeCase{"DamagedCopyAtLoad",
                 [](const StoreFolder& folder, const DataFileStore& store) {
                     WriteDamaged(folder, 0600);
                     Load(store);
                 },
                 {{"Nudgery.dat", 0600}, {"Nudgery.dat.damaged", 0600}}},
        ModeCase{"DamagedCopyAtSave",
                 [](const StoreFolder& folder, const DataFileStore& store) {
                     WriteDamaged(folder, 0600);
                     Save(store, Other);
                 },
                 {{"Nudgery.dat", 0600}, {"Nudgery.dat.damaged", 0600}}},
        ModeCase{"RestoredBackup",
                 [](const StoreFolder& folder, const DataFileStore& store) {
                     Save(store, Small);
                     Save(store, Other);
                     WriteDamaged(folder, 0600);
                     store.RestoreBackup();
                 },
                 {{"Nudgery.dat", 0600}, {"Nudgery.dat.bak", 0600}, {"Nudgery.dat.damaged", 0600}}},
        // A file the user shared with the group stays shared, and so do its copies.
        ModeCase{"SharedFileAndItsBackup",
                 [](const StoreFolder& folder, const DataFileStore& store) {
                     Save(store, Small);
                     ASSERT_EQ(::chmod(folder.Path("Nudgery.dat").toLocal8Bit(), 0640), 0);
                     Save(store, Other);
                 },
                 {{"Nudgery.dat", 0640}, {"Nudgery.dat.bak", 0640}}},
        ModeCase{"SharedDamagedFile",
                 [](const StoreFolder& folder, const DataFileStore& store) {
                     WriteDamaged(folder, 0640);
                     Load(store);
                     Save(store, Other);
                 },
                 {{"Nudgery.dat", 0640}, {"Nudgery.dat.damaged", 0640}}}),
    [](const testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

} // namespace
} // namespace nudgery
