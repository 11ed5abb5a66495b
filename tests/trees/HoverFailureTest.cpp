// A hover whose list operation fails stops at that operation: what it did before stays,
// the failure is reported once, nothing is left held, and the next hover runs in full.
#include "TreeWindowTest.h"
#include "TreeWindows.h"
#include "scene/FaultInjection.h"

namespace fg::test {
namespace {

class HoverFailure : public TreeWindowTest {};

enum class Before { Showing, Hidden };

struct FailureCase {
    const char* name;
    Before before;         // the list shows the other person, or is hidden with their lines
    void (*arm)();         // makes one operation of the coming hover fail
    const char* operation; // the operation reported
    bool shownAfter;
    int linesAfter; // -1: the other person's lines stay
};

// On Form5: the other person is Picture3 (2 lines), the hover is over Picture2 (7 lines),
// which runs Clear, Visible and seven AddItem.
// clang-format off
const FailureCase kCases[] = {
    // A failed Clear changes nothing.
    {"ClearWhileShowing",   Before::Showing, [] { FaultInjection::failFirst("List1", "Clear"); },   "Clear",   true,  -1},
    {"ClearWhileHidden",    Before::Hidden,  [] { FaultInjection::failFirst("List1", "Clear"); },   "Clear",   false, -1},
    // A failed Visible leaves the list emptied, shown or hidden as before.
    {"VisibleWhileShowing", Before::Showing, [] { FaultInjection::failFirst("List1", "Visible"); }, "Visible", true,  0},
    {"VisibleWhileHidden",  Before::Hidden,  [] { FaultInjection::failFirst("List1", "Visible"); }, "Visible", false, 0},
    // A failed AddItem leaves the list shown with the lines added before it.
    {"FirstAddItem",        Before::Hidden,  [] { FaultInjection::failFirst("List1", "AddItem"); }, "AddItem", true,  0},
    {"ThirdAddItem",        Before::Hidden,  [] { FaultInjection::failNth(5); },                    "AddItem", true,  2},
    {"LastAddItem",         Before::Showing, [] { FaultInjection::failNth(9); },                    "AddItem", true,  6},
};
// clang-format on

TEST_F(HoverFailure, AFailedListOperationStopsTheHoverWhereItFailed) {
    inTreeWindow("Form5", [&](FormWindow& window) {
        const QPoint other = centreOf(window, "Picture3");
        const QPoint person = centreOf(window, "Picture2");
        const QPoint background = backgroundPoint(window);
        moveTo(window, person);
        const QStringList personLines = listLines(window);
        ASSERT_EQ(personLines.size(), 7);

        for (const FailureCase& c : kCases) {
            SCOPED_TRACE(c.name);
            moveTo(window, other);
            if (c.before == Before::Hidden)
                moveTo(window, background);
            const ListState before = listState(window);
            ASSERT_EQ(before.lines.size(), 2);
            reports.clear();

            c.arm();
            moveTo(window, person);
            const ListState expected{
                c.shownAfter, c.linesAfter < 0 ? before.lines : personLines.mid(0, c.linesAfter)};
            EXPECT_EQ(listState(window), expected);
            ASSERT_EQ(reports.size(), 1u);
            EXPECT_EQ(reports[0].interfaceName, QStringLiteral("ListBox"));
            EXPECT_EQ(reports[0].operation, QLatin1String(c.operation));
            EXPECT_EQ(CountedReference::outstanding(), 0) << "the failed hover holds nothing";

            // The next hover starts again from Clear and lists the person in full.
            moveTo(window, background);
            moveTo(window, person);
            EXPECT_EQ(listState(window), (ListState{true, personLines}));
            EXPECT_EQ(reports.size(), 1u);
        }
    });
}

TEST_F(HoverFailure, AFailedHideLeavesTheListShown) {
    inTreeWindow("Form5", [&](FormWindow& window) {
        moveTo(window, centreOf(window, "Picture3"));
        const ListState showing = listState(window);
        FaultInjection::failFirst("List1", "Visible");
        moveTo(window, backgroundPoint(window));
        EXPECT_EQ(listState(window), showing);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].interfaceName, QStringLiteral("ListBox"));
        EXPECT_EQ(reports[0].operation, QStringLiteral("Visible"));
        EXPECT_EQ(CountedReference::outstanding(), 0);

        moveTo(window, backgroundPoint(window) + QPoint(1, 1));
        EXPECT_EQ(listState(window), (ListState{false, showing.lines})) << "the next hide works";
    });
}

} // namespace
} // namespace fg::test
