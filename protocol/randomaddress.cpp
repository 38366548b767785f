#include "protocol/randomaddress.h"

#include <QTime>

void RandomAddressGenerator::seedFromClock()
{
    const QTime now = QTime::currentTime();
    seed(quint32(now.second() * 1000 + now.msec()));
}

int RandomAddressGenerator::draw()
{
    m_state = m_state * 214013u + 2531011u;
    return int((m_state >> 16) & 0x7FFF);
}

quint16 RandomAddressGenerator::nextAddress(quint16 last)
{
    quint16 candidate;
    do {
        candidate = quint16((draw() % 65536) + 1);
    } while (candidate == last);
    return candidate;
}
