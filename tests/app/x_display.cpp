#include "x_display.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace nudgery {

namespace {

constexpr int kStartMs = 20000;

// A reply of the X server, freed with free() as xcb asks.
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> Take(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

VirtualDisplay::~VirtualDisplay() {
    if (connection_)
        xcb_disconnect(connection_);
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }
}

bool VirtualDisplay::Start(QString& why) {
    // The server picks a free display number and writes it to the descriptor given.
    server_.setProgram(QStringLiteral("Xvfb"));
    server_.setArguments({"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start();
    if (!server_.waitForStarted(kStartMs)) {
        why = QStringLiteral("Xvfb did not start: ") + server_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(kStartMs);
    while (!server_.canReadLine() && !deadline.hasExpired() && server_.state() == QProcess::Running)
        server_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    if (number.isEmpty()) {
        why = QStringLiteral("Xvfb did not report a display number");
        return false;
    }
    name_ = ':' + number;
    int screen = 0;
    connection_ = xcb_connect(name_.toLatin1().constData(), &screen);
    if (xcb_connection_has_error(connection_)) {
        why = QStringLiteral("cannot connect to Xvfb on ") + name_;
        return false;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    return true;
}

std::uint32_t VirtualDisplay::Atom(const char* name) const {
    const auto reply = Take(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

QByteArray VirtualDisplay::Property(std::uint32_t window, std::uint32_t property) const {
    const auto reply = Take(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, XCB_ATOM_ANY, 0, 256),
        nullptr));
    if (!reply)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

std::vector<VirtualDisplay::Window> VirtualDisplay::WindowsOf(qint64 pid) const {
    std::vector<Window> found;
    Collect(root_, {Atom("_NET_WM_PID"), Atom("WM_STATE")}, pid, found);
    return found;
}

void VirtualDisplay::Collect(std::uint32_t window, const WindowAtoms& atoms, qint64 pid,
                             std::vector<Window>& found) const {
    const auto tree =
        Take(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t child = children[i];
        const auto owner = Take(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, child, atoms.pid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (owner && xcb_get_property_value_length(owner.get()) == 4 &&
            *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get())) == pid) {
            Window w;
            w.id = child;
            w.topLevel = window == root_;
            const auto attributes = Take(xcb_get_window_attributes_reply(
                connection_, xcb_get_window_attributes(connection_, child), nullptr));
            w.viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
            const auto geometry = Take(
                xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, child), nullptr));
            const auto origin = Take(xcb_translate_coordinates_reply(
                connection_, xcb_translate_coordinates(connection_, child, root_, 0, 0), nullptr));
            if (geometry && origin)
                w.geometry = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
            w.managed = !Property(child, atoms.state).isEmpty();
            w.name = QString::fromUtf8(Property(child, XCB_ATOM_WM_NAME));
            // Two texts, each ended by a zero byte.
            for (const QByteArray& part : Property(child, XCB_ATOM_WM_CLASS).split('\0'))
                if (!part.isEmpty())
                    w.windowClass << QString::fromLatin1(part);
            found.push_back(w);
        }
        Collect(child, atoms, pid, found);
    }
}

bool VirtualDisplay::SelectionOwned(const char* selection) const {
    const auto reply = Take(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, Atom(selection)), nullptr));
    return reply && reply->owner != XCB_NONE;
}

std::uint32_t VirtualDisplay::FocusedWindow() const {
    const auto reply =
        Take(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return reply ? reply->focus : static_cast<xcb_window_t>(XCB_NONE);
}

QImage VirtualDisplay::Screenshot() const {
    const auto geometry =
        Take(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, root_), nullptr));
    if (!geometry)
        return {};
    const auto image =
        Take(xcb_get_image_reply(connection_,
                                 xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, 0, 0,
                                               geometry->width, geometry->height, ~0u),
                                 nullptr));
    if (!image)
        return {};
    // 24-bit colour travels as 32 bits a pixel, blue first: Qt's RGB32 on this machine.
    return QImage(xcb_get_image_data(image.get()), geometry->width, geometry->height,
                  QImage::Format_RGB32)
        .copy();
}

} // namespace nudgery
