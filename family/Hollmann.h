#pragma once
// The Hollmanns of Bremen: Renate Luise Hollmann, Karl Brückner's first wife, her ancestors
// back to her great-grandparents, and her children Ute and Jens with theirs.

#include "family/Text.h"

#include <string_view>

namespace fg::family {

// --- Renate's great-grandparents ------------------------------------------------------------
// Wilhelm Hollmann the elder and Sophie; their son Wilhelm bears his father's name
// (kWilhelmHollmann names both).
inline constexpr std::string_view kSophieHollmann = "Sophie Hollmann"_text;
inline constexpr std::string_view kHeinrichSauer = "Heinrich Sauer"_text;
inline constexpr std::string_view kAnnaSauer = "Anna Sauer"_text;
inline constexpr std::string_view kGottfriedLindner = "Gottfried Lindner"_text;
inline constexpr std::string_view kJohannaLindner = "Johanna Lindner"_text;

// --- Renate's grandparents ------------------------------------------------------------------
inline constexpr std::string_view kWilhelmHollmann = "Wilhelm Hollmann"_text;
inline constexpr std::string_view kMarieHollmann = "Marie Hollmann"_text; // née Sauer
inline constexpr std::string_view kEmmaLindner = "Emma Lindner"_text;
inline constexpr std::string_view kAugustLindner = "August Lindner"_text;

// --- Renate's parents -----------------------------------------------------------------------
inline constexpr std::string_view kErnstHollmann = "Ernst Hollmann"_text;
inline constexpr std::string_view kMarthaHollmann = "Martha Hollmann"_text; // née Lindner
inline constexpr std::string_view kMarthaHollmannDeath = "+ 8.11.1967 in Bremen"_text;

// --- Renate ---------------------------------------------------------------------------------
// By her full name in her own family tree, by her call name in the gallery. Her children bear
// her name; her marriage with Karl Brückner Dr. ended in divorce.
inline constexpr std::string_view kRenateLuiseHollmann = "Renate Luise Hollmann"_text;
inline constexpr std::string_view kRenateHollmann = "Renate Hollmann"_text;
inline constexpr std::string_view kRenateHollmannBirth = "* 9.5.1929 in Bremen"_text;
inline constexpr std::string_view kRenateHollmannDeath = "+ 14.8.1994 in Oldenburg"_text;
inline constexpr std::string_view kRenateHollmannMarriage = "verh: Karl Brückner Dr., gesch."_text;
inline constexpr std::string_view kRenateHollmannChildren = "2 Kinder: Ute u. Jens Hollmann"_text;

// --- Renate's children and grandchildren ----------------------------------------------------
// Ute with Rolf Gerdes; Jens with Birgit and their children Lars and Nina.
inline constexpr std::string_view kUteHollmann = "Ute Hollmann"_text;
inline constexpr std::string_view kUteHollmannBirth = "geb: 12.6.1950"_text;
inline constexpr std::string_view kRolfGerdes = "Rolf Gerdes"_text;
inline constexpr std::string_view kJensHollmann = "Jens Hollmann"_text;
inline constexpr std::string_view kJensHollmannBirth = "geb: 3.2.1952"_text;
inline constexpr std::string_view kBirgitHollmann = "Birgit Hollmann"_text;
inline constexpr std::string_view kLarsHollmann = "Lars Hollmann"_text;
inline constexpr std::string_view kLarsHollmannBirth = "geb: 30.9.1976"_text;
inline constexpr std::string_view kNinaHollmann = "Nina Hollmann"_text;
inline constexpr std::string_view kNinaHollmannBirth = "geb: 14.2.1980"_text;

} // namespace fg::family
