#pragma once

#include "scene/SceneSource.h"

#include <QRect>

class QWidget;

namespace fg {

// Gives a top-level window the frame of its border style, with its client area at `client`
// on the screen: 2 sizable with minimise, maximise and close boxes; 3 a fixed dialog frame
// with a close box only; 5 a sizable tool window with a close box only. Without a taskbar
// button the window asks the window manager to leave it off the taskbar.
void applyWindowFrame(QWidget& window, BorderStyle style, bool showInTaskbar, const QRect& client);

} // namespace fg
