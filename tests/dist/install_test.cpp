// `cmake --install` into a scratch DESTDIR with the prefix /usr: the program, its help
// where the installed program looks for it, the desktop entry, the icon at every size,
// the AppStream metadata and the manual page; the entry and the metadata pass the
// distribution's validators.
#include "app/command_line.h"
#include "app/translations.h"
#include "help_options.h"
#include "platform/help_viewer.h"
#include "support/desktop_entry.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

constexpr int kWaitMs = 60000;
const QString kAppId = QStringLiteral(NUDGERY_APP_ID);

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    std::string output;
};

// Runs `program` with `arguments`, its two outputs merged; `environment` adds to the
// test's own.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys())
        env.insert(name, environment.value(name));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    run.finished = process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = process.readAll().toStdString();
    return run;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstallTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(destdir_.isValid());
        QProcessEnvironment env;
        env.insert("DESTDIR", destdir_.path());
        const ToolRun install = RunTool(QStringLiteral(NUDGERY_CMAKE),
                                        {"--install", NUDGERY_BUILD_DIR, "--prefix", "/usr"}, env);
        ASSERT_TRUE(install.finished && install.exitCode == 0) << install.output;
    }
    // A path under the prefix.
    QString Installed(const QString& path) const { return destdir_.path() + "/usr/" + path; }
    QString DesktopEntry() const { return Installed("share/applications/" + kAppId + ".desktop"); }
    QString Metadata() const { return Installed("share/metainfo/" + kAppId + ".metainfo.xml"); }

    // Runs a validator of the distribution on an installed file; skips when it is missing.
    void ExpectValid(const char* tool, QStringList arguments, const QString& file) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
        arguments << file;
        const ToolRun check = RunTool(QLatin1String(tool), arguments);
        EXPECT_TRUE(check.finished);
        EXPECT_EQ(check.exitCode, 0) << check.output;
    }

    QTemporaryDir destdir_;
};

TEST_F(InstallTree, TheProgramAndItsHelpWhereTheProgramLooksForIt) {
    const QString program = Installed("bin/nudgery");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    const QString help = FindHelpFile(QFileInfo(program).absolutePath());
    EXPECT_EQ(help, Installed("share/nudgery/NUDGERY.HLP"));
    EXPECT_EQ(Contents(help), Contents(NUDGERY_SOURCE_DIR "/help/NUDGERY.HLP"));
}

TEST_F(InstallTree, TheDesktopEntryStartsTheProgramWithItsIcon) {
    const QString entry = DesktopEntry();
    EXPECT_EQ(testing::DesktopEntryValue(entry, "Exec"), "nudgery");
    EXPECT_EQ(testing::DesktopEntryValue(entry, "Icon"), kAppId);
    EXPECT_EQ(testing::DesktopEntryValue(entry, "GenericName"), "Reminder");
    const QStringList categories =
        testing::DesktopEntryValue(entry, "Categories").split(';', Qt::SkipEmptyParts);
    EXPECT_TRUE(categories.contains("Utility"));
    EXPECT_TRUE(categories.contains("Clock"));
}

// The program finds its translations where they are installed, and its desktop entry and
// metadata name and describe it in each language.
TEST_F(InstallTree, TheTranslationsWhereTheProgramLooksForThemAndTheTranslatedEntry) {
    const QString folder =
        FindTranslationsFolder(QFileInfo(Installed("bin/nudgery")).absolutePath());
    EXPECT_EQ(folder, Installed("share/nudgery/translations"));
    const QString entry = DesktopEntry();
    const QString metadata = QString::fromUtf8(Contents(Metadata()));
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("fr")}) {
        SCOPED_TRACE(language.toStdString());
        QTranslator translator;
        EXPECT_TRUE(translator.load(QStringLiteral("nudgery_") + language, folder));
        EXPECT_FALSE(translator.isEmpty());
        EXPECT_EQ(translator.language(), language);
        for (const QString& key : {QStringLiteral("Name"), QStringLiteral("Comment")}) {
            const QString translated =
                testing::DesktopEntryValue(entry, QStringLiteral("%1[%2]").arg(key, language));
            EXPECT_FALSE(translated.isEmpty()) << key.toStdString();
        }
        EXPECT_NE(testing::DesktopEntryValue(entry, "Comment[" + language + "]"),
                  testing::DesktopEntryValue(entry, "Comment"));
        EXPECT_TRUE(metadata.contains(QStringLiteral("<summary xml:lang=\"%1\">").arg(language)));
    }
}

TEST_F(InstallTree, TheIconAtEveryPixelSizeAndScalable) {
    const QByteArray svg =
        Contents(Installed("share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
    EXPECT_TRUE(svg.contains("<svg"));
    for (const int size : {NUDGERY_ICON_SIZES}) {
        SCOPED_TRACE(size);
        const QImage icon(Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) +
                                    kAppId + ".png"));
        ASSERT_EQ(icon.size(), QSize(size, size));
        // The clock is drawn, on a transparent ground.
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

TEST_F(InstallTree, TheManualPageTellsTheOptionFilesAndEnvironment) {
    const QString page = QString::fromUtf8(Contents(Installed("share/man/man1/nudgery.1")));
    for (const char* section : {".SH OPTIONS", ".SH FILES", ".SH ENVIRONMENT"})
        EXPECT_TRUE(page.contains(QLatin1String(section))) << section;
    // As roff writes a hyphen.
    const QString option = "--" + QString::fromLatin1(MinimizedOption);
    EXPECT_TRUE(page.contains(QString(option).replace("-", "\\-"))) << option.toStdString();
}

// Every option that --help lists is in the manual page and in the bash completion, with the
// forms of WHEN and RULE and the exit statuses.
TEST_F(InstallTree, TheManualPageAndTheCompletionKnowEveryOption) {
    const ToolRun help = RunTool(Installed("bin/nudgery"), {"--help"});
    ASSERT_TRUE(help.finished && help.exitCode == 0) << help.output;
    const QString page = QString::fromUtf8(Contents(Installed("share/man/man1/nudgery.1")));
    const QString completion =
        QString::fromUtf8(Contents(Installed("share/bash-completion/completions/nudgery")));
    ASSERT_FALSE(completion.isEmpty());
    const QStringList options = testing::OptionsInHelp(QString::fromStdString(help.output));
    EXPECT_GE(options.size(), 15) << help.output;
    for (const QString& option : options) {
        EXPECT_TRUE(page.contains(QString(option).replace("-", "\\-"))) << option.toStdString();
        EXPECT_TRUE(completion.contains(option)) << option.toStdString();
    }
    for (const char* section : {".SH WHEN", ".SH RULE", ".SH EXIT STATUS", ".SH D-BUS"})
        EXPECT_TRUE(page.contains(QLatin1String(section))) << section;
}

// The installed program finds its window's module where it was installed, and the
// description of its bus interface is where D-Bus tools look.
TEST_F(InstallTree, TheInstalledProgramStartsItsWindowAndDescribesItsBusInterface) {
    const QByteArray description =
        Contents(Installed("share/dbus-1/interfaces/" + kAppId + ".xml"));
    EXPECT_TRUE(description.contains("<interface name=\"" + kAppId.toUtf8() + "\">"));
    EXPECT_TRUE(description.contains("<method name=\"AddOneTime\">"));
    EXPECT_TRUE(QFileInfo::exists(Installed("lib/nudgery/libnudgery_window.so")));

    QTemporaryDir home;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(Installed("bin/nudgery"), {});
    ASSERT_TRUE(program.waitForStarted(kWaitMs));
    // The window shows once it holds the claim; then a command ends it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return QFile::exists(runtime.filePath("nudgery.socket")) ||
                   program.state() == QProcess::NotRunning;
        },
        kWaitMs))
        << program.readAllStandardError().toStdString();
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    QProcess quit;
    quit.setProcessEnvironment(env);
    quit.start(Installed("bin/nudgery"), {"--quit"});
    ASSERT_TRUE(quit.waitForFinished(kWaitMs));
    EXPECT_EQ(quit.exitCode(), 0) << quit.readAllStandardError().toStdString();
    EXPECT_TRUE(program.waitForFinished(kWaitMs));
    // Beside the program where it may write there (a scratch tree), else in the user's data.
    EXPECT_TRUE(QFile::exists(Installed("bin/Nudgery.dat")) ||
                QFile::exists(home.filePath("data/Nudgery/Nudgery.dat")))
        << "saved as it ended";
}

TEST_F(InstallTree, TheDesktopEntryPassesDesktopFileValidate) {
    ExpectValid("desktop-file-validate", {}, DesktopEntry());
}

TEST_F(InstallTree, TheMetadataPassesAppstreamcliValidate) {
    ExpectValid("appstreamcli", {"validate", "--no-net"}, Metadata());
}

} // namespace
} // namespace nudgery
