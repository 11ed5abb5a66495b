#pragma once
// The Ohlsens of Husum: Anna Katharina Ohlsen, mother of Karl Brückner's son Peter, and her
// parents Hinrich and Grete. Anna died young, four years after Peter's birth.

#include "family/Text.h"

#include <string_view>

namespace fg::family {

// Hinrich by his full name in the gallery, by his call name in Anna's family tree.
inline constexpr std::string_view kHinrichOhlsen = "Hinrich Ohlsen"_text;
inline constexpr std::string_view kHinrichJohannOhlsen = "Hinrich Johann Ohlsen"_text;
inline constexpr std::string_view kHinrichOhlsenBirth = "* 11.1.1890"_text;
inline constexpr std::string_view kHinrichOhlsenDeath = "+ 5.5.1960 in Husum"_text;

inline constexpr std::string_view kGreteOhlsen = "Grete Ohlsen"_text;
inline constexpr std::string_view kGreteOhlsenBirth = "* 23.8.1895"_text;
inline constexpr std::string_view kGreteOhlsenDeath = "+ 30.12.1971 in Husum"_text;

inline constexpr std::string_view kHinrichGreteChild = "1 Kind: Anna Katharina Ohlsen"_text;

inline constexpr std::string_view kAnnaKatharinaOhlsen = "Anna Katharina Ohlsen"_text;
inline constexpr std::string_view kAnnaKatharinaOhlsenBirth = "* 2.4.1923 in Husum"_text;
inline constexpr std::string_view kAnnaKatharinaOhlsenDeath = "+ 19.11.1951 in Kiel"_text;
// Her family tree is captioned with her call name and family name only.
inline constexpr std::string_view kAnnaOhlsen = "Anna Ohlsen"_text;

} // namespace fg::family
