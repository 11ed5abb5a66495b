// A tree window's BackColor shows only where an enlarged window outgrows its background
// picture; at its stored size the picture covers the whole client area.
#include "TreeColours.h"
#include "TreeWindowTest.h"
#include "TreeWindows.h"
#include "pictures/PictureCache.h"

namespace fg::test {
namespace {

class TreeBackground : public TreeWindowTest {};

QRgb rgbOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST_F(TreeBackground, BackColorShowsOnlyBeyondThePictureOfAnEnlargedWindow) {
    for (const TreeWindow& expected : treeWindows()) {
        SCOPED_TRACE(expected.name);
        inTreeWindow(expected.name, [&](FormWindow& window) {
            const pictures::SharedImage picture =
                pictures::PictureCache::instance().decode(window.scene().window.picture);
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->size(), expected.background);

            const QImage stored = grab(window);
            const int width = stored.width(), height = stored.height();
            ASSERT_LE(width, picture->width());
            ASSERT_LE(height, picture->height());
            EXPECT_EQ(rgbOf(stored, width - 1, height - 1), rgbOf(*picture, width - 1, height - 1))
                << "the picture reaches the client area's last pixel";

            window.resize(window.size() + QSize(60, 60));
            processEvents();
            const QImage enlarged = grab(window);
            ASSERT_EQ(enlarged.size(), stored.size() + QSize(60, 60));
            EXPECT_EQ(enlarged.copy(stored.rect()), stored) << "nothing moved";

            const QRgb back = shownColour(expected.backColor).rgb() & 0xFFFFFF;
            int wrong = 0;
            QPoint firstWrong;
            for (int y = 0; y < enlarged.height(); ++y)
                for (int x = 0; x < enlarged.width(); ++x) {
                    if (x < width && y < height)
                        continue;
                    const bool beyondPicture = x >= picture->width() || y >= picture->height();
                    const QRgb wanted = beyondPicture ? back : rgbOf(*picture, x, y);
                    if (rgbOf(enlarged, x, y) != wanted && wrong++ == 0)
                        firstWrong = {x, y};
                }
            EXPECT_EQ(wrong, 0) << "first at (" << firstWrong.x() << ", " << firstWrong.y()
                                << "): " << std::hex
                                << rgbOf(enlarged, firstWrong.x(), firstWrong.y());
        });
    }
}

} // namespace
} // namespace fg::test
