#include "ui/luck/longrunwrap.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace LongRunWrap {
namespace {
bool anyBlockHasLongRun(const QTextDocument *doc)
{
    // A run ends at a paragraph's end, so only paragraphs longer than a run need reading.
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (b.length() > LongRun && hasLongRun(b.text()))
            return true;
    return false;
}

QString textBetween(QTextDocument *doc, int from, int to)
{
    QTextCursor cursor(doc);
    cursor.setPosition(std::clamp(from, 0, doc->characterCount() - 1));
    cursor.setPosition(std::clamp(to, 0, doc->characterCount() - 1), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

bool hasSpace(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// Whether the document holds a long run after `added` characters at `position` replaced
// `removed` ones; `before` is whether it held one before the change.
bool longRunAfterChange(QTextDocument *doc, bool before, int position, int removed, int added)
{
    if (!before) {
        // A new run must reach into the added text: read it with a run's length either side.
        return added > 0 &&
               hasLongRun(textBetween(doc, position - LongRun, position + added + LongRun));
    }
    // Added text without a space cannot split a run; anything else may have ended the last.
    if (removed == 0 && !hasSpace(textBetween(doc, position, position + added)))
        return true;
    return anyBlockHasLongRun(doc);
}
} // namespace

bool hasLongRun(QStringView text)
{
    int run = 0;
    for (const QChar c : text) {
        // selectedText() gives paragraph ends as U+2029, which isSpace() counts as space.
        run = c.isSpace() ? 0 : run + 1;
        if (run >= LongRun)
            return true;
    }
    return false;
}

void install(QPlainTextEdit *edit)
{
    QTextDocument *doc = edit->document();
    // The document tells of a change before the box lays the changed text out, so the mode
    // is right before the costly layout would start.
    QObject::connect(
        doc, &QTextDocument::contentsChange, edit,
        [edit, doc](int position, int removed, int added) {
            const bool before = edit->wordWrapMode() == QTextOption::WrapAnywhere;
            const bool after = longRunAfterChange(doc, before, position, removed, added);
            if (after != before)
                edit->setWordWrapMode(after ? QTextOption::WrapAnywhere
                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
        });
}
} // namespace LongRunWrap
