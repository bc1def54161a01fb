// The main window: its layout, the panels, navigation between them, hover behaviour,
// the Esc key and the refused close.

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "shared/twips.h"
#include "ui/browser/linktable.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace TestSupport;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    QStringList visiblePanels() const { return TestSupport::visiblePanels(*w); }

private Q_SLOTS:
    void init()
    {
        w = shownMainWindow();
        QVERIFY(w);
    }
    void cleanup() { w.reset(); }

    void windowAndClientArea()
    {
        QCOMPARE(w->objectName(), QStringLiteral("frmmain"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Orvek's Lotto Worla Generator"));
        QCOMPARE(w->centralWidget()->size(), Twips::size(8190, 4500));
        QCOMPARE(w->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w->minimumSize(), w->maximumSize()); // the user cannot resize it
    }

    void loadCentresPanelsTitleAndStatusStrip()
    {
        auto *title = child<QLabel>(w.get(), "lbltitle");
        const MainWindow::Layout placed =
            MainWindow::layoutTwips(w->centralWidget()->size(), w->fraMenu(0)->size(),
                                    title->width(), w->picstatus()->size());
        QCOMPARE(placed.panel, QPoint(368, 323));
        QCOMPARE(placed.titleLeft, 1110);
        QCOMPARE(placed.status, QPoint(1268, 1823));
        for (int p = 0; p < Panel::Count; ++p) {
            QCOMPARE(w->fraMenu(p)->pos(), Twips::point(368, 323));
            QCOMPARE(w->fraMenu(p)->size(), Twips::size(7455, 3855));
            QCOMPARE(w->fraMenu(p)->palette().color(QPalette::Window), QColor(0, 192, 0));
        }
        QCOMPARE(title->pos(), Twips::point(1110, 240));
        QCOMPARE(title->text(), QStringLiteral("Choose a lotto system from below!"));
        QCOMPARE(w->picstatus()->geometry(), Twips::rect(1268, 1823, 5655, 855));
        QVERIFY(w->picstatus()->isHidden());
        QCOMPARE(w->lblstatus()->text(), QStringLiteral("Please Wait While Generating . . ."));
        QVERIFY(!w->timer1()->isActive());
        QCOMPARE(w->timer1()->interval(), 150);
        QCOMPARE(w->timer1()->objectName(), QStringLiteral("Timer1"));
    }

    void halfRoundsTiesToEvenThenDropsRemainder()
    {
        QCOMPARE(Twips::half(7455), 3727);
        QCOMPARE(Twips::half(8190.5), 4095); // 8190.5 rounds to 8190
        QCOMPARE(Twips::half(8191.5), 4096); // 8191.5 rounds to 8192
        QCOMPARE(Twips::half(3.4), 1);
    }

    void startsOnSelectionScreenWithEveryControlInPlace()
    {
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});
        QVERIFY(Lotto.VorlaAdded == LottoModule::False);
        for (const GameInfo &g : Catalogue::games()) {
            GamePanel *panel = w->gamePanel(g.panel());
            QCOMPARE(panel->objectName(), QStringLiteral("fraMenu_%1").arg(g.panel()));
            QCOMPARE(panel->frame->objectName(), QLatin1String(g.frameName));
            QCOMPARE(panel->frame->title(), QLatin1String(g.frameCaption));
            QCOMPARE(panel->numbers.size(), g.draw.count);
            for (int i = 0; i < g.draw.count; ++i) {
                auto *label =
                    child<QLabel>(w.get(), QStringLiteral("%1_%2").arg(g.labelBase).arg(i));
                QVERIFY(label);
                QCOMPARE(label->text(), QStringLiteral("*"));
                QCOMPARE(label->parentWidget(), panel->frame);
            }
            // Index 0 leftmost, one row, 720 twips apart.
            for (int i = 1; i < g.draw.count; ++i) {
                QCOMPARE(panel->numbers[i]->y(), panel->numbers[0]->y());
                QVERIFY(panel->numbers[i]->x() > panel->numbers[i - 1]->x());
            }
            QCOMPARE(panel->rules->text(), QStringLiteral("&Rules"));
            QCOMPARE(panel->rules->geometry(), Twips::rect(120, g.rulesTop, 1455, 375));
            QCOMPARE(panel->addVorla->geometry(), Twips::rect(2640, 3360, 2055, 375));
            QCOMPARE(panel->generate->geometry(), Twips::rect(4800, 3360, 1215, 375));
            QCOMPARE(panel->clear->geometry(), Twips::rect(6120, 3360, 1215, 375));
            QCOMPARE(panel->back->geometry(), Twips::rect(120, 3240, 1455, 495));
            QVERIFY(panel->rules->isEnabled() && panel->addVorla->isEnabled() &&
                    panel->generate->isEnabled() && panel->back->isEnabled());
            QVERIFY(!panel->clear->isEnabled());
            QVERIFY(panel->vorlaStatus->isHidden());
            QCOMPARE(panel->vorlaStatus->text(),
                     QStringLiteral("These numbers are filled with Worla."));
            QCOMPARE(panel->vorlaStatus->pos(), Twips::point(g.vorlaStatusLeft, g.vorlaStatusTop));
            QCOMPARE(panel->linkImage->objectName(), QLatin1String(g.linkImageName));
            QCOMPARE(panel->linkImage->toolTip(),
                     QLatin1String(LinkTable::find(g.linkImageName)->text));
            QCOMPARE(panel->pointer->objectName(), QLatin1String(g.pointerName));
            QCOMPARE(panel->pointer->text(), QLatin1String(g.pointerText));
            auto *pic =
                child<Picture>(w.get(), QStringLiteral("imgpic_%1").arg(g.selectionPicture()));
            QCOMPARE(pic->toolTip(), QLatin1String(g.selectionTip));
            QCOMPARE(pic->borderStyle(), 0);
        }
        // Panel 6: its buttons carry index 6, its Add/Remove button index 0.
        for (const char *name : {"cmdgenerate_6", "cmdclear_6", "cmdback_6", "cmdAddVorla_0",
                                 "lblVorlaStatus_6", "imgcustom_6", "Label2"})
            QVERIFY2(w->fraMenu(6)->findChild<QWidget *>(QLatin1String(name)), name);
        QVERIFY(!w->fraMenu(6)->findChild<QWidget *>(QStringLiteral("cmdrules_6")));
    }

    void menuTree()
    {
        QCOMPARE(w->mnuFile()->menuAction()->objectName(), QStringLiteral("mnuFile"));
        const QStringList fileItems{"mnuFileInternet", "mnuFileVorla", "mnuPrint", "mnuFileExit"};
        QStringList seen;
        for (QAction *a : w->mnuFile()->actions())
            seen << a->objectName();
        QCOMPARE(seen, fileItems);
        seen.clear();
        QMenu *internet = w->mnuFile()->actions().first()->menu();
        for (QAction *a : internet->actions())
            seen << a->objectName() + "=" + a->text();
        QCOMPARE(seen,
                 (QStringList{"mnuInternetResult=Lotto Result's Site.",
                              "mnuFileInternetEverWon=Check if your lotto numbers have ever won!",
                              "mnuFileInternetAnalysis=Perform Advanced Analysis On Past Results!",
                              "mnuFileInternetZodiac=Zodiac Lottery Picker!",
                              "mnuFileCndInfo=Canadian Lottery Information!"}));
        auto shortcut = [&](const char *name) {
            return w->findChild<QAction *>(QLatin1String(name))->shortcut();
        };
        QCOMPARE(shortcut("mnuFileVorla"), QKeySequence("Ctrl+C"));
        QCOMPARE(shortcut("mnuPrint"), QKeySequence("Ctrl+P"));
        QCOMPARE(shortcut("mnuFileExit"), QKeySequence("Ctrl+X"));
        QCOMPARE(shortcut("mnuAboutHelp"), QKeySequence("F1"));
        QCOMPARE(shortcut("mnuAboutAbout"), QKeySequence("Ctrl+A"));
        QCOMPARE(w->mnuAbout()->menuAction()->text(), QStringLiteral("&About"));
    }

    void eachPictureOpensItsOwnPanel_data()
    {
        QTest::addColumn<int>("picture");
        for (int k = 0; k < 5; ++k)
            QTest::addRow("imgpic_%d", k) << k;
    }
    void eachPictureOpensItsOwnPanel()
    {
        QFETCH(int, picture);
        auto *pic = child<Picture>(w.get(), QStringLiteral("imgpic_%1").arg(picture));
        QTest::mouseClick(pic, Qt::LeftButton);
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("fraMenu_%1").arg(picture + 1)});
    }

    void customEntryAnnouncesNextVersion()
    {
        for (const char *name : {"imgpic_5", "Label1"}) {
            BoxAnswerer boxes({}, 1);
            QTest::mouseClick(child<QWidget>(w.get(), QLatin1String(name)), Qt::LeftButton);
            QVERIFY(boxes.waitFor(1));
            QCOMPARE(boxes.seen().size(), 1);
            QCOMPARE(boxes.seen()[0].title, QStringLiteral("Info."));
            QCOMPARE(boxes.seen()[0].text, QStringLiteral("This is comming in the next version."));
            QCOMPARE(boxes.seen()[0].icon, QMessageBox::Information);
            QCOMPARE(boxes.seen()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});
        }
    }

    void backKeepsThePanelsContents()
    {
        w->imgpic_Click(0);
        GamePanel *panel = w->gamePanel(1);
        panel->numbers[0]->setText("17");
        panel->clear->setEnabled(true);
        QTest::mouseClick(panel->back, Qt::LeftButton);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});
        w->imgpic_Click(0);
        QCOMPARE(panel->numbers[0]->text(), QStringLiteral("17"));
        QVERIFY(panel->clear->isEnabled());
    }

    void backHidesEveryPanelBeforeShowingTheSelection()
    {
        w->imgpic_Click(2);
        // Something else left visible (as a second Back re-entering the first would).
        w->fraMenu(5)->show();
        int ticks = 0;
        bool twoAtOnceAfterStart = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            ++ticks;
            // Once the selection screen is hidden, no panel may reappear next to it.
            if (!w->fraMenu(0)->isHidden() && visiblePanels().size() > 1)
                twoAtOnceAfterStart = true;
        });
        probe.start(0);
        w->cmdback_Click(3);
        probe.stop();
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});
        QVERIFY(!twoAtOnceAfterStart);
    }

    void reenteredBackEndsInTheSameState()
    {
        w->imgpic_Click(1);
        GamePanel *panel = w->gamePanel(2);
        // A second Back arriving inside the first one's yields.
        QTimer::singleShot(0, panel->back, [panel] { panel->back->click(); });
        w->cmdback_Click(2);
        QTRY_COMPARE(visiblePanels(), QStringList{"fraMenu_0"});
    }

    void gameOpenedWhileBackYieldsStaysAlone_data()
    {
        QTest::addColumn<int>("atYield");
        QTest::addColumn<int>("picture");
        for (int y : {1, 4, 7})
            for (int k : {0, 2, 4})
                QTest::addRow("yield %d, picture %d", y, k) << y << k;
    }

    // Esc and a game picture arriving inside Back's yields (a quick user): the game the user
    // picked last is the one panel showing, whether Back had hidden its panel yet or not.
    void gameOpenedWhileBackYieldsStaysAlone()
    {
        QFETCH(int, atYield);
        QFETCH(int, picture);
        w->imgpic_Click(1);
        int yields = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            if (++yields != atYield)
                return;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            w->imgpic_Click(picture);
        });
        probe.start(0);
        w->cmdback_Click(2);
        probe.stop();
        QVERIFY(yields >= atYield);
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("fraMenu_%1").arg(picture + 1)});
    }

    void escapeReturnsFromAGamePanelOnly()
    {
        // On the selection screen Esc does nothing.
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});

        // On a game panel it goes back, whatever has the focus and whatever modifiers.
        w->imgpic_Click(3);
        GamePanel *panel = w->gamePanel(4);
        panel->generate->setFocus();
        QCOMPARE(QApplication::focusWidget(), panel->generate);
        QTest::keyClick(panel->generate, Qt::Key_Escape, Qt::ShiftModifier);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});

        // While a run is in progress, Esc is ignored.
        w->imgpic_Click(4);
        Lotto.Generating = 1;
        w->gamePanel(5)->back->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_5"});
        Lotto.Generating = 0;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_0"});
    }

    void otherKeysStillReachTheFocusedButton()
    {
        w->imgpic_Click(0);
        QPushButton *rules = w->gamePanel(1)->rules;
        int clicks = 0;
        // Watch the click without running the rules.
        rules->disconnect();
        connect(rules, &QPushButton::clicked, this, [&] { ++clicks; });
        rules->setFocus();
        QTest::keyClick(rules, Qt::Key_Space);
        QCOMPARE(clicks, 1);
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_1"});
    }

    void closeIsRefused()
    {
        w->imgpic_Click(0);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(visiblePanels(), QStringList{"fraMenu_1"});
    }

    void focusFollowsTheMouseExceptOntoDisabledButtons()
    {
        w->imgpic_Click(0);
        GamePanel *panel = w->gamePanel(1);
        hover(panel->generate);
        QCOMPARE(QApplication::focusWidget(), panel->generate);
        // The disabled Clear button does not take the focus.
        hover(panel->clear);
        QCOMPARE(QApplication::focusWidget(), panel->generate);
        hover(panel->back);
        QCOMPARE(QApplication::focusWidget(), panel->back);
        // A second move over the same button gives it the focus again.
        panel->rules->setFocus();
        hover(panel->back);
        QCOMPARE(QApplication::focusWidget(), panel->back);
        hover(panel->addVorla);
        QCOMPARE(QApplication::focusWidget(), panel->addVorla);
        hover(panel->rules);
        QCOMPARE(QApplication::focusWidget(), panel->rules);
    }

    void borderFollowsTheMouseAndStays()
    {
        auto border = [&](int k) {
            return child<Picture>(w.get(), QStringLiteral("imgpic_%1").arg(k))->borderStyle();
        };
        auto bordered = [&] {
            QList<int> on;
            for (int k = 0; k < 6; ++k)
                if (border(k))
                    on << k;
            return on;
        };
        QCOMPARE(bordered(), QList<int>{});
        hover(child<Picture>(w.get(), "imgpic_2"));
        QCOMPARE(bordered(), QList<int>{2});
        hover(child<Picture>(w.get(), "imgpic_5"));
        QCOMPARE(bordered(), QList<int>{5});
        // Leaving the pictures (moving over the title) keeps the last border.
        hover(child<QWidget>(w.get(), "lbltitle"));
        QCOMPARE(bordered(), QList<int>{5});
        hover(child<Picture>(w.get(), "imgpic_0"));
        QCOMPARE(bordered(), QList<int>{0});
    }

    void panelSixIsNeverShown()
    {
        for (int k = 0; k < 6; ++k) {
            BoxAnswerer boxes;
            w->imgpic_Click(k);
            QVERIFY(w->fraMenu(6)->isHidden());
            w->cmdback_Click(1);
        }
        QVERIFY(w->fraMenu(6)->isHidden());
    }
};

LOTTO_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
