// The radio session against the simulated modem: sequences side by side,
// closing, several sessions at once, a vanishing port, and the check after
// a write. Two tests time the line at the real pauses; the rest run on
// short ones.

#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "engine/radiosession.h"
#include "protocol/moduleprofile.h"
#include "support/simprocess.h"

namespace {

// Short pauses, for the tests of what the session does rather than when. A
// write's lines keep theirs: the tests act between two lines, and an "ERROR"
// must be back before the next line goes.
SessionTiming quick()
{
    SessionTiming timing;
    timing.openMs = timing.prepareMs = timing.closeMs = 50;
    timing.requestMs = 20;
    timing.storeMs = 100;
    return timing;
}

struct Unit {
    SimProcess sim;
    RadioSession session;
    LinkConfig config;

    explicit Unit(const SessionTiming &timing = quick()) { session.setTiming(timing); }

    bool start(int product, int module, int mode, const QStringList &extra = {})
    {
        QStringList args { "--product", product ? "kv6" : "kv5", "--module",
                           QStringList { "tarn", "brae-loch", "skerry", "half-fjord" }.at(module) };
        if (!sim.start(args + extra))
            return false;
        config = { sim.portPath(), allProducts().at(product), allModules().at(module), allLinkModes().at(mode) };
        return true;
    }
    // Runs until the sequence `id` has finished; its result.
    SequenceResult finish(int id, int timeoutMs = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (session.isRunning(id) && t.elapsed() < timeoutMs)
            QTest::qWait(10);
        return session.takeResult(id);
    }
};

// A master at 9600 baud, the third link rate, 1 W (Half Fjord: 2 W), unit 5 on network 1234.
RadioSettings masterSettings(const LinkConfig &config)
{
    return { { { Reg::WorkMode, 0 }, { Reg::RepeaterEnable, 1 }, { Reg::SerialBaud, 7 }, { Reg::LinkRate, 2 },
               { Reg::OutputPower, config.module == Module::HalfFjord ? 33 : 30 }, { Reg::UnitAddress, 5 },
               { Reg::NetworkAddress, 1234 } } };
}

double timeOf(const QList<ReceivedItem> &items, const QByteArray &bytes)
{
    for (const ReceivedItem &item : items) {
        if (item.bytes == bytes)
            return item.ms;
    }
    return -1;
}

} // namespace

class TestRadioSession : public QObject
{
    Q_OBJECT

private slots:
    // A read started in the connect's pause runs beside it, each with its own
    // pauses, as the operator may do in the window.
    void readBesideOpen()
    {
        Unit unit { SessionTiming() };
        QVERIFY(unit.start(1, 0, 0));
        QElapsedTimer clock;
        clock.start();
        const int open = unit.session.open(unit.config);
        QVERIFY(open);
        QTest::qWait(300);
        QSignalSpy reports(&unit.session, &RadioSession::reportRead);
        const int read = unit.session.read();
        qint64 openEnded = -1;
        connect(&unit.session, &RadioSession::finished, this, [&](int id) {
            if (id == open)
                openEnded = clock.elapsed();
        });
        unit.finish(read);
        QTRY_COMPARE(reports.size(), 1);
        QVERIFY2(openEnded >= 1000 && openEnded < 1250, qPrintable(QString::number(openEnded)));

        const auto items = unit.sim.receivedLines();
        const double openAt = timeOf(items, QByteArray::fromHex("fab000005f"));
        const double prepareAt = timeOf(items, QByteArray::fromHex("fae100005f"));
        const double requestAt = timeOf(items, "AT&V\r\n");
        // The simulator notices a newly opened port within 20 ms.
        QVERIFY2(prepareAt - openAt >= 270, qPrintable(QStringLiteral("%1 %2").arg(openAt).arg(prepareAt)));
        QVERIFY2(requestAt - prepareAt >= 990 && requestAt - prepareAt < 1200, qPrintable(QString::number(requestAt - prepareAt)));
        QCOMPARE(reports.first().at(1).value<RadioSettings>().value(Reg::WorkMode), 0);
    }

    // Closing ends every other sequence: nothing follows the close frame.
    void closeEndsOthers()
    {
        Unit unit;
        QVERIFY(unit.start(0, 1, 1));
        unit.finish(unit.session.open(unit.config));
        const LinkConfig config = unit.config;
        const int write = unit.session.write(masterSettings(config), false);
        QVERIFY(unit.sim.waitForReceived("ATS102="));
        const int close = unit.session.close();
        const SequenceResult written = unit.session.takeResult(write);
        QCOMPARE(written.outcome, SequenceResult::Aborted);
        QVERIFY(!written.stored);
        unit.finish(close);
        QVERIFY(!unit.session.isOpen());
        QTest::qWait(300);
        QCOMPARE(unit.sim.receivedLines().last().bytes, QByteArray::fromHex("fae200005f"));
        QVERIFY(!unit.sim.received().contains("AT&W"));
    }

    // Several units written at once from one thread keep their own pauses and
    // take the time of one.
    void sessionsSideBySide()
    {
        // The writes at the real pace; the opens before them are not timed.
        SessionTiming timing;
        timing.openMs = quick().openMs;
        std::vector<std::unique_ptr<Unit>> units;
        for (int i = 0; i < 3; ++i) {
            units.push_back(std::make_unique<Unit>(timing));
            QVERIFY(units.back()->start(i % 2, i, 1));
        }
        for (auto &unit : units) {
            const int open = unit->session.open(unit->config);
            QVERIFY(open);
            unit->finish(open);
        }
        QElapsedTimer clock;
        clock.start();
        QList<int> ids;
        for (auto &unit : units) {
            const LinkConfig config = unit->config;
            ids << unit->session.write(masterSettings(config), true);
        }
        for (int i = 0; i < 3; ++i) {
            const SequenceResult result = units.at(i)->finish(ids.at(i));
            QVERIFY(result.stored);
            QCOMPARE(result.verification, SequenceResult::Verified);
        }
        // One write with its check: 8 lines, 3 s storage, 0.1 to 1.1 s read.
        QVERIFY2(clock.elapsed() < 7000, qPrintable(QString::number(clock.elapsed())));
        for (auto &unit : units) {
            const QList<ReceivedItem> items = unit->sim.receivedLines();
            QList<double> writeTimes;
            for (const ReceivedItem &item : items) {
                if (item.bytes.startsWith("AT&F") || item.bytes.startsWith("ATS") || item.bytes == "AT&W\r\n")
                    writeTimes << item.ms;
            }
            QCOMPARE(writeTimes.size(), 8);
            // The log holds the simulators' read times, which wobble while
            // three of them and the test share two cores.
            for (int i = 1; i < writeTimes.size(); ++i) {
                const double gap = writeTimes.at(i) - writeTimes.at(i - 1);
                QVERIFY2(gap >= 75 && gap < 200, qPrintable(QString::number(gap)));
            }
            QVERIFY(writeTimes.last() - writeTimes.first() >= 690);
        }
    }

    // The port vanishing mid-write ends the write at once and says so.
    void portVanishes()
    {
        Unit unit;
        QVERIFY(unit.start(1, 2, 0));
        unit.finish(unit.session.open(unit.config));
        QSignalSpy lost(&unit.session, &RadioSession::linkLost);
        const LinkConfig config = unit.config;
        const int write = unit.session.write(masterSettings(config), true);
        QVERIFY(unit.sim.waitForReceived("ATS102="));
        unit.sim.kill();
        const SequenceResult result = unit.finish(write, 10000);
        QCOMPARE(result.outcome, SequenceResult::LinkLost);
        QCOMPARE(lost.size(), 1);
        QCOMPARE(lost.first().at(0).toString(), unit.config.port);
        QVERIFY(!unit.session.isOpen());
    }

    // Gone in the middle of a pause (the program quitting): nothing runs on.
    void destroyedMidSequence()
    {
        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv5" }));
        bool stored = false;
        {
            RadioSession session;
            session.setTiming(quick());
            QVERIFY(session.open({ sim.portPath(), Product::Kv5, Module::Tarn, LinkMode::PointToPoint }));
            connect(&session, &RadioSession::stored, this, [&] { stored = true; });
            const LinkConfig config { sim.portPath(), Product::Kv5, Module::Tarn, LinkMode::PointToPoint };
            session.write(masterSettings(config), true);
            QVERIFY(sim.waitForReceived("ATS102="));
        }
        const qsizetype received = sim.received().size();
        QTest::qWait(400);
        QCOMPARE(sim.received().size(), received);
        QVERIFY(!stored);
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("verification");
        QTest::addColumn<QString>("differences");
        QTest::addColumn<QByteArrayList>("refused");
        QTest::addColumn<QByteArray>("lastLine");
        QTest::newRow("unit takes it") << QStringList() << int(SequenceResult::Verified) << "" << QByteArrayList() << QByteArray("AT&W\r\n");
        QTest::newRow("stuck link rate") << QStringList { "--stuck", "103=4" } << int(SequenceResult::Mismatch)
                                         << "S103 reads 4, 2 was written" << QByteArrayList() << QByteArray("AT&W\r\n");
        // A refused line is the last: nothing after it, no AT&W, no check.
        QTest::newRow("refused power") << QStringList { "--error-on", "ATS108" } << int(SequenceResult::NotVerified) << ""
                                       << QByteArrayList { "ATS108=30\r\n" } << QByteArray("ATS108=30\r\n");
        QTest::newRow("stops answering") << QStringList { "--error-on", "AT&V" } << int(SequenceResult::NoAnswer) << ""
                                         << QByteArrayList { "AT&V\r\n" } << QByteArray("AT&W\r\n");
    }
    void check()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(int, verification);
        QFETCH(QString, differences);
        QFETCH(QByteArrayList, refused);
        QFETCH(QByteArray, lastLine);
        Unit unit;
        unit.sim.setInitialRegisters({ { 108, 20 } });
        QVERIFY(unit.start(1, 0, 1, simArgs));
        unit.finish(unit.session.open(unit.config));
        QSignalSpy refusals(&unit.session, &RadioSession::lineRefused);
        const LinkConfig config = unit.config;
        const SequenceResult result =
            unit.finish(unit.session.write(masterSettings(config), true, 1500));
        QCOMPARE(result.stored, lastLine == "AT&W\r\n");
        QCOMPARE(int(result.verification), verification);
        QCOMPARE(describeDifferences(result.differences), differences);
        QCOMPARE(result.refusedLines, refused);
        QCOMPARE(refusals.size(), refused.size());
        QCOMPARE(result.linesSent.first(), QByteArray("AT&F7\r\n"));
        QCOMPARE(result.linesSent.last(), lastLine);
        QTest::qWait(200);
        QCOMPARE(unit.sim.receivedLines().last().bytes, result.stored ? QByteArray("AT&V\r\n") : lastLine);
    }

    // Quick pauses at the real times: a pause ends early only once its line
    // is answered; a unit too slow to answer within it (each "OK" some
    // 160 ms) gets the whole pause. A KV5's open pause follows nothing.
    void quickPauseAwaitsAnswer_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::newRow("prompt unit") << QStringList();
        QTest::newRow("slow unit") << QStringList { "--chunk", "1", "--gap", "80" };
    }
    void quickPauseAwaitsAnswer()
    {
        QFETCH(QStringList, simArgs);
        SessionTiming timing;
        timing.pauseEndsOnReply = true;
        Unit unit { timing };
        QVERIFY(unit.start(0, 0, 1, simArgs));
        QElapsedTimer clock;
        clock.start();
        unit.finish(unit.session.open(unit.config));
        QVERIFY2(clock.elapsed() < timing.openMs / 2, qPrintable(QString::number(clock.elapsed())));
        QByteArray received;
        QList<QPair<qint64, qsizetype>> sent;   // when each line went, and the answers in by then
        connect(&unit.session, &RadioSession::chunkReceived, this, [&](const QByteArray &chunk) { received += chunk; });
        connect(&unit.session, &RadioSession::lineSent, this,
                [&](int, const QByteArray &) { sent.append({ clock.elapsed(), received.count("OK\r\n") }); });
        QVERIFY(unit.finish(unit.session.write(masterSettings(unit.config), false)).stored);
        for (int i = 1; i < sent.size(); ++i) {
            const qint64 gap = sent.at(i).first - sent.at(i - 1).first;
            QVERIFY2(simArgs.isEmpty() ? sent.at(i).second >= i : gap >= timing.lineMs - 1,
                     qPrintable(QStringLiteral("line %1: %2 ms, %3 answers").arg(i).arg(gap).arg(sent.at(i).second)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRadioSession)
#include "tst_radiosession.moc"
