// The receive path without the window: buffering, frame replies, the wait
// for "OK", the register scan and the row mappings of the reported values.

#include <QtTest>

#include <limits>

#include "protocol/moduleprofile.h"
#include "protocol/reportreader.h"

namespace {

// Entries as compact text, so a failing comparison shows the whole list:
// "101=0 104='1234'(4)".
QString describe(const QList<RegisterEntry> &entries)
{
    QStringList parts;
    for (const RegisterEntry &e : entries) {
        if (e.reg == 104)
            parts << QStringLiteral("104='%1'(%2)").arg(e.digits).arg(e.value);
        else
            parts << QStringLiteral("%1=%2").arg(e.reg).arg(e.value);
    }
    return parts.join(QLatin1Char(' '));
}

QString describe(const QList<FrameReply> &frames)
{
    QStringList parts;
    for (const FrameReply &f : frames) {
        if (f.status == FrameReply::BaudRate)
            parts << QStringLiteral("B0:%1").arg(f.rate);
        else if (f.status == FrameReply::LinkClosed)
            parts << QStringLiteral("E2");
        else
            parts << QStringLiteral("?%1").arg(int(f.status));
    }
    return parts.join(QLatin1Char(' '));
}

// What the window ends up showing: the later entry of a register wins, and a
// row past the end of the loaded list means no current row.
struct FormRows {
    int workMode = -2, baud = -2, airSpeed = -2, power = -2, repeater = -2;   // -2: not reported
    QString address;
    qint64 unit = -2;
};

int inList(int row, qsizetype size) { return row >= 0 && row < size ? row : -1; }
int plainRow(qint64 v) { return v >= 0 && v <= std::numeric_limits<int>::max() ? int(v) : -1; }

FormRows apply(const QList<RegisterEntry> &entries, Module module)
{
    const ModuleProfile &p = moduleProfile(module);
    FormRows f;
    for (const RegisterEntry &e : entries) {
        switch (e.reg) {
        case 101: f.workMode = inList(plainRow(e.value), p.workModes.size()); break;
        case 102: f.baud = inList(plainRow(e.value), p.baudRates.size()); break;
        case 103: f.airSpeed = inList(airSpeedRowForValue(e.value), p.airSpeeds.size()); break;
        case 104: f.address = e.digits; break;
        case 105: f.unit = e.value; break;
        case 108: f.power = inList(powerRowForCode(e.value, module == Module::HalfFjord), p.outputPowers.size()); break;
        case 141: f.repeater = inList(plainRow(e.value), 2); break;
        }
    }
    return f;
}

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

const QByteArray WorkedReport = "S101=0 S102=7 S103=8 S104=1234 S105=5 S108=30 S141=1 OK";
const QString WorkedEntries = "101=0 102=7 103=8 104='1234'(4) 105=5 108=30 141=1";
// As the simulator lays it out; S118 is none of the reader's registers.
const QByteArray SimulatorReport = "\r\nKV6-KV7 Brae-Loch - active settings\r\nS101=0\r\nS102=7\r\n"
                                   "S103=8\r\nS104=1234\r\nS105=5\r\nS108=30\r\nS118=65535\r\n"
                                   "S141=1\r\n\r\nOK\r\n";

} // namespace

class tst_ReportReader : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void reportInChunks_data();
    void reportInChunks();
    void reportWithoutOkNeverApplied();
    void entries_data();
    void entries();
    void airSpeedRow_data();
    void airSpeedRow();
    void powerRow_data();
    void powerRow();
    void bufferLimit_data();
    void bufferLimit();
    void frames_data();
    void frames();
    void frameThenReportInLaterChunk();
    void holdKeepsBytes_data();
    void holdKeepsBytes();
};

void tst_ReportReader::workedExample_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::newRow("one line") << WorkedReport;
    QTest::newRow("simulator layout") << SimulatorReport;
}

void tst_ReportReader::workedExample()
{
    QFETCH(QByteArray, report);
    ReportReader reader;
    const ReceiveResult r = reader.feed(report, false);
    QVERIFY(r.scanned);
    QVERIFY(r.frames.isEmpty());
    QCOMPARE(describe(r.entries), WorkedEntries);
    QVERIFY(reader.buffer().isEmpty());

    const FormRows f = apply(r.entries, Module::BraeLoch);   // module code 1
    QCOMPARE(f.workMode, 0);
    QCOMPARE(f.baud, 7);
    QCOMPARE(f.airSpeed, 7);
    QCOMPARE(f.address, QStringLiteral("1234"));
    QCOMPARE(f.unit, qint64(5));
    QCOMPARE(f.power, 10);
    QCOMPARE(f.repeater, 1);
}

void tst_ReportReader::reportInChunks_data()
{
    QTest::addColumn<QList<int>>("cuts");   // positions where the report is cut
    const int okAt = int(SimulatorReport.indexOf("OK"));
    QTest::newRow("two chunks") << QList<int> { 20 };
    QTest::newRow("inside a register name") << QList<int> { 41, 54 };
    QTest::newRow("inside the address digits") << QList<int> { 69, 70 };
    QTest::newRow("between O and K") << QList<int> { 40, okAt + 1 };
    QTest::newRow("OK alone") << QList<int> { okAt, okAt + 2 };
    QTest::newRow("byte by byte") << [] {
        QList<int> all;
        for (int i = 1; i < SimulatorReport.size(); ++i)
            all << i;
        return all;
    }();
}

void tst_ReportReader::reportInChunks()
{
    QFETCH(QList<int>, cuts);
    const int okEnd = int(SimulatorReport.indexOf("OK")) + 2;
    ReportReader reader;
    QList<RegisterEntry> entries;
    int scans = 0;
    int from = 0;
    cuts << int(SimulatorReport.size());
    for (const int to : cuts) {
        const ReceiveResult r = reader.feed(SimulatorReport.mid(from, to - from), false);
        if (to < okEnd) {
            // Nothing is applied before the "OK" is in; the bytes wait.
            QVERIFY2(!r.scanned, qPrintable(QStringLiteral("scanned at %1").arg(to)));
            QVERIFY(r.entries.isEmpty());
            QCOMPARE(reader.buffer(), SimulatorReport.left(to));
        }
        scans += r.scanned;
        entries += r.entries;
        from = to;
    }
    QCOMPARE(describe(entries), WorkedEntries);
    // The pass ran once, on the chunk completing "OK"; what followed it
    // ("\r\n") arrived into an empty buffer and waits for the next report.
    QCOMPARE(scans, 1);
    QVERIFY(!reader.buffer().contains("S10"));
}

void tst_ReportReader::reportWithoutOkNeverApplied()
{
    ReportReader reader;
    QByteArray sent;
    const QByteArray withoutOk = QByteArray(SimulatorReport).replace("OK", "");
    for (int round = 0; round < 3; ++round) {
        const ReceiveResult r = reader.feed(withoutOk, false);
        sent += withoutOk;
        QVERIFY(!r.scanned);
        QVERIFY(r.entries.isEmpty());
        QCOMPARE(reader.buffer(), sent);
    }
}

void tst_ReportReader::entries_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("echoed set command") << QByteArray("ATS104=1234\r\r\nOK\r\n") << "104='1234'(4)";
    QTest::newRow("echoed baud command") << QByteArray("ATS102=3\r\nOK\r\n") << "102=3";
    QTest::newRow("register twice, in order") << QByteArray("S101=1\r\nS102=4\r\nS101=2\r\nOK") << "101=1 102=4 101=2";
    QTest::newRow("leading zeros kept") << QByteArray("S104=00123\r\nOK") << "104='00123'(5)";
    QTest::newRow("address without digits") << QByteArray("S104=\r\nOK") << "104=''(0)";
    QTest::newRow("address at the very end") << QByteArray("OK S104") << "104=''(0)";
    QTest::newRow("OK before the report") << QByteArray("OK\r\nS141=0") << "141=0";
    QTest::newRow("OK without registers") << QByteArray("\r\nOK\r\n") << "";
    QTest::newRow("no separators") << QByteArray("S101=1S102=2S103=3OK") << "101=1 102=2 103=3";
    QTest::newRow("white space after =") << QByteArray("S102= \t\r\n7 OK") << "102=7";
    QTest::newRow("signs") << QByteArray("S101=+2 S102=-3 OK") << "101=2 102=-3";

    // An unreadable value is -1, not what the entry before left behind.
    QTest::newRow("unreadable after address") << QByteArray("S104=12 S101=x OK") << "104='12'(2) 101=-1";
    QTest::newRow("unreadable after value") << QByteArray("S102=5 S103= OK") << "102=5 103=-1";
    QTest::newRow("sign alone") << QByteArray("S108=3 S101=- OK") << "108=3 101=-1";
    QTest::newRow("no equals sign") << QByteArray("S102=4 S101 =1 OK") << "102=4 101=-1";
    QTest::newRow("int max") << QByteArray("S101=2147483647 OK") << "101=2147483647";
    QTest::newRow("int min") << QByteArray("S101=-2147483648 OK") << "101=-2147483648";
    QTest::newRow("above int") << QByteArray("S102=1 S101=2147483648 OK") << "102=1 101=-1";
    QTest::newRow("below int") << QByteArray("S101=-2147483649 OK") << "101=-1";
    QTest::newRow("far too long") << QByteArray("S108=99999999999999999999999999 OK") << "108=-1";

    // The unit address is unsigned 32-bit, as it is written.
    QTest::newRow("unit max") << QByteArray("S105=4294967295 OK") << "105=4294967295";
    QTest::newRow("unit above int") << QByteArray("S105=2147483648 OK") << "105=2147483648";
    QTest::newRow("unit too big") << QByteArray("S105=4294967296 OK") << "105=-1";
    QTest::newRow("unit negative") << QByteArray("S105=-1 OK") << "105=-1";
    QTest::newRow("unit leading zeros") << QByteArray("S105=0004294967295 OK") << "105=4294967295";
    QTest::newRow("unit unreadable") << QByteArray("S104=123 S105=z OK") << "104='123'(3) 105=-1";

    // After an entry the names that follow it in the order are tried at the
    // same place before the scan moves on, so a name that comes earlier in
    // the order and stands right behind "S104=" is passed over.
    QTest::newRow("later name right after S104=") << QByteArray("S104=S105=5 OK") << "104=''(0) 105=5";
    QTest::newRow("earlier name right after S104=") << QByteArray("S104=S101=3 OK") << "104=''(0)";
    QTest::newRow("digits passed over") << QByteArray("S104=1011 S101=2 OK") << "104='1011'(4) 101=2";
}

void tst_ReportReader::entries()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    ReportReader reader;
    const ReceiveResult r = reader.feed(text, false);
    QVERIFY(r.scanned);
    QCOMPARE(describe(r.entries), expected);
    QVERIFY(reader.buffer().isEmpty());
}

void tst_ReportReader::airSpeedRow_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("row");
    QTest::newRow("8 is row 7") << QByteArray("S103=8 OK") << int(Module::BraeLoch) << 7;
    QTest::newRow("7 is row 7") << QByteArray("S103=7 OK") << int(Module::Skerry) << 7;
    QTest::newRow("0") << QByteArray("S103=0 OK") << int(Module::HalfFjord) << 0;
    QTest::newRow("Tarn has no row 7") << QByteArray("S103=8 OK") << int(Module::Tarn) << -1;
    QTest::newRow("9 is no row") << QByteArray("S103=9 OK") << int(Module::BraeLoch) << -1;
    QTest::newRow("negative") << QByteArray("S103=-2 OK") << int(Module::BraeLoch) << -1;
    QTest::newRow("unreadable") << QByteArray("S103=? OK") << int(Module::BraeLoch) << -1;
}

void tst_ReportReader::airSpeedRow()
{
    QFETCH(QByteArray, text);
    QFETCH(int, module);
    QFETCH(int, row);
    ReportReader reader;
    QCOMPARE(apply(reader.feed(text, false).entries, static_cast<Module>(module)).airSpeed, row);
}

void tst_ReportReader::powerRow_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");

    const struct { const char *name; int id; bool has2000; } modules[] = {
        { "Tarn", int(Module::Tarn), false }, { "Brae - Loch", int(Module::BraeLoch), true },
        { "Skerry", int(Module::Skerry), false },
    };
    for (const auto &m : modules) {
        QTest::addRow("%s 20", m.name) << m.id << 20 << 0;
        QTest::addRow("%s 25", m.name) << m.id << 25 << 5;
        QTest::addRow("%s 30", m.name) << m.id << 30 << 10;
        QTest::addRow("%s 33", m.name) << m.id << 33 << (m.has2000 ? 11 : -1);
        QTest::addRow("%s 5", m.name) << m.id << 5 << 5;
        QTest::addRow("%s 19", m.name) << m.id << 19 << -1;
        QTest::addRow("%s 31", m.name) << m.id << 31 << (m.has2000 ? 11 : -1);
        QTest::addRow("%s -1", m.name) << m.id << -1 << -1;
    }
    QTest::newRow("Half Fjord 30") << int(Module::HalfFjord) << 30 << 0;
    QTest::newRow("Half Fjord 33") << int(Module::HalfFjord) << 33 << 1;
    QTest::newRow("Half Fjord 20") << int(Module::HalfFjord) << 20 << 0;
    QTest::newRow("Half Fjord 5") << int(Module::HalfFjord) << 5 << -1;
    QTest::newRow("Half Fjord 31") << int(Module::HalfFjord) << 31 << -1;
}

void tst_ReportReader::powerRow()
{
    QFETCH(int, module);
    QFETCH(int, code);
    QFETCH(int, row);
    ReportReader reader;
    const ReceiveResult r = reader.feed(QByteArray("S108=") + QByteArray::number(code) + " OK", false);
    QCOMPARE(describe(r.entries), QStringLiteral("108=%1").arg(code));
    QCOMPARE(apply(r.entries, static_cast<Module>(module)).power, row);
}

void tst_ReportReader::bufferLimit_data()
{
    QTest::addColumn<int>("before");     // bytes already waiting (no "OK")
    QTest::addColumn<bool>("hold");
    QTest::addColumn<bool>("kept");

    const int chunk = int(WorkedReport.size());
    QTest::newRow("exactly full") << ReportReader::BufferLimit - chunk << false << true;
    QTest::newRow("one byte over") << ReportReader::BufferLimit - chunk + 1 << false << false;
    QTest::newRow("empty buffer, chunk too big") << -1 << false << false;
    QTest::newRow("exactly full, held") << ReportReader::BufferLimit - chunk << true << true;
    QTest::newRow("one byte over, held") << ReportReader::BufferLimit - chunk + 1 << true << false;
}

void tst_ReportReader::bufferLimit()
{
    QFETCH(int, before);
    QFETCH(bool, hold);
    QFETCH(bool, kept);

    ReportReader reader;
    QByteArray chunk = WorkedReport;
    if (before < 0)
        chunk = QByteArray(ReportReader::BufferLimit + 1 - chunk.size(), ' ') + chunk;
    else
        QVERIFY(!reader.feed(QByteArray(before, '.'), false).scanned);

    const ReceiveResult r = reader.feed(chunk, hold);
    if (!kept) {
        // Emptied: nothing of the chunk is scanned, not even its registers.
        QVERIFY(reader.buffer().isEmpty());
        QVERIFY(!r.scanned);
        QVERIFY(r.entries.isEmpty());
        return;
    }
    if (hold) {
        QCOMPARE(reader.buffer().size(), ReportReader::BufferLimit);
        QVERIFY(!r.scanned);
    } else {
        QVERIFY(r.scanned);
        QCOMPARE(describe(r.entries), WorkedEntries);
        QVERIFY(reader.buffer().isEmpty());
    }
}

void tst_ReportReader::frames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<bool>("scanned");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QByteArray>("left");

    const QByteArray b0 = hex("FAB0040000C201005F");
    const QByteArray e2 = hex("FAE200005F");
    QTest::newRow("B0 alone") << b0 << "B0:115200" << false << "" << QByteArray();
    QTest::newRow("E2 alone") << e2 << "E2" << false << "" << QByteArray();
    QTest::newRow("B0 fourth payload byte ignored") << hex("FAB004000000C2015F") << "B0:12713984" << false << "" << QByteArray();
    QTest::newRow("B0 short payload") << hex("FAB00100805F") << "B0:128" << false << "" << QByteArray();
    QTest::newRow("length high byte ignored") << hex("FAE200015F") << "E2" << false << "" << QByteArray();
    QTest::newRow("B0 then report") << b0 + WorkedReport << "B0:115200" << true << WorkedEntries << QByteArray();
    QTest::newRow("E2 then report") << e2 + SimulatorReport << "E2" << true << WorkedEntries << QByteArray();
    QTest::newRow("two frames then report") << b0 + e2 + "S101=2 OK" << "B0:115200 E2" << true << "101=2" << QByteArray();
    QTest::newRow("frame then partial report") << e2 + "S101=2\r\nS10" << "E2" << false << "" << QByteArray("S101=2\r\nS10");

    // Anything else at the head cannot be told apart from noise: all goes.
    QTest::newRow("incomplete") << hex("FAB0040000C201") << "" << false << "" << QByteArray();
    QTest::newRow("incomplete header") << hex("FAB0") << "" << false << "" << QByteArray();
    QTest::newRow("bad end then report") << hex("FAE2000060") + WorkedReport << "" << false << "" << QByteArray();
    QTest::newRow("unknown command then report") << hex("FAB100005F") + WorkedReport << "" << false << "" << QByteArray();
    QTest::newRow("good then bad frame") << e2 + hex("FAE1") + WorkedReport << "E2" << false << "" << QByteArray();
    QTest::newRow("frame byte inside report") << QByteArray("S101=1 ") + hex("FAE2") + " OK" << "" << true << "101=1" << QByteArray();
}

void tst_ReportReader::frames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, frames);
    QFETCH(bool, scanned);
    QFETCH(QString, entries);
    QFETCH(QByteArray, left);

    ReportReader reader;
    const ReceiveResult r = reader.feed(bytes, false);
    QCOMPARE(describe(r.frames), frames);
    QCOMPARE(r.scanned, scanned);
    QCOMPARE(describe(r.entries), entries);
    QCOMPARE(reader.buffer(), left);
}

void tst_ReportReader::frameThenReportInLaterChunk()
{
    ReportReader reader;
    ReceiveResult r = reader.feed(hex("FAB0040000C201005F") + "\r\nKV settings\r\nS102=3", false);
    QCOMPARE(describe(r.frames), QStringLiteral("B0:115200"));
    QVERIFY(!r.scanned);

    r = reader.feed("\r\nS103=1\r\nOK\r\n", false);
    QVERIFY(r.frames.isEmpty());
    QVERIFY(r.scanned);
    QCOMPARE(describe(r.entries), QStringLiteral("102=3 103=1"));
}

void tst_ReportReader::holdKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("entries");
    QTest::newRow("report") << SimulatorReport << "" << WorkedEntries;
    QTest::newRow("frame and report") << hex("FAE200005F") + WorkedReport << "E2" << WorkedEntries;
}

void tst_ReportReader::holdKeepsBytes()
{
    QFETCH(QByteArray, held);
    QFETCH(QString, frames);
    QFETCH(QString, entries);

    ReportReader reader;
    QByteArray sent;
    for (int i = 0; i < held.size(); i += 7) {
        const ReceiveResult r = reader.feed(held.mid(i, 7), true);
        sent += held.mid(i, 7);
        QVERIFY(!r.scanned);
        QVERIFY(r.frames.isEmpty());
        QVERIFY(r.entries.isEmpty());
        QCOMPARE(reader.buffer(), sent);
    }

    // The first bytes after the form is back bring the held text with them.
    const ReceiveResult r = reader.feed("\r\n", false);
    QCOMPARE(describe(r.frames), frames);
    QVERIFY(r.scanned);
    QCOMPARE(describe(r.entries), entries);
    QVERIFY(reader.buffer().isEmpty());
}

QTEST_APPLESS_MAIN(tst_ReportReader)
#include "tst_reportreader.moc"
