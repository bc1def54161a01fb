// The program-wide random stream: its value range, reproducible re-seeding, and the two
// scalings every draw goes through.

#include <QTest>

#include "generation/randomstream.h"

#include <cmath>
#include <limits>

namespace {
constexpr float JustBelowOne = 1.0f - 1.0f / 16777216.0f; // the stream's largest value

QList<float> take(RandomStream &s, int count)
{
    QList<float> values;
    for (int i = 0; i < count; ++i)
        values << s.next();
    return values;
}
} // namespace

class TestRandomStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesAreTwentyFourBitFractionsBelowOne()
    {
        RandomStream s;
        s.reseed(12345);
        double sum = 0;
        float lo = 1, hi = 0;
        quint32 bitsSeen = 0;
        constexpr int Count = 1000000;
        for (int i = 0; i < Count; ++i) {
            const float v = s.next();
            QVERIFY(v >= 0.0f && v < 1.0f);
            const float scaled = v * 16777216.0f;
            QCOMPARE(scaled, std::floor(scaled)); // k / 2^24 exactly
            bitsSeen |= static_cast<quint32>(scaled);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            sum += v;
        }
        QCOMPARE(bitsSeen, 0xffffffu); // every one of the 24 bits varies
        QVERIFY(lo < 1e-4f);
        QVERIFY(hi > 1.0f - 1e-4f);
        QVERIFY(std::abs(sum / Count - 0.5) < 0.002);
    }

    void reseedIsReproducibleAndForgetsThePast()
    {
        RandomStream a, b;
        QCOMPARE(a, b); // every new stream starts alike
        a.reseed(42);
        b.reseed(42);
        QCOMPARE(take(a, 1000), take(b, 1000));

        // The state before the re-seed plays no part.
        RandomStream c;
        take(c, 777);
        c.reseed(42);
        RandomStream d;
        d.reseed(42);
        QCOMPARE(take(c, 100), take(d, 100));

        // Neighbouring and extreme seeds give different sequences.
        const QList<qint32> seeds{0,
                                  1,
                                  2,
                                  4,
                                  5000000,
                                  -1,
                                  std::numeric_limits<qint32>::min(),
                                  std::numeric_limits<qint32>::max()};
        QSet<QList<float>> starts;
        for (qint32 n : seeds) {
            RandomStream s;
            s.reseed(n);
            starts.insert(take(s, 4));
        }
        QCOMPARE(starts.size(), seeds.size());

        // A fresh stream is the stream seeded with 0.
        RandomStream fresh, zero;
        zero.reseed(0);
        QCOMPARE(fresh, zero);
    }

    void clockSeedsDiffer()
    {
        RandomStream a, b;
        a.reseedFromClock();
        b.reseedFromClock(); // possibly within the same clock tick
        QVERIFY(take(a, 8) != take(b, 8));
        RandomStream zero;
        QVERIFY(a != zero);
    }

    void sharedStreamIsOne()
    {
        QCOMPARE(&sharedRandom(), &sharedRandom());
        sharedRandom().reseed(7);
        RandomStream s;
        s.reseed(7);
        QCOMPARE(sharedRandom().next(), s.next());
    }

    void scaleIsTheExactFloorAndNeverN()
    {
        // For every value the stream can give, floor(rnd * n) as integers: (k * n) >> 24.
        for (int n : {10, 45, 47, 49, 255}) {
            for (quint32 k = 0; k < (1u << 24); ++k) {
                const float rnd = static_cast<float>(k) / 16777216.0f;
                const int expected = static_cast<int>((quint64(k) * quint64(n)) >> 24);
                if (RandomStream::scale(rnd, n) != expected)
                    QFAIL(qPrintable(QStringLiteral("n=%1 k=%2").arg(n).arg(k)));
            }
        }
        // The largest values below 1, for pool sizes up to the largest int.
        for (int n : {1, 2, 3, 49, 16777215, 16777216, 16777217, 1 << 29,
                      std::numeric_limits<int>::max()}) {
            // floor((1 - 2^-24) * n): n - 1 up to n = 2^24, below that for larger n.
            const int top = static_cast<int>((quint64(0xffffff) * quint64(n)) >> 24);
            QCOMPARE(RandomStream::scale(JustBelowOne, n), top);
            QCOMPARE(RandomStream::scale(std::nextafter(1.0f, 0.0f), n), top);
            QVERIFY(top < n);
            if (n <= 16777216)
                QCOMPARE(top, n - 1);
            QCOMPARE(RandomStream::scale(0.0f, n), 0);
        }
        // Values no stream gives still land inside the range.
        QCOMPARE(RandomStream::scale(std::numeric_limits<float>::denorm_min(), 49), 0);
        QCOMPARE(RandomStream::scale(-0.0f, 49), 0);
    }

    void exchangeCountStaysInRange()
    {
        QCOMPARE(RandomStream::exchangeCount(0.0f), 100000);
        QCOMPARE(RandomStream::exchangeCount(0.5f), 200000);
        QCOMPARE(RandomStream::exchangeCount(0.25f), 150000);
        // 1 - 2^-24 gives 299999.988...; single-precision arithmetic would round it to 300000.
        QCOMPARE(RandomStream::exchangeCount(JustBelowOne), 299999);
        QCOMPARE(RandomStream::exchangeCount(std::nextafter(JustBelowOne, 0.0f)), 299999);
        QCOMPARE(RandomStream::exchangeCount(1.0f - 6.0f / 16777216.0f), 299999);
        QCOMPARE(RandomStream::exchangeCount(1.0f - 100.0f / 16777216.0f), 299998);

        RandomStream s;
        s.reseed(99);
        int lo = RandomStream::MaxExchanges, hi = RandomStream::MinExchanges;
        for (int i = 0; i < 200000; ++i) {
            const int k = s.exchangeCount();
            lo = std::min(lo, k);
            hi = std::max(hi, k);
        }
        QVERIFY(lo >= 100000 && lo < 100010);
        QVERIFY(hi <= 299999 && hi > 299990);
    }
};

QTEST_GUILESS_MAIN(TestRandomStream)
#include "test_randomstream.moc"
