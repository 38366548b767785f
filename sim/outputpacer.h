#pragma once
// Hands out the modem's answers in pieces of a fixed size with a gap
// between pieces, as slow or buffered units deliver them.

#include <QByteArray>
#include <QtGlobal>

namespace modemsim {

class OutputPacer
{
public:
    // chunkBytes <= 0: whatever is queued goes as one piece.
    OutputPacer(int chunkBytes = 0, int gapMs = 0);

    void enqueue(const QByteArray &bytes);
    void clear() { m_pending.clear(); }
    bool isEmpty() const { return m_pending.isEmpty(); }
    qint64 pendingBytes() const { return m_pending.size(); }

    // Time at which the next piece may go, or -1 when nothing waits.
    qint64 nextDueMs() const;
    // The next piece if it is due at `nowMs`, else an empty array.
    QByteArray take(qint64 nowMs);

private:
    QByteArray m_pending;
    int m_chunk;
    int m_gap;
    bool m_sentBefore = false;
    qint64 m_lastSentMs = 0;
};

} // namespace modemsim
