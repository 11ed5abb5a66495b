#include "scene/LineDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace fg {
namespace {

// numerator / denominator rounded to the nearest whole number, halves away from zero.
int nearest(int numerator, int denominator) {
    const int magnitude = (2 * std::abs(numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

} // namespace

void drawConnectorLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0 && dy == 0)
        return;
    if (dy == 0) { // horizontal: from the first end point up to the last, which stays out
        const int left = dx > 0 ? from.x() : to.x() + 1;
        painter.fillRect(left, from.y(), std::abs(dx), 1, colour);
        return;
    }
    if (dx == 0) {
        const int top = dy > 0 ? from.y() : to.y() + 1;
        painter.fillRect(from.x(), top, 1, std::abs(dy), colour);
        return;
    }
    // Step along the longer axis; on the other take the nearest pixel, halves away from the
    // first end point. The last end point stays out.
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
        const int x = from.x() + nearest(i * dx, steps);
        const int y = from.y() + nearest(i * dy, steps);
        painter.fillRect(x, y, 1, 1, colour);
    }
}

} // namespace fg
