// The family-tree window Form4: every control with its stored properties, one row each.
#include "family/Family.h"
#include "trees/TreeScenes.h"

#include <array>

namespace fg::trees {
namespace {

// clang-format off
constexpr std::array kPortraits = std::to_array<PortraitSource>({
//   name          Left   Top Width Height Style                       Visible TabIndex
    {"Picture2",   2760, 4680, 800, 900, PortraitStyle::Flat,                kShown,  9},
    {"Picture3",   2760, 3600, 800, 900, PortraitStyle::Flat,                kShown,  7},
    {"Picture29",  4200,    0, 800, 900, PortraitStyle::Flat,                kShown,  6},
    {"Picture28",  3120,    0, 800, 900, PortraitStyle::Flat,                kShown,  5},
    {"Picture27",  1680,    0, 800, 900, PortraitStyle::Flat,                kShown,  4},
    {"Picture26",   600,    0, 800, 900, PortraitStyle::Flat,                kShown,  3},
    {"Picture10",  3600, 1200, 800, 900, PortraitStyle::Flat,                kShown,  2},
    {"Picture9",   1080, 1200, 800, 900, PortraitStyle::Flat,                kShown,  1},
    {"Picture8",   2640, 2520, 800, 900, PortraitStyle::Flat,                kShown,  0},
});

constexpr std::array kLines = std::to_array<LineSource>({
//   name          X1    Y1    X2    Y2  BorderColor
    {"Line11", 3960, 1080, 3960, 1320, colour::kYellow},
    {"Line10", 3480, 1080, 4680, 1080, colour::kYellow},
    {"Line8",  4680, 1080, 4680,  840, colour::kYellow},
    {"Line7",  3480, 1080, 3480,  840, colour::kYellow},
    {"Line6",  1440, 1080, 1440, 1320, colour::kYellow},
    {"Line5",   960, 1080, 2160, 1080, colour::kYellow},
    {"Line4",  2160, 1080, 2160,  840, colour::kYellow},
    {"Line3",   960, 1080,  960,  840, colour::kYellow},
    {"Line1",  3120, 4800, 3120, 4440, colour::kWindowText},
    {"Line2",  3000, 3240, 3000, 3600, colour::kWindowText},
    {"Line14", 3000, 2280, 3000, 2640, colour::kYellow},
    {"Line13", 3960, 2280, 3960, 1920, colour::kYellow},
    {"Line12", 1440, 1920, 1440, 2280, colour::kYellow},
    {"Line9",  1440, 2280, 3960, 2280, colour::kYellow},
});
// clang-format on

} // namespace

const SceneSource kForm4Scene = {
    .window = {"Form4", "Kelvorn von ", family::kForm4CaptionName, BorderStyle::Sizable, 3450, 2325,
               6090, 5970, colour::kWindowBackground},
    .portraits = kPortraits,
    .list = {"List1", 120, 3840, 2415, 1230, colour::kInactiveBorder, colour::kWindowText, kHidden,
             8},
    .lines = kLines,
};

} // namespace fg::trees
