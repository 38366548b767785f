// The record service's rules on a store that answers late, hangs, fails,
// refuses a row for good or loses an answer: a unit never waits past the
// bound, a final row never waits at all, nothing is lost or doubled, and
// closing answers everything at once.

#include <QDir>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "records/recordfile.h"
#include "records/recordlocation.h"
#include "records/recordservice.h"
#include "records/recordworker.h"
#include "support/fakestore.h"

namespace {

constexpr int BoundMs = 300;

UnitRecord unit(qint64 address, const QString &result)
{
    UnitRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
    record.settings.registers = { { Reg::WorkMode, 2 }, { Reg::SerialBaud, 7 }, { Reg::LinkRate, 0 }, { Reg::OutputPower, 30 },
                                  { Reg::NetworkAddress, 4321 }, { Reg::UnitAddress, address } };
    record.result = result;
    return record;
}

struct Rig {
    QTemporaryDir dir;
    std::shared_ptr<FakeStoreState> state = std::make_shared<FakeStoreState>();
    std::unique_ptr<RecordService> service = std::make_unique<RecordService>();

    ~Rig()
    {
        // The threads are done with the folder before it goes.
        service.reset();
        RecordWorker::joinRetired(5000);
    }
    QString outboxFolder() const { return dir.filePath(QStringLiteral("outbox")); }
    RecordServiceOptions options() const
    {
        RecordServiceOptions o;
        o.database = dir.filePath(QStringLiteral("units.kvxdb"));
        o.boundMs = BoundMs;
        o.outboxFolder = outboxFolder();
        o.openStore = [s = state](const QString &) { return std::make_unique<FakeStore>(s); };
        return o;
    }
    bool open(const RecordServiceOptions &o, QString *error = nullptr)
    {
        QSignalSpy opened(service.get(), &RecordService::opened);
        service->open(o);
        if (!opened.wait(5000))
            return false;
        if (error)
            *error = opened.first().at(1).toString();
        return opened.first().first().toBool();
    }
    bool open() { return open(options()); }
};

} // namespace

class TestRecordService : public QObject
{
    Q_OBJECT

private slots:
    // Before its first line a unit waits for the record no longer than the
    // bound, whatever the store does; where nothing holds a unit address
    // (point to point) it does not ask the database at all.
    void beginIsBounded_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<QString>("error");
        QTest::newRow("answers") << "answers" << true << "";
        QTest::newRow("answers late") << "late" << true << "did not answer";
        QTest::newRow("hangs") << "hangs" << true << "did not answer";
        QTest::newRow("is down") << "down" << true << "could not connect";
        QTest::newRow("hangs, point to point") << "hangs" << false << "";
    }
    void beginIsBounded()
    {
        QFETCH(QString, store);
        QFETCH(bool, reserve);
        QFETCH(QString, error);
        Rig rig;
        QVERIFY(rig.open());
        {
            QMutexLocker locker(&rig.state->lock);
            rig.state->delayMs = store == "late" ? 3 * BoundMs : 0;
            rig.state->hang = store == "hangs";
            rig.state->down = store == "down";
        }
        QList<BeginAnswer> answers;
        UnitReservation reservation;
        reservation.reserve = reserve;
        reservation.from = 5;
        const QString attempt = newAttemptId();
        rig.service->beginUnit(this, attempt, unit(5, "pending"), reservation,
                               [&answers](const BeginAnswer &answer) { answers << answer; });
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, BoundMs + 700);
        QVERIFY2(error.isEmpty() ? answers.first().error.isEmpty() : answers.first().error.contains(error),
                 qPrintable(answers.first().error));
        if (store == "hangs" && reserve)
            QTRY_VERIFY(rig.state->interrupts > 0);
        if (error.isEmpty() && reserve)
            QCOMPARE(rig.state->result(attempt), QStringLiteral("pending"));

        // The unit's end: its row says what happened, never pending.
        rig.state->release();
        {
            QMutexLocker locker(&rig.state->lock);
            rig.state->down = false;
            rig.state->delayMs = 0;
        }
        QList<RowAnswer> ended;
        rig.service->finishUnit(this, attempt, unit(5, error.isEmpty() ? "verified" : "failed"),
                                [&ended](const RowAnswer &answer) { ended << answer; });
        QTRY_COMPARE(ended.size(), 1);
        rig.service->retryNow();
        QTRY_COMPARE_WITH_TIMEOUT(rig.service->waiting(), 0, 15000);
        QCOMPARE(rig.state->result(attempt), QString::fromLatin1(error.isEmpty() ? "verified" : "failed"));
        QCOMPARE(answers.size(), 1);
    }

    // A unit's final row is kept here at once and the unit told within a
    // second, also while the store hangs; once it answers, the row lands.
    void finalRowNeverWaits()
    {
        Rig rig;
        QVERIFY(rig.open());
        rig.state->hang = true;
        const QString attempt = newAttemptId();
        QList<RowAnswer> answers;
        rig.service->finishUnit(this, attempt, unit(3, "verified"), [&answers](const RowAnswer &answer) { answers << answer; });
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 1800);
        QVERIFY(answers.first().error.isEmpty() && answers.first().waiting);
        QCOMPARE(rig.service->waiting(), 1);
        rig.state->release();
        rig.service->retryNow();
        QTRY_COMPARE_WITH_TIMEOUT(rig.service->waiting(), 0, 15000);
        QCOMPARE(rig.state->result(attempt), QStringLiteral("verified"));
        QCOMPARE(answers.size(), 1);
    }

    // A row the store refuses for good is set aside in a file of its own,
    // named, and the rows behind it go on; an answer lost after its row
    // landed costs nothing but a second try of the same row.
    void rowsBehindARefusedOneGoOn()
    {
        Rig rig;
        QVERIFY(rig.open());
        const QString refused = newAttemptId();
        const QString next = newAttemptId();
        {
            QMutexLocker locker(&rig.state->lock);
            rig.state->refuse = refused;
            rig.state->loseAnswers = 1;
        }
        QSignalSpy setAside(rig.service.get(), &RecordService::rowsSetAside);
        QList<RowAnswer> answers;
        rig.service->finishUnit(this, refused, unit(1, "verified"), [&answers](const RowAnswer &a) { answers << a; });
        rig.service->finishUnit(this, next, unit(2, "verified"), [&answers](const RowAnswer &a) { answers << a; });
        QTRY_COMPARE_WITH_TIMEOUT(rig.service->waiting(), 0, 15000);
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(setAside.size(), 1);
        const QString file = setAside.first().at(1).toString();
        QVERIFY2(answers.first().error.contains(QDir::toNativeSeparators(file)), qPrintable(answers.first().error));
        QCOMPARE(rig.service->setAsideRows(), 1);
        const QList<QStringList> kept = RecordFile(file).journal();
        QCOMPARE(kept.size(), 2);
        QCOMPARE(kept.last().at(14), refused);
        QCOMPARE(rig.state->result(next), QStringLiteral("verified"));
        QCOMPARE(rig.state->rows.size(), 1);
    }

    // Closing while the store hangs: every request is answered before
    // close() returns, the rows handed over are kept in the outbox, and
    // the threads end once the hanging call is interrupted.
    void closeAnswersEverything()
    {
        Rig rig;
        QVERIFY(rig.open());
        rig.state->hang = true;
        QList<BeginAnswer> begun;
        QList<RowAnswer> ended;
        UnitReservation reservation;
        reservation.reserve = true;
        rig.service->beginUnit(this, newAttemptId(), unit(4, "pending"), reservation,
                               [&begun](const BeginAnswer &a) { begun << a; });
        const QString attempt = newAttemptId();
        rig.service->finishUnit(this, attempt, unit(9, "verified"), [&ended](const RowAnswer &a) { ended << a; });
        QTRY_VERIFY(rig.state->hanging > 0);
        QTest::qWait(50);
        rig.service->close();
        QCOMPARE(begun.size(), 1);
        QVERIFY(!begun.first().error.isEmpty());
        QCOMPARE(ended.size(), 1);
        QVERIFY(ended.first().waiting);
        rig.service.reset();
        QVERIFY(RecordWorker::joinRetired(3000));
        QVERIFY(rig.state->interrupts > 0);
        bool kept = false;
        for (const QString &file : QDir(rig.outboxFolder()).entryList({ "*.csv" }, QDir::Files)) {
            for (const QStringList &row : RecordFile(QDir(rig.outboxFolder()).filePath(file)).journal())
                kept = kept || row.value(14) == attempt;
        }
        QVERIFY(kept);
    }

    // The outbox is checked with the records: one that cannot be made
    // refuses the record before any unit; an earlier run's outbox is taken
    // on only when no running program holds it.
    void outboxes()
    {
        Rig blocked;
        QFile plain(blocked.outboxFolder());
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QString error;
        QVERIFY(!blocked.open(blocked.options(), &error));
        QVERIFY2(error.contains("outbox"), qPrintable(error));

        Rig rig;
        const QString stem = RecordService::outboxStem(recordShownName(rig.options().database));
        QVERIFY(QDir().mkpath(rig.outboxFolder()));
        QStringList attempts;
        QLockFile live(QDir(rig.outboxFolder()).filePath(stem + "-live.csv.lock"));
        QVERIFY(live.tryLock(0));
        for (const QString &name : { stem + "-dead.csv", stem + "-live.csv" }) {
            RecordFile left(QDir(rig.outboxFolder()).filePath(name));
            QVERIFY(left.prepare());
            attempts << newAttemptId();
            QVERIFY(!left.writeRow(attempts.last().toLatin1(), unit(attempts.size(), "verified"), nullptr).isEmpty());
        }
        // The dead one's first row was forwarded; a count cut short after
        // it says nothing.
        {
            RecordFile dead(QDir(rig.outboxFolder()).filePath(stem + "-dead.csv"));
            attempts.insert(0, newAttemptId());
            QVERIFY(!dead.writeRow(attempts.first().toLatin1(), unit(3, "verified"), nullptr).isEmpty());
            QFile sent(QDir(rig.outboxFolder()).filePath(stem + "-dead.csv.sent"));
            QVERIFY(sent.open(QIODevice::WriteOnly));
            sent.write("1\n2");
        }
        std::swap(attempts[0], attempts[1]);
        QVERIFY(rig.open());
        QTRY_COMPARE(rig.state->result(attempts.at(1)), QStringLiteral("verified"));
        QTRY_VERIFY(!QFile::exists(QDir(rig.outboxFolder()).filePath(stem + "-dead.csv")));
        QCOMPARE(rig.state->result(attempts.first()), QString());
        QCOMPARE(rig.state->result(attempts.last()), QString());
        QVERIFY(QFile::exists(QDir(rig.outboxFolder()).filePath(stem + "-live.csv")));
    }
};

QTEST_GUILESS_MAIN(TestRecordService)
#include "tst_recordservice.moc"
