#pragma once
// The check cycle driven tick by tick over a started main window, with the real
// notification window answered by the test.

#include "main_form_fixture.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

namespace nudgery::testing {

// Snoozed times are exact to the second (a minute is a shade more than 1/1440 day).
constexpr double kOneSecond = 1.0 / 86400;

inline TDateTime On15th(int hour, int minute, int second = 0) {
    return EncodeDate(2024, 3, 15) + EncodeTime(hour, minute, second);
}

inline TDateTime On16th(int hour, int minute, int second = 0) {
    return EncodeDate(2024, 3, 16) + EncodeTime(hour, minute, second);
}

// What one shown notification looked like, and what the sound player had been asked by then.
struct Shown {
    std::string message;
    bool deleteVisible;
    std::size_t soundsOpened;
};

// Answers each notification when it is shown, with the next answer in line, through a click
// queued for the window's own event loop.
class Answerer : public QObject {
public:
    using Answer = std::function<void(TAlarmShow&)>;
    Answerer(TAlarmShow& window, const RecordingMediaPlayer& player)
        : window_(window), player_(player) {
        window_.installEventFilter(this);
    }
    void Then(QPushButton* TAlarmShow::*button) {
        answers_.push_back([button](TAlarmShow& w) { (w.*button)->click(); });
    }
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }

    std::vector<Shown> shown;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        shown.push_back({window_.AlarmMsg->text().toStdString(), !window_.DeleteButton->isHidden(),
                         player_.opened.size()});
        // A window nobody expected is answered Ok, so the test ends and fails on the count.
        Answer answer = answers_.empty() ? Answer([](TAlarmShow& w) { w.OkButton->click(); })
                                         : std::move(answers_.front());
        if (!answers_.empty())
            answers_.pop_front();
        QTimer::singleShot(0, &window_, [this, answer] { answer(window_); });
        return false;
    }

private:
    TAlarmShow& window_;
    const RecordingMediaPlayer& player_;
    std::deque<Answer> answers_;
};

class CheckCycle : public MainFormTest {
protected:
    // A window whose first activation has run, with sound files in the scratch folder.
    TMainForm& Start() {
        TMainForm& f = Make();
        f.FormActivate();
        answerer = std::make_unique<Answerer>(NotificationWindow(), player);
        return f;
    }
    std::string SoundFile(const char* name) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path.toStdString();
    }
    // Five ticks: one check.
    void Check(TMainForm& f) {
        for (int i = 0; i < 5; ++i)
            MainFormAccess(f).Tick();
    }

    std::unique_ptr<Answerer> answerer;
};

} // namespace nudgery::testing
