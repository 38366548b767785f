#include "protocol/reportreader.h"

#include "protocol/logging.h"

#include <limits>

namespace {

struct RegisterName {
    const char *name;
    int reg;
};

// The order matters: after an entry the names that follow are compared at
// the head of the buffer before the scan moves on.
constexpr RegisterName RegisterNames[] = {
    { "S101", Reg::WorkMode },    { "S102", Reg::SerialBaud },  { "S103", Reg::LinkRate },      { "S104", Reg::NetworkAddress },
    { "S105", Reg::UnitAddress }, { "S108", Reg::OutputPower }, { "S141", Reg::RepeaterEnable },
};
constexpr int NameLength = 4;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// White space as the C library's "%d" skips it in the C locale.
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool nameAt(const QByteArray &buffer, int pos, const char *name)
{
    if (buffer.size() - pos < NameLength)
        return false;
    for (int i = 0; i < NameLength; ++i) {
        if (buffer.at(pos + i) != name[i])
            return false;
    }
    return true;
}

// Reads what the pattern "Snnn=%d " accepts after the register name at the
// head of `text`: "=", optional white space, an optional sign and decimal
// digits. Hand-made rather than sscanf, whose overflow is undefined: a number
// outside min..max counts as unreadable (-1), like a missing one.
qint64 readValue(const QByteArray &text, qint64 min, qint64 max)
{
    const int size = text.size();
    int i = NameLength;
    if (i >= size || text.at(i) != '=')
        return -1;
    ++i;
    while (i < size && isSpace(text.at(i)))
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == '+' || text.at(i) == '-')) {
        negative = text.at(i) == '-';
        ++i;
    }
    if (i >= size || !isDigit(text.at(i)))
        return -1;
    // min and max stay within 32 bits, so the magnitude cannot overflow.
    const qint64 limit = negative ? -min : max;
    qint64 magnitude = 0;
    for (; i < size && isDigit(text.at(i)); ++i) {
        magnitude = magnitude * 10 + (text.at(i) - '0');
        if (magnitude > limit)
            return -1;
    }
    return negative ? -magnitude : magnitude;
}

// The entry whose name starts the buffer. S104 takes its digits as text and
// removes the name and the character after it; the digits stay for the scan.
RegisterEntry takeEntry(QByteArray &buffer, int reg)
{
    RegisterEntry entry;
    entry.reg = reg;
    switch (reg) {
    case Reg::NetworkAddress: {
        buffer.remove(0, NameLength + 1);
        int count = 0;
        while (count < buffer.size() && isDigit(buffer.at(count)))
            ++count;
        entry.digits = QString::fromLatin1(buffer.constData(), count);
        entry.value = count;
        qCDebug(lcProtocol).nospace().noquote() << "S104 = " << entry.digits;
        return entry;
    }
    case Reg::UnitAddress:
        // Written as an unsigned 32-bit number, read back the same way.
        entry.value = readValue(buffer, 0, std::numeric_limits<quint32>::max());
        break;
    default:
        entry.value = readValue(buffer, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        break;
    }
    qCDebug(lcProtocol).nospace() << "S" << reg << " = " << entry.value;
    return entry;
}

} // namespace

ReceiveResult ReportReader::feed(const QByteArray &chunk, bool hold)
{
    ReceiveResult result;

    m_buffer.append(chunk);
    if (m_buffer.size() > BufferLimit)
        m_buffer.clear();
    if (m_buffer.isEmpty() || hold)
        return result;

    // Frame replies at the head. Report text behind a complete reply is kept;
    // anything else starting with the frame byte cannot be resynchronised.
    while (!m_buffer.isEmpty() && m_buffer.at(0) == FrameStart) {
        const FrameReply reply = decodeFrameReply(m_buffer);
        if (reply.status != FrameReply::BaudRate && reply.status != FrameReply::LinkClosed) {
            m_buffer.clear();
            break;
        }
        if (reply.status == FrameReply::BaudRate)
            qCDebug(lcProtocol).nospace() << "baud = " << reply.rate;
        result.frames.append(reply);
        m_buffer.remove(0, reply.size);
    }

    // A report is only complete once its "OK" is in.
    if (!m_buffer.contains("OK"))
        return result;

    result.scanned = true;
    int n = 0;
    while (n < m_buffer.size()) {
        for (const RegisterName &name : RegisterNames) {
            if (nameAt(m_buffer, n, name.name)) {
                m_buffer.remove(0, n);
                result.entries.append(takeEntry(m_buffer, name.reg));
                n = 0;
            }
        }
        ++n;
    }
    m_buffer.clear();
    return result;
}

int airSpeedRowForValue(qint64 value)
{
    if (value < 0 || value > std::numeric_limits<int>::max())
        return -1;
    // Row 7 is stored as 8 on the modem; 7 itself is never written.
    return value == 8 ? 7 : int(value);
}

int powerRowForCode(qint64 code, bool halfFjord)
{
    if (code < 0 || code > std::numeric_limits<int>::max())
        return -1;
    if (halfFjord && code == 30)
        return 0;
    if (halfFjord && code == 33)
        return 1;
    if (code == 33)
        return 11;
    return code >= 20 ? int(code - 20) : int(code);
}
