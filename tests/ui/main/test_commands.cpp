// The Rules buttons and the File and About menu commands of the main window: Exit, Print,
// Help and About.

#include "support/testsupport.h"

#include "app/aboutwindow.h"
#include "app/helpwindow.h"
#include "app/program.h"
#include "app/windowwiring.h"
#include "shared/lotto.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/rules.h"
#include "ui/main/windowhooks.h"
#include "ui/main/windowprinter.h"

#include <QAction>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace TestSupport;

namespace {

// Counts the close requests a window receives.
class CloseCounter : public QObject
{
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

// Whether the application has been told to end: once it has, every new event loop returns
// at once with -1 instead of running.
bool eventLoopsStillRun()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    return loop.exec() == 7;
}

QString join(const QStringList &lines)
{
    return lines.join(QChar(10));
}

// The rules as the game descriptions give them, one line per entry.
const QStringList lotto649Tail = {
    "",
    "1) Mark 6 numbers from 1 to 49 for each board you wish to play.",
    "2) Present the completed selection slip to an authorized retailer, and pay the appropriate "
    "price.",
    "",
    "TO WIN:",
    "",
    "Each set of 6 numbers must match as follows:",
    "",
    "- All 6 numbers for a jackpot prize",
    "- Or 5 main numbers  and the bonus number for a 2nd prize",
    "- Or 3, 4, or 5 main numbers for a 5th, 4th, or 3rd prize respectively.",
};

const QStringList pick3First = {
    "HOW TO PLAY ONTARIO PICK 3:",
    "",
    "1) You can play a STRAIGHT PLAY, or a BOX PLAY (Straight Play and Box Play are each "
    "comprised of 3 digits, which you select). Simply choose one digit from O to 9 in each "
    "column by placing a vertical mark. Do not mark more than one box per column.",
    "",
    "2) To play more than one day, select the number of consecutive days from 2 to 10 you want "
    "to play and mark the appropriate box in the # OF DAYS area on the right hand side of the "
    "selection slip.",
    "",
    "3) Choose the $ PER DAY you want to spend, either $1, $2, $5 or $10, and mark the "
    "appropriate box.",
    "",
    "4) Present the completed selection slip to an authorized retailer, and pay the appropriate "
    "price.",
    "",
    "There is more, click ok to continue . . .",
};

const QStringList pick3Second = {
    "The STRAIGHT PLAY wins if the 3 digit number you picked matches the 3 digit number IN THE "
    "EXACT ORDER. A number with the same 3 digits (e.g. 444) can be a winning STRAIGHT PLAY "
    "only. Odds of winning are 1 in 1,000.",
    "",
    "The BOX PLAY wins if the 3 digit number you pick matches the winning 3 digit number IN ANY "
    "ORDER. Odds of winning are 1 in 167. Prizes vary depending on the amount played and number "
    "of winners. There is no maximum prize amount per draw. There are no subsidiary prizes",
};

const QStringList super7 = {
    "HOW TO PLAY SUPER 7:",
    "",
    "1) Mark 7 numbers from 1 to 47 for each board you wish to play at a price of $2.00 per "
    "board.",
    "",
    "2) Present the completed selection slip to an authorized retailer, and pay the appropriate "
    "price.",
    "",
    "On the draw date, ILC will draw 7 main numbers and 1 bonus number at random from among all "
    "numbers from 1 to 47.",
    "",
    "To win, each set of 7 numbers must match as follows: all 7 numbers for a jackpot prize, or "
    "6 main numbers and the bonus number for a 2nd prize, or 3, 3+bonus, 4, 5, or 6 main numbers "
    "for a 7th, 6th, 5th, 4th or 3rd prize respectively.",
    "",
    "ILC determines from time to time a Prize Structure and calculates the amount of each prize "
    "in accordance with the Prize Structure then in force.",
};

const QStringList lottario = {
    "HOW TO PLAY LOTTARIO:",
    "",
    "1) Mark 6 numbers from 1 to 45 for each board. Pay $1.00 for each board played, and you "
    "will receive a second set of computer generated numbers.",
    "",
    "2) If you make a mistake, mark the VOID box. DO NOT ERASE. Then make your selection in the "
    "next board.",
    "",
    "3) Give your selection slip to your on line retailer.",
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

    WindowHooks hooks;
    QPointer<MainWindow> w;

    QAction *action(const char *name) const { return w->findChild<QAction *>(QLatin1String(name)); }

    void compareLines(const QString &body, const QStringList &expected)
    {
        // Lines are kept with a single carriage return between them, no line feed, no
        // trailing break.
        QVERIFY(!body.contains(QChar(10)));
        const QStringList got = body.split(QChar(13));
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < got.size(); ++i)
            QCOMPARE(got.at(i), expected.at(i));
    }

private Q_SLOTS:
    void init()
    {
        Lotto = LottoModule{};
        hooks.printerSource = {};
        w = new MainWindow(&hooks);
        WindowWiring::connectMainWindow(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        hooks.printerSource = {};
        delete HelpWindow::instance();
        delete w.data();
    }

    // --- Rules -----------------------------------------------------------------------------

    void rulesTexts_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<QStringList>>("bodies");
        QTest::newRow("Lotto 649")
            << 1 << QStringList{"Lotto 649 Information . . ."}
            << QList<QStringList>{QStringList{"HOW TO PLAY LOTTO 649:"} + lotto649Tail};
        QTest::newRow("Pick 3") << 2
                                << QStringList{"Pick 3 Lotto Information . . .",
                                               "Pick 3 Lotto Information . . ."}
                                << QList<QStringList>{pick3First, pick3Second};
        QTest::newRow("Ontario 49")
            << 3 << QStringList{"Ontario 49 Lotto Information . . ."}
            << QList<QStringList>{QStringList{"HOW TO PLAY ONTARIO 49:"} + lotto649Tail};
        QTest::newRow("Super 7") << 4 << QStringList{"Super 7 Information . . ."}
                                 << QList<QStringList>{super7};
        QTest::newRow("Lottario") << 5 << QStringList{"LOTTARIO Information . . ."}
                                  << QList<QStringList>{lottario};
    }
    void rulesTexts()
    {
        QFETCH(int, panel);
        QFETCH(QStringList, titles);
        QFETCH(QList<QStringList>, bodies);

        const QList<Rules::Message> messages = Catalogue::rules(panel);
        QCOMPARE(messages.size(), titles.size());
        for (int i = 0; i < messages.size(); ++i) {
            QCOMPARE(messages.at(i).title, titles.at(i));
            compareLines(messages.at(i).body, bodies.at(i));
        }

        // The panel's Rules button shows exactly these boxes, information icon, OK only.
        w->imgpic_Click(panel - 1);
        BoxAnswerer answerer;
        QTest::mouseClick(w->gamePanel(panel)->rules, Qt::LeftButton);
        QCOMPARE(answerer.seen().size(), titles.size());
        for (int i = 0; i < titles.size(); ++i) {
            const SeenBox &box = answerer.seen().at(i);
            QCOMPARE(box.title, titles.at(i));
            QCOMPARE(box.text, join(bodies.at(i)));
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }

    void rulesOfOtherPanelsShowNothing()
    {
        for (int index : {-1, 0, 6, 7}) {
            QVERIFY(Catalogue::rules(index).isEmpty());
            BoxAnswerer answerer;
            w->cmdrules_Click(index);
            QVERIFY(answerer.seen().isEmpty());
        }
    }

    void pick3SecondBoxFollowsHoweverTheFirstIsDismissed_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << int(BoxAnswerer::Dismiss::Escape);
        QTest::newRow("close box") << int(BoxAnswerer::Dismiss::CloseBox);
    }
    void pick3SecondBoxFollowsHoweverTheFirstIsDismissed()
    {
        QFETCH(int, how);
        w->imgpic_Click(1);
        BoxAnswerer answerer;
        answerer.setDismiss(BoxAnswerer::Dismiss(how));
        w->cmdrules_Click(2);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(0).text, join(pick3First));
        QCOMPARE(answerer.seen().at(1).text, join(pick3Second));
        QCOMPARE(w->visiblePanel(), PanelIndex(2));
    }

    // --- Exit ------------------------------------------------------------------------------

    void exitNoLeavesEverything()
    {
        w->imgpic_Click(1);
        GamePanel *pick3 = w->gamePanel(2);
        const QStringList numbers{"4", "0", "4"};
        for (int i = 0; i < pick3->numbers.size(); ++i)
            pick3->numbers.at(i)->setText(numbers.at(i));
        CloseCounter closes;
        w->installEventFilter(&closes);

        BoxAnswerer answerer({QMessageBox::No});
        action("mnuFileExit")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        const SeenBox &box = answerer.seen().first();
        QCOMPARE(box.title, QStringLiteral("* QUESTION *"));
        QCOMPARE(box.text, QStringLiteral("Are you sure you want to exit?"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);

        QVERIFY(eventLoopsStillRun());
        QVERIFY(w->isVisible());
        QCOMPARE(w->visiblePanel(), PanelIndex(2));
        for (int i = 0; i < pick3->numbers.size(); ++i)
            QCOMPARE(pick3->numbers.at(i)->text(), numbers.at(i));
        QCOMPARE(closes.closes, 0);
    }

    void exitYesEndsTheProgramWithHelpOpen()
    {
        QPointer<HelpWindow> help = HelpWindow::showHelp();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        CloseCounter closes;
        w->installEventFilter(&closes);
        help->installEventFilter(&closes);

        // Choose Exit from inside the program's event loop, the way a user does; a watchdog
        // ends a loop that would otherwise never end.
        BoxAnswerer answerer({QMessageBox::Yes});
        QTimer::singleShot(0, w, [this] { action("mnuFileExit")->trigger(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);
        const int code = QApplication::exec();
        watchdog.stop();

        QCOMPARE(code, 0);
        QCOMPARE(answerer.seen().size(), 1);
        // Nobody was asked: neither window saw a close request.
        QCOMPARE(closes.closes, 0);
        // At the end the program destroys what is left, still without asking.
        Program::destroyAllWindows();
        QVERIFY(help.isNull());
        QVERIFY(w.isNull());
        QCOMPARE(closes.closes, 0);
    }

    // --- Print -----------------------------------------------------------------------------

    void printNoShowsCanceled()
    {
        int asked = 0;
        hooks.printerSource = [&asked] {
            ++asked;
            return std::unique_ptr<QPrinter>();
        };
        BoxAnswerer answerer({QMessageBox::No});
        action("mnuPrint")->trigger();
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("* QUESTION *"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Are you sure you want to print?"));
        QCOMPARE(answerer.seen().at(0).icon, QMessageBox::Question);
        QCOMPARE(answerer.seen().at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Status."));
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("Printing Canceled!"));
        QCOMPARE(answerer.seen().at(1).icon, QMessageBox::Information);
        QCOMPARE(answerer.seen().at(1).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked, 0);
    }

    void printYesShowsNothingMore()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("window.pdf"));
        hooks.printerSource = [file] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
            return printer;
        };
        BoxAnswerer answerer({QMessageBox::Yes});
        action("mnuPrint")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(QFileInfo(file).size() > 1000);
    }

    void printFailuresAreReported_data()
    {
        QTest::addColumn<bool>("printerExists");
        QTest::addColumn<QString>("says");
        QTest::newRow("no default printer") << false << "no default printer is set up";
        QTest::newRow("printer cannot be opened") << true << "could not be opened";
    }
    void printFailuresAreReported()
    {
        QFETCH(bool, printerExists);
        QFETCH(QString, says);
        hooks.printerSource = [printerExists] {
            if (!printerExists)
                return std::unique_ptr<QPrinter>();
            // A printer whose output cannot be created: painting on it cannot start.
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QStringLiteral("/nonexistent-folder/lotto/window.pdf"));
            return printer;
        };
        BoxAnswerer answerer({QMessageBox::Yes});
        action("mnuPrint")->trigger();
        QCOMPARE(answerer.seen().size(), 2);
        const SeenBox &box = answerer.seen().at(1);
        QCOMPARE(box.title, WindowPrinter::failureTitle());
        QVERIFY2(box.text.contains(says), qPrintable(box.text));
        QVERIFY(box.text.contains(QStringLiteral("not printed")));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // --- Help and About --------------------------------------------------------------------

    void helpFromMenuAndF1IsOneWindow()
    {
        action("mnuAboutHelp")->trigger();
        QPointer<HelpWindow> help = HelpWindow::instance();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowExposed(help));

        // The main window stays usable; F1 there brings the same window to the front.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(HelpWindow::instance(), help.data());
        int helps = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            helps += top->objectName() == QLatin1String("frmHelp");
        QCOMPARE(helps, 1);
        QVERIFY(QTest::qWaitForWindowActive(help));
    }

    void aboutIsModalAndFreshEachTime()
    {
        QList<QPointer<AboutWindow>> opened;
        bool wasModal = false;
        auto closeIt = [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            if (!about)
                return;
            opened.append(about);
            wasModal = about->isModal() && about->parentWidget() == w;
            about->okButton()->click();
        };
        for (int round = 0; round < 2; ++round) {
            wasModal = false;
            QTimer::singleShot(50, w, closeIt);
            if (round == 0) {
                action("mnuAboutAbout")->trigger();
            } else {
                w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w));
                QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            }
            QCOMPARE(opened.size(), round + 1);
            QVERIFY(wasModal);
            QTRY_VERIFY(opened.last().isNull()); // destroyed once closed
        }
        QCOMPARE(opened.size(), 2);
    }
};

LOTTO_TEST_MAIN(TestCommands)
#include "test_commands.moc"
