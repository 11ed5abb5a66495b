#include "TreeWindows.h"

#include <QString>
#include <cstring>
#include <stdexcept>

namespace fg::test {
namespace {

// clang-format off
constexpr TreeWindow kWindows[] = {
//   window   root         no middle  ClientLeft  Top  Width Height tool   BackColor    background
//                                    list: Left  Top  Width Height rows   BackColor    ForeColor    portraits lines
    {"Form2", "Picture1",  false,     3450, 2130, 7305, 7335,      false, 0x0000FF00u, {500, 500},
                                      4200, 3960, 2655, 1620, 8,          0x00000080u, 0x0000FFFFu, 12, 25},
    {"Form3", "Picture17", false,     3255, 2325, 6165, 6975,      false, 0x8000000Du, {500, 500},
                                      3000, 3480, 2895, 1425, 7,          0x8000000Du, 0x80000008u, 10, 20},
    {"Form4", "Picture8",  true,      3450, 2325, 6090, 5970,      false, 0x80000005u, {420, 400},
                                       120, 3840, 2415, 1230, 6,          0x8000000Bu, 0x80000008u,  9, 14},
    {"Form5", "Picture2",  false,     4455, 2085, 5490, 5235,      true,  0x80000005u, {370, 350},
                                         0,  960, 2775, 1425, 7,          0x8000000Cu, 0x80000008u, 10, 17},
    {"Form6", "Picture5",  false,     2655, 2325, 7620, 8955,      false, 0x007DAE8Eu, {539, 655},
                                       240, 4920, 2775, 1230, 6,          0x00FFFFFFu, 0x80000008u, 17, 35},
};

constexpr GenerationRow kRows[] = {
    {"Form2",  120, "Picture4 Picture5"},
    {"Form2", 1440, "Picture22 Picture23 Picture24 Picture25"},
    {"Form2", 2760, "Picture11 Picture12 Picture6"},
    {"Form2", 3960, "Picture1"},
    {"Form2", 5160, "Picture3"},
    {"Form2", 6240, "Picture2"},

    {"Form3",  360, "Picture22 Picture23 Picture24 Picture25"},
    {"Form3", 1800, "Picture11 Picture12 Picture6"},
    {"Form3", 3240, "Picture17"},
    {"Form3", 4560, "Picture34"},
    {"Form3", 5880, "Picture36"},

    {"Form4",    0, "Picture26 Picture27 Picture28 Picture29"},
    {"Form4", 1200, "Picture9 Picture10"},
    {"Form4", 2520, "Picture8"},
    {"Form4", 3600, "Picture3"},
    {"Form4", 4680, "Picture2"},

    {"Form5",    0, "Picture1 Picture4"},
    {"Form5", 1320, "Picture2"},
    {"Form5", 2640, "Picture8 Picture6 Picture3 Picture7 Picture9"},
    {"Form5", 3960, "Picture5 Picture10"},

    {"Form6",  480, "Picture1 Picture2 Picture3 Picture4 Picture6 Picture7"},
    {"Form6", 1920, "Picture18 Picture19 Picture20 Picture21"},
    {"Form6", 3360, "Picture16 Picture15"},
    {"Form6", 4920, "Picture5"},
    {"Form6", 6360, "Picture13 Picture14"},
    {"Form6", 7440, "Picture8 Picture9"},
};

constexpr HoverCount kHoverCounts[] = {
    {"Form2", "Picture1", 5}, {"Form2", "Picture2", 2}, {"Form2", "Picture3", 6},
    {"Form2", "Picture4", 3}, {"Form2", "Picture5", 3}, {"Form2", "Picture6", 3},
    {"Form2", "Picture11", 4}, {"Form2", "Picture12", 6}, {"Form2", "Picture25", 3},

    {"Form3", "Picture6", 3}, {"Form3", "Picture11", 4}, {"Form3", "Picture12", 6},
    {"Form3", "Picture17", 4}, {"Form3", "Picture22", 3}, {"Form3", "Picture23", 3},
    {"Form3", "Picture24", 3}, {"Form3", "Picture25", 3}, {"Form3", "Picture34", 3},
    {"Form3", "Picture36", 3},

    {"Form4", "Picture2", 2}, {"Form4", "Picture3", 5}, {"Form4", "Picture8", 4},
    {"Form4", "Picture9", 4}, {"Form4", "Picture10", 4},

    {"Form5", "Picture1", 5}, {"Form5", "Picture2", 7}, {"Form5", "Picture3", 2},
    {"Form5", "Picture4", 5}, {"Form5", "Picture5", 2}, {"Form5", "Picture6", 2},
    {"Form5", "Picture7", 2}, {"Form5", "Picture8", 2}, {"Form5", "Picture9", 2},
    {"Form5", "Picture10", 2},

    {"Form6", "Picture1", 3}, {"Form6", "Picture2", 3}, {"Form6", "Picture3", 3},
    {"Form6", "Picture4", 3}, {"Form6", "Picture5", 5}, {"Form6", "Picture6", 3},
    {"Form6", "Picture7", 3}, {"Form6", "Picture8", 3}, {"Form6", "Picture9", 3},
    {"Form6", "Picture13", 3}, {"Form6", "Picture14", 3}, {"Form6", "Picture15", 3},
    {"Form6", "Picture16", 3}, {"Form6", "Picture18", 3}, {"Form6", "Picture19", 3},
    {"Form6", "Picture20", 3}, {"Form6", "Picture21", 3},
};
// clang-format on

bool same(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

} // namespace

std::span<const TreeWindow> treeWindows() {
    return kWindows;
}

const TreeWindow& treeWindow(const char* name) {
    for (const TreeWindow& w : kWindows)
        if (same(w.name, name))
            return w;
    throw std::invalid_argument(name);
}

std::span<const GenerationRow> generationRows() {
    return kRows;
}

std::span<const HoverCount> hoverCounts() {
    return kHoverCounts;
}

int hoverCount(const char* window, const QString& portrait) {
    for (const HoverCount& c : kHoverCounts)
        if (same(c.window, window) && portrait == QLatin1String(c.portrait))
            return c.lines;
    return 0;
}

QStringList portraitsWithoutHandler(const char* window) {
    if (same(window, "Form2"))
        return {"Picture22", "Picture23", "Picture24"};
    if (same(window, "Form4"))
        return {"Picture26", "Picture27", "Picture28", "Picture29"};
    return {};
}

QStringList linesOfNoBranch(const char* window) {
    if (same(window, "Form2"))
        return {"Line8"}; // nested in Picture4, below its client area
    if (same(window, "Form6"))
        return {"Line8", "Line48", "Line15"};
    return {};
}

} // namespace fg::test
