#pragma once
// Fails a widget test that leaves a modal window or a popup menu open, instead of letting
// it hang until CTest's timeout: one that stays open longer than the limit is closed (and
// then any outer one, in turn, for nested windows) and the test is marked failed. Windows
// that are answered in time, however many and however long the test runs, pass unnoticed.
//
// Make one in a fixture that opens modal windows; it disarms when the fixture ends.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <gtest/gtest.h>

namespace nudgery::testing {

class ModalWatchdog {
public:
    explicit ModalWatchdog(std::chrono::milliseconds limit = std::chrono::seconds(5))
        : limit_(limit) {
        // Runs in every event loop, the nested one of a modal window included.
        timer_.setInterval(std::chrono::milliseconds(50));
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    bool Fired() const { return fired_; }

private:
    void Look() {
        QWidget* open = InnermostOpen();
        if (open != watched_) {
            watched_ = open;
            openFor_.start();
            return;
        }
        if (!open || openFor_.elapsed() < limit_.count())
            return;
        ADD_FAILURE() << "A modal window or popup menu (" << open->metaObject()->className()
                      << " \"" << open->windowTitle().toStdString() << "\") was still open after "
                      << limit_.count() << " ms; the watchdog closed it.";
        fired_ = true;
        Close(*open);
        watched_ = nullptr;
    }

    static QWidget* InnermostOpen() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        return QApplication::activeModalWidget();
    }

    static void Close(QWidget& window) {
        // done() rather than reject(): some windows ignore Esc on purpose.
        if (auto* dialog = qobject_cast<QDialog*>(&window))
            dialog->done(QDialog::Rejected);
        else
            window.close();
    }

    const std::chrono::milliseconds limit_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    QElapsedTimer openFor_;
    bool fired_ = false;
};

} // namespace nudgery::testing
