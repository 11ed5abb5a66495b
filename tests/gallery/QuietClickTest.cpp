// Clicks that leave the view as it is: name-only portraits, the background, portraits
// without a Click handler, the visible list, and a click repeated on the same portrait.

#include "GalleryFixture.h"

namespace fg::test {
namespace {

class QuietClick : public GalleryTest {
protected:
    // Client-area pixels: the top-right corner holds no portrait and no line.
    static constexpr QPoint kBareBackground{860, 60};
};

TEST_F(QuietClick, NameOnlyPortraitReplacesTheLineAndKeepsTheView) {
    struct Case {
        int portrait;
        int view; // a view that shows it
    };
    const Case cases[] = {{2, 4}, {7, 6}, {7, 31}, {50, 43}, {51, 43}};
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE("Picture" + std::to_string(c.portrait) + " in the view of Picture" +
                     std::to_string(c.view));
        raiseClick(c.view);
        const GalleryState view = state();
        ASSERT_EQ(view.list.size(), 1u);

        // Also after a background click has hidden the list.
        click(gallery(), kBareBackground);
        ASSERT_FALSE(state().listShown);
        ASSERT_TRUE(clickPortrait(c.portrait));
        const GalleryState named = state();
        EXPECT_EQ(named.portraits, view.portraits);
        EXPECT_EQ(named.lines, view.lines);
        EXPECT_TRUE(named.listShown);
        ASSERT_EQ(named.list.size(), 1u);
        EXPECT_NE(named.list.front(), view.list.front());

        ASSERT_TRUE(clickPortrait(c.portrait));
        EXPECT_EQ(state(), named) << "a second click adds nothing";
    }
    EXPECT_TRUE(reports.empty());
}

// The background, a line, or the place of a hidden portrait: the list hides and keeps its
// line. A second click there, on the place of the now hidden list, changes nothing.
TEST_F(QuietClick, BackgroundHidesTheListAndKeepsItsLine) {
    struct Case {
        const char* name;
        QPoint place;
    };
    const Case cases[] = {
        {"bare background", kBareBackground},
        {"Line36", {200, 88}},
        {"hidden Picture18", {35, 38}},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        raiseClick(20); // Picture15, Picture20, Picture21 and Line36 to Line39
        const GalleryState view = state();
        ASSERT_TRUE(view.listShown);
        ASSERT_EQ(gallery().childAt(c.place), nullptr) << "no visible control stands there";

        click(gallery(), c.place);
        EXPECT_EQ(state(), (GalleryState{view.portraits, view.lines, false, view.list}));
        click(gallery(), centreOf(gallery(), QStringLiteral("List1")));
        EXPECT_EQ(state(), (GalleryState{view.portraits, view.lines, false, view.list}));
        EXPECT_EQ(CountedReference::outstanding(), 0);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(QuietClick, PortraitWithoutClickHandlerChangesNothing) {
    struct Case {
        int portrait;
        int view;
    };
    const Case cases[] = {{26, 9},  {27, 9},  {28, 10}, {29, 10},
                          {39, 37}, {40, 37}, {48, 42}, {49, 42}};
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE("Picture" + std::to_string(c.portrait) + " in the view of Picture" +
                     std::to_string(c.view));
        raiseClick(c.view);
        const GalleryState view = state();
        ASSERT_TRUE(clickPortrait(c.portrait));
        EXPECT_EQ(state(), view) << "not even the list hides: the portrait is no background";
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(QuietClick, VisibleListTakesClicksWithoutEffect) {
    open();
    ASSERT_TRUE(walkToViewOf(20));
    const GalleryState view = state();
    click(gallery(), centreOf(gallery(), QStringLiteral("List1")));
    click(gallery(), centreOf(gallery(), QStringLiteral("List1")));
    EXPECT_EQ(state(), view);
    EXPECT_TRUE(reports.empty());
}

TEST_F(QuietClick, RepeatedClicksOnOnePortraitDoNotAddUp) {
    open();
    ASSERT_TRUE(clickPortrait(1));
    const GalleryState once = state();
    ASSERT_EQ(once.list.size(), 1u);
    for (int again = 0; again < 3; ++again) {
        ASSERT_TRUE(clickPortrait(1));
        EXPECT_EQ(state(), once);
    }
}

} // namespace
} // namespace fg::test
