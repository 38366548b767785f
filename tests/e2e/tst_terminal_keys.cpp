// The AT terminal's keys and output tools against the simulated modem:
// Ctrl+Return sends what the button sends, Ctrl+Up and Ctrl+Down recall the
// commands sent, and the output area's menu saves the bytes as received and
// shows them as hex, link control frames included.

#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "rig.h"
#include "terminal/atinterface.h"

namespace {

constexpr int kWaitMs = 10000;

QTextEdit *output(Rig &rig) { return rig.find<QTextEdit>("OutputTextEdit"); }
QTextEdit *input(Rig &rig) { return rig.find<QTextEdit>("IntputTextEdit"); }

void ctrl(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers more = {})
{
    QTest::keyClick(widget, key, Qt::ControlModifier | more);
}

// Right-clicks the output area and clicks the menu item `text`.
bool choose(Rig &rig, const QString &text)
{
    QWidget *viewport = output(rig)->viewport();
    const QPoint at(40, 30);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible())
        return false;
    for (QAction *action : menu->actions()) {
        if (action->text() == text && action->isVisible() && action->isEnabled()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    menu->close();
    return false;
}

// Answers the next file dialog with `path`, from inside its own event loop.
void saveAs(const QString &path)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    timer->start();
}

// The link-open frame's answer from a KV6 unit at 115200 baud.
const QByteArray kLinkOpenReply("\xfa\xb0\x04\x00\x00\xc2\x01\x00\x5f", 9);

// A KV6 simulator that echoes lines and answers one byte per read, with the
// terminal shown before the link opens, so the frame the unit answers the
// link-open frame with arrives in the terminal. Then a typed line with a
// character that arrives split. Returns the bytes the terminal received.
QByteArray frameAndSplitCharacter(Rig &rig)
{
    if (!rig.start(KV6, Tarn, PointToPoint, { "--echo", "--chunk", "1", "--gap", "2" }))
        return {};
    rig.action("ATCommand")->trigger();
    rig.toggleLink();
    input(rig)->setPlainText(QString::fromUtf8("AT 温")); // keyClicks knows ASCII only
    input(rig)->moveCursor(QTextCursor::End);
    ctrl(input(rig), Qt::Key_Return);
    const QByteArray expected = kLinkOpenReply + QByteArray("AT \xe6\xb8\xa9\r\nERROR\r\n");
    auto *panel = rig.window->findChild<ATInterface *>();
    QElapsedTimer clock;
    clock.start();
    while (panel->receivedBytes().size() < expected.size() && !clock.hasExpired(kWaitMs))
        QTest::qWait(20);
    panel->flushPending();
    return expected;
}

} // namespace

class TestTerminalKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Qt's own file dialog, which the test fills in.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void ctrlReturnSendsAsTheButton_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("command") << "AT&V" << QByteArray("AT&V\r\n");
        QTest::newRow("non-ASCII") << QString::fromUtf8("AT 温度 é") << QByteArray("AT \xe6\xb8\xa9\xe5\xba\xa6 \xc3\xa9\r\n");
    }
    void ctrlReturnSendsAsTheButton()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, wire);
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        QVERIFY(input(rig)->isVisible());

        // The button first, then each key, the same line each time.
        input(rig)->setPlainText(typed);
        rig.find<QPushButton>("pushButton")->click();
        QVERIFY(rig.sim.waitForReceived(wire));
        input(rig)->setPlainText(typed);
        ctrl(input(rig), Qt::Key_Return);
        QVERIFY(input(rig)->toPlainText().isEmpty());
        input(rig)->setPlainText(typed);
        ctrl(input(rig), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(rig.sim.waitForReceived(wire, kWaitMs, 3));
        QCOMPARE(rig.sim.received(), wire + wire + wire);
        QVERIFY(input(rig)->toPlainText().isEmpty());
    }

    void historyRecallsThreeCommands()
    {
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn));
        rig.toggleLink();
        rig.action("ATCommand")->trigger();
        for (const char *command : { "AT", "ATS104=12345", "AT&V" }) {
            QTest::keyClicks(input(rig), QLatin1String(command));
            ctrl(input(rig), Qt::Key_Return);
        }
        QVERIFY(rig.sim.waitForReceived("AT&V\r\n"));

        QTest::keyClicks(input(rig), QStringLiteral("ATI"));
        ctrl(input(rig), Qt::Key_Up);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("AT&V"));
        ctrl(input(rig), Qt::Key_Up);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("ATS104=12345"));
        ctrl(input(rig), Qt::Key_Up);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("AT"));
        ctrl(input(rig), Qt::Key_Up);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("AT"));
        ctrl(input(rig), Qt::Key_Down);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("ATS104=12345"));
        ctrl(input(rig), Qt::Key_Down);
        ctrl(input(rig), Qt::Key_Down);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("ATI"));

        // A recalled command goes out again, and the history outlives a
        // visit to the form.
        ctrl(input(rig), Qt::Key_Up);
        ctrl(input(rig), Qt::Key_Up);
        ctrl(input(rig), Qt::Key_Return);
        QVERIFY(rig.sim.waitForReceived("ATS104=12345\r\n", kWaitMs, 2));
        rig.action("ATCommand")->trigger();
        rig.action("ATCommand")->trigger();
        ctrl(input(rig), Qt::Key_Up);
        QCOMPARE(input(rig)->toPlainText(), QStringLiteral("ATS104=12345"));
    }

    void saveWritesTheBytesReceived()
    {
        Rig rig;
        const QByteArray expected = frameAndSplitCharacter(rig);
        QVERIFY(!expected.isEmpty());
        QVERIFY(output(rig)->toPlainText().contains(QString::fromUtf8("AT 温\nERROR\n")));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("modem.txt"));
        saveAs(path);
        QVERIFY(choose(rig, QString::fromUtf8("Save transcript…")));
        QFile file(path);
        QTRY_VERIFY(file.exists());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    void hexViewShowsTheFrame()
    {
        Rig rig;
        const QByteArray expected = frameAndSplitCharacter(rig);
        QVERIFY(!expected.isEmpty());
        const QString text = output(rig)->toPlainText();
        QVERIFY(text.contains(QString::fromUtf8("AT 温\nERROR\n")));

        QVERIFY(choose(rig, QStringLiteral("Show as hex")));
        const QStringList rows = output(rig)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(rows.value(0), QStringLiteral("00000000  fa b0 04 00 00 c2 01 00  5f 41 54 20 e6 b8 a9 0d  |........_AT ....|"));
        QCOMPARE(rows.value(1), QStringLiteral("00000010  0a 45 52 52 4f 52 0d 0a                           |.ERROR..|"));
        QCOMPARE(rows.value(2), QStringLiteral("00000018"));
        QVERIFY(output(rig)->isVisible());

        QVERIFY(choose(rig, QStringLiteral("Show as hex")));
        QCOMPARE(output(rig)->toPlainText(), text);
    }
};

QTEST_MAIN(TestTerminalKeys)
#include "tst_terminal_keys.moc"
