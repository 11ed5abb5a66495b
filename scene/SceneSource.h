#pragma once
// The authored form of a scene: constant tables, one row per control, written to be read
// side by side with the scene descriptions of the windows. The build turns each table into
// the stored form (StoredForm.h), and the program only ever loads that stored form.
//
// Pictures are not named here: pictures/content/manifest.tsv says which control shows
// which image, and the build takes the picture records from there.

#include <cstdint>
#include <span>
#include <string_view>

namespace fg {

using Twips = std::int32_t;
using ColourValue = std::uint32_t;

// Colour values: 0x00BBGGRR, or 0x800000nn for the platform's system colour nn.
namespace colour {
inline constexpr ColourValue kMenu = 0x80000004;
inline constexpr ColourValue kWindowBackground = 0x80000005;
inline constexpr ColourValue kWindowFrame = 0x80000006;
inline constexpr ColourValue kWindowText = 0x80000008;
inline constexpr ColourValue kInactiveBorder = 0x8000000B;
inline constexpr ColourValue kAppWorkspace = 0x8000000C;
inline constexpr ColourValue kHighlight = 0x8000000D;
inline constexpr ColourValue kHighlightText = 0x8000000E;
inline constexpr ColourValue kButtonFace = 0x8000000F;
inline constexpr ColourValue kButtonText = 0x80000012;

inline constexpr ColourValue kMaroon = 0x000080;
inline constexpr ColourValue kYellow = 0x00FFFF;
inline constexpr ColourValue kLightYellow = 0x80FFFF;
inline constexpr ColourValue kWhite = 0xFFFFFF;
inline constexpr ColourValue kGreen = 0x00FF00;
} // namespace colour

enum class BorderStyle : std::uint8_t { Sizable = 2, FixedDialog = 3, SizableToolWindow = 5 };

// The four looks of a portrait: its appearance and the colours that go with it.
enum class PortraitStyle : std::uint8_t {
    Flat,               // flat border, BackColor window background, ForeColor window text
    FlatMenu,           // flat border, BackColor menu background, ForeColor window text
    ThreeD,             // 3D border, default colours
    ThreeDHighlightText // 3D border, BackColor highlight text, default ForeColor
};

inline constexpr bool kShown = true;
inline constexpr bool kHidden = false;

struct WindowSource {
    std::string_view name; // the window class, "Form1" to "Form6"
    std::string_view caption;
    std::string_view captionName; // appended to caption (a root person's display name), or empty
    BorderStyle borderStyle;
    Twips clientLeft, clientTop, clientWidth, clientHeight;
    ColourValue backColor;
};

struct PortraitSource {
    std::string_view name;
    Twips left, top, width, height;
    PortraitStyle style;
    bool visible;
    int tabIndex;
    std::string_view container = {}; // the portrait that holds it; empty: the window
};

struct ListSource {
    std::string_view name;
    Twips left, top, width, height;
    ColourValue backColor;
    ColourValue foreColor;
    bool visible;
    int tabIndex;
};

struct LineSource {
    std::string_view name;
    Twips x1, y1, x2, y2;
    ColourValue borderColor;
    bool visible = kShown;
    std::string_view container = {}; // the portrait that holds it; empty: the window
};

// Stored settings that have no effect of their own but are carried like any property.
enum class ExtraSetting : std::uint8_t {
    WindowColour, // a further window colour
    WindowFlag,   // a further window flag
    PortraitFlag, // a further portrait flag (a border style of its own)
    ListSettings, // two further 16-bit list settings
};

struct ExtraSource {
    std::string_view control; // the window's own name for the window
    ExtraSetting setting;
    std::uint32_t value;
};

struct SceneSource {
    WindowSource window;
    std::span<const PortraitSource> portraits; // any order: the control order is derived
    ListSource list;
    std::span<const LineSource> lines;
    // Line numbers in control order, where the line table is kept in another order; empty:
    // the line table is in control order.
    std::span<const int> lineOrder = {};
    std::span<const ExtraSource> extras = {};
};

} // namespace fg
