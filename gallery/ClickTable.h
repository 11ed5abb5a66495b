#pragma once
// What a click on each gallery portrait does: one row per portrait with a Click handler, its
// kind, its steps in the order they run and the name it writes. The steps are written in the
// short form "hide all; name; P 11, 12; L 2, 15" and turned into operations at compile time,
// so a mistyped row does not build.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace fg::gallery {

enum class ClickKind : unsigned char {
    RevealWithName,    // hides everything, shows the family view and the name
    RevealWithoutName, // hides everything and shows the family view; the list stays hidden
    NameOnly,          // replaces the list's line by the name and shows it; the view stays
};

// One operation of a click, in the terms of the gallery window.
struct ClickOperation {
    enum Kind : unsigned char {
        CallPicloesch,  // hide all portraits
        CallLineloesch, // hide and empty the info list, hide the lines
        ShowList,       // Visible = true on List1
        AddName,        // AddItem of the row's name on List1
        ClearList,      // Clear on List1
        ShowPicture,    // Visible = true on Picture<number>
        ShowLine,       // Visible = true on Line<number>
    };
    Kind kind{};
    int number = 0;
    friend constexpr bool operator==(const ClickOperation&, const ClickOperation&) = default;
};

class ClickSteps {
public:
    static constexpr std::size_t kCapacity = 32;

    // Parses steps separated by "; ": "hide all", "name", "clear", "P n, n, ..." and
    // "L n, n, ...". Anything else is a compile-time error.
    consteval ClickSteps(const char* text) { parse(std::string_view(text)); }

    constexpr std::span<const ClickOperation> operations() const { return {ops_.data(), count_}; }
    constexpr std::string_view text() const { return text_; }

private:
    consteval void parse(std::string_view text);
    consteval void add(ClickOperation::Kind kind, int number = 0);

    std::array<ClickOperation, kCapacity> ops_{};
    std::size_t count_ = 0;
    std::string_view text_;
};

struct ClickRow {
    std::string_view portrait;
    ClickKind kind;
    ClickSteps steps;
    std::string_view name; // empty for a reveal click without name
};

// The 48 rows, in the order of the portraits' numbers.
std::span<const ClickRow> clickTable();

// ---------------------------------------------------------------------------------------
consteval void ClickSteps::add(ClickOperation::Kind kind, int number) {
    if (count_ == kCapacity)
        throw "too many operations in one click";
    ops_[count_++] = {kind, number};
}

consteval void ClickSteps::parse(std::string_view text) {
    text_ = text;
    while (!text.empty()) {
        const auto end = text.find("; ");
        const std::string_view step = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
        if (step == "hide all") {
            add(ClickOperation::CallPicloesch);
            add(ClickOperation::CallLineloesch);
        } else if (step == "name") {
            add(ClickOperation::ShowList);
            add(ClickOperation::AddName);
        } else if (step == "clear") {
            add(ClickOperation::ClearList);
        } else if (step.starts_with("P ") || step.starts_with("L ")) {
            const auto kind =
                step[0] == 'P' ? ClickOperation::ShowPicture : ClickOperation::ShowLine;
            int number = 0;
            bool inNumber = false;
            for (const char c : step.substr(2)) {
                if (c >= '0' && c <= '9') {
                    number = number * 10 + (c - '0');
                    inNumber = true;
                } else if (c == ',' && inNumber) {
                    add(kind, number);
                    number = 0;
                    inNumber = false;
                } else if (c != ' ') {
                    throw "unexpected character in a list of numbers";
                }
            }
            if (!inNumber)
                throw "a list of numbers ends without a number";
            add(kind, number);
        } else {
            throw "unknown step";
        }
    }
}

} // namespace fg::gallery
