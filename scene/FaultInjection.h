#pragma once
// Failures on demand, for tests: makes the n-th status-returning operation of the forms
// runtime fail, or the first one on a named control and operation. Off unless a test arms
// it; every operation asks it before doing anything.

#include <QString>

namespace fg {

class FaultInjection {
public:
    // The n-th operation from now (1 the next one) fails.
    static void failNth(int n);
    // The first operation `operation` ("Visible", "Clear", "AddItem", "Show") on the control
    // or window class `control` fails.
    static void failFirst(const QString& control, const QString& operation);
    static void reset();

    // Counts one operation and tells whether it is to fail.
    static bool shouldFail(const QString& control, const QString& operation);
};

} // namespace fg
