#pragma once
// The Brückners of Hannover: Karl Brückner Dr. and his brother Ludwig, their parents Otto
// Brückner and Elisabeth née Vogt, the grandparents on both sides, and the generations after
// Karl and Ludwig. Elisabeth married Hermann Stolze after Otto's death.

#include "family/Text.h"

#include <string_view>

namespace fg::family {

// --- The grandparents' generation -----------------------------------------------------------
// Ludwig Brückner the elder and Auguste, Otto's parents; their grandson Ludwig bears the
// grandfather's name (kLudwigBrueckner names both).
inline constexpr std::string_view kAugusteBrueckner = "Auguste Brückner"_text;

// Johann and Christiane Vogt of Uelzen, Gustav's parents.
inline constexpr std::string_view kJohannVogt = "Johann Vogt"_text;
inline constexpr std::string_view kJohannVogtBirth = "* 1.5.1836 in Uelzen"_text;
inline constexpr std::string_view kJohannVogtDeath = "+ 17.3.1901 in Celle"_text;
inline constexpr std::string_view kChristianeVogt = "Christiane Vogt"_text;
inline constexpr std::string_view kChristianeVogtBirth = "* 24.8.1841 in Uelzen"_text;
inline constexpr std::string_view kChristianeVogtDeath = "+ 2.1.1912 in Celle"_text;

// Gustav Vogt and Luise, Elisabeth's parents.
inline constexpr std::string_view kGustavVogt = "Gustav Vogt"_text;
inline constexpr std::string_view kGustavVogtBirth = "* 12.2.1867 in Celle"_text;
inline constexpr std::string_view kGustavVogtDeath = "+ 9.12.1938 in Celle"_text;
inline constexpr std::string_view kLuiseVogt = "Luise Vogt"_text;

// --- The parents' generation ----------------------------------------------------------------
inline constexpr std::string_view kOttoBrueckner = "Otto Brückner"_text;
inline constexpr std::string_view kOttoBruecknerBirth = "* 15.1.1893 in Celle"_text;
inline constexpr std::string_view kOttoBruecknerDeath = "+ 2.3.1944 in Hannover"_text;
inline constexpr std::string_view kOttoElisabethChildren =
    "2 Kinder: Karl und Ludwig Brückner"_text;

// Elisabeth under her maiden name in the family trees, under her last married name in the
// gallery.
inline constexpr std::string_view kElisabethVogt = "Elisabeth Vogt"_text;
inline constexpr std::string_view kElisabethStolze = "Elisabeth Stolze"_text;
inline constexpr std::string_view kElisabethVogtBirth = "* 6.6.1897 in Celle"_text;
inline constexpr std::string_view kElisabethVogtDeath = "+ 22.10.1979 in Hannover"_text;
inline constexpr std::string_view kElisabethVogtMarriage = "verh. Otto Brückner"_text;
inline constexpr std::string_view kElisabethVogtMarriageCont = "         Hermann Stolze"_text;
inline constexpr std::string_view kElisabethVogtMarriageShort = "ver. Otto Brückner"_text;
inline constexpr std::string_view kElisabethVogtMarriageShortCont = "       Hermann Stolze"_text;

// Hermann Stolze, Elisabeth's second husband; his birth is not on record.
inline constexpr std::string_view kHermannStolze = "Hermann Stolze"_text;
inline constexpr std::string_view kHermannStolzeDeath = "+ 3.2.1968 in Gießen"_text;

// --- Karl and Ludwig ------------------------------------------------------------------------
// Karl married Renate Hollmann (divorced) and later Helga Dorothea Wendland; his only child,
// Peter, is Anna Katharina Ohlsen's son (family/Ohlsen.h).
inline constexpr std::string_view kKarlBrueckner = "Karl Brückner Dr."_text;
inline constexpr std::string_view kKarlBruecknerBirth = "geb: 3.4.1921 in Hannover"_text;
inline constexpr std::string_view kKarlBruecknerMarriage = "verh.    Renate Hollmann"_text;
inline constexpr std::string_view kKarlBruecknerMarriageCont =
    "            Helga Dorothea Wendland"_text;
inline constexpr std::string_view kKarlAnnaChild = "1 Kind: Peter Karl Brückner"_text;

// Ludwig, named after his grandfather, and Irmgard; their son Klaus with Heike, and Jan.
inline constexpr std::string_view kLudwigBrueckner = "Ludwig Brückner"_text;
inline constexpr std::string_view kLudwigBruecknerBirth = "* 28.9.1924 in Hannover"_text;
inline constexpr std::string_view kLudwigBruecknerMarriage = "verh: Irmgard Weiß"_text;
inline constexpr std::string_view kLudwigIrmgardChild = "1 Kind: Klaus Brückner"_text;
inline constexpr std::string_view kIrmgardWeiss = "Irmgard Weiß"_text;
inline constexpr std::string_view kKlausBrueckner = "Klaus Brückner"_text;
inline constexpr std::string_view kHeikeBrueckner = "Heike Brückner"_text;
inline constexpr std::string_view kJanBrueckner = "Jan Brückner"_text;

// --- Peter and his son ----------------------------------------------------------------------
// Peter by his full name in the family trees, with his degree in the gallery. Married three
// times; Tobias is Monika's son.
inline constexpr std::string_view kPeterKarlBrueckner = "Peter Karl Brückner"_text;
inline constexpr std::string_view kPeterBruecknerDiplIng = "Peter Brückner Dipl.-Ing."_text;
inline constexpr std::string_view kPeterKarlBruecknerBirth = "* 14.3.1947 in Kiel"_text;
inline constexpr std::string_view kPeterKarlBruecknerMarriage = "verh.    Monika Schulte"_text;
inline constexpr std::string_view kPeterKarlBruecknerMarriageCont =
    "            Christa Beermann"_text;
inline constexpr std::string_view kPeterKarlBruecknerMarriageCont2 = "            Doris Jäger"_text;
inline constexpr std::string_view kPeterMonikaChild = "1 Kind: Tobias Brückner"_text;
inline constexpr std::string_view kMonikaSchulte = "Monika Schulte"_text;
inline constexpr std::string_view kChristaBeermann = "Christa Beermann"_text;
inline constexpr std::string_view kDorisJaeger = "Doris Jäger"_text;

inline constexpr std::string_view kTobiasBrueckner = "Tobias Brückner"_text;
inline constexpr std::string_view kTobiasBruecknerBirth = "* 17.6.1975 in Hamburg"_text;

} // namespace fg::family
