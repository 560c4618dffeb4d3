#include "data_file_store.h"

#include "core/clock.h"
#include "core/data_file.h"
#include "core/reminder.h"
#include "durable_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace nudgery {
namespace {

// More damaged copies than this side by side mean something else is wrong; the file is
// then left where it is rather than searched further.
constexpr int MaxDamagedCopies = 1000;

QString TemporaryPathFor(const QString& path) {
    return path + QStringLiteral(".new");
}

// Passes the loaded reminders on and counts them.
class CountingSink final : public ReminderListSink {
public:
    explicit CountingSink(ReminderListSink& sink) : sink_(sink) {}

    TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
        ++count_;
        return sink_.AddOneTime(std::move(reminder));
    }
    TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
        ++count_;
        return sink_.AddRepeating(std::move(reminder));
    }
    void RepeatingLoaded(TReminder& reminder) override { sink_.RepeatingLoaded(reminder); }
    void OneTimeLoaded(TReminder& reminder, std::uint8_t storedStatus) override {
        sink_.OneTimeLoaded(reminder, storedStatus);
    }

    std::size_t Count() const { return count_; }

private:
    ReminderListSink& sink_;
    std::size_t count_ = 0;
};

// Reads each record into one scratch reminder: enough to tell whether a file loads whole.
class DiscardingSink final : public ReminderListSink {
public:
    TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
        return Keep(std::move(reminder));
    }
    TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
        return Keep(std::move(reminder));
    }
    void RepeatingLoaded(TReminder&) override {}

private:
    TReminder& Keep(std::unique_ptr<TReminder> reminder) {
        scratch_ = std::move(reminder);
        return *scratch_;
    }
    std::unique_ptr<TReminder> scratch_;
};

DataFileError CannotCreate(const QString& path) {
    return DataFileError(QCoreApplication::translate("DataFileStore", "Cannot create file %1")
                             .arg(path)
                             .toStdString());
}

// How many reminders the bytes hold when they load whole.
std::optional<std::size_t> RemindersOfWholeFile(std::span<const std::uint8_t> bytes) {
    DiscardingSink discarding;
    CountingSink counting(discarding);
    // The statuses are thrown away with the reminders, so any day will do.
    if (!DecodeDataFile(bytes, counting, SettableClock()))
        return std::nullopt;
    return counting.Count();
}

bool LoadsWhole(std::span<const std::uint8_t> bytes) {
    return RemindersOfWholeFile(bytes).has_value();
}

std::optional<std::size_t> RemindersOfWholeFileAt(const QString& path) {
    const FileRead file = ReadWholeFile(path);
    if (file.outcome != FileRead::Outcome::Read)
        return std::nullopt;
    return RemindersOfWholeFile(file.bytes);
}

QString DamagedCopyPath(const QString& damagedPath, int number) {
    return number == 1 ? damagedPath : damagedPath + QStringLiteral(".%1").arg(number);
}

// Writes the original's bytes to `copy` through a temporary file, so the name never
// holds a part; the copy is as private as the original.
bool WriteCopy(const QString& original, std::span<const std::uint8_t> bytes, const QString& copy) {
    const QString temporary = TemporaryPathFor(copy);
    if (WriteFileFlushed(temporary, bytes, ExistingFileMode(original)) != FileWriteOutcome::Written)
        return false;
    if (RenameOver(temporary, copy))
        return true;
    RemoveFileIfPresent(temporary);
    return false;
}

// Keeps the damaged file at the first free numbered name, or finds the copy an earlier
// load made of the same bytes. A file whose bytes could not be read is moved there.
// Returns where it is kept, or nothing when it could not be kept.
QString KeepDamaged(const QString& path, const QString& damagedPath, const FileRead& original) {
    const bool readWhole = original.outcome == FileRead::Outcome::Read;
    for (int number = 1; number <= MaxDamagedCopies; ++number) {
        const QString candidate = DamagedCopyPath(damagedPath, number);
        if (FileExists(candidate)) {
            if (readWhole) {
                const FileRead earlier = ReadWholeFile(candidate);
                if (earlier.outcome == FileRead::Outcome::Read && earlier.bytes == original.bytes)
                    return candidate;
            }
            continue;
        }
        const bool kept =
            readWhole ? WriteCopy(path, original.bytes, candidate) : RenameOver(path, candidate);
        if (!kept)
            return {};
        FlushFolderOf(candidate);
        return candidate;
    }
    return {};
}

} // namespace

QString DataFileStore::ResolvedPath() const {
    const QFileInfo info(path_);
    return info.isSymLink() ? info.symLinkTarget() : path_;
}

QString DataFileStore::BackupPath() const {
    return ResolvedPath() + QStringLiteral(".bak");
}

QString DataFileStore::DamagedPath() const {
    return ResolvedPath() + QStringLiteral(".damaged");
}

DataFileLoad DataFileStore::Load(ReminderListSink& sink, const Clock& clock) const {
    const QString path = ResolvedPath();
    const FileRead file = ReadWholeFile(path);
    DataFileLoad result;
    if (file.outcome == FileRead::Outcome::Missing)
        return result;
    // A folder in the file's place holds no reminders, and no save can overwrite it.
    if (file.outcome == FileRead::Outcome::NotAFile) {
        result.damaged = true;
        result.backupReminders = RemindersOfWholeFileAt(BackupPath());
        return result;
    }

    // A read error part way gives the bytes read so far, which load like a cut file.
    CountingSink counting(sink);
    const bool whole = DecodeDataFile(file.bytes, counting, clock);
    result.remindersRead = counting.Count();
    if (whole && file.outcome == FileRead::Outcome::Read)
        return result;

    result.damaged = true;
    result.keptAs = KeepDamaged(path, DamagedPath(), file);
    result.backupReminders = RemindersOfWholeFileAt(BackupPath());
    return result;
}

void DataFileStore::Save(std::span<const TReminder* const> oneTime,
                         std::span<const TReminder* const> repeating) const {
    Replace(EncodeDataFile(oneTime, repeating));
}

void DataFileStore::RestoreBackup() const {
    const FileRead backup = ReadWholeFile(BackupPath());
    if (backup.outcome != FileRead::Outcome::Read || !LoadsWhole(backup.bytes))
        throw DataFileError(
            QCoreApplication::translate("DataFileStore",
                                        "The backup %1 cannot be read whole, so it was not "
                                        "restored.")
                .arg(BackupPath())
                .toStdString());
    Replace(backup.bytes);
}

void DataFileStore::Replace(std::span<const std::uint8_t> bytes) const {
    const QString path = ResolvedPath();
    const QString newPath = TemporaryPathFor(path);
    const QString backupPath = BackupPath();
    const QString newBackupPath = TemporaryPathFor(backupPath);
    const FileRead old = ReadWholeFile(path);
    if (old.outcome == FileRead::Outcome::NotAFile)
        throw CannotCreate(path_);
    // Nothing to change: the backup stays one real change back, also across the save at
    // the program's end. What an interrupted save left goes all the same.
    if (old.outcome == FileRead::Outcome::Read && std::ranges::equal(old.bytes, bytes)) {
        RemoveFileIfPresent(newBackupPath);
        RemoveFileIfPresent(newPath);
        return;
    }

    // The new file gets the permissions of the one it replaces, and so does the backup.
    const std::optional<mode_t> mode = ExistingFileMode(path);
    switch (WriteFileFlushed(newPath, bytes, mode)) {
    case FileWriteOutcome::Written:
        break;
    case FileWriteOutcome::CannotCreate:
        throw CannotCreate(path_);
    case FileWriteOutcome::WriteFailed:
        throw DataFileError("Stream write error");
    }

    // Only now that the new file is whole on disk does the old one move aside; the data
    // file itself is replaced last, in one step. A damaged old file is kept with the
    // damaged copies instead, so that the backup stays the last file that loaded whole.
    bool committed = false;
    if (old.outcome == FileRead::Outcome::Missing) {
        committed = RenameOver(newPath, path);
    } else if (old.outcome == FileRead::Outcome::Read && LoadsWhole(old.bytes)) {
        committed = WriteFileFlushed(newBackupPath, old.bytes, mode) == FileWriteOutcome::Written &&
                    RenameOver(newBackupPath, backupPath) && RenameOver(newPath, path);
    } else {
        committed = !KeepDamaged(path, DamagedPath(), old).isEmpty() && RenameOver(newPath, path);
    }
    if (!committed) {
        RemoveFileIfPresent(newBackupPath);
        RemoveFileIfPresent(newPath);
        throw DataFileError("Stream write error");
    }
    FlushFolderOf(path);
}

} // namespace nudgery
