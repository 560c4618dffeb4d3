#pragma once
// A command's side of the talk with the running copy of the program: over the session bus
// when that copy owns the program's name there, otherwise over the single-instance claim's
// channel. Each waits for the answer only so long.
//
// The bus is spoken through libdbus itself, with a private connection and blocking calls:
// a command loads no more of Qt than its core, starts no thread, and reads a long reply
// (the listing of a thousand reminders) without an event loop in between.

#include "command_request.h"
#include "instance_claim.h"

#include <QString>

namespace nudgery {

struct CopyAnswer {
    using Outcome = ChannelAnswer::Outcome;
    Outcome outcome = Outcome::Unreachable;
    // When answered.
    CommandReply reply;
};

// Over the session bus (or the bus at `busAddress`), to the copy whose process is `holderPid`
// (the claim's holder): Unreachable when there is no bus, or the name is not that copy's (a
// copy of a program file by another name, or one still starting).
CopyAnswer AskOverBus(const CommandRequest& request, qint64 holderPid, int timeoutMs,
                      const QString& busAddress = {});

// Over the claim's channel at `socketPath`.
CopyAnswer AskOverClaimChannel(const CommandRequest& request, const QString& socketPath,
                               int timeoutMs);

} // namespace nudgery
