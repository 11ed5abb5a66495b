// The family's facts agree with each other and with the pictures: marriage lines name the
// partners drawn beside a person, children lines the children drawn below, nobody is born
// before a parent or dies before being born, and the trees' captions name their root persons.
#include "InfoLines.h"
#include "family/Family.h"
#include "gallery/ClickTable.h"
#include "trees/HoverTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fg::family::test {
namespace {

// A portrait: its window (1 for the gallery) and its number.
struct Portrait {
    int window;
    int picture;
};

std::string label(Portrait p) {
    return "Form" + std::to_string(p.window) + " Picture" + std::to_string(p.picture);
}

const trees::HoverRow* hoverRow(Portrait p) {
    for (const auto& row : trees::hoverTable())
        if (row.window == "Form" + std::to_string(p.window) &&
            row.portrait == "Picture" + std::to_string(p.picture))
            return &row;
    return nullptr;
}

// The person's display name: the gallery click's name or the hover sequence's name line.
std::string_view nameOf(Portrait p) {
    if (p.window == 1) {
        for (const auto& row : gallery::clickTable())
            if (row.portrait == "Picture" + std::to_string(p.picture))
                return row.name;
        return {};
    }
    const auto* row = hoverRow(p);
    return row ? row->lines[0] : std::string_view();
}

bool isMarriageKind(std::string_view kind) {
    return kind.starts_with("ver");
}
bool isChildrenKind(std::string_view kind) {
    return kind == "1 Kind" || kind.find(" Kinder ") != std::string_view::npos;
}

// The first line of a kind and the continuation lines after it.
template <typename IsKind>
std::vector<std::string_view> linesOf(const trees::HoverRow& row, IsKind isKind) {
    std::vector<std::string_view> found;
    for (const auto line : row.lines) {
        const auto kind = classify(line);
        if (found.empty() ? isKind(kind) : kind.starts_with("cont. "))
            found.push_back(line);
        else if (!found.empty())
            break;
    }
    return found;
}

struct Spouses {
    Portrait person;
    std::vector<Portrait> spouses; // in the order the marriage lines name them
};

// The partners beside each person with marriage lines: on the couple bar of the person's own
// tree where the tree draws them, else beside the person in the gallery's family view.
// clang-format off
const std::vector<Spouses> kMarriages = {
    {{2, 1},  {{1, 5}, {1, 6}}},          // Karl; his partner Picture8 was not his wife
    {{2, 3},  {{1, 4}, {1, 32}, {1, 52}}},
    {{4, 3},  {{1, 4}, {1, 32}}},
    {{2, 12}, {{2, 11}, {2, 6}}},         // Picture6 joins the bar of Picture11 and Picture12
    {{3, 12}, {{3, 11}, {3, 6}}},
    {{3, 17}, {{1, 33}}},
    {{5, 2},  {{1, 41}, {1, 31}, {1, 1}}},
    {{6, 5},  {{1, 1}}},
};
// clang-format on

TEST(FamilyCoherence, MarriageLinesNameThePartnersBesideThePerson) {
    for (const auto& [person, spouses] : kMarriages) {
        SCOPED_TRACE(label(person));
        const auto* row = hoverRow(person);
        ASSERT_NE(row, nullptr);
        const auto lines = linesOf(*row, isMarriageKind);
        ASSERT_EQ(lines.size(), spouses.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(carriedName(lines[i]), nameOf(spouses[i])) << '"' << lines[i] << '"';
    }
    for (const auto& row : trees::hoverTable()) {
        bool listed = false;
        for (const auto& m : kMarriages)
            listed |= hoverRow(m.person) == &row;
        bool married = false;
        for (const auto line : row.lines)
            married |= isMarriageKind(classify(line));
        EXPECT_EQ(married, listed) << row.window << " " << row.portrait;
    }
}

struct Children {
    Portrait parent;
    std::vector<Portrait> children; // in the order the children line names them
};

// The children below each person with a children line, in the person's tree or, where the
// tree shows only one of them, in the gallery's family view.
// clang-format off
const std::vector<Children> kChildren = {
    {{2, 1},  {{2, 3}}},
    {{4, 8},  {{4, 3}}},
    {{2, 3},  {{2, 2}}},
    {{4, 3},  {{4, 2}}},
    {{4, 9},  {{4, 8}}},
    {{4, 10}, {{4, 8}}},
    {{2, 11}, {{2, 1}, {1, 17}}},
    {{2, 12}, {{2, 1}, {1, 17}}},
    {{3, 11}, {{1, 1}, {3, 17}}},
    {{3, 12}, {{1, 1}, {3, 17}}},
    {{3, 17}, {{3, 34}}},
    {{5, 1},  {{5, 2}, {1, 57}}},
    {{5, 4},  {{5, 2}, {1, 57}}},
    {{5, 2},  {{5, 6}, {5, 7}, {5, 3}}},
    {{6, 5},  {{6, 13}, {6, 14}}},
};
// clang-format on

TEST(FamilyCoherence, ChildrenLinesNameTheChildrenBelow) {
    for (const auto& [parent, children] : kChildren) {
        SCOPED_TRACE(label(parent));
        const auto* row = hoverRow(parent);
        ASSERT_NE(row, nullptr);
        const auto lines = linesOf(*row, isChildrenKind);
        ASSERT_FALSE(lines.empty());
        const auto colon = lines[0].find(": ");
        EXPECT_EQ(lines[0].substr(0, lines[0].find(' ')), std::to_string(children.size()));

        // The names the lines carry, continuations joined on by a blank.
        std::string names(lines[0].substr(colon + 2));
        for (std::size_t i = 1; i < lines.size(); ++i)
            names += " " + std::string(carriedName(lines[i]));
        if (children.size() == 1) {
            EXPECT_EQ(names, nameOf(children[0]));
        }

        // Each child's given names in order, each followed somewhere by its family name, and
        // the last family name ends the text.
        std::size_t at = 0;
        for (const auto child : children) {
            const auto parts = nameParts(nameOf(child));
            at = names.find(parts.given, at);
            ASSERT_NE(at, std::string::npos) << parts.given << " in \"" << names << '"';
            at += parts.given.size();
            EXPECT_NE(names.find(" " + std::string(parts.family), at), std::string::npos)
                << parts.family << " in \"" << names << '"';
        }
        EXPECT_TRUE(names.ends_with(" " + std::string(nameParts(nameOf(children.back())).family)))
            << names;
    }
    for (const auto& row : trees::hoverTable()) {
        bool listed = false;
        for (const auto& c : kChildren)
            listed |= hoverRow(c.parent) == &row;
        bool parent = false;
        for (const auto line : row.lines)
            parent |= isChildrenKind(classify(line));
        EXPECT_EQ(parent, listed) << row.window << " " << row.portrait;
    }
}

std::optional<Date> dateOf(const trees::HoverRow& row, std::string_view kind) {
    for (const auto line : row.lines) {
        const auto lineKind = classify(line);
        if (!lineKind.starts_with(kind))
            continue;
        const auto start = line.find_first_of("0123456789");
        if (start == std::string_view::npos)
            return std::nullopt;
        const auto text = line.substr(start, line.find(" in ") - start);
        return parseDate(text, lineKind == "death, month and year");
    }
    return std::nullopt;
}
std::optional<Date> birthOf(const trees::HoverRow& row) {
    auto date = dateOf(row, "birth");
    return date ? date : dateOf(row, "geb");
}
std::optional<Date> deathOf(const trees::HoverRow& row) {
    return dateOf(row, "death");
}

struct Descent {
    int window, parent, child;
};

// Parents and children as the trees' bars, drops and elbows join them.
// clang-format off
constexpr Descent kDescents[] = {
    {2, 4, 25}, {2, 5, 25}, {2, 22, 11}, {2, 23, 11}, {2, 24, 12}, {2, 25, 12},
    {2, 11, 1}, {2, 12, 1}, {2, 1, 3}, {2, 3, 2},
    {3, 22, 11}, {3, 23, 11}, {3, 24, 12}, {3, 25, 12}, {3, 11, 17}, {3, 12, 17},
    {3, 17, 34}, {3, 34, 36},
    {4, 9, 8}, {4, 10, 8}, {4, 8, 3}, {4, 3, 2},
    {5, 1, 2}, {5, 4, 2}, {5, 2, 6}, {5, 2, 3}, {5, 2, 7}, {5, 8, 5}, {5, 6, 5},
    {5, 7, 10}, {5, 9, 10},
    {6, 1, 18}, {6, 2, 18}, {6, 3, 19}, {6, 4, 19}, {6, 6, 21}, {6, 7, 21},
    {6, 18, 16}, {6, 19, 16}, {6, 20, 15}, {6, 21, 15}, {6, 16, 5}, {6, 15, 5},
    {6, 5, 13}, {6, 5, 14}, {6, 14, 8}, {6, 14, 9},
};
// clang-format on

constexpr int kMinParentAge = 16;

TEST(FamilyCoherence, ParentsAreBornBeforeTheirChildrenAndAliveAtTheirBirth) {
    for (const auto [window, parent, child] : kDescents) {
        SCOPED_TRACE(label({window, parent}) + " to Picture" + std::to_string(child));
        const auto* parentRow = hoverRow({window, parent});
        const auto* childRow = hoverRow({window, child});
        if (!parentRow || !childRow)
            continue; // a portrait without facts
        const auto childBorn = birthOf(*childRow);
        if (!childBorn)
            continue;
        if (const auto parentBorn = birthOf(*parentRow)) {
            EXPECT_GE(childBorn->year - parentBorn->year, kMinParentAge);
        }
        if (const auto parentDied = deathOf(*parentRow)) {
            EXPECT_LE(childBorn->year, parentDied->year);
        }
    }
}

TEST(FamilyCoherence, NobodyDiesBeforeBeingBorn) {
    for (const auto& row : trees::hoverTable()) {
        auto born = birthOf(row);
        const auto died = deathOf(row);
        if (!born || !died)
            continue;
        if (died->day == 0) // month and year only
            born->day = 0;
        EXPECT_LE(*born, *died) << row.window << " " << row.portrait;
    }
}

// The details the Form5 tree is known for: a mother whose family name is not on record, a
// birth place of two words, and children lines that go on in a continuation.
TEST(FamilyCoherence, Form5NamesAndPlaces) {
    const auto& mother = *hoverRow({5, 4});
    EXPECT_TRUE(mother.lines[0].ends_with(" ?")) << mother.lines[0];
    EXPECT_TRUE(mother.lines[1].ends_with(" in ?")) << mother.lines[1];

    const auto place = hoverRow({5, 3})->lines[1];
    EXPECT_EQ(split(place.substr(place.find(" in ") + 4), " ").size(), 2u) << place;

    // Helga's parents: her two given names and her brother's one, the family name alone on the
    // continuation.
    for (const int parent : {1, 4}) {
        const auto& row = *hoverRow({5, parent});
        EXPECT_EQ(split(nameParts(nameOf({5, 2})).given, " ").size(), 2u);
        EXPECT_EQ(split(nameParts(nameOf({1, 57})).given, " ").size(), 1u);
        EXPECT_EQ(carriedName(row.lines[4]), nameParts(nameOf({5, 2})).family);
    }

    // Helga: two children with their family name, the third by her full name below.
    const auto& root = *hoverRow({5, 2});
    EXPECT_TRUE(root.lines[5].ends_with(" " + std::string(nameParts(nameOf({5, 6})).family)));
    EXPECT_EQ(carriedName(root.lines[6]), nameOf({5, 3}));
}

TEST(FamilyCoherence, CaptionsNameTheRootPersons) {
    struct Caption {
        std::string_view name;
        Portrait root;
    };
    const Caption captions[] = {{kForm2CaptionName, {2, 1}},
                                {kForm3CaptionName, {3, 17}},
                                {kForm5CaptionName, {5, 2}},
                                {kForm6CaptionName, {6, 5}}};
    for (const auto& [name, root] : captions)
        EXPECT_EQ(name.data(), nameOf(root).data()) << label(root);

    // Form4 leaves out the root's middle name.
    const auto words = split(nameOf({4, 8}), " ");
    ASSERT_GE(words.size(), 3u);
    EXPECT_EQ(kForm4CaptionName, std::string(words.front()) + " " + std::string(words.back()));

    // Captions are stored as Latin-1: every character below U+0100.
    for (const auto name : {kForm2CaptionName, kForm3CaptionName, kForm4CaptionName,
                            kForm5CaptionName, kForm6CaptionName})
        for (std::size_t i = 0; i < name.size(); ++i) {
            const auto c = static_cast<unsigned char>(name[i]);
            EXPECT_TRUE(c < 0x80 || c == 0xC2 || c == 0xC3 || (c & 0xC0) == 0x80) << name;
        }
}

} // namespace
} // namespace fg::family::test
