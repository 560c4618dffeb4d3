#pragma once
// The single-instance guard: the first copy of the program holds a claim named after its
// program file; a later copy started from a file of the same name asks the first to bring
// its main window forward and ends before it creates any window or touches the data file.

#include "platform/instance_claim.h"

#include <QObject>
#include <QString>

class QWidget;

namespace nudgery {

// The start check, made before any window exists; kept for the whole run, so that the claim
// lasts while this copy runs.
class TPreviousInstance : public QObject {
    Q_OBJECT
public:
    // `programPath`: the path the program was started by (argument 0). `claimFolder` holds
    // the claim; tests pass a folder of their own.
    explicit TPreviousInstance(const QString& programPath,
                               const QString& claimFolder = InstanceClaim::DefaultFolder(),
                               QObject* parent = nullptr);

    // The file-name part of `programPath`, which names the claim.
    static QString ClaimName(const QString& programPath);

    // True when another running copy holds the claim: this copy must end.
    bool Exists() const { return claim_.HeldElsewhere(); }
    // The second copy's step: asks the first copy to come forward, handing on the activation
    // token the desktop started this copy with, and returns the exit code this copy ends
    // with.
    int RunSecondCopyStep();
    // In the first copy: what carries out the commands that come over the claim's channel.
    void SetRequestHandler(InstanceClaim::RequestHandler handler) {
        claim_.SetRequestHandler(std::move(handler));
    }

signals:
    // In the first copy: a later copy asked for the main window to come forward, with the
    // activation token the desktop started it with (empty when none).
    void BringForwardRequested(const QString& activationToken);

private:
    InstanceClaim claim_;
};

// Restores `window` if it is minimised, raises it and gives it the focus, presenting
// `activationToken` where the desktop asks for one.
void BringWindowForward(QWidget& window, const QString& activationToken = {});

} // namespace nudgery
