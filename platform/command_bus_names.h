#pragma once
// The program's names on the session bus, which the running program serves and a command
// calls: one name for the bus name and the interface, the object's path, and the errors that
// tell a command line's exit codes apart.

#include "command_request.h"

#include <string_view>

namespace nudgery {

inline constexpr char BusName[] = "io.sourceforge.nudgery.Nudgery";
inline constexpr char BusPath[] = "/io/sourceforge/nudgery/Nudgery";
inline constexpr char BadInputError[] = "io.sourceforge.nudgery.Nudgery.Error.BadInput";
inline constexpr char FailedError[] = "io.sourceforge.nudgery.Nudgery.Error.Failed";

// An error's name on the bus, and the exit code a command line gives for it.
constexpr const char* ErrorNameOf(int exitCode) {
    return exitCode == CommandReply::BadInput ? BadInputError : FailedError;
}
constexpr int ExitCodeOfError(std::string_view errorName) {
    return errorName == BadInputError ? CommandReply::BadInput : CommandReply::Failed;
}

} // namespace nudgery
