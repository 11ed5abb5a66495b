// The gallery as loaded from its stored scene, and what it draws: lines lie beneath the
// portraits that cover them.

#include "GalleryFixture.h"
#include "scene/Colour.h"
#include "scene/Twips.h"

namespace fg::test {
namespace {

constexpr QRgb kYellow = 0xFFFFFF00; // 0x00FFFF as the screen shows it

class GalleryScene : public GalleryTest {};

TEST_F(GalleryScene, IsAFixedDialogAtItsStoredPlace) {
    open();
    const QString caption = QString(37, QLatin1Char(' ')) +
                            QStringLiteral("Ein Klick in das Bild zeigt die Partner, Eltern und "
                                           "Kinder, ein Doppelklick den Kelvorn");
    EXPECT_EQ(gallery().windowTitle(), caption);
    EXPECT_EQ(gallery().geometry(), QRect(16, 154, 872, 472));
    EXPECT_EQ(gallery().minimumSize(), QSize(872, 472));
    EXPECT_EQ(gallery().maximumSize(), QSize(872, 472));
    const Qt::WindowFlags flags = gallery().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    const SceneRecord& window = gallery().scene().window;
    EXPECT_EQ(window.borderStyle, BorderStyle::FixedDialog);
    EXPECT_FALSE(window.minButton || window.maxButton || window.showInTaskbar);
    EXPECT_EQ(window.backColor, 0x4F859Fu);

    int portraits = 0, lists = 0;
    std::set<QString> lines;
    for (const SceneRecord& r : gallery().scene().controls) {
        portraits += r.kind == ControlKind::Portrait;
        lists += r.kind == ControlKind::InfoList;
        if (r.kind != ControlKind::Line)
            continue;
        lines.insert(r.name);
        const ColourValue drawn = r.name == "Line115"   ? 0x80FFFF
                                  : r.name == "Line108" ? colour::kWindowText
                                                        : 0x00FFFF;
        EXPECT_EQ(r.borderColor, drawn) << r.name.toStdString();
    }
    EXPECT_EQ(portraits, 57);
    EXPECT_EQ(lists, 1);
    EXPECT_EQ(lines.size(), 117u);
}

TEST_F(GalleryScene, InfoListIsOneMaroonLineBelowThePortraits) {
    open();
    const SceneRecord& list = *gallery().record(QStringLiteral("List1"));
    EXPECT_EQ(QRect(list.left, list.top, list.width, list.height), QRect(360, 6720, 3015, 255));
    EXPECT_EQ(list.backColor, 0x000080u);
    EXPECT_EQ(list.foreColor, 0x00FFFFu);
    EXPECT_FALSE(list.visible);
    EXPECT_EQ(list.tabIndex, 51);

    QWidget& widget = *gallery().widgetOf(QStringLiteral("List1"));
    EXPECT_EQ(widget.geometry(), QRect(24, 448, 201, 17));
    EXPECT_EQ(widget.palette().color(QPalette::Base), QColor(128, 0, 0));
    EXPECT_EQ(widget.palette().color(QPalette::Text), QColor(255, 255, 0));
    for (const SceneRecord& r : gallery().scene().controls) {
        if (r.kind == ControlKind::Portrait && r.container == 0) {
            EXPECT_FALSE(
                QRect(r.left, r.top, r.width, r.height).intersects(QRect(360, 6720, 3015, 255)))
                << r.name.toStdString();
        }
    }
}

TEST_F(GalleryScene, PortraitsStandAsStored) {
    enum Style { Flat, FlatMenu, ThreeD };
    struct Row {
        int portrait;
        Twips left, top, width, height;
        Style style;
        bool shown;
        int tabIndex;
    };
    // clang-format off
    const Row rows[] = {
        {18,   120,  120, 800, 900, Flat,     true,  11},
        {16,   600, 1560, 800, 900, FlatMenu, true,  13},
        {11,  4200, 1560, 800, 900, Flat,     false, 18},
        {57, 11040, 3000, 735, 900, ThreeD,   true,  57},
        {52,  9480, 4320, 735, 900, Flat,     false, 52},
        {55,  1320, 4440, 735, 855, ThreeD,   true,  55},
        {47,   720,    0,  15, 855, ThreeD,   true,  46}, // inside Picture32
    };
    // clang-format on
    open();
    const SceneRecord defaults = defaultRecord(ControlKind::Portrait);
    for (const Row& row : rows) {
        SCOPED_TRACE("Picture" + std::to_string(row.portrait));
        const SceneRecord& r = *gallery().record(picture(row.portrait));
        EXPECT_EQ(QRect(r.left, r.top, r.width, r.height),
                  QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(r.threeD, row.style == ThreeD);
        if (row.style == ThreeD) {
            EXPECT_EQ(r.backColor, defaults.backColor);
            EXPECT_EQ(r.foreColor, defaults.foreColor);
        } else {
            EXPECT_EQ(r.backColor, row.style == Flat ? colour::kWindowBackground : colour::kMenu);
            EXPECT_EQ(r.foreColor, colour::kWindowText);
        }
        EXPECT_EQ(r.visible, row.shown);
        EXPECT_EQ(r.tabIndex, row.tabIndex);

        const QWidget& widget = *gallery().widgetOf(picture(row.portrait));
        EXPECT_EQ(widget.size(), QSize(toPixels(row.width), toPixels(row.height)));
        if (row.portrait == 47) {
            EXPECT_EQ(widget.parentWidget(), gallery().widgetOf(picture(32)));
            EXPECT_TRUE(r.picture.isEmpty());
        } else {
            EXPECT_EQ(widget.pos(), QPoint(toPixels(row.left), toPixels(row.top)));
            EXPECT_FALSE(r.picture.isEmpty());
        }
    }
}

// Line2 runs from y 4200 down into Picture3's box, which starts at y 4320 (row 288).
TEST_F(GalleryScene, LineRunningIntoAPortraitIsHiddenUnderIt) {
    open();
    raiseClick(8); // shows Picture3 and Line2
    ASSERT_TRUE(gallery().isControlVisible(QStringLiteral("Line2")));
    ASSERT_TRUE(gallery().isControlVisible(picture(3)));
    processEvents();
    const QImage shown = grab(gallery());
    const QImage portrait = grab(*gallery().widgetOf(picture(3)));
    for (int y = 280; y < 288; ++y)
        EXPECT_EQ(shown.pixel(520, y), kYellow) << "row " << y;
    for (int y = 288; y < 296; ++y) {
        EXPECT_NE(shown.pixel(520, y), kYellow) << "row " << y;
        EXPECT_EQ(shown.pixel(520, y), portrait.pixel(520 - 496, y - 288)) << "row " << y;
    }
}

// Line108 runs from (6000, 3360) to (7200, 3840): pixels (400, 224) to (480, 256), the
// first 21 columns inside Picture1's box (up to x 6320, pixel column 420).
TEST_F(GalleryScene, StartViewDrawsLine108BeneathPicture1AndLine107AlongTheTop) {
    open();
    processEvents();
    const QImage shown = grab(gallery());
    const QImage portrait = grab(*gallery().widgetOf(picture(1)));
    const QRgb windowText = toQColor(colour::kWindowText, gallery().palette()).rgb();
    for (int step = 0; step < 80; ++step) {
        const int x = 400 + step;
        const int y = 224 + (2 * 32 * step + 80) / 160; // nearest pixel to the ideal line
        if (x <= 420)
            EXPECT_EQ(shown.pixel(x, y), portrait.pixel(x - 368, y - 200)) << "column " << x;
        else
            EXPECT_EQ(shown.pixel(x, y), windowText) << "column " << x;
    }
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(shown.pixel(x, 0), kYellow) << "Line107, column " << x;
}

} // namespace
} // namespace fg::test
