#pragma once
// One serial port and the sequences run against the unit behind it: open,
// read, write (with an optional read-back check), pass-through baud rate and
// close. Every front end drives a modem through this class; results come back
// as values and progress as signals.
//
// Sequences are timed by timers, never by nested event loops, so any number
// of sessions share one thread and each keeps its own pauses. A sequence
// started while another pauses runs beside it, each with its own pauses;
// closing the link ends every other sequence first, so nothing follows the
// link-close frame on the line.
//
// The unit answers every line once, in order, so the n-th "OK" or "ERROR"
// belongs to the n-th line sent. A write sends "AT&W" only once every
// earlier line is answered and none was refused; a refused line ends it.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>


#include "protocol/answerscanner.h"
#include "protocol/radiosettings.h"
#include "protocol/reportreader.h"
#include "protocol/writeplan.h"

class QSerialPort;
class QTimer;

struct SequenceResult {
    enum Outcome {
        Completed,
        Aborted,      // the link was closed under it
        SendFailed,   // a line could not be written
        LinkLost,     // the port vanished
        Interrupted,  // stopped at a safe point before "AT&W" (interrupt())
        Unanswered,   // a write: lines still unanswered when "AT&W" was due; not sent
    };
    enum Verification {
        NotVerified,  // not asked for, or the write did not get that far
        Verified,
        Mismatch,     // see `differences`
        NoAnswer,     // no settings report came back in time
        Skipped,      // asked for, but the write was stopped before it ended
    };
    Outcome outcome = Completed;
    bool stored = false;               // a write: "AT&W" went out
    QList<QByteArray> linesSent;       // a write: every line put on the line
    QList<QByteArray> refusedLines;    // lines the unit answered with "ERROR"
    bool storeRefused = false;         // a write: among them its "AT&W"
    Verification verification = NotVerified;
    QList<RegisterDifference> differences;
    RadioSettings readBack;            // the report read by the check
    qint64 presetWorkMode = -1;        // a write: the work mode (S101) whose preset went out
};

// How long a session pauses on the line, and how long a read waits for its
// report. The defaults are the pauses the units need; only tests shorten
// them, and only a detection or quick pauses end them early.
struct SessionTiming {
    int openMs = 1000;                // after opening (and the link-open frame)
    int prepareMs = 1000;             // after the read-prepare frame
    int requestMs = 100;              // after "AT&V"
    int lineMs = WriteLinePauseMs;    // after each line of a write that pauses
    int storeMs = 3000;               // after "AT&W"
    int closeMs = 1000;               // after the link-close frame
    int reportTimeoutMs = 3000;       // read() and write() given no timeout
    // Quick pauses: a pause ends as soon as the unit has answered what it
    // follows (a line's "OK" or "ERROR", the report's final "OK", the
    // link-open or link-close frame's reply), never later than its time. A
    // pause whose line or frame gets no answer (the read-prepare frame, a
    // silent unit) runs out whole; one that follows nothing (a KV5's open,
    // a preset the module lacks) ends at once. The bytes sent and their
    // order stay the same. Off by default: the pauses as the units need
    // them.
    bool pauseEndsOnReply = false;
};

// How a unit's pauses were timed, as its record row says it: "quick" or
// "specified".
QString pausesKey(const SessionTiming &timing);

// Why `port` did not open, for the operator: `error` is the port's
// QSerialPort::SerialPortError, `systemText` its own description.
QString openErrorText(int error, const QString &systemText, const QString &port);

class RadioSession : public QObject
{
    Q_OBJECT

public:
    // The default pauses, by name.
    static constexpr int OpenPauseMs = SessionTiming().openMs;
    static constexpr int PreparePauseMs = SessionTiming().prepareMs;
    static constexpr int RequestPauseMs = SessionTiming().requestMs;
    static constexpr int StorePauseMs = SessionTiming().storeMs;
    static constexpr int ClosePauseMs = SessionTiming().closeMs;
    static constexpr int DefaultReportTimeoutMs = SessionTiming().reportTimeoutMs;

    explicit RadioSession(QObject *parent = nullptr);
    ~RadioSession() override;

    // For the sequences started from now on; one under way keeps its pauses
    // and timeout.
    void setTiming(const SessionTiming &timing) { m_timing = timing; }
    const SessionTiming &timing() const { return m_timing; }

    // Each starter returns the sequence's id; finished() reports its end.
    // open() returns 0 when the port did not open (errorString() says why);
    // opened() is emitted right after it opened, before any frame is sent.
    int open(const LinkConfig &config);
    // Read-prepare frame and pause (KV6 - KV7), "AT&V", pause. The sequence
    // ends after the pause; reportRead() or noReport() follows when the
    // report is in or `reportTimeoutMs` (by default the timing's) after "AT&V".
    int read();
    int read(int reportTimeoutMs);
    // The write plan's lines and pauses for `settings` (to this link's
    // module and mode), "AT&W" and the storage pause; with `verify`, then a
    // read whose report is compared with every register the write set. A
    // refused line ends the write at once: no further line, no "AT&W".
    // "AT&W" waits until every earlier line is answered, for at most the
    // report timeout since the last answer.
    int write(const RadioSettings &settings, bool verify);
    int write(const RadioSettings &settings, bool verify, int reportTimeoutMs);
    // Stops sequence `id` at its next safe point: a write that has not sent
    // "AT&W" sends no further line and ends Interrupted; one that has waits
    // out the storage pause and skips its check; a read or an open ends
    // Interrupted at once. False when no such sequence runs.
    bool interrupt(int id);
    // Ends every other sequence, sends the link-close frame, pauses, closes.
    int close();
    // Closes at once, without a frame (shut-down).
    void closeNow();

    // The pass-through baud rate of a KV6 - KV7 unit (frame 0xB1).
    bool setPassThroughBaud(qint32 rate);
    // Raw bytes from the operator (terminal lines); the unit answers each
    // line of them too.
    bool send(const QByteArray &bytes);
    // While set, received bytes are kept but not scanned (terminal shown).
    // What is held belongs to this link: opening or closing drops it.
    void setHoldReports(bool hold);

    bool isOpen() const;
    bool isRunning(int id) const;
    // The result of a finished sequence, once; the last few are kept.
    SequenceResult takeResult(int id);
    const LinkConfig &config() const { return m_config; }
    QString errorString() const { return m_error; }

signals:
    void opened();
    void chunkReceived(const QByteArray &chunk);
    void frameReceived(const FrameReply &frame);
    // Every scan pass of the receive buffer. `verifying`: the report is the
    // answer to a write's check, not one for the form.
    void reportScanned(const ReceiveResult &result, bool verifying);
    void reportRead(int id, const RadioSettings &settings);
    void noReport(int id);
    void lineSent(int id, const QByteArray &line);
    void lineRefused(int id, const QByteArray &line);
    // Right before "AT&W" goes out: the last moment to note that it may.
    void storing(int id);
    void stored(int id);
    void verifying(int id);
    void finished(int id, const SequenceResult &result);
    void linkLost(const QString &port, const QString &error);

private:
    struct Run;
    struct Watch;

    Run *startRun(int kind);
    void advance(Run *run);
    void advanceWrite(Run *run);
    // The read-prepare frame and its pause (KV6 - KV7 only); true when the
    // run now waits (or has ended), to go on at `requestStage`.
    bool prepareRead(Run *run, int requestStage);
    // "AT&V" and the watch for the report; false when the run has ended.
    bool requestReport(Run *run, bool forVerify);
    // What a pause follows, so that quick pauses know when to end it.
    enum class Awaits { Nothing, Answer, RateReply, CloseReply, NoReply };
    void pause(Run *run, int ms, Awaits awaits);
    // `store`: the line is the write's "AT&W".
    bool sendFor(Run *run, const QByteArray &bytes, bool store = false);
    bool sendBytes(const QByteArray &bytes);
    void finish(Run *run, SequenceResult::Outcome outcome);
    void endAll(SequenceResult::Outcome outcome, const Run *except = nullptr);
    void watchReport(int id, bool forVerify, int timeoutMs);
    void cancelWatches();
    void reportTimedOut(Watch *watch);
    void verifyWith(Run *run, const RadioSettings &settings);
    Run *findRun(int id) const;
    void closePort();
    void onReadyRead();
    void scanReceived(const QByteArray &chunk);
    void endPauseOnReply(const FrameReply &frame);
    // Quick pauses: what the pause under way awaited has come.
    void endPause(Run *run);
    void onPortError(int error);
    // One answer of the unit, to the oldest line not yet answered.
    void answered(AnswerScanner::Answer answer);
    // "AT&W" once nothing is left unanswered (or the wait for that).
    void storeWhenAnswered(Run *run);
    void sendStore(Run *run);
    // Forgets everything received on the link (a link starts clean).
    void forgetReceived();

    QSerialPort *m_port;
    LinkConfig m_config;
    SessionTiming m_timing;
    ReportReader m_reader;
    bool m_hold = false;
    QString m_error;
    int m_nextId = 1;
    QList<Run *> m_runs;
    QList<Watch *> m_watches;
    QMap<int, SequenceResult> m_results;
    AnswerScanner m_answers;
    // Lines sent and not yet answered, oldest first, with the sequence that
    // sent each (0 for the operator's own).
    struct Asked {
        int run = 0;
        QByteArray line;
        bool store = false;   // the write's "AT&W"
        quint64 serial = 0;   // for a pause that awaits its answer
    };
    quint64 m_nextSerial = 1;
    QList<Asked> m_unanswered;
    QByteArray m_unfinishedLine;   // the operator's line not yet ended
};
