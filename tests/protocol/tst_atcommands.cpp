// Byte-exact checks of every command line and link control frame the tool
// sends, of the frame reply decoder and of the event-pumping pause.

#include "protocol/atcommands.h"
#include "support/wait.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(FrameReply::Status)

namespace {

enum Preset { Master, Repeater, Slave };

QByteArray presetLine(Preset preset, bool multipoint, int moduleCode)
{
    switch (preset) {
    case Master: return cmdPresetMaster(multipoint, moduleCode);
    case Repeater: return cmdPresetRepeater(multipoint, moduleCode);
    case Slave: return cmdPresetSlave(multipoint, moduleCode);
    }
    return "unreachable";
}

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

} // namespace

class tst_AtCommands : public QObject
{
    Q_OBJECT

private slots:
    void fixedLines();
    void registerLines_data();
    void registerLines();
    void presets_data();
    void presets();
    void frames_data();
    void frames();
    void frameLengthIsLittleEndian_data();
    void frameLengthIsLittleEndian();
    void decodeFrameReply_data();
    void decodeFrameReply();
    void waitDeliversEvents_data();
    void waitDeliversEvents();
    void waitKeepsTimersRunning();
};

void tst_AtCommands::fixedLines()
{
    QCOMPARE(cmdReadSettings(), QByteArray("AT&V\r\n"));
    QCOMPARE(cmdStoreSettings(), QByteArray("AT&W\r\n"));
}

void tst_AtCommands::registerLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("S102 row 0") << cmdSetS102(0) << QByteArray("ATS102=0\r\n");
    QTest::newRow("S102 row 14") << cmdSetS102(14) << QByteArray("ATS102=14\r\n");
    QTest::newRow("S102 no row") << cmdSetS102(-1) << QByteArray("ATS102=-1\r\n");
    QTest::newRow("S102 int max") << cmdSetS102(2147483647) << QByteArray("ATS102=2147483647\r\n");
    QTest::newRow("S102 int min") << cmdSetS102(-2147483647 - 1) << QByteArray("ATS102=-2147483648\r\n");
    QTest::newRow("S103 row 2") << cmdSetS103(2) << QByteArray("ATS103=2\r\n");
    QTest::newRow("S103 row 7 as 8") << cmdSetS103(8) << QByteArray("ATS103=8\r\n");
    QTest::newRow("S103 no row") << cmdSetS103(-1) << QByteArray("ATS103=-1\r\n");
    QTest::newRow("S104 zero") << cmdSetS104(0) << QByteArray("ATS104=0\r\n");
    QTest::newRow("S104 1234") << cmdSetS104(1234) << QByteArray("ATS104=1234\r\n");
    QTest::newRow("S104 65535") << cmdSetS104(65535) << QByteArray("ATS104=65535\r\n");
    QTest::newRow("S104 int max") << cmdSetS104(2147483647u) << QByteArray("ATS104=2147483647\r\n");
    QTest::newRow("S104 above int max") << cmdSetS104(2147483648u) << QByteArray("ATS104=2147483648\r\n");
    QTest::newRow("S104 uint max") << cmdSetS104(4294967295u) << QByteArray("ATS104=4294967295\r\n");
    QTest::newRow("S104 from -1") << cmdSetS104(quint32(-1)) << QByteArray("ATS104=4294967295\r\n");
    QTest::newRow("S105 5") << cmdSetS105(5) << QByteArray("ATS105=5\r\n");
    QTest::newRow("S105 65535") << cmdSetS105(65535) << QByteArray("ATS105=65535\r\n");
    QTest::newRow("S105 above int max") << cmdSetS105(3000000000u) << QByteArray("ATS105=3000000000\r\n");
    QTest::newRow("S105 from -1") << cmdSetS105(quint32(-1)) << QByteArray("ATS105=4294967295\r\n");
    QTest::newRow("S108 100mW") << cmdSetS108(20) << QByteArray("ATS108=20\r\n");
    QTest::newRow("S108 1000mW") << cmdSetS108(30) << QByteArray("ATS108=30\r\n");
    QTest::newRow("S108 2000mW") << cmdSetS108(33) << QByteArray("ATS108=33\r\n");
    QTest::newRow("S108 no row") << cmdSetS108(19) << QByteArray("ATS108=19\r\n");
    QTest::newRow("S108 negative") << cmdSetS108(-1) << QByteArray("ATS108=-1\r\n");
    QTest::newRow("S118 65535") << cmdSetS118(65535) << QByteArray("ATS118=65535\r\n");
    QTest::newRow("S118 -1") << cmdSetS118(-1) << QByteArray("ATS118=-1\r\n");
    QTest::newRow("S141 NO") << cmdSetS141(0) << QByteArray("ATS141=0\r\n");
    QTest::newRow("S141 YES") << cmdSetS141(1) << QByteArray("ATS141=1\r\n");
    QTest::newRow("S141 -1") << cmdSetS141(-1) << QByteArray("ATS141=-1\r\n");
}

void tst_AtCommands::registerLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, expected);
    QCOMPARE(line, expected);
}

void tst_AtCommands::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("multipoint");
    QTest::addColumn<int>("moduleCode");
    QTest::addColumn<QByteArray>("expected");

    // Columns: code 1 (Brae - Loch), 2 (Tarn), 3 (Skerry), 4 (Half Fjord);
    // nullptr where the module has no such preset.
    struct Row {
        Preset preset;
        bool multipoint;
        const char *byCode[4];
    };
    const Row rows[] = {
        { Master, false, { "AT&F6\r\n", "AT&F10\r\n", "AT&F6\r\n", "AT&F3\r\n" } },
        { Master, true, { "AT&F1\r\n", "AT&F7\r\n", "AT&F1\r\n", "AT&F1\r\n" } },
        { Repeater, false, { "AT&F7\r\n", "AT&F12\r\n", "AT&F7\r\n", nullptr } },
        { Repeater, true, { "AT&F3\r\n", "AT&F9\r\n", "AT&F3\r\n", nullptr } },
        { Slave, false, { "AT&F7\r\n", "AT&F11\r\n", "AT&F7\r\n", "AT&F4\r\n" } },
        { Slave, true, { "AT&F2\r\n", "AT&F8\r\n", "AT&F2\r\n", "AT&F2\r\n" } },
    };
    const char *presetNames[] = { "master", "repeater", "slave" };

    for (const Row &row : rows) {
        const QByteArray prefix = QByteArray(presetNames[row.preset]) + (row.multipoint ? " p2mp" : " p2p");
        for (int code = 1; code <= 4; ++code) {
            const char *line = row.byCode[code - 1];
            QTest::newRow(prefix + " code " + QByteArray::number(code))
                << int(row.preset) << row.multipoint << code << QByteArray(line ? line : "");
            // Only the low byte of the code counts.
            QTest::newRow(prefix + " code " + QByteArray::number(code + 256))
                << int(row.preset) << row.multipoint << code + 256 << QByteArray(line ? line : "");
        }
        // Before the first connect the code is 0; nothing else is a module.
        for (int code : { 0, 5, 6, 255, 256, -1, -256 })
            QTest::newRow(prefix + " code " + QByteArray::number(code))
                << int(row.preset) << row.multipoint << code << QByteArray();
    }
}

void tst_AtCommands::presets()
{
    QFETCH(int, preset);
    QFETCH(bool, multipoint);
    QFETCH(int, moduleCode);
    QFETCH(QByteArray, expected);

    const QByteArray line = presetLine(Preset(preset), multipoint, moduleCode);
    QCOMPARE(line, expected);
    // An empty preset must be truly empty, so writing it puts nothing on the line.
    if (expected.isEmpty())
        QVERIFY(line.isEmpty());
}

void tst_AtCommands::frames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("link open") << frameLinkOpen() << hex("FA B0 00 00 5F");
    QTest::newRow("read prepare") << frameReadPrepare() << hex("FA E1 00 00 5F");
    QTest::newRow("link close") << frameLinkClose() << hex("FA E2 00 00 5F");
    QTest::newRow("baud 19200") << frameSetBaud(19200) << hex("FA B1 04 00 00 4B 00 00 5F");
    QTest::newRow("baud 38400") << frameSetBaud(38400) << hex("FA B1 04 00 00 96 00 00 5F");
    QTest::newRow("baud 56000") << frameSetBaud(56000) << hex("FA B1 04 00 C0 DA 00 00 5F");
    QTest::newRow("baud 57600") << frameSetBaud(57600) << hex("FA B1 04 00 00 E1 00 00 5F");
    QTest::newRow("baud 115200") << frameSetBaud(115200) << hex("FA B1 04 00 00 C2 01 00 5F");
    QTest::newRow("baud 230400") << frameSetBaud(230400) << hex("FA B1 04 00 00 84 03 00 5F");
    // A text that is no number is sent as 0.
    QTest::newRow("baud 0") << frameSetBaud(0) << hex("FA B1 04 00 00 00 00 00 5F");
    QTest::newRow("baud -1") << frameSetBaud(-1) << hex("FA B1 04 00 FF FF FF FF 5F");
    QTest::newRow("built empty") << buildFrame(0x42) << hex("FA 42 00 00 5F");
    QTest::newRow("built payload") << buildFrame(0xB0, hex("00 C2 01 00")) << hex("FA B0 04 00 00 C2 01 00 5F");
}

void tst_AtCommands::frames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(frame.toHex(' '), expected.toHex(' '));
}

void tst_AtCommands::frameLengthIsLittleEndian_data()
{
    QTest::addColumn<int>("payloadSize");
    QTest::addColumn<QByteArray>("lengthField");

    QTest::newRow("1") << 1 << hex("0100");
    QTest::newRow("255") << 255 << hex("FF00");
    QTest::newRow("256") << 256 << hex("0001");
    QTest::newRow("300") << 300 << hex("2C01");
}

void tst_AtCommands::frameLengthIsLittleEndian()
{
    QFETCH(int, payloadSize);
    QFETCH(QByteArray, lengthField);

    const QByteArray payload(payloadSize, 'p');
    const QByteArray frame = buildFrame(0xE1, payload);
    QCOMPARE(frame.size(), payloadSize + 5);
    QCOMPARE(frame.left(2), hex("FA E1"));
    QCOMPARE(frame.mid(2, 2).toHex(), lengthField.toHex());
    QCOMPARE(frame.mid(4, payloadSize), payload);
    QCOMPARE(frame.back(), char(0x5F));
}

void tst_AtCommands::decodeFrameReply_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<FrameReply::Status>("status");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("rate");

    QTest::newRow("empty") << QByteArray() << FrameReply::NotFrame << 0 << 0 << 0u;
    QTest::newRow("report text") << QByteArray("S101=0\r\nOK\r\n") << FrameReply::NotFrame << 0 << 0 << 0u;
    QTest::newRow("frame later in buffer") << QByteArray("OK") + hex("FA E2 00 00 5F")
                                           << FrameReply::NotFrame << 0 << 0 << 0u;

    QTest::newRow("baud 115200") << hex("FA B0 04 00 00 C2 01 00 5F") << FrameReply::BaudRate << 0xB0 << 9 << 115200u;
    QTest::newRow("baud 230400") << hex("FA B0 04 00 00 84 03 00 5F") << FrameReply::BaudRate << 0xB0 << 9 << 230400u;
    QTest::newRow("baud 9600") << hex("FA B0 04 00 80 25 00 00 5F") << FrameReply::BaudRate << 0xB0 << 9 << 9600u;
    // Only the low three payload bytes make the rate.
    QTest::newRow("baud top byte ignored") << hex("FA B0 04 00 00 C2 01 07 5F") << FrameReply::BaudRate << 0xB0 << 9
                                           << 115200u;
    QTest::newRow("baud then report") << hex("FA B0 04 00 00 C2 01 00 5F") + QByteArray("S101=0\r\nOK\r\n")
                                      << FrameReply::BaudRate << 0xB0 << 9 << 115200u;
    QTest::newRow("closed") << hex("FA E2 00 00 5F") << FrameReply::LinkClosed << 0xE2 << 5 << 0u;
    QTest::newRow("closed with payload") << hex("FA E2 02 00 AA BB 5F") << FrameReply::LinkClosed << 0xE2 << 7 << 0u;
    // The high byte of the length field is not consulted.
    QTest::newRow("closed, length high byte") << hex("FA E2 00 01 5F") << FrameReply::LinkClosed << 0xE2 << 5 << 0u;

    QTest::newRow("start byte only") << hex("FA") << FrameReply::Incomplete << 0 << 0 << 0u;
    QTest::newRow("two bytes") << hex("FA B0") << FrameReply::Incomplete << 0 << 0 << 0u;
    QTest::newRow("baud cut in payload") << hex("FA B0 04 00 00 C2") << FrameReply::Incomplete << 0xB0 << 0 << 0u;
    QTest::newRow("baud without end") << hex("FA B0 04 00 00 C2 01 00") << FrameReply::Incomplete << 0xB0 << 0 << 0u;
    QTest::newRow("closed without end") << hex("FA E2 00 00") << FrameReply::Incomplete << 0xE2 << 0 << 0u;

    QTest::newRow("closed, wrong end") << hex("FA E2 00 00 00") << FrameReply::BadEnd << 0xE2 << 0 << 0u;
    QTest::newRow("baud, wrong end") << hex("FA B0 04 00 00 C2 01 00 60") << FrameReply::BadEnd << 0xB0 << 0 << 0u;
    QTest::newRow("baud, end too early") << hex("FA B0 04 00 00 C2 5F 00 00") << FrameReply::BadEnd << 0xB0 << 0 << 0u;

    QTest::newRow("read prepare echoed") << hex("FA E1 00 00 5F") << FrameReply::Unknown << 0xE1 << 5 << 0u;
    QTest::newRow("set baud echoed") << hex("FA B1 04 00 00 E1 00 00 5F") << FrameReply::Unknown << 0xB1 << 9 << 0u;
    QTest::newRow("other command") << hex("FA 00 00 00 5F") << FrameReply::Unknown << 0x00 << 5 << 0u;
}

void tst_AtCommands::decodeFrameReply()
{
    QFETCH(QByteArray, buffer);
    QFETCH(FrameReply::Status, status);
    QFETCH(int, command);
    QFETCH(int, size);
    QFETCH(quint32, rate);

    const FrameReply reply = ::decodeFrameReply(buffer);
    QCOMPARE(reply.status, status);
    if (status != FrameReply::NotFrame && status != FrameReply::Incomplete)
        QCOMPARE(int(reply.command), command);
    if (status == FrameReply::BaudRate || status == FrameReply::LinkClosed || status == FrameReply::Unknown)
        QCOMPARE(reply.size, size);
    if (status == FrameReply::BaudRate)
        QCOMPARE(reply.rate, rate);
}

void tst_AtCommands::waitDeliversEvents_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("50 ms") << 50;
    QTest::newRow("200 ms") << 200;
    QTest::newRow("1000 ms") << 1000;
}

void tst_AtCommands::waitDeliversEvents()
{
    QFETCH(int, ms);

    QElapsedTimer clock;
    qint64 firedAt = -1;
    QTimer::singleShot(0, this, [&] { firedAt = clock.elapsed(); });

    clock.start();
    waitWithEvents(ms);
    const qint64 elapsed = clock.elapsed();

    QVERIFY2(firedAt >= 0, "a due timer was not delivered during the pause");
    QVERIFY2(firedAt < ms, qPrintable(QString("timer fired at %1 ms, after the pause").arg(firedAt)));
    QVERIFY2(elapsed >= ms, qPrintable(QString("paused only %1 of %2 ms").arg(elapsed).arg(ms)));
    QVERIFY2(elapsed < ms + 5000, qPrintable(QString("pause of %1 ms took %2 ms").arg(ms).arg(elapsed)));
}

void tst_AtCommands::waitKeepsTimersRunning()
{
    // Replies arrive throughout a pause, not only at its start.
    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
    timer.start();

    QElapsedTimer clock;
    clock.start();
    waitWithEvents(300);
    QVERIFY(clock.elapsed() >= 300);
    QVERIFY2(ticks >= 3, qPrintable(QString("only %1 ticks during the pause").arg(ticks)));
}

QTEST_GUILESS_MAIN(tst_AtCommands)
#include "tst_atcommands.moc"
