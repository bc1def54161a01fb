#pragma once

#include <QtGlobal>

// Names a panel of the main window. Every per-panel control array is indexed by it.
using PanelIndex = qint16;

namespace Panel {
constexpr PanelIndex Selection = 0; // the game selection screen
constexpr PanelIndex FirstGame = 1; // Lotto 649
constexpr PanelIndex LastGame = 5;  // Lottario
constexpr PanelIndex Custom = 6;    // the "Custom" panel, never shown
constexpr PanelIndex Count = 7;

constexpr bool isGame(int p)
{
    return p >= FirstGame && p <= LastGame;
}
} // namespace Panel
