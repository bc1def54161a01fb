#pragma once

#include <QtGlobal>

// What one game's draw needs: how many numbers, from which pool, and whether they differ.
struct DrawRules
{
    qint16 count;     // numbers drawn
    qint16 poolSize;  // N
    qint16 poolFirst; // entry i of the pool holds poolFirst + i before the shuffle
    bool distinct;    // true when one run may not show a number twice

    constexpr int poolLast() const { return poolFirst + poolSize - 1; }
    // Whether a draw can be made at all: a pool, at least one number, and enough distinct
    // numbers in the pool when they must differ.
    constexpr bool valid() const
    {
        return count > 0 && poolSize > 0 && (!distinct || count <= poolSize);
    }
};
