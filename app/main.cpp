// The program's entry: builds the services of the desktop, the main window over them, and
// runs until the main window has closed (closing saves placement and lists).
#include "ui/main/Main.h"

#include "alerts/Settings.h"
#include "core/date_formats.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
#include "platform/regional_settings.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/system_clock.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nudgery"));
    QApplication::setApplicationDisplayName(QStringLiteral("Nudgery!"));

    using namespace nudgery;
    const QString programFolder = ProgramFolder();
    SystemClock clock;
    DateFormats formats;
    Settings settings;
    DesktopMessageBoxes messages;
    HelpWindowViewer help(HelpFileName(programFolder));
    DesktopShell shell;
    DesktopScreen screen;
    const MainFormServices services{clock,         formats,  SystemRegionalSettings(),
                                    programFolder, settings, messages,
                                    help,          shell,    screen};

    TMainForm mainForm(services);
    // The help window may still be open: the program ends with the main window anyway.
    QObject::connect(&mainForm, &TMainForm::Closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainForm.FormActivate();
    return app.exec();
}
