#pragma once
// A command's side of the talk with the running copy of the program: over the session bus
// when that copy owns the program's name there, otherwise over the single-instance claim's
// channel. Each waits for the answer only so long.

#include "command_request.h"
#include "instance_claim.h"

#include <QDBusConnection>
#include <QString>

namespace nudgery {

struct CopyAnswer {
    using Outcome = ChannelAnswer::Outcome;
    Outcome outcome = Outcome::Unreachable;
    // When answered.
    CommandReply reply;
};

// Over `bus` (the session bus), to the copy whose process is `holderPid` (the claim's holder):
// Unreachable when there is no bus, or the name is not that copy's (a copy of a program file
// by another name, or one still starting).
CopyAnswer AskOverBus(const QDBusConnection& bus, const CommandRequest& request, qint64 holderPid,
                      int timeoutMs);

// Over the claim's channel at `socketPath`.
CopyAnswer AskOverClaimChannel(const CommandRequest& request, const QString& socketPath,
                               int timeoutMs);

} // namespace nudgery
