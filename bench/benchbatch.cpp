#include "benchbatch.h"

#include <QHash>
#include <QSignalSpy>
#include <QStringList>
#include <QTextStream>

#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/provisionbatch.h"
#include "engine/radiosession.h"
#include "engine/station.h"
#include "engine/unitjob.h"
#include "protocol/writeplan.h"
#include "support/ptymodem.h"

qint64 largestPauseDifference(const PtyModem &modem, const RadioSettings &written, const LinkConfig &link, qint64 *beginMs)
{
    QHash<QByteArray, bool> pauses;
    for (const WriteLine &line : planWrite(written, link.module, link.mode))
        pauses.insert(line.bytes.trimmed(), line.pauses);
    const SessionTiming timing;
    // A KV6 - KV7's check asks with the read-prepare frame first, and waits
    // its pause before "AT&V".
    const qint64 checkPrepare = link.product == Product::Kv6 ? timing.prepareMs : 0;
    const auto &lines = modem.timedLines();
    qint64 worst = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &previous = lines.at(i - 1).second;
        qint64 expected = -1;
        if (previous.endsWith("AT&V") && i == 1) {
            const qint64 begin = lines.at(i).first - lines.at(i - 1).first - timing.requestMs;
            if (beginMs)
                *beginMs = std::max(*beginMs, begin);
            continue;
        }
        if (previous == "AT&W")
            expected = timing.storeMs + checkPrepare;
        else if (pauses.contains(previous))
            expected = pauses.value(previous) ? timing.lineMs : 0;
        if (expected < 0)
            continue;
        const qint64 off = std::abs(lines.at(i).first - lines.at(i - 1).first - expected);
        if (off > worst && qEnvironmentVariableIsSet("KVX_BENCH_VERBOSE"))
            QTextStream(stderr) << previous << " -> " << lines.at(i).second << ": " << off << " ms off\n";
        worst = std::max(worst, off);
    }
    return worst;
}

qint64 benchBatch(const QString &db, int units, const std::function<void()> &started,
                  const std::function<void(const Station &)> &ended)
{
    Station station;
    QSignalSpy opened(&station, &Station::recordsOpened);
    station.openRecords(QString(), db);
    if (!opened.wait(20000) || !station.recordsReady())
        return -1;
    std::vector<std::unique_ptr<PtyModem>> modems;
    QStringList ports;
    for (int i = 0; i < units; ++i) {
        modems.push_back(std::make_unique<PtyModem>(Product::Kv5, Module::Tarn));
        ports << modems.back()->portPath();
    }
    const LinkConfig link { QString(), Product::Kv5, Module::Tarn, LinkMode::PointToPoint };
    RadioSettings change;
    change.set(Reg::WorkMode, 2);
    change.set(Reg::LinkRate, 1);
    change.set(Reg::NetworkAddress, 4321);
    ProvisionBatch batch(link, change, -1);
    station.equip(batch);
    QSignalSpy finished(&batch, &ProvisionBatch::finished);
    if (started)
        started();
    batch.startPorts(ports);
    if (!finished.wait(60000))
        return -1;
    qint64 worst = 0;
    for (std::size_t i = 0; i < modems.size(); ++i) {
        RadioSettings written = batch.units().at(int(i))->outcome().settings;
        worst = std::max(worst, largestPauseDifference(*modems.at(i), written, link));
    }
    if (ended)
        ended(station);
    return worst;
}
