// The Preferences dialog driven as a user drives it: its controls and texts, the time-out
// choices and what they store, the minutes box's typing rule, the sound file choice, the
// sound buttons, help, and the box that is hidden where there is no notification area.
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "platform/beeper.h"
#include "platform/help_viewer.h"
#include "platform/media_player.h"
#include "platform/profile_file.h"
#include "support/fake_file_chooser.h"
#include "support/modal_watchdog.h"
#include "support/recording_help.h"
#include "support/sharp_pictures.h"
#include "ui/controls/SpinEdit.h"
#include "ui/editors/Pref.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace nudgery {
namespace {

using testing::FakeFileChooser;
using testing::ModalWatchdog;

// Plays nothing; remembers what it was asked to open and how often it was closed.
class SilentPlayer final : public MediaPlayer {
public:
    SoundId Open(const std::string& path) override {
        opened.push_back(path);
        open_ = true;
        return opened.size();
    }
    void Play() override {}
    void Close() override {
        closes += open_;
        open_ = false;
    }
    bool IsOpen() const override { return open_; }

    std::vector<std::string> opened;
    int closes = 0;

private:
    bool open_ = false;
};

class SilentBeeper final : public Beeper {
public:
    void Beep() override {}
};

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest() { dialog_.FillFrom(settings_); }

    template <typename Widget> Widget* Find(const char* name) {
        auto* widget = dialog_.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QRadioButton* Radio(const char* name) { return Find<QRadioButton>(name); }
    QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
    QCheckBox* Check(const char* name) { return Find<QCheckBox>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    TSpinEdit* MinutesBox() { return Find<TSpinEdit>("Minutes"); }

    // Opens the dialog modally and runs `steps` inside it; its modal result.
    int Run(std::function<void()> steps) {
        QTimer::singleShot(0, &dialog_, [this, steps = std::move(steps)] {
            // Keys and focus changes reach only the active window.
            dialog_.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog_));
            steps();
        });
        return dialog_.exec();
    }
    // Opens the dialog filled from `settings`, runs `steps`, and on OK copies back.
    int Edit(std::function<void()> steps) {
        const int result = Run(std::move(steps));
        if (result == TPreferences::ResultOk)
            dialog_.CopyTo(settings_);
        return result;
    }
    void TypeMinutes(const QString& text) {
        TSpinEdit* box = MinutesBox();
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    ModalWatchdog watchdog_;
    QTemporaryDir folder_;
    SilentPlayer player_;
    SilentBeeper beeper_;
    SoundPlayback sound_{player_, beeper_};
    FakeFileChooser chooser_;
    testing::RecordingHelp help_;
    Settings settings_;
    TPreferences dialog_{{sound_, chooser_, help_, folder_.path() + '/'}};
};

struct ControlText {
    const char* name;
    const char* text;
    const char* tooltip;
};

const ControlText kControls[] = {
    {"WaveFileEdit", "", "Path and name of the sound file (*.wav or *.mid)"},
    {"SelectWavButton", "&Choose", "Select the sound file\nin a File Open dialog"},
    {"PlayNowButton", "Play &Now", "Play the sound file you have selected"},
    {"BitBtn1", "Shhhh", "Stop a sound file from playing"},
    {"Continue", "Continue waiting ",
     "Select here to have Nudgery! continue waiting\nindefinately"},
    {"WaitFor", "Wait for",
     "Select here to have Nudgery! timeout after a\ncertain number of minutes"},
    {"Minutes", "10", "Select the number of minutes Nudgery! should\nwait before a timeout"},
    {"ShowHints", "Show Hints",
     "Show popup help hints when the mouse\npasses over a screen item (like this!)"},
    {"MiniMizeToTray", "Minimize to System Tray",
     "Nudgery will place its icon in the System \nTray when minimized"},
    {"AnimateIcon", "Animate Tray Icon",
     "Check here if you want a ticking clock for\nNudgery!'s tray icon"},
    {"Okbutton", "Ok", "Save this time"},
    {"RepeatSound", "&Repeat the sound until answered, every",
     "Play the reminder's sound again and again while its\nnotification waits for your answer"},
    {"RepeatSeconds", "30", "Seconds of quiet before the sound plays again"},
    {"CancelButton", "&Cancel", "Cancel all changes made"},
    {"Helpbutton", "&Help", "Get help for Nudgery!"},
};

QString TextOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        return spin->text();
    return {};
}

TEST_F(PreferencesTest, ControlsTextsAndTooltips) {
    EXPECT_EQ(dialog_.windowTitle(), "Preferences");
    EXPECT_EQ(dialog_.size(), QSize(512, 440));
    EXPECT_EQ(dialog_.minimumSize(), dialog_.maximumSize());
    EXPECT_FALSE(dialog_.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                                          Qt::WindowSystemMenuHint));
    for (const ControlText& control : kControls) {
        SCOPED_TRACE(control.name);
        QWidget* widget = Find<QWidget>(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(TextOf(widget), control.text);
        EXPECT_EQ(widget->toolTip(), control.tooltip);
    }
    const QStringList eventTypes{"Show message and play sound", "Only show message",
                                 "Only play sound", "Do Nothing"};
    const QStringList actions{"Click the OK button", "Click the 5 minutes button",
                              "Click the 10 minutes button", "Click the 30 minutes button",
                              "Click the 60 minutes button"};
    for (const auto& [name, items, tooltip] :
         {std::tuple{"EventTypeCombo", eventTypes,
                     "Select the default action to take when a reminder\nis triggered"},
          std::tuple{"Action", actions,
                     "Nudgery should take the following action when\na time-out is reached"}}) {
        QComboBox* combo = Combo(name);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        EXPECT_EQ(shown, items) << name;
        EXPECT_FALSE(combo->isEditable()) << name;
        EXPECT_EQ(combo->toolTip(), tooltip) << name;
    }
    EXPECT_EQ(MinutesBox()->MinValue(), 1);
    EXPECT_EQ(MinutesBox()->MaxValue(), 60);
    EXPECT_TRUE(Button("Okbutton")->isDefault());

    // The sound file's label leads to its box.
    bool labelled = false;
    for (QLabel* label : dialog_.findChildren<QLabel*>())
        labelled |= label->text() == "Default Sound File (*.wav or *.mid)" &&
                    label->buddy() == Find<QWidget>("WaveFileEdit");
    EXPECT_TRUE(labelled);
}

TEST_F(PreferencesTest, TabOrderGoesByPanelFromTopToBottomAsThePanelsStand) {
    const char* order[] = {"EventTypeCombo",
                           "WaveFileEdit",
                           "SelectWavButton",
                           "PlayNowButton",
                           "BitBtn1",
                           "Continue",
                           "WaitFor",
                           "Minutes",
                           "Action",
                           "ShowHints",
                           "MiniMizeToTray",
                           "AnimateIcon",
                           "DesktopNotification",
                           "RepeatSound",
                           "RepeatSeconds",
                           "Okbutton",
                           "CancelButton",
                           "Helpbutton"};
    // The named controls in the order the focus chain meets them, from the first list once
    // round; inner parts of the boxes and the labels are passed over.
    QStringList met;
    QWidget* start = Find<QWidget>(order[0]);
    QWidget* widget = start;
    do {
        if (std::find(std::begin(order), std::end(order), widget->objectName()) != std::end(order))
            met << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    EXPECT_EQ(met, QStringList(std::begin(order), std::end(order)));
}

TEST_F(PreferencesTest, TheTimeOutLineReadsAsOneSentenceInsideItsPanel) {
    QLabel* then = nullptr;
    for (QLabel* label : dialog_.findChildren<QLabel*>())
        if (label->text() == "minutes, then:")
            then = label;
    ASSERT_NE(then, nullptr);
    QWidget* const parts[] = {Radio("Continue"), Radio("WaitFor"), MinutesBox(), then,
                              Combo("Action")};
    const QRect panel = parts[0]->parentWidget()->rect();
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(parts[i]->parentWidget(), parts[0]->parentWidget());
        EXPECT_TRUE(panel.contains(parts[i]->geometry()));
        EXPECT_EQ(parts[i]->y(), parts[0]->y());
        if (i > 0) {
            EXPECT_GT(parts[i]->x(), parts[i - 1]->geometry().right());
        }
    }
    // Each text shows whole, and the list drops down wide enough for its longest item.
    for (QWidget* text : {parts[0], parts[1], parts[3]})
        EXPECT_GE(text->width(), text->sizeHint().width()) << text->objectName().toStdString();
    EXPECT_GE(Combo("Action")->view()->minimumWidth(), Combo("Action")->sizeHint().width());
}

TEST_F(PreferencesTest, TenMinutesAndTheThirtyMinuteButtonAreStoredAs600AndMinus30) {
    const int result = Edit([&] {
        Radio("WaitFor")->click();
        EXPECT_TRUE(Combo("Action")->isEnabled());
        EXPECT_TRUE(MinutesBox()->isEnabled());
        TypeMinutes("10");
        Combo("Action")->setCurrentIndex(3);
        Button("Okbutton")->click();
    });
    ASSERT_EQ(result, TPreferences::ResultOk);
    EXPECT_EQ(settings_.TimeoutSeconds, 600);
    EXPECT_EQ(settings_.TimeoutAction, -30);

    ProfileFile file(folder_.filePath("NUDGERY.INI"));
    WriteSettings(settings_, file);
    EXPECT_EQ(file.ReadInteger("Timeout", "Seconds", 0), 600);
    EXPECT_EQ(file.ReadInteger("Timeout", "Action", 0), -30);
}

TEST_F(PreferencesTest, ContinueWaitingStoresZerosAndReopensDisabledAtOneMinute) {
    settings_.TimeoutSeconds = 600;
    settings_.TimeoutAction = -10;
    dialog_.FillFrom(settings_);
    ASSERT_EQ(Edit([&] {
                  EXPECT_TRUE(Radio("WaitFor")->isChecked());
                  EXPECT_EQ(MinutesBox()->text(), "10");
                  EXPECT_EQ(Combo("Action")->currentIndex(), 2);
                  Radio("Continue")->click();
                  EXPECT_FALSE(Combo("Action")->isEnabled());
                  EXPECT_FALSE(MinutesBox()->isEnabled());
                  Button("Okbutton")->click();
              }),
              TPreferences::ResultOk);
    EXPECT_EQ(settings_.TimeoutSeconds, 0);
    EXPECT_EQ(settings_.TimeoutAction, 0);

    dialog_.FillFrom(settings_);
    Run([&] {
        EXPECT_TRUE(Radio("Continue")->isChecked());
        EXPECT_EQ(MinutesBox()->text(), "1");
        EXPECT_EQ(Combo("Action")->currentText(), "Click the OK button");
        EXPECT_FALSE(Combo("Action")->isEnabled());
        EXPECT_FALSE(MinutesBox()->isEnabled());
        dialog_.reject();
    });
}

TEST_F(PreferencesTest, HandEditedValuesOpenAsCloseAsTheyCan) {
    settings_.TimeoutSeconds = 90;
    settings_.TimeoutAction = -15;
    settings_.DefaultEventType = 7;
    dialog_.FillFrom(settings_);
    ASSERT_EQ(Edit([&] {
                  EXPECT_TRUE(Radio("WaitFor")->isChecked());
                  EXPECT_EQ(MinutesBox()->text(), "1");
                  EXPECT_EQ(Combo("Action")->currentIndex(), -1);
                  EXPECT_EQ(Combo("EventTypeCombo")->currentIndex(), -1);
                  Button("Okbutton")->click();
              }),
              TPreferences::ResultOk);
    // Without a choice in the lists the stored answers stay; so do the seconds, which the
    // minutes box shows as 1.
    EXPECT_EQ(settings_.TimeoutAction, -15);
    EXPECT_EQ(settings_.DefaultEventType, 7);
    EXPECT_EQ(settings_.TimeoutSeconds, 90);
}

// A time-out given to the dialog stays as it is until the user changes the minutes: also
// one longer than the box's 60 minutes or not of whole minutes, as a hand-edited settings
// file may hold. Changed, the box's minutes count.
struct GivenTimeout {
    std::int32_t seconds;
    const char* shown;
};

const GivenTimeout kGivenTimeouts[] = {
    {59, "1"}, {90, "1"}, {600, "10"}, {3600, "60"}, {3660, "61"}, {7200, "120"}, {86400, "1440"},
};

TEST_F(PreferencesTest, ATimeOutGivenIsKeptUntilTheMinutesAreChanged) {
    for (const GivenTimeout& given : kGivenTimeouts) {
        SCOPED_TRACE(given.seconds);
        settings_.TimeoutSeconds = given.seconds;
        dialog_.FillFrom(settings_);
        ASSERT_EQ(Edit([&] {
                      EXPECT_TRUE(Radio("WaitFor")->isChecked());
                      EXPECT_EQ(MinutesBox()->text(), given.shown);
                      // In and out of the box without a change.
                      MinutesBox()->setFocus();
                      QTest::keyClick(MinutesBox(), Qt::Key_Tab);
                      Button("Okbutton")->click();
                  }),
                  TPreferences::ResultOk);
        EXPECT_EQ(settings_.TimeoutSeconds, given.seconds);

        dialog_.FillFrom(settings_);
        ASSERT_EQ(Edit([&] {
                      TypeMinutes("5");
                      Button("Okbutton")->click();
                  }),
                  TPreferences::ResultOk);
        EXPECT_EQ(settings_.TimeoutSeconds, 300);
    }
}

TEST_F(PreferencesTest, CancelEscapeAndCloseChangeNothing) {
    settings_.DefaultSoundFile = "old.wav";
    dialog_.FillFrom(settings_);
    const Settings before = settings_;
    chooser_.answer = folder_.filePath("new.wav");
    const std::function<void()> ways[] = {
        [&] { Button("CancelButton")->click(); },
        [&] { QTest::keyClick(&dialog_, Qt::Key_Escape); },
        [&] { dialog_.close(); },
        // Enter presses the button that has the focus, not always Ok.
        [&] {
            Button("CancelButton")->setFocus();
            QTest::keyClick(Button("CancelButton"), Qt::Key_Return);
        },
    };
    for (const auto& close : ways) {
        const int result = Edit([&] {
            Radio("WaitFor")->click();
            TypeMinutes("25");
            Combo("EventTypeCombo")->setCurrentIndex(2);
            Check("ShowHints")->click();
            Check("MiniMizeToTray")->click();
            Check("AnimateIcon")->click();
            Button("SelectWavButton")->click();
            close();
        });
        EXPECT_EQ(result, TPreferences::ResultCancel);
        EXPECT_EQ(settings_, before);
    }
}

TEST_F(PreferencesTest, AHiddenAnimationBoxKeepsItsValue) {
    for (bool animate : {true, false}) {
        settings_.AnimateTrayIcon = animate;
        dialog_.FillFrom(settings_);
        dialog_.SetAnimateIconOffered(false);
        ASSERT_EQ(Edit([&] {
                      EXPECT_FALSE(Check("AnimateIcon")->isVisible());
                      Button("Okbutton")->click();
                  }),
                  TPreferences::ResultOk);
        EXPECT_EQ(settings_.AnimateTrayIcon, animate);
    }
    dialog_.SetAnimateIconOffered(true);
    Run([&] {
        EXPECT_TRUE(Check("AnimateIcon")->isVisible());
        dialog_.reject();
    });
}

TEST_F(PreferencesTest, TheOtherOptionsAreStoredAsTicked) {
    ASSERT_EQ(Edit([&] {
                  Combo("EventTypeCombo")->setCurrentIndex(3);
                  Check("ShowHints")->click();
                  Check("MiniMizeToTray")->click();
                  Check("AnimateIcon")->click();
                  Check("DesktopNotification")->click();
                  Button("Okbutton")->click();
              }),
              TPreferences::ResultOk);
    EXPECT_EQ(settings_.DefaultEventType, 3);
    EXPECT_FALSE(settings_.ShowHintsOn);
    EXPECT_TRUE(settings_.UseTray);
    EXPECT_TRUE(settings_.AnimateTrayIcon);
    EXPECT_FALSE(settings_.DesktopNotifications);
}

TEST_F(PreferencesTest, TheDesktopNotificationBoxShowsTheSettingAndTakesTheSpaceKey) {
    for (const bool on : {true, false}) {
        settings_.DesktopNotifications = on;
        dialog_.FillFrom(settings_);
        ASSERT_EQ(Edit([&] {
                      QCheckBox* box = Check("DesktopNotification");
                      EXPECT_EQ(box->isChecked(), on);
                      // From the last of the other options, one Tab further on.
                      Check("AnimateIcon")->setFocus();
                      QTest::keyClick(dialog_.focusWidget(), Qt::Key_Tab);
                      EXPECT_EQ(dialog_.focusWidget(), box);
                      QTest::keyClick(box, Qt::Key_Space);
                      QTest::keyClick(box, Qt::Key_Return);
                  }),
                  TPreferences::ResultOk);
        EXPECT_EQ(settings_.DesktopNotifications, !on);
    }
}

TEST_F(PreferencesTest, TheDesktopNotificationBoxFitsBesideTheOtherOptions) {
    QCheckBox* box = Check("DesktopNotification");
    QWidget* panel = box->parentWidget();
    EXPECT_EQ(panel, Check("AnimateIcon")->parentWidget());
    for (const bool animationOffered : {true, false}) {
        SCOPED_TRACE(animationOffered ? "beside the animation box" : "without it");
        dialog_.SetAnimateIconOffered(animationOffered);
        EXPECT_TRUE(panel->rect().contains(box->geometry()));
        EXPECT_GE(box->width(), box->sizeHint().width()) << "the caption is cut off";
        // Every other control of the panel on view stays clear of it.
        for (QWidget* other : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != box && !other->isHidden()) {
                EXPECT_FALSE(other->geometry().intersects(box->geometry()))
                    << other->objectName().toStdString();
            }
        // Without the animation box, in line with the boxes above it rather than alone at
        // the right.
        EXPECT_EQ(box->x() == Check("ShowHints")->x(), !animationOffered);
    }
}

// The repeated sound: off as long as its box is not ticked, which also leaves the seconds
// unchangeable; the seconds typed are taken within 5 to 300, as the box's arrows keep them.
TEST_F(PreferencesTest, TheRepeatedSoundIsStoredAsTickedAndTypedWithinItsRange) {
    const struct {
        bool tick;
        const char* typed;
        bool on;
        int seconds;
    } cases[] = {{true, "45", true, 45},
                 {true, "2", true, 5},
                 {true, "900", true, 300},
                 {true, "", true, 5},
                 {false, nullptr, false, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "not ticked");
        settings_ = Settings{};
        dialog_.FillFrom(settings_);
        auto* seconds = Find<TSpinEdit>("RepeatSeconds");
        bool enabledBefore = true;
        ASSERT_EQ(Edit([&] {
                      enabledBefore = seconds->isEnabled();
                      if (c.tick)
                          Check("RepeatSound")->click();
                      if (c.typed) {
                          seconds->setFocus();
                          seconds->selectAll();
                          QTest::keyClick(seconds, Qt::Key_Delete);
                          QTest::keyClicks(seconds, QString::fromLatin1(c.typed));
                      }
                      QTest::keyClick(dialog_.focusWidget(), Qt::Key_Return);
                  }),
                  TPreferences::ResultOk);
        EXPECT_FALSE(enabledBefore);
        EXPECT_EQ(seconds->isEnabled(), c.tick);
        EXPECT_EQ(settings_.RepeatSoundOn, c.on);
        EXPECT_EQ(settings_.RepeatSoundSeconds, c.seconds);
    }
    // Opened again, it shows what was stored.
    settings_.RepeatSoundOn = true;
    settings_.RepeatSoundSeconds = 120;
    dialog_.FillFrom(settings_);
    EXPECT_TRUE(Check("RepeatSound")->isChecked());
    EXPECT_TRUE(Find<TSpinEdit>("RepeatSeconds")->isEnabled());
    EXPECT_EQ(Find<TSpinEdit>("RepeatSeconds")->Value(), 120);
}

// The minutes box: the number typed counts as long as the focus stays in the box, so Enter
// takes it as it stands; leaving the box pulls it into 1 to 60.
struct MinutesCase {
    const char* typed;
    bool leaveTheBox;
    int seconds;
};

const MinutesCase kMinutesCases[] = {
    {"90", false, 5400}, {"90", true, 3600}, {"", false, 60},
    {"", true, 60},      {"0", true, 60},    {"45", false, 2700},
};

TEST_F(PreferencesTest, MinutesAreReadAsTypedUntilTheBoxLosesTheFocus) {
    for (const MinutesCase& c : kMinutesCases) {
        SCOPED_TRACE(std::string(c.typed) + (c.leaveTheBox ? ", left" : ", Enter"));
        settings_.TimeoutSeconds = 300;
        dialog_.FillFrom(settings_);
        ASSERT_EQ(Edit([&] {
                      TypeMinutes(QString::fromLatin1(c.typed));
                      if (c.leaveTheBox)
                          QTest::keyClick(MinutesBox(), Qt::Key_Tab);
                      QTest::keyClick(dialog_.focusWidget(), Qt::Key_Return);
                  }),
                  TPreferences::ResultOk);
        EXPECT_EQ(settings_.TimeoutSeconds, c.seconds);
    }
}

TEST_F(PreferencesTest, TheMinutesBoxTakesOnlyNumbersAndItsArrowsStayInRange) {
    Run([&] {
        Radio("WaitFor")->click();
        TypeMinutes("1x2");
        EXPECT_EQ(MinutesBox()->text(), "12");
        TypeMinutes("59");
        QTest::keyClick(MinutesBox(), Qt::Key_Up);
        QTest::keyClick(MinutesBox(), Qt::Key_Up);
        EXPECT_EQ(MinutesBox()->text(), "60");
        TypeMinutes("2");
        QTest::keyClick(MinutesBox(), Qt::Key_Down);
        QTest::keyClick(MinutesBox(), Qt::Key_Down);
        EXPECT_EQ(MinutesBox()->text(), "1");
        dialog_.reject();
    });
}

TEST_F(PreferencesTest, ChooseTakesOnlySoundFilesAndTypingIsNotTaken) {
    const QString chosen = folder_.filePath("chime.wav");
    ASSERT_EQ(Edit([&] {
                  chooser_.answer = folder_.filePath("song.mp3");
                  Button("SelectWavButton")->click();
                  EXPECT_EQ(Find<QLineEdit>("WaveFileEdit")->text(), "");
                  chooser_.answer = chosen;
                  Button("SelectWavButton")->click();
                  EXPECT_EQ(Find<QLineEdit>("WaveFileEdit")->text(), chosen);
                  EXPECT_EQ(chooser_.askedFolder, folder_.path() + '/');
                  Find<QLineEdit>("WaveFileEdit")->setText("typed.wav");
                  Button("Okbutton")->click();
              }),
              TPreferences::ResultOk);
    EXPECT_EQ(settings_.DefaultSoundFile, QFile::encodeName(chosen).toStdString());
}

TEST_F(PreferencesTest, PlayNowPlaysAnExistingFileAndEveryCloseStopsTheSound) {
    const QString file = folder_.filePath("bell.wav");
    QFile(file).open(QIODevice::WriteOnly);
    Run([&] {
        Find<QLineEdit>("WaveFileEdit")->setText(folder_.filePath("missing.wav"));
        Button("PlayNowButton")->click();
        EXPECT_TRUE(player_.opened.empty());
        Find<QLineEdit>("WaveFileEdit")->setText(file);
        Button("PlayNowButton")->click();
        EXPECT_TRUE(player_.IsOpen());
        Button("BitBtn1")->click();
        EXPECT_FALSE(player_.IsOpen());
        Button("PlayNowButton")->click();
        Button("Okbutton")->click();
    });
    EXPECT_EQ(player_.opened.size(), 2u);
    EXPECT_EQ(player_.opened.front(), QFile::encodeName(file).toStdString());
    EXPECT_FALSE(player_.IsOpen());
    EXPECT_EQ(player_.closes, 2);
}

TEST_F(PreferencesTest, HelpAndF1OpenTheTopicOfThePreferences) {
    Run([&] {
        Button("Helpbutton")->click();
        testing::PressHelpKey(dialog_);
        dialog_.reject();
    });
    EXPECT_EQ(help_.topics, std::vector<int>(2, 1015));
    EXPECT_EQ(help_.openers, std::vector<QWidget*>(2, &dialog_));
}

// Runs in the pass with QT_SCALE_FACTOR=2.
using HighResolutionPreferences = PreferencesTest;

TEST_F(HighResolutionPreferences, ButtonGlyphsAreMadeForTheScreen) {
    dialog_.show();
    // Choose, Play Now, Shhhh, Ok, Cancel, Help.
    testing::ExpectSharpAtScaleTwo(dialog_, 6);
}

} // namespace
} // namespace nudgery
