// Writes a data file of reminders for the start-up measurement, through the program's own
// encoder: the usual mix, or with --every-minute repeating reminders only, every minute all
// day (see sample_reminders.h).
// Usage: make_data COUNT FILE [--every-minute]
#include "core/data_file.h"
#include "sample_reminders.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    using namespace nudgery;
    if (argc < 3 || (argc == 4 && std::string(argv[3]) != "--every-minute") || argc > 4) {
        std::fprintf(stderr, "usage: %s COUNT FILE [--every-minute]\n", argv[0]);
        return 64;
    }
    const SampleReminders made = MakeSampleReminders(std::stoi(argv[1]), LocalNow(), argc == 4);
    const std::vector<std::uint8_t> bytes = EncodeDataFile(made.oneTime, made.repeating);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
