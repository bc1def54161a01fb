// Memory and speed of the browser window, measured on the real program against a page
// server on 127.0.0.1, beside a minimal Qt Widgets window (one QLabel, a program that links
// Qt Widgets alone: bench_minimal_window) as the reference:
//  - start-up of the program to its first (splash) window mapped, and of the minimal window
//    (only with --xvfb: the map is seen by the X server);
//  - the program's memory before any link command (RSS and PSS), and the minimal window's;
//  - the time from a link command to the first page's title in the window title, the first
//    time (helper and engine start included) and again with the window open, and how long
//    the link command itself takes to return;
//  - the memory of every process of the program while the browser is open, and after the
//    window was closed again (with the number of processes).
// Each figure comes from a fresh process, so they do not disturb each other.
//
//   bench_browser [--runs N] [--xvfb] [--program FILE]
// --xvfb runs everything on a private Xvfb display with the openbox window manager, both
// started and stopped here; otherwise the current platform is used (offscreen, say).
// --program measures the start-up and idle memory of another build of the program.

#include "../../tests/ui/browser/pageserver.h"
#include "../../tests/ui/browser/processtree.h"

#include "app/program.h"
#include "ui/browser/browserclient.h"
#include "ui/browser/browserloader.h"
#include "ui/browser/linktable.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>

#include <poll.h>
#include <xcb/xcb.h>

namespace {
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void settle(int ms)
{
    waitFor([] { return false; }, ms);
}

// One field of /proc/PID/smaps_rollup ("Rss:", "Pss:"), in kB.
long rollupKb(qint64 pid, const char *field)
{
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return 0;
}

long treePssKb(qint64 pid)
{
    long total = 0;
    for (qint64 p : ProcessTree::withDescendants(pid))
        total += rollupKb(p, "Pss:");
    return total;
}

void report(const char *key, double value)
{
    std::printf("%s=%.1f\n", key, value);
    std::fflush(stdout);
}

// The link commands, measured in this process, which runs the program's main window.
int linkChild()
{
    PageServer server;
    if (!server.start())
        return 2;
    const QString base = server.base();
    WindowHooks hooks;
    hooks.linkSites =
        SiteAddresses{base + QStringLiteral("/results"), base + QStringLiteral("/stats"),
                      base + QStringLiteral("/zodiac"), base + QStringLiteral("/portal"),
                      base + QStringLiteral("/search")};
    const QString title = QStringLiteral("LOTTO 649 results");
    server.setPage(QStringLiteral("/results/lotto649.html"), title,
                   QStringLiteral("<h1>LOTTO 649</h1><p>Winning numbers: 3 11 19 27 38 45, "
                                  "bonus 7.</p>"));
    const qint64 self = QCoreApplication::applicationPid();
    BrowserClient &client = BrowserLoader::client();
    const auto titleIs = [&](const QString &t) {
        return client.describe().value(QStringLiteral("title")).toString() == t;
    };

    auto w = std::make_unique<MainWindow>(&hooks);
    w->show();
    settle(1500);
    report("before_rss_kb", rollupKb(self, "Rss:"));
    report("before_pss_kb", rollupKb(self, "Pss:"));

    // From the link command to the page's name in the window title.
    // The command itself returns at once: the helper is not waited for.
    auto openAndTime = [&](const char *returnedKey) -> double {
        QElapsedTimer t;
        t.start();
        w->imglotto649_Click();
        report(returnedKey, static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (!waitFor([&] { return titleIs(title); }, 60000))
            return -1;
        return static_cast<double>(t.nsecsElapsed()) / 1e6;
    };
    report("first_open_ms", openAndTime("first_returned_ms"));
    settle(2000);
    report("open_pss_total_kb", treePssKb(self));
    report("open_processes", ProcessTree::withDescendants(self).size());
    // With the window open on another page, the same link again.
    w->mnuFileInternetEverWon_Click();
    waitFor(
        [&] {
            return titleIs(PageServer::defaultTitle(QStringLiteral("/stats/everwon.html-ssi")));
        },
        60000);
    report("open_again_ms", openAndTime("again_returned_ms"));

    // Closed: File, Exit; the helper ends with its window.
    client.closeWindow();
    waitFor([&] { return !client.isRunning(); }, 10000);
    settle(2000);
    report("closed_rss_kb", rollupKb(self, "Rss:"));
    report("closed_pss_total_kb", treePssKb(self));
    report("closed_processes", ProcessTree::withDescendants(self).size());
    return 0;
}

struct Figures
{
    QHash<QString, QList<double>> values;
    void add(const QByteArray &output, const QString &prefix = {})
    {
        for (const QByteArray &line : output.split('\n')) {
            const int eq = line.indexOf('=');
            if (eq > 0)
                values[prefix + QString::fromLatin1(line.left(eq))] << line.mid(eq + 1).toDouble();
        }
    }
    void add(const QString &key, double value) { values[key] << value; }
    double median(const QString &key) const
    {
        QList<double> v = values.value(key);
        if (v.isEmpty())
            return -1;
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    }
};

// A private X server with a window manager, watched for windows being mapped.
class XServer
{
public:
    ~XServer() { stop(); }

    bool start()
    {
        // Xvfb picks a free display and writes its number to the given descriptor.
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_xvfb.waitForStarted() ||
            !waitFor([&] { return m_xvfb.canReadLine() || m_xvfb.waitForReadyRead(50); }, 20000) ||
            !waitFor([&] { return m_xvfb.canReadLine(); }, 5000))
            return false;
        m_name = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine().trimmed());
        m_xcb = xcb_connect(m_name.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_xcb))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_xcb)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_xcb, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_xcb);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_name);
        m_openbox.setProcessEnvironment(env);
        m_openbox.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        return m_openbox.waitForStarted() && waitFor([&] { return managed(); }, 20000);
    }

    void stop()
    {
        if (m_xcb) {
            xcb_disconnect(m_xcb);
            m_xcb = nullptr;
        }
        for (QProcess *p : {&m_openbox, &m_xvfb}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    QString name() const { return m_name; }

    // Forgets the maps seen so far.
    void drain()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_xcb))
            std::free(e);
    }

    // Waits for a window to be mapped on the screen (false after `timeoutMs`).
    bool waitForMap(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_xcb)) {
                const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(e);
                if (mapped)
                    return true;
            }
            pollfd fd{xcb_get_file_descriptor(m_xcb), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return false;
    }

private:
    // Whether a window manager has announced itself on the root window.
    bool managed()
    {
        const char name[] = "_NET_SUPPORTING_WM_CHECK";
        xcb_intern_atom_reply_t *atom =
            xcb_intern_atom_reply(m_xcb, xcb_intern_atom(m_xcb, 1, sizeof name - 1, name), nullptr);
        if (!atom || atom->atom == XCB_ATOM_NONE) {
            std::free(atom);
            return false;
        }
        xcb_get_property_reply_t *prop = xcb_get_property_reply(
            m_xcb, xcb_get_property(m_xcb, 0, m_root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool found = prop && xcb_get_property_value_length(prop) > 0;
        std::free(prop);
        std::free(atom);
        return found;
    }

    QProcess m_xvfb;
    QProcess m_openbox;
    QString m_name;
    xcb_connection_t *m_xcb = nullptr;
    xcb_window_t m_root = 0;
};

// Starts `program` on the display, times it to its first window mapped, then measures its
// memory: 1 s later (the program's splash still shows) and once it has settled (the splash
// has handed over to the main window by then).
void measureStart(XServer &display, const QProcessEnvironment &env, const QString &program,
                  const QStringList &args, const QString &prefix, Figures &f)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    display.drain();
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted() || !display.waitForMap(30000)) {
        std::fprintf(stderr, "%s did not show a window\n", qPrintable(program));
        return;
    }
    f.add(prefix + QStringLiteral("start_ms"), static_cast<double>(t.nsecsElapsed()) / 1e6);
    // The program shows its splash for five seconds; it has loaded everything but the main
    // window by then.
    settle(1000);
    f.add(prefix + QStringLiteral("splash_rss_kb"), rollupKb(p.processId(), "Rss:"));
    settle(5500);
    f.add(prefix + QStringLiteral("rss_kb"), rollupKb(p.processId(), "Rss:"));
    f.add(prefix + QStringLiteral("pss_kb"), rollupKb(p.processId(), "Pss:"));
    p.terminate();
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
}

QByteArray runLinkChild(const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    p.waitForFinished(180000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        std::fprintf(stderr, "the link measurement failed\n");
    return p.readAllStandardOutput();
}
} // namespace

int main(int argc, char *argv[])
{
    int runs = 5;
    bool xvfb = false;
    QString program = QStringLiteral(LOTTO_PROGRAM);
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--child") {
            QApplication app(argc, argv);
            Program::installFontSubstitutes();
            return linkChild();
        }
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, atoi(argv[++i]));
        else if (a == "--xvfb")
            xvfb = true;
        else if (a == "--program" && i + 1 < argc)
            program = QString::fromLocal8Bit(argv[++i]);
    }

    QCoreApplication app(argc, argv);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    XServer display;
    if (xvfb) {
        if (!display.start()) {
            std::fprintf(stderr, "Xvfb with openbox could not be started\n");
            return 1;
        }
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    Figures f;
    for (int r = 0; r < runs; ++r) {
        if (xvfb) {
            measureStart(display, env, program, {}, QStringLiteral("program_"), f);
            measureStart(display, env, QStringLiteral(LOTTO_MINIMAL_WINDOW), {},
                         QStringLiteral("minimal_"), f);
        }
        f.add(runLinkChild(env));
    }
    display.stop();

    const auto mb = [&](const char *key) { return f.median(QLatin1String(key)) / 1024; };
    const auto ms = [&](const char *key) { return f.median(QLatin1String(key)); };
    std::printf(
        "Browser window, %s, median of %d runs\n",
        xvfb ? "Xvfb with openbox"
             : qPrintable(QStringLiteral("platform ") +
                          qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("(default)"))),
        runs);
    if (xvfb) {
        std::printf("  start-up to the first window mapped: program %.0f ms, minimal window %.0f ms"
                    " (x%.2f; goal at most x1.3)\n",
                    ms("program_start_ms"), ms("minimal_start_ms"),
                    ms("program_start_ms") / ms("minimal_start_ms"));
        std::printf("  memory before any link: program RSS %.1f MB (PSS %.1f MB), minimal window"
                    " RSS %.1f MB (PSS %.1f MB); %+.1f%% (goal within 10%%)\n",
                    mb("program_rss_kb"), mb("program_pss_kb"), mb("minimal_rss_kb"),
                    mb("minimal_pss_kb"), (mb("program_rss_kb") / mb("minimal_rss_kb") - 1) * 100);
        std::printf("  memory while the splash shows (1 s after start, before the main window"
                    " loads): program RSS %.1f MB (%+.1f%% of the minimal window)\n",
                    mb("program_splash_rss_kb"),
                    (mb("program_splash_rss_kb") / mb("minimal_rss_kb") - 1) * 100);
    }
    std::printf("  main window in this process before any link: RSS %.1f MB, PSS %.1f MB\n",
                mb("before_rss_kb"), mb("before_pss_kb"));
    std::printf("  link command to the page's title: first time %.0f ms (goal under 1000),"
                " window already open %.0f ms\n",
                ms("first_open_ms"), ms("open_again_ms"));
    std::printf("  link command's own run (the main window's event loop waits that long): first"
                " time %.1f ms, window already open %.1f ms\n",
                ms("first_returned_ms"), ms("again_returned_ms"));
    std::printf("  browser open: %.1f MB PSS over %.0f processes\n", mb("open_pss_total_kb"),
                ms("open_processes"));
    std::printf("  after closing it: %.1f MB PSS over %.0f processes; main RSS %.1f MB (%+.1f%% of"
                " before the first link; goal within 10%%)\n",
                mb("closed_pss_total_kb"), ms("closed_processes"), mb("closed_rss_kb"),
                (mb("closed_rss_kb") / mb("before_rss_kb") - 1) * 100);
    return 0;
}
