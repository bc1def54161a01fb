#pragma once

#include <QString>

class QFrame;
class QLabel;

// What the panels of the main window share: their look, their controls' names, and the
// face of their captions.
namespace PanelStyle {
// The look of the panel containers fraMenu_0 ... : frames without caption of one size,
// 7455 x 3855 twips.
constexpr int WidthTwips = 7455;
constexpr int HeightTwips = 3855;
void styleContainer(QFrame *panel, int index);

// "base_index": the name of element `index` of a control array.
QString elementName(const char *base, int index);

// A text of the game table, in the user's language.
QString trGame(const char *text);

// "Imprint MT Shadow" 18 pt, with a drawn shadow.
void setShadowFace(QLabel *label);
} // namespace PanelStyle
