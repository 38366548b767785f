#include "protocol/answerscanner.h"

#include "protocol/atcommands.h"

namespace {

// Longer than any answer with its padding; a longer line is report text.
constexpr int LongestAnswer = 16;

} // namespace

QList<AnswerScanner::Answer> AnswerScanner::feed(const QByteArray &chunk)
{
    QList<Answer> answers;
    for (const char byte : chunk) {
        // A frame reply is binary, and its payload may hold CR or LF bytes;
        // it is passed over whole once complete.
        if (!m_line.isEmpty() && m_line.at(0) == FrameStart) {
            m_line.append(byte);
            const FrameReply frame = decodeFrameReply(m_line);
            if (frame.status == FrameReply::Incomplete)
                continue;
            if (frame.size > 0) {
                m_line.remove(0, frame.size);
                continue;
            }
            // Not a frame after all: ordinary text from here on.
            m_long = true;
            m_line.clear();
            continue;
        }
        if (byte == '\r' || byte == '\n') {
            const QByteArray line = m_line.trimmed();
            if (!m_long && line == "OK")
                answers.append(Ok);
            else if (!m_long && line == "ERROR")
                answers.append(Error);
            m_line.clear();
            m_long = false;
            continue;
        }
        if (m_long)
            continue;
        m_line.append(byte);
        if (m_line.size() > LongestAnswer && m_line.at(0) != FrameStart) {
            m_long = true;
            m_line.clear();
        }
    }
    return answers;
}

void AnswerScanner::reset()
{
    m_line.clear();
    m_long = false;
}

int AnswerScanner::linesAnswered(const QByteArray &bytes, QByteArray *unfinished)
{
    int lines = 0;
    QByteArray line = *unfinished;
    for (const char byte : bytes) {
        if (byte == '\r' || byte == '\n') {
            if (!line.isEmpty())
                ++lines;
            line.clear();
        } else {
            line.append(byte);
        }
    }
    *unfinished = line;
    return lines;
}
