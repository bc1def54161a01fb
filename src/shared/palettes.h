#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Which colours the windows take from the desktop and which they keep. The program paints
// some backgrounds itself (the main window's green, which the status strip shows too, the
// panels' green, About's picture); the texts on them keep the colour a light desktop gives
// them, so that a dark or high-contrast desktop palette cannot turn them pale on a pale
// ground. Controls that draw their own faces (buttons, menus, the text box, message boxes,
// Help's page) follow the desktop, and so does the splash, which has no picture behind its
// texts, and whatever surface is handed back to the desktop.
namespace Palettes {
// A light desktop's window face (under About's picture) and its text.
inline const QColor LightFace = QColor(239, 239, 239);
inline const QColor LightText = QColor(0, 0, 0);

// A surface the program paints itself: filled with `background`, its texts in `text`, on
// every desktop palette and after every change of it. A colour a control on it sets for
// itself (the contact address's blue) stays as it is.
void paintOwn(QWidget *surface, const QColor &background, const QColor &text = LightText);

// A surface lying on one of the program's own that takes the desktop's colours again: filled
// with the desktop's `background` role, its texts in its `text` role. It follows the desktop
// when the palette or the theme changes while the program runs.
void followDesktop(QWidget *surface, QPalette::ColorRole background, QPalette::ColorRole text);

// A text colour a control sets for itself (the contact address's blue), kept the same way.
void keepText(QWidget *widget, const QColor &text);

// The colour of a dashed focus ring drawn over a white one: the desktop's highlight where it
// shows on white, black where it does not (a black-and-white palette highlights in white).
QColor focusRing(const QPalette &palette);

// How far apart two colours are to the eye: the contrast ratio of accessibility guidelines,
// from 1 (the same) to 21 (black and white).
double contrast(const QColor &a, const QColor &b);
} // namespace Palettes
