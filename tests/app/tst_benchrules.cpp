// The bench's rules on their own: a scanner's burst told from typing (on
// given times), and the station's day as it is kept between runs.

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/daytally.h"
#include "app/scanburst.h"
#include "engine/unitoutcome.h"

class TestBenchRules : public QObject
{
    Q_OBJECT

private slots:
    void scanOrTyping_data()
    {
        QTest::addColumn<QList<int>>("gaps");   // ms before each character, then before Return
        QTest::addColumn<bool>("scan");
        QTest::addColumn<QString>("code");      // the burst ending in Return

        QTest::newRow("a scanner") << QList<int> { 0, 8, 9, 7, 10, 8, 9, 12 } << true << "SN-0042";
        QTest::newRow("at the limit") << QList<int> { 0, 35, 35, 35 } << true << "SN-";
        QTest::newRow("a person") << QList<int> { 0, 140, 180, 120, 160 } << false << "";
        QTest::newRow("a fast person, one slow key") << QList<int> { 0, 20, 30, 90, 25 } << false << "";
        QTest::newRow("a pause, then a burst") << QList<int> { 0, 400, 10, 10, 10 } << true << "N-0";
        QTest::newRow("too short") << QList<int> { 0, 5, 5 } << false << "";
        QTest::newRow("Return late") << QList<int> { 0, 5, 5, 5, 200 } << false << "";
    }
    void scanOrTyping()
    {
        QFETCH(QList<int>, gaps);
        QFETCH(bool, scan);
        QFETCH(QString, code);
        const QString typed = QStringLiteral("SN-0042").left(gaps.size() - 1);
        ScanBurst burst;
        qint64 at = 100000;
        for (qsizetype i = 0; i + 1 < gaps.size(); ++i) {
            at += gaps.at(i);
            // As the window does: a key too late lets the held ones go as typed.
            if (!burst.continues(at))
                burst.clear();
            burst.hold(typed.mid(i, 1), at);
        }
        at += gaps.constLast();
        QCOMPARE(burst.endsScan(at), scan);
        if (scan)
            QCOMPARE(burst.code(), code);
    }

    // Counted by network and by day; the last units newest first, at most
    // ten, read back from the settings as they were.
    void dayKept()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("day.ini"), QSettings::IniFormat);
        const QDateTime morning(QDate(2026, 12, 8), QTime(9, 0));
        DayTally day;
        for (int i = 0; i < 12; ++i) {
            UnitRecord unit;
            unit.time = morning.addSecs(60 * i).toUTC();
            unit.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
            unit.settings.set(Reg::NetworkAddress, i < 8 ? 25819 : 77);
            unit.settings.set(Reg::UnitAddress, i + 1);
            unit.result = resultKey(i == 3 ? UnitOutcome::Refused : UnitOutcome::Verified);
            unit.serial = QStringLiteral("SN-%1").arg(i);
            day.add(unit, i != 3);
        }
        day.save(settings);
        DayTally again;
        again.load(settings);
        QCOMPARE(again.verifiedOn(QStringLiteral("25819"), morning.date()), 7);
        QCOMPARE(again.verifiedOn(QStringLiteral("77"), morning.date()), 4);
        QCOMPARE(again.verifiedOn(QStringLiteral("25819"), morning.date().addDays(1)), 0);
        QCOMPARE(again.lastUnits().size(), DayTally::lastKept);
        QCOMPARE(again.lastUnits().first().serial, QStringLiteral("SN-11"));
        QCOMPARE(again.lastUnits().last().serial, QStringLiteral("SN-2"));
        QCOMPARE(again.lastUnits().at(8).result, QStringLiteral("refused"));
        // The next day starts its own count.
        UnitRecord next = again.lastUnits().first();
        next.time = morning.addDays(1).toUTC();
        again.add(next, true);
        QCOMPARE(again.verifiedOn(QStringLiteral("77"), morning.date().addDays(1)), 1);
        QCOMPARE(again.verifiedOn(QStringLiteral("25819"), morning.date()), 0);
    }
};

QTEST_MAIN(TestBenchRules)
#include "tst_benchrules.moc"
