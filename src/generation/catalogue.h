#pragma once

#include "generation/panelindex.h"

#include <QtGlobal>
#include <array>
#include <span>

// The five games, fixed when the program is built, and everything that is done per game.
// Geometry is in twips, relative to the containing panel or frame.
struct TwipRect
{
    int left, top, width, height;
};

struct GameInfo
{
    PanelIndex panel;         // 1 to 5
    const char *name;         // "Lotto 649"
    qint16 selectionPicture;  // index of imgpic on the selection screen
    const char *picture;      // resource path of the game's logo
    const char *selectionTip; // tooltip of the selection picture
    TwipRect selectionRect;   // selection picture on panel 0

    const char *frameName;    // frame around the number labels
    const char *frameCaption; // "The generated numbers will appear in here: ..."
    TwipRect frameRect;

    const char *labelBase; // number labels are labelBase_0 ... labelBase_(count-1)
    qint16 count;          // numbers drawn
    qint16 poolSize;       // N
    qint16 poolFirst;      // entry i of the pool holds poolFirst + i before the shuffle
    bool distinct;         // whether one run may show a number twice

    int rulesTop; // top of the Rules button
    int vorlaStatusLeft, vorlaStatusTop;

    const char *linkImageName; // results-link picture on the panel
    TwipRect linkImageRect;
    const char *linkTip;
    const char *pointerName; // the label pointing at the results picture
    const char *pointerText;

    constexpr int poolLast() const { return poolFirst + poolSize - 1; }
    // Caption pairs compared per draw attempt (0 when numbers may repeat).
    constexpr int pairsCompared() const { return distinct ? count * (count - 1) / 2 : 0; }
};

namespace Catalogue {
// Games in panel order: games()[p - 1] is the game of panel p.
std::span<const GameInfo> games();

// The game of panel p, or nullptr for 0, 6 and anything else.
const GameInfo *game(int panel);

// The "Custom" entry of the selection screen (picture 5 and its label).
constexpr qint16 CustomPicture = 5;
constexpr int SelectionPictureCount = 6;
constexpr const char *CustomIcon = ":/assets/custom.svg";
constexpr const char *CustomTip = QT_TRANSLATE_NOOP(
    "Catalogue", "Select this to generate numbers for another lotto system not included here.");

// Number labels: one row inside the frame, index 0 leftmost.
constexpr int NumberLabelWidth = 300;
constexpr int NumberLabelHeight = 570;
constexpr int NumberLabelPitch = 720;
constexpr int NumberLabelTop = 360;
} // namespace Catalogue
