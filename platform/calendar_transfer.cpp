#include "calendar_transfer.h"

#include "core/calendar_entry.h"
#include "core/clock.h"
#include "durable_file.h"
#include "ical/calendar_reader.h"
#include "ical/calendar_writer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

namespace nudgery {
namespace {

constexpr const char* Product = "-//Nudgery!//Nudgery!//EN";

std::string Text(const QString& text) {
    return text.toStdString();
}

CalendarFileError Refused(const QString& path, const std::string& why) {
    return CalendarFileError(
        Text(QCoreApplication::translate("CalendarTransfer", "%1 cannot be imported. ").arg(path)) +
        why);
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string SystemZoneName() {
    return QTimeZone::systemTimeZoneId().toStdString();
}

bool ReplaceFile(const QString& path, std::span<const std::uint8_t> bytes) {
    const QString temporary = path + QStringLiteral(".new");
    if (WriteFileFlushed(temporary, bytes, ExistingFileMode(path)) != FileWriteOutcome::Written)
        return false;
    if (!RenameOver(temporary, path)) {
        RemoveFileIfPresent(temporary);
        return false;
    }
    FlushFolderOf(path);
    return true;
}

std::size_t ExportCalendarFile(const QString& path, std::span<const TReminder* const> oneTime,
                               std::span<const TReminder* const> repeating, const Clock& clock) {
    const std::vector<CalendarEntry> entries = CalendarEntries(oneTime, repeating, clock.Today());
    const std::string text = ical::WriteCalendar(
        entries, {SystemZoneName(), QDateTime::currentSecsSinceEpoch(), Product});
    if (!ReplaceFile(path, BytesOf(text)))
        throw CalendarFileError(Text(
            QCoreApplication::translate("CalendarTransfer", "Cannot write the calendar file %1")
                .arg(path)));
    return entries.size();
}

ImportPlan PlanCalendarFileImport(const QString& path, const ImportContext& context) {
    const QFileInfo info(path);
    if (info.exists() && info.isFile() &&
        static_cast<std::size_t>(info.size()) > ical::MostCalendarBytes)
        throw Refused(path, Text(QCoreApplication::translate(
                                "CalendarTransfer", "It is too big for a calendar file.")));
    const FileRead file = ReadWholeFile(path);
    switch (file.outcome) {
    case FileRead::Outcome::Read:
        break;
    case FileRead::Outcome::Missing:
        throw Refused(
            path, Text(QCoreApplication::translate("CalendarTransfer", "There is no such file.")));
    case FileRead::Outcome::NotAFile:
        throw Refused(path, Text(QCoreApplication::translate("CalendarTransfer",
                                                             "It is a folder, not a file.")));
    case FileRead::Outcome::Unreadable:
        throw Refused(path,
                      Text(QCoreApplication::translate("CalendarTransfer", "It cannot be read.")));
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    const ical::CalendarRead read = ical::ReadCalendar(text, {SystemZoneName(), context.now});
    if (!read.error.empty())
        throw Refused(path, read.error);
    return PlanImport(read.items, context);
}

QString ImportMemoryPath(const QString& dataFilePath) {
    return QFileInfo(dataFilePath).dir().filePath(QStringLiteral("Nudgery.imports"));
}

ImportMemory LoadImportMemory(const QString& path) {
    const FileRead file = ReadWholeFile(path);
    if (file.outcome != FileRead::Outcome::Read)
        return {};
    return ImportMemory::FromText(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
}

void RememberImport(const QString& path, const ImportPlan& plan) {
    ImportMemory memory = LoadImportMemory(path);
    for (const PlannedReminder& planned : plan.reminders)
        memory.Add(planned.key);
    if (!ReplaceFile(path, BytesOf(memory.Text())))
        throw CalendarFileError(
            Text(QCoreApplication::translate(
                     "CalendarTransfer",
                     "The reminders were added, but the memory of imports %1 cannot be "
                     "written, so a later import of the same file may add them again.")
                     .arg(path)));
}

} // namespace nudgery
