#pragma once

#include <QStringView>

class QPlainTextEdit;

// Keeps a word-wrapping text box responsive when it holds a very long run of characters
// with no place to break a line (a pasted blob without spaces). Breaking lines at word
// boundaries lays such a run out in time that grows with the square of its length: a run of
// 100,000 characters costs seconds per keystroke, one of a million several minutes. A run
// that long is broken anywhere in either mode, so while the text holds one the box wraps
// anywhere, which takes time in step with the length; once it holds none, the box wraps at
// word boundaries again.
namespace LongRunWrap {
// Runs at least this long switch the box to wrapping anywhere.
inline constexpr int LongRun = 4096;

// Watches `edit`'s document from now on; the edit must wrap lines at its width.
void install(QPlainTextEdit *edit);

// Whether `text` holds LongRun characters in a row with no white space among them.
bool hasLongRun(QStringView text);
} // namespace LongRunWrap
