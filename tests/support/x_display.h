// What the X display shows of the program's windows: their stacking and their titles. Test
// programs that include this link xcb.
#pragma once

#include <QGuiApplication>
#include <QStringList>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace x_display {

inline xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

// The top-level windows, bottom to top.
inline std::vector<xcb_window_t> StackedWindows(xcb_connection_t* connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    ReplyPointer<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &std::free);
    if (!tree) return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

inline QByteArray Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply) return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

} // namespace x_display

// Whether the display stacks `upper` above `lower`.
inline bool StackedAbove(const QWidget* upper, const QWidget* lower)
{
    xcb_connection_t* connection = x_display::Connection();
    if (!connection) return false;
    const std::vector<xcb_window_t> windows = x_display::StackedWindows(connection);
    const auto at = [&](const QWidget* widget) {
        for (size_t i = 0; i < windows.size(); ++i)
            if (windows[i] == widget->winId()) return int(i);
        return -1;
    };
    return at(lower) >= 0 && at(upper) > at(lower);
}

// The titles the display shows for the mapped windows of process `pid`.
inline QStringList WindowTitlesOf(qint64 pid)
{
    QStringList titles;
    xcb_connection_t* connection = x_display::Connection();
    if (!connection) return titles;
    const xcb_atom_t pidAtom = x_display::Atom(connection, "_NET_WM_PID");
    const xcb_atom_t nameAtom = x_display::Atom(connection, "_NET_WM_NAME");
    for (const xcb_window_t window : x_display::StackedWindows(connection)) {
        const QByteArray owner = x_display::Property(connection, window, pidAtom);
        if (owner.size() != 4 || *reinterpret_cast<const uint32_t*>(owner.constData()) != uint32_t(pid)) continue;
        x_display::ReplyPointer<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr),
            &std::free);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            titles << QString::fromUtf8(x_display::Property(connection, window, nameAtom));
    }
    return titles;
}
