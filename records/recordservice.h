#pragma once
// The station's records as a service that never holds up a unit or the
// window. A CSV journal (--log) and the local outbox are written on one
// thread, a database record (SQLite or PostgreSQL) is called on another,
// with its own connection; every request returns at once and is answered
// on the caller's thread, once, within a bound.
//
// What a unit needs from the record before its store (the unit address
// reserved, the pending row in every record, in the database itself where
// it hands out unit addresses) is asked before the unit's first line
// (beginUnit()); a record that does not answer within the bound fails the
// unit before anything is sent. Its final row (finishUnit()) goes to the
// journal and the outbox; the outbox is forwarded to the database in
// order, each row once (by attempt id), tried again while the database
// does not answer. A row the database refuses for good is set aside in a
// file of its own and the rows behind it go on.
//
// close() answers every request in flight, keeps every row handed over and
// lets the threads end by themselves (RecordWorker): it never waits.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "records/recordstore.h"

class RecordWorker;
template<typename R>
class OneAnswer;

struct RecordServiceOptions {
    QString journal;    // a CSV journal, empty for none
    QString database;   // a database record's location, empty for none
    int reservationTimeoutS = DefaultReservationTimeoutS;
    // The longest a unit waits for the record, and a call of it for the
    // record itself.
    int boundMs = DefaultCallBoundMs;
    // Where the outboxes live; empty for the station's data folder.
    QString outboxFolder;
    // Who writes: a shared database keeps it with the rows waiting here.
    RecordIdentity who;
    // Makes the database's store, on its own thread (openRecord() unless
    // set: tests give a store of their own).
    std::function<std::unique_ptr<RecordStore>(const QString &location)> openStore;
};

// What a unit asks of a record that hands out unit addresses.
struct UnitReservation {
    bool reserve = false;
    qint64 from = 0;      // the unit address, or where the search for a free one begins
    bool exact = true;    // `from` itself, else the first free one from it
    bool replace = false; // take it over from an earlier unit, knowingly
};

struct BeginAnswer {
    QString error;          // why the unit may not start; empty when it may
    bool inUse = false;     // an exact unit address another unit holds
    qint64 unitAddress = -1;  // the unit address reserved
};
struct RowAnswer {
    QString error;          // the row could not be kept: "NAME: reason"
    bool waiting = false;   // kept here, not yet in the shared record
};
struct HeldAnswer {
    bool held = false;
    QString error;
};
struct CodesAnswer {
    QList<RecordRow> holders;   // a unit recorded as configured that carries each code asked for
    QString error;
};
struct NextUnitAnswer {
    qint64 unit = -1;
    QString error;
};

class RecordService : public QObject
{
    Q_OBJECT

public:
    explicit RecordService(QObject *parent = nullptr);
    ~RecordService() override;

    // The station's data folder for outboxes.
    static QString defaultOutboxFolder();
    // How the outboxes of the database named so begin ("<stem>-<run>.csv").
    static QString outboxStem(const QString &databaseName);

    // Opens (creates) and checks every record given, and the outbox of a
    // database (writable, with room, locked); opened() follows. Rows an
    // earlier run left for the database are forwarded from then on.
    void open(const RecordServiceOptions &options);
    bool isOpen() const { return m_open; }
    bool isEmpty() const { return m_options.journal.isEmpty() && m_options.database.isEmpty(); }
    // After a refusal: whether it was the journal's, and its reason alone.
    bool journalRefused() const { return m_refusedJournal; }
    QString refusal() const { return m_refusal; }
    // The records as shown: file names, a database without its password.
    QStringList names() const;
    QString databaseName() const { return m_databaseName; }
    // A database record: it hands out unit addresses.
    bool reserves() const { return !m_options.database.isEmpty(); }
    int bound() const { return m_options.boundMs; }

    // Before a unit's first line: its unit address reserved (as asked),
    // then its pending row kept in every record, in the database itself
    // when a unit address was reserved.
    void beginUnit(QObject *context, const QString &attempt, const UnitRecord &pending, const UnitReservation &reservation,
                   std::function<void(const BeginAnswer &)> done);
    // A unit's final row. Answered once it is kept here and has reached
    // the database, or has waited a second for it (then `waiting`).
    void finishUnit(QObject *context, const QString &attempt, const UnitRecord &row,
                    std::function<void(const RowAnswer &)> done);
    // Whether a unit recorded as stored holds this unit address.
    void askHeld(QObject *context, const QString &unitAddress, const QString &networkAddress,
                 std::function<void(const HeldAnswer &)> done);
    // The units recorded as configured that carry one of `codes`
    // (unitsWithCodes()), the journal's and the database's.
    void askCodes(QObject *context, const QStringList &codes, std::function<void(const CodesAnswer &)> done);
    // The first free unit address from `start` in the database.
    void askNextUnit(QObject *context, const QString &networkAddress, qint64 start,
                     std::function<void(const NextUnitAnswer &)> done);

    // Rows kept here that have not reached the database.
    int waiting() const { return m_waiting; }
    // Rows forwarded so far.
    int forwardedRows() const { return m_forwarded; }
    // Rows the database refused for good, and the file they were set aside in.
    int setAsideRows() const { return m_setAside; }
    QString setAsideFile() const { return m_setAsideFile; }
    // Tries the database again now for what waits.
    void retryNow();
    // Answers every request in flight (a unit not started: not started; a
    // final row: waiting), keeps every row handed over, and lets the
    // threads end by themselves. Nothing is waited for here.
    void close();
    bool isClosed() const { return m_closed; }

signals:
    void opened(bool ok, const QString &error);
    void waitingChanged(int rows);
    void forwarded(int rows);
    // A row the database refuses for good was set aside in `file`.
    void rowsSetAside(int rows, const QString &file, const QString &reason);

private:
    struct LocalSide;
    struct SharedSide;
    struct Guard;

    void partOpened(bool ok, bool journal, const QString &error, const QString &reason);
    void updateWaiting();
    // Tracks a request, so that close() answers it; the id to untrack.
    quint64 track(std::function<void()> answerClosed);
    void untrack(quint64 id);
    // A bounded request has waited its bound: a database call that has
    // not returned by then is interrupted.
    void interruptStuckCall();
    QString silentText() const;
    // A question for the journal, then (unless the journal's answer
    // settles it) the database: bounded, answered once, also at close().
    template <typename Answer>
    void askRecords(QObject *context, std::function<void(const Answer &)> done,
                    std::function<Answer(LocalSide *)> inJournal, std::function<bool(const Answer &)> settled,
                    std::function<Answer(SharedSide *, const Answer &)> inDatabase);
    void keepPending(const std::shared_ptr<OneAnswer<BeginAnswer>> &answer, const QString &attempt, UnitRecord pending,
                     bool holdsAddress);

    RecordServiceOptions m_options;
    QString m_databaseName;
    QString m_outboxFolder;
    QString m_outbox;        // this run's outbox, empty without a database
    std::unique_ptr<RecordWorker> m_local;
    std::unique_ptr<RecordWorker> m_shared;
    // Used on the workers' threads only.
    LocalSide *m_localSide = nullptr;
    SharedSide *m_sharedSide = nullptr;
    std::shared_ptr<Guard> m_guard;
    int m_parts = 0;
    bool m_failedOpen = false;
    QString m_openError;
    bool m_refusedJournal = false;
    QString m_refusal;
    bool m_open = false;
    bool m_closed = false;
    quint64 m_nextRequest = 0;
    QHash<quint64, std::function<void()>> m_inFlight;
    QHash<QString, std::function<void()>> m_beginsOf;   // attempt -> ends its begin
    int m_waiting = 0;
    int m_kept = 0;        // rows this run kept in its outbox
    int m_adopted = 0;     // rows of earlier runs' outboxes
    int m_forwarded = 0;   // rows forwarded in this run
    int m_setAside = 0;
    QString m_setAsideFile;
};
