// The exerciser's state machine: a sequence's life (start, log, hang and failure), watching
// the program, and choosing the next action. The actions are in exerciser_actions.cpp, the
// invariants in exerciser_invariants.cpp.

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

namespace {
// Warnings and critical messages seen since the handler was installed, not yet reported.
QMutex g_messagesMutex;
QStringList g_messageFaults;
QtMessageHandler g_previousHandler = nullptr;
QFile *g_liveLog = nullptr;

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Category "js": the console of a web page's own scripts (the engine's error pages among
    // them), which the web view passes on as warnings; not the program's.
    const bool pageScript = context.category && qstrcmp(context.category, "js") == 0;
    if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) && !pageScript) {
        if (!Exerciser::allowedMessage(message)) {
            QMutexLocker lock(&g_messagesMutex);
            g_messageFaults << message;
        }
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

namespace ExerciserDetail {
QStringList takeMessageFaults()
{
    QMutexLocker lock(&g_messagesMutex);
    QStringList out;
    out.swap(g_messageFaults);
    return out;
}

// The luck-word editor's text box while the editor is on screen.
QWidget *luckTextBox()
{
    QWidget *editor = TestSupport::topLevel("frmVorla");
    if (!editor || !editor->isVisible())
        return nullptr;
    return editor->findChild<QWidget *>(QStringLiteral("Text1"));
}

bool isUserWindow(const QWidget *w)
{
    if (!w->isWindow() || !w->isVisible() || !w->windowHandle())
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

QString shortText(QString s)
{
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QChar(13), QLatin1String("\\r"));
    if (s.size() > 40)
        s = s.left(37) + QLatin1String("...");
    return s;
}

QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate() || c.unicode() == 0x2028 ||
            c.unicode() == 0x2029)
            out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (out.size() > 60)
        out = out.left(57) + QStringLiteral("... (%1 chars)").arg(text.size());
    return out;
}
} // namespace ExerciserDetail

using namespace ExerciserDetail;

void Exerciser::installMessageHandler()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    g_previousHandler = qInstallMessageHandler(messageHandler);
}

bool Exerciser::allowedMessage(const QString &message)
{
    // Only messages the offscreen platform plugin prints about its own limits belong here:
    // it has no window manager, so it cannot pass size hints on or raise windows. Nothing
    // the program itself reports may be listed.
    static const char *const allowed[] = {
        "This plugin does not support propagateSizeHints()",
        "This plugin does not support raise()",
        "This plugin does not support grabbing the keyboard",
        "This plugin does not support grabbing the mouse", // an open menu, from Qt 6.11 on
        "This plugin does not support setParent!",
        // The offscreen platform has no OpenGL: the web engine says so when it starts and
        // then draws in software.
        "WebEngineContext used before QtWebEngineCore::initialize() or OpenGL context "
        "creation failed.",
        "No suitable graphics backend found",
    };
    for (const char *a : allowed)
        if (message.contains(QLatin1String(a)))
            return true;
    return false;
}

Exerciser::Exerciser(MainWindow *main, WindowHooks &hooks, Options options)
    : m_main(main), m_hooks(hooks), m_opt(std::move(options)), m_rng(m_opt.seed)
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Exerciser::step);
    m_hangTimer.setSingleShot(true);
    connect(&m_hangTimer, &QTimer::timeout, this, &Exerciser::hang);
    if (!m_opt.liveLogPath.isEmpty()) {
        g_liveLog = new QFile(m_opt.liveLogPath);
        if (!g_liveLog->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            delete g_liveLog;
            g_liveLog = nullptr;
        }
    }
}

void Exerciser::openUrl(const QUrl &url)
{
    // Stands in for the desktop's browser and mail program.
    appendLog(QStringLiteral("  the desktop was asked to open %1").arg(url.toString()));
    m_counts[QStringLiteral("desktop url")]++;
}

Exerciser::~Exerciser()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    m_hooks.forcedExchanges = 0;
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    delete g_liveLog;
    g_liveLog = nullptr;
}

QStringList Exerciser::windowsSeen() const
{
    QStringList out(m_windowsSeen.begin(), m_windowsSeen.end());
    out.sort();
    return out;
}

bool Exerciser::run()
{
    installMessageHandler();
    takeMessageFaults(); // what came before this sequence is not its fault
    m_clock.start();
    m_remaining = m_opt.actions;
    m_fullRunsLeft = m_opt.fullRuns;
    m_hooks.forcedExchanges = 300;
    watchButtons();
    appendLog(QStringLiteral("seed %1, %2 actions").arg(m_opt.seed).arg(m_opt.actions));
    check(QStringLiteral("at start"));

    QEventLoop loop;
    QMetaObject::Connection done =
        connect(this, &QObject::objectNameChanged, &loop, &QEventLoop::quit);
    m_timer.start(0);
    m_hangTimer.start(m_opt.hangLimitMs + 10000); // step() checks the limit first
    while (!m_done) {
        loop.exec();
        if (!m_done && m_resumed) {
            // Our own quit from before a window opened again: go on winding down.
            m_resumed = false;
            continue;
        }
        if (!m_done) {
            // Every event loop was ended: the program ended itself (File, Exit, Yes). That
            // is the end of the sequence too; anything else ending them is a fault.
            appendLog(QStringLiteral("the program ended (every event loop quit)"));
            if (!m_exitAnswered)
                fail(QStringLiteral("the event loops ended without a Yes to the exit question"));
            m_programEnded = true;
            break;
        }
    }
    disconnect(done);
    m_timer.stop();
    m_hangTimer.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_final = true;
    check(QStringLiteral("at end"));
    return m_failure.isEmpty();
}

void Exerciser::appendLog(const QString &line)
{
    m_log << line;
    if (g_liveLog) {
        g_liveLog->write(line.toUtf8());
        g_liveLog->write("\n");
        g_liveLog->flush();
    }
}

void Exerciser::fail(const QString &what)
{
    appendLog(QStringLiteral("FAIL: ") + what);
    if (m_failure.isEmpty())
        m_failure = what;
    m_windDown = true;
}

void Exerciser::hang()
{
    std::fprintf(stderr, "exerciser: seed %u did not finish within %d ms; action log:\n",
                 m_opt.seed, m_opt.hangLimitMs);
    for (const QString &line : std::as_const(m_log))
        std::fprintf(stderr, "  %s\n", qPrintable(line));
    QWidget *modal = QApplication::activeModalWidget();
    std::fprintf(stderr,
                 "  active modal: %s, runs in progress: %lld, sequence done: %d, nested "
                 "actions: %d\n",
                 qPrintable(describe(modal)), static_cast<long long>(m_runs.size()), int(m_done),
                 m_depth);
    std::fflush(stderr);
    std::abort();
}

QString Exerciser::checkNow(const QString &when)
{
    if (m_connections.isEmpty())
        watchButtons();
    check(when);
    return m_failure;
}

// ---- watching the program ----------------------------------------------------------------

void Exerciser::watchButtons()
{
    for (int p = Panel::FirstGame; p <= Panel::Custom; ++p) {
        auto *gen = m_main->findChild<QAbstractButton *>(QStringLiteral("cmdgenerate_%1").arg(p));
        if (gen) {
            gen->installEventFilter(this);
            m_connections << connect(gen, &QAbstractButton::released, this, [this, p, gen] {
                if (!m_releaseWithoutClick.remove(gen))
                    onGenerateReleased(p);
            });
            // Connected after the window's own handler, so this runs when the run is over.
            m_connections << connect(gen, &QAbstractButton::clicked, this,
                                     [this, p] { onGenerateClicked(p); });
        }
        auto *back = m_main->findChild<QAbstractButton *>(QStringLiteral("cmdback_%1").arg(p));
        if (back) {
            back->installEventFilter(this);
            m_connections << connect(back, &QAbstractButton::released, this, [this, back] {
                if (!m_releaseWithoutClick.remove(back))
                    onBackReleased();
            });
            m_connections << connect(back, &QAbstractButton::clicked, this,
                                     &Exerciser::onBackClicked);
        }
    }
}

bool Exerciser::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
    case QEvent::Hide:
        // What the button says `released` for now is no click.
        m_releaseWithoutClick.insert(watched);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Timer:
        m_releaseWithoutClick.remove(watched);
        break;
    default:
        break;
    }
    return false;
}

void Exerciser::onGenerateReleased(int panel)
{
    m_runs << panel;
    ++m_runsStarted;
    appendLog(QStringLiteral("  run starts on panel %1").arg(panel));
}

void Exerciser::onGenerateClicked(int panel)
{
    const int i = m_runs.lastIndexOf(panel);
    if (i >= 0)
        m_runs.removeAt(i);
    appendLog(QStringLiteral("  run on panel %1 ends").arg(panel));
    check(QStringLiteral("after the run on panel %1").arg(panel));
}

void Exerciser::onBackReleased()
{
    ++m_backDepth;
}

void Exerciser::onBackClicked()
{
    if (m_backDepth > 0)
        --m_backDepth;
}

// ---- the state machine -----------------------------------------------------------------------

void Exerciser::step()
{
    if (m_done) {
        // A request that waited for a modal show to return can open a window after the
        // sequence ended (the luck-word editor asked for while closing): wind down again.
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget()) {
            m_timer.start(100); // keeps looking until run() has returned
            return;
        }
        m_done = false;
        m_resumed = true;
        setObjectName(QString());
        appendLog(QStringLiteral("a window opened after the end: winding down again"));
    }
    if (m_clock.elapsed() > m_opt.hangLimitMs)
        hang();
    check(QStringLiteral("before action %1").arg(m_actionsDone + 1));
    if (m_remaining <= 0)
        m_windDown = true;

    Action a = m_windDown ? chooseWindDown() : choose();
    if (m_done) {
        // Nothing of ours is left open: the sequence is over.
        setObjectName(QStringLiteral("done")); // wakes run()
        m_timer.start(100);
        return;
    }
    if (!m_windDown)
        --m_remaining;
    ++m_actionsDone;
    appendLog(QStringLiteral("#%1 [panel %2] %3")
                  .arg(m_actionsDone)
                  .arg(m_main ? m_main->visiblePanel() : -1)
                  .arg(a.description));
    // The next step is due before this one acts: if the action blocks in a nested event loop,
    // the sequence goes on inside it.
    m_timer.start(a.delayAfter);
    ++m_depth;
    perform(a);
    --m_depth;
    check(QStringLiteral("after action %1 (%2)").arg(m_actionsDone).arg(a.description));
}

Exerciser::Action Exerciser::choose()
{
    Action a;
    // An open menu takes every key and click until it closes.
    if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        QList<QAction *> items;
        for (QAction *act : popup->actions())
            if (!act->isSeparator() && act->isVisible())
                items << act;
        if (!items.isEmpty() && m_rng.bounded(10) < 6) {
            QAction *item = items.at(m_rng.bounded(int(items.size())));
            const bool exitItem = item->objectName() == QLatin1String("mnuFileExit");
            a.kind = Kind::PopupItem;
            a.widget = popup;
            a.window = popup->windowHandle();
            a.action = item;
            a.pos = popup->actionGeometry(item).center();
            a.delayAfter = m_rng.bounded(4);
            a.description =
                QStringLiteral("click menu item %1%2")
                    .arg(item->objectName().isEmpty() ? item->text() : item->objectName(),
                         exitItem && !ExitCanBeObserved
                             ? QStringLiteral(" (Yes will not be answered)")
                             : QString());
            return a;
        }
        static const int keys[] = {Qt::Key_Escape, Qt::Key_Down,  Qt::Key_Up,
                                   Qt::Key_Left,   Qt::Key_Right, Qt::Key_Return};
        return keyTo(popup, keys[m_rng.bounded(int(std::size(keys)))], Qt::NoModifier);
    }

    const QList<QWidget *> windows = reachableWindows();
    if (windows.isEmpty()) {
        a.delayAfter = 20;
        a.description = QStringLiteral("wait 20 ms (no window)");
        return a;
    }
    QWidget *modal = QApplication::activeModalWidget();
    auto *box = qobject_cast<QMessageBox *>(modal);

    // The exit question: a Yes ends the sequence, so it comes now and then only; otherwise No,
    // Esc or its close box.
    if (isExitBox(box)) {
        if (ExitCanBeObserved && m_rng.bounded(5) == 0)
            return clickOn(box->button(QMessageBox::Yes));
        switch (m_rng.bounded(4)) {
        case 0:
            return keyTo(box, Qt::Key_Escape, Qt::NoModifier);
        case 1:
            a.kind = Kind::Close;
            a.widget = box;
            a.description = QStringLiteral("close request on %1").arg(describe(box));
            return a;
        default:
            return clickOn(box->button(QMessageBox::No));
        }
    }

    // A message box is answered most of the time, with any of its buttons.
    if (box && m_rng.bounded(10) < 6) {
        QList<QAbstractButton *> buttons = box->buttons();
        if (!buttons.isEmpty())
            return clickOn(buttons.at(m_rng.bounded(int(buttons.size()))));
    }

    QWidget *window = windows.at(m_rng.bounded(int(windows.size())));
    QWidget *text = luckTextBox();
    const bool canType = text && (!modal || modal == text->window());

    const int r = m_rng.bounded(100);
    if (r < 34) {
        QList<QWidget *> targets = clickTargets(window);
        // Enabled controls are what a user aims at; disabled ones get an occasional try.
        QList<QWidget *> enabled;
        for (QWidget *t : targets)
            if (t->isEnabled() && clickAllowed(t))
                enabled << t;
        QList<QWidget *> &pool = (!enabled.isEmpty() && m_rng.bounded(6) != 0) ? enabled : targets;
        for (int tries = 0; tries < 5 && !pool.isEmpty(); ++tries) {
            QWidget *t = pool.at(m_rng.bounded(int(pool.size())));
            if (!clickAllowed(t))
                continue;
            if (auto *bar = qobject_cast<QMenuBar *>(t)) {
                // A click on a title of the menu bar opens that menu.
                const QList<QAction *> tops = bar->actions();
                if (tops.isEmpty())
                    continue;
                QAction *top = tops.at(m_rng.bounded(int(tops.size())));
                a = clickOn(bar);
                a.pos = bar->mapTo(window, bar->actionGeometry(top).center());
                a.description = QStringLiteral("click menu bar title %1").arg(top->objectName());
                return a;
            }
            return clickOn(t);
        }
    }
    if (r < 46) {
        QList<QWidget *> targets = clickTargets(window);
        if (!targets.isEmpty())
            return clickOn(targets.at(m_rng.bounded(int(targets.size()))), Kind::Hover);
    }
    if (r < 66) {
        QWidget *target = window;
        if (!modal && QApplication::activeWindow() && isUserWindow(QApplication::activeWindow()) &&
            m_rng.bounded(2) == 0)
            target = QApplication::activeWindow();
        return randomKey(target);
    }
    if (r < 74 && !modal)
        return randomMenuItem();
    if (r < 78) {
        // Close requests go to any window on screen (a blocked one refuses them).
        QList<QWidget *> all;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (isUserWindow(w))
                all << w;
        a.kind = Kind::Close;
        a.widget = all.isEmpty() ? nullptr : all.at(m_rng.bounded(int(all.size())));
        a.delayAfter = m_rng.bounded(4);
        a.description = QStringLiteral("close request on %1").arg(describe(a.widget));
        if (a.widget)
            return a;
    }
    if (r < 92 && canType)
        return randomText(text, m_rng.bounded(4) == 0);
    if (r == 92 && BrowserLoader::client().isRunning()) {
        a.kind = Kind::KillBrowser; // the program must carry on without its browser
        a.description = QStringLiteral("kill the browser helper");
        return a;
    }
    a.kind = Kind::Wait;
    // Mostly a moment (a few ticks of the 150 ms blink), now and then long enough for slower
    // timers and animations to finish.
    a.delayAfter = m_rng.bounded(12) == 0 ? 300 + m_rng.bounded(500) : 5 + m_rng.bounded(100);
    a.description = QStringLiteral("wait %1 ms").arg(a.delayAfter);
    return a;
}

Exerciser::Action Exerciser::chooseWindDown()
{
    // Close whatever is open and let runs finish, then stop.
    ++m_windDownSteps;
    if (QWidget *popup = QApplication::activePopupWidget())
        return keyTo(popup, Qt::Key_Escape, Qt::NoModifier);
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (m_windDownSteps % 2 == 1)
            return keyTo(modal, Qt::Key_Escape, Qt::NoModifier);
        Action a;
        a.kind = Kind::Close;
        a.widget = modal;
        a.delayAfter = 1;
        a.description = QStringLiteral("close request on %1 (winding down)").arg(describe(modal));
        return a;
    }
    Action a;
    if (Lotto.Generating != 0) {
        a.delayAfter = 20;
        a.description = QStringLiteral("wait 20 ms for the run to end (winding down)");
        return a;
    }
    m_done = true;
    return a;
}
