// scripts/screenshots.sh on the built program, into a scratch folder: a picture of each
// window, the size of that window and not of the whole screen, and not blank; and of the
// desktop's notification beside the program's window. Skipped where Xvfb or the tools that
// drive and photograph the program are missing.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

struct Picture {
    const char* file;
    // The window's own size; its frame and menu bar may add to it.
    QSize window;
};

const Picture kPictures[] = {
    {"main-window.png", {599, 362}},
    {"main-window-repeating.png", {599, 362}},
    {"notification.png", {384, 239}},
    {"one-time-editor.png", {511, 408}},
    {"repeating-editor.png", {512, 407}},
    {"repeating-editor-day-of-month.png", {512, 407}},
    {"repeating-editor-weekday-of-month.png", {512, 407}},
    {"preferences.png", {512, 400}},
};
// At most this much wider and taller for the window manager's frame (and the menu bar).
constexpr QSize kFrame(24, 64);

int Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

TEST(Screenshots, TheScriptPhotographsEveryWindow) {
    for (const char* tool : {"Xvfb", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess script;
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start("bash", {NUDGERY_SOURCE_DIR "/scripts/screenshots.sh", "--build-dir",
                          NUDGERY_BUILD_DIR, "--no-build", output.path()});
    ASSERT_TRUE(script.waitForFinished(180000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAll().toStdString();

    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.file);
        const QImage image(QDir(output.path()).filePath(QLatin1String(picture.file)));
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), picture.window.width());
        EXPECT_GE(image.height(), picture.window.height());
        EXPECT_LE(image.width(), picture.window.width() + kFrame.width());
        EXPECT_LE(image.height(), picture.window.height() + kFrame.height());
        // Text, controls and marks: far more than a blank or half-drawn window has.
        EXPECT_GT(Colours(image), 32);
    }
    // The desktop's own notification beside the program's window, where the script can run
    // a notification server: larger than the window it holds.
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() ||
        !QFile::exists("/usr/lib/notification-daemon/notification-daemon"))
        return;
    const QImage desktop(QDir(output.path()).filePath("desktop-notification.png"));
    ASSERT_FALSE(desktop.isNull()) << "no picture of the desktop notification";
    EXPECT_GT(desktop.width(), 384 + 100);
    EXPECT_GT(desktop.height(), 239 + 100);
    EXPECT_GT(Colours(desktop), 32);
}

} // namespace
} // namespace nudgery
