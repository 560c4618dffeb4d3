#pragma once
// The reminder data file on disk: read whole at load, replaced whole at save.

#include <QString>
#include <span>
#include <stdexcept>

namespace nudgery {

class Clock;
class ReminderListSink;
class TReminder;

// A save that failed; what() is the text for the user, and the previous file is intact.
class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DataFileStore {
public:
    explicit DataFileStore(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }

    // Fills the empty sink from the file. No file, or one that cannot be opened: nothing
    // is added. A damaged file gives what could be read before the damage. Never
    // reports a failure: a damaged data file is not the user's concern at load.
    void Load(ReminderListSink& sink, const Clock& clock) const;

    // Writes both lists into a new file beside the old one and puts it in the old one's
    // place only once it is complete and flushed to disk, so a crash or a full disk
    // never loses the reminders saved before. Throws DataFileError with
    // "Cannot create file <path>" when the file cannot be created, "Stream write error"
    // when the data cannot be written or committed.
    void Save(std::span<const TReminder* const> oneTime,
              std::span<const TReminder* const> repeating) const;

private:
    QString path_;
};

} // namespace nudgery
