#pragma once
// What each click on a gallery portrait is expected to do, written out by hand: the kind
// of click and the portraits and lines of the family view it shows.

#include <ostream>
#include <set>
#include <span>
#include <vector>

namespace fg::test {

enum class Kind { WithName, WithoutName, NameOnly };

struct ClickCase {
    int portrait;
    Kind kind;
    std::vector<int> portraits; // of the family view; empty for a name-only click
    std::vector<int> lines;     // of the family view, without Line107 and Line108
};

// The 48 portraits with a Click handler, by number.
std::span<const ClickCase> clickCases();
const ClickCase* clickCase(int portrait);

inline void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << "Picture" << c.portrait;
}

inline bool isReveal(const ClickCase& c) {
    return c.kind != Kind::NameOnly;
}

// The shortest series of reveal clicks from the start view after which `portrait` is
// visible, each click on a portrait the view before it shows; empty for Picture1.
std::vector<int> routeTo(int portrait);

// The two lines that every view shows.
inline const std::set<int> kAlwaysShownLines = {107, 108};

} // namespace fg::test
