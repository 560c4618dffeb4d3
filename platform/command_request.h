#pragma once
// A command from outside the program's window (the command line, the session bus) and its
// answer, the same whoever carries it out: the running copy of the program, or the command
// itself on the data file when no copy runs. Also their form on the single-instance
// channel: one line of JSON each way.

#include <QByteArray>
#include <QString>
#include <optional>

namespace nudgery {

struct CommandRequest {
    enum class Kind {
        AddOneTime,
        AddRepeating,
        List,
        Show,
        Quit,
        // What an import would add, without adding it.
        PreviewImport,
        Import,
        Export,
    };
    Kind kind = Kind::List;
    // The WHEN of AddOneTime, the RULE of AddRepeating, as typed.
    QString when;
    QString message;
    // A sound file's full path; empty for the preferences' default.
    QString sound;
    // An action's name; empty for the preferences' default.
    QString action;
    // List: as JSON rather than lines of text.
    bool json = false;
    // The calendar file of PreviewImport, Import and Export, by its full path.
    QString file;

    // A request of `kind` whose texts are still to be filled in.
    static CommandRequest Of(Kind kind) {
        CommandRequest request;
        request.kind = kind;
        return request;
    }
    bool operator==(const CommandRequest&) const = default;
};

struct CommandReply {
    // The exit codes of the command line.
    static constexpr int Done = 0;
    static constexpr int Failed = 1;
    static constexpr int BadInput = 2;

    int exitCode = Done;
    // For standard output: what was done, or what was asked for.
    QString output;
    // For standard error: why it was not done, one line.
    QString error;
    // PreviewImport: how many reminders the import would add.
    int count = 0;

    static CommandReply Fail(int exitCode, const QString& why) { return {exitCode, {}, why, 0}; }
    bool operator==(const CommandReply&) const = default;
};

// The request and the reply as one line each, ending in a newline; nothing for a line
// that is not one.
QByteArray EncodeRequest(const CommandRequest& request);
std::optional<CommandRequest> DecodeRequest(const QByteArray& line);
QByteArray EncodeReply(const CommandReply& reply);
std::optional<CommandReply> DecodeReply(const QByteArray& line);

// The kind's name on the channel and on the session bus: "AddOneTime", "List"...
QString KindName(CommandRequest::Kind kind);

} // namespace nudgery
