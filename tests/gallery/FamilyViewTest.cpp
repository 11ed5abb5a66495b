// The shape of the family views, measured on the loaded window's own geometry: each reveal
// click shows one connected figure of portraits and lines around the clicked portrait, no
// two overlapping portraits at once, and every portrait can be reached from the start.

#include "GalleryFixture.h"

#include <deque>
#include <map>
#include <numeric>

namespace fg::test {
namespace {

// A portrait's box in twips, its border included.
struct Box {
    Twips left, top, right, bottom;
    bool contains(QPoint p) const {
        return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
    }
};

struct Segment {
    QPoint a, b;
    bool contains(QPoint p) const {
        const qint64 cross =
            qint64(b.x() - a.x()) * (p.y() - a.y()) - qint64(b.y() - a.y()) * (p.x() - a.x());
        return cross == 0 && p.x() >= std::min(a.x(), b.x()) && p.x() <= std::max(a.x(), b.x()) &&
               p.y() >= std::min(a.y(), b.y()) && p.y() <= std::max(a.y(), b.y());
    }
};

// Portraits of the same row that share part of their boxes: the shared width and height.
struct Overlap {
    int first, second;
    Twips width, height;
    friend auto operator<=>(const Overlap&, const Overlap&) = default;
};
// clang-format off
const std::set<Overlap> kOverlaps = {
    {25, 26, 440, 900},
    {9,  46, 560, 900}, {10, 44, 320, 900}, {10, 45, 200, 900},
    {1,  33, 440, 900}, {41, 57, 680, 900},
    {4,  34, 680, 900}, {32, 48, 320, 900}, {48, 52, 320, 900}, {42, 52, 255, 900}, {7, 50, 680, 900},
    {14, 55, 15,  855}, {14, 39, 560, 900},
};
// clang-format on

// Generations by Top; the two heights of the fourth row count as one row.
int rowOf(Twips top) {
    switch (top) {
    case 120:
        return 0;
    case 1560:
        return 1;
    case 3000:
        return 2;
    case 4320:
    case 4440:
        return 3;
    case 5640:
        return 4;
    }
    return -10;
}

class FamilyView : public GalleryTest {
protected:
    Box boxOf(int portrait) const {
        const SceneRecord& r = *gallery().record(picture(portrait));
        return {r.left, r.top, r.left + r.width, r.top + r.height};
    }
    Segment segmentOf(int number) const {
        const SceneRecord& r = *gallery().record(line(number));
        return {{r.x1, r.y1}, {r.x2, r.y2}};
    }

    // The view of each of the 44 reveal clicks, by clicked portrait.
    std::map<int, GalleryState> revealViews() {
        std::map<int, GalleryState> views;
        for (const ClickCase& click : clickCases())
            if (isReveal(click)) {
                raiseClick(click.portrait);
                views[click.portrait] = state();
            }
        return views;
    }
};

// Finds which portraits and lines hang together.
class Components {
public:
    explicit Components(std::size_t size) : parent_(size) {
        std::iota(parent_.begin(), parent_.end(), 0);
    }
    std::size_t find(std::size_t i) { return parent_[i] == i ? i : parent_[i] = find(parent_[i]); }
    void join(std::size_t a, std::size_t b) { parent_[find(a)] = find(b); }

private:
    std::vector<std::size_t> parent_;
};

TEST_F(FamilyView, IsOneConnectedFigureAroundTheClickedPortrait) {
    open();
    for (const auto& [clicked, view] : revealViews()) {
        SCOPED_TRACE("view of Picture" + std::to_string(clicked));
        EXPECT_TRUE(view.portraits.contains(clicked));

        const std::vector<int> portraits(view.portraits.begin(), view.portraits.end());
        std::vector<int> lines;
        std::ranges::set_difference(view.lines, kAlwaysShownLines, std::back_inserter(lines));
        // Nodes: the portraits first, then the lines.
        Components figure(portraits.size() + lines.size());
        std::vector<bool> touched(portraits.size(), false);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const Segment segment = segmentOf(lines[l]);
            for (const QPoint end : {segment.a, segment.b}) {
                bool anchored = false;
                for (std::size_t p = 0; p < portraits.size(); ++p)
                    if (boxOf(portraits[p]).contains(end)) {
                        anchored = touched[p] = true;
                        figure.join(portraits.size() + l, p);
                    }
                for (std::size_t m = 0; m < lines.size(); ++m)
                    if (m != l && segmentOf(lines[m]).contains(end)) {
                        anchored = true;
                        figure.join(portraits.size() + l, portraits.size() + m);
                    }
                EXPECT_TRUE(anchored)
                    << "an end of Line" << lines[l] << " lies in no portrait and on no line";
            }
        }
        for (std::size_t p = 0; p < portraits.size(); ++p) {
            EXPECT_TRUE(touched[p]) << "no line touches Picture" << portraits[p];
            EXPECT_LE(std::abs(rowOf(boxOf(portraits[p]).top) - rowOf(boxOf(clicked).top)), 1)
                << "Picture" << portraits[p] << " is more than one generation away";
        }
        for (std::size_t i = 1; i < portraits.size() + lines.size(); ++i)
            EXPECT_EQ(figure.find(i), figure.find(0)) << "the view falls apart";
    }
}

TEST_F(FamilyView, NeverShowsBothPortraitsOfAnOverlappingPair) {
    open();
    // The pairs are all the boxes of the window that overlap.
    std::set<Overlap> overlaps;
    for (int a = 1; a <= 57; ++a)
        for (int b = a + 1; b <= 57; ++b) {
            if (gallery().record(picture(a))->container != 0 ||
                gallery().record(picture(b))->container != 0)
                continue;
            const Box p = boxOf(a), q = boxOf(b);
            const Twips width = std::min(p.right, q.right) - std::max(p.left, q.left);
            const Twips height = std::min(p.bottom, q.bottom) - std::max(p.top, q.top);
            if (width > 0 && height > 0)
                overlaps.insert({a, b, width, height});
        }
    EXPECT_EQ(overlaps, kOverlaps);

    for (const auto& [clicked, view] : revealViews())
        for (const Overlap& pair : kOverlaps)
            EXPECT_FALSE(view.portraits.contains(pair.first) &&
                         view.portraits.contains(pair.second))
                << "view of Picture" << clicked << " shows Picture" << pair.first << " and Picture"
                << pair.second;
}

TEST_F(FamilyView, AlwaysKeepsLine107AndLine108AndNeverShowsTheHiddenMarks) {
    open();
    std::set<std::pair<std::set<int>, std::set<int>>> distinct;
    for (const ClickCase& click : clickCases()) {
        raiseClick(click.portrait);
        const GalleryState view = state();
        SCOPED_TRACE("after the click on Picture" + std::to_string(click.portrait));
        EXPECT_TRUE(view.lines.contains(107) && view.lines.contains(108));
        EXPECT_FALSE(view.lines.contains(8) || view.lines.contains(103));
        EXPECT_FALSE(view.portraits.contains(47));
        if (isReveal(click))
            distinct.insert({view.portraits, view.lines});
    }
    EXPECT_EQ(distinct.size(), 37u) << "views of the 44 reveal clicks";
}

// Breadth-first over the views that clicks on visible portraits lead to. A view is restored
// by the click that made it, the start view by the load step.
TEST_F(FamilyView, BringsEveryPortraitButPicture47IntoViewWithinFourClicks) {
    open();
    struct Node {
        std::set<int> portraits;
        int madeBy; // 0: the start view
        int clicks;
    };
    std::set<std::set<int>> seen = {state().portraits};
    std::deque<Node> queue = {{state().portraits, 0, 0}};
    std::map<int, int> clicksTo;
    while (!queue.empty()) {
        const Node node = queue.front();
        queue.pop_front();
        for (const int p : node.portraits)
            clicksTo.try_emplace(p, node.clicks);
        if (node.clicks == 4)
            continue;
        for (const int p : node.portraits) {
            if (node.madeBy == 0)
                form().raise(QStringLiteral("Form"), Event::Load);
            else
                raiseClick(node.madeBy);
            raiseClick(p);
            const std::set<int> next = state().portraits;
            if (seen.insert(next).second)
                queue.push_back({next, p, node.clicks + 1});
        }
    }
    for (int p = 1; p <= 57; ++p) {
        if (p == 47) {
            EXPECT_FALSE(clicksTo.contains(p)) << "Picture47";
        } else {
            EXPECT_TRUE(clicksTo.contains(p))
                << "Picture" << p << " is not in view after four clicks";
        }
    }
    for (const int far : {35, 36, 39, 40})
        EXPECT_EQ(clicksTo[far], 4) << "Picture" << far;
    EXPECT_TRUE(reports.empty());
}

} // namespace
} // namespace fg::test
