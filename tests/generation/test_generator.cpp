// The draw without a window: the order of yields, captions and random values, the numbers'
// spread over many seeded runs, distinct numbers where the game wants them.

#include <QTest>

#include "generation/drawrules.h"
#include "generation/generator.h"
#include "generation/randomstream.h"

#include <map>

namespace {
// Upper and lower 0.1 % points of the chi-square distribution (degrees of freedom = pool
// size - 1). The seeds are fixed, so each statistic is one fixed number: a failure means
// the draw changed, never bad luck. The lower bound catches draws too even to be random.
struct ChiSquareBounds
{
    double lower, upper;
};
const std::map<int, ChiSquareBounds> kChiSquare0001{
    {9, {1.152, 27.877}}, {44, {20.576, 78.750}}, {46, {21.929, 81.400}}, {48, {23.295, 84.037}}};

// The draws of the program's five games, by panel: the engine knows no games of its own.
struct NamedDraw
{
    const char *name;
    int panel;
    DrawRules rules;
};
constexpr NamedDraw kDraws[] = {
    {"Lotto 649", 1, {.count = 6, .poolSize = 49, .poolFirst = 1, .distinct = true}},
    {"Pick 3", 2, {.count = 3, .poolSize = 10, .poolFirst = 0, .distinct = false}},
    {"Ontario 49", 3, {.count = 6, .poolSize = 49, .poolFirst = 1, .distinct = true}},
    {"Super 7", 4, {.count = 7, .poolSize = 47, .poolFirst = 1, .distinct = true}},
    {"Lottario", 5, {.count = 6, .poolSize = 45, .poolFirst = 1, .distinct = true}},
};
const DrawRules &drawOf(int panel)
{
    return kDraws[panel - 1].rules;
}

void noYield() {}
void noCaption(int, const QString &) {}
} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepsComeInOrder_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<qint32>("seed");
        for (const NamedDraw &g : kDraws)
            for (qint32 seed : {1, 17, 123456})
                QTest::addRow("%s seed %d", g.name, seed) << int(g.panel) << seed;
    }
    void stepsComeInOrder()
    {
        QFETCH(int, panel);
        QFETCH(qint32, seed);
        const DrawRules &game = drawOf(panel);
        RandomStream random;
        random.reseed(seed);
        RandomStream replay = random;
        const int expectedK = replay.exchangeCount();

        // Y: a yield; a digit: the caption of that label was written.
        QString log;
        QStringList shown(game.count, QString());
        const Generator::Outcome out = Generator::run(
            game, random, [&] { log += QLatin1Char('Y'); },
            [&](int i, const QString &caption) {
                QVERIFY(i >= 0 && i < game.count);
                log += QString::number(i);
                shown[i] = caption;
            });

        QCOMPARE(out.exchanges, expectedK);
        QVERIFY(out.exchanges >= 100000 && out.exchanges <= 299999);
        // A yield before each exchange, then per attempt (Pick 3: the one pass) a yield
        // before every label, and for the distinct games one more at each attempt's start.
        QString labels;
        for (int i = 0; i < game.count; ++i)
            labels += QLatin1Char('Y') + QString::number(i);
        QString expected(expectedK, QLatin1Char('Y'));
        if (game.distinct)
            expected += (QLatin1Char('Y') + labels).repeated(out.attempts);
        else
            expected += labels;
        QCOMPARE(out.attempts >= 1, true);
        QCOMPARE(log, expected);
        QCOMPARE(shown, out.captions); // the labels end showing the accepted captions

        // One value for K, two per exchange, one per drawn label; nothing else.
        for (int i = 0; i < 2 * expectedK + game.count * out.attempts; ++i)
            replay.next();
        QCOMPARE(random, replay);

        // The same seed gives the same run.
        RandomStream again;
        again.reseed(seed);
        QCOMPARE(Generator::run(game, again, noYield, noCaption).captions, out.captions);
    }

    void forcedExchangeCountStillDrawsTheCount()
    {
        const DrawRules &game = drawOf(2);
        RandomStream random;
        random.reseed(5);
        RandomStream replay = random;
        int yields = 0;
        const auto countYield = [&] { ++yields; };
        const Generator::Outcome out =
            Generator::run(game, random, countYield, noCaption, Generator::Options{299999});
        QCOMPARE(out.exchanges, 299999);
        QCOMPARE(yields, 299999 + 3);
        for (int i = 0; i < 1 + 2 * 299999 + 3; ++i)
            replay.next();
        QCOMPARE(random, replay);
    }

    void numbersSpreadOverThePool_data()
    {
        QTest::addColumn<int>("panel");
        for (const NamedDraw &g : kDraws)
            QTest::addRow("%s", g.name) << int(g.panel);
    }
    void numbersSpreadOverThePool()
    {
        QFETCH(int, panel);
        const DrawRules &game = drawOf(panel);
        constexpr int Runs = 300; // seeds 1 to 300
        std::map<int, int> counts;
        int repeatedRuns = 0;
        int retriedRuns = 0;
        for (qint32 seed = 1; seed <= Runs; ++seed) {
            RandomStream random;
            random.reseed(seed);
            const Generator::Outcome out = Generator::run(game, random, noYield, noCaption);
            QCOMPARE(out.captions.size(), game.count);
            QSet<int> seen;
            for (const QString &caption : out.captions) {
                bool ok = false;
                const int number = caption.toInt(&ok);
                QVERIFY(ok);
                QCOMPARE(QString::number(number), caption);
                QVERIFY2(number >= game.poolFirst && number <= game.poolLast(),
                         qPrintable(caption));
                ++counts[number];
                seen.insert(number);
            }
            if (seen.size() < game.count)
                ++repeatedRuns;
            if (out.attempts > 1)
                ++retriedRuns;
        }

        // Every number of the pool came out.
        QCOMPARE(int(counts.size()), int(game.poolSize));
        const double expected = double(Runs) * game.count / game.poolSize;
        double chi2 = 0;
        for (const auto &[number, count] : counts)
            chi2 += (count - expected) * (count - expected) / expected;
        const ChiSquareBounds bounds = kChiSquare0001.at(game.poolSize - 1);
        QVERIFY2(chi2 > bounds.lower && chi2 < bounds.upper, qPrintable(QString::number(chi2)));

        if (game.distinct) {
            QCOMPARE(repeatedRuns, 0);
            // About a quarter of the first attempts show a number twice and are drawn again.
            QVERIFY(retriedRuns > Runs / 10);
        } else {
            // Pick 3 keeps repeated digits (about 28 % of runs).
            QVERIFY(repeatedRuns > Runs / 10);
        }
    }

    void labelsShowEveryAttempt()
    {
        // A rejected attempt is visible: its captions are written before the next attempt.
        const DrawRules &game = drawOf(4);
        for (qint32 seed = 1; seed < 100; ++seed) {
            RandomStream random;
            random.reseed(seed);
            QList<QStringList> attempts;
            const Generator::Outcome out =
                Generator::run(game, random, noYield, [&](int i, const QString &caption) {
                    if (i == 0)
                        attempts.append(QStringList());
                    attempts.last().append(caption);
                });
            QCOMPARE(attempts.size(), out.attempts);
            QCOMPARE(attempts.last(), out.captions);
            if (attempts.size() > 1) {
                const QStringList &rejected = attempts.first();
                QCOMPARE(rejected.size(), game.count);
                QVERIFY(QSet<QString>(rejected.begin(), rejected.end()).size() < game.count);
                return;
            }
        }
        QFAIL("no seed below 100 needed a second attempt");
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
