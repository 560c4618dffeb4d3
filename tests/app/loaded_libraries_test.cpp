// What the running program has loaded, read from its memory map: nothing for sound until a
// sound plays, no image plugin for the first window (its pictures are drawn, not read), and
// no network module at any time.
#include "alerts/audio_files.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "x_display.h"

#include <QFile>
#include <QStandardPaths>
#include <vector>

namespace nudgery {
namespace {

// The memory map of a process: every file it has mapped, libraries among them.
QByteArray MemoryMap(qint64 pid) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

TEST_F(ProgramProcess, TheSoundStackIsLoadedWithTheFirstSoundAndTheNetworkModuleNever) {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty())
        GTEST_SKIP() << "Xvfb is not installed: the program's window cannot be waited for";
    VirtualDisplay display;
    QString why;
    ASSERT_TRUE(display.Start(why)) << why.toStdString();
    const SystemClock clock;
    if (clock.TimeOfDay() > EncodeTime(23, 58))
        GTEST_SKIP() << "too close to midnight";
    // Due now with a sound only: the first check, five seconds after the window shows,
    // plays it.
    const QString sound = program_.File("chime.wav");
    test::WriteSineWav(sound, 0.5);
    const auto due = TReminder::CreateNormal(KindOneTime, clock.Now(), "chime",
                                             QFile::encodeName(sound).toStdString(), EventPlayOnly);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{due.get()}, {});
    QProcessEnvironment env;
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display.Name());
    const qint64 pid = Start({}, env).processId();

    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& window : display.WindowsOf(pid))
                if (window.topLevel && window.viewable)
                    return true;
            return false;
        },
        kWaitMs));
    const QByteArray shown = MemoryMap(pid);
    EXPECT_TRUE(shown.contains("libQt6Widgets")) << "not the program's memory map";
    EXPECT_FALSE(shown.contains("libSDL2")) << "the sound stack is loaded before any sound";
    EXPECT_FALSE(shown.contains("libQt6Network"));
    EXPECT_FALSE(shown.contains("imageformats/")) << "an image plugin is loaded for the window";
    EXPECT_FALSE(shown.contains("iconengines/")) << "an icon plugin is loaded for the window";

    EXPECT_TRUE(QTest::qWaitFor([&] { return MemoryMap(pid).contains("libSDL2_mixer"); }, kWaitMs))
        << "the reminder's sound did not load the sound stack";
    EXPECT_FALSE(MemoryMap(pid).contains("libQt6Network"));
}

} // namespace
} // namespace nudgery
