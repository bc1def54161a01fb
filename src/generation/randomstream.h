#pragma once

#include <QtGlobal>

#include <array>

// The program's one stream of random numbers: Generate shuffles and draws from it, and the
// status strip's blink takes its colours from it, so both share one sequence.
//
// The generator is xoshiro128** 1.1 (Blackman and Vigna): 128 bits of state, period
// 2^128 - 1, passes BigCrush; each step yields 32 bits of which next() keeps the top 24.
class RandomStream
{
public:
    // A new stream starts in the state reseed(0) gives, the same at every start.
    RandomStream();

    // The next value, uniform in [0, 1): one of the 2^24 values k / 2^24, k = 0 .. 2^24 - 1,
    // so a float holds it exactly and it never rounds up to 1.
    float next();

    // Sets the state from n alone (the previous state is forgotten), so equal n give equal
    // sequences: the 32 bits of n, as unsigned, start a splitmix64 sequence whose first two
    // outputs fill the four state words (low half first).
    void reseed(qint32 n);
    // Sets the state from the high-resolution clock (nanoseconds), mixed through splitmix64
    // together with a per-call counter, so two calls within the same clock tick still differ.
    void reseedFromClock();

    // floor(next() * n) for n >= 1: uniform over 0 .. n - 1.
    int below(int n) { return scale(next(), n); }
    // The shuffle's exchange count, floor(next() * 200000 + 100000): 100000 .. 299999.
    int exchangeCount() { return exchangeCount(next()); }

    // floor(rnd * n) for a value rnd in [0, 1) and n >= 1, never n: the product is formed in
    // double precision, where a 24-bit rnd times an int is exact below 2^29 and otherwise off
    // by far less than the distance n * 2^-24 from rnd = 1 - 2^-24 to 1; the result is also
    // clamped to n - 1, so any float below 1 is safe.
    static int scale(float rnd, int n);
    // floor(rnd * 200000 + 100000), clamped to 100000 .. 299999. In single precision the
    // sum for the largest rnd (1 - 2^-24, giving 299999.988...) would round to 300000.
    static int exchangeCount(float rnd);

    static constexpr int MinExchanges = 100000;
    static constexpr int MaxExchanges = 299999;

    bool operator==(const RandomStream &) const = default;

private:
    void seedFrom(quint64 splitmixState);

    std::array<quint32, 4> m_s{};
};

// The program-wide stream.
RandomStream &sharedRandom();
