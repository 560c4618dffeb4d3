#pragma once
// For tests of what a screen reader is told as it happens: while one of these lives, Qt's
// accessibility is on, as a screen reader turns it on, and every event it would pass to the
// desktop's bridge is recorded instead, with the name of the object it is about. Needs
// Qt6::GuiPrivate: only the platform's side can turn accessibility on.

#include <QAccessible>
#include <QGuiApplication>
#include <QPointer>
#include <QString>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vector>

namespace nudgery::testing {

struct AccessibleEventRecord {
    QAccessible::Event type;
    QPointer<QObject> object;
    int child = -1;
    // The name of the object the event is about (the child's, for a child) as it was then.
    QString name;
    QAccessible::Role role = QAccessible::NoRole;
    // For a state change: the states that changed.
    QAccessible::State changed;
};

class RecordedAccessibleEvents {
public:
    RecordedAccessibleEvents()
        : platform_(QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        current_ = this;
        previous_ = QAccessible::installUpdateHandler(&Record);
        wasActive_ = platform_->isActive();
        platform_->setActive(true);
    }
    ~RecordedAccessibleEvents() {
        platform_->setActive(wasActive_);
        QAccessible::installUpdateHandler(previous_);
        current_ = nullptr;
    }
    RecordedAccessibleEvents(const RecordedAccessibleEvents&) = delete;
    RecordedAccessibleEvents& operator=(const RecordedAccessibleEvents&) = delete;

    // The events of one type, in the order they came.
    std::vector<AccessibleEventRecord> OfType(QAccessible::Event type) const {
        std::vector<AccessibleEventRecord> found;
        for (const AccessibleEventRecord& record : records_)
            if (record.type == type)
                found.push_back(record);
        return found;
    }
    void Clear() { records_.clear(); }

private:
    static void Record(QAccessibleEvent* event) {
        if (!current_)
            return;
        AccessibleEventRecord record{event->type(), event->object(), event->child(), {}, {}, {}};
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            record.name = iface->text(QAccessible::Name);
            record.role = iface->role();
        }
        if (event->type() == QAccessible::StateChanged)
            record.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        current_->records_.push_back(record);
    }

    static inline RecordedAccessibleEvents* current_ = nullptr;
    QPlatformAccessibility* platform_;
    bool wasActive_ = false;
    QAccessible::UpdateHandler previous_ = nullptr;
    std::vector<AccessibleEventRecord> records_;
};

} // namespace nudgery::testing
