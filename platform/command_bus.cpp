#include "command_bus.h"

#include <QDBusConnectionInterface>

namespace nudgery {
using Kind = CommandRequest::Kind;

QString CommandBus::InterfaceName() {
    return QStringLiteral("io.sourceforge.nudgery.Nudgery");
}

QString CommandBus::ErrorName(int exitCode) {
    return InterfaceName() + (exitCode == CommandReply::BadInput ? QStringLiteral(".Error.BadInput")
                                                                 : QStringLiteral(".Error.Failed"));
}

int CommandBus::ExitCodeOf(const QString& errorName) {
    return errorName == ErrorName(CommandReply::BadInput) ? CommandReply::BadInput
                                                          : CommandReply::Failed;
}

CommandBus::CommandBus(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

bool CommandBus::Register(QDBusConnection bus) {
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(QString::fromLatin1(BusPath), this,
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableSignals))
        return false;
    if (bus.registerService(InterfaceName()))
        return true;
    bus.unregisterObject(QString::fromLatin1(BusPath));
    return false;
}

CommandReply CommandBus::Carry(const CommandRequest& request) {
    CommandReply reply = handler_(request);
    if (reply.exitCode != CommandReply::Done && calledFromDBus())
        sendErrorReply(ErrorName(reply.exitCode), reply.error);
    // Done with a warning (an import whose memory cannot be written): the warning goes too.
    else if (!reply.error.isEmpty())
        reply.output += reply.error + QLatin1Char('\n');
    return reply;
}

QString CommandBus::AddOneTime(const QString& when, const QString& message, const QString& sound,
                               const QString& action) {
    return Carry({Kind::AddOneTime, when, message, sound, action, false, {}}).output;
}

QString CommandBus::AddRepeating(const QString& rule, const QString& message, const QString& sound,
                                 const QString& action) {
    return Carry({Kind::AddRepeating, rule, message, sound, action, false, {}}).output;
}

QString CommandBus::List(bool json) {
    return Carry({Kind::List, {}, {}, {}, {}, json, {}}).output;
}

void CommandBus::Show() {
    Carry({Kind::Show, {}, {}, {}, {}, false, {}});
}

void CommandBus::Quit() {
    Carry({Kind::Quit, {}, {}, {}, {}, false, {}});
}

QString CommandBus::PreviewImport(const QString& file, int& reminders) {
    const CommandReply reply = Carry({Kind::PreviewImport, {}, {}, {}, {}, false, file});
    reminders = reply.count;
    return reply.output;
}

QString CommandBus::Import(const QString& file) {
    return Carry({Kind::Import, {}, {}, {}, {}, false, file}).output;
}

QString CommandBus::Export(const QString& file) {
    return Carry({Kind::Export, {}, {}, {}, {}, false, file}).output;
}

} // namespace nudgery
