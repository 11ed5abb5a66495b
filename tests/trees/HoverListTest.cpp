// The info list of a tree window as the pointer moves: shown with a portrait's lines over
// that portrait, hidden with its lines kept over the background or a line, unchanged over
// a portrait without a handler and over the shown list.
#include "TreeWindowTest.h"
#include "TreeWindows.h"
#include "scene/FaultInjection.h"

#include <QListWidget>
#include <QTest>

namespace fg::test {
namespace {

class HoverList : public TreeWindowTest {};

const QString kList = QStringLiteral("List1");

ListState hiddenWith(const ListState& state) {
    return {false, state.lines};
}

// A button going down or up, with keys held, at a point of the client area.
void buttonDown(FormWindow& window, QPoint at, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mousePress(window.windowHandle(), button, modifiers, at);
    processEvents();
}
void buttonUp(FormWindow& window, QPoint at, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseRelease(window.windowHandle(), button, modifiers, at);
    processEvents();
}

TEST_F(HoverList, EachPortraitShowsItsLinesAndTheBackgroundHidesThem) {
    for (const TreeWindow& tree : treeWindows()) {
        SCOPED_TRACE(tree.name);
        inTreeWindow(tree.name, [&](FormWindow& window) {
            const QPoint background = backgroundPoint(window);
            const QPoint listPlace = boxOf(window, kList).center();
            moveTo(window, background);
            moveTo(window, listPlace);
            EXPECT_EQ(listState(window), ListState{}) << "nothing shown before a portrait";

            ListState previous;
            for (const HoverCount& portrait : hoverCounts()) {
                if (QLatin1String(portrait.window) != QLatin1String(tree.name))
                    continue;
                SCOPED_TRACE(portrait.portrait);
                const QRect box = boxOf(window, QLatin1String(portrait.portrait));
                moveTo(window, box.center());
                const ListState showing = listState(window);
                EXPECT_TRUE(showing.shown);
                EXPECT_EQ(showing.lines.size(), portrait.lines);
                EXPECT_NE(showing.lines, previous.lines) << "another person's lines";

                // Every move within the portrait, its border included, lists it afresh.
                for (const QPoint p : {box.topLeft(), box.bottomRight(), box.center()}) {
                    moveTo(window, p);
                    EXPECT_EQ(listState(window), showing);
                }
                moveTo(window, background);
                EXPECT_EQ(listState(window), hiddenWith(showing));
                moveTo(window, listPlace);
                EXPECT_EQ(listState(window), hiddenWith(showing)) << "the hidden list's place";
                previous = showing;
            }
        });
    }
}

TEST_F(HoverList, ShiftAndControlChangeNothing) {
    for (const TreeWindow& tree : treeWindows()) {
        SCOPED_TRACE(tree.name);
        inTreeWindow(tree.name, [&](FormWindow& window) {
            const QPoint root = centreOf(window, QLatin1String(tree.root));
            const QPoint background = backgroundPoint(window);
            moveTo(window, root);
            const ListState showing = listState(window);
            for (const Qt::KeyboardModifiers held : {Qt::KeyboardModifiers(Qt::ShiftModifier),
                                                     Qt::KeyboardModifiers(Qt::ControlModifier),
                                                     Qt::ShiftModifier | Qt::ControlModifier}) {
                SCOPED_TRACE(held.toInt());
                moveTo(window, background, Qt::NoButton, held);
                EXPECT_EQ(listState(window), hiddenWith(showing));
                moveTo(window, root, Qt::NoButton, held);
                EXPECT_EQ(listState(window), showing);
            }
        });
    }
}

// A user holding a button has pressed it where the move began, and the moves go on to the
// control under that press: the portrait, or the window.
TEST_F(HoverList, AButtonHeldChangesNothing) {
    struct Way {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
    };
    const Way ways[] = {
        {"left button", Qt::LeftButton, Qt::NoModifier},
        {"right button", Qt::RightButton, Qt::NoModifier},
        {"left button and shift", Qt::LeftButton, Qt::ShiftModifier},
    };
    for (const TreeWindow& tree : treeWindows()) {
        SCOPED_TRACE(tree.name);
        inTreeWindow(tree.name, [&](FormWindow& window) {
            const QPoint root = centreOf(window, QLatin1String(tree.root));
            const QPoint background = backgroundPoint(window);
            auto* list = qobject_cast<QListWidget*>(window.widgetOf(kList));
            ASSERT_NE(list, nullptr);
            int added = 0;
            QObject::connect(
                list->model(), &QAbstractItemModel::rowsInserted, list,
                [&added](const QModelIndex&, int first, int last) { added += last - first + 1; });
            moveTo(window, root);
            const ListState showing = listState(window);
            for (const Way& way : ways) {
                SCOPED_TRACE(way.name);
                moveTo(window, root);
                buttonDown(window, root, way.button, way.modifiers);
                added = 0;
                moveTo(window, root + QPoint(2, 3), way.button, way.modifiers);
                EXPECT_EQ(listState(window), showing);
                EXPECT_EQ(added, showing.lines.size()) << "the portrait's handler ran";
                buttonUp(window, root + QPoint(2, 3), way.button, way.modifiers);

                // The list is hidden already: a failure armed on hiding it tells that the
                // window's handler ran.
                moveTo(window, background);
                buttonDown(window, background, way.button, way.modifiers);
                reports.clear();
                FaultInjection::failFirst("List1", "Visible");
                moveTo(window, background + QPoint(1, 1), way.button, way.modifiers);
                EXPECT_EQ(reports.size(), 1u) << "the window's handler ran";
                FaultInjection::reset();
                EXPECT_EQ(listState(window), hiddenWith(showing));
                buttonUp(window, background + QPoint(1, 1), way.button, way.modifiers);
            }
        });
    }
}

TEST_F(HoverList, PortraitsWithoutHandlerLeaveTheListAsItIs) {
    for (const char* name : {"Form2", "Form4"}) {
        SCOPED_TRACE(name);
        const TreeWindow& tree = treeWindow(name);
        inTreeWindow(name, [&](FormWindow& window) {
            const QStringList quiet = portraitsWithoutHandler(name);
            ASSERT_FALSE(quiet.isEmpty());
            const auto overEachQuietPortrait = [&](const ListState& expected) {
                for (const QString& portrait : quiet) {
                    moveTo(window, centreOf(window, portrait));
                    EXPECT_EQ(listState(window), expected) << portrait.toStdString();
                }
            };
            overEachQuietPortrait(ListState{});

            moveTo(window, centreOf(window, QLatin1String(tree.root)));
            const ListState showing = listState(window);
            ASSERT_TRUE(showing.shown);
            overEachQuietPortrait(showing);

            moveTo(window, backgroundPoint(window));
            overEachQuietPortrait(hiddenWith(showing));
        });
    }
}

TEST_F(HoverList, ConnectorLinesCountAsBackground) {
    for (const TreeWindow& tree : treeWindows()) {
        SCOPED_TRACE(tree.name);
        inTreeWindow(tree.name, [&](FormWindow& window) {
            const QPoint root = centreOf(window, QLatin1String(tree.root));
            for (const SceneRecord& line : window.scene().controls) {
                if (line.kind != ControlKind::Line || line.container != 0)
                    continue;
                const std::optional<QPoint> onLine = exposedPointOf(window, line.name);
                ASSERT_TRUE(onLine) << line.name.toStdString() << " lies under portraits";
                moveTo(window, root);
                const ListState showing = listState(window);
                moveTo(window, *onLine);
                EXPECT_EQ(listState(window), hiddenWith(showing)) << line.name.toStdString();
            }
        });
    }
}

TEST_F(HoverList, TheShownListIgnoresThePointer) {
    for (const TreeWindow& tree : treeWindows()) {
        SCOPED_TRACE(tree.name);
        inTreeWindow(tree.name, [&](FormWindow& window) {
            const QRect list = boxOf(window, kList);
            moveTo(window, centreOf(window, QLatin1String(tree.root)));
            const ListState showing = listState(window);
            ASSERT_TRUE(showing.shown);
            moveTo(window, list.center());
            EXPECT_EQ(listState(window), showing);
            moveTo(window, list.topLeft() + QPoint(1, 1), Qt::NoButton, Qt::ShiftModifier);
            EXPECT_EQ(listState(window), showing);
            // Pressed on the list and moved with the button held.
            const QPoint inList = list.bottomRight() - QPoint(3, 3);
            moveTo(window, inList);
            buttonDown(window, inList, Qt::LeftButton, Qt::NoModifier);
            moveTo(window, inList - QPoint(10, 10), Qt::LeftButton);
            buttonUp(window, inList - QPoint(10, 10), Qt::LeftButton, Qt::NoModifier);
            EXPECT_EQ(listState(window), showing);
        });
    }
}

TEST_F(HoverList, NeighboursFortyTwipsApartPassStraightFromOneToTheOther) {
    struct Neighbours {
        const char* window;
        const char* left;
        const char* right;
    };
    for (const Neighbours& pair : {Neighbours{"Form3", "Picture23", "Picture24"},
                                   Neighbours{"Form6", "Picture13", "Picture14"}}) {
        SCOPED_TRACE(pair.window);
        inTreeWindow(pair.window, [&](FormWindow& window) {
            const QString left = QLatin1String(pair.left), right = QLatin1String(pair.right);
            const SceneRecord* a = window.record(left);
            const SceneRecord* b = window.record(right);
            ASSERT_TRUE(a && b);
            EXPECT_EQ(b->left - (a->left + a->width), 40);

            // The last pixel of one and the first of the other, with no event in between.
            const QRect leftBox = boxOf(window, left), rightBox = boxOf(window, right);
            const int y = leftBox.center().y();
            const QPoint leftEdge(leftBox.right(), y), rightEdge(rightBox.left(), y);
            moveTo(window, leftEdge);
            ASSERT_TRUE(listState(window).shown);
            HideCounter hides(window.widgetOf(kList));
            for (const auto& [to, person] : {std::pair{rightEdge, pair.right},
                                             {leftEdge, pair.left},
                                             {rightEdge, pair.right}}) {
                SCOPED_TRACE(person);
                const ListState before = listState(window);
                moveTo(window, to);
                const ListState after = listState(window);
                EXPECT_TRUE(after.shown);
                EXPECT_EQ(after.lines.size(), hoverCount(pair.window, QLatin1String(person)));
                EXPECT_NE(after.lines, before.lines);
            }
            EXPECT_EQ(hides.count(), 0) << "the list never hid on the way";
        });
    }
}

} // namespace
} // namespace fg::test
