// One record shared by several stations: kvx-cli against simulated units,
// into SQLite and into a real PostgreSQL server started here.

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "records/recordfile.h"
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

        // The server stops: the next units are not stored, and say why.
        units.clear();
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "auto", "--record", location, "--quiet" }
                           + startUnits(units, 2, "kv6"),
              environment());
        QVERIFY(units.front()->waitForReceived("ATS102=", 20000));
        QVERIFY2(postgres->stop(), qPrintable(postgres->errorString()));
        const Run stopped = finish(process);
        QCOMPARE(stopped.exitCode, 7);
        QVERIFY2(stopped.out.contains("record database") || stopped.err.contains("record database"), stopped.err.constData());
        for (const auto &unit : units)
            QVERIFY(!unit->received().contains("AT&W"));
        postgres.reset();
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
        QCOMPARE(synced.exitCode, 0);
        QVERIFY2(synced.out.startsWith("1 row forwarded"), synced.out.constData());
        QCOMPARE(postgres->sql(database, "SELECT count(*) FROM units WHERE unit_address = 5 AND result = 'verified'"),
                 QStringLiteral("1"));

        // Killed while writing: the reservation holds until it ends.
        units.clear();
        start(process, QStringList { "provision", "--profile", profile, "--unit-start", "6", "--record", location, "--station", "B" }
                           + startUnits(units, 1),
              environment());
        QVERIFY(units.front()->waitForReceived("ATS102=", 20000));
        process.kill();
        process.waitForFinished();
        SimProcess next;
        QVERIFY(next.start({ "--product", "kv5", "--module", "tarn" }));
        const QStringList replace { "write", "--port", next.portPath(), "--profile", profile, "--unit", "6", "--replace",
                                    "--no-verify", "--record", location };
        const Run held = cli(replace, environment());
        QCOMPARE(held.exitCode, 7);
        QVERIFY2(held.out.contains("being written by station B") || held.err.contains("being written by station B"),
                 held.err.constData());
        QVERIFY(!next.received().contains("AT&F"));
        // Ten minutes later (the row's time moved back): ended, and taken.
        postgres->sql(database, "UPDATE units SET time = '2026-01-01T00:00:00Z' WHERE result = 'reserved'");
        QVERIFY(cli({ "record", "check", "--record", location }, environment()).out.contains("reserved by station B"));
        const Run replaced = cli(replace, environment());
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
