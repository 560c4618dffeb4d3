// Saves two lists of reminders in turn into the data file named on the command line, for
// ever, until it is killed. Says "ready" on its output once the lists are built.
#include "platform/data_file_store.h"
#include "sample_lists.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace nudgery;
    if (argc != 3)
        return EXIT_FAILURE;
    const auto total = static_cast<std::size_t>(std::atol(argv[2]));
    const SampleLists lists[] = {SampleLists(total, 0), SampleLists(total, 1)};
    const DataFileStore store(QString::fromLocal8Bit(argv[1]));
    std::puts("ready");
    std::fflush(stdout);
    try {
        for (int turn = 0;; turn ^= 1)
            store.Save(lists[turn].OneTime(), lists[turn].Repeating());
    } catch (const DataFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    return EXIT_FAILURE;
}
