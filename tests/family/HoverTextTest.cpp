// The lines of the family trees' info lists and the gallery's names, read back from their
// texts: the kinds and order of every hover sequence, blanks, dates and lengths, and which
// lines are one shared text.
#include "InfoLines.h"
#include "gallery/ClickTable.h"
#include "trees/HoverTable.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace fg::family::test {
namespace {

struct Sequence {
    std::string_view window, portrait, kinds;
};

// clang-format off
constexpr Sequence kSequences[] = {
    {"Form2", "Picture1",  "name; geb; verh. + 4 blanks; cont. 12; 1 Kind"},
    {"Form2", "Picture2",  "name; birth"},
    {"Form2", "Picture3",  "name; birth; verh. + 4 blanks; cont. 12; cont. 12; 1 Kind"},
    {"Form2", "Picture4",  "name; birth; death"},
    {"Form2", "Picture5",  "name; birth; death"},
    {"Form2", "Picture6",  "name; bare birth; death"},
    {"Form2", "Picture11", "name; birth; death; 2 Kinder und"},
    {"Form2", "Picture12", "name; verh.; cont. 9; birth; death; 2 Kinder und"},
    {"Form2", "Picture25", "name; birth; death"},

    {"Form3", "Picture6",  "name; bare birth; death"},
    {"Form3", "Picture11", "name; birth; death; 2 Kinder und"},
    {"Form3", "Picture12", "name; ver.; cont. 7; birth; death; 2 Kinder und"},
    {"Form3", "Picture17", "name; birth; verh:; 1 Kind"},
    {"Form3", "Picture22", "name; empty; empty"},
    {"Form3", "Picture23", "name; empty; empty"},
    {"Form3", "Picture24", "name; empty; empty"},
    {"Form3", "Picture25", "name; birth; death"},
    {"Form3", "Picture34", "name; empty; empty"},
    {"Form3", "Picture36", "name; empty; empty"},

    {"Form4", "Picture2",  "name; birth"},
    {"Form4", "Picture3",  "name; birth; verh. + 4 blanks; cont. 12; 1 Kind"},
    {"Form4", "Picture8",  "name; birth; death; 1 Kind"},
    {"Form4", "Picture9",  "name; birth, date only; death; 1 Kind"},
    {"Form4", "Picture10", "name; birth, date only; death; 1 Kind"},

    {"Form5", "Picture1",  "name; bare birth; death, no date; 2 Kinder und; cont. 15"},
    {"Form5", "Picture2",  "name; birth; verh. + 4 blanks; cont. 12; cont. 12; 3 Kinder und; cont. 15"},
    {"Form5", "Picture3",  "name; birth"},
    {"Form5", "Picture4",  "name; birth; death, month and year; 2 Kinder und; cont. 15"},
    {"Form5", "Picture5",  "name; birth"},
    {"Form5", "Picture6",  "name; birth"},
    {"Form5", "Picture7",  "name; birth"},
    {"Form5", "Picture8",  "name; birth, date only"},
    {"Form5", "Picture9",  "name; birth"},
    {"Form5", "Picture10", "name; birth"},

    {"Form6", "Picture1",  "name; empty; empty"},
    {"Form6", "Picture2",  "name; empty; empty"},
    {"Form6", "Picture3",  "name; empty; empty"},
    {"Form6", "Picture4",  "name; empty; empty"},
    {"Form6", "Picture5",  "name; birth; death; verh: divorced; 2 Kinder u."},
    {"Form6", "Picture6",  "name; empty; empty"},
    {"Form6", "Picture7",  "name; empty; empty"},
    {"Form6", "Picture8",  "name; geb, date only; empty"},
    {"Form6", "Picture9",  "name; geb, date only; empty"},
    {"Form6", "Picture13", "name; geb, date only; empty"},
    {"Form6", "Picture14", "name; geb, date only; empty"},
    {"Form6", "Picture15", "name; empty; death"},
    {"Form6", "Picture16", "name; empty; empty"},
    {"Form6", "Picture18", "name; empty; empty"},
    {"Form6", "Picture19", "name; empty; empty"},
    {"Form6", "Picture20", "name; empty; empty"},
    {"Form6", "Picture21", "name; empty; empty"},
};
// clang-format on

// Rows each window's info list shows without scrolling.
const std::map<std::string_view, std::size_t> kListRows = {
    {"Form2", 8}, {"Form3", 7}, {"Form4", 6}, {"Form5", 7}, {"Form6", 6}};

constexpr std::size_t kMaxCharacters = 37;

TEST(HoverText, EverySequenceHasItsKindsInOrderAndFitsItsList) {
    const auto table = trees::hoverTable();
    ASSERT_EQ(table.size(), std::size(kSequences));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& row = table[i];
        const auto& expected = kSequences[i];
        SCOPED_TRACE(std::string(expected.window) + " " + std::string(expected.portrait));
        EXPECT_EQ(row.window, expected.window);
        EXPECT_EQ(row.portrait, expected.portrait);
        std::string kinds;
        for (const auto line : row.lines) {
            kinds += (kinds.empty() ? "" : "; ") + classify(line);
            EXPECT_LE(characterCount(line), kMaxCharacters) << '"' << line << '"';
        }
        EXPECT_EQ(kinds, expected.kinds);
        EXPECT_LE(row.lines.size(), kListRows.at(row.window));
    }
}

// One shown text, or line: the window (1 for the gallery, whose line is a click's name), the
// portrait's number and the line's index in the hover sequence.
using Place = std::tuple<int, int, std::size_t>;

// Lines that are one text. Every two other lines, empty lines and bare births aside, differ.
// clang-format off
const std::vector<std::vector<Place>> kSharedLines = {
    // Within the family trees.
    {{2, 1, 4},  {4, 8, 3}},                                 // Karl's and Anna's child
    {{2, 2, 0},  {4, 2, 0},  {1, 2, 0}},
    {{2, 2, 1},  {4, 2, 1}},
    {{2, 3, 0},  {4, 3, 0}},
    {{2, 3, 1},  {4, 3, 1}},
    {{2, 3, 2},  {4, 3, 2}},
    {{2, 3, 3},  {4, 3, 3}},
    {{2, 3, 5},  {4, 3, 4}},                                 // Form4 leaves out a continuation
    {{2, 6, 0},  {3, 6, 0},  {1, 46, 0}},
    {{2, 6, 1},  {3, 6, 1}},
    {{2, 6, 2},  {3, 6, 2}},
    {{2, 11, 0}, {3, 11, 0}, {1, 11, 0}},
    {{2, 11, 1}, {3, 11, 1}},
    {{2, 11, 2}, {3, 11, 2}},
    {{2, 11, 3}, {3, 11, 3}, {2, 12, 5}, {3, 12, 5}},       // the parents' children
    {{2, 12, 0}, {3, 12, 0}},
    {{2, 12, 3}, {3, 12, 3}},
    {{2, 12, 4}, {3, 12, 4}},
    {{2, 25, 0}, {3, 25, 0}, {1, 25, 0}},
    {{2, 25, 1}, {3, 25, 1}},
    {{2, 25, 2}, {3, 25, 2}},
    {{3, 17, 0}, {3, 22, 0}, {1, 17, 0}, {1, 22, 0}},       // grandson named after grandfather
    {{4, 9, 3},  {4, 10, 3}},
    {{5, 1, 3},  {5, 4, 3}},
    {{5, 1, 4},  {5, 4, 4}},
    {{6, 1, 0},  {6, 18, 0}, {1, 18, 0}},                   // son named after father
    // Gallery names that a family tree's name line shows too.
    {{1, 1, 0},  {2, 1, 0}},
    {{1, 6, 0},  {5, 2, 0}},
    {{1, 8, 0},  {4, 8, 0}},
    {{1, 10, 0}, {4, 10, 0}},
    {{1, 13, 0}, {6, 13, 0}},
    {{1, 14, 0}, {6, 14, 0}},
    {{1, 15, 0}, {6, 15, 0}},
    {{1, 16, 0}, {6, 16, 0}},
    {{1, 19, 0}, {6, 19, 0}},
    {{1, 20, 0}, {6, 20, 0}},
    {{1, 21, 0}, {6, 21, 0}},
    {{1, 23, 0}, {3, 23, 0}},
    {{1, 24, 0}, {3, 24, 0}},
    {{1, 34, 0}, {3, 34, 0}},
    {{1, 36, 0}, {3, 36, 0}},
    {{1, 42, 0}, {5, 6, 0}},
    {{1, 43, 0}, {5, 7, 0}},
    {{1, 44, 0}, {5, 1, 0}},
    {{1, 50, 0}, {5, 9, 0}},
    {{1, 51, 0}, {5, 10, 0}},
    {{1, 54, 0}, {6, 8, 0}},
    {{1, 56, 0}, {6, 9, 0}},
};
// clang-format on

int numberAfter(std::string_view name, std::string_view prefix) {
    return number(name.substr(prefix.size()), 2).value_or(0);
}

// Every text shown: the hover lines and the gallery's names.
std::map<Place, std::string_view> shownTexts() {
    std::map<Place, std::string_view> texts;
    for (const auto& row : trees::hoverTable())
        for (std::size_t i = 0; i < row.lines.size(); ++i)
            texts[{numberAfter(row.window, "Form"), numberAfter(row.portrait, "Picture"), i}] =
                row.lines[i];
    for (const auto& row : gallery::clickTable())
        if (!row.name.empty())
            texts[{1, numberAfter(row.portrait, "Picture"), 0}] = row.name;
    return texts;
}

TEST(HoverText, SharedLinesAreOneTextAndAllOthersDiffer) {
    const auto texts = shownTexts();
    std::map<Place, std::size_t> group;
    for (std::size_t g = 0; g < kSharedLines.size(); ++g)
        for (const auto& place : kSharedLines[g]) {
            const auto [window, portrait, line] = place;
            SCOPED_TRACE(::testing::Message()
                         << "Form" << window << " Picture" << portrait << " line " << line);
            ASSERT_TRUE(texts.contains(place));
            EXPECT_EQ(texts.at(place).data(), texts.at(kSharedLines[g][0]).data());
            EXPECT_EQ(texts.at(place), texts.at(kSharedLines[g][0]));
            group[place] = g;
        }

    for (auto a = texts.begin(); a != texts.end(); ++a)
        for (auto b = std::next(a); b != texts.end(); ++b) {
            if (a->second.empty() || a->second == "* ")
                continue;
            const bool shared = group.contains(a->first) && group.contains(b->first) &&
                                group.at(a->first) == group.at(b->first);
            if (!shared) {
                EXPECT_NE(a->second, b->second)
                    << "Form" << std::get<0>(a->first) << " Picture" << std::get<1>(a->first)
                    << " and Form" << std::get<0>(b->first) << " Picture" << std::get<1>(b->first)
                    << " show one text";
            }
        }
}

TEST(HoverText, GalleryNamesAreNameLinesOf44Texts) {
    std::size_t written = 0;
    std::set<std::string_view> different;
    for (const auto& row : gallery::clickTable()) {
        if (row.kind == gallery::ClickKind::RevealWithoutName)
            continue;
        ++written;
        different.insert(row.name);
        EXPECT_EQ(classify(row.name), "name") << row.portrait << ": \"" << row.name << '"';
    }
    EXPECT_EQ(written, 45u);
    EXPECT_EQ(different.size(), 44u);
}

} // namespace
} // namespace fg::family::test
