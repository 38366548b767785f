#include "protocol/answerscanner.h"

#include "protocol/atcommands.h"

#include <algorithm>

namespace {

// Longer than any answer with its padding; a longer line is report text.
constexpr int LongestAnswer = 16;

} // namespace

QList<AnswerScanner::Answer> AnswerScanner::feed(const QByteArray &chunk)
{
    QList<Answer> answers;
    const char *const end = chunk.constEnd();
    for (const char *at = chunk.constBegin(); at != end;) {
        // A frame reply is binary, and its payload may hold CR or LF bytes;
        // it is passed over whole once complete. It starts a line.
        if ((m_line.isEmpty() && !m_long && *at == FrameStart) || (!m_line.isEmpty() && m_line.at(0) == FrameStart)) {
            m_line.append(*at++);
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
        // The rest of the line in one step: most of what a unit sends (a
        // report, a terminal's stream) is lines too long to be answers.
        const char *lineEnd = std::find_if(at, end, [](char c) { return c == '\r' || c == '\n'; });
        if (!m_long) {
            m_line.append(at, lineEnd - at);
            if (m_line.size() > LongestAnswer) {
                m_long = true;
                m_line.clear();
            }
        }
        at = lineEnd;
        if (at == end)
            break;
        ++at;
        const QByteArray line = m_long ? QByteArray() : m_line.trimmed();
        if (line == "OK")
            answers.append(Ok);
        else if (line == "ERROR")
            answers.append(Error);
        m_line.clear();
        m_long = false;
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
