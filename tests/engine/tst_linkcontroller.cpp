// The link controller's decisions, against the modem model on a
// pseudo-terminal in this process, on short pauses: how a write ends and
// what is recorded, refused, unanswered and slow units, the next unit
// address, and a link that starts clean.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/linkcontroller.h"
#include "records/recordservice.h"
#include "protocol/answerscanner.h"
#include "records/recordfile.h"
#include "support/fakestore.h"
#include "support/ptymodem.h"
#include "records/recordworker.h"

Q_DECLARE_METATYPE(AnswerScanner::Answer)
Q_DECLARE_METATYPE(Product)

namespace {

SessionTiming quick()
{
    SessionTiming timing;
    timing.openMs = timing.prepareMs = timing.requestMs = timing.closeMs = 20;
    timing.lineMs = 30;
    timing.storeMs = 30;
    timing.reportTimeoutMs = 600;
    return timing;
}

struct Unit {
    PtyModem modem;
    LinkController link;

    Unit(Product product, Module module, const SessionTiming &timing = quick())
        : modem(product, module)
    {
        link.setTiming(timing);
    }
    bool open()
    {
        return link.open({ modem.portPath(), modem.model().product(), modem.model().module(), LinkMode::PointToMultipoint })
               && QTest::qWaitFor([this] { return link.state() == LinkController::State::Ready; }, 5000);
    }
    bool read()
    {
        QSignalSpy ended(&link, &LinkController::readEnded);
        link.read();
        return ended.wait(5000) && ended.first().first().toBool();
    }
    UnitOutcome write(const RadioSettings &settings, const LinkController::WriteOptions &options = {})
    {
        QSignalSpy ended(&link, &LinkController::writeEnded);
        link.write(settings, options);
        if (ended.isEmpty() && !ended.wait(10000))
            return UnitOutcome();
        return ended.first().first().value<UnitOutcome>();
    }
};

// A Tarn point to multipoint master: AT&F7, ATS141=1, ATS102=7, ATS105=5,
// ATS104=1234, ATS103=2, ATS108=30, AT&W.
const RadioSettings MasterForm { { { Reg::WorkMode, 0 }, { Reg::RepeaterEnable, 1 }, { Reg::SerialBaud, 7 },
                                   { Reg::UnitAddress, 5 }, { Reg::NetworkAddress, 1234 }, { Reg::LinkRate, 2 },
                                   { Reg::OutputPower, 30 } } };

} // namespace

class TestLinkController : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QList<AnswerScanner::Answer>>("answers");
        using A = QList<AnswerScanner::Answer>;
        const auto ok = AnswerScanner::Ok, error = AnswerScanner::Error;
        QTest::newRow("echo, then the answer") << QByteArrayList { "ATS103=8\r\nOK\r\n" } << A { ok };
        QTest::newRow("a report is one answer") << QByteArrayList { "\r\nKV5 Tarn\r\nS101=0\r\nS104=12\r\n\r\nOK\r\n" } << A { ok };
        QTest::newRow("split in pieces") << QByteArrayList { "OK\r", "\nERR", "OR\r\nO", "K\n" } << A { ok, error, ok };
        QTest::newRow("not alone on its line") << QByteArrayList { "S101=0 OK\r\nERRORS\r\n" } << A {};
        QTest::newRow("frame with line ends inside") << QByteArrayList { QByteArray::fromHex("fab004000a0d00005f") + "OK\r\n" } << A { ok };
        QTest::newRow("long line") << QByteArrayList { QByteArray(100, 'x') + "OK\r\nOK\r\n" } << A { ok };
    }
    void answers()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QList<AnswerScanner::Answer>, answers);
        AnswerScanner scanner;
        QList<AnswerScanner::Answer> found;
        for (const QByteArray &chunk : chunks)
            found += scanner.feed(chunk);
        QCOMPARE(found, answers);
        QByteArray unfinished;
        QCOMPARE(AnswerScanner::linesAnswered("AT\r\n\r\nATS104=1\nAT", &unfinished), 2);
        QCOMPARE(AnswerScanner::linesAnswered("&W\r\n", &unfinished), 1);
    }

    // How a write ends, what the unit got and what the record says.
    void outcome_data()
    {
        QTest::addColumn<QByteArray>("refuse");
        QTest::addColumn<int>("gapMs");      // a slow unit's answer gap
        QTest::addColumn<bool>("mute");      // the unit answers the read, then no line
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QByteArray>("lastLine");
        QTest::newRow("verified") << QByteArray() << 0 << false << true << "verified" << "verified" << QByteArray("AT&V");
        QTest::newRow("written") << QByteArray() << 0 << false << false << "written" << "written" << QByteArray("AT&W");
        QTest::newRow("refused line") << QByteArray("ATS103") << 0 << false << true << "refused"
                                      << "refused: ATS103=2 — nothing stored" << QByteArray("ATS103=2");
        QTest::newRow("refused store") << QByteArray("AT&W") << 0 << false << false << "refused"
                                       << "refused: AT&W — nothing stored" << QByteArray("AT&W");
        // The answers fall behind the lines: the refusal is named right,
        // nothing goes out once it is in, and never AT&W.
        QTest::newRow("slow unit refuses") << QByteArray("ATS105") << 137 << false << true << "refused"
                                           << "refused: ATS105=5 — nothing stored" << QByteArray("ATS103=2");
        QTest::newRow("slow unit takes it") << QByteArray() << 137 << false << true << "verified" << "verified" << QByteArray("AT&V");
        QTest::newRow("unit stops answering") << QByteArray() << 0 << true << true << "failed"
                                              << "failed: the modem did not answer every line, so AT&W was not sent"
                                              << QByteArray("ATS108=30");
    }
    void outcome()
    {
        QFETCH(QByteArray, refuse);
        QFETCH(int, gapMs);
        QFETCH(bool, mute);
        QFETCH(bool, verify);
        QFETCH(QString, result);
        QFETCH(QString, words);
        QFETCH(QByteArray, lastLine);
        // A slow unit's answers come about 1.4 of the real line pauses apart.
        SessionTiming timing = quick();
        if (gapMs)
            timing.lineMs = WriteLinePauseMs;
        Unit unit(Product::Kv5, Module::Tarn, timing);
        if (!refuse.isEmpty())
            unit.modem.model().refuseCommand(refuse);
        unit.modem.setAnswerGap(gapMs);
        QTemporaryDir dir;
        RecordFile record(dir.filePath("units.csv"));
        RecordService records;
        QSignalSpy opened(&records, &RecordService::opened);
        RecordServiceOptions options;
        options.journal = record.path();
        records.open(options);
        QVERIFY(opened.wait(5000));
        unit.link.setRecords(&records);
        QVERIFY(unit.open());
        QVERIFY(unit.read());
        unit.modem.setMute(mute);

        const UnitOutcome o = unit.write(MasterForm, { verify });
        QCOMPARE(QStringList({ o.resultKey(), o.words() }), QStringList({ result, words }));
        QCOMPARE(o.isGood(), result == "verified" || result == "written");
        QTRY_COMPARE(unit.modem.lastLine(), lastLine);
        QCOMPARE(unit.modem.received().contains("AT&W"), o.stored);
        QCOMPARE(unit.link.nextUnitAddress(), o.isGood() ? 6 : -1);
        // One attempt per unit: readers see its final row.
        const QList<QStringList> rows = readRecordRows(record.path());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.last().mid(12, 2), QStringList({ result, o.detail() }));
    }

    // A shared record that hangs: before the unit's first line, the unit
    // is not started once the bound has passed, and nothing is sent; once
    // its lines went out, nothing of the write waits for it: the line is
    // free (writeDone) before the row is kept, and the row is said to wait.
    void recordThatHangs_data()
    {
        QTest::addColumn<bool>("fromStart");
        QTest::newRow("before the first line") << true;
        QTest::newRow("during the write") << false;
    }
    void recordThatHangs()
    {
        QFETCH(bool, fromStart);
        QTemporaryDir dir;
        auto state = std::make_shared<FakeStoreState>();
        std::unique_ptr<RecordService> records = std::make_unique<RecordService>();
        RecordServiceOptions options;
        options.database = dir.filePath("units.kvxdb");
        options.boundMs = 300;
        options.outboxFolder = dir.filePath("outbox");
        options.openStore = [state](const QString &) { return std::make_unique<FakeStore>(state); };
        QSignalSpy opened(records.get(), &RecordService::opened);
        records->open(options);
        QVERIFY(opened.wait(5000) && opened.first().first().toBool());
        Unit unit(Product::Kv5, Module::Tarn);
        unit.link.setRecords(records.get());
        QVERIFY(unit.open());
        QVERIFY(unit.read());
        state->hang = fromStart;
        QSignalSpy done(&unit.link, &LinkController::writeDone);
        QSignalSpy ended(&unit.link, &LinkController::writeEnded);
        unit.link.write(MasterForm, { true });
        if (!fromStart) {
            QTRY_VERIFY(unit.modem.received().contains("AT&F"));
            QMutexLocker locker(&state->lock);
            state->hang = true;
        }
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 5000);
        QCOMPARE(done.size(), 1);
        const UnitOutcome o = ended.first().first().value<UnitOutcome>();
        if (fromStart) {
            QVERIFY2(o.words().startsWith("not started: the shared record did not answer"), qPrintable(o.words()));
            QVERIFY(!unit.modem.received().contains("AT&F"));
        } else {
            QVERIFY2(o.result == UnitOutcome::Verified && o.recordWaiting && o.isGood(), qPrintable(o.words()));
        }
        state->release();
        records.reset();
        QVERIFY(RecordWorker::joinRetired(5000));
    }

    // What unit A sent (a report the terminal asked for and held, its rate)
    // never reaches unit B on the next link; B is not written before its own
    // report came.
    void linkStartsClean_data()
    {
        QTest::addColumn<Product>("first");
        QTest::addColumn<Product>("second");
        QTest::newRow("KV5, then KV6 - KV7") << Product::Kv5 << Product::Kv6;
        QTest::newRow("KV6 - KV7, then KV5") << Product::Kv6 << Product::Kv5;
    }
    void linkStartsClean()
    {
        QFETCH(Product, first);
        QFETCH(Product, second);
        Unit a(first, Module::Tarn);
        QVERIFY(a.open());
        a.link.setHoldReports(true);
        a.link.sendRaw("AT&V\r\n");
        QTest::qWait(150);
        a.link.setHoldReports(false);
        a.link.close();
        QTRY_COMPARE(a.link.state(), LinkController::State::Closed);

        PtyModem b(second, Module::Skerry);
        // B's pass-through rate is 57600.
        b.model().handleFrame(0xB1, QByteArray::fromHex("00e10000"));
        QSignalSpy applied(&a.link, &LinkController::reportApplied);
        QVERIFY(a.link.open({ b.portPath(), second, Module::Skerry, LinkMode::PointToMultipoint }));
        QTRY_COMPARE(a.link.state(), LinkController::State::Ready);
        QTest::qWait(100);
        QCOMPARE(applied.size(), 0);
        QVERIFY(!a.link.hasReported(Reg::NetworkAddress) && a.link.report().registers.isEmpty());
        QCOMPARE(a.link.passThroughRate(), second == Product::Kv6 ? 57600u : 0u);

        QCOMPARE(a.write(MasterForm).cause, UnitOutcome::Unwritable);
        QVERIFY(!b.received().contains("AT"));
    }
};

QTEST_GUILESS_MAIN(TestLinkController)
#include "tst_linkcontroller.moc"
