#pragma once
// What the window tests share: real input through the windows' own input path (QTest's
// QWindow overloads, which respect modality and send a double-click as press, release,
// double-click, release), grabbing what a window shows, and a runtime whose error reports
// are captured instead of shown.

#include "scene/FormWindow.h"
#include "scene/FormsRuntime.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace fg::test {

// Input at a position in the window's client area, in pixels.
void click(QWidget& window, QPoint position);
void doubleClick(QWidget& window, QPoint position);
void press(QWidget& window, QPoint position);
void release(QWidget& window, QPoint position);
void moveTo(QWidget& window, QPoint position, Qt::MouseButtons buttons = Qt::NoButton,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Lets the event loop deliver what is pending.
void processEvents();

// What the window shows, at one pixel per image pixel, client area only.
QImage grab(QWidget& window);

// The centre of a control in the client area of its window, in pixels.
QPoint centreOf(const FormWindow& window, const QString& control);

// The names of the visible controls of a loaded window, of one kind, in control order.
QStringList visibleNames(const FormWindow& window, ControlKind kind);

// The lines of an info list.
QStringList listLines(const FormWindow& window, const QString& list = QStringLiteral("List1"));

// Runs `during` once the next modal window is showing, from inside its event loop; fails the
// test and closes the windows when none shows within 3 seconds.
void whenModalShows(std::function<void(QWidget& modal)> during);

// A runtime for one test: error reports are collected, fault injection is off at the start
// and the end, and no counted reference may be outstanding at the end.
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the runtime for a project and opens its startup window.
    FormWindow& start(ProjectDescription project);

    std::unique_ptr<FormsRuntime> runtime;
    std::vector<Failure> reports;
};

} // namespace fg::test
