// The history journal: entries back as recorded, newest first, filtered and paged as a plain
// walk over them says; old entries removed and open ones closed at the start; and a journal
// that is damaged, foreign, read-only, in a read-only folder, on a full disk or locked never
// stops a record from returning, is reported once, and is moved aside only when damaged.
#include "disk_faults.h"
#include "platform/history_journal.h"
#include "store_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

namespace nudgery {
namespace {

const TDateTime Now = EncodeDate(2026, 3, 6) + EncodeTime(12, 0);

// A journal in a scratch folder, with what it reported.
class JournalFolder : public StoreFolder {
public:
    QString JournalPath() const { return Path("Nudgery.history"); }
    std::unique_ptr<HistoryJournal> Open(TDateTime now = Now) {
        return std::make_unique<HistoryJournal>(
            JournalPath(), now, [this](const QString& text) { reports.append(text); });
    }
    QStringList reports;
};

HistoryEntry Entry(TDateTime due, const std::string& message, ListKind list = ListKind::OneTime,
                   HistoryOutcome outcome = HistoryOutcome::Open, std::int32_t result = 0) {
    HistoryEntry entry;
    entry.due = due;
    entry.shown = outcome == HistoryOutcome::Missed ? 0 : due + EncodeTime(0, 0, 5);
    entry.list = list;
    entry.message = message;
    entry.outcome = outcome;
    entry.result = result;
    return entry;
}

} // namespace

void PrintTo(const HistoryEntry& e, std::ostream* out) {
    *out << "{" << e.id << ", due " << e.due << ", shown " << e.shown << ", answered " << e.answered
         << ", list " << static_cast<int>(e.list) << ", '" << e.message << "', outcome "
         << static_cast<int>(e.outcome) << ", result " << e.result << "}";
}

namespace {

std::vector<HistoryEntry> All(HistoryJournal& journal) {
    return journal.Newest({}, std::nullopt, 1000000);
}

TEST(HistoryJournal, EntriesComeBackAsRecordedNewestFirst) {
    JournalFolder folder;
    auto journal = folder.Open();
    std::vector<HistoryEntry> recorded = {
        Entry(Now - 2, "Water the plants", ListKind::OneTime, HistoryOutcome::Answered, 1),
        Entry(Now - 1, "Stand-up", ListKind::Repeating, HistoryOutcome::Answered, -10),
        Entry(Now - 1, "Äpfel kaufen 🍎", ListKind::OneTime, HistoryOutcome::Missed),
        Entry(Now - 3, "Pay rent", ListKind::OneTime, HistoryOutcome::TimedOut, 2),
    };
    for (HistoryEntry& entry : recorded) {
        entry.id = journal->Record(entry);
        ASSERT_GT(entry.id, 0);
    }
    // Due the same moment, the later record comes first.
    const std::vector<HistoryEntry> expected = {recorded[2], recorded[1], recorded[0], recorded[3]};
    EXPECT_EQ(All(*journal), expected);
    // And the same after the program's next start.
    journal.reset();
    EXPECT_EQ(All(*folder.Open()), expected);
    EXPECT_TRUE(folder.reports.isEmpty());
}

TEST(HistoryJournal, EachAnswerChangesItsOwnEntryOnly) {
    JournalFolder folder;
    auto journal = folder.Open();
    const struct {
        HistoryOutcome outcome;
        std::int32_t result;
    } answers[] = {{HistoryOutcome::Answered, 1},   {HistoryOutcome::Answered, 2},
                   {HistoryOutcome::Answered, -30}, {HistoryOutcome::TimedOut, -5},
                   {HistoryOutcome::TimedOut, 1},   {HistoryOutcome::Unanswered, 0}};
    std::vector<std::int64_t> ids;
    for (std::size_t i = 0; i < std::size(answers); ++i)
        ids.push_back(journal->Record(Entry(Now + static_cast<double>(i) / 1440, "Tea")));
    for (std::size_t i = 0; i < std::size(answers); ++i)
        ASSERT_TRUE(journal->Answer(ids[i], answers[i].outcome, answers[i].result,
                                    Now + 0.5 + static_cast<double>(i) / 1440));
    const auto entries = All(*journal);
    ASSERT_EQ(entries.size(), std::size(answers));
    for (std::size_t i = 0; i < std::size(answers); ++i) {
        const HistoryEntry& entry = entries[std::size(answers) - 1 - i];
        EXPECT_EQ(entry.id, ids[i]);
        EXPECT_EQ(entry.outcome, answers[i].outcome) << i;
        EXPECT_EQ(entry.result, answers[i].result) << i;
        EXPECT_EQ(entry.answered, Now + 0.5 + static_cast<double>(i) / 1440) << i;
    }
}

// The filter as a plain walk over what was recorded.
bool Passes(const HistoryEntry& entry, const HistoryFilter& filter) {
    if (!filter.text.empty() &&
        !QString::fromStdString(entry.message)
             .contains(QString::fromStdString(filter.text), Qt::CaseInsensitive))
        return false;
    if (filter.day && DatePartOf(entry.due) != *filter.day)
        return false;
    return !filter.reminder ||
           (entry.list == filter.reminder->list && entry.message == filter.reminder->message);
}

TEST(HistoryJournal, FiltersAndPagesGiveWhatAWalkOverTheEntriesGives) {
    JournalFolder folder;
    auto journal = folder.Open();
    const std::vector<std::string> messages = {"Take pills",   "take a break", "Äpfel kaufen",
                                               "ÄPFEL zählen", "Call Mum",     "50% off"};
    std::mt19937 random(2807);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<HistoryEntry> recorded;
    for (int i = 0; i < 400; ++i) {
        // Due at whole minutes over ten days, many at the same minute; some at midnight.
        HistoryEntry entry =
            Entry(EncodeDate(2026, 3, 1) + pick(10) + pick(4) * 0.25 +
                      (pick(3) == 0 ? 0 : pick(1440) / 1440.0),
                  messages[static_cast<std::size_t>(pick(6))], static_cast<ListKind>(pick(2)));
        entry.id = journal->Record(entry);
        ASSERT_GT(entry.id, 0);
        recorded.push_back(entry);
    }
    std::sort(recorded.begin(), recorded.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.due != b.due ? a.due > b.due : a.id > b.id;
    });

    std::vector<HistoryFilter> filters = {{},
                                          {"pills", {}, {}},
                                          {"TAKE", {}, {}},
                                          {"äpfel", {}, {}},
                                          {"%", {}, {}},
                                          {"_", {}, {}},
                                          {"nothing like it", {}, {}}};
    for (int day = 0; day <= 10; ++day)
        filters.push_back({"", EncodeDate(2026, 3, 1) + day, {}});
    for (const std::string& message : messages)
        for (const ListKind list : {ListKind::OneTime, ListKind::Repeating})
            filters.push_back({"", {}, HistoryFilter::Reminder{list, message}});
    filters.push_back({"a", EncodeDate(2026, 3, 4),
                       HistoryFilter::Reminder{ListKind::Repeating, "take a break"}});

    for (const HistoryFilter& filter : filters) {
        const std::string what = "text '" + filter.text + "', day " +
                                 (filter.day ? std::to_string(*filter.day) : "any") +
                                 ", reminder " +
                                 (filter.reminder ? filter.reminder->message : "any");
        std::vector<HistoryEntry> expected;
        std::copy_if(recorded.begin(), recorded.end(), std::back_inserter(expected),
                     [&](const HistoryEntry& e) { return Passes(e, filter); });
        EXPECT_EQ(journal->Count(filter), static_cast<std::int64_t>(expected.size())) << what;
        // In pages of 7, each starting after the last of the one before.
        std::vector<HistoryEntry> paged;
        std::optional<HistoryPosition> after;
        for (;;) {
            const auto page = journal->Newest(filter, after, 7);
            paged.insert(paged.end(), page.begin(), page.end());
            if (page.size() < 7)
                break;
            after = HistoryPosition{page.back().due, page.back().id};
        }
        EXPECT_EQ(paged, expected) << what;
    }
}

TEST(HistoryJournal, AtTheStartOldEntriesGoAndOpenOnesAreClosed) {
    JournalFolder folder;
    {
        // Opened at its first use, not when made: the program's start does not wait for it.
        const auto unused = folder.Open();
        EXPECT_FALSE(QFileInfo::exists(folder.JournalPath()));
    }
    {
        auto journal = folder.Open();
        journal->Record(Entry(OneYearBefore(Now) - 1.0 / 86400, "a year and a second ago",
                              ListKind::OneTime, HistoryOutcome::Answered, 1));
        journal->Record(Entry(OneYearBefore(Now), "a year ago", ListKind::OneTime,
                              HistoryOutcome::Answered, 1));
        journal->Record(Entry(Now - 0.1, "left open by a crash"));
    }
    auto journal = folder.Open(Now);
    const auto entries = All(*journal);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].message, "left open by a crash");
    EXPECT_EQ(entries[0].outcome, HistoryOutcome::Unanswered);
    EXPECT_EQ(entries[0].answered, Now);
    EXPECT_EQ(entries[1].message, "a year ago");
    EXPECT_EQ(entries[1].outcome, HistoryOutcome::Answered);

    // And as the program ends.
    const std::int64_t open = journal->Record(Entry(Now, "shown as it ended"));
    ASSERT_TRUE(journal->CloseOpenEntries(Now + 0.01));
    EXPECT_EQ(All(*journal).front().id, open);
    EXPECT_EQ(All(*journal).front().outcome, HistoryOutcome::Unanswered);
    EXPECT_EQ(All(*journal).front().answered, Now + 0.01);
}

// A journal whose records have been written and closed, so that its bytes are all in the file.
void WriteJournalWithEntries(JournalFolder& folder, int count) {
    auto journal = folder.Open();
    for (int i = 0; i < count; ++i)
        ASSERT_GT(journal->Record(Entry(Now - i / 1440.0, "entry " + std::to_string(i))), 0);
}

// Records and answers as the check cycle would: none may fail to return.
void RecordAsUsual(HistoryJournal& journal, int times) {
    for (int i = 0; i < times; ++i) {
        const std::int64_t id = journal.Record(Entry(Now + i / 1440.0, "as usual"));
        journal.Answer(id, HistoryOutcome::Answered, 1, Now + i / 1440.0);
    }
}

struct Damage {
    const char* name;
    void (*apply)(FileBytes& bytes);
};

const Damage Damages[] = {
    {"not a database at all",
     [](FileBytes& bytes) { std::fill(bytes.begin(), bytes.end(), 0x5a); }},
    {"its pages overwritten after the first",
     [](FileBytes& bytes) { std::fill(bytes.begin() + 4096, bytes.end(), 0xa5); }},
    {"cut after its first page", [](FileBytes& bytes) { bytes.resize(4096 + 100); }},
};

TEST(HistoryJournal, ADamagedJournalIsMovedAsideAndANewOneStarted) {
    for (const Damage& damage : Damages) {
        JournalFolder folder;
        WriteJournalWithEntries(folder, 300);
        FileBytes bytes = folder.Bytes("Nudgery.history");
        ASSERT_GT(bytes.size(), 3u * 4096) << damage.name;
        damage.apply(bytes);
        folder.Write("Nudgery.history", bytes);

        auto journal = folder.Open();
        RecordAsUsual(*journal, 3);
        ASSERT_EQ(folder.reports.size(), 1)
            << damage.name << ": " << folder.reports.join("; ").toStdString();
        EXPECT_TRUE(folder.reports[0].contains("damaged")) << folder.reports[0].toStdString();
        EXPECT_TRUE(folder.reports[0].contains(folder.Path("Nudgery.history.damaged")));
        EXPECT_EQ(folder.Bytes("Nudgery.history.damaged"), bytes) << damage.name;
        EXPECT_EQ(All(*journal).size(), 3u) << damage.name;
    }
}

TEST(HistoryJournal, TheLogOfADamagedJournalGoesAsideWithIt) {
    JournalFolder folder;
    WriteJournalWithEntries(folder, 5);
    FileBytes log;
    {
        // A crash leaves the records of the last run in the log beside the journal.
        auto journal = folder.Open();
        RecordAsUsual(*journal, 4);
        log = folder.Bytes("Nudgery.history-wal");
        ASSERT_FALSE(log.empty());
    }
    FileBytes damaged = folder.Bytes("Nudgery.history");
    std::fill(damaged.begin(), damaged.end(), 0x5a);
    folder.Write("Nudgery.history", damaged);
    folder.Write("Nudgery.history-wal", log);

    auto journal = folder.Open();
    EXPECT_GT(journal->Record(Entry(Now + 1, "after")), 0);
    const auto entries = All(*journal);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].message, "after");
    EXPECT_EQ(folder.Bytes("Nudgery.history.damaged"), damaged);
    EXPECT_EQ(folder.Bytes("Nudgery.history.damaged-wal"), log);
}

TEST(HistoryJournal, AnEarlierDamagedCopyIsNotOverwritten) {
    JournalFolder folder;
    folder.Write("Nudgery.history.damaged", FileBytes{'o', 'l', 'd'});
    folder.Write("Nudgery.history", FileBytes(5000, 0x5a));
    auto journal = folder.Open();
    EXPECT_GT(journal->Record(Entry(Now, "after")), 0);
    EXPECT_EQ(folder.Bytes("Nudgery.history.damaged"), (FileBytes{'o', 'l', 'd'}));
    EXPECT_EQ(folder.Bytes("Nudgery.history.damaged.2"), FileBytes(5000, 0x5a));
}

TEST(HistoryJournal, AnotherProgramsDatabaseInItsPlaceIsMovedAsideUntouched) {
    JournalFolder folder;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(folder.JournalPath());
        ASSERT_TRUE(other.open());
        QSqlQuery query(other);
        ASSERT_TRUE(query.exec("CREATE TABLE entries (name TEXT)"));
        ASSERT_TRUE(query.exec("INSERT INTO entries VALUES ('theirs')"));
    }
    QSqlDatabase::removeDatabase("other-program");
    const FileBytes theirs = folder.Bytes("Nudgery.history");

    auto journal = folder.Open();
    EXPECT_GT(journal->Record(Entry(Now, "ours")), 0);
    EXPECT_EQ(folder.reports.size(), 1);
    EXPECT_EQ(folder.Bytes("Nudgery.history.damaged"), theirs);
}

TEST(HistoryJournal, AReadOnlyJournalIsReportedOnceAndRecordsStillReturn) {
    JournalFolder folder;
    WriteJournalWithEntries(folder, 5);
    ASSERT_TRUE(QFile::setPermissions(folder.JournalPath(), QFile::ReadOwner));
    const PermissionsEnforced enforced;
    auto journal = folder.Open();
    RecordAsUsual(*journal, 3);
    EXPECT_EQ(folder.reports.size(), 1) << folder.reports.join("; ").toStdString();
    EXPECT_FALSE(folder.reports.value(0).contains("damaged"));
    EXPECT_FALSE(FileExists(folder.Path("Nudgery.history.damaged")));
    QFile::setPermissions(folder.JournalPath(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(HistoryJournal, AJournalInAReadOnlyFolderIsReportedOnceAndRecordsStillReturn) {
    JournalFolder folder;
    const UnwritableFolder unwritable(folder.Folder());
    auto journal = folder.Open();
    RecordAsUsual(*journal, 3);
    EXPECT_EQ(journal->Record(Entry(Now, "nowhere to go")), 0);
    EXPECT_EQ(folder.reports.size(), 1) << folder.reports.join("; ").toStdString();
    EXPECT_TRUE(All(*journal).empty());
}

TEST(HistoryJournal, OnAFullDiskRecordsFailAndAreReportedOnceThenWorkAgain) {
    JournalFolder folder;
    WriteJournalWithEntries(folder, 5);
    auto journal = folder.Open();
    {
        // No file may grow past its first page: the journal's log cannot take a record.
        const DiskFullAt full(4096);
        RecordAsUsual(*journal, 3);
        EXPECT_EQ(journal->Record(Entry(Now, "no room")), 0);
    }
    EXPECT_EQ(folder.reports.size(), 1) << folder.reports.join("; ").toStdString();
    EXPECT_FALSE(FileExists(folder.Path("Nudgery.history.damaged")));
    // With room again, records go in, and nothing of the failed ones is there.
    EXPECT_GT(journal->Record(Entry(Now + 1, "room again")), 0);
    const auto entries = All(*journal);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries.front().message, "room again");
    EXPECT_EQ(folder.reports.size(), 1);
}

// Another program holds the journal locked for writing until told to let go, or for a second
// at most: a record that waited for the lock would then get through.
class LockHolder {
public:
    explicit LockHolder(const QString& path) {
        thread_ = std::thread([this, path] { Hold(path); });
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return state_ != State::Starting; });
    }
    ~LockHolder() {
        {
            std::lock_guard lock(mutex_);
            release_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    bool Holding() const { return state_ == State::Holding; }

private:
    enum class State { Starting, Holding, Failed };

    void Hold(const QString& path) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
            db.setDatabaseName(path);
            QSqlQuery query(db);
            const bool held = db.open() && query.exec("BEGIN EXCLUSIVE");
            {
                std::lock_guard lock(mutex_);
                state_ = held ? State::Holding : State::Failed;
            }
            changed_.notify_all();
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, std::chrono::seconds(1), [this] { return release_; });
            if (held)
                query.exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("lock-holder");
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::Starting;
    bool release_ = false;
    std::thread thread_;
};

TEST(HistoryJournal, ALockedJournalFailsAtOnceIsReportedOnceThenWorksAgain) {
    JournalFolder folder;
    WriteJournalWithEntries(folder, 5);
    auto journal = folder.Open();
    {
        const LockHolder other(folder.JournalPath());
        ASSERT_TRUE(other.Holding());
        EXPECT_EQ(journal->Record(Entry(Now, "locked out")), 0);
        RecordAsUsual(*journal, 2);
    }
    EXPECT_EQ(folder.reports.size(), 1) << folder.reports.join("; ").toStdString();
    EXPECT_FALSE(FileExists(folder.Path("Nudgery.history.damaged")));
    EXPECT_GT(journal->Record(Entry(Now + 1, "let in")), 0);
    EXPECT_EQ(All(*journal).size(), 6u);
}

// When a reminder last fell due within a span: its own entries only, of its list and with
// its message exactly, both ends of the span included.
TEST(HistoryJournal, LastDueIsTheLatestOfTheReminderWithinTheSpan) {
    JournalFolder folder;
    auto journal = folder.Open();
    const TDateTime hour = EncodeTime(1, 0);
    for (const auto& entry :
         {Entry(Now - 3 * hour, "tea", ListKind::Repeating),
          Entry(Now - 2 * hour, "tea", ListKind::Repeating, HistoryOutcome::Missed, 4),
          Entry(Now - hour, "tea", ListKind::OneTime),
          Entry(Now - hour, "Tea", ListKind::Repeating),
          Entry(Now - hour, "tea and cake", ListKind::Repeating)})
        ASSERT_GT(journal->Record(entry), 0);
    const HistoryFilter::Reminder tea{ListKind::Repeating, "tea"};
    const struct {
        TDateTime since, until;
        std::optional<TDateTime> last;
    } cases[] = {
        {Now - 4 * hour, Now, Now - 2 * hour},
        {Now - 4 * hour, Now - 2 * hour, Now - 2 * hour},
        {Now - 3 * hour, Now - 3 * hour, Now - 3 * hour},
        {Now - 4 * hour, Now - 3.5 * hour, std::nullopt},
        {Now - 1.5 * hour, Now, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(journal->LastDue(tea, c.since, c.until), c.last) << c.since << " " << c.until;
}

TEST(HistoryJournal, LivesBesideTheDataFile) {
    EXPECT_EQ(HistoryJournal::BesideDataFile("/home/u/.local/share/Nudgery/Nudgery.dat"),
              "/home/u/.local/share/Nudgery/Nudgery.history");
}

} // namespace
} // namespace nudgery
