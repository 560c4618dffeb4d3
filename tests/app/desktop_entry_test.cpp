// The built program on an X server of the test's own: its main window carries the class
// that the desktop entry names, so that launchers and task bars match the window to the
// entry and its icon.
#include "program_process.h"
#include "support/desktop_entry.h"
#include "support/process_signal.h"
#include "x_display.h"

#include <QStandardPaths>
#include <csignal>

namespace nudgery {
namespace {

class DesktopEntry : public ProgramProcess {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        ProgramProcess::SetUp();
        QString why;
        ASSERT_TRUE(display_.Start(why)) << why.toStdString();
    }

    VirtualDisplay display_;
};

TEST_F(DesktopEntry, StartupWMClassIsTheClassOfTheMainWindow) {
    const QString wanted =
        testing::DesktopEntryValue(QStringLiteral(NUDGERY_DESKTOP_FILE), "StartupWMClass");
    ASSERT_FALSE(wanted.isEmpty());
    QProcess& program = StartOnDisplay(display_.Name());
    QStringList windowClass;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& window : display_.WindowsOf(program.processId()))
                if (window.topLevel && window.viewable && window.name == "Nudgery!")
                    windowClass = window.windowClass;
            return !windowClass.isEmpty();
        },
        kWaitMs));
    ASSERT_EQ(windowClass.size(), 2);
    EXPECT_EQ(windowClass[1], wanted);
    testing::SendSignal(program, SIGTERM);
    EXPECT_TRUE(program.waitForFinished(kWaitMs));
}

} // namespace
} // namespace nudgery
