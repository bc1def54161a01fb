#include "exerciser.h"

#include "support/testsupport.h"

#include "generation/catalogue.h"
#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/browser/browserclient.h"
#include "ui/browser/browserloader.h"
#include "ui/luck/luckwords.h"
#include "ui/main/generationhooks.h"
#include "ui/main/mainwindow.h"

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

QStringList takeMessageFaults()
{
    QMutexLocker lock(&g_messagesMutex);
    QStringList out;
    out.swap(g_messageFaults);
    return out;
}

// The window names of the program's single-instance windows.
const char *const SingleWindows[] = {"frmHelp", "frmabout", "frmVorla", "frmBrowser"};

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
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (out.size() > 60)
        out = out.left(57) + QStringLiteral("... (%1 chars)").arg(text.size());
    return out;
}
} // namespace

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

Exerciser::Exerciser(MainWindow *main, Options options)
    : m_main(main), m_opt(std::move(options)), m_rng(m_opt.seed)
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
    GenerationHooks::setForcedExchanges(0);
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
    GenerationHooks::setForcedExchanges(300);
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

// ---- invariants ------------------------------------------------------------------------------

void Exerciser::check(const QString &when)
{
    ++m_checks;
    QStringList faults;
    for (const QString &m : takeMessageFaults())
        faults << QStringLiteral("Qt message: ") + m;
    if (!m_main) {
        faults << QStringLiteral("the main window is gone");
    } else {
        if (!m_main->isVisible())
            faults << QStringLiteral("the main window is not visible");
        checkPanels(faults);
        checkRunState(faults);
        checkNumbers(faults);
    }
    checkLuckText(faults);
    checkSingleWindows(faults);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isUserWindow(w))
            m_windowsSeen << (w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName());
    if (!faults.isEmpty())
        fail(when + QStringLiteral(": ") + faults.join(QStringLiteral("; ")));
}

void Exerciser::checkPanels(QStringList &faults)
{
    int visible = 0;
    QStringList shown;
    for (int p = 0; p < Panel::Count; ++p) {
        auto *panel = m_main->findChild<QWidget *>(QStringLiteral("fraMenu_%1").arg(p));
        if (!panel) {
            faults << QStringLiteral("fraMenu_%1 missing").arg(p);
            continue;
        }
        if (panel->isHidden())
            continue;
        shown << panel->objectName();
        if (p == Panel::Custom)
            faults << QStringLiteral("fraMenu_6 is visible");
        else
            ++visible;
    }
    // Back hides every panel (yielding between them) before it shows the selection screen,
    // so while it is in progress no panel may be visible; never two.
    const bool backMayBeRunning = m_backDepth > 0 || m_keyToMainDepth > 0;
    if (visible > 1 || (visible == 0 && !backMayBeRunning))
        faults << QStringLiteral("visible panels: [%1]").arg(shown.join(QLatin1Char(',')));
}

void Exerciser::checkRunState(QStringList &faults)
{
    auto *picstatus = m_main->findChild<QWidget *>(QStringLiteral("picstatus"));
    auto *timer1 = m_main->findChild<QTimer *>(QStringLiteral("Timer1"));
    const bool fileEnabled =
        m_main->mnuFile()->menuAction()->isEnabled() && m_main->mnuFile()->isEnabled();
    const bool aboutEnabled =
        m_main->mnuAbout()->menuAction()->isEnabled() && m_main->mnuAbout()->isEnabled();
    if (m_runs.isEmpty()) {
        if (Lotto.Generating != 0)
            faults
                << QStringLiteral("Generating is %1 with no run in progress").arg(Lotto.Generating);
        if (picstatus && !picstatus->isHidden())
            faults << QStringLiteral("picstatus visible with no run in progress");
        if (timer1 && timer1->isActive())
            faults << QStringLiteral("Timer1 running with no run in progress");
        const QWidget *central = m_main->centralWidget();
        if (m_main->cursor().shape() != Qt::ArrowCursor ||
            (central && central->cursor().shape() != Qt::ArrowCursor) ||
            QGuiApplication::overrideCursor())
            faults << QStringLiteral("frmmain does not show the normal pointer");
        if (!fileEnabled || !aboutEnabled)
            faults << QStringLiteral("a menu is disabled with no run in progress");
    } else {
        const int p = m_runs.last();
        if (Lotto.Generating != 1)
            faults << QStringLiteral("Generating is %1 during a run on panel %2")
                          .arg(Lotto.Generating)
                          .arg(p);
        if (fileEnabled || aboutEnabled)
            faults << QStringLiteral("a menu is enabled during a run on panel %1").arg(p);
        auto *rules = m_main->findChild<QWidget *>(QStringLiteral("cmdrules_%1").arg(p));
        if (rules && rules->isEnabled())
            faults << QStringLiteral("cmdrules_%1 enabled during its run").arg(p);
    }
}

void Exerciser::checkNumbers(QStringList &faults)
{
    for (const GameInfo &g : Catalogue::games()) {
        auto *panel = m_main->findChild<QWidget *>(QStringLiteral("fraMenu_%1").arg(g.panel));
        if (!panel)
            continue;
        QStringList captions;
        int stars = 0;
        for (int i = 0; i < g.count; ++i) {
            auto *label = panel->findChild<QLabel *>(
                QStringLiteral("%1_%2").arg(QLatin1String(g.labelBase)).arg(i));
            if (!label) {
                faults << QStringLiteral("%1_%2 missing").arg(QLatin1String(g.labelBase)).arg(i);
                return;
            }
            const QString t = label->text();
            captions << t;
            if (t == QLatin1String("*")) {
                ++stars;
                continue;
            }
            bool ok = false;
            const int n = t.toInt(&ok);
            if (!ok || n < g.poolFirst || n > g.poolLast() || QString::number(n) != t)
                faults << QStringLiteral("%1_%2 shows \"%3\"")
                              .arg(QLatin1String(g.labelBase))
                              .arg(i)
                              .arg(shortText(t));
        }
        // While a run draws, captions change one by one; between runs they are a full set.
        if (m_runs.contains(g.panel))
            continue;
        if (stars != 0 && stars != g.count)
            faults << QStringLiteral("%1 shows a partly cleared board: %2")
                          .arg(QLatin1String(g.name), captions.join(QLatin1Char(' ')));
        if (g.distinct && stars == 0 &&
            QSet<QString>(captions.begin(), captions.end()).size() != g.count)
            faults << QStringLiteral("%1 shows a number twice: %2")
                          .arg(QLatin1String(g.name), captions.join(QLatin1Char(' ')));
    }
}

void Exerciser::checkLuckText(QStringList &faults)
{
    // Reading the text before the editor exists would create it; only look once it does.
    if (!TestSupport::topLevel("frmVorla"))
        return;
    const QString now = LuckWords::text();
    if (m_textFreeDepth > 0 || !m_textKnown) {
        m_expectedText = now;
        m_textKnown = true;
        return;
    }
    // Every way out of the editor sets the flag from the text, so whenever the editor is
    // closed the two agree.
    QWidget *editor = TestSupport::topLevel("frmVorla");
    const qint16 flag = now.isEmpty() ? LottoModule::False : LottoModule::True;
    if (editor->isHidden() && Lotto.VorlaAdded != flag)
        faults << QStringLiteral("VorlaAdded is %1 while the closed editor holds %2 characters")
                      .arg(Lotto.VorlaAdded)
                      .arg(now.size());
    if (now != m_expectedText) {
        faults << QStringLiteral("the luck-word text changed from \"%1\" to \"%2\" without "
                                 "typing or Clear")
                      .arg(escaped(m_expectedText), escaped(now));
        m_expectedText = now;
    }
}

void Exerciser::checkSingleWindows(QStringList &faults)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (const char *name : SingleWindows) {
        int existing = 0, visible = 0;
        for (QWidget *w : tops) {
            if (w->objectName() != QLatin1String(name))
                continue;
            ++existing;
            if (w->isVisible())
                ++visible;
        }
        // A closed dialog is deleted once its modal show has returned. Until then a new one
        // may already be open (asked for in the same pass of the event loop that closed the
        // old one): never two on the screen, and no leftover once every loop has returned.
        if (visible > 1 || (m_final && existing > 1))
            faults << QStringLiteral("%1 windows of %2 (%3 visible)")
                          .arg(existing)
                          .arg(QLatin1String(name))
                          .arg(visible);
    }
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

// The program ends through Program::endNow(), which ends every event loop: run() sees its own
// loop end early and the sequence ends there, with the program's windows as they were. So a
// Yes to the exit question may be given like any other answer.
static constexpr bool ExitCanBeObserved = true;

void Exerciser::chooseRunLength()
{
    // Runs of the drawn length take 1 to 3 seconds: a few per sequence. The others make a
    // few thousand exchanges, which keeps every step of a run and its yields.
    if (m_fullRunsLeft > 0 && m_rng.bounded(4) == 0) {
        --m_fullRunsLeft;
        GenerationHooks::setForcedExchanges(0);
    } else {
        GenerationHooks::setForcedExchanges(300 + m_rng.bounded(3000));
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
            QApplication::setActiveWindow(window); // the user brings the window to the front
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
