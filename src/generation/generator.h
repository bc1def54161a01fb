#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class RandomStream;
struct DrawRules;

// The draw of one Generate run, without any window: the pool, the shuffle and the draw of
// the numbers. The caller seeds the stream, brackets the run and decides what a yield does.
namespace Generator {
// Called before every exchange of the shuffle, before every drawn number and before every
// draw attempt: the window runs its pending events there.
using Yield = std::function<void()>;
// Receives every caption as it is drawn: the number label's index and its new text.
using CaptionSink = std::function<void(int index, const QString &caption)>;

struct Options
{
    // When above 0, the number of exchanges instead of the drawn count (the count is still
    // drawn, so the rest of the stream is the same). For measuring the worst case.
    int forcedExchanges = 0;
};

struct Outcome
{
    int exchanges = 0;    // exchanges made
    int attempts = 0;     // draws of the full set of labels until one was accepted
    QStringList captions; // the accepted captions, label 0 first
};

// One run for the game whose draw `rules` describe: builds the pool (entry i holds poolFirst + i),
// exchanges random pairs of entries 100000 to 299999 times, then draws the labels from random pool
// positions. Games whose numbers must differ draw all labels again until no two captions are equal;
// Pick 3's digits may repeat. Every random value comes from `random`, in that order.
Outcome run(const DrawRules &rules, RandomStream &random, const Yield &yield,
            const CaptionSink &sink, const Options &options = {});
} // namespace Generator
