#pragma once
// What the family-tree window tests share: opening a tree window modally as the gallery
// does and acting inside it, the state of its info list, and points to move the pointer to.

#include "tests/support/GuiTest.h"

#include <QObject>
#include <QRect>
#include <optional>
#include <ostream>

namespace fg::test {

class TreeWindowTest : public RuntimeTest {
protected:
    // Starts the program if it is not running, shows the tree window `name` modally from
    // the instance in its program-wide reference (made on first use), runs `body` inside
    // the window's event loop and closes the window.
    void inTreeWindow(const char* name, const std::function<void(FormWindow&)>& body);
};

// What the info list shows: whether it is shown, and its lines.
struct ListState {
    bool shown = false;
    QStringList lines;

    friend bool operator==(const ListState&, const ListState&) = default;
};
void PrintTo(const ListState& state, std::ostream* out);

ListState listState(const FormWindow& window);

// Where a portrait or the info list stands in the client area, in pixels, shown or not.
QRect boxOf(const FormWindow& window, const QString& control);

// A point of the bare client area: no portrait, no line and not the info list's place.
QPoint backgroundPoint(const FormWindow& window);

// A point on a connector line of the window that no portrait and no info list covers.
std::optional<QPoint> exposedPointOf(const FormWindow& window, const QString& line);

// Counts how often a widget is hidden.
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* watched);
    int count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
};

} // namespace fg::test
