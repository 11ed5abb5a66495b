#pragma once

#include "scene/FormsRuntime.h"

namespace fg::app {

// The program as the forms runtime starts it: no start-up procedure, the six window classes
// in the order Form1, Form2, Form4, Form3, Form5, Form6 with Form1 the startup window, the
// five program-wide references to the family-tree windows, one thread.
ProjectDescription projectDescription();

} // namespace fg::app
