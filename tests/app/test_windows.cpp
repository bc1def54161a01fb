// The Help and About windows: texts, looks, the single Help window and how each closes.

#include "support/testsupport.h"

#include "app/aboutwindow.h"
#include "app/contact.h"
#include "app/helpwindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

using namespace TestSupport;

namespace {

// Receives the addresses the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

int helpWindowCount()
{
    int n = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        n += top->objectName() == QLatin1String("frmHelp");
    return n;
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        delete HelpWindow::instance();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    // --- Help ------------------------------------------------------------------------------

    void helpTexts()
    {
        HelpWindow *help = HelpWindow::showHelp();
        const QStringList expected = {
            "Welcome to the Orveks Lotto Worla Generator. This program will not only generate "
            "lottery numbers at random, it will use past statistics of lottery results, and of "
            "course Worla.",
            "What is Worla you ask? Our world is composed of numbers. We do not understand "
            "probability, and chance fully yet but we are getting closer daily. However a link "
            "lurks between words, people, objects and the generation of numbers. In a recent "
            "case in the USA a citizen used the Bible to generate lotto numbers which "
            "surprisingly won him $30 MILLION. This program offers a unique feature which allows "
            "you to add text of names, numbers, words, etc... and this programt will use the "
            "text to specially generate your lotto numbers. So go through the bible and find "
            "words, add your kids names, and birthdays, add anything you think will give you "
            "good luck and it just might improve your odds of winning.",
            "This program includes the following features:",
            "-- Worla Generator (Explained above)",
            "-- If no Worla is added, program automatically generates numbers using old lotto "
            "results and makes an educated guess rather than purley random.",
            "-- Internet Link: Check the results on-line, check if your numbers have ever won on "
            "a lottery system, get your zodiac numbers (numbers special to your zodiac sign eg: "
            "cancer, leo, scorpio, etc...) for any lottery system, perform an advanced analysis "
            "on past lottery results (eg: most frequent number, pattern etc...),  the Canadian "
            "Lottery Information link contains special information about all lottery systems in "
            "Canada.",
            "What to expect in version 2.0",
            "-- Generate lottery numbers to any custom lottery you want.",
            "-- Save/Open a detailed record of your lottery numbers and the results.",
            "-- Please send your comments, questions, ideas, concerns to:   " + Contact::address(),
        };
        for (int i = 1; i <= 10; ++i) {
            auto *label = child<QLabel>(help, QStringLiteral("Label%1").arg(i));
            QVERIFY(label);
            QCOMPARE(label->text(), expected.at(i - 1));
            QVERIFY(label->wordWrap());
            QCOMPARE(label->font().pointSizeF(), 12.0);
            QCOMPARE(label->font().bold(), i == 7);
        }
        // One column, top to bottom in order.
        for (int i = 1; i < 10; ++i)
            QVERIFY(help->label(i)->geometry().bottom() < help->label(i + 1)->geometry().top());
    }

    void helpWindowFrame()
    {
        HelpWindow *help = HelpWindow::showHelp();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QVERIFY(help->windowState() & Qt::WindowMaximized);
        QVERIFY(help->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(help->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(help->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!help->isModal());
    }

    void helpIsOneWindowAndComesBackAfterClosing()
    {
        QPointer<HelpWindow> first = HelpWindow::showHelp();
        QCOMPARE(HelpWindow::showHelp(), first.data());
        QCOMPARE(helpWindowCount(), 1);

        // The close box unloads it; the next Help creates it again.
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!HelpWindow::instance());
        QCOMPARE(helpWindowCount(), 0);
        QPointer<HelpWindow> second = HelpWindow::showHelp();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(helpWindowCount(), 1);
    }

    void helpKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("Q") << int(Qt::Key_Q) << false;
        QTest::newRow("Down") << int(Qt::Key_Down) << false;
    }
    void helpKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        QPointer<HelpWindow> help = HelpWindow::showHelp();
        QVERIFY(QTest::qWaitForWindowActive(help));
        // The key goes where the keyboard is: the focused control, or the window itself.
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : help.data();
        QTest::keyClick(target, Qt::Key(key));
        QTest::qWait(0);
        if (closes) {
            QTRY_VERIFY(help.isNull());
        } else {
            QVERIFY(help);
            QVERIFY(help->isVisible());
        }
    }

    // --- About -----------------------------------------------------------------------------

    void aboutContents()
    {
        QWidget owner;
        owner.resize(600, 400);
        owner.move(100, 80);
        owner.show();
        auto *about = new AboutWindow(&owner);
        QPointer<AboutWindow> guard = about;
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));

        QCOMPARE(about->objectName(), QStringLiteral("frmabout"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About Orvek's Lotto Worla Generator"));
        QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        // Centred over the main window.
        QVERIFY(
            (about->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <=
            4);

        QCOMPARE(child<QLabel>(about, "Label4")->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(child<QLabel>(about, "Label5")->text(), QString());
        QLabel *email = child<QLabel>(about, "lblemail");
        QCOMPARE(email->text(), Contact::address());
        QCOMPARE(email->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QVERIFY(email->x() >= about->width() / 2); // right half
        QLabel *company = child<QLabel>(about, "Label1");
        QCOMPARE(company->text(), QStringLiteral("Talmar Software Inc."));
        QCOMPARE(company->parentWidget(), child<QWidget>(about, "Picture1"));

        auto *ok = child<QPushButton>(about, "CMDOK");
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QVERIFY(ok->font().bold());
        QCOMPARE(ok->font().pointSizeF(), 9.75);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), ok);

        // The same address ends the Help window's last paragraph.
        QVERIFY(HelpWindow::texts().last().endsWith(QStringLiteral("   ") + Contact::address()));
        delete guard.data();
    }

    void aboutCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("close box") << "close box";
    }
    void aboutCloses()
    {
        QFETCH(QString, how);
        QPointer<AboutWindow> about = new AboutWindow;
        bool sawModal = false;
        QTimer::singleShot(0, about, [&] {
            sawModal = QApplication::activeModalWidget() == about;
            if (how == QLatin1String("OK"))
                QTest::mouseClick(about->okButton(), Qt::LeftButton);
            else if (how == QLatin1String("Enter"))
                QTest::keyClick(about->okButton(), Qt::Key_Return);
            else
                about->close();
        });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [&] {
            if (about)
                about->done(99);
        });
        watchdog.start(10000);
        const int result = about->exec();
        QVERIFY(result != 99);
        QVERIFY(sawModal);
        QTRY_VERIFY(about.isNull()); // unloaded: destroyed on closing
    }

    void contactOpensWebMailAndLeavesAboutOpen()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QPointer<AboutWindow> about = new AboutWindow;
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QPixmap before = about->grab();

        QTest::mouseClick(about->lblemail(), Qt::LeftButton);
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first().toString(), QStringLiteral("https://www.mailnest.example"));
        QCOMPARE(catcher.opened.first().toString(), Contact::webMailHome());
        QVERIFY(catcher.opened.first().path().isEmpty()); // host only

        QTest::qWait(50);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->grab().toImage(), before.toImage());

        // Without a mouse: Tab from OK reaches the address, which Enter and Space open.
        QCOMPARE(QApplication::focusWidget(), about->findChild<QWidget *>("CMDOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about->lblemail());
        QVERIFY(about->lblemail()->font().underline());
        QTest::keyClick(about->lblemail(), Qt::Key_Return);
        QTest::keyClick(about->lblemail(), Qt::Key_Space);
        QCOMPARE(catcher.opened.size(), 3);
        QVERIFY(about->isVisible());
        QTest::keyClick(about->lblemail(), Qt::Key_Tab);
        QVERIFY(!about->lblemail()->font().underline());
        delete about.data();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
};

LOTTO_TEST_MAIN(TestWindows)
#include "test_windows.moc"
