// What a busy or hanging record costs the units and the window:
//   1. a batch of 4 units (KV6 - KV7 in point to multipoint, unit addresses
//      from the record, in-process modems on pseudo-terminals, the real
//      pauses) is written while the record is left alone, while a SQLite
//      record is held by another connection (BEGIN EXCLUSIVE) for 10 s, and
//      while every backend of a PostgreSQL record is frozen (SIGSTOP; when
//      PostgreSQL is installed), each from the units' first write line on,
//      after their pending rows went in: the largest difference between a
//      pause on the wire and its length (goal <= 20 ms), and the longest
//      time from a unit's last answer to its link-close frame (goal <= 20 ms);
//   2. the window writes one unit with the SQLite record held, then stops
//      recording while it is held again: its longest event-loop stall (goal
//      <= 50 ms).
//   build/record_stall [REPEATS]

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "app/mainwindow.h"
#include "app/toolsettings.h"
#include "engine/provisionbatch.h"
#include "engine/station.h"
#include "engine/unitjob.h"
#include "protocol/writeplan.h"
#include "records/databaserecord.h"
#include "benchbatch.h"
#include "support/pgserver.h"
#include "support/ptymodem.h"

namespace {

constexpr int HoldMs = 10000;

// Another program holding the record: BEGIN EXCLUSIVE, 10 s, COMMIT.
class Holder
{
public:
    explicit Holder(const QString &path)
    {
        m_thread = std::thread([this, path] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                db.setDatabaseName(path);
                db.open();
                QSqlQuery query(db);
                query.exec(QStringLiteral("BEGIN EXCLUSIVE"));
                m_holding = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(HoldMs));
                query.exec(QStringLiteral("COMMIT"));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
            m_done = true;
        });
        while (!m_holding)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~Holder() { m_thread.join(); }
    bool done() const { return m_done; }

private:
    std::thread m_thread;
    std::atomic<bool> m_holding { false };
    std::atomic<bool> m_done { false };
};

struct BatchFigures {
    qint64 pause = -1;   // the largest |gap - pause| on the wire
    qint64 begin = -1;   // the longest wait for the record before a unit's first line
    qint64 close = -1;   // the longest time from a unit's last answer to its close frame
};

// `hold` starts once every unit has begun its lines, `release` ends it
// after the batch.
BatchFigures batchRun(const QString &location, const std::function<void()> &hold, const std::function<void()> &release)
{
    BatchFigures figures;
    Station station;
    QSignalSpy opened(&station, &Station::recordsOpened);
    station.openRecords(QString(), location);
    if (!opened.wait(20000) || !station.recordsReady())
        return figures;
    std::vector<std::unique_ptr<PtyModem>> modems;
    QStringList ports;
    for (int i = 0; i < 4; ++i) {
        modems.push_back(std::make_unique<PtyModem>(Product::Kv6, Module::Tarn));
        ports << modems.back()->portPath();
    }
    const LinkConfig link { QString(), Product::Kv6, Module::Tarn, LinkMode::PointToMultipoint };
    RadioSettings change;
    change.set(Reg::WorkMode, 2);
    change.set(Reg::LinkRate, 1);
    change.set(Reg::NetworkAddress, 4321);
    ProvisionBatch batch(link, change, 1);
    batch.setAutoUnitAddress(true);
    batch.setVerify(true);
    station.equip(batch);
    QSignalSpy finished(&batch, &ProvisionBatch::finished);
    batch.startPorts(ports);
    if (hold) {
        [[maybe_unused]] const bool begun_ = QTest::qWaitFor([&] {
            return std::all_of(modems.begin(), modems.end(), [](const auto &m) { return m->received().contains("AT&F"); });
        }, 30000);
        hold();
    }
    const bool ended = finished.wait(60000);
    if (release)
        release();
    if (!ended)
        return figures;
    figures.pause = 0;
    figures.close = 0;
    figures.begin = 0;
    for (std::size_t i = 0; i < modems.size(); ++i) {
        const UnitOutcome &outcome = batch.units().at(int(i))->outcome();
        if (!outcome.isGood())
            QTextStream(stderr) << "unit " << i + 1 << ": " << outcome.words() << Qt::endl;
        figures.pause = std::max(figures.pause, largestPauseDifference(*modems.at(i), outcome.settings, link, &figures.begin));
        figures.close = std::max(figures.close, modems.at(i)->closeFrameAt() - modems.at(i)->lastAnswerAt());
    }
    [[maybe_unused]] const bool waited_ = QTest::qWaitFor([&] { return station.waitingRows() == 0; }, 30000);
    return figures;
}

qint64 windowRun(const QString &db)
{
    PtyModem modem(Product::Kv5, Module::Tarn);
    qputenv("KVX_EXTRA_PORTS", modem.portPath().toLocal8Bit());
    toolSettings().setValue(QLatin1String(RecordKey), db);
    toolSettings().setValue(QLatin1String(VerifyKey), true);
    MainWindow window;
    window.show();
    auto *ports = window.findChild<QComboBox *>(QStringLiteral("SerialBox"));
    ports->setCurrentIndex(ports->findText(modem.portPath()));
    window.findChild<QPushButton *>(QStringLiteral("ConnectButton"))->click();
    if (!QTest::qWaitFor([&] { return window.linkState() == MainWindow::LinkState::Ready; }, 10000))
        return -1;
    auto *write = window.findChild<QPushButton *>(QStringLiteral("ConfigButton"));
    window.findChild<QPushButton *>(QStringLiteral("RefreshButton"))->click();
    if (!QTest::qWaitFor([&] { return write->isEnabled(); }, 10000))
        return -1;

    // The event loop's longest gap while the unit is written.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 stall = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        stall = std::max(stall, now - last - 5);
        last = now;
    });
    Holder holder(db);
    clock.start();
    tick.start();
    write->click();
    [[maybe_unused]] const bool stored_ = QTest::qWaitFor([&] { return modem.received().contains("AT&W"); }, 20000);
    [[maybe_unused]] const bool ended_ = QTest::qWaitFor([&] { return holder.done() && window.linkState() == MainWindow::LinkState::Ready; }, 30000);
    // The record let go while another program holds it.
    Holder again(db);
    if (QAction *stop = window.findChild<QAction *>(QStringLiteral("ActionStopRecord")))
        stop->trigger();
    QTest::qWait(500);
    tick.stop();
    return stall;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1;
    QTextStream out(stdout);
    std::unique_ptr<PostgresServer> postgres;
    if (!PostgresServer::binDirectory().isEmpty()) {
        postgres = std::make_unique<PostgresServer>();
        if (postgres->start()) {
            const QProcessEnvironment environment = postgres->clientEnvironment();
            for (const QString &key : environment.keys())
                qputenv(key.toLocal8Bit(), environment.value(key).toLocal8Bit());
        } else {
            out << "PostgreSQL: " << postgres->errorString() << Qt::endl;
            postgres.reset();
        }
    }
    const auto said = [&out](const char *what, const BatchFigures &figures) {
        out << "  batch of 4, " << what << ": largest pause difference " << figures.pause
            << " ms, last answer to close frame " << figures.close << " ms (goals <= 20); record's answer before "
            << "the first line " << figures.begin << " ms" << Qt::endl;
    };
    for (int rep = 0; rep < repeats; ++rep) {
        out << "rep " << rep + 1 << ":" << Qt::endl;
        const QString db = home.filePath(QStringLiteral("units%1.kvxdb").arg(rep));
        said("record left alone", batchRun(db, {}, {}));
        std::unique_ptr<Holder> holder;
        said("SQLite held", batchRun(db, [&] { holder = std::make_unique<Holder>(db); }, [&] { holder.reset(); }));
        if (postgres) {
            const QString name = QStringLiteral("units%1").arg(rep);
            if (postgres->createDatabase(name)) {
                said("PostgreSQL frozen", batchRun(postgres->location(name), [&] { postgres->freeze(name); },
                                                   [&] { postgres->thaw(); }));
            }
        }
        const qint64 stall = windowRun(db);
        out << "  window write, SQLite held: longest stall " << stall << " ms (goal <= 50)" << Qt::endl;
    }
    return 0;
}
