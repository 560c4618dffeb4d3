#include "Justone.h"

#include "platform/window_activation.h"

#include <QWidget>

namespace nudgery {

TPreviousInstance::TPreviousInstance(const QString& programPath, const QString& claimFolder,
                                     QObject* parent)
    : QObject(parent), claim_(ClaimName(programPath), claimFolder) {
    connect(&claim_, &InstanceClaim::ComeForwardRequested, this,
            &TPreviousInstance::BringForwardRequested);
}

QString TPreviousInstance::ClaimName(const QString& programPath) {
    return InstanceClaim::NameFor(programPath);
}

int TPreviousInstance::RunSecondCopyStep() {
    // A first copy that cannot be reached is left alone; this copy ends all the same.
    claim_.AskHolderToComeForward(StartupActivationToken());
    return 0;
}

void BringWindowForward(QWidget& window, const QString& activationToken) {
    UseActivationToken(activationToken);
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

} // namespace nudgery
