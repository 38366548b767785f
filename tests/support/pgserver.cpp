#include "support/pgserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

bool isRoot()
{
    return geteuid() == 0;
}

} // namespace

PostgresServer::PostgresServer()
    : m_bin(binDirectory())
{
}

PostgresServer::~PostgresServer()
{
    stop();
}

QString PostgresServer::binDirectory()
{
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &version : found) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return QString();
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, bool asServerUser, QString *output)
{
    QProcess process;
    QStringList command { m_bin + QLatin1Char('/') + program };
    command += arguments;
    if (asServerUser && isRoot())
        command = QStringList { "runuser", "-u", "postgres", "--" } + command;
    process.setProcessEnvironment(clientEnvironment());
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput());
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

bool PostgresServer::start()
{
    if (m_bin.isEmpty()) {
        m_error = QStringLiteral("PostgreSQL is not installed (/usr/lib/postgresql/*/bin/initdb)");
        return false;
    }
    const QString dir = m_dir.path();
    QFile password(dir + QStringLiteral("/password"));
    QFile pass(dir + QStringLiteral("/pgpass"));
    if (!password.open(QIODevice::WriteOnly) || !pass.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write the password files");
        return false;
    }
    password.write("kvx-test-secret\n");
    password.close();
    pass.write("*:*:*:kvx:kvx-test-secret\n");
    pass.close();
    pass.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The server's user must own its folder (the client's pgpass stays ours).
    if (isRoot()) {
        const passwd *server = getpwnam("postgres");
        if (!server || chown(QFile::encodeName(dir).constData(), server->pw_uid, server->pw_gid) != 0
            || chown(QFile::encodeName(password.fileName()).constData(), server->pw_uid, server->pw_gid) != 0) {
            m_error = QStringLiteral("no \"postgres\" user to run the server as (it refuses root)");
            return false;
        }
    }
    if (!run(QStringLiteral("initdb"), { "-D", dir + "/data", "-U", "kvx", "--auth=scram-sha-256", "--pwfile=" + dir + "/password",
                                         "-E", "UTF8", "--no-sync" },
             true))
        return false;
    return resume();
}

bool PostgresServer::resume()
{
    const QString dir = m_dir.path();
    if (!run(QStringLiteral("pg_ctl"), { "-D", dir + "/data", "-l", dir + "/server.log", "-w", "-o",
                                         "-k " + dir + " -c listen_addresses='' -c fsync=off", "start" },
             true))
        return false;
    m_running = true;
    return true;
}

int PostgresServer::freeze(const QString &database)
{
    const QString pids = sql(database, QStringLiteral("SELECT pid FROM pg_stat_activity WHERE datname = current_database() "
                                                      "AND pid <> pg_backend_pid() AND backend_type = 'client backend'"));
    int frozen = 0;
    for (const QString &pid : pids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (::kill(pid_t(pid.toLongLong()), SIGSTOP) == 0) {
            m_frozen << pid.toLongLong();
            ++frozen;
        }
    }
    return frozen;
}

void PostgresServer::thaw()
{
    for (qint64 pid : std::as_const(m_frozen))
        ::kill(pid_t(pid), SIGCONT);
    m_frozen.clear();
}

bool PostgresServer::stop()
{
    thaw();
    if (!m_running)
        return true;
    m_running = false;
    return run(QStringLiteral("pg_ctl"), { "-D", m_dir.path() + "/data", "-m", "fast", "-w", "stop" }, true);
}

bool PostgresServer::createDatabase(const QString &name)
{
    return run(QStringLiteral("createdb"), { "-h", m_dir.path(), "-U", "kvx", name }, false);
}

QString PostgresServer::location(const QString &database) const
{
    return QStringLiteral("postgresql://kvx@/%1?host=%2").arg(database, m_dir.path());
}

QProcessEnvironment PostgresServer::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("PGPASSWORD"));
    environment.insert(QStringLiteral("PGPASSFILE"), m_dir.path() + QStringLiteral("/pgpass"));
    return environment;
}

QString PostgresServer::sql(const QString &database, const QString &statement)
{
    QString output;
    run(QStringLiteral("psql"), { "-h", m_dir.path(), "-U", "kvx", "-At", "-c", statement, database }, false, &output);
    return output.trimmed();
}
