#include "scene/FaultInjection.h"

namespace fg {
namespace {

struct Armed {
    int countdown = 0; // > 0: fail when it reaches zero
    QString control;
    QString operation;
};
Armed armed;

} // namespace

void FaultInjection::failNth(int n) {
    armed = Armed{n, {}, {}};
}

void FaultInjection::failFirst(const QString& control, const QString& operation) {
    armed = Armed{0, control, operation};
}

void FaultInjection::reset() {
    armed = Armed{};
}

bool FaultInjection::shouldFail(const QString& control, const QString& operation) {
    if (armed.countdown > 0) {
        if (--armed.countdown > 0)
            return false;
        reset();
        return true;
    }
    if (!armed.control.isEmpty() && armed.control == control && armed.operation == operation) {
        reset();
        return true;
    }
    return false;
}

} // namespace fg
