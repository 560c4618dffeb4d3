#include "command_client.h"

#include "command_bus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;
using Outcome = CopyAnswer::Outcome;

QVariantList ArgumentsOf(const CommandRequest& request) {
    switch (request.kind) {
    case Kind::AddOneTime:
    case Kind::AddRepeating:
        return {request.when, request.message, request.sound, request.action};
    case Kind::List:
        return {request.json};
    case Kind::PreviewImport:
    case Kind::Import:
    case Kind::Export:
        return {request.file};
    case Kind::Show:
    case Kind::Quit:
        break;
    }
    return {};
}

} // namespace

CopyAnswer AskOverBus(const QDBusConnection& bus, const CommandRequest& request, qint64 holderPid,
                      int timeoutMs) {
    if (!bus.isConnected() || !bus.interface())
        return {};
    const QString name = CommandBus::InterfaceName();
    const QDBusReply<uint> owner = bus.interface()->servicePid(name);
    if (!owner.isValid() || owner.value() != holderPid)
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(name, QString::fromLatin1(BusPath), name,
                                                       KindName(request.kind));
    call.setArguments(ArgumentsOf(request));
    const QDBusMessage answer = bus.call(call, QDBus::Block, timeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) {
        const QVariantList values = answer.arguments();
        return {Outcome::Answered,
                {CommandReply::Done, values.value(0).toString(), {}, values.value(1).toInt()}};
    }
    const QString error = answer.errorName();
    if (error.startsWith(name + QLatin1Char('.')))
        return {Outcome::Answered,
                CommandReply::Fail(CommandBus::ExitCodeOf(error), answer.errorMessage())};
    // The copy left the bus between the look-up and the call: ask again from the start.
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
        return {};
    return {Outcome::NoAnswer, {}};
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
