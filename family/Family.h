#pragma once
// The family's texts: every name, date and place that the gallery and the family trees show,
// one named constant per text, by branch of the family:
//
//   Brueckner.h  Karl Brückner Dr., his parents, grandparents, brother and descendants
//   Ohlsen.h     Anna Katharina Ohlsen, mother of Karl's son Peter, and her parents
//   Wendland.h   Helga Dorothea Wendland, Karl's second wife, and her family
//   Hollmann.h   Renate Luise Hollmann, Karl's first wife, and her family
//
// A text shown in several places, by the gallery and by family trees, is one constant used
// in all of them.

#include "family/Brueckner.h"
#include "family/Hollmann.h"
#include "family/Ohlsen.h"
#include "family/Text.h"
#include "family/Wendland.h"

#include <string_view>

namespace fg::family {

// The root persons of the five family trees, as their windows' captions name them.
inline constexpr std::string_view kForm2CaptionName = kKarlBrueckner;
inline constexpr std::string_view kForm3CaptionName = kLudwigBrueckner;
inline constexpr std::string_view kForm4CaptionName = kAnnaOhlsen;
inline constexpr std::string_view kForm5CaptionName = kHelgaDorotheaWendland;
inline constexpr std::string_view kForm6CaptionName = kRenateLuiseHollmann;

} // namespace fg::family
