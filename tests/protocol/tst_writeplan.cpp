// The configuration write as lines and pauses, its summary, the text to
// address conversion and the random network address.

#include <QtTest>

#include <functional>

#include "protocol/randomaddress.h"
#include "protocol/writeplan.h"

Q_DECLARE_METATYPE(WriteForm)

namespace {

// A Tarn module in point-to-multipoint mode as connected, every row chosen.
WriteForm baseForm()
{
    WriteForm f;
    f.workModeRow = 0;
    f.repeaterRow = 1;
    f.baudRow = 1;
    f.airSpeedRow = 2;
    f.powerRow = 10;
    f.powerText = "1000mW";
    f.unitText = "5";
    f.addressText = "1234";
    f.workModeText = "Master";
    f.baudText = "115200";
    f.airSpeedText = "276480";
    f.module = Module::Tarn;
    f.mode = LinkMode::PointToMultipoint;
    return f;
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

// The register lines after the preset step for baseForm().
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
    void powerCode_data();
    void powerCode();
    void address_data();
    void address();
    void valuesReadAtTheirStep_data();
    void valuesReadAtTheirStep();
    void sequenceEndsAndRestarts();
    void summary_data();
    void summary();
    void randomAddressDiffersFromLast_data();
    void randomAddressDiffersFromLast();
    void randomAddressDeterministic();
};

void tst_WritePlan::workedExample()
{
    const QList<WriteLine> plan = planWrite(baseForm());
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
    QTest::addColumn<WriteForm>("form");
    QTest::addColumn<QStringList>("expected");

    auto with = [](const std::function<void(WriteForm &)> &change) {
        WriteForm f = baseForm();
        change(f);
        return f;
    };

    QTest::newRow("master, repeater NO") << with([](WriteForm &f) { f.repeaterRow = 0; })
                                         << QStringList { "AT&F7|100", "ATS141=0|100" } + BaseTail;
    QTest::newRow("master, repeater unset") << with([](WriteForm &f) { f.repeaterRow = -1; })
                                            << QStringList { "AT&F7|100", "ATS141=0|100" } + BaseTail;
    QTest::newRow("repeater row") << with([](WriteForm &f) { f.workModeRow = 1; })
                                  << QStringList { "AT&F9|100" } + BaseTail;
    QTest::newRow("slave row") << with([](WriteForm &f) { f.workModeRow = 2; })
                               << QStringList { "AT&F8|100", "ATS118=65535|100" } + BaseTail;
    QTest::newRow("no work-mode row") << with([](WriteForm &f) { f.workModeRow = -1; }) << BaseTail;
    QTest::newRow("work-mode row 3") << with([](WriteForm &f) { f.workModeRow = 3; }) << BaseTail;
    QTest::newRow("point-to-point master") << with([](WriteForm &f) { f.mode = LinkMode::PointToPoint; })
        << QStringList { "AT&F10|100", "ATS141=1|100", "ATS102=1|100", "ATS104=1234|100", "ATS103=2|100",
                         "ATS108=30|100", "AT&W|0" };
    QTest::newRow("Half Fjord blank row pauses") << with([](WriteForm &f) {
        f.workModeRow = 1; f.module = Module::HalfFjord; f.powerRow = 0; })
        << QStringList { "|100" } + BaseTail;
    QTest::newRow("Half Fjord slave") << with([](WriteForm &f) {
        f.workModeRow = 2; f.module = Module::HalfFjord; f.powerRow = 11; f.powerText = "2000mW"; })
        << QStringList { "AT&F2|100", "ATS118=65535|100", "ATS102=1|100", "ATS105=5|100", "ATS104=1234|100",
                         "ATS103=2|100", "ATS108=33|100", "AT&W|0" };
    QTest::newRow("link row 7 sent as 8") << with([](WriteForm &f) { f.module = Module::BraeLoch; f.airSpeedRow = 7; })
        << QStringList { "AT&F1|100", "ATS141=1|100", "ATS102=1|100", "ATS105=5|100", "ATS104=1234|100",
                         "ATS103=8|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("no current rows") << with([](WriteForm &f) {
        f.workModeRow = f.repeaterRow = f.baudRow = f.airSpeedRow = f.powerRow = -1; f.powerText.clear(); })
        << QStringList { "ATS102=-1|100", "ATS105=5|100", "ATS104=1234|100", "ATS103=-1|100",
                         "ATS108=19|100", "AT&W|0" };
    QTest::newRow("empty addresses") << with([](WriteForm &f) { f.unitText.clear(); f.addressText.clear(); })
        << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=0|100", "ATS104=0|100",
                         "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("unsigned addresses") << with([](WriteForm &f) { f.unitText = "4294967295"; f.addressText = "3000000000"; })
        << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=4294967295|100",
                         "ATS104=3000000000|100", "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
    QTest::newRow("address above 32 bits") << with([](WriteForm &f) { f.addressText = "4294967296"; })
        << QStringList { "AT&F7|100", "ATS141=1|100", "ATS102=1|100", "ATS105=5|100", "ATS104=0|100",
                         "ATS103=2|100", "ATS108=30|100", "AT&W|0" };
}

void tst_WritePlan::plan()
{
    QFETCH(WriteForm, form);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(planWrite(form)), expected);
}

void tst_WritePlan::powerCode_data()
{
    QTest::addColumn<int>("moduleGroupId");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    // Module code 1 (Brae - Loch, group id 1).
    QTest::newRow("code 1, 100mW") << 1 << 0 << "100mW" << 20;
    QTest::newRow("code 1, 1000mW") << 1 << 10 << "1000mW" << 30;
    QTest::newRow("code 1, 2000mW") << 1 << 11 << "2000mW" << 33;
    QTest::newRow("code 1, no row") << 1 << -1 << "" << 19;
    QTest::newRow("Tarn, 500mW") << 0 << 7 << "500mW" << 27;
    // Module code 4 (Half Fjord, group id 3) knows 30 and 33 only.
    QTest::newRow("code 4, row 0") << 3 << 0 << "100mW" << 30;
    QTest::newRow("code 4, row 1") << 3 << 1 << "125mW" << 33;
    QTest::newRow("code 4, row 10") << 3 << 10 << "1000mW" << 33;
    QTest::newRow("code 4, 2000mW") << 3 << 11 << "2000mW" << 33;
    QTest::newRow("code 4, no row") << 3 << -1 << "" << 33;
}

void tst_WritePlan::powerCode()
{
    QFETCH(int, moduleGroupId);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, code);

    WriteForm f = baseForm();
    f.module = allModules().at(moduleGroupId);
    f.powerRow = row;
    f.powerText = text;
    QCOMPARE(powerCodeFor(f), code);
    QCOMPARE(describe(planWrite(f)).at(6), QStringLiteral("ATS108=%1|100").arg(code));
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
}

void tst_WritePlan::address()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(addressFromText(text), value);
}

void tst_WritePlan::valuesReadAtTheirStep_data()
{
    QTest::addColumn<int>("step");        // the form changes right before this step
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");

    const QStringList plain = QStringList { "AT&F7|100", "ATS141=1|100" } + BaseTail;
    auto replaced = [&](int at, const QString &line) {
        QStringList l = plain;
        l[at] = line;
        return l;
    };
    QTest::newRow("repeater set to NO at its step") << 1 << "repeater" << replaced(1, "ATS141=0|100");
    QTest::newRow("work mode changed after the preset") << 1 << "workMode" << plain;
    QTest::newRow("baud changed at its step") << 2 << "baud" << replaced(2, "ATS102=9|100");
    QTest::newRow("baud changed too late") << 3 << "baud" << plain;
    QStringList withoutUnit = plain;
    withoutUnit.removeAt(3);
    QTest::newRow("point-to-point at the unit step") << 3 << "mode" << withoutUnit;
    QTest::newRow("address typed at its step") << 4 << "address" << replaced(4, "ATS104=777|100");
    QTest::newRow("link rate at its step") << 5 << "airSpeed" << replaced(5, "ATS103=8|100");
    QTest::newRow("power at its step") << 6 << "power" << replaced(6, "ATS108=33|100");
    QTest::newRow("power after the store") << 8 << "power" << plain;
}

void tst_WritePlan::valuesReadAtTheirStep()
{
    QFETCH(int, step);
    QFETCH(QString, change);
    QFETCH(QStringList, expected);

    WriteForm form = baseForm();
    WriteSequence sequence;
    QList<WriteLine> lines;
    WriteLine line;
    for (int i = 0;; ++i) {
        if (i == step) {
            if (change == "repeater") form.repeaterRow = 0;
            else if (change == "workMode") form.workModeRow = 2;
            else if (change == "baud") form.baudRow = 9;
            else if (change == "mode") form.mode = LinkMode::PointToPoint;
            else if (change == "address") form.addressText = "777";
            else if (change == "airSpeed") form.airSpeedRow = 7;
            else if (change == "power") { form.powerRow = 11; form.powerText = "2000mW"; }
            else QFAIL("unknown change");
        }
        if (!sequence.next(form, line))
            break;
        lines << line;
        QVERIFY(i < 20);
    }
    QCOMPARE(describe(lines), expected);
}

void tst_WritePlan::sequenceEndsAndRestarts()
{
    WriteSequence sequence;
    WriteLine line;
    QVERIFY(!sequence.finished());
    int steps = 0;
    while (sequence.next(baseForm(), line))
        ++steps;
    QCOMPARE(steps, 8);
    QVERIFY(sequence.finished());
    QVERIFY(!sequence.next(baseForm(), line));
    QVERIFY(line.bytes.isEmpty());

    sequence.reset();
    QVERIFY(!sequence.finished());
    QVERIFY(sequence.next(baseForm(), line));
    QCOMPARE(line.bytes, QByteArray("AT&F7\r\n"));
}

void tst_WritePlan::summary_data()
{
    QTest::addColumn<WriteForm>("form");
    QTest::addColumn<QString>("text");

    QTest::newRow("worked example") << baseForm() << "5 1234 Master 115200 276480 1000mW ";
    WriteForm pointToPoint = baseForm();
    pointToPoint.mode = LinkMode::PointToPoint;
    QTest::newRow("unit shown though not sent") << pointToPoint << "5 1234 Master 115200 276480 1000mW ";
    QTest::newRow("all empty") << WriteForm() << "      ";
    WriteForm percent = baseForm();
    percent.unitText = "%2";
    percent.addressText = "%1%3";
    QTest::newRow("placeholders in texts stay") << percent << "%2 %1%3 Master 115200 276480 1000mW ";
}

void tst_WritePlan::summary()
{
    QFETCH(WriteForm, form);
    QFETCH(QString, text);
    QCOMPARE(writeSummary(form), text);
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
