#include "records/recordworker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>

#include <chrono>

namespace {

// The longest the application's end waits for records let go: every call
// of a record is bounded, and a closed record's call is interrupted.
constexpr int EndDeadlineMs = 5000;

QMutex &retiredLock()
{
    static QMutex lock;
    return lock;
}

QList<QThread *> &retired()
{
    static QList<QThread *> threads;
    return threads;
}

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void joinAtEnd()
{
    RecordWorker::joinRetired(EndDeadlineMs);
}

// Threads that have ended are let go of here, without waiting.
void reapEnded()
{
    QMutexLocker locker(&retiredLock());
    QList<QThread *> &threads = retired();
    for (auto it = threads.begin(); it != threads.end();) {
        if ((*it)->isFinished()) {
            delete *it;
            it = threads.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace

RecordWorker::RecordWorker(const QString &name)
    : m_busySince(std::make_shared<std::atomic<qint64>>(0))
{
    static const bool registered = [] {
        qAddPostRoutine(joinAtEnd);
        return true;
    }();
    Q_UNUSED(registered);
    reapEnded();
    m_thread = new QThread;
    m_thread->setObjectName(name);
    m_home = new QObject;
    m_home->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_home, &QObject::deleteLater);
    m_thread->start();
}

RecordWorker::~RecordWorker()
{
    QThread *thread = m_thread;
    // After everything posted before it.
    QMetaObject::invokeMethod(m_home, [thread] { thread->quit(); }, Qt::QueuedConnection);
    QMutexLocker locker(&retiredLock());
    retired().append(thread);
}

void RecordWorker::post(std::function<void()> job) const
{
    QMetaObject::invokeMethod(m_home, std::move(job), Qt::QueuedConnection);
}

qint64 RecordWorker::busyForMs() const
{
    const qint64 since = m_busySince->load();
    return since ? nowMs() - since : -1;
}

RecordWorker::Busy::Busy(BusyMark mark)
    : m_mark(std::move(mark))
{
    m_mark->store(nowMs());
}

RecordWorker::Busy::~Busy()
{
    m_mark->store(0);
}

void RecordWorker::onMain(std::function<void()> work)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

bool RecordWorker::joinRetired(int ms)
{
    const QDeadlineTimer deadline(ms);
    // A worker may let another go as it ends (a record's threads end in
    // turn): asked again until none is left.
    for (;;) {
        QList<QThread *> threads;
        {
            QMutexLocker locker(&retiredLock());
            threads.swap(retired());
        }
        if (threads.isEmpty())
            return true;
        QList<QThread *> running;
        for (QThread *thread : std::as_const(threads)) {
            if (thread->wait(deadline))
                delete thread;
            else
                running << thread;
        }
        if (!running.isEmpty()) {
            // Still inside a call past the deadline: never destroyed while it
            // runs, and waited for again by the next join (the program's end).
            QMutexLocker locker(&retiredLock());
            retired() += running;
            return false;
        }
    }
}
