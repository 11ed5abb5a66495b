// The family-tree window Form2: every control with its stored properties, one row each.
#include "family/Family.h"
#include "trees/TreeScenes.h"

#include <array>

namespace fg::trees {
namespace {

// clang-format off
constexpr std::array kPortraits = std::to_array<PortraitSource>({
//   name          Left   Top Width Height Style                       Visible TabIndex
    {"Picture6",   3720, 2760, 800, 900, PortraitStyle::Flat,                kShown, 12},
    {"Picture1",   1320, 3960, 800, 900, PortraitStyle::Flat,                kShown, 11},
    {"Picture2",   1920, 6240, 800, 900, PortraitStyle::Flat,                kShown, 10},
    {"Picture3",   1680, 5160, 800, 900, PortraitStyle::Flat,                kShown,  9},
    {"Picture11",   720, 2760, 800, 900, PortraitStyle::Flat,                kShown,  8},
    {"Picture12",  2520, 2760, 800, 900, PortraitStyle::Flat,                kShown,  7},
    {"Picture22",   240, 1440, 800, 900, PortraitStyle::Flat,                kShown,  6},
    {"Picture23",  1200, 1440, 800, 900, PortraitStyle::Flat,                kShown,  5},
    {"Picture24",  2040, 1440, 800, 900, PortraitStyle::Flat,                kShown,  4},
    {"Picture25",  3000, 1440, 800, 900, PortraitStyle::Flat,                kShown,  3},
    {"Picture4",   2520,  120, 800, 900, PortraitStyle::ThreeDHighlightText, kShown,  1},
    {"Picture5",   3480,  120, 800, 900, PortraitStyle::ThreeDHighlightText, kShown,  0},
});

constexpr std::array kLines = std::to_array<LineSource>({
//   name          X1    Y1    X2    Y2  BorderColor
    {"Line13", 4080, 3840, 4080, 3600, colour::kYellow},
    {"Line12", 2880, 3840, 4080, 3840, colour::kYellow},
    {"Line1",  1680, 5040, 2040, 5040, colour::kYellow},
    {"Line2",  2040, 5040, 2040, 5280, colour::kYellow},
    {"Line3",  1680, 4800, 1680, 5040, colour::kYellow},
    {"Line6",  2040, 6120, 2040, 5880, colour::kYellow},
    {"Line7",  2280, 6360, 2280, 6120, colour::kYellow},
    {"Line15", 1200, 3840, 2880, 3840, colour::kYellow},
    {"Line16", 1200, 3600, 1200, 3840, colour::kYellow},
    {"Line17", 2880, 3480, 2880, 3840, colour::kYellow},
    {"Line18", 1680, 4080, 1680, 3840, colour::kYellow},
    {"Line40",  600, 2520, 1680, 2520, colour::kYellow},
    {"Line41",  600, 2280,  600, 2520, colour::kYellow},
    {"Line42", 1680, 2280, 1680, 2520, colour::kYellow},
    {"Line43", 1200, 2520, 1200, 2760, colour::kYellow},
    {"Line44", 2400, 2520, 3360, 2520, colour::kYellow},
    {"Line45", 2400, 2520, 2400, 2280, colour::kYellow},
    {"Line46", 3360, 2520, 3360, 2280, colour::kYellow},
    {"Line47", 2880, 2520, 2880, 2760, colour::kYellow},
    {"Line4",  2040, 6120, 2280, 6120, colour::kYellow},
    {"Line5",  2880, 1200, 3960, 1200, colour::kYellow},
    {"Line9",  2880, 1200, 2880,  960, colour::kYellow},
    {"Line10", 3960, 1200, 3960,  960, colour::kYellow},
    {"Line11", 3360, 1200, 3360, 1440, colour::kYellow},
    // Inside Picture4, below its client area: never seen.
    {"Line8",     360,  960,  375,  975, colour::kWindowText, kShown, "Picture4"},
});

constexpr std::array kExtras = std::to_array<ExtraSource>({
    {"Form2", ExtraSetting::WindowColour, colour::kWindowBackground},
    {"Form2", ExtraSetting::WindowFlag, 0},
    {"Picture4", ExtraSetting::PortraitFlag, 0},
    {"Picture5", ExtraSetting::PortraitFlag, 0},
});
// clang-format on

} // namespace

const SceneSource kForm2Scene = {
    .window = {"Form2", "Kelvorn von ", family::kForm2CaptionName, BorderStyle::Sizable, 3450, 2130,
               7305, 7335, colour::kGreen},
    .portraits = kPortraits,
    .list = {"List1", 4200, 3960, 2655, 1620, colour::kMaroon, colour::kYellow, kHidden, 2},
    .lines = kLines,
    .extras = kExtras,
};

} // namespace fg::trees
