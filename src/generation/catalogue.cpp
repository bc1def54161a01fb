#include "generation/catalogue.h"

#include <QtGlobal>

namespace {
// One row a game, laid out as a table: kept out of the formatter.
// clang-format off
constexpr std::array<GameInfo, 5> kGames{{
    {1, "Lotto 649", 0, ":/assets/lotto649.svg",
     QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for Lotto 649"),
     {960, 960, 1440, 1140},
     "fraLotto649", QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-49"), {2040, 960, 5055, 1095},
     "lbl649", 6, 49, 1, true,
     1440, 1890, 2280,
     "imglotto649", {120, 240, 1440, 1140},
     QT_TRANSLATE_NOOP("Catalogue", "Click here to see the latest lotto results for LOTTO 649"),
     "Label7",
     QT_TRANSLATE_NOOP("Catalogue",
                       "<--- Click here to check the results for the LOTTO 649 Lottery")},
    {2, "Pick 3", 1, ":/assets/pick3.svg",
     QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for Pick 3"),
     {2760, 1080, 1500, 1035},
     "fraPick3", QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 3 numbers from 0-9"), {2040, 960, 5055, 1095},
     "lblpick3", 3, 10, 0, false,
     1320, 1890, 2400,
     "imgpick3", {120, 240, 1500, 1035},
     QT_TRANSLATE_NOOP("Catalogue", "Click here to see the latest lotto results for PICK 3"),
     "Label6",
     QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the Pick 3 Lottery")},
    {3, "Ontario 49", 2, ":/assets/ontario49.svg",
     QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for ONTARIO 49"),
     {4560, 960, 1500, 1185},
     "fraontario49", QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-49"), {2280, 1080, 4935, 1095},
     "lblontario49", 6, 49, 1, true,
     1560, 1920, 2400,
     "imgontario49", {120, 240, 1500, 1185},
     QT_TRANSLATE_NOOP("Catalogue", "Click here to see the latest lotto results for ONTARIO 49"),
     "Label5",
     QT_TRANSLATE_NOOP("Catalogue",
                       "<--- Click here to check the results for the ONTARIO 49 Lottery")},
    {4, "Super 7", 3, ":/assets/super7.svg",
     QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for LOTTO SUPER 7"),
     {840, 2640, 1500, 615},
     "fraSuper7", QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 7 numbers from 1-47"), {1800, 1200, 5295, 1095},
     "lblsuper7", 7, 47, 1, true,
     960, 1800, 2520,
     "imgsuper7", {120, 240, 1500, 615},
     QT_TRANSLATE_NOOP("Catalogue",
                       "Click here to see the latest lotto results for LOTTO SUPER 7"),
     "Label4",
     QT_TRANSLATE_NOOP("Catalogue",
                       "<--- Click here to check the results for the Super 7 Lottery")},
    {5, "Lottario", 4, ":/assets/lottario.svg",
     QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for LOTTARIO"),
     {2880, 2640, 1500, 630},
     "fraLottario", QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-45"), {1920, 1080, 4935, 1095},
     "lbllottario", 6, 45, 1, true,
     960, 1920, 2400,
     "imglottario", {120, 240, 1500, 630},
     QT_TRANSLATE_NOOP("Catalogue", "Click here to see the latest lotto results for LOTTARIO"),
     "Label3",
     QT_TRANSLATE_NOOP("Catalogue",
                       "<--- Click here to check the results for the LOTTARIO Lottery.")},
}};
// clang-format on

// Every game sits at its own panel and picture, and its pool fits in the 16-bit entries.
constexpr bool consistent()
{
    for (std::size_t i = 0; i < kGames.size(); ++i) {
        const GameInfo &g = kGames[i];
        if (g.panel != static_cast<PanelIndex>(i + 1) || g.selectionPicture != g.panel - 1)
            return false;
        if (g.count <= 0 || g.poolSize <= 0 || (g.distinct && g.count > g.poolSize))
            return false;
    }
    return true;
}
static_assert(consistent());
} // namespace

std::span<const GameInfo> Catalogue::games()
{
    return kGames;
}

const GameInfo *Catalogue::game(int panel)
{
    return Panel::isGame(panel) ? &kGames[static_cast<std::size_t>(panel - 1)] : nullptr;
}
