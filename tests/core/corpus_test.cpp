// Every file of the fuzzer's seed corpus loads without harm, and a file loaded whole
// saves back to a file that loads to the same lists.

#include "core/clock.h"
#include "core/reminder_lists.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace nudgery {
namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DataFileCorpus, EveryCorpusFileLoadsAndSavesBack) {
    const SettableClock clock(EncodeDate(2026, 12, 8) + 0.5);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(NUDGERY_DATA_FILE_CORPUS)) {
        SCOPED_TRACE(entry.path().filename().string());
        const auto bytes = ReadFile(entry.path());
        ReminderLists lists;
        DecodeDataFile(bytes, lists, clock);

        const auto saved = EncodeDataFile(ReminderLists::View(lists.oneTime),
                                          ReminderLists::View(lists.repeating));
        ReminderLists reloaded;
        EXPECT_TRUE(DecodeDataFile(saved, reloaded, clock));
        EXPECT_EQ(reloaded.oneTime.size(), lists.oneTime.size());
        EXPECT_EQ(reloaded.repeating.size(), lists.repeating.size());
        ++files;
    }
    EXPECT_GE(files, 5) << "the seed corpus is missing";
}

} // namespace
} // namespace nudgery
