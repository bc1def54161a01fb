// The exerciser's actions: what a user can do next on the windows now on the screen, and
// doing it the way the window system would.

#include "exerciser.h"
#include "exerciserdetail.h"

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/browser/browserclient.h"
#include "ui/browser/browserloader.h"
#include "ui/luck/luckwords.h"
#include "ui/main/catalogue.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMutex>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace ExerciserDetail;

QList<QWidget *> Exerciser::reachableWindows() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return {modal};
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isUserWindow(w))
            out << w;
    return out;
}

QList<QWidget *> Exerciser::clickTargets(QWidget *window) const
{
    QList<QWidget *> out;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisible() || w->width() < 2 || w->height() < 2)
            continue;
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<Picture *>(w) ||
            qobject_cast<QLabel *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
            qobject_cast<QTextEdit *>(w) || qobject_cast<QLineEdit *>(w) ||
            qobject_cast<QComboBox *>(w) || qobject_cast<QMenuBar *>(w)) {
            const QPoint c = w->mapTo(window, w->rect().center());
            if (window->rect().contains(c))
                out << w;
        }
    }
    return out;
}

bool Exerciser::isExitBox(const QWidget *w)
{
    auto *box = qobject_cast<const QMessageBox *>(w);
    return box && box->text().contains(QLatin1String("Are you sure you want to exit?"));
}

void Exerciser::chooseRunLength()
{
    // Runs of the drawn length take 1 to 3 seconds: a few per sequence. The others make a
    // few thousand exchanges, which keeps every step of a run and its yields.
    if (m_fullRunsLeft > 0 && m_rng.bounded(4) == 0) {
        --m_fullRunsLeft;
        m_hooks.forcedExchanges = 0;
    } else {
        m_hooks.forcedExchanges = 300 + m_rng.bounded(3000);
    }
}

bool Exerciser::clickAllowed(QWidget *target) const
{
    if (!target)
        return false;
    QWidget *window = target->window();
    if (isExitBox(window) && !ExitCanBeObserved) {
        auto *box = static_cast<QMessageBox *>(window);
        if (qobject_cast<QAbstractButton *>(target) &&
            box->standardButton(static_cast<QAbstractButton *>(target)) == QMessageBox::Yes)
            return false;
    }
    return true;
}

QString Exerciser::describe(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(none)");
    QString name = w->objectName();
    if (name.isEmpty()) {
        name = QString::fromLatin1(w->metaObject()->className());
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            name += QStringLiteral(" \"%1\"").arg(shortText(b->text()));
        else if (auto *l = qobject_cast<const QLabel *>(w))
            name += QStringLiteral(" \"%1\"").arg(shortText(l->text()));
    }
    const QWidget *win = w->window();
    if (win != w) {
        QString wn = win->objectName();
        if (wn.isEmpty())
            wn = QString::fromLatin1(win->metaObject()->className());
        name += QStringLiteral(" in ") + wn;
    }
    return name;
}

Exerciser::Action Exerciser::clickOn(QWidget *target, Kind kind)
{
    Action a;
    a.kind = kind;
    a.widget = target;
    QWidget *window = target->window();
    a.window = window->windowHandle();
    a.pos = target->mapTo(window, target->rect().center());
    // Somewhere inside the control, not always the centre.
    if (target->width() > 6 && target->height() > 6) {
        const int dx = m_rng.bounded(target->width() - 4) - (target->width() - 4) / 2;
        const int dy = m_rng.bounded(target->height() - 4) - (target->height() - 4) / 2;
        if (kind == Kind::Hover || m_rng.bounded(2) == 0)
            a.pos += QPoint(dx, dy);
    }
    a.delayAfter = m_rng.bounded(4);
    a.description = QStringLiteral("%1 %2").arg(
        kind == Kind::Hover ? QStringLiteral("hover") : QStringLiteral("click"), describe(target));
    return a;
}

Exerciser::Action Exerciser::keyTo(QWidget *window, int key, Qt::KeyboardModifiers mods)
{
    Action a;
    a.kind = Kind::Key;
    a.widget = window;
    a.window = window->windowHandle();
    a.key = key;
    a.mods = mods;
    a.delayAfter = m_rng.bounded(4);
    a.description = QStringLiteral("key %1 to %2")
                        .arg(QKeySequence(key | int(mods)).toString(), describe(window));
    return a;
}

Exerciser::Action Exerciser::randomKey(QWidget *window)
{
    static const int plainKeys[] = {Qt::Key_Escape, Qt::Key_Return,  Qt::Key_Enter, Qt::Key_Space,
                                    Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_F1,    Qt::Key_Up,
                                    Qt::Key_Down,   Qt::Key_Left,    Qt::Key_Right};
    static const int ctrlKeys[] = {Qt::Key_C, Qt::Key_P, Qt::Key_X, Qt::Key_A};
    const int r = m_rng.bounded(10);
    if (r < 5) {
        const int key = plainKeys[m_rng.bounded(int(std::size(plainKeys)))];
        return keyTo(window, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    if (r < 7)
        return keyTo(window, ctrlKeys[m_rng.bounded(int(std::size(ctrlKeys)))],
                     Qt::ControlModifier);
    // Alt and a letter: mostly the access keys on screen, sometimes any letter.
    QList<int> letters;
    if (m_rng.bounded(3) != 0) {
        QStringList texts;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            if (b->isVisible())
                texts << b->text();
        for (QLabel *l : window->findChildren<QLabel *>())
            if (l->isVisible() && l->buddy())
                texts << l->text();
        if (auto *mw = qobject_cast<QMainWindow *>(window))
            for (QAction *act : mw->menuBar()->actions())
                texts << act->text();
        for (const QString &t : texts) {
            const int amp = t.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < t.size() && t.at(amp + 1).isLetter())
                letters << (Qt::Key_A + (t.at(amp + 1).toUpper().unicode() - 'A'));
        }
    }
    const int key = letters.isEmpty() ? Qt::Key_A + m_rng.bounded(26)
                                      : letters.at(m_rng.bounded(int(letters.size())));
    return keyTo(window, key, Qt::AltModifier);
}

Exerciser::Action Exerciser::randomMenuItem()
{
    // What a user can reach: items that are enabled, under menus that are enabled.
    QList<QAction *> reachable;
    std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        if (!menu->isEnabled() || !menu->menuAction()->isEnabled())
            return;
        for (QAction *a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible() || !a->isEnabled())
                continue;
            if (a->menu())
                walk(a->menu());
            else
                reachable << a;
        }
    };
    for (QAction *top : m_main->menuBar()->actions())
        if (top->menu() && top->isVisible())
            walk(top->menu());
    Action a;
    if (reachable.isEmpty()) {
        a.kind = Kind::Wait;
        a.delayAfter = 10;
        a.description = QStringLiteral("wait 10 ms (no menu item reachable)");
        return a;
    }
    a.kind = Kind::Menu;
    a.action = reachable.at(m_rng.bounded(int(reachable.size())));
    a.delayAfter = m_rng.bounded(4);
    a.description = QStringLiteral("menu %1").arg(a.action->objectName());
    if (a.action->objectName() == QLatin1String("mnuFileExit") && !ExitCanBeObserved)
        a.description += QStringLiteral(" (Yes will not be answered)");
    return a;
}

QString Exerciser::randomTypedText()
{
    static const char16_t *const pieces[] = {
        u"Anna",
        u"12.05.1971",
        u" ",
        u"lucky",
        u"7",
        u"Zoë",
        u"\u00e9t\u00e9",
        u"\U0001F600",
        u"\U0001F3B2\U0001F340",
        u"\u05e9\u05dc\u05d5\u05dd",
        u"\u0645\u0631\u062d\u0628\u0627",
        u"\u4e2d\u6587",
        u"a\u0301",
        u"\u200f",
        u"\t",
    };
    QString s;
    const int n = 1 + m_rng.bounded(4);
    for (int i = 0; i < n; ++i)
        s += QString::fromUtf16(pieces[m_rng.bounded(int(std::size(pieces)))]);
    return s;
}

Exerciser::Action Exerciser::randomText(QWidget *editor, bool paste)
{
    Action a;
    a.kind = paste ? Kind::Paste : Kind::Type;
    a.widget = editor;
    a.window = editor->window()->windowHandle();
    a.pos = editor->mapTo(editor->window(), editor->rect().center());
    a.delayAfter = m_rng.bounded(4);
    if (!paste) {
        a.text = randomTypedText();
        a.description =
            QStringLiteral("type \"%1\" into %2").arg(escaped(a.text), describe(editor));
        return a;
    }
    switch (m_rng.bounded(8)) {
    case 0:
        a.text = QString();
        break;
    case 1:
        a.text = QStringLiteral(" ");
        break;
    case 2:
        // Pasted prose, up to 100 kB.
        a.text =
            (QString(59, QLatin1Char('x')) + QLatin1Char('\n')).repeated(300 + m_rng.bounded(1400));
        break;
    case 3: {
        static constexpr char16_t controls[] = u"nul\0and\x01\x07\x1b control";
        a.text = QString::fromUtf16(controls, std::size(controls) - 1); // the NUL inside counts
    } break;
    case 4:
        a.text = QString::fromUtf16(u"line\u2028separator\u2029paragraph\r\nCRLF\rCR\nLF");
        break;
    case 5: {
        a.text = QString::fromUtf16(u"\U0001F600\U0001F46A\u200d\u05e9\u05dc\u05d5\u05dd "
                                    u"\u202eRTL override\u202c");
        break;
    }
    case 6:
        // A lone surrogate: not a valid character at all.
        a.text = QStringLiteral("half") + QChar(0xd83d) + QStringLiteral("pair");
        break;
    default:
        a.text = randomTypedText().repeated(1 + m_rng.bounded(50));
        break;
    }
    a.description = QStringLiteral("paste \"%1\" into %2").arg(escaped(a.text), describe(editor));
    return a;
}

// One key pressed or released the way the window system delivers it, modifier keys first
// on the way down and last on the way up. Unlike QTest's helpers this looks again after every
// event whether the window is still there and shown: an event (or a timer running meanwhile,
// such as a button's delayed click) can close it, and no window system gives keys to a
// window that is off the screen.
void Exerciser::sendKey(const QPointer<QWindow> &window, bool press, int key,
                        Qt::KeyboardModifiers mods)
{
    static const std::pair<Qt::KeyboardModifier, int> modifierKeys[] = {
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::AltModifier, Qt::Key_Alt}};
    auto send = [&](QEvent::Type type, int k, Qt::KeyboardModifiers held, const QString &text) {
        if (!window || !window->isVisible())
            return;
        qt_handleKeyEvent(window, type, k, held, text);
        QCoreApplication::processEvents();
    };
    QString text;
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_Space:
            text = QStringLiteral(" ");
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            text = QStringLiteral("\r");
            break;
        case Qt::Key_Tab:
            text = QStringLiteral("\t");
            break;
        case Qt::Key_Escape:
            text = QString(QChar(0x1b));
            break;
        default:
            if (key >= Qt::Key_A && key <= Qt::Key_Z)
                text = QChar(key - Qt::Key_A + 'a');
            break;
        }
    }
    Qt::KeyboardModifiers held;
    if (press) {
        for (const auto &[flag, modKey] : modifierKeys)
            if (mods & flag) {
                held |= flag;
                send(QEvent::KeyPress, modKey, held, QString());
            }
        send(QEvent::KeyPress, key, mods, text);
    } else {
        held = mods;
        send(QEvent::KeyRelease, key, mods, text);
        for (const auto &[flag, modKey] : modifierKeys)
            if (mods & flag) {
                held &= ~flag;
                send(QEvent::KeyRelease, modKey, held, QString());
            }
    }
}

void Exerciser::perform(Action &a)
{
    switch (a.kind) {
    case Kind::Wait:
        m_counts[QStringLiteral("wait")]++;
        return;
    case Kind::KillBrowser:
        m_counts[QStringLiteral("browser killed")]++;
        if (const qint64 pid = BrowserLoader::client().helperPid()) // 0: it has ended
            ::kill(pid_t(pid), SIGKILL);
        return;
    case Kind::Menu:
        m_counts[QStringLiteral("menu")]++;
        if (a.action)
            a.action->trigger();
        return;
    case Kind::Close: {
        m_counts[QStringLiteral("close")]++;
        if (!a.widget || !a.widget->windowHandle())
            return;
        const bool inEditor = a.widget->objectName() == QLatin1String("frmVorla");
        m_textFreeDepth += inEditor;
        // What the window manager does for the title bar's close box.
        a.widget->windowHandle()->close();
        m_textFreeDepth -= inEditor;
        if (inEditor)
            m_textKnown = false;
        return;
    }
    default:
        break;
    }
    if (!a.widget || !a.window) {
        appendLog(QStringLiteral("  (target gone)"));
        return;
    }
    QWidget *window = a.widget->window();
    if (isExitBox(window))
        m_exitAnswered = true; // any answer may be Yes (a click, Enter, Space, Alt+Y)
    const bool inEditor = window->objectName() == QLatin1String("frmVorla");
    const bool toMain = window == m_main;
    m_textFreeDepth += inEditor;
    switch (a.kind) {
    case Kind::Click:
    case Kind::PopupItem:
    case Kind::Hover:
        // The window may have changed its size since (the editor's animation).
        if (!QRect(QPoint(), a.window->size()).contains(a.pos)) {
            appendLog(QStringLiteral("  (the place is no longer inside the window)"));
            m_textFreeDepth -= inEditor;
            return;
        }
        break;
    default:
        break;
    }
    switch (a.kind) {
    case Kind::Click:
    case Kind::PopupItem: {
        m_counts[a.kind == Kind::Click ? QStringLiteral("click") : QStringLiteral("menu item")]++;
        if (a.widget->objectName().startsWith(QLatin1String("cmdgenerate_")))
            chooseRunLength();
        QTest::mouseClick(a.window, Qt::LeftButton, Qt::NoModifier, a.pos);
        break;
    }
    case Kind::Hover:
        m_counts[QStringLiteral("hover")]++;
        QTest::mouseMove(a.window, a.pos);
        break;
    case Kind::Key: {
        m_counts[QStringLiteral("key")]++;
        if (QWidget *focus = QApplication::focusWidget();
            (focus && focus->objectName().startsWith(QLatin1String("cmdgenerate_"))) ||
            a.mods == Qt::AltModifier)
            chooseRunLength(); // Enter, Space or an access key may press Generate
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget() &&
            QApplication::activeWindow() != window)
            window->activateWindow(); // the user brings the window to the front
        m_keyToMainDepth += toMain;
        // Press and release apart: when the press closed the window, the release does not
        // reach it (no window system delivers keys to a hidden window).
        sendKey(a.window, true, a.key, a.mods);
        if (a.window && a.widget && a.widget->isVisible())
            sendKey(a.window, false, a.key, a.mods);
        m_keyToMainDepth -= toMain;
        break;
    }
    case Kind::Type:
    case Kind::Paste: {
        m_counts[a.kind == Kind::Type ? QStringLiteral("type") : QStringLiteral("paste")]++;
        QTest::mouseClick(a.window, Qt::LeftButton, Qt::NoModifier, a.pos);
        if (!a.window)
            break;
        if (!a.widget || !a.widget->isVisible())
            break;
        if (a.kind == Kind::Paste) {
            QGuiApplication::clipboard()->setText(a.text);
            sendKey(a.window, true, Qt::Key_V, Qt::ControlModifier);
            sendKey(a.window, false, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (QChar c : std::as_const(a.text)) {
                // The window may have closed meanwhile (a delayed click on OK): nobody types
                // into a window that is gone.
                if (!a.window || !a.widget || !a.widget->isVisible())
                    break;
                if (c == QLatin1Char('\t'))
                    QTest::keyClick(a.window, Qt::Key_Tab);
                else
                    QTest::sendKeyEvent(QTest::Click, a.window, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
            if (a.window && a.widget && a.widget->isVisible() && m_rng.bounded(4) == 0)
                QTest::keyClick(a.window, Qt::Key_Return);
        }
        break;
    }
    default:
        break;
    }
    m_textFreeDepth -= inEditor;
    if (inEditor)
        m_textKnown = false; // what the action did to the text is the new reference
}
