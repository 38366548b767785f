// Opening and closing the link against the simulated modem: line speed,
// link control frames and the state of the controls.

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QtTest>

#include "rig.h"

namespace {

const QByteArray OpenFrame = QByteArray::fromHex("fab000005f");
const QByteArray CloseFrame = QByteArray::fromHex("fae200005f");

bool groupEnabled(const Rig &rig, bool enabled)
{
    for (const char *name : { "product_1", "product_2", "module_1", "module_2", "module_3", "module_4", "mode_1", "mode_2" }) {
        if (rig.radio(QLatin1String(name))->isEnabled() != enabled)
            return false;
    }
    return rig.combo("SerialBox")->isEnabled() == enabled;
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void openAndClose_data()
    {
        QTest::addColumn<Product>("product");
        QTest::addColumn<LinkMode>("mode");
        QTest::newRow("KV5 point to point") << KV5 << PointToPoint;
        QTest::newRow("KV6 - KV7 point to multipoint") << KV6 << PointToMultipoint;
    }
    void openAndClose()
    {
        QFETCH(Product, product);
        QFETCH(LinkMode, mode);
        Rig rig;
        QVERIFY(rig.start(product, Tarn, mode));

        QElapsedTimer opening;
        opening.start();
        rig.toggleLink();
        QVERIFY(opening.elapsed() >= 1000);
        QVERIFY(rig.isOpen());
        QCOMPARE(rig.button("ConnectButton")->text(), QStringLiteral("DisConnect"));
        QVERIFY(rig.button("ConnectButton")->isEnabled());
        QVERIFY(groupEnabled(rig, false));
        QVERIFY(rig.button("RefreshButton")->isEnabled());
        QVERIFY(rig.button("RefreshButton")->styleSheet().contains(QStringLiteral("reflush_light.svg")));
        QVERIFY(!rig.button("ConfigButton")->isEnabled());
        // The unit address too waits for the unit's report.
        QVERIFY(!rig.edit("UnitEdit")->isEnabled());
        QVERIFY(!rig.edit("AddressEdit")->isEnabled());
        QCOMPARE(rig.combo("WorkModeBox")->count(), 3);

        if (product == KV6) {
            // The unit answers the link-open frame with its pass-through rate,
            // which is selected and, being a change of row, sent back.
            QVERIFY(rig.sim.waitForReceived(OpenFrame));
            QTRY_COMPARE(rig.combo("SerialSetBox")->currentText(), QStringLiteral("115200"));
            QVERIFY(rig.combo("SerialSetBox")->isEnabled());
            QVERIFY(rig.sim.waitForReceived(QByteArray::fromHex("fab1040000c201005f")));
            QCOMPARE(rig.sim.receivedLines().first().bytes, OpenFrame);

            rig.combo("SerialSetBox")->setCurrentIndex(rig.combo("SerialSetBox")->findText("57600"));
            QVERIFY(rig.sim.waitForReceived(QByteArray::fromHex("fab10400" "00e100" "005f")));
        } else {
            // A KV5 unit is not sent the open frame, and it only understands 9600 baud.
            QVERIFY(rig.read());
        }
        QVERIFY(!rig.sim.received().contains(OpenFrame) || product == KV6);

        // The close branch sends the close frame and waits before closing, so a
        // KV6 - KV7 unit's reply still enables the rate list meanwhile.
        rig.combo("SerialSetBox")->setEnabled(false);
        bool rateListEnabledWhileClosing = false;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            rateListEnabledWhileClosing |= rig.combo("SerialSetBox")->isEnabled();
        });
        probe.start(5);
        QElapsedTimer closing;
        closing.start();
        rig.toggleLink();
        QVERIFY(closing.elapsed() >= 1000);
        probe.stop();
        QVERIFY(rig.sim.waitForReceived(CloseFrame));
        QCOMPARE(rateListEnabledWhileClosing, product == KV6);

        QCOMPARE(rig.button("ConnectButton")->text(), QStringLiteral("Connect"));
        QVERIFY(groupEnabled(rig, true));
        QVERIFY(!rig.combo("SerialSetBox")->isEnabled());
        QVERIFY(!rig.button("RefreshButton")->isEnabled());
        QCOMPARE(rig.button("RefreshButton")->styleSheet(),
                 QStringLiteral("background-image: url(:/png/image/reflush.svg);background-color: rgb(100, 100, 100);"));
        QVERIFY(!rig.button("ConfigButton")->isEnabled());
        QCOMPARE(rig.button("ConfigButton")->styleSheet(),
                 QStringLiteral("background-image: url(:/png/image/config.svg);background-color: rgb(100, 100, 100);"));
        for (const char *name : { "WorkModeBox", "BaudSetBox", "AirSpeedBox", "OutputPowerBox", "repeater_state" }) {
            QVERIFY(!rig.combo(QLatin1String(name))->isEnabled());
            QCOMPARE(rig.combo(QLatin1String(name))->currentIndex(), -1);
        }
        QVERIFY(!rig.edit("UnitEdit")->isEnabled());
        QVERIFY(rig.edit("AddressEdit")->text().isEmpty());
        QCOMPARE(rig.sim.receivedLines().last().bytes, CloseFrame);
    }

    // "Find the product on Connect": a KV6 - KV7 on the line while KV5 is
    // chosen is asked first, then linked as what it is.
    void findProductOnConnect()
    {
        Rig rig;
        QVERIFY(rig.start(KV6, HalfFjord));
        rig.radio("product_1")->click();
        rig.action("ActionFindProduct")->setChecked(true);
        rig.button("ConnectButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(rig.state() == MainWindow::LinkState::Ready, 15000);
        QVERIFY(rig.radio("product_2")->isChecked());
        QVERIFY(rig.sim.receivedLines().size() >= 2);
        QVERIFY(rig.sim.received().contains(OpenFrame));
        QVERIFY(rig.read());
        QVERIFY(rig.status().startsWith(QStringLiteral("Read: ")));
        rig.toggleLink();
        rig.action("ActionFindProduct")->setChecked(false);
    }

    // Each module loads exactly its own rows; nothing of a previous profile stays.
    void profilesOnConnect()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn));
        const struct {
            Module module;
            int linkRates;
            QString firstLinkRate;
            int powers;
            QString secondMode;
        } cases[] = {
            { Tarn, 5, "172800", 11, "Repeater" },
            { HalfFjord, 8, "19200", 2, "" },
            { Skerry, 8, "19200", 11, "Repeater" },
            { BraeLoch, 8, "19200", 12, "Repeater" },
        };
        for (const auto &c : cases) {
            rig.radio(QStringLiteral("module_%1").arg(buttonFor(c.module) + 1))->click();
            rig.toggleLink();
            QVERIFY(rig.isOpen());
            QCOMPARE(rig.combo("AirSpeedBox")->count(), c.linkRates);
            QCOMPARE(rig.combo("AirSpeedBox")->itemText(0), c.firstLinkRate);
            QCOMPARE(rig.combo("OutputPowerBox")->count(), c.powers);
            QCOMPARE(rig.combo("WorkModeBox")->count(), 3);
            QCOMPARE(rig.combo("WorkModeBox")->itemText(1), c.secondMode);
            QCOMPARE(rig.combo("BaudSetBox")->count(), 15);
            QCOMPARE(rig.combo("BaudSetBox")->itemText(14), QStringLiteral("300"));
            // Nothing is chosen until this unit reports.
            for (const char *box : { "WorkModeBox", "BaudSetBox", "AirSpeedBox", "OutputPowerBox" })
                QCOMPARE(rig.combo(box)->currentIndex(), -1);
            rig.toggleLink();
            QVERIFY(!rig.isOpen());
        }
    }

    void flushOnlyWhileClosed()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn));
        SimProcess second;
        QVERIFY(second.start({ "--product", "kv5" }));
        qputenv("KVX_EXTRA_PORTS", (rig.sim.portPath() + QDir::listSeparator() + second.portPath()).toLocal8Bit());
        const int before = rig.combo("SerialBox")->count();

        rig.toggleLink();
        rig.button("flush")->click();
        QCOMPARE(rig.combo("SerialBox")->count(), before);

        rig.toggleLink();
        rig.button("flush")->click();
        QCOMPARE(rig.combo("SerialBox")->count(), before + 1);
        QVERIFY(rig.combo("SerialBox")->findText(second.portPath()) >= 0);
    }

    // A port that went away after the probe does not pretend to be open.
    void unopenablePort()
    {
        Rig rig;
        QVERIFY(rig.start(KV6, Tarn));
        rig.sim.kill();
        // Gone, before the port list (which looks twice a second) notices.
        for (QDeadlineTimer wait(5000); QFile::exists(rig.sim.portPath()) && !wait.hasExpired();)
            QThread::msleep(5);
        rig.toggleLink();
        QCOMPARE(rig.button("ConnectButton")->text(), QStringLiteral("Connect"));
        QVERIFY(rig.button("ConnectButton")->isEnabled());
        QVERIFY(groupEnabled(rig, true));
        QVERIFY(!rig.button("RefreshButton")->isEnabled());
        QVERIFY(rig.status().contains(rig.sim.portPath()));
        QVERIFY(rig.sim.received().isEmpty());
    }

    void deviceLostWhileOpen_data()
    {
        QTest::addColumn<Product>("product");
        QTest::newRow("KV5") << KV5;
        QTest::newRow("KV6 - KV7") << KV6;
    }
    void deviceLostWhileOpen()
    {
        QFETCH(Product, product);
        Rig rig;
        QVERIFY(rig.start(product, BraeLoch, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.sim.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.isOpen(), 10000);
        QVERIFY(rig.status().contains(QStringLiteral("lost")));
        QVERIFY(groupEnabled(rig, true));
        QVERIFY(!rig.button("ConfigButton")->isEnabled());
        QVERIFY(!rig.button("RefreshButton")->isEnabled());
        QVERIFY(!rig.combo("WorkModeBox")->isEnabled());
        // Once closed the port stays quiet: the message stays on show.
        QTest::qWait(200);
        QVERIFY(rig.status().contains(QStringLiteral("lost")));
    }
};

QTEST_MAIN(TestLink)
#include "tst_link.moc"
