#pragma once
// One link and the unit on it, from open to close: the link's state, reading
// the unit's settings, writing them with the check after it and the unit's
// record rows, the pass-through rate, and the reports held while the
// operator talks to the unit directly. The window is a view of it; kvx-cli
// and the batch run a short script over it (UnitJob).
//
// Every link starts clean: nothing received, reported, refused or chosen on
// an earlier link reaches this one, and a write waits for this unit's own
// report. Starters return at once; signals tell how each step ended.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include "engine/radiosession.h"
#include "engine/unitoutcome.h"
#include "records/recordservice.h"
#include "records/recordstore.h"

class LinkController : public QObject
{
    Q_OBJECT

public:
    // What the link is doing; one state decides what may start.
    enum class State { Closed, Opening, Ready, Reading, Writing, Closing };
    Q_ENUM(State)

    struct WriteOptions {
        bool verify = false;
        // A record that hands out unit addresses (point to multipoint)
        // reserves the settings' own (`reserveFrom` -1) or the first free one
        // from `reserveFrom`; `replace` takes over one an earlier unit holds.
        qint64 reserveFrom = -1;
        bool replace = false;
    };

    explicit LinkController(QObject *parent = nullptr);
    ~LinkController() override;

    // The pauses and the report timeout, for the sequences started from now on.
    void setTiming(const SessionTiming &timing);
    const SessionTiming &timing() const { return m_session.timing(); }
    // Where each write's rows go (none when null or empty), and who
    // writes them.
    void setRecords(RecordService *records) { m_records = records; }
    void setRecordIdentity(const RecordIdentity &identity) { m_identity = identity; }
    // The unit's own serial or label code, kept in the rows written from now
    // on (empty: none); set before the unit's write or its failure is recorded.
    void setUnitCode(const QString &code) { m_unitCode = code; }
    QString unitCode() const { return m_unitCode; }

    State state() const { return m_state; }
    bool isOpen() const { return m_session.isOpen(); }
    const LinkConfig &config() const { return m_session.config(); }
    // Why the last open failed.
    QString errorString() const { return m_session.errorString(); }

    // Opens the port (the link-open frame for KV6 - KV7, then the pause);
    // false when it did not open. connected() follows.
    bool open(const LinkConfig &config);
    // Ready: the read; reportRead() or noReport(), then readEnded().
    void read();
    // Empty when `settings` can be written to this unit: every setting the
    // write sends holds a value its module offers. Otherwise what is wrong,
    // named with what this unit reported (`reg`, when given: its register).
    QString checkWrite(const RadioSettings &settings, int *reg = nullptr) const;
    // Ready: checks the settings, asks the record for what the unit needs
    // before its first line (its unit address, its pending row), writes,
    // stores, checks (with `verify`) and records; writeDone() says the line
    // is free, writeEnded() tells how it ended once its row is kept, also
    // when nothing could be sent.
    void write(const RadioSettings &settings, const WriteOptions &options);
    // Stops at the next safe point: a write before "AT&W" sends no further
    // line (after it, the store is waited out and the check skipped), and
    // true is returned as writeEnded() follows; an open or a read ends at once.
    bool interrupt();
    // Ends what runs (a write before "AT&W" stores nothing), sends the
    // link-close frame, pauses, closes; closed() follows.
    void close();
    // Closes at once, without a frame (shut-down); a write under way ends
    // and is recorded.
    void closeNow();

    // The operator's own lines (the terminal), raw.
    bool sendRaw(const QByteArray &bytes);
    // While set, what the unit sends is kept, not scanned: the operator reads
    // it. It is scanned with what comes next on this link, never on another.
    void setHoldReports(bool hold) { m_session.setHoldReports(hold); }
    // Sets a KV6 - KV7 unit's pass-through rate.
    bool setPassThroughRate(qint32 rate);
    // Whether the unit hears the rate it reported back, as the window's rate
    // list sends it when it shows the rate (on by default). Off for a link
    // that only asks the rate: asking must not write.
    void setRateEcho(bool on) { m_rateEcho = on; }
    // The rate the unit reported on this link, 0 before it did.
    quint32 passThroughRate() const { return m_reportedRate; }

    // This unit's report, as far as it came on this link.
    bool hasReported(int reg) const { return m_entries.contains(reg); }
    // The five registers a write needs have been reported.
    bool reportComplete() const;
    const RadioSettings &report() const { return m_report; }

    // The last write: its settings (the unit address a record handed out)
    // and how it ended, complete once writeEnded() was emitted.
    const RadioSettings &writeSettings() const { return m_settings; }
    const UnitOutcome &outcome() const { return m_outcome; }
    // The unit address after the one a good write gave in point to
    // multipoint, -1 for none (a record that hands out addresses may know a
    // later free one: Station::nextFreeUnit()).
    qint64 nextUnitAddress() const;
    // Records the outcome of a unit that failed before its write;
    // outcomeRecorded() follows.
    void recordOutcome(const UnitOutcome &outcome);
    // A write has begun and its writeEnded() is still to come.
    bool isWriting() const { return m_writeOpen; }

signals:
    void stateChanged(LinkController::State state);
    // The port has opened; no frame has gone out yet.
    void linkOpened();
    // The open's pause is over: the link is ready.
    void connected();
    void chunkReceived(const QByteArray &chunk);
    // Entries of a settings report on this link, for the window's form.
    void reportApplied(const QList<RegisterEntry> &entries);
    void reportRead(const RadioSettings &settings);
    void noReport();
    // The read request could not be sent.
    void readFailed();
    // The read is over; `answered`: its report came.
    void readEnded(bool answered);
    // The unit's pass-through rate, or the link-close answer, came.
    void passThroughChanged();
    // Where a write is (writing, storing, verifying): `line` of `lines`
    // while writing, 0 otherwise.
    void writeProgress(UnitStep step, int line, int lines);
    // The write is over on the line (the link may close now); writeEnded()
    // follows once the unit's final row is kept.
    void writeDone(const UnitOutcome &outcome);
    void writeEnded(const UnitOutcome &outcome);
    // recordOutcome()'s row is written (or could not be: see recordError).
    void outcomeRecorded(const UnitOutcome &outcome);
    void linkLost(const QString &port, const QString &reason);
    // The close sequence is over.
    void closed();

private:
    void setState(State state);
    void startLink();
    void enterClosed();
    void sequenceEnded(int id, const SequenceResult &result);
    void endRead(bool answered);
    void applyReport(const ReceiveResult &result, bool verifying);
    void frameIn(const FrameReply &frame);
    void storing(int id);
    void finishWrite(const SequenceResult &result);
    void endWrite(const UnitOutcome &outcome);
    // The record has what the unit needs (or none is kept): the lines go out.
    void startLines();
    // A write that waits for the record ends, interrupted or lost.
    void endBeginning(bool lost);
    // The unit's final row, then writeEnded().
    void endWithRow(const UnitOutcome &outcome);
    bool recording() const;
    // The unit's row for `outcome`: its code, and how its pauses were timed.
    UnitRecord rowOf(const UnitOutcome &outcome) const;

    RadioSession m_session;
    State m_state = State::Closed;
    int m_openId = 0;
    int m_readId = 0;
    int m_writeId = 0;
    int m_closeId = 0;
    bool m_readPaused = false;     // the read's own pause is over
    bool m_readAnswered = false;   // its report, or the lack of one, is in
    bool m_readGotReport = false;

    // This link's unit.
    QMap<int, RegisterEntry> m_entries;
    RadioSettings m_report;
    quint32 m_reportedRate = 0;
    quint32 m_selectedRate = 0;    // the rate the unit was last told or told us
    bool m_rateEcho = true;

    // The write.
    QPointer<RecordService> m_records;
    RecordIdentity m_identity;
    QString m_unitCode;
    QString m_attempt;             // the unit's one id in every record
    int m_writeSerial = 0;         // replies of an earlier write are not this one's
    bool m_writeOpen = false;
    bool m_beginning = false;      // waiting for the record before the first line
    bool m_verify = false;
    RadioSettings m_settings;
    UnitOutcome m_outcome;
    int m_linesPlanned = 0;
    int m_linesSent = 0;
    bool m_storing = false;
};
