#pragma once

#include "generation/drawrules.h"
#include "ui/main/rules.h"

#include <QtGlobal>
#include <span>

// The games, one row each, fixed when the program is built: what the draw needs, and how
// the game's panel and its selection picture are laid out. A game's panel is its position
// in the table plus one; its selection picture is its position. The results picture's hint
// and page come from the link table row of the same control name (ui/browser/linktable).
// Geometry is in twips, relative to the containing panel or frame.
struct TwipRect
{
    int left, top, width, height;
};

struct GameInfo
{
    const char *name;    // "Lotto 649", never translated
    DrawRules draw;      // count, pool and whether the numbers differ
    const char *picture; // resource path of the game's logo

    const char *selectionTip; // tooltip of the selection picture
    TwipRect selectionRect;   // selection picture on the selection screen

    const char *frameName;    // frame around the number labels
    const char *frameCaption; // "The generated numbers will appear in here: ..."
    TwipRect frameRect;
    const char *labelBase; // number labels are labelBase_0 ... labelBase_(count-1)

    int rulesTop;        // top of the Rules button
    Rules::Source rules; // what the Rules button shows
    int vorlaStatusLeft, vorlaStatusTop;

    const char *linkImageName; // results picture on the panel (a link table control)
    TwipRect linkImageRect;
    const char *pointerName; // the label pointing at the results picture
    const char *pointerText;

    // The panel the game sits on and its picture on the selection screen.
    int panel() const;
    int selectionPicture() const { return panel() - 1; }
};

// One row a game, laid out as a table: kept out of the formatter.
// clang-format off
inline constexpr GameInfo kGameTable[] = {
    {.name = "Lotto 649", .draw = {.count = 6, .poolSize = 49, .poolFirst = 1, .distinct = true},
     .picture = ":/assets/lotto649.svg",
     .selectionTip = QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for Lotto 649"),
     .selectionRect = {960, 960, 1440, 1140},
     .frameName = "fraLotto649",
     .frameCaption = QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-49"),
     .frameRect = {2040, 960, 5055, 1095}, .labelBase = "lbl649",
     .rulesTop = 1440, .rules = Rules::lotto649, .vorlaStatusLeft = 1890, .vorlaStatusTop = 2280,
     .linkImageName = "imglotto649", .linkImageRect = {120, 240, 1440, 1140},
     .pointerName = "Label7",
     .pointerText = QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the LOTTO 649 Lottery")},
    {.name = "Pick 3", .draw = {.count = 3, .poolSize = 10, .poolFirst = 0, .distinct = false},
     .picture = ":/assets/pick3.svg",
     .selectionTip = QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for Pick 3"),
     .selectionRect = {2760, 1080, 1500, 1035},
     .frameName = "fraPick3",
     .frameCaption = QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 3 numbers from 0-9"),
     .frameRect = {2040, 960, 5055, 1095}, .labelBase = "lblpick3",
     .rulesTop = 1320, .rules = Rules::pick3, .vorlaStatusLeft = 1890, .vorlaStatusTop = 2400,
     .linkImageName = "imgpick3", .linkImageRect = {120, 240, 1500, 1035},
     .pointerName = "Label6",
     .pointerText = QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the Pick 3 Lottery")},
    {.name = "Ontario 49", .draw = {.count = 6, .poolSize = 49, .poolFirst = 1, .distinct = true},
     .picture = ":/assets/ontario49.svg",
     .selectionTip = QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for ONTARIO 49"),
     .selectionRect = {4560, 960, 1500, 1185},
     .frameName = "fraontario49",
     .frameCaption = QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-49"),
     .frameRect = {2280, 1080, 4935, 1095}, .labelBase = "lblontario49",
     .rulesTop = 1560, .rules = Rules::ontario49, .vorlaStatusLeft = 1920, .vorlaStatusTop = 2400,
     .linkImageName = "imgontario49", .linkImageRect = {120, 240, 1500, 1185},
     .pointerName = "Label5",
     .pointerText = QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the ONTARIO 49 Lottery")},
    {.name = "Super 7", .draw = {.count = 7, .poolSize = 47, .poolFirst = 1, .distinct = true},
     .picture = ":/assets/super7.svg",
     .selectionTip = QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for LOTTO SUPER 7"),
     .selectionRect = {840, 2640, 1500, 615},
     .frameName = "fraSuper7",
     .frameCaption = QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 7 numbers from 1-47"),
     .frameRect = {1800, 1200, 5295, 1095}, .labelBase = "lblsuper7",
     .rulesTop = 960, .rules = Rules::super7, .vorlaStatusLeft = 1800, .vorlaStatusTop = 2520,
     .linkImageName = "imgsuper7", .linkImageRect = {120, 240, 1500, 615},
     .pointerName = "Label4",
     .pointerText = QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the Super 7 Lottery")},
    {.name = "Lottario", .draw = {.count = 6, .poolSize = 45, .poolFirst = 1, .distinct = true},
     .picture = ":/assets/lottario.svg",
     .selectionTip = QT_TRANSLATE_NOOP("Catalogue", "Select this to generate numbers for LOTTARIO"),
     .selectionRect = {2880, 2640, 1500, 630},
     .frameName = "fraLottario",
     .frameCaption = QT_TRANSLATE_NOOP("Catalogue", "The generated numbers will appear in here: 6 numbers from 1-45"),
     .frameRect = {1920, 1080, 4935, 1095}, .labelBase = "lbllottario",
     .rulesTop = 960, .rules = Rules::lottario, .vorlaStatusLeft = 1920, .vorlaStatusTop = 2400,
     .linkImageName = "imglottario", .linkImageRect = {120, 240, 1500, 630},
     .pointerName = "Label3",
     .pointerText = QT_TRANSLATE_NOOP("Catalogue", "<--- Click here to check the results for the LOTTARIO Lottery.")},
};
// clang-format on

namespace Catalogue {
// Games in panel order: games()[p - 1] is the game of panel p.
constexpr std::span<const GameInfo> games()
{
    return kGameTable;
}
constexpr int GameCount = int(std::size(kGameTable));

// The game of panel p, or nullptr for the selection screen, the Custom panel and anything
// else.
const GameInfo *game(int panel);
// The Rules messages of the game of panel p; empty for any panel without a game.
QList<Rules::Message> rules(int panel);

// The "Custom" entry of the selection screen: the picture after the games' and its label.
constexpr qint16 CustomPicture = GameCount;
constexpr const char *CustomIcon = ":/assets/custom.svg";
constexpr const char *CustomTip = QT_TRANSLATE_NOOP(
    "Catalogue", "Select this to generate numbers for another lotto system not included here.");

// Number labels: one row inside the frame, index 0 leftmost.
constexpr int NumberLabelWidth = 300;
constexpr int NumberLabelHeight = 570;
constexpr int NumberLabelPitch = 720;
constexpr int NumberLabelTop = 360;
} // namespace Catalogue

// Names a panel of the main window. Every per-panel control array is indexed by it.
using PanelIndex = qint16;

namespace Panel {
constexpr PanelIndex Selection = 0;                   // the game selection screen
constexpr PanelIndex FirstGame = 1;                   // the first row of the game table
constexpr PanelIndex LastGame = Catalogue::GameCount; // its last row
constexpr PanelIndex Custom = LastGame + 1;           // the "Custom" panel, never shown
constexpr PanelIndex Count = Custom + 1;

constexpr bool isGame(int p)
{
    return p >= FirstGame && p <= LastGame;
}
} // namespace Panel
