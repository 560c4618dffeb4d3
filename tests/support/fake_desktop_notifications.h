#pragma once
// A desktop notification service that shows nothing: it keeps what it was asked to show and
// to close, and lets the test give the user's answers and closes as a server would report
// them.

#include "platform/desktop_notifications.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace nudgery::testing {

class FakeDesktopNotifications final : public DesktopNotifications {
public:
    struct Shown {
        Notice notice;
        QString message;
        QString dueTime;
    };

    Notice Show(const QString& message, const QString& dueTime) override {
        shown.push_back({++last_, message, dueTime});
        return last_;
    }
    void Close(Notice notice) override { closed.push_back(notice); }
    void Prepare() override { ++prepared; }

    // The notifications shown and not closed by the program.
    std::vector<Notice> Open() const {
        std::vector<Notice> open;
        for (const Shown& s : shown)
            if (std::find(closed.begin(), closed.end(), s.notice) == closed.end())
                open.push_back(s.notice);
        return open;
    }
    // The user chooses an action, or closes the notification, on the desktop.
    void UserAnswers(Notice notice, NoticeAnswer answer) { emit Answered(notice, answer, {}); }
    void UserCloses(Notice notice) { emit Closed(notice, NoticeCloseReason::Dismissed); }

    std::vector<Shown> shown;
    std::vector<Notice> closed;
    int prepared = 0;

private:
    Notice last_ = 0;
};

} // namespace nudgery::testing
