#pragma once
#include <QtGlobal>

// A small portable generator (the classic 15-bit linear congruential one) so
// the random network addresses do not depend on the C library's rand().
class RandomAddressGenerator
{
public:
    void seed(quint32 s) { m_state = s; }
    // Seeds with seconds * 1000 + milliseconds of the time of day.
    void seedFromClock();
    int draw();   // 0 .. 32767

    // A fresh address in 1 .. 32768 that differs from `last`.
    quint16 nextAddress(quint16 last);

private:
    quint32 m_state = 1;
};
