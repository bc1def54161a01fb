#include "generation/randomstream.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

namespace {
constexpr quint32 rotl(quint32 x, int k)
{
    return (x << k) | (x >> (32 - k));
}

quint64 splitmix64(quint64 &state)
{
    quint64 z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace

RandomStream::RandomStream()
{
    reseed(0);
}

float RandomStream::next()
{
    // xoshiro128**
    const quint32 result = rotl(m_s[1] * 5, 7) * 9;
    const quint32 t = m_s[1] << 9;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 11);
    // The top 24 bits, scaled by 2^-24: exact in a float.
    return static_cast<float>(result >> 8) * (1.0f / 16777216.0f);
}

void RandomStream::reseed(qint32 n)
{
    seedFrom(static_cast<quint32>(n));
}

void RandomStream::reseedFromClock()
{
    static std::atomic<quint64> calls{0};
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    const auto ns =
        static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // Keep the clock seeds apart from the 2^32 states reseed(n) can give.
    quint64 mix = ns ^ (calls.fetch_add(1) * 0xd1b54a32d192ed03ULL);
    seedFrom(splitmix64(mix) | (quint64(1) << 63));
}

void RandomStream::seedFrom(quint64 splitmixState)
{
    const quint64 a = splitmix64(splitmixState);
    const quint64 b = splitmix64(splitmixState);
    m_s = {quint32(a), quint32(a >> 32), quint32(b), quint32(b >> 32)};
    // The all-zero state is the one state xoshiro never leaves.
    if (m_s == std::array<quint32, 4>{})
        m_s[0] = 1;
}

int RandomStream::scale(float rnd, int n)
{
    Q_ASSERT(n >= 1);
    if (!(rnd > 0.0f)) // 0, and NaN or negatives that no stream gives
        return 0;
    const double product = std::floor(static_cast<double>(rnd) * n);
    return static_cast<int>(std::min(product, static_cast<double>(n - 1)));
}

int RandomStream::exchangeCount(float rnd)
{
    return MinExchanges + scale(rnd, MaxExchanges - MinExchanges + 1);
}

RandomStream &sharedRandom()
{
    static RandomStream stream;
    return stream;
}
