#include "damaged_file_report.h"

#include "data_file_store.h"

#include <QCoreApplication>

namespace nudgery {
namespace {

QString Reminders(std::size_t count) {
    if (count == 0)
        return QCoreApplication::translate("DamagedFileReport", "no reminders");
    if (count == 1)
        return QCoreApplication::translate("DamagedFileReport", "1 reminder");
    return QCoreApplication::translate("DamagedFileReport", "%1 reminders")
        .arg(static_cast<qulonglong>(count));
}

QString WhatWasRead(std::size_t count) {
    if (count == 0)
        return QCoreApplication::translate("DamagedFileReport",
                                           "No reminders could be read from it.");
    if (count == 1)
        return QCoreApplication::translate("DamagedFileReport",
                                           "1 reminder could be read from it; it is in the lists.");
    return QCoreApplication::translate("DamagedFileReport",
                                       "%1 reminders could be read from it; they are in the lists.")
        .arg(static_cast<qulonglong>(count));
}

QString WhereItIsKept(const QString& keptAs) {
    if (keptAs.isEmpty())
        return QCoreApplication::translate(
            "DamagedFileReport", "The file could not be copied aside, so it is left as it is, and "
                                 "changes cannot be saved until it is moved away.");
    return QCoreApplication::translate("DamagedFileReport",
                                       "The file as it was found is kept as %1.")
        .arg(keptAs);
}

} // namespace

DamagedFileReport ReportDamagedFile(const DataFileStore& store, const DataFileLoad& load) {
    DamagedFileReport report;
    report.text =
        QCoreApplication::translate("DamagedFileReport",
                                    "The data file %1 is damaged or cut short.\n\n%2\n\n%3")
            .arg(store.Path(), WhatWasRead(load.remindersRead), WhereItIsKept(load.keptAs));
    if (!load.backupReminders)
        return report;
    report.text +=
        QCoreApplication::translate("DamagedFileReport",
                                    "\n\nThe backup %1 holds the last data file that loaded whole, "
                                    "with %2.")
            .arg(store.BackupPath(), Reminders(*load.backupReminders));
    report.asksToRestore = load.CanRestoreBackup();
    if (report.asksToRestore)
        report.text += QCoreApplication::translate(
            "DamagedFileReport", " Restore it? Its reminders then take the place of those "
                                 "in the lists; the damaged file stays kept either way.");
    return report;
}

} // namespace nudgery
