// The program with its window: the single-instance guard, then the services of the desktop
// and the main window over them; runs until the main window has closed (closing saves
// placement and lists). The running program answers commands from outside over the session
// bus and the claim's channel.
#include "ui/main/Main.h"

#include "alerts/BusSignals.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "app/command_line.h"
#include "app/translations.h"
#include "app/window_main.h"
#include "art/ProgramArt.h"
#include "core/date_formats.h"
#include "platform/beeper.h"
#include "platform/command_bus.h"
#include "platform/desktop_notifications.h"
#include "platform/file_chooser.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
#include "platform/regional_settings.h"
#include "platform/screen.h"
#include "platform/sdl_media_player.h"
#include "platform/shell.h"
#include "platform/startup_info.h"
#include "platform/system_clock.h"
#include "platform/termination_signals.h"
#include "platform/tray_area.h"
#include "ui/controls/GlyphStyle.h"
#include "ui/main/Justone.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// Prints why the command line is refused; the program's exit code.
int Refuse(const QString& text, int exitCode) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return exitCode;
}

} // namespace

extern "C" int NudgeryWindowMain(int argc, char** argv) {
    using namespace nudgery;
    QApplication app(argc, argv);
    // The windows' texts in the user's language; what the command line prints stays English.
    const ProgramTranslations translations(
        FindTranslationsFolder(QCoreApplication::applicationDirPath()),
        QLocale::system().uiLanguages());
    // Ties the windows to the installed desktop entry: its icon in the task bar, the
    // program's identity on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUDGERY_APP_ID));
    // Read again once the toolkit has taken its own options (-platform, -display...) out; a
    // command line the program does not take ends it here, before any window or file.
    const CommandLineRequest request =
        ReadCommandLine(QApplication::arguments(), QStringLiteral(NUDGERY_VERSION));
    if (request.outcome != CommandLineRequest::Outcome::Run)
        return Refuse(request.text, request.exitCode);
    if (request.options.command && request.options.command->kind != CommandRequest::Kind::Show)
        return Refuse(QStringLiteral("%1: commands take none of the toolkit's own options.\n")
                          .arg(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()),
                      UsageExitCode);
    // Installed first, so a signal that comes during start-up waits for the event loop and
    // then ends the program the normal way.
    TerminationSignals termination;

    // A second copy asks the first to come forward and ends before it makes any window or
    // touches the data file.
    TPreviousInstance previousInstance(QString::fromLocal8Bit(argv[0]));
    if (previousInstance.Exists())
        return previousInstance.RunSecondCopyStep();

    const DesktopStartupInfo startup(request.options.startMinimized);
    // Names the user's data folder, which holds the files when the program's folder is
    // read-only. No display name: the toolkit would append it to every window's title.
    QApplication::setApplicationName(QStringLiteral("Nudgery"));
    // The windows that set no icon of their own (help, message boxes) carry the program's.
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setStyle(new GlyphStyle);

    const QString programFolder = ProgramFolder();
    SystemClock clock;
    DateFormats formats;
    Settings settings;
    DesktopMessageBoxes messages;
    HelpWindowViewer help(FindHelpFile(QCoreApplication::applicationDirPath()));
    DesktopShell shell;
    DesktopScreen screen;
    SdlMediaPlayer player;
    SystemBeeper beeper;
    SoundPlayback sound(player, beeper);
    DesktopFileChooser files;
    const auto trayArea = [] { return std::make_unique<DesktopTrayArea>(); };
    // Reaches the bus only once the main window is on the screen.
    DBusDesktopNotifications desktopNotices(QStringLiteral(NUDGERY_APP_ID), ProgramIcon());
    const MainFormServices services{clock,         formats,        SystemRegionalSettings(),
                                    programFolder, settings,       messages,
                                    help,          shell,          screen,
                                    sound,         trayArea,       startup,
                                    files,         &desktopNotices};

    TMainForm mainForm(services);

    QObject::connect(&previousInstance, &TPreviousInstance::BringForwardRequested, &mainForm,
                     [&mainForm](const QString& token) { BringWindowForward(mainForm, token); });
    QObject::connect(&termination, &TerminationSignals::TerminationRequested, &mainForm,
                     &TMainForm::EndSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                     [&mainForm](QSessionManager&) { mainForm.EndSession(); });
    // The help window may still be open: the program ends with the main window anyway.
    QObject::connect(&mainForm, &TMainForm::Closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // And only then, once the lists are saved: hidden in the tray, the main window is not
    // on the screen, and the notification or a dialog closing there must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Commands from outside, carried out on the window's lists: over the claim's channel from
    // the start, over the session bus once the window shows.
    const UtcOffsetAt offsetAt = [&clock](std::int64_t seconds) {
        return clock.UtcOffsetAt(seconds);
    };
    const auto carry = [&mainForm, &offsetAt](const CommandRequest& command) {
        return mainForm.CarryCommand(command, offsetAt);
    };
    previousInstance.SetRequestHandler([&carry](const QByteArray& line) {
        const std::optional<CommandRequest> command = DecodeRequest(line);
        return command ? EncodeReply(carry(*command)) : QByteArray();
    });
    CommandBus bus(carry);
    BusSignals busSignals(bus);
    mainForm.AddCycleObserver(busSignals);

    mainForm.FormActivate();
    // The bus is no business of the start: the window shows first.
    QTimer::singleShot(0, &bus, [&bus] { bus.Register(); });
    return app.exec();
}
