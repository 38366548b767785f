// Rows kept on this machine while the shared record's server is stopped:
// each unit is told its row waits, and once the server is back every row
// lands, in order, once, also when an outbox is forwarded again after a
// crash between forwarding and marking.

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/recordkeeper.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"
#include "support/pgserver.h"

namespace {

UnitRecord unit(qint64 address, const QString &result)
{
    UnitRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
    record.settings.registers = { { Reg::WorkMode, 2 }, { Reg::SerialBaud, 7 }, { Reg::LinkRate, 0 }, { Reg::OutputPower, 30 },
                                  { Reg::NetworkAddress, 4321 }, { Reg::UnitAddress, address } };
    record.result = result;
    return record;
}

} // namespace

class TestRecordKeeper : public QObject
{
    Q_OBJECT

private slots:
    void rowsWaitThenLandOnce()
    {
        if (PostgresServer::binDirectory().isEmpty())
            QSKIP("PostgreSQL is not installed");
        PostgresServer server;
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QVERIFY(server.createDatabase("units"));
        const QProcessEnvironment environment = server.clientEnvironment();
        for (const QString &key : environment.keys())
            qputenv(key.toLocal8Bit(), environment.value(key).toLocal8Bit());
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString location = server.location("units");
        QStringList attempts;
        {
            RecordKeeper keeper;
            QSignalSpy opened(&keeper, &RecordKeeper::opened);
            keeper.open(QString(), location);
            QVERIFY(opened.wait(20000));
            QVERIFY(keeper.isOpen());

            QVERIFY(server.stop());
            QList<RecordKeeper::Reply> replies;
            for (int i = 0; i < 3; ++i) {
                attempts << newAttemptId();
                keeper.writeRow(this, attempts.last(), unit(i + 1, "pending"), false, false, [](const RecordKeeper::Reply &) {});
                keeper.writeRow(this, attempts.last(), unit(i + 1, "verified"), false, true,
                                [&replies](const RecordKeeper::Reply &reply) { replies << reply; });
            }
            QTRY_COMPARE_WITH_TIMEOUT(replies.size(), 3, 30000);
            for (const RecordKeeper::Reply &reply : replies)
                QVERIFY(reply.error.isEmpty() && reply.waiting);
            QTRY_COMPARE(keeper.waiting(), 6);

            QVERIFY(server.resume());
            keeper.retryNow();
            QTRY_COMPARE_WITH_TIMEOUT(keeper.waiting(), 0, 30000);
        }
        QCOMPARE(server.sql("units", "SELECT count(*), count(DISTINCT attempt) FROM units WHERE result = 'verified'"),
                 QStringLiteral("3|3"));
        // Everything landed: no outbox is left.
        const QString folder = RecordKeeper::outboxFolder();
        QCOMPARE(QDir(folder).entryList({ "*.csv" }, QDir::Files), QStringList());

        // A program killed after forwarding, before marking: the next run
        // forwards its outbox again, and the rows stay one each.
        RecordFile left(QDir(folder).filePath(RecordKeeper::outboxStem(recordShownName(location)) + "-killed.csv"));
        QVERIFY(left.prepare());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!left.writeRow(attempts.at(i).toLatin1(), unit(i + 1, "verified"), nullptr).isEmpty());
        RecordKeeper next;
        QSignalSpy opened(&next, &RecordKeeper::opened);
        next.open(QString(), location);
        QVERIFY(opened.wait(20000));
        QTRY_COMPARE_WITH_TIMEOUT(next.waiting(), 0, 30000);
        QTRY_VERIFY(!QFile::exists(left.path()));
        QCOMPARE(server.sql("units", "SELECT count(*) FROM units"), QStringLiteral("3"));
    }

    // A database file another program holds (sqlite3's BEGIN EXCLUSIVE):
    // the unit's last row is answered as waiting long before the database's
    // own busy wait ends, the rows are counted while it waits, and they
    // land once it is let go.
    void busyDatabaseHoldsNoUnit()
    {
        const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite.isEmpty())
            QSKIP("sqlite3 is not installed");
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString location = data.filePath("units.kvxdb");
        RecordKeeper keeper;
        QSignalSpy opened(&keeper, &RecordKeeper::opened);
        keeper.open(QString(), location);
        QVERIFY(opened.wait(20000));
        QVERIFY(keeper.isOpen());

        QProcess holder;
        holder.start(sqlite, { location });
        QVERIFY(holder.waitForStarted());
        // Told by a program of its own: the shell's output is buffered on a pipe.
        holder.write(".timeout 5000\nBEGIN EXCLUSIVE;\n.shell echo held\n");
        QByteArray said;
        QTRY_VERIFY((said += holder.readAllStandardOutput()).contains("held"));

        QList<RecordKeeper::Reply> replies;
        const QString attempt = newAttemptId();
        keeper.writeRow(this, attempt, unit(1, "pending"), false, false, [](const RecordKeeper::Reply &) {});
        keeper.writeRow(this, attempt, unit(1, "verified"), false, true,
                        [&replies](const RecordKeeper::Reply &reply) { replies << reply; });
        // SQLite itself would wait 20 s for the lock.
        QTRY_COMPARE_WITH_TIMEOUT(replies.size(), 1, 8000);
        QVERIFY(replies.first().error.isEmpty() && replies.first().waiting);
        QCOMPARE(keeper.waiting(), 2);

        holder.write("ROLLBACK;\n.quit\n");
        QVERIFY(holder.waitForFinished());
        keeper.retryNow();
        QTRY_COMPARE_WITH_TIMEOUT(keeper.waiting(), 0, 30000);
        QCOMPARE(replies.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecordKeeper)
#include "tst_recordkeeper.moc"
