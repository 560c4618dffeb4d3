#include "FirstExposure.h"

#include <QEvent>
#include <QWindow>
#include <utility>

namespace nudgery {

FirstExposure::FirstExposure(QWindow& window, std::function<void()> exposed)
    : QObject(&window), exposed_(std::move(exposed)) {
    window.installEventFilter(this);
}

bool FirstExposure::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && exposed_ &&
        static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        // After the window has had the event: its picture comes first.
        QMetaObject::invokeMethod(this, std::exchange(exposed_, nullptr), Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace nudgery
