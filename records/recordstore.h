#pragma once
// Where the units' rows go: a CSV file (RecordFile), or a database that
// several stations share (records/). The engine writes every row through
// this, and checks a record's rows for units that cannot work together.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "protocol/radiosettings.h"

// How long a unit address stays reserved for a unit whose end never came.
constexpr int DefaultReservationTimeoutS = 600;
// The longest a unit waits for the record before its first line, and the
// longest one call of the record may wait for the record itself.
constexpr int DefaultCallBoundMs = 3000;

struct UnitRecord {
    QDateTime time;            // written in UTC
    LinkConfig config;         // port, product, module and mode
    RadioSettings settings;    // what was written (or attempted), as the unit holds it
    QString result;            // a result word of UnitOutcome ("reserved" too, in a database)
    QString detail;            // differences, refused lines, or the reason
    // Kept by a database record; a CSV file has no columns for them.
    QString station;           // the computer's host name, or a name given
    QString operatorName;
    QString toolVersion;
    QString pauses;            // "specified" or "quick"; empty in rows written before it was kept
    // The unit's own serial or label code, as scanned or typed; empty when
    // none was given. Kept by every record.
    QString serial;
};

// Who writes a row: kept by a database record with every attempt (the tool's
// version is added by recordFor()).
struct RecordIdentity {
    QString station;
    QString operatorName;
};

struct RecordRow {
    UnitRecord record;
    QString attempt;          // the attempt's id in a database; empty in a CSV file
    bool superseded = false;  // an operator wrote its unit address again, knowingly
    bool imported = false;    // taken from a CSV file
};

class RecordStore
{
public:
    virtual ~RecordStore();

    // The file, or the database without any password.
    virtual QString name() const = 0;
    // Creates the record when it is missing and checks that rows can be
    // written (a row could be added right now); before any port is opened.
    virtual bool prepare(QString *error) = 0;
    // For reading a record that must exist: false (with the reason) when
    // there is none at this location, or it is not a record. Creates nothing.
    virtual bool openExisting(QString *error) = 0;
    // A unit's row: a new one when `handle` is empty, else the row written
    // before under `handle` is replaced. Returns the row's handle, empty
    // when the row could not be written.
    virtual QByteArray writeRow(const QByteArray &handle, const UnitRecord &record, QString *error) = 0;
    // Whether a unit recorded as verified or written (or reserved by a
    // station writing it now) holds this unit address on this network.
    virtual bool holdsUnit(const QString &unitAddress, const QString &networkAddress) const = 0;
    virtual QList<RecordRow> rows(QString *error = nullptr) const = 0;

    // Unit addresses handed out in one transaction, so that stations sharing
    // the record never give two units the same one (databases only).
    virtual bool canReserve() const { return false; }
    // Reserves a unit address on the network of `record` and writes its
    // row ("reserved") under `handle` (a new one when empty): the first free
    // one from `start` (`exact` false), or `start` itself. `replace`: an
    // address held by an earlier unit is taken over (the operator writes it
    // again, knowingly). The address is put into `record`; returns the
    // row's handle, empty with `*inUse` set when an exact address is held.
    virtual QByteArray reserveUnit(const QByteArray &handle, UnitRecord *record, qint64 start, bool exact, bool replace,
                                   QString *error, bool *inUse = nullptr);

    // No call of this record waits longer than `ms` for the record itself
    // (a server's statement and lock timeouts, a file another program
    // holds); set before the record is first opened.
    virtual void setCallBound(int ms) { m_callBoundMs = ms; }
    int callBound() const { return m_callBoundMs; }
    // From any thread: the call under way gives up at once (a server that
    // stopped answering mid-call); the next call starts afresh.
    virtual void interruptCall() {}
    // The last failed write was refused by the record itself (a constraint,
    // a value of the wrong type), not lost on the way: trying again would
    // fail the same way.
    virtual bool lastFailureIsFinal() const { return false; }
    // The first free unit address from `start`, without reserving it.
    virtual qint64 nextFreeUnit(const QString &networkAddress, qint64 start, QString *error) const;
    // Gives back what a station left holding this unit address (a
    // reservation, or a unit stored whose result never came); the rows
    // released, as they were, in `released`. False on failure.
    virtual bool release(const QString &networkAddress, const QString &unitAddress, QList<RecordRow> *released,
                         QString *error);

    // What this station tells the others through a shared record: who
    // writes, and how many of its rows wait on this computer for the record
    // (a database keeps it with the time; a CSV journal has nowhere to).
    virtual bool writeStationState(const RecordIdentity &who, int rowsWaiting, QString *error);

    // A reservation with no final row after this long no longer holds its
    // unit address.
    void setReservationTimeout(int seconds) { m_reservationTimeoutS = seconds; }
    int reservationTimeout() const { return m_reservationTimeoutS; }

private:
    int m_reservationTimeoutS = DefaultReservationTimeoutS;
    int m_callBoundMs = DefaultCallBoundMs;
};

// Whether a row's unit holds its unit address: configured as asked
// (verified or written) and not superseded.
bool holdsItsAddress(const RecordRow &row);

// The units among `rows` that carry one of `codes`: the last row of each
// code recorded as configured (verified or written, not superseded), in
// the order of `codes`.
QList<RecordRow> unitsWithCodes(const QList<RecordRow> &rows, const QStringList &codes);
// "unit code SN-1 is recorded for network 77 unit 3 (verified 2026-12-08
// 09:15 UTC, station line-1)": whose a code is, for the operator.
QString codeHolderText(const RecordRow &holder);

// The result words a row may hold.
const QStringList &recordResults();

// A result word as the operator reads it, untranslated (context
// "UnitOutcome"): "lost after storing" for lost-after-store; none for a word
// the record does not know.
const char *resultCaptionSource(const QString &key);

// A row's settings as its columns hold them: the captions of the work mode,
// baud, link rate and power (the module's lists) and the repeater ("on" or
// "off"), in that order.
QStringList recordCaptions(const UnitRecord &record);
// The unit's addresses, as numbers; the unit address only in point to
// multipoint. Empty when absent.
QString recordUnitAddress(const UnitRecord &record);
QString recordNetworkAddress(const UnitRecord &record);
// Sets a row's settings from its columns, as recordCaptions() and the
// addresses give them; a column that is empty, or names no value of the
// module's lists, leaves its setting out.
void setRecordSettings(UnitRecord *record, const QString &unitAddress, const QString &networkAddress,
                       const QStringList &captions);

// What the link-compatibility check finds in a record.
struct RecordFinding {
    enum Kind {
        LinkMismatch,    // units of one network with differing link rate or link mode
        DuplicateUnit,   // one unit address held twice on one network
        NeverVerified,   // a unit stored but never verified
        Pending,         // "AT&W" went out, the result never came
        Expired,         // a reservation that ended with no final row
        CodeTwoAddresses,  // one unit code configured with two addresses
        AddressTwoCodes,   // two unit codes configured with one address
    };
    Kind kind = LinkMismatch;
    QString networkAddress;
    QString unitAddress;
    QString text;          // one line for the operator
    QList<int> rows;       // the rows concerned, as indexes into the rows checked
};

// The units each row stands for are the last row of each unit address on a
// network that stored settings (not superseded); point-to-point units count
// for the link check only. Rows still `pending`, and reservations that
// ended with no result (older than `reservationTimeoutS` at `now`, or
// marked `expired`), are reported with who left them.
QList<RecordFinding> checkRecord(const QList<RecordRow> &rows,
                                 const QDateTime &now = QDateTime::currentDateTimeUtc(),
                                 int reservationTimeoutS = DefaultReservationTimeoutS);
// The word of a finding's kind: link, duplicate, never-verified, pending,
// expired, code-addresses, address-codes.
QString findingKey(RecordFinding::Kind kind);
// Folds a driver's or the system's message to one line.
QString oneLine(const QString &text);
