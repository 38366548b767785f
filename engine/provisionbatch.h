#pragma once
// A profile written into many units: every chosen port at once, and (on an
// assembly line) every port that appears later, each after a short settle
// delay, with the next unit address. Shared by `kvx-cli provision` and the
// window's batch dialog; each unit is a UnitJob with its own outcome and
// record row.

#include <QList>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

#include "engine/radiosession.h"
#include "engine/unitoutcome.h"
#include "protocol/radiosettings.h"
#include "records/recordstore.h"

class PortWatcher;
class RecordService;
class UnitJob;
struct PortEntry;

// A batch is one network: a profile without a network address gets one
// random address, drawn once for all its units.
RadioSettings withBatchNetworkAddress(RadioSettings change);

class ProvisionBatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultSettleMs = 800;

    // `link` gives product, module and mode (its port is ignored);
    // `change` the settings every unit gets. `firstUnit` is the first unit
    // address (point to multipoint), -1 for none.
    ProvisionBatch(const LinkConfig &link, const RadioSettings &change, qint64 firstUnit, QObject *parent = nullptr);
    ~ProvisionBatch() override;

    void setVerify(bool verify) { m_verify = verify; }
    // Units are only read and compared with the profile: nothing is
    // written, no unit address handed out.
    void setCheckOnly(bool check) { m_checkOnly = check; }
    void setReportTimeout(int ms) { m_timing.reportTimeoutMs = ms; }
    // Every unit's pauses end as soon as it has answered (SessionTiming).
    void setQuickPauses(bool quick) { m_timing.pauseEndsOnReply = quick; }
    // The units' pauses and report timeout.
    void setTiming(const SessionTiming &timing) { m_timing = timing; }
    // Where every unit's rows go; it must outlive the batch.
    void setRecords(RecordService *records) { m_records = records; }
    void setRecordIdentity(const RecordIdentity &identity) { m_identity = identity; }
    // Unit addresses from a record that reserves them: each unit takes the
    // first free one from the first unit address when it is written.
    void setAutoUnitAddress(bool automatic) { m_autoUnit = automatic; }
    // Each unit's own serial or label code, by port, for the units started
    // on those ports.
    void setUnitCodes(const QMap<QString, QString> &codes) { m_portCodes = codes; }
    // Assembly line: a code scanned before its unit is plugged in goes to
    // the next unit that starts on a port with no code of its own, in the
    // order scanned.
    void queueUnitCode(const QString &code);
    QStringList queuedUnitCodes() const { return m_codeQueue; }

    // Starts a unit on each port, in order, all at once.
    void startPorts(const QStringList &ports);
    // A port asked for that is left alone (`why`: what answered there);
    // the summary counts it.
    void skipPort(const QString &port, const QString &why) { m_skipped.append({ port, why }); }
    // Assembly line: from now on every port that appears and whose path
    // matches `glob` (a shell wildcard; empty for any) gets a unit after the
    // settle delay, until stop(). Ports listed now are left alone.
    void watch(const QString &glob);
    // Stops the assembly line and every running unit at its safe point;
    // finished() follows when the last unit has ended.
    void stop();

    bool isWatching() const { return m_watcher != nullptr; }
    bool isFinished() const { return m_finished; }
    // The units so far, in the order they started.
    QList<UnitJob *> units() const;
    // The unit address the next unit gets, -1 for none.
    qint64 nextUnitAddress() const { return m_nextUnit; }
    // "7 of 8 verified, 1 failed; /dev/ttyUSB3: S103 reads 7, 4 was written"
    // ("written" when the batch does not verify; ", 1 skipped" for a port
    // left alone).
    QString summary() const;
    // The units that ended good (UnitOutcome::isGood()).
    int goodCount() const;
    // The ports asked for: units started and ports skipped.
    int portCount() const { return int(m_units.size() + m_skipped.size()); }

signals:
    void unitStarted(UnitJob *unit);
    // The codes waiting for their units changed.
    void unitCodesQueued(const QStringList &codes);
    // The unit's step, and the line being written.
    void unitProgress(UnitJob *unit, UnitStep step, int line, int lines);
    // The unit's outcome is known (and recorded); its link is closing.
    void unitEnded(UnitJob *unit);
    // Every unit has ended and nothing is being watched.
    void finished();
    // While watching: a port appeared whose path the pattern leaves out.
    void portPassedOver(const QString &path);

private:
    void startUnit(const QString &port);
    void appeared(const PortEntry &port);
    void vanished(const QString &name);
    void checkFinished();

    LinkConfig m_link;
    RadioSettings m_change;
    qint64 m_nextUnit;
    bool m_verify = true;
    bool m_checkOnly = false;
    SessionTiming m_timing;
    int m_settleMs = DefaultSettleMs;
    RecordService *m_records = nullptr;
    RecordIdentity m_identity;
    bool m_autoUnit = false;
    QMap<QString, QString> m_portCodes;
    QStringList m_codeQueue;
    QList<std::pair<QString, QString>> m_skipped;
    std::vector<std::unique_ptr<UnitJob>> m_units;
    PortWatcher *m_watcher = nullptr;
    QRegularExpression m_match;
    QMap<QString, int> m_settling;   // port -> timer id
    bool m_stopping = false;
    bool m_finished = false;

protected:
    void timerEvent(QTimerEvent *event) override;
};
