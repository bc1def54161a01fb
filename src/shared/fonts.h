#pragma once

#include <QFont>

namespace Fonts {
// "MS Sans Serif", the face the windows' texts are designed in, at `points`. The program
// maps it onto a free sans-serif face (Program::installFontSubstitutes).
QFont msSansSerif(qreal points, bool bold = false);
} // namespace Fonts
