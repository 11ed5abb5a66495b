#pragma once
// How a picture fits its box: drawn at its own size from the client area's top-left pixel,
// cut off at the client area's right and bottom edges; the box's BackColor fills the rest.

#include <QRect>
#include <QSize>

namespace fg::pictures {

// A flat box has a 1-pixel border, a 3D box a 2-pixel sunken edge.
constexpr int borderWidth(bool threeD) {
    return threeD ? 2 : 1;
}

inline QRect clientArea(QSize outer, bool threeD) {
    const int border = borderWidth(threeD);
    return QRect(border, border, qMax(0, outer.width() - 2 * border),
                 qMax(0, outer.height() - 2 * border));
}

// The part of a picture of `picture` pixels that shows in `client`, in the client's
// coordinates.
inline QRect shownPart(QSize picture, QRect client) {
    return QRect(client.topLeft(), picture).intersected(client);
}

} // namespace fg::pictures
