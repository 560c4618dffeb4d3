#include "history_journal.h"

#include "durable_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <utility>

namespace nudgery {
namespace {

// Marks the file as this program's journal, so that a foreign database in its place is not
// taken for one ("Nudg").
constexpr int ApplicationId = 0x4E756467;
constexpr int SchemaVersion = 1;

// SQLite's primary result codes that mean the file is not a sound database.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

QString NextConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("nudgery-history-%1").arg(++count);
}

// SQLite's own words for a failure, without Qt's wrapping of them.
QString FailureText(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

bool CopyFile(const QString& from, const QString& to) {
    const FileRead read = ReadWholeFile(from);
    return read.outcome == FileRead::Outcome::Read &&
           WriteFileFlushed(to, read.bytes, std::nullopt) == FileWriteOutcome::Written;
}

bool Exec(QSqlQuery& query, const QString& statement) {
    return query.exec(statement);
}

// The filter's conditions, with the values they are bound to in order.
struct Where {
    QString clause;
    QVariantList values;

    void Add(const QString& condition, std::initializer_list<QVariant> bound) {
        clause += clause.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        clause += condition;
        values.append(QVariantList(bound));
    }
};

Where Conditions(const HistoryFilter& filter, std::optional<HistoryPosition> after) {
    Where where;
    if (!filter.text.empty())
        where.Add(QStringLiteral("instr(folded, ?) > 0"),
                  {QString::fromUtf8(filter.text).toCaseFolded()});
    if (filter.day)
        where.Add(QStringLiteral("due >= ? AND due < ?"), {*filter.day, *filter.day + 1});
    if (filter.reminder)
        where.Add(
            QStringLiteral("list = ? AND message = ?"),
            {static_cast<int>(filter.reminder->list), QString::fromUtf8(filter.reminder->message)});
    if (after)
        where.Add(QStringLiteral("(due < ? OR (due = ? AND id < ?))"),
                  {after->due, after->due, static_cast<qlonglong>(after->id)});
    return where;
}

bool PrepareAndBind(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    if (!query.prepare(statement))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return true;
}

HistoryEntry EntryOf(const QSqlQuery& query) {
    HistoryEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.due = query.value(1).toDouble();
    entry.shown = query.value(2).toDouble();
    entry.answered = query.value(3).toDouble();
    entry.list = query.value(4).toInt() == 0 ? ListKind::OneTime : ListKind::Repeating;
    entry.message = query.value(5).toString().toStdString();
    entry.outcome = static_cast<HistoryOutcome>(query.value(6).toInt());
    entry.result = query.value(7).toInt();
    return entry;
}

} // namespace

HistoryJournal::HistoryJournal(QString path, TDateTime now, ProblemReport report)
    : path_(std::move(path)), connection_(NextConnectionName()), report_(std::move(report)),
      startedAt_(now) {}

bool HistoryJournal::Ready() {
    if (std::exchange(attempted_, true))
        return open_;
    if (!Open())
        return false;
    Run([this](QSqlQuery& query) { return Prepare(query); });
    const TDateTime oldest = OneYearBefore(startedAt_);
    Run([&](QSqlQuery& query) {
        if (!query.prepare(QStringLiteral("DELETE FROM entries WHERE due < ?")))
            return false;
        query.addBindValue(oldest);
        return query.exec();
    });
    Run([&](QSqlQuery& query) { return CloseOpen(query, startedAt_); });
    return open_;
}

HistoryJournal::~HistoryJournal() {
    if (attempted_)
        Close();
}

QString HistoryJournal::BesideDataFile(const QString& dataFile) {
    return QFileInfo(dataFile).dir().filePath(QStringLiteral("Nudgery.history"));
}

QString HistoryJournal::DamagedPath() const {
    const QString first = path_ + QStringLiteral(".damaged");
    QString candidate = first;
    for (int n = 2; FileExists(candidate); ++n)
        candidate = first + QStringLiteral(".%1").arg(n);
    return candidate;
}

std::int64_t HistoryJournal::Record(const HistoryEntry& entry) {
    std::int64_t id = 0;
    Run([&](QSqlQuery& query) {
        const QString message = QString::fromUtf8(entry.message);
        if (!PrepareAndBind(query,
                            QStringLiteral("INSERT INTO entries (due, shown, answered, list, "
                                           "message, folded, outcome, result) VALUES "
                                           "(?, ?, ?, ?, ?, ?, ?, ?)"),
                            {entry.due, entry.shown, entry.answered, static_cast<int>(entry.list),
                             message, message.toCaseFolded(), static_cast<int>(entry.outcome),
                             entry.result}) ||
            !query.exec())
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    return id;
}

bool HistoryJournal::Answer(std::int64_t id, HistoryOutcome outcome, std::int32_t result,
                            TDateTime answered) {
    return Run([&](QSqlQuery& query) {
        return PrepareAndBind(
                   query,
                   QStringLiteral("UPDATE entries SET outcome = ?, result = ?, "
                                  "answered = ? WHERE id = ?"),
                   {static_cast<int>(outcome), result, answered, static_cast<qlonglong>(id)}) &&
               query.exec();
    });
}

bool HistoryJournal::CloseOpenEntries(TDateTime at) {
    return Run([&](QSqlQuery& query) { return CloseOpen(query, at); });
}

std::vector<HistoryEntry> HistoryJournal::Newest(const HistoryFilter& filter,
                                                 std::optional<HistoryPosition> after, int limit) {
    std::vector<HistoryEntry> entries;
    Run([&](QSqlQuery& query) {
        entries.clear();
        const Where where = Conditions(filter, after);
        query.setForwardOnly(true);
        QVariantList values = where.values;
        values.append(limit);
        if (!PrepareAndBind(query,
                            QStringLiteral("SELECT id, due, shown, answered, list, message, "
                                           "outcome, result FROM entries") +
                                where.clause +
                                QStringLiteral(" ORDER BY due DESC, id DESC LIMIT ?"),
                            values) ||
            !query.exec())
            return false;
        while (query.next())
            entries.push_back(EntryOf(query));
        // A damaged page met part way ends the rows with an error rather than with their end.
        return !query.lastError().isValid();
    });
    return entries;
}

std::int64_t HistoryJournal::Count(const HistoryFilter& filter) {
    std::int64_t count = 0;
    Run([&](QSqlQuery& query) {
        const Where where = Conditions(filter, std::nullopt);
        if (!PrepareAndBind(query, QStringLiteral("SELECT COUNT(*) FROM entries") + where.clause,
                            where.values) ||
            !query.exec() || !query.next())
            return false;
        count = query.value(0).toLongLong();
        return true;
    });
    return count;
}

std::optional<TDateTime> HistoryJournal::LastDue(const HistoryFilter::Reminder& reminder,
                                                 TDateTime since, TDateTime until) {
    std::optional<TDateTime> last;
    Run([&](QSqlQuery& query) {
        // One look into the index of each reminder's due times.
        if (!PrepareAndBind(query,
                            QStringLiteral("SELECT MAX(due) FROM entries WHERE due >= ? AND "
                                           "due <= ? AND list = ? AND message = ?"),
                            {since, until, static_cast<int>(reminder.list),
                             QString::fromUtf8(reminder.message)}) ||
            !query.exec() || !query.next())
            return false;
        if (!query.value(0).isNull())
            last = query.value(0).toDouble();
        return true;
    });
    return last;
}

bool HistoryJournal::Open() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    // Another program holding the file locked must not hold up a reminder: give up at once.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    open_ = db.open();
    if (!open_)
        ReportOnce(Trouble::CannotWrite, FailureText(db.lastError()));
    return open_;
}

void HistoryJournal::Close() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
}

bool HistoryJournal::Prepare(QSqlQuery& query) {
    // A file with tables of its own but not this program's mark is some other database.
    if (!Exec(query, QStringLiteral("PRAGMA application_id")) || !query.next())
        return false;
    const int id = query.value(0).toInt();
    if (id != ApplicationId) {
        if (!Exec(query, QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !query.next())
            return false;
        if (id != 0 || query.value(0).toInt() != 0) {
            foreign_ = true;
            return false;
        }
        if (!Exec(query, QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId)) ||
            !Exec(query, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)))
            return false;
    }
    // Write-ahead logging with normal syncing: a record costs no flush to the disk, and a
    // crash of the program loses nothing; a power cut may lose the last records.
    return Exec(query, QStringLiteral("PRAGMA journal_mode = WAL")) &&
           Exec(query, QStringLiteral("PRAGMA synchronous = NORMAL")) &&
           Exec(query, QStringLiteral("CREATE TABLE IF NOT EXISTS entries ("
                                      "id INTEGER PRIMARY KEY, due REAL NOT NULL, "
                                      "shown REAL NOT NULL, answered REAL NOT NULL, "
                                      "list INTEGER NOT NULL, message TEXT NOT NULL, "
                                      "folded TEXT NOT NULL, outcome INTEGER NOT NULL, "
                                      "result INTEGER NOT NULL)")) &&
           Exec(query, QStringLiteral("CREATE INDEX IF NOT EXISTS entries_due ON entries (due)")) &&
           // When a reminder last fell due is asked for each one that missed something.
           Exec(query, QStringLiteral("CREATE INDEX IF NOT EXISTS entries_reminder ON entries "
                                      "(list, message, due)")) &&
           // Entries left open are few; closing them at each start need not read every entry.
           Exec(query, QStringLiteral("CREATE INDEX IF NOT EXISTS entries_open ON entries "
                                      "(outcome) WHERE outcome = %1")
                           .arg(static_cast<int>(HistoryOutcome::Open)));
}

bool HistoryJournal::CloseOpen(QSqlQuery& query, TDateTime at) {
    // The open outcome is written into the statement, as only then can the index of open
    // entries serve it.
    return PrepareAndBind(query,
                          QStringLiteral("UPDATE entries SET outcome = ?, answered = ? "
                                         "WHERE outcome = %1")
                              .arg(static_cast<int>(HistoryOutcome::Open)),
                          {static_cast<int>(HistoryOutcome::Unanswered), at}) &&
           query.exec();
}

bool HistoryJournal::Run(const std::function<bool(QSqlQuery&)>& step) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!Ready())
            return false;
        bool damaged = false;
        QString detail;
        {
            QSqlQuery query(QSqlDatabase::database(connection_, false));
            foreign_ = false;
            if (step(query))
                return true;
            damaged = foreign_ || Damaged(query);
            detail = FailureText(query.lastError());
        }
        if (!damaged || attempt > 0) {
            ReportOnce(Trouble::CannotWrite, detail);
            return false;
        }
        StartAfresh();
    }
    return false;
}

bool HistoryJournal::Damaged(const QSqlQuery& query) {
    const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

void HistoryJournal::StartAfresh() {
    // Copied before the connection closes, as closing may write the log into the file.
    const QString keptAs = DamagedPath();
    const QString log = path_ + QStringLiteral("-wal");
    const bool kept = CopyFile(path_, keptAs) &&
                      (!FileExists(log) || CopyFile(log, keptAs + QStringLiteral("-wal")));
    Close();
    if (!kept) {
        ReportOnce(Trouble::CannotWrite,
                   QCoreApplication::translate("HistoryJournal",
                                               "it is damaged and cannot be copied aside"));
        return;
    }
    // The log belongs to the damaged file: left behind, it would be replayed into the new one.
    RemoveFileIfPresent(path_);
    RemoveFileIfPresent(log);
    RemoveFileIfPresent(path_ + QStringLiteral("-shm"));
    FlushFolderOf(path_);
    ReportOnce(Trouble::Damaged, keptAs);
    if (!Open())
        return;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!Prepare(query))
        ReportOnce(Trouble::CannotWrite, FailureText(query.lastError()));
}

void HistoryJournal::ReportOnce(Trouble trouble, const QString& detail) {
    bool& reported = trouble == Trouble::Damaged ? reportedDamage_ : reportedWrite_;
    if (reported || !report_)
        return;
    reported = true;
    const QString path = QDir::toNativeSeparators(path_);
    if (trouble == Trouble::Damaged)
        report_(QCoreApplication::translate(
                    "HistoryJournal",
                    "The history of reminders in %1 was damaged. It is kept as %2, "
                    "and a new history has been started.")
                    .arg(path, QDir::toNativeSeparators(detail)));
    else
        report_(QCoreApplication::translate(
                    "HistoryJournal", "The history of reminders cannot be kept in %1 (%2).\n\nYour "
                                      "reminders are not affected: they fire and are answered as "
                                      "before, but what happens to them is not recorded while this "
                                      "lasts.")
                    .arg(path, detail.isEmpty()
                                   ? QCoreApplication::translate("HistoryJournal", "unknown error")
                                   : detail));
}

} // namespace nudgery
