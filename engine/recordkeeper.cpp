#include "engine/recordkeeper.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUuid>

#include <algorithm>

#include "records/recordfile.h"
#include "records/recordlocation.h"

namespace {

struct RecordKeeperText {
    Q_DECLARE_TR_FUNCTIONS(RecordKeeper)
};

// The longest wait between two tries of a database that does not answer.
constexpr int LongestRetryMs = 10000;
constexpr int FirstRetryMs = 250;
// How long a unit's end waits to hear that its last row reached the
// database, once the row is kept here: a busy or absent server then no
// longer holds the unit up, and its row says it waits.
constexpr int FinalRowAnswerMs = 1000;

QString named(const QString &name, const QString &error)
{
    return QStringLiteral("%1: %2").arg(name, error);
}

qint64 readSent(const QString &outbox)
{
    QFile file(outbox + QStringLiteral(".sent"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return std::max<qint64>(0, file.readAll().trimmed().toLongLong());
}

bool writeSent(const QString &outbox, qint64 rows)
{
    QSaveFile file(outbox + QStringLiteral(".sent"));
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray::number(rows)) > 0 && file.commit();
}

RecordKeeper::Reply rowReply(const QString &error, bool waiting = false)
{
    RecordKeeper::Reply reply;
    reply.error = error;
    reply.waiting = waiting;
    return reply;
}

void removeOutbox(const QString &outbox)
{
    // The count first: an outbox without it is forwarded again, which
    // only updates the same rows.
    QFile::remove(outbox + QStringLiteral(".sent"));
    QFile::remove(outbox);
}

} // namespace

// The CSV journal and the outbox: files on this machine.
struct RecordKeeper::Local : QObject {
    RecordFile journal;
    QString outboxPath;     // empty without a database
    bool outboxMade = false;
    qint64 outboxRows = 0;
};

// The database and what waits for it.
struct RecordKeeper::Shared : QObject {
    struct Item {
        QString outbox;      // the outbox file the row is in
        qint64 index = 0;    // its place there
        QString attempt;
        UnitRecord record;
        bool answer = false; // a final row whose writer waits to hear
        QPointer<QObject> context;
        Callback done;
        QString localError;
    };

    RecordKeeper *keeper = nullptr;
    std::unique_ptr<RecordStore> store;
    QString name;
    QString ownOutbox;
    std::unique_ptr<QLockFile> ownLock;
    QHash<QString, std::shared_ptr<QLockFile>> adopted;   // outboxes of earlier runs
    QList<Item> queue;
    QTimer retry;
    int retryMs = FirstRetryMs;
    bool failing = false;
    bool scheduled = false;
    int forwardedRows = 0;
    int adoptedRows = 0;    // rows of earlier runs' outboxes taken on

    Shared() { retry.setSingleShot(true); }
    ~Shared() override
    {
        // Everything of this run landed: its outbox has done its work.
        if (!ownOutbox.isEmpty() && std::none_of(queue.begin(), queue.end(), [this](const Item &item) {
                return item.outbox == ownOutbox;
            }))
            removeOutbox(ownOutbox);
    }

    void reply(const QPointer<QObject> &context, const Callback &done, const Reply &answer)
    {
        if (!done)
            return;
        QMetaObject::invokeMethod(keeper, [context, done, answer] {
            if (context)
                done(answer);
        }, Qt::QueuedConnection);
    }

    // Counted by the keeper, from the rows kept and those forwarded: right
    // even while this thread is busy with a database that does not answer.
    void tellWaiting()
    {
        const int earlier = adoptedRows;
        const int sent = forwardedRows;
        QPointer<RecordKeeper> to(keeper);
        QMetaObject::invokeMethod(keeper, [to, earlier, sent] {
            if (!to)
                return;
            to->m_adopted = earlier;
            to->m_forwarded = sent;
            to->updateWaiting();
            emit to->forwarded(sent);
        }, Qt::QueuedConnection);
    }

    void schedule()
    {
        if (scheduled || failing || queue.isEmpty())
            return;
        scheduled = true;
        // One row a turn: a reservation asked meanwhile does not wait for
        // the whole backlog.
        QTimer::singleShot(0, this, [this] {
            scheduled = false;
            forwardOne();
        });
    }

    void enqueue(Item item)
    {
        if (item.answer && failing) {
            // The database is known not to answer now: kept here, said so.
            reply(item.context, item.done, rowReply(item.localError, true));
            item.answer = false;
        }
        queue.append(std::move(item));
        tellWaiting();
        schedule();
    }

    void forwardOne()
    {
        if (queue.isEmpty())
            return;
        Item &item = queue.first();
        QString error;
        if (store->writeRow(item.attempt.toLatin1(), item.record, &error).isEmpty()) {
            failing = true;
            for (Item &waiting : queue) {
                if (!waiting.answer)
                    continue;
                waiting.answer = false;
                reply(waiting.context, waiting.done, rowReply(waiting.localError, true));
            }
            retry.start(retryMs);
            retryMs = std::min(retryMs * 2, LongestRetryMs);
            return;
        }
        failing = false;
        retryMs = FirstRetryMs;
        writeSent(item.outbox, item.index + 1);
        if (item.answer)
            reply(item.context, item.done, rowReply(item.localError));
        const QString outbox = item.outbox;
        queue.removeFirst();
        ++forwardedRows;
        // An earlier run's outbox that has landed whole is gone.
        if (outbox != ownOutbox && std::none_of(queue.begin(), queue.end(), [&](const Item &i) { return i.outbox == outbox; })) {
            removeOutbox(outbox);
            adopted.remove(outbox);
        }
        tellWaiting();
        schedule();
    }

    // Outboxes of this database that no running program holds: rows an
    // earlier run could not forward.
    void adopt(const QString &folder, const QString &stem)
    {
        const QStringList files = QDir(folder).entryList({ stem + QStringLiteral("-*.csv") }, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString path = QDir(folder).filePath(file);
            if (path == ownOutbox)
                continue;
            auto lock = std::make_shared<QLockFile>(path + QStringLiteral(".lock"));
            lock->setStaleLockTime(0);
            if (!lock->tryLock(0))
                continue;
            const QList<QStringList> lines = RecordFile(path).journal();
            const qint64 sent = readSent(path);
            bool any = false;
            for (qint64 i = sent; i + 1 < lines.size(); ++i) {
                Item item;
                item.outbox = path;
                item.index = i;
                // A row cut short by a killed program ends what can be read.
                if (!recordFromFields(lines.at(i + 1), &item.record, &item.attempt) || item.attempt.isEmpty())
                    break;
                queue.append(std::move(item));
                ++adoptedRows;
                any = true;
            }
            if (any)
                adopted.insert(path, lock);
            else
                removeOutbox(path);
        }
    }
};

RecordKeeper::RecordKeeper(QObject *parent)
    : QObject(parent)
{
}

RecordKeeper::~RecordKeeper()
{
    // Rows already handed over are kept before the threads end: each
    // thread ends after what was asked of it before (the local one hands
    // rows on to the shared one, so it ends first). What still waits for
    // the database stays in the outbox for the next run.
    const std::pair<QThread *, QObject *> parts[] = { { m_localThread, m_local }, { m_sharedThread, m_shared } };
    for (const auto &[thread, worker] : parts) {
        if (!thread)
            continue;
        QMetaObject::invokeMethod(worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
        thread->wait();
    }
}

QString RecordKeeper::outboxStem(const QString &databaseName)
{
    return QString::fromLatin1(QCryptographicHash::hash(databaseName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString RecordKeeper::outboxFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("kvx-config/outbox"));
}

QStringList RecordKeeper::names() const
{
    QStringList list;
    if (!m_journal.isEmpty())
        list << m_journal;
    if (!m_database.isEmpty())
        list << m_databaseName;
    return list;
}

void RecordKeeper::open(const QString &journal, const QString &database, int reservationTimeoutS)
{
    if (m_localThread)
        return;
    m_journal = journal;
    m_database = database;
    m_databaseName = database.isEmpty() ? QString() : recordShownName(database);
    m_localThread = new QThread(this);
    m_local = new Local;
    m_local->journal = RecordFile(journal);
    m_local->moveToThread(m_localThread);
    connect(m_localThread, &QThread::finished, m_local, &QObject::deleteLater);
    m_localThread->setObjectName(QStringLiteral("kvx-record-local"));
    m_localThread->start();
    m_parts = 1;

    QString outbox;
    if (!database.isEmpty()) {
        const QString folder = outboxFolder();
        const QString stem = outboxStem(m_databaseName);
        outbox = QDir(folder).filePath(QStringLiteral("%1-%2.csv").arg(stem, QUuid::createUuid().toString(QUuid::Id128)));
        m_sharedThread = new QThread(this);
        m_sharedThread->setObjectName(QStringLiteral("kvx-record-shared"));
        m_shared = new Shared;
        m_shared->keeper = this;
        m_shared->ownOutbox = outbox;
        m_shared->moveToThread(m_sharedThread);
        m_shared->retry.moveToThread(m_sharedThread);
        connect(m_sharedThread, &QThread::finished, m_shared, &QObject::deleteLater);
        m_sharedThread->start();
        ++m_parts;
        Shared *shared = m_shared;
        QMetaObject::invokeMethod(m_shared, [this, shared, database, reservationTimeoutS, folder, stem] {
            // Made on its own thread: a database connection belongs to one.
            shared->store = openRecord(database);
            shared->store->setReservationTimeout(reservationTimeoutS);
            shared->name = shared->store->name();
            QObject::connect(&shared->retry, &QTimer::timeout, shared, [shared] {
                shared->failing = false;
                shared->forwardOne();
            });
            QString error;
            bool ok = shared->store->prepare(&error);
            if (ok && !QDir().mkpath(folder)) {
                ok = false;
                error = RecordKeeperText::tr("the folder for rows waiting for it cannot be made: %1")
                            .arg(QDir::toNativeSeparators(folder));
            }
            if (ok) {
                shared->ownLock = std::make_unique<QLockFile>(shared->ownOutbox + QStringLiteral(".lock"));
                shared->ownLock->tryLock(0);
                shared->adopt(folder, stem);
                shared->tellWaiting();
                shared->schedule();
            }
            const QString said = ok ? QString() : named(shared->name.isEmpty() ? database : shared->name, error);
            QMetaObject::invokeMethod(this, [this, ok, said, error] { partOpened(ok, false, said, error); }, Qt::QueuedConnection);
        }, Qt::QueuedConnection);
    }

    Local *local = m_local;
    QMetaObject::invokeMethod(m_local, [this, local, outbox] {
        local->outboxPath = outbox;
        QString reason;
        const bool ok = !local->journal.isSet() || local->journal.prepare(&reason);
        const QString said = ok ? QString() : named(local->journal.path(), reason);
        QMetaObject::invokeMethod(this, [this, ok, said, reason] { partOpened(ok, true, said, reason); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void RecordKeeper::partOpened(bool ok, bool journal, const QString &error, const QString &reason)
{
    // The journal is checked first wherever both are given.
    if (!ok && (!m_failedOpen || journal)) {
        m_failedOpen = true;
        m_openError = error;
        m_refusedJournal = journal;
        m_refusal = reason;
    }
    if (--m_parts > 0)
        return;
    m_open = !m_failedOpen;
    emit opened(m_open, m_openError);
}

void RecordKeeper::reserve(QObject *context, const UnitRecord &record, qint64 start, bool exact, bool replace,
                           Callback done)
{
    QPointer<QObject> to(context);
    if (!m_shared) {
        QMetaObject::invokeMethod(this, [to, done, record] {
            Reply answer;
            answer.record = record;
            if (to)
                done(answer);
        }, Qt::QueuedConnection);
        return;
    }
    Shared *shared = m_shared;
    QMetaObject::invokeMethod(m_shared, [shared, to, done, record, start, exact, replace] {
        Reply answer;
        answer.record = record;
        QString error;
        bool inUse = false;
        answer.attempt = QString::fromLatin1(shared->store->reserveUnit(&answer.record, start, exact, replace, &error, &inUse));
        if (answer.attempt.isEmpty())
            answer.error = named(shared->name, error);
        answer.inUse = inUse;
        shared->reply(to, done, answer);
    }, Qt::QueuedConnection);
}

void RecordKeeper::writeRow(QObject *context, const QString &attempt, const UnitRecord &record, bool direct, bool final,
                            Callback done)
{
    QPointer<QObject> to(context);
    Local *local = m_local;
    Shared *shared = m_shared;
    if (!local) {
        QMetaObject::invokeMethod(this, [to, done] {
            if (to)
                done(Reply());
        }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(m_local, [this, local, shared, to, done, attempt, record, direct, final] {
        QString localError;
        QString error;
        if (local->journal.isSet() && local->journal.writeRow(attempt.toLatin1(), record, &error).isEmpty())
            localError = named(local->journal.path(), error);
        const auto answerHere = [this, to, done](const Reply &answer) {
            QMetaObject::invokeMethod(this, [to, done, answer] {
                if (to && done)
                    done(answer);
            }, Qt::QueuedConnection);
        };
        if (!shared)
            return answerHere(rowReply(localError));
        if (direct) {
            // Holds a unit address: in the database before the unit goes on.
            QMetaObject::invokeMethod(shared, [shared, to, done, attempt, record, localError] {
                QString failure;
                Reply answer;
                if (shared->store->writeRow(attempt.toLatin1(), record, &failure).isEmpty())
                    answer.error = named(shared->name, failure);
                if (answer.error.isEmpty())
                    answer.error = localError;
                shared->reply(to, done, answer);
            }, Qt::QueuedConnection);
            return;
        }
        // Kept on this machine first, then forwarded.
        if (!local->outboxMade) {
            RecordFile outbox(local->outboxPath);
            if (!outbox.prepare(&error))
                return answerHere(rowReply(named(RecordKeeperText::tr("the outbox %1").arg(local->outboxPath), error)));
            local->outboxMade = true;
        }
        if (RecordFile(local->outboxPath).writeRow(attempt.toLatin1(), record, &error).isEmpty())
            return answerHere(rowReply(named(RecordKeeperText::tr("the outbox %1").arg(local->outboxPath), error)));
        QMetaObject::invokeMethod(this, [this] {
            ++m_kept;
            updateWaiting();
        }, Qt::QueuedConnection);
        Shared::Item item;
        item.outbox = local->outboxPath;
        item.index = local->outboxRows++;
        item.attempt = attempt;
        item.record = record;
        item.localError = localError;
        if (final) {
            // The first of the database's answer and the deadline is told.
            auto told = std::make_shared<bool>(false);
            const Callback once = [told, done](const Reply &answer) {
                if (*told)
                    return;
                *told = true;
                if (done)
                    done(answer);
            };
            item.answer = true;
            item.context = to;
            item.done = once;
            QMetaObject::invokeMethod(this, [this, to, once, localError] {
                QTimer::singleShot(FinalRowAnswerMs, this, [to, once, localError] {
                    if (to)
                        once(rowReply(localError, true));
                });
            }, Qt::QueuedConnection);
        } else {
            answerHere(rowReply(localError));
        }
        QMetaObject::invokeMethod(shared, [shared, item] { shared->enqueue(item); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void RecordKeeper::holdsUnit(QObject *context, const QString &unitAddress, const QString &networkAddress, Callback done)
{
    QPointer<QObject> to(context);
    Local *local = m_local;
    Shared *shared = m_shared;
    if (!local) {
        QMetaObject::invokeMethod(this, [to, done] {
            if (to)
                done(Reply());
        }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(m_local, [this, local, shared, to, done, unitAddress, networkAddress] {
        Reply answer;
        answer.yes = local->journal.isSet() && local->journal.holdsUnit(unitAddress, networkAddress);
        if (answer.yes || !shared) {
            QMetaObject::invokeMethod(this, [to, done, answer] {
                if (to)
                    done(answer);
            }, Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(shared, [shared, to, done, unitAddress, networkAddress] {
            Reply held;
            held.yes = shared->store->holdsUnit(unitAddress, networkAddress);
            shared->reply(to, done, held);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void RecordKeeper::unitsWithCodes(QObject *context, const QStringList &codes, Callback done)
{
    QPointer<QObject> to(context);
    Local *local = m_local;
    Shared *shared = m_shared;
    if (!local || codes.isEmpty()) {
        QMetaObject::invokeMethod(this, [to, done] {
            if (to)
                done(Reply());
        }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(m_local, [this, local, shared, to, done, codes] {
        Reply answer;
        if (local->journal.isSet())
            answer.holders = ::unitsWithCodes(local->journal.rows(), codes);
        if (!shared) {
            QMetaObject::invokeMethod(this, [to, done, answer] {
                if (to)
                    done(answer);
            }, Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(shared, [shared, to, done, codes, answer] {
            Reply held = answer;
            QString error;
            held.holders += ::unitsWithCodes(shared->store->rows(&error), codes);
            if (!error.isEmpty())
                held.error = named(shared->name, error);
            shared->reply(to, done, held);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void RecordKeeper::nextFreeUnit(QObject *context, const QString &networkAddress, qint64 start, Callback done)
{
    QPointer<QObject> to(context);
    if (!m_shared) {
        QMetaObject::invokeMethod(this, [to, done, start] {
            Reply answer;
            answer.number = start;
            if (to)
                done(answer);
        }, Qt::QueuedConnection);
        return;
    }
    Shared *shared = m_shared;
    QMetaObject::invokeMethod(m_shared, [shared, to, done, networkAddress, start] {
        Reply answer;
        QString error;
        answer.number = shared->store->nextFreeUnit(networkAddress, start, &error);
        if (answer.number < 0) {
            answer.number = start;
            answer.error = named(shared->name, error);
        }
        shared->reply(to, done, answer);
    }, Qt::QueuedConnection);
}

void RecordKeeper::updateWaiting()
{
    const int rows = std::max(0, m_kept + m_adopted - m_forwarded);
    if (rows == m_waiting)
        return;
    m_waiting = rows;
    emit waitingChanged(rows);
}

void RecordKeeper::retryNow()
{
    if (!m_shared)
        return;
    Shared *shared = m_shared;
    QMetaObject::invokeMethod(m_shared, [shared] {
        shared->retry.stop();
        shared->failing = false;
        shared->retryMs = FirstRetryMs;
        shared->schedule();
    }, Qt::QueuedConnection);
}
