#pragma once
// One unit handled from start to end without an operator: open, read, then
// (for a write) write with the unit's own values where no change is given,
// check, close. A short script over LinkController, which decides how the
// unit ended; used by kvx-cli and the batch, any number side by side.

#include <QObject>
#include <QString>

#include "engine/linkcontroller.h"
#include "engine/unitoutcome.h"
#include "protocol/radiosettings.h"
#include "records/recordstore.h"

class RecordService;

class UnitJob : public QObject
{
    Q_OBJECT

public:
    // Where the unit is, for progress shown to the operator (stepWords()).
    using Step = UnitStep;

    UnitJob(const LinkConfig &config, QObject *parent = nullptr);

    void setReportTimeout(int ms);
    // The pauses and the report timeout of the unit's link.
    void setTiming(const SessionTiming &timing);
    // Pauses that end as soon as the unit has answered (SessionTiming).
    void setQuickPauses(bool quick);
    const SessionTiming &timing() const { return m_link.timing(); }
    // A write (or a check) writes the unit's rows into these records: a
    // pending row before the unit's first line (so a killed program still
    // leaves one), completed the moment the outcome is known. When the
    // pending row cannot be kept, nothing is sent.
    void setRecords(RecordService *records) { m_records = records; }
    // Who writes, for a database record's rows.
    void setRecordIdentity(const RecordIdentity &identity) { m_link.setRecordIdentity(identity); }
    // The unit's own serial or label code, kept in its record rows.
    void setUnitCode(const QString &code) { m_link.setUnitCode(code); }
    QString unitCode() const { return m_link.unitCode(); }
    // In point to multipoint, a record that can reserve unit addresses gets
    // the unit's address reserved before the first line is written: the
    // first free one from `start` (`exact` false), or the address the unit
    // is given (`exact`). `replace`: take it over from an earlier unit.
    void setUnitReservation(qint64 start, bool exact, bool replace);
    // Starts open, read, close.
    void startRead();
    // Starts open, read, write of the read values with `change` over them,
    // the check (unless `verify` is false), close.
    void startWrite(const RadioSettings &change, bool verify);
    // Starts open (the unit answers with its pass-through rate), the new rate
    // when `rate` is not 0, close.
    void startBaud(qint32 rate);
    // Starts open, read, close, and compares what the unit reported with
    // every setting `profile` names: the outcome matches or differs, and
    // goes into the records. Nothing but a read goes on the line.
    void startCheck(const RadioSettings &profile);
    // Stops at the next safe point: before "AT&W" no further line is sent
    // and the link is closed properly (nothing stored); after it, the
    // storage pause runs out and the check is skipped.
    void interrupt();

    const LinkConfig &config() const { return m_config; }
    bool isDone() const { return m_done; }
    bool wasInterrupted() const { return m_interrupted; }
    // Why the unit failed (NoCause when it did not), and one line naming
    // the port; for a write, outcome() tells the rest.
    UnitOutcome::Cause cause() const { return m_outcome.cause; }
    QString failure() const { return m_failure; }
    const RadioSettings &settings() const { return m_settings; }   // as read
    // A write's outcome, complete once outcomeReady() was emitted.
    const UnitOutcome &outcome() const { return m_outcome; }
    quint32 passThroughRate() const { return m_rate; }
    Step step() const { return m_step; }

signals:
    // `line` of `lines` while writing, 0 otherwise.
    void progress(UnitStep step, int line, int lines);
    // The outcome is known (and recorded); the link may still be closing.
    void outcomeReady();
    void done();

private:
    void begin();
    void opened();
    void readEnded(bool answered);
    void fail(UnitOutcome::Cause cause, const QString &message);
    // `recorded`: the controller has written the unit's rows already.
    void decide(const UnitOutcome &outcome, bool recorded);
    void decided(const UnitOutcome &outcome);
    void closeAndFinish();
    // The link closes as soon as the unit's end is known, whatever its row does.
    void closeLink();
    void finish();
    void setStep(Step step, int line = 0, int lines = 0);

    enum Task { ReadTask, WriteTask, BaudTask, CheckTask };

    LinkController m_link;
    LinkConfig m_config;
    Task m_task = ReadTask;
    RadioSettings m_change;
    bool m_verify = true;
    qint32 m_newRate = 0;
    int m_timeoutMs = RadioSession::DefaultReportTimeoutMs;
    RecordService *m_records = nullptr;
    qint64 m_reserveStart = -1;
    bool m_reserveExact = true;
    bool m_reserveReplace = false;

    bool m_interrupted = false;
    Step m_step = Step::Connecting;
    bool m_decided = false;
    bool m_told = false;       // outcomeReady() was emitted
    bool m_closed = false;     // the link has closed
    bool m_lineFree = false;   // the write is over on the line; its row is being kept
    bool m_done = false;
    QString m_failure;
    RadioSettings m_settings;
    RadioSettings m_toWrite;   // as far as known: the change, then over what was read
    UnitOutcome m_outcome;
    quint32 m_rate = 0;
};
