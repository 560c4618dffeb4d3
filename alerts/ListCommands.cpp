#include "ListCommands.h"

#include "ReminderListing.h"
#include "Settings.h"
#include "core/new_reminder.h"
#include "core/reminder_list.h"
#include "core/rule_text.h"
#include "platform/calendar_data_file.h"
#include "platform/calendar_transfer.h"

#include <QFile>
#include <QFileInfo>
#include <exception>
#include <memory>
#include <string_view>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

QString Text(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsFile(const std::string& path) {
    return QFileInfo(QFile::decodeName(path.c_str())).isFile();
}

QString Reminders(std::size_t count) {
    return count == 1 ? QStringLiteral("1 reminder") : QStringLiteral("%1 reminders").arg(count);
}

// What was added, in the words the list shows it in.
QString AddedText(const TReminder& added, ListKind list, const DateFormats& formats,
                  const Clock& clock) {
    const QString message = Text(added.Description);
    const QString when = Text(added.WhenText(formats, clock));
    if (list == ListKind::OneTime)
        return QStringLiteral("Added \"%1\", due %2.\n").arg(message, when);
    const QString rule = Text(DescribeRule(RepeatRuleOf(added)));
    return when.isEmpty() ? QStringLiteral("Added \"%1\", %2; not due today.\n").arg(message, rule)
                          : QStringLiteral("Added \"%1\", %2; next %3.\n").arg(message, rule, when);
}

} // namespace

bool ChangesLists(Kind kind) {
    return kind == Kind::AddOneTime || kind == Kind::AddRepeating || kind == Kind::Import;
}

ListCommands::ListCommands(ReminderList& oneTime, ReminderList& repeating,
                           ListCommandServices services)
    : oneTime_(oneTime), repeating_(repeating), services_(std::move(services)) {}

CommandReply ListCommands::Carry(const CommandRequest& request) {
    switch (request.kind) {
    case Kind::AddOneTime:
    case Kind::AddRepeating:
        return Add(request);
    case Kind::List:
        return List(request.json);
    case Kind::PreviewImport:
        return Import(request.file, false);
    case Kind::Import:
        return Import(request.file, true);
    case Kind::Export:
        return Export(request.file);
    case Kind::Show:
    case Kind::Quit:
        break;
    }
    return CommandReply::Fail(CommandReply::Failed, QStringLiteral("not a command on the lists"));
}

CommandReply ListCommands::Add(const CommandRequest& request) {
    const ListKind kind =
        request.kind == Kind::AddOneTime ? ListKind::OneTime : ListKind::Repeating;
    const Settings& settings = services_.settings;
    const NewReminderContext context{
        services_.clock,
        services_.user,
        services_.offsetAt,
        {static_cast<std::uint8_t>(settings.DefaultEventType), settings.DefaultSoundFile},
        IsFile};
    const ReadResult<TReminder> made = NewReminder(kind,
                                                   {request.when.toLocal8Bit().toStdString(),
                                                    request.message.toLocal8Bit().toStdString(),
                                                    QFile::encodeName(request.sound).toStdString(),
                                                    request.action.toLocal8Bit().toStdString()},
                                                   context);
    if (!made.Ok())
        return CommandReply::Fail(CommandReply::BadInput, Text(made.Error()));

    ReminderList& list = kind == ListKind::OneTime ? oneTime_ : repeating_;
    const int index = list.Add(std::make_unique<TReminder>(made.Value()), kind, services_.clock);
    const TReminder& added = *std::as_const(list).At(index);
    // The reply tells of the reminder as it stands once saved.
    const QString text = AddedText(added, kind, services_.formats, services_.clock);
    try {
        services_.save();
    } catch (const std::exception& error) {
        list.Remove(list.IndexOf(&added));
        list.Changed();
        return CommandReply::Fail(CommandReply::Failed, Text(error.what()));
    }
    return {CommandReply::Done, text, {}, 0};
}

CommandReply ListCommands::List(bool json) const {
    const auto oneTime = KeptReminders(oneTime_);
    const auto repeating = KeptReminders(repeating_);
    return {CommandReply::Done,
            json ? ListingJson(oneTime, repeating)
                 : ListingText(oneTime, repeating, services_.formats, services_.clock),
            {},
            0};
}

CommandReply ListCommands::Import(const QString& calendarPath, bool agreed) {
    const Settings& settings = services_.settings;
    const ImportDefaults defaults{static_cast<std::uint8_t>(settings.DefaultEventType),
                                  settings.DefaultSoundFile};
    DataFileImport result;
    try {
        result = ImportCalendarIntoLists(
            calendarPath, oneTime_, repeating_, services_.dataFilePath, defaults, services_.clock,
            [agreed](const ImportPlan&) { return agreed; }, services_.save);
    } catch (const CalendarFileError& error) {
        return CommandReply::Fail(CommandReply::BadInput, Text(error.what()));
    } catch (const std::exception& error) {
        return CommandReply::Fail(CommandReply::Failed, Text(error.what()));
    }
    const int count = static_cast<int>(result.plan.reminders.size());
    if (!agreed)
        return {CommandReply::Done,
                ImportPlanText(result.plan, calendarPath, services_.formats),
                {},
                count};
    if (!result.added)
        return {CommandReply::Done, QStringLiteral("Nothing was added.\n"), {}, 0};
    return {CommandReply::Done,
            QStringLiteral("Added %1 from %2.\n")
                .arg(Reminders(result.plan.reminders.size()), calendarPath),
            result.memoryError, count};
}

CommandReply ListCommands::Export(const QString& calendarPath) const {
    try {
        const std::size_t written = ExportCalendarFile(calendarPath, KeptReminders(oneTime_),
                                                       KeptReminders(repeating_), services_.clock);
        return {CommandReply::Done,
                QStringLiteral("%1 written to %2.\n").arg(Reminders(written), calendarPath),
                {},
                0};
    } catch (const CalendarFileError& error) {
        return CommandReply::Fail(CommandReply::Failed, Text(error.what()));
    }
}

} // namespace nudgery
