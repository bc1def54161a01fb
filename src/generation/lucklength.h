#pragma once

#include <QString>
#include <QtGlobal>

namespace LuckLength {
// The length of the luck-word text in characters, as the program counts it for the seed:
// UTF-16 code units (as QString counts them, so a character outside the Basic Multilingual
// Plane counts 2), with every line break counted as the carriage return and line feed
// it stands for. Qt's text widgets keep a line break as one character, so '\n' counts 2,
// and so do the other characters the editor shows as a line break: U+2029 (paragraph
// separator), U+2028 (line separator, Shift+Enter), a lone '\r' and a "\r\n" pair.
// "a\nb" has length 4. Linear in the text's size; a length beyond 2^31 - 1 gives 2^31 - 1.
qint32 of(const QString &text);
} // namespace LuckLength
