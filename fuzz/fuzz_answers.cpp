// The answer scanner, which pins the unit's "OK" and "ERROR" on the lines
// sent to it. Input: one byte choosing how the rest is read, then
//  - a session (even byte): lines sent and what the unit sends back for
//    each (its echo, report lines, link control frames, then "OK" or
//    "ERROR"), cut into chunks where the input says. The answers, pinned in
//    order on the lines sent as the session pins them, must be exactly the
//    unit's: none on a line not sent, none on two lines, no refusal lost;
//  - free bytes (odd byte): anything a unit could send, fed whole, cut where
//    the input says and byte by byte, must give the same answers; without
//    frame bytes they are those of its lines read one by one.

#include <QByteArray>
#include <QList>

#include "fuzz/fuzzcheck.h"
#include "protocol/answerscanner.h"
#include "protocol/atcommands.h"

namespace {

using Answers = QList<AnswerScanner::Answer>;

// `bytes` fed in chunks of the lengths `cuts` gives in turn (0 and past
// the end: the rest at once).
Answers feedCut(const QByteArray &bytes, const QByteArray &cuts)
{
    AnswerScanner scanner;
    Answers answers;
    qsizetype at = 0;
    for (qsizetype i = 0; at < bytes.size(); ++i) {
        const qsizetype length = cuts.isEmpty() || quint8(cuts.at(i % cuts.size())) == 0
                                     ? bytes.size() - at
                                     : std::min<qsizetype>(quint8(cuts.at(i % cuts.size())), bytes.size() - at);
        answers += scanner.feed(bytes.mid(at, length));
        at += length;
    }
    return answers;
}

Answers feedBytewise(const QByteArray &bytes)
{
    AnswerScanner scanner;
    Answers answers;
    for (const char c : bytes)
        answers += scanner.feed(QByteArray(1, c));
    return answers;
}

int linesCut(const QByteArray &bytes, const QByteArray &cuts, QByteArray *unfinished)
{
    int lines = 0;
    qsizetype at = 0;
    for (qsizetype i = 0; at < bytes.size(); ++i) {
        const qsizetype length = cuts.isEmpty() ? bytes.size() : std::max<qsizetype>(1, quint8(cuts.at(i % cuts.size())));
        lines += AnswerScanner::linesAnswered(bytes.mid(at, length), unfinished);
        at += length;
    }
    return lines;
}

// The answers of text without frames, line by line: a line (ended by CR
// or LF) short enough to be an answer and reading "OK" or "ERROR".
Answers answersOfLines(const QByteArray &bytes)
{
    Answers answers;
    QByteArray line;
    for (const char c : bytes) {
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (line.size() <= 16 && line.trimmed() == "OK")
            answers << AnswerScanner::Ok;
        else if (line.size() <= 16 && line.trimmed() == "ERROR")
            answers << AnswerScanner::Error;
        line.clear();
    }
    return answers;
}

void freeBytes(FuzzInput &in)
{
    const QByteArray cuts = in.text();
    const QByteArray bytes = in.bytes(in.left());
    const Answers whole = feedCut(bytes, QByteArray());
    check(feedCut(bytes, cuts) == whole, "the answers do not depend on where the bytes are cut");
    check(feedBytewise(bytes) == whole, "byte by byte gives the same answers");
    if (!bytes.contains(FrameStart))
        check(whole == answersOfLines(bytes), "the answers are those of the lines");

    // What is sent: one answer due per line that is not empty, however cut.
    QByteArray unfinishedWhole;
    QByteArray unfinishedCut;
    const int lines = linesCut(bytes, QByteArray(), &unfinishedWhole);
    check(linesCut(bytes, cuts, &unfinishedCut) == lines && unfinishedCut == unfinishedWhole,
          "the lines sent do not depend on where they are cut");
    int expected = 0;
    for (const QByteArray &line : QByteArray(bytes).replace('\n', '\r').split('\r'))
        expected += line.isEmpty() ? 0 : 1;
    if (!unfinishedWhole.isEmpty())
        --expected;
    check(lines == expected, "one answer due per line sent");
}

// A text on one line that no answer reads as.
QByteArray lineText(FuzzInput &in, const char *lead)
{
    QByteArray text = lead + in.text();
    // A frame byte starts a frame only at a line's head; the unit's text has none.
    text.replace('\r', ' ').replace('\n', ' ').replace(FrameStart, '?');
    if (text.trimmed() == "OK" || text.trimmed() == "ERROR")
        text.prepend('S');
    return text;
}

void session(FuzzInput &in)
{
    static const QByteArray Ends[] = { "\r", "\n", "\r\n" };
    static const QByteArray Frames[] = { QByteArray::fromHex("FAB0040000C201005F"), QByteArray::fromHex("FAE200005F") };
    QByteArray sent;
    QByteArray unit;
    Answers truth;
    int linesSent = 0;
    // The unit answers each line in turn; a line sent is never empty.
    for (int step = 0; step < 64 && in.left() > 1; ++step) {
        const quint8 how = in.byte();
        const QByteArray line = lineText(in, "AT");
        sent += line + Ends[how % 3];
        ++linesSent;
        if (how & 0x04)
            unit += line + "\r\n";   // the echo
        if (how & 0x08) {
            // A report's lines, its own "OK" answering the line.
            unit += "\r\n";
            for (int i = 0, lines = in.byte() % 8; i < lines; ++i)
                unit += lineText(in, "") + "\r\n";
        }
        if (how & 0x10)
            unit += Frames[(how >> 5) & 1];
        const bool refused = how & 0x40;
        truth << (refused ? AnswerScanner::Error : AnswerScanner::Ok);
        unit += (how & 0x80 ? "\r\n" : "") + QByteArray(refused ? "ERROR" : "OK") + Ends[(how >> 5) % 3];
    }
    const QByteArray cuts = in.bytes(in.left());

    check(feedCut(unit, cuts) == truth, "each line sent gets the unit's own answer, however the bytes are cut");
    QByteArray unfinished;
    check(linesCut(sent, cuts, &unfinished) == linesSent && unfinished.isEmpty(), "each line sent awaits one answer");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(silence);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    if (in.byte() & 1)
        freeBytes(in);
    else
        session(in);
    return 0;
}
