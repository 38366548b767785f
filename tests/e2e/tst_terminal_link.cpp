// The AT terminal against the simulated modem: the exact bytes of typed
// lines, and what is shown of the replies.

#include <QDir>
#include <QTextEdit>
#include <QtTest>

#include "rig.h"
#include "terminal/atinterface.h"

namespace {

QTextEdit *output(Rig &rig) { return rig.find<QTextEdit>("OutputTextEdit"); }
QTextEdit *input(Rig &rig) { return rig.find<QTextEdit>("IntputTextEdit"); }

void send(Rig &rig, const QString &text)
{
    input(rig)->setPlainText(text);
    rig.find<QPushButton>("pushButton")->click();
}

} // namespace

class TestTerminalLink : public QObject
{
    Q_OBJECT

private slots:
    void typedLinesOnTheWire_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("command") << "AT&V" << QByteArray("AT&V\r\n");
        QTest::newRow("empty") << "" << QByteArray("\r\n");
        // Each row a line of its own: never a line feed inside a line.
        QTest::newRow("two rows") << "ATS104=1\nAT&W" << QByteArray("ATS104=1\r\nAT&W\r\n");
        QTest::newRow("non-ASCII") << QString::fromUtf8("AT 温度 é") << QByteArray("AT \xe6\xb8\xa9\xe5\xba\xa6 \xc3\xa9\r\n");
    }
    void typedLinesOnTheWire()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, wire);
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        send(rig, typed);
        QVERIFY(rig.sim.waitForReceived(wire));
        QCOMPARE(rig.sim.received(), wire);
        QVERIFY(input(rig)->toPlainText().isEmpty());
    }

    void repliesOnlyWhileShown()
    {
        Rig rig;
        QVERIFY(rig.start(KV6, Skerry, PointToPoint, { "--echo" }));
        rig.toggleLink();
        // Read from the form: the report fills the form, not the panel.
        QVERIFY(rig.read());
        rig.action("ATCommand")->trigger();
        QVERIFY(rig.window->centralWidget() == rig.window->findChild<ATInterface *>());
        QVERIFY(output(rig)->toPlainText().isEmpty());

        send(rig, "AT&V");
        QTRY_VERIFY(output(rig)->toPlainText().contains(QStringLiteral("S101=")));
        QTRY_VERIFY(output(rig)->toPlainText().endsWith(QStringLiteral("OK\n")));
        QVERIFY(output(rig)->toPlainText().startsWith(QStringLiteral("AT&V\n")));
    }

    void markupShownLiterally()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToPoint, { "--echo" }));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        send(rig, "<b>bold</b> &amp; <i>x</i>");
        QTRY_VERIFY(output(rig)->toPlainText().contains(QStringLiteral("ERROR")));
        QVERIFY(output(rig)->toPlainText().startsWith(QStringLiteral("<b>bold</b> &amp; <i>x</i>\n")));
    }

    // The echo comes back one byte per read, so every multi-byte character
    // is split across reads.
    void splitCharactersShownWhole()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToPoint, { "--echo", "--chunk", "1", "--gap", "2" }));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        const QString text = QString::fromUtf8("é温度€");
        send(rig, text);
        QTRY_VERIFY_WITH_TIMEOUT(output(rig)->toPlainText().contains(QStringLiteral("ERROR")), 10000);
        QVERIFY(output(rig)->toPlainText().startsWith(text + QLatin1Char('\n')));
        QVERIFY(!output(rig)->toPlainText().contains(QChar::ReplacementCharacter));
    }

    // A report the terminal asked of unit A belongs to A's link: after a
    // disconnect, unit B (the other product) shows none of A's settings or
    // rate, cannot be written before its own read, and the read's status
    // line names B's values whatever the locked address puts in the form.
    void reportStaysWithItsLink_data()
    {
        QTest::addColumn<Product>("first");
        QTest::addColumn<Product>("second");
        QTest::newRow("KV5, then KV6 - KV7") << KV5 << KV6;
        QTest::newRow("KV6 - KV7, then KV5") << KV6 << KV5;
    }
    void reportStaysWithItsLink()
    {
        QFETCH(Product, first);
        QFETCH(Product, second);
        Rig rig;
        QVERIFY(rig.start(first, Tarn));
        SimProcess unitB;
        unitB.setInitialRegisters({ { 101, 2 }, { 102, 4 }, { 103, 4 }, { 104, 2222 }, { 105, 2 }, { 108, 25 }, { 141, 0 } });
        QVERIFY(unitB.start({ "--product", productArg(second), "--module", "tarn" }));
        rig.toggleLink();
        if (first == KV6)
            rig.combo("SerialSetBox")->setCurrentText("57600");
        rig.action("ATCommand")->trigger();
        send(rig, "AT&V");
        QTRY_VERIFY(output(rig)->toPlainText().contains(QStringLiteral("OK")));
        rig.action("ATCommand")->trigger();
        rig.toggleLink();

        qputenv("KVX_EXTRA_PORTS", (rig.sim.portPath() + QDir::listSeparator() + unitB.portPath()).toLocal8Bit());
        rig.button("flush")->click();
        rig.combo("SerialBox")->setCurrentText(unitB.portPath());
        rig.radio(second == KV6 ? "product_2" : "product_1")->click();
        rig.toggleLink();
        QTest::qWait(300);
        for (const char *name : { "WorkModeBox", "AirSpeedBox", "OutputPowerBox", "AddressEdit", "ConfigButton" })
            QVERIFY2(!rig.find<QWidget>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(rig.edit("AddressEdit")->text().isEmpty() && !unitB.received().contains("AT"));
        QCOMPARE(rig.combo("SerialSetBox")->currentText(), second == KV6 ? QStringLiteral("115200") : QString());

        rig.button("RandButton")->click();
        rig.button("LockButton")->click();
        QVERIFY(rig.read());
        QCOMPARE(rig.status(), QStringLiteral("Read: unit 2 · network 2222 · Slave(Remote) · baud 28800 · link rate 115200 · 320mW"));
        QVERIFY(rig.edit("AddressEdit")->text() != QStringLiteral("2222"));
    }

    void swapKeepsFormAndInput()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, BraeLoch, PointToMultipoint, { "--echo" }));
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.combo("BaudSetBox")->setCurrentIndex(3);
        rig.edit("UnitEdit")->setText(QStringLiteral("77"));
        const QString address = rig.edit("AddressEdit")->text();

        rig.action("ATCommand")->trigger();
        QCOMPARE(rig.action("ATCommand")->text(), QStringLiteral("Main window"));
        send(rig, "AT");
        QTRY_VERIFY(!output(rig)->toPlainText().isEmpty());
        input(rig)->setPlainText(QStringLiteral("ATS102=1"));

        rig.action("ATCommand")->trigger();
        QCOMPARE(rig.action("ATCommand")->text(), QStringLiteral("AT interface"));
        QCOMPARE(rig.window->centralWidget()->objectName(), QStringLiteral("centralwidget"));
        QVERIFY(rig.window->centralWidget()->isVisible());
        QVERIFY(!rig.window->findChild<ATInterface *>()->isVisible());
        QCOMPARE(rig.combo("BaudSetBox")->currentIndex(), 3);
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("77"));
        QCOMPARE(rig.edit("AddressEdit")->text(), address);
        QVERIFY(rig.button("ConfigButton")->isEnabled());

        rig.action("ATCommand")->trigger();
        QVERIFY(output(rig)->toPlainText().isEmpty());
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("ATS102=1"));
        rig.action("ATCommand")->trigger();
        QCOMPARE(rig.combo("BaudSetBox")->currentIndex(), 3);
    }

    // However often the operator visits the terminal, the form comes back on
    // screen with what was typed in it, through resizes and language switches.
    void formShownAfterEveryReturn()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        rig.edit("UnitEdit")->setText(QStringLiteral("77"));
        rig.button("RandButton")->click();
        const QString address = rig.edit("AddressEdit")->text();
        auto *panel = rig.window->findChild<ATInterface *>();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

        for (int round = 0; round < 4; ++round) {
            const QString context = QStringLiteral("round %1").arg(round);
            rig.action("ATCommand")->trigger();
            QTRY_VERIFY2(panel->isVisible(), qPrintable(context));
            QVERIFY2(!rig.find<QWidget>("centralwidget")->isVisible(), qPrintable(context));
            QVERIFY(output(rig)->isVisible());
            if (round == 1)
                rig.window->resize(rig.window->size() + QSize(40, 30));
            if (round == 2)
                rig.action("ActionChinese")->trigger();

            rig.action("ATCommand")->trigger();
            QTRY_VERIFY2(rig.window->centralWidget()->isVisible(), qPrintable(context));
            QVERIFY2(!panel->isVisible(), qPrintable(context));
            for (const char *name : { "UnitEdit", "AddressEdit" })
                QVERIFY2(rig.edit(QLatin1String(name))->isVisible(), qPrintable(context + " " + name));
            for (const char *name : { "WorkModeBox", "BaudSetBox", "AirSpeedBox", "OutputPowerBox", "repeater_state" })
                QVERIFY2(rig.combo(QLatin1String(name))->isVisible(), qPrintable(context + " " + name));
            QVERIFY(rig.button("ConfigButton")->isVisible());
            QVERIFY(rig.label("label")->isVisible());
            QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("77"));
            QCOMPARE(rig.edit("AddressEdit")->text(), address);
            // What the operator sees is drawn from the form, not an empty area.
            const QImage shot = rig.window->grab().toImage();
            const QPoint unitAt = rig.edit("UnitEdit")->mapTo(rig.window.get(), QPoint(5, 5));
            QCOMPARE(QColor(shot.pixel(unitAt)), QColor(Qt::white));
        }
        rig.action("ActionEnglish")->trigger();
    }
};

QTEST_MAIN(TestTerminalLink)
#include "tst_terminal_link.moc"
