// The frame every handler runs in: operations in order, each status checked at once; a
// failure ends the handler there, keeps what was done, names the interface and the
// operation, reaches the runtime's reporter and leaves no reference held.
#include "scene/FaultInjection.h"
#include "scene/HandlerFrame.h"
#include "tests/scene/FixtureWindowTest.h"

namespace fg::test {
namespace {

// A method of the window itself, called by the handler through the frame.
Status verbergen(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        frame.setVisible(QStringLiteral("Picture3"), false);
        frame.setVisible(QStringLiteral("Line7"), false);
    });
}

// Picture2_Click: six operations, the third and fourth inside verbergen.
Status picture2Click(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        frame.setVisible(QStringLiteral("Line1"), false);               // 1
        frame.addItem(QStringLiteral("List1"), QStringLiteral("eins")); // 2
        frame.call(verbergen, QStringLiteral("verbergen"));             // 3, 4
        frame.setVisible(QStringLiteral("List1"), true);                // 5
        frame.addItem(QStringLiteral("List1"), QStringLiteral("zwei")); // 6
    });
}

// Picture1_Click: the second operation names a control the window does not have.
Status picture1Click(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        frame.setVisible(QStringLiteral("Line1"), false);
        frame.setVisible(QStringLiteral("Line99"), true);
        frame.setVisible(QStringLiteral("Line3"), false);
    });
}

class HandlerFrame : public FixtureWindowTest {
protected:
    void SetUp() override {
        FixtureWindowTest::SetUp();
        window = &open({{"Picture2", Event::Click, "Picture2_Click", picture2Click},
                        {"Picture1", Event::Click, "Picture1_Click", picture1Click}});
    }
    QStringList state() const {
        QStringList shown;
        for (const char* control : {"Line1", "Picture3", "Line7", "List1"})
            if (window->isControlVisible(QLatin1String(control)))
                shown << QLatin1String(control);
        return shown;
    }

    FormWindow* window = nullptr;
};

TEST_F(HandlerFrame, AFailureEndsTheHandlerAndKeepsWhatWasDone) {
    // clang-format off
    const struct {
        const char* name;
        std::function<void()> arm;
        QStringList shown;     // of Line1, Picture3, Line7, List1 afterwards
        QStringList lines;     // of List1 afterwards
        const char* interfaceName; const char* operation; // of the report; nullptr: none
        const char* cause;     // part of the report's cause
    } kCases[] = {
        {"not armed",             [] {},
         {"List1"},                           {"eins", "zwei"}, nullptr, nullptr, ""},
        {"the first operation",   [] { FaultInjection::failNth(1); },
         {"Line1", "Picture3", "Line7"},      {},               "Line", "Visible", ""},
        {"the second operation",  [] { FaultInjection::failNth(2); },
         {"Picture3", "Line7"},               {},               "ListBox", "AddItem", ""},
        {"inside the method",     [] { FaultInjection::failNth(4); },
         {"Line7"},                           {"eins"},         "Fixture", "verbergen", "Line"},
        {"the list's Visible",    [] { FaultInjection::failFirst("List1", "Visible"); },
         {},                                  {"eins"},         "ListBox", "Visible", ""},
        {"a control of the method", [] { FaultInjection::failFirst("Picture3", "Visible"); },
         {"Picture3", "Line7"},               {"eins"},         "Fixture", "verbergen", "PictureBox"},
        {"another control",       [] { FaultInjection::failFirst("Picture1", "Visible"); },
         {"List1"},                           {"eins", "zwei"}, nullptr, nullptr, ""},
    };
    // clang-format on
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        // A fresh window each time.
        window = &open({{"Picture2", Event::Click, "Picture2_Click", picture2Click}});
        reports.clear();
        c.arm();
        click(*window, {146, 50});
        EXPECT_EQ(state(), c.shown);
        EXPECT_EQ(listLines(*window), c.lines);
        EXPECT_EQ(CountedReference::outstanding(), 0);
        if (!c.interfaceName) {
            EXPECT_TRUE(reports.empty());
            continue;
        }
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].interfaceName, c.interfaceName);
        EXPECT_EQ(reports[0].operation, c.operation);
        EXPECT_TRUE(reports[0].cause.contains(QLatin1String(c.cause)))
            << reports[0].cause.toStdString();
        EXPECT_TRUE(reports[0].describe().contains(QLatin1String(c.operation)));

        // The fault is spent: the next click runs every operation.
        click(*window, {146, 50});
        EXPECT_EQ(reports.size(), 1u);
        EXPECT_EQ(listLines(*window).mid(listLines(*window).size() - 2),
                  QStringList({"eins", "zwei"}));
        FaultInjection::reset();
    }
}

TEST_F(HandlerFrame, AnErrorInsideACallEndsTheHandler) {
    click(*window, {30, 30});
    EXPECT_FALSE(window->isControlVisible("Line1"));
    EXPECT_TRUE(window->isControlVisible("Line3"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].describe().contains("Line99")) << reports[0].describe().toStdString();
    EXPECT_EQ(CountedReference::outstanding(), 0);
}

} // namespace
} // namespace fg::test
