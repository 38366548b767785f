#pragma once
// The station's records, kept off the thread that times the units and
// paints the window. A CSV journal (--log) is appended to on a thread of its
// own; a database record (SQLite or PostgreSQL) lives on another, with its
// own connection, and its rows land first in a local outbox journal in the
// station's data folder, then are forwarded in order, each once (by attempt
// id: forwarding a row again updates the same row), retried until they
// land. What holds a unit address for a unit about to store (its
// reservation, its pending row) goes to the database itself before the unit
// goes on; if it cannot, the caller is told and nothing is stored.
//
// Every request returns at once; its reply comes on the caller's thread,
// through `context` (dropped when `context` is gone).

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "records/recordstore.h"

class QThread;

class RecordKeeper : public QObject
{
    Q_OBJECT

public:
    struct Reply {
        QString attempt;         // reserve(): the attempt id the record gave the unit
        UnitRecord record;       // reserve(): with the unit address handed out
        QString error;           // "NAME: reason", empty when it went well
        bool inUse = false;      // reserve(): an exact address another unit holds
        bool waiting = false;    // writeRow(): the row is kept here, not yet in the database
        bool yes = false;        // holdsUnit()
        qint64 number = -1;      // nextFreeUnit()
        QList<RecordRow> holders;  // unitsWithCodes(): a unit that holds each code asked for
    };
    using Callback = std::function<void(const Reply &)>;

    explicit RecordKeeper(QObject *parent = nullptr);
    ~RecordKeeper() override;

    // Where the outboxes live: the station's data folder unless set (tests).
    static QString outboxFolder();
    // How the outboxes of the database named so begin ("<stem>-<run>.csv").
    static QString outboxStem(const QString &databaseName);

    // Opens (creates) and checks each record given (an empty name for
    // none) on its thread; opened() follows. A database's rows left waiting
    // by an earlier run are forwarded from then on.
    void open(const QString &journal, const QString &database, int reservationTimeoutS = DefaultReservationTimeoutS);
    bool isOpen() const { return m_open; }
    // After a refusal: whether it was the journal's, and its reason alone.
    bool journalRefused() const { return m_refusedJournal; }
    QString refusal() const { return m_refusal; }
    bool isEmpty() const { return m_journal.isEmpty() && m_database.isEmpty(); }
    // The records as shown: file names, a database without its password.
    QStringList names() const;
    QString databaseName() const { return m_databaseName; }
    // A database record: it hands out unit addresses.
    bool reserves() const { return !m_database.isEmpty(); }

    // Reserves a unit address in the database (see RecordStore::reserveUnit).
    void reserve(QObject *context, const UnitRecord &record, qint64 start, bool exact, bool replace, Callback done);
    // A row of `attempt` into every record. `direct`: the row must be in the
    // database itself before `done` (it holds a unit address). `final`: the
    // unit's last row; `done` then says whether it still waits for the
    // database. Any other row is answered once it is kept on this machine.
    void writeRow(QObject *context, const QString &attempt, const UnitRecord &record, bool direct, bool final,
                  Callback done);
    void holdsUnit(QObject *context, const QString &unitAddress, const QString &networkAddress, Callback done);
    void nextFreeUnit(QObject *context, const QString &networkAddress, qint64 start, Callback done);
    // The units recorded as configured that carry one of `codes` (see
    // unitsWithCodes()), the journal's and the database's.
    void unitsWithCodes(QObject *context, const QStringList &codes, Callback done);

    // Rows kept here that have not reached the database yet.
    int waiting() const { return m_waiting; }
    // Tries the database again now for what waits.
    void retryNow();

signals:
    void opened(bool ok, const QString &error);
    void waitingChanged(int rows);
    // Rows forwarded so far in this run.
    void forwarded(int rows);

private:
    struct Local;
    struct Shared;

    void partOpened(bool ok, bool journal, const QString &error, const QString &reason);
    void updateWaiting();

    QThread *m_localThread = nullptr;
    QThread *m_sharedThread = nullptr;
    Local *m_local = nullptr;
    Shared *m_shared = nullptr;
    QString m_journal;
    QString m_database;
    QString m_databaseName;
    int m_parts = 0;
    bool m_failedOpen = false;
    QString m_openError;
    bool m_refusedJournal = false;
    QString m_refusal;
    bool m_open = false;
    int m_waiting = 0;
    int m_kept = 0;        // rows this run kept in its outbox
    int m_adopted = 0;     // rows of earlier runs' outboxes
    int m_forwarded = 0;   // rows forwarded in this run
};
