#include "server/linereader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>

#include "records/databaserecord.h"

namespace {

struct ReaderText {
    Q_DECLARE_TR_FUNCTIONS(Serve)
};

// A change is read this long after its first write, once however many
// writes it took (a row is several writes to a SQLite file).
constexpr int SettleMs = 50;
// A PostgreSQL connection is asked this often whether it still answers
// (a dead one would tell of no more rows).
constexpr int AliveMs = 15000;
constexpr int LongestRetryMs = 30000;

} // namespace

// One connection to the record on a thread of its own: the day's figures
// (watching the record for changes), or the units asked for. Apart, a long
// read of the day never holds up a question, nor a question the figures.
class LineReader::Worker : public QObject
{
    Q_OBJECT

public:
    enum Role { Figures, Questions };

    Worker(LineReader *owner, const QString &location, int reservationTimeoutS, Role role)
        : m_owner(owner)
        , m_location(location)
        , m_reservationTimeoutS(reservationTimeoutS)
        , m_role(role)
    {
    }

    void begin();
    void end(QThread *home);
    void readUnits(quint64 id, const UnitQuery &query, bool asJson);

private:
    bool openRecord(QString *error);
    // The record opened anew where it has to be to see what is written now.
    bool current();
    void watch();
    void changed();
    void readSummary();
    void fail(const QString &error);
    void retry();
    void planMidnight();

    LineReader *m_owner;
    QString m_location;
    int m_reservationTimeoutS;
    Role m_role;
    std::unique_ptr<DatabaseRecord> m_record;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
    QTimer *m_midnight = nullptr;
    QTimer *m_retry = nullptr;
    QTimer *m_alive = nullptr;
    qint64 m_dataVersion = -1;
    int m_retryMs = 1000;
    bool m_failing = false;
};

void LineReader::Worker::begin()
{
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &Worker::readSummary);
    m_midnight = new QTimer(this);
    m_midnight->setSingleShot(true);
    connect(m_midnight, &QTimer::timeout, this, [this] {
        m_dataVersion = -1;
        readSummary();
    });
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &Worker::retry);
    m_alive = new QTimer(this);
    m_alive->setInterval(AliveMs);
    connect(m_alive, &QTimer::timeout, this, [this] {
        QSqlQuery query(m_record->connection());
        if (!query.exec(QStringLiteral("SELECT 1")))
            fail(ReaderText::tr("the record database stopped answering"));
    });
    QString error;
    const bool ok = openRecord(&error);
    if (m_role == Questions) {
        if (!ok)
            fail(error);
        return;
    }
    emit m_owner->opened(ok, m_record->name(), error);
    if (ok)
        readSummary();
}

void LineReader::Worker::end(QThread *home)
{
    delete m_watcher;
    m_watcher = nullptr;
    for (QTimer *timer : { m_settle, m_midnight, m_retry, m_alive })
        delete timer;
    m_settle = m_midnight = m_retry = m_alive = nullptr;
    m_record.reset();
    moveToThread(home);
    QThread::currentThread()->quit();
}

bool LineReader::Worker::openRecord(QString *error)
{
    m_record = std::make_unique<DatabaseRecord>(m_location);
    m_record->setReservationTimeout(m_reservationTimeoutS);
    if (!m_record->openForReading(error))
        return false;
    if (m_role == Questions)
        return true;
    if (m_record->isPostgres()) {
        QSqlDriver *driver = m_record->connection().driver();
        if (!driver->subscribeToNotification(QLatin1String(DatabaseRecord::ChangeChannel))) {
            *error = ReaderText::tr("the record database does not tell of its changes (LISTEN)");
            return false;
        }
        connect(driver, &QSqlDriver::notification, this, &Worker::changed);
        m_alive->start();
    } else {
        watch();
    }
    return true;
}

void LineReader::Worker::watch()
{
    // The file, its write-ahead log (where each row lands first) and the
    // folder (the log comes and goes with the writers).
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &Worker::changed);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &Worker::changed);
    }
    const QFileInfo file(m_location);
    QStringList paths { file.absolutePath(), file.absoluteFilePath(), file.absoluteFilePath() + QStringLiteral("-wal") };
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [&](const QString &path) { return watched.contains(path) || !QFileInfo::exists(path); }),
                paths.end());
    if (!paths.isEmpty())
        m_watcher->addPaths(paths);
}

void LineReader::Worker::changed()
{
    if (!m_settle->isActive() && !m_failing)
        m_settle->start();
}

void LineReader::Worker::readSummary()
{
    if (!m_record || m_failing)
        return;
    if (!m_record->isPostgres()) {
        watch();
        if (!current())
            return;
        // Only another connection's commit changes what a query reads.
        QSqlQuery version(m_record->connection());
        if (version.exec(QStringLiteral("PRAGMA data_version")) && version.next()) {
            const qint64 now = version.value(0).toLongLong();
            if (now == m_dataVersion)
                return;
            m_dataVersion = now;
        }
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QPair<QDateTime, QDateTime> day = dayRange(QDateTime::currentDateTime().date());
    LineSummary summary;
    QString error;
    if (!readLineSummary(m_record->connection(), m_record->isPostgres(), day.first, day.second, now, m_reservationTimeoutS,
                         LastUnits, &summary, &error)) {
        fail(error);
        return;
    }
    planMidnight();
    emit m_owner->summaryRead(summary);
}

void LineReader::Worker::planMidnight()
{
    // The next day's figures start at its midnight, whether or not a unit
    // comes then.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime next(now.date().addDays(1), QTime(0, 0, 1));
    m_midnight->start(int(std::min<qint64>(now.msecsTo(next), 24 * 3600 * 1000)));
}

bool LineReader::Worker::current()
{
    // A station began writing a file read as it stood: read it anew.
    if (!m_record->writerCame())
        return true;
    QString error;
    delete m_watcher;
    m_watcher = nullptr;
    if (!openRecord(&error)) {
        fail(error);
        return false;
    }
    m_dataVersion = -1;
    return true;
}

void LineReader::Worker::readUnits(quint64 id, const UnitQuery &query, bool asJson)
{
    UnitsAnswer answer;
    if (!m_record || m_failing || !current()) {
        answer.error = ReaderText::tr("the record does not answer");
    } else if (!::readUnits(m_record->connection(), m_record->isPostgres(), query, &answer.units, &answer.more,
                            &answer.cursorTime, &answer.cursorId, &answer.error)) {
        fail(answer.error);
    } else if (asJson) {
        // Made here: the thread that answers the requests only sends it.
        QJsonArray units;
        for (const QJsonObject &unit : std::as_const(answer.units))
            units.append(unit);
        answer.units.clear();
        answer.json = QJsonDocument(units).toJson(QJsonDocument::Compact);
    }
    emit m_owner->unitsRead(id, answer);
}

void LineReader::Worker::fail(const QString &error)
{
    if (m_failing)
        return;
    m_failing = true;
    m_alive->stop();
    if (m_role == Figures)
        emit m_owner->recordFailed(error);
    m_retryMs = 1000;
    m_retry->start(m_retryMs);
}

void LineReader::Worker::retry()
{
    // A new connection (and subscription) from scratch; the figures read
    // again once it answers.
    delete m_watcher;
    m_watcher = nullptr;
    QString error;
    if (!openRecord(&error)) {
        m_retryMs = std::min(m_retryMs * 2, LongestRetryMs);
        m_retry->start(m_retryMs);
        return;
    }
    m_failing = false;
    m_dataVersion = -1;
    if (m_role == Figures)
        readSummary();
}

LineReader::LineReader(const QString &location, int reservationTimeoutS)
{
    qRegisterMetaType<LineSummary>();
    qRegisterMetaType<UnitQuery>();
    qRegisterMetaType<UnitsAnswer>();
    m_workers[Worker::Figures] = new Worker(this, location, reservationTimeoutS, Worker::Figures);
    m_workers[Worker::Questions] = new Worker(this, location, reservationTimeoutS, Worker::Questions);
}

LineReader::~LineReader()
{
    finish();
}

void LineReader::start()
{
    for (int i = 0; i < 2; ++i) {
        m_threads[i] = new QThread;
        m_threads[i]->setObjectName(QLatin1String(i == Worker::Figures ? "kvx-line-figures" : "kvx-line-questions"));
        m_workers[i]->moveToThread(m_threads[i]);
        m_threads[i]->start();
        QMetaObject::invokeMethod(m_workers[i], [worker = m_workers[i]] { worker->begin(); }, Qt::QueuedConnection);
    }
}

void LineReader::finish(int ms)
{
    QThread *home = QThread::currentThread();
    for (int i = 0; i < 2; ++i) {
        if (m_threads[i])
            QMetaObject::invokeMethod(m_workers[i], [worker = m_workers[i], home] { worker->end(home); }, Qt::QueuedConnection);
    }
    for (int i = 0; i < 2; ++i) {
        if (m_threads[i] && !m_threads[i]->wait(ms)) {
            // Stuck in the database's own wait: the program ends without it.
            m_threads[i] = nullptr;
            m_workers[i] = nullptr;
            continue;
        }
        delete m_threads[i];
        m_threads[i] = nullptr;
        delete m_workers[i];
        m_workers[i] = nullptr;
    }
}

void LineReader::askUnits(quint64 id, const UnitQuery &query, bool asJson)
{
    Worker *worker = m_workers[Worker::Questions];
    QMetaObject::invokeMethod(worker, [worker, id, query, asJson] { worker->readUnits(id, query, asJson); },
                              Qt::QueuedConnection);
}

#include "linereader.moc"
