#pragma once
// The running program on the session bus: it owns its desktop entry's id as a bus name and
// serves an interface of the same name at /io/sourceforge/nudgery/Nudgery, whose methods take
// the texts of the command line and whose signals tell of the reminders that fall due and
// of their answers. Bad input is answered with the error Error.BadInput, any other failure
// with Error.Failed, under the interface's name, each with the reason.

#include "command_bus_names.h"
#include "command_request.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>
#include <functional>

namespace nudgery {

class CommandBus : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.sourceforge.nudgery.Nudgery")
public:
    // The interface, and the bus name the program owns.
    static QString InterfaceName() { return QString::fromLatin1(BusName); }

    using Handler = std::function<CommandReply(const CommandRequest&)>;
    explicit CommandBus(Handler handler, QObject* parent = nullptr);

    // Serves the interface on `bus` and takes the name; false when there is no such bus or
    // another program has the name.
    bool Register(QDBusConnection bus = QDBusConnection::sessionBus());

public Q_SLOTS:
    // An empty `sound` or `action` takes the preferences' default. Each gives what the
    // command line prints.
    Q_SCRIPTABLE QString AddOneTime(const QString& when, const QString& message,
                                    const QString& sound, const QString& action);
    Q_SCRIPTABLE QString AddRepeating(const QString& rule, const QString& message,
                                      const QString& sound, const QString& action);
    Q_SCRIPTABLE QString List(bool json);
    // The same listing written into `file` from its start instead of carried on the bus, for
    // a listing too long to pass through the bus daemon quickly. Only a regular file (a
    // memfd) is written to, so that a pipe no one reads cannot hold the program up.
    Q_SCRIPTABLE void ListInto(const QDBusUnixFileDescriptor& file, bool json);
    Q_SCRIPTABLE void Show();
    // Saves the lists, answers, and then ends the program as closing its window does.
    Q_SCRIPTABLE void Quit();
    // What an import of the calendar file would add and leave out; `reminders`: how many it
    // would add.
    Q_SCRIPTABLE QString PreviewImport(const QString& file, int& reminders);
    Q_SCRIPTABLE QString Import(const QString& file);
    Q_SCRIPTABLE QString Export(const QString& file);

Q_SIGNALS:
    // `list` is "one-time" or "repeating", `when` an ISO 8601 local time, `answer` "ok",
    // "delete", "snooze" (by `minutes`), "none" when nothing was shown, or "unanswered".
    Q_SCRIPTABLE void ReminderFellDue(const QString& list, const QString& message,
                                      const QString& when);
    Q_SCRIPTABLE void ReminderAnswered(const QString& list, const QString& message,
                                       const QString& answer, int minutes);

private:
    // Carries the request out; a failure becomes the call's error reply.
    CommandReply Carry(const CommandRequest& request);

    Handler handler_;
};

} // namespace nudgery
