#include "engine/provisionbatch.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include <algorithm>

#include "engine/portwatcher.h"
#include "engine/radiosession.h"
#include "engine/unitjob.h"
#include "protocol/randomaddress.h"

namespace {

struct ProvisionBatchText {
    Q_DECLARE_TR_FUNCTIONS(ProvisionBatch)
};

} // namespace

RadioSettings withBatchNetworkAddress(RadioSettings change)
{
    if (!change.has(Reg::NetworkAddress)) {
        RandomAddressGenerator generator;
        generator.seedFromClock();
        change.set(Reg::NetworkAddress, generator.nextAddress(0));
    }
    return change;
}

ProvisionBatch::ProvisionBatch(const LinkConfig &link, const RadioSettings &change, qint64 firstUnit, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_change(change)
    , m_nextUnit(firstUnit)
{
}

ProvisionBatch::~ProvisionBatch() = default;

QList<UnitJob *> ProvisionBatch::units() const
{
    QList<UnitJob *> list;
    for (const auto &unit : m_units)
        list << unit.get();
    return list;
}

void ProvisionBatch::startPorts(const QStringList &ports)
{
    m_finished = false;
    for (const QString &port : ports)
        startUnit(port);
    checkFinished();
}

void ProvisionBatch::watch(const QString &glob)
{
    if (m_watcher)
        return;
    m_finished = false;
    // A shell wildcard over the whole path ("*" stops at "/").
    m_match = glob.isEmpty() ? QRegularExpression()
                             : QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob));
    // Told of each port as it appears; nothing runs while none does.
    m_watcher = new PortWatcher(this);
    connect(m_watcher, &PortWatcher::portAppeared, this, &ProvisionBatch::appeared);
    connect(m_watcher, &PortWatcher::portVanished, this, &ProvisionBatch::vanished);
    m_watcher->start();
}

void ProvisionBatch::stop()
{
    m_stopping = true;
    if (m_watcher) {
        m_watcher->stop();
        m_watcher->deleteLater();
        m_watcher = nullptr;
    }
    for (auto it = m_settling.cbegin(); it != m_settling.cend(); ++it)
        killTimer(it.value());
    m_settling.clear();
    for (const auto &unit : m_units)
        unit->interrupt();
    checkFinished();
}

void ProvisionBatch::appeared(const PortEntry &port)
{
    if (m_stopping || m_settling.contains(port.name))
        return;
    // Only what the operator chose: the path matches the pattern.
    if (!m_match.pattern().isEmpty() && !m_match.match(port.path).hasMatch()) {
        emit portPassedOver(port.path);
        return;
    }
    m_settling.insert(port.name, startTimer(m_settleMs));
}

void ProvisionBatch::vanished(const QString &name)
{
    // Pulled again before it settled: nothing was sent.
    if (m_settling.contains(name))
        killTimer(m_settling.take(name));
}

void ProvisionBatch::timerEvent(QTimerEvent *event)
{
    const QString port = m_settling.key(event->timerId());
    if (port.isEmpty()) {
        QObject::timerEvent(event);
        return;
    }
    // A unit still ending on this port (pulled mid-write, plugged back):
    // the new one waits for it.
    for (const auto &unit : m_units) {
        if (unit->config().port == port && !unit->isDone())
            return;
    }
    killTimer(m_settling.take(port));
    startUnit(port);
}

void ProvisionBatch::queueUnitCode(const QString &code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return;
    m_codeQueue << trimmed;
    emit unitCodesQueued(m_codeQueue);
}

void ProvisionBatch::startUnit(const QString &port)
{
    LinkConfig config = m_link;
    config.port = port;
    RadioSettings change = m_change;
    if (m_nextUnit >= 0 && !m_checkOnly) {
        change.set(Reg::UnitAddress, m_nextUnit);
        // Automatic addresses come from the record when each unit is written.
        if (m_nextUnit < MaxAddress && !m_autoUnit)
            ++m_nextUnit;
    }
    m_units.push_back(std::make_unique<UnitJob>(config));
    UnitJob *unit = m_units.back().get();
    unit->setTiming(m_timing);
    unit->setRecords(m_records);
    unit->setRecordIdentity(m_identity);
    QString code = m_portCodes.value(port).trimmed();
    if (code.isEmpty() && !m_codeQueue.isEmpty()) {
        code = m_codeQueue.takeFirst();
        emit unitCodesQueued(m_codeQueue);
    }
    unit->setUnitCode(code);
    if (m_autoUnit && m_nextUnit >= 0 && !m_checkOnly)
        unit->setUnitReservation(m_nextUnit, false, false);
    connect(unit, &UnitJob::progress, this,
            [this, unit](UnitStep step, int line, int lines) { emit unitProgress(unit, step, line, lines); });
    connect(unit, &UnitJob::outcomeReady, this, [this, unit] { emit unitEnded(unit); });
    connect(unit, &UnitJob::done, this, &ProvisionBatch::checkFinished);
    emit unitStarted(unit);
    if (m_checkOnly)
        unit->startCheck(change);
    else
        unit->startWrite(change, m_verify);
}

void ProvisionBatch::checkFinished()
{
    if (m_finished || m_watcher || !m_settling.isEmpty())
        return;
    for (const auto &unit : m_units) {
        if (!unit->isDone())
            return;
    }
    m_finished = true;
    emit finished();
}

int ProvisionBatch::goodCount() const
{
    return int(std::count_if(m_units.begin(), m_units.end(),
                             [](const std::unique_ptr<UnitJob> &unit) { return unit->outcome().isGood(); }));
}

QString ProvisionBatch::summary() const
{
    QStringList parts;
    const QString counted = m_checkOnly ? ProvisionBatchText::tr("%1 of %2 match the profile")
                            : m_verify  ? ProvisionBatchText::tr("%1 of %2 verified")
                                        : ProvisionBatchText::tr("%1 of %2 written");
    // Every port asked for is counted: those that ended otherwise and those
    // left alone too.
    const int ports = int(m_units.size() + m_skipped.size());
    const int failed = int(m_units.size()) - goodCount();
    QString counts = counted.arg(goodCount()).arg(ports);
    if (failed > 0)
        counts += m_checkOnly ? ProvisionBatchText::tr(", %n not matching", nullptr, failed)
                              : ProvisionBatchText::tr(", %n failed", nullptr, failed);
    if (!m_skipped.isEmpty())
        counts += ProvisionBatchText::tr(", %n skipped", nullptr, int(m_skipped.size()));
    parts << counts;
    for (const auto &[port, why] : m_skipped)
        parts << QStringLiteral("%1: %2").arg(port, why);
    for (const auto &unit : m_units) {
        const UnitOutcome &o = unit->outcome();
        if (o.isGood())
            continue;
        const QString said = o.result == UnitOutcome::Mismatch ? describeDifferences(o.differences) + o.recordNote() : o.words();
        parts << QStringLiteral("%1: %2").arg(unit->config().port, said);
    }
    return parts.join(QStringLiteral("; "));
}
