#include "scene/WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace fg {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, std::uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t result = reply->atom;
    free(reply);
    return result;
}

// On X11 a window stays off the taskbar by the _NET_WM_STATE_SKIP_TASKBAR state, set before
// the window is first mapped.
void skipTaskbar(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    window.winId(); // creates the native window
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window.winId()), state,
                        XCB_ATOM_ATOM, 32, 1, &skip);
    xcb_flush(connection);
}

} // namespace

void applyWindowFrame(QWidget& window, BorderStyle style, bool showInTaskbar, const QRect& client) {
    switch (style) {
    case BorderStyle::Sizable:
        window.setWindowFlags(Qt::Window);
        break;
    case BorderStyle::FixedDialog:
        window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint);
        break;
    case BorderStyle::SizableToolWindow:
        window.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
        break;
    }
    window.setGeometry(client);
    if (style == BorderStyle::FixedDialog)
        window.setFixedSize(client.size());
    if (!showInTaskbar && QGuiApplication::platformName() == QLatin1String("xcb"))
        skipTaskbar(window);
}

} // namespace fg
