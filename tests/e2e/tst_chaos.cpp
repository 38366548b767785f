// The modem vanishes at random moments of a read or a write: the window must
// always end up closed, say why, keep what the operator typed, and stay calm.

#include <QRandomGenerator>
#include <QtTest>

#include "rig.h"

namespace {

int messagesLogged = 0;
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    ++messagesLogged;
    if (type != QtDebugMsg)
        previousHandler(type, context, message);
}

} // namespace

class TestChaos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(countingHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void killDuringReadOrWrite()
    {
        QRandomGenerator random(20261207);
        const int trials = 24;
        for (int trial = 0; trial < trials; ++trial) {
            const Product product = trial % 2 ? KV6 : KV5;
            const bool writing = (trial / 2) % 2;
            const Module module = allModules().at(trial % 4);
            // A read lasts about 1.1 s on KV6 - KV7 and 0.1 s plus the reply
            // on KV5; a write about 4 s.
            const int span = writing ? 4200 : (product == KV6 ? 1400 : 500);
            const int killAfter = int(random.bounded(span));
            const QString context = QStringLiteral("trial %1: %2, %3, kill after %4 ms")
                                        .arg(trial)
                                        .arg(product == KV6 ? "KV6 - KV7" : "KV5")
                                        .arg(writing ? "write" : "read")
                                        .arg(killAfter);

            Rig rig;
            // Slow answers make the kill land inside the report as well.
            QVERIFY2(rig.start(product, module, PointToMultipoint, { "--chunk", "16", "--gap", "5" }), qPrintable(context));
            rig.toggleLink();
            rig.button("LockButton")->click();
            if (writing)
                QVERIFY2(rig.read(), qPrintable(context));
            rig.edit("UnitEdit")->setText(QStringLiteral("808"));
            rig.edit("AddressEdit")->setText(QStringLiteral("4242"));

            messagesLogged = 0;
            QTimer::singleShot(killAfter, [&rig] { rig.sim.kill(); });
            rig.button(writing ? "ConfigButton" : "RefreshButton")->click();
            QTRY_VERIFY2_WITH_TIMEOUT(!rig.isOpen(), qPrintable(context), 15000);
            QTest::qWait(100);

            QVERIFY2(rig.status().contains(QStringLiteral("lost")) || rig.status().contains(QStringLiteral("not written")),
                     qPrintable(context + ": " + rig.status()));
            QVERIFY2(!rig.button("ConfigButton")->isEnabled(), qPrintable(context));
            QVERIFY2(rig.button("ConnectButton")->isEnabled(), qPrintable(context));
            QCOMPARE(rig.edit("AddressEdit")->text(), QStringLiteral("4242"));
            if (writing)
                QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("808"));
            QVERIFY2(messagesLogged < 100, qPrintable(context + QStringLiteral(": %1 log lines").arg(messagesLogged)));
        }
    }
};

QTEST_MAIN(TestChaos)
#include "tst_chaos.moc"
