// The gallery's click table: one row per portrait that reacts to a click.
#include "gallery/ClickTable.h"

#include "family/Family.h"

namespace fg::gallery {
namespace {

// clang-format off
constexpr ClickRow kClickTable[] = {
//   portrait     kind                          steps, in order
//                   name text
    {"Picture1",  ClickKind::RevealWithName,    "hide all; name; P 11, 12, 1, 3, 5, 6, 8; L 2, 15, 16, 17, 18, 21, 3, 10, 31, 1, 19, 20, 113, 114",
                   family::kKarlBrueckner},
    {"Picture2",  ClickKind::NameOnly,          "clear; name",
                   family::kTobiasBrueckner},
    {"Picture3",  ClickKind::RevealWithName,    "hide all; name; P 3, 4, 32, 8, 1, 52; L 4, 5, 6, 1, 2, 3, 10, 54, 55, 56, 99, 100",
                   family::kPeterBruecknerDiplIng},
    {"Picture4",  ClickKind::RevealWithName,    "hide all; name; P 3, 2, 4; L 4, 5, 6, 7",
                   family::kMonikaSchulte},
    {"Picture5",  ClickKind::RevealWithName,    "hide all; name; P 5, 30, 1, 16, 15, 13, 14; L 48, 49, 50, 20, 21, 26, 27, 28, 29, 22, 23, 24, 25, 106, 113",
                   family::kRenateHollmann},
    {"Picture6",  ClickKind::RevealWithName,    "hide all; name; L 19, 11, 31, 51, 52, 53, 73, 74, 75, 76, 79, 80, 81, 82, 114; P 6, 7, 42, 43, 41, 31, 1, 44, 45",
                   family::kHelgaDorotheaWendland},
    {"Picture7",  ClickKind::NameOnly,          "clear; name",
                   family::kSabineRothDr},
    {"Picture8",  ClickKind::RevealWithName,    "hide all; name; P 1, 3, 8, 9, 10; L 1, 2, 3, 10, 9, 12, 13, 14",
                   family::kAnnaKatharinaOhlsen},
    {"Picture9",  ClickKind::RevealWithName,    "hide all; name; P 8, 9, 10, 26, 27; L 86, 85, 84, 83, 12, 13, 9, 14",
                   family::kHinrichJohannOhlsen},
    {"Picture10", ClickKind::RevealWithName,    "hide all; name; P 28, 29, 8, 9, 10; L 87, 88, 89, 90, 12, 13, 9, 14",
                   family::kGreteOhlsen},
    {"Picture11", ClickKind::RevealWithName,    "hide all; name; L 15, 16, 17, 18, 30, 40, 41, 42, 43; P 11, 12, 1, 17, 22, 23",
                   family::kOttoBrueckner},
    {"Picture12", ClickKind::RevealWithName,    "hide all; name; L 15, 16, 17, 18, 30, 45, 46, 47, 44, 91, 92; P 11, 12, 1, 17, 46, 24, 25",
                   family::kElisabethStolze},
    {"Picture13", ClickKind::RevealWithName,    "hide all; name; P 13; L 109, 110, 111; P 55, 5, 30; L 22, 23, 49, 50, 25, 48",
                   family::kUteHollmann},
    {"Picture14", ClickKind::RevealWithName,    "hide all; name; P 14, 53, 54, 5, 56, 30; L 101, 102, 112, 104, 105, 106, 49, 50, 25, 24, 48",
                   family::kJensHollmann},
    {"Picture15", ClickKind::RevealWithName,    "hide all; name; P 5, 15, 16, 20, 21; L 26, 27, 28, 29, 36, 37, 38, 39",
                   family::kMarthaHollmann},
    {"Picture16", ClickKind::RevealWithName,    "hide all; name; P 5, 15, 16, 18, 19; L 32, 33, 34, 35, 26, 27, 28, 29",
                   family::kErnstHollmann},
    {"Picture17", ClickKind::RevealWithName,    "hide all; name; P 17, 33, 34, 11, 12; L 57, 58, 59, 60, 15, 16, 17, 30",
                   family::kLudwigBrueckner},
    {"Picture18", ClickKind::RevealWithName,    "hide all; P 19, 18, 16; L 32, 33, 34, 35; name",
                   family::kWilhelmHollmann},
    {"Picture19", ClickKind::RevealWithName,    "hide all; P 19, 18, 16; L 32, 33, 34, 35; name",
                   family::kMarieHollmann},
    {"Picture20", ClickKind::RevealWithName,    "hide all; name; P 15, 20, 21; L 36, 37, 38, 39",
                   family::kEmmaLindner},
    {"Picture21", ClickKind::RevealWithName,    "hide all; name; P 15, 20, 21; L 36, 37, 38, 39",
                   family::kAugustLindner},
    {"Picture22", ClickKind::RevealWithName,    "hide all; name; L 40, 41, 42, 43; P 22, 11, 23",
                   family::kLudwigBrueckner},
    {"Picture23", ClickKind::RevealWithName,    "hide all; name; L 40, 41, 42, 43; P 22, 11, 23",
                   family::kAugusteBrueckner},
    {"Picture24", ClickKind::RevealWithName,    "hide all; name; L 45, 46, 47, 44; P 12, 24, 25",
                   family::kLuiseVogt},
    {"Picture25", ClickKind::RevealWithName,    "hide all; name; L 45, 46, 47, 44; P 12, 25, 24",
                   family::kGustavVogt},
    {"Picture30", ClickKind::RevealWithoutName, "hide all; P 30, 13, 14, 5, 37, 38; L 22, 23, 24, 25, 48, 49, 50, 61, 66, 67, 68, 106",
                   {}},
    {"Picture31", ClickKind::RevealWithName,    "hide all; P 31, 6, 7; L 51, 52, 53, 11, 73; name",
                   family::kWalterRoth},
    {"Picture32", ClickKind::RevealWithName,    "hide all; name; P 32, 3; L 54, 55, 56",
                   family::kChristaBeermann},
    {"Picture33", ClickKind::RevealWithName,    "hide all; name; P 17, 33, 34, 11, 12; L 57, 58, 59, 60, 15, 16, 17, 30",
                   family::kIrmgardWeiss},
    {"Picture34", ClickKind::RevealWithName,    "hide all; name; P 35, 36, 34, 17, 33; L 58, 57, 59, 60, 62, 63, 64, 65",
                   family::kKlausBrueckner},
    {"Picture35", ClickKind::RevealWithName,    "hide all; name; P 35, 36, 34, 17, 33; L 58, 57, 59, 60, 62, 63, 64, 65",
                   family::kHeikeBrueckner},
    {"Picture36", ClickKind::RevealWithName,    "hide all; name; P 35, 36, 34; L 62, 63, 64, 65",
                   family::kJanBrueckner},
    {"Picture37", ClickKind::RevealWithoutName, "hide all; P 37, 30, 39, 40; L 61, 66, 48, 50, 69, 70, 71, 72",
                   {}},
    {"Picture38", ClickKind::RevealWithoutName, "hide all; P 38, 30; L 66, 67, 68, 48, 50",
                   {}},
    {"Picture41", ClickKind::RevealWithName,    "hide all; P 6, 41, 42, 43; L 51, 52; name; L 74, 75, 76",
                   family::kHorstLehmann},
    {"Picture42", ClickKind::RevealWithName,    "hide all; name; P 42, 48, 49, 6, 41; L 51, 52, 74, 76, 78, 77, 93, 94",
                   family::kKarinLehmann},
    {"Picture43", ClickKind::RevealWithName,    "hide all; name; P 43, 50, 51, 6, 41; L 51, 52, 75, 76, 95, 96, 97, 98",
                   family::kThomasLehmann},
    {"Picture44", ClickKind::RevealWithName,    "hide all; name; P 57, 45, 44, 6; L 79, 80, 81, 82, 115, 116, 117",
                   family::kBernhardWendland},
    {"Picture45", ClickKind::RevealWithName,    "hide all; name; P 57, 45, 44, 6; L 79, 80, 81, 82, 115, 116, 117",
                   family::kMargareteWendland},
    {"Picture46", ClickKind::RevealWithName,    "hide all; name; P 46, 12; L 17, 91, 92",
                   family::kHermannStolze},
    {"Picture50", ClickKind::NameOnly,          "clear; name",
                   family::kAnjaLehmann},
    {"Picture51", ClickKind::NameOnly,          "clear; name",
                   family::kJuliaLehmann},
    {"Picture52", ClickKind::RevealWithName,    "hide all; P 3, 52; name; L 99, 100, 56, 55",
                   family::kDorisJaeger},
    {"Picture53", ClickKind::RevealWithName,    "hide all; name; P 14, 53, 54, 56; L 101, 102, 104, 105, 112",
                   family::kBirgitHollmann},
    {"Picture54", ClickKind::RevealWithName,    "hide all; name; P 14, 53, 54; L 101, 102, 104, 105",
                   family::kLarsHollmann},
    {"Picture55", ClickKind::RevealWithName,    "hide all; L 109; P 13, 55; name",
                   family::kRolfGerdes},
    {"Picture56", ClickKind::RevealWithName,    "hide all; name; P 14, 53, 56; L 101, 112, 104, 102",
                   family::kNinaHollmann},
    {"Picture57", ClickKind::RevealWithName,    "hide all; name; P 44, 45, 57; L 81, 80, 79, 115, 116, 117",
                   family::kJuergenWendland},
};
// clang-format on

// A row's kind must say what its steps do: a reveal click starts by hiding everything, a
// name-only click clears the list; exactly the rows with a name write it.
consteval bool kindsAgreeWithSteps() {
    for (const ClickRow& row : kClickTable) {
        const auto ops = row.steps.operations();
        bool writesName = false;
        for (const ClickOperation& op : ops)
            writesName = writesName || op.kind == ClickOperation::AddName;
        const bool reveal = ops[0].kind == ClickOperation::CallPicloesch &&
                            ops[1].kind == ClickOperation::CallLineloesch;
        const bool nameOnly = ops.size() == 3 && ops[0].kind == ClickOperation::ClearList;
        switch (row.kind) {
        case ClickKind::RevealWithName:
            if (!reveal || !writesName || row.name.empty())
                return false;
            break;
        case ClickKind::RevealWithoutName:
            if (!reveal || writesName || !row.name.empty())
                return false;
            break;
        case ClickKind::NameOnly:
            if (!nameOnly || row.name.empty())
                return false;
            break;
        }
    }
    return true;
}
static_assert(kindsAgreeWithSteps());

} // namespace

std::span<const ClickRow> clickTable() {
    return kClickTable;
}

} // namespace fg::gallery
