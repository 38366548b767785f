#include "sim/outputpacer.h"

namespace modemsim {

OutputPacer::OutputPacer(int chunkBytes, int gapMs)
    : m_chunk(chunkBytes)
    , m_gap(gapMs > 0 ? gapMs : 0)
{
}

void OutputPacer::enqueue(const QByteArray &bytes) { m_pending += bytes; }

qint64 OutputPacer::nextDueMs() const
{
    if (m_pending.isEmpty())
        return -1;
    return m_sentBefore ? m_lastSentMs + m_gap : 0;
}

QByteArray OutputPacer::take(qint64 nowMs)
{
    if (m_pending.isEmpty() || nowMs < nextDueMs())
        return QByteArray();
    const qsizetype size = m_chunk > 0 ? qMin<qsizetype>(m_chunk, m_pending.size()) : m_pending.size();
    const QByteArray piece = m_pending.left(size);
    m_pending.remove(0, size);
    m_sentBefore = true;
    m_lastSentMs = nowMs;
    return piece;
}

} // namespace modemsim
