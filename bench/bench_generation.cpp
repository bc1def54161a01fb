// Measures Generate on the offscreen platform, in one process:
//   run    a full run on the Lotto 649 panel through the real main window, with a forced
//          exchange count (299 999, the worst case, unless --k says otherwise);
//   floor  the same number of bare processEvents() calls with nothing else to do;
//   tick   the largest gap between two status-timer ticks during the run (interval 150 ms);
//   step   the largest time between the end of one yield and the start of the next, its
//          99.9th percentile and how many steps took over 1 ms (on a busy machine a step
//          can be preempted, which the percentile sees through);
//   cpu    the run's and the floor's processor time, whose ratio other processes on the
//          machine disturb less than the wall-clock ratio;
//   RSS    the process's peak resident memory.
// Every repetition makes two runs: one unwatched for the run times, one watched for the
// ticks and steps. Prints one line per repetition and the medians. Targets: run/floor <= 1.2,
// the timer slips by at most 20 ms, no step takes more than 1 ms.
//
// bench_generation [--reps N] [--k K] [--smoke]

#include "generation/generator.h"
#include "generation/randomstream.h"
#include "shared/lotto.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
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
    double p999StepUs = 0;
    long slowSteps = 0; // over 1 ms
    double runCpuMs = 0;
    double floorCpuMs = 0;
    long yields = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

// Steers the measured window's runs.
WindowHooks hooks;

Sample measure(MainWindow &w, int k)
{
    Sample s;
    GamePanel *panel = w.gamePanel(1);

    hooks.forcedExchanges = k;

    // The run as the user gets it: nothing watches it.
    const double runCpu = threadCpuMs();
    QElapsedTimer runClock;
    runClock.start();
    panel->generate->click();
    s.runMs = runClock.nsecsElapsed() / 1e6;
    s.runCpuMs = threadCpuMs() - runCpu;

    // The same run again, watched from its yields and the status timer.
    QElapsedTimer clock;
    qint64 lastYieldEnd = -1;
    std::vector<qint64> steps;
    steps.reserve(static_cast<std::size_t>(k) + 64);
    hooks.yieldObserver = [&](WindowHooks::Yield phase) {
        const qint64 now = clock.nsecsElapsed();
        if (phase == WindowHooks::Yield::Before) {
            ++s.yields;
            if (lastYieldEnd >= 0)
                steps.push_back(now - lastYieldEnd);
        } else {
            lastYieldEnd = now;
        }
    };
    std::vector<qint64> ticks;
    const QMetaObject::Connection tickWatch = QObject::connect(
        w.timer1(), &QTimer::timeout, &w, [&] { ticks.push_back(clock.nsecsElapsed()); });
    clock.start();
    panel->generate->click();

    QObject::disconnect(tickWatch);
    hooks.yieldObserver = {};
    if (!steps.empty()) {
        s.slowSteps =
            std::count_if(steps.begin(), steps.end(), [](qint64 ns) { return ns > 1000000; });
        const auto at = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 999 / 1000);
        std::nth_element(steps.begin(), at, steps.end());
        s.p999StepUs = *at / 1e3;
        s.maxStepUs = *std::max_element(steps.begin(), steps.end()) / 1e3;
    }
    s.ticks = static_cast<int>(ticks.size());
    // The gaps between ticks, and from the start of the run to the first tick.
    qint64 previous = 0;
    for (qint64 t : ticks) {
        s.maxTickGapMs = std::max(s.maxTickGapMs, (t - previous) / 1e6);
        previous = t;
    }

    // The floor: as many bare trips through the event loop.
    const double floorCpu = threadCpuMs();
    QElapsedTimer floorClock;
    floorClock.start();
    for (long i = 0; i < s.yields; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    s.floorMs = floorClock.nsecsElapsed() / 1e6;
    s.floorCpuMs = threadCpuMs() - floorCpu;

    // The draw alone.
    RandomStream random;
    random.reseed(4);
    QElapsedTimer bareClock;
    bareClock.start();
    Generator::run(
        Catalogue::game(1)->draw, random, [] {}, [](int, const QString &) {},
        Generator::Options{k});
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

    MainWindow w(&hooks);
    w.show();
    w.imgpic_Click(0); // the Lotto 649 panel
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();

    std::printf("Generate on the offscreen platform, K = %d exchanges, %d repetition(s)\n", k,
                reps);
    std::printf("%4s %9s %9s %6s %9s %6s %9s %9s %6s %9s %6s %7s %8s\n", "rep", "run ms",
                "floor ms", "ratio", "cpu run", "cpu fl", "cpu ratio", "tick gap", "ticks",
                "max step", "p99.9", ">1 ms", "draw ms");
    {
        // The first run of the process also creates the luck-word editor (reading its text
        // does): shown, not counted.
        const Sample s = measure(w, k);
        std::printf("%4s %9.1f %9.1f %6.3f %9.1f %6.1f %9.3f %6.1f ms %6d %6.0f us %5.2f us %7ld "
                    "%8.1f\n",
                    "1st", s.runMs, s.floorMs, s.runMs / s.floorMs, s.runCpuMs, s.floorCpuMs,
                    s.runCpuMs / s.floorCpuMs, s.maxTickGapMs, s.ticks, s.maxStepUs, s.p999StepUs,
                    s.slowSteps, s.bareMs);
    }
    std::vector<double> run, floor, ratio, cpuRatio, gap, step, p999, bare;
    for (int r = 0; r < reps; ++r) {
        const Sample s = measure(w, k);
        run.push_back(s.runMs);
        floor.push_back(s.floorMs);
        ratio.push_back(s.runMs / s.floorMs);
        cpuRatio.push_back(s.runCpuMs / s.floorCpuMs);
        gap.push_back(s.maxTickGapMs);
        step.push_back(s.maxStepUs);
        p999.push_back(s.p999StepUs);
        bare.push_back(s.bareMs);
        std::printf("%4d %9.1f %9.1f %6.3f %9.1f %6.1f %9.3f %6.1f ms %6d %6.0f us %5.2f us %7ld "
                    "%8.1f\n",
                    r + 1, s.runMs, s.floorMs, s.runMs / s.floorMs, s.runCpuMs, s.floorCpuMs,
                    s.runCpuMs / s.floorCpuMs, s.maxTickGapMs, s.ticks, s.maxStepUs, s.p999StepUs,
                    s.slowSteps, s.bareMs);
        // At least: the entry's yield, K exchanges, one attempt of six labels, the exit's yield.
        if (s.yields < k + 1 + 7 + 1 || Lotto.Generating != 0) {
            std::fprintf(stderr, "unexpected run: %ld yields\n", s.yields);
            return 1;
        }
    }
    std::printf("%4s %9.1f %9.1f %6.3f %9s %6s %9.3f %6.1f ms %6s %6.0f us %5.2f us %7s %8.1f\n",
                "med", median(run), median(floor), median(ratio), "", "", median(cpuRatio),
                median(gap), "", median(step), median(p999), "", median(bare));
    std::printf("timer slip (largest tick gap - 150 ms, median): %.1f ms\n", median(gap) - 150.0);
    std::printf("peak RSS: %.1f MiB (includes the step log, %.1f MiB)\n", peakRssKiB() / 1024.0,
                (k + 64) * 8 / 1048576.0);
    std::printf("targets: ratio <= 1.2, slip <= 20 ms, step <= 1000 us\n");
    return 0;
}
