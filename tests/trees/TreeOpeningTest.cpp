// Opening the family-tree windows from the gallery: a double-click on the person's portrait
// opens the window modally; a later opening shows the same instance, laid out afresh.
#include "TreeWindowTest.h"
#include "TreeWindows.h"
#include "app/ProjectDescription.h"

namespace fg::test {
namespace {

class TreeOpening : public RuntimeTest {};

int visibleCount(const FormWindow& window, ControlKind kind) {
    return int(visibleNames(window, kind).size());
}

TEST_F(TreeOpening, Form2OpensFromPicture1AndOpensAgainAsStored) {
    FormWindow& gallery = start(app::projectDescription());
    std::unique_ptr<FormInstance>& reference = runtime->programReference(u"Form2");
    ASSERT_FALSE(reference) << "no tree window exists before its first opening";
    const TreeWindow& form2 = treeWindow("Form2");

    FormInstance* opened = nullptr;
    ListState hovered;
    whenModalShows([&](QWidget& modal) {
        opened = reference.get();
        ASSERT_TRUE(opened && opened->window() == &modal);
        FormWindow& window = *opened->window();
        moveTo(window, centreOf(window, "Picture1"));
        hovered = listState(window);
        modal.close();
    });
    doubleClick(gallery, centreOf(gallery, "Picture1"));
    ASSERT_NE(opened, nullptr) << "Form2 did not open";
    EXPECT_EQ(opened->windowClass().name, QStringLiteral("Form2"));
    EXPECT_EQ(hovered.shown, true);
    EXPECT_EQ(hovered.lines.size(), hoverCount("Form2", "Picture1"));
    EXPECT_FALSE(opened->isLoaded()) << "closing unloads it";

    FormInstance* reopened = nullptr;
    ListState atReopening{true, {"not seen"}};
    int portraits = 0, lines = 0;
    whenModalShows([&](QWidget& modal) {
        reopened = reference.get();
        ASSERT_TRUE(reopened && reopened->window() == &modal);
        const FormWindow& window = *reopened->window();
        atReopening = listState(window);
        portraits = visibleCount(window, ControlKind::Portrait);
        lines = visibleCount(window, ControlKind::Line);
        modal.close();
    });
    doubleClick(gallery, centreOf(gallery, "Picture1"));
    EXPECT_EQ(reopened, opened) << "the same instance again";
    EXPECT_EQ(atReopening, ListState{}) << "the list starts hidden and empty again";
    EXPECT_EQ(portraits, form2.portraits);
    EXPECT_EQ(lines, form2.lines);
    EXPECT_TRUE(reports.empty());
}

struct Opener {
    const char* portrait; // the gallery portrait to double-click
    const char* route;    // the portraits to click first to bring it into view
    const char* window;
};

void PrintTo(const Opener& o, std::ostream* out) {
    *out << o.portrait << " opens " << o.window;
}

class TreeOpener : public RuntimeTest, public ::testing::WithParamInterface<Opener> {};

TEST_P(TreeOpener, DoubleClickOpensTheTreeWindowModally) {
    const Opener& o = GetParam();
    FormWindow& gallery = start(app::projectDescription());
    for (const QString& step : QString::fromLatin1(o.route).split(' ', Qt::SkipEmptyParts))
        click(gallery, centreOf(gallery, step));
    const QString portrait = QLatin1String(o.portrait);
    ASSERT_TRUE(gallery.isControlVisible(portrait)) << o.portrait << " is in view";

    const QString window = QLatin1String(o.window);
    bool opened = false;
    QString title;
    whenModalShows([&](QWidget& modal) {
        const std::unique_ptr<FormInstance>& reference = runtime->programReference(window);
        opened = reference && reference->window() == &modal &&
                 reference->windowClass().name == window && modal.isModal();
        title = modal.windowTitle();
        modal.close();
    });
    doubleClick(gallery, centreOf(gallery, portrait));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(title.startsWith(QStringLiteral("Kelvorn von "))) << title.toStdString();
    EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(FivePortraits, TreeOpener,
                         ::testing::Values(Opener{"Picture1", "", "Form2"},
                                           Opener{"Picture17", "Picture1 Picture11", "Form3"},
                                           Opener{"Picture8", "Picture1", "Form4"},
                                           Opener{"Picture6", "Picture1", "Form5"},
                                           Opener{"Picture5", "Picture1", "Form6"}),
                         [](const auto& info) { return std::string(info.param.window); });

} // namespace
} // namespace fg::test
