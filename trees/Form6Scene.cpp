// The family-tree window Form6: every control with its stored properties, one row each.
#include "family/Family.h"
#include "trees/TreeScenes.h"

#include <array>

namespace fg::trees {
namespace {

// clang-format off
constexpr std::array kPortraits = std::to_array<PortraitSource>({
//   name          Left   Top Width Height Style                       Visible TabIndex
    {"Picture9",   5280, 7440, 735, 855, PortraitStyle::ThreeD,              kShown, 17},
    {"Picture8",   4320, 7440, 800, 900, PortraitStyle::ThreeD,              kShown, 16},
    {"Picture7",   5520,  480, 800, 900, PortraitStyle::Flat,                kShown, 15},
    {"Picture6",   4560,  480, 800, 900, PortraitStyle::Flat,                kShown, 14},
    {"Picture4",   3480,  480, 800, 900, PortraitStyle::Flat,                kShown, 13},
    {"Picture3",   2520,  480, 800, 900, PortraitStyle::Flat,                kShown, 12},
    {"Picture2",   1560,  480, 800, 900, PortraitStyle::Flat,                kShown, 11},
    {"Picture1",    600,  480, 800, 900, PortraitStyle::Flat,                kShown, 10},
    {"Picture5",   3840, 4920, 800, 900, PortraitStyle::Flat,                kShown,  9},
    {"Picture13",  3480, 6360, 800, 900, PortraitStyle::FlatMenu,            kShown,  8},
    {"Picture14",  4320, 6360, 800, 900, PortraitStyle::FlatMenu,            kShown,  7},
    {"Picture15",  5400, 3360, 800, 900, PortraitStyle::Flat,                kShown,  6},
    {"Picture16",  1320, 3360, 800, 900, PortraitStyle::FlatMenu,            kShown,  5},
    {"Picture18",  1080, 1920, 800, 900, PortraitStyle::Flat,                kShown,  4},
    {"Picture19",  2760, 1920, 800, 900, PortraitStyle::Flat,                kShown,  3},
    {"Picture20",  4080, 1920, 800, 900, PortraitStyle::Flat,                kShown,  2},
    {"Picture21",  5520, 1920, 800, 900, PortraitStyle::Flat,                kShown,  1},
});

constexpr std::array kLines = std::to_array<LineSource>({
//   name          X1    Y1    X2    Y2  BorderColor
    {"Line17", 4680, 7320, 5640, 7320, colour::kWindowText},
    {"Line16", 5640, 7320, 5640, 7440, colour::kWindowText},
    {"Line15",    0,  240,    0,    0, colour::kWindowText},
    {"Line14", 4680, 7440, 4680, 7200, colour::kWindowText},
    {"Line13", 4920, 1680, 5880, 1680, colour::kWindowText},
    {"Line12", 5760, 1680, 5760, 1920, colour::kWindowText},
    {"Line11", 5880, 1680, 5880, 1320, colour::kWindowText},
    {"Line10", 4920, 1680, 4920, 1320, colour::kWindowText},
    {"Line9",  3240, 1680, 3240, 1920, colour::kWindowText},
    {"Line7",  3840, 1680, 3840, 1320, colour::kWindowText},
    {"Line6",  2880, 1680, 2880, 1320, colour::kWindowText},
    {"Line5",  2880, 1680, 3840, 1680, colour::kWindowText},
    {"Line4",   960, 1680, 2040, 1680, colour::kWindowText},
    {"Line3",  2040, 1680, 2040, 1320, colour::kWindowText},
    {"Line2",   960, 1680,  960, 1320, colour::kWindowText},
    {"Line1",  1560, 1680, 1560, 1920, colour::kWindowText},
    {"Line49", 4200, 5640, 4200, 5880, colour::kWindowText},
    {"Line8",  3960, 5880, 3975, 5895, colour::kWindowText},
    {"Line22", 3840, 6120, 4680, 6120, colour::kWindowText},
    {"Line23", 3840, 6120, 3840, 6360, colour::kWindowText},
    {"Line24", 4680, 6120, 4680, 6360, colour::kWindowText},
    {"Line25", 4200, 6120, 4200, 5880, colour::kWindowText},
    {"Line26", 1680, 4560, 5640, 4560, colour::kWindowText},
    {"Line27", 1680, 4560, 1680, 4200, colour::kWindowText},
    {"Line28", 5640, 4560, 5640, 4200, colour::kWindowText},
    {"Line29", 4200, 4560, 4200, 5040, colour::kWindowText},
    {"Line32", 1440, 2760, 1440, 3120, colour::kWindowText},
    {"Line33", 3240, 2760, 3240, 3120, colour::kWindowText},
    {"Line34", 1800, 3120, 1800, 3360, colour::kWindowText},
    {"Line35", 1440, 3120, 3240, 3120, colour::kWindowText},
    {"Line36", 4440, 3120, 6120, 3120, colour::kWindowText},
    {"Line37", 4440, 2760, 4440, 3120, colour::kWindowText},
    {"Line38", 6120, 3120, 6120, 2760, colour::kWindowText},
    {"Line39", 5760, 3120, 5760, 3360, colour::kWindowText},
    {"Line48", 4200, 5880, 4215, 5895, colour::kWindowText},
});
// clang-format on

} // namespace

const SceneSource kForm6Scene = {
    .window = {"Form6", "Kelvorn von ", family::kForm6CaptionName, BorderStyle::Sizable, 2655, 2325,
               7620, 8955, 0x007DAE8E},
    .portraits = kPortraits,
    .list = {"List1", 240, 4920, 2775, 1230, colour::kWhite, colour::kWindowText, kHidden, 0},
    .lines = kLines,
};

} // namespace fg::trees
