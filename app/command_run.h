#pragma once
// A command from the command line carried out with one writer of the data file: by the
// running copy of the program when there is one, over the session bus or the claim's
// channel; otherwise by this process on the data file, holding the single-instance claim
// meanwhile so that no copy starts in between. A copy that does not answer in time is given
// up on with a clear error.

#include "app/command_line.h"

#include <QString>

namespace nudgery {

struct CommandOutcome {
    // --show found no copy running: this process starts the window itself.
    bool startWindow = false;
    int exitCode = 0;
};

// Carries out `options.command`, printing what it gives; needs the application object.
// `programPath`: argument 0, which names the claim.
CommandOutcome RunCommand(const RunOptions& options, const QString& programPath);

} // namespace nudgery
