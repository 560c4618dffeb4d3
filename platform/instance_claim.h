#pragma once
// An exclusive claim that one running copy of the program holds, and the channel through
// which a later copy asks the holder to come forward, and a command asks it to carry the
// command out: a local stream socket beside the claim, served by the holder's event loop.

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace nudgery {

class InstanceClaim : public QObject {
    Q_OBJECT
public:
    // Tries to claim `name` in `folder`, a folder of the user's own. A claim left behind by
    // a copy that no longer runs is taken over. If the claim cannot be made at all (the
    // folder cannot be written), this copy counts as the only one.
    InstanceClaim(const QString& name, const QString& folder, QObject* parent = nullptr);
    ~InstanceClaim() override;

    // The folder for claims: the user's runtime folder.
    static QString DefaultFolder();
    // The name of the claim of the program started by `programPath` (argument 0): its file
    // name, so that a copy started from a file of another name runs alongside.
    static QString NameFor(const QString& programPath);
    // The claim's own files: the lock that is the claim, and the holder's socket.
    static QString LockPath(const QString& name, const QString& folder);
    static QString SocketPath(const QString& name, const QString& folder);

    // The holder's side: what answers a request line (without its newline) that a command
    // sends; its reply goes back to the command. Requests are answered once one is set.
    using RequestHandler = std::function<QByteArray(const QByteArray& request)>;
    void SetRequestHandler(RequestHandler handler) { handler_ = std::move(handler); }

    // True when another running copy holds the claim.
    bool HeldElsewhere() const { return heldElsewhere_; }
    // Asks the holder to come forward, handing on `activationToken`, the desktop's leave to
    // bring a window forward that the desktop gave this copy as it started it (empty: none);
    // false when the holder could not be reached in time.
    bool AskHolderToComeForward(const QString& activationToken = {}, int timeoutMs = 2000);

signals:
    // The holder's side: another copy asked this one to come forward, with the activation
    // token it was given (empty when none).
    void ComeForwardRequested(const QString& activationToken);

private:
    class Listener;

    const QString socketPath_;
    QLockFile lock_;
    bool heldElsewhere_ = false;
    RequestHandler handler_;
    std::unique_ptr<Listener> listener_;
};

// A command's side of the channel.
struct ChannelAnswer {
    enum class Outcome {
        // `reply` holds the holder's reply line.
        Answered,
        // Nothing listens at the path: the holder is no running copy of the program (another
        // command holding the claim for a moment), or it has ended.
        Unreachable,
        // No reply came in time.
        NoAnswer,
        // The holder hung up without a reply.
        HungUp,
    };
    Outcome outcome = Outcome::Unreachable;
    QByteArray reply;
};

// Sends `request` (one line, ending in a newline) to the holder listening at `socketPath` and
// waits at most `timeoutMs` for its reply line.
ChannelAnswer AskOverChannel(const QString& socketPath, const QByteArray& request, int timeoutMs);

} // namespace nudgery
