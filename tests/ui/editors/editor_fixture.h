#pragma once
// The editors over fakes: a settable clock, the user's regional settings as a test picks
// them, message boxes and help that record what they were asked, a media player that plays
// nothing, a file chooser that answers as told, and a scratch program folder.

#include "alerts/SoundPlayback.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/regional_samples.h"
#include "platform/beeper.h"
#include "platform/help_viewer.h"
#include "platform/media_player.h"
#include "platform/message_boxes.h"
#include "support/fake_file_chooser.h"
#include "support/modal_watchdog.h"
#include "support/recording_help.h"
#include "ui/editors/EditorServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace nudgery::testing {

class InfoRecorder final : public MessageBoxes {
public:
    void ShowError(QWidget*, const QString& text) override { errors << text; }
    void ShowInfo(QWidget*, const QString& text) override { infos << text; }
    bool AskConfirm(QWidget*, const QString&) override { return false; }
    void ShowNotice(QWidget*, const QString& text) override { infos << text; }
    QStringList infos, errors;
};

// Opens every file it is given and plays nothing; tells whether a sound is open.
class SilentPlayer final : public MediaPlayer {
public:
    SoundId Open(const std::string& path) override {
        opened.push_back(path);
        open_ = true;
        return ++last_;
    }
    void Play() override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    std::vector<std::string> opened;

private:
    bool open_ = false;
    SoundId last_ = 0;
};

class NoBeeper final : public Beeper {
public:
    void Beep() override {}
};

// 15 March 2024 (a Friday), 10:00.
inline TDateTime EditorTestNow() {
    return EncodeDate(2024, 3, 15) + EncodeTime(10, 0);
}

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() : clock(EditorTestNow()) {
        formats.SaveUserDateFormats(test::TwelveHourSettings());
    }

    EditorServices Services() {
        return {clock,
                formats,
                messages,
                help,
                sound,
                files,
                folder.path() + '/',
                [this](QWidget& dialog) { placed << dialog.objectName(); }};
    }

    // A file in the scratch folder, so that it exists.
    QString MakeFile(const QString& name) {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    struct Outcome {
        int result;
        // Whether the dialog was still open once the steps had run.
        bool stayedOpen;
    };
    // Shows the dialog modally and runs `steps` inside its loop; a dialog the steps leave
    // open is then cancelled.
    static Outcome Run(QDialog& dialog, std::function<void()> steps) {
        bool open = false;
        QTimer::singleShot(0, &dialog, [&] {
            steps();
            open = dialog.isVisible();
            if (open)
                dialog.reject();
        });
        const int result = dialog.exec();
        return {result, open};
    }

    // A control of `window` by its name.
    template <typename T = QWidget> static T& FindControl(QWidget& window, const char* name) {
        auto* control = window.findChild<T*>(QString::fromLatin1(name));
        if (!control)
            throw std::runtime_error(std::string("no control ") + name);
        return *control;
    }

    // Cancel, Esc and the close box end `dialog` with Cancel; Help and F1 ask for `topic`
    // over it and leave it open.
    void ExpectCancelWaysAndHelp(QDialog& dialog, int topic) {
        const auto click = [&dialog](const char* name) {
            FindControl<QAbstractButton>(dialog, name).click();
        };
        EXPECT_EQ(Run(dialog, [&] { click("CancelButton"); }).result, QDialog::Rejected);
        EXPECT_EQ(Run(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }).result,
                  QDialog::Rejected);
        EXPECT_EQ(Run(dialog, [&] { dialog.close(); }).result, QDialog::Rejected);
        EXPECT_TRUE(Run(dialog, [&] { click("Helpbutton"); }).stayedOpen);
        EXPECT_TRUE(Run(dialog, [&] { PressHelpKey(dialog); }).stayedOpen);
        EXPECT_EQ(help.topics, std::vector<int>(2, topic));
        EXPECT_EQ(help.openers, std::vector<QWidget*>(2, &dialog));
    }

    // Runs `answer` on the next modal dialog of type T as soon as it is open.
    template <typename T> static void WhenOpen(std::function<void(T&)> answer) {
        QTimer::singleShot(0, [answer] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
                answer(*dialog);
            else
                ADD_FAILURE() << "the expected dialog did not open";
        });
    }

    ModalWatchdog watchdog;
    SettableClock clock;
    DateFormats formats;
    InfoRecorder messages;
    RecordingHelp help;
    SilentPlayer player;
    NoBeeper beeper;
    SoundPlayback sound{player, beeper};
    FakeFileChooser files;
    QTemporaryDir folder;
    QStringList placed;
};

} // namespace nudgery::testing
