// Where mouse input goes: to the visible portrait under the pointer, to a nested control
// inside its portrait, and to the window over lines, hidden controls and the bare client area.
#include "tests/scene/FixtureWindowTest.h"

namespace fg::test {
namespace {

class Routing : public FixtureWindowTest {
protected:
    void SetUp() override {
        FixtureWindowTest::SetUp();
        window = &open();
        log.raised.clear();
    }
    QStringList clickAt(QPoint position) {
        log.raised.clear();
        click(*window, position);
        return log.clicks();
    }

    FormWindow* window = nullptr;
};

TEST_F(Routing, ClicksGoToTheControlUnderThePointer) {
    // clang-format off
    const struct { const char* name; QPoint at; const char* handler; } kCases[] = {
        {"a portrait",                         {30, 30},   "Picture1_Click"},
        {"a portrait's border",                {20, 50},   "Picture1_Click"},
        {"a 3D portrait",                      {146, 50},  "Picture2_Click"},
        {"a nested portrait",                  {60, 70},   "Picture3_Click"},
        {"a nested portrait's cut-off part",   {72, 70},   "Picture1_Click"},
        {"beyond the portrait holding it",     {76, 70},   "Form_Click"},
        {"a nested line",                      {26, 60},   "Picture1_Click"},
        {"a line",                             {105, 50},  "Form_Click"},
        {"a dot",                              {150, 150}, "Form_Click"},
        {"the bare client area",               {200, 150}, "Form_Click"},
        {"the hidden list",                    {50, 120},  "Form_Click"},
    };
    // clang-format on
    for (const auto& c : kCases)
        EXPECT_EQ(clickAt(c.at), QStringList{c.handler}) << c.name;
}

TEST_F(Routing, HiddenControlsTakeNoClicks) {
    setVisible("Picture3", false);
    EXPECT_EQ(clickAt({60, 70}), QStringList{"Picture1_Click"});
    setVisible("Picture2", false);
    EXPECT_EQ(clickAt({146, 50}), QStringList{"Form_Click"});
    setVisible("Picture1", false);
    EXPECT_EQ(clickAt({30, 30}), QStringList{"Form_Click"});
    EXPECT_EQ(clickAt({60, 70}), QStringList{"Form_Click"});
}

TEST_F(Routing, MouseMovesReachWindowAndPortraitsWithNoButtonHeld) {
    // clang-format off
    const struct { QPoint at; const char* handler; } kMoves[] = {
        {{200, 150}, "Form_MouseMove"}, {{30, 30}, "Picture1_MouseMove"}, {{60, 70}, "Picture3_MouseMove"},
        {{146, 50}, "Picture2_MouseMove"}, {{105, 50}, "Form_MouseMove"},
    };
    // clang-format on
    for (const auto& move : kMoves) {
        log.raised.clear();
        moveTo(*window, move.at);
        EXPECT_EQ(log.raised, QStringList{move.handler}) << move.handler;
    }
}

TEST_F(Routing, DoubleClickIsOneClickThenDblClick) {
    log.raised.clear();
    doubleClick(*window, {146, 50});
    EXPECT_EQ(log.clicks(), QStringList({"Picture2_Click", "Picture2_DblClick"}));

    // The window has no DblClick: a double-click on it is one Click.
    log.raised.clear();
    doubleClick(*window, {200, 150});
    EXPECT_EQ(log.clicks(), QStringList{"Form_Click"});
}

TEST_F(Routing, PressAndReleaseOnDifferentPlacesIsNoClick) {
    // clang-format off
    const struct { const char* name; QPoint press, release; } kCases[] = {
        {"portrait to portrait",  {30, 30},   {146, 50}},
        {"portrait to window",    {146, 50},  {200, 150}},
        {"window to portrait",    {200, 150}, {30, 30}},
        {"nested to its holder",  {60, 70},   {30, 30}},
    };
    // clang-format on
    for (const auto& c : kCases) {
        log.raised.clear();
        press(*window, c.press);
        release(*window, c.release);
        EXPECT_EQ(log.clicks(), QStringList{}) << c.name;
    }
}

} // namespace
} // namespace fg::test
