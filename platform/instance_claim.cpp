#include "instance_claim.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace nudgery {

namespace {

const QByteArray kComeForward = "come-forward\n";

} // namespace

InstanceClaim::InstanceClaim(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(QDir(folder).filePath(name + ".socket")),
      lock_(QDir(folder).filePath(name + ".lock")) {
    if (folder.isEmpty())
        return; // nowhere to claim: run as the only copy
    // Only a holder that no longer runs makes a claim stale, however old it is.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        Listen();
        return;
    }
    heldElsewhere_ = lock_.error() == QLockFile::LockFailedError;
}

InstanceClaim::~InstanceClaim() = default;

QString InstanceClaim::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

void InstanceClaim::Listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the claim, any socket left at this path belongs to a copy that has ended.
    QLocalServer::removeServer(socketPath_);
    if (!server_->listen(socketPath_))
        return; // the copy still runs; only later copies cannot reach it
    connect(server_.get(), &QLocalServer::newConnection, this, &InstanceClaim::ReadRequests);
}

void InstanceClaim::ReadRequests() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Reads only as much as the request; anything else a peer sends is dropped.
            if (!socket->canReadLine() && socket->bytesAvailable() < kComeForward.size())
                return;
            const bool asked = socket->readLine(kComeForward.size() + 1) == kComeForward;
            socket->disconnectFromServer();
            if (asked)
                emit ComeForwardRequested();
        });
    }
}

bool InstanceClaim::AskHolderToComeForward(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kComeForward);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace nudgery
