// Real sound through SDL's disk audio driver: what the program plays lands in a raw file,
// so the tests can hear whether sound came out.
#include "alerts/Alarmsh.h"
#include "alerts/SoundPlayback.h"
#include "audio_files.h"
#include "core/clock.h"
#include "platform/beeper.h"
#include "platform/sdl_media_player.h"
#include "support/recording_help.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>

namespace nudgery {
namespace {

using test::CountAudible;
using test::ReadSamples;

constexpr int kOutputSamplesPerSecond = 44100 * 2; // the player's stereo output
constexpr int kPlayTimeoutMs = 30000;

class CountingBeeper final : public Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class SoundPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
    }
    void TearDown() override { playback_.Shutup(); }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    static std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
    std::size_t AudibleOutput() const { return CountAudible(ReadSamples(output_)); }
    bool WaitUntilQuiet() {
        return QTest::qWaitFor([this] { return !player_.IsOpen(); }, kPlayTimeoutMs);
    }

    QTemporaryDir dir_;
    const QString output_ = dir_.filePath("output.raw");
    SdlMediaPlayer player_;
    CountingBeeper beeper_;
    SoundPlayback playback_{player_, beeper_};
};

// Whether a file descriptor of this process refers to the file at `path`.
bool OpenInThisProcess(const QString& path) {
    const QString file = QFileInfo(path).canonicalFilePath();
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
        if (fd.symLinkTarget() == file)
            return true;
    return false;
}

struct PlayableFile {
    const char* name;
    void (*write)(const QString& path, double seconds);
};

// Names the case in test names and failure messages by its file name.
void PrintTo(const PlayableFile& file, std::ostream* out) {
    *out << file.name;
}

class PlayableFileTest : public SoundPlaybackTest,
                         public ::testing::WithParamInterface<PlayableFile> {};

TEST_P(PlayableFileTest, PlaysToItsEndAndReleasesTheDevice) {
    const QString file = Path(GetParam().name);
    GetParam().write(file, 1.0);

    playback_.PlaySoundNow(Bytes(file));
    EXPECT_TRUE(player_.IsOpen());

    // The end of the sound, reported through the event loop, closes the player.
    ASSERT_TRUE(WaitUntilQuiet());
    EXPECT_EQ(beeper_.beeps, 0);
    EXPECT_GT(AudibleOutput(), 0.5 * kOutputSamplesPerSecond);
}

INSTANTIATE_TEST_SUITE_P(WaveAndMidi, PlayableFileTest,
                         ::testing::Values(PlayableFile{"chime.WAV", test::WriteSineWav},
                                           PlayableFile{"tune.MID", test::WriteChordMidi}));

TEST_F(SoundPlaybackTest, ShutupStopsTheSoundAtOnce) {
    const QString file = Path("long.wav");
    test::WriteSineWav(file, 30);
    playback_.PlaySoundNow(Bytes(file));
    ASSERT_TRUE(QTest::qWaitFor([this] { return AudibleOutput() > 0; }, kPlayTimeoutMs));
    ASSERT_TRUE(OpenInThisProcess(output_));

    playback_.Shutup();
    EXPECT_FALSE(player_.IsOpen());
    // Nothing more can reach the output: the audio device has let go of it, though most of
    // the sound was still to come.
    EXPECT_FALSE(OpenInThisProcess(output_));
    EXPECT_LT(AudibleOutput(), 10 * kOutputSamplesPerSecond);
}

TEST_F(SoundPlaybackTest, ShutupWithNothingPlayingDoesNothing) {
    playback_.Shutup();
    EXPECT_FALSE(player_.IsOpen());
    EXPECT_EQ(beeper_.beeps, 0);
    EXPECT_FALSE(QFile::exists(output_));
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(SoundPlaybackTest, FilesThatCannotBeOpenedBeepOnceAndPlayNothing) {
    const QString wave = Path("good.wav");
    test::WriteSineWav(wave, 0.5);
    QFile waveFile(wave);
    ASSERT_TRUE(waveFile.open(QIODevice::ReadOnly));
    const QByteArray waveHeader = waveFile.read(30);

    const struct {
        const char* name;
        QByteArray content;
    } files[] = {{"notes.WAV", "Buy milk on the way home.\n"},
                 {"notes.MID", "Buy milk on the way home.\n"},
                 {"cut.WAV", waveHeader}};
    int expectedBeeps = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        WriteBytes(Path(file.name), file.content);
        playback_.PlaySoundNow(Bytes(Path(file.name)));
        EXPECT_EQ(beeper_.beeps, ++expectedBeeps);
        EXPECT_FALSE(player_.IsOpen());
        EXPECT_EQ(AudibleOutput(), 0u);
    }
    // Called directly (as the editors do after their own check), a missing file beeps too.
    playback_.PlayTheSound(Bytes(Path("gone.wav")));
    EXPECT_EQ(beeper_.beeps, ++expectedBeeps);
}

TEST_F(SoundPlaybackTest, NoFileToPlayIsSilentWithoutBeep) {
    const std::string paths[] = {"", Bytes(Path("missing.wav")), Bytes(dir_.path())};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        playback_.PlaySoundNow(path);
        EXPECT_FALSE(player_.IsOpen());
    }
    EXPECT_EQ(beeper_.beeps, 0);
    // The audio device was never opened.
    EXPECT_FALSE(QFile::exists(output_));
}

TEST_F(SoundPlaybackTest, EndOfAReplacedSoundDoesNotStopTheNewOne) {
    std::vector<SoundId> reports;
    QObject::connect(&player_, &MediaPlayer::Finished,
                     [&reports](SoundId sound) { reports.push_back(sound); });
    const QString first = Path("first.wav");
    const QString second = Path("second.wav");
    test::WriteSineWav(first, 30);
    test::WriteSineWav(second, 1.0);

    playback_.PlayTheSound(Bytes(first));
    playback_.PlayTheSound(Bytes(second));
    // The first sound's end arrives through the event loop after the second has started.
    ASSERT_TRUE(QTest::qWaitFor([&reports] { return !reports.empty(); }, kPlayTimeoutMs));
    EXPECT_TRUE(player_.IsOpen());

    // The second plays to its own end, which does close the player.
    ASSERT_TRUE(WaitUntilQuiet());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0], reports[1]);
    EXPECT_GT(AudibleOutput(), 0.5 * kOutputSamplesPerSecond);
}

TEST_F(SoundPlaybackTest, WithoutAnAudioDeviceItBeepsAndLaterSoundsStillPlay) {
    const QString file = Path("chime.wav");
    test::WriteSineWav(file, 0.5);

    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    playback_.PlaySoundNow(Bytes(file));
    EXPECT_EQ(beeper_.beeps, 1);
    EXPECT_FALSE(player_.IsOpen());

    // The device is looked for again with the next sound.
    qputenv("SDL_AUDIODRIVER", "disk");
    playback_.PlaySoundNow(Bytes(file));
    EXPECT_TRUE(player_.IsOpen());
    ASSERT_TRUE(WaitUntilQuiet());
    EXPECT_EQ(beeper_.beeps, 1);
    EXPECT_GT(AudibleOutput(), 0.3 * kOutputSamplesPerSecond);
}

TEST(SoundLibrary, WithoutSdlMixerEverySoundBeepsAndNothingElseFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("chime.wav");
    test::WriteSineWav(file, 0.5);
    SdlMediaPlayer player(kDefaultSoundFont, "libno-such-mixer-2.0.so.0");
    CountingBeeper beeper;
    SoundPlayback playback(player, beeper);
    for (int sound = 1; sound <= 2; ++sound) {
        playback.PlaySoundNow(QFile::encodeName(file).toStdString());
        EXPECT_EQ(beeper.beeps, sound);
        EXPECT_FALSE(player.IsOpen());
    }
    playback.Shutup();
}

TEST_F(SoundPlaybackTest, AnsweringTheNotificationStopsTheReminderSound) {
    SettableClock clock;
    testing::RecordingHelp help;
    TAlarmShow window(clock, help, [this] { playback_.Shutup(); });
    const QString file = Path("alarm.wav");
    test::WriteSineWav(file, 30);
    playback_.PlaySoundNow(Bytes(file));
    ASSERT_TRUE(player_.IsOpen());

    bool playingWhileShown = false;
    QTimer::singleShot(0, &window, [&] {
        playingWhileShown = player_.IsOpen();
        window.b10min->click();
    });
    EXPECT_EQ(window.ShowNotification("Stand up", true, 0, 0), -10);
    EXPECT_TRUE(playingWhileShown);
    EXPECT_FALSE(player_.IsOpen());
}

} // namespace
} // namespace nudgery
