#pragma once
// An exclusive claim that one running copy of the program holds, and the channel through
// which a later copy asks the holder to come forward: a local stream socket beside the
// claim, served by the holder's event loop.

#include <QLockFile>
#include <QObject>
#include <QString>
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
    std::unique_ptr<Listener> listener_;
};

} // namespace nudgery
