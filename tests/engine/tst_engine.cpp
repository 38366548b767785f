// The engine's values and files: settings from a report, the read-back
// comparison, the profile file and the provisioning record.

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/radiosession.h"
#include "protocol/profilefile.h"
#include "protocol/reportreader.h"
#include "records/recordfile.h"

namespace {

QList<RegisterEntry> scan(const QByteArray &report)
{
    ReportReader reader;
    return reader.feed(report, false).entries;
}

QByteArray profile(const QByteArray &settings, const QByteArray &head = R"("product": "kv6", "module": "tarn", "mode": "p2mp")")
{
    return R"({"kvx-profile": 1, )" + head + R"(, "settings": {)" + settings + "}}";
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void settingsFromReport_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Brae - Loch") << 1 << QByteArray("S101=0 S102=7 S103=8 S104=00123 S105=5 S108=33 S141=1 OK")
                                     << "Master|9600|57600|2000mW|on|123|5";
        QTest::newRow("Half Fjord 1 W") << 3 << QByteArray("S101=2 S102=0 S103=0 S104=9 S108=30 OK")
                                        << "Slave|230400|19200|1000mW||9|";
        QTest::newRow("Tarn has no 2 W row") << 0 << QByteArray("S108=33 S103=7 OK") << "||||||";
        QTest::newRow("later entry decides") << 2 << QByteArray("S102=1 S102=2 OK") << "|57600|||||";
        QTest::newRow("unreadable unit address keeps the earlier") << 0 << QByteArray("S105=4 S105=x OK") << "||||||4";
    }
    void settingsFromReport()
    {
        QFETCH(int, module);
        QFETCH(QByteArray, report);
        QFETCH(QString, expected);
        const RadioSettings s = settingsFromEntries(scan(report));
        QStringList shown;
        for (int reg : { 101, 102, 103, 108, 141, 104, 105 })
            shown << settingCaption(s, allModules().at(module), reg);
        QCOMPARE(shown.join('|'), expected);
    }

    void comparison_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("differences");
        const QByteArray good = "S101=0 S141=1 S102=7 S105=5 S104=1234 S103=8 S108=30 OK";
        QTest::newRow("same") << good << "";
        QTest::newRow("link rate stuck") << QByteArray("S141=1 S102=7 S105=5 S104=1234 S103=7 S108=30 OK")
                                         << "S103 reads 7, 8 was written";
        QTest::newRow("address with leading zeros") << QByteArray("S141=1 S102=7 S105=5 S104=01234 S103=8 S108=30 OK") << "";
        QTest::newRow("two differ, one missing")
            << QByteArray("S141=0 S102=7 S104=99 S103=8 S108=30 OK")
            << "S141 reads 0, 1 was written; S105 was not read back, 5 was written; S104 reads 99, 1234 was written";
    }
    void comparison()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, differences);
        const QList<QByteArray> written = { "AT&F7\r\n", "ATS141=1\r\n", "ATS102=7\r\n", "ATS105=5\r\n",
                                            "ATS104=1234\r\n", "ATS103=8\r\n", "ATS108=30\r\n", "AT&W\r\n" };
        const RadioSettings read = settingsFromEntries(scan(report));
        QCOMPARE(describeDifferences(compareRegisters(registersSetBy(written), read)), differences);
    }

    // What kvx-cli read --json prints, without the port and the registers, is
    // a profile that puts the same settings into a unit.
    void readOutputIsAProfile()
    {
        LinkConfig config { QStringLiteral("/dev/ttyUSB0"), Product::Kv6, Module::HalfFjord, LinkMode::PointToMultipoint };
        const RadioSettings read = settingsFromEntries(scan("S101=2 S102=3 S103=6 S104=77 S105=12 S108=33 S141=0 OK"));
        QJsonObject object = unitToJson(config);
        object.insert("settings", settingsToJson(read, config.module, config.mode));
        QCOMPARE(object.value("settings").toObject(),
                 QJsonObject({ { "workMode", "Slave" }, { "baud", 38400 }, { "linkRate", 24700 }, { "power", "2000mW" },
                               { "repeater", false }, { "networkAddress", 77 }, { "unitAddress", 12 } }));
        ProvisionProfile parsed;
        QString error;
        QVERIFY2(parseProfile(QJsonDocument(object).toJson(), &parsed, &error), qPrintable(error));
        QCOMPARE(parsed.product, Product::Kv6);
        QCOMPARE(parsed.module, Module::HalfFjord);
        QCOMPARE(parsed.mode, LinkMode::PointToMultipoint);
        QCOMPARE(parsed.settings.registers, read.registers);
        QCOMPARE(QJsonDocument::fromJson(profileToJson(config, read)).object(), object);
    }

    void profileRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown key") << QByteArray(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "colour": 1})") << "colour";
        QTest::newRow("unknown setting") << profile(R"("speed": 9600)") << "settings.speed";
        QTest::newRow("wrong version") << QByteArray(R"({"kvx-profile": 2, "product": "kv5", "module": "tarn"})") << "kvx-profile";
        QTest::newRow("no version") << QByteArray(R"({"product": "kv5", "module": "tarn"})") << "kvx-profile";
        QTest::newRow("unknown product") << QByteArray(R"({"kvx-profile": 1, "product": "kv9", "module": "tarn"})") << "product";
        QTest::newRow("no module") << QByteArray(R"({"kvx-profile": 1, "product": "kv5"})") << "module";
        QTest::newRow("baud not in list") << profile(R"("baud": 9601)") << "settings.baud";
        QTest::newRow("2 W on Tarn") << profile(R"("power": "2000mW")") << "settings.power";
        QTest::newRow("repeater mode on Half Fjord")
            << profile(R"("workMode": "repeater")", R"("product": "kv5", "module": "half-fjord")") << "settings.workMode";
        QTest::newRow("unit address in point to point")
            << profile(R"("unitAddress": 3)", R"("product": "kv5", "module": "tarn", "mode": "p2p")") << "settings.unitAddress";
        QTest::newRow("address too large") << profile(R"("networkAddress": 4294967296)") << "settings.networkAddress";
        QTest::newRow("repeater not a switch") << profile(R"("repeater": "maybe")") << "settings.repeater";
        QTest::newRow("link rate as an object") << profile(R"("linkRate": {})") << "settings.linkRate";
        // Each setting in the one type a profile is written with.
        QTest::newRow("address as text") << profile(R"("networkAddress": "1234")") << "\"settings.networkAddress\" must be a whole number";
        QTest::newRow("baud as text") << profile(R"("baud": "9600")") << "\"settings.baud\" must be a whole number";
        QTest::newRow("repeater as a number") << profile(R"("repeater": 1)") << "\"settings.repeater\" must be true or false";
        QTest::newRow("work mode as a number") << profile(R"("workMode": 0)") << "\"settings.workMode\" must be a string";
        QTest::newRow("not JSON") << QByteArray("{") << "JSON";
        QTest::newRow("key twice") << profile(R"("baud": 9600, "power": "100mW", "baud": 300)") << "settings.baud";
        QTest::newRow("address cut by a NUL") << profile(R"("networkAddress": "12\u0000junk")") << "settings.networkAddress";
        QTest::newRow("fractional address") << profile(R"("networkAddress": 12.5)") << "whole number 0 … 4294967295";
        QTest::newRow("huge key cut short") << QByteArray(R"({"kvx-profile": 1, ")" + QByteArray(100000, 'k') + R"(": 1})")
                                            << QString(40, QLatin1Char('k')) + QStringLiteral("…\"");
    }
    void profileRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, named);
        ProvisionProfile parsed;
        parsed.module = Module::Skerry;
        QString error;
        QVERIFY(!parseProfile(json, &parsed, &error));
        QVERIFY2(error.contains(named), qPrintable(error));
        QVERIFY(error.size() < 200);
        QCOMPARE(parsed.module, Module::Skerry);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
