#include "records/databaserecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrlQuery>
#include <QUuid>
#include <QVariant>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include "protocol/writeplan.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"

namespace {

struct DatabaseRecordText {
    Q_DECLARE_TR_FUNCTIONS(DatabaseRecord)
};

// The rows whose unit holds its unit address: configured as asked, stored
// with the result not yet known, or reserved by a station writing it now
// (until the reservation times out). The placeholder is the cutoff time.
const char Holding[] = "(result IN ('verified', 'written', 'pending') OR (result = 'reserved' AND time >= ?))";
// What the unique index covers: every row that may hold its address.
const char Indexed[] = "('verified', 'written', 'reserved', 'pending')";

const char Columns[] = "attempt, time, station, operator, tool_version, port, product, module, mode, unit_address, "
                       "network_address, work_mode, baud, link_rate, power, repeater, result, differences, superseded, "
                       "imported, pauses, serial";

QString newAttempt()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QVariant addressValue(const RadioSettings &settings, int reg)
{
    if (!settings.has(reg))
        return QVariant(QMetaType(QMetaType::LongLong));
    return QVariant(settings.value(reg));
}

// The driver's or the server's message, on one line: it ends up in a
// unit's one-line result.
QString errorText(const QSqlError &error)
{
    return oneLine(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

// The time before which a reservation has ended, as the rows keep times.
QString cutoffFor(int timeoutS)
{
    return QDateTime::currentDateTimeUtc().addSecs(-timeoutS).toString(Qt::ISODate);
}

// A refusal of the record's own, which the same row meets again however
// often it is tried: PostgreSQL's data exceptions and integrity violations
// (SQLSTATE classes 22 and 23), SQLite's constraint, type and size errors.
// A timeout, a lock, a lost connection or a full disk pass.
bool isFinalRefusal(const QSqlError &error, bool postgres)
{
    const QString code = error.nativeErrorCode();
    if (postgres)
        return code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("23"));
    bool ok = false;
    const int primary = code.toInt(&ok) & 0xff;
    return ok && (primary == 18 || primary == 19 || primary == 20 || primary == 25);
}

bool isBusy(const QSqlError &error)
{
    bool ok = false;
    const int primary = error.nativeErrorCode().toInt(&ok) & 0xff;
    return (ok && (primary == 5 || primary == 6)) || error.databaseText().contains(QLatin1String("database is locked"));
}

// A SQLite statement waits this long for a file another program holds
// before it is asked again; between the asks an interruption is seen.
constexpr int SqliteBusyStepMs = 200;

// The socket of a PostgreSQL connection, from the client library the
// driver has loaded already; -1 when it cannot be known.
qintptr postgresSocket(const QSqlDatabase &database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    void *connection = *static_cast<void *const *>(handle.constData());
    using Socket = int (*)(const void *);
    static const Socket socketOf = [] {
        auto found = reinterpret_cast<Socket>(QLibrary::resolve(QStringLiteral("pq"), 5, "PQsocket"));
        if (!found)
            found = reinterpret_cast<Socket>(QLibrary::resolve(QStringLiteral("libpq"), "PQsocket"));
        return found;
    }();
    return connection && socketOf ? qintptr(socketOf(connection)) : -1;
}

void shutSocket(qintptr socket)
{
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket), SD_BOTH);
#else
    ::shutdown(int(socket), SHUT_RDWR);
#endif
}

bool isUniqueViolation(const QSqlError &error)
{
    // PostgreSQL's unique_violation; SQLite's constraint codes.
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("23505") || code == QLatin1String("2067") || code == QLatin1String("1555")
           || error.databaseText().contains(QLatin1String("UNIQUE constraint failed"));
}

} // namespace

struct DatabaseRecord::Private {
    QString connection;
    QString host;
    int port = -1;
    QString user;
    QString database;
    QString nameError;   // the location could not be read
    QString driverError; // the database driver is missing
    bool prepared = false;   // made or brought up to date, and writable
    bool opened = false;     // found to be a record, for reading
    bool postgres = false;
    int boundMs = DefaultCallBoundMs;
    // Set from another thread by interruptCall(): the call under way ends,
    // and the connection is made anew by the next.
    std::atomic<bool> interrupted { false };
    std::atomic<bool> reconnect { false };
    std::atomic<qintptr> socket { -1 };
    mutable QSqlError lastError;
    bool lastFinal = false;
    bool readOnly = false;   // opened by openForReading(): never written
    bool snapshot = false;   // a SQLite file read as it stood, no writer at work

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    bool open(QString *error);
    // Before a read: a connection an interruption ended is made anew.
    bool readyToRead(QString *error)
    {
        interrupted = false;
        return open(error);
    }
    // Runs `work` in a transaction; once more after reconnecting when the
    // connection was lost (the work must be safe to repeat).
    bool transaction(bool postgres, const std::function<bool(QSqlDatabase &, QString *)> &work, QString *error);
    bool exec(QSqlQuery &query, QString *error) const;
    // Tells the line's readers (kvx-cli serve) that the record changed, on
    // commit; a SQLite file's readers watch the file instead.
    bool notifyReaders(QSqlDatabase &handle, QString *error) const;
};

bool DatabaseRecord::Private::notifyReaders(QSqlDatabase &handle, QString *error) const
{
    if (!postgres)
        return true;
    // NOTIFY cannot be a prepared statement.
    QSqlQuery query(handle);
    if (query.exec(QStringLiteral("NOTIFY %1").arg(QLatin1String(DatabaseRecord::ChangeChannel))))
        return true;
    *error = errorText(query.lastError());
    return false;
}

bool DatabaseRecord::Private::open(QString *error)
{
    QSqlDatabase handle = db();
    if (handle.isOpen() && !reconnect.exchange(false))
        return true;
    if (handle.isOpen()) {
        socket = -1;
        handle.close();
    }
    if (interrupted) {
        *error = DatabaseRecordText::tr("the record database did not answer in time");
        return false;
    }
    if (!handle.open()) {
        const QString reason = errorText(handle.lastError());
        *error = DatabaseRecordText::tr("cannot connect to the record database: %1").arg(reason);
        if (reason.contains(QLatin1String("password")))
            *error += DatabaseRecordText::tr(" (the password is read from ~/.pgpass, PGPASSFILE or PGPASSWORD)");
        return false;
    }
    if (handle.driverName() == QLatin1String("QPSQL")) {
        // The server's notices ("already exists, skipping") are not for the operator.
        QSqlQuery quiet(handle);
        quiet.exec(QStringLiteral("SET client_min_messages TO warning"));
        // No statement waits longer for the server or its locks than a unit
        // may wait for the record.
        quiet.exec(QStringLiteral("SET statement_timeout = %1").arg(boundMs));
        quiet.exec(QStringLiteral("SET lock_timeout = %1").arg(boundMs));
        socket = postgresSocket(handle);
    }
    return true;
}

bool DatabaseRecord::Private::exec(QSqlQuery &query, QString *error) const
{
    if (query.exec())
        return true;
    lastError = query.lastError();
    if (error)
        *error = errorText(query.lastError());
    return false;
}

bool DatabaseRecord::Private::transaction(bool, const std::function<bool(QSqlDatabase &, QString *)> &work,
                                          QString *error)
{
    lastError = QSqlError();
    lastFinal = false;
    interrupted = false;
    // Only a server's connection can be lost and opened again.
    const int tries = postgres ? 2 : 1;
    const QDeadlineTimer deadline(boundMs);
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (!open(error))
            return false;
        QSqlDatabase handle = db();
        QSqlQuery begin(handle);
        // SQLite: take the write lock now, so two programs never both read
        // the same free address; PostgreSQL checks the unique index. A file
        // another program holds is asked again until the bound, in short
        // waits, so that an interruption is seen.
        bool begun = begin.exec(QLatin1String(postgres ? "BEGIN" : "BEGIN IMMEDIATE"));
        while (!begun && !postgres && isBusy(begin.lastError()) && !deadline.hasExpired() && !interrupted)
            begun = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (begun) {
            QString failure;
            if (work(handle, &failure)) {
                QSqlQuery commit(handle);
                if (commit.exec(QStringLiteral("COMMIT")))
                    return true;
                lastError = commit.lastError();
                failure = errorText(commit.lastError());
            }
            // Whatever failed, the transaction ends here, before anything
            // else is sent on this connection.
            QSqlQuery rollback(handle);
            const bool rolledBack = rollback.exec(QStringLiteral("ROLLBACK"));
            *error = failure;
            // A refusal of the handle's own (a held address) is final;
            // a lost handle gets one more try on a new one.
            QSqlQuery alive(handle);
            const bool answers = rolledBack && !interrupted && alive.exec(QStringLiteral("SELECT 1"));
            if (!postgres || answers) {
                lastFinal = isFinalRefusal(lastError, postgres);
                return false;
            }
        } else {
            lastError = begin.lastError();
            *error = errorText(begin.lastError());
            if (!postgres)
                return false;
        }
        socket = -1;
        handle.close();
        if (interrupted)
            break;
    }
    *error = DatabaseRecordText::tr("the record database stopped answering: %1").arg(*error);
    return false;
}

namespace {

// The unique index of the units holding their unit address, and the index
// the address lookups use.
QStringList unitIndexes()
{
    return { QStringLiteral("CREATE UNIQUE INDEX units_unit_in_use ON units (network_address, unit_address) "
                            "WHERE unit_address IS NOT NULL AND superseded = 0 AND imported = 0 AND result IN %1")
                 .arg(QLatin1String(Indexed)),
             QStringLiteral("CREATE INDEX units_by_network ON units (network_address, unit_address)") };
}

// Each step brings the schema from one version to the next, in one
// transaction with the others.
QList<QStringList> schemaSteps(bool postgres)
{
    const QString serial = QLatin1String(postgres ? "BIGSERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT");
    QList<QStringList> steps = {
        QStringList { QStringLiteral("CREATE TABLE units (id %1, attempt TEXT NOT NULL UNIQUE, time TEXT NOT NULL, "
                                     "station TEXT NOT NULL DEFAULT '', operator TEXT NOT NULL DEFAULT '', "
                                     "tool_version TEXT NOT NULL DEFAULT '', port TEXT NOT NULL DEFAULT '', product TEXT NOT NULL, "
                                     "module TEXT NOT NULL, mode TEXT NOT NULL, unit_address BIGINT, network_address BIGINT, "
                                     "work_mode TEXT NOT NULL DEFAULT '', baud TEXT NOT NULL DEFAULT '', "
                                     "link_rate TEXT NOT NULL DEFAULT '', power TEXT NOT NULL DEFAULT '', "
                                     "repeater TEXT NOT NULL DEFAULT '', result TEXT NOT NULL, differences TEXT NOT NULL DEFAULT '', "
                                     "superseded INTEGER NOT NULL DEFAULT 0, imported INTEGER NOT NULL DEFAULT 0)")
                          .arg(serial) }
            + unitIndexes(),
    };
    // Typed columns: the time a timestamp with its zone, the rates numbers
    // (none where the unit gave none).
    if (postgres) {
        steps << QStringList {
            QStringLiteral("ALTER TABLE units ALTER COLUMN time TYPE timestamptz USING time::timestamptz, "
                           "ALTER COLUMN baud DROP DEFAULT, ALTER COLUMN baud DROP NOT NULL, "
                           "ALTER COLUMN baud TYPE INTEGER USING NULLIF(baud, '')::integer, "
                           "ALTER COLUMN link_rate DROP DEFAULT, ALTER COLUMN link_rate DROP NOT NULL, "
                           "ALTER COLUMN link_rate TYPE INTEGER USING NULLIF(link_rate, '')::integer"),
        };
    } else {
        // SQLite changes no column's type: the table is made anew and its
        // rows copied, ids and all. Times stay ISO 8601 text with their
        // zone, which SQLite's date functions and pandas read as times.
        const QString copied = QStringLiteral("id, attempt, time, station, operator, tool_version, port, product, module, "
                                              "mode, unit_address, network_address, work_mode, baud, link_rate, power, "
                                              "repeater, result, differences, superseded, imported");
        steps << QStringList {
            QStringLiteral("CREATE TABLE units_typed (id INTEGER PRIMARY KEY AUTOINCREMENT, attempt TEXT NOT NULL UNIQUE, "
                           "time TEXT NOT NULL, station TEXT NOT NULL DEFAULT '', operator TEXT NOT NULL DEFAULT '', "
                           "tool_version TEXT NOT NULL DEFAULT '', port TEXT NOT NULL DEFAULT '', product TEXT NOT NULL, "
                           "module TEXT NOT NULL, mode TEXT NOT NULL, unit_address INTEGER, network_address INTEGER, "
                           "work_mode TEXT NOT NULL DEFAULT '', baud INTEGER, link_rate INTEGER, "
                           "power TEXT NOT NULL DEFAULT '', repeater TEXT NOT NULL DEFAULT '', result TEXT NOT NULL, "
                           "differences TEXT NOT NULL DEFAULT '', superseded INTEGER NOT NULL DEFAULT 0, "
                           "imported INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("INSERT INTO units_typed (%1) SELECT id, attempt, "
                           "COALESCE(strftime('%Y-%m-%dT%H:%M:%SZ', time), time), station, operator, tool_version, port, product, module, "
                           "mode, unit_address, network_address, work_mode, CAST(NULLIF(baud, '') AS INTEGER), "
                           "CAST(NULLIF(link_rate, '') AS INTEGER), power, repeater, result, differences, superseded, "
                           "imported FROM units ORDER BY id")
                .arg(copied),
            QStringLiteral("DROP TABLE units"),
            QStringLiteral("ALTER TABLE units_typed RENAME TO units"),
        } + unitIndexes();
    }
    // How each unit's pauses were timed; empty for the rows before.
    steps << QStringList { QStringLiteral("ALTER TABLE units ADD COLUMN pauses TEXT NOT NULL DEFAULT ''") };
    // The unit's own code; rows from before it have none.
    steps << QStringList { QStringLiteral("ALTER TABLE units ADD COLUMN serial TEXT NOT NULL DEFAULT ''"),
                           QStringLiteral("CREATE INDEX units_by_serial ON units (serial)") };
    // Each station's word on itself (who works there, how many rows wait on
    // it for this record, when it last said so), and the indexes the line's
    // view reads by: the day's rows, and each station's last.
    steps << QStringList { QStringLiteral("CREATE TABLE IF NOT EXISTS stations (station TEXT PRIMARY KEY, operator TEXT NOT NULL DEFAULT '', "
                                          "waiting INTEGER NOT NULL DEFAULT 0, seen %1 NOT NULL)")
                               .arg(QLatin1String(postgres ? "timestamptz" : "TEXT")),
                           QStringLiteral("CREATE INDEX IF NOT EXISTS units_by_time ON units (time)"),
                           QStringLiteral("CREATE INDEX IF NOT EXISTS units_by_station ON units (station, id)") };
    return steps;
}

} // namespace

namespace {

// The files SQLite keeps beside a record while it is in use.
const char *const SideFiles[] = { "-wal", "-shm", "-journal" };
// Less room than this on the record's disk and a unit's rows, or SQLite's
// shared-memory file, could be cut short: the record is refused.
constexpr qint64 MinFreeBytes = qint64(1) << 20;

QStringList sideFilesOf(const QString &path)
{
    QStringList present;
    for (const char *suffix : SideFiles) {
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            present << path + QLatin1String(suffix);
    }
    return present;
}

// A program has the record open in write-ahead logging: its newest pages
// may be in the log, which an immutable look would not see (and the files
// beside it are there already).
bool inUse(const QString &path)
{
    return QFileInfo::exists(path + QLatin1String("-wal"));
}

// Looks into a SQLite file without writing to it or beside it (read-only
// and immutable: no lock, no journal, no shared-memory file): whether it is
// a provisioning record (or an empty file one can be made in), and its
// schema version, 0 when there is none yet.
bool lookIntoSqlite(const QString &path, int *version, QString *error)
{
    static std::atomic<int> count { 0 };
    const QString connection = QStringLiteral("kvx-record-look-%1").arg(++count);
    bool known = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        url.setQuery(QStringLiteral("mode=ro&immutable=1"));
        database.setDatabaseName(url.toString(QUrl::FullyEncoded));
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (!database.open()) {
            *error = DatabaseRecordText::tr("not a record database (%1)").arg(errorText(database.lastError()));
        } else {
            QSqlQuery query(database);
            if (!query.exec(QStringLiteral("SELECT count(*), sum(name = 'kvx_schema') FROM sqlite_master")) || !query.next()) {
                *error = DatabaseRecordText::tr("not a record database (%1)").arg(errorText(query.lastError()));
            } else if (query.value(0).toInt() == 0) {
                *version = 0;
                known = true;
            } else if (query.value(1).toInt() == 0) {
                // Another program's database is not made into a record.
                *error = DatabaseRecordText::tr("not a provisioning record (it holds no kvx_schema table)");
            } else if (!query.exec(QStringLiteral("SELECT MAX(version) FROM kvx_schema")) || !query.next()) {
                *error = DatabaseRecordText::tr("not a record database (%1)").arg(errorText(query.lastError()));
            } else {
                *version = query.value(0).toInt();
                known = true;
            }
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return known;
}

} // namespace

DatabaseRecord::DatabaseRecord(const QString &location)
    : d(new Private)
    , m_location(location)
{
    static std::atomic<int> count { 0 };
    d->connection = QStringLiteral("kvx-record-%1").arg(++count);
    m_postgres = recordKind(location) == RecordKind::Postgres;
    // A driver that is not installed is named with the package that brings
    // it, and never asked for (Qt would only print its raw "not loaded").
    const QString driver = QLatin1String(m_postgres ? "QPSQL" : "QSQLITE");
    const bool available = QSqlDatabase::isDriverAvailable(driver);
    QSqlDatabase database = available ? QSqlDatabase::addDatabase(driver, d->connection) : QSqlDatabase();
    if (!available)
        d->driverError = m_postgres ? DatabaseRecordText::tr("Qt's PostgreSQL driver (QPSQL) is not installed: install "
                                                             "the package libqt6sql6-psql")
                                    : DatabaseRecordText::tr("Qt's SQLite driver (QSQLITE) is not installed: install "
                                                             "the package libqt6sql6-sqlite");
    d->postgres = m_postgres;
    if (!m_postgres) {
        database.setDatabaseName(location);
        applyConnectOptions();
        return;
    }
    // postgresql://[user@][host][:port]/dbname[?host=/socket/folder&port=N]
    QString rest = location.mid(location.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (rest.contains(QLatin1Char('?'))) {
        query = rest.section(QLatin1Char('?'), 1);
        rest = rest.section(QLatin1Char('?'), 0, 0);
    }
    QString authority = rest.section(QLatin1Char('/'), 0, 0);
    d->database = QUrl::fromPercentEncoding(rest.section(QLatin1Char('/'), 1).toUtf8());
    if (authority.contains(QLatin1Char('@'))) {
        const QString user = authority.section(QLatin1Char('@'), 0, -2);
        authority = authority.section(QLatin1Char('@'), -1);
        if (user.contains(QLatin1Char(':')))
            d->nameError = DatabaseRecordText::tr("a password does not belong in the record's name: put it in ~/.pgpass "
                                                  "(or PGPASSFILE)");
        d->user = QUrl::fromPercentEncoding(user.section(QLatin1Char(':'), 0, 0).toUtf8());
    }
    if (authority.contains(QLatin1Char(':'))) {
        d->port = authority.section(QLatin1Char(':'), -1).toInt();
        authority = authority.section(QLatin1Char(':'), 0, -2);
    }
    d->host = QUrl::fromPercentEncoding(authority.toUtf8());
    const QUrlQuery options(query);
    if (options.hasQueryItem(QStringLiteral("host")))
        d->host = options.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (options.hasQueryItem(QStringLiteral("port")))
        d->port = options.queryItemValue(QStringLiteral("port")).toInt();
    if (options.hasQueryItem(QStringLiteral("password")))
        d->nameError = DatabaseRecordText::tr("a password does not belong in the record's name: put it in ~/.pgpass "
                                              "(or PGPASSFILE)");
    if (d->database.isEmpty())
        d->nameError = DatabaseRecordText::tr("the record's name lacks the database: postgresql://user@host/dbname");
    database.setHostName(d->host);
    if (d->port > 0)
        database.setPort(d->port);
    database.setUserName(d->user);
    database.setDatabaseName(d->database);
    // No password is ever set here: the client library finds it.
    applyConnectOptions();
}

void DatabaseRecord::setCallBound(int ms)
{
    RecordStore::setCallBound(ms);
    d->boundMs = qMax(1, ms);
    applyConnectOptions();
}

void DatabaseRecord::applyConnectOptions()
{
    QSqlDatabase database = d->db();
    if (!database.isValid())
        return;
    if (!m_postgres) {
        // Another program may be writing: waited for in short steps, up to
        // the bound (see transaction()).
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(qMin(d->boundMs, SqliteBusyStepMs)));
        return;
    }
    // libpq counts its connect timeout in whole seconds, 2 at the least; a
    // path that stops carrying anything is found by the keepalives and the
    // unacknowledged-data timeout.
    const int seconds = qMax(2, (d->boundMs + 999) / 1000);
    database.setConnectOptions(QStringLiteral("connect_timeout=%1;keepalives=1;keepalives_idle=%1;keepalives_interval=1;"
                                              "keepalives_count=%1;tcp_user_timeout=%2")
                                   .arg(seconds)
                                   .arg(d->boundMs));
}

void DatabaseRecord::interruptCall()
{
    d->interrupted = true;
    d->reconnect = true;
    const qintptr socket = d->socket.exchange(-1);
    if (socket >= 0)
        shutSocket(socket);
}

bool DatabaseRecord::lastFailureIsFinal() const
{
    return d->lastFinal;
}

DatabaseRecord::~DatabaseRecord()
{
    {
        QSqlDatabase database = d->db();
        database.close();
    }
    QSqlDatabase::removeDatabase(d->connection);
    delete d;
}

QString DatabaseRecord::name() const
{
    if (!m_postgres)
        return m_location;
    // Each part escaped where it would otherwise read as another part: the
    // name shown names the same database when it is given again.
    const auto escaped = [](const QString &text, const char *special) {
        QString out;
        for (const QChar c : text) {
            if (c == QLatin1Char('%') || (c.unicode() < 0x80 && c.unicode() && std::strchr(special, c.toLatin1())))
                out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
            else
                out += c;
        }
        return out;
    };
    const bool socket = d->host.startsWith(QLatin1Char('/'));
    QString shown = QStringLiteral("postgresql://");
    if (!d->user.isEmpty())
        shown += escaped(d->user, ":@/?") + QLatin1Char('@');
    // A colon in the host is read as the port's unless a port follows.
    shown += socket ? QString() : escaped(d->host, d->port > 0 ? "@/?" : ":@/?");
    if (d->port > 0 && !socket)
        shown += QStringLiteral(":%1").arg(d->port);
    shown += QLatin1Char('/') + escaped(d->database, "?");
    if (socket) {
        shown += QStringLiteral("?host=") + escaped(d->host, "&");
        if (d->port > 0)
            shown += QStringLiteral("&port=%1").arg(d->port);
    }
    return shown;
}

int DatabaseRecord::schemaVersion() const
{
    QSqlQuery query(d->db());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM kvx_schema")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool DatabaseRecord::openExisting(QString *error)
{
    if (!d->driverError.isEmpty() || !d->nameError.isEmpty()) {
        *error = d->driverError.isEmpty() ? d->nameError : d->driverError;
        return false;
    }
    if (d->prepared || d->opened)
        return true;
    d->interrupted = false;
    if (!m_postgres) {
        // Opening a file that is not there would make an empty one.
        const QFileInfo info(m_location);
        if (!info.exists()) {
            *error = DatabaseRecordText::tr("no such record");
            return false;
        }
        if (!info.isFile()) {
            *error = DatabaseRecordText::tr("not a record file");
            return false;
        }
        int version = 0;
        if (!inUse(m_location) && !lookIntoSqlite(m_location, &version, error))
            return false;
        if (version > SchemaVersion) {
            *error = laterVersionText(version);
            return false;
        }
    }
    const QStringList sideFiles = m_postgres ? QStringList() : sideFilesOf(m_location);
    if (!d->open(error)) {
        forgetFiles(true, sideFiles);
        return false;
    }
    QSqlQuery query(d->db());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM kvx_schema")) || !query.next()) {
        const QString reason = errorText(query.lastError());
        *error = !m_postgres && reason.contains(QLatin1String("not a database"))
                     ? DatabaseRecordText::tr("not a record database (%1)").arg(reason)
                     : DatabaseRecordText::tr("not a provisioning record (it holds no kvx_schema table)");
        query.finish();
        forgetFiles(true, sideFiles);
        return false;
    }
    const int version = query.value(0).toInt();
    if (version > SchemaVersion) {
        *error = laterVersionText(version);
        query.finish();
        forgetFiles(true, sideFiles);
        return false;
    }
    d->opened = true;
    return true;
}

QString DatabaseRecord::laterVersionText(int version)
{
    return DatabaseRecordText::tr("the record was made by a later version of the tool (schema %1; this one knows up to %2)")
        .arg(version)
        .arg(SchemaVersion);
}

bool DatabaseRecord::prepare(QString *error)
{
    if (!d->driverError.isEmpty() || !d->nameError.isEmpty()) {
        *error = d->driverError.isEmpty() ? d->nameError : d->driverError;
        return false;
    }
    if (d->readOnly) {
        *error = DatabaseRecordText::tr("the record is open for reading only");
        return false;
    }
    if (d->prepared)
        return true;
    d->interrupted = false;
    const QFileInfo info(m_location);
    const bool existed = info.exists();
    QStringList sideFiles;
    if (!m_postgres) {
        // Every reason to refuse is found before SQLite makes anything
        // beside the file, or the file itself.
        if (existed && !info.isFile()) {
            *error = DatabaseRecordText::tr("not a record file");
            return false;
        }
        int version = 0;
        if (existed && !inUse(m_location) && !lookIntoSqlite(m_location, &version, error))
            return false;
        if (version > SchemaVersion) {
            *error = laterVersionText(version);
            return false;
        }
        if (existed && !info.isWritable()) {
            *error = DatabaseRecordText::tr("the record cannot be written: the file is read-only");
            return false;
        }
        const QStorageInfo disk(info.absolutePath());
        if (disk.isValid() && disk.bytesAvailable() < MinFreeBytes) {
            *error = DatabaseRecordText::tr("the record cannot be written: no space left on its disk (%1 KiB free)")
                         .arg(disk.bytesAvailable() >> 10);
            return false;
        }
        sideFiles = sideFilesOf(m_location);
    }
    if (!d->open(error)) {
        forgetFiles(existed, sideFiles);
        return false;
    }
    const QList<QStringList> migrations = schemaSteps(m_postgres);
    const bool postgres = m_postgres;
    const bool done = d->transaction(postgres, [&](QSqlDatabase &database, QString *failure) {
        QSqlQuery query(database);
        // Two stations starting on a new database at once: one creates it.
        if (postgres && !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(727001)"))) {
            *failure = errorText(query.lastError());
            return false;
        }
        if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS kvx_schema (version INTEGER NOT NULL)"))) {
            *failure = errorText(query.lastError());
            return false;
        }
        int version = 0;
        if (query.exec(QStringLiteral("SELECT MAX(version) FROM kvx_schema")) && query.next())
            version = query.value(0).toInt();
        if (version > SchemaVersion) {
            *failure = laterVersionText(version);
            return false;
        }
        for (int step = version; step < SchemaVersion; ++step) {
            for (const QString &statement : migrations.at(step)) {
                if (!query.exec(statement)) {
                    *failure = errorText(query.lastError());
                    return false;
                }
            }
        }
        if (version < SchemaVersion) {
            query.prepare(QStringLiteral("INSERT INTO kvx_schema (version) VALUES (?)"));
            query.addBindValue(SchemaVersion);
            if (!query.exec()) {
                *failure = errorText(query.lastError());
                return false;
            }
        }
        return true;
    }, error);
    // A record that can be read is not yet one that can be written (a
    // read-only file, a user without the right to insert): a row is added
    // and taken back, before any unit is touched.
    d->prepared = done && probeWrite(error);
    d->opened = d->prepared;
    if (!d->prepared) {
        forgetFiles(existed, sideFiles);
        return false;
    }
    if (!m_postgres) {
        // Only a record taken on: readers do not wait for writers, nor
        // writers for readers.
        QSqlQuery wal(d->db());
        wal.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    }
    return true;
}

void DatabaseRecord::forgetFiles(bool recordExisted, const QStringList &sideFilesBefore)
{
    if (m_postgres)
        return;
    // What SQLite made for a record that is refused goes again: the record
    // itself when it was not there, and the files beside it that were not.
    d->db().close();
    d->opened = false;
    // A log with pages in it, or a journal, may be what the file needs to
    // be whole again: those stay.
    const QString log = m_location + QLatin1String("-wal");
    if (QFileInfo(log).size() == 0) {
        for (const QString &side : { log, m_location + QLatin1String("-shm") }) {
            if (!sideFilesBefore.contains(side))
                QFile::remove(side);
        }
    }
    if (!recordExisted) {
        QFile::remove(m_location + QLatin1String("-journal"));
        QFile::remove(m_location);
    }
}

bool DatabaseRecord::probeWrite(QString *error)
{
    QSqlDatabase handle = d->db();
    QSqlQuery query(handle);
    if (!query.exec(QLatin1String(m_postgres ? "BEGIN" : "BEGIN IMMEDIATE"))) {
        *error = DatabaseRecordText::tr("the record cannot be written: %1").arg(errorText(query.lastError()));
        return false;
    }
    const bool written = query.exec(QStringLiteral("INSERT INTO kvx_schema (version) VALUES (0)"));
    const QString failure = errorText(query.lastError());
    query.exec(QStringLiteral("ROLLBACK"));
    if (!written)
        *error = DatabaseRecordText::tr("the record cannot be written: %1").arg(failure);
    return written;
}

namespace {

// An empty text, never SQL's NULL.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// The settings' columns, as their captions: work mode, baud, link rate,
// power, repeater; the rates as numbers (none where there is no caption).
void bindCaptions(QSqlQuery &query, const UnitRecord &r)
{
    const QStringList captions = recordCaptions(r);
    for (int i = 0; i < captions.size(); ++i) {
        const bool rate = i == 1 || i == 2;
        if (!rate)
            query.addBindValue(text(captions.at(i)));
        else if (captions.at(i).isEmpty())
            query.addBindValue(QVariant(QMetaType(QMetaType::LongLong)));
        else
            query.addBindValue(captions.at(i).toLongLong());
    }
}

// A row's time as the record keeps it: ISO 8601 in UTC (a timestamp with
// its zone in PostgreSQL, text that sorts as time in SQLite).
QString timeValue(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime timeFrom(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().toUTC();
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

void bindRecord(QSqlQuery &query, const QString &attempt, const UnitRecord &r, int superseded, int imported)
{
    const RadioSettings &s = r.settings;
    query.addBindValue(attempt);
    query.addBindValue(timeValue(r.time));
    query.addBindValue(text(r.station));
    query.addBindValue(text(r.operatorName));
    query.addBindValue(text(r.toolVersion));
    query.addBindValue(text(r.config.port));
    query.addBindValue(text(productKey(r.config.product)));
    query.addBindValue(text(moduleKey(r.config.module)));
    query.addBindValue(text(modeKey(r.config.mode)));
    query.addBindValue(isMultipoint(r.config.mode) ? addressValue(s, Reg::UnitAddress) : addressValue(RadioSettings(), Reg::UnitAddress));
    query.addBindValue(addressValue(s, Reg::NetworkAddress));
    bindCaptions(query, r);
    query.addBindValue(text(r.result));
    query.addBindValue(text(r.detail));
    query.addBindValue(superseded);
    query.addBindValue(imported);
    query.addBindValue(text(r.pauses));
    query.addBindValue(text(r.serial));
}

QString insertStatement()
{
    return QStringLiteral("INSERT INTO units (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                          "ON CONFLICT (attempt) DO NOTHING")
        .arg(QLatin1String(Columns));
}

} // namespace

QByteArray DatabaseRecord::writeRow(const QByteArray &handle, const UnitRecord &record, QString *error)
{
    if (!prepare(error))
        return {};
    const QString attempt = handle.isEmpty() ? newAttempt() : QString::fromLatin1(handle);
    const auto write = [&](QSqlDatabase &database, QString *failure) {
        QSqlQuery query(database);
        if (!handle.isEmpty()) {
            query.prepare(QStringLiteral("UPDATE units SET time = ?, port = ?, work_mode = ?, baud = ?, link_rate = ?, "
                                         "power = ?, repeater = ?, result = ?, differences = ?, serial = ? WHERE attempt = ?"));
            query.addBindValue(timeValue(record.time));
            query.addBindValue(text(record.config.port));
            bindCaptions(query, record);
            query.addBindValue(text(record.result));
            query.addBindValue(text(record.detail));
            query.addBindValue(text(record.serial));
            query.addBindValue(attempt);
            if (!d->exec(query, failure))
                return false;
            if (query.numRowsAffected() > 0)
                return true;
        }
        // A new attempt (or one whose row is gone): the same attempt is never
        // recorded twice, also when this is a repeat after a lost connection.
        query.prepare(insertStatement());
        bindRecord(query, attempt, record, 0, 0);
        return d->exec(query, failure);
    };
    const bool done = d->transaction(m_postgres, [&](QSqlDatabase &database, QString *failure) {
        return write(database, failure) && d->notifyReaders(database, failure);
    }, error);
    return done ? attempt.toLatin1() : QByteArray();
}

bool DatabaseRecord::holdsUnit(const QString &unitAddress, const QString &networkAddress) const
{
    QString error;
    if (!const_cast<DatabaseRecord *>(this)->openExisting(&error) || !d->readyToRead(&error))
        return false;
    QSqlQuery query(d->db());
    query.prepare(QStringLiteral("SELECT 1 FROM units WHERE network_address = ? AND unit_address = ? AND superseded = 0 "
                                 "AND %1")
                      .arg(QLatin1String(Holding)));
    query.addBindValue(qint64(addressFromText(networkAddress)));
    query.addBindValue(qint64(addressFromText(unitAddress)));
    query.addBindValue(cutoffFor(reservationTimeout()));
    return query.exec() && query.next();
}

namespace {

RecordRow rowFrom(const QSqlQuery &query)
{
    RecordRow row;
    UnitRecord &r = row.record;
    row.attempt = query.value(0).toString();
    r.time = timeFrom(query.value(1));
    r.station = query.value(2).toString();
    r.operatorName = query.value(3).toString();
    r.toolVersion = query.value(4).toString();
    r.config.port = query.value(5).toString();
    r.config.product = productForKey(query.value(6).toString()).value_or(Product::Kv5);
    r.config.module = moduleForKey(query.value(7).toString()).value_or(Module::Tarn);
    r.config.mode = modeForKey(query.value(8).toString()).value_or(LinkMode::PointToPoint);
    const auto address = [&query](int column) {
        return query.value(column).isNull() ? QString() : QString::number(query.value(column).toLongLong());
    };
    const auto rate = [&query](int column) {
        return query.value(column).isNull() ? QString() : QString::number(query.value(column).toLongLong());
    };
    setRecordSettings(&r, address(9), address(10),
                      { query.value(11).toString(), rate(12), rate(13), query.value(14).toString(),
                        query.value(15).toString() });
    r.result = query.value(16).toString();
    r.detail = query.value(17).toString();
    row.superseded = query.value(18).toInt() != 0;
    row.imported = query.value(19).toInt() != 0;
    r.pauses = query.value(20).toString();
    r.serial = query.value(21).toString();
    return row;
}

} // namespace

QList<RecordRow> DatabaseRecord::rows(QString *error) const
{
    QList<RecordRow> list;
    QString failure;
    if (!const_cast<DatabaseRecord *>(this)->openExisting(&failure) || !d->readyToRead(&failure)) {
        if (error)
            *error = failure;
        return list;
    }
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM units ORDER BY id").arg(QLatin1String(Columns)))) {
        if (error)
            *error = errorText(query.lastError());
        return list;
    }
    while (query.next())
        list << rowFrom(query);
    return list;
}

namespace {

// The unit addresses from `start` on held on a network, in order.
bool takenAddresses(QSqlDatabase &database, qint64 network, qint64 start, const QString &cutoff, QList<qint64> *taken,
                    QString *error)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT DISTINCT unit_address FROM units WHERE network_address = ? AND unit_address >= ? "
                                 "AND superseded = 0 AND %1 ORDER BY unit_address")
                      .arg(QLatin1String(Holding)));
    query.addBindValue(network);
    query.addBindValue(start);
    query.addBindValue(cutoff);
    if (!query.exec()) {
        *error = errorText(query.lastError());
        return false;
    }
    while (query.next())
        *taken << query.value(0).toLongLong();
    return true;
}

qint64 firstFree(const QList<qint64> &taken, qint64 start)
{
    qint64 address = start;
    for (qint64 held : taken) {
        if (held > address)
            break;
        if (held == address)
            ++address;
    }
    return address;
}

} // namespace

qint64 DatabaseRecord::nextFreeUnit(const QString &networkAddress, qint64 start, QString *error) const
{
    QString failure;
    if (!const_cast<DatabaseRecord *>(this)->openExisting(&failure) || !d->readyToRead(&failure)) {
        if (error)
            *error = failure;
        return -1;
    }
    QSqlDatabase database = d->db();
    QList<qint64> taken;
    if (!takenAddresses(database, addressFromText(networkAddress), start, cutoffFor(reservationTimeout()), &taken,
                        error ? error : &failure))
        return -1;
    return firstFree(taken, start);
}

QByteArray DatabaseRecord::reserveUnit(const QByteArray &handle, UnitRecord *record, qint64 start, bool exact,
                                       bool replace, QString *error, bool *inUse)
{
    if (inUse)
        *inUse = false;
    if (!prepare(error))
        return {};
    const QString attempt = handle.isEmpty() ? newAttempt() : QString::fromLatin1(handle);
    const qint64 network = record->settings.value(Reg::NetworkAddress, 0);
    UnitRecord reserved = *record;
    reserved.result = QStringLiteral("reserved");
    bool held = false;
    // Another station may take the same address between our look and our
    // insert (PostgreSQL): the unique index refuses one; it looks again.
    for (int tries = 0; tries < 50; ++tries) {
        qint64 address = start;
        bool conflict = false;
        const QString cutoff = cutoffFor(reservationTimeout());
        const bool done = d->transaction(m_postgres, [&](QSqlDatabase &database, QString *failure) {
            QSqlQuery query(database);
            // One station at a time hands out addresses of a network; the
            // unique index would catch a race, this avoids it.
            if (m_postgres) {
                query.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(727002, ?)"));
                query.addBindValue(int(network % 2147483647));
                if (!d->exec(query, failure))
                    return false;
            }
            // A repeat after a lost connection: the first try may have landed.
            query.prepare(QStringLiteral("SELECT unit_address FROM units WHERE attempt = ?"));
            query.addBindValue(attempt);
            if (!d->exec(query, failure))
                return false;
            if (query.next()) {
                address = query.value(0).toLongLong();
                return true;
            }
            // Reservations whose station never came back hold nothing now.
            query.prepare(QStringLiteral("UPDATE units SET result = 'expired' WHERE network_address = ? "
                                         "AND result = 'reserved' AND time < ?"));
            query.addBindValue(network);
            query.addBindValue(cutoff);
            if (!d->exec(query, failure))
                return false;
            QList<qint64> taken;
            if (!takenAddresses(database, network, start, cutoff, &taken, failure))
                return false;
            if (exact && taken.value(0, -1) == start) {
                // A station writing this unit address right now keeps it,
                // also from an operator who writes it again knowingly.
                query.prepare(QStringLiteral("SELECT station, operator, time FROM units WHERE network_address = ? "
                                             "AND unit_address = ? AND superseded = 0 AND result = 'reserved'"));
                query.addBindValue(network);
                query.addBindValue(start);
                if (!d->exec(query, failure))
                    return false;
                if (query.next()) {
                    held = true;
                    *failure = DatabaseRecordText::tr("unit address %1 on network address %2 is being written by station "
                                                      "%3 (operator %4) since %5")
                                   .arg(start)
                                   .arg(network)
                                   .arg(query.value(0).toString(), query.value(1).toString(),
                                        timeFrom(query.value(2)).toString(Qt::ISODate));
                    return false;
                }
                if (!replace) {
                    held = true;
                    *failure = DatabaseRecordText::tr("unit address %1 is already in use on network address %2")
                                   .arg(start)
                                   .arg(network);
                    return false;
                }
                // Written again knowingly: the earlier units give it up,
                // also one stored whose result never came.
                query.prepare(QStringLiteral("UPDATE units SET superseded = 1 WHERE network_address = ? AND unit_address = ? "
                                             "AND superseded = 0 AND result IN ('verified', 'written', 'pending')"));
                query.addBindValue(network);
                query.addBindValue(start);
                if (!d->exec(query, failure))
                    return false;
            } else if (!exact) {
                address = firstFree(taken, start);
            }
            reserved.settings.set(Reg::UnitAddress, address);
            query.prepare(insertStatement());
            bindRecord(query, attempt, reserved, 0, 0);
            if (query.exec())
                return true;
            conflict = isUniqueViolation(query.lastError());
            *failure = errorText(query.lastError());
            return false;
        }, error);
        if (done) {
            record->settings.set(Reg::UnitAddress, address);
            return attempt.toLatin1();
        }
        if (held) {
            if (inUse)
                *inUse = true;
            return {};
        }
        // Only a race for an address handed out by us is tried again.
        if (!conflict || exact)
            return {};
    }
    return {};
}

bool DatabaseRecord::release(const QString &networkAddress, const QString &unitAddress, QList<RecordRow> *released,
                             QString *error)
{
    if (!openExisting(error) || !prepare(error))
        return false;
    const qint64 network = addressFromText(networkAddress);
    const qint64 unit = addressFromText(unitAddress);
    return d->transaction(m_postgres, [&](QSqlDatabase &database, QString *failure) {
        released->clear();
        QSqlQuery query(database);
        query.prepare(QStringLiteral("SELECT %1 FROM units WHERE network_address = ? AND unit_address = ? AND superseded = 0 "
                                     "AND result IN ('reserved', 'expired', 'pending') ORDER BY id")
                          .arg(QLatin1String(Columns)));
        query.addBindValue(network);
        query.addBindValue(unit);
        if (!d->exec(query, failure))
            return false;
        while (query.next())
            *released << rowFrom(query);
        for (const RecordRow &row : std::as_const(*released)) {
            query.prepare(QStringLiteral("UPDATE units SET result = 'released', differences = ? WHERE attempt = ?"));
            query.addBindValue(QStringLiteral("released by hand (was %1)").arg(row.record.result));
            query.addBindValue(row.attempt);
            if (!d->exec(query, failure))
                return false;
        }
        return true;
    }, error);
}

bool DatabaseRecord::importRows(const QList<RecordRow> &rows, ImportCount *count, QString *error,
                                const std::function<bool()> &stop)
{
    qsizetype next = 0;
    return importFrom([&] { next = 0; return true; },
                      [&](RecordRow *row, QString *) {
                          if (next == rows.size())
                              return false;
                          *row = rows.at(next++);
                          return true;
                      },
                      count, error, stop);
}

bool DatabaseRecord::importRows(ImportFile &file, ImportCount *count, QString *error, const std::function<bool()> &stop)
{
    QString failure;
    return importFrom([&] { return file.rewind(&failure); }, [&](RecordRow *row, QString *) { return file.next(row, &failure); },
                      count, error, stop, &failure);
}

bool DatabaseRecord::importFrom(const std::function<bool()> &rewind, const std::function<bool(RecordRow *, QString *)> &next,
                                ImportCount *count, QString *error, const std::function<bool()> &stop,
                                const QString *readError)
{
    if (!prepare(error))
        return false;
    const bool done = d->transaction(m_postgres, [&](QSqlDatabase &database, QString *failure) {
        *count = ImportCount();
        // Once more from the start when the transaction is tried again.
        if (!rewind()) {
            *failure = *readError;
            return false;
        }
        QSqlQuery query(database);
        query.prepare(insertStatement());
        RecordRow row;
        while (next(&row, failure)) {
            if (stop && stop()) {
                *failure = DatabaseRecordText::tr("stopped: nothing was imported");
                return false;
            }
            // A row's attempt is its identity: a row this record holds
            // already (imported before, or written here) is passed over.
            bindRecord(query, row.attempt, row.record, 0, 1);
            if (!d->exec(query, failure))
                return false;
            if (query.numRowsAffected() > 0)
                ++count->imported;
            else
                ++count->skipped;
        }
        // The file no longer read as it did: nothing of it is kept.
        if (readError && !readError->isEmpty()) {
            *failure = *readError;
            return false;
        }
        return true;
    }, error);
    return done;
}

bool DatabaseRecord::writeStationState(const RecordIdentity &who, int rowsWaiting, QString *error)
{
    if (!prepare(error))
        return false;
    return d->transaction(m_postgres, [&](QSqlDatabase &database, QString *failure) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("INSERT INTO stations (station, operator, waiting, seen) VALUES (?, ?, ?, ?) "
                                     "ON CONFLICT (station) DO UPDATE SET operator = excluded.operator, "
                                     "waiting = excluded.waiting, seen = excluded.seen"));
        query.addBindValue(text(who.station));
        query.addBindValue(text(who.operatorName));
        query.addBindValue(std::max(0, rowsWaiting));
        query.addBindValue(timeValue(QDateTime::currentDateTimeUtc()));
        return d->exec(query, failure) && d->notifyReaders(database, failure);
    }, error);
}

bool DatabaseRecord::openForReading(QString *error)
{
    if (d->prepared || (d->opened && !d->readOnly)) {
        *error = DatabaseRecordText::tr("the record is open for writing already");
        return false;
    }
    if (d->opened)
        return true;
    if (!d->driverError.isEmpty() || !d->nameError.isEmpty()) {
        *error = d->driverError.isEmpty() ? d->nameError : d->driverError;
        return false;
    }
    d->readOnly = true;
    if (!m_postgres) {
        // A record in write-ahead logging is read through its shared-memory
        // file, which a writer makes. With no writer at work (no log) the
        // file is read as it stands, making nothing beside it (a file this
        // reader made could stand in a station's way); writerCame()
        // says when a writer has come.
        const QFileInfo file(m_location);
        const QString shm = m_location + QLatin1String("-shm");
        d->snapshot = file.isFile() && !inUse(m_location);
        if (!d->snapshot && !(QFileInfo::exists(shm) && QFileInfo(shm).isReadable())
            && !QFileInfo(file.absolutePath()).isWritable()) {
            *error = DatabaseRecordText::tr("SQLite cannot read the record without writing its -shm file beside it: "
                                            "let this user write the record's folder, or read it as the stations' user");
            return false;
        }
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setQuery(QLatin1String(d->snapshot ? "mode=ro&immutable=1" : "mode=ro"));
        // A reader never waits long on a writer's lock: in write-ahead
        // logging it seldom has to at all.
        QSqlDatabase database = d->db();
        database.setDatabaseName(url.toString(QUrl::FullyEncoded));
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
    }
    if (!openExisting(error))
        return false;
    if (m_postgres) {
        QSqlQuery query(d->db());
        if (!query.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"))) {
            *error = errorText(query.lastError());
            d->db().close();
            d->opened = false;
            return false;
        }
    }
    return true;
}

bool DatabaseRecord::writerCame() const
{
    return d->snapshot && inUse(m_location);
}

QSqlDatabase DatabaseRecord::connection() const
{
    return d->db();
}
