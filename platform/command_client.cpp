#include "command_client.h"

#include "command_bus_names.h"
#include "descriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dbus/dbus.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <vector>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;
using Outcome = CopyAnswer::Outcome;

struct CloseConnection {
    void operator()(DBusConnection* connection) const {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
};
struct UnrefMessage {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using Connection = std::unique_ptr<DBusConnection, CloseConnection>;
using Message = std::unique_ptr<DBusMessage, UnrefMessage>;

class Error {
public:
    Error() { dbus_error_init(&error_); }
    ~Error() { dbus_error_free(&error_); }
    Error(const Error&) = delete;
    Error& operator=(const Error&) = delete;

    DBusError* get() { return &error_; }

private:
    DBusError error_;
};

// A connection of this command's own, registered on the bus; none when there is no bus.
Connection Connect(const QString& busAddress) {
    Error error;
    Connection connection;
    if (busAddress.isEmpty()) {
        connection.reset(dbus_bus_get_private(DBUS_BUS_SESSION, error.get()));
    } else {
        connection.reset(
            dbus_connection_open_private(busAddress.toUtf8().constData(), error.get()));
        if (connection && !dbus_bus_register(connection.get(), error.get()))
            connection.reset();
    }
    // A lost bus ends the call, not the program.
    if (connection)
        dbus_connection_set_exit_on_disconnect(connection.get(), FALSE);
    return connection;
}

// The process that owns the program's name; 0 when none does.
dbus_uint32_t OwnerPid(DBusConnection* connection, int timeoutMs) {
    const Message call(dbus_message_new_method_call(
        DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "GetConnectionUnixProcessID"));
    const char* name = BusName;
    if (!call || !dbus_message_append_args(call.get(), DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID))
        return 0;
    Error error;
    const Message reply(
        dbus_connection_send_with_reply_and_block(connection, call.get(), timeoutMs, error.get()));
    dbus_uint32_t pid = 0;
    if (!reply ||
        !dbus_message_get_args(reply.get(), error.get(), DBUS_TYPE_UINT32, &pid, DBUS_TYPE_INVALID))
        return 0;
    return pid;
}

// The method's arguments, as UTF-8 strings kept alive for the call, or its one flag.
struct Arguments {
    std::vector<QByteArray> texts;
    dbus_bool_t flag = FALSE;
    bool hasFlag = false;
};

Arguments ArgumentsOf(const CommandRequest& request) {
    switch (request.kind) {
    case Kind::AddOneTime:
    case Kind::AddRepeating:
        return {{request.when.toUtf8(), request.message.toUtf8(), request.sound.toUtf8(),
                 request.action.toUtf8()}};
    case Kind::List:
        return {{}, static_cast<dbus_bool_t>(request.json), true};
    case Kind::PreviewImport:
    case Kind::Import:
    case Kind::Export:
        return {{request.file.toUtf8()}};
    case Kind::Show:
    case Kind::Quit:
        break;
    }
    return {};
}

Message CallOf(const CommandRequest& request, const Arguments& arguments) {
    Message call(dbus_message_new_method_call(BusName, BusPath, BusName,
                                              KindName(request.kind).toLatin1().constData()));
    if (!call)
        return {};
    DBusMessageIter in;
    dbus_message_iter_init_append(call.get(), &in);
    for (const QByteArray& text : arguments.texts) {
        const char* bytes = text.constData();
        if (!dbus_message_iter_append_basic(&in, DBUS_TYPE_STRING, &bytes))
            return {};
    }
    if (arguments.hasFlag &&
        !dbus_message_iter_append_basic(&in, DBUS_TYPE_BOOLEAN, &arguments.flag))
        return {};
    return call;
}

// A method's reply: the text to print, and for PreviewImport the count after it.
CommandReply ReplyOf(DBusMessage* reply) {
    CommandReply answer;
    DBusMessageIter out;
    if (!dbus_message_iter_init(reply, &out))
        return answer;
    if (dbus_message_iter_get_arg_type(&out) == DBUS_TYPE_STRING) {
        const char* text = nullptr;
        dbus_message_iter_get_basic(&out, &text);
        answer.output = QString::fromUtf8(text);
        dbus_message_iter_next(&out);
    }
    if (dbus_message_iter_get_arg_type(&out) == DBUS_TYPE_INT32) {
        dbus_int32_t count = 0;
        dbus_message_iter_get_basic(&out, &count);
        answer.count = count;
    }
    return answer;
}

// What a call came to: the reply, or the error's name and message.
struct CallResult {
    Message reply;
    std::string error;
    QString message;
};

CallResult Call(DBusConnection* connection, DBusMessage* call, int timeoutMs) {
    Error error;
    Message reply(
        dbus_connection_send_with_reply_and_block(connection, call, timeoutMs, error.get()));
    if (reply)
        return {std::move(reply), {}, {}};
    return {
        {}, error.get()->name ? error.get()->name : "", QString::fromUtf8(error.get()->message)};
}

CopyAnswer AnswerOf(const CallResult& result, CommandReply reply) {
    if (result.reply)
        return {Outcome::Answered, std::move(reply)};
    // The program's own errors: bad input, or a failure, with the reason.
    if (std::string_view(result.error).starts_with(std::string(BusName) + '.'))
        return {Outcome::Answered,
                CommandReply::Fail(ExitCodeOfError(result.error), result.message)};
    // The copy left the bus between the look-up and the call: ask again from the start.
    if (result.error == DBUS_ERROR_SERVICE_UNKNOWN)
        return {};
    return {Outcome::NoAnswer, {}};
}

// The whole of a file from its start; none when it cannot be read.
std::optional<QByteArray> ReadWhole(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t read =
            ::pread(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done),
                    static_cast<off_t>(done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return std::nullopt;
        done += read;
    }
    return bytes;
}

// The listing written by the copy into a file in memory this command passes it: a long
// listing then crosses no bus daemon, which reads 2 KiB at a time. None where the bus passes
// no file descriptors or the copy has no ListInto; the listing then comes on the bus.
std::optional<CopyAnswer> AskForListingInFile(DBusConnection* connection,
                                              const CommandRequest& request, int timeoutMs) {
    if (!dbus_connection_can_send_type(connection, DBUS_TYPE_UNIX_FD))
        return std::nullopt;
    const Descriptor memory(::memfd_create("nudgery-listing", MFD_CLOEXEC));
    const Message call(dbus_message_new_method_call(BusName, BusPath, BusName, "ListInto"));
    const int fd = memory.get();
    const dbus_bool_t json = request.json;
    if (!memory.valid() || !call ||
        !dbus_message_append_args(call.get(), DBUS_TYPE_UNIX_FD, &fd, DBUS_TYPE_BOOLEAN, &json,
                                  DBUS_TYPE_INVALID))
        return std::nullopt;
    const CallResult result = Call(connection, call.get(), timeoutMs);
    if (result.error == DBUS_ERROR_UNKNOWN_METHOD)
        return std::nullopt;
    if (!result.reply)
        return AnswerOf(result, {});
    const std::optional<QByteArray> listing = ReadWhole(fd);
    if (!listing)
        return CopyAnswer{
            Outcome::Answered,
            CommandReply::Fail(CommandReply::Failed,
                               QStringLiteral("The listing cannot be read: %1.")
                                   .arg(QString::fromLocal8Bit(std::strerror(errno))))};
    return AnswerOf(result, {CommandReply::Done, QString::fromUtf8(*listing), {}, 0});
}

} // namespace

CopyAnswer AskOverBus(const CommandRequest& request, qint64 holderPid, int timeoutMs,
                      const QString& busAddress) {
    // No time left is the least time there is, not libdbus's default.
    timeoutMs = std::max(timeoutMs, 1);
    const Connection connection = Connect(busAddress);
    if (!connection || OwnerPid(connection.get(), timeoutMs) != holderPid)
        return {};
    if (request.kind == Kind::List)
        if (std::optional<CopyAnswer> answer =
                AskForListingInFile(connection.get(), request, timeoutMs))
            return std::move(*answer);
    const Arguments arguments = ArgumentsOf(request);
    const Message call = CallOf(request, arguments);
    if (!call)
        return {};
    const CallResult result = Call(connection.get(), call.get(), timeoutMs);
    return AnswerOf(result, result.reply ? ReplyOf(result.reply.get()) : CommandReply());
}

CopyAnswer AskOverClaimChannel(const CommandRequest& request, const QString& socketPath,
                               int timeoutMs) {
    const ChannelAnswer answer = AskOverChannel(socketPath, EncodeRequest(request), timeoutMs);
    if (answer.outcome != Outcome::Answered)
        return {answer.outcome, {}};
    if (const std::optional<CommandReply> reply = DecodeReply(answer.reply))
        return {Outcome::Answered, *reply};
    return {Outcome::HungUp, {}};
}

} // namespace nudgery
