// Loads arbitrary bytes as a data file. Whatever loads must save to a file that loads
// whole into lists of the same lengths.

#include "core/clock.h"
#include "core/reminder_lists.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nudgery;
    const SettableClock clock(EncodeDate(2026, 12, 8) + 0.5);

    ReminderLists lists;
    DecodeDataFile({data, size}, lists, clock);

    const auto saved =
        EncodeDataFile(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
    ReminderLists reloaded;
    if (!DecodeDataFile(saved, reloaded, clock) ||
        reloaded.oneTime.size() != lists.oneTime.size() ||
        reloaded.repeating.size() != lists.repeating.size()) {
        std::abort();
    }
    return 0;
}
