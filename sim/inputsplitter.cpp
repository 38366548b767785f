#include "sim/inputsplitter.h"

namespace modemsim {

QList<InputSplitter::Item> InputSplitter::feed(const QByteArray &bytes, qint64 nowMs)
{
    QList<Item> items;
    if (bytes.isEmpty())
        return items;
    if (m_inFrame && nowMs - m_lastByteMs > FrameTimeoutMs) {
        m_inFrame = false;
        m_frame.clear();
    }
    m_lastByteMs = nowMs;

    for (const char byte : bytes) {
        if (m_inFrame) {
            m_frame.append(byte);
            if (m_frame.size() < 4)
                continue;
            const int length = quint8(m_frame.at(2)) | (quint8(m_frame.at(3)) << 8);
            if (m_frame.size() < length + 5)
                continue;
            Item item;
            item.bytes = m_frame;
            item.command = quint8(m_frame.at(1));
            if (m_frame.back() == char(0x5F)) {
                item.kind = Item::Frame;
                item.payload = m_frame.mid(4, length);
            } else {
                item.kind = Item::BadFrame;
            }
            items.append(item);
            m_frame.clear();
            m_inFrame = false;
            continue;
        }

        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (byte == '\n')
                continue;
        }
        if (byte == '\r' || byte == '\n') {
            if (!m_line.isEmpty() || m_overflow) {
                Item item;
                item.kind = Item::Line;
                item.bytes = m_line;
                item.overflow = m_overflow;
                items.append(item);
            }
            m_line.clear();
            m_overflow = false;
            m_skipLineFeed = byte == '\r';
            continue;
        }
        if (m_line.isEmpty() && !m_overflow && byte == char(0xFA)) {
            m_inFrame = true;
            m_frame = QByteArray(1, byte);
            continue;
        }
        if (m_line.size() < MaxLineLength)
            m_line.append(byte);
        else
            m_overflow = true;
    }
    return items;
}

} // namespace modemsim
