// The main window's start-up and shutdown: the first activation's show state, closing with
// its saves, the sound stopped when the window goes, and an end asked from outside.
#include "main_form_fixture.h"
#include "platform/profile_file.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace nudgery::testing {
namespace {

using StartUp = MainFormTest;

TEST_F(StartUp, ShowStateOfTheFirstActivation) {
    const struct {
        bool minimized;
        bool notificationArea;
        bool useTray;
        bool intoTray;
    } cases[] = {
        {false, true, true, true},  {true, true, true, true},    {true, true, false, false},
        {true, false, true, false}, {true, false, false, false},
    };
    for (const auto& c : cases) {
        startup.minimized = c.minimized;
        startup.notificationArea = c.notificationArea;
        TMainForm& f = Make();
        // After the window read the (empty) settings file.
        settings.UseTray = c.useTray;
        EXPECT_FALSE(f.Timer1->isActive());
        f.FormActivate();
        const std::string what = std::string(c.minimized ? "minimised" : "normal") +
                                 (c.notificationArea ? " tray" : "") +
                                 (c.useTray ? " UseTray" : "");
        EXPECT_TRUE(f.isVisible()) << what;
        EXPECT_EQ(f.isMinimized(), c.minimized) << what;
        EXPECT_EQ(f.StartsInTray(), c.intoTray) << what;
        EXPECT_TRUE(f.Timer1->isActive()) << what;
        EXPECT_FALSE(f.FirstActivation);
        // Later activations change nothing.
        f.showNormal();
        f.FormActivate();
        EXPECT_FALSE(f.isMinimized()) << what;
    }
}

TEST_F(StartUp, ClosingSavesPlacementAndLists) {
    TMainForm& f = Make();
    f.FormActivate();
    f.setGeometry(30, 40, 620, 410);
    Append(*f.AlarmGrid, OneTime("kept", TestNow()));
    QSignalSpy closed(&f, &TMainForm::Closed);
    ASSERT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(ProfileFile(Folder() + "NUDGERY.INI").ReadInteger("TMainForm_Placement", "Left", 0),
              30);
    EXPECT_EQ(Descriptions(*Make().AlarmGrid), std::vector<std::string>{"kept"});
}

TEST_F(StartUp, AFolderThatCannotBeWrittenKeepsTheWindowOpen) {
    TMainForm& f = Make();
    f.FormActivate();
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    QSignalSpy closed(&f, &TMainForm::Closed);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(closed.count(), 0);
    ASSERT_FALSE(messages.errors.isEmpty());
    EXPECT_EQ(messages.errors.back(), "Cannot create file " + Folder() + "Nudgery.dat");
    // The check cycle runs on.
    EXPECT_TRUE(f.Timer1->isActive());
}

TEST_F(StartUp, TheSoundStopsWhenTheWindowIsDestroyed) {
    TMainForm& f = Make();
    QFile file(folder.filePath("ring.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    f.PlayTheSound(file.fileName().toStdString());
    ASSERT_TRUE(player.IsOpen());
    EXPECT_EQ(player.plays, 1);
    alarmShow.reset();
    form.reset();
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(StartUp, AnEndAskedFromOutsideClosesAndSaves) {
    TMainForm& f = Make();
    f.FormActivate();
    Append(*f.AlarmGrid, OneTime("saved", TestNow(), StatusDone));
    f.EndSession();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(Descriptions(*Make().AlarmGrid), std::vector<std::string>{"saved"});
}

TEST_F(StartUp, AnEndAskedWhileANotificationIsOpenAnswersItFirst) {
    TMainForm& f = Make();
    f.FormActivate();
    Append(*f.AlarmGrid, OneTime("first", TestNow()));
    Append(*f.AlarmGrid, OneTime("second", TestNow()));
    QSignalSpy closed(&f, &TMainForm::Closed);
    int shown = 0;
    QTimer::singleShot(0, &f, [&] {
        shown += alarmShow->isVisible();
        f.EndSession();
    });
    for (int i = 0; i < 5; ++i)
        f.Timer1Timer();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.Timer1->isActive());
    // The answer was applied before the save, and the second reminder was not shown.
    TMainForm& loaded = Make();
    ASSERT_EQ(Descriptions(*loaded.AlarmGrid), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(loaded.AlarmGrid->Object(1)->Status, StatusDone);
    EXPECT_EQ(loaded.AlarmGrid->Object(2)->Status, StatusPending);
}

} // namespace
} // namespace nudgery::testing
