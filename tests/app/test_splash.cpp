// The splash window: what it shows and the one hand-over to the main window.

#include "support/testsupport.h"

#include "app/splashwindow.h"
#include "shared/picture.h"
#include "ui/main/mainwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using namespace TestSupport;

namespace {

int mainWindowCount()
{
    int n = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        n += qobject_cast<MainWindow *>(top) != nullptr;
    return n;
}

void postMousePress(QWidget *w)
{
    const QPointF at = QRectF(w->rect()).center();
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at),
                                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
}

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

    QPointer<SplashWindow> splash;

    // A splash as the program starts it, shown and waiting.
    void start(int handOverMs = SplashWindow::HandOverMs)
    {
        splash = new SplashWindow(handOverMs);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }

    // After a hand-over: one main window, shown; the splash gone.
    void verifyHandedOver()
    {
        QVERIFY(MainWindow::instance());
        QCOMPARE(mainWindowCount(), 1);
        QVERIFY(MainWindow::instance()->isVisible());
        QTRY_VERIFY(splash.isNull());
    }

private Q_SLOTS:
    void cleanup()
    {
        delete splash.data();
        while (MainWindow *w = MainWindow::instance())
            delete w;
        QTest::qWait(0);
    }

    void looks()
    {
        start();
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->windowType(), Qt::Tool); // no title bar, no task-bar entry, takes keys
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(splash->frame1()->geometry().intersected(splash->rect()),
                 splash->frame1()->geometry());

        struct Expect
        {
            const char *name;
            QString text;
            double points;
            bool bold;
            bool right;
        };
        const Expect labels[] = {
            {"lblCompanyProduct", "Orvek's Lotto Vorla", 18, true, false},
            {"lblPlatform", "Windows9'X 'NT & '2000", 15.75, true, true},
            {"lblVersion", "Version 1.0", 12, true, true},
            {"lblWarning", "", 8.25, false, false},
            {"lblCompany", "Talmar Software Inc.", 8.25, false, false},
        };
        for (const Expect &e : labels) {
            auto *l = child<QLabel>(splash->frame1(), e.name);
            QVERIFY(l);
            QCOMPARE(l->text(), e.text);
            QCOMPARE(l->textFormat(), Qt::PlainText); // a single "&" shows as itself
            QCOMPARE(l->font().family(), QStringLiteral("Arial"));
            QCOMPARE(l->font().pointSizeF(), e.points);
            QCOMPARE(l->font().bold(), e.bold);
            QCOMPARE(bool(l->alignment() & Qt::AlignRight), e.right);
            QVERIFY(splash->frame1()->rect().contains(l->geometry()));
            if (!e.text.isEmpty()) // sized to its text
                QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(e.text));
        }
        QCOMPARE(child<Picture>(splash->frame1(), "imgLogo")->resource(),
                 QStringLiteral(":/assets/splash-logo.svg"));
        QCOMPARE(child<Picture>(splash->frame1(), "Image1")->resource(),
                 QStringLiteral(":/assets/splash-emblem.svg"));

        // Five seconds, running from the moment the window loaded.
        QCOMPARE(splash->timer1()->interval(), 5000);
        QVERIFY(splash->timer1()->isActive());
        QVERIFY(!MainWindow::instance());
    }

    void handsOverWhenTheTimerRunsOut()
    {
        start(50);
        QVERIFY(!MainWindow::instance());
        QTRY_VERIFY(MainWindow::instance());
        verifyHandedOver();
    }

    void anyKeyHandsOverAtOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Shift alone") << int(Qt::Key_Shift);
        QTest::newRow("Alt alone") << int(Qt::Key_Alt);
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("X") << int(Qt::Key_X);
    }
    void anyKeyHandsOverAtOnce()
    {
        QFETCH(int, key);
        start();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        QTest::keyPress(splash, Qt::Key(key));
        verifyHandedOver();
    }

    void anyMousePressHandsOverAtOnce_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("button");
        for (const char *part : {"frmSplash", "Frame1", "imgLogo", "Image1", "lblCompanyProduct",
                                 "lblPlatform", "lblVersion", "lblWarning", "lblCompany"})
            QTest::newRow(part) << QString(part) << int(Qt::LeftButton);
        QTest::newRow("right button on the logo") << "imgLogo" << int(Qt::RightButton);
        QTest::newRow("middle button on the frame") << "Frame1" << int(Qt::MiddleButton);
    }
    void anyMousePressHandsOverAtOnce()
    {
        QFETCH(QString, part);
        QFETCH(int, button);
        start();
        QWidget *target =
            part == QLatin1String("frmSplash") ? splash.data() : child<QWidget>(splash, part);
        QVERIFY(target);
        // The window itself only gets the press in its margin around the frame.
        const QPoint at = target == splash ? QPoint(1, 1) : target->rect().center();
        QTest::mousePress(target, Qt::MouseButton(button), Qt::NoModifier, at);
        verifyHandedOver();
    }

    void aSecondPressDuringTheHandOverDoesNothing()
    {
        start();
        // These arrive while the hand-over lets pending events run.
        postMousePress(child<QWidget>(splash, "lblCompany"));
        postMousePress(child<QWidget>(splash, "imgLogo"));
        QCoreApplication::postEvent(
            splash, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));
        QMetaObject::invokeMethod(splash, "Timer1_Timer", Qt::QueuedConnection);
        QTest::mousePress(child<QWidget>(splash, "lblPlatform"), Qt::LeftButton);
        verifyHandedOver();
        QTest::qWait(100);
        QCOMPARE(mainWindowCount(), 1);
    }
};

LOTTO_TEST_MAIN(TestSplash)
#include "test_splash.moc"
