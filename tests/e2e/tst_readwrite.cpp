// Reading a settings report into the form and writing a configuration, end to
// end against the simulated modem.

#include <QtTest>

#include "rig.h"

namespace {

// Values every module can take, as the modem would report them.
QMap<int, qint64> registersFor(Module module)
{
    QMap<int, qint64> regs { { 101, 2 }, { 102, 7 }, { 104, 1234 }, { 105, 4000000000LL }, { 118, 0 }, { 141, 1 } };
    regs[103] = module == Tarn ? 4 : 8;
    regs[108] = (module == BraeLoch || module == HalfFjord) ? 33 : 30;
    return regs;
}

struct WriteCase {
    int workMode = 0;
    int repeater = 0;
    int baud = 0;
    QString unit;
    QString address;
    int airSpeed = 0;
    int power = 0;
};

void fillForm(Rig &rig, const WriteCase &c)
{
    rig.combo("WorkModeBox")->setCurrentIndex(c.workMode);
    rig.combo("repeater_state")->setCurrentIndex(c.repeater);
    rig.combo("BaudSetBox")->setCurrentIndex(c.baud);
    rig.edit("UnitEdit")->setText(c.unit);
    rig.edit("AddressEdit")->setText(c.address);
    rig.combo("AirSpeedBox")->setCurrentIndex(c.airSpeed);
    rig.combo("OutputPowerBox")->setCurrentIndex(c.power);
}

} // namespace

Q_DECLARE_METATYPE(WriteCase)

class TestReadWrite : public QObject
{
    Q_OBJECT

private slots:
    void readFillsForm_data()
    {
        QTest::addColumn<Product>("product");
        QTest::addColumn<Module>("module");
        QTest::addColumn<int>("airRow");
        QTest::addColumn<int>("powerRow");
        for (Product product : { KV5, KV6 }) {
            const char *p = product == KV5 ? "KV5" : "KV6 - KV7";
            QTest::addRow("%s Tarn", p) << product << Tarn << 4 << 10;
            QTest::addRow("%s Brae - Loch", p) << product << BraeLoch << 7 << 11;
            QTest::addRow("%s Skerry", p) << product << Skerry << 7 << 10;
            QTest::addRow("%s Half Fjord", p) << product << HalfFjord << 7 << 1;
        }
    }
    void readFillsForm()
    {
        QFETCH(Product, product);
        QFETCH(Module, module);
        QFETCH(int, airRow);
        QFETCH(int, powerRow);
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(module));
        QVERIFY(rig.start(product, module, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        QVERIFY(rig.button("ConfigButton")->styleSheet().contains(QStringLiteral("config_light.svg")));
        QCOMPARE(rig.combo("WorkModeBox")->currentIndex(), 2);
        QCOMPARE(rig.combo("BaudSetBox")->currentText(), QStringLiteral("9600"));
        QCOMPARE(rig.combo("AirSpeedBox")->currentIndex(), airRow);
        QCOMPARE(rig.combo("OutputPowerBox")->currentIndex(), powerRow);
        QTRY_COMPARE(rig.combo("repeater_state")->currentIndex(), 1);
        QCOMPARE(rig.edit("AddressEdit")->text(), QStringLiteral("1234"));
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("4000000000"));
        for (const char *name : { "WorkModeBox", "BaudSetBox", "AirSpeedBox", "OutputPowerBox", "repeater_state" })
            QVERIFY(rig.combo(QLatin1String(name))->isEnabled());
        QVERIFY(rig.edit("UnitEdit")->isEnabled());
        QVERIFY(rig.edit("AddressEdit")->isEnabled());
        const QByteArray expected = product == KV6 ? QByteArray::fromHex("fae100005f") + "AT&V\r\n" : QByteArray("AT&V\r\n");
        QVERIFY(rig.sim.received().endsWith(expected));
    }

    void terminalShownBlocksForm()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Skerry));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        rig.find<QTextEdit>("IntputTextEdit")->setPlainText(QStringLiteral("AT&V"));
        rig.find<QPushButton>("pushButton")->click();
        QTRY_VERIFY(rig.find<QTextEdit>("OutputTextEdit")->toPlainText().contains(QStringLiteral("OK")));
        rig.action("ATCommand")->trigger();
        QVERIFY(!rig.combo("WorkModeBox")->isEnabled());
        QVERIFY(!rig.edit("AddressEdit")->isEnabled());
        QVERIFY(!rig.button("ConfigButton")->isEnabled());
    }

    void writeSequence_data()
    {
        QTest::addColumn<Module>("module");
        QTest::addColumn<LinkMode>("mode");
        QTest::addColumn<WriteCase>("form");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("multipoint master, Tarn")
            << Tarn << PointToMultipoint << WriteCase { 0, 1, 1, "5", "1234", 2, 10 }
            << QList<QByteArray> { "AT&F7\r\n", "ATS141=1\r\n", "ATS102=1\r\n", "ATS105=5\r\n", "ATS104=1234\r\n",
                                   "ATS103=2\r\n", "ATS108=30\r\n", "AT&W\r\n" };
        QTest::newRow("point-to-point repeater, Brae - Loch, top rate and power")
            << BraeLoch << PointToPoint << WriteCase { 1, 1, 14, "9", "4294967295", 7, 11 }
            << QList<QByteArray> { "AT&F7\r\n", "ATS102=14\r\n", "ATS104=4294967295\r\n", "ATS103=8\r\n",
                                   "ATS108=33\r\n", "AT&W\r\n" };
        QTest::newRow("multipoint slave, Skerry")
            << Skerry << PointToMultipoint << WriteCase { 2, 0, 7, "65000", "42", 4, 0 }
            << QList<QByteArray> { "AT&F2\r\n", "ATS118=65535\r\n", "ATS102=7\r\n", "ATS105=65000\r\n",
                                   "ATS104=42\r\n", "ATS103=4\r\n", "ATS108=20\r\n", "AT&W\r\n" };
        QTest::newRow("Half Fjord blank row sends no preset")
            << HalfFjord << PointToPoint << WriteCase { 1, 0, 0, "", "7", 0, 0 }
            << QList<QByteArray> { "ATS102=0\r\n", "ATS104=7\r\n", "ATS103=0\r\n", "ATS108=30\r\n", "AT&W\r\n" };
        QTest::newRow("Half Fjord point-to-point slave")
            << HalfFjord << PointToPoint << WriteCase { 2, 0, 3, "", "0", 6, 1 }
            << QList<QByteArray> { "AT&F4\r\n", "ATS118=65535\r\n", "ATS102=3\r\n", "ATS104=0\r\n", "ATS103=6\r\n",
                                   "ATS108=33\r\n", "AT&W\r\n" };
    }
    void writeSequence()
    {
        QFETCH(Module, module);
        QFETCH(LinkMode, mode);
        QFETCH(WriteCase, form);
        QFETCH(QList<QByteArray>, lines);
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(module));
        QVERIFY(rig.start(KV6, module, mode));
        rig.toggleLink();
        QVERIFY(rig.read());
        fillForm(rig, form);
        const qsizetype before = rig.sim.receivedLines().size();

        rig.write();
        QVERIFY(rig.button("ConfigButton")->isEnabled());
        QVERIFY(rig.button("ConfigButton")->styleSheet().contains(QStringLiteral("config_light.svg")));

        const auto items = rig.sim.receivedLines().mid(before);
        QList<QByteArray> sent;
        for (const ReceivedItem &item : items)
            sent << item.bytes;
        QCOMPARE(sent, lines);
        // The tool pauses 100 ms by a monotonic clock after each line; the log
        // holds the simulator's read times, which wobble by a few ms when the
        // machine is busy, so each gap and the whole run get a little slack.
        for (qsizetype i = 1; i < items.size(); ++i) {
            const double gap = items.at(i).ms - items.at(i - 1).ms;
            QVERIFY2(gap >= 90.0, qPrintable(QStringLiteral("%1 ms before %2").arg(gap).arg(QString::fromLatin1(items.at(i).bytes))));
        }
        QVERIFY(items.last().ms - items.first().ms >= 100.0 * (items.size() - 1) - 10.0);
        // The summary names each value written, the unit address even when
        // not sent, and says the write was not checked.
        QStringList summary;
        const std::pair<QString, QString> parts[] = {
            { QStringLiteral("unit "), form.unit }, { QStringLiteral("network "), form.address },
            { QString(), rig.combo("WorkModeBox")->currentText() }, { QStringLiteral("baud "), rig.combo("BaudSetBox")->currentText() },
            { QStringLiteral("link rate "), rig.combo("AirSpeedBox")->currentText() },
            { QString(), rig.combo("OutputPowerBox")->currentText() },
        };
        for (const auto &[label, value] : parts) {
            if (!value.isEmpty())
                summary << label + value;
        }
        QCOMPARE(rig.status(), summary.join(QStringLiteral(" · ")) + QStringLiteral(" · written, not checked"));
    }

    // Write refuses a form with a field it cannot send: nothing goes out and
    // the status line names the field and the likely cause.
    void blankFieldsRefused_data()
    {
        QTest::addColumn<Module>("module");
        QTest::addColumn<int>("reg");           // reported with a value the module lacks
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("cleared");   // or a field the operator empties
        QTest::addColumn<QString>("message");
        const QString lacks = QStringLiteral("%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?");
        QTest::newRow("link rate") << Tarn << 103 << qint64(7) << QString() << lacks.arg("Link rate", "7", "Tarn");
        QTest::newRow("power") << Skerry << 108 << qint64(33) << QString() << lacks.arg("Output power", "33", "Skerry");
        QTest::newRow("work mode") << BraeLoch << 101 << qint64(5) << QString() << lacks.arg("Work mode", "5", "Brae - Loch");
        QTest::newRow("network address") << Tarn << 0 << qint64(0) << "AddressEdit" << "Network address is empty.";
        QTest::newRow("unit address") << Tarn << 0 << qint64(0) << "UnitEdit" << "Unit address is empty.";
    }
    void blankFieldsRefused()
    {
        QFETCH(Module, module);
        QFETCH(int, reg);
        QFETCH(qint64, value);
        QFETCH(QString, cleared);
        QFETCH(QString, message);
        Rig rig;
        QMap<int, qint64> regs = registersFor(module);
        if (reg)
            regs[reg] = value;
        rig.sim.setInitialRegisters(regs);
        QVERIFY(rig.start(KV5, module, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        if (!cleared.isEmpty())
            rig.edit(cleared)->clear();
        const qsizetype before = rig.sim.received().size();
        rig.write();
        QCOMPARE(rig.status(), message);
        QVERIFY(rig.label("DisplayLabel")->isVisible());
        // A write that started would have ended, all its lines sent, by now.
        QCOMPARE(rig.sim.received().size(), before);
    }

    // While a write runs only Disconnect (and Exit) stay live: the write
    // sends the form as it was when Write was clicked, nothing else reaches
    // the line, and Disconnect stops it before "AT&W".
    void actionsDuringWrite_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *control : { "RefreshButton", "ActionLoadProfile", "ActionChinese", "ATCommand", "ConnectButton" })
            QTest::newRow(control) << QString::fromLatin1(control);
    }
    void actionsDuringWrite()
    {
        QFETCH(QString, control);
        const bool disconnect = control == QLatin1String("ConnectButton");
        Rig rig;
        const QMap<int, qint64> regs = registersFor(Tarn);
        rig.sim.setInitialRegisters(regs);
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        fillForm(rig, WriteCase { 0, 1, 1, "5", "4321", 2, 10 });
        const qsizetype before = rig.sim.receivedLines().size();
        const QString caption = rig.label("label_13")->text();
        QAction *action = control.contains(QLatin1String("Action")) || control == QLatin1String("ATCommand")
                              ? rig.action(control) : nullptr;
        bool live = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!rig.sim.received().contains("ATS102="))
                return;
            poll.stop();
            live = action ? action->isEnabled() : rig.button(control)->isEnabled();
            if (!action)
                rig.button(control)->click();
            else if (control != QLatin1String("ActionLoadProfile"))   // its file dialog would wait for an answer
                action->trigger();
        });
        poll.start(5);
        rig.button("ConfigButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!poll.isActive(), 10000);
        QVERIFY(rig.settle());
        QCOMPARE(live, disconnect);
        const QList<QByteArray> lines { "AT&F7\r\n", "ATS141=1\r\n", "ATS102=1\r\n", "ATS105=5\r\n",
                                        "ATS104=4321\r\n", "ATS103=2\r\n", "ATS108=30\r\n", "AT&W\r\n" };
        QList<QByteArray> sent = rig.linesAfter(before);
        if (disconnect) {
            QCOMPARE(sent.takeLast(), QByteArray::fromHex("fae200005f"));
            QVERIFY(sent.size() < lines.size() - 1);
            QCOMPARE(sent, lines.mid(0, sent.size()));
            QCOMPARE(rig.sim.storedRegisters(), regs);
            QCOMPARE(rig.status(), QStringLiteral("interrupted before storing: nothing was stored"));
            return;
        }
        QCOMPARE(sent, lines);
        QCOMPARE(rig.sim.storedRegisters().value(104), 4321);
        QCOMPARE(rig.sim.storedRegisters().value(105), 5);
        QCOMPARE(rig.status(), QStringLiteral("unit 5 · network 4321 · Master · baud 115200 · link rate 276480 · 1000mW · written, not checked"));
        QVERIFY(rig.find<QWidget>("centralwidget")->isVisible());
        QCOMPARE(rig.label("label_13")->text(), caption);
        QCOMPARE(rig.edit("AddressEdit")->text(), QStringLiteral("4321"));
    }

    // Half Fjord's power register knows 30 and 33 dBm only: the list offers
    // exactly those, the read shows the unit's real power, and the write
    // sends what the operator chose.
    void halfFjordPower_data()
    {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("1 W read, 2 W written") << 30 << 0 << "1000mW" << 1 << QByteArray("ATS108=33\r\n");
        QTest::newRow("2 W read, 1 W written") << 33 << 1 << "2000mW" << 0 << QByteArray("ATS108=30\r\n");
    }
    void halfFjordPower()
    {
        QFETCH(int, reported);
        QFETCH(int, row);
        QFETCH(QString, caption);
        QFETCH(int, chosen);
        QFETCH(QByteArray, line);
        Rig rig;
        QMap<int, qint64> regs = registersFor(HalfFjord);
        regs[108] = reported;
        rig.sim.setInitialRegisters(regs);
        QVERIFY(rig.start(KV5, HalfFjord, PointToPoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        auto *power = rig.combo("OutputPowerBox");
        QCOMPARE(power->count(), 2);
        QCOMPARE(power->itemText(0), QStringLiteral("1000mW"));
        QCOMPARE(power->itemText(1), QStringLiteral("2000mW"));
        QTRY_COMPARE(power->currentIndex(), row);
        QCOMPARE(power->currentText(), caption);

        power->setCurrentIndex(chosen);
        const qsizetype before = rig.sim.receivedLines().size();
        rig.write();
        QVERIFY(rig.linesAfter(before).contains(line));
        QVERIFY(rig.status().endsWith(power->currentText() + QStringLiteral(" · written, not checked")));
        QCOMPARE(rig.sim.storedRegisters().value(108), line == "ATS108=33\r\n" ? 33 : 30);
    }

    // The blank work mode of Half Fjord holds "Slave" at row 2; the operator
    // cannot pick it, but a unit that reports it still shows it.
    void halfFjordBlankModeNotSelectable()
    {
        Rig rig;
        QMap<int, qint64> regs = registersFor(HalfFjord);
        regs[101] = 0;
        rig.sim.setInitialRegisters(regs);
        QVERIFY(rig.start(KV5, HalfFjord, PointToPoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        auto *modes = rig.combo("WorkModeBox");
        QTRY_COMPARE(modes->currentIndex(), 0);
        QVERIFY(!(modes->model()->flags(modes->model()->index(1, 0)) & Qt::ItemIsEnabled));
        modes->setFocus();
        QTest::keyClick(modes, Qt::Key_Down);
        QCOMPARE(modes->currentIndex(), 2);
        QCOMPARE(modes->currentText(), QStringLiteral("Slave"));
        QTest::keyClick(modes, Qt::Key_Up);
        QCOMPARE(modes->currentIndex(), 0);

        // A unit in the blank mode (as a report can say) still selects it.
        Rig blankUnit;
        regs[101] = 1;
        blankUnit.sim.setInitialRegisters(regs);
        QVERIFY(blankUnit.start(KV5, HalfFjord, PointToPoint));
        blankUnit.toggleLink();
        QVERIFY(blankUnit.read());
        QTRY_COMPARE(blankUnit.combo("WorkModeBox")->currentIndex(), 1);
    }

    // Closing the link in the pause after "AT&W" (the natural move between
    // units) keeps the summary: every line went out. Closing it before "AT&W"
    // ends the write there and says nothing was stored.
    void closeDuringWrite_data()
    {
        QTest::addColumn<QByteArray>("closeAfter");
        QTest::addColumn<bool>("written");
        QTest::newRow("after AT&W") << QByteArray("AT&W\r\n") << true;
        QTest::newRow("after the first register") << QByteArray("ATS102=") << false;
    }
    void closeDuringWrite()
    {
        QFETCH(QByteArray, closeAfter);
        QFETCH(bool, written);
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(Tarn));
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        fillForm(rig, WriteCase { 0, 1, 1, "5", "1234", 2, 10 });
        rig.button("ConfigButton")->click();
        QVERIFY(rig.sim.waitForReceived(closeAfter));
        rig.button("ConnectButton")->click();
        QVERIFY(rig.settle());
        QVERIFY(!rig.isOpen());
        if (written) {
            QCOMPARE(rig.status(), QStringLiteral("unit 5 · network 1234 · Master · baud 115200 · link rate 276480 · 1000mW · written, not checked"));
        } else {
            QCOMPARE(rig.status(), QStringLiteral("interrupted before storing: nothing was stored"));
            QVERIFY(!rig.sim.received().contains("AT&W"));
        }
        QVERIFY(rig.label("DisplayLabel")->isVisible());
        QVERIFY(!rig.button("ConfigButton")->isEnabled());
    }

    // Close in the pause after "AT&W", reconnect and read: the write button
    // is released as the report releases it.
    void quickReconnectReleasesWriteButton()
    {
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(Tarn));
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.button("ConfigButton")->click();
        QVERIFY(rig.sim.waitForReceived("AT&W\r\n"));
        rig.button("ConnectButton")->click();
        rig.toggleLink();
        rig.combo("WorkModeBox")->setCurrentIndex(-1);
        QVERIFY(rig.read());
        QVERIFY(rig.combo("WorkModeBox")->isEnabled() && rig.edit("AddressEdit")->isEnabled()
                && rig.combo("OutputPowerBox")->isEnabled());
        QVERIFY(rig.button("ConfigButton")->styleSheet().contains(QStringLiteral("config_light.svg")));
        QVERIFY(rig.isOpen());
    }

    // What AT&W stored is what the form shows, and a second read brings it back.
    void storedAndReadBack()
    {
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(BraeLoch));
        QVERIFY(rig.start(KV5, BraeLoch, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        fillForm(rig, WriteCase { 0, 0, 3, "321", "98765", 5, 9 });
        rig.write();
        QTRY_VERIFY(rig.button("ConfigButton")->isEnabled());

        const QMap<int, qint64> stored = rig.sim.storedRegisters();
        QCOMPARE(stored.value(101), 0);
        QCOMPARE(stored.value(141), 0);
        QCOMPARE(stored.value(102), 3);
        QCOMPARE(stored.value(105), 321);
        QCOMPARE(stored.value(104), 98765);
        QCOMPARE(stored.value(103), 5);
        QCOMPARE(stored.value(108), 29);

        rig.toggleLink();
        rig.toggleLink();
        QVERIFY(rig.edit("UnitEdit")->text() == QStringLiteral("321"));
        rig.edit("UnitEdit")->clear();
        QVERIFY(rig.read());
        QTRY_COMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("321"));
        QCOMPARE(rig.edit("AddressEdit")->text(), QStringLiteral("98765"));
        QCOMPARE(rig.combo("WorkModeBox")->currentIndex(), 0);
        QCOMPARE(rig.combo("BaudSetBox")->currentIndex(), 3);
        QCOMPARE(rig.combo("AirSpeedBox")->currentIndex(), 5);
        QCOMPARE(rig.combo("OutputPowerBox")->currentIndex(), 9);
        QCOMPARE(rig.combo("repeater_state")->currentIndex(), 0);
    }

    void lockedAddressSurvives()
    {
        Rig rig;
        rig.sim.setInitialRegisters(registersFor(Tarn));
        QVERIFY(rig.start(KV6, Tarn));
        rig.button("RandButton")->click();
        const QString address = rig.edit("AddressEdit")->text();
        QVERIFY(!address.isEmpty());
        rig.button("LockButton")->click();
        QVERIFY(!rig.button("RandButton")->isEnabled());
        QVERIFY(rig.button("RandButton")->styleSheet().contains(QStringLiteral("RandButton.svg")));
        QVERIFY(rig.button("LockButton")->styleSheet().contains(QStringLiteral("LockButton_light.svg")));

        rig.toggleLink();
        QVERIFY(rig.read());
        QCOMPARE(rig.edit("AddressEdit")->text(), address);
        QVERIFY(rig.edit("AddressEdit")->isEnabled());
        rig.toggleLink();
        QCOMPARE(rig.edit("AddressEdit")->text(), address);
        rig.action("ActionEnglish")->trigger();
        rig.action("ActionChinese")->trigger();
        QCOMPARE(rig.edit("AddressEdit")->text(), address);

        // The next modem gets the same address.
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.write();
        QCOMPARE(rig.sim.storedRegisters().value(104), address.toLongLong());

        rig.button("LockButton")->click();
        QVERIFY(rig.button("RandButton")->isEnabled());
        QVERIFY(rig.button("LockButton")->styleSheet().contains(QStringLiteral("LockButton.svg")));
        rig.toggleLink();
        QVERIFY(rig.edit("AddressEdit")->text().isEmpty());
        rig.action("ActionEnglish")->trigger();
    }

    // Pictures of the window for the README, made only when asked for:
    // KVX_SCREENSHOT_DIR=docs build/tst_readwrite screenshots
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KVX_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set KVX_SCREENSHOT_DIR to make the README pictures");
        // Laid out anew first: a grab right after a new status shows the old width.
        const auto shoot = [&dir](Rig &rig, const char *name) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return rig.window->grab().save(dir + QLatin1Char('/') + QLatin1String(name));
        };
        Rig rig;
        QVERIFY(rig.start(KV6, BraeLoch, PointToMultipoint));
        rig.action("ActionChinese")->trigger();
        QVERIFY(rig.window->grab().save(dir + QStringLiteral("/main-window-zh.png")));
        rig.action("ActionEnglish")->trigger();
        QVERIFY(rig.window->grab().save(dir + QStringLiteral("/main-window-en.png")));
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.button("RandButton")->click();
        rig.button("LockButton")->click();
        QVERIFY(rig.window->grab().save(dir + QStringLiteral("/filled-form.png")));
        // The status line while a write runs and after it, good and failed.
        rig.action("ActionVerifyWrite")->trigger();
        rig.button("ConfigButton")->click();
        QTRY_VERIFY(rig.status().startsWith(QStringLiteral("Writing 4 ")));
        QVERIFY(shoot(rig, "status-writing.png"));
        QVERIFY(rig.settle());
        QVERIFY(shoot(rig, "status-verified.png"));
        rig.action("ActionVerifyWrite")->trigger();
        Rig refusing;
        QVERIFY(refusing.start(KV5, Skerry, PointToMultipoint, { "--error-on", "ATS108" }));
        refusing.toggleLink();
        QVERIFY(refusing.read());
        refusing.write();
        QVERIFY(shoot(refusing, "status-refused.png"));
    }

    void randomNeverRepeats()
    {
        qputenv("KVX_EXTRA_PORTS", "");
        MainWindow window;
        auto *rand = window.findChild<QPushButton *>(QStringLiteral("RandButton"));
        auto *address = window.findChild<QLineEdit *>(QStringLiteral("AddressEdit"));
        QString previous;
        for (int i = 0; i < 500; ++i) {
            rand->click();
            const uint value = address->text().toUInt();
            QVERIFY(value >= 1 && value <= 32768);
            QVERIFY(address->text() != previous);
            previous = address->text();
        }
    }
};

QTEST_MAIN(TestReadWrite)
#include "tst_readwrite.moc"
