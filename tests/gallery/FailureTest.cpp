// Operations that fail during a gallery handler: the handler stops at the failing step with
// what it did before left in effect, reports once, holds no reference afterwards, and the
// next complete click builds its whole view again.

#include "GalleryFixture.h"
#include "scene/FaultInjection.h"

#include <optional>

namespace fg::test {
namespace {

enum class ListAfter { Kept, Empty, OneLine };

struct FailureCase {
    const char* name;
    int view;    // the view shown before: the reveal click that made it
    int clicked; // 0: a click on the background
    // The fault: the first `operation` on `control`, or else the nth operation from now.
    const char* control;
    const char* operation;
    int nth;
    // What is reported, and the failing operation underneath where a method passed it on.
    const char* reportedInterface;
    const char* reportedOperation;
    const char* causeInterface;
    const char* causeOperation;
    // What is visible afterwards; nullopt: as before the click.
    std::optional<std::set<int>> portraits;
    std::optional<std::set<int>> lines;
    bool listShown;
    ListAfter list;
};

// The operations of a reveal click up to one of its steps: picloesch hides 57 portraits,
// lineloesch hides the list, clears it and hides 115 lines, the name step shows the list and
// adds the line.
constexpr int kHideAllOperations = 57 + 2 + 115;
constexpr int kNameOperations = 2;
// Picture1 shows 7 portraits, then Line2, 15, 16, 17, 18, 21, 3, 10 before Line31.
constexpr int kPicture1ShowsLine31 = kHideAllOperations + kNameOperations + 7 + 9;

// clang-format off
const FailureCase kCases[] = {
    {"InsidePicloesch", 6, 14, "Picture30", "Visible", 0, "Form1", "picloesch", "PictureBox", "Visible",
     std::set<int>{31, 41, 42, 43, 44, 45}, std::nullopt, true, ListAfter::Kept},
    {"InsideLineloesch", 5, 14, "Line50", "Visible", 0, "Form1", "lineloesch", "Line", "Visible",
     std::set<int>{}, std::set<int>{50, 106, 113, 107, 108}, false, ListAfter::Empty},
    {"ClearInsideLineloesch", 6, 20, "List1", "Clear", 0, "Form1", "lineloesch", "ListBox", "Clear",
     std::set<int>{}, std::nullopt, false, ListAfter::Kept},
    {"MidwayThroughTheView", 14, 1, nullptr, nullptr, kPicture1ShowsLine31, "Line", "Visible", nullptr, nullptr,
     std::set<int>{11, 12, 1, 3, 5, 6, 8}, std::set<int>{2, 15, 16, 17, 18, 21, 3, 10, 107, 108}, true, ListAfter::OneLine},
    {"AtTheName", 6, 20, "List1", "AddItem", 0, "ListBox", "AddItem", nullptr, nullptr,
     std::set<int>{}, std::set<int>{107, 108}, true, ListAfter::Empty},
    {"NameOnlyClear", 4, 2, "List1", "Clear", 0, "ListBox", "Clear", nullptr, nullptr,
     std::nullopt, std::nullopt, true, ListAfter::Kept},
    {"Background", 6, 0, "List1", "Visible", 0, "ListBox", "Visible", nullptr, nullptr,
     std::nullopt, std::nullopt, true, ListAfter::Kept},
};
// clang-format on

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class HandlerFailure : public GalleryTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    void raiseAtFault(const FailureCase& c) {
        if (c.control)
            FaultInjection::failFirst(QString::fromLatin1(c.control),
                                      QString::fromLatin1(c.operation));
        else
            FaultInjection::failNth(c.nth);
        if (c.clicked == 0) {
            form().raise(QStringLiteral("Form"), Event::Click);
            EXPECT_EQ(CountedReference::outstanding(), 0);
        } else {
            raiseClick(c.clicked);
        }
        FaultInjection::reset();
    }
};

TEST_P(HandlerFailure, StopsAtTheFailingStepAndReportsOnce) {
    const FailureCase& c = GetParam();
    open();
    raiseClick(c.view);
    const GalleryState before = state();
    ASSERT_EQ(before.list.size(), 1u);

    raiseAtFault(c);
    const GalleryState after = state();
    EXPECT_EQ(after.portraits, c.portraits.value_or(before.portraits));
    EXPECT_EQ(after.lines, c.lines.value_or(before.lines));
    EXPECT_EQ(after.listShown, c.listShown);
    switch (c.list) {
    case ListAfter::Kept:
        EXPECT_EQ(after.list, before.list);
        break;
    case ListAfter::Empty:
        EXPECT_TRUE(after.list.empty());
        break;
    case ListAfter::OneLine:
        ASSERT_EQ(after.list.size(), 1u);
        EXPECT_NE(after.list, before.list);
        break;
    }

    ASSERT_EQ(reports.size(), 1u);
    const Failure& report = reports.front();
    EXPECT_EQ(report.interfaceName, QString::fromLatin1(c.reportedInterface));
    EXPECT_EQ(report.operation, QString::fromLatin1(c.reportedOperation));
    if (c.causeInterface) {
        EXPECT_TRUE(report.cause.contains(QString::fromLatin1(c.causeInterface)))
            << report.cause.toStdString();
        EXPECT_TRUE(report.cause.contains(QString::fromLatin1(c.causeOperation)))
            << report.cause.toStdString();
    }

    // The next complete click does its whole work, and writes the same name a partial
    // click had already written.
    if (c.clicked == 0)
        return;
    raiseClick(c.clicked);
    const GalleryState again = state();
    const ClickCase& click = *clickCase(c.clicked);
    const GalleryState whole = isReveal(click)
                                   ? viewOf(click, true, again.list)
                                   : GalleryState{before.portraits, before.lines, true, again.list};
    EXPECT_EQ(again, whole);
    ASSERT_EQ(again.list.size(), 1u);
    if (c.list == ListAfter::OneLine) {
        EXPECT_EQ(again.list, after.list);
    }
    EXPECT_EQ(reports.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Gallery, HandlerFailure, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

class OpeningFailure : public GalleryTest {};

// A failing Show leaves the gallery with the family its click showed; the instance made for
// it stays, and the next double-click opens that same instance.
TEST_F(OpeningFailure, ReportsTheWindowAndOpensNothing) {
    open();
    FaultInjection::failFirst(QStringLiteral("Form2"), QStringLiteral("Show"));
    {
        ModalGuard guard(gallery());
        doubleClick(gallery(), centreOf(gallery(), picture(1)));
        EXPECT_FALSE(guard.opened());
    }
    EXPECT_EQ(CountedReference::outstanding(), 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.front().interfaceName, QStringLiteral("Form2"));
    EXPECT_EQ(reports.front().operation, QStringLiteral("Show"));
    const GalleryState after = state();
    ASSERT_EQ(after.list.size(), 1u);
    EXPECT_EQ(after, viewOf(*clickCase(1), true, after.list));

    FormInstance* made = runtime->programReference(QStringLiteral("Form2")).get();
    ASSERT_NE(made, nullptr);
    bool shown = false;
    WhenModalShows second(gallery(), [&](QWidget& modal) {
        shown = &modal == made->window();
        modal.close();
    });
    doubleClick(gallery(), centreOf(gallery(), picture(1)));
    EXPECT_TRUE(second.ran());
    EXPECT_TRUE(shown);
    EXPECT_EQ(runtime->programReference(QStringLiteral("Form2")).get(), made);
    EXPECT_EQ(reports.size(), 1u);
}

} // namespace
} // namespace fg::test
