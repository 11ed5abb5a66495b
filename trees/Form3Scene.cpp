// The family-tree window Form3: every control with its stored properties, one row each.
#include "family/Family.h"
#include "trees/TreeScenes.h"

#include <array>

namespace fg::trees {
namespace {

// clang-format off
constexpr std::array kPortraits = std::to_array<PortraitSource>({
//   name          Left   Top Width Height Style                       Visible TabIndex
    {"Picture6",   3720, 1800, 800, 900, PortraitStyle::Flat,                kShown, 10},
    {"Picture36",  2160, 5880, 800, 900, PortraitStyle::Flat,                kShown,  9},
    {"Picture34",  1920, 4560, 800, 900, PortraitStyle::Flat,                kShown,  8},
    {"Picture11",   720, 1800, 800, 900, PortraitStyle::Flat,                kShown,  7},
    {"Picture12",  2520, 1800, 800, 900, PortraitStyle::Flat,                kShown,  6},
    {"Picture17",  1560, 3240, 800, 900, PortraitStyle::Flat,                kShown,  5},
    {"Picture22",   240,  360, 800, 900, PortraitStyle::Flat,                kShown,  4},
    {"Picture23",  1200,  360, 800, 900, PortraitStyle::Flat,                kShown,  3},
    {"Picture24",  2040,  360, 800, 900, PortraitStyle::Flat,                kShown,  2},
    {"Picture25",  3000,  360, 800, 900, PortraitStyle::Flat,                kShown,  1},
});

constexpr std::array kLines = std::to_array<LineSource>({
//   name          X1    Y1    X2    Y2  BorderColor
    {"Line12", 2880, 3000, 4080, 3000, colour::kWhite},
    {"Line13", 4080, 3000, 4080, 2640, colour::kWhite},
    {"Line65", 2520, 5880, 2520, 5640, colour::kWhite},
    {"Line64", 2280, 5400, 2280, 5640, colour::kWhite},
    {"Line62", 2520, 5640, 2280, 5640, colour::kWhite},
    {"Line60", 2400, 4560, 2400, 4320, colour::kWindowBackground},
    {"Line58", 1920, 4080, 1920, 4320, colour::kWindowBackground},
    {"Line1",  1920, 4320, 2400, 4320, colour::kWindowBackground},
    {"Line15", 1200, 3000, 2880, 3000, colour::kWindowBackground},
    {"Line16", 1200, 2640, 1200, 3000, colour::kWindowBackground},
    {"Line17", 2880, 2640, 2880, 3000, colour::kWindowBackground},
    {"Line30", 1920, 3240, 1920, 3000, colour::kWindowBackground},
    {"Line40",  600, 1560, 1680, 1560, colour::kWindowBackground},
    {"Line41",  600, 1200,  600, 1560, colour::kWindowBackground},
    {"Line42", 1680, 1200, 1680, 1560, colour::kWindowBackground},
    {"Line43", 1200, 1560, 1200, 1800, colour::kWindowBackground},
    {"Line44", 2400, 1560, 3360, 1560, colour::kWindowBackground},
    {"Line45", 2400, 1560, 2400, 1200, colour::kWindowBackground},
    {"Line46", 3360, 1560, 3360, 1200, colour::kWindowBackground},
    {"Line47", 2880, 1560, 2880, 1800, colour::kWindowBackground},
});
// clang-format on

} // namespace

const SceneSource kForm3Scene = {
    .window = {"Form3", "Kelvorn von ", family::kForm3CaptionName, BorderStyle::Sizable, 3255, 2325,
               6165, 6975, colour::kHighlight},
    .portraits = kPortraits,
    .list = {"List1", 3000, 3480, 2895, 1425, colour::kHighlight, colour::kWindowText, kHidden, 0},
    .lines = kLines,
};

} // namespace fg::trees
