// What the user is told of a damaged data file: the file, how many reminders were read,
// where the file is kept, and what the backup holds; the box asks to restore the backup
// only when the backup loads whole and the damaged file is kept.

#include "platform/damaged_file_report.h"
#include "platform/data_file_store.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgery {
namespace {

struct ReportCase {
    std::size_t read;
    bool kept;
    std::optional<std::size_t> backup;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.read << " read, " << (c.kept ? "kept" : "not kept") << ", backup "
         << (c.backup ? std::to_string(*c.backup) : "none");
}

class DamagedFileReportCase : public testing::TestWithParam<ReportCase> {};

TEST_P(DamagedFileReportCase, NamesWhatItTellsAndAsksOnlyWhenRestoringLosesNothing) {
    const DataFileStore store("/home/ann/nudgery/Nudgery.dat");
    const ReportCase& c = GetParam();
    DataFileLoad load;
    load.damaged = true;
    load.remindersRead = c.read;
    const QString copy = store.DamagedPath() + ".2";
    if (c.kept)
        load.keptAs = copy;
    load.backupReminders = c.backup;

    const DamagedFileReport report = ReportDamagedFile(store, load);
    const QString& text = report.text;
    EXPECT_EQ(report.asksToRestore, c.kept && c.backup.has_value());
    EXPECT_EQ(text.endsWith('?'), false) << "a question is followed by what Yes does";
    EXPECT_EQ(text.contains('?'), report.asksToRestore);
    EXPECT_TRUE(text.startsWith("The data file " + store.Path() + " "));
    EXPECT_EQ(text.contains(copy), c.kept);
    EXPECT_EQ(text.contains(store.BackupPath() + " "), c.backup.has_value());
    // The counts as words or figures: "1 reminder", "7 reminders", "no reminders".
    const auto told = [&](std::size_t count) {
        return text.contains(count == 0 ? QString("o reminders")
                                        : QString::number(count) + " reminder");
    };
    EXPECT_TRUE(told(c.read));
    if (c.backup) {
        EXPECT_TRUE(told(*c.backup));
    }
}

INSTANTIATE_TEST_SUITE_P(Report, DamagedFileReportCase,
                         testing::Values(ReportCase{0, true, std::nullopt},
                                         ReportCase{2, false, std::nullopt}, ReportCase{1, true, 7},
                                         ReportCase{7, false, 1}, ReportCase{5, true, 0},
                                         ReportCase{0, false, 3}));

} // namespace
} // namespace nudgery
