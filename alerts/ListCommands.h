#pragma once
// The commands from outside that read and change the two reminder lists: add a reminder,
// list them, import a calendar file, export one. The same whoever carries them out: the
// running copy of the program on its window's lists, or a command on lists it loaded from
// the data file when no copy runs. Each change is saved at once; a change that cannot be
// saved is taken back.

#include "core/date_formats.h"
#include "core/elapsed_time.h"
#include "platform/command_request.h"

#include <QString>
#include <functional>

namespace nudgery {

class Clock;
class ReminderList;
struct Settings;

struct ListCommandServices {
    const Clock& clock;
    // The list texts, as the window shows them.
    const DateFormats& formats;
    // The user's own conventions, in which times and dates are typed.
    const RegionalSettings& user;
    const UtcOffsetAt& offsetAt;
    // Their defaults go to new reminders.
    const Settings& settings;
    // The memory of imports lives beside it.
    QString dataFilePath;
    // Writes both lists; throws (std::exception) when they cannot be written.
    std::function<void()> save;
};

class ListCommands {
public:
    ListCommands(ReminderList& oneTime, ReminderList& repeating, ListCommandServices services);

    // Carries out AddOneTime, AddRepeating, List, PreviewImport, Import and Export; anything
    // else is not a list's and fails.
    CommandReply Carry(const CommandRequest& request);

private:
    CommandReply Add(const CommandRequest& request);
    CommandReply List(bool json) const;
    CommandReply Import(const QString& calendarPath, bool agreed);
    CommandReply Export(const QString& calendarPath) const;

    ReminderList& oneTime_;
    ReminderList& repeating_;
    ListCommandServices services_;
};

// Whether a command changes the lists, and so needs the one writer.
bool ChangesLists(CommandRequest::Kind kind);

} // namespace nudgery
