#pragma once
// Colours as the screen shows them: a direct colour as stored; the system colours by the
// palette role that stands for them on this platform.

#include "scene/Colour.h"

#include <QApplication>

namespace fg::test {

inline QColor shownColour(ColourValue value) {
    if ((value & 0xFF000000u) == 0)
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    const QPalette palette = QApplication::palette();
    switch (value) {
    case colour::kWindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case colour::kWindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case colour::kHighlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    default: // inactive border, application workspace: whatever the platform makes of them
        return toQColor(value, palette);
    }
}

} // namespace fg::test
