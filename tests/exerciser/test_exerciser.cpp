// The exerciser: seeded random sequences of user actions on the real windows, with the
// program's invariants checked after every action; and the long-haul checks (a thousand
// generation runs, hostile luck-word text).
//
//   tst_exerciser                       the fixed seeds CI runs, then the long-haul checks
//   tst_exerciser --seed S [--actions N]
//                                       replays one sequence in this process, printing its log
//   tst_exerciser --soak N              about N actions over fresh seeds (local use, slow)
//
// In the CI and soak modes every sequence runs in a child process of its own, so each one
// starts from a fresh program, exactly as a replay does, and a crash still yields its log.

#include "exerciser.h"

#include "support/testsupport.h"

#include "app/program.h"
#include "generation/catalogue.h"
#include "shared/lotto.h"
#include "ui/luck/luckwords.h"
#include "ui/main/generationhooks.h"
#include "ui/main/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
// The seeds CI runs, each a fresh program. Together they reach every window.
constexpr quint32 CiSeeds[] = {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233};
constexpr int CiActions = 300;
constexpr int SoakActionsPerSeed = 500;

struct Mode
{
    bool replay = false; // one sequence in this process
    quint32 seed = 0;
    int actions = CiActions;
    int soakActions = 0; // > 0: soak instead of the CI seeds
    QString liveLog;     // set by the parent for its children
};
Mode g_mode;

// A NUL and other control characters inside a text.
constexpr char16_t ControlChars[] = u"a\0b\x01\x07\x08\x1b\x7f"
                                    u"c";

// Shorter generation runs for the long-haul checks, where the program offers them.
struct ShortRuns
{
    static bool available() { return true; }
    ShortRuns() { GenerationHooks::setForcedExchanges(50); }
    ~ShortRuns() { GenerationHooks::setForcedExchanges(0); }
};

struct Totals
{
    // One paragraph per failed sequence: what stopped it, in brief.
    QStringList failures;
    int seeds = 0;
    int actions = 0;
    int checks = 0;
    int runs = 0;
    QMap<QString, int> counts;
    QSet<QString> windows;
} g_totals;

// The program of this process, for the in-process tests; gone before the application is.
std::unique_ptr<MainWindow> g_window;

MainWindow *sharedMainWindow()
{
    std::unique_ptr<MainWindow> &window = g_window;
    if (!window)
        window = TestSupport::shownMainWindow();
    return window.get();
}

// Peak resident set size of this process in kB (VmHWM), and a way to restart the peak.
qint64 statusField(const char *name)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void resetPeakRss()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// A click the way the window system delivers it: at the control's place in its window.
void realClick(QWidget *w)
{
    QWidget *window = w->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      w->mapTo(window, w->rect().center()));
}

template <typename T = QWidget> T *named(QObject *root, const QString &name)
{
    return root->findChild<T *>(name);
}

// Shows game panel p on the main window the way a user gets there.
void openPanel(MainWindow *main, int p)
{
    if (main->visiblePanel() == p)
        return;
    if (main->visiblePanel() != Panel::Selection)
        realClick(named(main, QStringLiteral("cmdback_%1").arg(main->visiblePanel())));
    const GameInfo *g = Catalogue::game(p);
    realClick(named(main, QStringLiteral("imgpic_%1").arg(g->selectionPicture)));
}
} // namespace

class TestExerciser : public QObject
{
    Q_OBJECT

    // How long one sequence's child may take: far more than a sequence needs, even under
    // the sanitizers.
    static constexpr int ChildTimeoutMs = 240000;

    // What stopped a child, in a few lines: its failure and sanitizer reports (with the first
    // frames of the stack under each) and the last actions it took. The whole output comes
    // first; this is repeated at the end, where a shortened log still shows it.
    static QString failureDigest(quint32 seed, const QByteArray &out, const QByteArray &actionsLog,
                                 bool killed)
    {
        QStringList lines{
            QStringLiteral("seed %1%2:")
                .arg(seed)
                .arg(killed ? QStringLiteral(" (killed: it did not end)") : QString())};
        int frames = 0; // stack frames still to keep under the last report line
        for (const QByteArray &raw : out.split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("FAIL!")) ||
                line.startsWith(QLatin1String("QFATAL")) ||
                line.contains(QLatin1String("runtime error")) ||
                line.contains(QLatin1String("ERROR: ")) ||
                line.startsWith(QLatin1String("SUMMARY:")) ||
                line.startsWith(QLatin1String("Received signal")) ||
                line.startsWith(QLatin1String("Loc:"))) {
                lines << QStringLiteral("  ") + line;
                frames = 6;
            } else if (frames > 0 && line.startsWith(QLatin1Char('#'))) {
                lines << QStringLiteral("    ") + line;
                --frames;
            } else if (!line.startsWith(QLatin1Char('#'))) {
                frames = 0;
            }
        }
        const QList<QByteArray> actions = actionsLog.trimmed().split('\n');
        lines << QStringLiteral("  last actions:");
        for (qsizetype i = std::max<qsizetype>(0, actions.size() - 5); i < actions.size(); ++i)
            lines << QStringLiteral("    ") + QString::fromUtf8(actions.at(i));
        return lines.join(QLatin1Char('\n'));
    }

    // Runs one sequence in a child process; false (with its log printed) when it failed.
    bool runChild(quint32 seed, int actions, QString *why)
    {
        QTemporaryDir dir;
        const QString logPath = dir.filePath(QStringLiteral("actions.log"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LOTTO_EXERCISER_SEED"), QString::number(seed));
        env.insert(QStringLiteral("LOTTO_EXERCISER_ACTIONS"), QString::number(actions));
        env.insert(QStringLiteral("LOTTO_EXERCISER_LOG"), logPath);
        // A child blocked outside its event loop never reaches its own hang check: its test
        // watchdog then aborts it with a stack trace, well before this process gives up.
        env.insert(QStringLiteral("QTEST_FUNCTION_TIMEOUT"), QString::number(ChildTimeoutMs));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("replay")});
        if (!child.waitForStarted(30000)) {
            *why = QStringLiteral("could not start the child: ") + child.errorString();
            return false;
        }
        // The child watches for hangs itself; this is the last resort.
        bool killed = false;
        if (!child.waitForFinished(ChildTimeoutMs + 60000)) {
            child.kill();
            child.waitForFinished();
            killed = true;
        }
        const QByteArray out = child.readAll();
        bool summary = false;
        for (const QByteArray &line : out.split('\n')) {
            if (!line.startsWith("EXERCISER-SUMMARY "))
                continue;
            summary = true;
            for (const QByteArray &field : line.mid(18).split(' ')) {
                const int eq = field.indexOf('=');
                const QByteArray k = field.left(eq);
                const QByteArray v = field.mid(eq + 1);
                if (k == "actions")
                    g_totals.actions += v.toInt();
                else if (k == "checks")
                    g_totals.checks += v.toInt();
                else if (k == "runs")
                    g_totals.runs += v.toInt();
                else if (k == "windows") {
                    for (const QByteArray &w : v.split(','))
                        if (!w.isEmpty())
                            g_totals.windows << QString::fromUtf8(w);
                } else if (k == "counts") {
                    for (const QByteArray &kv : v.split(',')) {
                        const int c = kv.indexOf(':');
                        if (c > 0)
                            g_totals.counts[QString::fromUtf8(kv.left(c))] += kv.mid(c + 1).toInt();
                    }
                }
            }
        }
        ++g_totals.seeds;
        const bool ok =
            child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && summary;
        if (!ok) {
            QFile log(logPath);
            QByteArray actionsLog;
            if (log.open(QIODevice::ReadOnly))
                actionsLog = log.readAll();
            std::fprintf(stderr,
                         "---- seed %u failed (exit %d%s); its output:\n%s\n---- action log:\n%s\n"
                         "---- replay with: %s --seed %u --actions %d\n",
                         seed, child.exitCode(),
                         killed                                      ? ", killed: it did not end"
                         : child.exitStatus() == QProcess::CrashExit ? ", crashed"
                                                                     : "",
                         out.constData(), actionsLog.constData(),
                         qPrintable(QCoreApplication::applicationFilePath()), seed, actions);
            std::fflush(stderr);
            g_totals.failures << failureDigest(seed, out, actionsLog, killed);
            *why = QStringLiteral("seed %1 failed; replay with --seed %1 --actions %2")
                       .arg(seed)
                       .arg(actions);
        }
        return ok;
    }

private Q_SLOTS:
    void initTestCase() { Exerciser::installMessageHandler(); }

    void sequences_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("actions");
        if (g_mode.replay)
            return;
        if (g_mode.soakActions > 0) {
            const auto base = quint32(QDateTime::currentMSecsSinceEpoch() % 1000000) * 1000;
            std::printf("soak: seeds from %u, %d actions each\n", base, SoakActionsPerSeed);
            for (int i = 0; i * SoakActionsPerSeed < g_mode.soakActions; ++i)
                QTest::addRow("seed %u", base + quint32(i))
                    << base + quint32(i) << SoakActionsPerSeed;
            return;
        }
        for (quint32 seed : CiSeeds)
            QTest::addRow("seed %u", seed) << seed << CiActions;
    }

    // Every row is one fresh program driven by one seed.
    void sequences()
    {
        if (g_mode.replay)
            QSKIP("replaying one seed");
        QFETCH(quint32, seed);
        QFETCH(int, actions);
        QString why;
        QVERIFY2(runChild(seed, actions, &why), qPrintable(why));
    }

    // One sequence in this process: what a child runs, and the replay of a failing seed.
    void replay()
    {
        if (!g_mode.replay)
            QSKIP("no seed given (--seed S)");
        MainWindow *main = sharedMainWindow();
        Exerciser::Options opt;
        opt.seed = g_mode.seed;
        opt.actions = g_mode.actions;
        opt.liveLogPath = g_mode.liveLog;
        Exerciser ex(main, opt);
        const bool ok = ex.run();
        if (!ok || g_mode.liveLog.isEmpty()) {
            std::printf("action log of seed %u:\n", g_mode.seed);
            for (const QString &line : ex.log())
                std::printf("  %s\n", qPrintable(line));
        }
        QStringList counts;
        for (auto it = ex.actionCounts().begin(); it != ex.actionCounts().end(); ++it)
            counts << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
        counts.sort();
        QStringList windows = ex.windowsSeen();
        for (QString &w : windows)
            w.replace(QLatin1Char(' '), QLatin1Char('_'));
        std::printf(
            "EXERCISER-SUMMARY seed=%u actions=%d checks=%d runs=%d windows=%s counts=%s\n",
            g_mode.seed, ex.actionsDone(), ex.checksMade(), ex.runsStarted(),
            qPrintable(windows.join(QLatin1Char(','))),
            qPrintable(counts.join(QLatin1Char(',')).replace(QLatin1Char(' '), QLatin1Char('_'))));
        std::fflush(stdout);
        QVERIFY2(ok, qPrintable(QStringLiteral("seed %1: %2").arg(g_mode.seed).arg(ex.failure())));
    }

    // Generation a thousand times in a row, over every panel, with clears and panel changes in
    // between: every run completes, the invariants hold after each, and memory stays flat.
    void thousandRuns()
    {
        if (g_mode.replay)
            QSKIP("replaying one seed");
        MainWindow *main = sharedMainWindow();
        Exerciser::Options opt;
        Exerciser watcher(main, opt);
        QVERIFY2(watcher.checkNow(QStringLiteral("before the runs")).isEmpty(),
                 qPrintable(watcher.failure()));
        if (!ShortRuns::available())
            QSKIP("runs take seconds each here; a thousand need the short shuffle");
        ShortRuns shortRuns;

        QRandomGenerator rng(7);
        qint64 peakAfter10 = 0;
        QElapsedTimer clock;
        clock.start();
        resetPeakRss();
        for (int i = 1; i <= 1000; ++i) {
            const int p = 1 + rng.bounded(5);
            openPanel(main, p);
            QCOMPARE(main->visiblePanel(), p);
            auto *generate = named<QAbstractButton>(main, QStringLiteral("cmdgenerate_%1").arg(p));
            QVERIFY(generate->isEnabled());
            realClick(generate); // returns when the run is over
            const QString fault =
                watcher.checkNow(QStringLiteral("after run %1 on panel %2").arg(i).arg(p));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            const GameInfo *g = Catalogue::game(p);
            for (int k = 0; k < g->count; ++k) {
                auto *label = named<QLabel>(
                    main, QStringLiteral("%1_%2").arg(QLatin1String(g->labelBase)).arg(k));
                QVERIFY2(label->text() != QLatin1String("*"), "a run left a label empty");
            }
            switch (rng.bounded(4)) {
            case 0:
                realClick(named(main, QStringLiteral("cmdclear_%1").arg(p)));
                break;
            case 1:
                QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
                QCOMPARE(main->visiblePanel(), Panel::Selection);
                break;
            default:
                break;
            }
            if (i == 10)
                peakAfter10 = statusField("VmHWM");
        }
        const qint64 peakAfter1000 = statusField("VmHWM");
        std::printf(
            "1000 runs in %.1f s; peak RSS after 10 runs %lld kB, after 1000 runs %lld kB\n",
            clock.elapsed() / 1000.0, peakAfter10, peakAfter1000);
        std::fflush(stdout);
        QVERIFY(peakAfter10 > 0);
#ifdef __SANITIZE_ADDRESS__
        // AddressSanitizer holds freed memory back in its quarantine (256 MB), so the peak
        // says nothing about leaks here; LeakSanitizer checks those at exit.
        return;
#endif
        // Generous: a leak of a few hundred bytes per run would already show.
        QVERIFY2(peakAfter1000 <= peakAfter10 + peakAfter10 / 10 + 5 * 1024,
                 qPrintable(QStringLiteral("peak RSS grew from %1 kB to %2 kB")
                                .arg(peakAfter10)
                                .arg(peakAfter1000)));
    }

    // Hostile luck-word text, pasted into the editor: it stays usable, keeps what it was
    // given, sets the flag on closing, and a run seeds from it.
    void luckWordBadInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exact"); // whether the box must hold exactly this afterwards
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("one space") << QStringLiteral(" ") << true;
        // Pasted prose: 5 MB in lines of 80 characters.
        QTest::newRow("5 MB")
            << (QString(79, QLatin1Char('w')) + QLatin1Char('\n')).repeated(5 * 1024 * 1024 / 80)
            << false;
        // A pasted blob: a million characters with no space, no line break.
        QTest::newRow("1 MB without a space")
            << QStringLiteral("aGVsbG8").repeated(1024 * 1024 / 7) << true;
        QTest::newRow("emoji and other non-BMP")
            << QString::fromUtf16(u"\U0001F600\U0001F46A\u200d\U0001D11E \U00020BB7") << true;
        QTest::newRow("right to left")
            << QString::fromUtf16(
                   u"\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \u202eabc\u202c")
            << true;
        QTest::newRow("NUL and control characters")
            << QString::fromUtf16(ControlChars, std::size(ControlChars) - 1) << false;
        QTest::newRow("Unicode line separators")
            << QString::fromUtf16(u"one\u2028two\u2029three\u0085four") << false;
        QTest::newRow("lone surrogate")
            << (QStringLiteral("x") + QChar(0xdc00) + QStringLiteral("y")) << false;
    }

    void luckWordBadInput()
    {
        if (g_mode.replay)
            QSKIP("replaying one seed");
        QFETCH(QString, text);
        QFETCH(bool, exact);
        MainWindow *main = sharedMainWindow();
        {
            Exerciser before(main, Exerciser::Options{});
            QVERIFY2(before.checkNow(QStringLiteral("before")).isEmpty(),
                     qPrintable(before.failure()));
        }

        // The editor is modal: what happens inside it runs from the event loop it opens.
        QString inside, problem;
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            QWidget *editor = TestSupport::topLevel("frmVorla");
            if (!editor || !editor->isVisible()) {
                problem = QStringLiteral("no editor on screen");
                return;
            }
            realClick(named(editor, QStringLiteral("Command2"))); // Clear
            QWidget *box = named(editor, QStringLiteral("Text1"));
            realClick(box);
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(editor->windowHandle(), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(editor->windowHandle(), Qt::Key_End, Qt::ControlModifier);
            // Still usable: typing goes on at the end.
            QTest::keyClick(editor->windowHandle(), Qt::Key_Z);
            inside = LuckWords::text();
            realClick(named(editor, QStringLiteral("CMDOK")));
        });
        // Last resort, so a stuck editor fails the test instead of hanging it.
        QTimer::singleShot(60000, [&] {
            if (QWidget *editor = TestSupport::topLevel("frmVorla");
                editor && editor->isVisible()) {
                problem = QStringLiteral("the editor did not close");
                editor->windowHandle()->close();
            }
        });
        main->findChild<QAction *>(QStringLiteral("mnuFileVorla"))->trigger();
        QTRY_VERIFY(ran);
        if (problem == QLatin1String("no editor on screen"))
            QSKIP("the luck-word editor does not open yet");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QWidget *editor = TestSupport::topLevel("frmVorla");
        QVERIFY(editor && editor->isHidden());
        QVERIFY(inside.endsWith(QLatin1Char('z')));
        if (exact)
            QCOMPARE(inside, text + QLatin1Char('z'));
        QCOMPARE(LuckWords::text(), inside);
        QCOMPARE(Lotto.VorlaAdded, LottoModule::True);
        if (!exact) // line breaks are kept as CR LF
            QCOMPARE(inside.size(), LuckWords::text().size());
        Exerciser watcher(main, Exerciser::Options{});
        QVERIFY2(watcher.checkNow(QStringLiteral("after the editor closed")).isEmpty(),
                 qPrintable(watcher.failure()));

        // A run seeds from that text and completes.
        if (ShortRuns::available()) {
            ShortRuns shortRuns;
            openPanel(main, 1);
            realClick(named(main, QStringLiteral("cmdgenerate_1")));
            QVERIFY(named(main, QStringLiteral("lblVorlaStatus_1"))->isVisibleTo(main));
            QVERIFY2(watcher.checkNow(QStringLiteral("after a run")).isEmpty(),
                     qPrintable(watcher.failure()));
        }
    }

    void cleanupTestCase()
    {
        g_window.reset();
        if (g_totals.seeds == 0)
            return;
        QStringList counts;
        for (auto it = g_totals.counts.begin(); it != g_totals.counts.end(); ++it)
            counts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
        QStringList windows(g_totals.windows.begin(), g_totals.windows.end());
        windows.sort();
        std::printf("exerciser: %d seeds, %d actions (%s), %d invariant checks, %d generation "
                    "runs started\nexerciser: windows seen: %s\n",
                    g_totals.seeds, g_totals.actions, qPrintable(counts.join(QStringLiteral(", "))),
                    g_totals.checks, g_totals.runs, qPrintable(windows.join(QStringLiteral(", "))));
        if (!g_totals.failures.isEmpty())
            std::printf("exerciser: %lld failed sequences\n%s\n",
                        qlonglong(g_totals.failures.size()),
                        qPrintable(g_totals.failures.join(QLatin1Char('\n'))));
        std::fflush(stdout);
    }
};

namespace {
// Takes the exerciser's own options out of the command line; the rest goes to QtTest.
void parseArguments(int &argc, char **argv)
{
    if (const QByteArray s = qgetenv("LOTTO_EXERCISER_SEED"); !s.isEmpty()) {
        g_mode.replay = true;
        g_mode.seed = s.toUInt();
    }
    if (const QByteArray s = qgetenv("LOTTO_EXERCISER_ACTIONS"); !s.isEmpty())
        g_mode.actions = s.toInt();
    g_mode.liveLog = qEnvironmentVariable("LOTTO_EXERCISER_LOG");
    if (const QByteArray s = qgetenv("LOTTO_EXERCISER_SOAK"); !s.isEmpty())
        g_mode.soakActions = s.toInt();

    int out = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--seed" && hasValue) {
            g_mode.replay = true;
            g_mode.seed = QByteArray(argv[++i]).toUInt();
        } else if (a == "--actions" && hasValue) {
            g_mode.actions = QByteArray(argv[++i]).toInt();
        } else if (a == "--soak" && hasValue) {
            g_mode.soakActions = QByteArray(argv[++i]).toInt();
        } else {
            argv[out++] = argv[i];
        }
    }
    argc = out;
    argv[argc] = nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    parseArguments(argc, argv);
    TestSupport::prepareEnvironment();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestExerciser tc;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&tc, argc, argv);
    // As the program does once its event loop has ended.
    Program::destroyAllWindows();
    return result;
}

#include "test_exerciser.moc"
