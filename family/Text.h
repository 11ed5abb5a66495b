#pragma once
// How the family's texts are written. A text is a string literal with the suffix _text:
//
//     inline constexpr std::string_view kOttoBrueckner = "Otto Brückner"_text;
//
// The suffix keeps the characters in one object for the whole program. A plain string literal
// may be copied into every translation unit that reads the constant, and then a line that the
// gallery and a family tree share would be two equal texts rather than the one same text; with
// _text every use of a constant, in any source file, points at the same characters.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace fg::family {

template <std::size_t N> struct TextLiteral {
    char chars[N];
    consteval TextLiteral(const char (&text)[N]) { std::copy_n(text, N, chars); }
};

// The characters live in the template parameter object, of which the program holds exactly
// one per text.
template <TextLiteral L> consteval std::string_view operator""_text() {
    return {L.chars, sizeof(L.chars) - 1};
}

// Lines that every info list may hold.
inline constexpr std::string_view kEmptyLine = ""_text;   // fills a row of the list
inline constexpr std::string_view kBareBirth = "* "_text; // born, but neither date nor place known

} // namespace fg::family
