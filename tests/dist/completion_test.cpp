// The bash completion, run by bash as it completes a command line: the options that --help
// lists, the actions after --action, and file names after --sound, --import and --export,
// also names with blanks in them.
#include "help_options.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

constexpr int kWaitMs = 30000;

// What bash offers for the words typed so far, the last being completed; one a line.
QStringList Completed(const QStringList& words, const QString& folder = QDir::currentPath()) {
    QString script = QStringLiteral("source '%1'; COMP_WORDS=(").arg(NUDGERY_COMPLETION);
    for (const QString& word : words)
        script += " '" + word + "'";
    script += QStringLiteral(" ); COMP_CWORD=%1; _nudgery; printf '%s\\n' \"${COMPREPLY[@]}\"")
                  .arg(words.size() - 1);
    QProcess bash;
    bash.setWorkingDirectory(folder);
    bash.start("bash", {"-c", script});
    EXPECT_TRUE(bash.waitForFinished(kWaitMs));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
    offered.removeAll(QString());
    offered.sort();
    return offered;
}

TEST(BashCompletion, OffersEveryOptionThatHelpLists) {
    if (QStandardPaths::findExecutable("bash").isEmpty())
        GTEST_SKIP() << "bash is not installed";
    QProcess help;
    help.start(NUDGERY_PATH, {"--help"});
    ASSERT_TRUE(help.waitForFinished(kWaitMs));
    const QStringList options =
        testing::OptionsInHelp(QString::fromUtf8(help.readAllStandardOutput()));
    ASSERT_FALSE(options.isEmpty());
    EXPECT_EQ(Completed({"nudgery", "--"}), options);
    EXPECT_EQ(Completed({"nudgery", "--im"}), QStringList{"--import"});
    EXPECT_EQ(Completed({"nudgery", "--add", "in 20m", "Tea", "--s"}),
              (QStringList{"--show", "--sound"}));
}

TEST(BashCompletion, OffersTheActionsAndFileNames) {
    if (QStandardPaths::findExecutable("bash").isEmpty())
        GTEST_SKIP() << "bash is not installed";
    EXPECT_EQ(Completed({"nudgery", "--action", "s"}), (QStringList{"show", "show-and-play"}));
    EXPECT_EQ(Completed({"nudgery", "--action", ""}).size(), 4);
    QTemporaryDir folder;
    for (const char* name : {"bell.wav", "big ben.wav", "calendar.ics"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    for (const char* option : {"--sound", "--import", "--export"})
        EXPECT_EQ(Completed({"nudgery", option, "b"}, folder.path()),
                  (QStringList{"bell.wav", "big ben.wav"}))
            << option;
    // After --add, a time: nothing to offer.
    EXPECT_TRUE(Completed({"nudgery", "--add", ""}, folder.path()).isEmpty());
}

} // namespace
} // namespace nudgery
