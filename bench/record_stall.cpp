// What a busy record costs the units and the window: a SQLite record held
// by another connection (BEGIN EXCLUSIVE) for 10 s while
//   1. a batch of 4 units (KV5, in-process modems on pseudo-terminals, the
//      real pauses) is written: the largest difference between a pause on
//      the wire and its length (goal <= 20 ms);
//   2. the window writes one unit: its longest event-loop stall (goal
//      <= 50 ms).
//   build/record_stall [REPEATS]

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

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "app/mainwindow.h"
#include "app/toolsettings.h"
#include "engine/provisionbatch.h"
#include "engine/station.h"
#include "engine/unitjob.h"
#include "records/databaserecord.h"
#include "benchbatch.h"
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

qint64 batchRun(const QString &db)
{
    std::unique_ptr<Holder> holder;
    return benchBatch(db, 4, [&] { holder = std::make_unique<Holder>(db); }, [&](const Station &station) {
        [[maybe_unused]] const bool waited_ = QTest::qWaitFor([&] { return holder->done() && station.waitingRows() == 0; }, 30000);
    });
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
    for (int rep = 0; rep < repeats; ++rep) {
        const QString db = home.filePath(QStringLiteral("units%1.kvxdb").arg(rep));
        {
            DatabaseRecord record(db);
            QString error;
            if (!record.prepare(&error)) {
                out << "cannot make " << db << ": " << error << Qt::endl;
                return 1;
            }
        }
        const qint64 pause = batchRun(db);
        const qint64 stall = windowRun(db);
        out << "rep " << rep + 1 << ": batch of 4, largest pause difference " << pause
            << " ms (goal <= 20); window write, longest stall " << stall << " ms (goal <= 50)" << Qt::endl;
    }
    return 0;
}
