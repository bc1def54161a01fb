// Memory and speed of the browser window, measured on the real main window and the real
// plugin against a page server on 127.0.0.1:
//  - the program's memory before the browser was ever opened, with the plugin installed
//    and with it absent;
//  - after a page was opened, and after the window was closed again;
//  - the time from a link command to the first page's title in the window title, the first
//    time (plugin and engine start included) and again with the engine running.
// Each figure comes from a fresh process of this program (one per mode), so they do not
// disturb each other. Run it on the platform to be measured (offscreen, or xcb on Xvfb).
//
//   bench_browser [--runs N] [--screenshot FILE]
// (--screenshot saves the browser window showing a page, from the first run.)

#include "../../tests/ui/browser/pageserver.h"

#include "app/program.h"
#include "shared/lotto.h"
#include "ui/browser/browserinterface.h"
#include "ui/browser/browserloader.h"
#include "ui/browser/linktable.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

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

long statusKb(const QString &pid, const char *field)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Resident memory of this process, and of the helper processes it started (the web
// engine renders pages in processes of its own).
long ownRssKb()
{
    return statusKb(QStringLiteral("self"), "VmRSS:");
}

long helperRssKb()
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    long total = 0;
    std::function<void(const QString &)> addChildren = [&](const QString &parent) {
        const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
        for (const QString &pid : pids) {
            if (!pid.front().isDigit())
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray s = stat.readAll();
            const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
            if (QString::fromLatin1(fields.value(1)) == parent) {
                total += statusKb(pid, "VmRSS:");
                addChildren(pid);
            }
        }
    };
    addChildren(self);
    return total;
}

bool engineInProcess()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

void report(const char *key, double value)
{
    std::printf("%s=%.1f\n", key, value);
    std::fflush(stdout);
}

// One measurement in this process.
int child(const QString &mode, const QString &screenshot)
{
    PageServer server;
    if (!server.start())
        return 2;
    const QString base = server.base();
    LinkTable::setSitesForTesting(
        {base + QStringLiteral("/results"), base + QStringLiteral("/stats"),
         base + QStringLiteral("/zodiac"), base + QStringLiteral("/portal"),
         base + QStringLiteral("/search")});
    server.setPage(QStringLiteral("/results/lotto649.html"), QStringLiteral("LOTTO 649 results"),
                   QStringLiteral("<h1>LOTTO 649</h1><p>Winning numbers: 3 11 19 27 38 45, "
                                  "bonus 7.</p><p><a href=\"/results/ontpick3.html\">PICK 3"
                                  "</a></p>"));
    if (mode == QLatin1String("idle-absent"))
        BrowserLoader::setPluginFileForTesting(QStringLiteral("/nonexistent/liblottobrowser.so"));

    auto w = std::make_unique<MainWindow>();
    w->show();
    settle(1500);
    if (mode.startsWith(QLatin1String("idle"))) {
        report("rss_kb", ownRssKb());
        report("engine_loaded", engineInProcess() ? 1 : 0);
        return 0;
    }

    // Open: from the link command to the page's name in the title.
    auto openAndTime = [&](const QString &title) -> double {
        QElapsedTimer t;
        t.start();
        w->imglotto649_Click();
        QWidget *frm = BrowserLoader::browser(w.get())->window();
        if (!frm || !waitFor([&] { return frm->windowTitle() == title; }, 60000))
            return -1;
        return static_cast<double>(t.nsecsElapsed()) / 1e6;
    };
    const QString title = QStringLiteral("LOTTO 649 results");
    report("first_open_ms", openAndTime(title));
    settle(2000);
    report("open_rss_kb", ownRssKb());
    report("open_helpers_rss_kb", helperRssKb());
    if (!screenshot.isEmpty()) {
        QWidget *frm = BrowserLoader::browser(w.get())->window();
        frm->grab().save(screenshot);
    }
    // With the window open, the same link again.
    w->mnuFileInternetEverWon_Click();
    QWidget *frm = BrowserLoader::browser(w.get())->window();
    waitFor(
        [&] {
            return frm->windowTitle() ==
                   PageServer::defaultTitle(QStringLiteral("/stats/everwon.html-ssi"));
        },
        60000);
    report("open_again_ms", openAndTime(title));

    // Closed: File, Exit, then a moment for the engine to let go.
    QPointer<QWidget> closing = frm;
    closing->close();
    waitFor([&] { return closing.isNull(); }, 10000);
    settle(3000);
    report("closed_rss_kb", ownRssKb());
    report("closed_helpers_rss_kb", helperRssKb());
    report("reopen_ms", openAndTime(title));
    BrowserLoader::browser(w.get())->window()->close();
    settle(500);
    return 0;
}

struct Figures
{
    QHash<QString, QList<double>> values;
    void add(const QByteArray &output)
    {
        for (const QByteArray &line : output.split('\n')) {
            const int eq = line.indexOf('=');
            if (eq > 0)
                values[QString::fromLatin1(line.left(eq))] << line.mid(eq + 1).toDouble();
        }
    }
    double median(const QString &key) const
    {
        QList<double> v = values.value(key);
        if (v.isEmpty())
            return -1;
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    }
    double max(const QString &key) const
    {
        const QList<double> v = values.value(key);
        return v.isEmpty() ? -1 : *std::max_element(v.begin(), v.end());
    }
};

QByteArray runChild(const QString &mode, const QString &screenshot = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("--child"), mode};
    if (!screenshot.isEmpty())
        args << QStringLiteral("--screenshot") << screenshot;
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(180000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        std::fprintf(stderr, "measurement %s failed\n", qPrintable(mode));
    return p.readAllStandardOutput();
}
} // namespace

int main(int argc, char *argv[])
{
    QString mode;
    QString screenshot;
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--child" && i + 1 < argc)
            mode = QString::fromLatin1(argv[++i]);
        else if (a == "--screenshot" && i + 1 < argc)
            screenshot = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, atoi(argv[++i]));
    }

    if (!mode.isEmpty()) {
        // As the program does: a web engine loaded later shares the graphics contexts.
        if (mode != QLatin1String("idle-noshare"))
            QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QApplication app(argc, argv);
        Program::installFontSubstitutes();
        return child(mode, screenshot);
    }

    QCoreApplication app(argc, argv);
    Figures f;
    for (int r = 0; r < runs; ++r) {
        f.add(runChild(QStringLiteral("idle"))
                  .replace("rss_kb", "idle_rss_kb")
                  .replace("engine_loaded", "idle_engine_loaded"));
        f.add(runChild(QStringLiteral("idle-absent"))
                  .replace("rss_kb", "absent_rss_kb")
                  .replace("engine_loaded", "absent_engine_loaded"));
        f.add(runChild(QStringLiteral("idle-noshare"))
                  .replace("rss_kb", "noshare_rss_kb")
                  .replace("engine_loaded", "noshare_engine_loaded"));
        f.add(runChild(QStringLiteral("open"), r == 0 ? screenshot : QString()));
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("(default)"));
    std::printf("Browser window, platform %s, median of %d runs (max in brackets)\n",
                qPrintable(platform), runs);
    const double idle = f.median(QStringLiteral("idle_rss_kb"));
    const double absent = f.median(QStringLiteral("absent_rss_kb"));
    std::printf("  memory before the browser was opened: %.1f MB (plugin absent: %.1f MB, %+.1f%%);"
                " web engine in the process: %s\n",
                idle / 1024, absent / 1024, absent > 0 ? (idle - absent) * 100 / absent : 0.0,
                f.max(QStringLiteral("idle_engine_loaded")) > 0 ? "yes" : "no");
    std::printf("  the same without shared graphics contexts (what a program that never loads the"
                " engine later could use): %.1f MB\n",
                f.median(QStringLiteral("noshare_rss_kb")) / 1024);
    std::printf(
        "  memory with a page open: %.1f MB, plus %.1f MB in the engine's helper processes\n",
        f.median(QStringLiteral("open_rss_kb")) / 1024,
        f.median(QStringLiteral("open_helpers_rss_kb")) / 1024);
    std::printf("  memory after the window was closed: %.1f MB, plus %.1f MB in helper processes\n",
                f.median(QStringLiteral("closed_rss_kb")) / 1024,
                f.median(QStringLiteral("closed_helpers_rss_kb")) / 1024);
    std::printf("  link command to the page's title, first time (plugin and engine start): %.0f ms"
                " (%.0f)\n",
                f.median(QStringLiteral("first_open_ms")), f.max(QStringLiteral("first_open_ms")));
    std::printf(
        "  the same with the window open: %.0f ms (%.0f); after closing it: %.0f ms (%.0f)\n",
        f.median(QStringLiteral("open_again_ms")), f.max(QStringLiteral("open_again_ms")),
        f.median(QStringLiteral("reopen_ms")), f.max(QStringLiteral("reopen_ms")));
    return 0;
}
