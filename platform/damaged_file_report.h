#pragma once
// What the user is told of a data file that did not load whole: how much of it was read,
// where it is kept, and what the backup holds, with the offer to restore it when that
// loses nothing.

#include <QString>

namespace nudgery {

class DataFileStore;
struct DataFileLoad;

struct DamagedFileReport {
    QString text;
    // The text ends in a question: Yes restores the backup (DataFileStore::RestoreBackup).
    bool asksToRestore = false;
};

DamagedFileReport ReportDamagedFile(const DataFileStore& store, const DataFileLoad& load);

} // namespace nudgery
