// How a picture fits its box: drawn at its own size from the client area's top-left pixel,
// cut at the client area's right and bottom edges, BackColor where it does not reach; and
// the window's background picture, cut at the client edge, BackColor beyond it.
#include "scene/Twips.h"
#include "tests/scene/FixtureSupport.h"
#include "tests/support/GuiTest.h"

namespace fg::test {
namespace {

// clang-format off
// The combinations of box, border and picture size that the program's windows hold.
const struct FitCase {
    const char* name;
    Twips width, height; bool threeD; QSize picture; bool progressive;
    QSize client; int backColumns, backRows; // BackColor to the right of and below the picture
} kFits[] = {
    {"51x60 flat: full width, 2 rows cut",     800, 900, false, {51, 60}, false, {51, 58}, 0, 0},
    {"49x60 flat: 2 columns of BackColor",     800, 900, false, {49, 60}, false, {51, 58}, 2, 0},
    {"50x60 flat: 1 column of BackColor",      800, 900, false, {50, 60}, true,  {51, 58}, 1, 0},
    {"50x58 flat: 1 column, all rows",         800, 900, false, {50, 58}, false, {51, 58}, 1, 0},
    {"50x57 flat: 1 column and 1 row",         800, 900, false, {50, 57}, false, {51, 58}, 1, 1},
    {"53x60 flat: cut right and below",        800, 900, false, {53, 60}, false, {51, 58}, 0, 0},
    {"62x60 flat: cut right and below",        800, 900, false, {62, 60}, true,  {51, 58}, 0, 0},
    {"60x68 flat: 9 columns and 10 rows cut",  800, 900, false, {60, 68}, false, {51, 58}, 0, 0},
    {"51x60 3D: cut right and below",          800, 900, true,  {51, 60}, true,  {49, 56}, 0, 0},
    {"60x68 3D: cut right and below",          800, 900, true,  {60, 68}, false, {49, 56}, 0, 0},
    {"40x45 3D: 9 columns and 11 rows",        800, 900, true,  {40, 45}, false, {49, 56}, 9, 11},
    {"51x60 in 735x900 flat",                  735, 900, false, {51, 60}, false, {47, 58}, 0, 0},
    {"50x59 in 735x900 3D",                    735, 900, true,  {50, 59}, false, {45, 56}, 0, 0},
    {"50x60 in 735x855 3D",                    735, 855, true,  {50, 60}, true,  {45, 53}, 0, 0},
    {"50x62 in 735x855 3D",                    735, 855, true,  {50, 62}, false, {45, 53}, 0, 0},
};
// clang-format on
constexpr int kFitCount = int(std::size(kFits));
constexpr ColourValue kWindowBack = 0x8040C0;

QPoint boxOrigin(int i) {
    return {10 + (i % 8) * 64, 10 + (i / 8) * 72};
} // pixels

struct FitScene {
    std::vector<std::string> names;
    std::vector<PortraitSource> portraits;
    QHash<QString, QByteArray> pictures{{"Icon", iconRecord(Qt::darkCyan)}};
    QByteArray stored;

    FitScene() {
        names.reserve(kFitCount);
        for (int i = 0; i < kFitCount; ++i) {
            const FitCase& c = kFits[i];
            names.push_back("Picture" + std::to_string(i + 1));
            const QPoint at = boxOrigin(i) * kTwipsPerPixel;
            portraits.push_back({names.back(), at.x(), at.y(), c.width, c.height,
                                 c.threeD ? PortraitStyle::ThreeD : PortraitStyle::Flat, kShown,
                                 i});
            pictures.insert(QString::fromStdString(names.back()),
                            markedPictureRecord(c.picture, c.progressive));
        }
        const SceneSource source{
            .window = {"Bilder",
                       "Bilder",
                       {},
                       BorderStyle::Sizable,
                       0,
                       0,
                       540 * 15,
                       160 * 15,
                       kWindowBack},
            .portraits = portraits,
            .list = {"List1", 0, 0, 1500, 255, colour::kWindowBackground, colour::kWindowText,
                     kHidden, kFitCount},
            .lines = {},
        };
        stored = storeScene(source, pictures);
    }
};

class Pictures : public RuntimeTest {
protected:
    // The window class lives as long as the runtime that loads it.
    FormWindow& open(const QString& name, QByteArrayView stored) {
        form = FormClass{name, stored, {}};
        return start(ProjectDescription{{&form}, {}});
    }
    FormClass form;
    DistinctColourScheme colours;
};

// What a client-area pixel of a box shows: the picture's own pixel, or BackColor.
bool showsPicture(const QImage& image, QPoint at, bool lastOfPicture) {
    return near(image, at.x(), at.y(), lastOfPicture ? kPictureEdge : kPictureGrey);
}

TEST_F(Pictures, PortraitPicturesFitTheirBoxes) {
    static const FitScene scene;
    FormWindow& window = open("Bilder", scene.stored);
    const QImage image = grab(window);

    for (int i = 0; i < kFitCount; ++i) {
        const FitCase& c = kFits[i];
        SCOPED_TRACE(c.name);
        const int border = c.threeD ? 2 : 1;
        const QPoint client = boxOrigin(i) + QPoint(border, border);
        const QSize shownPart(c.client.width() - c.backColumns, c.client.height() - c.backRows);
        const std::string back =
            name(shown(c.threeD ? colour::kButtonFace : colour::kWindowBackground));
        auto expectPixel = [&](int x, int y) {
            const QPoint at = client + QPoint(x, y);
            if (x < shownPart.width() && y < shownPart.height()) {
                const bool edge = x == c.picture.width() - 1 || y == c.picture.height() - 1;
                EXPECT_TRUE(showsPicture(image, at, edge))
                    << "picture pixel " << x << "," << y << " shows "
                    << colourAt(image, at.x(), at.y());
            } else {
                EXPECT_EQ(colourAt(image, at.x(), at.y()), back)
                    << "client pixel " << x << "," << y;
            }
        };
        // Along a row and a column through the picture, and along the client area's last
        // row and column.
        const int row = shownPart.height() / 2, column = shownPart.width() / 2;
        for (int x = 0; x < c.client.width(); ++x) {
            expectPixel(x, row);
            expectPixel(x, c.client.height() - 1);
        }
        for (int y = 0; y < c.client.height(); ++y) {
            expectPixel(column, y);
            expectPixel(c.client.width() - 1, y);
        }
        // The border on each side of the client area is neither picture nor BackColor.
        for (const QPoint b :
             {client + QPoint(-1, row), client + QPoint(c.client.width(), row),
              client + QPoint(column, -1), client + QPoint(column, c.client.height())}) {
            EXPECT_NE(colourAt(image, b.x(), b.y()), back) << "border at " << b.x() << "," << b.y();
            EXPECT_FALSE(showsPicture(image, b, false) || showsPicture(image, b, true))
                << "border at " << b.x() << "," << b.y();
        }
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(Pictures, BackgroundIsCutAtTheClientEdgeAndBackColorShowsBeyond) {
    // A 100 x 80 client area over a 120 x 90 background, with one flat portrait at (10, 10).
    static const QByteArray stored = [] {
        static const PortraitSource portraits[] = {
            {"Picture1", 150, 150, 800, 900, PortraitStyle::Flat, kShown, 0}};
        const SceneSource source{
            .window = {"Hintergrund",
                       "Hintergrund",
                       {},
                       BorderStyle::Sizable,
                       1500,
                       1500,
                       1500,
                       1200,
                       kWindowBack},
            .portraits = portraits,
            .list = {"List1", 0, 0, 1500, 255, colour::kWindowBackground, colour::kWindowText,
                     kHidden, 1},
            .lines = {},
        };
        return storeScene(source, {{"Icon", iconRecord(Qt::darkCyan)},
                                   {"Picture", markedPictureRecord({120, 90})},
                                   {"Picture1", markedPictureRecord({51, 60})}});
    }();
    FormWindow& window = open("Hintergrund", stored);
    const std::string back = name(shown(kWindowBack));
    const std::string frame = name(shown(colour::kWindowFrame));

    QImage image = grab(window);
    ASSERT_EQ(image.size(), QSize(100, 80));
    for (const QPoint p :
         {QPoint(0, 0), QPoint(99, 0), QPoint(99, 79), QPoint(0, 79), QPoint(80, 40)})
        EXPECT_TRUE(near(image, p.x(), p.y(), kPictureGrey))
            << p.x() << "," << p.y() << " " << colourAt(image, p.x(), p.y());
    EXPECT_EQ(colourAt(image, 10, 30), frame);

    // Enlarged: the picture stays at the top-left at its own size, BackColor beyond it, and
    // the portrait stays where it stands.
    window.resize(160, 120);
    processEvents();
    image = grab(window);
    ASSERT_EQ(image.size(), QSize(160, 120));
    EXPECT_TRUE(near(image, 0, 0, kPictureGrey)) << colourAt(image, 0, 0);
    EXPECT_TRUE(near(image, 100, 40, kPictureGrey)) << colourAt(image, 100, 40);
    EXPECT_TRUE(near(image, 119, 40, kPictureEdge)) << colourAt(image, 119, 40);
    EXPECT_TRUE(near(image, 80, 89, kPictureEdge)) << colourAt(image, 80, 89);
    for (const QPoint p :
         {QPoint(120, 40), QPoint(159, 40), QPoint(80, 90), QPoint(80, 119), QPoint(159, 119)})
        EXPECT_EQ(colourAt(image, p.x(), p.y()), back) << p.x() << "," << p.y();
    EXPECT_EQ(colourAt(image, 10, 30), frame);
    EXPECT_EQ(colourAt(image, 62, 30), frame);
    EXPECT_TRUE(near(image, 11, 11, kPictureGrey)) << colourAt(image, 11, 11);
}

} // namespace
} // namespace fg::test
