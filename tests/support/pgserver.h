#pragma once
// A real PostgreSQL server for a test: initdb into a temporary folder, the
// server listening on a Unix socket in that folder only, stopped at the end.
// Run as root (CI), it runs as the "postgres" user the package creates; the
// server refuses root. Clients get the password from a pgpass file.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PostgresServer
{
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // The server's programs, or empty when PostgreSQL is not installed.
    static QString binDirectory();

    bool start();
    bool stop();
    // Starts a stopped server again, with its databases.
    bool resume();
    bool isRunning() const { return m_running; }
    // Every backend serving `database` stops dead (SIGSTOP), as a server
    // that hangs: its clients' calls get no answer. How many were frozen.
    int freeze(const QString &database);
    // They go on again; stop() and the destructor thaw them first.
    void thaw();
    QString errorString() const { return m_error; }

    bool createDatabase(const QString &name);
    // The record's name for kvx-cli: postgresql://kvx@/NAME?host=<socket folder>
    QString location(const QString &database) const;
    // PGPASSFILE and nothing else: the password never goes on a command line.
    QProcessEnvironment clientEnvironment() const;
    // Runs SQL as the server's user; the output of psql.
    QString sql(const QString &database, const QString &statement);

private:
    bool run(const QString &program, const QStringList &arguments, bool asServerUser, QString *output = nullptr);

    QTemporaryDir m_dir;
    QString m_bin;
    bool m_running = false;
    QString m_error;
    QList<qint64> m_frozen;
};
