#pragma once
// Fails a widget test that leaves a modal window or a popup menu open, instead of letting
// it hang until CTest's timeout: after the limit, every modal window and popup still open
// is closed (again and again, for nested ones) and the test is marked failed.
//
// Make one in a fixture that opens modal windows; it disarms when the fixture ends.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <gtest/gtest.h>

namespace nudgery::testing {

class ModalWatchdog {
public:
    explicit ModalWatchdog(std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
        timer_.start(limit);
    }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    bool Fired() const { return fired_; }

private:
    void Fire() {
        if (!fired_)
            ADD_FAILURE() << "A modal window or popup menu was still open after the watchdog's "
                             "limit; the watchdog closed it.";
        fired_ = true;
        if (CloseOneModal())
            // Closing the inner window returns to the outer one's loop: look again soon.
            timer_.start(std::chrono::milliseconds(50));
    }

    // Closes the innermost popup or modal window; false when none is open.
    static bool CloseOneModal() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            return true;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return false;
        // done() rather than reject(): some windows ignore Esc on purpose.
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        return true;
    }

    QTimer timer_;
    bool fired_ = false;
};

} // namespace nudgery::testing
