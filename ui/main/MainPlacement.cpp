// Where the main window, its dialogs and its popup menus go on the screen.
#include "Main.h"
#include "MainPrivate.h"
#include "UnplacedWindow.h"
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

std::optional<QRect> MainPrivate::StoredPlacement(const ProfileFile& file) const {
    const std::string section = PlacementSection().toStdString();
    const int left = file.ReadInteger(section, LeftKey, 0);
    const int top = file.ReadInteger(section, TopKey, 0);
    const int bottom = file.ReadInteger(section, BottomKey, 0);
    // A bottom of 0 stands for nothing stored.
    if (bottom == 0)
        return std::nullopt;
    return QRect(QPoint(left, top),
                 QPoint(file.ReadInteger(section, RightKey, 0), bottom) - QPoint(1, 1));
}

void MainPrivate::SavePlacement() {
    // The normal rectangle, also while maximised or minimised; right and bottom are the
    // edges one past the last pixel.
    QRect normal = q.isMaximized() || q.isMinimized() ? q.normalGeometry() : q.geometry();
    ProfileFile file(SettingsFileName(services.programFolder));
    if (!services.screen.ProgramsPlaceWindows())
        normal = PlacementToKeep({StoredPlacement(file), askedSize_, sizeImposed_}, normal.size(),
                                 services.screen.Geometry());
    const std::string section = PlacementSection().toStdString();
    file.WriteStrings(section, {ProfileEntry::Integer(LeftKey, normal.left()),
                                ProfileEntry::Integer(TopKey, normal.top()),
                                ProfileEntry::Integer(RightKey, normal.left() + normal.width()),
                                ProfileEntry::Integer(BottomKey, normal.top() + normal.height()),
                                ProfileEntry::Bool(MaximizedKey, q.isMaximized())});
}

void MainPrivate::RestorePlacement() {
    const ProfileFile file(SettingsFileName(services.programFolder));
    const bool maximized =
        file.ReadBool(PlacementSection().toStdString(), MaximizedKey, q.isMaximized());
    if (std::optional<QRect> stored = StoredPlacement(file)) {
        // Moved, not shrunk, into the screen at the right and at the bottom; the left and
        // the top edges are taken as they are.
        const QRect screen = services.screen.Geometry();
        if (stored->right() > screen.width() - 1)
            stored->moveRight(screen.width() - 1);
        if (stored->bottom() > screen.height() - 1)
            stored->moveBottom(screen.height() - 1);
        // Where the desktop places the windows, only the size is the program's to give.
        if (services.screen.ProgramsPlaceWindows())
            q.setGeometry(*stored);
        else
            q.resize(stored->size());
    } else {
        q.CenterForm(q);
    }
    askedSize_ = q.size();
    if (maximized)
        q.setWindowState(q.windowState() | Qt::WindowMaximized);
    SavePlacement();
}

} // namespace nudgery
