#pragma once
// An X server of the test's own (Xvfb, on a free display number) and a look at it through
// the X protocol: which windows a process has, where they are, whether they are on screen,
// who owns a selection, which window has the keyboard, and a picture of the whole screen.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace nudgery {

class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Starts the server and connects to it; on failure, `why` says what went wrong.
    bool Start(QString& why);
    // ":N", for DISPLAY.
    const QString& Name() const { return name_; }

    struct Window {
        std::uint32_t id = 0;
        // Directly under the root window: a top-level window, not one embedded in another.
        bool topLevel = false;
        bool viewable = false;
        // Taken in by a window manager, which marks the windows it manages (WM_STATE).
        bool managed = false;
        // In screen coordinates.
        QRect geometry;
        QString name;
        // WM_CLASS: the instance name and the class name.
        QStringList windowClass;
    };
    // Every window, at any depth, that process `pid` says is its own (_NET_WM_PID).
    std::vector<Window> WindowsOf(qint64 pid) const;
    // Whether some client owns the selection named `selection`.
    bool SelectionOwned(const char* selection) const;
    // The window that has the keyboard.
    std::uint32_t FocusedWindow() const;
    QImage Screenshot() const;

private:
    std::uint32_t Atom(const char* name) const;
    QByteArray Property(std::uint32_t window, std::uint32_t property) const;
    // _NET_WM_PID and WM_STATE, asked for once per look at the windows.
    struct WindowAtoms {
        std::uint32_t pid = 0;
        std::uint32_t state = 0;
    };
    void Collect(std::uint32_t window, const WindowAtoms& atoms, qint64 pid,
                 std::vector<Window>& found) const;

    QProcess server_;
    QString name_;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
};

} // namespace nudgery
