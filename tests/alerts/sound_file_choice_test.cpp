// The "Choose" rule shared by the editors and the preferences: where the dialog starts and
// which chosen names are taken.
#include "alerts/SoundFileChoice.h"
#include "support/fake_file_chooser.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

using testing::FakeFileChooser;

TEST(SoundFileChoiceTest, TakesOnlyNamesHoldingWavOrMidInAnyCase) {
    const struct {
        const char* path;
        bool taken;
    } cases[] = {
        {"/snd/bell.wav", true},     {"/snd/BELL.WAV", true},  {"/snd/bell.MiD", true},
        {"/snd/BELL.MID.TXT", true}, {"/snd/bell.mp3", false}, {"/snd/bell", false},
        {"/snd.wav/bell.ogg", true}, {"/snd/bellwav", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAcceptedSoundFileName(QString::fromLatin1(c.path)), c.taken) << c.path;
}

TEST(SoundFileChoiceTest, StartsInTheFilesFolderAndPreselectsOnlyAnExistingFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath("bell.wav");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString program = QStringLiteral("/opt/nudgery/");

    const SoundFileDialogStart forExisting = SoundFileDialogStartFor(existing, program);
    EXPECT_EQ(forExisting.folder, dir.path() + '/');
    EXPECT_EQ(forExisting.file, existing);

    const SoundFileDialogStart forMissing =
        SoundFileDialogStartFor(dir.filePath("gone.wav"), program);
    EXPECT_EQ(forMissing.folder, dir.path() + '/');
    EXPECT_TRUE(forMissing.file.isEmpty());

    for (const QString& bare : {QString(), QStringLiteral("bell.wav")}) {
        const SoundFileDialogStart start = SoundFileDialogStartFor(bare, program);
        EXPECT_EQ(start.folder, program) << bare.toStdString();
        EXPECT_TRUE(start.file.isEmpty());
    }
}

TEST(SoundFileChoiceTest, CancelAndRefusedNamesGiveNothing) {
    FakeFileChooser chooser;
    EXPECT_FALSE(ChooseSoundFile(chooser, nullptr, {}, "/p/"));
    chooser.answer = QStringLiteral("/snd/bell.mp3");
    EXPECT_FALSE(ChooseSoundFile(chooser, nullptr, {}, "/p/"));
    chooser.answer = QStringLiteral("/snd/bell.mid");
    EXPECT_EQ(ChooseSoundFile(chooser, nullptr, "/old/x.wav", "/p/"), chooser.answer);
    EXPECT_EQ(chooser.asked, 3);
    EXPECT_EQ(chooser.askedFolder, QStringLiteral("/old/"));
}

} // namespace
} // namespace nudgery
