// Keyboard-only use of the main window: every step a user takes with the mouse can be
// taken with Tab, Enter, Space, Esc and the Alt access keys, with the focus in sight.

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/selectionpanel.h"
#include "ui/main/windowhooks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

using namespace TestSupport;

class TestKeyboard : public QObject
{
    Q_OBJECT

    WindowHooks hooks;
    std::unique_ptr<MainWindow> w;

    // A key as the keyboard gives it: to the widget with the focus, or the window.
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : w.get(), key, mods);
        QApplication::processEvents();
    }

    // Presses Tab until `target` has the focus; false when a whole round never reaches it.
    bool tabTo(QWidget *target)
    {
        for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
            press(Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }

    QStringList numbers(int panel) const
    {
        QStringList out;
        for (QLabel *l : w->gamePanel(panel)->numbers)
            out << l->text();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        w = shownMainWindow(true, &hooks);
        QVERIFY(w);
    }
    void cleanup() { w.reset(); }

    void tabReachesEveryGamePictureAndNothingHidden()
    {
        QList<QWidget *> reached;
        for (int i = 0; i < 40; ++i) {
            press(Qt::Key_Tab);
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            QVERIFY2(f->isVisible(), qPrintable(f->objectName()));
            if (!reached.contains(f))
                reached << f;
        }
        for (Picture *pic : w->selection()->pictures)
            QVERIFY2(reached.contains(pic), qPrintable(pic->objectName()));
    }

    void enterAndSpaceOpenTheGameLikeAClick_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("key");
        QTest::newRow("Lotto 649, Enter") << 0 << int(Qt::Key_Return);
        QTest::newRow("Pick 3, Space") << 1 << int(Qt::Key_Space);
        QTest::newRow("Lottario, keypad Enter") << 4 << int(Qt::Key_Enter);
    }
    void enterAndSpaceOpenTheGameLikeAClick()
    {
        QFETCH(int, picture);
        QFETCH(int, key);
        Picture *pic = w->selection()->pictures.at(picture);
        QVERIFY(tabTo(pic));
        press(Qt::Key(key));
        QCOMPARE(w->visiblePanel(), picture + 1);
        // The keyboard goes on in the game panel that opened, not in the hidden screen.
        QWidget *f = QApplication::focusWidget();
        QVERIFY(f);
        QVERIFY2(f->isVisible(), qPrintable(f->objectName()));
        QVERIFY(w->gamePanel(picture + 1)->isAncestorOf(f));
    }

    void aClickStillLeavesTheFocusWhereItWas()
    {
        Picture *pic = w->selection()->pictures.at(2);
        QVERIFY(tabTo(w->selection()->pictures.at(0)));
        QTest::mouseClick(pic, Qt::LeftButton);
        QCOMPARE(w->visiblePanel(), 3);
        QVERIFY(!pic->hasFocus());
    }

    void theFocusIsDrawn()
    {
        Picture *pic = w->selection()->pictures.at(0);
        QVERIFY(tabTo(w->selection()->pictures.at(1)));
        const QImage before = pic->grab().toImage();
        QVERIFY(tabTo(pic));
        const QImage focused = pic->grab().toImage();
        QVERIFY(before != focused);
        // The ring runs along the edge, inside the picture.
        const QColor highlight = pic->palette().color(QPalette::Highlight);
        int ringPixels = 0;
        for (int x = 0; x < focused.width(); ++x)
            for (int y : {2, 3, focused.height() - 3, focused.height() - 4})
                ringPixels += focused.pixelColor(x, y) == highlight ? 1 : 0;
        QVERIFY2(ringPixels > focused.width() / 2, qPrintable(QString::number(ringPixels)));
    }

    void customPictureAnnouncesTheNextVersionFromTheKeyboard()
    {
        BoxAnswerer answerer;
        QVERIFY(tabTo(w->selection()->pictures.at(5)));
        press(Qt::Key_Space);
        QVERIFY(answerer.waitFor(1));
        QCOMPARE(answerer.seen().at(0).text,
                 QStringLiteral("This is comming in the next version."));
        QCOMPARE(w->visiblePanel(), 0);
    }

    void openAndGoBackWithKeysAlone()
    {
        QVERIFY(tabTo(w->selection()->pictures.at(0)));
        press(Qt::Key_Return);
        QCOMPARE(w->visiblePanel(), 1);
        GamePanel *panel = w->gamePanel(1);
        QCOMPARE(QApplication::focusWidget(), panel->generate);

        // Esc leaves; the focus comes back to the game's picture.
        press(Qt::Key_Escape);
        QCOMPARE(w->visiblePanel(), 0);
        QCOMPARE(QApplication::focusWidget(), w->selection()->pictures.at(0));

        // Back in, out again with the Back button (Tab, then Space).
        press(Qt::Key_Space);
        QCOMPARE(w->visiblePanel(), 1);
        QVERIFY(tabTo(panel->back));
        press(Qt::Key_Space);
        QTRY_COMPARE(w->visiblePanel(), 0);

        // Enter on it does the same.
        press(Qt::Key_Space);
        QCOMPARE(w->visiblePanel(), 1);
        QVERIFY(tabTo(panel->back));
        press(Qt::Key_Return);
        QTRY_COMPARE(w->visiblePanel(), 0);

        // So does Alt+B.
        QVERIFY(tabTo(w->selection()->pictures.at(1)));
        press(Qt::Key_Return);
        QCOMPARE(w->visiblePanel(), 2);
        press(Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(w->visiblePanel(), 0);
        QCOMPARE(QApplication::focusWidget(), w->selection()->pictures.at(1));
    }

    void openGenerateClearAndGoBackWithKeysAlone()
    {
        // Short runs: the keys matter here, not the length of the shuffle.
        hooks.forcedExchanges = 200;
        auto restore = qScopeGuard([this] { hooks.forcedExchanges = 0; });
        QVERIFY(tabTo(w->selection()->pictures.at(1)));
        press(Qt::Key_Space);
        QCOMPARE(w->visiblePanel(), 2);
        GamePanel *panel = w->gamePanel(2);

        // Enter on the Generate button, where the focus landed, and where it is back after
        // the run.
        QCOMPARE(QApplication::focusWidget(), panel->generate);
        press(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(Lotto.Generating == 0 && panel->clear->isEnabled(), 30000);
        QVERIFY(!numbers(2).contains(QStringLiteral("*")));
        QCOMPARE(QApplication::focusWidget(), panel->generate);

        // Alt+C clears; Clear switches itself off and hands the focus to Generate.
        press(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(numbers(2), QStringList(3, QStringLiteral("*")));
        QCOMPARE(QApplication::focusWidget(), panel->generate);

        // Alt+G generates again; Esc is ignored while the run lasts, works after it.
        press(Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(Lotto.Generating == 0 && panel->clear->isEnabled(), 30000);
        QVERIFY(!numbers(2).contains(QStringLiteral("*")));
        QCOMPARE(QApplication::focusWidget(), panel->generate);

        press(Qt::Key_Escape);
        QCOMPARE(w->visiblePanel(), 0);
        QCOMPARE(QApplication::focusWidget(), w->selection()->pictures.at(1));
    }

    // Another window holds the keyboard (Help, or the editor just closed) when a click opens
    // a game: the window's own focus still leaves the hidden screen, where the first key back
    // would press a picture and open a second panel.
    void focusLeavesTheHiddenScreenWhileAnotherWindowIsActive()
    {
        QVERIFY(tabTo(w->selection()->pictures.at(0)));
        QWidget other; // a window whose control holds the keyboard
        new QLineEdit(&other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w->imgpic_Click(1);
        QVERIFY(w->focusWidget() && w->focusWidget()->isVisible());
    }

    void resultsPictureOnAGamePanelIsReachable()
    {
        QVERIFY(tabTo(w->selection()->pictures.at(3)));
        press(Qt::Key_Return);
        QCOMPARE(w->visiblePanel(), 4);
        Picture *results = w->gamePanel(4)->linkImage;
        QVERIFY(tabTo(results));
        QVERIFY(results->keyboardActivation());
    }
};

LOTTO_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
