#include "command_bus.h"

#include <QDBusConnectionInterface>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

// The bytes in place of what the regular file `fd` held; the reason when they cannot be.
QString WriteWhole(int fd, const QByteArray& bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return QStringLiteral("The listing can be written only into a regular file.");
    if (::ftruncate(fd, 0) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::pwrite(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done),
                     static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return QString::fromLocal8Bit(std::strerror(written < 0 ? errno : ENOSPC));
        done += written;
    }
    return {};
}

} // namespace

CommandBus::CommandBus(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

bool CommandBus::Register(QDBusConnection bus) {
    if (!bus.isConnected())
        return false;
    // Qt's D-Bus finds the slots' argument types by name: ListInto's is known only once used.
    qRegisterMetaType<QDBusUnixFileDescriptor>();
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
        sendErrorReply(QString::fromLatin1(ErrorNameOf(reply.exitCode)), reply.error);
    // Done with a warning (an import whose memory cannot be written): the warning goes too.
    else if (!reply.error.isEmpty())
        reply.output += reply.error + QLatin1Char('\n');
    return reply;
}

QString CommandBus::AddOneTime(const QString& when, const QString& message, const QString& sound,
                               const QString& action) {
    return Carry({Kind::AddOneTime, when, message, sound, action, false, {}, {}}).output;
}

QString CommandBus::AddRepeating(const QString& rule, const QString& message, const QString& sound,
                                 const QString& action) {
    return Carry({Kind::AddRepeating, rule, message, sound, action, false, {}, {}}).output;
}

QString CommandBus::List(bool json) {
    return Carry({Kind::List, {}, {}, {}, {}, json, {}, {}}).output;
}

void CommandBus::ListInto(const QDBusUnixFileDescriptor& file, bool json) {
    const CommandReply reply = Carry({Kind::List, {}, {}, {}, {}, json, {}, {}});
    if (reply.exitCode != CommandReply::Done)
        return;
    if (const QString why = WriteWhole(file.fileDescriptor(), reply.output.toUtf8());
        !why.isEmpty() && calledFromDBus())
        sendErrorReply(QString::fromLatin1(ErrorNameOf(CommandReply::Failed)), why);
}

void CommandBus::Show() {
    Carry({Kind::Show, {}, {}, {}, {}, false, {}, {}});
}

void CommandBus::Quit() {
    Carry({Kind::Quit, {}, {}, {}, {}, false, {}, {}});
}

QString CommandBus::PreviewImport(const QString& file, int& reminders) {
    const CommandReply reply = Carry({Kind::PreviewImport, {}, {}, {}, {}, false, file, {}});
    reminders = reply.count;
    return reply.output;
}

QString CommandBus::Import(const QString& file) {
    return Carry({Kind::Import, {}, {}, {}, {}, false, file, {}}).output;
}

QString CommandBus::Export(const QString& file) {
    return Carry({Kind::Export, {}, {}, {}, {}, false, file, {}}).output;
}

} // namespace nudgery
