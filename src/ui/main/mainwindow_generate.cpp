#include "ui/main/mainwindow.h"

#include "generation/generator.h"
#include "generation/lucklength.h"
#include "generation/randomstream.h"
#include "shared/doevents.h"
#include "shared/lotto.h"
#include "ui/luck/luckwords.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/windowhooks.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

// Number generation, clearing and the status strip's blink.

namespace {
const WindowHooks kNoHooks;

// Every action under a menu, submenus and their items included.
void collectActions(QMenu *menu, QList<QAction *> &into)
{
    for (QAction *a : menu->actions()) {
        into << a;
        if (QMenu *sub = a->menu())
            collectActions(sub, into);
    }
}

// Switches off the commands under the File and About menus for a run: the menus themselves
// and every item under them, so their shortcut keys (Ctrl+C, Ctrl+P, Ctrl+X, F1, Ctrl+A)
// cannot open the editor, print, end the program or open a window while numbers are drawn.
// restore() switches back on exactly what was switched off.
class MenuLock
{
public:
    void lock(std::initializer_list<QMenu *> menus)
    {
        for (QMenu *menu : menus) {
            QList<QAction *> actions;
            collectActions(menu, actions);
            for (QAction *a : actions) {
                if (a->isEnabled()) {
                    a->setEnabled(false);
                    m_disabled << a;
                }
            }
        }
    }
    void restore()
    {
        for (const QPointer<QAction> &a : std::as_const(m_disabled))
            if (a)
                a->setEnabled(true);
        m_disabled.clear();
    }

private:
    QList<QPointer<QAction>> m_disabled;
};

// Stops Timer1: yield once, then disable it, until it reads as disabled.
void stopTimer(QTimer *timer, const std::function<void()> &yield)
{
    do {
        yield();
        timer->stop();
    } while (timer->isActive());
}
} // namespace

const WindowHooks &MainWindow::hooks() const
{
    return m_hooks ? *m_hooks : kNoHooks;
}

QString MainWindow::luckText() const
{
    return hooks().luckTextSource ? hooks().luckTextSource() : LuckWords::text();
}

// The yield of a run: every pending event runs here.
void MainWindow::yieldToEvents() const
{
    const WindowHooks &h = hooks();
    if (!h.yieldObserver) {
        doEvents();
        return;
    }
    h.yieldObserver(WindowHooks::Yield::Before);
    doEvents();
    h.yieldObserver(WindowHooks::Yield::After);
}

void MainWindow::cmdgenerate_Click(int index)
{
    const GameInfo *game = Catalogue::game(index);
    GamePanel *panel = gamePanel(index);
    // Only a game panel generates, and only one run at a time: a click that reached a
    // Generate button inside the run's own yields does nothing.
    if (!game || !panel || Lotto.Generating != 0)
        return;

    // The keyboard stays where it was. Switching off the focused button would make Qt pass
    // the focus on in the Tab order, to the results picture, where the next Enter opens the
    // browser; it waits on the panel itself, where keys do nothing, and comes back at the end.
    const QPointer<QWidget> focusBefore = focusWidget();
    const bool parked = panel->buttons().contains(qobject_cast<QAbstractButton *>(focusBefore));
    if (parked)
        panel->setFocus(Qt::OtherFocusReason);

    // Entry bracket.
    Lotto.Generating = 1;
    setCursor(Qt::WaitCursor);
    panel->rules->setEnabled(false);
    MenuLock menuLock;
    m_mnuFile->setEnabled(false);
    m_mnuAbout->setEnabled(false);
    menuLock.lock({m_mnuFile, m_mnuAbout});
    m_picstatus->show();
    m_timer1->start();
    yieldToEvents(); // the window repaints with the status strip
    // The panel's buttons but Rules, in their order (Rules has its own place in the brackets).
    const auto enableButtons = [panel](bool enabled) {
        for (QAbstractButton *b : panel->buttons())
            if (b != panel->rules)
                b->setEnabled(enabled);
    };
    enableButtons(false);

    // Seeding: the luck text's length, or the clock when there is no text.
    RandomStream &random = sharedRandom();
    if (const qint32 length = LuckLength::of(luckText()); length != 0)
        random.reseed(length);
    else
        random.reseedFromClock();

    // The draw, captions written into the panel's number labels as they are drawn.
    const QList<QLabel *> labels = panel->numbers;
    Generator::run(
        game->draw, random, [this] { yieldToEvents(); },
        [&labels](int i, const QString &caption) { labels.at(i)->setText(caption); },
        Generator::Options{std::max(0, hooks().forcedExchanges)});

    // Exit bracket.
    panel->vorlaStatus->setVisible(Lotto.VorlaAdded == LottoModule::True);
    unsetCursor();
    enableButtons(true);
    m_picstatus->hide();
    stopTimer(m_timer1, [this] { yieldToEvents(); });
    Lotto.Generating = 0;
    panel->rules->setEnabled(true);
    m_mnuFile->setEnabled(true);
    m_mnuAbout->setEnabled(true);
    menuLock.restore();
    // Back where it was, unless the user has put the focus elsewhere meanwhile.
    if (parked && focusBefore && focusWidget() == panel && focusBefore->isVisible() &&
        focusBefore->isEnabled())
        focusBefore->setFocus(Qt::OtherFocusReason);
}

void MainWindow::cmdclear_Click(int index)
{
    GamePanel *panel = gamePanel(index);
    if (!Catalogue::game(index) || !panel)
        return;
    // Clear switches itself off. The keyboard goes on to Generate, the next thing to do on a
    // cleared board, and shows it there; left to Qt it would move on in the Tab order to
    // Back, which shows no ring and closes the panel on Enter.
    if (focusWidget() == panel->clear) {
        panel->generate->setFocus(Qt::OtherFocusReason);
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
    panel->clear->setEnabled(false);
    for (PanelIndex i = Panel::FirstGame; i <= Panel::LastGame; ++i)
        gamePanel(i)->vorlaStatus->hide();
    for (QLabel *label : std::as_const(panel->numbers))
        label->setText(QStringLiteral("*"));
}

void MainWindow::Timer1_Timer()
{
    if (m_picstatus->isHidden()) {
        // A tick after the run ended: stop the timer.
        stopTimer(m_timer1, doEvents);
        return;
    }
    RandomStream &random = sharedRandom();
    const int red = RandomStream::scale(random.next(), 255);
    const int green = RandomStream::scale(random.next(), 255);
    const int blue = RandomStream::scale(random.next(), 255);
    QPalette pal = m_lblstatus->palette();
    pal.setColor(QPalette::WindowText, QColor(red, green, blue));
    m_lblstatus->setPalette(pal);
    m_lblstatus->setVisible(m_lblstatus->isHidden());
}
