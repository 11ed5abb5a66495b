#pragma once

#include "scene/SceneSource.h"

namespace fg::trees {

// The five family-tree windows as authored; the build stores them and the program loads the
// stored forms.
extern const SceneSource kForm2Scene;
extern const SceneSource kForm3Scene;
extern const SceneSource kForm4Scene;
extern const SceneSource kForm5Scene;
extern const SceneSource kForm6Scene;

} // namespace fg::trees
