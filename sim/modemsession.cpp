#include "sim/modemsession.h"

namespace modemsim {

ModemSession::ModemSession(ModemModel *model, bool echo)
    : m_model(model)
    , m_echo(echo)
{
}

bool ModemSession::understandsSpeed(int lineBaud) const
{
    return lineBaud == lineBaudFor(m_model->product());
}

QByteArray ModemSession::receive(const QByteArray &bytes, int lineBaud, qint64 nowMs)
{
    if (!understandsSpeed(lineBaud)) {
        // A real unit would only see framing errors and noise.
        m_ignored += bytes.size();
        return QByteArray();
    }
    QByteArray answer;
    for (const InputSplitter::Item &item : m_splitter.feed(bytes, nowMs)) {
        switch (item.kind) {
        case InputSplitter::Item::Line:
            if (m_echo)
                answer += item.bytes + "\r\n";
            answer += item.overflow ? QByteArrayLiteral("ERROR\r\n") : m_model->execute(item.bytes);
            if (m_silentAfterStore && item.bytes.toUpper() == "AT&W")
                m_silent = true;
            break;
        case InputSplitter::Item::Frame:
            answer += m_model->handleFrame(item.command, item.payload);
            break;
        case InputSplitter::Item::BadFrame:
            break;
        }
    }
    return m_silent ? QByteArray() : answer;
}

} // namespace modemsim
