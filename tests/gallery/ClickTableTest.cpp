// Every portrait that reacts to a click, clicked once through the real input path after
// walking there from the start view, and once from an unrelated view: the view and the list
// afterwards are exactly those of its row, whatever was shown before.

#include "GalleryFixture.h"

#include <map>

namespace fg::test {
namespace {

class ClickRow : public GalleryTest, public ::testing::WithParamInterface<ClickCase> {
protected:
    // What the click is expected to leave, given the state just before it.
    static GalleryState expectedAfter(const ClickCase& click, const GalleryState& before,
                                      const std::string& name) {
        switch (click.kind) {
        case Kind::WithName:
            return viewOf(click, true, {name});
        case Kind::WithoutName:
            return viewOf(click);
        case Kind::NameOnly:
            return {before.portraits, before.lines, true, {name}};
        }
        return {};
    }

    // A view that does not show the clicked portrait, with a name in the list: the largest
    // family view, or for the portraits it holds one that shares none of them.
    static int unrelatedView(const ClickCase& click) {
        const std::vector<int>& largest = clickCase(6)->portraits;
        return std::ranges::find(largest, click.portrait) == largest.end() ? 6 : 14;
    }
};

TEST_P(ClickRow, ShowsItsViewFromTheStartViewAndFromAnotherView) {
    const ClickCase& click = GetParam();
    open();

    // Walk from the start view to a view that shows the portrait, then click it.
    ASSERT_TRUE(clickAlong(routeTo(click.portrait)));
    const GalleryState before = state();
    ASSERT_TRUE(clickPortrait(click.portrait));
    const GalleryState afterReal = state();
    const std::string name = afterReal.list.empty() ? std::string() : afterReal.list.front();
    EXPECT_EQ(afterReal, expectedAfter(click, before, name));
    if (click.kind != Kind::WithoutName) {
        EXPECT_FALSE(name.empty());
        if (!before.list.empty()) {
            EXPECT_NE(name, before.list.front()) << "the list's line is replaced";
        }
    }

    // The same click from a view that does not hold the portrait writes the same text.
    raiseClick(unrelatedView(click));
    const GalleryState other = state();
    ASSERT_EQ(other.list.size(), 1u);
    raiseClick(click.portrait);
    EXPECT_EQ(state(), expectedAfter(click, other, name));
    EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(Gallery, ClickRow,
                         ::testing::ValuesIn(clickCases().begin(), clickCases().end()),
                         [](const ::testing::TestParamInfo<ClickCase>& info) {
                             return "Picture" + std::to_string(info.param.portrait);
                         });

class NameTexts : public GalleryTest {};

// Picture22 and Picture17 write the one same text; every other name-writing click writes a
// text of its own.
TEST_F(NameTexts, AreSharedOnlyByPicture17AndPicture22) {
    open();
    std::map<int, std::string> names;
    for (const ClickCase& click : clickCases()) {
        raiseClick(click.portrait);
        const GalleryState after = state();
        if (click.kind == Kind::WithoutName) {
            EXPECT_FALSE(after.listShown) << "Picture" << click.portrait;
            EXPECT_TRUE(after.list.empty()) << "Picture" << click.portrait;
            continue;
        }
        ASSERT_EQ(after.list.size(), 1u) << "Picture" << click.portrait;
        EXPECT_FALSE(after.list.front().empty()) << "Picture" << click.portrait;
        names[click.portrait] = after.list.front();
    }
    EXPECT_EQ(names.size(), 45u);
    EXPECT_EQ(names[22], names[17]);

    std::map<std::string, std::vector<int>> writers;
    for (const auto& [portrait, name] : names)
        writers[name].push_back(portrait);
    EXPECT_EQ(writers.size(), 44u);
    for (const auto& [name, portraits] : writers) {
        if (portraits.size() > 1) {
            EXPECT_EQ(portraits, (std::vector<int>{17, 22})) << name;
        }
    }
}

} // namespace
} // namespace fg::test
