#pragma once
// A notification server (org.freedesktop.Notifications) that takes every call on a bus and
// answers only when the test says: a slow or hung server, in the test's own process.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QString>
#include <QVariantList>
#include <vector>

namespace nudgery::testing {

class SilentServer : public QDBusVirtualObject {
public:
    explicit SilentServer(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("silent-server"))) {
        bus_.registerVirtualObject(kPath, this);
        bus_.registerService(kService);
    }
    ~SilentServer() override {
        bus_.unregisterService(kService);
        bus_.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus(bus_.name());
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        message.setDelayedReply(true);
        held_.push_back(message);
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    // The calls of `member` held so far.
    std::vector<QDBusMessage> Held(const QString& member) const {
        std::vector<QDBusMessage> found;
        for (const QDBusMessage& message : held_)
            if (message.member() == member)
                found.push_back(message);
        return found;
    }
    void Answer(const QDBusMessage& call, const QVariantList& values) {
        bus_.send(call.createReply(values));
    }
    // Sends the service's signal `member` with `values`, as a server tells its clients.
    void Signal(const QString& member, const QVariantList& values) {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, member);
        signal.setArguments(values);
        bus_.send(signal);
    }

private:
    inline static const QString kService = QStringLiteral("org.freedesktop.Notifications");
    inline static const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

    QDBusConnection bus_;
    std::vector<QDBusMessage> held_;
};

} // namespace nudgery::testing
