// Double-clicks on gallery portraits: five of them open their family-tree window modally
// after their click has shown the family; the gallery waits meanwhile and keeps that view.

#include "GalleryFixture.h"

#include <QApplication>

namespace fg::test {
namespace {

const QStringList kTreeWindows = {"Form2", "Form3", "Form4", "Form5", "Form6"};
const QRect kForm2ClientArea(230, 142, 487, 489); // 3450, 2130, 7305 x 7335 twips

class DoubleClick : public GalleryTest {
protected:
    FormInstance* tree(const QString& window) const {
        return runtime->programReference(window).get();
    }

    QStringList openedWindows() const {
        QStringList opened;
        for (const QString& window : kTreeWindows)
            if (tree(window))
                opened << window;
        return opened;
    }
};

TEST_F(DoubleClick, OnPicture1ShowsItsFamilyThenOpensForm2AndWaits) {
    open();
    const ClickCase& picture1 = *clickCase(1);
    GalleryState whileOpen;
    FormInstance* firstInstance = nullptr;
    {
        WhenModalShows first(gallery(), [&](QWidget& modal) {
            firstInstance = tree("Form2");
            EXPECT_EQ(QApplication::activeModalWidget(), &modal);
            if (!firstInstance || firstInstance->window() != &modal) {
                ADD_FAILURE() << "the modal window is not Form2 of its reference";
                modal.close();
                return;
            }
            EXPECT_EQ(modal.geometry(), kForm2ClientArea);

            whileOpen = state();
            EXPECT_EQ(whileOpen.list.size(), 1u);
            EXPECT_EQ(whileOpen, viewOf(picture1, true, whileOpen.list));
            // Picture11 would show its own family, the background would hide the list.
            click(gallery(), centreOf(gallery(), picture(11)));
            click(gallery(), {860, 60});
            EXPECT_EQ(state(), whileOpen) << "the gallery takes no clicks while Form2 is open";

            // Leave Form2 other than it opened: the pointer over its root portrait fills its list.
            FormWindow& form2 = *firstInstance->window();
            moveTo(form2, centreOf(form2, picture(1)));
            EXPECT_FALSE(listLines(form2).isEmpty());
            modal.close();
        });
        doubleClick(gallery(), centreOf(gallery(), picture(1)));
        ASSERT_TRUE(first.ran());
    }
    ASSERT_NE(firstInstance, nullptr);
    EXPECT_EQ(state(), whileOpen) << "the gallery keeps the view and the name";
    EXPECT_FALSE(firstInstance->isLoaded()) << "closing unloads Form2";
    EXPECT_EQ(openedWindows(), QStringList{"Form2"});

    // The second opening shows the same instance, loaded again from its stored scene.
    WhenModalShows second(gallery(), [&](QWidget& modal) {
        EXPECT_EQ(tree("Form2"), firstInstance);
        auto* form2 = qobject_cast<FormWindow*>(&modal);
        if (form2) {
            EXPECT_EQ(form2->geometry(), kForm2ClientArea);
            EXPECT_FALSE(form2->isControlVisible(QStringLiteral("List1")));
            EXPECT_TRUE(listLines(*form2).isEmpty());
        }
        modal.close();
    });
    doubleClick(gallery(), centreOf(gallery(), picture(1)));
    EXPECT_TRUE(second.ran());
    EXPECT_EQ(tree("Form2"), firstInstance);
    EXPECT_EQ(state(), whileOpen);
    EXPECT_TRUE(reports.empty());
}

TEST_F(DoubleClick, OpensTheTreeWindowOfItsPortrait) {
    struct Case {
        int portrait;
        const char* window;
    };
    const Case cases[] = {{17, "Form3"}, {8, "Form4"}, {6, "Form5"}, {5, "Form6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE("Picture" + std::to_string(c.portrait));
        open();
        ASSERT_TRUE(clickAlong(routeTo(c.portrait)));
        QString opened;
        WhenModalShows tree(gallery(), [&](QWidget& modal) {
            for (const QString& window : kTreeWindows)
                if (this->tree(window) && this->tree(window)->window() == &modal)
                    opened = window;
            modal.close();
        });
        doubleClick(gallery(), centreOf(gallery(), picture(c.portrait)));
        EXPECT_TRUE(tree.ran());
        EXPECT_EQ(opened, QString::fromLatin1(c.window));
        EXPECT_EQ(openedWindows(), QStringList{QString::fromLatin1(c.window)});
        const GalleryState after = state();
        ASSERT_EQ(after.list.size(), 1u);
        EXPECT_EQ(after, viewOf(*clickCase(c.portrait), true, after.list));
    }
    EXPECT_TRUE(reports.empty());
}

// Any other portrait takes a double-click as the one click it begins with.
TEST_F(DoubleClick, OnAnyOtherPortraitOpensNothing) {
    struct Case {
        int portrait;
        int view; // a view that shows it
    };
    const Case cases[] = {{11, 1}, {3, 1}, {30, 5}, {2, 4}, {26, 9}};
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE("Picture" + std::to_string(c.portrait));
        raiseClick(c.view);
        ModalGuard guard(gallery());
        doubleClick(gallery(), centreOf(gallery(), picture(c.portrait)));
        EXPECT_FALSE(guard.opened());
        const GalleryState afterDoubleClick = state();

        raiseClick(c.view);
        ASSERT_TRUE(clickPortrait(c.portrait));
        EXPECT_EQ(afterDoubleClick, state());
    }
    EXPECT_TRUE(openedWindows().isEmpty());
    EXPECT_TRUE(reports.empty());
}

} // namespace
} // namespace fg::test
