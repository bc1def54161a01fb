// The luck-word editor: one window for the run, its text and the VorlaAdded flag over
// every way of closing it, the sample-words box, the height animation, focus following
// the mouse and a very long text.

#include "support/testsupport.h"

#include "generation/lucklength.h"
#include "shared/lotto.h"
#include "shared/twips.h"
#include "ui/luck/longrunwrap.h"
#include "ui/luck/luckwords.h"
#include "ui/luck/vorlawindow.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace TestSupport;

namespace {
VorlaWindow *editor()
{
    return VorlaWindow::instance();
}

// Runs `whileOpen` once the modal editor is up (through the real open-editor steps); it
// must close the editor. Should it not, the window is hidden after a while so the test
// fails instead of hanging.
bool openAndRun(const std::function<void()> &whileOpen, QWidget *anchor = nullptr)
{
    bool ran = false;
    QTimer::singleShot(0, editor(), [&] {
        ran = true;
        whileOpen();
    });
    QTimer::singleShot(10000, editor(), [] { editor()->hide(); });
    LuckWords::openEditor(anchor);
    return ran && editor()->isHidden();
}

// The part of the client area the frame occupies: empty when the frame lies below it.
QRect visibleFramePart()
{
    return editor()->frame1()->geometry() & editor()->rect();
}

// Ticks of Timer1 and the heights each tick left behind.
struct TickLog
{
    QList<int> heights;
    QMetaObject::Connection connection;
    TickLog()
    {
        connection = QObject::connect(editor()->timer1(), &QTimer::timeout, editor(),
                                      [this] { heights << editor()->heightTwips(); });
    }
    ~TickLog() { QObject::disconnect(connection); }
};

bool waitForTimerStop(int timeoutMs = 10000)
{
    return QTest::qWaitFor([] { return !editor()->timer1()->isActive(); }, timeoutMs);
}
} // namespace

class TestVorlaWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Every animation step sets a new fixed size; the offscreen platform says each time
        // that it has no size hints to pass on.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                    previous(type, context, message);
            });
    }

    // Must run first: nothing has created the editor yet.
    void readingTextBeforeOpeningCreatesHiddenEmptyEditor()
    {
        QVERIFY(VorlaWindow::existing() == nullptr);
        QCOMPARE(LuckWords::text(), QString());
        VorlaWindow *created = VorlaWindow::existing();
        QVERIFY(created != nullptr);
        QVERIFY(!created->isVisible());
        QVERIFY(created->windowHandle() == nullptr); // never shown: no native window yet
        QCOMPARE(LuckWords::text(), QString());
        QCOMPARE(VorlaWindow::instance(), created); // one window for the run
    }

    void init()
    {
        Lotto = LottoModule{};
        if (VorlaWindow *w = VorlaWindow::existing()) {
            if (w->isVisible())
                w->okButton()->click();
            w->text1()->clear();
        }
    }

    // The names other code and the tests find the controls by, the exact captions, and the
    // two paragraphs fitting their labels.
    void windowAndControls()
    {
        VorlaWindow *w = editor();
        QCOMPARE(w->objectName(), QStringLiteral("frmVorla"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Add/Remove Vorla"));
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->minimumSize(), w->maximumSize()); // the user cannot resize it
        QCOMPARE(w->width(), Twips::toPixels(9330));

        auto *instruct = child<QLabel>(w, "lblinstruct");
        QCOMPARE(instruct->text(), QStringLiteral("Click Here To Learn More About Vorla . . ."));
        QVERIFY(instruct->width() >= instruct->sizeHint().width()); // sized to its text
        QCOMPARE(instruct->property("Tag").toString(), QStringLiteral("0"));
        QVERIFY(child<QPlainTextEdit>(w, "Text1"));
        QCOMPARE(child<QPushButton>(w, "Command1")->text(),
                 QStringLiteral("Show me sample words!"));
        QCOMPARE(child<QPushButton>(w, "Command2")->text(), QStringLiteral("Clear"));
        QCOMPARE(child<QPushButton>(w, "CMDOK")->text(), QStringLiteral("&OK"));

        auto *frame = child<QGroupBox>(w, "Frame1");
        auto *label1 = child<QLabel>(frame, "Label1");
        auto *label2 = child<QLabel>(frame, "Label2");
        QVERIFY(label1->text().startsWith(QStringLiteral("Our world is composed of numbers.")));
        QVERIFY(label1->text().contains(QStringLiteral("and this programt will use the text")));
        QVERIFY(label1->text().endsWith(QStringLiteral("might improve your odds of winning.")));
        QCOMPARE(label2->text(),
                 QStringLiteral("Once you add the text in the box below click ok to return to the "
                                "program. You can add/remove anything you wish from the box. If "
                                "no vorla is added the program uses a unique algorithm scheme to "
                                "generate your lotto numbers. Good Luck, and may the force be "
                                "with you."));
        for (QLabel *l : {label1, label2})
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));

        auto *timer = child<QTimer>(w, "Timer1");
        QCOMPARE(timer->interval(), 1);
        QVERIFY(!timer->isActive());
    }

    void firstOpeningIsCollapsedWithFocusInBoxAndCentred()
    {
        MainWindow main;
        main.move(100, 120);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.imgpic_Click(2); // Ontario 49
        const QStringList before = visiblePanels(main);

        bool modal = false, focusInBox = false, frameHidden = false, buttonsShown = false;
        int height = 0;
        QPoint centre;
        QVERIFY(openAndRun(
            [&] {
                VorlaWindow *w = editor();
                modal = QApplication::activeModalWidget() == w && w->isVisible();
                focusInBox = w->focusWidget() == w->text1();
                height = w->heightTwips();
                frameHidden = visibleFramePart().isEmpty();
                buttonsShown = w->rect().contains(w->okButton()->geometry()) &&
                               w->rect().contains(w->text1()->geometry()) &&
                               w->rect().contains(w->lblinstruct()->geometry());
                centre = w->frameGeometry().center();
                w->okButton()->click();
            },
            &main));
        QVERIFY(modal);
        QVERIFY(focusInBox);
        QCOMPARE(height, 3540);
        QVERIFY(frameHidden);
        QVERIFY(buttonsShown);
        // Centred over the main window (the title bar is counted in twips, not measured).
        QVERIFY2((centre - main.frameGeometry().center()).manhattanLength() <= 40,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
        QCOMPARE(visiblePanels(main), before);
        QCOMPARE(LuckWords::text(), QString());
        QCOMPARE(Lotto.VorlaAdded, LottoModule::False);
    }

    // The panel button and File, Add/Remove Vorla (Ctrl+C) open the same editor, modal,
    // and leave the visible panel as it was.
    void mainWindowOpensEditor_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("shortcut");
        QTest::newRow("Lotto 649 button") << 1 << false;
        QTest::newRow("Lottario button") << 5 << false;
        QTest::newRow("Ctrl+C on the selection screen") << 0 << true;
        QTest::newRow("Ctrl+C on Pick 3") << 2 << true;
    }
    void mainWindowOpensEditor()
    {
        QFETCH(int, panel);
        QFETCH(bool, shortcut);
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        if (panel > 0)
            main.imgpic_Click(panel - 1);
        editor()->text1()->setPlainText(QStringLiteral("kept"));

        bool modalEditor = false;
        QString shownText;
        QTimer::singleShot(0, editor(), [&] {
            modalEditor = QApplication::activeModalWidget() == editor() && editor()->isVisible();
            shownText = editor()->text1()->toPlainText();
            editor()->okButton()->click();
        });
        if (shortcut)
            QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
        else
            QTest::mouseClick(main.gamePanel(panel)->addVorla, Qt::LeftButton);
        QVERIFY(modalEditor);
        QCOMPARE(shownText, QStringLiteral("kept"));
        QVERIFY(editor()->isHidden());
        QCOMPARE(main.visiblePanel(), panel);
        QCOMPARE(Lotto.VorlaAdded, LottoModule::True);
    }

    // Every way out keeps the text and sets VorlaAdded from it.
    void closingSetsVorlaAdded_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint16>("expected");
        const qint16 t = LottoModule::True, f = LottoModule::False;
        auto row = [](const char *name, const char *way, const QString &typed, qint16 expected) {
            QTest::newRow(name) << QString::fromLatin1(way) << typed << expected;
        };
        row("OK", "ok", QStringLiteral("Lucky 7"), t);
        row("close box", "close", QStringLiteral("Lucky 7"), t);
        row("Esc", "escape", QStringLiteral("Lucky 7"), t);
        row("one space", "ok", QStringLiteral(" "), t);
        row("two lines", "ok", QStringLiteral("a\nb"), t);
        row("non-breaking space kept", "ok", QStringLiteral("7\u00a07"), t);
        row("empty, OK", "ok", QString(), f);
        row("empty, close box", "close", QString(), f);
        row("empty, Esc", "escape", QString(), f);
    }
    void closingSetsVorlaAdded()
    {
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(qint16, expected);
        // The opposite of what closing must give, so a close that skips the flag shows.
        Lotto.VorlaAdded = expected == LottoModule::True ? LottoModule::False : LottoModule::True;

        QVERIFY(openAndRun([&] {
            VorlaWindow *w = editor();
            const QStringList lines = typed.split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(w->text1(), Qt::Key_Return);
                QTest::keyClicks(w->text1(), lines.at(i));
            }
            if (way == QLatin1String("ok"))
                QTest::mouseClick(w->okButton(), Qt::LeftButton);
            else if (way == QLatin1String("close"))
                w->close();
            else
                QTest::keyClick(w->text1(), Qt::Key_Escape);
        }));
        QCOMPARE(Lotto.VorlaAdded, expected);
        QCOMPARE(LuckWords::text(), typed);
        QCOMPARE(VorlaWindow::instance(), editor());

        // Reopening shows the same text; closing again without edits gives the same flag.
        QString shownAgain;
        QVERIFY(openAndRun([&] {
            shownAgain = editor()->text(); // what the box holds, character for character
            editor()->okButton()->click();
        }));
        QCOMPARE(shownAgain, typed);
        QCOMPARE(Lotto.VorlaAdded, expected);
    }

    void clearThenOkEmptiesTextAndClearsFlag()
    {
        editor()->text1()->setPlainText(QStringLiteral("John 3:16"));
        QCOMPARE(LuckWords::text(), QStringLiteral("John 3:16"));
        Lotto.VorlaAdded = LottoModule::True;
        bool stillOpen = false;
        QVERIFY(openAndRun([&] {
            editor()->clearButton()->click();
            stillOpen = editor()->isVisible();
            editor()->okButton()->click();
        }));
        QVERIFY(stillOpen);
        QCOMPARE(LuckWords::text(), QString());
        QCOMPARE(Lotto.VorlaAdded, LottoModule::False);
    }

    void sampleWordsBox()
    {
        VorlaWindow *w = editor();
        w->text1()->setPlainText(QStringLiteral("MONEY\nCLOVER"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        BoxAnswerer answerer;
        QTest::mouseClick(w->sampleWordsButton(), Qt::LeftButton);
        QCOMPARE(answerer.seen().size(), 1);
        const SeenBox box = answerer.seen().constFirst();
        QCOMPARE(box.title, QStringLiteral("Possible words you might want to use . . ."));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const QChar cr(13);
        QString body = QStringLiteral(
            "Some words you might want to add in here to give you good vorla (luck):");
        body += cr;
        body += cr;
        for (const char *entry :
             {"TORAH", "GOD", "LOVE", "PEACE", "MONEY", "RICH", "LUCKY", "CLOVER", "JESUS", "SEX",
              "LIFE", "DATE OF LOTTERY DRAW", "YOUR DATE OF BIRTH", "CLOSEST PERSON TOO YOU",
              "PAST WINNING NUMBERS"})
            body += QString::fromLatin1(entry) + cr;
        body += cr;
        body += QStringLiteral("You might want to cut and paste your autobiography, or your best "
                               "work. You just never know...");
        QCOMPARE(box.text, shown(body));
        QCOMPARE(w->text1()->toPlainText(), QStringLiteral("MONEY\nCLOVER"));
        QVERIFY(w->isVisible());
        w->okButton()->click();
    }

    void animationGrowsShrinksAndReverses()
    {
        VorlaWindow *w = editor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->heightTwips(), 3540);

        // Grow: steps of about 100 twips up to the bound, then the timer stops.
        {
            TickLog log;
            QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
            QCOMPARE(w->tag(), QStringLiteral("1"));
            QVERIFY(w->timer1()->isActive());
            QVERIFY(waitForTimerStop());
            QVERIFY(w->heightTwips() >= 7335);
            QVERIFY(w->heightTwips() < 7335 + 100 + Twips::PerPixel);
            QVERIFY2(log.heights.size() <= 45, qPrintable(QString::number(log.heights.size())));
            for (int i = 1; i < log.heights.size() - 1; ++i) {
                const int step = log.heights.at(i) - log.heights.at(i - 1);
                QVERIFY2(step >= 100 - Twips::PerPixel && step <= 100 + Twips::PerPixel,
                         qPrintable(QString::number(step)));
            }
            QCOMPARE(visibleFramePart(), w->frame1()->geometry()); // all of it
        }
        // Shrink back.
        {
            TickLog log;
            QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
            QCOMPARE(w->tag(), QStringLiteral("0"));
            QVERIFY(waitForTimerStop());
            QVERIFY(w->heightTwips() <= 3540);
            QVERIFY(w->heightTwips() > 3540 - 100);
            QVERIFY(log.heights.size() <= 45);
            QVERIFY(visibleFramePart().isEmpty());
        }
        // A second click during growth turns it back at once.
        {
            QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([w] { return w->heightTwips() > 5000; }, 10000));
            const int turnedAt = w->heightTwips();
            TickLog log;
            QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
            QCOMPARE(w->tag(), QStringLiteral("0"));
            QVERIFY(waitForTimerStop());
            QVERIFY(!log.heights.isEmpty());
            QVERIFY(log.heights.constFirst() < turnedAt);
            for (int h : std::as_const(log.heights))
                QVERIFY(h < turnedAt);
            QVERIFY(w->heightTwips() <= 3540);
        }
        // Clicks on the label's edge count; a press that leaves the label does not.
        {
            QTest::mousePress(w->lblinstruct(), Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(w->lblinstruct(), Qt::LeftButton, {},
                                QPoint(w->lblinstruct()->width() + 20, 2));
            QCOMPARE(w->tag(), QStringLiteral("0"));
            QVERIFY(!w->timer1()->isActive());
        }
        w->okButton()->click();
    }

    void closingWhileAnimatingOrExpandedReopensCollapsed_data()
    {
        QTest::addColumn<bool>("waitForEnd");
        QTest::newRow("while growing") << false;
        QTest::newRow("expanded") << true;
    }
    void closingWhileAnimatingOrExpandedReopensCollapsed()
    {
        QFETCH(bool, waitForEnd);
        VorlaWindow *w = editor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
        if (waitForEnd)
            QVERIFY(waitForTimerStop());
        else
            QVERIFY(QTest::qWaitFor([w] { return w->heightTwips() > 5000; }, 10000));
        w->okButton()->click();
        QVERIFY(w->isHidden());
        QVERIFY(!w->timer1()->isActive());
        QCOMPARE(w->tag(), QStringLiteral("0"));
        QCOMPARE(w->heightTwips(), 3540);

        int heightOnOpening = 0;
        bool frameHidden = false;
        QString tagAfterClick;
        int heightAfterClick = 0;
        QVERIFY(openAndRun([&] {
            heightOnOpening = w->heightTwips();
            frameHidden = visibleFramePart().isEmpty();
            QTest::mouseClick(w->lblinstruct(), Qt::LeftButton);
            tagAfterClick = w->tag();
            waitForTimerStop();
            heightAfterClick = w->heightTwips();
            w->okButton()->click();
        }));
        QCOMPARE(heightOnOpening, 3540);
        QVERIFY(frameHidden);
        QCOMPARE(tagAfterClick, QStringLiteral("1"));
        QVERIFY(heightAfterClick >= 7335);
    }

    void focusFollowsTheMouse()
    {
        VorlaWindow *w = editor();
        w->text1()->setPlainText(QStringLiteral("seven"));
        w->clearButton()->setFocus(); // left there by the last opening: the next one moves it
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // The window's own focus control: the offscreen platform does not always hand the
        // application's focus back to a window shown again.
        QCOMPARE(w->focusWidget(), w->text1());

        // The window system sends moves only to controls that track the mouse.
        for (QWidget *c :
             {static_cast<QWidget *>(w->okButton()), static_cast<QWidget *>(w->sampleWordsButton()),
              static_cast<QWidget *>(w->clearButton()), w->text1()->viewport()})
            QVERIFY(c->hasMouseTracking());

        // From the box over Clear, then the space bar: the text is cleared.
        hover(w->text1()->viewport());
        QCOMPARE(w->focusWidget(), w->text1());
        hover(w->clearButton());
        QCOMPARE(w->focusWidget(), w->clearButton());
        QTest::keyClick(w->focusWidget(), Qt::Key_Space);
        QCOMPARE(w->text1()->toPlainText(), QString());
        QVERIFY(w->isVisible());

        // Every move counts, also a second one over the same control.
        hover(w->sampleWordsButton());
        QCOMPARE(w->focusWidget(), w->sampleWordsButton());
        w->text1()->setFocus();
        hover(w->sampleWordsButton(), QPoint(3, 3));
        QCOMPARE(w->focusWidget(), w->sampleWordsButton());
        hover(w->okButton());
        QCOMPARE(w->focusWidget(), w->okButton());
        hover(w->text1()->viewport());
        QCOMPARE(w->focusWidget(), w->text1());
        QTest::keyClicks(w->focusWidget(), QStringLiteral("back"));
        QCOMPARE(w->text1()->toPlainText(), QStringLiteral("back"));

        // Tab goes Text1, OK, sample words, Clear (the labels take no focus).
        const QList<QWidget *> order{w->okButton(), w->sampleWordsButton(), w->clearButton(),
                                     w->text1()};
        for (QWidget *next : order) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            QCOMPARE(w->focusWidget(), next);
        }
        QCOMPARE(w->text1()->toPlainText(), QStringLiteral("back")); // Tab typed nothing
        w->okButton()->click();
    }

    // A pasted 5 MB text stays usable: typing, OK and reading it. Prints the times taken.
    void veryLongText()
    {
        VorlaWindow *w = editor();
        const QString line = QStringLiteral(
            "It was a dark and stormy night; my numbers came up at last, seven times over.");
        QString big;
        const int target = 5 * 1024 * 1024;
        big.reserve(target + line.size() + 1);
        while (big.size() < target)
            big += line + QLatin1Char('\n');
        big.truncate(target);

        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QElapsedTimer clock;
        clock.start();
        w->text1()->setPlainText(big);
        QApplication::processEvents();
        const qint64 pasteMs = clock.elapsed();

        w->text1()->moveCursor(QTextCursor::End);
        QApplication::processEvents();
        clock.restart();
        QCOMPARE(LuckWords::text().size(), target);
        const qint64 firstReadNs = clock.nsecsElapsed();
        clock.restart();
        QTest::keyClick(w->text1(), Qt::Key_X);
        QApplication::processEvents();
        const qint64 typeNs = clock.nsecsElapsed();

        clock.restart();
        const QString read = LuckWords::text();
        const qint64 readNs = clock.nsecsElapsed();
        QCOMPARE(read.size(), target + 1);
        QVERIFY(read.endsWith(QLatin1Char('x')));

        clock.restart();
        QTest::mouseClick(w->okButton(), Qt::LeftButton);
        const qint64 okNs = clock.nsecsElapsed();
        QVERIFY(w->isHidden());
        QCOMPARE(Lotto.VorlaAdded, LottoModule::True);
        QCOMPARE(LuckWords::text().size(), target + 1);

        clock.restart();
        QCOMPARE(LuckWords::text().size(), target + 1);
        const qint64 againNs = clock.nsecsElapsed();

        qInfo("5 MB text: set %lld ms, text() %.2f ms, one key %.2f ms, text() after the key "
              "%.2f ms, OK %.2f ms, text() unchanged %.3f ms",
              pasteMs, firstReadNs / 1e6, typeNs / 1e6, readNs / 1e6, okNs / 1e6, againNs / 1e6);
        QCOMPARE(w->text1()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        w->text1()->clear();
    }

    // 20 MB pasted, one line or many, then Esc: the box takes in a million characters and
    // cuts off the rest, so the window answers at once. Prints the time taken.
    void hugePasteIsCutAtTheCap_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::newRow("one line") << QStringLiteral("seven lucky numbers ");
        QTest::newRow("many lines") << QStringLiteral("seven lucky numbers\n");
    }
    void hugePasteIsCutAtTheCap()
    {
        QFETCH(QString, unit);
        VorlaWindow *w = editor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->text1()->setPlainText(QStringLiteral("ab"));
        w->text1()->moveCursor(QTextCursor::End);
        const QString big = unit.repeated(20 * 1024 * 1024 / unit.size());
        QApplication::clipboard()->setText(big);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(w->text1(), Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        QTest::keyClick(w, Qt::Key_Escape);
        qInfo("20 MB pasted (%s) and closed in %lld ms", QTest::currentDataTag(), clock.elapsed());
        QVERIFY(w->isHidden());
        QCOMPARE(LuckWords::text(),
                 QStringLiteral("ab") + big.left(VorlaWindow::MaxTextLength - 2));
        QApplication::clipboard()->clear();
        w->text1()->clear();
    }

    void runsWithoutSpaces()
    {
        using LongRunWrap::hasLongRun;
        using LongRunWrap::LongRun;
        const QString run(LongRun, QLatin1Char('w'));
        QVERIFY(hasLongRun(run));
        QVERIFY(hasLongRun(QStringLiteral("a b ") + run + QStringLiteral(" c")));
        QVERIFY(!hasLongRun(run.left(LongRun - 1)));
        QVERIFY(!hasLongRun(QString()));
        // Any white space, a paragraph end included, breaks a run.
        for (const QChar gap : {QChar(u' '), QChar(u'\t'), QChar(u'\n'), QChar(0x2029)}) {
            QString split = run;
            split[LongRun / 2] = gap;
            QVERIFY2(!hasLongRun(split), qPrintable(QString::number(gap.unicode(), 16)));
        }
    }

    // A pasted blob without spaces is wrapped anywhere (word wrapping would take minutes to
    // lay it out); the box wraps at words again once no such run is left.
    void longRunWithoutSpacesWrapsAnywhere()
    {
        VorlaWindow *w = editor();
        QPlainTextEdit *box = w->text1();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        box->clear();
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

        box->insertPlainText(QStringLiteral("lucky words "));
        box->insertPlainText(QString(200000, QLatin1Char('w')));
        QApplication::processEvents();
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAnywhere);
        QTest::mouseClick(w->clearButton(), Qt::LeftButton); // Clear
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

        // A run typed up to the length, one key at a time, and one key back.
        box->setPlainText(QStringLiteral("seven ") + QString(LongRunWrap::LongRun - 1, u'x'));
        box->moveCursor(QTextCursor::End);
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QTest::keyClick(box, Qt::Key_X);
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAnywhere);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        // Splitting the run in two with a space does the same.
        QTest::keyClick(box, Qt::Key_X);
        box->moveCursor(QTextCursor::StartOfBlock);
        for (int i = 0; i < 6 + LongRunWrap::LongRun / 2; ++i)
            box->moveCursor(QTextCursor::Right);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->clear();
        w->hide();
    }

    void typedInTheEditor()
    {
        // The luck-word length as a run counts it: what the editor hands out for typed line breaks
        // (Enter, Shift+Enter) counts as CR LF.
        QPlainTextEdit *box = editor()->text1();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("a"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("b"));
        QCOMPARE(LuckLength::of(LuckWords::text()), 4);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(box, QStringLiteral("c"));
        QCOMPARE(LuckLength::of(LuckWords::text()), 7);
        box->clear();
        QCOMPARE(LuckLength::of(LuckWords::text()), 0);
    }
};

LOTTO_TEST_MAIN(TestVorlaWindow)
#include "test_vorlawindow.moc"
