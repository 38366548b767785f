// What the record refuses, keeps and finds, in-process: a CSV file taken
// in (or not, whole), cells a spreadsheet would run, the check of a
// record's rows, and SQLite records: reservations, an older schema brought
// up to date, and nothing left beside a record that is refused.

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>

#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "support/schemaone.h"

namespace {

const QByteArray Header = recordHeader().join(',').toUtf8() + "\r\n";
const QByteArray Row = "2026-12-08 09:15:02,/dev/ttyUSB0,kv5,tarn,p2mp,7,500,Slave(Remote),9600,172800,1000mW,,verified,,"
                       "a1,A,ann,1.0\r\n";

bool import(const QByteArray &bytes, QList<RecordRow> *rows, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readImportRows(&buffer, rows, error);
}

RecordRow row(const QString &result, qint64 unit, const QDateTime &time, const QString &attempt = QString())
{
    RecordRow r;
    r.record.time = time;
    r.record.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
    r.record.settings.registers = { { Reg::LinkRate, 1 }, { Reg::NetworkAddress, 500 }, { Reg::UnitAddress, unit } };
    r.record.result = result;
    r.record.station = QStringLiteral("A");
    r.attempt = attempt;
    return r;
}

QString sqlite3(const QString &path, const QString &statement)
{
    QProcess process;
    process.start(QStringLiteral("sqlite3"), { path, statement });
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QStringList filesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

class TestRecordRules : public QObject
{
    Q_OBJECT

private slots:
    void importRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QByteArray row = Row;
        QTest::newRow("quote inside a field") << Header + row.replace("/dev/ttyUSB0", "/dev/\"tty") << "line 2: a quote inside";
        QTest::newRow("text after a quote") << Header + Row + "\"a\"b" + Row.mid(1) << "line 3: text after the closing quote";
        QTest::newRow("never closed") << Header + "\"2026" << "line 2: a quoted field is never closed";
        QTest::newRow("result") << Header + QByteArray(Row).replace("verified", "hacked") << "line 2: result \"hacked\"";
        QTest::newRow("unit address") << Header + QByteArray(Row).replace(",7,", ",abc,") << "line 2: unit_address \"abc\"";
        QTest::newRow("network range") << Header + QByteArray(Row).replace(",500,", ",4294967296,")
                                       << "line 2: network_address \"4294967296\"";
        QTest::newRow("caption") << Header + QByteArray(Row).replace("172800", "999") << "line 2: link_rate \"999\"";
        QTest::newRow("module") << Header + QByteArray(Row).replace("tarn", "moor") << "line 2: module \"moor\"";
        QTest::newRow("time") << Header + QByteArray(Row).replace("2026-12-08 09:15:02", "yesterday") << "line 2: time";
        QTest::newRow("fields") << Header + QByteArray(1 << 20, ',') << "line 2: more than";
        QTest::newRow("long line") << Header + Row + QByteArray(MaxRecordRowBytes + 10, 'x') << "line 3: longer than";
        QTest::newRow("not UTF-8") << Header + QByteArray(Row).replace("ann", "\xff\xfe") << "line 2: the text is not UTF-8";
        QTest::newRow("after a quoted line end") << Header + QByteArray(Row).replace(",,a1", ",\"two\r\nlines\",a1")
                                                    + QByteArray(Row).replace("verified", "hacked") << "line 4: result";
        QTest::newRow("header") << QByteArray("time,port\r\n") + Row << "not a provisioning record";
    }
    // A refused file gives no rows at all, and says which line.
    void importRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QList<RecordRow> rows { RecordRow() };
        QString why;
        QVERIFY(!import(bytes, &rows, &why));
        QVERIFY2(why.startsWith(error), qPrintable(why));
        QVERIFY(rows.isEmpty());
    }

    void cellsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : { "=1+1", "+41", "-2", "@SUM(A1)", "\tx", "\rx", "'=x", "''", "'plain", "'", "plain, \"quoted\"" })
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    // A cell a spreadsheet would run is written guarded, and reads back as
    // it was given, through the file's own reader and through import.
    void cellsRoundTrip()
    {
        QFETCH(QString, text);
        QVERIFY(!QStringLiteral("=+-@\t\r").contains(guardedCell(text).at(0)));
        RecordRow given = row(QStringLiteral("verified"), 3, QDateTime(QDate(2026, 12, 8), QTime(9, 15, 2), Qt::UTC), "a1");
        given.record.config.port = given.record.detail = given.record.operatorName = text;
        const QByteArray line = recordLine(given.record, given.attempt);
        QVERIFY(line.startsWith("2026-12-08T09:15:02,"));
        QList<RecordRow> rows;
        QString error;
        QVERIFY2(import(Header + line, &rows, &error), qPrintable(error));
        QCOMPARE(recordFields(rows.value(0).record, rows.value(0).attempt), recordFields(given.record, given.attempt));
        QCOMPARE(rows.first().record.detail, text);
    }

    void findings_data()
    {
        QTest::addColumn<QStringList>("results");   // result@minutes-ago, one unit address each, or "=" for the same as before
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("fresh reservation") << QStringList { "reserved@1" } << QStringList {};
        QTest::newRow("old reservation") << QStringList { "reserved@11" } << QStringList { "expired" };
        QTest::newRow("marked expired") << QStringList { "expired@1", "verified@0" } << QStringList { "expired" };
        QTest::newRow("pending") << QStringList { "pending@1" } << QStringList { "pending" };
        QTest::newRow("released") << QStringList { "released@20", "verified@0" } << QStringList {};
        QTest::newRow("twice") << QStringList { "verified@2", "=verified@1" } << QStringList { "duplicate" };
        QTest::newRow("written") << QStringList { "written@2" } << QStringList { "never-verified" };
    }
    void findings()
    {
        QFETCH(QStringList, results);
        QFETCH(QStringList, kinds);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<RecordRow> rows;
        qint64 unit = 1;
        for (const QString &result : results) {
            if (!result.startsWith('='))
                ++unit;
            const QString word = result.section('@', 0, 0).remove('=');
            rows << row(word, unit, now.addSecs(-60 * result.section('@', 1).toInt()));
        }
        QStringList found;
        for (const RecordFinding &finding : checkRecord(rows, now, 600))
            found << findingKey(finding.kind);
        QCOMPARE(found, kinds);
    }

    // Unit addresses handed out, an abandoned reservation marked expired by
    // the next one and still reported, then given back by hand.
    void reservations()
    {
        QTemporaryDir dir;
        DatabaseRecord record(dir.filePath("units.kvxdb"));
        QString error;
        QVERIFY2(record.prepare(&error), qPrintable(error));
        UnitRecord unit = row("reserved", 0, QDateTime::currentDateTimeUtc()).record;
        const QByteArray first = record.reserveUnit({}, &unit, 1, false, false, &error);
        QCOMPARE(unit.settings.value(Reg::UnitAddress), 1);
        QVERIFY(!record.reserveUnit({}, &unit, 1, false, false, &error).isEmpty());
        QCOMPARE(unit.settings.value(Reg::UnitAddress), 2);
        QCOMPARE(record.writeRow(first, row("verified", 1, QDateTime::currentDateTimeUtc()).record, &error), first);
        bool inUse = false;
        QVERIFY(record.reserveUnit({}, &unit, 2, true, true, &error, &inUse).isEmpty() && inUse);
        // The second reservation's station never came back.
        record.setReservationTimeout(0);
        QTest::qWait(1100);
        QVERIFY(!record.reserveUnit({}, &unit, 2, true, false, &error).isEmpty());
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.at(1).record.result, QStringLiteral("expired"));
        record.setReservationTimeout(600);
        QList<RecordFinding> findings = checkRecord(rows);
        QCOMPARE(findings.size(), 1);
        QCOMPARE(findingKey(findings.first().kind), QStringLiteral("expired"));
        QList<RecordRow> released;
        QVERIFY(record.release("500", "2", &released, &error));
        QCOMPARE(released.size(), 2);
        QVERIFY(checkRecord(record.rows()).isEmpty());
        QCOMPARE(record.rows().at(0).record.result, QStringLiteral("verified"));
    }

    // A record of the first schema, made by SQL, is brought up to date in
    // place: every row kept, times and rates typed, as sqlite3 sees them.
    void migration()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.kvxdb");
        sqlite3(path, QString::fromLatin1(RecordSchemaOne).arg("INTEGER PRIMARY KEY AUTOINCREMENT"));
        {
            DatabaseRecord record(path);
            QString error;
            QVERIFY2(record.prepare(&error), qPrintable(error));
            QCOMPARE(record.schemaVersion(), DatabaseRecord::SchemaVersion);
            QCOMPARE(record.rows().size(), 2);
            QCOMPARE(recordCaptions(record.rows().first().record).mid(1, 2), (QStringList { "9600", "172800" }));
            QVERIFY(!record.writeRow({}, row("verified", 6, QDateTime::currentDateTimeUtc()).record, &error).isEmpty());
        }
        QCOMPARE(sqlite3(path, "SELECT id, typeof(baud), typeof(link_rate), datetime(time), typeof(unit_address) "
                               "FROM units ORDER BY id LIMIT 2"),
                 QStringLiteral("1|integer|integer|2026-12-01 10:00:00|integer\n2|null|null|2026-12-01 10:05:00|integer"));
        QCOMPARE(sqlite3(path, "SELECT count(*), max(id) FROM units"), QStringLiteral("3|3"));
    }

    void refusedLeavesNothing_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("later schema") << "CREATE TABLE kvx_schema (version INTEGER); INSERT INTO kvx_schema VALUES (99);"
                                      << QByteArray() << "the record was made by a later version";
        QTest::newRow("another program's") << "CREATE TABLE notes (text TEXT);" << QByteArray() << "not a provisioning record";
        QTest::newRow("not a database") << QString() << QByteArray("time,port\r\n") << "not a record database";
    }
    // A record refused, for whatever reason, gets no file beside it, and
    // stays as it was.
    void refusedLeavesNothing()
    {
        QFETCH(QString, sql);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath("units.kvxdb");
        if (!sql.isEmpty())
            sqlite3(path, sql);
        else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QStringList before = filesIn(dir.path());
        for (bool write : { true, false }) {
            DatabaseRecord record(path);
            QString why;
            QVERIFY(!(write ? record.prepare(&why) : record.openExisting(&why)));
            QVERIFY2(why.startsWith(error), qPrintable(why));
            QCOMPARE(filesIn(dir.path()), before);
        }
    }

    // No room left: a new record is not made, and one that was accepted
    // before gets no cut-short file beside it; it opens again once there
    // is room.
    void fullDisk()
    {
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QVERIFY(QDir(dir.path()).mkdir("small"));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=2m") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root); CI runs as root");
        struct Unmount {
            QByteArray point;
            ~Unmount() { ::umount(point.constData()); }
        } unmount { QFile::encodeName(mountPoint) };
        const QString path = mountPoint + "/units.kvxdb";
        {
            DatabaseRecord record(path);
            QVERIFY(record.prepare(nullptr));
        }
        const QStringList accepted = filesIn(mountPoint);
        QFile filler(mountPoint + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        for (const QString &name : { QStringLiteral("units.kvxdb"), QStringLiteral("new.kvxdb") }) {
            DatabaseRecord record(mountPoint + '/' + name);
            QString why;
            QVERIFY(!record.prepare(&why));
            QVERIFY2(why.contains("space"), qPrintable(why));
            QStringList expected = accepted + QStringList { "filler" };
            expected.sort();
            QCOMPARE(filesIn(mountPoint), expected);
        }
        filler.close();
        QVERIFY(filler.remove());
        DatabaseRecord record(path);
        QVERIFY(record.prepare(nullptr));
    }
};

QTEST_GUILESS_MAIN(TestRecordRules)
#include "tst_recordrules.moc"
