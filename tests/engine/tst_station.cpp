// The station: its one rule for unit addresses as each front end hands it
// values, and one attempt id per unit in every record it is written to.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/provisionbatch.h"
#include "engine/station.h"
#include "engine/unitdetector.h"
#include "engine/unitjob.h"
#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "support/ptymodem.h"

class TestStation : public QObject
{
    Q_OBJECT

private slots:
    // kvx-cli's --unit-start and the batch dialog's first unit address.
    void unitAddressPlan_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("multipoint");
        QTest::addColumn<int>("units");
        QTest::addColumn<bool>("reserves");
        QTest::addColumn<qint64>("planned");   // -2: refused
        QTest::addColumn<bool>("fromRecord");
        QTest::newRow("none: the profile's") << "" << true << 2 << false << qint64(9) << false;
        QTest::newRow("none, point to point") << "" << false << 2 << true << qint64(-1) << false;
        QTest::newRow("given") << "7" << true << 4 << true << qint64(7) << false;
        QTest::newRow("last unit fits") << "4294967292" << true << 4 << false << qint64(4294967292) << false;
        QTest::newRow("last unit out of range") << "4294967293" << true << 4 << false << qint64(-2) << false;
        QTest::newRow("out of range") << "9999999999" << true << 1 << false << qint64(-2) << false;
        QTest::newRow("not a number") << "7a" << true << 1 << false << qint64(-2) << false;
        QTest::newRow("given, point to point") << "3" << false << 1 << false << qint64(-2) << false;
        QTest::newRow("auto from a database") << "auto" << true << 0 << true << qint64(9) << true;
        QTest::newRow("auto without one") << "auto" << true << 0 << false << qint64(-2) << false;
    }
    void unitAddressPlan()
    {
        QFETCH(QString, first);
        QFETCH(bool, multipoint);
        QFETCH(int, units);
        QFETCH(bool, reserves);
        QFETCH(qint64, planned);
        QFETCH(bool, fromRecord);
        RadioSettings profile;
        profile.set(Reg::UnitAddress, 9);
        UnitAddressPlan plan;
        QString problem;
        const bool ok = Station::planUnitAddresses(first, profile, multipoint ? LinkMode::PointToMultipoint : LinkMode::PointToPoint,
                                                   units, reserves, &plan, &problem);
        QCOMPARE(ok, planned != -2);
        QCOMPARE(problem.isEmpty(), ok);
        if (ok)
            QCOMPARE(std::make_pair(plan.first, plan.fromRecord), std::make_pair(planned, fromRecord));
        else
            QVERIFY2(problem.startsWith(QStringLiteral("first unit address ") + first.trimmed()), qPrintable(problem));
    }

    // A unit written with a CSV journal and a database record carries one
    // attempt id in both: importing the journal into the database adds nothing.
    void oneAttemptId()
    {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        const QString csv = dir.filePath("units.csv");
        const QString db = dir.filePath("units.kvxdb");
        Station station;
        QSignalSpy opened(&station, &Station::recordsOpened);
        station.openRecords(csv, db);
        QVERIFY(opened.wait(10000));
        QVERIFY2(station.recordsReady(), qPrintable(station.recordError()));

        PtyModem modem(Product::Kv5, Module::Tarn);
        UnitJob job({ modem.portPath(), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint });
        SessionTiming timing;
        timing.openMs = timing.prepareMs = timing.requestMs = timing.closeMs = timing.lineMs = timing.storeMs = 20;
        job.setTiming(timing);
        station.equip(job);
        RadioSettings change;
        change.set(Reg::UnitAddress, 5);
        change.set(Reg::NetworkAddress, 1234);
        QSignalSpy done(&job, &UnitJob::done);
        job.startWrite(change, true);
        QVERIFY(done.wait(10000));
        QCOMPARE(job.outcome().words(), QStringLiteral("verified"));
        QTRY_COMPARE(station.waitingRows(), 0);

        QList<RecordRow> journal;
        QString error;
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QVERIFY2(readImportRows(&csvFile, &journal, &error), qPrintable(error));
        QCOMPARE(journal.size(), 1);
        DatabaseRecord record(db);
        QVERIFY(record.openExisting(&error));
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().attempt, journal.first().attempt);
        QCOMPARE(rows.first().record.result, QStringLiteral("verified"));
        DatabaseRecord::ImportCount count;
        QVERIFY(record.importRows(journal, &count, &error));
        QCOMPARE(std::make_pair(count.imported, count.skipped), std::make_pair(0, 1));
    }

    // A batch in this process: written with stepped unit addresses, or
    // only checked (no address, nothing but the read on the line); each
    // unit's final row in the journal.
    void batch_data()
    {
        QTest::addColumn<bool>("checkOnly");
        QTest::newRow("write, stepped") << false;
        QTest::newRow("check only") << true;
    }
    void batch()
    {
        QFETCH(bool, checkOnly);
        QTemporaryDir dir;
        Station station;
        QSignalSpy opened(&station, &Station::recordsOpened);
        station.openRecords(dir.filePath("units.csv"), QString());
        QVERIFY(opened.wait(10000));
        PtyModem a(Product::Kv5, Module::Tarn);
        PtyModem b(Product::Kv5, Module::Tarn);
        RadioSettings change;
        change.set(Reg::NetworkAddress, 1234);
        ProvisionBatch batch({ QString(), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint }, change, 7);
        SessionTiming timing;
        timing.openMs = timing.prepareMs = timing.requestMs = timing.closeMs = timing.lineMs = timing.storeMs = 20;
        batch.setTiming(timing);
        batch.setCheckOnly(checkOnly);
        station.equip(batch);
        QSignalSpy finished(&batch, &ProvisionBatch::finished);
        batch.startPorts({ a.portPath(), b.portPath() });
        QVERIFY(finished.wait(20000));
        QCOMPARE(batch.goodCount(), checkOnly ? 0 : 2);   // the units hold another network address
        QCOMPARE(a.received().contains("AT&W"), !checkOnly);
        QCOMPARE(b.received().contains("ATS105=8"), !checkOnly);
        QCOMPARE(batch.nextUnitAddress(), qint64(checkOnly ? 7 : 9));
        const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(1).at(12), QString(checkOnly ? "differs" : "verified"));
    }

    // Detection in this process: a KV5 answers the first try.
    void detector()
    {
        PtyModem modem(Product::Kv5, Module::Skerry);
        UnitDetector detector(modem.portPath());
        QSignalSpy done(&detector, &UnitDetector::done);
        detector.start();
        QVERIFY(done.wait(10000));
        QCOMPARE(detector.product(), std::optional<Product>(Product::Kv5));
        QVERIFY(!modem.received().contains("AT&W"));
    }
};

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
