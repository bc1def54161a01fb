#include "generation/lucklength.h"

#include <limits>

qint32 LuckLength::of(const QString &text)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *const end = p + text.size();
    qint64 breaks = 0;    // line breaks, each adding one to its own character
    qint64 crlfPairs = 0; // "\r\n" pairs: two characters that are already a CR LF
    for (; p != end; ++p) {
        switch (*p) {
        case u'\r':
            ++breaks;
            if (p + 1 != end && p[1] == u'\n') {
                ++crlfPairs;
                ++p;
            }
            break;
        case u'\n':
        case u'\u2028':
        case u'\u2029':
            ++breaks;
            break;
        default:
            break;
        }
    }
    // Every character counts once, every break once more; a CR LF pair is one break of two
    // characters, so it is not counted again.
    const qint64 length = qint64(text.size()) + breaks - crlfPairs;
    constexpr qint64 limit = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(length > limit ? limit : length);
}
