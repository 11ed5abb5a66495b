#pragma once

#include "scene/SceneSource.h"

namespace fg {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels at 15 twips to the pixel, rounded to the nearest pixel (halves away from 0).
constexpr int toPixels(Twips twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

} // namespace fg
