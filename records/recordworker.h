#pragma once
// A record's calls kept off the thread that times the units and paints the
// window: one thread per record, whose jobs run there one after the other,
// each job's result handed back on the program's main thread. A worker let
// go is never waited for where it is let go: what was posted to it before
// still runs, then its thread ends by itself; the program waits for the
// workers still running, with a deadline, only as it ends (joinRetired(),
// also run when the application object goes).
//
// An answer to a request comes once (OneAnswer): from the worker, from the
// bound the caller set, or from the record being closed, whichever first.

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

class RecordWorker
{
public:
    explicit RecordWorker(const QString &name);
    ~RecordWorker();
    RecordWorker(const RecordWorker &) = delete;
    RecordWorker &operator=(const RecordWorker &) = delete;

    // Runs `job` on the worker's thread, after everything posted before.
    void post(std::function<void()> job) const;
    // The object the jobs run in: a timer of the worker's lives there, and
    // objects given it as their parent end with the thread, on it.
    QObject *home() const { return m_home; }
    // Runs `job` there; its result goes to `done` on the main thread.
    template<typename R>
    void ask(std::function<R()> job, std::function<void(const R &)> done) const
    {
        post([job = std::move(job), done = std::move(done)] {
            auto result = std::make_shared<R>(job());
            onMain([done, result] { done(*result); });
        });
    }

    // Inside a call of the record since this many milliseconds; -1 while
    // not. A job marks its calls with a Busy in scope, made from busyMark()
    // (taken by value: the job may outlive the worker object).
    qint64 busyForMs() const;
    using BusyMark = std::shared_ptr<std::atomic<qint64>>;
    BusyMark busyMark() const { return m_busySince; }
    class Busy
    {
    public:
        explicit Busy(BusyMark mark);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        BusyMark m_mark;
    };

    // Runs `work` on the program's main thread, from any thread.
    static void onMain(std::function<void()> work);
    // Waits up to `ms` for the threads of every worker let go to end; true
    // when they all did.
    static bool joinRetired(int ms);

private:
    QThread *m_thread = nullptr;
    QObject *m_home = nullptr;
    BusyMark m_busySince;
};

// The one answer a request gets. Given on the main thread only; a worker
// may ask whether it was given already (nobody waits any more: its job
// need not run).
template<typename R>
class OneAnswer
{
public:
    OneAnswer(QObject *context, std::function<void(const R &)> done)
        : m_to(context)
        , m_done(std::move(done))
    {
    }
    bool give(const R &answer)
    {
        if (m_given.exchange(true))
            return false;
        if (m_to && m_done)
            m_done(answer);
        m_done = nullptr;
        return true;
    }
    bool given() const { return m_given; }

private:
    QPointer<QObject> m_to;
    std::function<void(const R &)> m_done;
    std::atomic<bool> m_given { false };
};
