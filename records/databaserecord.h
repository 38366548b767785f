#pragma once
// The provisioning record in a database: a file of its own (SQLite, the
// default) or a PostgreSQL database that the stations of a production line
// share. One row per attempt; unit addresses are handed out in one
// transaction each, and a unique index keeps one unit address per network
// for the units recorded as verified or written (or being written now).
//
// PostgreSQL is named as "postgresql://user@host:port/dbname" (a socket
// folder as "?host=/path"); its password comes from where the PostgreSQL
// client library looks (~/.pgpass, PGPASSFILE, PGPASSWORD), never from
// the name.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

#include "records/recordstore.h"

class ImportFile;

class DatabaseRecord : public RecordStore
{
public:
    // The schema this program writes; a record made by a later version is
    // refused, an earlier one is brought up to date.
    static constexpr int SchemaVersion = 5;
    // The PostgreSQL channel a row written is announced on (NOTIFY).
    static constexpr char ChangeChannel[] = "kvx_units";

    // `location`: a file path, or a postgresql:// name.
    explicit DatabaseRecord(const QString &location);
    ~DatabaseRecord() override;
    DatabaseRecord(const DatabaseRecord &) = delete;
    DatabaseRecord &operator=(const DatabaseRecord &) = delete;

    QString name() const override;
    // Connects, creates or updates the schema, and checks that a row can be
    // written.
    bool prepare(QString *error) override;
    // Connects to a record that exists; creates nothing.
    bool openExisting(QString *error) override;
    QByteArray writeRow(const QByteArray &handle, const UnitRecord &record, QString *error) override;
    bool holdsUnit(const QString &unitAddress, const QString &networkAddress) const override;
    QList<RecordRow> rows(QString *error = nullptr) const override;
    bool canReserve() const override { return true; }
    QByteArray reserveUnit(const QByteArray &handle, UnitRecord *record, qint64 start, bool exact, bool replace,
                           QString *error, bool *inUse = nullptr) override;
    // PostgreSQL: statement and lock timeouts, a connect timeout and TCP
    // keepalives of this length; SQLite: the longest wait for a file
    // another program holds.
    void setCallBound(int ms) override;
    // PostgreSQL: the connection's socket is shut, so a call waiting on a
    // server that does not answer (a frozen backend, a dead network path)
    // returns at once; SQLite: a wait for the file ends.
    void interruptCall() override;
    bool lastFailureIsFinal() const override;
    qint64 nextFreeUnit(const QString &networkAddress, qint64 start, QString *error) const override;
    bool release(const QString &networkAddress, const QString &unitAddress, QList<RecordRow> *released,
                 QString *error) override;

    struct ImportCount {
        int imported = 0;
        int skipped = 0;   // held already (the same attempt)
    };
    // Rows of a CSV record taken in, marked imported, all or none; a row
    // whose attempt the record holds is skipped. `stop` is asked between
    // rows: when it says so, nothing is imported.
    bool importRows(const QList<RecordRow> &rows, ImportCount *count, QString *error,
                    const std::function<bool()> &stop = {});
    // The same, the rows read from the file as they are stored.
    bool importRows(ImportFile &file, ImportCount *count, QString *error, const std::function<bool()> &stop = {});
    int schemaVersion() const;
    // Who writes, how many rows wait on that station for this record, now:
    // into the record's table of stations (the line's view shows it).
    bool writeStationState(const RecordIdentity &who, int rowsWaiting, QString *error) override;

    // For a reader that never writes (kvx-cli serve): connects to a record
    // that exists on a connection that cannot write (a SQLite file opened
    // read-only, a PostgreSQL session whose transactions are read-only).
    // Creates nothing; every write afterwards is refused.
    bool openForReading(QString *error);
    // A SQLite file read while no writer was at work is read as it stood:
    // true once a writer has come (its log is there), and the record is to
    // be opened again to see what it writes.
    bool writerCame() const;
    // That connection, for read-only queries on the thread that opened it.
    QSqlDatabase connection() const;
    bool isPostgres() const { return m_postgres; }

private:
    static QString laterVersionText(int version);
    void applyConnectOptions();
    bool probeWrite(QString *error);
    void forgetFiles(bool recordExisted, const QStringList &sideFilesBefore);
    bool importFrom(const std::function<bool()> &rewind, const std::function<bool(RecordRow *, QString *)> &next,
                    ImportCount *count, QString *error, const std::function<bool()> &stop,
                    const QString *readError = nullptr);

    struct Private;
    Private *d;
    QString m_location;
    bool m_postgres = false;
};
