// A notification's sound played again while it waits for its answer, through the real check
// cycle, notification window and sound playback, on SDL's disk audio driver: what it plays
// lands in a file, which the audio device makes anew each time it opens, so each play can be
// heard apart. Time moves on the settable clock's tick count, as the repeat reads it.
#include "alerts/Alarmsh.h"
#include "alerts/CheckCycle.h"
#include "alerts/CycleObserver.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "alerts/WindowNotifier.h"
#include "audio_files.h"
#include "core/clock.h"
#include "platform/beeper.h"
#include "platform/sdl_media_player.h"
#include "support/modal_watchdog.h"
#include "support/recording_help.h"
#include "vector_lists.h"

#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

constexpr int kPlayTimeoutMs = 10'000;

class NullBeeper final : public Beeper {
public:
    void Beep() override {}
};

// Runs the test's script inside the notification's own event loop once it shows.
class OnShow : public QObject {
public:
    OnShow(QWidget& window, std::function<void()> script) : script_(std::move(script)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, script_);
        return false;
    }

private:
    std::function<void()> script_;
};

struct Answers final : CycleObserver {
    void FellDue(const TReminder&, ListKind, TDateTime) override {}
    void Answered(const TReminder&, ListKind, const NotificationAnswer& answer) override {
        given.push_back(answer);
    }
    std::vector<NotificationAnswer> given;
};

class NotificationSound : public ::testing::Test {
protected:
    NotificationSound() : clock(EncodeDate(2024, 3, 15) + EncodeTime(10, 0)) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
        test::WriteSineWav(dir.filePath("chime.wav"), 0.2);
        cycle.AddObserver(answers);
        settings.RepeatSoundSeconds = 5;
        auto reminder = TReminder::Create();
        reminder->Description = "Stretch";
        reminder->When = clock.Now();
        reminder->SoundFile = QFile::encodeName(dir.filePath("chime.wav")).toStdString();
        oneTime.Put(std::move(reminder));
    }
    ~NotificationSound() override { sound.Shutup(); }

    bool Heard() const { return !test::ReadSamples(output).empty(); }
    // Waits for the end of the sound that was heard, and forgets it.
    void HeardToItsEnd() {
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return Heard() && !player.IsOpen(); }, kPlayTimeoutMs));
        ASSERT_TRUE(QFile::remove(output));
    }
    // Fires the reminder with `script` run while its notification waits; its answer.
    NotificationAnswer Fire(std::function<void()> script) {
        OnShow onShow(notifier.Window(), std::move(script));
        cycle.CheckBothLists(clock.Now());
        EXPECT_EQ(answers.given.size(), 1u);
        return answers.given.empty() ? NotificationAnswer{} : answers.given.back();
    }
    // Once the notification has gone, nothing plays however long one waits.
    void ExpectSilenceAfter() {
        EXPECT_FALSE(notifier.Repeat().Active());
        EXPECT_FALSE(player.IsOpen());
        clock.AdvanceMilliseconds(600'000);
        EXPECT_FALSE(QTest::qWaitFor([this] { return QFile::exists(output); },
                                     3 * SoundRepeat::PollMilliseconds));
    }

    testing::ModalWatchdog watchdog{std::chrono::seconds(20)};
    QTemporaryDir dir;
    const QString output = dir.filePath("output.raw");
    SettableClock clock;
    Settings settings;
    test::VectorList oneTime, repeating;
    test::CountingStore store{oneTime, repeating, clock};
    SdlMediaPlayer player;
    NullBeeper beeper;
    SoundPlayback sound{player, beeper};
    testing::RecordingHelp help;
    WindowNotifier notifier{clock, help, sound};
    CheckCycle cycle{oneTime, repeating, clock, settings, notifier, store};
    Answers answers;
};

// How the notification is answered once its sound has come back twice.
struct Ending {
    const char* name;
    int timeoutSeconds;
    int timeoutAction;
    std::function<void(TAlarmShow&, SettableClock&)> answer;
    NotificationAnswer expected;
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

class NotificationSoundEnding : public NotificationSound,
                                public ::testing::WithParamInterface<Ending> {};

TEST_P(NotificationSoundEnding, WithTheOptionOnTheSoundComesBackEveryGapUntilTheAnswer) {
    const Ending& ending = GetParam();
    settings.RepeatSoundOn = true;
    settings.TimeoutSeconds = ending.timeoutSeconds;
    settings.TimeoutAction = ending.timeoutAction;
    int comebacks = 0;
    const NotificationAnswer answer = Fire([&] {
        HeardToItsEnd();
        for (; comebacks < 2; ++comebacks) {
            clock.AdvanceMilliseconds(5'000);
            if (!QTest::qWaitFor([this] { return Heard(); }, kPlayTimeoutMs))
                break;
            HeardToItsEnd();
        }
        ending.answer(notifier.Window(), clock);
    });
    EXPECT_EQ(comebacks, 2);
    EXPECT_EQ(answer, ending.expected);
    ExpectSilenceAfter();
}

INSTANTIATE_TEST_SUITE_P(
    , NotificationSoundEnding,
    ::testing::Values(Ending{"Ok",
                             0,
                             0,
                             [](TAlarmShow& w, SettableClock&) { w.OkButton->click(); },
                             {Notifier::Ok, AnswerWay::Given}},
                      Ending{"Snooze",
                             0,
                             0,
                             [](TAlarmShow& w, SettableClock&) { w.b10min->click(); },
                             {-10, AnswerWay::Given}},
                      // Two gaps of 5 seconds have passed: the time-out comes before a third.
                      Ending{"TimeOut",
                             12,
                             -5,
                             [](TAlarmShow&, SettableClock& c) { c.AdvanceMilliseconds(2'001); },
                             {-5, AnswerWay::TimedOut}}),
    [](const auto& info) { return info.param.name; });

TEST_F(NotificationSound, WithTheOptionOffTheSoundPlaysOnce) {
    const NotificationAnswer answer = Fire([this] {
        HeardToItsEnd();
        clock.AdvanceMilliseconds(600'000);
        EXPECT_FALSE(QTest::qWaitFor([this] { return QFile::exists(output); },
                                     3 * SoundRepeat::PollMilliseconds));
        notifier.Window().OkButton->click();
    });
    EXPECT_EQ(answer, (NotificationAnswer{Notifier::Ok, AnswerWay::Given}));
    ExpectSilenceAfter();
}

} // namespace
} // namespace nudgery
