// One record shared by several stations: kvx-cli against simulated units,
// into SQLite and into a real PostgreSQL server started here.

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <signal.h>
#include <unistd.h>
#include <vector>

#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "records/recordqueries.h"
#include "records/recordlocation.h"
#include "support/pgserver.h"
#include "support/schemaone.h"
#include "support/simprocess.h"

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

void start(QProcess &process, const QStringList &arguments, const QProcessEnvironment &environment)
{
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kvx-cli"), arguments);
}

Run finish(QProcess &process)
{
    Run run;
    // Events keep flowing meanwhile (the units' simulators need none, but
    // the test's timers do).
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 60000)
        QTest::qWait(20);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run cli(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    start(process, arguments, environment);
    return finish(process);
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

// Units of one product and module, their ports as --port arguments.
QStringList startUnits(std::vector<std::unique_ptr<SimProcess>> &units, int count, const char *product = "kv5")
{
    QStringList arguments;
    for (int i = 0; i < count; ++i) {
        units.push_back(std::make_unique<SimProcess>());
        if (!units.back()->start({ "--product", product, "--module", "tarn" }))
            return {};
        arguments << "--port" << units.back()->portPath();
    }
    return arguments;
}

const QByteArray Profile = R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp",
                               "settings": {"workMode": "slave", "networkAddress": 4321}})";

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

    std::unique_ptr<PostgresServer> postgres;
    QTemporaryDir dir;

    // The record for a data row: a database file, or a new PostgreSQL database.
    QString record(const QString &kind)
    {
        static int count = 0;
        const QString name = QStringLiteral("units%1").arg(++count);
        if (kind == QLatin1String("sqlite"))
            return dir.filePath(name + QStringLiteral(".kvxdb"));
        if (!postgres) {
            postgres = std::make_unique<PostgresServer>();
            if (!postgres->start())
                qFatal("PostgreSQL: %s", qPrintable(postgres->errorString()));
        }
        if (!postgres->createDatabase(name))
            qFatal("createdb: %s", qPrintable(postgres->errorString()));
        return postgres->location(name);
    }
    QProcessEnvironment environment() const
    {
        return postgres ? postgres->clientEnvironment() : QProcessEnvironment::systemEnvironment();
    }

private slots:
    // A test that stopped or froze the server leaves it running for the next,
    // also when it failed half way.
    void init()
    {
        if (!postgres)
            return;
        postgres->thaw();
        if (!postgres->isRunning() && !postgres->resume())
            qFatal("PostgreSQL: %s", qPrintable(postgres->errorString()));
    }

    // The name shown for a PostgreSQL record holds no password and, given
    // again, names the same database.
    void shownName_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "postgresql://kvx@localhost:5433/units" << "postgresql://kvx@localhost:5433/units";
        QTest::newRow("password left out") << "postgres://kvx:secret@db/units" << "postgresql://kvx@db/units";
        QTest::newRow("socket folder") << "postgresql://kvx@/units?host=/run/pg&port=5433"
                                       << "postgresql://kvx@/units?host=/run/pg&port=5433";
        QTest::newRow("escaped parts stay escaped") << "postgresql://k%40x@h%2Fx/un%3Fits%25"
                                                    << "postgresql://k%40x@h%2Fx/un%3Fits%25";
        QTest::newRow("a colon in the user is no password") << "postgresql://a%3Ab@h/db" << "postgresql://a%3Ab@h/db";
    }
    void shownName()
    {
        QFETCH(QString, location);
        QFETCH(QString, shown);
        QCOMPARE(recordShownName(location), shown);
        QCOMPARE(recordShownName(shown), shown);
    }

    void stations_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("SQLite") << "sqlite";
        QTest::newRow("PostgreSQL") << "postgresql";
    }
    // Two stations provisioning one network at once never hand out one
    // unit address twice.
    void stations()
    {
        QFETCH(QString, kind);
        const QString location = record(kind);
        const QString profile = writeFile(dir, "p.json", Profile);
        std::vector<std::unique_ptr<SimProcess>> units;
        QProcess a;
        QProcess b;
        const QStringList common { "provision", "--profile", profile, "--unit-start", "auto", "--record", location, "--quiet" };
        start(a, common + QStringList { "--station", "A" } + startUnits(units, 8), environment());
        start(b, common + QStringList { "--station", "B" } + startUnits(units, 8), environment());
        QCOMPARE(finish(a).exitCode, 0);
        QCOMPARE(finish(b).exitCode, 0);
        QSet<qint64> addresses;
        for (const auto &unit : units)
            addresses.insert(unit->storedRegisters().value(105));
        QCOMPARE(addresses.size(), 16);
        const Run list = cli({ "record", "list", "--record", location, "--json" }, environment());
        const QJsonArray rows = QJsonDocument::fromJson(list.out).array();
        QCOMPARE(rows.size(), 16);
        for (const QJsonValue &row : rows) {
            QCOMPARE(row["result"].toString(), QStringLiteral("verified"));
            QVERIFY(addresses.contains(row["settings"]["unitAddress"].toInteger()));
        }
        QCOMPARE(cli({ "record", "check", "--record", location }, environment()).exitCode, 0);
        // Each station told the others it has nothing waiting.
        const QProcessEnvironment client = environment();
        for (const QString &name : client.keys()) {
            if (name.startsWith(QLatin1String("PG")))
                qputenv(name.toLatin1(), client.value(name).toLocal8Bit());
        }
        DatabaseRecord reader(location);
        QString error;
        QVERIFY2(reader.openForReading(&error), qPrintable(error));
        LineSummary summary;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY2(readLineSummary(reader.connection(), reader.isPostgres(), now.addDays(-1), now.addSecs(60), now, 600, 0,
                                 &summary, &error),
                 qPrintable(error));
        QCOMPARE(summary.stations.size(), 2);
        for (const StationFigures &station : std::as_const(summary.stations)) {
            QCOMPARE(station.rowsWaiting, 0);
            QVERIFY(station.seen.isValid());
        }
    }

    // The database goes away: units already storing keep their result and
    // are said to be unrecorded; none is recorded twice after reconnecting.
    void droppedConnection()
    {
        const QString location = record("postgresql");
        const QString database = location.section('/', 3).section('?', 0, 0);
        const QString profile = writeFile(dir, "p6.json", QByteArray(Profile).replace("kv5", "kv6"));
        std::vector<std::unique_ptr<SimProcess>> units;
        QProcess process;
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location, "--quiet" }
                           + startUnits(units, 2, "kv6"),
              environment());
        // Every connection cut between the reservation and the store.
        QVERIFY(units.front()->waitForReceived("ATS102=", 20000));
        postgres->sql(database, "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = current_database() "
                                "AND pid <> pg_backend_pid()");
        const Run run = finish(process);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(postgres->sql(database, "SELECT count(*), count(DISTINCT attempt) FROM units WHERE result = 'verified'"),
                 QStringLiteral("2|2"));
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units"), QStringLiteral("2"));

        // The server hangs before the units' first line: they wait for it no
        // longer than --record-timeout, are not started, and say why; their
        // rows say what happened once it answers again, none is left pending.
        units.clear();
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location, "--quiet",
                                     "--record-timeout", "1", "--record-wait", "5" }
                           + startUnits(units, 2, "kv6"),
              environment());
        QVERIFY(units.front()->waitForReceived("\xfa\xe1", 20000));
        QVERIFY(postgres->freeze(database) > 0);
        for (const auto &unit : units)
            QVERIFY(unit->waitForReceived("AT&V", 20000));
        // The units' reservations wait on the frozen backend now.
        QTest::qWait(300);
        const Run frozen = finish(process);
        postgres->thaw();
        QCOMPARE(frozen.exitCode, 7);
        QVERIFY2(frozen.out.contains("not started: the shared record did not answer in 1 s"), frozen.out.constData());
        for (const auto &unit : units)
            QVERIFY(!unit->received().contains("AT&F"));
        QCOMPARE(cli({ "record", "sync", "--record", location }, environment()).exitCode, 0);
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units WHERE result IN ('pending', 'reserved')"), QStringLiteral("0"));
        postgres.reset();
    }

    // A server that hangs while the units are written holds none of them
    // up: they are verified, their rows wait here, and the end waits no
    // longer than --record-wait; SIGTERM in that wait ends it at once, and
    // SIGINT while units wait for their unit addresses ends them at once,
    // interrupted, their rows never left pending.
    void frozenServer()
    {
        const QString location = record("postgresql");
        const QString database = location.section('/', 3).section('?', 0, 0);
        const QString profile = writeFile(dir, "pf.json", Profile);
        std::vector<std::unique_ptr<SimProcess>> units;
        QProcess process;
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location,
                                     "--record-wait", "30" }
                           + startUnits(units, 2),
              environment());
        for (const auto &unit : units)
            QVERIFY(unit->waitForReceived("AT&F", 20000));
        QVERIFY(postgres->freeze(database) > 0);
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardError()).contains("waiting up to 30 s"), 30000);
        ::kill(pid_t(process.processId()), SIGTERM);
        const Run waited = finish(process);
        postgres->thaw();
        QCOMPARE(waited.exitCode, 143);
        QVERIFY2(waited.out.count("verified (network address 4321") == 2, waited.out.constData());
        QVERIFY2((said + waited.err).contains("record sync --record"), waited.err.constData());
        for (const auto &unit : units)
            QVERIFY(unit->received().contains("AT&W"));

        units.clear();
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location }
                           + startUnits(units, 2),
              environment());
        QVERIFY(units.front()->waitForReceived("AT&V", 20000));
        QVERIFY(postgres->freeze(database) > 0);
        for (const auto &unit : units)
            QVERIFY(unit->waitForReceived("AT&V", 20000));
        QTest::qWait(300);
        ::kill(pid_t(process.processId()), SIGINT);
        const Run stopped = finish(process);
        postgres->thaw();
        QCOMPARE(stopped.exitCode, 130);
        for (const auto &unit : units)
            QVERIFY(!unit->received().contains("AT&F"));
        const Run synced = cli({ "record", "sync", "--record", location }, environment());
        QVERIFY2(synced.exitCode == 0, synced.err.right(6000).constData());
        QCOMPARE(postgres->sql(database, "SELECT result, count(*) FROM units GROUP BY result ORDER BY result"),
                 QStringLiteral("interrupted|2\nverified|2"));
    }

    // A database file another program holds: units about to start wait for
    // it no longer than the bound and are not started; once it is let go
    // their rows land, none pending.
    void heldDatabaseFile()
    {
        const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite.isEmpty())
            QSKIP("sqlite3 is not installed");
        const QString location = record("sqlite");
        const QString profile = writeFile(dir, "ph.json", Profile);
        std::vector<std::unique_ptr<SimProcess>> units;
        QProcess process;
        QProcess holder;
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location,
                                     "--record-timeout", "1", "--record-wait", "20", "--quiet" }
                           + startUnits(units, 2),
              QProcessEnvironment::systemEnvironment());
        QVERIFY(units.front()->waitForReceived("AT&V", 20000));
        holder.start(sqlite, { location });
        QVERIFY(holder.waitForStarted());
        holder.write(".timeout 5000\nBEGIN EXCLUSIVE;\n.shell echo held\n");
        QByteArray held;
        QTRY_VERIFY((held += holder.readAllStandardOutput()).contains("held"));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardOutput()).count("not started") == 2, 20000);
        holder.write("ROLLBACK;\n.quit\n");
        QVERIFY(holder.waitForFinished());
        const Run run = finish(process);
        QCOMPARE(run.exitCode, 7);
        for (const auto &unit : units)
            QVERIFY(!unit->received().contains("AT&F"));
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "held");
        db.setDatabaseName(location);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec("SELECT result, count(*) FROM units GROUP BY result") && query.next());
        QCOMPARE(query.value(0).toString() + ' ' + query.value(1).toString(), QStringLiteral("failed 2"));
        QVERIFY(!query.next());
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("held");
    }

    // The outbox is checked with the records, before any port opens: on a
    // read-only or full filesystem the run is refused and nothing is sent.
    void refusedOutbox_data()
    {
        QTest::addColumn<QString>("options");
        QTest::newRow("read-only") << "ro,size=1m";
        QTest::newRow("full") << "size=64k";
    }
    void refusedOutbox()
    {
        QFETCH(QString, options);
        if (geteuid() != 0)
            QSKIP("mounting a small filesystem needs root");
        QTemporaryDir data;
        if (QProcess::execute("mount", { "-t", "tmpfs", "-o", options, "tmpfs", data.path() }) != 0)
            QSKIP("tmpfs cannot be mounted here");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", { data.path() }); });
        if (options == "size=64k") {
            // Filled to the last block: dd says so, and that is what is wanted.
            QProcess fill;
            fill.setStandardErrorFile(QProcess::nullDevice());
            fill.start("dd", { "if=/dev/zero", "of=" + data.filePath("fill"), "bs=4k", "count=100", "status=none" });
            fill.waitForFinished();
        }
        const QString location = record("sqlite");
        SimProcess unit;
        QVERIFY(unit.start({ "--product", "kv5", "--module", "tarn" }));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data.path());
        const Run refused = cli({ "provision", "--profile", writeFile(dir, "po.json", Profile), "--record", location,
                                  "--port", unit.portPath() },
                                environment);
        QVERIFY2(refused.exitCode == 1, refused.err.right(6000).constData());
        QVERIFY2(refused.err.contains("the outbox"), refused.err.constData());
        QVERIFY(unit.received().isEmpty());
    }

    // The server stops after a unit stored: its one line says its row
    // waits here, and the program says so in its exit status; back again,
    // check lists the unit as pending, release gives its address back, and
    // record sync forwards the row that waited. A program killed before storing leaves a
    // reservation that ends with time, and --replace takes the address.
    void unfinishedUnits()
    {
        const QString location = record("postgresql");
        const QString database = location.section('/', 3).section('?', 0, 0);
        const QString profile = writeFile(dir, "p5.json", Profile);
        std::vector<std::unique_ptr<SimProcess>> units;
        QProcess process;
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "5", "--record", location, "--station",
                                     "A", "--operator", "ann", "--record-wait", "1" }
                           + startUnits(units, 1),
              environment());
        QVERIFY(units.front()->waitForReceived("AT&W", 20000));
        QVERIFY2(postgres->stop(), qPrintable(postgres->errorString()));
        const Run stopped = finish(process);
        QVERIFY2(stopped.exitCode == 9, stopped.err.right(4000).constData());
        const QList<QByteArray> lines = stopped.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).endsWith(": verified (network address 4321, unit address 5); waiting for the shared record"),
                 lines.at(0).constData());
        QVERIFY2(lines.at(1).startsWith("1 of 1 unit verified"), lines.at(1).constData());
        QVERIFY2(stopped.err.contains("1 row(s) still wait for the shared record"), stopped.err.constData());

        QVERIFY2(postgres->resume(), qPrintable(postgres->errorString()));
        const Run pending = cli({ "record", "check", "--record", location, "--json" }, environment());
        QCOMPARE(pending.exitCode, 4);
        const QJsonObject finding = QJsonDocument::fromJson(pending.out).array().first().toObject();
        QCOMPARE(finding["kind"].toString(), QStringLiteral("pending"));
        QCOMPARE(finding["station"].toString() + ' ' + finding["operator"].toString(), QStringLiteral("A ann"));
        const Run released = cli({ "record", "release", "--network", "4321", "--unit", "5", "--record", location }, environment());
        QCOMPARE(released.exitCode, 0);
        QVERIFY2(released.out.contains("pending by station A (operator ann)"), released.out.constData());
        QCOMPARE(cli({ "record", "check", "--record", location }, environment()).exitCode, 0);
        const Run synced = cli({ "record", "sync", "--record", location }, environment());
        QVERIFY2(synced.exitCode == 0, synced.err.right(6000).constData());
        QVERIFY2(synced.out.startsWith("1 row forwarded"), synced.out.constData());
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units WHERE unit_address = 5 AND result = 'verified'"),
                 QStringLiteral("1"));

        // Killed while writing: its pending row says the unit may hold the
        // address, which only --replace (or record release) takes over.
        units.clear();
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "6", "--record", location, "--station", "B" }
                           + startUnits(units, 1),
              environment());
        QVERIFY(units.front()->waitForReceived("ATS102=", 20000));
        process.kill();
        process.waitForFinished();
        const Run check = cli({ "record", "check", "--record", location }, environment());
        QVERIFY2(check.out.contains("a unit may hold unit address 6: station B"), check.out.constData());
        SimProcess next;
        QVERIFY(next.start({ "--product", "kv5", "--module", "tarn" }));
        const QStringList write { "write", "--port", next.portPath(), "--profile", profile, "--unit", "6", "--no-verify",
                                  "--record", location };
        const Run held = cli(write, environment());
        QCOMPARE(held.exitCode, 7);
        QVERIFY2(held.out.contains("already in use") || held.err.contains("already in use"), held.err.constData());
        QVERIFY(!next.received().contains("AT&F"));
        // A reservation whose station never came back ends with time.
        postgres->sql(database, "UPDATE units SET result = 'reserved', time = '2026-01-01T00:00:00Z' WHERE result = 'pending'");
        QVERIFY(cli({ "record", "check", "--record", location }, environment()).out.contains("reserved by station B"));
        const Run replaced = cli(write + QStringList { "--replace" }, environment());
        QCOMPARE(replaced.exitCode, 0);
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units WHERE unit_address = 6 AND result = 'written'"),
                 QStringLiteral("1"));
        QVERIFY(!replaced.err.contains("transaction"));
    }

    // A shared record of the first schema is brought up to date in place by
    // the first import into it, rows kept and columns typed as psql sees
    // them; a file with one bad row imports nothing, and says where.
    void postgresMigration()
    {
        const QString location = record("postgresql");
        const QString database = location.section('/', 3).section('?', 0, 0);
        postgres->sql(database, QString::fromLatin1(RecordSchemaOne).arg("BIGSERIAL PRIMARY KEY"));
        const QByteArray good = recordHeader().join(',').toUtf8() + "\r\n"
            + "2026-12-08 09:15:02,/dev/ttyUSB0,kv5,tarn,p2mp,7,500,Slave(Remote),9600,172800,1000mW,,verified,,c,A,ann,1\r\n";
        const QString bad = writeFile(dir, "bad.csv", good + good.mid(good.indexOf('\n') + 1).replace("verified", "hacked"));
        const Run refused = cli({ "record", "import", bad, "--record", location }, environment());
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("line 3: result \"hacked\""), refused.err.constData());
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units"), QStringLiteral("2"));
        const Run imported = cli({ "record", "import", writeFile(dir, "good.csv", good), "--record", location }, environment());
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(postgres->sql(database, "SELECT pg_typeof(time), pg_typeof(baud), pg_typeof(link_rate) FROM units LIMIT 1"),
                 QStringLiteral("timestamp with time zone|integer|integer"));
        QCOMPARE(postgres->sql(database, "SELECT id, baud, link_rate, time AT TIME ZONE 'UTC', station FROM units ORDER BY id"),
                 QStringLiteral("1|9600|172800|2026-12-01 10:00:00|\n2|||2026-12-01 10:05:00|\n3|9600|172800|2026-12-08 09:15:02|A"));
    }

    // A CSV record taken in (twice: nothing doubles), checked for units
    // that cannot work together, and written out again with its columns.
    void importCheckExport()
    {
        const QString location = record("sqlite");
        // A file written before the attempt column.
        const QByteArray header = recordHeader().mid(0, 14).join(',').toUtf8() + "\r\n";
        const QByteArray rows = header
            + "2026-12-01T10:00:00Z,/dev/ttyUSB0,kv5,tarn,p2mp,1,500,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:01:00Z,/dev/ttyUSB1,kv5,tarn,p2mp,2,500,Slave(Remote),9600,230400,1000mW,,verified,\r\n"
              "2026-12-01T10:02:00Z,/dev/ttyUSB2,kv5,tarn,p2mp,2,600,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:03:00Z,/dev/ttyUSB3,kv5,tarn,p2mp,2,600,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:04:00Z,/dev/ttyUSB4,kv5,tarn,p2mp,3,600,Slave(Remote),9600,172800,1000mW,,written,\r\n";
        const QString csv = writeFile(dir, "old.csv", rows);
        const Run first = cli({ "record", "import", csv, "--record", location });
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.startsWith("5 rows imported"), first.out.constData());
        const Run again = cli({ "record", "import", csv, "--record", location });
        QVERIFY2(again.out.startsWith("0 rows imported") && again.out.contains("5 skipped"), again.out.constData());
        const Run check = cli({ "record", "check", "--record", location, "--json" });
        QCOMPARE(check.exitCode, 4);
        QStringList kinds;
        // Addresses are numbers here as in every other command's JSON; none is null.
        const auto address = [](const QJsonValue &value) {
            return value.isNull() ? QString() : QString::number(qint64(value.toDouble(-1)));
        };
        for (const QJsonValue &finding : QJsonDocument::fromJson(check.out).array())
            kinds << finding["kind"].toString() + ' ' + address(finding["networkAddress"]) + ' ' + address(finding["unitAddress"]);
        kinds.sort();
        QCOMPARE(kinds, (QStringList { "duplicate 600 2", "link 500 ", "never-verified 600 3" }));
        // Out with the attempt each row was taken in as, so it never comes in twice.
        const QList<QStringList> exported = parseCsv(QString::fromUtf8(cli({ "record", "export", "--csv", "--record", location }).out));
        const QList<QStringList> given = parseCsv(QString::fromUtf8(rows));
        QCOMPARE(exported.size(), given.size());
        QCOMPARE(exported.first(), recordHeader());
        for (qsizetype i = 1; i < given.size(); ++i) {
            QCOMPARE(exported.at(i).mid(1, 13), given.at(i).mid(1));
            QCOMPARE(recordTimeFromText(exported.at(i).at(0)), recordTimeFromText(given.at(i).at(0)));
        }
        const QString out = writeFile(dir, "exported.csv", cli({ "record", "export", "--csv", "--record", location }).out);
        QVERIFY(cli({ "record", "import", out, "--record", location }).out.contains("5 skipped"));

        // Only a file is read: a device or a pipe is refused at once.
        QVERIFY(QProcess::execute("mkfifo", { dir.filePath("fifo") }) == 0);
        for (const QString &path : { QStringLiteral("/dev/zero"), dir.filePath("fifo") }) {
            const Run refused = cli({ "record", "import", path, "--record", location });
            QCOMPARE(refused.exitCode, 1);
            QVERIFY2(refused.err.contains("not a regular file"), refused.err.constData());
        }
        // Reading a record never makes one.
        const Run typo = cli({ "record", "list", "--record", dir.filePath("typo.kvxdb") });
        QCOMPARE(typo.exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("typo.kvxdb")));

        // A record made by a later version of the tool is left alone.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "later");
            db.setDatabaseName(location);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE kvx_schema SET version = 99"));
        }
        QSqlDatabase::removeDatabase("later");
        const Run later = cli({ "record", "list", "--record", location });
        QCOMPARE(later.exitCode, 1);
        QVERIFY2(later.err.contains("later version"), later.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
