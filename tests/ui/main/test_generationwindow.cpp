// Generate, Clear and the status strip through the real main window: what is switched off
// during a run and back on after it, how a run is seeded, what Clear empties.

#include "support/testsupport.h"

#include "generation/generator.h"
#include "generation/randomstream.h"
#include "shared/lotto.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace TestSupport;

namespace {
void collect(QMenu *menu, QList<QAction *> &into)
{
    for (QAction *a : menu->actions()) {
        into << a;
        if (a->menu())
            collect(a->menu(), into);
    }
}

// What the window looked like at one moment inside a run.
struct Snapshot
{
    bool taken = false;
    qint16 generating = 0;
    bool waitCursor = false;
    QList<bool> buttonsEnabled; // Rules, Add/Remove, Generate, Clear, Back
    bool fileEnabled = true, aboutEnabled = true;
    int enabledMenuActions = -1;
    bool statusShown = false, timerActive = false;
    int visiblePanel = -1;
};

void expectOnlyNumbers(const GameInfo &game, const QList<QLabel *> &labels)
{
    QSet<QString> seen;
    for (QLabel *label : labels) {
        bool ok = false;
        const int n = label->text().toInt(&ok);
        QVERIFY2(ok && n >= game.draw.poolFirst && n <= game.draw.poolLast(),
                 qPrintable(label->text()));
        seen.insert(label->text());
    }
    if (game.draw.distinct)
        QCOMPARE(seen.size(), int(game.draw.count));
}
} // namespace

class TestGenerationWindow : public QObject
{
    Q_OBJECT

    WindowHooks hooks;
    std::unique_ptr<MainWindow> w;

    QList<QAction *> menuActions() const
    {
        QList<QAction *> all;
        collect(w->mnuFile(), all);
        collect(w->mnuAbout(), all);
        return all;
    }

    Snapshot snapshot(int p) const
    {
        Snapshot s;
        s.taken = true;
        s.generating = Lotto.Generating;
        s.waitCursor = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::WaitCursor;
        GamePanel *panel = w->gamePanel(p);
        for (QAbstractButton *b : QList<QAbstractButton *>{
                 panel->rules, panel->addVorla, panel->generate, panel->clear, panel->back})
            s.buttonsEnabled << b->isEnabled();
        s.fileEnabled = w->mnuFile()->menuAction()->isEnabled() || w->mnuFile()->isEnabled();
        s.aboutEnabled = w->mnuAbout()->menuAction()->isEnabled() || w->mnuAbout()->isEnabled();
        s.enabledMenuActions = 0;
        for (QAction *a : menuActions())
            s.enabledMenuActions += a->isEnabled();
        s.statusShown = w->picstatus()->isVisible();
        s.timerActive = w->timer1()->isActive();
        s.visiblePanel = w->visiblePanel();
        return s;
    }

    void showPanel(int p)
    {
        w->imgpic_Click(p - 1);
        QCOMPARE(w->visiblePanel(), p);
    }

    void expectIdleAfterRun(int p)
    {
        GamePanel *panel = w->gamePanel(p);
        QCOMPARE(Lotto.Generating, qint16(0));
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor); // the default pointer again
        for (QAbstractButton *b : panel->buttons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(panel->clear->isEnabled());
        QVERIFY(w->picstatus()->isHidden());
        QVERIFY(!w->timer1()->isActive());
        QVERIFY(w->mnuFile()->isEnabled() && w->mnuFile()->menuAction()->isEnabled());
        QVERIFY(w->mnuAbout()->isEnabled() && w->mnuAbout()->menuAction()->isEnabled());
        for (QAction *a : menuActions())
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

private Q_SLOTS:
    void init()
    {
        hooks.luckTextSource = [] { return QString(); };
        hooks.forcedExchanges = 2000; // short runs unless a test wants the real count
        hooks.yieldObserver = {};
        w = shownMainWindow(true, &hooks);
        QVERIFY(w);
    }
    void cleanup()
    {
        hooks.yieldObserver = {};
        hooks.forcedExchanges = 0;
        hooks.luckTextSource = {};
        w.reset();
    }

    void everythingIsOffDuringAFullRun()
    {
        // One run with the drawn exchange count, watched from inside its yields.
        hooks.forcedExchanges = 0;
        showPanel(1);
        GamePanel *panel = w->gamePanel(1);

        // The menu commands must not run; their spies still see a shortcut that fires.
        QList<QAction *> shortcutActions;
        for (QAction *a : menuActions())
            if (!a->shortcut().isEmpty()) {
                shortcutActions << a;
                QObject::disconnect(a, &QAction::triggered, w.get(), nullptr);
            }
        QCOMPARE(shortcutActions.size(), 5);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction *a : shortcutActions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
        QList<QAction *> internet;
        for (QAction *a : menuActions())
            if (a->objectName().startsWith(QLatin1String("mnuFileInternet")) ||
                a->objectName() == QLatin1String("mnuInternetResult") ||
                a->objectName() == QLatin1String("mnuFileCndInfo"))
                internet << a;
        QVERIFY(internet.size() >= 5);

        Snapshot atYield, atTick;
        int yields = 0, ticks = 0, nestedYields = 0;
        bool closeRefused = false;
        QColor firstColour = w->lblstatus()->palette().color(QPalette::WindowText);
        bool colourChanged = false;
        hooks.yieldObserver = [&](WindowHooks::Yield phase) {
            if (phase != WindowHooks::Yield::Before || ++yields != 5000)
                return;
            atYield = snapshot(1);
            // Esc, the close box, a click on Generate and every shortcut: nothing happens.
            QTest::keyClick(w.get(), Qt::Key_Escape);
            QTest::keyClick(panel->generate, Qt::Key_Escape);
            closeRefused = !w->close();
            QTest::mouseClick(panel->generate, Qt::LeftButton);
            const int before = yields;
            w->cmdgenerate_Click(1);
            w->cmdgenerate_Click(3);
            nestedYields = yields - before;
            for (QAction *a : shortcutActions)
                QTest::keySequence(w.get(), a->shortcut());
            for (QAction *a : internet)
                a->trigger(); // disabled: no effect
            atYield.visiblePanel = w->visiblePanel();
            // A quick machine can finish a run within one blink: stay in this yield until
            // the status timer has ticked.
            (void)QTest::qWaitFor([&] { return ticks > 0; }, 5000);
        };
        QObject::connect(w->timer1(), &QTimer::timeout, this, [&] {
            if (++ticks == 1)
                atTick = snapshot(1);
            colourChanged |= w->lblstatus()->palette().color(QPalette::WindowText) != firstColour;
        });
        QSignalSpy internetTriggered(internet.first(), &QAction::triggered);

        panel->generate->click();

        for (const Snapshot &s : {atYield, atTick}) {
            QVERIFY(s.taken);
            QCOMPARE(s.generating, qint16(1));
            QVERIFY(s.waitCursor);
            QCOMPARE(s.buttonsEnabled, QList<bool>(5, false));
            QVERIFY(!s.fileEnabled);
            QVERIFY(!s.aboutEnabled);
            QCOMPARE(s.enabledMenuActions, 0);
            QVERIFY(s.statusShown);
            QVERIFY(s.timerActive);
            QCOMPARE(s.visiblePanel, 1);
        }
        QVERIFY(closeRefused);
        QVERIFY(w->isVisible());
        QCOMPARE(nestedYields, 0);
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 0);
        QCOMPARE(internetTriggered.count(), 0);
        QVERIFY(ticks >= 1);
        QVERIFY(colourChanged);
        QVERIFY(yields >= 100000 + 1 + 6 + 1 + 1);

        expectIdleAfterRun(1);
        expectOnlyNumbers(*Catalogue::game(1), panel->numbers);
        QVERIFY(panel->vorlaStatus->isHidden());
        QCOMPARE(w->visiblePanel(), 1);

        // The shortcuts work again.
        QTest::keyClick(w.get(), Qt::Key_F1);
        int fired = 0;
        for (const auto &spy : spies)
            fired += spy->count();
        QCOMPARE(fired, 1);
    }

    void pendingClickInTheFirstYieldStartsNoSecondRun()
    {
        // A click already queued when the run begins reaches the still enabled button in
        // the run's first yield; it must not start a run inside the run.
        showPanel(2);
        GamePanel *panel = w->gamePanel(2);
        int yields = 0;
        hooks.yieldObserver = [&](WindowHooks::Yield phase) {
            yields += phase == WindowHooks::Yield::Before;
        };
        QSignalSpy clicked(panel->generate, &QAbstractButton::clicked);
        const QPointF at = panel->generate->rect().center();
        const QPointF global = panel->generate->mapToGlobal(at);
        QCoreApplication::postEvent(panel->generate,
                                    new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                    Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(panel->generate,
                                    new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                    Qt::LeftButton, Qt::NoButton, {}));
        w->cmdgenerate_Click(2);
        QCOMPARE(clicked.count(), 1); // the queued click did arrive
        // Entry yield, 2000 exchanges, three digits, the exit's one yield: one run only.
        QCOMPARE(yields, 1 + 2000 + 3 + 1);
        expectIdleAfterRun(2);
    }

    void afterARunEveryPanel_data()
    {
        QTest::addColumn<int>("panel");
        for (const GameInfo &g : Catalogue::games())
            QTest::addRow("%s", g.name) << int(g.panel());
    }
    void afterARunEveryPanel()
    {
        QFETCH(int, panel);
        showPanel(panel);
        GamePanel *gp = w->gamePanel(panel);
        QVERIFY(!gp->clear->isEnabled()); // off until the first run
        gp->generate->click();
        expectIdleAfterRun(panel);
        expectOnlyNumbers(*gp->game(), gp->numbers);
        // The other panels' labels are untouched.
        for (int other = Panel::FirstGame; other <= Panel::LastGame; ++other)
            if (other != panel)
                for (QLabel *label : w->gamePanel(other)->numbers)
                    QCOMPARE(label->text(), QStringLiteral("*"));
    }

    void noGameNoRun()
    {
        for (int p : {0, 6, -1, 7}) {
            w->cmdgenerate_Click(p);
            QCOMPARE(Lotto.Generating, qint16(0));
            QVERIFY(w->picstatus()->isHidden());
            QVERIFY(!w->timer1()->isActive());
            QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
            w->cmdclear_Click(p);
        }
        // Custom's Generate button is wired but draws nothing.
        w->gamePanel(6)->generate->click();
        QVERIFY(w->picstatus()->isHidden());
    }

    void luckTextLengthSeedsTheRun()
    {
        // No tick may fall into these runs: a tick takes values from the same stream.
        w->timer1()->setInterval(24 * 3600 * 1000);
        Lotto.VorlaAdded = LottoModule::True;
        showPanel(1);
        GamePanel *panel = w->gamePanel(1);
        auto captions = [panel] {
            QStringList list;
            for (QLabel *l : panel->numbers)
                list << l->text();
            return list;
        };

        // "a", line break, "b": length 4 as CR LF counts two.
        hooks.luckTextSource = [] { return QStringLiteral("a\nb"); };
        panel->generate->click();
        const QStringList first = captions();
        QVERIFY(panel->vorlaStatus->isVisible());
        QCOMPARE(panel->vorlaStatus->text(),
                 QStringLiteral("These numbers are filled with Worla."));

        RandomStream expected;
        expected.reseed(4);
        const Generator::Outcome bare = Generator::run(
            panel->game()->draw, expected, [] {}, [](int, const QString &) {},
            Generator::Options{2000});
        QCOMPARE(first, bare.captions);

        // Another text of the same length gives the same numbers.
        sharedRandom().reseedFromClock();
        hooks.luckTextSource = [] { return QStringLiteral("wxyz"); };
        panel->generate->click();
        QCOMPARE(captions(), first);

        // A different length gives other numbers.
        hooks.luckTextSource = [] { return QStringLiteral("wxyz!"); };
        panel->generate->click();
        QVERIFY(captions() != first);
        expectIdleAfterRun(1);
    }

    void emptyTextSeedsFromTheClock()
    {
        w->timer1()->setInterval(24 * 3600 * 1000);
        showPanel(4);
        GamePanel *panel = w->gamePanel(4);
        panel->vorlaStatus->show();
        const auto runFrom = [&](qint32 state) {
            sharedRandom().reseed(state);
            panel->generate->click();
            QStringList list;
            for (QLabel *l : panel->numbers)
                list << l->text();
            return list;
        };
        const auto bareFrom = [&](qint32 state) {
            RandomStream s;
            s.reseed(state);
            return Generator::run(
                       panel->game()->draw, s, [] {}, [](int, const QString &) {},
                       Generator::Options{2000})
                .captions;
        };
        const QStringList a = runFrom(77);
        const QStringList b = runFrom(77);
        // Neither the stream as it was nor a seed of 0: the clock.
        QVERIFY(a != bareFrom(77));
        QVERIFY(a != bareFrom(0));
        QVERIFY(a != b);
        QVERIFY(panel->vorlaStatus->isHidden()); // VorlaAdded is False
    }

    void clearHidesEveryNoteAndBlanksItsOwnLabels()
    {
        w->timer1()->setInterval(24 * 3600 * 1000);
        Lotto.VorlaAdded = LottoModule::True;
        hooks.luckTextSource = [] { return QStringLiteral("Sarah 1984"); };
        showPanel(1);
        w->gamePanel(1)->generate->click();
        w->cmdback_Click(1);
        showPanel(2);
        GamePanel *pick3 = w->gamePanel(2);
        pick3->generate->click();
        const QStringList lotto649 = [&] {
            QStringList l;
            for (QLabel *label : w->gamePanel(1)->numbers)
                l << label->text();
            return l;
        }();
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p)
            w->gamePanel(p)->vorlaStatus->show();

        QVERIFY(pick3->clear->isEnabled());
        QTest::mouseClick(pick3->clear, Qt::LeftButton);
        QVERIFY(!pick3->clear->isEnabled());
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p)
            QVERIFY(w->gamePanel(p)->vorlaStatus->isHidden());
        for (QLabel *label : pick3->numbers)
            QCOMPARE(label->text(), QStringLiteral("*"));
        QStringList after;
        for (QLabel *label : w->gamePanel(1)->numbers)
            after << label->text();
        QCOMPARE(after, lotto649);
        QVERIFY(w->gamePanel(1)->clear->isEnabled());
    }

    void statusTickBlinksInColoursFromTheSharedStream()
    {
        QLabel *status = w->lblstatus();
        w->picstatus()->show();
        sharedRandom().reseed(31);
        RandomStream replay = sharedRandom();
        const bool wasHidden = status->isHidden();
        for (int tick = 0; tick < 4; ++tick) {
            w->Timer1_Timer();
            const int r = RandomStream::scale(replay.next(), 255);
            const int g = RandomStream::scale(replay.next(), 255);
            const int b = RandomStream::scale(replay.next(), 255);
            QCOMPARE(status->palette().color(QPalette::WindowText), QColor(r, g, b));
            QCOMPARE(status->isHidden(), tick % 2 == 0 ? !wasHidden : wasHidden);
        }
        QCOMPARE(sharedRandom(), replay);

        // A tick after the strip was hidden stops the timer and takes no values.
        w->picstatus()->hide();
        w->timer1()->start();
        const QColor colour = status->palette().color(QPalette::WindowText);
        w->Timer1_Timer();
        QVERIFY(!w->timer1()->isActive());
        QCOMPARE(sharedRandom(), replay);
        QCOMPARE(status->palette().color(QPalette::WindowText), colour);
    }
};

LOTTO_TEST_MAIN(TestGenerationWindow)
#include "test_generationwindow.moc"
