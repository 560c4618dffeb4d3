#pragma once
// The reminder data file on disk: read whole at load, replaced whole at save, with the
// file each save replaces kept as "<name>.bak" and a damaged file kept aside as
// "<name>.damaged" before anything can overwrite it.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>

namespace nudgery {

class Clock;
class ReminderListSink;
class TReminder;

// A save that failed; what() is the text for the user, and the previous file and its
// backup are intact.
class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a load found.
struct DataFileLoad {
    // Reminders added to both lists, a record read only in part included.
    std::size_t remindersRead = 0;
    // The file exists but could not be read to the end of both lists: cut, damaged, or
    // unreadable. Only then does the user need to hear of the load.
    bool damaged = false;
    // Where the damaged file's original is kept; empty when it could not be kept.
    QString keptAs;
    // For a damaged file: the reminders of the backup, when the backup loads whole.
    std::optional<std::size_t> backupReminders;

    // The backup may take the damaged file's place: it loads whole, and the damaged file
    // is kept aside, so that nothing is lost by restoring it.
    bool CanRestoreBackup() const {
        return damaged && !keptAs.isEmpty() && backupReminders.has_value();
    }
};

class DataFileStore {
public:
    explicit DataFileStore(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    // Beside the file the path names (a symbolic link's target).
    QString BackupPath() const;
    QString DamagedPath() const;

    // Fills the empty sink from the file. No file: nothing is added and nothing is
    // damaged. A damaged file gives what could be read before the damage, and its bytes
    // are copied to DamagedPath() first; when that name is taken by a different earlier
    // copy, the next free of "<name>.damaged.2", ".3", ... is used, and a copy with the
    // same bytes is not made twice. A file that cannot be read at all is moved there
    // instead, since it cannot be copied and must not be overwritten by the next save.
    // A folder in the file's place counts as damaged and stays where it is: no save can
    // replace it. For a damaged file the backup is read too, to tell whether it loads
    // whole. Never throws for a file that cannot be read or kept.
    DataFileLoad Load(ReminderListSink& sink, const Clock& clock) const;

    // Replaces the file with both lists: writes them into "<name>.new" and flushes it to
    // disk; copies the file it replaces into "<name>.bak.new", flushed too; then renames
    // the copy to BackupPath() and the new file to Path(). At every moment Path() is the
    // whole old or the whole new file, and a save killed part way leaves at most those
    // two fixed temporary names, which the next save replaces.
    // A file that does not load whole is not made the backup, so the backup stays the
    // last whole file: it is kept like a damaged file at load instead (no second copy when
    // the load kept it already). Lists that give the very bytes on disk write nothing.
    // Throws DataFileError with "Cannot create file <path>" when the new file cannot be
    // created or a folder has the file's name, "Stream write error" when it cannot be written, the
    // old file cannot be kept, or the files cannot be renamed; the data file and the backup are
    // then as they were.
    void Save(std::span<const TReminder* const> oneTime,
              std::span<const TReminder* const> repeating) const;

    // Puts the backup's bytes in the file's place, the way Save puts new lists there: a
    // damaged file is kept with the damaged copies first, a whole one becomes the backup.
    // Throws DataFileError when the backup no longer loads whole, and as Save does.
    void RestoreBackup() const;

private:
    // The file the name stands for: a symbolic link's target is updated, not replaced.
    QString ResolvedPath() const;
    // What Save does with the bytes of the file it writes.
    void Replace(std::span<const std::uint8_t> bytes) const;

    QString path_;
};

} // namespace nudgery
