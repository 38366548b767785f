#include "records/recordservice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QPointer>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QUuid>

#include <algorithm>

#include "records/recordfile.h"
#include "records/recordlocation.h"
#include "records/recordworker.h"

namespace {

// The longest wait between two tries of a database that does not answer.
constexpr int LongestRetryMs = 10000;
constexpr int FirstRetryMs = 250;
constexpr int StateEveryMs = 10000;   // how often a shrinking backlog is told
// How long a unit's final row waits to be told it reached the database,
// once kept here; after that it is said to wait.
constexpr int FinalRowForwardMs = 1000;
// Less room than this for the outbox and rows could be cut short.
constexpr qint64 OutboxMinFreeBytes = qint64(1) << 20;

QString named(const QString &name, const QString &error)
{
    return QStringLiteral("%1: %2").arg(name, error);
}

// How many of an outbox's rows have reached the database: the last whole
// line of its count file, which is only ever appended to.
qint64 readSent(const QString &outbox)
{
    QFile file(outbox + QStringLiteral(".sent"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = file.readAll();
    const QByteArray whole = text.left(text.lastIndexOf('\n'));
    return std::max<qint64>(0, whole.mid(whole.lastIndexOf('\n') + 1).trimmed().toLongLong());
}

bool writeSent(const QString &outbox, qint64 rows)
{
    QFile file(outbox + QStringLiteral(".sent"));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    // A line cut short by an earlier failed append is cut back first, so
    // that the new count is a line of its own.
    qint64 end = file.size();
    if (end > 0) {
        file.seek(end - 1);
        if (file.read(1) != "\n") {
            file.seek(0);
            const QByteArray text = file.readAll();
            end = text.lastIndexOf('\n') + 1;
            if (!file.resize(end))
                return false;
        }
    }
    const QByteArray line = QByteArray::number(rows) + '\n';
    if (file.write(line) == line.size() && file.flush())
        return true;
    file.resize(end);
    return false;
}

void removeOutbox(const QString &outbox)
{
    // The count first: an outbox without it is forwarded again, which
    // only updates the same rows.
    QFile::remove(outbox + QStringLiteral(".sent"));
    QFile::remove(outbox);
}

} // namespace

// Lets a call of the database be interrupted from the main thread while
// the store exists.
struct RecordService::Guard {
    QMutex lock;
    RecordStore *store = nullptr;
    std::atomic<bool> closing { false };

    void interrupt()
    {
        QMutexLocker locker(&lock);
        if (store)
            store->interruptCall();
    }
};

// The CSV journal and the outbox: files on this computer.
struct RecordService::LocalSide : QObject {
    RecordFile journal;
    RecordFile outbox;     // unset without a database
    std::unique_ptr<QLockFile> outboxLock;
    qint64 outboxRows = 0;
};

// The database, and the rows that wait for it.
struct RecordService::SharedSide : QObject {
    struct Item {
        QString outbox;      // the outbox file the row is in, empty for none
        qint64 index = 0;    // its place there
        QString attempt;
        UnitRecord record;
        bool landed = false; // in the database already (a row that holds a unit address)
        // Told on this thread once the row is in the database (empty
        // error) or set aside (why).
        std::function<void(const QString &error)> watch;
    };

    QPointer<RecordService> service;   // only looked at on the main thread
    std::shared_ptr<Guard> guard;
    RecordWorker::BusyMark busy;
    std::unique_ptr<RecordStore> store;
    QString name;
    QString ownOutbox;
    QString setAsidePath;
    QHash<QString, std::shared_ptr<QLockFile>> adopted;   // outboxes of earlier runs
    QList<Item> queue;
    QTimer retry;
    int retryMs = FirstRetryMs;
    bool failing = false;
    bool scheduled = false;
    int forwardedRows = 0;
    int adoptedRows = 0;    // rows of earlier runs' outboxes taken on
    int setAsideRows = 0;
    RecordIdentity who;     // the writer of the last row forwarded
    int saidWaiting = -1;   // the rows waiting the database was last told of
    QElapsedTimer lastSaid;

    explicit SharedSide(QObject *parent)
        : QObject(parent)
        , retry(this)
    {
        retry.setSingleShot(true);
        connect(&retry, &QTimer::timeout, this, [this] {
            failing = false;
            forwardOne();
        });
    }
    ~SharedSide() override
    {
        QMutexLocker locker(&guard->lock);
        guard->store = nullptr;
    }

    // Counted on the main thread, from the rows kept and those forwarded:
    // right even while this thread waits on a database that does not answer.
    void tell()
    {
        RecordWorker::onMain([to = service, earlier = adoptedRows, sent = forwardedRows, aside = setAsideRows,
                              file = setAsidePath] {
            if (!to)
                return;
            const bool forwardedMore = sent != to->m_forwarded;
            to->m_adopted = earlier;
            to->m_forwarded = sent;
            to->m_setAside = aside;
            to->m_setAsideFile = aside ? file : QString();
            to->updateWaiting();
            if (forwardedMore)
                emit to->forwarded(sent);
        });
    }

    void schedule()
    {
        if (scheduled || failing || queue.isEmpty() || guard->closing)
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
        queue.append(std::move(item));
        tell();
        schedule();
    }

    // Written to the database now, whatever waits before it (a row that
    // holds a unit address cannot wait): the error, empty when it is in.
    QString land(const QString &outbox, qint64 index)
    {
        if (guard->closing)
            return RecordService::tr("the record was closed");
        const auto it = std::find_if(queue.begin(), queue.end(),
                                     [&](const Item &item) { return item.outbox == outbox && item.index == index; });
        // Forwarded already.
        if (it == queue.end())
            return QString();
        if (it->landed)
            return QString();
        QString error;
        RecordWorker::Busy inCall(busy);
        if (store->writeRow(it->attempt.toLatin1(), it->record, &error).isEmpty())
            return named(name, error);
        it->landed = true;
        return QString();
    }

    void done(const Item &item)
    {
        if (!item.outbox.isEmpty())
            writeSent(item.outbox, item.index + 1);
        const QString outbox = item.outbox;
        queue.removeFirst();
        // An earlier run's outbox that has landed whole is gone.
        if (!outbox.isEmpty() && outbox != ownOutbox
            && std::none_of(queue.begin(), queue.end(), [&](const Item &i) { return i.outbox == outbox; })) {
            removeOutbox(outbox);
            adopted.remove(outbox);
        }
        tell();
        schedule();
    }

    // Who writes and how many of its rows wait, for the others on a shared
    // record (the line's view): when the record opens, when the backlog is
    // gone, and now and then while it shrinks. Only ever told between rows,
    // on this thread; a record that cannot keep it is not held up for it.
    void sayState(bool now)
    {
        const int waiting = int(queue.size());
        if (who.station.isEmpty() || guard->closing)
            return;
        const bool due = waiting != saidWaiting && (waiting == 0 || !lastSaid.isValid() || lastSaid.hasExpired(StateEveryMs));
        if (!now && !due)
            return;
        QString error;
        RecordWorker::Busy inCall(busy);
        if (store->writeStationState(who, waiting, &error)) {
            saidWaiting = waiting;
            lastSaid.start();
        }
    }

    void forwardOne()
    {
        if (queue.isEmpty() || guard->closing)
            return;
        Item item = queue.first();
        if (!item.landed) {
            QString error;
            bool written = false;
            {
                RecordWorker::Busy inCall(busy);
                written = !store->writeRow(item.attempt.toLatin1(), item.record, &error).isEmpty();
            }
            if (!written && !store->lastFailureIsFinal()) {
                // Not answering, or gone: tried again, later and later.
                failing = true;
                retry.start(retryMs);
                retryMs = std::min(retryMs * 2, LongestRetryMs);
                return;
            }
            if (!written) {
                setAside(item, error);
                return;
            }
        }
        failing = false;
        retryMs = FirstRetryMs;
        ++forwardedRows;
        if (!item.record.station.isEmpty())
            who = { item.record.station, item.record.operatorName };
        if (item.watch)
            item.watch(QString());
        done(item);
        sayState(false);
    }

    // Refused for good (a constraint, a type): kept in a file of its own,
    // so that the rows behind it go on and nothing is lost.
    void setAside(const Item &item, const QString &error)
    {
        RecordFile file(setAsidePath);
        QString why;
        const bool kept = file.prepare(&why) && !file.writeRow(item.attempt.toLatin1(), item.record, &why).isEmpty();
        const QString reason = named(name, error);
        if (!kept) {
            // Nowhere to put it: it stays first and is tried again.
            failing = true;
            retry.start(LongestRetryMs);
            return;
        }
        ++setAsideRows;
        if (item.watch)
            item.watch(RecordService::tr("the shared record refused it (%1); set aside in %2")
                           .arg(error, QDir::toNativeSeparators(setAsidePath)));
        RecordWorker::onMain([to = service, rows = setAsideRows, file = setAsidePath, reason] {
            if (to)
                emit to->rowsSetAside(rows, file, reason);
        });
        done(item);
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
            // Held by a program that runs: its own.
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

    // This run's outbox after its last row: gone when every row landed.
    void closeOwnOutbox()
    {
        if (!ownOutbox.isEmpty()
            && std::none_of(queue.begin(), queue.end(), [this](const Item &item) { return item.outbox == ownOutbox; }))
            removeOutbox(ownOutbox);
    }
};

RecordService::RecordService(QObject *parent)
    : QObject(parent)
    , m_guard(std::make_shared<Guard>())
{
}

RecordService::~RecordService()
{
    close();
}

QString RecordService::outboxStem(const QString &databaseName)
{
    return QString::fromLatin1(QCryptographicHash::hash(databaseName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString RecordService::defaultOutboxFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("kvx-config/outbox"));
}

QStringList RecordService::names() const
{
    QStringList list;
    if (!m_options.journal.isEmpty())
        list << m_options.journal;
    if (!m_options.database.isEmpty())
        list << m_databaseName;
    return list;
}

quint64 RecordService::track(std::function<void()> answerClosed)
{
    const quint64 id = ++m_nextRequest;
    m_inFlight.insert(id, std::move(answerClosed));
    return id;
}

void RecordService::untrack(quint64 id)
{
    m_inFlight.remove(id);
}

void RecordService::interruptStuckCall()
{
    // A call that has run for half the bound when a request's bound passes
    // is what holds the request up.
    if (m_shared && m_shared->busyForMs() >= m_options.boundMs / 2)
        m_guard->interrupt();
}

QString RecordService::silentText() const
{
    const int seconds = std::max(1, (m_options.boundMs + 999) / 1000);
    return reserves() ? tr("the shared record did not answer in %n s", nullptr, seconds)
                      : tr("the record %1 did not answer in %n s", nullptr, seconds).arg(m_options.journal);
}

void RecordService::open(const RecordServiceOptions &options)
{
    if (m_local || m_closed)
        return;
    m_options = options;
    m_options.boundMs = std::max(1, options.boundMs);
    m_databaseName = options.database.isEmpty() ? QString() : recordShownName(options.database);
    m_outboxFolder = options.outboxFolder.isEmpty() ? defaultOutboxFolder() : options.outboxFolder;
    const QString stem = outboxStem(m_databaseName);
    if (!options.database.isEmpty())
        m_outbox = QDir(m_outboxFolder)
                       .filePath(QStringLiteral("%1-%2.csv").arg(stem, QUuid::createUuid().toString(QUuid::Id128)));
    const int bound = m_options.boundMs;

    m_local = std::make_unique<RecordWorker>(QStringLiteral("kvx-record-local"));
    auto *local = new LocalSide;
    local->moveToThread(m_local->home()->thread());
    m_localSide = local;
    m_parts = 1;
    const QString journal = options.journal;
    const QString outbox = m_outbox;
    const QString folder = m_outboxFolder;
    QObject *localHome = m_local->home();
    struct Opened {
        bool ok = true;
        bool journal = true;
        QString error;
        QString reason;
    };
    m_local->ask<Opened>(
        [local, localHome, journal, outbox, folder, bound] {
            local->setParent(localHome);
            local->journal = RecordFile(journal);
            local->journal.setCallBound(bound);
            Opened result;
            if (local->journal.isSet() && !local->journal.prepare(&result.reason)) {
                result.ok = false;
                result.error = named(journal, result.reason);
                return result;
            }
            if (outbox.isEmpty())
                return result;
            // The outbox is a record like the others: checked before any
            // port opens, so that a unit is never stored whose rows have
            // nowhere to go.
            result.journal = false;
            const QString shown = tr("the outbox %1").arg(QDir::toNativeSeparators(outbox));
            auto refuse = [&](const QString &reason) {
                result.ok = false;
                result.reason = reason;
                result.error = named(shown, reason);
                return result;
            };
            if (!QDir().mkpath(folder))
                return refuse(tr("its folder cannot be made"));
            const QStorageInfo disk(folder);
            if (disk.isValid() && disk.bytesAvailable() < OutboxMinFreeBytes)
                return refuse(tr("no space left on its disk (%1 KiB free)").arg(disk.bytesAvailable() >> 10));
            local->outboxLock = std::make_unique<QLockFile>(outbox + QStringLiteral(".lock"));
            if (!local->outboxLock->tryLock(0))
                return refuse(local->outboxLock->error() == QLockFile::LockFailedError
                                  ? tr("another program holds it")
                                  : tr("it cannot be locked: the folder cannot be written"));
            local->outbox = RecordFile(outbox);
            local->outbox.setCallBound(bound);
            QString reason;
            if (!local->outbox.prepare(&reason))
                return refuse(reason);
            return result;
        },
        [this](const Opened &result) { partOpened(result.ok, result.journal, result.error, result.reason); });

    if (!options.database.isEmpty()) {
        m_shared = std::make_unique<RecordWorker>(QStringLiteral("kvx-record-shared"));
        ++m_parts;
        auto *shared = new SharedSide(nullptr);
        shared->moveToThread(m_shared->home()->thread());
        m_sharedSide = shared;
        shared->service = this;
        shared->guard = m_guard;
        shared->busy = m_shared->busyMark();
        shared->ownOutbox = outbox;
        shared->setAsidePath = QDir(folder).filePath(stem + QStringLiteral(".refused.csv"));
        shared->who = options.who;
        const QString database = options.database;
        const int reservationTimeoutS = options.reservationTimeoutS;
        auto openStore = options.openStore;
        QObject *sharedHome = m_shared->home();
        m_shared->ask<Opened>(
            [shared, sharedHome, database, reservationTimeoutS, openStore, bound, folder, stem] {
                shared->setParent(sharedHome);
                Opened result;
                result.journal = false;
                if (shared->guard->closing) {
                    result.ok = false;
                    return result;
                }
                // Made on its own thread: a database connection belongs to one.
                shared->store = openStore ? openStore(database) : openRecord(database);
                shared->store->setCallBound(bound);
                shared->store->setReservationTimeout(reservationTimeoutS);
                {
                    QMutexLocker locker(&shared->guard->lock);
                    shared->guard->store = shared->store.get();
                }
                shared->name = shared->store->name();
                {
                    RecordWorker::Busy inCall(shared->busy);
                    result.ok = shared->store->prepare(&result.reason);
                }
                if (!result.ok) {
                    result.error = named(shared->name.isEmpty() ? database : shared->name, result.reason);
                    return result;
                }
                shared->adopt(folder, stem);
                shared->sayState(true);
                shared->tell();
                shared->schedule();
                return result;
            },
            [this](const Opened &result) { partOpened(result.ok, result.journal, result.error, result.reason); });
    }
    // Every call is bounded; so is the whole of the opening, whatever the
    // record does.
    QTimer::singleShot(3 * bound + 2000, this, [this] {
        if (m_parts <= 0 || m_closed)
            return;
        interruptStuckCall();
        m_parts = 1;
        partOpened(false, false, named(reserves() ? m_databaseName : m_options.journal, silentText()), silentText());
    });
}

void RecordService::partOpened(bool ok, bool journal, const QString &error, const QString &reason)
{
    if (m_parts <= 0)
        return;
    // The journal is named first wherever both are refused.
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

void RecordService::beginUnit(QObject *context, const QString &attempt, const UnitRecord &pending,
                              const UnitReservation &reservation, std::function<void(const BeginAnswer &)> done)
{
    auto answer = std::make_shared<OneAnswer<BeginAnswer>>(context, std::move(done));
    if (!m_open || m_closed) {
        BeginAnswer closed;
        closed.error = tr("the record is closed");
        QTimer::singleShot(0, this, [answer, closed] { answer->give(closed); });
        return;
    }
    const quint64 id = track([answer] {
        BeginAnswer closed;
        closed.error = tr("the record was closed");
        answer->give(closed);
    });
    // A final row handed over for this attempt ends its beginning: nothing
    // of it lands after that row.
    m_beginsOf.insert(attempt, [answer] {
        BeginAnswer ended;
        ended.error = tr("ended");
        answer->give(ended);
    });
    QPointer<RecordService> self(this);
    auto finished = [self, id, attempt] {
        if (!self)
            return;
        self->untrack(id);
        self->m_beginsOf.remove(attempt);
    };
    QTimer::singleShot(m_options.boundMs, this, [this, answer, finished] {
        BeginAnswer silent;
        silent.error = silentText();
        if (answer->give(silent))
            interruptStuckCall();
        finished();
    });
    const bool reserve = reservation.reserve && m_shared;
    if (!reserve)
        return keepPending(answer, attempt, pending, false);
    SharedSide *shared = m_sharedSide;
    struct Reserved {
        bool asked = false;
        QString error;
        bool inUse = false;
        UnitRecord record;
    };
    m_shared->ask<Reserved>(
        [shared, answer, attempt, pending, reservation] {
            Reserved result;
            // Nobody waits any more: nothing is reserved.
            if (answer->given())
                return result;
            result.asked = true;
            result.record = pending;
            RecordWorker::Busy inCall(shared->busy);
            if (shared->store->reserveUnit(attempt.toLatin1(), &result.record, reservation.from, reservation.exact,
                                           reservation.replace, &result.error, &result.inUse)
                    .isEmpty())
                result.error = named(shared->name, result.error);
            return result;
        },
        [this, answer, attempt, finished](const Reserved &result) {
            if (!result.asked || answer->given())
                return;
            if (!result.error.isEmpty()) {
                BeginAnswer refused;
                refused.error = result.error;
                refused.inUse = result.inUse;
                answer->give(refused);
                return finished();
            }
            keepPending(answer, attempt, result.record, true);
        });
}

// The pending row into the journal and the outbox; where it holds a unit
// address, into the database itself too.
void RecordService::keepPending(const std::shared_ptr<OneAnswer<BeginAnswer>> &answer, const QString &attempt,
                                UnitRecord pending, bool holdsAddress)
{
    if (answer->given() || m_closed)
        return;
    LocalSide *local = m_localSide;
    SharedSide *shared = m_sharedSide;
    RecordService *service = this;
    const QString outbox = m_outbox;
    struct Kept {
        QString error;
        qint64 index = -1;
    };
    m_local->ask<Kept>(
        [local, shared, service, answer, attempt, pending, outbox] {
            Kept result;
            QString error;
            if (local->journal.isSet() && local->journal.writeRow(attempt.toLatin1(), pending, &error).isEmpty()) {
                result.error = named(local->journal.path(), error);
                return result;
            }
            if (!shared)
                return result;
            if (local->outbox.writeRow(attempt.toLatin1(), pending, &error).isEmpty()) {
                result.error = named(tr("the outbox %1").arg(QDir::toNativeSeparators(outbox)), error);
                return result;
            }
            result.index = local->outboxRows++;
            SharedSide::Item item;
            item.outbox = outbox;
            item.index = result.index;
            item.attempt = attempt;
            item.record = pending;
            QMetaObject::invokeMethod(shared, [shared, item] { shared->enqueue(item); }, Qt::QueuedConnection);
            RecordWorker::onMain([to = QPointer<RecordService>(service)] {
                if (!to)
                    return;
                ++to->m_kept;
                to->updateWaiting();
            });
            return result;
        },
        [this, answer, holdsAddress, outbox, pending](const Kept &kept) {
            if (answer->given())
                return;
            BeginAnswer result;
            result.unitAddress = pending.settings.value(Reg::UnitAddress, -1);
            if (!kept.error.isEmpty() || !holdsAddress || !m_shared) {
                result.error = kept.error;
                answer->give(result);
                return;
            }
            SharedSide *sharedSide = m_sharedSide;
            m_shared->ask<QString>([sharedSide, outbox, index = kept.index] { return sharedSide->land(outbox, index); },
                                   [answer, result](const QString &error) mutable {
                                       result.error = error;
                                       answer->give(result);
                                   });
        });
}

void RecordService::finishUnit(QObject *context, const QString &attempt, const UnitRecord &row,
                               std::function<void(const RowAnswer &)> done)
{
    if (const auto begin = m_beginsOf.take(attempt))
        begin();
    auto answer = std::make_shared<OneAnswer<RowAnswer>>(context, std::move(done));
    if (!m_open || m_closed) {
        RowAnswer closed;
        closed.error = tr("the record was closed before the row was kept");
        QTimer::singleShot(0, this, [answer, closed] { answer->give(closed); });
        return;
    }
    // Handed over: close() lets it be kept, and says it waits.
    const quint64 id = track([answer] {
        RowAnswer kept;
        kept.waiting = true;
        answer->give(kept);
    });
    QPointer<RecordService> self(this);
    auto finished = [self, id] {
        if (self)
            self->untrack(id);
    };
    // The journal's lock, or a disk that stalls: the unit does not wait
    // for them longer than for the database.
    QTimer::singleShot(m_options.boundMs + FinalRowForwardMs, this, [answer, finished] {
        RowAnswer late;
        late.waiting = true;
        answer->give(late);
        finished();
    });
    LocalSide *local = m_localSide;
    SharedSide *shared = m_sharedSide;
    RecordService *service = this;
    const QString outbox = m_outbox;
    struct Kept {
        QString journalError;
        QString error;
        bool forwarding = false;
    };
    m_local->ask<Kept>(
        [local, shared, service, answer, attempt, row, outbox] {
            Kept result;
            QString error;
            if (local->journal.isSet() && local->journal.writeRow(attempt.toLatin1(), row, &error).isEmpty())
                result.journalError = named(local->journal.path(), error);
            if (!shared)
                return result;
            if (local->outbox.writeRow(attempt.toLatin1(), row, &error).isEmpty()) {
                result.error = named(tr("the outbox %1").arg(QDir::toNativeSeparators(outbox)), error);
                return result;
            }
            result.forwarding = true;
            SharedSide::Item item;
            item.outbox = outbox;
            item.index = local->outboxRows++;
            item.attempt = attempt;
            item.record = row;
            const QString journalError = result.journalError;
            item.watch = [answer, journalError](const QString &refused) {
                RecordWorker::onMain([answer, journalError, refused] {
                    RowAnswer landed;
                    landed.error = journalError.isEmpty() ? refused : journalError;
                    answer->give(landed);
                });
            };
            QMetaObject::invokeMethod(shared, [shared, item] { shared->enqueue(item); }, Qt::QueuedConnection);
            RecordWorker::onMain([to = QPointer<RecordService>(service)] {
                if (!to)
                    return;
                ++to->m_kept;
                to->updateWaiting();
            });
            return result;
        },
        [this, answer, finished](const Kept &kept) {
            if (!kept.forwarding) {
                RowAnswer result;
                result.error = kept.error.isEmpty() ? kept.journalError : kept.error;
                answer->give(result);
                return finished();
            }
            // Kept here: the database has a second to take it.
            QTimer::singleShot(FinalRowForwardMs, this, [answer, finished, journalError = kept.journalError] {
                RowAnswer waits;
                waits.error = journalError;
                waits.waiting = journalError.isEmpty();
                answer->give(waits);
                finished();
            });
        });
}

template <typename Answer>
void RecordService::askRecords(QObject *context, std::function<void(const Answer &)> done,
                               std::function<Answer(LocalSide *)> inJournal, std::function<bool(const Answer &)> settled,
                               std::function<Answer(SharedSide *, const Answer &)> inDatabase)
{
    auto answer = std::make_shared<OneAnswer<Answer>>(context, std::move(done));
    if (!m_open || m_closed) {
        QTimer::singleShot(0, this, [answer] { answer->give(Answer()); });
        return;
    }
    const quint64 id = track([answer] {
        Answer closed;
        closed.error = tr("the record was closed");
        answer->give(closed);
    });
    QPointer<RecordService> self(this);
    auto finished = [self, id] {
        if (self)
            self->untrack(id);
    };
    QTimer::singleShot(m_options.boundMs, this, [this, answer, finished] {
        Answer silent;
        silent.error = silentText();
        if (answer->give(silent))
            interruptStuckCall();
        finished();
    });
    LocalSide *local = m_localSide;
    m_local->ask<Answer>([local, inJournal] { return inJournal(local); },
                         [this, answer, finished, settled, inDatabase](const Answer &fromJournal) {
                             if (answer->given())
                                 return;
                             if (!m_shared || settled(fromJournal)) {
                                 answer->give(fromJournal);
                                 return finished();
                             }
                             SharedSide *shared = m_sharedSide;
                             m_shared->ask<Answer>(
                                 [shared, answer, inDatabase, fromJournal] {
                                     if (answer->given())
                                         return fromJournal;
                                     RecordWorker::Busy inCall(shared->busy);
                                     return inDatabase(shared, fromJournal);
                                 },
                                 [answer, finished](const Answer &result) {
                                     answer->give(result);
                                     finished();
                                 });
                         });
}

void RecordService::askHeld(QObject *context, const QString &unitAddress, const QString &networkAddress,
                            std::function<void(const HeldAnswer &)> done)
{
    askRecords<HeldAnswer>(
        context, std::move(done),
        [unitAddress, networkAddress](LocalSide *local) {
            HeldAnswer result;
            result.held = local->journal.isSet() && local->journal.holdsUnit(unitAddress, networkAddress);
            return result;
        },
        [](const HeldAnswer &result) { return result.held; },
        [unitAddress, networkAddress](SharedSide *shared, const HeldAnswer &) {
            HeldAnswer result;
            result.held = shared->store->holdsUnit(unitAddress, networkAddress);
            return result;
        });
}

void RecordService::askCodes(QObject *context, const QStringList &codes, std::function<void(const CodesAnswer &)> done)
{
    askRecords<CodesAnswer>(
        context, std::move(done),
        [codes](LocalSide *local) {
            CodesAnswer result;
            if (local->journal.isSet())
                result.holders = unitsWithCodes(local->journal.rows(), codes);
            return result;
        },
        [](const CodesAnswer &) { return false; },
        [codes](SharedSide *shared, const CodesAnswer &fromJournal) {
            CodesAnswer result = fromJournal;
            QString error;
            result.holders += unitsWithCodes(shared->store->rows(&error), codes);
            if (!error.isEmpty())
                result.error = named(shared->name, error);
            return result;
        });
}

void RecordService::askNextUnit(QObject *context, const QString &networkAddress, qint64 start,
                                std::function<void(const NextUnitAnswer &)> done)
{
    auto answer = std::make_shared<OneAnswer<NextUnitAnswer>>(context, std::move(done));
    NextUnitAnswer unchanged;
    unchanged.unit = start;
    if (!m_open || m_closed || !m_shared) {
        QTimer::singleShot(0, this, [answer, unchanged] { answer->give(unchanged); });
        return;
    }
    const quint64 id = track([answer, unchanged] {
        NextUnitAnswer closed = unchanged;
        closed.error = tr("the record was closed");
        answer->give(closed);
    });
    QPointer<RecordService> self(this);
    auto finished = [self, id] {
        if (self)
            self->untrack(id);
    };
    QTimer::singleShot(m_options.boundMs, this, [this, answer, finished, unchanged] {
        NextUnitAnswer silent = unchanged;
        silent.error = silentText();
        if (answer->give(silent))
            interruptStuckCall();
        finished();
    });
    SharedSide *shared = m_sharedSide;
    m_shared->ask<NextUnitAnswer>(
        [shared, answer, networkAddress, start] {
            NextUnitAnswer result;
            result.unit = start;
            if (answer->given())
                return result;
            QString error;
            RecordWorker::Busy inCall(shared->busy);
            const qint64 next = shared->store->nextFreeUnit(networkAddress, start, &error);
            if (next < 0)
                result.error = named(shared->name, error);
            else
                result.unit = next;
            return result;
        },
        [answer, finished](const NextUnitAnswer &result) {
            answer->give(result);
            finished();
        });
}

void RecordService::updateWaiting()
{
    const int rows = std::max(0, m_kept + m_adopted - m_forwarded - m_setAside);
    if (rows == m_waiting)
        return;
    m_waiting = rows;
    emit waitingChanged(rows);
}

void RecordService::retryNow()
{
    if (!m_shared || m_closed)
        return;
    SharedSide *shared = m_sharedSide;
    m_shared->post([shared] {
        if (!shared->failing)
            return;
        shared->retry.stop();
        shared->failing = false;
        shared->retryMs = FirstRetryMs;
        shared->schedule();
    });
}

void RecordService::close()
{
    if (m_closed)
        return;
    m_closed = true;
    // Every caller is answered now; the rows handed over are kept by the
    // threads, which end by themselves.
    const QList<std::function<void()>> open = m_inFlight.values();
    m_inFlight.clear();
    m_beginsOf.clear();
    for (const auto &answerClosed : open)
        answerClosed();
    if (m_parts > 0) {
        m_parts = 1;
        partOpened(false, false, tr("the record was closed"), tr("the record was closed"));
    }
    m_guard->closing = true;
    m_guard->interrupt();
    if (!m_local)
        return;
    if (m_shared) {
        // The database's thread ends after the last row of the journal's,
        // its outbox let go (and removed when every row landed) then.
        RecordWorker *shared = m_shared.release();
        SharedSide *sharedSide = m_sharedSide;
        LocalSide *local = m_localSide;
        m_local->post([shared, sharedSide, local] {
            std::shared_ptr<QLockFile> lock(std::move(local->outboxLock));
            shared->post([sharedSide, lock] { sharedSide->closeOwnOutbox(); });
            delete shared;
        });
    }
    m_local.reset();
    m_localSide = nullptr;
    m_sharedSide = nullptr;
}
