#include "generation/generator.h"

#include "generation/drawrules.h"
#include "generation/randomstream.h"

#include <utility>
#include <vector>

namespace {
bool allDifferent(const QStringList &captions)
{
    for (qsizetype i = 0; i < captions.size(); ++i)
        for (qsizetype j = i + 1; j < captions.size(); ++j)
            if (captions.at(i) == captions.at(j))
                return false;
    return true;
}
} // namespace

Generator::Outcome Generator::run(const DrawRules &rules, RandomStream &random, const Yield &yield,
                                  const CaptionSink &sink, const Options &options)
{
    Outcome outcome;
    const int n = rules.poolSize;
    const int labels = rules.count;

    // The pool, built afresh for every run.
    std::vector<qint16> pool(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pool[static_cast<std::size_t>(i)] = static_cast<qint16>(rules.poolFirst + i);

    // The shuffle: exchange two random entries (possibly the same one) K times.
    const int drawn = random.exchangeCount();
    outcome.exchanges = options.forcedExchanges > 0 ? options.forcedExchanges : drawn;
    for (int k = 0; k < outcome.exchanges; ++k) {
        yield();
        const int a = random.below(n);
        const int b = random.below(n);
        std::swap(pool[static_cast<std::size_t>(a)], pool[static_cast<std::size_t>(b)]);
    }

    // The draw: labels take pool entries at random positions, with replacement, in label
    // order; nothing is sorted.
    outcome.captions = QStringList(labels, QString());
    auto drawLabel = [&](int i) {
        yield();
        const QString caption = QString::number(pool[static_cast<std::size_t>(random.below(n))]);
        outcome.captions[i] = caption;
        sink(i, caption);
    };

    if (!rules.distinct) {
        // Digits may repeat: one pass.
        outcome.attempts = 1;
        for (int i = 0; i < labels; ++i)
            drawLabel(i);
        return outcome;
    }

    // Draw every label again until no two captions are equal; the labels show each attempt.
    do {
        ++outcome.attempts;
        yield();
        for (int i = 0; i < labels; ++i)
            drawLabel(i);
    } while (!allDifferent(outcome.captions));
    return outcome;
}
