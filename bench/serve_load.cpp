// The line's web view under load, in one run:
//   1. a batch of 8 KV5 units written into a large SQLite record alone: the
//      largest pause difference on the wire (the baseline);
//   2. kvx-cli serve on that record, clients polling the page and the API
//      once a second each and live pages open, and the same batch written
//      beside it: each answer's time (goal: the 99th percentile <= 50 ms),
//      the batch's largest pause difference (goal <= 20 ms) against the
//      baseline, and the time from a unit's row reaching the record to the
//      live pages (goal <= 1 s).
//   build/serve_load           10 000 units, 10 clients, 5 live pages
//   build/serve_load --full    100 000 units, 50 clients, 20 live pages

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "benchbatch.h"
#include "records/databaserecord.h"

namespace {

using Clock = std::chrono::steady_clock;

// A record of `units` units of four stations over the last 100 days, a
// fiftieth of them today; written in one transaction, as an import would.
bool makeRecord(const QString &path, int units)
{
    {
        DatabaseRecord record(path);
        QString error;
        if (!record.prepare(&error)) {
            QTextStream(stderr) << error << Qt::endl;
            return false;
        }
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-maker"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        ok = ok && query.exec(QStringLiteral("BEGIN"));
        query.prepare(QStringLiteral("INSERT INTO units (attempt, time, station, operator, tool_version, port, product, "
                                     "module, mode, unit_address, network_address, work_mode, baud, link_rate, power, "
                                     "result, serial) VALUES (?, ?, ?, ?, '2.0.7', '/dev/ttyUSB0', 'kv5', 'tarn', 'p2mp', "
                                     "?, ?, 'Slave(Remote)', 9600, 172800, '1000mW', ?, ?)"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const int today = units / 50;
        for (int i = 0; i < units && ok; ++i) {
            const int back = units - i;
            // The older rows a day apart in hundredths, today's within the last hours.
            const QDateTime time = back <= today ? now.addSecs(-qint64(back) * 5)
                                                 : now.addSecs(-qint64(back - today) * 100 * 86400 / units - 86400);
            query.addBindValue(QStringLiteral("bench-%1").arg(i));
            query.addBindValue(time.toString(Qt::ISODate));
            query.addBindValue(QStringLiteral("line-%1").arg(i % 4 + 1));
            query.addBindValue(QStringLiteral("op-%1").arg(i % 4 + 1));
            query.addBindValue(i % 1000 + 1);
            query.addBindValue(1000 + i / 1000);
            query.addBindValue(i % 23 == 0 ? QStringLiteral("refused") : QStringLiteral("verified"));
            query.addBindValue(QStringLiteral("SN-%1").arg(i, 6, 10, QLatin1Char('0')));
            ok = query.exec();
        }
        ok = ok && query.exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-maker"));
    return ok;
}

// Rows a station writes, each with a code of its own, and when each
// reached the record.
class Marker
{
public:
    explicit Marker(const QString &path)
    {
        m_thread = std::thread([this, path] {
            DatabaseRecord record(path);
            QString error;
            if (!record.prepare(&error))
                return;
            for (int n = 0; !m_stop; ++n) {
                UnitRecord row;
                row.time = QDateTime::currentDateTimeUtc();
                row.config = { QStringLiteral("/dev/ttyUSB9"), Product::Kv5, Module::Tarn, LinkMode::PointToPoint };
                row.settings.set(Reg::NetworkAddress, 999);
                row.result = QStringLiteral("verified");
                row.station = QStringLiteral("marker");
                row.serial = QStringLiteral("LAT-%1").arg(n);
                if (!record.writeRow(QByteArray(), row, &error).isEmpty()) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_written[n] = Clock::now();
                }
                for (int i = 0; i < 10 && !m_stop; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
    }
    ~Marker()
    {
        m_stop = true;
        m_thread.join();
    }
    std::map<int, Clock::time_point> written()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_written;
    }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop { false };
    std::mutex m_mutex;
    std::map<int, Clock::time_point> m_written;
};

const QList<QByteArray> Paths = { "/", "/api/summary", "/api/stations", "/api/units?limit=100&network=1050" };

// Clients polling once a second each (a path in turn, each on its own
// kept-alive connection) and live pages, on a thread of their own.
class Clients : public QObject
{
public:
    Clients(quint16 port, int pollers, int pages)
        : m_port(port)
        , m_pollers(pollers)
        , m_pages(pages)
    {
    }

    void start()
    {
        for (int i = 0; i < m_pollers; ++i) {
            auto *poller = new Poller { new QTcpSocket(this), new QTimer(this), {}, Paths.at(i % Paths.size()), {} };
            connect(poller->socket, &QTcpSocket::readyRead, this, [this, poller] { readable(*poller); });
            connect(poller->timer, &QTimer::timeout, this, [this, poller] { ask(*poller); });
            QTimer::singleShot(1000 * i / m_pollers, poller->timer, [poller] { poller->timer->start(1000); });
            m_pollerList.push_back(std::unique_ptr<Poller>(poller));
        }
        for (int i = 0; i < m_pages; ++i) {
            auto *page = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
            connect(page, &QWebSocket::textMessageReceived, this, [this, i](const QString &message) {
                static const QRegularExpression Code(QStringLiteral("LAT-(\\d+)"));
                for (const QRegularExpressionMatch &match : Code.globalMatch(message)) {
                    const int n = match.captured(1).toInt();
                    if (!seen.count({ i, n }))
                        seen[{ i, n }] = Clock::now();
                }
            });
            page->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live?lang=en").arg(m_port)));
        }
    }

    // Answer times by path, in ms; requests not answered before the next was due.
    std::map<QByteArray, std::vector<double>> times;
    int late = 0;
    int failed = 0;
    std::map<std::pair<int, int>, Clock::time_point> seen;   // (page, marker) first seen

private:
    struct Poller {
        QTcpSocket *socket;
        QTimer *timer;
        Clock::time_point sent;
        QByteArray path;
        QByteArray answer;
        bool waiting = false;
    };

    void ask(Poller &poller)
    {
        if (poller.waiting) {
            ++late;
            return;
        }
        if (poller.socket->state() != QAbstractSocket::ConnectedState) {
            poller.socket->abort();
            poller.socket->connectToHost(QHostAddress::LocalHost, m_port);
            poller.socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        }
        poller.answer.clear();
        poller.waiting = true;
        poller.sent = Clock::now();
        poller.socket->write("GET " + poller.path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }

    void readable(Poller &poller)
    {
        poller.answer += poller.socket->readAll();
        const qsizetype end = poller.answer.indexOf("\r\n\r\n");
        if (end < 0 || !poller.waiting)
            return;
        static const QRegularExpression Length(QStringLiteral("Content-Length: (\\d+)"));
        const qint64 length = Length.match(QString::fromLatin1(poller.answer.left(end))).captured(1).toLongLong();
        if (poller.answer.size() < end + 4 + length)
            return;
        poller.waiting = false;
        if (!poller.answer.startsWith("HTTP/1.1 200"))
            ++failed;
        times[poller.path].push_back(std::chrono::duration<double, std::milli>(Clock::now() - poller.sent).count());
    }

    quint16 m_port;
    int m_pollers;
    int m_pages;
    std::vector<std::unique_ptr<Poller>> m_pollerList;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, std::size_t(p * double(values.size()))));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    const bool full = app.arguments().contains(QStringLiteral("--full"));
    const int units = full ? 100000 : 10000;
    const int pollers = full ? 50 : 10;
    const int pages = full ? 20 : 5;
    QTextStream out(stdout);
    const QString db = home.filePath(QStringLiteral("line.kvxdb"));
    QElapsedTimer made;
    made.start();
    if (!makeRecord(db, units))
        return 1;
    out << "record: " << units << " units (" << units / 50 << " today), made in " << made.elapsed() << " ms" << Qt::endl;

    const qint64 alone = benchBatch(db, 8);

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kvx-cli"),
                 { "serve", "--record", db, "--listen", "127.0.0.1:0" });
    if (!server.waitForReadyRead(30000)) {
        out << "kvx-cli serve did not start" << Qt::endl;
        return 1;
    }
    const quint16 port = quint16(QUrl(QString::fromLatin1(server.readLine().trimmed())).port());

    QThread thread;
    auto *clients = new Clients(port, pollers, pages);
    clients->moveToThread(&thread);
    thread.start();
    QMetaObject::invokeMethod(clients, [clients] { clients->start(); });
    QTest::qWait(3000);   // every poller has asked once, every page is open

    qint64 beside = -1;
    std::map<int, Clock::time_point> written;
    {
        Marker marker(db);
        beside = benchBatch(db, 8);
        QTest::qWait(1500);
        written = marker.written();
    }
    // The figures taken, and the clients ended, on their own thread.
    std::map<QByteArray, std::vector<double>> times;
    std::map<std::pair<int, int>, Clock::time_point> seen;
    int late = 0;
    int failed = 0;
    QMetaObject::invokeMethod(clients, [&] {
        times = clients->times;
        seen = clients->seen;
        late = clients->late;
        failed = clients->failed;
        delete clients;
    }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();

    out << "clients: " << pollers << " polling once a second, " << pages << " live pages" << Qt::endl;
    std::vector<double> all;
    for (const auto &path : times) {
        out << "  " << path.first << ": " << path.second.size() << " answers, p50 " << percentile(path.second, 0.5)
            << " ms, p99 " << percentile(path.second, 0.99) << " ms, max " << percentile(path.second, 1.0) << " ms" << Qt::endl;
        all.insert(all.end(), path.second.begin(), path.second.end());
    }
    out << "answers: p99 " << percentile(all, 0.99) << " ms (goal <= 50), " << late << " not answered within 1 s, " << failed
        << " not 200" << Qt::endl;
    std::vector<double> latency;
    int missed = 0;
    for (const auto &row : written) {
        for (int page = 0; page < pages; ++page) {
            const auto first = seen.find({ page, row.first });
            if (first == seen.end())
                ++missed;
            else
                latency.push_back(std::chrono::duration<double, std::milli>(first->second - row.second).count());
        }
    }
    out << "row to live page: " << written.size() << " rows x " << pages << " pages, p50 " << percentile(latency, 0.5)
        << " ms, max " << percentile(latency, 1.0) << " ms (goal <= 1000), " << missed << " never seen" << Qt::endl;
    out << "batch of 8: largest pause difference " << beside << " ms beside the server (goal <= 20), " << alone
        << " ms alone";
    if (alone > 0)
        out << " (" << double(beside) / double(alone) << " x)";
    out << Qt::endl;
    server.terminate();
    server.waitForFinished(10000);
    return 0;
}
