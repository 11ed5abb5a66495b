#include "app/ProjectDescription.h"
#include "tests/support/GuiTest.h"

namespace fg::test {
namespace {

class Smoke : public RuntimeTest {};

TEST_F(Smoke, GalleryOpensWithPicture1Alone) {
    FormWindow& gallery = start(app::projectDescription());
    EXPECT_EQ(visibleNames(gallery, ControlKind::Portrait), QStringList{"Picture1"});
    click(gallery, centreOf(gallery, "Picture1"));
    EXPECT_EQ(listLines(gallery).size(), 1);
    EXPECT_TRUE(reports.empty());
}

} // namespace
} // namespace fg::test
