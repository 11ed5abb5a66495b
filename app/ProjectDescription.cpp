#include "app/ProjectDescription.h"

#include "gallery/Form1.h"
#include "trees/TreeForms.h"

namespace fg::app {

ProjectDescription projectDescription() {
    return {
        .windowClasses = {&gallery::form1Class(), &trees::form2Class(), &trees::form4Class(),
                          &trees::form3Class(), &trees::form5Class(), &trees::form6Class()},
        .programReferences = {QStringLiteral("Form2"), QStringLiteral("Form3"),
                              QStringLiteral("Form4"), QStringLiteral("Form5"),
                              QStringLiteral("Form6")},
    };
}

} // namespace fg::app
