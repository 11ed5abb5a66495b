#pragma once

#include "scene/SceneSource.h"

namespace fg::gallery {

// The gallery window as authored; the build stores it and the program loads the stored form.
extern const SceneSource kForm1Scene;

} // namespace fg::gallery
