// Each unit's own code in every record kind: kept in the CSV journal and the
// database, older records read without it, and record check's findings of a
// code on two addresses or two codes on one; and the figures of a day.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "records/databaserecord.h"
#include "records/recordfigures.h"
#include "records/recordfile.h"

namespace {

// "code@network/unit result hour", e.g. "A@42/5 verified 10".
RecordRow row(const QString &description)
{
    const QStringList parts = description.split(QLatin1Char(' '));
    const QString code = parts.at(0).section(QLatin1Char('@'), 0, 0);
    const QString address = parts.at(0).section(QLatin1Char('@'), 1);
    RecordRow r;
    r.record.time = QDateTime(QDate(2026, 12, 8), QTime(parts.value(2, "10").toInt(), 30), Qt::UTC);
    r.record.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn,
                        address.contains(QLatin1Char('/')) ? LinkMode::PointToMultipoint : LinkMode::PointToPoint };
    r.record.settings.set(Reg::NetworkAddress, address.section(QLatin1Char('/'), 0, 0).toLongLong());
    if (address.contains(QLatin1Char('/')))
        r.record.settings.set(Reg::UnitAddress, address.section(QLatin1Char('/'), 1).toLongLong());
    r.record.result = parts.value(1, "verified");
    r.record.serial = code;
    r.record.station = parts.value(3);
    return r;
}

QList<RecordRow> rowsOf(const QStringList &descriptions)
{
    QList<RecordRow> rows;
    for (const QString &description : descriptions)
        rows << row(description);
    return rows;
}

QStringList codeFindings(const QList<RecordRow> &rows)
{
    QStringList kinds;
    for (const RecordFinding &finding : checkRecord(rows)) {
        if (finding.kind == RecordFinding::CodeTwoAddresses || finding.kind == RecordFinding::AddressTwoCodes)
            kinds << QStringLiteral("%1 %2").arg(findingKey(finding.kind), finding.text.section(QLatin1Char('('), 1).chopped(1));
    }
    return kinds;
}

} // namespace

class TestUnitCodes : public QObject
{
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("one code, one address, written again") << QStringList { "A@42/5", "A@42/5" } << QStringList();
        QTest::newRow("one code on two unit addresses")
            << QStringList { "A@42/5", "A@42/6" } << QStringList { "code-addresses network 42 unit 5, network 42 unit 6" };
        QTest::newRow("the old address since given to another unit")
            << QStringList { "A@42/5", "B@42/5 verified 11", "A@42/6" } << QStringList { "address-codes A, B" };
        QTest::newRow("two codes on one address") << QStringList { "A@42/5", "B@42/5" } << QStringList { "address-codes A, B" };
        QTest::newRow("a failed write holds nothing") << QStringList { "A@42/5", "B@42/5 refused" } << QStringList();
        QTest::newRow("point to point on two networks")
            << QStringList { "A@42", "A@43" } << QStringList { "code-addresses network 42, network 43" };
        QTest::newRow("a point-to-point pair shares its network") << QStringList { "A@42", "B@42" } << QStringList();
        QTest::newRow("units without codes") << QStringList { "@42/5", "@42/6" } << QStringList();
    }
    void findings()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, found);
        QCOMPARE(codeFindings(rowsOf(rows)), found);
    }

    // The code in the journal's last column; rows of older widths read
    // without one, in the same file.
    void journalKeepsCodes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("units.csv");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(recordHeader().mid(0, 15).join(QLatin1Char(',')).toUtf8() + "\r\n");
            file.write("2026-12-08T09:00:00Z,/dev/ttyUSB1,kv5,tarn,p2mp,4,42,,,,,,verified,,old-attempt\r\n");
        }
        RecordFile record(path);
        QString error;
        QVERIFY2(!record.writeRow({}, row("SN-7,\"x\"@42/5").record, &error).isEmpty(), qPrintable(error));
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).record.serial, QString());
        QCOMPARE(rows.at(1).record.serial, QStringLiteral("SN-7,\"x\""));
        QCOMPARE(record.journal().last().last(), QStringLiteral("SN-7,\"x\""));
    }

    // A database of the schema before codes is brought up to date in place:
    // its rows stay, without a code; new rows keep theirs.
    void databaseMigrates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("units.kvxdb");
        {
            DatabaseRecord record(path);
            QString error;
            QVERIFY2(!record.writeRow({}, row("A@42/5").record, &error).isEmpty(), qPrintable(error));
        }
        {
            // Back to the schema the code came after.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("DROP INDEX units_by_serial"));
            QVERIFY(query.exec("ALTER TABLE units DROP COLUMN serial"));
            QVERIFY(query.exec("UPDATE kvx_schema SET version = 1"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        DatabaseRecord record(path);
        QString error;
        QVERIFY2(!record.writeRow({}, row("B@42/6").record, &error).isEmpty(), qPrintable(error));
        QCOMPARE(record.schemaVersion(), DatabaseRecord::SchemaVersion);
        const QList<RecordRow> rows = record.rows(&error);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).record.serial, QString());
        QCOMPARE(rows.at(1).record.serial, QStringLiteral("B"));
    }

    // Counted by attempt over the range; checks apart, every hour listed.
    void figures()
    {
        const QList<RecordRow> rows = rowsOf({ "A@42/1 verified 9 s1", "B@42/2 refused 9 s1", "C@42/3 verified 10 s2",
                                               "D@42/4 written 10 s2", "E@42/5 mismatch 12 s1", "F@42/6 matches 12 s1",
                                               "G@42/7 verified 23 s1" });
        const RecordFigures f = recordFigures(rows, QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC),
                                              QDateTime(QDate(2026, 12, 8), QTime(13, 0), Qt::UTC));
        QCOMPARE(f.total.attempts, 5);
        QCOMPARE(f.total.good, 3);
        QCOMPARE(f.inspections, 1);
        QCOMPARE(f.perHour.size(), 4);
        QList<int> attempts;
        QList<int> good;
        for (const FigureCount &hour : f.perHour) {
            attempts << hour.attempts;
            good << hour.good;
        }
        QCOMPARE(attempts, QList<int>({ 2, 2, 0, 1 }));
        QCOMPARE(good, QList<int>({ 1, 2, 0, 0 }));
        QCOMPARE(f.failures, (QMap<QString, int> { { "a line refused", 1 }, { "read back otherwise", 1 } }));
        QCOMPARE(f.byStation.value("s1").attempts, 3);
        QCOMPARE(f.byStation.value("s1").good, 1);
        QCOMPARE(f.byStation.value("s2").good, 2);
    }

    // Failures count by what went wrong, like causes together: the line
    // refused, the registers read otherwise, a reason without its numbers.
    void failureCauses_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("good");
        QTest::newRow("refused") << "refused" << "refused ATS103=8" << "line refused: ATS103" << false;
        QTest::newRow("mismatch") << "mismatch" << "S103 reads 1, 4 was written; S108 reads 0, 10 was written"
                                  << "read back otherwise: S103, S108" << false;
        QTest::newRow("no report") << "failed" << "no settings report from the modem within 3000 ms (KV5 answers at 9600 baud)"
                                   << "no settings report from the modem within N ms" << false;
        QTest::newRow("unanswered") << "failed" << "lines unanswered before AT&W" << "lines left unanswered" << false;
        QTest::newRow("check unanswered") << "written" << "not verified: the modem stopped answering"
                                          << "no answer to the check" << false;
        QTest::newRow("written, no check") << "written" << "" << "" << true;
    }
    void failureCauses()
    {
        QFETCH(QString, result);
        QFETCH(QString, detail);
        QFETCH(QString, cause);
        QFETCH(bool, good);
        RecordRow row = rowsOf({ "A@42/1 verified 9 s1" }).first();
        row.record.result = result;
        row.record.detail = detail;
        QCOMPARE(isGoodRow(row), good);
        if (!good)
            QCOMPARE(failureCause(row.record), cause);
    }
};

QTEST_GUILESS_MAIN(TestUnitCodes)
#include "tst_unitcodes.moc"
