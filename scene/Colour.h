#pragma once

#include "scene/SceneSource.h"

#include <QColor>
#include <QPalette>

namespace fg {

// A stored colour value as the screen shows it: a direct colour 0x00BBGGRR as it stands, a
// system colour 0x800000nn as the platform's colour scheme (the palette) gives it.
QColor toQColor(ColourValue value, const QPalette& palette);
QColor toQColor(ColourValue value); // with the application's palette

} // namespace fg
