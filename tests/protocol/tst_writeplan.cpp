// The configuration write as lines and pauses, the rows of the module's lists
// as register values, the summary, the text to address conversion and the
// random network address.

#include <QtTest>

#include "protocol/randomaddress.h"
#include "protocol/writeplan.h"

namespace {

// A Tarn module in point-to-multipoint mode: a master, repeater on, 115200
// baud, the third link rate, 1 W, unit 5 of network 1234.
RadioSettings baseSettings()
{
    return { { { Reg::WorkMode, 0 }, { Reg::RepeaterEnable, 1 }, { Reg::SerialBaud, 1 }, { Reg::LinkRate, 2 },
               { Reg::OutputPower, 30 }, { Reg::UnitAddress, 5 }, { Reg::NetworkAddress, 1234 } } };
}

// "line|pause" per step, the line without its "\r\n", so a failing
// comparison shows the whole plan. Line endings are checked here once.
QStringList describe(const QList<WriteLine> &lines)
{
    QStringList out;
    for (const WriteLine &l : lines) {
        if (!l.bytes.isEmpty()) {
            const bool oneLine = l.bytes.endsWith("\r\n") && l.bytes.count('\r') == 1 && l.bytes.count('\n') == 1;
            if (!oneLine)
                return { QStringLiteral("malformed line: ") + QString::fromLatin1(l.bytes.toHex()) };
        }
        out << QStringLiteral("%1|%2").arg(QString::fromLatin1(l.bytes.chopped(l.bytes.isEmpty() ? 0 : 2)))
                                       .arg(l.pauses ? WriteLinePauseMs : 0);
    }
    return out;
}

// The register lines after the preset step for baseSettings().
const QStringList BaseTail = { "ATS102=1|100", "ATS105=5|100", "ATS104=1234|100", "ATS103=2|100",
                               "ATS108=30|100", "AT&W|0" };

} // namespace

class tst_WritePlan : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void plan_data();
    void plan();
    void rowValues_data();
    void rowValues();
    void address_data();
    void address();
    void summary_data();
    void summary();
    void labelled_data();
    void labelled();
    void randomAddressDiffersFromLast_data();
    void randomAddressDiffersFromLast();
    void randomAddressDeterministic();
};

void tst_WritePlan::workedExample()
{
    const QList<WriteLine> plan = planWrite(baseSettings(), Module::Tarn, LinkMode::PointToMultipoint);
    const QList<QByteArray> bytes = { "AT&F7\r\n", "ATS141=1\r\n", "ATS102=1\r\n", "ATS105=5\r\n",
                                      "ATS104=1234\r\n", "ATS103=2\r\n", "ATS108=30\r\n", "AT&W\r\n" };
    QCOMPARE(plan.size(), bytes.size());
    for (int i = 0; i < plan.size(); ++i) {
        QCOMPARE(plan.at(i).bytes, bytes.at(i));
        QCOMPARE(plan.at(i).pauses, i + 1 < plan.size());
        // The session knows the preset and the store by the plan's marks.
        const WriteLine::Kind kind = i == 0 ? WriteLine::Preset : i + 1 < plan.size() ? WriteLine::Register : WriteLine::Store;
        QCOMPARE(plan.at(i).kind, kind);
    }
}

void tst_WritePlan::plan_data()
{
    QTest::addColumn<RadioSettings>("settings");
    QTest::addColumn<Module>("module");
    QTest::addColumn<LinkMode>("mode");
    QTest::addColumn<QStringList>("expected");

    auto with = [](const QMap<int, qint64> &changes, const QList<int> &removed = {}) {
        RadioSettings s = baseSettings();
        s.apply({ changes });
        for (int reg : removed)
            s.remove(reg);
        return s;
    };
    const Module Tarn = Module::Tarn;
    const LinkMode P2mp = LinkMode::PointToMultipoint;

    QTest::newRow("master, repeater off") << with({ { Reg::RepeaterEnable, 0 } }) << Tarn << P2mp
                                          << QStringList { "AT&F7|100", "ATS141=0|100" } + BaseTail;
    QTest::newRow("master, no repeater") << with({}, { Reg::RepeaterEnable }) << Tarn << P2mp
                                         << QStringList { "AT&F7|100", "ATS141=0|100" } + BaseTail;
    QTest::newRow("repeater") << with({ { Reg::WorkMode, 1 } }) << Tarn << P2mp << QStringList { "AT&F9|100" } + BaseTail;
    QTest::newRow("slave") << with({ { Reg::WorkMode, 2 } }) << Tarn << P2mp
                           << QStringList { "AT&F8|100", "ATS118=65535|100" } + BaseTail;
    QTest::newRow("no work mode") << with({}, { Reg::WorkMode }) << Tarn << P2mp << BaseTail;
    QTest::newRow("work mode 3") << with({ { Reg::WorkMode, 3 } }) << Tarn << P2mp << BaseTail;
    QTest::newRow("point-to-point master") << baseSettings() << Tarn << LinkMode::PointToPoint
        << QStringList { "AT&F10|100", "ATS141=1|100", "ATS102=1|100", "ATS104=1234|100", "ATS103=2|100",
                         "ATS108=30|100", "AT&W|0" };
    QTest::newRow("Half Fjord blank row pauses") << with({ { Reg::WorkMode, 1 } }) << Module::HalfFjord << P2mp
                                                 << QStringList { "|100" } + BaseTail;
    QTest::newRow("Half Fjord slave") << with({ { Reg::WorkMode, 2 }, { Reg::OutputPower, 33 } }) << Module::HalfFjord
        << P2mp << QStringList { "AT&F2|100", "ATS118=65535|100", "ATS102=1|100", "ATS105=5|100", "ATS104=1234|100",
                                 "ATS103=2|100", "ATS108=33|100", "AT&W|0" };
    QTest::newRow("Brae - Loch's eighth link rate") << with({ { Reg::LinkRate, 8 } }) << Module::BraeLoch << P2mp
        << QStringList { "AT&F1|100", "ATS141=1|100", "ATS102=1|100", "ATS105=5|100", "ATS104=1234|100",
                         "ATS103=8|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("no values") << with({}, { Reg::WorkMode, Reg::RepeaterEnable, Reg::SerialBaud, Reg::LinkRate,
                                             Reg::OutputPower })
                               << Tarn << P2mp
                               << QStringList { "ATS102=-1|100", "ATS105=5|100", "ATS104=1234|100", "ATS103=-1|100",
                                                "ATS108=-1|100", "AT&W|0" };
    QTest::newRow("no addresses") << with({}, { Reg::UnitAddress, Reg::NetworkAddress }) << Tarn << P2mp
        << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=0|100", "ATS104=0|100",
                         "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("unsigned addresses") << with({ { Reg::UnitAddress, 4294967295 }, { Reg::NetworkAddress, 3000000000 } })
        << Tarn << P2mp << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=4294967295|100",
                                         "ATS104=3000000000|100", "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("address above 32 bits") << with({ { Reg::NetworkAddress, 4294967296 } }) << Tarn << P2mp
        << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=5|100", "ATS104=0|100",
                         "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
}

void tst_WritePlan::plan()
{
    QFETCH(RadioSettings, settings);
    QFETCH(Module, module);
    QFETCH(LinkMode, mode);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(planWrite(settings, module, mode)), expected);
}

// The window's rows as the values they stand for, and back.
void tst_WritePlan::rowValues_data()
{
    QTest::addColumn<Module>("module");
    QTest::addColumn<int>("reg");
    QTest::addColumn<int>("row");
    QTest::addColumn<qint64>("value");

    QTest::newRow("Brae - Loch, 100mW") << Module::BraeLoch << int(Reg::OutputPower) << 0 << qint64(20);
    QTest::newRow("Brae - Loch, 1000mW") << Module::BraeLoch << int(Reg::OutputPower) << 10 << qint64(30);
    QTest::newRow("Brae - Loch, 2000mW") << Module::BraeLoch << int(Reg::OutputPower) << 11 << qint64(33);
    QTest::newRow("Tarn, 500mW") << Module::Tarn << int(Reg::OutputPower) << 7 << qint64(27);
    QTest::newRow("Tarn has no twelfth power") << Module::Tarn << int(Reg::OutputPower) << 11 << qint64(-1);
    // Half Fjord knows 30 and 33 only.
    QTest::newRow("Half Fjord, 1000mW") << Module::HalfFjord << int(Reg::OutputPower) << 0 << qint64(30);
    QTest::newRow("Half Fjord, 2000mW") << Module::HalfFjord << int(Reg::OutputPower) << 1 << qint64(33);
    QTest::newRow("no row") << Module::HalfFjord << int(Reg::OutputPower) << -1 << qint64(-1);
    QTest::newRow("link rate row 7 is 8") << Module::BraeLoch << int(Reg::LinkRate) << 7 << qint64(8);
    QTest::newRow("link rate row 6") << Module::Skerry << int(Reg::LinkRate) << 6 << qint64(6);
    QTest::newRow("Half Fjord's blank work mode keeps its place") << Module::HalfFjord << int(Reg::WorkMode) << 1 << qint64(1);
    QTest::newRow("repeater YES") << Module::Tarn << int(Reg::RepeaterEnable) << 1 << qint64(1);
    QTest::newRow("baud 300") << Module::Tarn << int(Reg::SerialBaud) << 14 << qint64(14);
}

void tst_WritePlan::rowValues()
{
    QFETCH(Module, module);
    QFETCH(int, reg);
    QFETCH(int, row);
    QFETCH(qint64, value);
    QCOMPARE(valueForRow(module, reg, row), value);
    if (value >= 0)
        QCOMPARE(rowForValue(module, reg, value), row);
}

void tst_WritePlan::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("plain") << "1234" << 1234u;
    QTest::newRow("leading zeros") << "00123" << 123u;
    QTest::newRow("largest") << "4294967295" << 4294967295u;
    QTest::newRow("ten digits too big") << "4294967296" << 0u;
    QTest::newRow("all nines") << "9999999999" << 0u;
    QTest::newRow("negative") << "-1" << 0u;
    QTest::newRow("not a number") << "12a" << 0u;
    QTest::newRow("a NUL within") << QString::fromLatin1("12\0" "34", 5) << 0u;
}

void tst_WritePlan::address()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(addressFromText(text), value);
}

void tst_WritePlan::summary_data()
{
    QTest::addColumn<RadioSettings>("settings");
    QTest::addColumn<QString>("text");

    QTest::newRow("worked example") << baseSettings() << "5 1234 Master 115200 276480 1000mW ";
    QTest::newRow("all empty") << RadioSettings() << "      ";
    RadioSettings noRow = baseSettings();
    noRow.set(Reg::LinkRate, 7);
    QTest::newRow("a value with no row shows blank") << noRow << "5 1234 Master 115200  1000mW ";
}

void tst_WritePlan::summary()
{
    QFETCH(RadioSettings, settings);
    QFETCH(QString, text);
    QCOMPARE(writeSummary(settings, Module::Tarn), text);
}

// Each number is named; what the settings lack (or no row shows) is left out.
void tst_WritePlan::labelled_data()
{
    QTest::addColumn<RadioSettings>("settings");
    QTest::addColumn<QString>("text");

    QTest::newRow("worked example") << baseSettings()
                                    << "unit 5 · network 1234 · Master · baud 115200 · link rate 276480 · 1000mW";
    RadioSettings gaps = baseSettings();
    gaps.remove(Reg::UnitAddress);
    gaps.set(Reg::LinkRate, 7);
    QTest::newRow("no unit address, no such row") << gaps << "network 1234 · Master · baud 115200 · 1000mW";
    QTest::newRow("all empty") << RadioSettings() << "";
}

void tst_WritePlan::labelled()
{
    QFETCH(RadioSettings, settings);
    QFETCH(QString, text);
    QCOMPARE(labelledSummary(settings, Module::Tarn), text);
}

void tst_WritePlan::randomAddressDiffersFromLast_data()
{
    QTest::addColumn<quint32>("seed");
    // seconds * 1000 + milliseconds covers 0 .. 59999.
    for (quint32 seed : { 0u, 1u, 999u, 1000u, 30500u, 59999u })
        QTest::addRow("seed %u", seed) << seed;
}

void tst_WritePlan::randomAddressDiffersFromLast()
{
    QFETCH(quint32, seed);

    // Ask for an address while `last` is exactly what the first draw gives,
    // so the generator has to draw again.
    RandomAddressGenerator probe;
    probe.seed(seed);
    const quint16 firstCandidate = quint16(probe.draw() + 1);
    const quint16 secondCandidate = quint16(probe.draw() + 1);

    RandomAddressGenerator gen;
    gen.seed(seed);
    const quint16 address = gen.nextAddress(firstCandidate);
    QVERIFY(address != firstCandidate);
    if (secondCandidate != firstCandidate)
        QCOMPARE(address, secondCandidate);

    // A long run of clicks without a new seed.
    quint16 last = address;
    for (int i = 0; i < 5000; ++i) {
        const quint16 next = gen.nextAddress(last);
        QVERIFY(next != last);
        QVERIFY(next >= 1 && next <= 32768);
        last = next;
    }
}

void tst_WritePlan::randomAddressDeterministic()
{
    for (quint32 seed = 0; seed < 60000; seed += 997) {
        RandomAddressGenerator a, b;
        a.seed(seed);
        b.seed(seed);
        quint16 lastA = 0, lastB = 0;
        for (int i = 0; i < 10; ++i) {
            lastA = a.nextAddress(lastA);
            lastB = b.nextAddress(lastB);
            QCOMPARE(lastA, lastB);
        }
    }
    // The classic generator's first values for seed 1 are 41, 18467, 6334.
    RandomAddressGenerator g;
    g.seed(1);
    QCOMPARE(g.draw(), 41);
    QCOMPARE(g.draw(), 18467);
    QCOMPARE(g.draw(), 6334);
    g.seed(1);
    QCOMPARE(g.nextAddress(0), quint16(42));
    QCOMPARE(g.nextAddress(0), quint16(18468));
}

QTEST_APPLESS_MAIN(tst_WritePlan)
#include "tst_writeplan.moc"
