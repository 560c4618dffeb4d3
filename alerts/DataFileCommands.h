#pragma once
// The commands from outside carried out on the data file itself, when no copy of the
// program runs: the lists are loaded for the one command and, for a change, saved again
// crash-safely with the backup, as the program saves them. The caller holds the
// single-instance claim meanwhile, so that no copy starts in between.

#include "core/date_formats.h"
#include "core/elapsed_time.h"
#include "platform/command_request.h"

#include <QString>

namespace nudgery {

class Clock;

struct DataFileCommandServices {
    const Clock& clock;
    const RegionalSettings& user;
    const UtcOffsetAt& offsetAt;
    // Holds the data file and the settings file; ends in a path separator.
    QString programFolder;
};

// Carries out a command on the lists (ListCommands). A data file that cannot be read whole
// is left as it is: the program, started, shows what it could read and offers the backup.
CommandReply CarryOnDataFile(const CommandRequest& request,
                             const DataFileCommandServices& services);

} // namespace nudgery
