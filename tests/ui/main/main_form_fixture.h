#pragma once
// A main window over fakes: a settable clock, a scratch program folder, a fixed screen,
// a notification area that shows nothing, and message boxes, help and shell that record
// what they were asked.

#include "alerts/Alarmsh.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/datetime.h"
#include "core/reminder.h"
#include "main_form_access.h"
#include "platform/beeper.h"
#include "platform/data_file_store.h"
#include "platform/help_viewer.h"
#include "platform/media_player.h"
#include "platform/message_boxes.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/startup_info.h"
#include "support/fake_desktop_notifications.h"
#include "support/fake_file_chooser.h"
#include "support/fake_tray_area.h"
#include "support/modal_watchdog.h"
#include "support/qt_printers.h"
#include "support/recording_help.h"
#include "ui/main/Main.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery::testing {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void ShowError(QWidget*, const QString& text) override { errors << text; }
    void ShowInfo(QWidget* parent, const QString& text) override {
        infos << text;
        infoParents.push_back(parent);
        if (whileInfo)
            whileInfo();
    }
    bool AskConfirm(QWidget*, const QString& text) override {
        questions << text;
        if (whileAsking)
            whileAsking();
        return confirmAnswer;
    }
    void ShowNotice(QWidget*, const QString& text) override { notices << text; }
    QStringList errors, infos, questions, notices;
    // The window each information box was put over; none for a box of its own.
    std::vector<QWidget*> infoParents;
    bool confirmAnswer = true;
    // Run while a question or an information is open, as the user would see the program then.
    std::function<void()> whileAsking, whileInfo;
};

class RecordingShell final : public Shell {
public:
    bool OpenWebAddress(const QString& address) override {
        addresses << address;
        return opens;
    }
    QStringList addresses;
    // Whether a browser starts.
    bool opens = true;
};

// A player that plays nothing and records what it was asked; a file opens unless its name
// ends in ".bad".
class RecordingMediaPlayer final : public MediaPlayer {
public:
    SoundId Open(const std::string& path) override {
        opened.push_back(path);
        open_ = !path.ends_with(".bad");
        return open_ ? ++lastId_ : 0;
    }
    void Play() override { ++plays; }
    void Close() override {
        if (open_)
            ++closes;
        open_ = false;
    }
    bool IsOpen() const override { return open_; }

    std::vector<std::string> opened;
    int plays = 0;
    int closes = 0;

private:
    bool open_ = false;
    SoundId lastId_ = 0;
};

class CountingBeeper final : public Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// Answers as the test sets.
class FakeStartupInfo final : public StartupInfo {
public:
    bool StartMinimized() const override { return minimized; }
    bool HasNotificationArea() const override { return notificationArea; }
    bool minimized = false;
    bool notificationArea = false;
};

// 15 March 2024, 10:00.
inline TDateTime TestNow() {
    return EncodeDate(2024, 3, 15) + EncodeTime(10, 0);
}

inline std::unique_ptr<TReminder> OneTime(const std::string& text, TDateTime when,
                                          std::uint8_t status = StatusPending) {
    auto reminder = TReminder::Create();
    reminder->Kind = KindOneTime;
    reminder->Description = text;
    reminder->When = when;
    reminder->Status = status;
    return reminder;
}

// A reminder repeating every day from `first`, every `minutes` minutes until 20:00.
inline std::unique_ptr<TReminder> Daily(const std::string& text, TDateTime first, int minutes,
                                        std::uint8_t eventType = EventShowAndPlay) {
    return TReminder::CreateRepeating(KindRepeating, first, true, EncodeTime(20, 0), "0123456",
                                      minutes, text, "", eventType);
}

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : clock(TestNow()), screen(QRect(0, 0, 1280, 1024), 96) {}

    QString Folder() const { return folder.path() + '/'; }
    // The settings file the next window reads.
    void WriteSettingsFile(const QByteArray& text) const {
        QFile ini(Folder() + "NUDGERY.INI");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(text);
    }
    MainFormServices Services() {
        const auto makeTrayArea = [this] { return MakeTrayArea(); };
        return {
            clock,  formats, RegionalSettings{}, Folder(), settings, messages,       help, shell,
            screen, sound,   makeTrayArea,       startup,  files,    &desktopNotices};
    }
    // The notification area of the window made last; owned by its tray icon.
    std::unique_ptr<FakeTrayArea> MakeTrayArea() {
        auto area = std::make_unique<FakeTrayArea>();
        trayArea = area.get();
        return area;
    }
    // A fresh main window over the scratch folder, as the program makes it.
    TMainForm& Make() {
        form = std::make_unique<TMainForm>(Services());
        return *form;
    }
    // The notification window of the window made last; made by this call if none has been.
    TAlarmShow& NotificationWindow() { return form->NotificationWindow(); }
    static TClickableStringGrid& AlarmGrid(TMainForm& f) {
        return Find<TClickableStringGrid>(f, "AlarmGrid");
    }
    static TClickableStringGrid& RepeatingAlarmGrid(TMainForm& f) {
        return Find<TClickableStringGrid>(f, "RepeatingAlarmGrid");
    }
    static QTimer& Timer1(TMainForm& f) { return Find<QTimer>(f, "Timer1"); }
    static void Append(TClickableStringGrid& grid, std::unique_ptr<TReminder> reminder) {
        grid.AddRow();
        grid.SetObject(grid.RowCount() - 1, std::move(reminder));
    }
    static std::vector<std::string> Descriptions(const TClickableStringGrid& grid) {
        std::vector<std::string> texts;
        for (int r = 1; r < grid.RowCount(); ++r)
            texts.push_back(grid.Object(r)->Description);
        return texts;
    }
    // What a cell shows, through the grid's own drawing decisions.
    static TCellDrawing Cell(TClickableStringGrid& grid, int col, int row) {
        return grid.PlanCell(col, row, QRect(0, 0, 100, 19), {});
    }

    // A notification or dialog that a regression leaves open fails the test in seconds.
    ModalWatchdog watchdog;
    QTemporaryDir folder;
    SettableClock clock;
    DateFormats formats;
    Settings settings;
    RecordingMessageBoxes messages;
    RecordingHelp help;
    RecordingShell shell;
    FixedScreen screen;
    RecordingMediaPlayer player;
    CountingBeeper beeper;
    SoundPlayback sound{player, beeper};
    FakeStartupInfo startup;
    FakeFileChooser files;
    FakeDesktopNotifications desktopNotices;
    FakeTrayArea* trayArea = nullptr;
    std::unique_ptr<TMainForm> form;
};

} // namespace nudgery::testing
