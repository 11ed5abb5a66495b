#pragma once
// The Wendlands from Königsberg: Helga Dorothea Wendland, Karl Brückner's second wife, her
// parents and brother, her first two husbands and her children and grandchildren, who settled
// around Lübeck after the war.

#include "family/Text.h"

#include <string_view>

namespace fg::family {

// --- Helga's parents and brother ------------------------------------------------------------
// Bernhard's birth and the date of his death are not on record. Margarete's maiden name is
// unknown: her daughter's family tree writes "?", the gallery her married name.
inline constexpr std::string_view kBernhardWendland = "Bernhard Wendland"_text;
inline constexpr std::string_view kBernhardWendlandDeath = "+ in Königsberg"_text;
inline constexpr std::string_view kMargareteWendland = "Margarete Wendland"_text;
inline constexpr std::string_view kMargareteNoFamilyName = "Margarete ?"_text;
inline constexpr std::string_view kMargareteBirth = "* 4.10.1901 in ?"_text;
inline constexpr std::string_view kMargareteDeath = "+ 3.1981 in Lübeck"_text;
inline constexpr std::string_view kBernhardMargareteChildren =
    "2 Kinder: Helga Dorothea und Jürgen"_text;
inline constexpr std::string_view kBernhardMargareteChildrenCont = "               Wendland"_text;
inline constexpr std::string_view kJuergenWendland = "Jürgen Wendland"_text;

// --- Helga and her husbands -----------------------------------------------------------------
// First Horst Lehmann (Karin, Thomas), then Walter Roth (Sabine), then Karl Brückner Dr.
inline constexpr std::string_view kHelgaDorotheaWendland = "Helga Dorothea Wendland"_text;
inline constexpr std::string_view kHelgaDorotheaWendlandBirth = "* 21.7.1926 in Königsberg"_text;
inline constexpr std::string_view kHelgaDorotheaWendlandMarriage = "verh.    Horst Lehmann"_text;
inline constexpr std::string_view kHelgaDorotheaWendlandMarriageCont =
    "            Walter Roth"_text;
inline constexpr std::string_view kHelgaDorotheaWendlandMarriageCont2 =
    "            Karl Brückner Dr."_text;
inline constexpr std::string_view kHelgaDorotheaWendlandChildren =
    "3 Kinder: Karin und Thomas Lehmann"_text;
inline constexpr std::string_view kHelgaDorotheaWendlandChildrenCont =
    "               Sabine Roth"_text;
inline constexpr std::string_view kHorstLehmann = "Horst Lehmann"_text;
inline constexpr std::string_view kWalterRoth = "Walter Roth"_text;

// --- Helga's children and grandchildren -----------------------------------------------------
// Karin with Uwe Schröder and their son Nils.
inline constexpr std::string_view kKarinLehmann = "Karin Lehmann"_text;
inline constexpr std::string_view kKarinLehmannBirth = "* 8.5.1947 in Lübeck"_text;
inline constexpr std::string_view kUweSchroeder = "Uwe Schröder"_text;
inline constexpr std::string_view kUweSchroederBirth = "* 27.1.1944"_text;
inline constexpr std::string_view kNilsSchroeder = "Nils Schröder"_text;
inline constexpr std::string_view kNilsSchroederBirth = "* 5.8.1971 in Kiel"_text;

// Thomas with Anja and their daughter Julia.
inline constexpr std::string_view kThomasLehmann = "Thomas Lehmann"_text;
inline constexpr std::string_view kThomasLehmannBirth = "* 19.11.1949 in Lübeck"_text;
inline constexpr std::string_view kAnjaLehmann = "Anja Lehmann"_text;
inline constexpr std::string_view kAnjaLehmannBirth = "* 13.4.1952 in Eutin"_text;
inline constexpr std::string_view kJuliaLehmann = "Julia Lehmann"_text;
inline constexpr std::string_view kJuliaLehmannBirth = "* 1.12.1978 in Eutin"_text;

// Sabine, plainly in her mother's family tree, with her doctorate in the gallery.
inline constexpr std::string_view kSabineRoth = "Sabine Roth"_text;
inline constexpr std::string_view kSabineRothDr = "Sabine Roth Dr."_text;
inline constexpr std::string_view kSabineRothBirth = "* 2.3.1957 in Bad Segeberg"_text;

} // namespace fg::family
