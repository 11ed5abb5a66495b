// What a window shows, probed pixel by pixel on the fixture window: the three layers,
// connector lines, the nested controls cut at their portrait's client area, and the list.
#include "scene/InfoList.h"
#include "tests/scene/FixtureWindowTest.h"

#include <QScrollBar>

namespace fg::test {
namespace {

using fixture::kBlue, fixture::kGreen, fixture::kRed, fixture::kWhite, fixture::kYellow;

class Drawing : public FixtureWindowTest {
protected:
    void SetUp() override {
        FixtureWindowTest::SetUp();
        window = &open();
    }
    QImage shot() { return grab(*window); }

    const std::string back = name(shown(fixture::kWindowBack));
    FormWindow* window = nullptr;
};

TEST_F(Drawing, LineUnderAPortraitShowsOnlyWhereThePortraitIsNot) {
    // Line3 runs along y 50 from x 100 up to 200; Picture2 covers x 120 to 172.
    QImage image = shot();
    EXPECT_EQ(colourAt(image, 100, 50), name(shown(kGreen)));
    EXPECT_EQ(colourAt(image, 119, 50), name(shown(kGreen)));
    EXPECT_EQ(colourAt(image, 130, 50), name(shown(colour::kButtonFace))); // Picture2's client area
    EXPECT_EQ(colourAt(image, 173, 50), name(shown(kGreen)));

    setVisible("Picture2", false);
    image = shot();
    for (const int x : {120, 121, 130, 172})
        EXPECT_EQ(colourAt(image, x, 50), name(shown(kGreen))) << x;
    EXPECT_EQ(colourAt(image, 130, 40), back);
}

TEST_F(Drawing, LinesDrawEveryPixelButTheirLastEndPoint) {
    const QImage image = shot();
    const std::string blue = name(shown(kBlue));
    // Line4 from x 90 to 60 on row 150, Line5 from 60 to 90 on row 160.
    EXPECT_EQ(colourAt(image, 91, 150), back);
    EXPECT_EQ(colourAt(image, 90, 150), blue);
    EXPECT_EQ(colourAt(image, 61, 150), blue);
    EXPECT_EQ(colourAt(image, 60, 150), back);
    EXPECT_EQ(colourAt(image, 59, 160), back);
    EXPECT_EQ(colourAt(image, 60, 160), blue);
    EXPECT_EQ(colourAt(image, 89, 160), blue);
    EXPECT_EQ(colourAt(image, 90, 160), back);

    // Line2 on the left edge, from row 140 up to row 100.
    const std::string text = name(shown(colour::kWindowText));
    EXPECT_EQ(colourAt(image, 0, 140), text);
    EXPECT_EQ(colourAt(image, 0, 101), text);
    EXPECT_EQ(colourAt(image, 0, 100), back);
    EXPECT_EQ(colourAt(image, 0, 141), back);
    EXPECT_EQ(colourAt(image, 1, 120), back);
}

TEST_F(Drawing, DotAndDiagonal) {
    const QImage image = shot();
    // Line1, 15 x 15 twips at (150, 150): exactly one pixel.
    for (int y = 147; y <= 153; ++y)
        for (int x = 147; x <= 153; ++x)
            EXPECT_EQ(colourAt(image, x, y), x == 150 && y == 150 ? name(shown(kRed)) : back)
                << x << "," << y;

    // Line6 from (200, 100) to (205, 102): in each step the pixel nearest the line, and
    // not the last end point.
    const QList<QPoint> drawn = {{200, 100}, {201, 100}, {202, 101}, {203, 101}, {204, 102}};
    for (int y = 98; y <= 104; ++y)
        for (int x = 198; x <= 207; ++x)
            EXPECT_EQ(colourAt(image, x, y),
                      drawn.contains(QPoint(x, y)) ? name(shown(kYellow)) : back)
                << x << "," << y;
}

TEST_F(Drawing, HiddenLinesShowWhenMadeVisible) {
    EXPECT_EQ(colourAt(shot(), 210, 170), back);
    setVisible("Line8", true);
    EXPECT_EQ(colourAt(shot(), 210, 170), name(shown(kRed)));
    setVisible("Line1", false);
    EXPECT_EQ(colourAt(shot(), 150, 150), back);
}

TEST_F(Drawing, PortraitsAreOpaqueWithTheirBorders) {
    const QImage image = shot();
    // Picture1, flat, outer (20, 20) 53 x 60: a 1-pixel frame, the 40 x 45 picture from the
    // client area's top-left, BackColor where the picture does not reach.
    const std::string frame = name(shown(colour::kWindowFrame));
    const std::string flatBack = name(shown(colour::kWindowBackground));
    EXPECT_EQ(colourAt(image, 20, 30), frame);
    EXPECT_EQ(colourAt(image, 30, 20), frame);
    EXPECT_EQ(colourAt(image, 72, 30), frame);
    EXPECT_EQ(colourAt(image, 40, 79), frame);
    EXPECT_TRUE(near(image, 21, 21, kPictureGrey)) << colourAt(image, 21, 21);
    EXPECT_TRUE(near(image, 60, 30, kPictureEdge))
        << colourAt(image, 60, 30); // the picture's last column
    EXPECT_TRUE(near(image, 40, 65, kPictureEdge)) << colourAt(image, 40, 65); // and its last row
    EXPECT_EQ(colourAt(image, 61, 30), flatBack);
    EXPECT_EQ(colourAt(image, 71, 30), flatBack);
    EXPECT_EQ(colourAt(image, 40, 66), flatBack);
    EXPECT_EQ(colourAt(image, 40, 78), flatBack);

    // Picture2, 3D, outer (120, 20) 53 x 60: a 2-pixel sunken edge around BackColor, with
    // Line3 hidden beneath it.
    const std::string face = name(shown(colour::kButtonFace));
    const QRect outer(120, 20, 53, 60);
    for (const int y : {30, 50, 70}) {
        for (const int inset : {0, 1}) {
            EXPECT_NE(colourAt(image, outer.left() + inset, y), face) << inset;
            EXPECT_NE(colourAt(image, outer.right() - inset, y), face) << inset;
        }
        EXPECT_EQ(colourAt(image, outer.left() + 2, y), face);
        EXPECT_EQ(colourAt(image, outer.right() - 2, y), face);
    }
    for (const int x : {130, 146, 160}) {
        for (const int inset : {0, 1}) {
            EXPECT_NE(colourAt(image, x, outer.top() + inset), face) << inset;
            EXPECT_NE(colourAt(image, x, outer.bottom() - inset), face) << inset;
        }
        EXPECT_EQ(colourAt(image, x, outer.top() + 2), face);
        EXPECT_EQ(colourAt(image, x, outer.bottom() - 2), face);
    }
    // Sunken: the top and left edges darker than the bottom and right ones.
    for (const int inset : {0, 1})
        EXPECT_LT(QColor(image.pixel(outer.left() + inset, 50)).lightness(),
                  QColor(image.pixel(outer.right() - inset, 50)).lightness())
            << inset;
}

TEST_F(Drawing, NestedControlsAreCutAtTheirPortraitsClientArea) {
    // Picture1's client area spans (21, 21) to (71, 78). Picture3 stands in it at (51, 61)
    // and would reach (80, 90); Line7 runs down column 26 from row 51 and would reach 90.
    const QImage image = shot();
    const std::string frame = name(shown(colour::kWindowFrame));
    const std::string face = name(shown(colour::kButtonFace));
    // Above the portrait's picture, cut at its client area's right and bottom edges.
    EXPECT_EQ(colourAt(image, 55, 64), face);
    EXPECT_EQ(colourAt(image, 71, 78), face);
    for (const int y : {61, 70, 78})
        EXPECT_EQ(colourAt(image, 72, y), frame) << y;
    for (const int x : {51, 60, 72})
        EXPECT_EQ(colourAt(image, x, 79), frame) << x;
    for (const QPoint outside : {QPoint(73, 70), QPoint(80, 85), QPoint(60, 85)})
        EXPECT_EQ(colourAt(image, outside.x(), outside.y()), back)
            << outside.x() << "," << outside.y();

    const std::string white = name(shown(kWhite));
    EXPECT_EQ(colourAt(image, 26, 51), white);
    EXPECT_EQ(colourAt(image, 26, 60), white); // over the picture
    EXPECT_EQ(colourAt(image, 26, 78), white);
    EXPECT_TRUE(near(image, 26, 50, kPictureGrey)) << colourAt(image, 26, 50); // not before row 51
    EXPECT_EQ(colourAt(image, 26, 79), frame);
    EXPECT_EQ(colourAt(image, 26, 82), back);

    // A hidden portrait hides what it holds.
    setVisible("Picture1", false);
    const QImage hidden = shot();
    for (const QPoint p : {QPoint(26, 60), QPoint(55, 64), QPoint(71, 78), QPoint(72, 70)})
        EXPECT_EQ(colourAt(hidden, p.x(), p.y()), back) << p.x() << "," << p.y();
}

class ListDrawing : public Drawing {
protected:
    void SetUp() override {
        Drawing::SetUp();
        setVisible("List1", true);
        list = window->infoList(*window->record("List1"));
    }
    void add(const QString& text) { ASSERT_TRUE(instance().control("List1").addItem(text).isOk()); }
    // The list as it shows in the window, 100 x 43 pixels from (20, 100).
    QImage listShot() { return shot().copy(20, 100, 100, 43); }

    InfoList* list = nullptr;
};

TEST_F(ListDrawing, SunkenEdgeOfTwoPixels) {
    const QImage image = listShot();
    const std::string base = name(shown(colour::kWindowBackground));
    for (int y = 2; y <= 40; ++y) {
        EXPECT_NE(colourAt(image, 0, y), base);
        EXPECT_NE(colourAt(image, 1, y), base);
        EXPECT_EQ(colourAt(image, 2, y), base) << y;
        EXPECT_EQ(colourAt(image, 97, y), base) << y;
        EXPECT_NE(colourAt(image, 98, y), base);
        EXPECT_NE(colourAt(image, 99, y), base);
    }
    for (int x = 2; x <= 97; ++x) {
        EXPECT_NE(colourAt(image, x, 1), base);
        EXPECT_EQ(colourAt(image, x, 2), base) << x;
        EXPECT_EQ(colourAt(image, x, 40), base) << x;
        EXPECT_NE(colourAt(image, x, 41), base);
    }
    for (const int inset : {0, 1}) {
        EXPECT_LT(QColor(image.pixel(inset, 20)).lightness(),
                  QColor(image.pixel(99 - inset, 20)).lightness());
        EXPECT_LT(QColor(image.pixel(50, inset)).lightness(),
                  QColor(image.pixel(50, 42 - inset)).lightness());
    }
}

// The rows of a list image that hold text, grouped into runs of consecutive rows.
QList<std::pair<int, int>> textBands(const QImage& image, const QColor& base) {
    QList<std::pair<int, int>> bands;
    for (int y = 2; y < image.height() - 2; ++y) {
        bool ink = false;
        for (int x = 2; x < image.width() - 2 && !ink; ++x)
            ink = QColor(image.pixel(x, y)) != base;
        if (!ink)
            continue;
        if (!bands.isEmpty() && bands.back().second == y - 1)
            bands.back().second = y;
        else
            bands.append({y, y});
    }
    return bands;
}

TEST_F(ListDrawing, RowsAreThirteenPixelsAndThreeShow) {
    for (const char* line : {"Zeile eins", "Zeile zwei", "Zeile drei"})
        add(QString::fromLatin1(line));
    processEvents();
    for (int i = 0; i < 3; ++i) {
        const QRect row = list->visualItemRect(list->item(i)).translated(list->viewport()->pos());
        EXPECT_EQ(row.top(), 2 + 13 * i) << i;
        EXPECT_EQ(row.height(), 13) << i;
    }
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());

    // The text of row i lies in its band, the bands 13 pixels apart, the third one whole.
    const auto bands = textBands(listShot(), shown(colour::kWindowBackground));
    ASSERT_EQ(bands.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(bands[i].first, 2 + 13 * i) << i;
        EXPECT_LE(bands[i].second, 2 + 13 * i + 12) << i;
        EXPECT_EQ(bands[i].first - bands[0].first, 13 * i) << i;
    }

    // A fourth line is more than the list shows: it scrolls, and still three rows show.
    add(QStringLiteral("Zeile vier"));
    processEvents();
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(textBands(listShot().copy(0, 0, 80, 43), shown(colour::kWindowBackground)).size(), 3);
}

} // namespace
} // namespace fg::test
