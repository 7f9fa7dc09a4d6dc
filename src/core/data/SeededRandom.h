#pragma once

#include <QtGlobal>

#include <cstdint>
#include <utility>

// A small, fully specified pseudo-random generator (xoshiro256**, seeded
// through splitmix64). Its output depends on nothing but the seed, so the
// same seed gives the same numbers with every compiler and library version.
// Only integer arithmetic and exact floating-point operations are used.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed = 1) { reseed(seed); }

    void reseed(quint64 seed)
    {
        quint64 x = seed;
        for (auto &s : m_s)
            s = splitmix64(x);
    }

    static quint64 splitmix64(quint64 &x)
    {
        quint64 z = (x += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    quint64 next()
    {
        const quint64 result = rotl(m_s[1] * 5, 7) * 9;
        const quint64 t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return result;
    }

    // 0 <= value < n (n > 0). Multiply-high reduction; the bias is below
    // 2^-32 for every n the generator uses.
    quint64 below(quint64 n)
    {
        return quint64((static_cast<unsigned __int128>(next()) * n) >> 64);
    }

    // lo <= value <= hi
    qint64 range(qint64 lo, qint64 hi)
    {
        if (hi <= lo)
            return lo;
        return lo + qint64(below(quint64(hi - lo) + 1));
    }

    // 0 <= value < 1, 53 bits
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Skewed towards 0: the product of two uniform numbers (mean 1/4).
    double skewed() { return unit() * unit(); }

    bool chance(double p) { return unit() < p; }

    // Index into a table of cumulative integer weights (last = total).
    template<typename Container>
    int weighted(const Container &cumulative)
    {
        const quint64 total = quint64(cumulative.back());
        const quint64 r = below(total);
        int i = 0;
        while (quint64(cumulative[i]) <= r)
            ++i;
        return i;
    }

    template<typename T, int N>
    const T &pick(const T (&table)[N])
    {
        return table[below(N)];
    }

    template<typename List>
    const auto &pickFrom(const List &list)
    {
        return list[qsizetype(below(quint64(list.size())))];
    }

private:
    static quint64 rotl(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }

    quint64 m_s[4];
};
