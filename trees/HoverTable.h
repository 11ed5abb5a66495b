#pragma once
// What each family-tree portrait lists when the pointer moves over it: one row per portrait
// with a MouseMove handler, its window, and its lines in order. Every line is a constant of
// the family's texts (family/), so a line that two portraits share is the one same text.

#include <span>
#include <string_view>

namespace fg::trees {

struct HoverRow {
    std::string_view window;   // "Form2" to "Form6"
    std::string_view portrait; // "Picture1"
    std::span<const std::string_view> lines;
};

// The 51 rows, window by window in the order Form2 to Form6.
std::span<const HoverRow> hoverTable();

} // namespace fg::trees
