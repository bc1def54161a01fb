#pragma once

#include <QString>

class QWidget;

// What the rest of the program uses of the luck-word editor (frmVorla).
namespace LuckWords {
// The current luck-word text. Reading it before the editor was ever opened creates the
// editor hidden, with an empty box, so the text is then "".
QString text();

// The open-editor steps: create the editor if needed, show it modally (centred over
// `anchor` when that is on the screen, else over the screen), hide it when the modal show
// returns. Closing it sets Lotto.VorlaAdded.
void openEditor(QWidget *anchor = nullptr);
} // namespace LuckWords
