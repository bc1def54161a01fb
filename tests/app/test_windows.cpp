// The Help and About windows: texts, looks, the single Help window and how each closes; and
// every window's texts legible on light, dark and high-contrast desktop palettes.

#include "support/testsupport.h"

#include "app/aboutwindow.h"
#include "app/contact.h"
#include "app/helpwindow.h"
#include "shared/palettes.h"
#include "shared/picture.h"
#include "ui/luck/vorlawindow.h"
#include "ui/main/mainwindow.h"

#include <QAbstractButton>
#include <QScopeGuard>
#include <QStyle>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <array>

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

// The lowest contrast of `w`'s text colour to what lies under the pixels it draws in `window`
// (rendered as shown, and with that colour transparent); 0 when it draws none.
double textContrast(QWidget *window, QWidget *w)
{
    const QRect area = w->visibleRegion().boundingRect().translated(w->mapTo(window, QPoint()));
    const QPalette own = w->palette();
    QPalette hidden = own;
    hidden.setColor(w->foregroundRole(), Qt::transparent);
    const QImage with = window->grab().toImage();
    w->setPalette(hidden);
    const QImage behind = window->grab().toImage();
    w->setPalette(own);
    double lowest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (with.pixel(x, y) != behind.pixel(x, y))
                lowest = std::min(
                    lowest ? lowest : 21.0,
                    Palettes::contrast(own.color(w->foregroundRole()), behind.pixelColor(x, y)));
    return lowest;
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

    // --- Every window on every palette -------------------------------------------------------

    // A light, a dark (qt6ct's "darker" faces) and a black-and-white palette, set while the
    // window is open, for the application only or, as qt6ct does, for every widget too: every
    // text keeps 4.5:1 to what is behind it (3:1 when large); a game picture's focus ring and
    // hover frame show.
    void legibleOnEveryPalette_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("everyWidget");
        QPalette high(Qt::black, Qt::black); // white texts on black, and a white highlight
        high.setColor(QPalette::Highlight, Qt::white);
        const QPalette palettes[] = {QApplication::style()->standardPalette(),
                                     QPalette(QColor(0x424245), QColor(0x222020)), high};
        for (const char *w : {"selection", "Lotto 649", "About", "Vorla", "Help"})
            for (int p = 0; p < 6; ++p)
                QTest::addRow("%s, %s%s", w, std::array{"light", "dark", "high"}[p % 3],
                              p < 3 ? "" : ", every widget")
                    << QString(w) << palettes[p % 3] << (p >= 3);
    }
    void legibleOnEveryPalette()
    {
        QFETCH(QString, window);
        QFETCH(QPalette, palette);
        QFETCH(bool, everyWidget);
        auto restore = qScopeGuard([everyWidget] {
            for (QWidget *w : everyWidget ? QApplication::allWidgets() : QWidgetList())
                w->setPalette(QPalette()); // the luck-word editor outlives the row
            QApplication::setPalette(QPalette());
            delete HelpWindow::instance();
            VorlaWindow::instance()->hide();
        });
        std::unique_ptr<MainWindow> main = shownMainWindow(true);
        std::unique_ptr<AboutWindow> about;
        QWidget *shown = main.get();
        if (window == "Lotto 649")
            main->imgpic_Click(0);
        else if (window == "About")
            shown = (about = std::make_unique<AboutWindow>(main.get())).get();
        else if (window == "Vorla")
            shown = VorlaWindow::instance();
        else if (window == "Help")
            shown = HelpWindow::showHelp();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QApplication::setPalette(palette);
        for (QWidget *w : everyWidget ? QApplication::allWidgets() : QWidgetList()) {
            QEvent change(QEvent::ThemeChange);
            QApplication::sendEvent(w, &change);
            w->setPalette(palette);
        }
        QCoreApplication::processEvents(); // the windows take the new palette

        for (QWidget *w : shown->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            auto *button = qobject_cast<QAbstractButton *>(w);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (text.trimmed().isEmpty() || !w->isEnabled() || w->visibleRegion().isEmpty())
                continue;
            const double ratio = textContrast(shown, w);
            const QFont f = w->font();
            const bool large = f.pointSizeF() >= 18 || (f.bold() && f.pointSizeF() >= 14);
            QVERIFY2(ratio >= (large ? 3 : 4.5),
                     qPrintable(w->objectName() + ' ' + QString::number(ratio)));
        }
        if (window != "selection")
            return;
        // The ring lies two pixels inside the picture, over a white one; the frame on its edge.
        auto *pic = child<Picture>(shown, "imgpic_0");
        pic->setFocus(Qt::TabFocusReason);
        hover(pic);
        const QImage image = pic->grab().toImage();
        double ring = 1;
        for (int y = 4; y < image.height() - 4; ++y)
            ring = std::max(ring, Palettes::contrast(image.pixelColor(2, y), Qt::white));
        QVERIFY2(ring >= 3, qPrintable(QString::number(ring)));
        QVERIFY(Palettes::contrast(image.pixelColor(0, 10), QColor(0, 192, 0)) >= 3);
    }
};

LOTTO_TEST_MAIN(TestWindows)
#include "test_windows.moc"
