#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

namespace fg {

// Draws a solid 1-pixel line from `from` to `to`, as the platform draws a connector line:
// every pixel of the line but the last end point, so that a line one pixel long in each
// direction is a single dot. Sloped lines take the pixel nearest the ideal line in each
// step. Painters' own line drawing is not used: its ends and slopes vary with the pen.
void drawConnectorLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour);

} // namespace fg
