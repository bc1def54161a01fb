#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

class MainWindow;

namespace TestSupport {
// Prepares the process for a GUI test: a private runtime folder, the program's font
// substitutes. Called by LOTTO_TEST_MAIN before the application object exists.
void prepareEnvironment();

// What a message box showed.
struct SeenBox
{
    QString title;
    QString text; // as shown: line breaks as '\n'
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers message boxes as they come up: each time a modal QMessageBox is active it is
// recorded, and the next button of the script is pressed (Ok when the script has run out).
// Lives until destroyed; stops on its own once `expected` boxes were answered.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> script = {}, int expected = -1);
    ~BoxAnswerer() override;

    const QList<SeenBox> &seen() const { return m_seen; }
    // Waits until `count` boxes have been answered (false on timeout).
    bool waitFor(int count, int timeoutMs = 5000);

    // Optional: dismiss with Esc or the close box rather than a button.
    enum class Dismiss { Button, Escape, CloseBox };
    void setDismiss(Dismiss how) { m_dismiss = how; }

protected:
    void timerEvent(QTimerEvent *) override;

private:
    QList<QMessageBox::StandardButton> m_script;
    int m_expected;
    QList<SeenBox> m_seen;
    int m_timer = 0;
    Dismiss m_dismiss = Dismiss::Button;
    QPointer<QMessageBox> m_last;
};

// The body as the program keeps it (lines joined by CR) turned into what the box shows.
QString shown(const QString &body);

// Finds a widget below `root` by object name; fails the test when missing.
template <typename T = QWidget> T *child(QObject *root, const QString &name)
{
    T *w = root->findChild<T *>(name);
    if (!w)
        qWarning("no child named %s", qPrintable(name));
    return w;
}

// The top-level window with this object name, or nullptr when there is none.
QWidget *topLevel(const char *name);

// A new main window on its selection screen, with the program-wide state as at start;
// shown and exposed (and active too when `active`), or nullptr with a warning when not.
std::unique_ptr<MainWindow> shownMainWindow(bool active = false);

// Object names of the main window's panels that are not hidden, in panel order.
QStringList visiblePanels(const MainWindow &main);

// Moves the mouse over a widget the way the window system does: a real mouse-move event.
void hover(QWidget *w, QPoint at = {});
} // namespace TestSupport

#define LOTTO_TEST_MAIN(TestObject)                                                                \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestSupport::prepareEnvironment();                                                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
