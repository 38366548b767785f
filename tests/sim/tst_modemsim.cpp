// The real kvx-modemsim behind a real pseudo-terminal, driven through
// QSerialPort as the tool drives a modem.

#include "protocol/atcommands.h"
#include "support/simprocess.h"
#include "support/wait.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

bool openPort(QSerialPort &port, const QString &path, qint32 baud)
{
    port.setPortName(path);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        qWarning() << "cannot open" << path << port.errorString();
        return false;
    }
    return true;
}

// Reads until `end` has arrived (everything read so far is returned).
QByteArray readUntil(QSerialPort &port, const QByteArray &end, int timeoutMs = 10000)
{
    QByteArray data;
    const QDeadlineTimer deadline(timeoutMs);
    while (!data.contains(end) && !deadline.hasExpired()) {
        if (port.bytesAvailable() || port.waitForReadyRead(50))
            data += port.readAll();
    }
    return data;
}

QByteArray readBytes(QSerialPort &port, int count, int timeoutMs = 10000)
{
    QByteArray data;
    const QDeadlineTimer deadline(timeoutMs);
    while (data.size() < count && !deadline.hasExpired()) {
        if (port.bytesAvailable() || port.waitForReadyRead(50))
            data += port.read(count - data.size());
    }
    return data;
}

QByteArray ask(QSerialPort &port, const QByteArray &line)
{
    port.write(line);
    return readUntil(port, "\r\n" + QByteArray(line.startsWith("AT&V") ? "OK\r\n" : ""));
}

} // namespace

class tst_ModemSim : public QObject
{
    Q_OBJECT

private slots:
    void reportAtProductSpeed_data();
    void reportAtProductSpeed();
    void slaveStartsRaw();
    void noAnswerAtWrongSpeed_data();
    void noAnswerAtWrongSpeed();
    void linkControlFrames();
    void kv5IgnoresFrames();
    void echoInPieces();
    void logHasLinesFramesAndPauses();
    void stateAcrossRuns();
    void linkAndCleanExit();
    void onceEndsAfterPeerHasGone();
    void killIsDeviceLoss();
    void splitReceived_data();
    void splitReceived();
};

void tst_ModemSim::reportAtProductSpeed_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("baud");
    QTest::addColumn<QByteArray>("header");

    QTest::newRow("kv6 skerry") << "kv6" << "skerry" << 115200 << QByteArray("\r\nKV6-KV7 Skerry");
    QTest::newRow("kv5 half-fjord") << "kv5" << "half-fjord" << 9600 << QByteArray("\r\nKV5 Half Fjord");
}

void tst_ModemSim::reportAtProductSpeed()
{
    QFETCH(QString, product);
    QFETCH(QString, module);
    QFETCH(int, baud);
    QFETCH(QByteArray, header);

    SimProcess sim;
    QVERIFY2(sim.start({ "--product", product, "--module", module }), qPrintable(sim.errorString()));
    QVERIFY2(sim.portPath().startsWith("/dev/"), qPrintable(sim.portPath()));

    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), baud));
    port.write(cmdReadSettings());
    const QByteArray report = readUntil(port, "OK\r\n");
    QVERIFY2(report.startsWith(header), report.constData());
    QVERIFY(report.endsWith("\r\n\r\nOK\r\n"));
    for (const char *entry : { "\r\nS101=0\r\n", "\r\nS103=1\r\n", "\r\nS108=30\r\n", "\r\nS141=0\r\n" })
        QVERIFY2(report.contains(entry), entry);
    QVERIFY(sim.waitForReceived("AT&V\r\n"));
    QCOMPARE(sim.received(), QByteArray("AT&V\r\n"));
    QVERIFY(sim.storedRegisters().isEmpty());   // nothing stored without AT&W
}

void tst_ModemSim::slaveStartsRaw()
{
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    // Before anybody configures the port: no echo, no line editing, no
    // CR/LF translation by the terminal driver.
    const int fd = ::open(sim.portPath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    termios settings {};
    const bool read = tcgetattr(fd, &settings) == 0;
    ::close(fd);
    QVERIFY(read);
    QCOMPARE(settings.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), tcflag_t(0));
    QCOMPARE(settings.c_iflag & (ICRNL | INLCR | IGNCR | IXON), tcflag_t(0));
    QCOMPARE(settings.c_oflag & OPOST, tcflag_t(0));
}

void tst_ModemSim::noAnswerAtWrongSpeed_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("wrongBaud");
    QTest::addColumn<int>("rightBaud");

    QTest::newRow("kv6 at 9600") << "kv6" << 9600 << 115200;
    QTest::newRow("kv6 at 57600") << "kv6" << 57600 << 115200;
    QTest::newRow("kv5 at 115200") << "kv5" << 115200 << 9600;
}

void tst_ModemSim::noAnswerAtWrongSpeed()
{
    QFETCH(QString, product);
    QFETCH(int, wrongBaud);
    QFETCH(int, rightBaud);

    SimProcess sim;
    QVERIFY2(sim.start({ "--product", product }), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), wrongBaud));
    port.write(cmdReadSettings() + cmdSetS141(1) + frameLinkOpen());
    QVERIFY(sim.waitForReceived(frameLinkOpen()));

    // Whatever the unit had answered would come before the next answer.
    QVERIFY(port.setBaudRate(rightBaud));
    port.write(cmdSetS102(4));
    QCOMPARE(readUntil(port, "\r\n"), QByteArray("OK\r\n"));
    const QByteArray report = ask(port, cmdReadSettings());
    QVERIFY2(report.contains("\r\nS141=0\r\n"), report.constData());
    QVERIFY(report.contains("\r\nS102=4\r\n"));
}

void tst_ModemSim::linkControlFrames()
{
    SimProcess sim;
    QVERIFY2(sim.start({ "--product", "kv6", "--module", "brae-loch" }), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), 115200));

    port.write(frameLinkOpen());
    QCOMPARE(readBytes(port, 9).toHex(' '), hex("FA B0 04 00 00 C2 01 00 5F").toHex(' '));

    port.write(frameSetBaud(230400) + frameLinkOpen());
    QCOMPARE(readBytes(port, 9).toHex(' '), hex("FA B0 04 00 00 84 03 00 5F").toHex(' '));

    // The read-prepare frame has no answer: the next bytes answer 0xE2.
    port.write(frameReadPrepare() + frameLinkClose());
    QCOMPARE(readBytes(port, 5).toHex(' '), hex("FA E2 00 00 5F").toHex(' '));

    // Frames and lines share the stream.
    port.write(frameReadPrepare() + cmdReadSettings());
    const QByteArray report = readUntil(port, "OK\r\n");
    QVERIFY2(report.startsWith("\r\nKV6-KV7 Brae-Loch"), report.toHex(' ').constData());

    QVERIFY(sim.waitForReceived(cmdReadSettings()));
    QList<QByteArray> items;
    for (const ReceivedItem &item : sim.receivedLines()) {
        QCOMPARE(item.isFrame(), item.bytes.startsWith(char(0xFA)));
        items << item.bytes;
    }
    const QList<QByteArray> expected = { frameLinkOpen(), frameSetBaud(230400), frameLinkOpen(),
                                         frameReadPrepare(), frameLinkClose(), frameReadPrepare(),
                                         cmdReadSettings() };
    QCOMPARE(items, expected);
}

void tst_ModemSim::kv5IgnoresFrames()
{
    SimProcess sim;
    QVERIFY2(sim.start({ "--product", "kv5" }), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), 9600));
    port.write(frameLinkOpen() + frameLinkClose() + cmdSetS141(1));
    QCOMPARE(readUntil(port, "\r\n"), QByteArray("OK\r\n"));
}

void tst_ModemSim::echoInPieces()
{
    SimProcess sim;
    QVERIFY2(sim.start({ "--echo", "--chunk", "4", "--gap", "40" }), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), 115200));

    QElapsedTimer clock;
    clock.start();
    port.write(cmdSetS104(1234));
    const QByteArray answer = readUntil(port, "OK\r\n");
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(answer, QByteArray("ATS104=1234\r\nOK\r\n"));
    // 17 bytes in pieces of 4: four gaps of 40 ms at least.
    QVERIFY2(elapsed >= 160, qPrintable(QString("whole answer after %1 ms").arg(elapsed)));
}

void tst_ModemSim::logHasLinesFramesAndPauses()
{
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), 115200));

    port.write(cmdPresetMaster(true, 2));
    QVERIFY(sim.waitForReceived("AT&F7\r\n"));
    waitWithEvents(150);
    port.write(frameLinkClose() + cmdStoreSettings());
    QVERIFY(sim.waitForReceived("AT&W\r\n"));

    const QList<ReceivedItem> items = sim.receivedLines();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0).bytes, QByteArray("AT&F7\r\n"));
    QCOMPARE(items.at(1).bytes, frameLinkClose());
    QVERIFY(items.at(1).isFrame());
    QCOMPARE(items.at(2).bytes, QByteArray("AT&W\r\n"));
    QVERIFY(!items.at(2).isFrame());
    QVERIFY2(items.at(1).ms - items.at(0).ms >= 149.9,
             qPrintable(QString("pause of %1 ms").arg(items.at(1).ms - items.at(0).ms)));
    QVERIFY(items.at(2).ms >= items.at(1).ms);
    QCOMPARE(sim.received(), "AT&F7\r\n" + frameLinkClose() + "AT&W\r\n");

    QFile log(sim.logPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QRegularExpression format("^\\d+\\.\\d{3} [0-9a-f]+$");
    const QList<QByteArray> lines = log.readAll().split('\n');
    QCOMPARE(lines.last(), QByteArray());
    for (const QByteArray &line : lines.mid(0, lines.size() - 1))
        QVERIFY2(format.match(QString::fromLatin1(line)).hasMatch(), line.constData());
}

void tst_ModemSim::stateAcrossRuns()
{
    SimProcess first;
    first.setInitialRegisters({ { 104, 4242 }, { 108, 25 } });
    QVERIFY2(first.start({ "--module", "skerry" }), qPrintable(first.errorString()));
    {
        QSerialPort port;
        QVERIFY(openPort(port, first.portPath(), 115200));
        const QByteArray report = ask(port, cmdReadSettings());
        QVERIFY2(report.contains("\r\nS104=4242\r\n") && report.contains("\r\nS108=25\r\n"), report.constData());
        QCOMPARE(ask(port, cmdSetS105(77)), QByteArray("OK\r\n"));
        QCOMPARE(ask(port, cmdPresetSlave(true, 3)), QByteArray("OK\r\n"));
        QCOMPARE(ask(port, cmdStoreSettings()), QByteArray("OK\r\n"));
        QCOMPARE(ask(port, cmdSetS102(12)), QByteArray("OK\r\n"));   // not stored
    }
    const QMap<int, qint64> stored = first.storedRegisters();
    QCOMPARE(stored.keys(), QList<int>({ 101, 102, 103, 104, 105, 108, 118, 141 }));
    QCOMPARE(stored.value(101), 2);
    QCOMPARE(stored.value(104), 4242);
    QCOMPARE(stored.value(105), 77);
    QCOMPARE(stored.value(102), 1);
    QVERIFY(first.terminate());

    SimProcess second;
    QVERIFY2(second.start({ "--module", "skerry", "--state", first.statePath() }), qPrintable(second.errorString()));
    QCOMPARE(second.statePath(), first.statePath());
    QSerialPort port;
    QVERIFY(openPort(port, second.portPath(), 115200));
    const QByteArray report = ask(port, cmdReadSettings());
    for (const char *entry : { "\r\nS101=2\r\n", "\r\nS102=1\r\n", "\r\nS104=4242\r\n", "\r\nS105=77\r\n" })
        QVERIFY2(report.contains(entry), report.constData());
}

void tst_ModemSim::linkAndCleanExit()
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyKVX0");
    SimProcess sim;
    QVERIFY2(sim.start({ "--link", link }), qPrintable(sim.errorString()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.portPath());

    {
        QSerialPort port;
        QVERIFY(openPort(port, link, 115200));
        QCOMPARE(ask(port, cmdSetS141(1)), QByteArray("OK\r\n"));
    }
    QVERIFY(sim.terminate());
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(link));
}

void tst_ModemSim::onceEndsAfterPeerHasGone()
{
    SimProcess sim;
    QVERIFY2(sim.start({ "--once" }), qPrintable(sim.errorString()));
    {
        // A port probe: opened and closed again at once.
        QSerialPort probe;
        QVERIFY(openPort(probe, sim.portPath(), 115200));
    }
    {
        // The connect that follows still finds the modem.
        QSerialPort port;
        QVERIFY(openPort(port, sim.portPath(), 115200));
        QCOMPARE(ask(port, cmdSetS141(1)), QByteArray("OK\r\n"));
    }
    QVERIFY(sim.isRunning());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(sim.waitForExit(20000));
    QVERIFY2(clock.elapsed() >= 1800, qPrintable(QString("ended %1 ms after the close").arg(clock.elapsed())));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
}

void tst_ModemSim::killIsDeviceLoss()
{
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QSerialPort port;
    QVERIFY(openPort(port, sim.portPath(), 115200));
    // A vanished pty reads as end of file, which QSerialPort reports as a
    // read error over and over until the port is closed.
    QList<QSerialPort::SerialPortError> errors;
    connect(&port, &QSerialPort::errorOccurred, this, [&](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError)
            return;
        errors << error;
        port.close();
    });

    sim.kill();
    QVERIFY(!sim.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 10000);
    QVERIFY2(errors.first() == QSerialPort::ReadError || errors.first() == QSerialPort::ResourceError,
             qPrintable(QString::number(errors.first())));
    QVERIFY(!port.isOpen());
}

void tst_ModemSim::splitReceived_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");   // read one after another, 10 ms apart
    QTest::addColumn<QList<QByteArray>>("items");
    QTest::addColumn<QList<double>>("times");

    using Bytes = QList<QByteArray>;
    using Times = QList<double>;
    QTest::newRow("nothing") << Bytes {} << Bytes {} << Times {};
    QTest::newRow("lines in one read") << Bytes { "AT&F1\r\nATS141=0\r\n" }
                                       << Bytes { "AT&F1\r\n", "ATS141=0\r\n" } << Times { 0, 0 };
    QTest::newRow("line over two reads") << Bytes { "ATS1", "04=7\r\nAT&W\r\n" }
                                         << Bytes { "ATS104=7\r\n", "AT&W\r\n" } << Times { 0, 10 };
    QTest::newRow("frames and lines") << Bytes { hex("FA E1 00 00 5F") + "AT&V\r\n", hex("FA B1 04 00 00 E1 00 00 5F") }
                                      << Bytes { hex("FA E1 00 00 5F"), "AT&V\r\n", hex("FA B1 04 00 00 E1 00 00 5F") }
                                      << Times { 0, 0, 10 };
    // A frame is cut by its length field, whatever its payload holds.
    QTest::newRow("frame holding CR LF") << Bytes { hex("FA B1 04 00 0D 0A 00 00 5F") + "AT&W\r\n" }
                                         << Bytes { hex("FA B1 04 00 0D 0A 00 00 5F"), "AT&W\r\n" } << Times { 0, 0 };
    QTest::newRow("unfinished") << Bytes { "AT&W\r\nAT&", hex("FA") }
                                << Bytes { "AT&W\r\n", "AT&" + hex("FA") } << Times { 0, 0 };
    QTest::newRow("unfinished frame") << Bytes { "AT&W\r\n", hex("FA B0 04 00 00") }
                                      << Bytes { "AT&W\r\n", hex("FA B0 04 00 00") } << Times { 0, 10 };
}

void tst_ModemSim::splitReceived()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, items);
    QFETCH(QList<double>, times);

    QByteArray stream;
    QMap<qsizetype, double> startMs;
    for (int i = 0; i < chunks.size(); ++i) {
        startMs.insert(stream.size(), 10.0 * i);
        stream += chunks.at(i);
    }
    QList<QByteArray> actualItems;
    QList<double> actualTimes;
    for (const ReceivedItem &item : SimProcess::splitReceived(stream, startMs)) {
        actualItems << item.bytes;
        actualTimes << item.ms;
    }
    QCOMPARE(actualItems, items);
    QCOMPARE(actualTimes, times);
}

QTEST_GUILESS_MAIN(tst_ModemSim)
#include "tst_modemsim.moc"
