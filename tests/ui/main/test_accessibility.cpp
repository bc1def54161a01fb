// What assistive technology finds in the program's windows: every control a user can act
// on has a name (and, in the main window, a description), the game pictures are buttons
// that can be pressed, and the number labels say where they stand and what they show.

#include "support/accessibilitywalk.h"
#include "support/testsupport.h"

#include "app/aboutwindow.h"
#include "app/helpwindow.h"
#include "app/splashwindow.h"
#include "shared/lotto.h"
#include "shared/messagebox.h"
#include "shared/picture.h"
#include "ui/luck/vorlawindow.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/selectionpanel.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

using namespace TestSupport;

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

private Q_SLOTS:
    void init()
    {
        w = shownMainWindow();
        QVERIFY(w);
    }
    void cleanup() { w.reset(); }

    void everyActionableControlOfTheMainWindowIsNamedAndDescribed()
    {
        const Walk walked = walkWindow(w.get());
        QVERIFY2(walked.unnamed.isEmpty(), qPrintable(walked.unnamed.join(QLatin1Char('\n'))));
        QVERIFY2(walked.undescribed.isEmpty(),
                 qPrintable(walked.undescribed.join(QLatin1Char('\n'))));
        // 6 selection pictures, 5 game panels of 5 buttons and a results picture, the Custom
        // panel's 4 buttons, and the menu items: the walk did see them all.
        QVERIFY2(walked.actionableCount >= 6 + 5 * 6 + 4 + 10,
                 qPrintable(QString::number(walked.actionableCount)));
    }

    void theWalkFindsAnUnnamedControl()
    {
        // The check itself: a button without text or name is reported.
        auto *nameless = new QPushButton(w->selection());
        nameless->setObjectName(QStringLiteral("nameless"));
        nameless->show();
        const Walk walked = walkWindow(w.get());
        QCOMPARE(walked.unnamed.size(), 1);
        QVERIFY(walked.unnamed.constFirst().contains(QLatin1String("nameless")));
    }

    void menuItemsAreNamed()
    {
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(w->menuBar());
        QVERIFY(bar);
        QStringList names;
        std::function<void(QAccessibleInterface *)> collect = [&](QAccessibleInterface *i) {
            if (i->role() == QAccessible::MenuItem)
                names << i->text(QAccessible::Name);
            for (int k = 0; k < i->childCount(); ++k)
                collect(i->child(k));
        };
        collect(bar);
        for (const char *expected :
             {"File", "Internet", "Zodiac Lottery Picker!", "Exit", "About", "Help", "About..."})
            QVERIFY2(names.contains(QLatin1String(expected)), expected);
    }

    void gamePicturesAreButtonsNamedForWhatTheyOpen()
    {
        const QStringList expected{QStringLiteral("Lotto 649"),  QStringLiteral("Pick 3"),
                                   QStringLiteral("Ontario 49"), QStringLiteral("Super 7"),
                                   QStringLiteral("Lottario"),   QStringLiteral("Custom")};
        for (int k = 0; k < 6; ++k) {
            Picture *pic = w->selection()->pictures.at(k);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(pic);
            QVERIFY(iface);
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), expected.at(k));
            QCOMPARE(iface->text(QAccessible::Description), pic->toolTip());
            QVERIFY(iface->state().focusable);
            QVERIFY(iface->actionInterface());
        }
        QAccessibleInterface *results =
            QAccessible::queryAccessibleInterface(w->gamePanel(1)->linkImage);
        QCOMPARE(results->role(), QAccessible::Button);
        QCOMPARE(results->text(QAccessible::Name), QStringLiteral("Lotto 649 results"));
        QCOMPARE(results->text(QAccessible::Description),
                 QStringLiteral("Click here to see the latest lotto results for LOTTO 649"));

        // A picture that does nothing is a graphic.
        auto *hourglass = w->findChild<Picture *>(QStringLiteral("Image1"));
        QVERIFY(hourglass);
        QCOMPARE(QAccessible::queryAccessibleInterface(hourglass)->role(), QAccessible::Graphic);
    }

    void pressingAPictureActsLikeItsClick()
    {
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(w->selection()->pictures.at(3));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w->visiblePanel(), 4);
    }

    void numberLabelsSayWhereTheyStandAndWhatTheyShow()
    {
        GamePanel *panel = w->gamePanel(1);
        QCOMPARE(panel->numbers.size(), 6);
        QAccessibleInterface *third = QAccessible::queryAccessibleInterface(panel->numbers.at(2));
        QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Number 3 of 6: empty"));
        panel->numbers.at(2)->setText(QStringLiteral("17"));
        QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Number 3 of 6: 17"));
        panel->numbers.at(2)->setText(QStringLiteral("*"));
        QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Number 3 of 6: empty"));

        QAccessibleInterface *pick3 =
            QAccessible::queryAccessibleInterface(w->gamePanel(2)->numbers.at(0));
        w->gamePanel(2)->numbers.at(0)->setText(QStringLiteral("0"));
        QCOMPARE(pick3->text(QAccessible::Name), QStringLiteral("Number 1 of 3: 0"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->gamePanel(4)->numbers.at(6))
                     ->text(QAccessible::Name),
                 QStringLiteral("Number 7 of 7: empty"));
    }

    void everyOtherWindowIsNamedToo_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("luck-word editor") << QStringLiteral("frmVorla");
        QTest::newRow("about") << QStringLiteral("frmabout");
        QTest::newRow("help") << QStringLiteral("frmHelp");
        QTest::newRow("splash") << QStringLiteral("frmSplash");
    }
    void everyOtherWindowIsNamedToo()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> owned;
        QWidget *shown = nullptr;
        if (window == QLatin1String("frmVorla")) {
            shown = VorlaWindow::instance();
        } else if (window == QLatin1String("frmabout")) {
            owned = std::make_unique<AboutWindow>(w.get());
            shown = owned.get();
        } else if (window == QLatin1String("frmHelp")) {
            shown = HelpWindow::showHelp();
        } else {
            owned = std::make_unique<SplashWindow>(24 * 3600 * 1000);
            shown = owned.get();
        }
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), window);
        const Walk walked = walkWindow(shown);
        QVERIFY2(walked.unnamed.isEmpty(), qPrintable(walked.unnamed.join(QLatin1Char('\n'))));
        // A screen reader meets a window once the window system has it; from Qt 6.11 on, a
        // window's name is read from there, so ask once it exists.
        shown->winId();
        if (!(shown->windowFlags() & Qt::FramelessWindowHint)) // the splash has no title
            QVERIFY(
                !QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name).isEmpty());
        if (window == QLatin1String("frmHelp"))
            shown->close();
    }

    void messageBoxButtonsAreNamed()
    {
        std::unique_ptr<QMessageBox> box(
            MsgBox::create(w.get(), QStringLiteral("Body"), QStringLiteral("* QUESTION *"),
                           MsgBox::Icon::Question, MsgBox::Buttons::YesNo));
        box->show();
        const Walk walked = walkWindow(box.get());
        QVERIFY2(walked.unnamed.isEmpty(), qPrintable(walked.unnamed.join(QLatin1Char('\n'))));
        QVERIFY(walked.actionableCount >= 2);
    }
};

LOTTO_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
