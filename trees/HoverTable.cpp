// The hover sequences of the five family trees: for each portrait that reacts to the pointer,
// the lines of its info list in order. A person who stands in two trees shows the same
// constants in both, and partners share the line that names their children.
#include "trees/HoverTable.h"

#include "family/Family.h"

namespace fg::trees {
namespace {

using namespace fg::family;

// --- Form2: Karl Brückner Dr., his ancestors and his descendants ----------------------------
constexpr std::string_view kForm2Picture1[] = {kKarlBrueckner, kKarlBruecknerBirth,
                                               kKarlBruecknerMarriage, kKarlBruecknerMarriageCont,
                                               kKarlAnnaChild};
constexpr std::string_view kForm2Picture2[] = {kTobiasBrueckner, kTobiasBruecknerBirth};
constexpr std::string_view kForm2Picture3[] = {kPeterKarlBrueckner,
                                               kPeterKarlBruecknerBirth,
                                               kPeterKarlBruecknerMarriage,
                                               kPeterKarlBruecknerMarriageCont,
                                               kPeterKarlBruecknerMarriageCont2,
                                               kPeterMonikaChild};
constexpr std::string_view kForm2Picture4[] = {kJohannVogt, kJohannVogtBirth, kJohannVogtDeath};
constexpr std::string_view kForm2Picture5[] = {kChristianeVogt, kChristianeVogtBirth,
                                               kChristianeVogtDeath};
constexpr std::string_view kForm2Picture6[] = {kHermannStolze, kBareBirth, kHermannStolzeDeath};
constexpr std::string_view kForm2Picture11[] = {kOttoBrueckner, kOttoBruecknerBirth,
                                                kOttoBruecknerDeath, kOttoElisabethChildren};
constexpr std::string_view kForm2Picture12[] = {
    kElisabethVogt,      kElisabethVogtMarriage, kElisabethVogtMarriageCont,
    kElisabethVogtBirth, kElisabethVogtDeath,    kOttoElisabethChildren};
constexpr std::string_view kForm2Picture25[] = {kGustavVogt, kGustavVogtBirth, kGustavVogtDeath};

// --- Form3: Ludwig Brückner, his ancestors and his descendants ------------------------------
constexpr std::string_view kForm3Picture12[] = {
    kElisabethVogt,      kElisabethVogtMarriageShort, kElisabethVogtMarriageShortCont,
    kElisabethVogtBirth, kElisabethVogtDeath,         kOttoElisabethChildren};
constexpr std::string_view kForm3Picture17[] = {kLudwigBrueckner, kLudwigBruecknerBirth,
                                                kLudwigBruecknerMarriage, kLudwigIrmgardChild};
constexpr std::string_view kForm3Picture22[] = {kLudwigBrueckner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm3Picture23[] = {kAugusteBrueckner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm3Picture24[] = {kLuiseVogt, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm3Picture34[] = {kKlausBrueckner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm3Picture36[] = {kJanBrueckner, kEmptyLine, kEmptyLine};

// --- Form4: Anna Katharina Ohlsen, her parents, son and grandson ----------------------------
constexpr std::string_view kForm4Picture3[] = {kPeterKarlBrueckner, kPeterKarlBruecknerBirth,
                                               kPeterKarlBruecknerMarriage,
                                               kPeterKarlBruecknerMarriageCont, kPeterMonikaChild};
constexpr std::string_view kForm4Picture8[] = {kAnnaKatharinaOhlsen, kAnnaKatharinaOhlsenBirth,
                                               kAnnaKatharinaOhlsenDeath, kKarlAnnaChild};
constexpr std::string_view kForm4Picture9[] = {kHinrichOhlsen, kHinrichOhlsenBirth,
                                               kHinrichOhlsenDeath, kHinrichGreteChild};
constexpr std::string_view kForm4Picture10[] = {kGreteOhlsen, kGreteOhlsenBirth, kGreteOhlsenDeath,
                                                kHinrichGreteChild};

// --- Form5: Helga Dorothea Wendland, her parents, children and grandchildren ----------------
constexpr std::string_view kForm5Picture1[] = {kBernhardWendland, kBareBirth,
                                               kBernhardWendlandDeath, kBernhardMargareteChildren,
                                               kBernhardMargareteChildrenCont};
constexpr std::string_view kForm5Picture2[] = {kHelgaDorotheaWendland,
                                               kHelgaDorotheaWendlandBirth,
                                               kHelgaDorotheaWendlandMarriage,
                                               kHelgaDorotheaWendlandMarriageCont,
                                               kHelgaDorotheaWendlandMarriageCont2,
                                               kHelgaDorotheaWendlandChildren,
                                               kHelgaDorotheaWendlandChildrenCont};
constexpr std::string_view kForm5Picture3[] = {kSabineRoth, kSabineRothBirth};
constexpr std::string_view kForm5Picture4[] = {kMargareteNoFamilyName, kMargareteBirth,
                                               kMargareteDeath, kBernhardMargareteChildren,
                                               kBernhardMargareteChildrenCont};
constexpr std::string_view kForm5Picture5[] = {kNilsSchroeder, kNilsSchroederBirth};
constexpr std::string_view kForm5Picture6[] = {kKarinLehmann, kKarinLehmannBirth};
constexpr std::string_view kForm5Picture7[] = {kThomasLehmann, kThomasLehmannBirth};
constexpr std::string_view kForm5Picture8[] = {kUweSchroeder, kUweSchroederBirth};
constexpr std::string_view kForm5Picture9[] = {kAnjaLehmann, kAnjaLehmannBirth};
constexpr std::string_view kForm5Picture10[] = {kJuliaLehmann, kJuliaLehmannBirth};

// --- Form6: Renate Luise Hollmann, her ancestors, children and grandchildren ----------------
constexpr std::string_view kForm6Picture1[] = {kWilhelmHollmann, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture2[] = {kSophieHollmann, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture3[] = {kHeinrichSauer, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture4[] = {kAnnaSauer, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture5[] = {kRenateLuiseHollmann, kRenateHollmannBirth,
                                               kRenateHollmannDeath, kRenateHollmannMarriage,
                                               kRenateHollmannChildren};
constexpr std::string_view kForm6Picture6[] = {kGottfriedLindner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture7[] = {kJohannaLindner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture8[] = {kLarsHollmann, kLarsHollmannBirth, kEmptyLine};
constexpr std::string_view kForm6Picture9[] = {kNinaHollmann, kNinaHollmannBirth, kEmptyLine};
constexpr std::string_view kForm6Picture13[] = {kUteHollmann, kUteHollmannBirth, kEmptyLine};
constexpr std::string_view kForm6Picture14[] = {kJensHollmann, kJensHollmannBirth, kEmptyLine};
constexpr std::string_view kForm6Picture15[] = {kMarthaHollmann, kEmptyLine, kMarthaHollmannDeath};
constexpr std::string_view kForm6Picture16[] = {kErnstHollmann, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture18[] = {kWilhelmHollmann, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture19[] = {kMarieHollmann, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture20[] = {kEmmaLindner, kEmptyLine, kEmptyLine};
constexpr std::string_view kForm6Picture21[] = {kAugustLindner, kEmptyLine, kEmptyLine};

// A person whose lines are all alike in two trees has one sequence for both.
// clang-format off
constexpr HoverRow kHoverTable[] = {
    {"Form2", "Picture1",  kForm2Picture1},
    {"Form2", "Picture2",  kForm2Picture2},
    {"Form2", "Picture3",  kForm2Picture3},
    {"Form2", "Picture4",  kForm2Picture4},
    {"Form2", "Picture5",  kForm2Picture5},
    {"Form2", "Picture6",  kForm2Picture6},
    {"Form2", "Picture11", kForm2Picture11},
    {"Form2", "Picture12", kForm2Picture12},
    {"Form2", "Picture25", kForm2Picture25},

    {"Form3", "Picture6",  kForm2Picture6},
    {"Form3", "Picture11", kForm2Picture11},
    {"Form3", "Picture12", kForm3Picture12},
    {"Form3", "Picture17", kForm3Picture17},
    {"Form3", "Picture22", kForm3Picture22},
    {"Form3", "Picture23", kForm3Picture23},
    {"Form3", "Picture24", kForm3Picture24},
    {"Form3", "Picture25", kForm2Picture25},
    {"Form3", "Picture34", kForm3Picture34},
    {"Form3", "Picture36", kForm3Picture36},

    {"Form4", "Picture2",  kForm2Picture2},
    {"Form4", "Picture3",  kForm4Picture3},
    {"Form4", "Picture8",  kForm4Picture8},
    {"Form4", "Picture9",  kForm4Picture9},
    {"Form4", "Picture10", kForm4Picture10},

    {"Form5", "Picture1",  kForm5Picture1},
    {"Form5", "Picture2",  kForm5Picture2},
    {"Form5", "Picture3",  kForm5Picture3},
    {"Form5", "Picture4",  kForm5Picture4},
    {"Form5", "Picture5",  kForm5Picture5},
    {"Form5", "Picture6",  kForm5Picture6},
    {"Form5", "Picture7",  kForm5Picture7},
    {"Form5", "Picture8",  kForm5Picture8},
    {"Form5", "Picture9",  kForm5Picture9},
    {"Form5", "Picture10", kForm5Picture10},

    {"Form6", "Picture1",  kForm6Picture1},
    {"Form6", "Picture2",  kForm6Picture2},
    {"Form6", "Picture3",  kForm6Picture3},
    {"Form6", "Picture4",  kForm6Picture4},
    {"Form6", "Picture5",  kForm6Picture5},
    {"Form6", "Picture6",  kForm6Picture6},
    {"Form6", "Picture7",  kForm6Picture7},
    {"Form6", "Picture8",  kForm6Picture8},
    {"Form6", "Picture9",  kForm6Picture9},
    {"Form6", "Picture13", kForm6Picture13},
    {"Form6", "Picture14", kForm6Picture14},
    {"Form6", "Picture15", kForm6Picture15},
    {"Form6", "Picture16", kForm6Picture16},
    {"Form6", "Picture18", kForm6Picture18},
    {"Form6", "Picture19", kForm6Picture19},
    {"Form6", "Picture20", kForm6Picture20},
    {"Form6", "Picture21", kForm6Picture21},
};
// clang-format on

} // namespace

std::span<const HoverRow> hoverTable() {
    return kHoverTable;
}

} // namespace fg::trees
