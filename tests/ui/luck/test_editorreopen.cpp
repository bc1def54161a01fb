// The editor asked for again in the same pass of the event loop that closed it, while its
// modal show is still returning (found by the exerciser, seed 55: OK, then Ctrl+C).

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "ui/luck/luckwords.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

class TestEditorReopen : public QObject
{
    Q_OBJECT

    static QWidget *editor() { return TestSupport::topLevel("frmVorla"); }

private Q_SLOTS:
    void openedAgainWhileTheFirstShowReturns()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        Lotto = LottoModule{};
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *open = w.findChild<QAction *>(QStringLiteral("mnuFileVorla"));

        int shown = 0;
        bool reopenedAndClosed = false;
        QTimer::singleShot(0, [&] {
            ++shown;
            QVERIFY(editor() && editor()->isVisible());
            // OK hides the window; before its modal show has returned, Ctrl+C asks again.
            editor()->findChild<QPushButton *>(QStringLiteral("CMDOK"))->click();
            QVERIFY(editor()->isHidden());
            open->trigger();
            QTimer::singleShot(0, [&] {
                ++shown;
                reopenedAndClosed = editor()->isVisible();
                editor()->findChild<QPushButton *>(QStringLiteral("CMDOK"))->click();
            });
        });
        open->trigger();
        QTRY_VERIFY(reopenedAndClosed);
        QCOMPARE(shown, 2);
        QVERIFY(editor()->isHidden());

        // And the editor opens normally afterwards.
        bool third = false;
        QTimer::singleShot(0, [&] {
            third = editor()->isVisible();
            editor()->findChild<QPushButton *>(QStringLiteral("CMDOK"))->click();
        });
        open->trigger();
        QVERIFY(third);
    }
};

LOTTO_TEST_MAIN(TestEditorReopen)
#include "test_editorreopen.moc"
