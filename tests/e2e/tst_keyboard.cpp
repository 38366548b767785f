// A unit's whole cycle by keyboard alone against the simulated modem:
// connect, read, change fields, write, next unit, each by its key, the
// fields reached by Tab; the unit gets exactly the lines the form says.

#include <QtTest>

#include "rig.h"

namespace {

void key(Rig &rig, Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.get();
    QTest::keyClick(target, k, modifiers);
}

bool ready(Rig &rig)
{
    return rig.settle() && rig.state() == MainWindow::LinkState::Ready;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void wholeCycleByKeys()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));

        key(rig, Qt::Key_F4);
        QVERIFY(ready(rig));
        key(rig, Qt::Key_F5);
        QVERIFY(ready(rig));
        QVERIFY(rig.button("ConfigButton")->isEnabled());
        QVERIFY2(rig.status().startsWith(QStringLiteral("Read: unit 1 · network 12345 · Master · baud ")),
                 qPrintable(rig.status()));

        // Tab reaches the form's first field, then follows the form.
        for (int i = 0; i < 30 && QApplication::focusWidget() != rig.edit("UnitEdit"); ++i)
            key(rig, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.edit("UnitEdit"));
        key(rig, Qt::Key_End);
        key(rig, Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        const QStringList order { "AddressEdit", "WorkModeBox", "BaudSetBox", "AirSpeedBox" };
        for (const QString &name : order) {
            key(rig, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
        key(rig, Qt::Key_Down);
        QCOMPARE(rig.combo("AirSpeedBox")->currentIndex(), 2);

        const qsizetype before = rig.sim.receivedLines().size();
        key(rig, Qt::Key_F6);
        QTRY_VERIFY(rig.linesAfter(before).contains("AT&W\r\n"));
        QVERIFY(ready(rig));
        QCOMPARE(rig.linesAfter(before),
                 QList<QByteArray>({ "AT&F7\r\n", "ATS141=0\r\n", "ATS102=7\r\n", "ATS105=5\r\n", "ATS104=12345\r\n",
                                     "ATS103=2\r\n", "ATS108=30\r\n", "AT&W\r\n" }));
        QVERIFY2(rig.status().startsWith(QStringLiteral("unit 5 · network 12345 · Master · baud ")), qPrintable(rig.status()));
        QVERIFY2(rig.status().endsWith(QStringLiteral(" · link rate 276480 · 1000mW · written, not checked")),
                 qPrintable(rig.status()));

        // The next unit: the link closes, opens again and the unit is read.
        const qsizetype written = rig.sim.receivedLines().size();
        key(rig, Qt::Key_F7);
        QTRY_VERIFY_WITH_TIMEOUT(rig.linesAfter(written).contains("AT&V\r\n"), 20000);
        QVERIFY(ready(rig));
        const QList<QByteArray> next = rig.linesAfter(written);
        // The link-close frame the disconnect sends, then the read.
        QCOMPARE(next, QList<QByteArray>({ QByteArray::fromHex("fae200005f"), "AT&V\r\n" }));
        QVERIFY(rig.button("ConfigButton")->isEnabled());

        key(rig, Qt::Key_F4);
        QVERIFY(rig.settle());
        QCOMPARE(rig.state(), MainWindow::LinkState::Closed);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
