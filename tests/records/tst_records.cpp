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

#include "radio/recordfile.h"
#include "support/pgserver.h"
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

    // A CSV record taken in, checked for units that cannot work together,
    // and written out again with the same columns.
    void importCheckExport()
    {
        const QString location = record("sqlite");
        const QByteArray header = recordHeader().join(',').toUtf8() + "\r\n";
        const QByteArray rows = header
            + "2026-12-01T10:00:00Z,/dev/ttyUSB0,kv5,tarn,p2mp,1,500,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:01:00Z,/dev/ttyUSB1,kv5,tarn,p2mp,2,500,Slave(Remote),9600,230400,1000mW,,verified,\r\n"
              "2026-12-01T10:02:00Z,/dev/ttyUSB2,kv5,tarn,p2mp,2,600,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:03:00Z,/dev/ttyUSB3,kv5,tarn,p2mp,2,600,Slave(Remote),9600,172800,1000mW,,verified,\r\n"
              "2026-12-01T10:04:00Z,/dev/ttyUSB4,kv5,tarn,p2mp,3,600,Slave(Remote),9600,172800,1000mW,,written,\r\n";
        const QString csv = writeFile(dir, "old.csv", rows);
        QCOMPARE(cli({ "record", "import", csv, "--record", location }).exitCode, 0);
        const Run check = cli({ "record", "check", "--record", location, "--json" });
        QCOMPARE(check.exitCode, 4);
        QStringList kinds;
        for (const QJsonValue &finding : QJsonDocument::fromJson(check.out).array())
            kinds << finding["kind"].toString() + ' ' + finding["networkAddress"].toString() + ' ' + finding["unitAddress"].toString();
        kinds.sort();
        QCOMPARE(kinds, (QStringList { "duplicate 600 2", "link 500 ", "never-verified 600 3" }));
        const Run exported = cli({ "record", "export", "--csv", "--record", location });
        QCOMPARE(exported.out, rows);

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
