#pragma once
// A record store for the record service's rules, in memory, that can answer
// late, hang until interrupted, fail as a lost server does, refuse one
// attempt's rows for good, or lose its answer after the row landed. The
// service makes it on its own thread; the test holds its state.

#include <QMap>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QWaitCondition>

#include <memory>

#include "records/recordstore.h"

struct FakeStoreState {
    mutable QMutex lock;
    QWaitCondition wake;
    // How each call behaves, set by the test at any time.
    int delayMs = 0;           // every call answers this much later
    bool hang = false;         // every call waits until released or interrupted
    bool down = false;         // every call fails as an unreachable server's
    QString refuse;            // rows of this attempt are refused for good
    int loseAnswers = 0;       // this many writes land, then say they failed
    // What happened.
    QMap<QString, UnitRecord> rows;   // attempt -> its last row
    QStringList writes;               // attempts, one per write that landed
    int calls = 0;
    int interrupts = 0;
    int hanging = 0;                  // calls waiting now

    void release()
    {
        QMutexLocker locker(&lock);
        hang = false;
        wake.wakeAll();
    }
    QString result(const QString &attempt) const
    {
        QMutexLocker locker(&lock);
        return rows.value(attempt).result;
    }
};

class FakeStore : public RecordStore
{
public:
    explicit FakeStore(std::shared_ptr<FakeStoreState> state)
        : m_state(std::move(state))
    {
    }

    QString name() const override { return QStringLiteral("fake://units"); }
    bool prepare(QString *error) override { return call(error); }
    bool openExisting(QString *error) override { return call(error); }
    QByteArray writeRow(const QByteArray &handle, const UnitRecord &record, QString *error) override
    {
        m_final = false;
        if (!call(error))
            return {};
        QMutexLocker locker(&m_state->lock);
        const QString attempt = QString::fromLatin1(handle);
        if (!m_state->refuse.isEmpty() && attempt == m_state->refuse) {
            m_final = true;
            *error = QStringLiteral("value too long for type character varying(8)");
            return {};
        }
        m_state->rows.insert(attempt, record);
        m_state->writes << attempt;
        if (m_state->loseAnswers > 0) {
            --m_state->loseAnswers;
            *error = QStringLiteral("server closed the connection unexpectedly");
            return {};
        }
        return handle;
    }
    bool holdsUnit(const QString &unitAddress, const QString &networkAddress) const override
    {
        QString error;
        if (!const_cast<FakeStore *>(this)->call(&error))
            return false;
        QMutexLocker locker(&m_state->lock);
        return held(unitAddress, networkAddress);
    }
    QList<RecordRow> rows(QString *error = nullptr) const override
    {
        QString failure;
        QList<RecordRow> list;
        if (!const_cast<FakeStore *>(this)->call(error ? error : &failure))
            return list;
        QMutexLocker locker(&m_state->lock);
        for (auto it = m_state->rows.cbegin(); it != m_state->rows.cend(); ++it)
            list << RecordRow { it.value(), it.key() };
        return list;
    }
    bool canReserve() const override { return true; }
    QByteArray reserveUnit(const QByteArray &handle, UnitRecord *record, qint64 start, bool exact, bool, QString *error,
                           bool *inUse = nullptr) override
    {
        if (inUse)
            *inUse = false;
        if (!call(error))
            return {};
        QMutexLocker locker(&m_state->lock);
        const QString network = recordNetworkAddress(*record);
        qint64 address = start;
        while (held(QString::number(address), network)) {
            if (exact) {
                if (inUse)
                    *inUse = true;
                *error = QStringLiteral("unit address %1 is already in use").arg(address);
                return {};
            }
            ++address;
        }
        record->settings.set(Reg::UnitAddress, address);
        UnitRecord reserved = *record;
        reserved.result = QStringLiteral("reserved");
        m_state->rows.insert(QString::fromLatin1(handle), reserved);
        return handle;
    }
    void interruptCall() override
    {
        QMutexLocker locker(&m_state->lock);
        ++m_state->interrupts;
        m_interrupted = true;
        m_state->wake.wakeAll();
    }
    bool lastFailureIsFinal() const override { return m_final; }

private:
    // Under the state's lock.
    bool held(const QString &unitAddress, const QString &networkAddress) const
    {
        for (const UnitRecord &row : std::as_const(m_state->rows)) {
            if (recordUnitAddress(row) == unitAddress && recordNetworkAddress(row) == networkAddress
                && QStringList({ "verified", "written", "pending", "reserved" }).contains(row.result))
                return true;
        }
        return false;
    }
    // One call: late, hanging, or failing as the state says.
    bool call(QString *error)
    {
        QMutexLocker locker(&m_state->lock);
        ++m_state->calls;
        m_interrupted = false;
        if (m_state->delayMs > 0) {
            const int delay = m_state->delayMs;
            locker.unlock();
            QThread::msleep(ulong(delay));
            locker.relock();
        }
        ++m_state->hanging;
        while (m_state->hang && !m_interrupted)
            m_state->wake.wait(&m_state->lock);
        --m_state->hanging;
        if (m_interrupted || m_state->down) {
            *error = m_interrupted ? QStringLiteral("interrupted") : QStringLiteral("could not connect to server");
            return false;
        }
        return true;
    }

    std::shared_ptr<FakeStoreState> m_state;
    bool m_final = false;
    bool m_interrupted = false;
};
