// The family-tree window Form5: every control with its stored properties, one row each.
#include "family/Family.h"
#include "trees/TreeScenes.h"

#include <array>

namespace fg::trees {
namespace {

// clang-format off
constexpr std::array kPortraits = std::to_array<PortraitSource>({
//   name          Left   Top Width Height Style                       Visible TabIndex
    {"Picture10",  3720, 3960, 800, 900, PortraitStyle::ThreeD,              kShown, 10},
    {"Picture9",   4200, 2640, 800, 900, PortraitStyle::ThreeD,              kShown,  9},
    {"Picture8",    240, 2640, 800, 900, PortraitStyle::Flat,                kShown,  8},
    {"Picture5",    720, 3960, 800, 900, PortraitStyle::Flat,                kShown,  7},
    {"Picture2",   3120, 1320, 800, 900, PortraitStyle::Flat,                kShown,  6},
    {"Picture3",   2160, 2640, 800, 900, PortraitStyle::Flat,                kShown,  5},
    {"Picture6",   1200, 2640, 800, 900, PortraitStyle::Flat,                kShown,  4},
    {"Picture7",   3120, 2640, 800, 900, PortraitStyle::Flat,                kShown,  3},
    {"Picture1",   2400,    0, 800, 900, PortraitStyle::Flat,                kShown,  1},
    {"Picture4",   4080,    0, 800, 900, PortraitStyle::Flat,                kShown,  0},
});

constexpr std::array kLines = std::to_array<LineSource>({
//   name          X1    Y1    X2    Y2  BorderColor
    {"Line17", 3480, 3720, 4680, 3720, colour::kWindowText},
    {"Line16", 4080, 3720, 4080, 4080, colour::kWindowText},
    {"Line15", 4680, 3720, 4680, 3480, colour::kWindowText},
    {"Line3",  3480, 3720, 3480, 3480, colour::kWindowText},
    {"Line14", 1080, 3720, 1080, 3960, colour::kWindowText},
    {"Line13",  600, 3720, 1560, 3720, colour::kWindowText},
    {"Line12",  600, 3720,  600, 3480, colour::kWindowText},
    {"Line11", 1560, 3720, 1560, 3480, colour::kWindowText},
    {"Line2",  3480, 2160, 3480, 2400, colour::kWindowText},
    {"Line4",  1560, 2400, 1560, 2640, colour::kWindowText},
    {"Line10", 2520, 2640, 2520, 2400, colour::kWindowText},
    {"Line5",  1560, 2400, 3720, 2400, colour::kWindowText},
    {"Line1",  3720, 2640, 3720, 2400, colour::kWindowText},
    {"Line6",  3480, 1080, 3480, 1320, colour::kWindowText},
    {"Line7",  2880, 1080, 4440, 1080, colour::kWindowText},
    {"Line8",  2880, 1080, 2880,  840, colour::kWindowText},
    {"Line9",  4440, 1080, 4440,  840, colour::kWindowText},
});

constexpr std::array kExtras = std::to_array<ExtraSource>({
    {"Form5", ExtraSetting::WindowFlag, 0},
});
// clang-format on

} // namespace

const SceneSource kForm5Scene = {
    .window = {"Form5", "Kelvorn von ", family::kForm5CaptionName, BorderStyle::SizableToolWindow,
               4455, 2085, 5490, 5235, colour::kWindowBackground},
    .portraits = kPortraits,
    .list = {"List1", 0, 960, 2775, 1425, colour::kAppWorkspace, colour::kWindowText, kHidden, 2},
    .lines = kLines,
    .extras = kExtras,
};

} // namespace fg::trees
