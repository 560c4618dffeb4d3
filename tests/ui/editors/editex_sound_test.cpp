// The action and sound frame of the one-time editor: which actions enable the sound
// controls, the file kept at Save, "Choose", "Play Now", "Shhhh", and the sound stopped by
// every close.
#include "editex_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QTest>

namespace nudgery {
namespace {

using EditAlarmExactSoundTest = testing::EditAlarmExactTest;

std::string Bytes(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

TEST_F(EditAlarmExactSoundTest, SaveKeepsAnExistingSoundFileAndDropsAMissingOne) {
    const QString bell = MakeFile(QString::fromUtf8("glöckchen.wav"));
    const struct {
        QString path;
        std::string saved;
    } cases[] = {
        {bell, Bytes(bell)},
        {folder.filePath("gone.wav"), ""},
        {folder.path(), ""}, // a folder is no sound file
        {"", ""},
    };
    for (const auto& c : cases) {
        Remake();
        editor->SetEditorSoundFile(Bytes(c.path));
        EXPECT_EQ(WaveFileEdit().text(), c.path);
        EXPECT_EQ(Run(*editor, [this] { Click("SetAlarmButton"); }).result, QDialog::Accepted);
        EXPECT_EQ(editor->EditorSoundFile(), c.saved) << c.path.toStdString();
    }
}

TEST_F(EditAlarmExactSoundTest, ANewReminderIsOfferedTheDefaultSoundOnlyWhenItExists) {
    const QString bell = MakeFile("bell.wav");
    editor->OfferDefaultSoundFile(Bytes(bell));
    EXPECT_EQ(WaveFileEdit().text(), bell);
    editor->OfferDefaultSoundFile(Bytes(folder.filePath("gone.wav")));
    EXPECT_EQ(WaveFileEdit().text(), "");
    EXPECT_EQ(editor->EditorSoundFile(), "");
}

TEST_F(EditAlarmExactSoundTest, OnlyTheActionsThatPlayASoundEnableItsEditAndChooseButton) {
    const QString bell = MakeFile("bell.wav");
    const struct {
        int action;
        bool soundControls;
    } cases[] = {{1, false}, {0, true}, {3, false}, {2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        Remake();
        editor->SetEditorSoundFile(Bytes(bell));
        const Outcome outcome = Run(*editor, [&] {
            Control<QComboBox>("EventTypeCombo").setCurrentIndex(c.action);
            EXPECT_EQ(WaveFileEdit().isEnabled(), c.soundControls);
            EXPECT_EQ(Control("SelectWavButton").isEnabled(), c.soundControls);
            EXPECT_TRUE(Control("PlayNowButton").isEnabled());
            EXPECT_TRUE(Control("BitBtn1").isEnabled());
            Click("SetAlarmButton");
        });
        EXPECT_EQ(outcome.result, QDialog::Accepted);
        EXPECT_EQ(editor->EditorEventType(), c.action);
        EXPECT_EQ(editor->EditorSoundFile(), Bytes(bell)) << "the path is kept whatever the action";
    }
}

TEST_F(EditAlarmExactSoundTest, TheCallersActionIsShownAndAnUnknownOneIsKeptUntilOneIsPicked) {
    auto& actions = Control<QComboBox>("EventTypeCombo");
    editor->SetEditorEventType(3);
    EXPECT_EQ(actions.currentText(), "Do Nothing");
    EXPECT_FALSE(WaveFileEdit().isEnabled());
    // An action this program does not know plays nothing and shows nothing: no item says so.
    editor->SetEditorEventType(7);
    EXPECT_EQ(actions.currentIndex(), -1);
    EXPECT_EQ(editor->EditorEventType(), 7);
    EXPECT_FALSE(WaveFileEdit().isEnabled());
    actions.setCurrentIndex(2);
    EXPECT_EQ(editor->EditorEventType(), 2);
    EXPECT_TRUE(WaveFileEdit().isEnabled());
}

TEST_F(EditAlarmExactSoundTest, ChooseTakesNamesWithWavOrMidAndIgnoresOthers) {
    const QString bell = MakeFile("bell.wav");
    editor->SetEditorSoundFile(Bytes(bell));
    files.answer = QStringLiteral("/sounds/BELL.MP3");
    Click("SelectWavButton");
    EXPECT_EQ(files.askedFolder, folder.path() + '/');
    EXPECT_EQ(files.askedFile, bell);
    EXPECT_EQ(WaveFileEdit().text(), bell) << "BELL.MP3 is ignored";
    EXPECT_EQ(editor->EditorSoundFile(), Bytes(bell));

    files.answer = QStringLiteral("/sounds/BELL.MID.TXT");
    Click("SelectWavButton");
    EXPECT_EQ(WaveFileEdit().text(), "/sounds/BELL.MID.TXT");
    EXPECT_EQ(editor->EditorSoundFile(), "/sounds/BELL.MID.TXT");

    files.answer.reset(); // the user cancels
    Click("SelectWavButton");
    EXPECT_EQ(files.askedFolder, "/sounds/");
    EXPECT_TRUE(files.askedFile.isEmpty()) << "a file that does not exist is not preselected";
    EXPECT_EQ(WaveFileEdit().text(), "/sounds/BELL.MID.TXT");
}

TEST_F(EditAlarmExactSoundTest, TheSoundEditIsTheSoundFileAsTyped) {
    QTest::keyClicks(&WaveFileEdit(), "/x/chime.mid");
    EXPECT_EQ(editor->EditorSoundFile(), "/x/chime.mid");
    Click("SelectWavButton");
    EXPECT_EQ(files.askedFolder, "/x/") << "Choose starts in the typed file's folder";
}

TEST_F(EditAlarmExactSoundTest, PlayNowPlaysOnlyAnExistingFileAndShhhhStopsIt) {
    WaveFileEdit().setText(folder.filePath("gone.wav"));
    Click("PlayNowButton");
    EXPECT_TRUE(player.opened.empty());

    const QString bell = MakeFile("bell.wav");
    WaveFileEdit().setText(bell);
    Click("PlayNowButton");
    EXPECT_EQ(player.opened, std::vector<std::string>{Bytes(bell)});
    EXPECT_TRUE(player.IsOpen());
    Click("BitBtn1");
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(EditAlarmExactSoundTest, EveryWayOfClosingStopsTheSound) {
    const QString bell = MakeFile("bell.wav");
    const std::function<void(TEditAlarmExact&)> closes[] = {
        [](TEditAlarmExact& e) { e.findChild<QAbstractButton*>("SetAlarmButton")->click(); },
        [](TEditAlarmExact& e) { e.findChild<QAbstractButton*>("CancelButton")->click(); },
        [](TEditAlarmExact& e) { QTest::keyClick(&e, Qt::Key_Escape); },
        [](TEditAlarmExact& e) { e.close(); },
    };
    for (const auto& close : closes) {
        Remake();
        editor->SetEditorSoundFile(Bytes(bell));
        Run(*editor, [&] {
            Click("PlayNowButton");
            ASSERT_TRUE(player.IsOpen());
            close(*editor);
        });
        EXPECT_FALSE(player.IsOpen());
        EXPECT_FALSE(editor->isVisible());
    }
}

} // namespace
} // namespace nudgery
