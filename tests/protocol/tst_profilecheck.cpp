// A unit's report beside a profile: only what the profile names is
// compared, in the terms a write of it would use, and named as the operator
// knows the settings.

#include <QtTest>

#include "protocol/profilecheck.h"
#include "protocol/profilefile.h"

class TestProfileCheck : public QObject
{
    Q_OBJECT

private slots:
    void compare_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("differs");
        QTest::newRow("matches")
            << QByteArray(R"({"workMode": "slave", "baud": 9600, "linkRate": 115200, "power": "500mW",
                            "networkAddress": 1234, "unitAddress": 5})")
            << "";
        QTest::newRow("two settings differ")
            << QByteArray(R"({"baud": 9600, "linkRate": 230400, "power": "1000mW"})")
            << "link rate 115200, the profile says 230400; output power 500mW, the profile says 1000mW";
        QTest::newRow("the network address only")
            << QByteArray(R"({"networkAddress": 4321})") << "network address 1234, the profile says 4321";
        QTest::newRow("the repeater goes with the Master preset")
            << QByteArray(R"({"workMode": "master", "repeater": true})")
            << "work mode Slave(Remote), the profile says Master; repeater off, the profile says on";
    }
    void compare()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, differs);
        const LinkConfig link { QString(), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
        const RadioSettings report = settingsFromEntries(
            { { 101, 2, {} }, { 102, 7, {} }, { 103, 4, {} }, { 104, 1234, "1234" }, { 105, 5, {} }, { 108, 27, {} }, { 141, 0, {} } });
        ProvisionProfile profile;
        QString error;
        QVERIFY2(parseProfile(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "settings": )"
                                  + settings + "}",
                              &profile, &error),
                 qPrintable(error));
        const QList<RegisterDifference> found = compareWithProfile(report, profile.settings, link);
        QCOMPARE(describeProfileDifferences(found, link.module), differs);
    }
};

QTEST_GUILESS_MAIN(TestProfileCheck)
#include "tst_profilecheck.moc"
