// A process that saves 10,000 reminders over and over is killed at random moments: each
// time the data file and its backup load whole and hold one of the two lists saved, and
// the temporary files it leaves are bounded and cleared by the next save.

#include "core/clock.h"
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "platform/durable_file.h"
#include "sample_lists.h"
#include "store_folder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace nudgery {
namespace {

constexpr std::size_t Reminders = 10000;
constexpr int Trials = 200;

// The saving child, started with a pipe on its output.
class SavingChild {
public:
    explicit SavingChild(const QString& dataFile) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return;
        const QByteArray path = dataFile.toLocal8Bit();
        const std::string count = std::to_string(Reminders);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
            ::execl(STORE_SAVE_CHILD, STORE_SAVE_CHILD, path.constData(), count.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeEnds[1]);
        output_ = pipeEnds[0];
    }
    ~SavingChild() {
        if (pid_ > 0 && !reaped_)
            Kill();
        if (output_ >= 0)
            ::close(output_);
    }
    SavingChild(const SavingChild&) = delete;
    SavingChild& operator=(const SavingChild&) = delete;

    // True once the child has built its lists and is about to save.
    bool WaitUntilReady() const {
        char c = 0;
        while (pid_ > 0 && ::read(output_, &c, 1) == 1)
            if (c == '\n')
                return true;
        return false;
    }

    // True when the child was still saving and SIGKILL ended it.
    bool Kill() {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        reaped_ = true;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    bool reaped_ = false;
};

class KilledMidSave : public testing::Test {
protected:
    // The file holds one of the two lists saved, byte for byte.
    void ExpectOneOfTheFiles(const QString& path) const {
        const FileRead file = ReadWholeFile(path);
        ASSERT_EQ(file.outcome, FileRead::Outcome::Read) << path.toStdString();
        EXPECT_TRUE(std::ranges::equal(file.bytes, files_[0]) ||
                    std::ranges::equal(file.bytes, files_[1]))
            << path.toStdString() << " holds " << file.bytes.size() << " other bytes";
    }

    // And the data file loads whole through the store, as at the next start.
    void ExpectDataFileLoadsWhole(const DataFileStore& store) const {
        ExpectOneOfTheFiles(store.Path());
        ReminderLists loaded;
        const DataFileLoad load = store.Load(loaded, clock_);
        EXPECT_FALSE(load.damaged);
        EXPECT_EQ(load.remindersRead, Reminders);
    }

    StoreFolder folder_;
    const SettableClock clock_{EncodeDate(2026, 6, 15) + 0.5};
    const SampleLists lists_[2] = {SampleLists(Reminders, 0), SampleLists(Reminders, 1)};
    const FileBytes files_[2] = {lists_[0].Bytes(), lists_[1].Bytes()};
};

TEST_F(KilledMidSave, DataFileAndBackupAreAlwaysWholeAndTemporariesBounded) {
    const DataFileStore store = folder_.Store();
    const std::set<QString> allowed = {"Nudgery.dat", "Nudgery.dat.bak", "Nudgery.dat.new",
                                       "Nudgery.dat.bak.new"};

    // Both lists saved once, so that a data file and a backup exist from the first trial.
    // The kills fall anywhere within about three saves of the child.
    store.Save(lists_[0].OneTime(), lists_[0].Repeating());
    const auto start = std::chrono::steady_clock::now();
    store.Save(lists_[1].OneTime(), lists_[1].Repeating());
    const auto oneSave = std::chrono::steady_clock::now() - start;
    std::mt19937 random(12);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(3 * oneSave).count());

    int interrupted = 0;
    for (int trial = 0; trial < Trials; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        SavingChild child(store.Path());
        ASSERT_TRUE(child.WaitUntilReady());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ASSERT_TRUE(child.Kill()) << "the child stopped saving by itself";

        ExpectDataFileLoadsWhole(store);
        ExpectOneOfTheFiles(store.BackupPath());
        const QStringList entries = folder_.Entries();
        for (const QString& name : entries)
            ASSERT_TRUE(allowed.contains(name)) << "left behind: " << name.toStdString();
        interrupted += entries.size() > 2 ? 1 : 0;
        if (HasFailure())
            return;
    }
    // The kills did land inside saves, not only between them.
    EXPECT_GT(interrupted, 0);
    std::cout << "[          ] " << interrupted << " of " << Trials
              << " kills interrupted a save while its temporary files existed\n";

    store.Save(lists_[0].OneTime(), lists_[0].Repeating());
    EXPECT_EQ(folder_.Entries(), (QStringList{"Nudgery.dat", "Nudgery.dat.bak"}));
}

} // namespace
} // namespace nudgery
