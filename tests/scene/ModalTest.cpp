// Window lifetimes: a second window created on first use, shown modally from a handler,
// unloaded when closed and shown again from its stored state; and the keyboard focus order.
#include "scene/HandlerFrame.h"
#include "tests/scene/FixtureWindowTest.h"

#include <QApplication>
#include <QTest>

namespace fg::test {
namespace {

const QString kSecond = QStringLiteral("Zweitfenster");

const QByteArray& secondStored() {
    static const QByteArray bytes = [] {
        fixture::Tables tables = fixture::tables();
        tables.window.name = "Zweitfenster";
        tables.window.borderStyle = BorderStyle::FixedDialog;
        return storeScene(tables.source(), fixture::pictures());
    }();
    return bytes;
}

// Picture1_DblClick: the second window, created on first use and kept in its program-wide
// reference, shown modally.
Status openSecond(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        FormsRuntime& runtime = frame.form().runtime();
        std::unique_ptr<FormInstance>& reference = runtime.programReference(kSecond);
        if (!reference)
            runtime.createInstance(*runtime.windowClass(kSecond), reference);
        frame.showModal(*reference);
    });
}

class Modal : public FixtureWindowTest {
protected:
    void SetUp() override {
        FixtureWindowTest::SetUp();
        windowClass =
            fixture::windowClass(fixture::kName, fixture::stored(), log,
                                 {{"Picture1", Event::DblClick, "Picture1_DblClick", openSecond}});
        secondClass = fixture::windowClass(kSecond, secondStored(), secondLog);
        first = &start(ProjectDescription{{&windowClass, &secondClass}, {kSecond}});
    }
    FormInstance* second() { return runtime->programReference(kSecond).get(); }

    FormClass secondClass;
    fixture::EventLog secondLog;
    FormWindow* first = nullptr;
};

TEST_F(Modal, ShownAgainFromItsStoredState) {
    FormInstance* opened = nullptr;
    int openings = 0;
    auto inside = [&](QWidget& modal, bool change) {
        ++openings;
        opened = second();
        ASSERT_NE(opened, nullptr);
        FormWindow& window = *opened->window();
        EXPECT_EQ(&modal, &window);
        // It opens from its stored state.
        EXPECT_TRUE(window.isControlVisible("Picture1"));
        EXPECT_FALSE(window.isControlVisible("List1"));
        EXPECT_TRUE(listLines(window).isEmpty());
        EXPECT_EQ(secondLog.raised.count("Form_Load"), 1);
        if (change) {
            EXPECT_TRUE(runInFrame(*opened, [](Frame& frame) {
                            frame.setVisible(QStringLiteral("Picture1"), false);
                            frame.setVisible(QStringLiteral("List1"), true);
                            frame.addItem(QStringLiteral("List1"), QStringLiteral("geändert"));
                        }).isOk());
        }
        // Its own window takes input; the first window takes none and cannot be closed.
        click(window, {146, 50});
        EXPECT_EQ(secondLog.clicks().count("Picture2_Click"), 1);
        log.raised.clear();
        click(*first, {146, 50});
        EXPECT_TRUE(log.clicks().isEmpty());
        first->close();
        processEvents();
        EXPECT_TRUE(first->isVisible());
        modal.close();
    };

    whenModalShows([&](QWidget& modal) { inside(modal, true); });
    doubleClick(*first, {30, 30});
    EXPECT_EQ(openings, 1);
    FormInstance* kept = second();
    EXPECT_EQ(kept, opened);
    EXPECT_FALSE(kept->isLoaded());

    // The first window takes clicks again; a second double-click shows the same instance.
    log.raised.clear();
    click(*first, {146, 50});
    EXPECT_EQ(log.clicks(), QStringList{"Picture2_Click"});
    secondLog.raised.clear();
    whenModalShows([&](QWidget& modal) { inside(modal, false); });
    doubleClick(*first, {30, 30});
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(second(), kept);
    EXPECT_TRUE(reports.empty());
}

TEST_F(Modal, DoubleClickRaisesClickThenOpens) {
    QStringList seenWhenOpen;
    whenModalShows([&](QWidget& modal) {
        seenWhenOpen = log.clicks();
        modal.close();
    });
    log.raised.clear();
    doubleClick(*first, {30, 30});
    EXPECT_EQ(seenWhenOpen, QStringList({"Picture1_Click"}));
    EXPECT_EQ(log.clicks(), QStringList({"Picture1_Click"})); // the DblClick slot is openSecond's
}

TEST_F(FixtureWindowTest, FocusMovesThroughTheWindowedControlsInTabIndexOrder) {
    FormWindow& window = open();
    setVisible("List1", true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // TabIndex 0 Picture2, 1 Picture3, 2 Picture1, 3 List1; then round again.
    const QStringList order = {"Picture2", "Picture3", "Picture1", "List1", "Picture2"};
    window.widgetOf(order[0])->setFocus(Qt::TabFocusReason);
    processEvents();
    for (qsizetype i = 0; i < order.size(); ++i) {
        EXPECT_EQ(QApplication::focusWidget(), window.widgetOf(order[i])) << order[i].toStdString();
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        processEvents();
    }
}

} // namespace
} // namespace fg::test
