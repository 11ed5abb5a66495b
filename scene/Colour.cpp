#include "scene/Colour.h"

#include <QGuiApplication>
#include <array>

namespace fg {
namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system colours by index, as roles of the palette.
constexpr std::array<SystemColour, 25> kSystemColours = {{
    {QPalette::Active, QPalette::Mid},             // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu background
    {QPalette::Active, QPalette::Base},            // 5 window background
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 active caption text
    {QPalette::Active, QPalette::Midlight},        // 10 active border
    {QPalette::Inactive, QPalette::Midlight},      // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
}};

} // namespace

QColor toQColor(ColourValue value, const QPalette& palette) {
    if ((value & 0xFF000000u) == 0x80000000u) {
        const auto index = value & 0xFFu;
        if (index < kSystemColours.size())
            return palette.color(kSystemColours[index].group, kSystemColours[index].role);
        return palette.color(QPalette::Active, QPalette::Window);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor toQColor(ColourValue value) {
    return toQColor(value, QGuiApplication::palette());
}

} // namespace fg
