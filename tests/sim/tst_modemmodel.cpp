// The simulated modem without its pseudo-terminal: report layout, which
// settings each module takes, presets, frames, stored state, the byte
// stream splitter, the line-speed check and the answer pacing.

#include "sim/inputsplitter.h"
#include "sim/modemmodel.h"
#include "sim/modemsession.h"
#include "sim/outputpacer.h"
#include "sim/simoptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace modemsim;

Q_DECLARE_METATYPE(Product)
Q_DECLARE_METATYPE(Module)

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

const QByteArray Ok = "OK\r\n";
const QByteArray Error = "ERROR\r\n";

QString describe(const InputSplitter::Item &item)
{
    switch (item.kind) {
    case InputSplitter::Item::Line:
        return (item.overflow ? "long " : "line ") + QString::fromLatin1(item.bytes);
    case InputSplitter::Item::Frame:
        return QString("frame %1 %2").arg(item.command, 2, 16, QChar('0')).arg(QString(item.payload.toHex()));
    case InputSplitter::Item::BadFrame:
        return QString("bad %1").arg(item.command, 2, 16, QChar('0'));
    }
    return QString();
}

void addProductsAndModules()
{
    QTest::addColumn<Product>("product");
    QTest::addColumn<Module>("module");
    for (Product product : { Product::Kv5, Product::Kv6 })
        for (Module module : { Module::Tarn, Module::BraeLoch, Module::Skerry, Module::HalfFjord })
            QTest::newRow(qPrintable(productName(product) + ' ' + moduleName(module))) << product << module;
}

} // namespace

class tst_ModemModel : public QObject
{
    Q_OBJECT

private slots:
    void reportLayout_data();
    void reportLayout();
    void reportReadableByPattern();
    void defaultsAreValidRows_data();
    void defaultsAreValidRows();
    void setRegister_data();
    void setRegister();
    void presets_data();
    void presets();
    void unknownCommands_data();
    void unknownCommands();
    void frames_data();
    void frames();
    void passThroughBaudIsKept();
    void storeWritesStateFile();
    void stateFileIsReadAtStart();
    void storeFailsOnUnwritableState();
    void stateFileFormat();
    void splitter_data();
    void splitter();
    void unfinishedFrameTimesOut();
    void speedCheck_data();
    void speedCheck();
    void wrongSpeedBytesLeaveNoTrace();
    void echo();
    void frameAndLinesInOneChunk();
    void kv5SkipsFramesAndKeepsLines();
    void pacer_data();
    void pacer();
    void pacerAfterIdle();
    void options_data();
    void options();
    void stuckAndRefused_data();
    void stuckAndRefused();
};

void tst_ModemModel::reportLayout_data() { addProductsAndModules(); }

void tst_ModemModel::reportLayout()
{
    QFETCH(Product, product);
    QFETCH(Module, module);

    const ModemModel model(product, module);
    const QByteArray report = model.settingsReport();

    QVERIFY(report.endsWith("\r\nOK\r\n"));
    QCOMPARE(report.count("OK"), 1);
    // Every line end is CR LF, never a lone CR or LF.
    QCOMPARE(report.count('\r'), report.count("\r\n"));
    QCOMPARE(report.count('\n'), report.count("\r\n"));

    QList<QByteArray> lines = report.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());   // after the last line end
    for (QByteArray &line : lines)
        line.chop(1);

    QCOMPARE(lines.takeFirst(), QByteArray());
    const QByteArray header = lines.takeFirst();
    QVERIFY(header.contains(productName(product).toLatin1()));
    QVERIFY(header.contains(moduleName(module).toLatin1()));
    QVERIFY(!header.contains("S1"));
    QCOMPARE(lines.takeLast(), QByteArray("OK"));
    QCOMPARE(lines.takeLast(), QByteArray());

    QList<QByteArray> expected;
    for (int number : { 101, 102, 103, 104, 105, 108, 118, 141 })
        expected << 'S' + QByteArray::number(number) + '=' + QByteArray::number(model.value(number));
    QCOMPARE(lines, expected);
}

void tst_ModemModel::reportReadableByPattern()
{
    // The tool reads each entry with sscanf("Snnn=%d ") from wherever the
    // name stands; the value must come out whole, also the large address.
    ModemModel model(Product::Kv6, Module::BraeLoch);
    QCOMPARE(model.execute("ATS104=4000000000"), Ok);
    QCOMPARE(model.execute("ATS103=8"), Ok);
    const QByteArray report = model.settingsReport();
    for (int number : ModemModel::registerNumbers()) {
        const QByteArray name = 'S' + QByteArray::number(number);
        const int at = int(report.indexOf(name + '='));
        QVERIFY2(at >= 0, name.constData());
        long long value = -1;
        QCOMPARE(std::sscanf(report.constData() + at + 5, "%lld ", &value), 1);
        QCOMPARE(qint64(value), model.value(number));
    }
    QCOMPARE(model.value(104), 4000000000LL);
}

void tst_ModemModel::defaultsAreValidRows_data() { addProductsAndModules(); }

void tst_ModemModel::defaultsAreValidRows()
{
    QFETCH(Product, product);
    QFETCH(Module, module);

    const ModemModel model(product, module);
    QCOMPARE(model.registers().keys(), ModemModel::registerNumbers());
    QCOMPARE(model.value(101), 0);   // a row every work-mode list has
    for (int number : { 102, 103, 104, 105, 108, 118, 141 })
        QVERIFY2(model.canSet(number, model.value(number)), qPrintable(QString::number(number)));
    // The data port starts at the line speed of the unit.
    QCOMPARE(moduleProfile(module).baudRates.at(int(model.value(102))),
             QString::number(lineBaudFor(product)));
}

void tst_ModemModel::setRegister_data()
{
    QTest::addColumn<Module>("module");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("number");
    QTest::addColumn<qint64>("value");   // afterwards; the default when refused

    const ModemModel defaults(Product::Kv6, Module::Tarn);
    auto refused = [&](const char *name, Module module, const char *line, int number) {
        QTest::newRow(name) << module << QByteArray(line) << Error << number << defaults.value(number);
    };
    auto taken = [](const char *name, Module module, const char *line, int number, qint64 value) {
        QTest::newRow(name) << module << QByteArray(line) << Ok << number << value;
    };

    taken("baud row 0", Module::Tarn, "ATS102=0", 102, 0);
    taken("baud row 14", Module::Skerry, "ATS102=14", 102, 14);
    refused("baud row 15", Module::Tarn, "ATS102=15", 102);
    refused("baud no row", Module::Tarn, "ATS102=-1", 102);

    taken("Tarn link row 4", Module::Tarn, "ATS103=4", 103, 4);
    refused("Tarn link row 5", Module::Tarn, "ATS103=5", 103);
    refused("Tarn link 8", Module::Tarn, "ATS103=8", 103);
    taken("Brae-Loch link row 6", Module::BraeLoch, "ATS103=6", 103, 6);
    refused("Brae-Loch link 7", Module::BraeLoch, "ATS103=7", 103);
    taken("Brae-Loch link row 7 as 8", Module::BraeLoch, "ATS103=8", 103, 8);
    taken("Skerry link row 7 as 8", Module::Skerry, "ATS103=8", 103, 8);
    taken("Half Fjord link row 7 as 8", Module::HalfFjord, "ATS103=8", 103, 8);
    refused("Half Fjord link 9", Module::HalfFjord, "ATS103=9", 103);
    refused("link no row", Module::Skerry, "ATS103=-1", 103);

    taken("address 0", Module::Tarn, "ATS104=0", 104, 0);
    taken("address leading zeros", Module::Tarn, "ATS104=00123", 104, 123);
    taken("address above int", Module::Tarn, "ATS104=2147483648", 104, 2147483648LL);
    taken("address max", Module::Tarn, "ATS104=4294967295", 104, 4294967295LL);
    refused("address beyond 32 bits", Module::Tarn, "ATS104=4294967296", 104);
    refused("address negative", Module::Tarn, "ATS104=-1", 104);
    taken("unit max", Module::HalfFjord, "ATS105=4294967295", 105, 4294967295LL);
    refused("unit beyond 32 bits", Module::HalfFjord, "ATS105=99999999999", 105);
    refused("unit negative", Module::HalfFjord, "ATS105=-5", 105);

    taken("Tarn 100 mW", Module::Tarn, "ATS108=20", 108, 20);
    taken("Tarn 1 W", Module::Tarn, "ATS108=30", 108, 30);
    refused("Tarn below 100 mW", Module::Tarn, "ATS108=19", 108);
    refused("Tarn 31", Module::Tarn, "ATS108=31", 108);
    refused("Tarn 2 W", Module::Tarn, "ATS108=33", 108);
    refused("Skerry 2 W", Module::Skerry, "ATS108=33", 108);
    taken("Brae-Loch 2 W", Module::BraeLoch, "ATS108=33", 108, 33);
    taken("Brae-Loch 125 mW", Module::BraeLoch, "ATS108=21", 108, 21);
    refused("Brae-Loch 32", Module::BraeLoch, "ATS108=32", 108);
    taken("Half Fjord 33", Module::HalfFjord, "ATS108=33", 108, 33);
    refused("Half Fjord 20", Module::HalfFjord, "ATS108=20", 108);
    refused("Half Fjord 29", Module::HalfFjord, "ATS108=29", 108);

    taken("S118 65535", Module::Tarn, "ATS118=65535", 118, 65535);
    taken("S118 0", Module::Tarn, "ATS118=0", 118, 0);
    refused("S118 65536", Module::Tarn, "ATS118=65536", 118);
    refused("S118 -1", Module::Tarn, "ATS118=-1", 118);

    taken("repeater on", Module::Skerry, "ATS141=1", 141, 1);
    refused("repeater 2", Module::Skerry, "ATS141=2", 141);
    refused("repeater -1", Module::Skerry, "ATS141=-1", 141);

    // The work mode follows the factory presets only.
    refused("work mode", Module::Tarn, "ATS101=2", 101);

    taken("lower case", Module::Tarn, "ats102=3", 102, 3);
    refused("no value", Module::Tarn, "ATS102=", 102);
    refused("no equals", Module::Tarn, "ATS102", 102);
    refused("plus sign", Module::Tarn, "ATS102=+3", 102);
    refused("letters", Module::Tarn, "ATS102=3a", 102);
    refused("blank in value", Module::Tarn, "ATS102= 3", 102);
    refused("trailing blank", Module::Tarn, "ATS102=3 ", 102);
    refused("no number", Module::Tarn, "ATS=3", 102);
}

void tst_ModemModel::setRegister()
{
    QFETCH(Module, module);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    QFETCH(int, number);
    QFETCH(qint64, value);

    ModemModel model(Product::Kv6, module);
    QCOMPARE(model.execute(line), answer);
    QCOMPARE(model.value(number), value);
    QCOMPARE(model.registers().keys(), ModemModel::registerNumbers());
}

void tst_ModemModel::presets_data()
{
    QTest::addColumn<Module>("module");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("workMode");   // -1: refused

    // Work mode per preset number 0..13 (-1 where the module has none).
    const QMap<Module, QList<int>> modes = {
        { Module::Tarn, { -1, -1, -1, -1, -1, -1, -1, 0, 2, 1, 0, 2, 1, -1 } },
        { Module::BraeLoch, { -1, 0, 2, 1, -1, -1, 0, 2, -1, -1, -1, -1, -1, -1 } },
        { Module::Skerry, { -1, 0, 2, 1, -1, -1, 0, 2, -1, -1, -1, -1, -1, -1 } },
        { Module::HalfFjord, { -1, 0, 2, 0, 2, -1, -1, -1, -1, -1, -1, -1, -1, -1 } },
    };
    for (auto it = modes.cbegin(); it != modes.cend(); ++it)
        for (int preset = 0; preset < it.value().size(); ++preset)
            QTest::newRow(qPrintable(moduleName(it.key()) + " &F" + QString::number(preset)))
                << it.key() << preset << it.value().at(preset);
}

void tst_ModemModel::presets()
{
    QFETCH(Module, module);
    QFETCH(int, preset);
    QFETCH(int, workMode);

    ModemModel model(Product::Kv6, module);
    QVERIFY(model.execute("ATS141=1") == Ok);
    // Start from a mode the preset has to change (or must leave alone).
    model.load(101, 1);
    const QByteArray answer = model.execute("AT&F" + QByteArray::number(preset));
    if (workMode < 0) {
        QCOMPARE(answer, Error);
        QCOMPARE(model.value(101), 1);
        QCOMPARE(model.lastPreset(), -1);
    } else {
        QCOMPARE(answer, Ok);
        QCOMPARE(model.value(101), workMode);
        QCOMPARE(model.lastPreset(), preset);
    }
    QCOMPARE(model.value(141), 1);
}

void tst_ModemModel::unknownCommands_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("bare AT") << QByteArray("AT");
    QTest::newRow("reset") << QByteArray("ATZ");
    QTest::newRow("report with digit") << QByteArray("AT&V1");
    QTest::newRow("store with digit") << QByteArray("AT&W0");
    QTest::newRow("preset without number") << QByteArray("AT&F");
    QTest::newRow("preset letters") << QByteArray("AT&Fx");
    QTest::newRow("query") << QByteArray("ATS102?");
    QTest::newRow("unknown register") << QByteArray("ATS110=1");
    QTest::newRow("not AT") << QByteArray("hello");
    QTest::newRow("leading blank") << QByteArray(" AT&V");
    QTest::newRow("binary") << hex("00 01 FF");
}

void tst_ModemModel::unknownCommands()
{
    QFETCH(QByteArray, line);
    ModemModel model(Product::Kv6, Module::Tarn);
    const Registers before = model.registers();
    QCOMPARE(model.execute(line), Error);
    QCOMPARE(model.registers(), before);
}

void tst_ModemModel::frames_data()
{
    QTest::addColumn<Product>("product");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("kv6 rate") << Product::Kv6 << 0xB0 << QByteArray() << hex("FA B0 04 00 00 C2 01 00 5F");
    QTest::newRow("kv6 set rate") << Product::Kv6 << 0xB1 << hex("00 E1 00 00") << QByteArray();
    QTest::newRow("kv6 prepare") << Product::Kv6 << 0xE1 << QByteArray() << QByteArray();
    QTest::newRow("kv6 close") << Product::Kv6 << 0xE2 << QByteArray() << hex("FA E2 00 00 5F");
    QTest::newRow("kv6 other") << Product::Kv6 << 0x42 << QByteArray() << QByteArray();
    QTest::newRow("kv5 rate") << Product::Kv5 << 0xB0 << QByteArray() << QByteArray();
    QTest::newRow("kv5 close") << Product::Kv5 << 0xE2 << QByteArray() << QByteArray();
}

void tst_ModemModel::frames()
{
    QFETCH(Product, product);
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, answer);

    ModemModel model(product, Module::Tarn);
    QCOMPARE(model.handleFrame(quint8(command), payload).toHex(' '), answer.toHex(' '));
    QCOMPARE(model.readPrepared(), product == Product::Kv6 && command == 0xE1);
}

void tst_ModemModel::passThroughBaudIsKept()
{
    ModemModel model(Product::Kv6, Module::Skerry);
    QCOMPARE(model.passThroughBaud(), 115200u);
    model.handleFrame(0xB1, hex("00 84 03 00"));
    QCOMPARE(model.passThroughBaud(), 230400u);
    QCOMPARE(model.handleFrame(0xB0, QByteArray()).toHex(' '), hex("FA B0 04 00 00 84 03 00 5F").toHex(' '));
    // A payload of another size is no rate.
    model.handleFrame(0xB1, hex("00 4B 00"));
    model.handleFrame(0xB1, hex("00 4B 00 00 00"));
    QCOMPARE(model.passThroughBaud(), 230400u);
}

void tst_ModemModel::storeWritesStateFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("state");
    ModemModel model(Product::Kv6, Module::BraeLoch);
    model.setStatePath(path);

    QVERIFY(model.execute("ATS104=777") == Ok);
    QVERIFY(!QFile::exists(path));   // nothing stored before AT&W
    QCOMPARE(model.execute("AT&W"), Ok);
    QVERIFY(model.execute("ATS102=9") == Ok);   // after the store: not kept

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Registers stored = parseRegisters(file.readAll());
    QCOMPARE(stored.keys(), ModemModel::registerNumbers());
    QCOMPARE(stored.value(104), 777);
    QCOMPARE(stored.value(102), ModemModel::defaultRegisters(Product::Kv6, Module::BraeLoch).value(102));
    QCOMPARE(model.storedRegisters(), stored);
}

void tst_ModemModel::stateFileIsReadAtStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("state");
    {
        ModemModel first(Product::Kv6, Module::Skerry);
        first.setStatePath(path);
        QVERIFY(first.execute("AT&F2") == Ok);
        QVERIFY(first.execute("ATS105=3000000000") == Ok);
        QVERIFY(first.execute("AT&W") == Ok);
    }
    ModemModel second(Product::Kv6, Module::Skerry);
    second.setStatePath(path);
    QVERIFY(second.loadState());
    QCOMPARE(second.value(101), 2);
    QCOMPARE(second.value(105), 3000000000LL);
    QCOMPARE(second.storedRegisters(), second.registers());

    // A missing file is a unit that never stored anything.
    ModemModel fresh(Product::Kv6, Module::Skerry);
    fresh.setStatePath(dir.filePath("none"));
    QVERIFY(fresh.loadState());
    QCOMPARE(fresh.registers(), ModemModel::defaultRegisters(Product::Kv6, Module::Skerry));
}

void tst_ModemModel::storeFailsOnUnwritableState()
{
    QTemporaryDir dir;
    ModemModel model(Product::Kv5, Module::Tarn);
    model.setStatePath(dir.filePath("missing/folder/state"));
    QCOMPARE(model.execute("AT&W"), Error);
}

void tst_ModemModel::stateFileFormat()
{
    const Registers registers = { { 101, 2 }, { 104, 4294967295LL }, { 108, -1 } };
    const QByteArray text = formatRegisters(registers);
    QCOMPARE(text, QByteArray("S101=2\nS104=4294967295\nS108=-1\n"));
    QCOMPARE(parseRegisters(text), registers);

    // Foreign lines are skipped; CR LF ends are fine; the last entry counts.
    const Registers parsed = parseRegisters("# saved\r\nS102=3\r\nX=1\nS103=\nS10a=2\n  S141=1  \nS102=4");
    QCOMPARE(parsed, (Registers { { 102, 4 }, { 141, 1 } }));

    // Unknown registers and values out of a register's range are not loaded.
    QTemporaryDir dir;
    QFile file(dir.filePath("state"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("S104=4294967296\nS105=9\nS999=1\nS101=-7\n");
    file.close();
    ModemModel model(Product::Kv6, Module::Tarn);
    model.setStatePath(file.fileName());
    QVERIFY(model.loadState());
    QCOMPARE(model.value(104), ModemModel::defaultRegisters(Product::Kv6, Module::Tarn).value(104));
    QCOMPARE(model.value(105), 9);
    QCOMPARE(model.value(101), -7);   // odd but storable: a report can carry it
    QVERIFY(!model.registers().contains(999));
}

void tst_ModemModel::splitter_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("items");

    using Chunks = QList<QByteArray>;
    QTest::newRow("line") << Chunks { "AT&V\r\n" } << QStringList { "line AT&V" };
    QTest::newRow("line in pieces") << Chunks { "AT", "S102=", "3\r", "\n" } << QStringList { "line ATS102=3" };
    QTest::newRow("two lines") << Chunks { "AT&F7\r\nATS141=1\r\n" } << QStringList { "line AT&F7", "line ATS141=1" };
    QTest::newRow("CR only") << Chunks { "AT&V\rAT&W\r" } << QStringList { "line AT&V", "line AT&W" };
    QTest::newRow("LF only") << Chunks { "AT&V\nAT&W\n" } << QStringList { "line AT&V", "line AT&W" };
    QTest::newRow("empty lines") << Chunks { "\r\n\r\n\n" } << QStringList {};
    QTest::newRow("unfinished line") << Chunks { "AT&V" } << QStringList {};
    QTest::newRow("frame") << Chunks { hex("FA B0 00 00 5F") } << QStringList { "frame b0 " };
    QTest::newRow("frame byte by byte")
        << Chunks { hex("FA"), hex("B1"), hex("04"), hex("00"), hex("00 E1"), hex("00 00"), hex("5F") }
        << QStringList { "frame b1 00e10000" };
    QTest::newRow("frames back to back") << Chunks { hex("FA E1 00 00 5F FA E2 00 00 5F") }
                                         << QStringList { "frame e1 ", "frame e2 " };
    QTest::newRow("frame then line") << Chunks { hex("FA E1 00 00 5F") + "AT&V\r\n" }
                                     << QStringList { "frame e1 ", "line AT&V" };
    QTest::newRow("line then frame") << Chunks { "AT&W\r\n" + hex("FA E2 00 00 5F") }
                                     << QStringList { "line AT&W", "frame e2 " };
    QTest::newRow("frame after lone CR") << Chunks { "AT&W\r" + hex("FA E2 00 00 5F") }
                                         << QStringList { "line AT&W", "frame e2 " };
    // 0x5F and CR inside a frame are payload, not ends.
    QTest::newRow("payload with end bytes") << Chunks { hex("FA B1 04 00 5F 0D 0A 00 5F") }
                                            << QStringList { "frame b1 5f0d0a00" };
    QTest::newRow("16-bit length") << Chunks { hex("FA 42 00 01") + QByteArray(256, 'x') + hex("5F") }
                                   << QStringList { "frame 42 " + QString(QByteArray(256, 'x').toHex()) };
    QTest::newRow("0xFA inside a line") << Chunks { "AT" + hex("FA") + "\r\n" }
                                        << QStringList { "line AT" + QString::fromLatin1(hex("FA")) };
    QTest::newRow("bad end, then line") << Chunks { hex("FA E2 00 00 00") + "AT&V\r\n" }
                                        << QStringList { "bad e2", "line AT&V" };
    QTest::newRow("overlong line") << Chunks { QByteArray(600, 'A') + "\r\nAT&V\r\n" }
                                   << QStringList { "long " + QString(512, 'A'), "line AT&V" };
}

void tst_ModemModel::splitter()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, items);

    InputSplitter splitter;
    QStringList actual;
    for (const QByteArray &chunk : chunks)
        for (const InputSplitter::Item &item : splitter.feed(chunk, 0))
            actual << describe(item);
    QCOMPARE(actual, items);
}

void tst_ModemModel::unfinishedFrameTimesOut()
{
    InputSplitter splitter;
    QVERIFY(splitter.feed(hex("FA B1 04 00 00"), 1000).isEmpty());
    QVERIFY(splitter.inFrame());
    // Soon after, the bytes still belong to the frame.
    QCOMPARE(splitter.feed(hex("E1"), 1000 + InputSplitter::FrameTimeoutMs).size(), 0);
    QVERIFY(splitter.inFrame());
    // Later, a stray start byte must not swallow the next command.
    const QList<InputSplitter::Item> items =
        splitter.feed("AT&V\r\n", 1001 + 2 * InputSplitter::FrameTimeoutMs);
    QCOMPARE(items.size(), 1);
    QCOMPARE(describe(items.first()), QString("line AT&V"));
}

void tst_ModemModel::speedCheck_data()
{
    QTest::addColumn<Product>("product");
    QTest::addColumn<int>("baud");
    QTest::addColumn<bool>("answers");

    QTest::newRow("kv5 at 9600") << Product::Kv5 << 9600 << true;
    QTest::newRow("kv5 at 115200") << Product::Kv5 << 115200 << false;
    QTest::newRow("kv5 at 19200") << Product::Kv5 << 19200 << false;
    QTest::newRow("kv6 at 115200") << Product::Kv6 << 115200 << true;
    QTest::newRow("kv6 at 9600") << Product::Kv6 << 9600 << false;
    QTest::newRow("kv6 at 230400") << Product::Kv6 << 230400 << false;
    QTest::newRow("kv6 at pty default") << Product::Kv6 << 38400 << false;
    QTest::newRow("kv6 unreadable speed") << Product::Kv6 << 0 << false;
}

void tst_ModemModel::speedCheck()
{
    QFETCH(Product, product);
    QFETCH(int, baud);
    QFETCH(bool, answers);

    ModemModel model(product, Module::Tarn);
    ModemSession session(&model, false);
    QCOMPARE(session.understandsSpeed(baud), answers);
    const QByteArray answer = session.receive("ATS102=4\r\n", baud, 0);
    QCOMPARE(answer, answers ? Ok : QByteArray());
    QCOMPARE(model.value(102), answers ? 4 : ModemModel::defaultRegisters(product, Module::Tarn).value(102));
    QCOMPARE(session.ignoredBytes(), answers ? 0 : 10);
}

void tst_ModemModel::wrongSpeedBytesLeaveNoTrace()
{
    ModemModel model(Product::Kv6, Module::Tarn);
    ModemSession session(&model, false);
    QCOMPARE(session.receive("AT&", 9600, 0), QByteArray());
    QCOMPARE(session.receive(hex("FA B0"), 9600, 0), QByteArray());
    // Only what arrived at the right speed forms the line.
    QCOMPARE(session.receive("ATS141=1\r\n", 115200, 0), Ok);
    QCOMPARE(model.value(141), 1);
}

void tst_ModemModel::echo()
{
    ModemModel model(Product::Kv5, Module::Skerry);
    ModemSession echoing(&model, true);
    QCOMPARE(echoing.receive("ATS102=3\r\nATS102=99\r\n", 9600, 0), QByteArray("ATS102=3\r\nOK\r\nATS102=99\r\nERROR\r\n"));
    // A line ended by CR alone is echoed with a full line end.
    QCOMPARE(echoing.receive("AT&W\r", 9600, 0), QByteArray("AT&W\r\nOK\r\n"));

    ModemSession quiet(&model, false);
    QCOMPARE(quiet.receive("ATS102=5\r\n", 9600, 0), Ok);
}

void tst_ModemModel::frameAndLinesInOneChunk()
{
    ModemModel model(Product::Kv6, Module::Tarn);
    ModemSession session(&model, true);
    const QByteArray answer = session.receive(hex("FA E1 00 00 5F") + "AT&V\r\n" + hex("FA E2 00 00 5F"), 115200, 0);
    // Frames are never echoed; the line is.
    QVERIFY(answer.startsWith("AT&V\r\n\r\n"));
    QVERIFY(answer.endsWith("OK\r\n" + hex("FA E2 00 00 5F")));
    QCOMPARE(answer.count(char(0xFA)), 1);
    QVERIFY(model.readPrepared() == false);   // closed again by 0xE2
}

void tst_ModemModel::kv5SkipsFramesAndKeepsLines()
{
    // The tool sends its link-close frame to every product; it must not
    // spoil the next line a KV5 receives.
    ModemModel model(Product::Kv5, Module::Tarn);
    ModemSession session(&model, false);
    QCOMPARE(session.receive(hex("FA E2 00 00 5F"), 9600, 0), QByteArray());
    QCOMPARE(session.receive(hex("FA B0 00 00 5F") + "ATS141=1\r\n", 9600, 0), Ok);
}

void tst_ModemModel::pacer_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("gap");
    QTest::addColumn<QList<qint64>>("times");        // take() calls
    QTest::addColumn<QList<QByteArray>>("pieces");   // their results

    using Times = QList<qint64>;
    using Pieces = QList<QByteArray>;
    QTest::newRow("whole") << 0 << 0 << Times { 0, 0 } << Pieces { "0123456789", "" };
    QTest::newRow("whole, gap ignored at first") << 0 << 50 << Times { 0 } << Pieces { "0123456789" };
    QTest::newRow("pieces, no gap") << 4 << 0 << Times { 0, 0, 0, 0 } << Pieces { "0123", "4567", "89", "" };
    QTest::newRow("pieces with gap") << 4 << 50 << Times { 0, 10, 49, 50, 99, 100, 200 }
                                     << Pieces { "0123", "", "", "4567", "", "89", "" };
    QTest::newRow("late take") << 3 << 20 << Times { 5, 500, 501, 520 } << Pieces { "012", "345", "", "678" };
}

void tst_ModemModel::pacer()
{
    QFETCH(int, chunk);
    QFETCH(int, gap);
    QFETCH(QList<qint64>, times);
    QFETCH(QList<QByteArray>, pieces);

    OutputPacer pacer(chunk, gap);
    QCOMPARE(pacer.nextDueMs(), -1);
    pacer.enqueue("0123456789");
    QList<QByteArray> actual;
    for (qint64 time : times)
        actual << pacer.take(time);
    QCOMPARE(actual, pieces);
}

void tst_ModemModel::pacerAfterIdle()
{
    OutputPacer pacer(2, 100);
    pacer.enqueue("OK");
    QCOMPARE(pacer.take(0), QByteArray("OK"));
    QCOMPARE(pacer.nextDueMs(), -1);
    // A new answer long after the last piece goes at once...
    pacer.enqueue("ERROR");
    QCOMPARE(pacer.nextDueMs(), 100);
    QCOMPARE(pacer.take(1000), QByteArray("ER"));
    // ...and its next piece a gap later.
    QCOMPARE(pacer.nextDueMs(), 1100);
    QCOMPARE(pacer.take(1099), QByteArray());
    QCOMPARE(pacer.take(1100), QByteArray("RO"));
    pacer.clear();
    QVERIFY(pacer.isEmpty());
    QCOMPARE(pacer.take(5000), QByteArray());
}

void tst_ModemModel::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("summary");

    QTest::newRow("defaults") << QStringList() << true << "kv6 0 link= log= state= once=0 echo=0 0/0 {}";
    QTest::newRow("all") << QStringList { "--product", "kv5", "--module", "half-fjord", "--link", "/tmp/l",
                                          "--log", "/tmp/g", "--state", "/tmp/s", "--once", "--echo",
                                          "--chunk", "7", "--gap", "25", "--reg", "104=99", "--reg", "S141=1" }
                         << true << "kv5 3 link=/tmp/l log=/tmp/g state=/tmp/s once=1 echo=1 7/25 {104=99 141=1}";
    QTest::newRow("modules") << QStringList { "--module", "Brae-Loch" } << true
                             << "kv6 1 link= log= state= once=0 echo=0 0/0 {}";
    QTest::newRow("skerry") << QStringList { "--module", "skerry" } << true
                            << "kv6 2 link= log= state= once=0 echo=0 0/0 {}";
    QTest::newRow("unknown product") << QStringList { "--product", "kv9" } << false << QString();
    QTest::newRow("unknown module") << QStringList { "--module", "loch" } << false << QString();
    QTest::newRow("missing value") << QStringList { "--log" } << false << QString();
    QTest::newRow("negative gap") << QStringList { "--gap", "-1" } << false << QString();
    QTest::newRow("chunk not a number") << QStringList { "--chunk", "x" } << false << QString();
    QTest::newRow("unknown register") << QStringList { "--reg", "110=1" } << false << QString();
    QTest::newRow("register without value") << QStringList { "--reg", "104" } << false << QString();
    QTest::newRow("unknown option") << QStringList { "--baud", "9600" } << false << QString();
    QTest::newRow("stuck unknown register") << QStringList { "--stuck", "110=1" } << false << QString();
    QTest::newRow("error-on not a command") << QStringList { "--error-on", "S103" } << false << QString();
}

void tst_ModemModel::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(QString, summary);

    SimOptions options;
    QString error;
    QCOMPARE(parseSimOptions(arguments, &options, &error), valid);
    if (!valid) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QStringList registers;
    for (auto it = options.initial.cbegin(); it != options.initial.cend(); ++it)
        registers << QString("%1=%2").arg(it.key()).arg(it.value());
    const QString actual = QString("%1 %2 link=%3 log=%4 state=%5 once=%6 echo=%7 %8/%9 {%10}")
                               .arg(options.product == Product::Kv5 ? "kv5" : "kv6")
                               .arg(int(options.module))
                               .arg(options.linkPath, options.logPath, options.statePath)
                               .arg(int(options.once))
                               .arg(int(options.echo))
                               .arg(options.chunkBytes)
                               .arg(options.gapMs)
                               .arg(registers.join(' '));
    QCOMPARE(actual, summary);
}

// A unit that does not take a setting, and one that refuses a command: what
// the tool's read-back check and its refused-line message are proven with.
void tst_ModemModel::stuckAndRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("reg");
    QTest::addColumn<qint64>("value");
    QTest::newRow("stuck link rate") << QStringList { "--stuck", "103=2" } << QByteArray("ATS103=4") << QByteArray("OK\r\n") << 103 << qint64(2);
    QTest::newRow("stuck work mode") << QStringList { "--stuck", "S101=2" } << QByteArray("AT&F10") << QByteArray("OK\r\n") << 101 << qint64(2);
    QTest::newRow("other register taken") << QStringList { "--stuck", "103=2" } << QByteArray("ATS102=3") << QByteArray("OK\r\n") << 102 << qint64(3);
    QTest::newRow("refused value") << QStringList { "--error-on", "ATS103=8" } << QByteArray("ats103=8") << QByteArray("ERROR\r\n") << 103 << qint64(1);
    QTest::newRow("other value taken") << QStringList { "--error-on", "ATS103=8" } << QByteArray("ATS103=2") << QByteArray("OK\r\n") << 103 << qint64(2);
    QTest::newRow("refused register") << QStringList { "--error-on", "ATS104" } << QByteArray("ATS104=5") << QByteArray("ERROR\r\n") << 104 << qint64(12345);
}

void tst_ModemModel::stuckAndRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    QFETCH(int, reg);
    QFETCH(qint64, value);
    SimOptions options;
    QString error;
    QVERIFY2(parseSimOptions(arguments, &options, &error), qPrintable(error));
    ModemModel model(Product::Kv5, Module::Tarn);
    for (auto it = options.stuck.cbegin(); it != options.stuck.cend(); ++it)
        model.setStuck(it.key(), it.value());
    for (const QByteArray &refused : options.refused)
        model.refuseCommand(refused);
    QCOMPARE(model.execute(command), answer);
    QCOMPARE(model.value(reg), value);
    QVERIFY(model.settingsReport().contains("S" + QByteArray::number(reg) + "=" + QByteArray::number(value) + "\r\n"));
}

QTEST_GUILESS_MAIN(tst_ModemModel)
#include "tst_modemmodel.moc"
