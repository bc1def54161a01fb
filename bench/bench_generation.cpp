// Measures Generate on the offscreen platform, in one process:
//   run    a full run on the Lotto 649 panel through the real main window, with a forced
//          exchange count (299 999, the worst case, unless --k says otherwise);
//   floor  the same number of bare processEvents() calls with nothing else to do;
//   tick   the largest gap between two status-timer ticks during the run (interval 150 ms);
//   step   the largest time between the end of one yield and the start of the next;
//   RSS    the process's peak resident memory.
// Prints one line per repetition and the medians. Targets: run/floor <= 1.2, the timer
// slips by at most 20 ms, no step takes more than 1 ms.
//
// bench_generation [--reps N] [--k K] [--smoke]

#include "generation/catalogue.h"
#include "generation/generator.h"
#include "generation/randomstream.h"
#include "shared/lotto.h"
#include "ui/main/gamepanel.h"
#include "ui/main/generationhooks.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {
struct Sample
{
    double runMs = 0;
    double floorMs = 0;
    double bareMs = 0; // the draw alone, yields doing nothing
    double maxTickGapMs = 0;
    int ticks = 0;
    double maxStepUs = 0;
    long yields = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

Sample measure(MainWindow &w, int k)
{
    Sample s;
    GamePanel *panel = w.gamePanel(1);

    // The run, watched from its yields and the status timer.
    QElapsedTimer clock;
    qint64 lastYieldEnd = -1;
    qint64 maxStepNs = 0;
    GenerationHooks::setYieldObserver([&](GenerationHooks::Yield phase) {
        const qint64 now = clock.nsecsElapsed();
        if (phase == GenerationHooks::Yield::Before) {
            ++s.yields;
            if (lastYieldEnd >= 0)
                maxStepNs = std::max(maxStepNs, now - lastYieldEnd);
        } else {
            lastYieldEnd = now;
        }
    });
    std::vector<qint64> ticks;
    const QMetaObject::Connection tickWatch = QObject::connect(
        w.timer1(), &QTimer::timeout, &w, [&] { ticks.push_back(clock.nsecsElapsed()); });
    GenerationHooks::setForcedExchanges(k);

    clock.start();
    panel->generate->click();
    s.runMs = clock.nsecsElapsed() / 1e6;

    QObject::disconnect(tickWatch);
    GenerationHooks::setYieldObserver({});
    s.maxStepUs = maxStepNs / 1e3;
    s.ticks = static_cast<int>(ticks.size());
    // The gaps between ticks, and from the start of the run to the first tick.
    qint64 previous = 0;
    for (qint64 t : ticks) {
        s.maxTickGapMs = std::max(s.maxTickGapMs, (t - previous) / 1e6);
        previous = t;
    }

    // The floor: as many bare trips through the event loop.
    QElapsedTimer floorClock;
    floorClock.start();
    for (long i = 0; i < s.yields; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    s.floorMs = floorClock.nsecsElapsed() / 1e6;

    // The draw alone.
    RandomStream random;
    random.reseed(4);
    QElapsedTimer bareClock;
    bareClock.start();
    Generator::run(
        *Catalogue::game(1), random, [] {}, [](int, const QString &) {}, Generator::Options{k});
    s.bareMs = bareClock.nsecsElapsed() / 1e6;
    return s;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int reps = 5;
    int k = RandomStream::MaxExchanges;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--smoke")) {
            reps = 1;
            k = 2000;
        } else if (args.at(i) == QLatin1String("--reps") && i + 1 < args.size()) {
            reps = std::max(1, args.at(++i).toInt());
        } else if (args.at(i) == QLatin1String("--k") && i + 1 < args.size()) {
            k = std::max(1, args.at(++i).toInt());
        } else {
            std::fprintf(stderr, "usage: bench_generation [--reps N] [--k K] [--smoke]\n");
            return 2;
        }
    }

    MainWindow w;
    w.show();
    w.imgpic_Click(0); // the Lotto 649 panel
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();

    std::printf("Generate on the offscreen platform, K = %d exchanges, %d repetition(s)\n", k,
                reps);
    std::printf("%4s %10s %10s %7s %10s %6s %11s %10s %9s\n", "rep", "run ms", "floor ms", "ratio",
                "tick gap", "ticks", "max step", "draw ms", "yields");
    std::vector<double> run, floor, ratio, gap, step, bare;
    for (int r = 0; r < reps; ++r) {
        const Sample s = measure(w, k);
        run.push_back(s.runMs);
        floor.push_back(s.floorMs);
        ratio.push_back(s.runMs / s.floorMs);
        gap.push_back(s.maxTickGapMs);
        step.push_back(s.maxStepUs);
        bare.push_back(s.bareMs);
        std::printf("%4d %10.1f %10.1f %7.3f %7.1f ms %6d %8.1f us %10.1f %9ld\n", r + 1, s.runMs,
                    s.floorMs, s.runMs / s.floorMs, s.maxTickGapMs, s.ticks, s.maxStepUs, s.bareMs,
                    s.yields);
        // At least: the entry's yield, K exchanges, one attempt of six labels, the exit's yield.
        if (s.yields < k + 1 + 7 + 1 || Lotto.Generating != 0) {
            std::fprintf(stderr, "unexpected run: %ld yields\n", s.yields);
            return 1;
        }
    }
    std::printf("%4s %10.1f %10.1f %7.3f %7.1f ms %6s %8.1f us %10.1f\n", "med", median(run),
                median(floor), median(ratio), median(gap), "", median(step), median(bare));
    std::printf("timer slip (largest tick gap - 150 ms): %.1f ms\n", median(gap) - 150.0);
    std::printf("peak RSS: %.1f MiB\n", peakRssKiB() / 1024.0);
    std::printf("targets: ratio <= 1.2, slip <= 20 ms, step <= 1000 us\n");
    return 0;
}
