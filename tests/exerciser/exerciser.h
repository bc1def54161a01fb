#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>

class MainWindow;
class QAbstractButton;
class QMessageBox;
class QWidget;
class QWindow;

// Drives the program's real windows with a seeded random sequence of user actions and checks
// the program's invariants after every action.
//
// The sequence is a state machine stepped by a single-shot timer, not a loop: every step
// schedules the next one before it acts, so when an action blocks in a nested event loop (a
// message box, the modal editor, a generation run yielding to the event loop) the following
// steps run inside that loop and answer it, the way a user would.
class Exerciser : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        quint32 seed = 1;
        int actions = 300;
        // Generation runs of the drawn length (1 to 3 seconds each) in this sequence; the
        // others make a few thousand exchanges.
        int fullRuns = 2;
        // Every action is written here as it happens (so a crash still leaves the log).
        QString liveLogPath;
        // Gives up (prints the log, aborts) when the sequence takes longer than this.
        int hangLimitMs = 120000;
    };

    Exerciser(MainWindow *main, Options options);
    ~Exerciser() override;

    // Runs the whole sequence; returns when it has ended and every window it opened is
    // answered. False when an invariant or a Qt warning failed it (see failure()).
    bool run();

    // Checks every invariant now, outside a sequence (the long-haul tests use it); returns
    // the first failure so far, empty when none.
    QString checkNow(const QString &when);

    QString failure() const { return m_failure; }
    const QStringList &log() const { return m_log; }
    int actionsDone() const { return m_actionsDone; }
    int checksMade() const { return m_checks; }
    int runsStarted() const { return m_runsStarted; }
    // What was done, by kind ("click", "key", ...), and which windows were seen.
    const QHash<QString, int> &actionCounts() const { return m_counts; }
    QStringList windowsSeen() const;

    // The first failure of the process-wide message handler, if any (Qt warnings).
    static void installMessageHandler();
    // Messages of the offscreen platform plugin itself that are no fault of the program.
    static bool allowedMessage(const QString &message);

    // Whether the program ended itself during the sequence (File, Exit, Yes).
    bool programEnded() const { return m_programEnded; }

private Q_SLOTS:
    void openUrl(const QUrl &url);

private:
    enum class Kind {
        Click,
        Hover,
        Key,
        Menu,
        Close,
        Wait,
        Type,
        Paste,
        Answer,
        PopupItem,
        KillBrowser
    };
    struct Action
    {
        Kind kind = Kind::Wait;
        QPointer<QWidget> widget; // target widget (click, hover, type)
        QPointer<QWindow> window; // window the event goes to
        QPoint pos;               // in window coordinates
        int key = 0;
        Qt::KeyboardModifiers mods;
        QString text;             // typed or pasted text
        QPointer<QAction> action; // menu item
        int delayAfter = 0;       // ms before the next step
        QString description;
    };

    void step();
    Action choose();
    Action chooseWindDown();
    void perform(Action &a);
    static void sendKey(const QPointer<QWindow> &window, bool press, int key,
                        Qt::KeyboardModifiers mods);
    void fail(const QString &what);
    void check(const QString &when);
    void checkPanels(QStringList &faults);
    void checkRunState(QStringList &faults);
    void checkNumbers(QStringList &faults);
    void checkLuckText(QStringList &faults);
    void checkSingleWindows(QStringList &faults);
    void appendLog(const QString &line);
    [[noreturn]] void hang();

    // Action builders.
    QList<QWidget *> reachableWindows() const;
    QList<QWidget *> clickTargets(QWidget *window) const;
    bool clickAllowed(QWidget *target) const;
    void chooseRunLength();
    Action clickOn(QWidget *target, Kind kind = Kind::Click);
    Action keyTo(QWidget *window, int key, Qt::KeyboardModifiers mods);
    Action randomKey(QWidget *window);
    Action randomMenuItem();
    Action randomText(QWidget *editor, bool paste);
    QString randomTypedText();
    static bool isExitBox(const QWidget *w);
    static QString describe(const QWidget *w);

    // Generation runs observed through the Generate buttons' signals: in a click `released`
    // comes just before `clicked`, so a run is in progress from the one to the end of the
    // other. A button also says `released` when it loses the focus or is disabled; the event
    // filter tells those apart.
    void watchButtons();
    bool eventFilter(QObject *watched, QEvent *event) override;
    QSet<QObject *> m_releaseWithoutClick;
    void onGenerateReleased(int panel);
    void onGenerateClicked(int panel);
    void onBackReleased();
    void onBackClicked();

    QPointer<MainWindow> m_main;
    Options m_opt;
    QRandomGenerator m_rng;
    QTimer m_timer;
    // Ends a sequence that stopped making progress while the event loop still runs (the
    // step timer no longer firing, or a nested loop that never returns).
    QTimer m_hangTimer;
    QElapsedTimer m_clock;
    QStringList m_log;
    QHash<QString, int> m_counts;
    QSet<QString> m_windowsSeen;
    QString m_failure;
    bool m_done = false;
    bool m_final = false; // the last check, after every loop has returned
    bool m_windDown = false;
    int m_remaining = 0;
    int m_actionsDone = 0;
    int m_checks = 0;
    int m_depth = 0;        // actions of ours on the stack
    bool m_resumed = false; // winding down again after the sequence had ended
    QList<int> m_runs;      // panels with a run in progress, innermost last
    int m_runsStarted = 0;
    int m_fullRunsLeft = 0;
    int m_backDepth = 0;      // Back (button or Esc) in progress
    int m_keyToMainDepth = 0; // a key sent to the main window in progress (Esc may go Back)
    int m_textFreeDepth = 0;  // an action in the editor window in progress
    QString m_expectedText;
    bool m_textKnown = false;
    int m_windDownSteps = 0;
    bool m_exitAnswered = false;
    bool m_programEnded = false;
    QList<QMetaObject::Connection> m_connections;
};
