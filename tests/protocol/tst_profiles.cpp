// The option rows per module model. Row numbers are register values, so a
// row out of place silently configures a modem wrongly.

#include "protocol/moduleprofile.h"
#include "protocol/radiosettings.h"
#include "protocol/reportreader.h"

#include <QtTest>
#include <cmath>

namespace {

const QStringList AllBauds = { "230400", "115200", "57600", "38400", "28800", "19200", "14400", "9600",
                               "7200", "4800", "3600", "2400", "1200", "600", "300" };
const QStringList ElevenPowers = { "100mW", "125mW", "160mW", "200mW", "250mW", "320mW",
                                   "400mW", "500mW", "630mW", "800mW", "1000mW" };
const QStringList TwelvePowers = ElevenPowers + QStringList { "2000mW" };

// The modules in the order of their buttons (Tarn, Brae - Loch, Skerry, Half Fjord).
Module moduleAt(int index)
{
    return allModules().at(index);
}

} // namespace

class tst_Profiles : public QObject
{
    Q_OBJECT

private slots:
    void moduleCodes_data();
    void moduleCodes();
    void workModes_data();
    void workModes();
    void baudRates_data();
    void baudRates();
    void airSpeeds_data();
    void airSpeeds();
    void outputPowers_data();
    void outputPowers();
    void powerCaptionsMatchPowerCodes_data();
    void powerCaptionsMatchPowerCodes();
    void braeLochAndSkerryDiffer();
};

void tst_Profiles::moduleCodes_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("code");

    QTest::newRow("Tarn") << 0 << 2;
    QTest::newRow("Brae - Loch") << 1 << 1;
    QTest::newRow("Skerry") << 2 << 3;
    QTest::newRow("Half Fjord") << 3 << 4;
}

void tst_Profiles::moduleCodes()
{
    QFETCH(int, module);
    QFETCH(int, code);
    QCOMPARE(moduleCode(moduleAt(module)), code);
}

void tst_Profiles::workModes_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QStringList>("rows");

    const QStringList withRepeater = { "Master", "Repeater", "Slave(Remote)" };
    QTest::newRow("Tarn") << 0 << withRepeater;
    QTest::newRow("Brae - Loch") << 1 << withRepeater;
    QTest::newRow("Skerry") << 2 << withRepeater;
    // No repeater, but the slave must stay on row 2, where presets and S101 expect it.
    QTest::newRow("Half Fjord") << 3 << QStringList { "Master", "", "Slave" };
}

void tst_Profiles::workModes()
{
    QFETCH(int, module);
    QFETCH(QStringList, rows);

    const QStringList actual = moduleProfile(moduleAt(module)).workModes;
    QCOMPARE(actual, rows);
    QCOMPARE(actual.size(), 3);
    QCOMPARE(actual.at(0), QString("Master"));
    QVERIFY(actual.at(2).startsWith("Slave"));
}

void tst_Profiles::baudRates_data()
{
    QTest::addColumn<int>("module");
    QTest::newRow("Tarn") << 0;
    QTest::newRow("Brae - Loch") << 1;
    QTest::newRow("Skerry") << 2;
    QTest::newRow("Half Fjord") << 3;
}

void tst_Profiles::baudRates()
{
    QFETCH(int, module);

    const QStringList rows = moduleProfile(moduleAt(module)).baudRates;
    QCOMPARE(rows.size(), 15);
    QCOMPARE(rows, AllBauds);
    // Falling rates: register S102 counts down from 230400.
    for (int row = 1; row < rows.size(); ++row)
        QVERIFY2(rows.at(row).toInt() < rows.at(row - 1).toInt(), qPrintable(rows.at(row)));
}

void tst_Profiles::airSpeeds_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("Tarn") << 0 << QStringList { "172800", "230400", "276480", "57600", "115200" };
    QTest::newRow("Brae - Loch") << 1
                                 << QStringList { "19200", "115200", "172800", "230000", "247000", "340000", "24700",
                                                  "57600" };
    QTest::newRow("Skerry") << 2
                            << QStringList { "19200", "115200", "172800", "230000", "276000", "340000", "24700",
                                             "57600" };
    QTest::newRow("Half Fjord") << 3
                                << QStringList { "19200", "115200", "172800", "230000", "247000", "340000", "24700",
                                                 "57600" };
}

void tst_Profiles::airSpeeds()
{
    QFETCH(int, module);
    QFETCH(QStringList, rows);

    const QStringList actual = moduleProfile(moduleAt(module)).airSpeeds;
    QCOMPARE(actual, rows);
    // No row 8 anywhere: register value 8 stands for row 7.
    QVERIFY(actual.size() <= 8);
    for (const QString &rate : actual) {
        bool ok = false;
        QVERIFY2(rate.toInt(&ok) > 0 && ok, qPrintable(rate));
    }
}

void tst_Profiles::outputPowers_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("Tarn") << 0 << ElevenPowers;
    QTest::newRow("Brae - Loch") << 1 << TwelvePowers;
    QTest::newRow("Skerry") << 2 << ElevenPowers;
    QTest::newRow("Half Fjord") << 3 << QStringList { "1000mW", "2000mW" };
}

void tst_Profiles::outputPowers()
{
    QFETCH(int, module);
    QFETCH(QStringList, rows);

    const QStringList actual = moduleProfile(moduleAt(module)).outputPowers;
    QCOMPARE(actual, rows);
}

void tst_Profiles::powerCaptionsMatchPowerCodes_data()
{
    QTest::addColumn<int>("module");
    QTest::newRow("Tarn") << 0;
    QTest::newRow("Brae - Loch") << 1;
    QTest::newRow("Skerry") << 2;
    QTest::newRow("Half Fjord") << 3;
}

void tst_Profiles::powerCaptionsMatchPowerCodes()
{
    QFETCH(int, module);

    // Each row's caption must name the power its row is written as, and that
    // power must read back as the same row; otherwise the operator sets
    // another power than he reads.
    const QStringList rows = moduleProfile(moduleAt(module)).outputPowers;
    for (int row = 0; row < rows.size(); ++row) {
        QString caption = rows.at(row);
        QVERIFY2(caption.endsWith("mW"), qPrintable(caption));
        caption.chop(2);
        const double milliwatts = caption.toDouble();
        const int dbm = int(std::lround(10.0 * std::log10(milliwatts)));
        const qint64 code = valueForRow(moduleAt(module), Reg::OutputPower, row);
        QVERIFY2(dbm == code, qPrintable(QString("row %1 %2 is %3 dBm, written as %4")
                                             .arg(row).arg(rows.at(row)).arg(dbm).arg(code)));
        QCOMPARE(powerRowForCode(code, moduleAt(module) == Module::HalfFjord), row);
        QCOMPARE(rowForValue(moduleAt(module), Reg::OutputPower, code), row);
        QCOMPARE(settingCaption(moduleAt(module), Reg::OutputPower, code), rows.at(row));
    }
}

void tst_Profiles::braeLochAndSkerryDiffer()
{
    const ModuleProfile &braeLoch = moduleProfile(Module::BraeLoch);
    const ModuleProfile &skerry = moduleProfile(Module::Skerry);

    QCOMPARE(braeLoch.workModes, skerry.workModes);
    QCOMPARE(braeLoch.baudRates, skerry.baudRates);

    QCOMPARE(braeLoch.airSpeeds.size(), skerry.airSpeeds.size());
    QList<int> differentRows;
    for (int row = 0; row < braeLoch.airSpeeds.size(); ++row)
        if (braeLoch.airSpeeds.at(row) != skerry.airSpeeds.at(row))
            differentRows << row;
    QCOMPARE(differentRows, QList<int> { 4 });
    QCOMPARE(braeLoch.airSpeeds.at(4), QString("247000"));
    QCOMPARE(skerry.airSpeeds.at(4), QString("276000"));

    // Skerry lacks only the 2 W row.
    QCOMPARE(braeLoch.outputPowers.mid(0, skerry.outputPowers.size()), skerry.outputPowers);
    QCOMPARE(braeLoch.outputPowers.size(), skerry.outputPowers.size() + 1);
    QCOMPARE(braeLoch.outputPowers.last(), QString("2000mW"));
}

QTEST_GUILESS_MAIN(tst_Profiles)
#include "tst_profiles.moc"
