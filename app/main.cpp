// Familiengalerie: hands the project description to the forms runtime, which runs the rest.
#include "app/ProjectDescription.h"

int main(int argc, char** argv) {
    fg::FormsRuntime::start(argc, argv, fg::app::projectDescription());
}
