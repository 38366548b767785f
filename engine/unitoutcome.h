#pragma once
// How one unit's write goes and how it ended, told once: the window's status
// line, the batch dialog's rows, kvx-cli's progress, text, JSON and exit
// status, and the record row all come from this.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "protocol/radiosettings.h"

struct SequenceResult;

// Where a unit is on its way, for progress shown to the operator.
// Reserving: the unit waits for the record (its unit address, its pending
// row) before its first line.
enum class UnitStep { Connecting, Reading, Reserving, Writing, Storing, Verifying, Closing, Finished };

// A step as a unit's row or progress line says it: "connecting", "reading",
// "writing 3 of 8", "storing", "verifying" (translated when a catalogue is
// installed). Empty for a step that shows nothing: writing before its first
// line, closing, finished.
QString stepWords(UnitStep step, int line = 0, int lines = 0);
// A write's step as the window's status line says it: "Writing 3 of 8…",
// "Storing…", "Checking…"; empty otherwise.
QString stepStatus(UnitStep step, int line = 0, int lines = 0);
// "AT&W" has gone out, or is about to: the unit may hold what was sent.
inline bool isStoreStep(UnitStep step) { return step == UnitStep::Storing || step == UnitStep::Verifying; }

struct UnitOutcome {
    enum Result {
        Pending,         // "AT&W" is about to go out or has; the end is not known yet
        Verified,        // stored, and the unit reads back every value written
        Written,         // stored, not checked (or the unit did not answer the check)
        Mismatch,        // stored, but the unit reads back other values
        Refused,         // the unit answered a line with ERROR (no further line went out)
        Interrupted,     // stopped before "AT&W": nothing stored
        Lost,            // the port vanished before "AT&W" went out
        LostAfterStore,  // the port vanished after "AT&W" went out
        Failed,          // nothing stored: no report, the port would not open, settings
                         // that cannot be written, or lines left unanswered
        // A check against a profile (nothing written):
        Matches,         // the unit holds every setting the profile names
        Differs,         // it holds others; `differences` names them (`written`: the profile's)
    };
    // Why a unit failed, finer than the result (kvx-cli's exit status).
    enum Cause {
        NoCause,
        CannotOpen,
        NoReport,         // no settings report before the write
        CheckUnanswered,  // stored, but no report came back for the check
        CheckSkipped,     // stored, but stopped before the check asked for
        PortLost,
        LinesUnanswered,  // lines still unanswered when "AT&W" was due: not sent
        Unwritable,       // a field to send holds no value the module offers, or the
                          // unit has not reported on this link
    };

    Result result = Failed;
    Cause cause = NoCause;
    QString reason;                    // why it failed or was lost, one line
    bool stored = false;               // "AT&W" went out
    QList<QByteArray> linesSent;
    QList<QByteArray> refusedLines;
    bool storeRefused = false;         // "AT&W" itself was refused
    QList<RegisterDifference> differences;
    RadioSettings settings;            // what the write sent, or was to send (settingsSent()); what a checked unit holds
    QString recordError;               // the unit's record row could not be written
    bool recordWaiting = false;        // its row is kept here and waits for the shared record
    Module module = Module::Tarn;      // a check's: the lists its differences are named from
    bool check = false;                // a check against a profile, which never writes

    // verified, written, mismatch, refused, interrupted, lost,
    // lost-after-store, failed, pending: the record's and JSON's word.
    QString resultKey() const;
    // One line for the operator: "verified", "mismatch: S103 reads 1, 4 was
    // written", "refused: ATS103=1 — nothing stored", ..., with
    // recordNote() after it (translated when a catalogue is installed).
    QString words() const;
    // words() without the record's part.
    QString resultWords() const;
    // "; not recorded: …" when the unit's row could not be written,
    // "; waiting for the shared record" while it is kept here for it.
    QString recordNote() const;
    // The record's "differences" column: what differs, what was refused,
    // or why the unit failed.
    QString detail() const;
    // A write's end as the window's status line tells it, after `summary`
    // (what was sent, labelledSummary()): the summary and the words when the
    // unit kept the settings ("… · verified", "… · written, not checked"
    // without a check), the words alone when it did not; a row that could
    // not be recorded is named.
    QString withSummary(const QString &summary) const;
    // The one definition of a good unit (the window's colour, kvx-cli's
    // exit status, the batch's count): stored as asked, verified or written
    // when no check was asked for, and recorded.
    bool isGood() const
    {
        return (result == Verified || (result == Written && cause == NoCause) || result == Matches) && recordError.isEmpty();
    }
    // Nothing was sent because of the record: it could not take the unit's
    // pending row, would not give its unit address, or did not answer.
    bool blockedByRecord() const
    {
        return !recordError.isEmpty() && (result == Interrupted || (result == Failed && reason.isEmpty()));
    }
    // The unit holds the settings sent: "AT&W" went out and was not refused.
    bool keptSettings() const;
};

// Lines as sent, without their line ends: "AT&F10, ATS141=0, AT&W".
QString joinedLines(const QList<QByteArray> &lines);

// Every result word, in the order above.
QString resultKey(UnitOutcome::Result result);
// A record's result word as the operator reads it, in the language installed
// ("verified", "lost after storing", "reserved", ...); an unknown word as it is.
QString resultCaption(const QString &key);

// The outcome of a write sequence of the settings `attempted` in `mode`;
// its settings are those the write sends (settingsSent()).
UnitOutcome writeOutcome(const SequenceResult &result, const RadioSettings &attempted, LinkMode mode);
// A unit read and compared with a profile: matches or differs.
UnitOutcome checkOutcome(const RadioSettings &report, const QList<RegisterDifference> &differences, const LinkConfig &link);
// A unit that failed before or without a write.
UnitOutcome failedOutcome(UnitOutcome::Cause cause, const QString &reason, const RadioSettings &attempted,
                          LinkMode mode);
// The outcome while "AT&W" goes out: the row kept in case nothing else is.
UnitOutcome pendingOutcome(const RadioSettings &attempted, LinkMode mode);

struct UnitRecord;
struct RecordIdentity;
// The record row of an outcome, written by `identity` with this version of
// the tool, for the unit whose own code is `serial` (empty: none given).
UnitRecord recordFor(const UnitOutcome &outcome, const LinkConfig &config, const RecordIdentity &identity,
                     const QString &serial = QString(), const QDateTime &time = QDateTime::currentDateTimeUtc());
