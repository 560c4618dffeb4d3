#include "DataFileCommands.h"

#include "ListCommands.h"
#include "Settings.h"
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "platform/profile_file.h"

namespace nudgery {

CommandReply CarryOnDataFile(const CommandRequest& request,
                             const DataFileCommandServices& services) {
    const Settings settings = ReadSettings(ProfileFile(SettingsFileName(services.programFolder)));
    DateFormats formats;
    formats.SaveUserDateFormats(services.user);
    formats.UseInternalDateFormats();

    const DataFileStore store(services.programFolder + QStringLiteral("Nudgery.dat"));
    ReminderLists lists;
    lists.keepStoredStatus = ChangesLists(request.kind);
    if (store.Load(lists, services.clock).damaged)
        return CommandReply::Fail(
            CommandReply::Failed,
            QStringLiteral("The reminders in %1 cannot all be read, so nothing was done: start "
                           "the program to see what it could read.")
                .arg(store.Path()));

    ReminderRows oneTime(lists.oneTime);
    ReminderRows repeating(lists.repeating);
    const auto save = [&] {
        store.Save(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
    };
    return ListCommands(oneTime, repeating,
                        {services.clock, formats, services.user, services.offsetAt, settings,
                         store.Path(), save})
        .Carry(request);
}

} // namespace nudgery
