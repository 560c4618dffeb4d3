// Where the main window, its dialogs and its popup menus go on the screen.
#include "Main.h"
#include "MainPrivate.h"
#include "alerts/Settings.h"
#include "platform/profile_file.h"
#include "platform/screen.h"

#include <QMenu>

namespace nudgery {

namespace {

constexpr const char* LeftKey = "Left";
constexpr const char* TopKey = "Top";
constexpr const char* RightKey = "Right";
constexpr const char* BottomKey = "Bottom";
constexpr const char* MaximizedKey = "Maximized";

} // namespace

void TMainForm::CenterForm(QWidget& form) const {
    const QSize size = form.frameGeometry().size();
    const QRect screen = d_->services.screen.Geometry();
    if (&form == this || isMaximized()) {
        form.move(screen.left() + (screen.width() - size.width()) / 2,
                  screen.top() + (screen.height() - size.height()) / 2);
        return;
    }
    const QRect main = frameGeometry();
    form.move(main.left() + (main.width() - size.width()) / 2,
              main.top() + (main.height() - size.height()) / 2);
}

void TMainForm::PopupMenuBelow(QWidget& button, QMenu& menu) {
    menu.popup(button.mapToGlobal(QPoint(0, button.height())));
}

QString MainPrivate::PlacementSection() const {
    return QString::fromStdString(
        PlacementSectionName(TMainForm::PlacementClassName, services.screen.PixelsPerInch()));
}

void MainPrivate::SavePlacement() {
    // The normal rectangle, also while maximised or minimised; right and bottom are the
    // edges one past the last pixel.
    const QRect normal = q.isMaximized() || q.isMinimized() ? q.normalGeometry() : q.geometry();
    ProfileFile file(SettingsFileName(services.programFolder));
    const std::string section = PlacementSection().toStdString();
    file.WriteStrings(section, {ProfileEntry::Integer(LeftKey, normal.left()),
                                ProfileEntry::Integer(TopKey, normal.top()),
                                ProfileEntry::Integer(RightKey, normal.left() + normal.width()),
                                ProfileEntry::Integer(BottomKey, normal.top() + normal.height()),
                                ProfileEntry::Bool(MaximizedKey, q.isMaximized())});
}

void MainPrivate::RestorePlacement() {
    const ProfileFile file(SettingsFileName(services.programFolder));
    const std::string section = PlacementSection().toStdString();
    int left = file.ReadInteger(section, LeftKey, 0);
    int top = file.ReadInteger(section, TopKey, 0);
    int right = file.ReadInteger(section, RightKey, 0);
    int bottom = file.ReadInteger(section, BottomKey, 0);
    const bool maximized = file.ReadBool(section, MaximizedKey, q.isMaximized());
    if (bottom != 0) {
        const int screenWidth = services.screen.Width();
        const int screenHeight = services.screen.Height();
        if (screenWidth < right) {
            left -= right - screenWidth;
            right = screenWidth;
        }
        if (screenHeight < bottom) {
            top -= bottom - screenHeight;
            bottom = screenHeight;
        }
        q.setGeometry(left, top, right - left, bottom - top);
    } else {
        q.CenterForm(q);
    }
    if (maximized)
        q.setWindowState(q.windowState() | Qt::WindowMaximized);
    SavePlacement();
}

} // namespace nudgery
