// The five family-tree windows as they open: frame, caption, info list and the scene of
// portraits and lines, and the conventions by which their coordinates draw a tree.
#include "TreeColours.h"
#include "TreeWindowTest.h"
#include "TreeWindows.h"
#include "scene/Twips.h"

#include <QSet>
#include <algorithm>

namespace fg::test {
namespace {

class TreeScene : public TreeWindowTest {};

QRect pixels(Twips left, Twips top, Twips width, Twips height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

std::vector<const SceneRecord*> recordsOf(const FormWindow& window, ControlKind kind) {
    std::vector<const SceneRecord*> records;
    for (const SceneRecord& r : window.scene().controls)
        if (r.kind == kind)
            records.push_back(&r);
    return records;
}

void expectFrame(const FormWindow& window, const TreeWindow& expected) {
    EXPECT_EQ(window.geometry(), pixels(expected.clientLeft, expected.clientTop,
                                        expected.clientWidth, expected.clientHeight));
    const Qt::WindowFlags flags = window.windowFlags();
    if (expected.toolWindow) {
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "without it the frame has every box";
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    } else {
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
        const bool bothBoxes = !(flags & Qt::CustomizeWindowHint) ||
                               (flags & Qt::WindowMinMaxButtonsHint) == Qt::WindowMinMaxButtonsHint;
        EXPECT_TRUE(bothBoxes);
    }
    EXPECT_EQ(window.scene().window.showInTaskbar, !expected.toolWindow);
    EXPECT_FALSE(flags & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_NE(window.minimumSize(), window.maximumSize()) << "the user can resize it";
}

void expectEverythingShownButTheList(const FormWindow& window, const TreeWindow& expected) {
    const auto portraits = recordsOf(window, ControlKind::Portrait);
    const auto lines = recordsOf(window, ControlKind::Line);
    EXPECT_EQ(int(portraits.size()), expected.portraits);
    EXPECT_EQ(int(lines.size()), expected.lines);
    for (const SceneRecord* r : portraits)
        EXPECT_TRUE(window.isControlVisible(r->name)) << r->name.toStdString();
    for (const SceneRecord* r : lines)
        EXPECT_TRUE(window.isControlVisible(r->name)) << r->name.toStdString();
    EXPECT_EQ(listState(window), ListState{});
}

void expectListLook(FormWindow& window, const TreeWindow& expected) {
    QWidget* list = window.widgetOf(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry(),
              pixels(expected.listLeft, expected.listTop, expected.listWidth, expected.listHeight));
    EXPECT_EQ(list->height(), 4 + 13 * expected.listRows) << "2-pixel edges and 13-pixel rows";

    // Shown with lines in it: its ground in BackColor, its text in ForeColor.
    const QColor back = shownColour(expected.listBack), fore = shownColour(expected.listFore);
    const QImage shown = grab(window).copy(list->geometry().adjusted(2, 2, -2, -2));
    int backPixels = 0, forePixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb rgb = shown.pixel(x, y) & 0xFFFFFF;
            backPixels += rgb == (back.rgb() & 0xFFFFFF);
            forePixels += rgb == (fore.rgb() & 0xFFFFFF);
        }
    EXPECT_GT(backPixels, shown.width() * shown.height() / 2)
        << "ground " << back.name().toStdString();
    EXPECT_GT(forePixels, 0) << "text " << fore.name().toStdString();
}

TEST_F(TreeScene, EachWindowOpensAsStored) {
    for (const TreeWindow& expected : treeWindows()) {
        SCOPED_TRACE(expected.name);
        inTreeWindow(expected.name, [&](FormWindow& window) {
            expectFrame(window, expected);
            expectEverythingShownButTheList(window, expected);

            // The caption names the root as its name line does.
            moveTo(window, centreOf(window, expected.root));
            const QStringList lines = listLines(window);
            ASSERT_FALSE(lines.isEmpty());
            QString name = lines.front();
            if (expected.captionWithoutMiddleName) {
                const QStringList words = name.split(QLatin1Char(' '));
                EXPECT_GE(words.size(), 3) << "the name line carries a middle name";
                name = words.front() + QLatin1Char(' ') + words.back();
            }
            EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelvorn von ") + name);

            expectListLook(window, expected);
        });
    }
}

TEST_F(TreeScene, GenerationsStandInRows) {
    for (const TreeWindow& expected : treeWindows()) {
        SCOPED_TRACE(expected.name);
        inTreeWindow(expected.name, [&](FormWindow& window) {
            QSet<QString> inRows;
            for (const GenerationRow& row : generationRows()) {
                if (QLatin1String(row.window) != QLatin1String(expected.name))
                    continue;
                for (const QString& name : QString::fromLatin1(row.portraits).split(' ')) {
                    inRows.insert(name);
                    const SceneRecord* r = window.record(name);
                    ASSERT_NE(r, nullptr) << name.toStdString();
                    EXPECT_EQ(r->top, row.top) << name.toStdString();
                    EXPECT_EQ(boxOf(window, name).top(), toPixels(row.top)) << name.toStdString();
                    // 800 x 900 twips, but for one smaller portrait.
                    const bool smaller = expected.name == std::string_view("Form6") &&
                                         name == QLatin1String("Picture9");
                    EXPECT_EQ(boxOf(window, name).size(), smaller ? QSize(49, 57) : QSize(53, 60))
                        << name.toStdString();
                }
            }
            QSet<QString> portraits;
            for (const SceneRecord* r : recordsOf(window, ControlKind::Portrait))
                portraits.insert(r->name);
            EXPECT_EQ(portraits, inRows) << "every portrait stands in one generation row";
        });
    }
}

bool insideBox(const SceneRecord& box, Twips x, Twips y) {
    return x >= box.left && x <= box.left + box.width && y >= box.top && y <= box.top + box.height;
}

bool onLine(const SceneRecord& line, Twips x, Twips y) {
    return x >= std::min(line.x1, line.x2) && x <= std::max(line.x1, line.x2) &&
           y >= std::min(line.y1, line.y2) && y <= std::max(line.y1, line.y2);
}

TEST_F(TreeScene, EveryLineJoinsPortraitsOrOtherLines) {
    for (const TreeWindow& expected : treeWindows()) {
        SCOPED_TRACE(expected.name);
        inTreeWindow(expected.name, [&](FormWindow& window) {
            const QStringList noBranch = linesOfNoBranch(expected.name);
            for (const QString& name : noBranch)
                EXPECT_NE(window.record(name), nullptr) << name.toStdString();
            if (expected.name == std::string_view("Form2")) {
                // Form2's Line8 stands inside Picture4, below its client area.
                const SceneRecord* nested = window.record(QStringLiteral("Line8"));
                const SceneRecord* holder = window.record(QStringLiteral("Picture4"));
                ASSERT_TRUE(nested && holder);
                EXPECT_EQ(nested->container, holder->index);
                EXPECT_GT(std::min(nested->y1, nested->y2), holder->height);
            }
            const auto portraits = recordsOf(window, ControlKind::Portrait);
            const auto lines = recordsOf(window, ControlKind::Line);
            for (const SceneRecord* line : lines) {
                if (noBranch.contains(line->name))
                    continue;
                const std::string name = line->name.toStdString();
                EXPECT_EQ(line->container, 0) << name;
                EXPECT_TRUE(line->x1 == line->x2 || line->y1 == line->y2) << name << " is sloped";
                for (const auto& [x, y] : {std::pair{line->x1, line->y1}, {line->x2, line->y2}}) {
                    const bool inPortrait = std::ranges::any_of(
                        portraits, [&](const SceneRecord* p) { return insideBox(*p, x, y); });
                    const bool onAnother = std::ranges::any_of(lines, [&](const SceneRecord* l) {
                        return l != line && l->container == 0 && onLine(*l, x, y);
                    });
                    EXPECT_TRUE(inPortrait || onAnother)
                        << name << " ends at (" << x << ", " << y << ") in nothing";
                }
            }
        });
    }
}

bool overlap(const SceneRecord& a, const SceneRecord& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST_F(TreeScene, NoPortraitOverlapsAnotherAndTheListStandsClear) {
    for (const TreeWindow& expected : treeWindows()) {
        SCOPED_TRACE(expected.name);
        inTreeWindow(expected.name, [&](FormWindow& window) {
            const auto portraits = recordsOf(window, ControlKind::Portrait);
            for (std::size_t i = 0; i < portraits.size(); ++i)
                for (std::size_t j = i + 1; j < portraits.size(); ++j)
                    EXPECT_FALSE(overlap(*portraits[i], *portraits[j]))
                        << portraits[i]->name.toStdString() << " and "
                        << portraits[j]->name.toStdString();
            const SceneRecord* list = window.record(QStringLiteral("List1"));
            ASSERT_NE(list, nullptr);
            for (const SceneRecord* p : portraits)
                EXPECT_FALSE(overlap(*list, *p)) << p->name.toStdString();
            for (const SceneRecord* line : recordsOf(window, ControlKind::Line)) {
                if (line->container != 0)
                    continue;
                const bool crosses = std::max(line->x1, line->x2) >= list->left &&
                                     std::min(line->x1, line->x2) <= list->left + list->width &&
                                     std::max(line->y1, line->y2) >= list->top &&
                                     std::min(line->y1, line->y2) <= list->top + list->height;
                EXPECT_FALSE(crosses) << line->name.toStdString();
            }
        });
    }
}

} // namespace
} // namespace fg::test
